#include "output/reports/thermal_process_report.h"

#include <array>
#include <string_view>

#include <fmt/printf.h>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/messages/gas_messages.h"
#include "output/reports/gas_property_report.h"
#include "output/reports/report_frame.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"

namespace vaporis::output {

namespace {

using processes::GasThermalProcess;
using processes::SteamThermalProcess;

using enum ReportUnit;

constexpr std::string_view kSteamFluidHeading =
    "<br>\n<h3> Fluid data   </h3>\n<table>\n<tr> \n <td width=250></td><td width=100></td><td "
    "width=150>Initial state  </td><td width=150>Finale state</td>\n</tr>\n";
constexpr std::string_view kGasFluidHeading =
    "<br>\n<h3> Fluid data </h3>\n<table>\n<tr> \n <td width=250></td><td width=100></td><td "
    "width=150>Initial state</td><td width=150>Final state</td>\n</tr>\n";
constexpr std::string_view kFluidRow =
    "<tr> \n <td> %s</td><td> %s </td><td> %s </td><td> %s </td>\n</tr>\n";
constexpr std::string_view kProcessRow =
    "<tr> \n <td width=250> Process: </td><td width=100> </td><td width=250> %s </td>\n</tr>\n";
constexpr std::string_view kEmptyRow = "<tr>\n <td> </td><td></td><td></td>\n</tr>\n";
constexpr std::string_view kSteamVolumeFlowRow =
    "<tr> \n <td> %s (at initial state) </td><td> %s </td><td> %.4lf </td>\n</tr>\n";
constexpr std::string_view kGasFlowRow =
    "<tr> \n <td width=250> %s </td><td width=100> %s </td><td> %.4lf </td>\n</tr>\n";
constexpr std::string_view kSteamFirstResultRow =
    "<tr> \n <td width=250> %s </td><td width=100> %s </td><td width=150> %.3lf </td>\n</tr>\n";
constexpr std::string_view kGasFirstResultRow =
    "<tr> \n <td width=250> %s </td><td width=100> %s </td><td width=150> %.2lf </td>\n</tr>\n";
constexpr std::string_view kHeadingRow = "<tr> \n <td> %s </td><td> </td><td> </td>\n</tr>\n";
constexpr std::string_view kTableEnd = "</table>\n\n";
constexpr std::string_view kSectionBreak = "</table>\n\n<br>\n<br>\n";
constexpr std::string_view kResultsHeading = "<h3> Results </h3>\n<table>\n";
constexpr std::string_view kProcessHeading = "<h3> Process data </h3>\n<table>\n";

constexpr auto kProcessNames =
    std::to_array<std::string_view>({"constant enthalpy", "indication of isentropic efficiency",
                                     "balance between initial and final state"});

constexpr std::string_view kNoValue = "---------------";

// The three-column value row with `decimals` decimals.
void appendValue(std::string& out, int decimals, std::string_view label, ReportUnit unit,
                 double value) {
    constexpr std::string_view kRow = "<tr> \n <td> %s </td><td> %s </td><td> %.*lf </td>\n</tr>\n";
    out += fmt::sprintf(kRow, label, reportUnitText(unit), reportDecimals(decimals, unit),
                        reportValue(value, unit));
}

std::string fluidValue(double value, ReportUnit unit) {
    if (value == NOT_SET || value == kNoDewPoint) {
        return std::string(kNoValue);
    }
    return fmt::sprintf("%.3lf", reportValue(value, unit));
}

void appendFluidRow(std::string& out, std::string_view label, ReportUnit unit, double first,
                    double second) {
    out += fmt::sprintf(kFluidRow, label, reportUnitText(unit), fluidValue(first, unit),
                        fluidValue(second, unit));
}

void appendFluidEnd(std::string& out) {
    out += fmt::sprintf(kReportInputSpacerRow, kSpacer);
    out += kTableEnd;
}

void appendSpacer(std::string& out) {
    out += fmt::sprintf(kReportInputSpacerRow, kSpacer);
}

void appendOptional(std::string& out, int decimals, std::string_view label, ReportUnit unit,
                    double value) {
    if (value != NOT_SET) {
        appendValue(out, decimals, label, unit, value);
    }
}

// The process heading and type, with the isentropic efficiency where it applies; an empty
// row follows.
template <typename Process>
void appendProcessType(std::string& out, const Process& p) {
    out += kProcessHeading;
    out += fmt::sprintf(kProcessRow, kProcessNames[static_cast<std::size_t>(p.type())]);
    if (p.type() == processes::kIsentropicEfficiency) {
        appendValue(out, 4, "Isotropic efficiency", kDimensionless,
                    p.input(Process::kIsentropicEta));
    }
    out += kEmptyRow;
}

// The results heading with the enthalpy difference (in its medium's first row) and the
// entropy difference.
template <typename Process>
void appendDifferences(std::string& out, const Process& p, std::string_view firstRow) {
    out += kResultsHeading;
    out += fmt::sprintf(firstRow, "Total difference of enthalpy",
                        reportUnitText(kKilojoulePerKilogram),
                        reportValue(p.result(Process::kEnthalpyChange), kKilojoulePerKilogram));
    appendValue(out, 4, "Difference of entropy", kKilojoulePerKilogramKelvin,
                p.result(Process::kEntropyChange));
}

// The power where a flow was given, the volumetric expansion and the mass discharge.
template <typename Process>
void appendPowerAndExpansion(std::string& out, const Process& p) {
    if (p.fluxGiven()) {
        appendValue(out, 3, "Power", kKilowatt, p.result(Process::kPower));
    }
    appendOptional(out, 3, "Volumetric expansion", kPercent, p.result(Process::kExpansion));
    appendOptional(out, 3, "Mass discharge", kPercent, p.result(Process::kMassDischarge));
}

// The heading of the state after the heat loss, its enthalpy and temperature.
template <typename Process>
void appendAfterHeatLoss(std::string& out, const Process& p) {
    out += fmt::sprintf(kHeadingRow, "State after heat loss:");
    appendValue(out, 3, "Enthalpy", kKilojoulePerKilogram, p.result(Process::kEnthalpyAfterLoss));
    appendValue(out, 3, "Temperature", kCelsius, p.result(Process::kTemperatureAfterLoss));
}

// --- water/steam ---

double boilingTemperature(const water::WaterSteamState& state) {
    return state.saturationStatus(water::kTs) == water::kOk ? state.saturationValue(water::kTs)
                                                            : NOT_SET;
}

void appendSteamStates(std::string& out, const SteamThermalProcess& process) {
    const water::WaterSteamState& a = process.initialState();
    const water::WaterSteamState& b = process.finalState();
    out += kSteamFluidHeading;
    appendFluidRow(out, "Absolute pressure p", kBar, a.pressure(), b.pressure());
    appendFluidRow(out, "Temperature t", kCelsius, a.temperature(), b.temperature());
    appendFluidRow(out, "Steam quality x", kDimensionless,
                   (a.mode() != water::kModePT ? a.quality() : NOT_SET),
                   (b.mode() != water::kModePT ? b.quality() : NOT_SET));
    appendFluidRow(out, "Boiling temperature ts", kCelsius, boilingTemperature(a),
                   boilingTemperature(b));
    appendFluidRow(out, "Enthalpy h", kKilojoulePerKilogram, a.stateValue(water::kH),
                   b.stateValue(water::kH));
    appendFluidEnd(out);
}

void appendSteamProcessData(std::string& out, const SteamThermalProcess& p) {
    using P = SteamThermalProcess;
    appendProcessType(out, p);
    const double timeFactor = p.input(P::kTimeFactor);
    if (p.fluxGiven()) {
        appendValue(out, 4, "Mass flow", flowUnit(kKilogramPerSecond, timeFactor),
                    p.result(P::kShownMassFlow));
        const ReportUnit volumeFlowUnit = flowUnit(kCubicMetrePerSecond, timeFactor);
        out += fmt::sprintf(kSteamVolumeFlowRow, "Volumetric flow", reportUnitText(volumeFlowUnit),
                            reportValue(p.result(P::kShownVolumeFlow), volumeFlowUnit));
    }
    if (p.heatLossOn()) {
        appendValue(out, 3, "Additional heat loss", kKilowatt, p.input(P::kHeatLoss));
    }
    out += kSectionBreak;
}

void appendSteamResults(std::string& out, const SteamThermalProcess& p) {
    using P = SteamThermalProcess;
    appendDifferences(out, p, kSteamFirstResultRow);
    if (p.type() == processes::kIsentropicEfficiency) {
        appendValue(out, 3, "Difference of enthalpy (isotropic)", kKilojoulePerKilogram,
                    p.result(P::kIsentropicChange));
    }
    appendPowerAndExpansion(out, p);
    if (p.fluxGiven()) {
        appendSpacer(out);
    }
    if (p.heatLossOn() && p.heatLossValid()) {
        appendAfterHeatLoss(out, p);
        appendOptional(out, 4, "Steam quality", kDimensionless, p.result(P::kQualityAfterLoss));
    }
    out += kSectionBreak;
}

// --- gases ---

void appendGasStates(std::string& out, const GasThermalProcess& p) {
    const gas::GasState& a = p.initialState();
    out += kGasFluidHeading;
    appendFluidRow(out, "Absolute pressure p", kBar, a.pressure(), p.finalState().pressure());
    appendFluidRow(out, "Temperature t", kCelsius, a.temperature(), p.finalState().temperature());
    appendFluidRow(out, "Enthalpy h", kKilojoulePerKilogram, a.property(gas::kEnthalpy),
                   p.finalProperty(gas::kEnthalpy));
    appendFluidRow(out, "H2O - dew point Ts", kCelsius, a.property(gas::kDewPoint),
                   p.finalProperty(gas::kDewPoint));
    appendFluidEnd(out);
}

void appendGasProcessData(std::string& out, const GasThermalProcess& p) {
    using P = GasThermalProcess;
    appendProcessType(out, p);
    const double timeFactor = p.input(P::kTimeFactor);
    if (p.fluxGiven()) {
        const auto flowRow = [&](std::string_view label, ReportUnit unit, int slot) {
            const ReportUnit shown = flowUnit(unit, timeFactor);
            out += fmt::sprintf(kGasFlowRow, label, reportUnitText(shown),
                                reportValue(p.result(slot), shown));
        };
        flowRow("Mass flow", kKilogramPerSecond, P::kShownMassFlow);
        flowRow("Volumetric flow", kCubicMetrePerSecond, P::kShownVolumeFlow);
        flowRow("Normal volumetric flow", kNormalCubicMetrePerSecond, P::kShownNormalVolumeFlow);
    }
    if (p.heatLossOn()) {
        appendValue(out, 2, "Additional heat loss", kKilowatt, p.input(P::kHeatLoss));
    }
    out += kSectionBreak;
}

void appendGasCondensate(std::string& out, const GasThermalProcess& p) {
    using P = GasThermalProcess;
    if (p.result(P::kCondensateAfterLoss) == NOT_SET) {
        return;
    }
    appendSpacer(out);
    appendValue(out, 4, "Condensate", kGramPerKilogram, p.result(P::kCondensateAfterLoss) * 1000.0);
    if (p.fluxGiven()) {
        const double timeFactor = p.input(P::kTimeFactor);
        appendValue(out, 4, "Condensate", flowUnit(kKilogramPerSecond, timeFactor),
                    p.result(P::kCondensateFlowAfterLoss) * timeFactor);
    }
}

void appendGasResults(std::string& out, const GasThermalProcess& p) {
    using P = GasThermalProcess;
    appendDifferences(out, p, kGasFirstResultRow);
    if (p.condensedAtEnd() && p.type() == processes::kStateBalance) {
        appendValue(out, 3, "Diff. of enthalpy due to condensation", kKilojoulePerKilogram,
                    p.result(P::kCondensationHeat));
    }
    if (p.type() == processes::kIsentropicEfficiency) {
        appendValue(out, 3, "Difference of enthalpy (isotropic)", kKilojoulePerKilogram,
                    p.result(P::kIsentropicChange));
        appendValue(out, 3, "Temperature after isotropic process", kCelsius,
                    p.result(P::kIsentropicTemperature));
    }
    appendPowerAndExpansion(out, p);
    if (p.heatLossOn() && p.heatLossValid()) {
        appendSpacer(out);
        appendAfterHeatLoss(out, p);
    }
    appendGasCondensate(out, p);
    out += kSectionBreak;
}

}  // namespace

file::WriteOutcome writeSteamProcessReport(const std::string& path,
                                           const SteamThermalProcess& process,
                                           const UnitChoice& units) {
    const ReportUnitScope scope(units);
    std::string sections;
    appendSteamStates(sections, process);
    appendSteamProcessData(sections, process);
    appendSteamResults(sections, process);
    return writeReportFile(path, reportDocument(kWaterReportTitle, sections));
}

file::WriteOutcome writeGasProcessReport(const std::string& path, const GasThermalProcess& process,
                                         const UnitChoice& units) {
    const ReportUnitScope scope(units);
    if (!process.initialState().hasAnalysis()) {
        return file::WriteOutcome::failed(path, "no gas analysis to report");
    }
    std::string sections;
    appendGasStates(sections, process);
    appendGasProcessData(sections, process);
    appendGasResults(sections, process);
    writeGasAnalysisBlock(sections, *process.initialState().analysis());
    return writeReportFile(path, reportDocument(kGasReportTitle, sections));
}

}  // namespace vaporis::output
