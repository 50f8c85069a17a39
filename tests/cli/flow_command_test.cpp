#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

json runJson(std::vector<std::string> arguments) {
    arguments.emplace_back("--json");
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.exitCode == 0 ? json::parse(run.out) : json::object();
}

const std::vector<std::string> kSteam = {"flow", "steam", "--p", "50", "--t", "400"};

std::vector<std::string> with(std::vector<std::string> base, const std::vector<std::string>& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

TEST(FlowCommand, HelpListsEveryJsonResultKey) {
    for (const char* fluid : {"steam", "gas"}) {
        SCOPED_TRACE(fluid);
        const CliRun help = runCli({"flow", fluid, "--help"});
        ASSERT_EQ(help.exitCode, 0);
        const json document = runJson(
            {"flow", fluid, "--p", "1", "--t", "200", "--mass-flow", "1", "--diameter", "100"});
        ASSERT_TRUE(document.contains("results"));
        for (const auto& [key, value] : document.at("results").items()) {
            EXPECT_NE(help.out.find(key), std::string::npos) << key;
        }
    }
}

// The sizing example: 1 m³/s at 10 m/s through two tubes.
TEST(FlowCommand, SolvedDiameterClosesTheFlowTriangle) {
    const json sized = runJson(with(
        kSteam, {"--solve", "diameter", "--volume-flow", "1", "--velocity", "10", "--tubes", "2"}));
    EXPECT_NEAR(sized.at("results").at("totalCrossSection").get<double>(), 100000.0, 1e-6);
    EXPECT_NEAR(sized.at("width").get<double>(), 252.31, 0.005);
    const std::string width = std::to_string(sized.at("width").get<double>());
    const json back = runJson(
        with(kSteam, {"--solve", "flow", "--diameter", width, "--velocity", "10", "--tubes", "2"}));
    EXPECT_NEAR(back.at("results").at("volumeFlow").get<double>(), 1.0, 1e-5);
}

TEST(FlowCommand, FlowsPerHourAreTheSameFlowPerSecond) {
    const json perSecond = runJson(with(kSteam, {"--mass-flow", "1", "--diameter", "50"}));
    const json perHour =
        runJson(with(kSteam, {"--per-hour", "--mass-flow", "3600", "--diameter", "50"}));
    EXPECT_EQ(perHour.at("results").at("massFlow"), 3600.0);
    EXPECT_DOUBLE_EQ(perHour.at("velocity").get<double>(), perSecond.at("velocity").get<double>());
}

TEST(FlowCommand, WetSteamHasNoFrictionSaysSoAndStopsAboveMachOne) {
    const json wet = runJson({"flow", "steam", "--p", "10", "--x", "0.5", "--mass-flow", "1",
                              "--diameter", "50", "--zeta", "2"});
    const json& results = wet.at("results");
    for (const char* key :
         {"frictionCoefficient", "frictionPressureDrop", "heatTransferCoefficient"}) {
        EXPECT_TRUE(results.at(key).is_null()) << key;
    }
    EXPECT_GT(wet.at("sonicVelocity").get<double>(), 0.0);
    EXPECT_EQ(results.at("totalPressureDrop"), results.at("zetaPressureDrop"));
    EXPECT_GT(results.at("zetaPressureDrop").get<double>(), 0.0);
    EXPECT_EQ(wet.at("warnings").size(), 1U);
    const CliRun fast = runCli({"flow", "steam", "--p", "50", "--x", "0.1", "--solve", "flow",
                                "--velocity", "200", "--diameter", "100", "--length", "30"});
    EXPECT_EQ(fast.exitCode, 2);
    EXPECT_NE(fast.err.find("Mach number > 1"), std::string::npos);
}

TEST(FlowCommand, UnusableArgumentsExit1AndRefusedStatesExit2) {
    for (const auto& arguments :
         {with(kSteam, {"--solve", "diameter", "--mass-flow", "1"}),  // no velocity
          with(kSteam, {"--velocity", "10", "--mass-flow", "1", "--diameter", "50"}),  // solved
          with(kSteam, {"--mass-flow", "0", "--diameter", "50"}),
          with(kSteam, {"--mass-flow", "1", "--width", "50"}),  // no height
          {"flow", "gas", "--p", "1", "--t", "20", "--mass-flow", "1", "--diameter", "50",
           "--level", "100"}}) {  // ambience without a height difference
        EXPECT_EQ(runCli(arguments).exitCode, 1) << arguments.back();
    }
    const CliRun supersonic = runCli(with(kSteam, {"--mass-flow", "100", "--diameter", "50"}));
    EXPECT_EQ(supersonic.exitCode, 2);
    EXPECT_TRUE(supersonic.out.empty());
    EXPECT_FALSE(supersonic.err.empty());
}

TEST(FlowCommand, MachAbove03WarnsBesideCompleteResults) {
    const CliRun run = runCli(
        with(kSteam, {"--solve", "flow", "--velocity", "190", "--diameter", "50", "--json"}));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.err.empty());
    const json document = json::parse(run.out);
    EXPECT_GT(document.at("results").at("machNumber").get<double>(), 0.3);
    EXPECT_FALSE(document.at("results").at("frictionCoefficient").is_null());
}

const std::vector<std::string> kStack = {"flow", "gas",           "--p", "1",          "--t",
                                         "200",  "--normal-flow", "1",   "--diameter", "300"};

TEST(FlowCommand, DraftIsTheWeightOfTheAirColumnLessThatOfTheGas) {
    const json up = runJson(with(kStack, {"--height-difference", "50", "--level", "1000"}));
    const double ambientDensity = up.at("ambient").at("density").get<double>();
    const double expected = 9.81 * 50.0 * (ambientDensity - up.at("density").get<double>()) * 0.01;
    EXPECT_NEAR(up.at("results").at("draft").get<double>(), expected, 1e-9);
    EXPECT_LT(up.at("ambient").at("pressure").get<double>(), 1.013);
    const json down = runJson(with(kStack, {"--height-difference", "-50", "--level", "1000"}));
    EXPECT_DOUBLE_EQ(down.at("results").at("draft").get<double>(), -expected);
    EXPECT_TRUE(runJson(kStack).at("results").at("draft").is_null());
}

TEST(FlowCommand, FailedAmbientAirWarnsAndKeepsTheFlowResults) {
    const CliRun run = runCli(with(kStack, {"--height-difference", "50", "--ambient-t", "-5",
                                            "--ambient-phi", "50", "--json"}));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.err.empty());
    const json document = json::parse(run.out);
    EXPECT_TRUE(document.at("ambient").is_null());
    EXPECT_TRUE(document.at("results").at("draft").is_null());
    EXPECT_FALSE(document.at("results").at("totalPressureDrop").is_null());
}

TEST(AmbientCommand, DefaultsAndLevel) {
    const json sea = runJson({"ambient"});
    EXPECT_DOUBLE_EQ(sea.at("pressure").get<double>(), 1.013);
    EXPECT_NEAR(sea.at("density").get<double>(), 1.22, 0.005);
    EXPECT_NEAR(sea.at("humidityRatio").get<double>(), 0.0069, 0.0001);
    EXPECT_NEAR(sea.at("dewPoint").get<double>(), 8.5, 0.05);
    // Barometric formula of an isothermal atmosphere: about 11 % less at 1000 m.
    const json high = runJson({"ambient", "--level", "1000"});
    EXPECT_NEAR(high.at("pressure").get<double>() / 1.013,
                std::exp(-sea.at("density").get<double>() * 9.81 * 1000.0 / 101300.0), 2e-3);
    EXPECT_TRUE(runJson({"ambient", "--t", "-10", "--phi", "0"}).at("dewPoint").is_null());
    EXPECT_EQ(runCli({"ambient", "--phi", "100.5"}).exitCode, 2);
}

TEST(FlowCommand, HtmlWritesTheReport) {
    const TemporaryFolder folder;
    const std::filesystem::path report = folder.file("flow.html");
    const CliRun run = runCli(with(kStack, {"--height-difference", "10", "--html", report}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(fileBytes(report).find("Draft due to difference in height"), std::string::npos);
}

}  // namespace
}  // namespace vaporis::test
