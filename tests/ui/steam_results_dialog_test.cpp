#include "ui/steam_table/steam_results_dialog.h"

#include <charconv>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/water/water_steam_state.h"
#include "output/format/number_text.h"
#include "support/scripted_port.h"
#include "ui/result_table.h"

namespace vaporis::ui {
namespace {

water::WaterSteamState calculated(int mode, double p, double t, double x) {
    water::WaterSteamState state(mode, p, t, x);
    state.calculate();
    return state;
}

// The double a text reads back as (exponents too); NaN when it is no number.
double readBack(const std::string& text) {
    double value = std::numeric_limits<double>::quiet_NaN();
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<std::string> cells(const std::string& row) {
    std::vector<std::string> split;
    std::istringstream stream(row);
    for (std::string cell; std::getline(stream, cell, '\t');) {
        split.push_back(cell);
    }
    return split;
}

// Every field of the property grid and the saturation row is filled but those in `empty`.
void expectFilledExcept(const test::ScriptedPort& port, const std::set<int>& empty) {
    for (int id = stateFieldId(0); id <= kIdResultSigma; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(port.text(id).empty(), empty.contains(id)) << port.text(id);
    }
}

TEST(SteamResultsDialog, SuperheatedStateShowsEveryValueButTheVapourPressure) {
    const water::WaterSteamState state = calculated(water::kModePT, 50.0, 400.0, 1.0);
    test::ScriptedPort port;
    SteamResultsDialog dialog(port, state);
    dialog.opened();
    EXPECT_EQ(port.text(kIdResultP), "50.000000");
    EXPECT_EQ(port.text(kIdResultT), "400.000000");
    EXPECT_EQ(port.text(kIdResultX), "");
    EXPECT_EQ(port.text(stateFieldId(water::kH)).substr(0, 7), "3196.59");
    EXPECT_EQ(port.text(stateFieldId(water::kH)),
              output::formatFixed(state.stateValue(water::kH), 6));
    EXPECT_EQ(port.text(kIdResultTs).substr(0, 6), "263.94");
    expectFilledExcept(port, {kIdResultPs});
}

TEST(SteamResultsDialog, WetSteamLeavesTheOnePhasePropertiesEmpty) {
    const water::WaterSteamState state = calculated(water::kModePX, 10.0, 999.0, 0.5);
    test::ScriptedPort port;
    SteamResultsDialog dialog(port, state);
    dialog.opened();
    EXPECT_EQ(port.text(kIdResultP), "10.000000");
    EXPECT_EQ(port.text(kIdResultT), "179.885632");
    EXPECT_EQ(port.text(kIdResultX), "0.500000");
    expectFilledExcept(port, {2112, 2115, 2118, 2127, 2130, 2133, 2136, 2139, 2142});
    const double h = 0.5 * (state.liquidValue(water::kH) + state.vaporValue(water::kH));
    EXPECT_EQ(port.text(stateFieldId(water::kH)), output::formatFixed(h, 6));
}

// At 1 bar 20 °C six decimals keep only three digits of v and two of chi; the tool tip and the
// copied table keep the whole double.
TEST(SteamResultsDialog, SmallValuesKeepEveryDigitInToolTipAndCopiedTable) {
    const water::WaterSteamState state = calculated(water::kModePT, 1.0, 20.0, 1.0);
    test::ScriptedPort port;
    SteamResultsDialog dialog(port, state);
    dialog.opened();
    const double chi = state.stateValue(water::kChi);
    EXPECT_EQ(port.text(stateFieldId(water::kChi)), output::formatFixed(chi, 6));
    EXPECT_EQ(readBack(port.toolTip(stateFieldId(water::kChi))), chi);
    dialog.command(kIdCopyTable);
    std::istringstream table(port.clipboard());
    int valueRows = 0;
    for (std::string row; std::getline(table, row);) {
        SCOPED_TRACE(row);
        const std::vector<std::string> split = cells(row);
        ASSERT_TRUE(split.size() == 1 || split.size() == 3) << "a caption or label, value, unit";
        valueRows += split.size() == 3 ? 1 : 0;
        if (split[0] == "specific volume v (state)") {
            EXPECT_EQ(readBack(split[1]), state.stateValue(water::kV));
            EXPECT_EQ(split[2], "m³/kg");
        }
        EXPECT_NE(split[0], "steam quality x") << "an empty field is left out";
    }
    // p and t, each property of the state and of both saturated phases, the saturation values
    EXPECT_EQ(valueRows, 2 + 3 * water::kPropertyCount + 3);
}

}  // namespace
}  // namespace vaporis::ui
