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
inline constexpr double kInf = std::numeric_limits<double>::infinity();

using Percentages = std::array<double, kComponentCount>;

//! The listed {component index, percentage} entries, 0 % for every other component.
inline Percentages percentages(std::initializer_list<std::pair<int, double>> entries) {
    Percentages values{};
    for (const auto& [index, value] : entries) {
        values[static_cast<std::size_t>(index)] = value;
    }
    return values;
}

//! An analysis entered in volume percent.
inline GasAnalysis byVolume(std::initializer_list<std::pair<int, double>> entries) {
    GasAnalysis analysis;
    analysis.setFromVolumePercent(percentages(entries));
    return analysis;
}

//! An analysis entered in mass percent and shown on the mass basis.
inline GasAnalysis byMass(std::initializer_list<std::pair<int, double>> entries) {
    GasAnalysis analysis;
    analysis.setVolumeBasis(false);
    analysis.setFromMassPercent(percentages(entries));
    return analysis;
}

//! The default analysis: 100 % dry air.
inline GasAnalysis air() {
    GasAnalysis analysis;
    analysis.setDefault();
    return analysis;
}

//! A natural-gas flue gas: N2 72, CO2 10, H2O 12, O2 5, Ar 1 vol %.
inline GasAnalysis flueGas() {
    return byVolume({{kNitrogen, 72.0},
                     {kCarbonDioxide, 10.0},
                     {kWaterVapor, 12.0},
                     {kOxygen, 5.0},
                     {kArgon, 1.0}});
}

//! Air holding 12.352 kPa of water vapour at 1 bar: dew point 50 °C (IAPWS).
inline GasAnalysis humidAir() {
    GasAnalysis analysis = air();
    analysis.setComponentVolumeFraction(kWaterVapor, 0.12352);
    return analysis;
}

}  // namespace vaporis::gas::test
