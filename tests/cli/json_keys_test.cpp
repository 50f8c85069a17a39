#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"

namespace vaporis::test {
namespace {

using nlohmann::json;

// The text of a section of the JSON page, from its heading to the next one.
std::string section(const std::string& page, const std::string& heading) {
    const auto start = page.find("\n## " + heading + "\n");
    if (start == std::string::npos) {
        return {};
    }
    return page.substr(start, page.find("\n## ", start + 1) - start);
}

// Every key of a document; the keys under a component map are component labels, and a
// saturation-line column names its phase with ' or ''.
void collectKeys(const json& value, std::set<std::string>& keys) {
    if (value.is_array()) {
        for (const json& element : value) {
            collectKeys(element, keys);
        }
    }
    if (!value.is_object()) {
        return;
    }
    for (auto item = value.begin(); item != value.end(); ++item) {
        std::string key = item.key();
        key.erase(key.find_last_not_of('\'') + 1);
        keys.insert(key);
        if (key != "massPercent" && key != "volumePercent") {
            collectKeys(item.value(), keys);
        }
    }
}

TEST(CliJson, EveryKeyACommandPrintsIsOnTheJsonPage) {
    std::ifstream file(VAPORIS_DOCS_DIR "/cli-json.md");
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    const std::string water = section(page, "Water and steam properties");
    ASSERT_FALSE(water.empty());
    const std::vector<std::pair<std::string, std::vector<std::string>>> runs{
        {"steam", {"steam", "--p", "10", "--x", "0.5"}},
        {"steam", {"steam", "--p", "500", "--t", "10"}},
        {"steam-ph", {"steam-ph", "--p", "1", "--h", "1500"}},
        {"gas", {"gas", "--p", "1", "--t", "20", "--vol", "H2O=10,air=90", "--condensation"}},
        {"process steam, process gas",
         {"process", "steam", "--type", "isentropic", "--p1", "50", "--t1", "400", "--p2", "10",
          "--mass-flow", "1", "--heat-loss", "10"}},
        {"process steam, process gas",
         {"process", "gas", "--type", "balance", "--p1", "3", "--t1", "130", "--p2", "1", "--t2",
          "30", "--vol", "H2O=15,N2=72,O2=5,CO2=8", "--mass-flow", "2"}},
        {"flow steam, flow gas",
         {"flow", "gas", "--p", "1", "--t", "200", "--mass-flow", "1", "--diameter", "100",
          "--height-difference", "30"}},
        {"ambient", {"ambient"}},
        {"tools atmosphere", {"tools", "atmosphere"}},
        {"tools quench", {"tools", "quench"}},
        {"tools outflow", {"tools", "outflow", "--steps", "5"}},
        {"table", {"table", "--saturation", "t", "10:20:10"}},
        {"table", {"table", "--p", "1", "--t", "100"}},
    };
    for (auto [heading, arguments] : runs) {
        SCOPED_TRACE(arguments.front() + " " + arguments.back());
        const std::string text = section(page, heading);
        ASSERT_FALSE(text.empty()) << "no section " << heading;
        arguments.emplace_back("--json");
        const CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::set<std::string> keys;
        collectKeys(json::parse(run.out), keys);
        for (const std::string& key : keys) {
            const std::string quoted = "`" + key + "`";
            EXPECT_TRUE(text.find(quoted) != std::string::npos ||
                        water.find(quoted) != std::string::npos)
                << key << " is not in the section " << heading;
        }
    }
}

TEST(CliJson, AmbientAndToolsAtmosphereGiveOneQuantityUnderOneKeyInOneUnit) {
    const std::vector<std::string> inputs{"--t", "10", "--phi", "80", "--level", "1000"};
    std::vector<std::string> ambient{"ambient", "--json"};
    std::vector<std::string> atmosphere{"tools", "atmosphere", "--json"};
    ambient.insert(ambient.end(), inputs.begin(), inputs.end());
    atmosphere.insert(atmosphere.end(), inputs.begin(), inputs.end());
    const json a = json::parse(runCli(ambient).out);
    const json b = json::parse(runCli(atmosphere).out);
    for (auto item = a.begin(); item != a.end(); ++item) {
        EXPECT_EQ(b.at(item.key()), item.value()) << item.key();
    }
    // About 899 hPa at 1000 m in the standard atmosphere; the kept keys in their old units.
    EXPECT_NEAR(a.at("pressure").get<double>(), 0.899, 0.002);
    EXPECT_NEAR(b.at("p").get<double>(), 1000.0 * a.at("pressure").get<double>(), 1e-9);
    EXPECT_NEAR(b.at("xDry").get<double>(), 1000.0 * a.at("humidityRatio").get<double>(), 1e-9);
}

}  // namespace
}  // namespace vaporis::test
