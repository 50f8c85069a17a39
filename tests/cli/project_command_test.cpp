#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "project/module_objects.h"
#include "project/project_file.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

TEST(ProjectCommand, NewProjectHoldsTheDefaultsOfEveryModule) {
    const TemporaryFolder folder;
    const std::string path = folder.file("start.prj").string();
    ASSERT_EQ(runCli({"project", "--new", path}).exitCode, 0);
    EXPECT_EQ(fileBytes(path), fileBytes(VAPORIS_TEST_DATA_DIR "/defaults.prj"));
    const CliRun run = runCli({"project", path, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json j = json::parse(run.out);
    EXPECT_EQ(j.size(), 12U) << "one object per module";
    EXPECT_EQ(j.at("steamState1").at("pressure"), 50.0);
    EXPECT_TRUE(j.at("steamState2").at("quality").is_null());
    EXPECT_EQ(j.at("gasState2").at("temperature"), 400.0);
    EXPECT_EQ(j.at("gasAnalysis").at("percentages").at("air"), 100.0);
    const json si = json::parse(runCli({"project", path, "--json", "--units", "si-mpa"}).out);
    EXPECT_EQ(si.at("steamState1").at("pressure"), 5.0);
    EXPECT_EQ(si.at("gasState2").at("temperature"), 673.15);
    EXPECT_EQ(si.at("units").at("pressure"), "MPa");
    const CliRun text = runCli({"project", path});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    for (const auto& [module, fields] : j.items()) {
        EXPECT_NE(("\n" + text.out).find("\n" + module + "\n"), std::string::npos) << module;
    }
}

constexpr const char* kModules[] = {"steam-table",    "steam-thermal-process", "steam-flow",
                                    "gas-properties", "gas-thermal-process",   "gas-flow"};

bool reportWritten(const TemporaryFolder& folder, const std::string& module) {
    return fileBytes(folder.file("reports") / (module + ".html")).find("</html>") !=
           std::string::npos;
}

TEST(ProjectCommand, RunWritesTheReportOfEveryModuleWithUsableInputs) {
    const TemporaryFolder folder;
    const std::string path = folder.file("sized.prj").string();
    project::ModuleObjects objects;
    objects.steamFlowProcess.setInput(processes::SteamFlowProcess::kInWidth, 100.0);
    objects.steamFlowProcess.setInput(processes::SteamFlowProcess::kInMassFlow, 1.0);  // [kg/s]
    objects.gasFlowProcess.setInput(processes::GasFlowProcess::kInWidth, 500.0);
    objects.gasFlowProcess.setInput(processes::GasFlowProcess::kInNormalFlow, 1.0);  // [Nm³/s]
    ASSERT_TRUE(project::writeProjectFile(path, objects));
    const CliRun run = runCli({"project", path, "--run", folder.file("reports").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* module : kModules) {
        EXPECT_TRUE(reportWritten(folder, module)) << module;
    }
}

TEST(ProjectCommand, RunSkipsTheReportOfRefusedInputsNamingModuleAndInput) {
    // The defaults hold no tube diameter (the no-value marker); an efficiency of 5 is stored.
    const TemporaryFolder folder;
    const std::string path = folder.file("refused.prj").string();
    project::ModuleObjects objects;
    auto inputs = objects.steamThermalProcess.inputs();
    inputs.values[processes::SteamThermalProcess::kIsentropicEta] = 5.0;
    objects.steamThermalProcess.restoreInputs(inputs);
    ASSERT_TRUE(project::writeProjectFile(path, objects));
    const CliRun run = runCli({"project", path, "--run", folder.file("reports").string()});
    EXPECT_EQ(run.exitCode, 3);
    for (const char* module : kModules) {
        const bool refused = std::string(module) == "steam-flow" ||
                             std::string(module) == "gas-flow" ||
                             std::string(module) == "steam-thermal-process";
        EXPECT_EQ(reportWritten(folder, module), !refused) << module;
    }
    EXPECT_NE(run.err.find("steam-flow: width: no value"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("steam-thermal-process: isentropicEfficiency"), std::string::npos);
}

TEST(ProjectCommand, UnreadableProjectsAreUsageErrors) {
    const TemporaryFolder folder;
    std::ofstream(folder.file("short.prj")) << "short";
    for (const std::string& path :
         {folder.file("short.prj").string(), folder.file("absent.prj").string()}) {
        const CliRun run = runCli({"project", path});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_NE(run.err.find(path), std::string::npos);
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(runCli({"project", "--new", folder.file("x.prj").string(), "--json"}).exitCode, 1);
}

TEST(ProjectCommand, NewKeepsAnExistingFileUnlessForcedAndNeverAWriteProtectedOne) {
    const TemporaryFolder folder;
    const std::string path = folder.file("old.prj").string();
    std::ofstream(path) << "old";
    const CliRun kept = runCli({"project", "--new", path});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_EQ(kept.err,
              "vaporis-cli: the project " + path + " exists already; --force replaces it\n");
    EXPECT_EQ(fileBytes(path), "old");
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    const CliRun locked = runCli({"project", "--new", "--force", path});
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_EQ(locked.err, "vaporis-cli: the project " + path +
                              " could not be written: the file is write-protected\n");
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_EQ(runCli({"project", "--new", "--force", path}).exitCode, 0);
    EXPECT_EQ(fileBytes(path), fileBytes(VAPORIS_TEST_DATA_DIR "/defaults.prj"));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

}  // namespace
}  // namespace vaporis::test
