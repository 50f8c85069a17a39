#include "ui/steam_table/steam_table_generator_dialog.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/file/safe_write.h"
#include "output/format/number_text.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "output/reports/steam_table_output.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

constexpr FileQuestion kCsvQuestion{"CSV files (*.csv)", "*.csv", "csv", "steam table"};
constexpr FileQuestion kHtmlTableQuestion{"HTML files (*.html)", "*.html", "html", "steam table"};

constexpr int kInitialDigits = 6;

// The fields of one axis: from, to, step, the values they show at first and their written
// unit (the step is a difference of it).
struct AxisFields {
    std::array<int, 3> ids;
    output::GridAxis initial;
    output::Quantity quantity;
    std::string_view unit;

    [[nodiscard]] const output::Unit& written() const { return *output::findUnit(quantity, unit); }
};

constexpr AxisFields kPressureFields{{kIdGeneratorPFrom, kIdGeneratorPTo, kIdGeneratorPStep},
                                     {1.0, 100.0, 1.0},
                                     output::Quantity::kPressure,
                                     "bar"};
constexpr AxisFields kTemperatureFields{{kIdGeneratorTFrom, kIdGeneratorTTo, kIdGeneratorTStep},
                                        {100.0, 500.0, 50.0},
                                        output::Quantity::kTemperature,
                                        "°C"};

void enableAxis(Port& port, const AxisFields& fields, bool enabled) {
    for (const int id : fields.ids) {
        port.setEnabled(id, enabled);
    }
}

// The axis in the chosen units, as the group's caption names them.
void showAxis(Port& port, const AxisFields& fields) {
    const output::Unit& written = fields.written();
    const auto show = [&](int i, double value) {
        port.setText(fields.ids[static_cast<std::size_t>(i)],
                     output::formatSignificant(value, kInitialDigits));
    };
    show(0, shownValue(fields.initial.from, written));
    show(1, shownValue(fields.initial.to, written));
    show(2, shownDifference(fields.initial.step, written));
}

// A bound typed in the chosen unit, in the written one, where it must not lie below zero;
// typed in a gauge unit or in °F it may be negative.
double readBound(const Port& port, int id, const output::Unit& written, int& error) {
    const bool converted = &windowUnit(written) != &written;
    const double shown =
        readNumber(port, id, converted ? kNegativeAllowed : kNoNegatives, kNotEmpty, error);
    const output::Reading reading = writtenValue(shown, written);
    if (!reading.ok() || reading.value < 0.0) {
        if (error == kNoInputError) {
            port.focusField(id);
            error = kNegativeNumber;
        }
        return 0.0;
    }
    return reading.value;
}

output::GridAxis readAxis(const Port& port, const AxisFields& fields, int& error) {
    const output::Unit& written = fields.written();
    const double from = readBound(port, fields.ids[0], written, error);
    const double to = readBound(port, fields.ids[1], written, error);
    const double step = readNumber(port, fields.ids[2], kNoNegatives, kNotEmpty, error);
    return {from, to, writtenDifference(step, written)};
}

file::WriteOutcome writeText(const std::string& path, const output::GeneratedTable& table,
                             bool html) {
    return html ? output::writeReportFile(path, table.text)
                : file::writeFileSafely(path, table.text);
}

}  // namespace

void SteamTableGeneratorDialog::opened() {
    showAxis(port_, kPressureFields);
    showAxis(port_, kTemperatureFields);
    port_.setChecked(kIdGeneratorGrid, true);
    kindChosen(output::SteamTableKind::kPressureTemperature);
}

void SteamTableGeneratorDialog::command(int id) {
    switch (id) {
        case kIdGeneratorGrid:
        case kIdGeneratorSaturationP:
        case kIdGeneratorSaturationT:
            kindChosen(selectedKind());
            break;
        case kIdGeneratorWrite:
            writeTable();
            break;
        case kIdGeneratorBack:
            port_.endDialog(kIdGeneratorBack);
            break;
        default:
            break;
    }
}

output::SteamTableKind SteamTableGeneratorDialog::selectedKind() const {
    if (port_.checked(kIdGeneratorSaturationP)) {
        return output::SteamTableKind::kSaturationPressure;
    }
    return port_.checked(kIdGeneratorSaturationT) ? output::SteamTableKind::kSaturationTemperature
                                                  : output::SteamTableKind::kPressureTemperature;
}

void SteamTableGeneratorDialog::kindChosen(output::SteamTableKind kind) {
    enableAxis(port_, kPressureFields, kind != output::SteamTableKind::kSaturationTemperature);
    enableAxis(port_, kTemperatureFields, kind != output::SteamTableKind::kSaturationPressure);
}

bool SteamTableGeneratorDialog::readRequest(output::SteamTableRequest& request) {
    request.kind = selectedKind();
    int error = kNoInputError;
    if (request.kind != output::SteamTableKind::kSaturationTemperature) {
        request.p = readAxis(port_, kPressureFields, error);
    }
    if (request.kind != output::SteamTableKind::kSaturationPressure) {
        request.t = readAxis(port_, kTemperatureFields, error);
    }
    if (error != kNoInputError) {
        showMessage(port_, output::MessageId::kInputDataError, output::kCaptionError);
        return false;
    }
    if (const std::optional<std::string> problem = output::steamTableProblem(request)) {
        port_.message(*problem, output::kCaptionError, MessageButtons::kOk);
        return false;
    }
    return true;
}

void SteamTableGeneratorDialog::writeTable() {
    output::SteamTableRequest request;
    if (!readRequest(request)) {
        return;
    }
    const bool html = port_.checked(kIdGeneratorHtml);
    const std::optional<std::string> path =
        askNewFileName(port_, html ? kHtmlTableQuestion : kCsvQuestion);
    if (!path) {
        return;
    }
    const std::vector<output::SteamTableRow> rows = output::steamTableRows(request);
    const output::GeneratedTable table = html ? steamTableHtml(request, rows, windowUnits())
                                              : steamTableCsv(request, {}, rows, windowUnits());
    if (const file::WriteOutcome outcome = writeText(*path, table, html); !outcome) {
        port_.message(output::notWrittenMessage(output::kReportNotWrittenText, outcome),
                      output::kCaptionError, MessageButtons::kOk);
        return;
    }
    if (table.refusedRows > 0) {
        port_.message(std::to_string(table.refusedRows) + " of " +
                          std::to_string(output::steamTableRowCount(request)) +
                          " states were refused; their rows give the status and the message.",
                      output::kCaptionWarning, MessageButtons::kOk);
    }
}

}  // namespace vaporis::ui
