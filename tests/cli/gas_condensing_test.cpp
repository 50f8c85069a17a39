#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "engine/gas/condensation.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/status_codes.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

// 12.352 kPa of vapour in air at 1 bar: dew point 50 °C (IAPWS).
const std::vector<std::string> kHumidAir = {"gas", "--condensation", "--p",
                                            "1",   "--vol",          "H2O=12.352,air=87.648"};

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(GasCondensingCommand, BelowTheDewPointJsonHoldsGasPlusCondensateAndRoundTrips) {
    const CliRun run = runCli(with(kHumidAir, {"--t", "30", "--json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const json condensing = json::parse(run.out).at("condensing");
    const double h = condensing.at("h").at("value").get<double>();
    const double s = condensing.at("s").at("value").get<double>();
    EXPECT_EQ(condensing.at("h").at("status"), gas::kCondensation);
    gas::GasAnalysis air;
    air.setDefault();
    air.setComponentVolumeFraction(gas::kWaterVapor, 0.12352);
    double water = 0.0;
    double condensation = 0.0;
    int status = -1;
    EXPECT_NEAR(h, gas::enthalpyWithCondensation(air, 1.0, 30.0, water, condensation, status),
                1e-9);
    // Dry gas conserved: the liquid per kg of gas from the vapour left in the gas phase.
    const double condensate = 1.0 - (1.0 - air.massFraction(gas::kWaterVapor)) / (1.0 - water);
    EXPECT_NEAR(condensing.at("condensate").at("value").get<double>(), condensate, 1e-15);
    for (const auto& [option, value] : {std::pair{"--h", h}, std::pair{"--s", s}}) {
        SCOPED_TRACE(option);
        const CliRun back = runCli(with(kHumidAir, {option, std::to_string(value), "--json"}));
        ASSERT_EQ(back.exitCode, 0) << back.err;
        EXPECT_NEAR(json::parse(back.out).at("t").get<double>(), 30.0, 1e-4);
    }
}

TEST(GasCondensingCommand, AboveTheDewPointThereIsNoCondensate) {
    const CliRun run = runCli(with(kHumidAir, {"--t", "80"}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Condensate [kg/kg]"), std::string::npos);
    const CliRun entropy = runCli(with(kHumidAir, {"--s", "-100"}));
    EXPECT_EQ(entropy.exitCode, 2);
    EXPECT_NE(entropy.err, "");
}

TEST(GasCondensingBatch, EntropyColumnGivesTheStateAndTheCondensingColumns) {
    const CliRun run = runCli({"gas", "--condensation", "--batch", "--vol", "H2O=10,air=90"},
                              "s,p\n6.9,1\n-100,1\nx,1\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_TRUE(lineOf(run.out, 0).ends_with(",Hu,hCondensing,sCondensing,condensate"));
    const auto fields = fieldsOf(lineOf(run.out, 1));
    ASSERT_EQ(fields.size(), 32u);
    EXPECT_NEAR(numberOf(fields[30]), 6.9, 1e-6);
    EXPECT_EQ(fieldsOf(lineOf(run.out, 2))[2], "4");
    EXPECT_EQ(fieldsOf(lineOf(run.out, 3))[2], "input-error");
}

TEST(GasCondensingCommand, EntropyNeedsCondensationAndNoReportIsWritten) {
    EXPECT_EQ(runCli({"gas", "--p", "1", "--s", "7"}).exitCode, 1);
    EXPECT_EQ(runCli(with(kHumidAir, {"--t", "30", "--html", "x.html"})).exitCode, 1);
}

}  // namespace
}  // namespace vaporis::test
