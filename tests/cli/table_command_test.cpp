#include <array>
#include <cstddef>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "engine/common/not_set.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"

namespace vaporis::test {
namespace {

TEST(TableCommand, GridAsCsvWithARefusedStateMarked) {
    const CliRun run = runCli({"table", "--p", "1:2:1", "--t", "99.6059:199.6059:100"});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_TRUE(lineOf(run.out, 0).starts_with("p,t,status,message,h,"));
    EXPECT_EQ(lineOf(run.out, 5), "") << "four states";
    const auto refused = fieldsOf(lineOf(run.out, 1));
    EXPECT_EQ(refused[2], std::to_string(water::kInputOnSaturationLine));
    EXPECT_NE(refused[3], "");
    EXPECT_EQ(refused[4], "");
    water::WaterSteamState state(water::kModePT, 2.0, 199.6059, NOT_SET);
    state.calculate();
    EXPECT_EQ(numberOf(fieldsOf(lineOf(run.out, 4))[4]), state.stateValue(water::kH));
    EXPECT_EQ(runCli({"table", "--p", "1:3:1", "--t", "20"}).exitCode, 0);
}

TEST(TableCommand, SaturationAsJsonAndHtml) {
    const CliRun run = runCli({"table", "--saturation", "p", "1:10:9", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json rows = nlohmann::json::parse(run.out).at("rows");
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_NEAR(rows[1].at("t").get<double>(), 179.885632, 1e-6) << "ts at 10 bar";
    EXPECT_GT(rows[1].at("h''").get<double>(), rows[1].at("h'").get<double>());
    const TemporaryFolder folder;
    const std::string path = folder.file("table.html").string();
    ASSERT_EQ(runCli({"table", "--saturation", "t", "0.01:370:10", "--html", path}).exitCode, 0);
    EXPECT_NE(fileBytes(path).find("<table"), std::string::npos);
}

TEST(TableCommand, UsUnitsShowTheWrittenTableThroughThePublishedFactors) {
    // NIST: 1 psi = 6894.757293168 Pa, °F = °C 9/5 + 32, 1 BTU/lb = 2.326 kJ/kg exactly,
    // 1 ft = 0.3048 m, 1 lb = 0.45359237 kg.
    const double ft3PerLb = 0.3048 * 0.3048 * 0.3048 / 0.45359237;  // [m³/kg]
    const std::array<double, 8> factors{6894.757293168e-5, 5.0 / 9.0,    0,          0, 2.326,
                                        ft3PerLb,          1 / ft3PerLb, 2.326 * 1.8};
    const CliRun written = runCli({"table", "--p", "1:201:50", "--t", "100:500:100"});
    const CliRun us =
        runCli({"table", "--units", "us", "--p", "1:201:50 bar", "--t", "100:500:100C"});
    ASSERT_EQ(us.exitCode, 0) << us.err;
    EXPECT_TRUE(lineOf(us.out, 0).starts_with(
        "p [psia],t [°F],status,message,h [BTU/lb],v [ft³/lb],rho [lb/ft³],s [BTU/lb°F],"));
    for (std::size_t row = 1; row <= 25; ++row) {
        const auto bar = fieldsOf(lineOf(written.out, row));
        const auto psia = fieldsOf(lineOf(us.out, row));
        ASSERT_EQ(psia[2], "0") << lineOf(us.out, row);
        for (const std::size_t c : {0, 1, 4, 5, 6, 7}) {
            const double shown = numberOf(psia[c]) - (c == 1 ? 32.0 : 0.0);
            EXPECT_NEAR(shown * factors[c], numberOf(bar[c]), 1e-12 * numberOf(bar[c])) << c;
        }
    }
    // A step in °F is a difference: 50, 131, 212 °F are 10, 55, 100 °C.
    const nlohmann::json rows =
        nlohmann::json::parse(
            runCli({"table", "--p", "1", "--unit", "t=F", "--t", "50:212:81", "--json"}).out)
            .at("rows");
    ASSERT_EQ(rows.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        water::WaterSteamState state(water::kModePT, 1.0, 10.0 + 45.0 * static_cast<double>(i),
                                     NOT_SET);
        state.calculate();
        const double h = state.stateValue(water::kH);
        EXPECT_NEAR(rows[i].at("t").get<double>(), 50.0 + 81.0 * static_cast<double>(i), 1e-12);
        EXPECT_NEAR(rows[i].at("h").get<double>(), h, 1e-12 * h + 1e-12);
    }
}

TEST(TableCommand, UnusableRangesAreUsageErrors) {
    for (const auto& range : {"1:2:0", "2:1:1", "1:2", "a:b:c", "1:inf:1", "0:1e6:0.001"}) {
        SCOPED_TRACE(range);
        const CliRun run = runCli({"table", "--p", range, "--t", "20"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.starts_with("vaporis-cli: table")) << run.err;
    }
}

}  // namespace
}  // namespace vaporis::test
