#include "ui/steam_table_report.h"

#include <array>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "engine/water/water_steam_state.h"

namespace vaporis::ui {
namespace {

// The report rows as written for the steam table, filled by C's own printf in the C locale.
constexpr const char* kInputRow =
    "<tr> \n <td width=350>%s</td><td> %.4lf %s </td><td width=55>%s</td>\n</tr>\n";
constexpr const char* kValueRow =
    "<tr>\n <td width=350>%s</td><td> %.5lf %s </td><td width=55>%s</td>\n</tr>\n";
constexpr const char* kSpacer = "&nbsp &nbsp &nbsp &nbsp";

struct Line {
    const char* label;
    const char* unit;  // as written in the file: Windows-1252
};

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

std::string printed(const char* format, const std::string& label, double value, const char* unit) {
    std::array<char, 1024> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, label.c_str(), value, kSpacer, unit);
    return buffer.data();
}

std::string spacerRow(const char* open) {
    return std::string(open) + "\n <td> " + kSpacer + " </td><td></td><td></td>\n</tr>\n";
}

std::string expectedReport(const water::WaterSteamState& state) {
    std::string text =
        "<html> \n<head> \n\n</head> \n\n<body> \n\n"
        "<h2> Properties of water / steam according to IAPWS-IF97 </h2>\n\n<table>\n";
    text += printed(kInputRow, "Absolute pressure p", state.pressure(), "bar     ");
    text += printed(kInputRow, "Temperature t", state.temperature(),
                    "\xB0"
                    "C      ");
    if (state.mode() != water::kModePT) {
        text += printed(kInputRow, "Steam quality x", state.quality(), "[-]     ");
    }
    text += spacerRow("<tr> ");
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const Line& line = kProperties[static_cast<std::size_t>(i)];
        const std::string label = line.label;
        if (state.stateStatus(i) == 0) {
            text += printed(kValueRow, label, state.stateValue(i), line.unit);
        }
        if (state.liquidStatus(i) == 0) {
            text += printed(kValueRow, label + "' (p, ts)", state.liquidValue(i), line.unit);
        }
        if (state.vaporStatus(i) == 0) {
            text += printed(kValueRow, label + "'' (p, ts)", state.vaporValue(i), line.unit);
        }
    }
    text += spacerRow("<tr>");
    for (int i = 0; i < water::kSaturationCount; ++i) {
        if (state.saturationStatus(i) == 0) {
            const Line& line = kSaturation[static_cast<std::size_t>(i)];
            text += printed(kValueRow, line.label, state.saturationValue(i), line.unit);
        }
    }
    text += spacerRow("<tr>") + "</table>\n\n</body> \n</html>";
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return crlf;
}

class SteamTableReport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
        folder_ = std::filesystem::temp_directory_path() /
                  ("vaporis_steam_report_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string written(const water::WaterSteamState& state) {
        const std::filesystem::path path = folder_ / "steam.html";
        EXPECT_TRUE(writeSteamTableReport(path.string(), state));
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path folder_;
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
    EXPECT_FALSE(writeSteamTableReport((folder_ / "missing" / "steam.html").string(), state));
}

}  // namespace
}  // namespace vaporis::ui
