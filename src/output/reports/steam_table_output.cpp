#include "output/reports/steam_table_output.h"

#include <optional>
#include <vector>

#include "output/format/number_text.h"
#include "output/reports/report_frame.h"

namespace vaporis::output {

namespace {

void addCsvHeader(const std::vector<SteamTableColumn>& columns, CsvFormat format,
                  std::string& out) {
    CsvLine line(out, format);
    for (const char* const key : {"p", "t", "status", "message"}) {
        line.text(key);
    }
    for (const SteamTableColumn& column : columns) {
        line.text(column.key);
    }
    out += '\n';
}

void addCsvRow(const SteamTableRow& row, CsvFormat format, std::string& out) {
    CsvLine line(out, format);
    line.number(row.p.value_or(0.0), row.p.has_value());
    line.number(row.t.value_or(0.0), row.t.has_value());
    line.status(row.status, row.status != 0, row.message);
    for (const std::optional<double>& value : row.values) {
        line.number(value.value_or(0.0), value.has_value());
    }
    out += '\n';
}

std::string htmlCell(const std::optional<double>& value) {
    return "<td>" + (value ? formatShortest(*value) : std::string()) + "</td>";
}

void addHtmlHeader(const std::vector<SteamTableColumn>& columns, std::string& out) {
    out += "<table border=1 cellspacing=0 cellpadding=3>\n<tr><th>p [bar]</th><th>t [°C]</th>";
    for (const SteamTableColumn& column : columns) {
        out += "<th>" + column.key + " [" + column.unit + "]</th>";
    }
    out += "</tr>\n";
}

void addHtmlRow(const SteamTableRow& row, std::size_t columnCount, std::string& out) {
    out += "<tr>" + htmlCell(row.p) + htmlCell(row.t);
    if (row.status != 0) {
        out += "<td colspan=" + std::to_string(columnCount) + ">" + row.message + " (status " +
               std::to_string(row.status) + ")</td>";
    } else {
        for (const std::optional<double>& value : row.values) {
            out += htmlCell(value);
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
    addCsvHeader(steamTableColumns(request.kind), format, table.text);
    for (const SteamTableRow& row : rows) {
        table.refusedRows += row.status != 0 ? 1 : 0;
        addCsvRow(row, format, table.text);
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
        addHtmlRow(row, columns.size(), body);
    }
    body += "</table>\n";
    table.text = reportDocument(kWaterReportTitle, body);
    return table;
}

GeneratedTable steamTableHtml(const SteamTableRequest& request) {
    return steamTableHtml(request, steamTableRows(request));
}

}  // namespace vaporis::output
