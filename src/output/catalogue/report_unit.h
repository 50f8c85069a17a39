#pragma once

#include <string>
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

//! The difference unit X of a value per unit, "1/X" (1/K, 1/bar); nullptr for another unit.
[[nodiscard]] const output::Unit* perUnitOf(ReportUnit unit);

//! Whether a value of this report unit is shown in another unit under `units`.
[[nodiscard]] bool shownConverted(ReportUnit unit, const UnitChoice& units);

//! A value of this report unit as shown under `units`: in the chosen unit of its quantity, a
//! value per unit per the chosen difference unit (1/bar as 1/psi); as it is where no other
//! unit is chosen or the value is not finite.
[[nodiscard]] double shownReportValue(double value, ReportUnit unit, const UnitChoice& units);

//! The symbol a value of this report unit is shown with under `units` ("psia", "1/psi"); empty
//! where no other unit could apply.
[[nodiscard]] std::string shownReportSymbol(ReportUnit unit, const UnitChoice& units);

//! How many written units one shown unit is (10 for MPa beside bar, 14.5 for 1/psi beside 1/bar).
[[nodiscard]] double shownUnitSize(ReportUnit unit, const UnitChoice& units);

}  // namespace vaporis::output
