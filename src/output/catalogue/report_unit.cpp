#include "output/catalogue/report_unit.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace vaporis::output {
namespace {

constexpr auto kUnitTable = std::to_array<std::string_view>({
    "bar     ", "°C      ", "kJ/kg   ", "m³/kg   ", "kg/m³   ", "kJ/kgK  ", "m/s     ",
    "E-6 Pas ", "W/mK    ", "[-]     ", "g/mol   ", "J/kgK   ", "E-6 m²/s", "E-3 N/m ",
    "%mass   ", "%vol    ", "1/K     ", "1/bar   ", "kW      ", "%       ", "m       ",
    "mm      ", "mm²     ", "Pa\t\t ",  "mbar    ", "W/m²K   ", "g/kg    ", "kg/Nm³",
    "kg/s    ", "kg/h    ", "m³/s    ", "m³/h    ", "Nm³/s   ", "Nm³/h   ",
});
static_assert(kUnitTable.size() == kUnitCount);

struct WrittenUnit {
    ReportUnit unit;
    output::Quantity quantity;
    std::string_view symbol;
};

using Q = output::Quantity;
using R = ReportUnit;

constexpr auto kWrittenUnits = std::to_array<WrittenUnit>({
    {R::kBar, Q::kPressure, "bar"},
    {R::kCelsius, Q::kTemperature, "°C"},
    {R::kKilojoulePerKilogram, Q::kSpecificEnthalpy, "kJ/kg"},
    {R::kCubicMetrePerKilogram, Q::kSpecificVolume, "m³/kg"},
    {R::kKilogramPerCubicMetre, Q::kDensity, "kg/m³"},
    {R::kKilojoulePerKilogramKelvin, Q::kSpecificEntropy, "kJ/kgK"},
    {R::kMetrePerSecond, Q::kVelocity, "m/s"},
    {R::kMicropascalSecond, Q::kDynamicViscosity, "µPas"},
    {R::kWattPerMetreKelvin, Q::kThermalConductivity, "W/mK"},
    {R::kJoulePerKilogramKelvin, Q::kSpecificEntropy, "J/kgK"},
    {R::kSquareMillimetrePerSecond, Q::kKinematicViscosity, "mm²/s"},
    {R::kMillinewtonPerMetre, Q::kSurfaceTension, "mN/m"},
    {R::kKilowatt, Q::kPower, "kW"},
    {R::kMetre, Q::kLength, "m"},
    {R::kMillimetre, Q::kDiameter, "mm"},
    {R::kSquareMillimetre, Q::kArea, "mm²"},
    {R::kPascal, Q::kPressureDifference, "Pa"},
    {R::kMillibar, Q::kPressureDifference, "mbar"},
    {R::kWattPerSquareMetreKelvin, Q::kHeatTransferCoefficient, "W/m²K"},
    {R::kKilogramPerSecond, Q::kMassFlow, "kg/s"},
    {R::kKilogramPerHour, Q::kMassFlow, "kg/h"},
    {R::kCubicMetrePerSecond, Q::kVolumeFlow, "m³/s"},
    {R::kCubicMetrePerHour, Q::kVolumeFlow, "m³/h"},
    {R::kNormalCubicMetrePerSecond, Q::kNormalVolumeFlow, "Nm³/s"},
    {R::kNormalCubicMetrePerHour, Q::kNormalVolumeFlow, "Nm³/h"},
});

}  // namespace

std::string_view unitText(ReportUnit unit) {
    const auto number = static_cast<int>(unit);
    if (number < 0 || number >= kUnitCount) {
        return {};
    }
    return kUnitTable[static_cast<std::size_t>(number)];
}

ReportUnit flowUnit(ReportUnit perSecond, double timeFactor) {
    return timeFactor == 1.0 ? perSecond : static_cast<ReportUnit>(static_cast<int>(perSecond) + 1);
}

const output::Unit* writtenUnit(ReportUnit unit) {
    // Looked up once: a table of many rows asks for every value.
    static const auto kUnits = [] {
        std::array<const output::Unit*, kUnitCount> units{};
        for (const auto& [reportUnit, quantity, symbol] : kWrittenUnits) {
            units[static_cast<std::size_t>(reportUnit)] = output::findUnit(quantity, symbol);
        }
        return units;
    }();
    const auto number = static_cast<int>(unit);
    return number < 0 || number >= kUnitCount ? nullptr : kUnits[static_cast<std::size_t>(number)];
}

const output::Unit* perUnitOf(ReportUnit unit) {
    static const Unit* const kPerKelvin = findUnit(Quantity::kTemperatureDifference, "K");
    static const Unit* const kPerBar = findUnit(Quantity::kPressureDifference, "bar");
    switch (unit) {
        case ReportUnit::kPerKelvin:
            return kPerKelvin;
        case ReportUnit::kPerBar:
            return kPerBar;
        default:
            return nullptr;
    }
}

bool shownConverted(ReportUnit unit, const UnitChoice& units) {
    const Unit* written = writtenUnit(unit);
    if (written == nullptr) {
        written = perUnitOf(unit);
    }
    return written != nullptr && &shownUnit(*written, units) != written;
}

double shownReportValue(double value, ReportUnit unit, const UnitChoice& units) {
    if (!std::isfinite(value) || !shownConverted(unit, units)) {
        return value;
    }
    if (const Unit* written = writtenUnit(unit)) {
        return toShown(value, *written, units);
    }
    return value / shownUnitSize(unit, units);
}

std::string shownReportSymbol(ReportUnit unit, const UnitChoice& units) {
    if (const Unit* written = writtenUnit(unit)) {
        return std::string(shownUnit(*written, units).symbol);
    }
    const Unit* per = perUnitOf(unit);
    return per != nullptr ? "1/" + std::string(shownUnit(*per, units).symbol) : std::string();
}

double shownUnitSize(ReportUnit unit, const UnitChoice& units) {
    if (const Unit* written = writtenUnit(unit)) {
        return shownUnit(*written, units).factor / written->factor;
    }
    const Unit* per = perUnitOf(unit);
    return per != nullptr ? per->factor / shownUnit(*per, units).factor : 1.0;
}

}  // namespace vaporis::output
