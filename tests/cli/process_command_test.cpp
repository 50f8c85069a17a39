#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

json processJson(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"process"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    command.emplace_back("--json");
    const CliRun run = runCli(command);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.exitCode == 0 ? json::parse(run.out) : json();
}

TEST(ProcessCommand, LosslessSteamExpansionIntoWetSteamKeepsEntropyAndHasNoFlowResults) {
    const json j =
        processJson({"steam", "--type", "isentropic", "--p1", "100", "--t1", "500", "--p2", "1"});
    ASSERT_FALSE(j.is_null());
    EXPECT_EQ(j.at("status"), 0);
    EXPECT_TRUE(j.at("initial").at("x").is_null());
    EXPECT_GT(j.at("final").at("x").get<double>(), 0.0);
    EXPECT_NEAR(j.at("final").at("s").get<double>(), j.at("initial").at("s").get<double>(), 1e-6);
    const json& r = j.at("results");
    EXPECT_EQ(r.at("dh"), r.at("dhIsentropic"));
    EXPECT_TRUE(r.at("power").is_null());
    EXPECT_TRUE(r.at("massFlow").is_null());
}

TEST(ProcessCommand, PowerIsFlowTimesEnthalpyDropTimesShaftAndGeneratorShare) {
    const json j = processJson({"steam", "--type", "isentropic", "--p1", "50", "--t1", "400",
                                "--p2", "1", "--eta-s", "0.85", "--eta-m", "0.98", "--eta-g",
                                "0.97", "--volume-flow", "0.5"});
    ASSERT_FALSE(j.is_null());
    const json& r = j.at("results");
    const double m = 0.5 / j.at("initial").at("v").get<double>();
    EXPECT_NEAR(r.at("massFlow").get<double>(), m, 1e-9);
    EXPECT_NEAR(r.at("power").get<double>(), m * r.at("dh").get<double>() * 0.98 * 0.97, 1e-6);
}

TEST(ProcessCommand, FlueGasExpandedBelowItsDewPointWarnsAndReportsCondensate) {
    TemporaryFolder folder;
    const std::string report = folder.file("gas.html").string();
    const std::string diagram = folder.file("gas.svg").string();
    const std::string picture = folder.file("gas.png").string();
    const CliRun run =
        runCli({"process",     "gas",   "--type", "isentropic", "--p1",  "3",
                "--t1",        "130",   "--p2",   "1",          "--vol", "H2O=15,N2=72,O2=5,CO2=8",
                "--mass-flow", "2",     "--json", "--html",     report,  "--svg",
                diagram,       "--png", picture});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_FALSE(run.err.empty());
    const json j = json::parse(run.out);
    EXPECT_EQ(j.at("status"), 109);
    const json& r = j.at("results");
    EXPECT_GT(r.at("condensate").get<double>(), 0.0);
    EXPECT_NEAR(r.at("condensateFlow").get<double>(), 2.0 * r.at("condensate").get<double>(), 1e-9);
    EXPECT_TRUE(r.at("xAfterLoss").is_null());
    EXPECT_FALSE(fileBytes(report).empty());
    EXPECT_NE(fileBytes(diagram).find("</svg>"), std::string::npos);
    EXPECT_EQ(fileBytes(picture).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST(ProcessCommand, SteamExpansionWritesItsHsDiagramAndSaysWhenAFileCannotBeWritten) {
    TemporaryFolder folder;
    const std::string pdf = folder.file("hs.pdf").string();
    const std::vector<std::string> expansion{"process", "steam", "--type",    "isentropic", "--p1",
                                             "50",      "--t1",  "400",       "--p2",       "0.5",
                                             "--eta-s", "0.85",  "--diagram", "hs"};
    std::vector<std::string> args = expansion;
    args.insert(args.end(), {"--pdf", pdf, "--h-min", "2000"});
    const CliRun run = runCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(fileBytes(pdf).substr(0, 5), "%PDF-");
    args = expansion;
    args.insert(args.end(), {"--png", folder.file("no such folder/hs.png").string()});
    const CliRun unwritable = runCli(args);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("the diagram file could not be written"), std::string::npos)
        << unwritable.err;
}

TEST(ProcessCommand, ThrottledGasKeepsItsEnthalpy) {
    const json j =
        processJson({"gas", "--type", "throttle", "--p1", "5", "--t1", "200", "--p2", "1"});
    ASSERT_FALSE(j.is_null());
    EXPECT_NEAR(j.at("final").at("h").get<double>(), j.at("initial").at("h").get<double>(), 1e-6);
    EXPECT_TRUE(j.at("results").at("dhIsentropic").is_null());
}

TEST(ProcessCommand, HeatLossWithoutFlowWarnsOnceAndIsNotApplied) {
    const CliRun run = runCli({"process", "steam", "--type", "throttle", "--p1", "10", "--t1",
                               "200", "--p2", "1", "--heat-loss", "50", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    EXPECT_TRUE(json::parse(run.out).at("results").at("hAfterLoss").is_null());
}

TEST(ProcessCommand, RefusedProcessesExitWithTwoAndUnusableOptionsWithOne) {
    const std::vector<std::vector<std::string>> refused = {
        {"steam", "--type", "throttle", "--p1", "1", "--t1", "200", "--p2", "5"},
        {"steam", "--type", "isentropic", "--p1", "5", "--t1", "200", "--p2", "1", "--eta-s",
         "1.5"},
        {"gas", "--type", "isentropic", "--p1", "3", "--t1", "30", "--p2", "1", "--vol",
         "H2O=15,N2=85"},
        {"gas", "--type", "throttle", "--p1", "3", "--t1", "300", "--p2", "1", "--vol", "H2O=100"},
    };
    for (const auto& arguments : refused) {
        std::vector<std::string> command{"process"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const CliRun run = runCli(command);
        EXPECT_EQ(run.exitCode, 2) << command[3];
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(
        runCli({"process", "steam", "--type", "balance", "--p1", "5", "--t1", "200", "--p2", "1"})
            .exitCode,
        1);
    EXPECT_EQ(runCli({"process", "gas", "--type", "isentropic", "--p1", "5", "--t1", "200", "--p2",
                      "1", "--x2", "1"})
                  .exitCode,
              1);
    // A diagram needs an ascending range.
    EXPECT_EQ(runCli({"process", "steam", "--type", "throttle", "--p1", "5", "--t1", "200", "--p2",
                      "1", "--svg", "never.svg", "--t-min", "300", "--t-max", "100"})
                  .exitCode,
              1);
    // The h axis belongs to the h-s diagram.
    EXPECT_EQ(runCli({"process", "steam", "--type", "throttle", "--p1", "5", "--t1", "200", "--p2",
                      "1", "--svg", "never.svg", "--h-min", "2000"})
                  .exitCode,
              1);
}

}  // namespace
}  // namespace vaporis::test
