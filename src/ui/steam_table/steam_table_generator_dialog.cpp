#include "ui/steam_table/steam_table_generator_dialog.h"

#include <optional>
#include <string>

#include "engine/file/safe_write.h"
#include "output/messages/messages.h"
#include "output/reports/report_frame.h"
#include "output/reports/steam_table_output.h"
#include "ui/fields.h"
#include "ui/message_box.h"

namespace vaporis::ui {

namespace {

constexpr FileQuestion kCsvQuestion{"CSV files (*.csv)", "*.csv", "csv", "steam table"};
constexpr FileQuestion kHtmlTableQuestion{"HTML files (*.html)", "*.html", "html", "steam table"};

// The fields of one axis: from, to, step, and the text each shows at first.
struct AxisFields {
    std::array<int, 3> ids;
    std::array<std::string_view, 3> initial;
};

constexpr AxisFields kPressureFields{{kIdGeneratorPFrom, kIdGeneratorPTo, kIdGeneratorPStep},
                                     {"1", "100", "1"}};
constexpr AxisFields kTemperatureFields{{kIdGeneratorTFrom, kIdGeneratorTTo, kIdGeneratorTStep},
                                        {"100", "500", "50"}};

void enableAxis(Port& port, const AxisFields& fields, bool enabled) {
    for (const int id : fields.ids) {
        port.setEnabled(id, enabled);
    }
}

output::GridAxis readAxis(const Port& port, const AxisFields& fields, int& error) {
    const double from = readNumber(port, fields.ids[0], kNoNegatives, kNotEmpty, error);
    const double to = readNumber(port, fields.ids[1], kNoNegatives, kNotEmpty, error);
    const double step = readNumber(port, fields.ids[2], kNoNegatives, kNotEmpty, error);
    return {from, to, step};
}

file::WriteOutcome writeText(const std::string& path, const output::GeneratedTable& table,
                             bool html) {
    return html ? output::writeReportFile(path, table.text)
                : file::writeFileSafely(path, table.text);
}

}  // namespace

void SteamTableGeneratorDialog::opened() {
    for (const AxisFields* fields : {&kPressureFields, &kTemperatureFields}) {
        for (std::size_t i = 0; i < fields->ids.size(); ++i) {
            port_.setText(fields->ids[i], fields->initial[i]);
        }
    }
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
    const output::GeneratedTable table =
        html ? steamTableHtml(request) : steamTableCsv(request, {});
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
