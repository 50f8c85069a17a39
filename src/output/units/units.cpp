#include "output/units/units.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace vaporis::output {
namespace {

using Q = Quantity;

// Exact definitions (NIST SP 811, appendix B): the international foot, pound and BTU, standard
// gravity and atmosphere; the inch of water is 25.4 mm of water of 1000 kg/m³ under standard
// gravity.
constexpr double kFoot = 0.3048;                              // m
constexpr double kInch = 0.0254;                              // m
constexpr double kPound = 0.45359237;                         // kg
constexpr double kGravity = 9.80665;                          // m/s²
constexpr double kBtu = 1055.05585262;                        // J (IT)
constexpr double kCalorie = 4.1868;                           // J (IT)
constexpr double kRankine = 5.0 / 9.0;                        // K per °F
constexpr double kAtmosphere = 101325.0;                      // Pa
constexpr double kPsi = kPound * kGravity / (kInch * kInch);  // Pa
constexpr double kHour = 3600.0;                              // s
constexpr double kCubicFoot = kFoot * kFoot * kFoot;

struct QuantityNames {
    std::string_view key;
    std::string_view name;
};

constexpr auto kQuantities = std::to_array<QuantityNames>({
    {"p", "pressure"},
    {"dp", "pressure difference"},
    {"t", "temperature"},
    {"dt", "temperature difference"},
    {"h", "specific enthalpy"},
    {"s", "specific entropy"},
    {"v", "specific volume"},
    {"rho", "density"},
    {"m", "mass flow"},
    {"V", "volume flow"},
    {"Vn", "normal volume flow"},
    {"P", "power"},
    {"w", "velocity"},
    {"l", "length"},
    {"A", "area"},
    {"eta", "dynamic viscosity"},
    {"nu", "kinematic viscosity"},
    {"lambda", "thermal conductivity"},
    {"alpha", "heat-transfer coefficient"},
    {"sigma", "surface tension"},
    {"G", "mass flux"},
    {"d", "diameter"},
});
static_assert(kQuantities.size() == kQuantityCount);

// symbol, alias, quantity, SI value of one unit, offset, gauge
constexpr auto kUnits = std::to_array<Unit>({
    {"bar", "bara", Q::kPressure, 1e5, 0.0, false},
    {"mbar", "", Q::kPressure, 100.0, 0.0, false},
    {"Pa", "", Q::kPressure, 1.0, 0.0, false},
    {"kPa", "", Q::kPressure, 1e3, 0.0, false},
    {"MPa", "", Q::kPressure, 1e6, 0.0, false},
    {"psia", "psi", Q::kPressure, kPsi, 0.0, false},
    {"atm", "", Q::kPressure, kAtmosphere, 0.0, false},
    {"barg", "", Q::kPressure, 1e5, 0.0, true},
    {"mbarg", "", Q::kPressure, 100.0, 0.0, true},
    {"Pag", "", Q::kPressure, 1.0, 0.0, true},
    {"kPag", "", Q::kPressure, 1e3, 0.0, true},
    {"MPag", "", Q::kPressure, 1e6, 0.0, true},
    {"psig", "", Q::kPressure, kPsi, 0.0, true},
    {"atmg", "", Q::kPressure, kAtmosphere, 0.0, true},
    {"mbar", "", Q::kPressureDifference, 100.0, 0.0, false},
    {"bar", "", Q::kPressureDifference, 1e5, 0.0, false},
    {"Pa", "", Q::kPressureDifference, 1.0, 0.0, false},
    {"kPa", "", Q::kPressureDifference, 1e3, 0.0, false},
    {"psi", "", Q::kPressureDifference, kPsi, 0.0, false},
    {"inH₂O", "inH2O", Q::kPressureDifference, kInch * 1000.0 * kGravity, 0.0, false},
    {"°C", "C", Q::kTemperature, 1.0, 273.15, false},
    {"K", "", Q::kTemperature, 1.0, 0.0, false},
    {"°F", "F", Q::kTemperature, kRankine, 459.67, false},
    {"K", "", Q::kTemperatureDifference, 1.0, 0.0, false},
    {"°C", "C", Q::kTemperatureDifference, 1.0, 0.0, false},
    {"°F", "F", Q::kTemperatureDifference, kRankine, 0.0, false},
    {"kJ/kg", "", Q::kSpecificEnthalpy, 1e3, 0.0, false},
    {"J/kg", "", Q::kSpecificEnthalpy, 1.0, 0.0, false},
    {"BTU/lb", "Btu/lb", Q::kSpecificEnthalpy, kBtu / kPound, 0.0, false},
    {"kcal/kg", "", Q::kSpecificEnthalpy, kCalorie * 1e3, 0.0, false},
    {"kJ/kgK", "kJ/(kg K)", Q::kSpecificEntropy, 1e3, 0.0, false},
    {"J/kgK", "J/(kg K)", Q::kSpecificEntropy, 1.0, 0.0, false},
    {"BTU/lb°F", "BTU/lbF", Q::kSpecificEntropy, kBtu / kPound / kRankine, 0.0, false},
    {"kcal/kgK", "", Q::kSpecificEntropy, kCalorie * 1e3, 0.0, false},
    {"m³/kg", "m3/kg", Q::kSpecificVolume, 1.0, 0.0, false},
    {"ft³/lb", "ft3/lb", Q::kSpecificVolume, kCubicFoot / kPound, 0.0, false},
    {"kg/m³", "kg/m3", Q::kDensity, 1.0, 0.0, false},
    {"lb/ft³", "lb/ft3", Q::kDensity, kPound / kCubicFoot, 0.0, false},
    {"kg/s", "", Q::kMassFlow, 1.0, 0.0, false},
    {"kg/h", "", Q::kMassFlow, 1.0 / kHour, 0.0, false},
    {"t/h", "", Q::kMassFlow, 1e3 / kHour, 0.0, false},
    {"lb/h", "", Q::kMassFlow, kPound / kHour, 0.0, false},
    {"lb/s", "", Q::kMassFlow, kPound, 0.0, false},
    {"g/s", "", Q::kMassFlow, 1e-3, 0.0, false},
    {"m³/s", "m3/s", Q::kVolumeFlow, 1.0, 0.0, false},
    {"m³/h", "m3/h", Q::kVolumeFlow, 1.0 / kHour, 0.0, false},
    {"l/s", "", Q::kVolumeFlow, 1e-3, 0.0, false},
    {"ft³/h", "ft3/h", Q::kVolumeFlow, kCubicFoot / kHour, 0.0, false},
    {"ft³/s", "ft3/s", Q::kVolumeFlow, kCubicFoot, 0.0, false},
    {"ft³/min", "cfm", Q::kVolumeFlow, kCubicFoot / 60.0, 0.0, false},
    {"Nm³/s", "Nm3/s", Q::kNormalVolumeFlow, 1.0, 0.0, false},
    {"Nm³/h", "Nm3/h", Q::kNormalVolumeFlow, 1.0 / kHour, 0.0, false},
    {"Nft³/h", "Nft3/h", Q::kNormalVolumeFlow, kCubicFoot / kHour, 0.0, false},
    {"Nft³/s", "Nft3/s", Q::kNormalVolumeFlow, kCubicFoot, 0.0, false},
    {"kW", "", Q::kPower, 1e3, 0.0, false},
    {"W", "", Q::kPower, 1.0, 0.0, false},
    {"MW", "", Q::kPower, 1e6, 0.0, false},
    {"BTU/h", "Btu/h", Q::kPower, kBtu / kHour, 0.0, false},
    {"kcal/h", "", Q::kPower, kCalorie * 1e3 / kHour, 0.0, false},
    {"m/s", "", Q::kVelocity, 1.0, 0.0, false},
    {"ft/s", "", Q::kVelocity, kFoot, 0.0, false},
    {"km/h", "", Q::kVelocity, 1.0 / 3.6, 0.0, false},
    {"mm", "", Q::kLength, 1e-3, 0.0, false},
    {"m", "", Q::kLength, 1.0, 0.0, false},
    {"cm", "", Q::kLength, 1e-2, 0.0, false},
    {"in", "", Q::kLength, kInch, 0.0, false},
    {"ft", "", Q::kLength, kFoot, 0.0, false},
    {"m²", "m2", Q::kArea, 1.0, 0.0, false},
    {"mm²", "mm2", Q::kArea, 1e-6, 0.0, false},
    {"cm²", "cm2", Q::kArea, 1e-4, 0.0, false},
    {"in²", "in2", Q::kArea, kInch* kInch, 0.0, false},
    {"ft²", "ft2", Q::kArea, kFoot* kFoot, 0.0, false},
    {"µPas", "uPas|10⁻⁶ Pa s", Q::kDynamicViscosity, 1e-6, 0.0, false},
    {"mPas", "cP", Q::kDynamicViscosity, 1e-3, 0.0, false},
    {"Pas", "Pa s", Q::kDynamicViscosity, 1.0, 0.0, false},
    {"lb/fth", "lb/(ft h)", Q::kDynamicViscosity, kPound / kFoot / kHour, 0.0, false},
    {"mm²/s", "cSt|10⁻⁶ m²/s", Q::kKinematicViscosity, 1e-6, 0.0, false},
    {"m²/s", "m2/s", Q::kKinematicViscosity, 1.0, 0.0, false},
    {"ft²/s", "ft2/s", Q::kKinematicViscosity, kFoot* kFoot, 0.0, false},
    {"W/mK", "W/(m K)", Q::kThermalConductivity, 1.0, 0.0, false},
    {"mW/mK", "mW/(m K)", Q::kThermalConductivity, 1e-3, 0.0, false},
    {"BTU/hft°F", "BTU/hftF", Q::kThermalConductivity, kBtu / kHour / kFoot / kRankine, 0.0, false},
    {"W/m²K", "W/m2K|W/(m² K)", Q::kHeatTransferCoefficient, 1.0, 0.0, false},
    {"kW/m²K", "kW/m2K", Q::kHeatTransferCoefficient, 1e3, 0.0, false},
    {"BTU/hft²°F", "BTU/hft2F", Q::kHeatTransferCoefficient,
     kBtu / kHour / (kFoot * kFoot) / kRankine, 0.0, false},
    {"mN/m", "dyn/cm|10⁻³ N/m", Q::kSurfaceTension, 1e-3, 0.0, false},
    {"N/m", "", Q::kSurfaceTension, 1.0, 0.0, false},
    {"kg/m²s", "kg/m2s|kg/(m² s)", Q::kMassFlux, 1.0, 0.0, false},
    {"kg/m²h", "kg/m2h", Q::kMassFlux, 1.0 / kHour, 0.0, false},
    {"lb/ft²s", "lb/ft2s", Q::kMassFlux, kPound / (kFoot * kFoot), 0.0, false},
    {"lb/ft²h", "lb/ft2h", Q::kMassFlux, kPound / (kFoot * kFoot) / kHour, 0.0, false},
    {"mm", "", Q::kDiameter, 1e-3, 0.0, false},
    {"cm", "", Q::kDiameter, 1e-2, 0.0, false},
    {"m", "", Q::kDiameter, 1.0, 0.0, false},
    {"in", "", Q::kDiameter, kInch, 0.0, false},
    {"ft", "", Q::kDiameter, kFoot, 0.0, false},
});

struct PresetUnit {
    Quantity quantity;
    std::string_view symbol;
};

constexpr auto kSiMpa = std::to_array<PresetUnit>({
    {Q::kPressure, "MPa"},
    {Q::kPressureDifference, "kPa"},
    {Q::kTemperature, "K"},
    {Q::kTemperatureDifference, "K"},
    {Q::kSpecificEnthalpy, "kJ/kg"},
    {Q::kSpecificEntropy, "kJ/kgK"},
    {Q::kSpecificVolume, "m³/kg"},
    {Q::kDensity, "kg/m³"},
    {Q::kMassFlow, "kg/s"},
    {Q::kVolumeFlow, "m³/s"},
    {Q::kNormalVolumeFlow, "Nm³/s"},
    {Q::kPower, "kW"},
    {Q::kVelocity, "m/s"},
    {Q::kLength, "m"},
    {Q::kArea, "m²"},
    {Q::kDynamicViscosity, "Pas"},
    {Q::kKinematicViscosity, "m²/s"},
    {Q::kThermalConductivity, "W/mK"},
    {Q::kHeatTransferCoefficient, "W/m²K"},
    {Q::kSurfaceTension, "N/m"},
    {Q::kMassFlux, "kg/m²s"},
    {Q::kDiameter, "m"},
});
static_assert(kSiMpa.size() == kQuantityCount);

constexpr auto kUs = std::to_array<PresetUnit>({
    {Q::kPressure, "psia"},
    {Q::kPressureDifference, "psi"},
    {Q::kTemperature, "°F"},
    {Q::kTemperatureDifference, "°F"},
    {Q::kSpecificEnthalpy, "BTU/lb"},
    {Q::kSpecificEntropy, "BTU/lb°F"},
    {Q::kSpecificVolume, "ft³/lb"},
    {Q::kDensity, "lb/ft³"},
    {Q::kMassFlow, "lb/h"},
    {Q::kVolumeFlow, "ft³/h"},
    {Q::kNormalVolumeFlow, "Nft³/h"},
    {Q::kPower, "BTU/h"},
    {Q::kVelocity, "ft/s"},
    {Q::kLength, "ft"},
    {Q::kArea, "in²"},
    {Q::kDynamicViscosity, "lb/fth"},
    {Q::kKinematicViscosity, "ft²/s"},
    {Q::kThermalConductivity, "BTU/hft°F"},
    {Q::kHeatTransferCoefficient, "BTU/hft²°F"},
    {Q::kSurfaceTension, "mN/m"},
    {Q::kMassFlux, "lb/ft²s"},
    {Q::kDiameter, "in"},
});
static_assert(kUs.size() == kQuantityCount);

UnitChoice choiceOf(std::span<const PresetUnit> preset) {
    UnitChoice choice;
    for (const auto& [quantity, symbol] : preset) {
        choice.units[static_cast<std::size_t>(quantity)] = findUnit(quantity, symbol);
    }
    return choice;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Whether the spelling is one of the unit's aliases ("a|b").
bool isAlias(const Unit& unit, std::string_view spelling) {
    for (std::string_view rest = unit.alias; !rest.empty();) {
        const auto bar = rest.find('|');
        if (rest.substr(0, bar) == spelling) {
            return true;
        }
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    return false;
}

// SI value of a value in a unit; gauge pressures above referencePressure [bar].
double toSi(double value, const Unit& unit, double referencePressure) {
    const double si = (value + unit.offset) * unit.factor;
    return unit.gauge ? si + referencePressure * 1e5 : si;
}

double fromSi(double si, const Unit& unit, double referencePressure) {
    const double above = unit.gauge ? si - referencePressure * 1e5 : si;
    return above / unit.factor - unit.offset;
}

// The shortest text that reads back as the value.
std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), end};
}

// The unit of the quantity spelled so in `text`, or why there is none.
std::string unitOf(Quantity wanted, std::string_view spelling, std::string_view text,
                   const Unit*& unit) {
    unit = findUnit(wanted, spelling);
    if (unit != nullptr) {
        return {};
    }
    if (const Unit* other = findUnit(spelling)) {
        return quoted(text) + ": " + std::string(other->symbol) + " is a unit of " +
               std::string(quantityName(other->quantity)) + ", not of " +
               std::string(quantityName(wanted));
    }
    return quoted(text) + ": unknown unit " + quoted(spelling);
}

// Refuses what cannot be: an absolute pressure below zero given as gauge, a temperature below
// absolute zero; the limit in the unit of the text.
std::string physicalRefusal(std::string_view text, double si, const Unit& unit,
                            double referencePressure) {
    const bool gaugeBelowVacuum = unit.gauge && si < 0.0;
    if (!gaugeBelowVacuum && !(unit.quantity == Quantity::kTemperature && si < 0.0)) {
        return {};
    }
    const std::string limit =
        shortest(fromSi(0.0, unit, referencePressure)) + " " + std::string(unit.symbol);
    return quoted(text) + (gaugeBelowVacuum
                               ? ": a gauge pressure below vacuum (" + limit + ")"
                               : ": a temperature below absolute zero (" + limit + ")");
}

// A number and the unit it is given in: the one spelled after it, else the chosen one.
struct GivenValue {
    double value = 0.0;
    const Unit* unit = nullptr;  //!< null when refused
    std::string refusal;
};

GivenValue givenValue(std::string_view text, const Unit& written, const UnitChoice& choice) {
    const std::string_view body = trimmed(text);
    const std::string_view number = body.substr(body.starts_with('+') ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || !std::isfinite(value)) {
        return {0.0, nullptr, quoted(text) + ": not a number"};
    }
    const std::string_view spelling =
        trimmed(number.substr(static_cast<std::size_t>(end - number.data())));
    const Unit* unit = &shownUnit(written, choice);
    if (!spelling.empty()) {
        if (std::string refusal = unitOf(written.quantity, spelling, text, unit);
            !refusal.empty()) {
            return {0.0, nullptr, refusal};
        }
    }
    return {value, unit, {}};
}

}  // namespace

std::string_view quantityKey(Quantity quantity) {
    return kQuantities[static_cast<std::size_t>(quantity)].key;
}

std::string_view quantityName(Quantity quantity) {
    return kQuantities[static_cast<std::size_t>(quantity)].name;
}

std::optional<Quantity> findQuantity(std::string_view keyOrName) {
    for (std::size_t i = 0; i < kQuantities.size(); ++i) {
        if (kQuantities[i].key == keyOrName || kQuantities[i].name == keyOrName) {
            return static_cast<Quantity>(i);
        }
    }
    return std::nullopt;
}

std::span<const Unit> allUnits() {
    return kUnits;
}

const Unit* findUnit(Quantity quantity, std::string_view spelling) {
    const auto* found = std::find_if(kUnits.begin(), kUnits.end(), [&](const Unit& unit) {
        return unit.quantity == quantity && (unit.symbol == spelling || isAlias(unit, spelling));
    });
    return found == kUnits.end() ? nullptr : &*found;
}

const Unit* findUnit(std::string_view spelling) {
    for (int i = 0; i < kQuantityCount; ++i) {
        if (const Unit* unit = findUnit(static_cast<Quantity>(i), spelling)) {
            return unit;
        }
    }
    return nullptr;
}

const Unit* findWrittenUnit(std::string_view symbol) {
    return symbol == "mm" ? findUnit(Quantity::kDiameter, symbol) : findUnit(symbol);
}

bool UnitChoice::isWritten() const {
    return std::all_of(units.begin(), units.end(), [](const Unit* unit) { return !unit; });
}

std::optional<UnitChoice> presetChoice(std::string_view name) {
    if (name == kPresetNames[0]) {
        return UnitChoice{};
    }
    if (name == kPresetNames[1]) {
        return choiceOf(kSiMpa);
    }
    if (name == kPresetNames[2]) {
        return choiceOf(kUs);
    }
    return std::nullopt;
}

std::string applyUnitList(std::string_view list, UnitChoice& choice) {
    UnitChoice applied = choice;
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view entry = trimmed(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        const auto equals = entry.find('=');
        if (equals == std::string_view::npos) {
            return quoted(entry) + ": give QUANTITY=UNIT";
        }
        const auto quantity = findQuantity(trimmed(entry.substr(0, equals)));
        if (!quantity) {
            return quoted(entry) + ": unknown quantity " + quoted(trimmed(entry.substr(0, equals)));
        }
        const std::string_view spelling = trimmed(entry.substr(equals + 1));
        const Unit* unit = nullptr;
        if (std::string refusal = unitOf(*quantity, spelling, entry, unit); !refusal.empty()) {
            return refusal;
        }
        applied.units[static_cast<std::size_t>(*quantity)] = unit;
    }
    choice = applied;
    return {};
}

std::string unitList(const UnitChoice& choice) {
    std::string list;
    for (int i = 0; i < kQuantityCount; ++i) {
        if (const Unit* unit = choice.units[static_cast<std::size_t>(i)]) {
            list += (list.empty() ? "" : ",") + std::string(quantityKey(static_cast<Quantity>(i))) +
                    "=" + std::string(unit->symbol);
        }
    }
    return list;
}

double convert(double value, const Unit& from, const Unit& to, double referencePressure) {
    if (&from == &to) {
        return value;
    }
    return fromSi(toSi(value, from, referencePressure), to, referencePressure);
}

const Unit& shownUnit(const Unit& written, const UnitChoice& choice) {
    const Unit* chosen = choice.unit(written.quantity);
    return chosen != nullptr ? *chosen : written;
}

namespace {

// Digits of the largest term a shown value keeps, and the one more a value read keeps: both
// hide the conversion's own rounding errors (1472 °F is 800 °C, not 800.0000000000001), and a
// value read and shown again comes back as typed (200 °F, not 199.9999999999).
constexpr int kShownDigits = 13;
constexpr int kReadDigits = 14;

// The value in unit `to`, rounded to `digits` of the largest term of its conversion (an offset
// or reference too).
double roundedConvert(double value, const Unit& from, const Unit& to, double referencePressure,
                      int digits) {
    const double converted = convert(value, from, to, referencePressure);
    const double scale =
        std::max(std::abs(converted), std::abs(toSi(value, from, referencePressure) / to.factor));
    if (&from == &to || !std::isfinite(value) || !(scale > 1e-100 && scale < 1e15)) {
        return converted;
    }
    const int decimals = std::max(0, digits - 1 - static_cast<int>(std::floor(std::log10(scale))));
    std::array<char, 160> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), converted,
                                            std::chars_format::fixed, decimals);
    double rounded = converted;
    if (error == std::errc{}) {
        std::from_chars(buffer.data(), end, rounded);
    }
    return rounded;
}

}  // namespace

double toShown(double value, const Unit& written, const UnitChoice& choice) {
    return roundedConvert(value, written, shownUnit(written, choice), choice.referencePressure,
                          kShownDigits);
}

Reading toWritten(double value, const Unit& unit, const Unit& written, double referencePressure,
                  std::string_view text) {
    const double si = toSi(value, unit, referencePressure);
    if (std::string refusal = physicalRefusal(text, si, unit, referencePressure);
        !refusal.empty()) {
        return {0.0, refusal};
    }
    return {roundedConvert(value, unit, written, referencePressure, kReadDigits), {}};
}

Reading readValue(std::string_view text, const Unit& written, const UnitChoice& choice) {
    const GivenValue given = givenValue(text, written, choice);
    if (given.unit == nullptr) {
        return {0.0, given.refusal};
    }
    return toWritten(given.value, *given.unit, written, choice.referencePressure, text);
}

Reading readDifference(std::string_view text, const Unit& written, const UnitChoice& choice) {
    const GivenValue given = givenValue(text, written, choice);
    if (given.unit == nullptr) {
        return {0.0, given.refusal};
    }
    return {given.value * given.unit->factor / written.factor, {}};
}

}  // namespace vaporis::output
