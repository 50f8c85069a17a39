#include "ui/info/validity_window.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "ui/info/information_dialog.h"

namespace vaporis::ui {
namespace {

constexpr std::string_view kWaterGroup = "water / steam";
constexpr std::string_view kGasGroup = "gases";
constexpr std::string_view kAbbreviationGroup = "function abbreviations";

constexpr auto kWaterTexts = std::to_array<std::string_view>({
    "The validity of all fluid properties of water / steam are assured in the following range "
    "(except eta, lambda: only range 1):",
    "1.)       0.01 <= t <= 800 °C                at       0.00611213 < p <= 1000 bar",
    "2.)       0.01 <= t <= 2000 °C                at     0.00611213 < p <= 100 bar",
    "All ' and '' - functions (meaning the functions at the phase change) can be calculated in "
    "the pressure range of 0 < p < p_critical (220.64 bar).",
    "The functions for vapor pressure and surface tension of the boiling liquid are valid from "
    "the triple point to the critical temperature (0.01 < t < 373.946 °C).",
    "The functions for dynamic viscosity and thermal conductivity as well as all derived numbers "
    "from these properties (e.g. Prandtl number, thermal diffusivity) are only valid in range "
    "(1).",
});

constexpr auto kGasTexts = std::to_array<std::string_view>({
    "Max. temperature for fluid property calculation:",
    "C2H6, C3H6, C3H8, C4H8, C4H10:           1500°C",
    "C2H2, C2H4:                                              2000°C",
    "all other gases:                                           4726.85°C",
    "All functions are valid for p = 1 bar. Up to p = 10 bar the error is assumed to be small. "
    "For p > 10 bar the user has to accept larger errors. The pressure is limited to 100 bar.",
    "Warning: eta and lambda of helium can only be calculated up to approx. 2044K because helium "
    "has a very small potential parameter.",
    "The conversion from vol% / mol% / mass% are done via the ideal gas law. Therefore mol% is "
    "identical with vol%.",
    "Enthalpy and cp of these gases are unattached by pressure. Therefore the temperature does "
    "not change during a throttling process.",
    "The zero point of enthalpy is defined at 0°C. It is possible though that the enthalpy drops "
    "below zero when condensation occurs (condensation heat).",
});

// One row of the abbreviations table; the friction coefficient has no abbreviation.
struct Abbreviation {
    std::string_view abbreviation;
    std::string_view description;
    std::string_view units;
};

constexpr auto kAbbreviations = std::to_array<Abbreviation>({
    {"abbreviation", "description", "unit(s)"},
    {"p", "pressure", "bar, Pa"},
    {"t", "temperature", "°C"},
    {"T", "absolute temperature", "K"},
    {"ps", "vapor pressure", "bar, Pa"},
    {"ts", "boiling temperature", "°C"},
    {"h", "specific enthalpy", "kJ/kg"},
    {"v", "specific volume", "m³/kg"},
    {"rho", "density", "kg/m³"},
    {"s", "specific entropy", "kJ/kgK"},
    {"cp", "specific isobaric heat capacity", "kJ/kgK"},
    {"cpm", "medium specific isobaric heat capacity", "kJ/kgK"},
    {"cv", "specific isochore heat capacity", "kJ/kgK"},
    {"w", "sonic velocity", "m/s"},
    {"eta", "dyn. viscosity", "Pas"},
    {"nu", "kin. viscosity", "m²/s"},
    {"lambda", "thermal conductivity", "W/mK"},
    {"", "friction coefficient", "[-]"},
    {"a", "thermal diffusivity", "m²/s"},
    {"Pr", "Prandtl number", "[-]"},
    {"kappa", "isotropic coefficient", "[-]"},
    {"beta", "isobaric volumetric expansion coeff.", "1/K"},
    {"chi", "isothermal volumetric expansion coeff.", "1/bar"},
    {"sigma", "surface tension", "N/m"},
    {"Re", "Reynolds number", "[-]"},
});

// The 24 rows are shown as two tables side by side, each under its own header, so the
// window stays low enough for a laptop screen.
constexpr std::size_t kRowsPerHalf = (kAbbreviations.size() - 1) / 2;
constexpr int kHalfColumns = 4;  // abbreviation, description, unit(s), gap

constexpr std::string_view kNote =
    "The fluid properties of water and steam follow the industrial formulation IAPWS-IF97, those "
    "of gases the FDBR formulations. Thermal processes rely on these fluid property data only. "
    "Flow processes apply the FDBR and VDI formulations for pressure loss and heat transfer; "
    "rectangular profiles are calculated with the hydraulic diameter d_hydr = 4*A/U and an "
    "additional prefactor in the laminar region.";

constexpr std::string_view kDisclaimer =
    "Disclaimer: the results are calculated with care but without any warranty. Check every "
    "value that a design decision rests on against an independent source; responsibility for "
    "the use of the results lies with the user.";

constexpr std::size_t kControlCount =
    3 + kWaterTexts.size() + kGasTexts.size() + 3 * (kAbbreviations.size() + 1) + 2;

constexpr ControlEntry staticText(std::string_view text, int row, int column,
                                  std::string_view group, int columnSpan = 1) {
    return {kStaticId, ControlKind::kStatic, text, row, column, group, columnSpan};
}

constexpr ControlEntry group(std::string_view caption, int row, int column, int columnSpan = 1) {
    return {kStaticId, ControlKind::kGroup, caption, row, column, "", columnSpan};
}

constexpr std::array<ControlEntry, kControlCount> buildControls() {
    std::array<ControlEntry, kControlCount> controls{};
    std::size_t next = 0;
    controls[next++] = group(kWaterGroup, 0, 0);
    controls[next++] = group(kGasGroup, 0, 1);
    controls[next++] = group(kAbbreviationGroup, 1, 0, 2);
    for (std::size_t i = 0; i < kWaterTexts.size(); ++i) {
        controls[next++] = staticText(kWaterTexts[i], static_cast<int>(i), 0, kWaterGroup);
    }
    for (std::size_t i = 0; i < kGasTexts.size(); ++i) {
        controls[next++] = staticText(kGasTexts[i], static_cast<int>(i), 0, kGasGroup);
    }
    // The header goes above both halves; data row r sits in half r / kRowsPerHalf.
    const auto placeRow = [&](const Abbreviation& entry, int row, int firstColumn) {
        controls[next++] = staticText(entry.abbreviation, row, firstColumn, kAbbreviationGroup);
        controls[next++] = staticText(entry.description, row, firstColumn + 1, kAbbreviationGroup);
        controls[next++] = staticText(entry.units, row, firstColumn + 2, kAbbreviationGroup);
    };
    placeRow(kAbbreviations[0], 0, 0);
    placeRow(kAbbreviations[0], 0, kHalfColumns);
    for (std::size_t r = 0; r + 1 < kAbbreviations.size(); ++r) {
        const int half = static_cast<int>(r / kRowsPerHalf);
        placeRow(kAbbreviations[r + 1], static_cast<int>(r % kRowsPerHalf) + 1,
                 half * kHalfColumns);
    }
    controls[next++] = staticText(kNote, 2, 0, "", 2);
    controls[next++] = staticText(kDisclaimer, 3, 0, "", 2);
    return controls;
}

constexpr auto kControls = buildControls();

}  // namespace

const DialogTemplate kValidityTemplate{103, "Range of validity / function abbreviations", kControls,
                                       kIdTextWindowClose};

}  // namespace vaporis::ui
