#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <utility>

#include "engine/gas/gas_analysis.h"

// Analyses and values shared by the gas engine's tests.
namespace vaporis::gas::test {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using Percentages = std::array<double, kComponentCount>;
using Entries = std::initializer_list<std::pair<int, double>>;

//! The {component index, percentage} entries, 0 % for the other components.
inline Percentages percentages(Entries entries) {
    Percentages values{};
    for (const auto& [index, value] : entries) {
        values[static_cast<std::size_t>(index)] = value;
    }
    return values;
}

//! An analysis entered in volume percent, or in mass percent and shown on the mass basis.
inline GasAnalysis byVolume(Entries entries) {
    GasAnalysis analysis;
    analysis.setFromVolumePercent(percentages(entries));
    return analysis;
}
inline GasAnalysis byMass(Entries entries) {
    GasAnalysis analysis;
    analysis.setVolumeBasis(false);
    analysis.setFromMassPercent(percentages(entries));
    return analysis;
}

//! Dry air; a natural-gas flue gas; air holding 12.352 kPa of vapour at 1 bar (dew point 50 °C).
inline GasAnalysis air() {
    GasAnalysis analysis;
    analysis.setDefault();
    return analysis;
}
inline GasAnalysis flueGas() {
    return byVolume({{kNitrogen, 72.0},
                     {kCarbonDioxide, 10.0},
                     {kWaterVapor, 12.0},
                     {kOxygen, 5.0},
                     {kArgon, 1.0}});
}
inline GasAnalysis humidAir() {
    GasAnalysis analysis = air();
    analysis.setComponentVolumeFraction(kWaterVapor, 0.12352);
    return analysis;
}

}  // namespace vaporis::gas::test
