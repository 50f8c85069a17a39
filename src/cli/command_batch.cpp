#include "cli/command_batch.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <exception>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/command_error.h"
#include "cli/command_options.h"
#include "cli/csv_batch.h"
#include "cli/csv_fields.h"
#include "cli/csv_reader.h"
#include "cli/json_output.h"
#include "cli/number_io.h"
#include "cli/parallel_rows.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "output/units/units.h"

namespace vaporis::cli {

namespace {

using Json = nlohmann::ordered_json;

struct CommandPath {
    std::string_view parent;  //!< empty for a command of the program itself
    std::string_view name;
};

constexpr auto kBatchCommands = std::to_array<CommandPath>({
    {"process", "steam"},
    {"process", "gas"},
    {"flow", "steam"},
    {"flow", "gas"},
    {"", "ambient"},
    {"tools", "atmosphere"},
    {"tools", "quench"},
    {"tools", "outflow"},
});

// Options that choose what is printed, not what is computed: no column may give them, and
// the batch's own ones are not handed to the rows.
constexpr auto kOutputOptions =
    std::to_array<std::string_view>({"--json", "--html", "--svg", "--png", "--pdf", "--help",
                                     "--batch", "--delimiter", "--decimal-comma", "--jobs"});
constexpr auto kBatchOnlyOptions =
    std::to_array<std::string_view>({"--batch", "--delimiter", "--decimal-comma", "--jobs"});

// A row runs the command once; a handful per thread keeps every thread busy to the end.
constexpr std::size_t kRowsPerJobAndBlock = 16;
// The result columns are those of the first computed row; the rows before it wait for them,
// but not without bound.
constexpr std::size_t kMaxRowsBeforeColumns = 100000;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kProgramPrefix = "vaporis-cli: ";

bool isOneOf(std::string_view name, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The units every row is read and shown in are the batch's own: a column giving them would be
// ignored, so none may.
constexpr auto kUnitOptions =
    std::to_array<std::string_view>({"--units", "--unit", "--gauge-reference"});

template <typename App>
App* subcommandNamed(App& parent, std::string_view name) {
    const auto found =
        parent.get_subcommands([name](const CLI::App* c) { return c->get_name() == name; });
    return found.empty() ? nullptr : found.front();
}

template <typename App>
App* commandAt(App& app, const CommandPath& path) {
    App* parent = path.parent.empty() ? &app : subcommandNamed(app, path.parent);
    return parent != nullptr ? subcommandNamed(*parent, path.name) : nullptr;
}

// The name of an option as a header names it: "--eta-s" is "eta-s".
std::string columnNameOf(const CLI::Option& option) {
    return option.get_lnames().empty() ? std::string() : option.get_lnames().front();
}

// An argument of the command line and, where it takes one, its value.
struct GivenOption {
    std::string name;  // "--p1"; empty for a word that is not an option
    std::vector<std::string> tokens;
    std::string value;
};

// The command line split into the words that name the command and the options after them.
struct CommandLine {
    std::vector<std::string> path;
    std::vector<GivenOption> options;
};

// A flag expects no value ("--per-hour"); an option one.
bool takesValue(const CLI::Option* option) {
    return option != nullptr && option->get_expected_max() > 0;
}

bool isColumnOption(const CLI::Option* option, const std::string& name) {
    return takesValue(option) && !isOneOf(name, kOutputOptions) && !isOneOf(name, kUnitOptions);
}

// The index after the first `word` from `start` on.
std::size_t indexAfter(const std::vector<std::string>& arguments, std::size_t start,
                       const std::string& word) {
    const auto found =
        std::find(arguments.begin() + static_cast<std::ptrdiff_t>(start), arguments.end(), word);
    return std::min(static_cast<std::size_t>(found - arguments.begin()) + 1, arguments.size());
}

CommandLine splitCommandLine(const CLI::App& command, const std::vector<std::string>& arguments) {
    CommandLine line;
    std::size_t i = 0;
    const CLI::App* parent = command.get_parent();
    if (parent != nullptr && parent->get_parent() != nullptr) {
        i = indexAfter(arguments, i, parent->get_name());
        line.path.push_back(parent->get_name());
    }
    i = indexAfter(arguments, i, command.get_name());
    line.path.push_back(command.get_name());
    for (; i < arguments.size(); ++i) {
        const std::string& token = arguments[i];
        const auto equals = token.find('=');
        GivenOption given;
        given.name = token.starts_with("--") ? token.substr(0, equals) : std::string();
        given.tokens.push_back(token);
        if (equals != std::string::npos && !given.name.empty()) {
            given.value = token.substr(equals + 1);
        } else if (!given.name.empty() && takesValue(command.get_option_no_throw(given.name)) &&
                   i + 1 < arguments.size()) {
            given.value = arguments[++i];
            given.tokens.push_back(given.value);
        }
        if (!isOneOf(given.name, kBatchOnlyOptions)) {
            line.options.push_back(std::move(given));
        }
    }
    return line;
}

// An input column: the option it gives.
struct Column {
    std::string name;
    std::string option;  // "--p1"
    std::string unit;    // of the cells when the header names another than the option's: "MPa"
};

// The unit an option is given in, from its help ("initial pressure [bar]") or its type name;
// of "kg/s or kg/h" the one of the flows' time base.
std::optional<std::string> optionUnit(const CLI::Option& option, bool perHour) {
    const std::string help = option.get_description();
    const auto open = help.find('[');
    const auto close = help.find(']', open);
    if (open == std::string::npos || close == std::string::npos) {
        // An option whose type name is its unit ("BAR") says so there.
        const std::string type = option.get_type_name();
        const bool unit = !type.empty() && type.find("NUMBER") == std::string::npos &&
                          type.find("TEXT") == std::string::npos;
        return unit ? std::optional(type) : std::nullopt;
    }
    const std::string units = help.substr(open + 1, close - open - 1);
    const auto alternative = units.find(" or ");
    if (alternative == std::string::npos) {
        return units;
    }
    return perHour ? units.substr(alternative + 4) : units.substr(0, alternative);
}

std::string commandName(const CommandLine& line) {
    std::string name;
    for (const std::string& word : line.path) {
        name += name.empty() ? "" : " ";
        name += word;
    }
    return name;
}

std::string inputOptionList(const CLI::App& command) {
    std::string list;
    for (const CLI::Option* option : command.get_options()) {
        const std::string name = columnNameOf(*option);
        if (!name.empty() && isColumnOption(option, "--" + name)) {
            list += list.empty() ? "" : ", ";
            list += name;
        }
    }
    return list;
}

Column readColumn(std::string_view field, const CLI::App& command, const CommandLine& line) {
    const HeaderColumn header = headerColumn(field);
    const std::string option = "--" + header.name;
    const CLI::Option* found = command.get_option_no_throw(option);
    const std::string where = commandName(line) + " --batch: ";
    if (!isColumnOption(found, option)) {
        throw ArgumentError(where + "the column \"" + excerpt(field) +
                            "\" is none of the options " + inputOptionList(command));
    }
    const bool perHour = std::any_of(line.options.begin(), line.options.end(),
                                     [](const GivenOption& o) { return o.name == "--per-hour"; });
    const std::optional<std::string> unit = optionUnit(*found, perHour);
    if (!header.unit || (unit && sameUnit(*header.unit, *unit))) {
        return {header.name, option, ""};
    }
    // Another unit of the option's quantity is converted: "p1 [MPa]".
    const output::Unit* own = bracketUnit(found->get_description(), perHour);
    const output::Unit* given =
        own != nullptr ? output::findUnit(own->quantity, trimBlanks(*header.unit)) : nullptr;
    if (given == nullptr) {
        throw ArgumentError(where + "the column " + header.name +
                            (unit ? " is in " + *unit + ", not in \"" : " has no unit, not \"") +
                            excerpt(*header.unit) + "\"");
    }
    return {header.name, option, std::string(given->symbol)};
}

std::vector<Column> readColumns(LineReader& reader, CsvFormat format, const CLI::App& command,
                                const CommandLine& line) {
    std::string text;
    bool overlong = false;
    while (reader.next(text, overlong) && trimBlanks(text).empty()) {
    }
    std::string_view header = text;
    if (header.starts_with(kUtf8Bom)) {
        header.remove_prefix(kUtf8Bom.size());
    }
    std::string unquoted;
    std::vector<std::string_view> fields;
    if (trimBlanks(header).empty() || overlong ||
        !splitCsvFields(header, format.delimiter, unquoted, fields)) {
        throw ArgumentError(commandName(line) +
                            " --batch: the first line must name options of the command (" +
                            inputOptionList(command) + ")");
    }
    std::vector<Column> columns;
    for (const std::string_view field : fields) {
        Column column = readColumn(field, command, line);
        if (std::any_of(columns.begin(), columns.end(),
                        [&column](const Column& c) { return c.name == column.name; })) {
            throw ArgumentError(commandName(line) + " --batch: the column " + column.name +
                                " is named twice");
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

// What one input row gave.
struct RowResult {
    bool blank = false;
    bool failed = false;
    bool computed = false;  // the command printed its JSON
    std::vector<std::string> inputs;
    std::string status;
    std::string message;
    std::vector<std::pair<std::string, Json>> values;
};

void flatten(const Json& value, const std::string& key, RowResult& row) {
    if (value.is_object()) {
        for (auto item = value.begin(); item != value.end(); ++item) {
            flatten(item.value(), key.empty() ? item.key() : key + "." + item.key(), row);
        }
        return;
    }
    if (value.is_array()) {
        std::string text;
        for (const Json& element : value) {
            text += text.empty() ? "" : "; ";
            text += element.is_string() ? element.get<std::string>() : jsonText(element);
        }
        row.values.emplace_back(key, Json(text));
        return;
    }
    row.values.emplace_back(key, value);
}

void readAnswer(int exitCode, const OutputCapture& capture, RowResult& row) {
    Json json;
    if (!capture.out.empty()) {
        json = Json::parse(capture.out, nullptr, false);
    }
    const bool object = json.is_object();
    row.failed = exitCode != kExitOk;
    row.computed = exitCode == kExitOk && object;
    if (exitCode == kExitUsage) {
        row.status = kInputErrorStatus;
    } else if (object && json.contains("status")) {
        row.status = jsonText(json["status"]);
    } else {
        row.status = std::to_string(exitCode);
    }
    const bool hasMessage = object && json.contains("message") && json["message"].is_string();
    row.message = hasMessage ? json["message"].get<std::string>() : messageOf(capture.err);
    if (row.computed) {
        json.erase("status");
        json.erase("message");
        flatten(json, "", row);
    }
}

// How the rows of a batch are run.
struct RowContext {
    const CommandLine& line;
    const std::vector<Column>& columns;
    CsvFormat format;
    const CommandRunner& run;
};

void inputError(RowResult& row, std::string message) {
    row.failed = true;
    row.status = kInputErrorStatus;
    row.message = std::move(message);
}

// The value a field gives its option: a decimal comma becomes a point; a point is refused
// in such a file, where it would be a thousands mark. Texts (a process type) stay as written.
std::optional<std::string> optionValue(std::string_view field, CsvFormat format) {
    if (!format.decimalComma) {
        return std::string(field);
    }
    if (parseNumber(field)) {
        return field.find('.') == std::string_view::npos ? std::optional(std::string(field))
                                                         : std::nullopt;
    }
    std::string text(field);
    if (parseCsvNumber(field, format)) {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    return text;
}

std::vector<std::string> rowArguments(const RowContext& context,
                                      const std::vector<std::string_view>& fields, RowResult& row) {
    std::vector<std::string> arguments = context.line.path;
    std::vector<std::string> given;
    std::copy(fields.begin(), fields.end(), row.inputs.begin());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty()) {
            continue;
        }
        const std::optional<std::string> value = optionValue(fields[i], context.format);
        if (!value) {
            inputError(row, "not a number: " + excerpt(fields[i]));
            return {};
        }
        const std::string& unit = context.columns[i].unit;
        given.push_back(context.columns[i].option + "=" + *value +
                        (unit.empty() ? "" : " " + unit));
    }
    for (const GivenOption& option : context.line.options) {
        const auto column =
            std::find_if(context.columns.begin(), context.columns.end(),
                         [&option](const Column& c) { return c.option == option.name; });
        const auto index = static_cast<std::size_t>(column - context.columns.begin());
        if (column == context.columns.end() || fields[index].empty()) {
            arguments.insert(arguments.end(), option.tokens.begin(), option.tokens.end());
        }
        if (column != context.columns.end() && fields[index].empty()) {
            row.inputs[index] = option.value;
        }
    }
    arguments.emplace_back("--json");
    arguments.insert(arguments.end(), given.begin(), given.end());
    return arguments;
}

RowResult computeRow(const RowContext& context, std::string_view text, bool overlong) {
    RowResult row;
    row.inputs.resize(context.columns.size());
    if (trimBlanks(text).empty()) {
        row.blank = true;
        return row;
    }
    std::string unquoted;
    std::vector<std::string_view> fields;
    if (overlong || !splitCsvFields(text, context.format.delimiter, unquoted, fields)) {
        inputError(row, overlong
                            ? "the line is longer than " + std::to_string(kMaxLineLength) + " bytes"
                            : "a quoted field is not closed where it should be");
        return row;
    }
    if (fields.size() != context.columns.size()) {
        std::copy_n(fields.begin(), std::min(fields.size(), row.inputs.size()), row.inputs.begin());
        inputError(row, std::to_string(context.columns.size()) + " fields expected, not " +
                            std::to_string(fields.size()));
        return row;
    }
    const std::vector<std::string> arguments = rowArguments(context, fields, row);
    if (row.failed) {
        return row;
    }
    try {
        OutputCapture capture;
        readAnswer(context.run(arguments), capture, row);
    } catch (const std::exception& error) {
        inputError(row, error.what());
    }
    return row;
}

void writeValue(const Json* value, CsvLine& line) {
    if (value == nullptr || value->is_null()) {
        line.number(0.0, false);
    } else if (value->is_number()) {
        line.number(value->get<double>(), true);
    } else if (value->is_string()) {
        line.text(value->get<std::string>());
    } else {
        line.text(jsonText(*value));
    }
}

void writeRow(const RowResult& row, const std::vector<std::string>& resultKeys, CsvFormat format,
              std::string& out) {
    if (!row.blank) {
        CsvLine line(out, format);
        for (const std::string& input : row.inputs) {
            line.text(input);
        }
        line.text(row.status);
        line.text(row.message);
        for (const std::string& key : resultKeys) {
            const auto found =
                std::find_if(row.values.begin(), row.values.end(),
                             [&key](const auto& entry) { return entry.first == key; });
            writeValue(found != row.values.end() ? &found->second : nullptr, line);
        }
    }
    out += '\n';
}

std::string headerText(const std::vector<Column>& columns,
                       const std::vector<std::string>& resultKeys, CsvFormat format) {
    std::string out;
    CsvLine line(out, format);
    for (const Column& column : columns) {
        line.text(column.name);
    }
    line.text(kStatusColumn);
    line.text(kMessageColumn);
    for (const std::string& key : resultKeys) {
        line.text(key);
    }
    return out + '\n';
}

// Writes rows once the columns are known: from the first computed row, or at the end.
class RowWriter {
public:
    RowWriter(std::string command, const std::vector<Column>& columns, CsvFormat format)
        : command_(std::move(command)), columns_(columns), format_(format) {}

    void add(RowResult&& row) {
        anyFailed_ = anyFailed_ || row.failed;
        if (!headerWritten_ && row.computed) {
            for (const auto& [key, value] : row.values) {
                resultKeys_.push_back(key);
            }
            writeHeaderAndPending();
        }
        if (headerWritten_) {
            writeRow(row, resultKeys_, format_, text_);
            return;
        }
        pending_.push_back(std::move(row));
        if (pending_.size() > kMaxRowsBeforeColumns) {
            const auto failed = std::find_if(pending_.begin(), pending_.end(),
                                             [](const RowResult& r) { return r.failed; });
            throw ArgumentError(
                command_ + " --batch: none of the first " + std::to_string(kMaxRowsBeforeColumns) +
                " rows could be computed" +
                (failed != pending_.end() ? "; the first says: " + failed->message : ""));
        }
    }

    void flush(bool last) {
        if (last && !headerWritten_) {
            writeHeaderAndPending();
        }
        writeText(stdout, text_);
        text_.clear();
    }

    [[nodiscard]] bool anyFailed() const { return anyFailed_; }

private:
    void writeHeaderAndPending() {
        text_ += headerText(columns_, resultKeys_, format_);
        for (const RowResult& row : pending_) {
            writeRow(row, resultKeys_, format_, text_);
        }
        pending_.clear();
        headerWritten_ = true;
    }

    std::string command_;
    const std::vector<Column>& columns_;
    CsvFormat format_;
    std::vector<std::string> resultKeys_;
    std::vector<RowResult> pending_;
    std::string text_;
    bool headerWritten_ = false;
    bool anyFailed_ = false;
};

}  // namespace

std::string messageOf(std::string_view err) {
    std::string message;
    while (!err.empty()) {
        const auto end = err.find('\n');
        std::string_view line = err.substr(0, end);
        err.remove_prefix(end == std::string_view::npos ? err.size() : end + 1);
        if (const auto cr = line.rfind('\r'); cr != std::string_view::npos) {
            line.remove_prefix(cr + 1);
        }
        if (line.starts_with(kProgramPrefix)) {
            line.remove_prefix(kProgramPrefix.size());
        }
        if (!trimBlanks(line).empty()) {
            message += message.empty() ? "" : "; ";
            message += line;
        }
    }
    return message;
}

void addCommandBatchOptions(CLI::App& app, OutputOptions& output) {
    for (const CommandPath& path : kBatchCommands) {
        CLI::App* command = commandAt(app, path);
        auto* batch =
            command->add_flag("--batch", output.batch,
                              "read CSV from stdin (header: options of this command), write CSV");
        for (const std::string_view name : kOutputOptions) {
            if (CLI::Option* option = command->get_option_no_throw(std::string(name))) {
                if (option != batch && name != "--help") {
                    batch->excludes(option);
                }
            }
        }
        for (CLI::Option* format : addCsvFormatOptions(*command, output)) {
            format->needs(batch);
        }
        addJobsOption(*command, output)->needs(batch);
    }
}

const CLI::App* commandBatchChosen(const CLI::App& app) {
    for (const CommandPath& path : kBatchCommands) {
        const CLI::App* command = commandAt(app, path);
        if (command != nullptr && command->parsed() &&
            command->get_option("--batch")->count() > 0) {
            return command;
        }
    }
    return nullptr;
}

int runCommandBatch(const CLI::App& command, std::vector<std::string> arguments,
                    const OutputOptions& output, const CommandRunner& run) {
    const CsvFormat format = csvFormat(output);
    const CommandLine line = splitCommandLine(command, arguments);
    LineReader reader(stdin);
    const std::vector<Column> columns = readColumns(reader, format, command, line);
    const RowContext context{line, columns, format, run};
    const std::size_t jobs = batchJobs(output);
    RowWriter writer(commandName(line), columns, format);
    LineBlock block;
    std::vector<RowResult> results;
    std::size_t rowsDone = 0;
    Progress progress;
    while (readBlock(reader, kRowsPerJobAndBlock * jobs, block)) {
        results.assign(block.lines.size(), RowResult{});
        forEachPart(block.lines.size(), jobs, [&](std::size_t begin, std::size_t end, std::size_t) {
            for (std::size_t i = begin; i < end; ++i) {
                results[i] = computeRow(context, block.line(i), block.lines[i].overlong);
            }
        });
        for (RowResult& row : results) {
            writer.add(std::move(row));
        }
        writer.flush(false);
        rowsDone += block.lines.size();
        progress.update(rowsDone);
    }
    writer.flush(true);
    return writer.anyFailed() ? kExitSomeRowsFailed : kExitOk;
}

}  // namespace vaporis::cli
