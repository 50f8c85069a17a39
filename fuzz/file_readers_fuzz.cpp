// Feeds arbitrary bytes to the project and gas-analysis readers, computes every module from a
// project they accept and writes every report of it, and runs `vaporis-cli project --run` on the
// same bytes: no input may crash, hang or touch memory it does not own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <system_error>

#include "cli/command_line.h"
#include "engine/gas/gas_analysis_file.h"
#include "output/reports/flow_reports.h"
#include "output/reports/gas_property_report.h"
#include "output/reports/steam_table_report.h"
#include "output/reports/thermal_process_report.h"
#include "project/module_objects.h"
#include "project/project_file.h"

namespace {

using vaporis::project::ModuleObjects;

// One folder for the whole run, in memory where the system has such a folder: every input
// writes its reports there, and a disk would make the fuzzer slow.
class ScratchFolder {
public:
    ScratchFolder() {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string name = (base / "vaporis-fuzz-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) {
            std::abort();
        }
        path_ = name;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    [[nodiscard]] std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

const ScratchFolder& scratch() {
    static const ScratchFolder folder;
    return folder;
}

void calculateEveryModule(ModuleObjects& objects) {
    objects.steamState1.calculate();
    (void)objects.steamThermalProcess.calculate();
    (void)objects.steamFlowProcess.calculate();
    objects.gasState1.calculate();
    (void)objects.gasThermalProcess.calculate();
    (void)objects.gasFlowProcess.calculate();
    (void)objects.ambient.calculate();
}

// Whatever the modules hold after their calculations, refused or not.
void writeEveryReport(const ModuleObjects& o) {
    namespace output = vaporis::output;
    const ScratchFolder& folder = scratch();
    (void)output::writeSteamTableReport(folder.file("steam-table.html"), o.steamState1);
    (void)output::writeSteamProcessReport(folder.file("steam-process.html"), o.steamThermalProcess);
    (void)output::writeSteamFlowReport(folder.file("steam-flow.html"), o.steamFlowProcess);
    (void)output::writeGasPropertyReport(folder.file("gas-properties.html"), o.gasState1);
    (void)output::writeGasProcessReport(folder.file("gas-process.html"), o.gasThermalProcess);
    (void)output::writeGasFlowReport(folder.file("gas-flow.html"), o.gasFlowProcess);
}

void runProjectCommand(std::span<const std::uint8_t> bytes) {
    const std::string project = scratch().file("input.prj");
    const std::string reports = scratch().file("run");
    {
        std::ofstream out(project, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    const char* const arguments[] = {"vaporis-cli", "project", project.c_str(), "--run",
                                     reports.c_str()};
    (void)vaporis::cli::runCommandLine(5, arguments);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    vaporis::gas::GasAnalysis analysis;
    (void)vaporis::gas::readGasBytes(analysis, bytes);
    ModuleObjects objects;
    if (vaporis::project::readProjectBytes(bytes, objects) ==
        vaporis::project::ProjectResult::kOk) {
        calculateEveryModule(objects);
        writeEveryReport(objects);
    }
    runProjectCommand(bytes);
    return 0;
}
