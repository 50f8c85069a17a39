#include "ui/flow_reports.h"

#include <string_view>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "processes/ambient_data.h"
#include "processes/gas_flow_process.h"
#include "processes/steam_flow_process.h"
#include "ui/gas_property_report.h"
#include "ui/number_text.h"
#include "ui/report_frame.h"
#include "ui/text_format.h"

namespace vaporis::ui {

namespace {

using processes::AmbientData;
using processes::GasFlowProcess;
using processes::SteamFlowProcess;

constexpr std::string_view kWideRow =
    "<tr> \n <td width=250> %s </td><td width=100> %s </td><td width=250> %s </td>\n</tr>\n";
constexpr std::string_view kPlainRow = "<tr> \n <td> %s </td><td> %s </td><td> %s </td>\n</tr>\n";
constexpr std::string_view kFluidRow =
    "<tr> \n <td width=250> %s </td><td width=100> %s </td><td width=150> %s </td>\n</tr>\n";
constexpr std::string_view kSpacerRow = "<tr> \n <td> %s </td><td></td><td></td>\n</tr>\n";
constexpr std::string_view kNoFluidValue = "------------";
// Values the fluid rows print as dashes: not computed, or a dew point below 0 °C.
constexpr double kNoValue = -1.0;

constexpr std::string_view kFluidHeading = "<br>\n<h3> Fluid data </h3>\n<table>\n";
constexpr std::string_view kTubeHeading = "<h3> Tube data and dimensions </h3>\n<table>\n";
constexpr std::string_view kAmbienceHeading = "<h3> Ambience data </h3>\n<table>\n";
constexpr std::string_view kResultsHeading = "<h3> Results </h3>\n<table>\n";
constexpr std::string_view kTableEnd = "</table>\n\n";
constexpr std::string_view kSectionEnd = "</table>\n\n<br>\n<br>\n";

// Unit numbers of the report frame.
enum Unit : int {
    kBar = 0,
    kCelsius = 1,
    kKJPerKg = 2,
    kKgPerM3 = 4,
    kMetresPerSecond = 6,
    kMicroPascalSecond = 7,
    kNoUnit = 9,
    kPercent = 19,
    kMetres = 20,
    kMillimetres = 21,
    kSquareMillimetres = 22,
    kPascal = 23,
    kMillibar = 24,
    kHeatTransferUnit = 25,
    kKgPerNormalM3 = 27,
    kKgPerSecond = 28,
    kM3PerSecond = 30,
    kNormalM3PerSecond = 32,
};
// The per-hour unit follows its per-second unit.
constexpr int kPerHourStep = 1;

void row(std::string& out, std::string_view format, std::string_view label, int unit, double value,
         int decimals) {
    out += formatText(format, {label, unitText(unit), formatFixed(value, decimals)});
}

void fluidRow(std::string& out, std::string_view label, int unit, double value) {
    const bool shown = value != kNoValue && value != NOT_SET;
    const std::string text = shown ? formatFixed(value, 3) : std::string(kNoFluidValue);
    out += formatText(kFluidRow, {label, unitText(unit), text});
}

void spacerRow(std::string& out) {
    out += formatText(kSpacerRow, {kSpacer});
}

int flowUnit(int perSecond, double timeFactor) {
    return timeFactor == 1.0 ? perSecond : perSecond + kPerHourStep;
}

// The rows from the flow velocity to the square profile, which both reports share.
struct TubeSizes {
    double velocity;
    double width;
    double crossSection;
    double totalCrossSection;
    double squareSide;
    double tubeCount;
};

void appendTubeSizes(std::string& out, const TubeSizes& t) {
    spacerRow(out);
    row(out, kPlainRow, "Flow velocity", kMetresPerSecond, t.velocity, 2);
    row(out, kPlainRow, "Inner diameter", kMillimetres, t.width, 2);
    row(out, kPlainRow, "Cross section", kSquareMillimetres, t.crossSection, 1);
    if (t.tubeCount > 1.0) {
        row(out, kPlainRow, "Total cross section", kSquareMillimetres, t.totalCrossSection, 1);
    }
    row(out, kPlainRow, "Equivilent length of square profile", kMillimetres, t.squareSide, 2);
    out += kSectionEnd;
}

double validValue(const water::WaterSteamState& state, int i) {
    return state.stateStatus(i) == water::kOk ? state.stateValue(i) : NOT_SET;
}

void appendSteamFluid(std::string& out, const water::WaterSteamState& s) {
    out += kFluidHeading;
    fluidRow(out, "Absolute pressure p", kBar, s.pressure());
    fluidRow(out, "Temperature t", kCelsius, s.temperature());
    fluidRow(out, "Steam quality x", kNoUnit, s.mode() != water::kModePT ? s.quality() : kNoValue);
    fluidRow(
        out, "Boiling temperature ts", kCelsius,
        s.saturationStatus(water::kTs) == water::kOk ? s.saturationValue(water::kTs) : NOT_SET);
    fluidRow(out, "Enthalpy h", kKJPerKg, validValue(s, water::kH));
    fluidRow(out, "Density rho", kKgPerM3, validValue(s, water::kRho));
    fluidRow(out, "Dynamic viscosity eta", kMicroPascalSecond, validValue(s, water::kEta));
    fluidRow(out, "Sonic velocity w", kMetresPerSecond, validValue(s, water::kW));
    spacerRow(out);
    out += kTableEnd;
}

void appendSteamTube(std::string& out, const SteamFlowProcess& p) {
    using P = SteamFlowProcess;
    out += kTubeHeading;
    if (p.singlePhaseFlow()) {
        row(out, kWideRow, "Roughness k", kMillimetres, p.input(P::kInRoughness), 4);
        row(out, kWideRow, "Tube length", kMetres, p.input(P::kInTubeLength), 2);
    }
    row(out, kPlainRow, "Number of parallel tubes", kNoUnit, p.input(P::kInTubeCount), 0);
    row(out, kWideRow, "Additional resistance: zeta=", kNoUnit, p.input(P::kInZeta), 4);
    appendTubeSizes(
        out, {p.input(P::kInVelocity), p.input(P::kInWidth), p.result(P::kCrossSection),
              p.result(P::kTotalCrossSection), p.result(P::kSquareSide), p.input(P::kInTubeCount)});
}

void appendSteamResults(std::string& out, const SteamFlowProcess& p) {
    using P = SteamFlowProcess;
    const double timeFactor = p.input(P::kInTimeFactor);
    out += kResultsHeading;
    row(out, kWideRow, "Mass flow", flowUnit(kKgPerSecond, timeFactor), p.result(P::kMassFlow), 4);
    row(out, kPlainRow, "Volumetric flow", flowUnit(kM3PerSecond, timeFactor),
        p.result(P::kVolumeFlow), 4);
    if (p.result(P::kMach) != NOT_SET) {
        row(out, kPlainRow, "Mach - number", kNoUnit, p.result(P::kMach), 4);
    }
    if (p.singlePhaseFlow()) {
        row(out, kPlainRow, "Reynolds - number Re", kNoUnit, p.result(P::kReynolds), 1);
    }
    row(out, kPlainRow, "Dynamic pressure", kPascal, p.result(P::kDynamicPressure), 2);
    if (p.singlePhaseFlow()) {
        row(out, kPlainRow, "Friction coefficient lambda", kNoUnit, p.result(P::kLambda), 4);
        row(out, kPlainRow, "Pressure drop due to friction", kMillibar, p.result(P::kFrictionDrop),
            3);
    }
    row(out, kPlainRow, "Additional pressure drop", kMillibar, p.result(P::kZetaDrop), 3);
    row(out, kPlainRow, "Total pressure drop", kMillibar, p.result(P::kTotalDrop), 3);
    if (p.result(P::kHeatTransfer) != NOT_SET) {
        row(out, kPlainRow, "Heat transfer to tube wall", kHeatTransferUnit,
            p.result(P::kHeatTransfer), 2);
    }
    out += kSectionEnd;
}

void appendGasFluid(std::string& out, const gas::GasState& s) {
    out += kFluidHeading;
    fluidRow(out, "Absolute pressure p", kBar, s.pressure());
    fluidRow(out, "Temperature t", kCelsius, s.temperature());
    fluidRow(out, "Enthalpy h", kKJPerKg, s.property(gas::kEnthalpy));
    fluidRow(out, "Density rho", kKgPerM3, s.property(gas::kDensity));
    fluidRow(out, "Normal density", kKgPerNormalM3, s.property(gas::kNormalDensity));
    fluidRow(out, "Dynamic viscosity eta", kMicroPascalSecond, s.property(gas::kViscosity));
    fluidRow(out, "Sonic velocity w", kMetresPerSecond, s.property(gas::kSonicVelocity));
    fluidRow(out, "H2O - dew point Ts", kCelsius, s.property(gas::kDewPoint));
    spacerRow(out);
    out += kTableEnd;
}

void appendGasTube(std::string& out, const GasFlowProcess& p) {
    using P = GasFlowProcess;
    out += kTubeHeading;
    row(out, kWideRow, "Roughness k", kMillimetres, p.input(P::kInRoughness), 4);
    row(out, kWideRow, "Tube length", kMetres, p.input(P::kInTubeLength), 2);
    row(out, kPlainRow, "Number of parallel tubes", kNoUnit, p.input(P::kInTubeCount), 0);
    if (p.freeFlow()) {
        row(out, kWideRow, "Difference in height", kMetres, p.input(P::kInHeightDifference), 2);
    }
    row(out, kWideRow, "Additional resistance: zeta=", kNoUnit, p.input(P::kInZeta), 4);
    appendTubeSizes(
        out, {p.input(P::kInVelocity), p.input(P::kInWidth), p.result(P::kCrossSection),
              p.result(P::kTotalCrossSection), p.result(P::kSquareSide), p.input(P::kInTubeCount)});
}

// The ambient results are left out when the ambient air could not be computed.
void appendAmbience(std::string& out, const AmbientData& a) {
    out += kAmbienceHeading;
    row(out, kWideRow, "Level above sea level", kMetres, a.input(AmbientData::kLevel), 2);
    row(out, kWideRow, "Ambient temperature", kCelsius, a.input(AmbientData::kTemperature), 3);
    row(out, kWideRow, "Relative humidity", kPercent, a.input(AmbientData::kRelativeHumidity), 2);
    if (a.result(AmbientData::kPressure) != NOT_SET) {
        row(out, kWideRow, "Atmospheric pressure", kMillibar,
            a.result(AmbientData::kPressure) * 1000.0, 2);
        row(out, kWideRow, "Ambient density", kKgPerM3, a.result(AmbientData::kDensity), 4);
    }
    out += kSectionEnd;
}

void appendGasResults(std::string& out, const GasFlowProcess& p) {
    using P = GasFlowProcess;
    const double timeFactor = p.input(P::kInTimeFactor);
    out += kResultsHeading;
    row(out, kWideRow, "Mass flow", flowUnit(kKgPerSecond, timeFactor), p.result(P::kMassFlow), 4);
    row(out, kWideRow, "Volumetric flow", flowUnit(kM3PerSecond, timeFactor),
        p.result(P::kVolumeFlow), 4);
    row(out, kWideRow, "Normal volumetric flow", flowUnit(kNormalM3PerSecond, timeFactor),
        p.result(P::kNormalFlow), 4);
    row(out, kPlainRow, "Mach - number", kNoUnit, p.result(P::kMach), 4);
    row(out, kPlainRow, "Reynolds - number Re", kNoUnit, p.result(P::kReynolds), 2);
    row(out, kPlainRow, "Dynamic pressure", kPascal, p.result(P::kDynamicPressure), 2);
    row(out, kPlainRow, "Friction coefficient lambda", kNoUnit, p.result(P::kLambda), 4);
    row(out, kPlainRow, "Pressure drop due to friction", kMillibar, p.result(P::kFrictionDrop), 2);
    row(out, kPlainRow, "Additional pressure drop", kMillibar, p.result(P::kZetaDrop), 2);
    row(out, kPlainRow, "Total pressure drop", kMillibar, p.result(P::kTotalDrop), 2);
    if (p.result(P::kHeatTransfer) != NOT_SET) {
        row(out, kPlainRow, "Heat transfer to tube wall", kHeatTransferUnit,
            p.result(P::kHeatTransfer), 2);
    }
    if (p.freeFlow() && p.result(P::kDraft) != NOT_SET) {
        row(out, kPlainRow, "Draft due to difference in height", kMillibar, p.result(P::kDraft), 4);
    }
    out += kSectionEnd;
}

}  // namespace

bool writeSteamFlowReport(const std::string& path, const SteamFlowProcess& process) {
    std::string sections;
    appendSteamFluid(sections, process.state());
    appendSteamTube(sections, process);
    appendSteamResults(sections, process);
    return writeReportFile(path, reportDocument(kWaterReportTitle, sections));
}

bool writeGasFlowReport(const std::string& path, const GasFlowProcess& process) {
    if (!process.state().hasAnalysis()) {
        return false;
    }
    std::string sections;
    appendGasFluid(sections, process.state());
    appendGasTube(sections, process);
    if (process.freeFlow()) {
        appendAmbience(sections, process.ambient());
    }
    appendGasResults(sections, process);
    writeGasAnalysisBlock(sections, *process.state().analysis());
    return writeReportFile(path, reportDocument(kGasReportTitle, sections));
}

}  // namespace vaporis::ui
