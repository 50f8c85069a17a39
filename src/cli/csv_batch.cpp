#include "cli/csv_batch.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "cli/command_error.h"
#include "cli/csv_fields.h"
#include "cli/csv_reader.h"
#include "cli/number_io.h"
#include "cli/parallel_rows.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "output/units/units.h"

namespace vaporis::cli {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Rows read, computed and written together: large enough that starting the threads costs
// nothing, small enough that the output starts at once and memory stays small.
constexpr std::size_t kRowsPerJobAndBlock = 8192;

// The units of the columns a state batch takes: the units every state is computed in.
constexpr auto kColumnUnits = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"p", "bar"},
    {"t", "°C"},
    {"x", "-"},
    {"h", "kJ/kg"},
    {"s", "kJ/(kg K)"},
});

std::string_view columnUnit(std::string_view name) {
    const auto* const found =
        std::find_if(kColumnUnits.begin(), kColumnUnits.end(),
                     [name](const auto& entry) { return entry.first == name; });
    return found != kColumnUnits.end() ? found->second : std::string_view();
}

// The unit the cells of a column are given in, when it is not the one states are computed in.
struct CellUnit {
    const output::Unit* given = nullptr;
    const output::Unit* written = nullptr;
};

// Which accepted pair a header names, whether its columns come in the pair's order, and the
// units of the pair's columns.
struct HeaderMatch {
    std::size_t pair = 0;
    bool swapped = false;
    std::array<CellUnit, 2> units{};
};

std::optional<HeaderMatch> matchNames(const HeaderColumn& first, const HeaderColumn& second,
                                      const BatchCommand& command) {
    for (std::size_t i = 0; i < command.accepted.size(); ++i) {
        const InputColumns& columns = command.accepted[i];
        if (first.name == columns.first && second.name == columns.second) {
            return HeaderMatch{i, false};
        }
        if (first.name == columns.second && second.name == columns.first) {
            return HeaderMatch{i, true};
        }
    }
    return std::nullopt;
}

// The unit of a column's cells: the one in its header, else the shown one. A unit of another
// quantity is refused: reading "p [K]" as a pressure would be meaningless.
CellUnit cellUnit(const HeaderColumn& column, const BatchCommand& command) {
    const std::string_view unit = columnUnit(column.name);
    const output::Unit* written = output::findWrittenUnit(unit);
    if (!column.unit || sameUnit(*column.unit, unit)) {
        const bool shown = !column.unit && written != nullptr;
        return {shown ? shownUnits().unit(written->quantity) : nullptr, written};
    }
    const output::Unit* given = written != nullptr
                                    ? output::findUnit(written->quantity, trimBlanks(*column.unit))
                                    : nullptr;
    if (given == nullptr) {
        throw ArgumentError(std::string(command.name) + " --batch: the column " + column.name +
                            " is in " + std::string(unit) + ", not in \"" + excerpt(*column.unit) +
                            "\"");
    }
    return {given, written};
}

std::optional<HeaderMatch> matchHeader(std::string_view line, char delimiter,
                                       const BatchCommand& command) {
    if (line.starts_with(kUtf8Bom)) {
        line.remove_prefix(kUtf8Bom.size());
    }
    std::string unquoted;
    std::vector<std::string_view> fields;
    if (!splitCsvFields(line, delimiter, unquoted, fields) || fields.size() != 2) {
        return std::nullopt;
    }
    const HeaderColumn first = headerColumn(fields[0]);
    const HeaderColumn second = headerColumn(fields[1]);
    std::optional<HeaderMatch> match = matchNames(first, second, command);
    if (match) {
        match->units = {cellUnit(match->swapped ? second : first, command),
                        cellUnit(match->swapped ? first : second, command)};
    }
    return match;
}

std::string acceptedHeaders(const BatchCommand& command, char delimiter) {
    std::string text;
    for (const InputColumns& columns : command.accepted) {
        text += text.empty() ? "" : " or ";
        text += columns.first;
        text += delimiter;
        text += columns.second;
    }
    return text;
}

bool isBlank(std::string_view line) {
    return trimBlanks(line).empty();
}

HeaderMatch readHeader(LineReader& reader, CsvFormat format, const BatchCommand& command) {
    std::string line;
    bool overlong = false;
    while (reader.next(line, overlong)) {
        if (isBlank(line)) {
            continue;
        }
        if (const auto match = matchHeader(line, format.delimiter, command); match && !overlong) {
            return *match;
        }
        throw ArgumentError(std::string(command.name) + " --batch: the header line must be " +
                            acceptedHeaders(command, format.delimiter) + ", not \"" +
                            excerpt(line) + "\"");
    }
    throw ArgumentError(std::string(command.name) + " --batch: no header line on stdin (" +
                        acceptedHeaders(command, format.delimiter) + ")");
}

// A data line read: its two numbers in the order of the header's pair, or why it has none.
struct DataLine {
    std::vector<std::string_view> fields;
    std::string unquoted;
    std::optional<std::array<double, 2>> inputs;
    std::string problem;
};

void readDataLine(std::string_view line, bool overlong, CsvFormat format, const HeaderMatch& header,
                  DataLine& data) {
    data.inputs.reset();
    data.fields.clear();
    if (overlong) {
        data.problem = "the line is longer than " + std::to_string(kMaxLineLength) + " bytes";
        return;
    }
    if (!splitCsvFields(line, format.delimiter, data.unquoted, data.fields)) {
        data.problem = "a quoted field is not closed where it should be";
        data.fields.clear();
        return;
    }
    if (data.fields.size() != 2) {
        data.problem = "2 fields expected, not " + std::to_string(data.fields.size());
        return;
    }
    std::array<double, 2> inputs{};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string_view field = data.fields[header.swapped ? 1 - i : i];
        const std::optional<double> value = parseCsvNumber(field, format);
        if (!value) {
            data.problem =
                field.empty() ? "a number is missing" : "not a number: " + excerpt(field);
            return;
        }
        inputs[i] = *value;
        if (const CellUnit& unit = header.units[i]; unit.given != nullptr) {
            const output::Reading reading = output::toWritten(
                *value, *unit.given, *unit.written, shownUnits().referencePressure, field);
            if (!reading.ok()) {
                data.problem = reading.refusal;
                return;
            }
            inputs[i] = reading.value;
        }
    }
    data.inputs = inputs;
}

// The output line of a malformed input line: its input texts under their names, the input-error
// status and the problem, the other fields empty.
void writeInputError(const DataLine& data, const HeaderMatch& header, const BatchCommand& command,
                     CsvLine& line) {
    const InputColumns& pair = command.accepted[header.pair];
    const std::array<std::string_view, 2> inFileOrder =
        header.swapped ? std::array{pair.second, pair.first} : std::array{pair.first, pair.second};
    std::string unquoted;
    std::vector<std::string_view> columns;
    (void)splitCsvFields(command.outputHeader, ',', unquoted, columns);
    for (const std::string_view column : columns) {
        if (column == kStatusColumn) {
            line.text(kInputErrorStatus);
        } else if (column == kMessageColumn) {
            line.text(data.problem);
        } else {
            const auto* const match =
                std::find(inFileOrder.begin(), inFileOrder.end(), headerColumn(column).name);
            const auto index = static_cast<std::size_t>(match - inFileOrder.begin());
            const bool given = index < inFileOrder.size() && index < data.fields.size();
            line.text(given ? data.fields[index] : std::string_view());
        }
    }
    line.markFailed();
}

std::string headerLine(std::string_view header, char delimiter) {
    std::string line(header);
    std::replace(line.begin(), line.end(), ',', delimiter);
    return line;
}

// The output lines of block lines [begin, end) appended to `out`; true when one failed.
bool writeRows(const LineBlock& block, std::size_t begin, std::size_t end, CsvFormat format,
               const HeaderMatch& header, const BatchCommand& command, std::string& out) {
    bool anyFailed = false;
    DataLine data;
    for (std::size_t i = begin; i < end; ++i) {
        const std::string_view text = block.line(i);
        if (!isBlank(text)) {
            CsvLine line(out, format);
            readDataLine(text, block.lines[i].overlong, format, header, data);
            if (data.inputs) {
                command.writeRow(header.pair, (*data.inputs)[0], (*data.inputs)[1], line);
            } else {
                writeInputError(data, header, command, line);
            }
            anyFailed = anyFailed || line.failed();
        }
        out += '\n';
    }
    return anyFailed;
}

}  // namespace

std::string csvHeader(std::initializer_list<std::string_view> leading,
                      std::span<const output::PropertyEntry> catalogue) {
    std::string header;
    for (const std::string_view column : leading) {
        header += header.empty() ? "" : ",";
        header += column;
    }
    for (const output::PropertyEntry& entry : catalogue) {
        header += ',';
        header += shownColumn(entry);
    }
    return header;
}

int runBatch(std::FILE* in, std::FILE* out, CsvFormat format, const BatchCommand& command,
             std::size_t jobs) {
    LineReader reader(in);
    const HeaderMatch header = readHeader(reader, format, command);
    writeText(out, headerLine(command.outputHeader, format.delimiter) + '\n');
    jobs = std::max<std::size_t>(jobs, 1);
    LineBlock block;
    std::vector<std::string> parts(jobs);
    std::vector<char> failed(jobs, 0);
    bool anyFailed = false;
    std::size_t rowsDone = 0;
    Progress progress;
    while (readBlock(reader, kRowsPerJobAndBlock * jobs, block)) {
        std::fill(failed.begin(), failed.end(), 0);
        forEachPart(block.lines.size(), jobs,
                    [&](std::size_t begin, std::size_t end, std::size_t part) {
                        parts[part].clear();
                        failed[part] = static_cast<char>(
                            writeRows(block, begin, end, format, header, command, parts[part]));
                    });
        for (std::size_t part = 0; part < jobs; ++part) {
            writeText(out, parts[part]);
            anyFailed = anyFailed || failed[part] != 0;
            parts[part].clear();
        }
        rowsDone += block.lines.size();
        progress.update(rowsDone);
    }
    return anyFailed ? kExitSomeRowsFailed : kExitOk;
}

}  // namespace vaporis::cli
