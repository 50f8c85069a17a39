#pragma once

#include <string>
#include <vector>

#include <pybind11/pybind11.h>

namespace vaporis::python {

//! What one run of the command line printed and its exit code.
struct CommandAnswer {
    int code = 0;
    std::string out;
    std::string err;
};

//! Runs the command line in this process (without the GIL) with these arguments.
[[nodiscard]] CommandAnswer runArguments(const std::vector<std::string>& arguments);

//! The JSON a run printed, as dicts, lists and numbers (null as None), its notes as Python
//! warnings; vaporis.Error with the command's message when it failed.
[[nodiscard]] pybind11::object jsonAnswer(const CommandAnswer& answer);

//! Runs a command of the command line in this process with the keywords as its options
//! (underscores as dashes, True as a flag, a GasAnalysis as its .gas file) and --json; returns
//! its JSON as dicts, lists and numbers (null as None). A refusal or unusable argument raises
//! vaporis.Error with the command's message; its notes become Python warnings.
[[nodiscard]] pybind11::object runCommand(const std::vector<std::string>& command,
                                          const pybind11::kwargs& options);

//! What `vaporis-cli COMMAND --help` prints: the options with their units.
[[nodiscard]] std::string commandHelp(const std::vector<std::string>& command);

//! Adds vaporis.process, vaporis.flow, vaporis.tools and vaporis.ambient.
void addCommands(pybind11::module_& m);

}  // namespace vaporis::python
