#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace vaporis::cli {

//! Arguments of `vaporis-cli project FILE.prj [--json] [--run DIR]` and
//! `project --new [--force] FILE.prj`.
struct ProjectArguments {
    CLI::App* command = nullptr;
    std::string path;
    std::string runFolder;
    bool json = false;
    bool createNew = false;
    bool force = false;  //!< --new replaces an existing file
};

//! Adds `project` to app; its values land in arguments.
void addProjectCommand(CLI::App& app, ProjectArguments& arguments);
//! Prints the inputs of every module of the project (table or JSON), or with --run computes
//! every module and writes its HTML report into the folder, or with --new writes the
//! defaults. Returns the exit code.
[[nodiscard]] int runProject(const ProjectArguments& arguments);

}  // namespace vaporis::cli
