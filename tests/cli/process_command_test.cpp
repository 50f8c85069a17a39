#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
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
    EXPECT_NE(unwritable.err.find("could not be written"), std::string::npos) << unwritable.err;
}

TEST(ProcessCommand, ThrottledGasKeepsItsEnthalpy) {
    const json j =
        processJson({"gas", "--type", "throttle", "--p1", "5", "--t1", "200", "--p2", "1"});
    ASSERT_FALSE(j.is_null());
    EXPECT_NEAR(j.at("final").at("h").get<double>(), j.at("initial").at("h").get<double>(), 1e-6);
    EXPECT_TRUE(j.at("results").at("dhIsentropic").is_null());
}

// A heat loss without a flow, or one beyond the range, leaves no state after it; a flow of
// 999 kg/s is a flow like any other.
TEST(ProcessCommand, HeatLossWithoutFlowOrBeyondTheRangeGivesNoStateAfterIt) {
    const CliRun run = runCli({"process", "steam", "--type", "throttle", "--p1", "10", "--t1",
                               "200", "--p2", "1", "--heat-loss", "50", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    EXPECT_TRUE(json::parse(run.out).at("results").at("hAfterLoss").is_null());
    const json j = processJson({"steam", "--type", "isentropic", "--p1", "50", "--t1", "400",
                                "--p2", "10", "--eta-s", "0.8", "--mass-flow", "999", "--heat-loss",
                                "3996000"});  // 4000 kJ/kg
    ASSERT_FALSE(j.is_null());
    EXPECT_TRUE(j.at("results").at("hAfterLoss").is_null());
    EXPECT_EQ(j.at("results").at("massFlow"), 999.0);
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
        command.push_back("--json");  // the refusal is then the object on stdout
        const CliRun asJson = runCli(command);
        EXPECT_EQ(asJson.exitCode, 2);
        EXPECT_EQ(asJson.err, "");
        const json j = json::parse(asJson.out, nullptr, false);
        EXPECT_NE(j.value("status", 0), 0) << asJson.out;
        EXPECT_EQ(j.value("message", std::string()), run.err.substr(0, run.err.size() - 1));
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

TEST(ProcessBatch, EachRowIsTheCommandWithItsFieldsOverTheCommandLinesOptions) {
    const std::vector<std::string> command{"process", "steam", "--type", "isentropic",  "--p1",
                                           "50",      "--t1",  "400",    "--mass-flow", "10"};
    std::vector<std::string> batch = command;
    batch.insert(batch.end(),
                 {"--p2", "20", "--batch", "--delimiter", ";", "--decimal-comma", "--jobs", "2"});
    const CliRun run = runCli(batch, "P2 [bar];ETA-S [-]\n10;0,8\n;0,9\n\n1;abc\n1.5;0,8\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    std::string points = run.out;
    std::replace(points.begin(), points.end(), ',', '.');
    std::replace(points.begin(), points.end(), ';', ',');
    const std::vector<std::string> header = fieldsOf(lineOf(points, 0));
    ASSERT_GT(header.size(), 4U);
    EXPECT_EQ(std::vector(header.begin(), header.begin() + 4),
              (std::vector<std::string>{"p2", "eta-s", "status", "message"}));
    const auto column = [&header](const std::string& key) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), key) -
                                        header.begin());
    };
    // The p2 of the command line stands where the row leaves it empty.
    for (const auto& [line, p2, etaS] : {std::tuple{1, "10", "0.8"}, std::tuple{2, "20", "0.9"}}) {
        const std::string row = lineOf(points, static_cast<std::size_t>(line));
        std::vector<std::string> single = command;
        single.insert(single.end(), {"--p2", p2, "--eta-s", etaS});
        const json j = processJson(std::vector(single.begin() + 1, single.end()));
        ASSERT_FALSE(j.is_null());
        EXPECT_EQ(fieldsOf(row)[0], p2);
        EXPECT_EQ(numberOf(fieldsOf(row)[column("results.power")]),
                  j.at("results").at("power").get<double>());
    }
    EXPECT_EQ(lineOf(run.out, 3), "");
    EXPECT_TRUE(lineOf(run.out, 4).starts_with("1;abc;input-error;")) << run.out;
    EXPECT_TRUE(lineOf(run.out, 5).starts_with("1.5;0,8;input-error;")) << "a point is refused";
}

TEST(ProcessBatch, HeaderNamesOnlyOptionsOfTheCommandInUnitsOfTheirQuantity) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused{
        {{"process", "steam", "--type", "throttle"}, "p2,foo\n"},
        {{"process", "steam", "--type", "throttle"}, "p2 [K]\n"},
        {{"process", "steam", "--type", "throttle"}, "html\n"},
        {{"process", "steam", "--type", "throttle"}, "p1,gauge-reference\n"},
        {{"flow", "gas", "--p", "1", "--t", "200"}, "mass-flow [m³/h]\n"},
        {{"ambient"}, ""},
    };
    for (auto [arguments, input] : refused) {
        SCOPED_TRACE(input);
        arguments.emplace_back("--batch");
        const CliRun run = runCli(arguments, input);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(" --batch: "), std::string::npos) << run.err;
    }
    const CliRun perHour = runCli(
        {"flow", "gas", "--p", "1", "--t", "200", "--diameter", "100", "--per-hour", "--batch"},
        "mass-flow [kg/h]\n3600\n");
    EXPECT_EQ(perHour.exitCode, 0) << perHour.err << perHour.out;
}

}  // namespace
}  // namespace vaporis::test
