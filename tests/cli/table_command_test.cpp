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
