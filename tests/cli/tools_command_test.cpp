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
    EXPECT_NEAR(json::parse(quench.out).at("massFlowWater").get<double>(), 0.052, 0.001);
    EXPECT_NE(quench.err.find("p_cw > p_in > p_ss"), std::string::npos);
    // The nozzle alone: no tube, so the flux is the nozzle's maximum.
    const CliRun nozzle = runCli({"tools", "outflow", "--length", "0", "--json"});
    ASSERT_EQ(nozzle.exitCode, 0) << nozzle.err;
    const json j = json::parse(nozzle.out);
    EXPECT_EQ(j.at("massFlux"), j.at("gLaval"));
    EXPECT_TRUE(j.at("xInlet").is_null());
}

TEST(ToolsCommand, RefusedOutflowSaysWhyAndExitsWithTheInputStatus) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--length", "0.05"}, {"--steps", "0"}, {"--p-tank", "60"}}) {
        std::vector<std::string> command{"tools", "outflow"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const CliRun run = runCli(command);
        EXPECT_EQ(run.exitCode, 2) << arguments[0];
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace
}  // namespace vaporis::test
