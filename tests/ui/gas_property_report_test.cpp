#include "ui/gas_property_report.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/status_codes.h"
#include "support/temporary_folder.h"
#include "ui/report_rows.h"

namespace vaporis::ui {
namespace {

// The analysis block's component row, filled by C's own printf in the C locale.
constexpr const char* kComponentRow =
    "<tr>\n <td width=180>%s</td><td width=100>%s</td><td width=70> %.4lf </td><td width=120> "
    "%s </td><td width=70> %.4lf </td><td width=40> %s </td>\n</tr>\n";
constexpr const char* kDegrees =
    "\xB0"
    "C      ";

using Line = test::ReferenceLine;

constexpr auto kProperties = std::to_array<Line>({
    {"Specific enthalpy h", "kJ/kg   "},
    {"Specific volume v", "m\xB3/kg   "},
    {"Density rho", "kg/m\xB3   "},
    {"Normal density", "kg/m\xB3   "},
    {"Specific entropy s", "kJ/kgK  "},
    {"Specific isobaric heat capacity cp", "kJ/kgK  "},
    {"Medium spec. isobaric heat capacity cpm", "kJ/kgK  "},
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
    {"Enthalpy of formation", "kJ/kg   "},
    {"Standard enthalpy of formation (25\xB0"
     "C)",
     "kJ/kg   "},
});

// Gas rows put the unit before the spacer.
std::string row(const char* format, const char* label, double value, const char* unit) {
    return test::printed(format, label, value, unit, test::kSpacer);
}

struct Component {
    const char* name;     // padded to 18 characters
    const char* formula;  // padded to 4 characters
    int index;
};

std::string analysisBlock(const gas::GasAnalysis& analysis, const char* name,
                          std::initializer_list<Component> components) {
    std::array<char, 1024> buffer{};
    std::string text = std::string("<h3> Gas analysis:       ") + name + " </h3>\n\n<table>\n";
    std::snprintf(buffer.data(), buffer.size(),
                  "<tr> \n <td width=180> Molar mass   </td><td width=100> %s </td><td> %.3lf "
                  "</td>\n</tr>\n<tr> \n <td width=180> Gas constant </td><td width=100> %s "
                  "</td><td> %.3lf </td>\n</tr>\n",
                  "g/mol   ", analysis.molarMass(), "J/kgK   ", analysis.gasConstant());
    text += buffer.data();
    text += std::string("<tr>\n <td> ") + test::kSpacer +
            " </td><td></td><td></td><td></td><td></td>\n</tr>\n";
    for (const Component& c : components) {
        std::snprintf(buffer.data(), buffer.size(), kComponentRow, c.name, c.formula,
                      100.0 * analysis.massFraction(c.index), "%mass   ",
                      100.0 * analysis.volumeFraction(c.index), "%vol    ");
        text += buffer.data();
    }
    return text + "</table>\n";
}

std::string expectedReport(const gas::GasState& state, const std::string& block) {
    std::string text = test::reportStart("Properties of gases according to FDBR");
    text += row(test::kInputRow, "Absolute pressure p", state.pressure(), "bar     ");
    text += row(test::kInputRow, "Temperature t", state.temperature(), kDegrees);
    if (state.property(gas::kDewPoint) != -1.0) {
        text +=
            row(test::kInputRow, "H2O - dew point Ts", state.property(gas::kDewPoint), kDegrees);
    }
    text += test::spacerRow("<tr> ");
    for (int k = 0; k < static_cast<int>(kProperties.size()); ++k) {
        const bool missing = state.status() == gas::kHeliumAbove2044K && k >= 9 && k <= 14;
        if (!missing) {
            const Line& line = kProperties[static_cast<std::size_t>(k)];
            text += row(test::kValueRow, line.label, state.property(k), line.unit);
        }
    }
    text += test::spacerRow("<tr>");
    text += "</table>\n" + block + "\n</body> \n</html>";
    return test::withCrLf(text);
}

class GasPropertyReport : public test::ReportBytesTest {
protected:
    std::string written(const gas::GasState& state) {
        return writtenBy(
            [&](const std::string& path) { return writeGasPropertyReport(path, state); });
    }
};

TEST_F(GasPropertyReport, DefaultStateListsEveryPropertyAndDryAirAlone) {
    gas::GasAnalysis air;
    air.setDefault();
    gas::GasState state(air, 1.0, 400.0);
    state.calculate();
    ASSERT_EQ(state.status(), gas::kOk);
    const std::string report = written(state);
    EXPECT_EQ(report, expectedReport(state, analysisBlock(air, "NO NAME",
                                                          {{"Dry air           ", "    ", 1}})));
    EXPECT_NE(report.find("> 100.0000 </td><td width=120> %mass    </td><td width=70> 100.0000 "),
              std::string::npos);
    EXPECT_EQ(report.find("dew point"), std::string::npos) << "dry air has none";
}

TEST_F(GasPropertyReport, HeliumAbove2044KelvinLeavesOutTheSixTransportRows) {
    gas::GasAnalysis analysis;
    std::array<double, gas::kComponentCount> values{};
    values[gas::kHelium] = 30.0;
    values[gas::kNitrogen] = 60.0;
    values[gas::kWaterVapor] = 10.0;
    analysis.setFromVolumePercent(values);
    analysis.setName("He <test> & co");
    gas::GasState state(analysis, 1.0, 1800.0);
    state.calculate();
    ASSERT_EQ(state.status(), gas::kHeliumAbove2044K);
    const std::string report = written(state);
    // The block lists N2 before H2O before He; the name is text, not markup.
    EXPECT_EQ(report, expectedReport(state, analysisBlock(analysis, "He &lt;test&gt; &amp; co",
                                                          {{"Nitrogen          ", "N2  ", 3},
                                                           {"Water vapor       ", "H2O ", 0},
                                                           {"Helium            ", "He  ", 6}})));
    for (const char* label :
         {"viscosity eta", "viscosity nu", "lambda", "diffusivity", "kappa", "number Pr"}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(report.find(label), std::string::npos);
    }
    EXPECT_NE(report.find("H2O - dew point Ts"), std::string::npos);
}

TEST_F(GasPropertyReport, UnwritableFileIsReported) {
    gas::GasAnalysis air;
    air.setDefault();
    gas::GasState state(air, 1.0, 400.0);
    state.calculate();
    EXPECT_FALSE(writeGasPropertyReport((folder_.path() / "missing" / "gas.html").string(), state));
    EXPECT_FALSE(writeGasPropertyReport((folder_.path() / "gas.html").string(), gas::GasState()));
}

}  // namespace
}  // namespace vaporis::ui
