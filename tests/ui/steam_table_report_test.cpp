#include "ui/steam_table_report.h"

#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/water/water_steam_state.h"
#include "support/temporary_folder.h"
#include "ui/report_rows.h"

namespace vaporis::ui {
namespace {

using Line = test::ReferenceLine;

constexpr auto kProperties = std::to_array<Line>({
    {"Specific enthalpy h", "kJ/kg   "},
    {"Specific volume v", "m\xB3/kg   "},
    {"Density rho", "kg/m\xB3   "},
    {"Specific entropy s", "kJ/kgK  "},
    {"Specific isobaric heat capacity cp", "kJ/kgK  "},
    {"Specific isochore heat capacity cv", "kJ/kgK  "},
    {"Sonic velocity w", "m/s     "},
    {"Dynamic viscosity eta", "E-6 Pas "},
    {"Kinematic viscosity nu", "E-6 m\xB2/s"},
    {"Thermal conductivity lambda", "W/mK    "},
    {"Temperature diffusivity a", "E-6 m\xB2/s"},
    {"Isotropic coefficient kappa", "[-]     "},
    {"Prandtl - number Pr", "[-]     "},
    {"Isobaric volumetric expansion coefficient beta", "1/K     "},
    {"Isothermal volumetric expansion coefficient chi", "1/bar   "},
});

constexpr auto kSaturation = std::to_array<Line>({
    {"Vapor pressure ps (t)", "bar     "},
    {"Boiling temperature ts (p)",
     "\xB0"
     "C      "},
    {"Surface tension of the boiling liquid", "E-3 N/m "},
});

// Steam rows put the spacer before the unit.
std::string row(const char* format, const std::string& label, double value, const char* unit) {
    return test::printed(format, label, value, test::kSpacer, unit);
}

std::string expectedReport(const water::WaterSteamState& state) {
    std::string text = test::reportStart("Properties of water / steam according to IAPWS-IF97");
    text += row(test::kInputRow, "Absolute pressure p", state.pressure(), "bar     ");
    text += row(test::kInputRow, "Temperature t", state.temperature(),
                "\xB0"
                "C      ");
    if (state.mode() != water::kModePT) {
        text += row(test::kInputRow, "Steam quality x", state.quality(), "[-]     ");
    }
    text += test::spacerRow("<tr> ");
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const Line& line = kProperties[static_cast<std::size_t>(i)];
        const std::string label = line.label;
        if (state.stateStatus(i) == 0) {
            text += row(test::kValueRow, label, state.stateValue(i), line.unit);
        }
        if (state.liquidStatus(i) == 0) {
            text += row(test::kValueRow, label + "' (p, ts)", state.liquidValue(i), line.unit);
        }
        if (state.vaporStatus(i) == 0) {
            text += row(test::kValueRow, label + "'' (p, ts)", state.vaporValue(i), line.unit);
        }
    }
    text += test::spacerRow("<tr>");
    for (int i = 0; i < water::kSaturationCount; ++i) {
        if (state.saturationStatus(i) == 0) {
            const Line& line = kSaturation[static_cast<std::size_t>(i)];
            text += row(test::kValueRow, line.label, state.saturationValue(i), line.unit);
        }
    }
    text += test::spacerRow("<tr>") + "</table>\n\n</body> \n</html>";
    return test::withCrLf(text);
}

class SteamTableReport : public test::ReportBytesTest {
protected:
    std::string written(const water::WaterSteamState& state) {
        return writtenBy(
            [&](const std::string& path) { return writeSteamTableReport(path, state); });
    }
};

TEST_F(SteamTableReport, SuperheatedStateBytesMatchTheRowFormats) {
    water::WaterSteamState state(water::kModePT, 50.0, 400.0, 1.0);
    state.calculate();
    const std::string bytes = written(state);
    EXPECT_EQ(bytes, expectedReport(state));
    EXPECT_EQ(bytes.find("Steam quality x"), std::string::npos);
    EXPECT_EQ(bytes.find("Vapor pressure"), std::string::npos) << "invalid ps at 400 degC";
    EXPECT_NE(bytes.find("<td width=350>Specific enthalpy h</td><td> 3196.59"), std::string::npos);
}

TEST_F(SteamTableReport, WetSteamBytesMatchTheRowFormats) {
    water::WaterSteamState state(water::kModePX, 10.0, 999.0, 0.5);
    state.calculate();
    const std::string bytes = written(state);
    EXPECT_EQ(bytes, expectedReport(state));
    EXPECT_NE(bytes.find("<td width=350>Steam quality x</td><td> 0.5000 "), std::string::npos);
    EXPECT_EQ(bytes.find("<td width=350>Specific isobaric heat capacity cp</td>"),
              std::string::npos);
    EXPECT_NE(bytes.find("<td width=350>Specific isobaric heat capacity cp' (p, ts)</td>"),
              std::string::npos);
    EXPECT_NE(bytes.find("<td width=350>Specific isobaric heat capacity cp'' (p, ts)</td>"),
              std::string::npos);
}

TEST_F(SteamTableReport, UncreatableFileIsReported) {
    water::WaterSteamState state(water::kModePT, 50.0, 400.0, 1.0);
    state.calculate();
    EXPECT_FALSE(
        writeSteamTableReport((folder_.path() / "missing" / "steam.html").string(), state));
}

}  // namespace
}  // namespace vaporis::ui
