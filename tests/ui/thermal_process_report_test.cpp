#include "ui/thermal_process_report.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "processes/gas_thermal_process.h"
#include "processes/steam_thermal_process.h"
#include "ui/gas_property_report.h"
#include "ui/report_rows.h"

namespace vaporis::ui {
namespace {

using processes::GasThermalProcess;
using processes::SteamThermalProcess;

constexpr const char* kFluidRow =
    "<tr> \n <td> %s</td><td> %s </td><td> %s </td><td> %s </td>\n</tr>\n";
constexpr const char* kDashes = "---------------";
constexpr const char* kDegrees =
    "\xB0"
    "C      ";

std::string fixed3(double v) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.3lf", v);
    return buffer.data();
}

std::string fluid(const char* label, const char* unit, const std::string& a, const std::string& b) {
    std::array<char, 512> buffer{};
    std::snprintf(buffer.data(), buffer.size(), kFluidRow, label, unit, a.c_str(), b.c_str());
    return buffer.data();
}

// The three-column value row with the given precision ("%.3lf").
std::string value(const char* precision, const char* label, const char* unit, double v) {
    const std::string format =
        std::string("<tr> \n <td> %s </td><td> %s </td><td> ") + precision + " </td>\n</tr>\n";
    std::array<char, 512> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format.c_str(), label, unit, v);
    return buffer.data();
}

std::string start(const char* title) {
    std::string text = test::reportStart(title);
    return text.substr(0, text.size() - std::string("<table>\n").size());
}

constexpr const char* kEnd = "</table>\n\n<br>\n<br>\n";
constexpr const char* kDocumentEnd = "\n</body> \n</html>";
constexpr const char* kEmptyRow = "<tr>\n <td> </td><td></td><td></td>\n</tr>\n";

class ThermalProcessReport : public test::ReportBytesTest {};

// A compression balanced between two IAPWS-IF97 check states (500 K, 3 MPa and 700 K,
// 30 MPa), 1 kg/s shown per hour; the final state lies above the critical pressure.
TEST_F(ThermalProcessReport, SteamBalanceBetweenCheckStates) {
    water::WaterSteamState initial(water::kModePT, 30.0, 226.85, 0.0);
    water::WaterSteamState final(water::kModePT, 300.0, 426.85, 0.0);
    SteamThermalProcess process(initial, final);
    process.setType(processes::kStateBalance);
    ASSERT_TRUE(process.setInput(SteamThermalProcess::kTimeFactor, 3600.0));
    ASSERT_TRUE(process.setInput(SteamThermalProcess::kMassFlow, 1.0));
    ASSERT_EQ(process.calculate(), processes::kProcessOk);
    const double v1 = 0.00120241800;
    const double v2 = 0.00542946619;
    const double expansion = (v2 / v1 - 1.0) * 100.0;
    const double dh = 2631.49474 - 975.542239;
    std::string text = start("Properties of water / steam according to IAPWS-IF97");
    text +=
        "<br>\n<h3> Fluid data   </h3>\n<table>\n<tr> \n <td width=250></td><td "
        "width=100></td><td width=150>Initial state  </td><td width=150>Finale state</td>\n"
        "</tr>\n";
    text += fluid("Absolute pressure p", "bar     ", "30.000", "300.000");
    text += fluid("Temperature t", kDegrees, "226.850", "426.850");
    text += fluid("Steam quality x", "[-]     ", kDashes, kDashes);
    text += fluid("Boiling temperature ts", kDegrees, "233.858", kDashes);
    text += fluid("Enthalpy h", "kJ/kg   ", "975.542", "2631.495");
    text += test::spacerRow("<tr> ") + "</table>\n\n";
    text +=
        "<h3> Process data </h3>\n<table>\n<tr> \n <td width=250> Process: </td><td width=100> "
        "</td><td width=250> balance between initial and final state </td>\n</tr>\n";
    text += kEmptyRow;
    text += value("%.4lf", "Mass flow", "kg/h    ", 3600.0);
    text += value("%.4lf", "Volumetric flow (at initial state)", "m\xB3/h    ", 3600.0 * v1);
    text += kEnd;
    text += "<h3> Results </h3>\n<table>\n";
    text += test::printed(
        "<tr> \n <td width=250> %s </td><td width=100> %s </td><td width=150> "
        "%.3lf </td>\n</tr>\n",
        "Total difference of enthalpy", dh, "kJ/kg   ", "");
    text += value("%.4lf", "Difference of entropy", "kJ/kgK  ", 5.17540298 - 2.58041912);
    text += value("%.3lf", "Power", "kW      ", dh);
    text += value("%.3lf", "Volumetric expansion", "%       ", expansion);
    text += value("%.3lf", "Mass discharge", "%       ", expansion * v1 / v2);
    text += test::spacerRow("<tr> ");
    text += kEnd;
    text += kDocumentEnd;
    EXPECT_EQ(
        writtenBy([&](const std::string& path) { return writeSteamProcessReport(path, process); }),
        test::withCrLf(text));
}

// Dry air throttled from 5 to 1 bar keeps its temperature: the volume grows fivefold and the
// entropy by R ln 5; a heat loss follows.
TEST_F(ThermalProcessReport, GasThrottlingWithHeatLoss) {
    gas::GasAnalysis air;
    air.setDefault();
    gas::GasState initial;
    gas::GasState final;
    initial.bind(air);
    final.bind(air);
    initial.setPressure(5.0);
    initial.setTemperature(200.0);
    final.setPressure(1.0);
    GasThermalProcess process(initial, final);
    process.setType(processes::kConstantEnthalpy);
    ASSERT_TRUE(process.setInput(GasThermalProcess::kTimeFactor, 1.0));
    ASSERT_TRUE(process.setInput(GasThermalProcess::kMassFlow, 1.0));
    ASSERT_TRUE(process.setInput(GasThermalProcess::kHeatLoss, 10.0));
    ASSERT_EQ(process.calculate(), processes::kProcessOk);
    const double h = initial.property(gas::kEnthalpy);
    std::string text = start("Properties of gases according to FDBR");
    text +=
        "<br>\n<h3> Fluid data </h3>\n<table>\n<tr> \n <td width=250></td><td width=100></td><td "
        "width=150>Initial state</td><td width=150>Final state</td>\n</tr>\n";
    text += fluid("Absolute pressure p", "bar     ", "5.000", "1.000");
    text += fluid("Temperature t", kDegrees, "200.000", "200.000");
    text += fluid("Enthalpy h", "kJ/kg   ", fixed3(h), fixed3(h));
    text += fluid("H2O - dew point Ts", kDegrees, kDashes, kDashes);
    text += test::spacerRow("<tr> ") + "</table>\n\n";
    text +=
        "<h3> Process data </h3>\n<table>\n<tr> \n <td width=250> Process: </td><td width=100> "
        "</td><td width=250> constant enthalpy </td>\n</tr>\n";
    text += kEmptyRow;
    const char* flowRow =
        "<tr> \n <td width=250> %s </td><td width=100> %s </td><td> %.4lf </td>\n</tr>\n";
    text += test::printed(flowRow, "Mass flow", 1.0, "kg/s    ", "");
    text += test::printed(flowRow, "Volumetric flow", initial.property(gas::kVolume), "m\xB3/s    ",
                          "");
    text +=
        test::printed(flowRow, "Normal volumetric flow",
                      process.result(GasThermalProcess::kShownNormalVolumeFlow), "Nm\xB3/s   ", "");
    text += value("%.2lf", "Additional heat loss", "kW      ", 10.0);
    text += kEnd;
    text += "<h3> Results </h3>\n<table>\n";
    text +=
        "<tr> \n <td width=250> Total difference of enthalpy </td><td width=100> kJ/kg    "
        "</td><td width=150> 0.00 </td>\n</tr>\n";
    text += value("%.4lf", "Difference of entropy", "kJ/kgK  ",
                  air.gasConstant() / 1000.0 * std::log(5.0));
    text += value("%.3lf", "Power", "kW      ", 0.0);
    text += value("%.3lf", "Volumetric expansion", "%       ", 400.0);
    text += value("%.3lf", "Mass discharge", "%       ", 80.0);
    text += test::spacerRow("<tr> ");
    text += "<tr> \n <td> State after heat loss: </td><td> </td><td> </td>\n</tr>\n";
    text += value("%.3lf", "Enthalpy", "kJ/kg   ", h - 10.0);
    text += value("%.3lf", "Temperature", kDegrees,
                  process.result(GasThermalProcess::kTemperatureAfterLoss));
    text += kEnd;
    std::string block;
    writeGasAnalysisBlock(block, air);
    text += block + kDocumentEnd;
    EXPECT_EQ(
        writtenBy([&](const std::string& path) { return writeGasProcessReport(path, process); }),
        test::withCrLf(text));
}

}  // namespace
}  // namespace vaporis::ui
