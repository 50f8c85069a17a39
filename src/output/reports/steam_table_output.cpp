#include "output/reports/steam_table_output.h"

#include <optional>
#include <vector>

#include "output/format/number_text.h"
#include "output/reports/report_frame.h"

namespace vaporis::output {

namespace {

// The unit text of a column header: as the report rows name it, without their padding.
std::string headerUnit(ReportUnit unit) {
    std::string text = reportUnitText(unit);
    text.erase(text.find_last_not_of(' ') + 1);
    // "[-]" already wears the brackets a header puts around a unit.
    return text == "[-]" ? "-" : text;
}

// The CSV header of a column: its key, followed by its unit symbol when the units are not the
// written ones ("p [psia]").
std::string csvColumn(const SteamTableColumn& column, const UnitChoice& units) {
    const std::string symbol = shownReportSymbol(column.unit, units);
    return units.isWritten() || symbol.empty() ? column.key : column.key + " [" + symbol + "]";
}

const SteamTableColumn kPressureColumn{"p", ReportUnit::kBar};
const SteamTableColumn kTemperatureColumn{"t", ReportUnit::kCelsius};

void addCsvHeader(const std::vector<SteamTableColumn>& columns, CsvFormat format,
                  const UnitChoice& units, std::string& out) {
    CsvLine line(out, format);
    line.text(csvColumn(kPressureColumn, units));
    line.text(csvColumn(kTemperatureColumn, units));
    for (const char* const key : {"status", "message"}) {
        line.text(key);
    }
    for (const SteamTableColumn& column : columns) {
        line.text(csvColumn(column, units));
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
    out += "<table border=1 cellspacing=0 cellpadding=3>\n<tr>";
    for (const SteamTableColumn& column : {kPressureColumn, kTemperatureColumn}) {
        out += "<th>" + column.key + " [" + headerUnit(column.unit) + "]</th>";
    }
    for (const SteamTableColumn& column : columns) {
        out += "<th>" + column.key + " [" + headerUnit(column.unit) + "]</th>";
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

std::optional<double> shownValue(const std::optional<double>& value, ReportUnit unit) {
    return value ? std::optional(reportValue(*value, unit)) : std::nullopt;
}

}  // namespace

SteamTableRow shownRow(const SteamTableRow& row, const std::vector<SteamTableColumn>& columns,
                       const UnitChoice& units) {
    const ReportUnitScope scope(units);
    SteamTableRow shown = row;
    shown.p = shownValue(row.p, ReportUnit::kBar);
    shown.t = shownValue(row.t, ReportUnit::kCelsius);
    for (std::size_t c = 0; c < columns.size() && c < row.values.size(); ++c) {
        shown.values[c] = shownValue(row.values[c], columns[c].unit);
    }
    return shown;
}

std::vector<SteamTableRow> steamTableRows(const SteamTableRequest& request) {
    std::vector<SteamTableRow> rows(steamTableRowCount(request));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = steamTableRow(request, i);
    }
    return rows;
}

GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format,
                             std::span<const SteamTableRow> rows, const UnitChoice& units) {
    GeneratedTable table;
    const std::vector<SteamTableColumn> columns = steamTableColumns(request.kind);
    addCsvHeader(columns, format, units, table.text);
    for (const SteamTableRow& row : rows) {
        table.refusedRows += row.status != 0 ? 1 : 0;
        addCsvRow(shownRow(row, columns, units), format, table.text);
    }
    return table;
}

GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format) {
    return steamTableCsv(request, format, steamTableRows(request));
}

GeneratedTable steamTableHtml(const SteamTableRequest& request, std::span<const SteamTableRow> rows,
                              const UnitChoice& units) {
    GeneratedTable table;
    const std::vector<SteamTableColumn> columns = steamTableColumns(request.kind);
    const ReportUnitScope scope(units);  // for the header's unit texts
    std::string body;
    addHtmlHeader(columns, body);
    for (const SteamTableRow& row : rows) {
        table.refusedRows += row.status != 0 ? 1 : 0;
        addHtmlRow(shownRow(row, columns, units), columns.size(), body);
    }
    body += "</table>\n";
    table.text = reportDocument(kWaterReportTitle, body);
    return table;
}

GeneratedTable steamTableHtml(const SteamTableRequest& request) {
    return steamTableHtml(request, steamTableRows(request));
}

}  // namespace vaporis::output
