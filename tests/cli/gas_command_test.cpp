#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/status_codes.h"
#include "output/reports/gas_property_report.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

gas::GasAnalysis volumeAnalysis(std::initializer_list<std::pair<int, double>> percentages) {
    std::array<double, gas::kComponentCount> values{};
    for (const auto& [index, percent] : percentages) {
        values[static_cast<std::size_t>(index)] = percent;
    }
    gas::GasAnalysis analysis;
    analysis.setFromVolumePercent(values);
    return analysis;
}

gas::GasAnalysis dryAir() {
    gas::GasAnalysis analysis;
    analysis.setDefault();
    return analysis;
}

gas::GasState computed(const gas::GasAnalysis& analysis, double p, double t) {
    gas::GasState state(analysis, p, t);
    state.calculate();
    return state;
}

TEST(GasCommand, DefaultIsDryAirAndJsonReadsBackAsTheGasState) {
    const CliRun run = runCli({"gas", "--p", "1", "--t", "400", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json document = json::parse(run.out);
    const gas::GasAnalysis air = dryAir();
    const gas::GasState state = computed(air, 1.0, 400.0);
    EXPECT_EQ(document.at("t").get<double>(), 400.0);
    EXPECT_EQ(document.at("status"), gas::kOk);
    EXPECT_EQ(document.at("analysis").at("volumePercent"), json({{"air", 100.0}}));
    const json& properties = document.at("properties");
    EXPECT_EQ(properties.at("cp").get<double>(), state.property(gas::kCp)) << "reads back exactly";
    EXPECT_EQ(properties.at("Hu").get<double>(), state.property(gas::kLowerHeatingValue));
    EXPECT_TRUE(properties.at("dewPoint").is_null()) << "dry air has no dew point";
}

TEST(GasCommand, VolumeAndMassSpecsGiveTheirAnalysis) {
    const CliRun byVolume =
        runCli({"gas", "--p", "1", "--t", "20", "--vol", "N2=79, O2=21", "--json"});
    ASSERT_EQ(byVolume.exitCode, 0) << byVolume.err;
    const gas::GasAnalysis air = volumeAnalysis({{gas::kNitrogen, 79.0}, {gas::kOxygen, 21.0}});
    EXPECT_EQ(json::parse(byVolume.out).at("analysis").at("massPercent").at("O2").get<double>(),
              100.0 * air.massFraction(gas::kOxygen));
    const CliRun byMass =
        runCli({"gas", "--p", "1", "--t", "20", "--mass", "CH4=50,H2=50", "--json"});
    EXPECT_EQ(json::parse(byMass.out).at("analysis").at("massPercent"),
              json({{"H2", 50.0}, {"CH4", 50.0}}));
    const CliRun scaled = runCli({"gas", "--p", "1", "--t", "20", "--vol", "N2=158,O2=42"});
    EXPECT_EQ(scaled.err, "vaporis-cli: note: --vol adds up to 200 %; scaled to 100 %\n");
}

TEST(GasCommand, HeliumAbove2044KWarnsLeavesTransportOutAndWritesTheDialogsReport) {
    const TemporaryFolder folder;
    const std::string cliReport = folder.file("cli.html").string();
    const std::string dialogReport = folder.file("dialog.html").string();
    const CliRun run = runCli(
        {"gas", "--p", "1", "--t", "1800", "--vol", "He=50,N2=50", "--json", "--html", cliReport});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.starts_with("Eta and lambda of He mixtures")) << run.err;
    const json properties = json::parse(run.out).at("properties");
    EXPECT_TRUE(properties.at("eta").is_null() && properties.at("Pr").is_null());
    EXPECT_FALSE(properties.at("cp").is_null());
    // The command line names the analysis after the text of --vol.
    gas::GasAnalysis analysis = volumeAnalysis({{gas::kHelium, 50.0}, {gas::kNitrogen, 50.0}});
    analysis.setName("He=50,N2=50");
    ASSERT_TRUE(output::writeGasPropertyReport(dialogReport, computed(analysis, 1.0, 1800.0)));
    EXPECT_EQ(fileBytes(cliReport), fileBytes(dialogReport));
}

TEST(GasCommand, PressureAwayFromOneBarWarnsButComputes) {
    const CliRun run = runCli({"gas", "--p", "0.2", "--t", "20", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.starts_with("Warning: The formulas are valid for p = 1bar.")) << run.err;
    EXPECT_FALSE(run.out.empty());
    EXPECT_EQ(runCli({"gas", "--p", "5", "--t", "20"}).err, "");
}

TEST(GasCommand, TableShowsInputsAndAnalysis) {
    const CliRun run = runCli({"gas", "--p", "1", "--h", "100", "--vol", "N2=79,O2=21"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("Absolute pressure p [bar] ")) << run.out;
    EXPECT_TRUE(lineOf(run.out, 4).starts_with("Specific enthalpy h [kJ/kg] "));
    EXPECT_TRUE(lineOf(run.out, 4).ends_with(" 100.000000"));
    EXPECT_NE(run.out.find("Gas analysis: N2=79,O2=21\n"), std::string::npos);
}

TEST(GasCommand, RefusedStatesGiveTheDialogMessageAndExitCode2) {
    const CliRun run = runCli({"gas", "--p", "1", "--t", "20", "--vol", "H2O=10,air=90"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.starts_with(
        "The water vapor content is too high (condensation).\n\nH2O dew point = "))
        << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(runCli({"gas", "--p", "200", "--t", "20"}).err, "Error: Pressure is too high!\n");
}

TEST(GasCommand, UnusableAnalysisArgumentsAreUsageErrors) {
    struct Case {
        std::vector<std::string> arguments;
        std::string named;
    };
    // A well-formed file may hold no gas at all.
    const TemporaryFolder folder;
    const std::string emptyFile = folder.file("empty.gas").string();
    ASSERT_TRUE(gas::writeGasFile(gas::GasAnalysis{}, emptyFile));
    const std::string fuelFile = folder.file("fuel.gas").string();
    ASSERT_TRUE(gas::writeGasFile(volumeAnalysis({{gas::kMethane, 100.0}}), fuelFile));
    EXPECT_EQ(runCli({"gas", "--p", "1", "--t", "20", "--analysis", fuelFile}).exitCode, 0);
    const std::vector<Case> cases = {
        {{"--vol", "N2=79,Xe=21"}, "--vol: unknown component \"Xe\""},
        {{"--vol", "n2=100"}, "\"n2\""},
        {{"--mass", "N2=50,N2=50"}, "--mass: N2 is given twice"},
        {{"--vol", "N2=-5,O2=105"}, "--vol: \"N2=-5\""},
        {{"--vol", "N2"}, "--vol: \"N2\""},
        {{"--vol", "N2=0"}, "--vol: the percentages add up to 0"},
        {{"--vol", "N2=1e308,O2=1e308"}, "--vol: the percentages are too large to add up"},
        {{"--vol", "N2=79,"}, "--vol: unknown component \"\""},
        {{"--analysis", "/nonexistent/air.gas"}, "--analysis /nonexistent/air.gas: file not found"},
        {{"--analysis", emptyFile}, "--analysis " + emptyFile + ": the percentages add up to 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        std::vector<std::string> arguments = {"gas", "--p", "1", "--t", "20"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    }
}

TEST(GasBatch, EnthalpyColumnGivesTemperatureAndFailedRowsKeepTheirInputs) {
    const CliRun run = runCli({"gas", "--batch"}, "p,h\r\n1,411.7\r\n1;2\r\n200,10\r\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_TRUE(lineOf(run.out, 0).starts_with("p,t,status,message,h,v,")) << run.out;
    const gas::GasAnalysis air = dryAir();
    gas::GasState state;
    state.bind(air);
    state.setPressure(1.0);
    state.setEnthalpy(411.7);
    state.calculate();
    const auto fields = fieldsOf(lineOf(run.out, 1));
    ASSERT_EQ(fields.size(), 29U);
    EXPECT_EQ(numberOf(fields[1]), state.temperature());
    EXPECT_EQ(fields[2], "0");
    EXPECT_EQ(numberOf(fields[4 + gas::kCp]), state.property(gas::kCp));
    EXPECT_EQ(fields[4 + gas::kDewPoint], "");
    EXPECT_TRUE(lineOf(run.out, 2).starts_with("1;2,,input-error,")) << "one field, kept";
    // 200 bar lies beyond the gas formulations: out of range, said in words, no values.
    const auto refused = fieldsOf(lineOf(run.out, 3));
    EXPECT_EQ(refused[0], "200");
    EXPECT_EQ(refused[2], "3");
    EXPECT_NE(refused[3], "");
    EXPECT_EQ(refused[4 + gas::kCp], "");
}

TEST(GasBatch, StateBelowItsDewPointHasNoValues) {
    const CliRun run = runCli({"gas", "--batch", "--vol", "H2O=10,air=90"}, "p,t\n1,20\n1,200\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_TRUE(lineOf(run.out, 1).starts_with("1,20,9,")) << run.out;
    EXPECT_EQ(fieldsOf(lineOf(run.out, 1))[4 + gas::kCp], "");
    EXPECT_EQ(fieldsOf(lineOf(run.out, 2))[2], "0");
    EXPECT_NE(fieldsOf(lineOf(run.out, 2))[4 + gas::kDewPoint], "");
}

}  // namespace
}  // namespace vaporis::test
