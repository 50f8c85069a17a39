#include "ui/steam_results_dialog.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/water/water_steam_state.h"
#include "support/scripted_port.h"
#include "ui/number_text.h"

namespace vaporis::ui {
namespace {

water::WaterSteamState calculated(int mode, double p, double t, double x) {
    water::WaterSteamState state(mode, p, t, x);
    state.calculate();
    return state;
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
    EXPECT_EQ(port.text(stateFieldId(water::kH)), formatFixed(state.stateValue(water::kH), 6));
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
    EXPECT_EQ(port.text(stateFieldId(water::kH)), formatFixed(h, 6));
}

}  // namespace
}  // namespace vaporis::ui
