#include "ui/steam_table_report.h"

#include <array>
#include <string_view>

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "ui/report_frame.h"
#include "ui/text_format.h"

namespace vaporis::ui {

namespace {

constexpr auto kPropertyLines = std::to_array<ReportLine>({
    {"Specific enthalpy h", 2},
    {"Specific volume v", 3},
    {"Density rho", 4},
    {"Specific entropy s", 5},
    {"Specific isobaric heat capacity cp", 5},
    {"Specific isochore heat capacity cv", 5},
    {"Sonic velocity w", 6},
    {"Dynamic viscosity eta", 7},
    {"Kinematic viscosity nu", 12},
    {"Thermal conductivity lambda", 8},
    {"Temperature diffusivity a", 12},
    {"Isotropic coefficient kappa", 9},
    {"Prandtl - number Pr", 9},
    {"Isobaric volumetric expansion coefficient beta", 16},
    {"Isothermal volumetric expansion coefficient chi", 17},
});
static_assert(kPropertyLines.size() == water::kPropertyCount);

constexpr auto kSaturationLines = std::to_array<ReportLine>({
    {"Vapor pressure ps (t)", 0},
    {"Boiling temperature ts (p)", 1},
    {"Surface tension of the boiling liquid", 13},
});
static_assert(kSaturationLines.size() == water::kSaturationCount);

constexpr ReportLine kPressureLine{"Absolute pressure p", 0};
constexpr ReportLine kTemperatureLine{"Temperature t", 1};
constexpr ReportLine kQualityLine{"Steam quality x", 9};

constexpr std::string_view kLiquidLabel = "%s' (p, ts)";
constexpr std::string_view kVaporLabel = "%s'' (p, ts)";

void appendRow(std::string& out, std::string_view format, std::string_view label, double value,
               int unit) {
    out += formatText(format, {label, value, kSpacer, unitText(unit)});
}

void appendValueIfValid(std::string& out, std::string_view label, double value, int status,
                        int unit) {
    if (status == water::kOk) {
        appendRow(out, kReportValueRow, label, value, unit);
    }
}

void appendInputs(std::string& out, const water::WaterSteamState& state) {
    appendRow(out, kReportInputRow, kPressureLine.label, state.pressure(), kPressureLine.unit);
    appendRow(out, kReportInputRow, kTemperatureLine.label, state.temperature(),
              kTemperatureLine.unit);
    if (state.mode() != water::kModePT) {
        appendRow(out, kReportInputRow, kQualityLine.label, state.quality(), kQualityLine.unit);
    }
    out += formatText(kReportInputSpacerRow, {kSpacer});
}

void appendProperties(std::string& out, const water::WaterSteamState& state) {
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const ReportLine& line = kPropertyLines[static_cast<std::size_t>(i)];
        appendValueIfValid(out, line.label, state.stateValue(i), state.stateStatus(i), line.unit);
        appendValueIfValid(out, formatText(kLiquidLabel, {line.label}), state.liquidValue(i),
                           state.liquidStatus(i), line.unit);
        appendValueIfValid(out, formatText(kVaporLabel, {line.label}), state.vaporValue(i),
                           state.vaporStatus(i), line.unit);
    }
    out += formatText(kReportValueSpacerRow, {kSpacer});
}

void appendSaturation(std::string& out, const water::WaterSteamState& state) {
    for (int i = 0; i < water::kSaturationCount; ++i) {
        const ReportLine& line = kSaturationLines[static_cast<std::size_t>(i)];
        appendValueIfValid(out, line.label, state.saturationValue(i), state.saturationStatus(i),
                           line.unit);
    }
    out += formatText(kReportValueSpacerRow, {kSpacer});
}

}  // namespace

bool writeSteamTableReport(const std::string& path, const water::WaterSteamState& state) {
    std::string table = "<table>\n";
    appendInputs(table, state);
    appendProperties(table, state);
    appendSaturation(table, state);
    table += "</table>\n";
    return writeReportFile(path, reportDocument(kWaterReportTitle, table));
}

}  // namespace vaporis::ui
