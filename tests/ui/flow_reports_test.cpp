#include "ui/flow_reports.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "processes/ambient_data.h"
#include "processes/gas_flow_process.h"
#include "processes/status_codes.h"
#include "processes/steam_flow_process.h"
#include "ui/report_rows.h"

namespace vaporis::ui {
namespace {

using processes::AmbientData;
using processes::GasFlowProcess;
using processes::SteamFlowProcess;

// The row formats of the flow reports, filled by printf: label, unit text, value.
std::string row(const char* format, const char* label, const char* unit, double value) {
    char text[512];
    std::snprintf(text, sizeof text, format, label, unit, value);
    return text;
}

std::string wide(const char* label, const char* unit, double value, int decimals) {
    const std::string format =
        "<tr> \n <td width=250> %s </td><td width=100> %s </td>"
        "<td width=250> %." +
        std::to_string(decimals) + "lf </td>\n</tr>\n";
    return row(format.c_str(), label, unit, value);
}

std::string plain(const char* label, const char* unit, double value, int decimals) {
    const std::string format = "<tr> \n <td> %s </td><td> %s </td><td> %." +
                               std::to_string(decimals) + "lf </td>\n</tr>\n";
    return row(format.c_str(), label, unit, value);
}

std::string fluid(const char* label, const char* unit, double value) {
    char number[64];
    std::snprintf(number, sizeof number, "%.3lf", value);
    char text[512];
    std::snprintf(text, sizeof text,
                  "<tr> \n <td width=250> %s </td><td width=100> %s </td><td width=150> %s "
                  "</td>\n</tr>\n",
                  label, unit, value == -1.0 || value == 999.0 ? "------------" : number);
    return text;
}

std::string start(const char* title) {
    std::string text = test::reportStart(title);
    text.erase(text.size() - std::string("<table>\n").size());
    return text;
}

constexpr const char* kC =
    "\xB0"
    "C      ";
constexpr const char* kNone = "[-]     ";
constexpr const char* kMm = "mm      ";
constexpr const char* kMm2 = "mm\xB2     ";
constexpr const char* kMbar = "mbar    ";
constexpr const char* kPa = "Pa\t\t ";
constexpr const char* kDensity = "kg/m\xB3   ";
constexpr const char* kSection = "</table>\n\n<br>\n<br>\n";
const std::string kSpacerRow = test::spacerRow("<tr> ");

using FlowReportBytes = test::ReportBytesTest;

TEST_F(FlowReportBytes, SteamFlowThroughTwoTubesPerSecond) {
    water::WaterSteamState state(water::kModePT, 50.0, 400.0, NOT_SET);
    SteamFlowProcess p(state);
    p.reset();
    p.setInput(SteamFlowProcess::kInTimeFactor, 1.0);
    p.setInput(SteamFlowProcess::kInMassFlow, 20.0);
    p.setInput(SteamFlowProcess::kInWidth, 100.0);
    p.setInput(SteamFlowProcess::kInTubeCount, 2.0);
    p.setInput(SteamFlowProcess::kInZeta, 1.5);
    ASSERT_EQ(p.calculate(), processes::kOk);
    using S = SteamFlowProcess;
    std::string text = start("Properties of water / steam according to IAPWS-IF97");
    text += "<br>\n<h3> Fluid data </h3>\n<table>\n";
    text += fluid("Absolute pressure p", "bar     ", 50.0);
    text += fluid("Temperature t", kC, 400.0);
    text += fluid("Steam quality x", kNone, -1.0);
    text += fluid("Boiling temperature ts", kC, state.saturationValue(water::kTs));
    text += fluid("Enthalpy h", "kJ/kg   ", state.stateValue(water::kH));
    text += fluid("Density rho", kDensity, state.stateValue(water::kRho));
    text += fluid("Dynamic viscosity eta", "E-6 Pas ", state.stateValue(water::kEta));
    text += fluid("Sonic velocity w", "m/s     ", state.stateValue(water::kW));
    text += kSpacerRow + "</table>\n\n";
    text += "<h3> Tube data and dimensions </h3>\n<table>\n";
    text += wide("Roughness k", kMm, 0.06, 4) + wide("Tube length", "m       ", 30.0, 2);
    text += plain("Number of parallel tubes", kNone, 2.0, 0);
    text += wide("Additional resistance: zeta=", kNone, 1.5, 4) + kSpacerRow;
    text += plain("Flow velocity", "m/s     ", p.input(S::kInVelocity), 2);
    text += plain("Inner diameter", kMm, 100.0, 2);
    text += plain("Cross section", kMm2, p.result(S::kCrossSection), 1);
    text += plain("Total cross section", kMm2, p.result(S::kTotalCrossSection), 1);
    text += plain("Equivilent length of square profile", kMm, p.result(S::kSquareSide), 2);
    text += kSection;
    text += "<h3> Results </h3>\n<table>\n";
    text += wide("Mass flow", "kg/s    ", 20.0, 4);
    text += plain("Volumetric flow", "m\xB3/s    ", p.result(S::kVolumeFlow), 4);
    text += plain("Mach - number", kNone, p.result(S::kMach), 4);
    text += plain("Reynolds - number Re", kNone, p.result(S::kReynolds), 1);
    text += plain("Dynamic pressure", kPa, p.result(S::kDynamicPressure), 2);
    text += plain("Friction coefficient lambda", kNone, p.result(S::kLambda), 4);
    text += plain("Pressure drop due to friction", kMbar, p.result(S::kFrictionDrop), 3);
    text += plain("Additional pressure drop", kMbar, p.result(S::kZetaDrop), 3);
    text += plain("Total pressure drop", kMbar, p.result(S::kTotalDrop), 3);
    text += plain("Heat transfer to tube wall", "W/m\xB2K   ", p.result(S::kHeatTransfer), 2);
    text += kSection;
    text += "\n</body> \n</html>";
    EXPECT_EQ(writtenBy([&p](const std::string& path) { return writeSteamFlowReport(path, p); }),
              test::withCrLf(text));
}

TEST_F(FlowReportBytes, GasFlowPerHourWithTheDraftOfAStack) {
    gas::GasAnalysis air;
    air.setDefault();
    gas::GasState state(air, 1.0, 200.0);
    AmbientData ambient;
    GasFlowProcess p(state, ambient);
    p.reset();
    ambient.reset();
    p.setFreeFlow(true);
    p.setInput(GasFlowProcess::kInNormalFlow, 1.0);
    p.setInput(GasFlowProcess::kInWidth, 300.0);
    p.setInput(GasFlowProcess::kInHeightDifference, 40.0);
    ASSERT_EQ(p.calculate(), processes::kOk);
    using G = GasFlowProcess;
    std::string text = start("Properties of gases according to FDBR");
    text += "<br>\n<h3> Fluid data </h3>\n<table>\n";
    text += fluid("Absolute pressure p", "bar     ", 1.0) + fluid("Temperature t", kC, 200.0);
    text += fluid("Enthalpy h", "kJ/kg   ", state.property(gas::kEnthalpy));
    text += fluid("Density rho", kDensity, state.property(gas::kDensity));
    text += fluid("Normal density", "kg/Nm\xB3", state.property(gas::kNormalDensity));
    text += fluid("Dynamic viscosity eta", "E-6 Pas ", state.property(gas::kViscosity));
    text += fluid("Sonic velocity w", "m/s     ", state.property(gas::kSonicVelocity));
    text += fluid("H2O - dew point Ts", kC, -1.0);
    text += kSpacerRow + "</table>\n\n";
    text += "<h3> Tube data and dimensions </h3>\n<table>\n";
    text += wide("Roughness k", kMm, 0.06, 4) + wide("Tube length", "m       ", 30.0, 2);
    text += plain("Number of parallel tubes", kNone, 1.0, 0);
    text += wide("Difference in height", "m       ", 40.0, 2);
    text += wide("Additional resistance: zeta=", kNone, 0.0, 4) + kSpacerRow;
    text += plain("Flow velocity", "m/s     ", p.input(G::kInVelocity), 2);
    text += plain("Inner diameter", kMm, 300.0, 2);
    text += plain("Cross section", kMm2, p.result(G::kCrossSection), 1);
    text += plain("Equivilent length of square profile", kMm, p.result(G::kSquareSide), 2);
    text += kSection;
    text += "<h3> Ambience data </h3>\n<table>\n";
    text += wide("Level above sea level", "m       ", 0.0, 2) +
            wide("Ambient temperature", kC, 15.0, 3);
    text += wide("Relative humidity", "%       ", 65.0, 2);
    text += wide("Atmospheric pressure", kMbar, 1013.0, 2);
    text += wide("Ambient density", kDensity, ambient.result(AmbientData::kDensity), 4);
    text += kSection;
    text += "<h3> Results </h3>\n<table>\n";
    text += wide("Mass flow", "kg/h    ", p.result(G::kMassFlow), 4);
    text += wide("Volumetric flow", "m\xB3/h    ", p.result(G::kVolumeFlow), 4);
    text += wide("Normal volumetric flow", "Nm\xB3/h   ", 3600.0, 4);
    text += plain("Mach - number", kNone, p.result(G::kMach), 4);
    text += plain("Reynolds - number Re", kNone, p.result(G::kReynolds), 2);
    text += plain("Dynamic pressure", kPa, p.result(G::kDynamicPressure), 2);
    text += plain("Friction coefficient lambda", kNone, p.result(G::kLambda), 4);
    text += plain("Pressure drop due to friction", kMbar, p.result(G::kFrictionDrop), 2);
    text += plain("Additional pressure drop", kMbar, 0.0, 2);
    text += plain("Total pressure drop", kMbar, p.result(G::kTotalDrop), 2);
    text += plain("Heat transfer to tube wall", "W/m\xB2K   ", p.result(G::kHeatTransfer), 2);
    text += plain("Draft due to difference in height", kMbar, p.result(G::kDraft), 4);
    text += kSection;
    const std::string bytes =
        writtenBy([&p](const std::string& path) { return writeGasFlowReport(path, p); });
    const std::string expected = test::withCrLf(text);
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    EXPECT_EQ(bytes.find("<h3> Gas analysis:", expected.size()), expected.size());
}

}  // namespace
}  // namespace vaporis::ui
