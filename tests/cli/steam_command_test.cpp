#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "engine/water/iterations.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "ui/number_text.h"
#include "ui/steam_table_report.h"

namespace vaporis::test {
namespace {

using nlohmann::json;
using water::WaterSteamState;

WaterSteamState computed(int mode, double p, double t, double x) {
    WaterSteamState state(mode, p, t, x);
    state.calculate();
    return state;
}

// Characters, not UTF-8 bytes: "³" and "⁻⁶" take one column each.
std::size_t width(const std::string& line) {
    std::size_t count = 0;
    for (const char c : line) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

TEST(SteamCommand, TableShowsStateLiquidAndVapourInAlignedColumns) {
    const CliRun run = runCli({"steam", "--p", "50", "--t", "400"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const WaterSteamState state = computed(water::kModePT, 50.0, 400.0, NOT_SET);
    EXPECT_TRUE(lineOf(run.out, 0).ends_with(" 50.000000"));
    EXPECT_EQ(lineOf(run.out, 2), "steam quality x [-]") << "no quality for p + t";
    const std::string enthalpy = lineOf(run.out, 5);
    EXPECT_NE(enthalpy.find(" " + ui::formatFixed(state.vaporValue(water::kH), 6)),
              std::string::npos);
    for (std::size_t line = 5; line < 20; ++line) {
        SCOPED_TRACE(lineOf(run.out, line));
        EXPECT_EQ(width(lineOf(run.out, line)), width(enthalpy));
    }
    // ps (t) at 400 °C lies above the critical temperature: its row has no number.
    EXPECT_EQ(lineOf(run.out, 21), "ps (t) [bar]");
}

TEST(SteamCommand, JsonReadsBackAsTheState) {
    const CliRun run = runCli({"steam", "--json", "--p", "10", "--x", "0.5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json document = json::parse(run.out);
    const WaterSteamState state = computed(water::kModePX, 10.0, NOT_SET, 0.5);
    EXPECT_EQ(document.at("t").get<double>(), state.temperature()) << "the boiling point";
    EXPECT_EQ(document.at("x").get<double>(), 0.5);
    EXPECT_EQ(document.at("liquid").at("h").at("value").get<double>(),
              state.liquidValue(water::kH));
    const json cp = document.at("state").at("cp");
    EXPECT_TRUE(cp.at("value").is_null()) << "wet steam has no cp";
    EXPECT_EQ(cp.at("status"), kNotComputed);
}

TEST(SteamCommand, RefusedInputsGiveTheDialogMessageAndExitCode2) {
    const CliRun run = runCli({"steam", "--p", "1", "--t", "99.6059"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "State too close to boiling temperature! Use steam quality x as input parameter!\n");
    EXPECT_EQ(run.out, "");
}

TEST(SteamCommand, HtmlFileEqualsTheSteamTableReportAndAFailedOneIsAUsageError) {
    const TemporaryFolder folder;
    const std::string cliReport = folder.file("cli.html").string();
    const std::string dialogReport = folder.file("dialog.html").string();
    ASSERT_EQ(runCli({"steam", "--html", cliReport, "--p", "50", "--t", "400"}).exitCode, 0);
    ASSERT_TRUE(
        ui::writeSteamTableReport(dialogReport, computed(water::kModePT, 50.0, 400.0, NOT_SET)));
    EXPECT_EQ(fileBytes(cliReport), fileBytes(dialogReport));
    const CliRun failed = runCli({"steam", "--p", "50", "--t", "400", "--html",
                                  folder.file("missing/report.html").string()});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.starts_with("vaporis-cli: --html ")) << failed.err;
}

TEST(SteamBatch, GoodLinesReadBackAndMalformedLinesSayInputError) {
    const std::string input =
        "p,t\r\n50,400\r\n\r\nabc,1\r\n1,2,3\r\n 10 , 300 \r\nnan,5\r\n1,99.6059\r\n" +
        std::string(5000, '1') + ",1\n";
    const CliRun run = runCli({"steam", "--batch"}, input);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineOf(run.out, 0),
              "p,t,x,status,h,v,rho,s,cp,cv,w,eta,nu,lambda,a,kappa,Pr,beta,chi");
    const auto superheated = fieldsOf(lineOf(run.out, 1));
    ASSERT_EQ(superheated.size(), 19U);
    EXPECT_EQ(numberOf(superheated[4]),
              computed(water::kModePT, 50.0, 400.0, NOT_SET).stateValue(water::kH))
        << "a value reads back exactly";
    EXPECT_TRUE(lineOf(run.out, 4).starts_with("10,300,,0,")) << "blanks around a number";
    const auto onTheLine = fieldsOf(lineOf(run.out, 6));
    EXPECT_EQ(onTheLine[3], "7");
    EXPECT_EQ(onTheLine[4], "") << "no values for a refused state";
    for (const std::size_t line : {2U, 3U, 5U, 7U}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(lineOf(run.out, line), ",,,input-error,,,,,,,,,,,,,,,");
    }
}

TEST(SteamBatch, HeaderChoosesTheModeInEitherColumnOrder) {
    // A spreadsheet's UTF-8 mark before the header is no part of the first name.
    const CliRun run = runCli({"steam", "--batch"}, "\xEF\xBB\xBFx,t\n0.25,150\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto fields = fieldsOf(lineOf(run.out, 1));
    const WaterSteamState state = computed(water::kModeTX, NOT_SET, 150.0, 0.25);
    EXPECT_EQ(numberOf(fields[2]), 0.25);
    EXPECT_EQ(numberOf(fields[4]), state.stateValue(water::kH));
}

TEST(SteamBatch, MissingOrUnknownHeaderIsAOneLineError) {
    for (const std::string input : {"", "\n\n", "p,q\n1,2\n", "50,400\n", "p,t,x\n"}) {
        SCOPED_TRACE(input);
        const CliRun run = runCli({"steam", "--batch"}, input);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("vaporis-cli: steam --batch: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    }
    // Binary input is quoted whole and harmless: a NUL would end the message early, an
    // escape sequence or carriage return would reach the terminal.
    const CliRun run = runCli({"steam", "--batch"}, std::string("a\0b,\x1B[31m\rc\n", 12));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.ends_with(", not \"a?b,?[31m?c\"\n")) << run.err;
}

TEST(SteamPhCommand, EnthalpyGivesBoilingTemperatureAndQualityOrTheIterationMessage) {
    const CliRun run = runCli({"steam-ph", "--p", "1", "--h", "1500", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json document = json::parse(run.out);
    int status = -1;
    EXPECT_EQ(document.at("x").get<double>(), water::temperatureFromPH(1.0, 1500.0, status));
    EXPECT_NEAR(document.at("t").get<double>(), 99.6059, 1e-4) << "ts at 1 bar";
    const CliRun liquid = runCli({"steam-ph", "--p", "1", "--h", "2"});
    EXPECT_TRUE(lineOf(liquid.out, 2).starts_with("temperature t [°C]"));
    EXPECT_EQ(lineOf(liquid.out, 3), "steam quality x [-]") << "no quality in one phase";
    const CliRun refused = runCli({"steam-ph", "--p", "1", "--h", "-100"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err,
              "Steam enthalpy iteration: Input data error. Please check your input data!\n");
}

TEST(SteamPhBatch, StatusIsTheIterationCode) {
    const CliRun run = runCli({"steam-ph", "--batch"}, "h,p\n1500,1\n-100,1\n2,x\n");
    EXPECT_EQ(lineOf(run.out, 0), "p,h,status,t,x");
    EXPECT_TRUE(lineOf(run.out, 1).starts_with("1,1500,50,99.60")) << "two-phase at 1 bar";
    EXPECT_EQ(lineOf(run.out, 2), "1,-100,11,,");
    EXPECT_EQ(lineOf(run.out, 3), ",,input-error,,");
}

}  // namespace
}  // namespace vaporis::test
