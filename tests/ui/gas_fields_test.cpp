#include <array>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/saturation.h"
#include "support/scripted_port.h"
#include "ui/fields.h"
#include "ui/number_text.h"
#include "ui/session_flags.h"

namespace vaporis::ui {
namespace {

constexpr int kFieldP = 1008;
constexpr int kFieldT = 1009;
constexpr int kTarget = 1012;

const std::string kMessage18 = "Error: Pressure is too high!";
const std::string kMessage19 = "Error: Pressure is too low!";

gas::GasAnalysis airWithWater(double waterVolumePercent) {
    gas::GasAnalysis analysis;
    std::array<double, gas::kComponentCount> values{};
    values[gas::kWaterVapor] = waterVolumePercent;
    values[gas::kDryAir] = 100.0 - waterVolumePercent;
    analysis.setFromVolumePercent(values);
    return analysis;
}

TEST(GasPressureCheck, RefusesBeyondOneHundredAndBelowOneTenthBarAndWarnsInTheBands) {
    struct Case {
        double p;
        bool accepted;
        std::optional<std::string> error;
        bool warned;
    };
    const auto cases = std::to_array<Case>({
        {150.0, false, kMessage18, false},
        {100.001, false, kMessage18, false},
        {100.0, true, std::nullopt, true},
        {10.001, true, std::nullopt, true},
        {10.0, true, std::nullopt, false},
        {1.0, true, std::nullopt, false},
        {0.5, true, std::nullopt, false},
        {0.499, true, std::nullopt, true},
        {0.1, true, std::nullopt, true},
        {0.099, false, kMessage19, false},
        {0.0, false, kMessage19, false},
        {-3.0, false, kMessage19, false},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.p);
        test::ScriptedPort port;
        SessionFlags flags;
        EXPECT_EQ(checkGasPressure(port, c.p, flags), c.accepted);
        const bool shown = !port.messages().empty();
        EXPECT_EQ(shown, c.error.has_value() || c.warned);
        if (!shown) {
            continue;
        }
        ASSERT_EQ(port.messages().size(), 1U);
        const test::RecordedMessage& message = port.messages()[0];
        if (c.error) {
            EXPECT_EQ(message.text, *c.error);
            EXPECT_EQ(message.caption, "Error");
        } else {
            EXPECT_EQ(message.caption, "Achtung: Gültigkeitsbereich überschritten");
            EXPECT_EQ(message.text,
                      "Warning: The formulas are valid for p = 1bar. In the range of p = 0.5 bar "
                      "and p = 10 bar the error will be small. Above this range higher "
                      "deviations have to be expected.");
        }
        EXPECT_TRUE(flags.validityWarningFlag) << "an unticked box keeps the warning";
    }
}

TEST(GasDewPointDisplay, ShowsTheSaturationTemperatureOfTheWaterPartialPressure) {
    // 10 vol % water at 2 bar: partial pressure 0.2 bar, boiling at 60.06 °C (steam tables).
    const gas::GasAnalysis humid = airWithWater(10.0);
    test::ScriptedPort port;
    port.typeText(kFieldP, "2");
    showDewPoint(port, kFieldP, kTarget, humid);
    EXPECT_EQ(port.text(kTarget), formatFixed(water::saturationTemperature(0.2), 3));
    EXPECT_NEAR(std::stod(port.text(kTarget)), 60.06, 0.005);
    port.typeText(kFieldP, "2,0");
    port.typeText(kTarget, "");
    showDewPoint(port, kFieldP, kTarget, humid);
    EXPECT_NEAR(std::stod(port.text(kTarget)), 60.06, 0.005) << "a comma reads as a point";
}

TEST(GasDewPointDisplay, StaysEmptyWithoutWaterOrUsablePressure) {
    struct Case {
        double waterPercent;
        const char* p;
        const char* shown;
    };
    const auto cases = std::to_array<Case>({
        {0.0, "1", ""},
        {10.0, "", ""},
        {10.0, "abc", ""},
        {10.0, "0", ""},
        {10.0, "-1", ""},
        {10.0, "220.64", ""},
        {10.0, "230", ""},
        {0.1, "0.5", "  < 0 °C "},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.p) + " bar");
        test::ScriptedPort port;
        port.typeText(kFieldP, c.p);
        port.typeText(kTarget, "old");
        showDewPoint(port, kFieldP, kTarget, airWithWater(c.waterPercent));
        EXPECT_EQ(port.text(kTarget), c.shown);
    }
    test::ScriptedPort port;
    port.typeText(kFieldP, "1");
    port.typeText(kTarget, "old");
    gas::GasAnalysis empty = airWithWater(10.0);
    empty.reset();
    showDewPoint(port, kFieldP, kTarget, empty);
    EXPECT_EQ(port.text(kTarget), "") << "an empty analysis has no dew point";
}

TEST(GasInputs, ShowPressureAndTemperatureAsAnInputFieldHoldsThem) {
    const gas::GasAnalysis air = airWithWater(0.0);
    test::ScriptedPort port;
    showGasInputs(port, kFieldP, kFieldT, gas::GasState(air, 1.0, 400.0));
    EXPECT_EQ(port.text(kFieldP), "1.0000");
    EXPECT_EQ(port.text(kFieldT), "400.0000");
    showGasInputs(port, kFieldP, kFieldT, gas::GasState(air, 0.25, 12345.678));
    EXPECT_EQ(port.text(kFieldP), "0.2500");
    EXPECT_EQ(port.text(kFieldT), "12345.678") << "nine characters, as the field takes";
}

}  // namespace
}  // namespace vaporis::ui
