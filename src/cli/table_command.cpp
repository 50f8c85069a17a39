#include "cli/table_command.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/command_error.h"
#include "cli/command_help.h"
#include "cli/command_options.h"
#include "cli/json_output.h"
#include "cli/number_io.h"
#include "cli/parallel_rows.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "output/reports/steam_table_grid.h"
#include "output/reports/steam_table_output.h"

namespace vaporis::cli {

namespace {

using output::SteamTableKind;
using output::SteamTableRequest;

// The parts of VALUE or FROM:TO:STEP; a part without a unit takes the one of the last part
// ("1:100:1 psia"), if any.
std::vector<std::string> axisParts(std::string_view text) {
    std::vector<std::string> parts;
    while (true) {
        const auto colon = text.find(':');
        parts.emplace_back(trimBlanks(text.substr(0, colon)));
        if (colon == std::string_view::npos) {
            break;
        }
        text.remove_prefix(colon + 1);
    }
    const std::string last(carriesUnit(parts.back()) ? unitSpelling(parts.back()) : "");
    for (std::string& part : parts) {
        part += parseNumber(part) && !last.empty() ? " " + last : "";
    }
    return parts;
}

// A VALUE is the range of that one value. Values are in the shown unit of `written` or carry
// their own; STEP is a difference of them.
output::GridAxis parseAxis(const std::string& option, const std::string& text,
                           output::ReportUnit written) {
    const std::vector<std::string> parts = axisParts(text);
    const bool numbers = std::all_of(parts.begin(), parts.end(), [](const std::string& part) {
        return parseNumber(part) || carriesUnit(part);
    });
    if (!numbers || (parts.size() != 1 && parts.size() != 3)) {
        throw ArgumentError("table " + option + ": \"" + text +
                            "\" is neither a VALUE nor FROM:TO:STEP");
    }
    const output::Unit& unit = *output::writtenUnit(written);
    const std::string name = "table " + option;
    const double from = readShownNumber(name, parts[0], unit);
    if (parts.size() == 1) {
        return {from, from, 1.0};
    }
    return {from, readShownNumber(name, parts[1], unit),
            readShownNumber(name, parts[2], unit, true)};
}

SteamTableRequest requestOf(const TableArguments& a) {
    SteamTableRequest request;
    if (!a.saturation.empty()) {
        const bool byPressure = a.saturation[0] == "p";
        if (!byPressure && a.saturation[0] != "t") {
            throw ArgumentError("table --saturation: give p or t, then FROM:TO:STEP");
        }
        request.kind = byPressure ? SteamTableKind::kSaturationPressure
                                  : SteamTableKind::kSaturationTemperature;
        (byPressure ? request.p : request.t) =
            parseAxis("--saturation", a.saturation[1],
                      byPressure ? output::ReportUnit::kBar : output::ReportUnit::kCelsius);
    } else if (a.p.empty() || a.t.empty()) {
        throw ArgumentError("table: give --p and --t, or --saturation");
    } else {
        request.p = parseAxis("--p", a.p, output::ReportUnit::kBar);
        request.t = parseAxis("--t", a.t, output::ReportUnit::kCelsius);
    }
    if (const std::optional<std::string> problem = output::steamTableProblem(request)) {
        throw ArgumentError("table: " + *problem);
    }
    return request;
}

std::string_view kindName(SteamTableKind kind) {
    switch (kind) {
        case SteamTableKind::kSaturationPressure:
            return "saturation-p";
        case SteamTableKind::kSaturationTemperature:
            return "saturation-t";
        default:
            return "p-t";
    }
}

nlohmann::ordered_json optionalNumber(const std::optional<double>& value) {
    return numberOrNull(value.value_or(0.0), value.has_value());
}

// The rows of the table, computed on `jobs` threads.
std::vector<output::SteamTableRow> computeRows(const SteamTableRequest& request, std::size_t jobs) {
    std::vector<output::SteamTableRow> rows(output::steamTableRowCount(request));
    forEachPart(rows.size(), jobs, [&](std::size_t begin, std::size_t end, std::size_t) {
        for (std::size_t i = begin; i < end; ++i) {
            rows[i] = output::steamTableRow(request, i);
        }
    });
    return rows;
}

// Prints the JSON document; returns the number of refused rows.
std::size_t printTableJson(const SteamTableRequest& request,
                           const std::vector<output::SteamTableRow>& tableRows) {
    const std::vector<output::SteamTableColumn> columns = output::steamTableColumns(request.kind);
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    std::size_t refused = 0;
    for (const output::SteamTableRow& tableRow : tableRows) {
        const output::SteamTableRow row = output::shownRow(tableRow, columns, shownUnits());
        refused += row.status != 0 ? 1 : 0;
        nlohmann::ordered_json entry = {{"p", optionalNumber(row.p)},
                                        {"t", optionalNumber(row.t)},
                                        {"status", row.status},
                                        {"message", row.message}};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            entry[columns[c].key] = optionalNumber(row.values[c]);
        }
        rows.push_back(std::move(entry));
    }
    nlohmann::ordered_json document = {{"kind", kindName(request.kind)}, {"rows", std::move(rows)}};
    nlohmann::ordered_json units = {{"p", shownSymbol(output::ReportUnit::kBar)},
                                    {"t", shownSymbol(output::ReportUnit::kCelsius)}};
    for (const output::SteamTableColumn& column : columns) {
        if (const std::string symbol = shownSymbol(column.unit); !symbol.empty()) {
            units[column.key] = std::string(symbol);
        }
    }
    placeUnits(document, units);
    printJson(document);
    return refused;
}

std::size_t writeTable(const SteamTableRequest& request, const OutputOptions& output) {
    const std::vector<output::SteamTableRow> rows = computeRows(request, batchJobs(output));
    if (output.json) {
        return printTableJson(request, rows);
    }
    if (!output.htmlPath.empty()) {
        const output::GeneratedTable table = output::steamTableHtml(request, rows, shownUnits());
        if (const file::WriteOutcome outcome = output::writeReportFile(output.htmlPath, table.text);
            !outcome) {
            throw notWritten("--html " + output.htmlPath, outcome);
        }
        return table.refusedRows;
    }
    const output::GeneratedTable table =
        output::steamTableCsv(request, csvFormat(output), rows, shownUnits());
    writeText(stdout, table.text);
    return table.refusedRows;
}

}  // namespace

void addTableCommand(CLI::App& app, TableArguments& a) {
    auto* command = app.add_subcommand(
        "table",
        "a steam table: the states of a p-t grid, or the saturation line over p or t, as CSV "
        "(default), JSON or an HTML file; a refused state keeps its status and message");
    auto* p = command->add_option("--p", a.p, "pressure [bar]: VALUE or FROM:TO:STEP")
                  ->type_name("RANGE");
    auto* t = command->add_option("--t", a.t, "temperature [°C]: VALUE or FROM:TO:STEP")
                  ->type_name("RANGE");
    command
        ->add_option("--saturation", a.saturation,
                     "the saturation line: p or t, then FROM:TO:STEP (saturated liquid ' and "
                     "vapour '')")
        ->expected(2)
        ->type_name("p|t RANGE")
        ->excludes(p)
        ->excludes(t);
    auto* json = command->add_flag("--json", a.output.json, "print one JSON object");
    auto* html = command->add_option("--html", a.output.htmlPath, "write an HTML table to FILE")
                     ->type_name("FILE")
                     ->check(kNotEmpty);
    json->excludes(html);
    for (CLI::Option* format : addCsvFormatOptions(*command, a.output)) {
        format->excludes(json)->excludes(html);
    }
    addJobsOption(*command, a.output);
    setCommandHelp(*command,
                   "Both --p and --t are needed; a RANGE in both gives every p with every t (p "
                   "outer). At most " +
                       std::to_string(output::kMaxSteamTableRows) +
                       " rows. Values are in the units of --units and --unit, or carry their own; "
                       "a unit after the last part stands for every part without one (--p "
                       "15:150:5psia), STEP is a difference.",
                   {"", true},
                   {"vaporis-cli table --p 1:100:1 --t 400 > isotherm.csv",
                    "vaporis-cli table --saturation t 10:370:10 --html saturation.html"});
}

int runTable(const TableArguments& arguments) {
    const SteamTableRequest request = requestOf(arguments);
    return writeTable(request, arguments.output) > 0 ? kExitSomeRowsFailed : kExitOk;
}

}  // namespace vaporis::cli
