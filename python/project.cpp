#include "python/project.h"

#include <string>
#include <vector>

#include "cli/command_batch.h"
#include "cli/command_error.h"
#include "python/arrays.h"
#include "python/commands.h"

namespace vaporis::python {

namespace {

// A project file's inputs, one dict per module, as `vaporis-cli project FILE --json` gives them.
class Project {
public:
    explicit Project(const py::object& path)
        : path_(py::str(path)),
          modules_(jsonAnswer(runArguments({"project", "--json", "--", path_}))) {}

    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] py::dict modules() const { return modules_; }

    //! Computes every module and writes its HTML report into folder; the modules that gave
    //! no report come as one warning.
    void run(const py::object& folder) const {
        const CommandAnswer answer =
            runArguments({"project", "--run", py::str(folder), "--", path_});
        if (answer.code != cli::kExitOk && answer.code != cli::kExitSomeRowsFailed) {
            throw Error(cli::messageOf(answer.err));
        }
        warn(cli::messageOf(answer.err));
    }

    static void create(const py::object& path, bool force) {
        std::vector<std::string> arguments{"project", "--new"};
        if (force) {
            arguments.emplace_back("--force");
        }
        arguments.emplace_back("--");
        arguments.emplace_back(py::str(path));
        const CommandAnswer answer = runArguments(arguments);
        if (answer.code != cli::kExitOk) {
            throw Error(cli::messageOf(answer.err));
        }
    }

private:
    std::string path_;
    py::dict modules_;
};

}  // namespace

void addProject(py::module_& m) {
    py::class_<Project>(m, "Project", R"(A project file (.prj): the inputs of every module.

Project("plant.prj")["steamThermalProcess"] is the steam process's inputs by the keys of
`vaporis-cli project plant.prj --json`, in the program's units (bar, °C, kJ/kg, kg/s, ...).
An unreadable file raises vaporis.Error with the program's message.)")
        .def(py::init<const py::object&>(), py::arg("path"))
        .def_property_readonly("path", &Project::path, "The project file's path")
        .def_property_readonly("modules", &Project::modules, "The inputs, one dict per module")
        .def("__getitem__",
             [](const Project& p, const py::object& key) { return p.modules()[key]; })
        .def("__contains__",
             [](const Project& p, const py::object& key) { return p.modules().contains(key); })
        .def("keys", [](const Project& p) { return p.modules().attr("keys")(); })
        .def("run", &Project::run,
             "Computes every module and writes its HTML report into the folder; the modules "
             "without a report are named in a warning.",
             py::arg("folder"))
        .def_static("new", &Project::create,
                    "Writes a project holding the defaults to path; force=True replaces a file.",
                    py::arg("path"), py::kw_only(), py::arg("force") = false);
}

}  // namespace vaporis::python
