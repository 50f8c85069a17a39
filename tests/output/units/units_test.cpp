#include "output/units/units.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace vaporis::output {
namespace {

const Unit& unitOf(Quantity quantity, std::string_view symbol) {
    const Unit* unit = findUnit(quantity, symbol);
    EXPECT_NE(unit, nullptr) << symbol;
    return unit != nullptr ? *unit : allUnits().front();
}

double inSi(double value, Quantity quantity, std::string_view symbol, std::string_view si) {
    return convert(value, unitOf(quantity, symbol), unitOf(quantity, si), kStandardAtmosphereBar);
}

TEST(UnitTable, FactorsMatchNistDefinitions) {
    // value, quantity, unit, SI unit of the table, expected: NIST SP 811 appendix B
    const auto cases = {
        std::tuple{1.0, Quantity::kPressure, "psia", "Pa", 6894.757293168},
        std::tuple{1.0, Quantity::kPressure, "atm", "Pa", 101325.0},
        std::tuple{1.0, Quantity::kPressureDifference, "inH2O", "Pa", 249.08891},
        std::tuple{1.0, Quantity::kSpecificEnthalpy, "BTU/lb", "J/kg", 2326.0},
        std::tuple{1.0, Quantity::kSpecificEnthalpy, "kcal/kg", "J/kg", 4186.8},
        std::tuple{1.0, Quantity::kSpecificEntropy, "BTU/lb°F", "J/kgK", 4186.8},
        std::tuple{3600.0, Quantity::kMassFlow, "lb/h", "kg/s", 0.45359237},
        std::tuple{1.0, Quantity::kSpecificVolume, "ft³/lb", "m³/kg", 0.028316846592 / 0.45359237},
        std::tuple{1.0, Quantity::kDensity, "lb/ft³", "kg/m³", 16.01846337396},
        std::tuple{1.0, Quantity::kPower, "BTU/h", "W", 0.2930710701722},
        std::tuple{1.0, Quantity::kThermalConductivity, "BTU/hft°F", "W/mK", 1.730734666371},
        std::tuple{1.0, Quantity::kHeatTransferCoefficient, "BTU/hft²°F", "W/m²K",
                   5.678263341113487},
        std::tuple{1.0, Quantity::kDynamicViscosity, "cP", "Pas", 1e-3},
        std::tuple{1.0, Quantity::kLength, "in", "m", 0.0254},
        std::tuple{1.0, Quantity::kTemperatureDifference, "°F", "K", 5.0 / 9.0},
        // °F = °C * 9/5 + 32: water boils at 212 °F, the scales cross at -40
        std::tuple{212.0, Quantity::kTemperature, "°F", "°C", 100.0},
        std::tuple{-40.0, Quantity::kTemperature, "F", "C", -40.0},
        std::tuple{-459.67, Quantity::kTemperature, "°F", "K", 0.0},
    };
    for (const auto& [value, quantity, unit, si, expected] : cases) {
        SCOPED_TRACE(unit);
        EXPECT_NEAR(inSi(value, quantity, unit, si), expected, 1e-12 * std::abs(expected) + 1e-12);
    }
}

TEST(UnitTable, EveryUnitRoundTripsAndReadsItsSymbolAndAlias) {
    const UnitChoice written;
    for (const Unit& unit : allUnits()) {
        SCOPED_TRACE(std::string(unit.symbol));
        // the first unit of each quantity stands for the written one
        const Unit& base = *std::find_if(allUnits().begin(), allUnits().end(), [&](const Unit& u) {
            return u.quantity == unit.quantity;
        });
        for (const double value : {0.0, 3.7, 1234.5678}) {
            const double there = convert(value, unit, base, 1.2);
            EXPECT_NEAR(convert(there, base, unit, 1.2), value, 1e-12 * std::max(value, 1.0));
        }
        // typed in the unit, read and shown again: the digits typed, not a rounding error
        UnitChoice chosen;
        chosen.units[static_cast<std::size_t>(unit.quantity)] = &unit;
        for (const double typed : {200.0, 0.5, 14.7, 725.189, 1472.0}) {
            const Reading read = toWritten(typed, unit, base, kStandardAtmosphereBar, "");
            EXPECT_EQ(toShown(read.value, base, chosen), typed);
        }
        const Reading bySymbol = readValue("1234.5678 " + std::string(unit.symbol), base, written);
        ASSERT_TRUE(bySymbol.ok()) << bySymbol.refusal;
        EXPECT_NEAR(bySymbol.value, convert(1234.5678, unit, base, kStandardAtmosphereBar),
                    1e-12 * std::abs(bySymbol.value));
        for (std::string_view rest = unit.alias; !rest.empty();) {
            const std::string_view alias = rest.substr(0, rest.find('|'));
            rest.remove_prefix(std::min(rest.size(), alias.size() + 1));
            EXPECT_EQ(readValue("1234.5678 " + std::string(alias), base, written).value,
                      bySymbol.value)
                << alias;
        }
    }
}

TEST(UnitReading, ValuesCarryTheirUnitOrTakeTheChosenOne) {
    const Unit& bar = unitOf(Quantity::kPressure, "bar");
    const Unit& celsius = unitOf(Quantity::kTemperature, "°C");
    UnitChoice choice;
    EXPECT_NEAR(readValue("725.189 psia", bar, choice).value, 725.189 * 0.06894757293168, 1e-10);
    EXPECT_NEAR(readValue("14.7psia", bar, choice).value, 1.013529, 1e-6);
    EXPECT_NEAR(readValue(" 5 barg ", bar, choice).value, 6.01325, 1e-12);
    EXPECT_NEAR(readValue("752F", celsius, choice).value, 400.0, 1e-12);
    EXPECT_NEAR(readValue("373.15 K", celsius, choice).value, 100.0, 1e-12);
    // a limit given in another unit is the limit itself, not a rounding error beyond it
    EXPECT_EQ(readValue("1472 F", celsius, choice).value, 800.0);
    EXPECT_EQ(readValue("1073.15 K", celsius, choice).value, 800.0);
    EXPECT_EQ(readValue("-3.5", celsius, choice).value, -3.5);
    ASSERT_EQ(applyUnitList("p=psig, temperature=F", choice), "");
    choice.referencePressure = 1.0;
    EXPECT_NEAR(readValue("0", bar, choice).value, 1.0, 1e-15);
    EXPECT_NEAR(readValue("32", celsius, choice).value, 0.0, 1e-12);
    EXPECT_NEAR(readValue("2 bar", bar, choice).value, 2.0, 1e-15);
    // shown again, a value read has its digits back, not a conversion's rounding error
    for (const double fahrenheit : {30.0, 0.5, -40.0, 752.0}) {
        const double t = readValue(std::to_string(fahrenheit), celsius, choice).value;
        EXPECT_EQ(toShown(t, celsius, choice), fahrenheit);
    }
}

TEST(UnitReading, RefusalsNameTheTextAndTheUnit) {
    const Unit& bar = unitOf(Quantity::kPressure, "bar");
    const Unit& celsius = unitOf(Quantity::kTemperature, "°C");
    const UnitChoice written;
    const auto cases = {
        std::tuple{"5K", &bar, "\"5K\": K is a unit of temperature, not of pressure"},
        std::tuple{"5 furlong", &bar, "\"5 furlong\": unknown unit \"furlong\""},
        std::tuple{"-1.1 barg", &bar,
                   "\"-1.1 barg\": a gauge pressure below vacuum (-1.01325 barg)"},
        std::tuple{"-500F", &celsius, "\"-500F\": a temperature below absolute zero (-459.67 °F)"},
        std::tuple{"-1 K", &celsius, "\"-1 K\": a temperature below absolute zero (0 K)"},
        std::tuple{"nan", &celsius, "\"nan\": not a number"},
        std::tuple{"", &celsius, "\"\": not a number"},
    };
    for (const auto& [text, unit, message] : cases) {
        const Reading reading = readValue(text, *unit, written);
        EXPECT_FALSE(reading.ok());
        EXPECT_EQ(reading.refusal, message);
    }
}

TEST(UnitChoice, PresetsAndListsReadBack) {
    const auto us = presetChoice("us");
    ASSERT_TRUE(us.has_value());
    for (int i = 0; i < kQuantityCount; ++i) {
        EXPECT_NE(us->units[static_cast<std::size_t>(i)], nullptr) << i;
    }
    EXPECT_EQ(us->unit(Quantity::kPressure)->symbol, "psia");
    // tube lengths and levels, written in m, in feet; diameters, written in mm, in inches
    EXPECT_EQ(&shownUnit(*findWrittenUnit("m"), *us), findUnit(Quantity::kLength, "ft"));
    EXPECT_EQ(&shownUnit(*findWrittenUnit("mm"), *us), findUnit(Quantity::kDiameter, "in"));
    EXPECT_TRUE(presetChoice("written")->isWritten());
    EXPECT_EQ(presetChoice("si-mpa")->unit(Quantity::kPressure)->symbol, "MPa");
    EXPECT_FALSE(presetChoice("imperial").has_value());

    UnitChoice parsed;
    ASSERT_EQ(applyUnitList(unitList(*us), parsed), "");
    EXPECT_EQ(parsed, *us);

    UnitChoice choice;
    ASSERT_EQ(applyUnitList("p=psig,t=F", choice), "");
    EXPECT_EQ(unitList(choice), "p=psig,t=°F");
    EXPECT_EQ(applyUnitList("h=BTU/lb,p=K", choice),
              "\"p=K\": K is a unit of temperature, not of pressure");
    EXPECT_EQ(applyUnitList("q=bar", choice), "\"q=bar\": unknown quantity \"q\"");
    EXPECT_EQ(applyUnitList("p", choice), "\"p\": give QUANTITY=UNIT");
    EXPECT_EQ(unitList(choice), "p=psig,t=°F");
}

}  // namespace
}  // namespace vaporis::output
