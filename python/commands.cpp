#include "python/commands.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include "cli/command_batch.h"
#include "cli/command_error.h"
#include "cli/command_line.h"
#include "cli/text_table.h"
#include "engine/gas/gas_analysis.h"
#include "output/format/number_text.h"
#include "python/arrays.h"
#include "python/gas_file.h"
#include "python/units.h"

namespace vaporis::python {

namespace {

using Json = nlohmann::ordered_json;

// Options that would make a command read stdin or print something else than one JSON object.
constexpr auto kRefusedOptions = std::to_array<std::string_view>(
    {"json", "batch", "jobs", "delimiter", "decimal_comma", "help", "version"});

// A .gas file in the temporary folder that lives as long as the call.
class TemporaryGasFile {
public:
    explicit TemporaryGasFile(const gas::GasAnalysis& analysis) {
        std::string name = (std::filesystem::temp_directory_path() / "vaporis-XXXXXX.gas");
        const int fd = ::mkstemps(name.data(), 4);
        if (fd < 0) {
            throw Error("analysis: no temporary .gas file could be made");
        }
        ::close(fd);
        path_ = name;
        writeAnalysis(analysis, path_.string());
    }
    ~TemporaryGasFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TemporaryGasFile(const TemporaryGasFile&) = delete;
    TemporaryGasFile& operator=(const TemporaryGasFile&) = delete;
    [[nodiscard]] std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// The option's text, or nothing for None and False; a bare flag for True.
std::optional<std::string> optionValue(const std::string& option, const py::handle& value,
                                       std::vector<std::unique_ptr<TemporaryGasFile>>& files) {
    if (value.is_none() || (py::isinstance<py::bool_>(value) && !value.cast<bool>())) {
        return std::nullopt;
    }
    if (py::isinstance<py::bool_>(value)) {
        return std::string();
    }
    if (py::isinstance<py::str>(value)) {
        return value.cast<std::string>();
    }
    if (py::isinstance<gas::GasAnalysis>(value)) {
        files.push_back(std::make_unique<TemporaryGasFile>(value.cast<const gas::GasAnalysis&>()));
        return files.back()->path();
    }
    if (py::isinstance<py::int_>(value) || py::isinstance<py::float_>(value)) {
        return output::formatShortest(value.cast<double>());
    }
    throw Error(option + ": a number, a text or True, not " +
                std::string(py::str(py::type::of(value).attr("__name__"))));
}

py::object toPython(const Json& value) {
    if (value.is_object()) {
        py::dict dict;
        for (const auto& [key, item] : value.items()) {
            dict[py::str(key)] = toPython(item);
        }
        return dict;
    }
    if (value.is_array()) {
        py::list list;
        for (const Json& item : value) {
            list.append(toPython(item));
        }
        return list;
    }
    if (value.is_boolean()) {
        return py::bool_(value.get<bool>());
    }
    if (value.is_number_integer()) {
        return py::int_(value.get<long long>());
    }
    if (value.is_number()) {
        return py::float_(value.get<double>());
    }
    if (value.is_string()) {
        return py::str(value.get<std::string>());
    }
    return py::none();
}

}  // namespace

CommandAnswer runArguments(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"vaporis-cli"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    const py::gil_scoped_release release;
    const cli::OutputCapture capture;
    CommandAnswer answer;
    answer.code = cli::runCommandLine(static_cast<int>(argv.size()), argv.data());
    answer.out = capture.out;
    answer.err = capture.err;
    return answer;
}

py::object jsonAnswer(const CommandAnswer& answer) {
    const Json json = Json::parse(answer.out, nullptr, false);
    if (answer.code != cli::kExitOk) {
        const bool hasMessage = json.is_object() && json.contains("message");
        throw Error(hasMessage ? json["message"].get<std::string>() : cli::messageOf(answer.err));
    }
    warn(cli::messageOf(answer.err));
    return toPython(json);
}

py::object runCommand(const std::vector<std::string>& command, const py::kwargs& options) {
    std::vector<std::string> arguments = command;
    arguments.emplace_back("--json");
    std::vector<std::unique_ptr<TemporaryGasFile>> files;
    for (const auto& [key, value] : options) {
        const auto name = key.cast<std::string>();
        if (std::find(kRefusedOptions.begin(), kRefusedOptions.end(), name) !=
            kRefusedOptions.end()) {
            throw Error(name + ": not an option of the Python module");
        }
        if (name == "units") {
            const cli::UnitOptions units = unitOptions(py::reinterpret_borrow<py::object>(value));
            arguments.push_back("--units=" + (units.preset.empty() ? "written" : units.preset));
            if (!units.list.empty()) {
                arguments.push_back("--unit=" + units.list);
            }
            continue;
        }
        std::string option = "--" + name;
        std::replace(option.begin(), option.end(), '_', '-');
        if (const std::optional<std::string> text = optionValue(name, value, files)) {
            arguments.push_back(
                text->empty() && py::isinstance<py::bool_>(value) ? option : option + "=" + *text);
        }
    }
    return jsonAnswer(runArguments(arguments));
}

std::string commandHelp(const std::vector<std::string>& command) {
    std::vector<std::string> arguments = command;
    arguments.emplace_back("--help");
    std::ostringstream help;
    std::streambuf* const original = std::cout.rdbuf(help.rdbuf());
    static_cast<void>(runArguments(arguments));
    std::cout.rdbuf(original);
    return help.str();
}

namespace {

// Whether a line of the help's option list names an option the module refuses (or --help).
bool namesRefusedOption(std::string_view line) {
    constexpr std::size_t start = 2;
    if (line.find_first_not_of(' ') != start || line[start] != '-') {
        return false;
    }
    std::string option(line.substr(start, line.find(' ', start) - start));
    std::replace(option.begin(), option.end(), '-', '_');
    return option == "_h,__help" || std::any_of(kRefusedOptions.begin(), kRefusedOptions.end(),
                                                [&option](std::string_view refused) {
                                                    return option == "__" + std::string(refused);
                                                });
}

// The help without the options the module refuses: an option's line and the description lines
// below it, which are indented further.
std::string keywordHelp(const std::string& help) {
    std::istringstream lines(help);
    std::string kept;
    bool skipping = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("      ")) {
            skipping = namesRefusedOption(line);
        }
        if (!skipping) {
            kept += line + '\n';
        }
    }
    return kept;
}

constexpr std::string_view kKeywordsDoc =
    "Keywords are the command line's options, dashes as underscores (eta_s for --eta-s), in its\n"
    "units; a flag is True. The result is the command's JSON as a dict. Inputs the program\n"
    "refuses raise vaporis.Error with its message; its notes come as warnings.\n\n";

void addCommand(py::module_& m, const char* name, std::vector<std::string> command,
                std::string_view summary) {
    const std::string doc = std::string(summary) + "\n\n" + std::string(kKeywordsDoc) +
                            keywordHelp(commandHelp(command));
    m.def(
        name, [command](const py::kwargs& options) { return runCommand(command, options); },
        doc.c_str());
}

}  // namespace

void addCommands(py::module_& m) {
    py::module_ process = m.def_submodule("process", "Thermal processes of water/steam and gases");
    addCommand(process, "steam", {"process", "steam"},
               "A change of state of water/steam: throttle, isentropic or balance.");
    addCommand(process, "gas", {"process", "gas"},
               "A change of state of a gas mixture: throttle, isentropic or balance.");
    py::module_ flow = m.def_submodule("flow", "Pipe and duct flows of water/steam and gases");
    addCommand(flow, "steam", {"flow", "steam"}, "A pipe or duct flow of water/steam.");
    addCommand(flow, "gas", {"flow", "gas"}, "A pipe or duct flow of a gas mixture.");
    py::module_ tools = m.def_submodule("tools", "Engineering tools");
    addCommand(tools, "quench", {"tools", "quench"}, "Cooling water of a desuperheater.");
    addCommand(tools, "outflow", {"tools", "outflow"}, "Critical mass flow from a vessel.");
    addCommand(tools, "atmosphere", {"tools", "atmosphere"}, "Moist air at a level above sea.");
    addCommand(m, "ambient", {"ambient"},
               "Moist ambient air at a level: atmospheric pressure, density, water content and "
               "dew point.");
}

}  // namespace vaporis::python
