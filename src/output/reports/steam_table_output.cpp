#include "output/reports/steam_table_output.h"

#include <optional>
#include <vector>

#include "output/format/number_text.h"
#include "output/reports/report_frame.h"

namespace vaporis::output {

namespace {

// The text of a unit in a header, in the units of the report.
std::string headerUnit(ReportUnit unit) {
    std::string text = reportUnitText(unit);
    text.erase(text.find_last_not_of(' ') + 1);
    // "[-]" already wears the brackets a header puts around a unit.
    return text == "[-]" ? "-" : text;
}

// A CSV column is named by its key; in units other than the written ones with its unit too
// ("p [psia]"), as a batch header gives it.
std::string csvKey(const std::string& key, ReportUnit unit) {
    const std::string shown = headerUnit(unit);
    std::string written(unitText(unit));
    written.erase(written.find_last_not_of(' ') + 1);
    return shown == written || shown == "-" ? key : key + " [" + shown + "]";
}

void addCsvHeader(const std::vector<SteamTableColumn>& columns, CsvFormat format,
                  std::string& out) {
    CsvLine line(out, format);
    line.text(csvKey("p", ReportUnit::kBar));
    line.text(csvKey("t", ReportUnit::kCelsius));
    line.text("status");
    line.text("message");
    for (const SteamTableColumn& column : columns) {
        line.text(csvKey(column.key, column.unit));
    }
    out += '\n';
}

void addCsvNumber(CsvLine& line, const std::optional<double>& value, ReportUnit unit) {
    line.number(value ? reportValue(*value, unit) : 0.0, value.has_value());
}

void addCsvRow(const SteamTableRow& row, const std::vector<SteamTableColumn>& columns,
               CsvFormat format, std::string& out) {
    CsvLine line(out, format);
    addCsvNumber(line, row.p, ReportUnit::kBar);
    addCsvNumber(line, row.t, ReportUnit::kCelsius);
    line.status(row.status, row.status != 0, row.message);
    for (std::size_t c = 0; c < row.values.size(); ++c) {
        addCsvNumber(line, row.values[c], columns[c].unit);
    }
    out += '\n';
}

std::string htmlCell(const std::optional<double>& value, ReportUnit unit) {
    return "<td>" + (value ? formatShortest(reportValue(*value, unit)) : std::string()) + "</td>";
}

void addHtmlHeader(const std::vector<SteamTableColumn>& columns, std::string& out) {
    out += "<table border=1 cellspacing=0 cellpadding=3>\n<tr><th>p [" +
           headerUnit(ReportUnit::kBar) + "]</th><th>t [" + headerUnit(ReportUnit::kCelsius) +
           "]</th>";
    for (const SteamTableColumn& column : columns) {
        out += "<th>" + column.key + " [" + headerUnit(column.unit) + "]</th>";
    }
    out += "</tr>\n";
}

void addHtmlRow(const SteamTableRow& row, const std::vector<SteamTableColumn>& columns,
                std::string& out) {
    out += "<tr>" + htmlCell(row.p, ReportUnit::kBar) + htmlCell(row.t, ReportUnit::kCelsius);
    if (row.status != 0) {
        out += "<td colspan=" + std::to_string(columns.size()) + ">" + row.message + " (status " +
               std::to_string(row.status) + ")</td>";
    } else {
        for (std::size_t c = 0; c < row.values.size(); ++c) {
            out += htmlCell(row.values[c], columns[c].unit);
        }
    }
    out += "</tr>\n";
}

}  // namespace

std::vector<SteamTableRow> steamTableRows(const SteamTableRequest& request) {
    std::vector<SteamTableRow> rows(steamTableRowCount(request));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = steamTableRow(request, i);
    }
    return rows;
}

GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format,
                             std::span<const SteamTableRow> rows) {
    GeneratedTable table;
    const std::vector<SteamTableColumn> columns = steamTableColumns(request.kind);
    addCsvHeader(columns, format, table.text);
    for (const SteamTableRow& row : rows) {
        table.refusedRows += row.status != 0 ? 1 : 0;
        addCsvRow(row, columns, format, table.text);
    }
    return table;
}

GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format) {
    return steamTableCsv(request, format, steamTableRows(request));
}

GeneratedTable steamTableHtml(const SteamTableRequest& request,
                              std::span<const SteamTableRow> rows) {
    GeneratedTable table;
    const std::vector<SteamTableColumn> columns = steamTableColumns(request.kind);
    std::string body;
    addHtmlHeader(columns, body);
    for (const SteamTableRow& row : rows) {
        table.refusedRows += row.status != 0 ? 1 : 0;
        addHtmlRow(row, columns, body);
    }
    body += "</table>\n";
    table.text = reportDocument(kWaterReportTitle, body);
    return table;
}

GeneratedTable steamTableHtml(const SteamTableRequest& request) {
    return steamTableHtml(request, steamTableRows(request));
}

}  // namespace vaporis::output
