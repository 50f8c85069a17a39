#include "output/reports/flow_reports.h"

#include <string_view>

#include <fmt/printf.h>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/format/number_text.h"
#include "output/messages/flow_messages.h"
#include "output/reports/gas_property_report.h"
#include "output/reports/report_frame.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/tools/ambient_data.h"

namespace vaporis::output {

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

using U = ReportUnit;

void row(std::string& out, std::string_view format, std::string_view label, ReportUnit unit,
         double value, int decimals) {
    out += fmt::sprintf(format, label, reportUnitText(unit),
                        formatFixed(reportValue(value, unit), reportDecimals(decimals, unit)));
}

void fluidRow(std::string& out, std::string_view label, ReportUnit unit, double value) {
    const bool shown = value != kNoValue && value != NOT_SET;
    const std::string text = shown ? formatFixed(reportValue(value, unit), reportDecimals(3, unit))
                                   : std::string(kNoFluidValue);
    out += fmt::sprintf(kFluidRow, label, reportUnitText(unit), text);
}

void spacerRow(std::string& out) {
    out += fmt::sprintf(kSpacerRow, kSpacer);
}

ReportUnit flowUnit(ReportUnit perSecond, ReportUnit perHour, double timeFactor) {
    return timeFactor == 1.0 ? perSecond : perHour;
}

// The rows from the flow velocity to the square profile, which both reports share.
template <typename Process>
void appendTubeSizes(std::string& out, const Process& p) {
    spacerRow(out);
    row(out, kPlainRow, "Flow velocity", U::kMetrePerSecond, p.input(Process::kInVelocity), 2);
    row(out, kPlainRow, "Inner diameter", U::kMillimetre, p.input(Process::kInWidth), 2);
    row(out, kPlainRow, "Cross section", U::kSquareMillimetre, p.result(Process::kCrossSection), 1);
    if (p.input(Process::kInTubeCount) > 1.0) {
        row(out, kPlainRow, "Total cross section", U::kSquareMillimetre,
            p.result(Process::kTotalCrossSection), 1);
    }
    row(out, kPlainRow, "Equivilent length of square profile", U::kMillimetre,
        p.result(Process::kSquareSide), 2);
    out += kSectionEnd;
}

// The heat transfer row, where the flow has one.
template <typename Process>
void appendHeatTransfer(std::string& out, const Process& p) {
    if (p.result(Process::kHeatTransfer) != NOT_SET) {
        row(out, kPlainRow, "Heat transfer to tube wall", U::kWattPerSquareMetreKelvin,
            p.result(Process::kHeatTransfer), 2);
    }
}

double validValue(const water::WaterSteamState& state, int i) {
    return state.stateStatus(i) == water::kOk ? state.stateValue(i) : NOT_SET;
}

void appendSteamFluid(std::string& out, const water::WaterSteamState& s, double sonicVelocity) {
    out += kFluidHeading;
    fluidRow(out, "Absolute pressure p", U::kBar, s.pressure());
    fluidRow(out, "Temperature t", U::kCelsius, s.temperature());
    fluidRow(out, "Steam quality x", U::kDimensionless,
             s.mode() != water::kModePT ? s.quality() : kNoValue);
    fluidRow(
        out, "Boiling temperature ts", U::kCelsius,
        s.saturationStatus(water::kTs) == water::kOk ? s.saturationValue(water::kTs) : NOT_SET);
    fluidRow(out, "Enthalpy h", U::kKilojoulePerKilogram, validValue(s, water::kH));
    fluidRow(out, "Density rho", U::kKilogramPerCubicMetre, validValue(s, water::kRho));
    fluidRow(out, "Dynamic viscosity eta", U::kMicropascalSecond, validValue(s, water::kEta));
    fluidRow(out, "Sonic velocity w", U::kMetrePerSecond, sonicVelocity);
    spacerRow(out);
    out += kTableEnd;
}

void appendSteamTube(std::string& out, const SteamFlowProcess& p) {
    using P = SteamFlowProcess;
    out += kTubeHeading;
    if (p.singlePhaseFlow()) {
        row(out, kWideRow, "Roughness k", U::kMillimetre, p.input(P::kInRoughness), 4);
        row(out, kWideRow, "Tube length", U::kMetre, p.input(P::kInTubeLength), 2);
    }
    row(out, kPlainRow, "Number of parallel tubes", U::kDimensionless, p.input(P::kInTubeCount), 0);
    row(out, kWideRow, "Additional resistance: zeta=", U::kDimensionless, p.input(P::kInZeta), 4);
    appendTubeSizes(out, p);
}

void appendSteamResults(std::string& out, const SteamFlowProcess& p) {
    using P = SteamFlowProcess;
    const double timeFactor = p.input(P::kInTimeFactor);
    out += kResultsHeading;
    row(out, kWideRow, "Mass flow",
        flowUnit(U::kKilogramPerSecond, U::kKilogramPerHour, timeFactor), p.result(P::kMassFlow),
        4);
    row(out, kPlainRow, "Volumetric flow",
        flowUnit(U::kCubicMetrePerSecond, U::kCubicMetrePerHour, timeFactor),
        p.result(P::kVolumeFlow), 4);
    if (p.result(P::kMach) != NOT_SET) {
        row(out, kPlainRow, "Mach - number", U::kDimensionless, p.result(P::kMach), 4);
    }
    if (p.singlePhaseFlow()) {
        row(out, kPlainRow, "Reynolds - number Re", U::kDimensionless, p.result(P::kReynolds), 1);
    }
    row(out, kPlainRow, "Dynamic pressure", U::kPascal, p.result(P::kDynamicPressure), 2);
    if (p.singlePhaseFlow()) {
        row(out, kPlainRow, "Friction coefficient lambda", U::kDimensionless, p.result(P::kLambda),
            4);
        row(out, kPlainRow, "Pressure drop due to friction", U::kMillibar,
            p.result(P::kFrictionDrop), 3);
    }
    row(out, kPlainRow, "Additional pressure drop", U::kMillibar, p.result(P::kZetaDrop), 3);
    row(out, kPlainRow, "Total pressure drop", U::kMillibar, p.result(P::kTotalDrop), 3);
    if (!p.singlePhaseFlow()) {
        out += fmt::sprintf(kSpacerRow, kWetSteamFrictionNote);
    }
    appendHeatTransfer(out, p);
    out += kSectionEnd;
}

void appendGasFluid(std::string& out, const gas::GasState& s) {
    out += kFluidHeading;
    fluidRow(out, "Absolute pressure p", U::kBar, s.pressure());
    fluidRow(out, "Temperature t", U::kCelsius, s.temperature());
    fluidRow(out, "Enthalpy h", U::kKilojoulePerKilogram, s.property(gas::kEnthalpy));
    fluidRow(out, "Density rho", U::kKilogramPerCubicMetre, s.property(gas::kDensity));
    fluidRow(out, "Normal density", U::kKilogramPerNormalCubicMetre,
             s.property(gas::kNormalDensity));
    fluidRow(out, "Dynamic viscosity eta", U::kMicropascalSecond, s.property(gas::kViscosity));
    fluidRow(out, "Sonic velocity w", U::kMetrePerSecond, s.property(gas::kSonicVelocity));
    fluidRow(out, "H2O - dew point Ts", U::kCelsius, s.property(gas::kDewPoint));
    spacerRow(out);
    out += kTableEnd;
}

void appendGasTube(std::string& out, const GasFlowProcess& p) {
    using P = GasFlowProcess;
    out += kTubeHeading;
    row(out, kWideRow, "Roughness k", U::kMillimetre, p.input(P::kInRoughness), 4);
    row(out, kWideRow, "Tube length", U::kMetre, p.input(P::kInTubeLength), 2);
    row(out, kPlainRow, "Number of parallel tubes", U::kDimensionless, p.input(P::kInTubeCount), 0);
    if (p.freeFlow()) {
        row(out, kWideRow, "Difference in height", U::kMetre, p.input(P::kInHeightDifference), 2);
    }
    row(out, kWideRow, "Additional resistance: zeta=", U::kDimensionless, p.input(P::kInZeta), 4);
    appendTubeSizes(out, p);
}

// The ambient results are left out when the ambient air could not be computed.
void appendAmbience(std::string& out, const AmbientData& a) {
    out += kAmbienceHeading;
    row(out, kWideRow, "Level above sea level", U::kMetre, a.input(AmbientData::kLevel), 2);
    row(out, kWideRow, "Ambient temperature", U::kCelsius, a.input(AmbientData::kTemperature), 3);
    row(out, kWideRow, "Relative humidity", U::kPercent, a.input(AmbientData::kRelativeHumidity),
        2);
    if (a.result(AmbientData::kPressure) != NOT_SET) {
        row(out, kWideRow, "Atmospheric pressure", U::kMillibar,
            a.result(AmbientData::kPressure) * 1000.0, 2);
        row(out, kWideRow, "Ambient density", U::kKilogramPerCubicMetre,
            a.result(AmbientData::kDensity), 4);
    }
    out += kSectionEnd;
}

void appendGasResults(std::string& out, const GasFlowProcess& p) {
    using P = GasFlowProcess;
    const double timeFactor = p.input(P::kInTimeFactor);
    out += kResultsHeading;
    row(out, kWideRow, "Mass flow",
        flowUnit(U::kKilogramPerSecond, U::kKilogramPerHour, timeFactor), p.result(P::kMassFlow),
        4);
    row(out, kWideRow, "Volumetric flow",
        flowUnit(U::kCubicMetrePerSecond, U::kCubicMetrePerHour, timeFactor),
        p.result(P::kVolumeFlow), 4);
    row(out, kWideRow, "Normal volumetric flow",
        flowUnit(U::kNormalCubicMetrePerSecond, U::kNormalCubicMetrePerHour, timeFactor),
        p.result(P::kNormalFlow), 4);
    row(out, kPlainRow, "Mach - number", U::kDimensionless, p.result(P::kMach), 4);
    row(out, kPlainRow, "Reynolds - number Re", U::kDimensionless, p.result(P::kReynolds), 2);
    row(out, kPlainRow, "Dynamic pressure", U::kPascal, p.result(P::kDynamicPressure), 2);
    row(out, kPlainRow, "Friction coefficient lambda", U::kDimensionless, p.result(P::kLambda), 4);
    row(out, kPlainRow, "Pressure drop due to friction", U::kMillibar, p.result(P::kFrictionDrop),
        2);
    row(out, kPlainRow, "Additional pressure drop", U::kMillibar, p.result(P::kZetaDrop), 2);
    row(out, kPlainRow, "Total pressure drop", U::kMillibar, p.result(P::kTotalDrop), 2);
    appendHeatTransfer(out, p);
    if (p.freeFlow() && p.result(P::kDraft) != NOT_SET) {
        row(out, kPlainRow, "Draft due to difference in height", U::kMillibar, p.result(P::kDraft),
            4);
    }
    out += kSectionEnd;
}

}  // namespace

file::WriteOutcome writeSteamFlowReport(const std::string& path, const SteamFlowProcess& process,
                                        const UnitChoice& units) {
    const ReportUnitScope scope(units);
    std::string sections;
    appendSteamFluid(sections, process.state(), process.sonicVelocity());
    appendSteamTube(sections, process);
    appendSteamResults(sections, process);
    return writeReportFile(path, reportDocument(kWaterReportTitle, sections));
}

file::WriteOutcome writeGasFlowReport(const std::string& path, const GasFlowProcess& process,
                                      const UnitChoice& units) {
    const ReportUnitScope scope(units);
    if (!process.state().hasAnalysis()) {
        return file::WriteOutcome::failed(path, "no gas analysis to report");
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

}  // namespace vaporis::output
