#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vaporis::output {

//! The physical quantities a value shown to a person can have.
enum class Quantity : int {
    kPressure,
    kPressureDifference,
    kTemperature,
    kTemperatureDifference,
    kSpecificEnthalpy,
    kSpecificEntropy,  //!< and specific heat capacity
    kSpecificVolume,
    kDensity,
    kMassFlow,
    kVolumeFlow,
    kNormalVolumeFlow,
    kPower,  //!< and heat flow
    kVelocity,
    kLength,  //!< of tubes, levels (written in m)
    kArea,
    kDynamicViscosity,
    kKinematicViscosity,
    kThermalConductivity,
    kHeatTransferCoefficient,
    kSurfaceTension,
    kMassFlux,  //!< mass flow per cross section
    kDiameter,  //!< and widths, heights, roughness (written in mm)
};

//! Number of quantities.
inline constexpr int kQuantityCount = 22;

//! Short key of a quantity as options spell it ("p", "dp", "t", "h", ...).
[[nodiscard]] std::string_view quantityKey(Quantity quantity);

//! Name of a quantity in messages ("pressure").
[[nodiscard]] std::string_view quantityName(Quantity quantity);

//! The quantity of a short key or name; nothing when there is none.
[[nodiscard]] std::optional<Quantity> findQuantity(std::string_view keyOrName);

//! One unit: value in SI = (value + offset) * factor; a gauge pressure is measured above the
//! reference pressure of the unit choice.
struct Unit {
    std::string_view symbol;  //!< as shown ("°F")
    std::string_view alias;   //!< other spellings also read, "|" between them ("F"); may be empty
    Quantity quantity;
    double factor;  //!< SI value of one unit (Pa, K, J/kg, ...)
    double offset;  //!< added before the factor (temperature scales) [unit]
    bool gauge;     //!< pressure above the reference pressure
};

//! Every unit, grouped by quantity.
[[nodiscard]] std::span<const Unit> allUnits();

//! The unit of this quantity spelled so (symbol or alias); nullptr when there is none.
[[nodiscard]] const Unit* findUnit(Quantity quantity, std::string_view spelling);

//! The unit of any quantity spelled so; nullptr when there is none.
[[nodiscard]] const Unit* findUnit(std::string_view spelling);

//! The unit the program writes values in under this symbol (as a label's "[mm]" names it):
//! "mm" is a diameter's, "m" a length's, any other as findUnit finds it.
[[nodiscard]] const Unit* findWrittenUnit(std::string_view symbol);

//! Default reference of gauge pressures [bar].
inline constexpr double kStandardAtmosphereBar = 1.01325;

//! The unit a person works in for each quantity; nullptr keeps a value in its written unit.
struct UnitChoice {
    std::array<const Unit*, kQuantityCount> units{};
    double referencePressure = kStandardAtmosphereBar;  //!< of gauge units [bar]

    [[nodiscard]] const Unit* unit(Quantity quantity) const {
        return units[static_cast<int>(quantity)];
    }
    [[nodiscard]] bool isWritten() const;
    friend bool operator==(const UnitChoice&, const UnitChoice&) = default;
};

//! Names of the presets: "written" (no conversion), "si-mpa", "us".
inline constexpr std::array<std::string_view, 3> kPresetNames{"written", "si-mpa", "us"};

//! The choice of a preset name; nothing for an unknown name.
[[nodiscard]] std::optional<UnitChoice> presetChoice(std::string_view name);

//! Applies a list "p=psig,t=F" (quantity key or name = unit) to the choice; an empty text
//! when every entry was applied, else a message naming the entry (the choice is then unchanged).
[[nodiscard]] std::string applyUnitList(std::string_view list, UnitChoice& choice);

//! The chosen units as a list "p=psig,t=°F" that applyUnitList reads back; empty when written.
[[nodiscard]] std::string unitList(const UnitChoice& choice);

//! The value in unit `to`; both units have the same quantity. referencePressure [bar].
[[nodiscard]] double convert(double value, const Unit& from, const Unit& to,
                             double referencePressure);

//! The unit a value written in `written` is shown in under this choice.
[[nodiscard]] const Unit& shownUnit(const Unit& written, const UnitChoice& choice);

//! A value written in `written` as shown under this choice, rounded to 13 digits of the
//! largest term of its conversion (which hides the conversion's own rounding errors).
[[nodiscard]] double toShown(double value, const Unit& written, const UnitChoice& choice);

//! A value read from a person: in the written unit, or why it was refused.
struct Reading {
    double value = 0.0;
    std::string refusal;  //!< names the text and its unit; empty when read
    [[nodiscard]] bool ok() const { return refusal.empty(); }
};

//! A value given in `unit` (as `text`, for the message) in the written unit; refused as
//! readValue refuses.
[[nodiscard]] Reading toWritten(double value, const Unit& unit, const Unit& written,
                                double referencePressure, std::string_view text);

//! Reads "725.189 psia", "5barg", "750F" or a bare number (in the chosen unit) into the
//! written unit. Refuses unknown units, units of another quantity, absolute pressures
//! below zero given in a gauge unit and temperatures below absolute zero.
[[nodiscard]] Reading readValue(std::string_view text, const Unit& written,
                                const UnitChoice& choice);

//! Reads a difference of two values of `written`'s quantity ("10 psi", "50F", or a bare number
//! in the chosen unit) into the written unit: its scale only, no offset and no gauge reference.
[[nodiscard]] Reading readDifference(std::string_view text, const Unit& written,
                                     const UnitChoice& choice);

}  // namespace vaporis::output
