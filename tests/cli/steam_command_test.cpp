#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "engine/water/iterations.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "output/format/number_text.h"
#include "output/reports/steam_table_report.h"

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
    EXPECT_NE(enthalpy.find(" " + output::formatFixed(state.vaporValue(water::kH), 6)),
              std::string::npos);
    for (std::size_t line = 5; line < 20; ++line) {
        SCOPED_TRACE(lineOf(run.out, line));
        EXPECT_EQ(width(lineOf(run.out, line)), width(enthalpy));
    }
    // ps (t) at 400 °C lies above the critical temperature: its row has no number.
    EXPECT_EQ(lineOf(run.out, 21), "ps (t) [bar]");
}

TEST(SteamCommand, TableShowsEveryValueToAtLeastSixSignificantDigits) {
    const CliRun run = runCli({"steam", "--p", "10", "--x", "0.5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const WaterSteamState state = computed(water::kModePX, 10.0, NOT_SET, 0.5);
    for (int i = 0; i < water::kPropertyCount; ++i) {
        // The last two cells of a property row: saturated liquid and vapour, known at 10 bar.
        std::istringstream cells(lineOf(run.out, 5 + static_cast<std::size_t>(i)));
        std::vector<std::string> words{std::istream_iterator<std::string>(cells), {}};
        ASSERT_GE(words.size(), 2U);
        const double liquid = state.liquidValue(i);
        const double vapour = state.vaporValue(i);
        EXPECT_NEAR(numberOf(words[words.size() - 2]), liquid, 5e-6 * std::abs(liquid)) << i;
        EXPECT_NEAR(numberOf(words.back()), vapour, 5e-6 * std::abs(vapour)) << i;
    }
}

TEST(SteamCommand, JsonReadsBackAsTheState) {
    const CliRun run = runCli({"steam", "--json", "--p", "10", "--x", "0.5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(runCli({"steam", "--json", "--p", "134.3729", "--t", "400"})
                    .out.starts_with(R"({"mode":0,"p":134.3729,"t":400,)"))
        << "inputs echoed in their shortest form";
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

TEST(SteamCommand, ValuesInOtherUnitsGiveTheStateOfTheirWrittenValues) {
    // 725.189 psia and 752 °F are 50 bar and 400 °C (1 psi = 6894.757293168 Pa, 1 BTU/lb =
    // 2.326 kJ/kg exactly).
    const WaterSteamState state = computed(water::kModePT, 50.0, 400.0, NOT_SET);
    const double h = state.stateValue(water::kH);
    const json given =
        json::parse(runCli({"steam", "--json", "--p", "725.189psia", "--t", "752F"}).out);
    EXPECT_NEAR(given.at("state").at("h").at("value").get<double>(), h, 1e-6 * h);
    const json us = json::parse(
        runCli({"steam", "--json", "--units", "us", "--p", "725.189", "--t", "752"}).out);
    EXPECT_NEAR(us.at("p").get<double>(), 725.189, 1e-9);
    EXPECT_NEAR(us.at("state").at("h").at("value").get<double>(), h / 2.326, 1e-6 * h);
    EXPECT_EQ(us.at("units").at("h"), "BTU/lb");
    EXPECT_EQ(us.at("units").at("t"), "°F");
    const json gauge = json::parse(runCli({"steam", "--json", "--p", "5 barg", "--t", "400"}).out);
    EXPECT_NEAR(gauge.at("p").get<double>(), 6.01325, 1e-12);
    for (const auto& [p, message] :
         {std::array<std::string, 2>{"5K",
                                     "--p \"5K\": K is a unit of temperature, not of pressure"},
          {"-1.1 atmg", "--p \"-1.1 atmg\": a gauge pressure below vacuum (-1 atmg)"}}) {
        const CliRun bad = runCli({"steam", "--t", "400", "--p", p});
        EXPECT_EQ(bad.exitCode, 1);
        EXPECT_EQ(bad.err, "vaporis-cli: " + message + "\n");
    }
    EXPECT_EQ(runCli({"steam", "--t", "400", "--p", "5", "--unit", "p=furlong"}).err,
              "vaporis-cli: --unit: \"p=furlong\": unknown unit \"furlong\"\n");
}

TEST(SteamCommand, GaugePressuresAreAboveTheGivenReference) {
    // 710.493 psig above 14.696 psia are 725.189 psia (1 psi = 6894.757293168 Pa).
    const json absolute =
        json::parse(runCli({"steam", "--json", "--p", "725.189psia", "--t", "400"}).out);
    const json gauge =
        json::parse(runCli({"steam", "--json", "--unit", "p=psig", "--gauge-reference",
                            "14.696psia", "--p", "710.493", "--t", "400"})
                        .out);
    const double h = absolute.at("state").at("h").at("value").get<double>();
    EXPECT_NEAR(gauge.at("state").at("h").at("value").get<double>(), h, 1e-12 * h);
    EXPECT_NEAR(gauge.at("p").get<double>(), 710.493, 1e-9);
    EXPECT_NEAR(gauge.at("units").at("gauge_reference_bar").get<double>(),
                14.696 * 6894.757293168e-5, 1e-12);
    const json us =
        json::parse(runCli({"steam", "--json", "--units", "us", "--p", "1", "--t", "400"}).out);
    EXPECT_FALSE(us.at("units").contains("gauge_reference_bar")) << "no gauge unit shown";
    for (const char* reference : {"0", "10.1", "1 barg", "1 K"}) {
        const CliRun bad = runCli({"steam", "--gauge-reference", reference, "--p", "5"});
        EXPECT_EQ(bad.exitCode, 1) << reference;
        EXPECT_TRUE(bad.err.starts_with("vaporis-cli: --gauge-reference \"")) << bad.err;
    }
}

TEST(SteamCommand, RefusedInputsGiveTheDialogMessageAndExitCode2) {
    const CliRun run = runCli({"steam", "--p", "1", "--t", "99.6059"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "State too close to boiling temperature! Use steam quality x as input parameter!\n");
    EXPECT_EQ(run.out, "");
    const CliRun asJson = runCli({"steam", "--p", "1", "--t", "99.6059", "--json"});
    EXPECT_EQ(asJson.exitCode, 2);
    const nlohmann::json refusal = nlohmann::json::parse(asJson.out);
    EXPECT_EQ(refusal.at("status"), water::kInputOnSaturationLine);
    EXPECT_EQ(refusal.at("message"), lineOf(run.err, 0));
}

TEST(SteamCommand, HtmlFileEqualsTheSteamTableReportAndAFailedOneIsAUsageError) {
    const TemporaryFolder folder;
    const std::string cliReport = folder.file("cli.html").string();
    const std::string dialogReport = folder.file("dialog.html").string();
    ASSERT_EQ(runCli({"steam", "--html", cliReport, "--p", "50", "--t", "400"}).exitCode, 0);
    ASSERT_TRUE(output::writeSteamTableReport(dialogReport,
                                              computed(water::kModePT, 50.0, 400.0, NOT_SET)));
    EXPECT_EQ(fileBytes(cliReport), fileBytes(dialogReport));
    const CliRun failed = runCli({"steam", "--p", "50", "--t", "400", "--html",
                                  folder.file("missing/report.html").string()});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.starts_with("vaporis-cli: --html ")) << failed.err;
}

TEST(SteamBatch, RowsStayAlignedWithTheInputAndFailedRowsKeepTheirInputs) {
    const std::string input = "P [bar],T [°C]\r\n50,400\r\n\r\nabc,1\r\n1,2,3\r\n 10 , 300 \r\n" +
                              std::string("1,99.6059\r\n1,\r\n") + std::string(5000, '1') + ",1\n";
    const CliRun run = runCli({"steam", "--batch"}, input);
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(lineOf(run.out, 0),
              "p,t,x,status,message,h,v,rho,s,cp,cv,w,eta,nu,lambda,a,kappa,Pr,beta,chi");
    const auto superheated = fieldsOf(lineOf(run.out, 1));
    ASSERT_EQ(superheated.size(), 20U);
    EXPECT_EQ(numberOf(superheated[5]),
              computed(water::kModePT, 50.0, 400.0, NOT_SET).stateValue(water::kH))
        << "a value reads back exactly";
    EXPECT_EQ(lineOf(run.out, 2), "") << "a blank line stays a blank line";
    EXPECT_TRUE(lineOf(run.out, 3).starts_with("abc,1,,input-error,")) << run.out;
    EXPECT_TRUE(lineOf(run.out, 4).starts_with("1,2,,input-error,"));
    EXPECT_TRUE(lineOf(run.out, 5).starts_with("10,300,,0,,"));
    const auto onTheLine = fieldsOf(lineOf(run.out, 6));
    EXPECT_EQ(onTheLine[3], "7");
    EXPECT_NE(onTheLine[4], "") << "the refusal in words";
    EXPECT_EQ(onTheLine[5], "") << "no values for a refused state";
    EXPECT_TRUE(lineOf(run.out, 7).starts_with("1,,,input-error,"));
    EXPECT_TRUE(lineOf(run.out, 8).starts_with(",,,input-error,"));
    EXPECT_EQ(fieldsOf(lineOf(run.out, 8)).size(), 20U);
    EXPECT_EQ(lineOf(run.out, 9), "");
}

TEST(SteamBatch, AllGoodRowsExitZeroAndEchoTheirInputsExactly) {
    // A spreadsheet's UTF-8 mark before the header is no part of the first name.
    const CliRun run = runCli({"steam", "--batch"}, "\xEF\xBB\xBFx,T\n0.25,134.3729\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto fields = fieldsOf(lineOf(run.out, 1));
    EXPECT_EQ(fields[1], "134.3729");
    EXPECT_EQ(fields[2], "0.25");
    EXPECT_EQ(numberOf(fields[5]),
              computed(water::kModeTX, NOT_SET, 134.3729, 0.25).stateValue(water::kH));
}

TEST(SteamBatch, SemicolonsAndDecimalCommasReadAndWrite) {
    const CliRun run = runCli({"steam", "--batch", "--decimal-comma"}, "p;t\n1,5;200\n1.5;200\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    std::string row = lineOf(run.out, 1);
    EXPECT_TRUE(row.starts_with("1,5;200;;0;;")) << row;
    std::replace(row.begin(), row.end(), ',', '.');
    std::replace(row.begin(), row.end(), ';', ',');
    EXPECT_EQ(numberOf(fieldsOf(row)[5]),
              computed(water::kModePT, 1.5, 200.0, NOT_SET).stateValue(water::kH));
    EXPECT_TRUE(lineOf(run.out, 2).starts_with("1.5;200;;input-error;")) << "a point is refused";
    const CliRun tabs = runCli({"steam", "--batch", "--delimiter", "tab"}, "p\tt\n50\t400\n");
    EXPECT_EQ(tabs.exitCode, 0) << tabs.err;
    EXPECT_TRUE(lineOf(tabs.out, 1).starts_with("50\t400\t\t0\t\t"));
    EXPECT_EQ(runCli({"steam", "--batch", "--decimal-comma", "--delimiter", ","}, "p,t\n").exitCode,
              1);
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

TEST(SteamBatch, HeaderUnitsAreConvertedAndQuotedFieldsAreRead) {
    // 1 MPa and 373.15 K are 10 bar and 100 °C; a unit of another quantity is refused.
    const CliRun mpa = runCli({"steam", "--batch"}, "p [MPa],t [K]\n1,373.15\n");
    EXPECT_EQ(mpa.exitCode, 0) << mpa.err;
    EXPECT_TRUE(lineOf(mpa.out, 1).starts_with("10,100,,0,,419.77415")) << mpa.out;
    const CliRun kelvin = runCli({"steam", "--batch"}, "p [K],t\n1,100\n");
    EXPECT_EQ(kelvin.exitCode, 1);
    EXPECT_NE(kelvin.err.find("\"K\""), std::string::npos) << kelvin.err;
    const CliRun us = runCli({"steam", "--batch", "--units", "us"}, "p,t\n145.0377,212\n");
    EXPECT_TRUE(lineOf(us.out, 0).starts_with("p [psia],t [°F],x,status,message,h [BTU/lb],"))
        << us.out;
    const CliRun quoted = runCli({"steam", "--batch", "--decimal-comma"},
                                 "\"P [ BAR ]\";\"t [\xB0"
                                 "c]\"\n\"10,5\";\"200\"\n\"1;2\n");
    EXPECT_EQ(quoted.exitCode, 3) << quoted.err;
    EXPECT_TRUE(lineOf(quoted.out, 1).starts_with("10,5;200;;0;;")) << quoted.out;
    EXPECT_NE(lineOf(quoted.out, 2).find("input-error"), std::string::npos) << "an open quote";
}

TEST(SteamBatch, AnyNumberOfJobsWritesTheSameBytes) {
    std::string input = "p,t\n";
    for (int i = 0; i < 3000; ++i) {
        input +=
            i % 97 == 0 ? "\n" : std::to_string(1 + i % 300) + "," + std::to_string(i % 800) + "\n";
    }
    const CliRun one = runCli({"steam", "--batch", "--jobs", "1"}, input);
    const CliRun three = runCli({"steam", "--batch", "--jobs", "3"}, input);
    EXPECT_EQ(one.exitCode, 3) << "states below the melting line fail";
    EXPECT_EQ(three.exitCode, one.exitCode);
    EXPECT_EQ(three.out, one.out);
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 3001);
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
    const CliRun run = runCli({"steam-ph", "--batch"}, "h,p\n1500,1\n-100,1\n");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(lineOf(run.out, 0), "p,h,status,message,t,x");
    EXPECT_TRUE(lineOf(run.out, 1).starts_with("1,1500,50,,99.60")) << "two-phase at 1 bar";
    EXPECT_TRUE(lineOf(run.out, 2).starts_with("1,-100,11,"));
    EXPECT_TRUE(lineOf(run.out, 2).ends_with(",,"));
}

}  // namespace
}  // namespace vaporis::test
