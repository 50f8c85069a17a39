#include "ui/info/units_dialog.h"

#include <gtest/gtest.h>

#include "support/scripted_port.h"
#include "ui/window_units.h"

namespace vaporis::ui {
namespace {

constexpr int kPressureField = kIdUnitsFirstQuantity;
constexpr int kTemperatureField = kIdUnitsFirstQuantity + 2;

struct UnitsWindow {
    test::ScriptedPort port;
    UnitsDialog dialog{port};
    UnitsWindow() { dialog.opened(); }
    ~UnitsWindow() { setWindowUnits({}); }
    UnitsWindow(const UnitsWindow&) = delete;
    UnitsWindow& operator=(const UnitsWindow&) = delete;
};

TEST(UnitsDialog, TakesGaugeAndFahrenheitAndRefusesAUnitOfAnotherQuantity) {
    UnitsWindow w;
    EXPECT_TRUE(w.port.checked(kIdUnitsWritten));
    EXPECT_EQ(w.port.text(kPressureField), "");
    w.port.typeText(kPressureField, "K");
    w.dialog.command(kIdUnitsOk);
    ASSERT_EQ(w.port.messages().size(), 1U);
    EXPECT_EQ(w.port.focusedField(), kPressureField);
    EXPECT_TRUE(windowUnits().isWritten());

    w.port.typeText(kPressureField, " psig");
    w.port.typeText(kTemperatureField, "F");
    w.dialog.command(kIdUnitsOk);
    EXPECT_EQ(w.port.endCode(), kIdUnitsOk);
    EXPECT_EQ(shownLabel("absolute pressure p [bar] ="), "pressure p [psig] =");
    EXPECT_EQ(shownLabel("temperature t [°C] ="), "temperature t [°F] =");
    // Pressure drops and temperature differences are no gauge pressures nor temperatures.
    EXPECT_EQ(shownLabel("draft [mbar] ="), "draft [mbar] =");
    EXPECT_EQ(convertedUnit("approach [K] ="), nullptr);

    w.dialog.command(kIdUnitsUs);
    EXPECT_EQ(w.port.text(kPressureField), "psia");
}

}  // namespace
}  // namespace vaporis::ui
