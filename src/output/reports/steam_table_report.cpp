#include "output/reports/steam_table_report.h"

#include <string_view>

#include <fmt/printf.h>

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/catalogue/water_properties.h"
#include "output/reports/report_frame.h"

namespace vaporis::output {

namespace {

constexpr std::string_view kLiquidLabel = "%s' (p, ts)";
constexpr std::string_view kVaporLabel = "%s'' (p, ts)";

void appendRow(std::string& out, std::string_view format, std::string_view label, double value,
               ReportUnit unit) {
    out += fmt::sprintf(format, label, reportValue(value, unit), kSpacer, reportUnitText(unit));
}

void appendInputRow(std::string& out, const PropertyEntry& entry, double value) {
    appendRow(out, kReportInputRow, entry.reportLabel, value, entry.unit);
}

void appendValueIfValid(std::string& out, std::string_view label, double value, int status,
                        ReportUnit unit) {
    if (status == water::kOk) {
        appendRow(out, kReportValueRow, label, value, unit);
    }
}

void appendInputs(std::string& out, const water::WaterSteamState& state) {
    appendInputRow(out, kWaterPressureEntry, state.pressure());
    appendInputRow(out, kWaterTemperatureEntry, state.temperature());
    if (state.mode() != water::kModePT) {
        appendInputRow(out, kWaterQualityEntry, state.quality());
    }
    out += fmt::sprintf(kReportInputSpacerRow, kSpacer);
}

void appendProperties(std::string& out, const water::WaterSteamState& state) {
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const PropertyEntry& entry = waterProperty(i);
        appendValueIfValid(out, entry.reportLabel, state.stateValue(i), state.stateStatus(i),
                           entry.unit);
        appendValueIfValid(out, fmt::sprintf(kLiquidLabel, entry.reportLabel), state.liquidValue(i),
                           state.liquidStatus(i), entry.unit);
        appendValueIfValid(out, fmt::sprintf(kVaporLabel, entry.reportLabel), state.vaporValue(i),
                           state.vaporStatus(i), entry.unit);
    }
    out += fmt::sprintf(kReportValueSpacerRow, kSpacer);
}

void appendSaturation(std::string& out, const water::WaterSteamState& state) {
    for (int i = 0; i < water::kSaturationCount; ++i) {
        const PropertyEntry& entry = saturationEntry(i);
        appendValueIfValid(out, entry.reportLabel, state.saturationValue(i),
                           state.saturationStatus(i), entry.unit);
    }
    out += fmt::sprintf(kReportValueSpacerRow, kSpacer);
}

}  // namespace

file::WriteOutcome writeSteamTableReport(const std::string& path,
                                         const water::WaterSteamState& state,
                                         const UnitChoice& units) {
    const ReportUnitScope scope(units);
    std::string table = "<table>\n";
    appendInputs(table, state);
    appendProperties(table, state);
    appendSaturation(table, state);
    table += "</table>\n";
    return writeReportFile(path, reportDocument(kWaterReportTitle, table));
}

}  // namespace vaporis::output
