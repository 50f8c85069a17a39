#include "output/catalogue/report_unit.h"

#include <array>
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

}  // namespace vaporis::output
