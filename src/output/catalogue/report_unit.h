#pragma once

#include <string_view>

#include "output/units/units.h"

namespace vaporis::output {

//! The units of the report rows.
enum class ReportUnit : int {
    kNone = -1,  //!< for a value that no report shows
    kBar = 0,
    kCelsius = 1,
    kKilojoulePerKilogram = 2,
    kCubicMetrePerKilogram = 3,
    kKilogramPerCubicMetre = 4,
    kKilojoulePerKilogramKelvin = 5,
    kMetrePerSecond = 6,
    kMicropascalSecond = 7,
    kWattPerMetreKelvin = 8,
    kDimensionless = 9,
    kGramPerMole = 10,
    kJoulePerKilogramKelvin = 11,
    kSquareMillimetrePerSecond = 12,
    kMillinewtonPerMetre = 13,
    kMassPercent = 14,
    kVolumePercent = 15,
    kPerKelvin = 16,
    kPerBar = 17,
    kKilowatt = 18,
    kPercent = 19,
    kMetre = 20,
    kMillimetre = 21,
    kSquareMillimetre = 22,
    kPascal = 23,
    kMillibar = 24,
    kWattPerSquareMetreKelvin = 25,
    kGramPerKilogram = 26,
    kKilogramPerNormalCubicMetre = 27,
    kKilogramPerSecond = 28,
    kKilogramPerHour = 29,
    kCubicMetrePerSecond = 30,
    kCubicMetrePerHour = 31,
    kNormalCubicMetrePerSecond = 32,
    kNormalCubicMetrePerHour = 33,
};

//! Number of unit texts.
inline constexpr int kUnitCount = 34;

//! The text of a unit in the report rows, with its padding (mostly 8 characters; UTF-8);
//! empty for kNone.
[[nodiscard]] std::string_view unitText(ReportUnit unit);

//! The unit of a flow shown per second, or per hour where the time factor is 3600: each
//! per-second unit of the table is followed by its per-hour twin.
[[nodiscard]] ReportUnit flowUnit(ReportUnit perSecond, double timeFactor);

//! The unit a value of this report unit is written in, for showing it in other units;
//! nullptr where no other unit applies (dimensionless, percentages, 1/K, 1/bar, kg/Nm³).
[[nodiscard]] const output::Unit* writtenUnit(ReportUnit unit);

}  // namespace vaporis::output
