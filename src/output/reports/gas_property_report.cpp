#include "output/reports/gas_property_report.h"

#include <array>
#include <string_view>

#include <fmt/printf.h>

#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "output/catalogue/gas_properties.h"
#include "output/messages/gas_messages.h"
#include "output/reports/report_frame.h"

namespace vaporis::output {

namespace {

// The components in the order of the analysis block: air and its constituents first.
constexpr auto kBlockOrder = std::to_array<int>({
    gas::kDryAir,
    gas::kNitrogen,
    gas::kOxygen,
    gas::kWaterVapor,
    gas::kCarbonDioxide,
    gas::kHelium,
    gas::kNeon,
    gas::kArgon,
    gas::kHydrogen,
    gas::kCarbonMonoxide,
    gas::kNitrogenOxide,
    gas::kSulfurDioxide,
    gas::kHydrogenSulfide,
    gas::kChlorine,
    gas::kHydrogenChloride,
    gas::kAmmonia,
    gas::kMethane,
    gas::kAcetylene,
    gas::kEthylene,
    gas::kEthane,
    gas::kPropylene,
    gas::kPropane,
    gas::kButylene,
    gas::kButane,
});
static_assert(kBlockOrder.size() == gas::kComponentCount);

constexpr std::string_view kNameHeading = "<h3> Gas analysis:       %s </h3>\n\n";
constexpr std::string_view kMolarMassRow =
    "<tr> \n <td width=180> Molar mass   </td><td width=100> %s </td><td> %.3lf </td>\n</tr>\n";
constexpr std::string_view kGasConstantRow =
    "<tr> \n <td width=180> Gas constant </td><td width=100> %s </td><td> %.*lf </td>\n</tr>\n";
constexpr std::string_view kBlockSpacerRow =
    "<tr>\n <td> %s </td><td></td><td></td><td></td><td></td>\n</tr>\n";
constexpr std::string_view kComponentRow =
    "<tr>\n <td width=180>%s</td><td width=100>%s</td><td width=70> %.4lf </td><td width=120> "
    "%s </td><td width=70> %.4lf </td><td width=40> %s </td>\n</tr>\n";

void appendRow(std::string& out, std::string_view format, const PropertyEntry& entry,
               double value) {
    out += fmt::sprintf(format, entry.reportLabel, reportValue(value, entry.unit),
                        reportUnitText(entry.unit), kSpacer);
}

// The name comes from a file name the user chose; in the report it is text, never markup.
std::string htmlText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

void appendState(std::string& out, const gas::GasState& state) {
    appendRow(out, kReportInputRow, kGasPressureEntry, state.pressure());
    appendRow(out, kReportInputRow, kGasTemperatureEntry, state.temperature());
    if (state.property(gas::kDewPoint) != kNoDewPoint) {
        appendRow(out, kReportInputRow, gasProperty(gas::kDewPoint),
                  state.property(gas::kDewPoint));
    }
    out += fmt::sprintf(kReportInputSpacerRow, kSpacer);
}

void appendProperties(std::string& out, const gas::GasState& state) {
    for (int k = gas::kEnthalpy; k <= gas::kFormationEnthalpy; ++k) {
        if (gasPropertyKnown(state, k)) {
            appendRow(out, kReportValueRow, gasProperty(k), state.property(k));
        }
    }
    out += fmt::sprintf(kReportValueSpacerRow, kSpacer);
}

}  // namespace

file::WriteOutcome writeGasPropertyReport(const std::string& path, const gas::GasState& state,
                                          const UnitChoice& units) {
    const ReportUnitScope scope(units);
    if (!state.hasAnalysis()) {
        return file::WriteOutcome::failed(path, "no gas analysis to report");
    }
    std::string sections = "<table>\n";
    appendState(sections, state);
    appendProperties(sections, state);
    sections += "</table>\n";
    writeGasAnalysisBlock(sections, *state.analysis());
    return writeReportFile(path, reportDocument(kGasReportTitle, sections));
}

void writeGasAnalysisBlock(std::string& report, const gas::GasAnalysis& analysis) {
    report += fmt::sprintf(kNameHeading, htmlText(analysis.name()));
    report += "<table>\n";
    report += fmt::sprintf(kMolarMassRow, unitText(ReportUnit::kGramPerMole), analysis.molarMass());
    constexpr ReportUnit kGasConstantUnit = ReportUnit::kJoulePerKilogramKelvin;
    report += fmt::sprintf(kGasConstantRow, reportUnitText(kGasConstantUnit),
                           reportDecimals(3, kGasConstantUnit),
                           reportValue(analysis.gasConstantJ(), kGasConstantUnit));
    report += fmt::sprintf(kBlockSpacerRow, kSpacer);
    for (const int i : kBlockOrder) {
        const double massPercent = 100.0 * analysis.massFraction(i);
        if (massPercent > 0.0) {
            report += fmt::sprintf(
                kComponentRow, gas::paddedComponentName(i), gas::paddedComponentFormula(i),
                massPercent, unitText(ReportUnit::kMassPercent), 100.0 * analysis.volumeFraction(i),
                unitText(ReportUnit::kVolumePercent));
        }
    }
    report += "</table>\n";
}

}  // namespace vaporis::output
