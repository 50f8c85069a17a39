#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/report_unit.h"
#include "output/reports/flow_reports.h"
#include "output/reports/gas_property_report.h"
#include "output/reports/steam_table_report.h"
#include "output/reports/thermal_process_report.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "processes/tools/ambient_data.h"
#include "support/temporary_folder.h"

namespace vaporis::output {
namespace {

// Each report is compared byte for byte with its reference file: Windows-1252, CR LF, rows
// in the fixed order with the values of the state, so a change of any byte is seen here.
class ReportBytes : public ::testing::Test {
protected:
    template <typename Writer>
    void expectBytesOf(const char* reference, const Writer& write) {
        const std::filesystem::path path = folder_.file("report.html");
        ASSERT_TRUE(write(path.string()));
        EXPECT_EQ(test::fileBytes(path),
                  test::fileBytes(std::filesystem::path(VAPORIS_REPORTS_DIR) / reference));
    }
    test::TemporaryFolder folder_;
};

// Wet steam at 10 bar: the quality row, no one-phase cp..chi rows, the ' and '' rows.
TEST_F(ReportBytes, SteamTableOfWetSteamAtTenBar) {
    water::WaterSteamState state(water::kModePX, 10.0, 0.0, 0.5);
    state.calculate();
    expectBytesOf("steam_table_10bar_x05.html",
                  [&](const std::string& path) { return writeSteamTableReport(path, state); });
}

// Helium above 2044 K: the dew-point row, no transport rows, the name as text, N2 before H2O
// before He in the analysis block.
TEST_F(ReportBytes, GasPropertiesOfHumidHeliumAt1800C) {
    gas::GasAnalysis analysis;
    std::array<double, gas::kComponentCount> percent{};
    percent[gas::kHelium] = 30.0;
    percent[gas::kNitrogen] = 60.0;
    percent[gas::kWaterVapor] = 10.0;
    analysis.setFromVolumePercent(percent);
    analysis.setName("He <test> & co");
    gas::GasState state(analysis, 1.0, 1800.0);
    state.calculate();
    ASSERT_EQ(state.status(), gas::kHeliumAbove2044K);
    expectBytesOf("gas_properties_helium_1800C.html",
                  [&](const std::string& path) { return writeGasPropertyReport(path, state); });
}

// Two tubes, flows per second, a zeta: the total cross section, Mach and heat-transfer rows.
TEST_F(ReportBytes, SteamFlowThroughTwoTubesPerSecond) {
    using P = processes::SteamFlowProcess;
    water::WaterSteamState state(water::kModePT, 50.0, 400.0, NOT_SET);
    P process(state);
    process.reset();
    process.setInput(P::kInTimeFactor, 1.0);
    process.setInput(P::kInMassFlow, 20.0);
    process.setInput(P::kInWidth, 100.0);
    process.setInput(P::kInTubeCount, 2.0);
    process.setInput(P::kInZeta, 1.5);
    ASSERT_EQ(process.calculate(), processes::kOk);
    expectBytesOf("steam_flow_50bar_400C_two_tubes.html",
                  [&](const std::string& path) { return writeSteamFlowReport(path, process); });
}

// A stack of dry air per hour with the draft: dashes for the missing dew point, the
// difference in height and the ambience section.
TEST_F(ReportBytes, GasFlowPerHourWithTheDraftOfAStack) {
    using P = processes::GasFlowProcess;
    gas::GasAnalysis air;
    air.setDefault();
    gas::GasState state(air, 1.0, 200.0);
    processes::AmbientData ambient;
    ambient.reset();
    P process(state, ambient);
    process.reset();
    process.setFreeFlow(true);
    process.setInput(P::kInNormalFlow, 1.0);
    process.setInput(P::kInWidth, 300.0);
    process.setInput(P::kInHeightDifference, 40.0);
    ASSERT_EQ(process.calculate(), processes::kOk);
    expectBytesOf("gas_flow_air_200C_stack.html",
                  [&](const std::string& path) { return writeGasFlowReport(path, process); });
}

// A compression balanced between two IAPWS-IF97 check states (500 K, 3 MPa and 700 K,
// 30 MPa), 1 kg/s shown per hour; the final state lies above the critical pressure, so its
// quality and boiling temperature are dashes.
TEST_F(ReportBytes, SteamProcessBalanceBetweenCheckStates) {
    water::WaterSteamState initial(water::kModePT, 30.0, 226.85, 0.0);
    water::WaterSteamState final(water::kModePT, 300.0, 426.85, 0.0);
    processes::SteamThermalProcess process(initial, final);
    process.setType(processes::kStateBalance);
    ASSERT_TRUE(process.setInput(processes::SteamThermalProcess::kTimeFactor, 3600.0));
    ASSERT_TRUE(process.setInput(processes::SteamThermalProcess::kMassFlow, 1.0));
    ASSERT_EQ(process.calculate(), processes::kOk);
    expectBytesOf("steam_process_balance.html",
                  [&](const std::string& path) { return writeSteamProcessReport(path, process); });
}

// The lines of a report file; each value row is one line.
std::vector<std::string> reportLines(const std::filesystem::path& path) {
    std::istringstream bytes(test::fileBytes(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(bytes, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The trimmed cells of a row.
std::vector<std::string> cells(const std::string& row) {
    static const std::regex kCell("<td[^>]*> *([^<]*?) *</td>");
    std::vector<std::string> found;
    for (std::sregex_iterator it(row.begin(), row.end(), kCell); it != std::sregex_iterator();
         ++it) {
        found.push_back((*it)[1]);
    }
    return found;
}

// beta and chi are per kelvin and per bar: per °F and per psi they are 1/1.8 and 0.0689... as
// large; a per-unit row without another unit chosen, and a percentage, stay as written.
TEST(ReportUnits, ValuesPerUnitFollowTheChosenDifferenceUnit) {
    const UnitChoice us = *presetChoice("us");
    EXPECT_NEAR(shownReportValue(0.0215883, ReportUnit::kPerBar, us), 0.0215883 * 0.06894757293168,
                1e-16);
    EXPECT_NEAR(shownReportValue(0.00195013, ReportUnit::kPerKelvin, us), 0.00195013 / 1.8, 1e-16);
    EXPECT_EQ(shownReportSymbol(ReportUnit::kPerBar, us), "1/psi");
    EXPECT_EQ(shownReportSymbol(ReportUnit::kPerKelvin, us), "1/°F");
    EXPECT_EQ(shownReportValue(0.5, ReportUnit::kPerBar, UnitChoice{}), 0.5);
    EXPECT_EQ(shownReportValue(12.0, ReportUnit::kPercent, us), 12.0);
    EXPECT_EQ(shownReportSymbol(ReportUnit::kPercent, us), "");
}

// Half a step of the last printed decimal of a number.
double halfStep(const std::string& number) {
    const auto point = number.find('.');
    return 0.5 * std::pow(10.0, -static_cast<double>(number.size() - point - 1));
}

// The report in US units says, row by row, what the one in written units says, converted by
// the published factors (exact foot, pound, IT BTU); rows without such units stay as they are.
TEST_F(ReportBytes, SteamProcessInUsUnitsConvertsEveryValueRow) {
    using P = processes::SteamThermalProcess;
    water::WaterSteamState initial(water::kModePT, 30.0, 226.85, 0.0);
    water::WaterSteamState final(water::kModePT, 300.0, 426.85, 0.0);
    P process(initial, final);
    process.setType(processes::kStateBalance);
    ASSERT_TRUE(process.setInput(P::kTimeFactor, 3600.0));
    ASSERT_TRUE(process.setInput(P::kMassFlow, 1.0));
    ASSERT_TRUE(process.setInput(P::kHeatLoss, 10.0));
    ASSERT_EQ(process.calculate(), processes::kOk);
    const auto path = [&](const char* name) { return folder_.file(name); };
    ASSERT_TRUE(writeSteamProcessReport(path("w.html").string(), process));
    ASSERT_TRUE(writeSteamProcessReport(path("us.html").string(), process, *presetChoice("us")));
    const double lb = 0.45359237;
    const double btuPerLb = 2.326;  // kJ/kg
    const std::map<std::string, std::pair<std::string, double>> kFactors{
        {"bar", {"psia", 1e5 / (lb * 9.80665 / 0.0254 / 0.0254)}},
        {"kJ/kg", {"BTU/lb", 1.0 / btuPerLb}},
        {"kJ/kgK",
         {"BTU/lb\xB0"
          "F",
          1.0 / (btuPerLb * 1.8)}},
        {"kg/h", {"lb/h", 1.0 / lb}},
        {"m\xB3/h", {"ft\xB3/h", 1.0 / std::pow(0.3048, 3)}},
        {"kW", {"BTU/h", 3600.0 / (btuPerLb * lb)}},
    };
    const std::vector<std::string> written = reportLines(path("w.html"));
    const std::vector<std::string> us = reportLines(path("us.html"));
    ASSERT_EQ(written.size(), us.size());
    int converted = 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::vector<std::string> w = cells(written[i]);
        const std::vector<std::string> u = cells(us[i]);
        if (written[i] == us[i] || w.size() < 3) {
            continue;
        }
        ASSERT_EQ(w.size(), u.size()) << us[i];
        const bool celsius = w[1] ==
                             "\xB0"
                             "C";
        const auto& [symbol, factor] = celsius ? std::pair<std::string, double>{"\xB0" "F", 1.8}
                                               : kFactors.at(w[1]);
        EXPECT_EQ(u[1], symbol) << written[i];
        for (std::size_t k = 2; k < w.size(); ++k) {
            if (w[k].starts_with("--")) {
                EXPECT_EQ(u[k], w[k]);
                continue;
            }
            const double expected = std::stod(w[k]) * factor + (celsius ? 32.0 : 0.0);
            EXPECT_NEAR(std::stod(u[k]), expected, halfStep(u[k]) + halfStep(w[k]) * factor)
                << us[i];
        }
        ++converted;
    }
    EXPECT_EQ(converted, 12);
}

// Dry air throttled from 5 to 1 bar keeps its temperature: the volume grows fivefold and the
// entropy by R ln 5; a heat loss of 10 kW follows.
TEST_F(ReportBytes, GasProcessThrottlingWithHeatLoss) {
    gas::GasAnalysis air;
    air.setDefault();
    gas::GasState initial;
    gas::GasState final;
    initial.bind(air);
    final.bind(air);
    initial.setPressure(5.0);
    initial.setTemperature(200.0);
    final.setPressure(1.0);
    processes::GasThermalProcess process(initial, final);
    process.setType(processes::kConstantEnthalpy);
    ASSERT_TRUE(process.setInput(processes::GasThermalProcess::kTimeFactor, 1.0));
    ASSERT_TRUE(process.setInput(processes::GasThermalProcess::kMassFlow, 1.0));
    ASSERT_TRUE(process.setInput(processes::GasThermalProcess::kHeatLoss, 10.0));
    ASSERT_EQ(process.calculate(), processes::kOk);
    expectBytesOf("gas_process_throttling.html",
                  [&](const std::string& path) { return writeGasProcessReport(path, process); });
}

TEST_F(ReportBytes, UnwritableFileOrStateWithoutAnalysisIsReported) {
    water::WaterSteamState steam(water::kModePT, 50.0, 400.0, 1.0);
    steam.calculate();
    const std::string missing = (folder_.path() / "missing" / "r.html").string();
    EXPECT_FALSE(writeSteamTableReport(missing, steam));
    EXPECT_FALSE(writeGasPropertyReport(folder_.file("gas.html").string(), gas::GasState()));
}

}  // namespace
}  // namespace vaporis::output
