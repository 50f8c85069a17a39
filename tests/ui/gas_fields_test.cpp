#include <array>
#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/gas/gas_analysis.h"
#include "engine/water/saturation.h"
#include "output/format/number_text.h"
#include "output/messages/messages.h"
#include "project/session_flags.h"
#include "support/scripted_port.h"
#include "ui/fields.h"

namespace vaporis::ui {
namespace {

constexpr int kFieldP = 1008;
constexpr int kTarget = 1012;

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
        std::optional<output::MessageId> refusal;
        bool warned;
    };
    const auto cases = std::to_array<Case>({
        {100.001, output::MessageId::kPressureTooHigh, false},
        {100.0, std::nullopt, true},
        {10.001, std::nullopt, true},
        {10.0, std::nullopt, false},
        {0.5, std::nullopt, false},
        {0.499, std::nullopt, true},
        {0.1, std::nullopt, true},
        {0.099, output::MessageId::kPressureTooLow, false},
        {std::nan(""), output::MessageId::kPressureTooLow, false},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.p);
        test::ScriptedPort port;
        project::SessionFlags flags;
        EXPECT_EQ(checkGasPressure(port, c.p, flags), !c.refusal);
        ASSERT_EQ(port.messages().size(), c.refusal || c.warned ? 1U : 0U);
        if (c.refusal) {
            EXPECT_EQ(port.messages()[0].text, output::messageText(*c.refusal));
            EXPECT_EQ(port.messages()[0].caption, "Error");
        }
        EXPECT_TRUE(flags.validityWarningFlag) << "an unticked box keeps the warning";
    }
}

TEST(GasDewPointDisplay, ShowsTheSaturationTemperatureOfTheWaterPartialPressure) {
    // 10 vol % water at 2 bar: partial pressure 0.2 bar, boiling at 60.06 °C (steam tables).
    struct Case {
        double waterPercent;
        const char* p;
        std::string shown;
    };
    for (const Case& c :
         {Case{10.0, "2,0", output::formatFixed(water::saturationTemperature(0.2), 3)},
          Case{0.0, "1", ""}, Case{10.0, "abc", ""}, Case{10.0, "0", ""}, Case{10.0, "220.64", ""},
          Case{0.1, "0.5", "  < 0 °C "}}) {
        SCOPED_TRACE(std::string(c.p) + " bar");
        test::ScriptedPort port;
        port.typeText(kFieldP, c.p);
        port.typeText(kTarget, "old");
        showDewPoint(port, kFieldP, kTarget, airWithWater(c.waterPercent));
        EXPECT_EQ(port.text(kTarget), c.shown);
    }
    EXPECT_EQ(output::formatFixed(water::saturationTemperature(0.2), 2), "60.06");
    test::ScriptedPort port;
    port.typeText(kFieldP, "1");
    gas::GasAnalysis empty = airWithWater(10.0);
    empty.reset();
    showDewPoint(port, kFieldP, kTarget, empty);
    EXPECT_EQ(port.text(kTarget), "") << "an empty analysis has no dew point";
}

}  // namespace
}  // namespace vaporis::ui
