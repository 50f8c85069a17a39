#include <array>
#include <sstream>
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

constexpr std::array<const char*, 15> kKeys = {"h",  "v",     "rho", "s",    "cp",
                                               "cv", "w",     "eta", "nu",   "lambda",
                                               "a",  "kappa", "Pr",  "beta", "chi"};

WaterSteamState computed(int mode, double p, double t, double x) {
    WaterSteamState state(mode, p, t, x);
    state.calculate();
    return state;
}

// A valid value is printed so that it reads back exactly; an invalid one stays empty.
void expectField(const std::string& field, double value, int status) {
    if (status == water::kOk) {
        EXPECT_EQ(numberOf(field), value);
    } else {
        EXPECT_EQ(field, "");
    }
}

void expectRow(const json& row, const WaterSteamState& state,
               int (WaterSteamState::*status)(int) const,
               double (WaterSteamState::*value)(int) const) {
    for (int i = 0; i < water::kPropertyCount; ++i) {
        SCOPED_TRACE(kKeys[static_cast<std::size_t>(i)]);
        const json& entry = row.at(kKeys[static_cast<std::size_t>(i)]);
        EXPECT_EQ(entry.at("status"), (state.*status)(i));
        if ((state.*status)(i) == water::kOk) {
            EXPECT_EQ(entry.at("value").get<double>(), (state.*value)(i));
        } else {
            EXPECT_TRUE(entry.at("value").is_null());
        }
    }
}

TEST(SteamCommand, TableShowsStateLiquidAndVapourWithSixDecimals) {
    const CliRun run = runCli({"steam", "--p", "50", "--t", "400"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const WaterSteamState state = computed(water::kModePT, 50.0, 400.0, NOT_SET);
    EXPECT_EQ(lineOf(run.out, 0).substr(0, 16), "pressure p [bar]");
    EXPECT_TRUE(lineOf(run.out, 0).ends_with(" 50.000000"));
    EXPECT_EQ(lineOf(run.out, 2), "steam quality x [-]");
    // The label, then the state, liquid and vapour values in their columns.
    std::istringstream enthalpy(
        lineOf(run.out, 5).substr(std::string("specific enthalpy h [kJ/kg]").size()));
    std::string stateText, liquid, vapor;
    enthalpy >> stateText >> liquid >> vapor;
    EXPECT_EQ(stateText, ui::formatFixed(state.stateValue(water::kH), 6));
    EXPECT_EQ(liquid, ui::formatFixed(state.liquidValue(water::kH), 6));
    EXPECT_EQ(vapor, ui::formatFixed(state.vaporValue(water::kH), 6));
    EXPECT_TRUE(lineOf(run.out, 5).starts_with("specific enthalpy h [kJ/kg] "));
    // ps (t) at 400 °C lies above the critical temperature: its row has no number.
    EXPECT_EQ(lineOf(run.out, 21), "ps (t) [bar]");
    EXPECT_TRUE(lineOf(run.out, 22).ends_with(" " + ui::formatFixed(state.saturationValue(1), 6)));
}

TEST(SteamCommand, TableColumnsLineUpAcrossUnitSigns) {
    const CliRun run = runCli({"steam", "--p", "10", "--x", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Every value row ends at the same column, whether its label holds "³" or "⁻⁶".
    const std::string reference = lineOf(run.out, 5);
    const auto width = [](const std::string& line) {
        std::size_t count = 0;
        for (const char c : line) {
            count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        return count;
    };
    for (std::size_t line = 5; line < 20; ++line) {
        SCOPED_TRACE(lineOf(run.out, line));
        EXPECT_EQ(width(lineOf(run.out, line)), width(reference));
    }
}

TEST(SteamCommand, JsonReadsBackAsTheStateOfEachMode) {
    struct Case {
        std::vector<std::string> arguments;
        int mode;
        double p, t, x;
    };
    const std::vector<Case> cases = {
        {{"--p", "50", "--t", "400"}, water::kModePT, 50.0, 400.0, NOT_SET},
        {{"--p", "10", "--x", "0.5"}, water::kModePX, 10.0, NOT_SET, 0.5},
        {{"--t", "120", "--x", "1"}, water::kModeTX, NOT_SET, 120.0, 1.0},
        {{"--p", "0.01", "--t", "1500"}, water::kModePT, 0.01, 1500.0, NOT_SET},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[1] + " " + c.arguments[3]);
        std::vector<std::string> arguments = {"steam", "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const json document = json::parse(run.out);
        const WaterSteamState state = computed(c.mode, c.p, c.t, c.x);
        EXPECT_EQ(document.at("mode"), c.mode);
        EXPECT_EQ(document.at("inputStatus"), 0);
        EXPECT_EQ(document.at("p").get<double>(), state.pressure());
        EXPECT_EQ(document.at("t").get<double>(), state.temperature());
        if (c.mode == water::kModePT) {
            EXPECT_TRUE(document.at("x").is_null());
        } else {
            EXPECT_EQ(document.at("x").get<double>(), c.x);
        }
        expectRow(document.at("state"), state, &WaterSteamState::stateStatus,
                  &WaterSteamState::stateValue);
        expectRow(document.at("liquid"), state, &WaterSteamState::liquidStatus,
                  &WaterSteamState::liquidValue);
        expectRow(document.at("vapor"), state, &WaterSteamState::vaporStatus,
                  &WaterSteamState::vaporValue);
        for (const auto& [key, index] : {std::pair{"ps", 0}, {"ts", 1}, {"sigma", 2}}) {
            SCOPED_TRACE(key);
            EXPECT_EQ(document.at("saturation").at(key).at("status"),
                      state.saturationStatus(index));
        }
    }
}

TEST(SteamCommand, TwoPhaseStateLeavesCpUndefinedInJson) {
    const CliRun run = runCli({"steam", "--p", "10", "--x", "0.5", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json cp = json::parse(run.out).at("state").at("cp");
    EXPECT_TRUE(cp.at("value").is_null());
    EXPECT_EQ(cp.at("status"), kNotComputed);
}

TEST(SteamCommand, RefusedInputsGiveTheDialogMessageAndExitCode2) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--p", "1", "--t", "99.6059"},
         "State too close to boiling temperature! Use steam quality x as input parameter!\n"},
        {{"--p", "0.005", "--t", "20"}, "Input data is out of validity range!\n"},
        {{"--t", "-5", "--p", "1"}, "Input data is out of validity range!\n"},
        {{"--p", "10", "--x", "1.2"}, "Input data error. Please check your input data!\n"},
        {{"--p", "221", "--x", "0.5"}, "Input data error. Please check your input data!\n"},
        {{"--t", "374", "--x", "0.5"}, "Input data error. Please check your input data!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[1] + " " + c.arguments[3]);
        std::vector<std::string> arguments = {"steam"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

TEST(SteamCommand, HtmlFileEqualsTheSteamTableReport) {
    const TemporaryFolder folder;
    struct Case {
        std::vector<std::string> arguments;
        WaterSteamState state;
    };
    const std::vector<Case> cases = {
        {{"--p", "50", "--t", "400"}, computed(water::kModePT, 50.0, 400.0, NOT_SET)},
        {{"--p", "10", "--x", "0.5"}, computed(water::kModePX, 10.0, NOT_SET, 0.5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[3]);
        const std::string cliReport = folder.file("cli.html").string();
        const std::string dialogReport = folder.file("dialog.html").string();
        std::vector<std::string> arguments = {"steam", "--html", cliReport};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_TRUE(ui::writeSteamTableReport(dialogReport, c.state));
        EXPECT_FALSE(fileBytes(cliReport).empty());
        EXPECT_EQ(fileBytes(cliReport), fileBytes(dialogReport));
    }
}

TEST(SteamCommand, UnwritableReportIsAUsageError) {
    const TemporaryFolder folder;
    const CliRun run = runCli({"steam", "--p", "50", "--t", "400", "--html",
                               folder.file("missing/report.html").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.starts_with("vaporis-cli: --html ")) << run.err;
}

TEST(SteamBatch, GoodLinesReadBackAndMalformedLinesSayInputError) {
    const std::string input =
        "p,t\r\n50,400\r\n\r\nabc,1\r\n1,2,3\r\n 10 , 300 \r\n7\r\nnan,5\r\n0.005,20\r\n"
        "1,99.6059\r\n1e1,3e2\n" +
        std::string(5000, '1') + ",1\n";
    const CliRun run = runCli({"steam", "--batch"}, input);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineOf(run.out, 0),
              "p,t,x,status,h,v,rho,s,cp,cv,w,eta,nu,lambda,a,kappa,Pr,beta,chi");
    const std::string inputError = ",,,input-error,,,,,,,,,,,,,,,";
    struct Expected {
        std::size_t line;
        double p, t;
        int inputStatus;
    };
    for (const Expected& e :
         {Expected{1, 50.0, 400.0, 0}, Expected{4, 10.0, 300.0, 0}, Expected{7, 0.005, 20.0, 3},
          Expected{8, 1.0, 99.6059, 7}, Expected{9, 10.0, 300.0, 0}}) {
        SCOPED_TRACE(e.line);
        const auto fields = fieldsOf(lineOf(run.out, e.line));
        ASSERT_EQ(fields.size(), 19u);
        const WaterSteamState state = computed(water::kModePT, e.p, e.t, NOT_SET);
        EXPECT_EQ(numberOf(fields[0]), e.p);
        EXPECT_EQ(numberOf(fields[1]), e.t);
        EXPECT_EQ(fields[2], "");
        EXPECT_EQ(fields[3], std::to_string(e.inputStatus));
        for (int i = 0; i < water::kPropertyCount; ++i) {
            SCOPED_TRACE(kKeys[static_cast<std::size_t>(i)]);
            expectField(fields[static_cast<std::size_t>(4 + i)], state.stateValue(i),
                        state.stateStatus(i));
        }
    }
    for (const std::size_t line : {2u, 3u, 5u, 6u, 10u}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(lineOf(run.out, line), inputError);
    }
    EXPECT_EQ(lineOf(run.out, 11), "");
}

TEST(SteamBatch, HeaderChoosesTheModeInEitherColumnOrder) {
    // A spreadsheet's UTF-8 mark before the header is no part of the first name.
    const CliRun run = runCli({"steam", "--batch"}, "\xEF\xBB\xBFx,t\n0.25,150\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto fields = fieldsOf(lineOf(run.out, 1));
    const WaterSteamState state = computed(water::kModeTX, NOT_SET, 150.0, 0.25);
    EXPECT_EQ(numberOf(fields[0]), state.pressure());
    EXPECT_EQ(numberOf(fields[1]), 150.0);
    EXPECT_EQ(numberOf(fields[2]), 0.25);
    expectField(fields[4], state.stateValue(water::kH), state.stateStatus(water::kH));
    expectField(fields[8], state.stateValue(water::kCp), state.stateStatus(water::kCp));
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

TEST(SteamPhCommand, TwoPhaseEnthalpyGivesBoilingTemperatureAndQuality) {
    const CliRun run = runCli({"steam-ph", "--p", "1", "--h", "1500", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json document = json::parse(run.out);
    int status = -1;
    const double x = water::temperatureFromPH(1.0, 1500.0, status);
    EXPECT_EQ(document.at("status"), water::kTwoPhase);
    EXPECT_EQ(document.at("x").get<double>(), x);
    EXPECT_NEAR(document.at("t").get<double>(), 99.6059, 1e-4);
}

TEST(SteamPhCommand, TableShowsTemperatureWithoutQualityInOnePhase) {
    const CliRun run = runCli({"steam-ph", "--p", "1", "--h", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    int status = -1;
    const double t = water::temperatureFromPH(1.0, 2.0, status);
    EXPECT_TRUE(lineOf(run.out, 2).starts_with("temperature t [°C]"));
    EXPECT_TRUE(lineOf(run.out, 2).ends_with(" " + ui::formatFixed(t, 6)));
    EXPECT_EQ(lineOf(run.out, 3), "steam quality x [-]");
}

TEST(SteamPhCommand, EnthalpyBelowTheTriplePointGivesTheIterationMessage) {
    const CliRun run = runCli({"steam-ph", "--p", "1", "--h", "-100"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "Steam enthalpy iteration: Input data error. Please check your input data!\n");
    EXPECT_EQ(run.out, "");
}

TEST(SteamPhBatch, StatusIsTheIterationCode) {
    const CliRun run = runCli({"steam-ph", "--batch"}, "h,p\n1500,1\n-100,1\n2,x\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineOf(run.out, 0), "p,h,status,t,x");
    const auto twoPhase = fieldsOf(lineOf(run.out, 1));
    EXPECT_EQ(twoPhase[0], "1");
    EXPECT_EQ(twoPhase[1], "1500");
    EXPECT_EQ(twoPhase[2], "50");
    EXPECT_NEAR(numberOf(twoPhase[3]), 99.6059, 1e-4);
    EXPECT_GT(numberOf(twoPhase[4]), 0.0);
    EXPECT_EQ(lineOf(run.out, 2), "1,-100,11,,");
    EXPECT_EQ(lineOf(run.out, 3), ",,input-error,,");
}

}  // namespace
}  // namespace vaporis::test
