#pragma once

#include <array>
#include <string_view>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "output/catalogue/gas_properties.h"
#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

namespace vaporis::ui {

//! Control ids of the gas-property dialog (145).
enum GasPropertyId : int {
    kIdGasOk = 1,
    kIdGasByTemperature = 1000,
    kIdGasByEnthalpy = 1001,
    kIdGasHtmlOutput = 1004,
    kIdGasValidity = 1006,
    kIdGasBack = 1007,
    kIdGasPressure = 1008,
    kIdGasTemperature = 1009,
    kIdGasEditAnalysis = 1011,
    kIdGasDewPoint = 1012,
    kIdGasName = 1572,
    kIdGasEnthalpy = 2600,
    kIdGasMolarMass = 2619,
    kIdGasConstant = 2620,
    kIdGasLowerHeatingValue = 2621,
    kIdGasAirDemand = 2622,
    kIdGasUpperHeatingValue = 2623,
    kIdGasOxygenDemand = 2624,
};

//! Result field of gas property k (gas::GasProperty 1 to 18); k = 0 is the enthalpy input.
[[nodiscard]] constexpr int gasPropertyFieldId(int k) {
    return kIdGasEnthalpy + k;
}

namespace detail {

inline constexpr std::string_view kGroupGasInput = "Input";
inline constexpr std::string_view kGroupGasData = "Gas analysis";
inline constexpr std::string_view kGroupGasProperties = "Properties";

// Thermodynamic properties at the left, transport and caloric data at the right.
// id, kind, UTF-8 text, row, column, group box, column span
inline constexpr auto kGasPropertyControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupGasInput, 0, 0, ""},
    {kIdGasByTemperature, ControlKind::kRadio, "p + t", 0, 0, kGroupGasInput},
    {kIdGasByEnthalpy, ControlKind::kRadio, "p + h", 1, 0, kGroupGasInput},
    {kIdGasPressure, ControlKind::kEdit, output::kGasPressureEntry.dialogLabel, 2, 0,
     kGroupGasInput},
    {kIdGasTemperature, ControlKind::kEdit, output::kGasTemperatureEntry.dialogLabel, 3, 0,
     kGroupGasInput},
    {kIdGasEnthalpy, ControlKind::kEdit, output::gasProperty(gas::kEnthalpy).dialogLabel, 4, 0,
     kGroupGasInput},
    {kIdGasDewPoint, ControlKind::kReadOnlyEdit, output::gasProperty(gas::kDewPoint).dialogLabel, 5,
     0, kGroupGasInput},
    {kStaticId, ControlKind::kGroup, kGroupGasData, 0, 1, "", 2},
    {kIdGasName, ControlKind::kReadOnlyEdit, "gas notation", 0, 0, kGroupGasData, 2},
    {kIdGasMolarMass, ControlKind::kReadOnlyEdit, "molar mass [g/mol]", 1, 0, kGroupGasData},
    {kIdGasConstant, ControlKind::kReadOnlyEdit, "gas constant [J/kgK]", 2, 0, kGroupGasData},
    {kIdGasOxygenDemand, ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kOxygenDemand).dialogLabel, 3, 0, kGroupGasData},
    {kIdGasAirDemand, ControlKind::kReadOnlyEdit, output::gasProperty(gas::kAirDemand).dialogLabel,
     4, 0, kGroupGasData},
    {kIdGasUpperHeatingValue, ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kUpperHeatingValue).dialogLabel, 5, 0, kGroupGasData},
    {kIdGasLowerHeatingValue, ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kLowerHeatingValue).dialogLabel, 6, 0, kGroupGasData},
    {kIdGasEditAnalysis, ControlKind::kButton, "edit gas analysis", 7, 0, kGroupGasData, 2},
    {kStaticId, ControlKind::kGroup, kGroupGasProperties, 1, 0, "", 3},
    {gasPropertyFieldId(gas::kVolume), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kVolume).dialogLabel, 0, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kDensity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kDensity).dialogLabel, 1, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kNormalDensity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kNormalDensity).dialogLabel, 2, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kEntropy), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kEntropy).dialogLabel, 3, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kCp), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kCp).dialogLabel, 4, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kCpm), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kCpm).dialogLabel, 5, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kCv), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kCv).dialogLabel, 6, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kSonicVelocity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kSonicVelocity).dialogLabel, 7, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kKappa), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kKappa).dialogLabel, 8, 0, kGroupGasProperties},
    {gasPropertyFieldId(gas::kViscosity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kViscosity).dialogLabel, 0, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kKinematicViscosity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kKinematicViscosity).dialogLabel, 1, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kConductivity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kConductivity).dialogLabel, 2, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kDiffusivity), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kDiffusivity).dialogLabel, 3, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kPrandtl), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kPrandtl).dialogLabel, 4, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kExpansion), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kExpansion).dialogLabel, 5, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kCompressibility), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kCompressibility).dialogLabel, 6, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kTotalEnthalpy), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kTotalEnthalpy).dialogLabel, 7, 2, kGroupGasProperties},
    {gasPropertyFieldId(gas::kFormationEnthalpy), ControlKind::kReadOnlyEdit,
     output::gasProperty(gas::kFormationEnthalpy).dialogLabel, 8, 2, kGroupGasProperties},
    {kIdGasHtmlOutput, ControlKind::kCheck, "output in HTML format", 2, 0, "", 3},
    {kIdGasOk, ControlKind::kButton, "OK", 3, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 3, 1, ""},
    {kIdGasValidity, ControlKind::kButton, "area of validity / function abbreviations", 3, 2, ""},
    {kIdGasBack, ControlKind::kButton, "back", 3, 3, ""},
});

}  // namespace detail

//! Dialog 145. The close box acts as "back".
inline constexpr DialogTemplate kGasPropertyTemplate{
    145,
    "TORVIK - fluid properties of gases according to FDBR",
    detail::kGasPropertyControls,
    kIdGasBack,
    kIdGasOk,
    kIdCopyTable};

//! The gas-property dialog: computes gas state 1 of the program's gas analysis from p and t
//! or p and h, shows every property and optionally writes the report; opens the editor.
class GasPropertyDialog : public DialogLogic {
public:
    //! state must be bound to analysis.
    GasPropertyDialog(Port& port, gas::GasState& state, gas::GasAnalysis& analysis,
                      project::SessionFlags& flags);

    void opened() override;
    void command(int id) override;
    void refreshDisplays() override;

private:
    [[nodiscard]] bool byTemperature() const;
    void inputModeChosen(bool temperature);
    void calculateState();
    [[nodiscard]] bool readInputsIntoState();
    [[nodiscard]] bool resultsAccepted();
    void showResults();
    void editAnalysis();
    void back();

    Port& port_;
    gas::GasState& state_;
    gas::GasAnalysis& analysis_;
    project::SessionFlags& flags_;
};

}  // namespace vaporis::ui
