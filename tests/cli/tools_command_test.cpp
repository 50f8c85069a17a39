#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

TEST(ToolsCommand, EachToolPrintsItsDialogResultsAsJson) {
    const CliRun atmosphere = runCli({"tools", "atmosphere", "--level", "0", "--json"});
    ASSERT_EQ(atmosphere.exitCode, 0) << atmosphere.err;
    EXPECT_NEAR(json::parse(atmosphere.out).at("p").get<double>(), 1013.0, 1e-9);
    const CliRun quench = runCli({"tools", "quench", "--p-cw", "40", "--json"});
    ASSERT_EQ(quench.exitCode, 0) << quench.err;
    const json q = json::parse(quench.out);
    EXPECT_NEAR(q.at("massFlowWater").get<double>(), 0.052, 0.001);
    EXPECT_EQ(q.at("status"), 0);
    ASSERT_EQ(q.at("warnings").size(), 1U);
    EXPECT_NE(q.at("warnings")[0].get<std::string>().find("p_cw > p_in > p_ss"), std::string::npos);
    // The nozzle alone: no tube, so the flux is the nozzle's maximum.
    const CliRun nozzle = runCli({"tools", "outflow", "--length", "0", "--json"});
    ASSERT_EQ(nozzle.exitCode, 0) << nozzle.err;
    const json j = json::parse(nozzle.out);
    EXPECT_EQ(j.at("massFlux"), j.at("gLaval"));
    EXPECT_TRUE(j.at("xInlet").is_null());
    EXPECT_EQ(j.at("choked"), true);
    EXPECT_EQ(j.at("outletIterationAborted"), false);
    EXPECT_TRUE(j.at("warnings").empty());
}

TEST(ToolsCommand, QuenchWithoutAValidBalanceIsRefusedWithoutNumbers) {
    const std::vector<std::string> setOnSaturation{
        "--p-ss", "10",     "--t-ss", "300",     "--m-ss",   "5",        "--p-cw",
        "20",     "--t-cw", "30",     "--t-set", "179.8856", "--p-exit", "10"};
    for (const std::vector<std::string>& arguments :
         {setOnSaturation, {"--t-set", "5000"}, {"--m-ss", "-5"}, {"--t-cw", "360"}}) {
        std::vector<std::string> command{"tools", "quench", "--json"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const CliRun run = runCli(command);
        EXPECT_EQ(run.exitCode, 2) << arguments[1];
        const json j = json::parse(run.out);
        EXPECT_NE(j.at("status"), 0);
        EXPECT_FALSE(j.at("message").get<std::string>().empty());
        EXPECT_FALSE(j.contains("massFlowWater"));
    }
}

TEST(ToolsCommand, RefusedOutflowSaysWhyAndExitsWithTheInputStatus) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--length", "0.05"},
                                                      {"--steps", "0"},
                                                      {"--p-tank", "60"},
                                                      {"--steps", "1001"}}) {
        std::vector<std::string> command{"tools", "outflow"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const CliRun run = runCli(command);
        EXPECT_EQ(run.exitCode, 2) << arguments[0];
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_NE(runCli({"tools", "outflow", "--steps", "1001"}).err.find("limited to 1000"),
              std::string::npos);
}

}  // namespace
}  // namespace vaporis::test
