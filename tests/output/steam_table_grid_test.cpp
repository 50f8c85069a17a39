#include "output/reports/steam_table_grid.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"

namespace vaporis::output {
namespace {

using Kind = SteamTableKind;

TEST(SteamTableGrid, PressureOuterTemperatureInnerAndTheLastValueReached) {
    const SteamTableRequest request{Kind::kPressureTemperature, {1, 3, 1}, {100, 300, 100}};
    ASSERT_FALSE(steamTableProblem(request));
    ASSERT_EQ(steamTableRowCount(request), 9U);
    const SteamTableRow middle = steamTableRow(request, 4);
    EXPECT_EQ(middle.p, 2.0);
    EXPECT_EQ(middle.t, 200.0);
    EXPECT_EQ(middle.values.size(), static_cast<std::size_t>(water::kPropertyCount));
    // 0.1 + 2 * 0.1 misses 0.3 by rounding alone: three values, the last one exactly TO.
    const SteamTableRequest tenths{Kind::kPressureTemperature, {0.1, 0.3, 0.1}, {20, 20, 1}};
    ASSERT_EQ(steamTableRowCount(tenths), 3U);
    EXPECT_EQ(steamTableRow(tenths, 2).p, 0.3);
}

TEST(SteamTableGrid, RefusedStateKeepsItsInputsAndStatusButNoValues) {
    const SteamTableRow row =
        steamTableRow({Kind::kPressureTemperature, {1, 1, 1}, {99.6059, 99.6059, 1}}, 0);
    EXPECT_EQ(row.status, water::kInputOnSaturationLine);
    EXPECT_NE(row.message, "");
    EXPECT_EQ(row.p, 1.0);
    EXPECT_EQ(row.values.size(), static_cast<std::size_t>(water::kPropertyCount));
    for (const auto& value : row.values) {
        EXPECT_FALSE(value);
    }
}

TEST(SteamTableGrid, UnusableRangesAndHugeGridsAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const GridAxis& p : {GridAxis{1, 2, 0}, GridAxis{1, 2, -1}, GridAxis{2, 1, 1},
                              GridAxis{nan, 2, 1}, GridAxis{1, 1e300, 1e-300}}) {
        EXPECT_TRUE(steamTableProblem({Kind::kPressureTemperature, p, {20, 20, 1}}));
    }
    EXPECT_TRUE(steamTableProblem({Kind::kPressureTemperature, {1, 1000, 1}, {1, 1000, 1}}))
        << "a million rows";
    EXPECT_FALSE(steamTableProblem({Kind::kSaturationPressure, {1, 2, 1}, {nan, nan, 0}}))
        << "a saturation table by p ignores t";
}

TEST(SteamTableGrid, SaturationRowsLieOnTheSaturationLine) {
    // IAPWS-IF97 check value: ps(300 K) = 0.353658941e-2 MPa.
    const SteamTableRow byT =
        steamTableRow({Kind::kSaturationTemperature, {}, {26.85, 26.85, 1}}, 0);
    ASSERT_EQ(byT.status, 0);
    EXPECT_NEAR(*byT.p, 0.0353658941, 1e-10);
    const SteamTableRequest byP{Kind::kSaturationPressure, {1, 200, 199}, {}};
    const auto columns = steamTableColumns(byP.kind);
    ASSERT_EQ(columns.size(), 2U * water::kPropertyCount + 1);
    for (std::size_t i = 0; i < steamTableRowCount(byP); ++i) {
        const SteamTableRow row = steamTableRow(byP, i);
        int status = -1;
        EXPECT_EQ(*row.t, water::boilingTemperature(*row.p, status));
        EXPECT_EQ(*row.values[0], water::enthalpySatLiquid(*row.p, status)) << columns[0].key;
        EXPECT_EQ(*row.values[1], water::enthalpySatVapor(*row.p, status)) << columns[1].key;
        EXPECT_TRUE(row.values.back()) << "sigma";
    }
}

}  // namespace
}  // namespace vaporis::output
