#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/status_codes.h"
#include "ui/gas_property_report.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

constexpr std::array<const char*, 25> kKeys = {
    "h",          "v",        "rho",    "rhoN",     "s",         "cp", "cpm",  "cv",  "w",
    "eta",        "nu",       "lambda", "a",        "kappa",     "Pr", "beta", "chi", "hTotal",
    "hFormation", "dewPoint", "maxH2O", "o2Demand", "airDemand", "Ho", "Hu"};

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
    EXPECT_EQ(document.at("p").get<double>(), 1.0);
    EXPECT_EQ(document.at("t").get<double>(), 400.0);
    EXPECT_EQ(document.at("status"), gas::kOk);
    EXPECT_EQ(document.at("analysis").at("molarMass").get<double>(), air.molarMass());
    EXPECT_EQ(document.at("analysis").at("gasConstant").get<double>(), air.gasConstant());
    EXPECT_EQ(document.at("analysis").at("massPercent"), json({{"air", 100.0}}));
    EXPECT_EQ(document.at("analysis").at("volumePercent"), json({{"air", 100.0}}));
    const json& properties = document.at("properties");
    EXPECT_EQ(properties.size(), 25u);
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        SCOPED_TRACE(kKeys[static_cast<std::size_t>(k)]);
        if (k == gas::kDewPoint) {
            // Dry air has no dew point.
            EXPECT_TRUE(properties.at("dewPoint").is_null());
        } else {
            EXPECT_EQ(properties.at(kKeys[static_cast<std::size_t>(k)]).get<double>(),
                      state.property(k));
        }
    }
}

TEST(GasCommand, VolumeAndMassSpecsGiveTheirAnalysis) {
    const CliRun byVolume =
        runCli({"gas", "--p", "1", "--t", "20", "--vol", "N2=79, O2=21", "--json"});
    ASSERT_EQ(byVolume.exitCode, 0) << byVolume.err;
    const gas::GasAnalysis expected =
        volumeAnalysis({{gas::kNitrogen, 79.0}, {gas::kOxygen, 21.0}});
    const json analysis = json::parse(byVolume.out).at("analysis");
    EXPECT_EQ(analysis.at("volumePercent").at("N2").get<double>(), 79.0);
    EXPECT_EQ(analysis.at("massPercent").at("O2").get<double>(),
              100.0 * expected.massFraction(gas::kOxygen));
    EXPECT_EQ(analysis.at("molarMass").get<double>(), expected.molarMass());

    const CliRun byMass =
        runCli({"gas", "--p", "1", "--t", "20", "--mass", "CH4=50,H2=50", "--json"});
    ASSERT_EQ(byMass.exitCode, 0) << byMass.err;
    EXPECT_EQ(json::parse(byMass.out).at("analysis").at("massPercent"),
              json({{"H2", 50.0}, {"CH4", 50.0}}));
}

TEST(GasCommand, PercentagesOffHundredAreScaledWithANote) {
    const CliRun run = runCli({"gas", "--p", "1", "--t", "20", "--vol", "N2=158,O2=42", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "vaporis-cli: note: --vol adds up to 200 %; scaled to 100 %\n");
    EXPECT_EQ(json::parse(run.out).at("analysis").at("volumePercent").at("N2").get<double>(), 79.0);
}

TEST(GasCommand, AnalysisFileIsRead) {
    const TemporaryFolder folder;
    const gas::GasAnalysis fuel = volumeAnalysis({{gas::kMethane, 90.0}, {gas::kEthane, 10.0}});
    ASSERT_EQ(gas::writeGasFile(fuel, folder.file("fuel.gas")), gas::GasFileResult::kOk);
    const CliRun run = runCli({"gas", "--p", "2", "--t", "100", "--analysis",
                               folder.file("fuel.gas").string(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const gas::GasState state = computed(fuel, 2.0, 100.0);
    EXPECT_EQ(json::parse(run.out).at("properties").at("Hu").get<double>(),
              state.property(gas::kLowerHeatingValue));
}

TEST(GasCommand, HeliumAbove2044KWarnsAndLeavesTransportValuesOut) {
    const CliRun run = runCli({"gas", "--p", "1", "--t", "1800", "--vol", "He=50,N2=50", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err,
              "Eta and lambda of He mixtures can only be evaluated up to approx. 2044K. Some "
              "results can not be evaluated!\n");
    const json document = json::parse(run.out);
    EXPECT_EQ(document.at("status"), gas::kHeliumAbove2044K);
    for (const char* key : {"eta", "nu", "lambda", "a", "kappa", "Pr"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(document.at("properties").at(key).is_null());
    }
    EXPECT_FALSE(document.at("properties").at("cp").is_null());
}

TEST(GasCommand, HtmlFileEqualsTheGasPropertyReport) {
    const TemporaryFolder folder;
    struct Case {
        std::vector<std::string> arguments;
        gas::GasAnalysis analysis;
        double t;
    };
    const std::vector<Case> cases = {
        {{"--t", "400"}, dryAir(), 400.0},
        {{"--t", "1800", "--vol", "He=50,N2=50"},
         volumeAnalysis({{gas::kHelium, 50.0}, {gas::kNitrogen, 50.0}}),
         1800.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        const std::string cliReport = folder.file("cli.html").string();
        const std::string dialogReport = folder.file("dialog.html").string();
        std::vector<std::string> arguments = {"gas", "--p", "1", "--html", cliReport};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        gas::GasAnalysis analysis = c.analysis;
        // The report names the analysis; the command line names it after its spec.
        analysis.setName(c.arguments.size() > 2 ? c.arguments[3] : "Dry air");
        ASSERT_TRUE(ui::writeGasPropertyReport(dialogReport, computed(analysis, 1.0, c.t)));
        EXPECT_FALSE(fileBytes(cliReport).empty());
        EXPECT_EQ(fileBytes(cliReport), fileBytes(dialogReport));
    }
}

TEST(GasCommand, PressureAwayFromOneBarWarnsButComputes) {
    for (const char* p : {"0.2", "20"}) {
        SCOPED_TRACE(p);
        const CliRun run = runCli({"gas", "--p", p, "--t", "20", "--json"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.starts_with("Warning: The formulas are valid for p = 1bar."))
            << run.err;
        EXPECT_FALSE(run.out.empty());
    }
    EXPECT_EQ(runCli({"gas", "--p", "5", "--t", "20"}).err, "");
}

TEST(GasCommand, TableShowsInputsAndAnalysis) {
    const CliRun run = runCli({"gas", "--p", "1", "--h", "100", "--vol", "N2=79,O2=21"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("Absolute pressure p [bar] ")) << run.out;
    EXPECT_TRUE(lineOf(run.out, 4).starts_with("Specific enthalpy h [kJ/kg] "));
    EXPECT_TRUE(lineOf(run.out, 4).ends_with(" 100.000000"));
    EXPECT_NE(run.out.find("Gas analysis: N2=79,O2=21\n"), std::string::npos);
    EXPECT_NE(run.out.find("Nitrogen (N2)"), std::string::npos);
}

TEST(GasCommand, RefusedStatesGiveTheDialogMessageAndExitCode2) {
    struct Case {
        std::vector<std::string> arguments;
        std::string messageStart;
    };
    const std::vector<Case> cases = {
        {{"--p", "200", "--t", "20"}, "Error: Pressure is too high!\n"},
        {{"--p", "0.05", "--t", "20"}, "Error: Pressure is too low!\n"},
        {{"--p", "1", "--t", "5000"}, "Temperature is out of validity range!\n"},
        {{"--p", "1", "--h", "-1000"}, "Input data is out of validity range!\n"},
        {{"--p", "1", "--t", "20", "--vol", "H2O=10,air=90"},
         "The water vapor content is too high (condensation).\n\nH2O dew point = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.messageStart);
        std::vector<std::string> arguments = {"gas"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.starts_with(c.messageStart)) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(GasCommand, UnusableAnalysisArgumentsAreUsageErrors) {
    struct Case {
        std::vector<std::string> arguments;
        std::string named;
    };
    // A well-formed file may hold no gas at all.
    const TemporaryFolder folder;
    const std::string emptyFile = folder.file("empty.gas").string();
    ASSERT_EQ(gas::writeGasFile(gas::GasAnalysis{}, emptyFile), gas::GasFileResult::kOk);
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

TEST(GasBatch, EnthalpyColumnGivesTemperatureAndMalformedLinesSayInputError) {
    const CliRun run = runCli({"gas", "--batch"}, "p,h\r\n1,411.7\r\n1;2\r\n\r\n200,10\r\n1,\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineOf(run.out, 0),
              "p,t,status,h,v,rho,rhoN,s,cp,cpm,cv,w,eta,nu,lambda,a,kappa,Pr,beta,chi,hTotal,"
              "hFormation,dewPoint,maxH2O,o2Demand,airDemand,Ho,Hu");
    const gas::GasAnalysis air = dryAir();
    gas::GasState state;
    state.bind(air);
    state.setPressure(1.0);
    state.setEnthalpy(411.7);
    state.calculate();
    const auto fields = fieldsOf(lineOf(run.out, 1));
    ASSERT_EQ(fields.size(), 28u);
    EXPECT_EQ(numberOf(fields[1]), state.temperature());
    EXPECT_EQ(fields[2], "0");
    for (int k = 0; k < gas::kGasPropertyCount; ++k) {
        SCOPED_TRACE(kKeys[static_cast<std::size_t>(k)]);
        if (k == gas::kDewPoint) {
            EXPECT_EQ(fields[3 + k], "");
        } else {
            EXPECT_EQ(numberOf(fields[static_cast<std::size_t>(3 + k)]), state.property(k));
        }
    }
    const std::string inputError = ",,input-error" + std::string(25, ',');
    EXPECT_EQ(lineOf(run.out, 2), inputError);
    // 200 bar lies beyond the gas formulations: out of range, no values, no temperature.
    EXPECT_EQ(lineOf(run.out, 3), "200,,3" + std::string(25, ','));
    EXPECT_EQ(lineOf(run.out, 4), inputError);
    EXPECT_EQ(lineOf(run.out, 5), "");
}

TEST(GasBatch, StateBelowItsDewPointHasNoValues) {
    const CliRun run = runCli({"gas", "--batch", "--vol", "H2O=10,air=90"}, "p,t\n1,20\n1,200\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineOf(run.out, 1), "1,20,9" + std::string(25, ','));
    EXPECT_EQ(fieldsOf(lineOf(run.out, 2))[2], "0");
    EXPECT_NE(fieldsOf(lineOf(run.out, 2))[3 + gas::kDewPoint], "");
}

}  // namespace
}  // namespace vaporis::test
