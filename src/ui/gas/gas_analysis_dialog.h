#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "output/messages/messages.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::ui {

//! Control ids of the gas-analysis editor (152).
enum GasAnalysisId : int {
    kIdSubstitute = 1005,
    kIdAnalysisOk = 1007,
    kIdAnalysisPressure = 1008,
    kIdAnalysisTemperature = 1009,
    kIdLoadAnalysis = 1010,
    kIdSaveAnalysis = 1011,
    kIdAnalysisDewPoint = 1012,
    kIdMassBasis = 1066,
    kIdVolumeBasis = 1067,
    kIdPercentSum = 1068,
    kIdPercentDifference = 1069,
    kIdDeleteAnalysis = 1080,
    kIdMixMass = 1081,
    kIdMixVolume = 1082,
    kIdDryGas = 1567,
    kIdScaleTo100 = 1569,
    kIdChangeBy = 1570,
    kIdChangeTo = 1571,
    kIdHumidify = 1572,
    kIdGasNotation = 1573,
    kIdValue = 2424,
};

//! Percentage field of component i (gas::ComponentIndex) in the current basis.
[[nodiscard]] constexpr int componentFieldId(int i) {
    return 2400 + i;
}
//! Radio that selects component i for the VALUE operations.
[[nodiscard]] constexpr int componentRadioId(int i) {
    return 3000 + i;
}

//! x rounded to n decimals, halves away from zero; a value too large to round stays as is.
[[nodiscard]] double roundDecimals(double x, int n);

namespace detail {

inline constexpr std::string_view kGroupComponents = "gas analysis [%]";
inline constexpr std::string_view kGroupBasis = "basis";
inline constexpr std::string_view kGroupOperations = "operations";
inline constexpr std::string_view kGroupAnalysisFile = "gas analysis file";

struct ComponentRow {
    std::string_view label;
    int component;  // gas::ComponentIndex
};

// The rows of the editor: air and its constituents first, the hydrocarbons last.
inline constexpr auto kComponentRows = std::to_array<ComponentRow>({
    {"dry air", gas::kDryAir},
    {"water vapor H2O", gas::kWaterVapor},
    {"nitrogen N2", gas::kNitrogen},
    {"oxygen O2", gas::kOxygen},
    {"hydrogen H2", gas::kHydrogen},
    {"helium He", gas::kHelium},
    {"neon Ne", gas::kNeon},
    {"argon Ar", gas::kArgon},
    {"nitrogen oxide NO", gas::kNitrogenOxide},
    {"carbon monoxide CO", gas::kCarbonMonoxide},
    {"carbon dioxide CO2", gas::kCarbonDioxide},
    {"sulfur dioxide SO2", gas::kSulfurDioxide},
    {"hydrogen sulfide H2S", gas::kHydrogenSulfide},
    {"chlorine Cl2", gas::kChlorine},
    {"ammonia NH3", gas::kAmmonia},
    {"hydrogen chloride HCl", gas::kHydrogenChloride},
    {"methane CH4", gas::kMethane},
    {"acetylene C2H2", gas::kAcetylene},
    {"ethylene C2H4", gas::kEthylene},
    {"ethane C2H6", gas::kEthane},
    {"propylene C3H6", gas::kPropylene},
    {"propane C3H8", gas::kPropane},
    {"butylene C4H8", gas::kButylene},
    {"n-butane C4H10", gas::kButane},
});
static_assert(kComponentRows.size() == gas::kComponentCount);

// The components stand in two columns of rows, so that the window fits a laptop screen; the
// sum and its difference to 100 % under them.
inline constexpr int kComponentColumnRows = gas::kComponentCount / 2;
inline constexpr int kSumRow = kComponentColumnRows;
inline constexpr int kSecondColumn = 3;

// id, kind, UTF-8 text, row, column, group box, column span
inline constexpr auto kAnalysisFixedControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupComponents, 0, 0, ""},
    {kIdPercentSum, ControlKind::kReadOnlyEdit, "sum", kSumRow, 1, kGroupComponents},
    {kIdPercentDifference, ControlKind::kReadOnlyEdit, "difference to 100%", kSumRow,
     kSecondColumn + 1, kGroupComponents},
    {kStaticId, ControlKind::kGroup, kGroupOperations, 0, 1, ""},
    {kStaticId, ControlKind::kGroup, kGroupBasis, 0, 0, kGroupOperations, 2},
    {kIdMassBasis, ControlKind::kRadio, "mass fraction x", 0, 0, kGroupBasis},
    {kIdVolumeBasis, ControlKind::kRadio, "volumetric / molar fraction y", 1, 0, kGroupBasis},
    {kIdSubstitute, ControlKind::kCheck, "substitute x <--> y", 2, 0, kGroupBasis},
    {kIdValue, ControlKind::kEdit, "VALUE [%] =", 1, 0, kGroupOperations},
    {kIdAnalysisPressure, ControlKind::kEdit, "pressure p [bar] =", 2, 0, kGroupOperations},
    {kIdAnalysisTemperature, ControlKind::kEdit, "temperature t [°C] =", 3, 0, kGroupOperations},
    {kIdAnalysisDewPoint, ControlKind::kReadOnlyEdit, "H2O-dew point [°C] =", 4, 0,
     kGroupOperations},
    {kIdHumidify, ControlKind::kButton, "gas - p, t and rel. humidity", 5, 0, kGroupOperations},
    {kIdDryGas, ControlKind::kButton, "dry gas", 5, 1, kGroupOperations},
    {kIdScaleTo100, ControlKind::kButton, "scale up to 100%", 6, 0, kGroupOperations},
    {kIdChangeBy, ControlKind::kButton, "change component by VALUE", 6, 1, kGroupOperations},
    {kIdChangeTo, ControlKind::kButton, "change component to VALUE", 7, 0, kGroupOperations},
    {kIdDeleteAnalysis, ControlKind::kButton, "delete gas analysis", 7, 1, kGroupOperations},
    {kIdMixMass, ControlKind::kButton, "mix gas 1kg : VALUE [kg]", 8, 0, kGroupOperations},
    {kIdMixVolume, ControlKind::kButton, "mix gas 1m³ : VALUE [m³]", 8, 1, kGroupOperations},
    {kStaticId, ControlKind::kGroup, kGroupAnalysisFile, 1, 0, "", 2},
    {kIdGasNotation, ControlKind::kReadOnlyEdit, "gas notation", 0, 0, kGroupAnalysisFile, 2},
    {kIdLoadAnalysis, ControlKind::kButton, "load gas analysis", 0, 3, kGroupAnalysisFile},
    {kIdSaveAnalysis, ControlKind::kButton, "save gas analysis", 0, 4, kGroupAnalysisFile},
    {kIdAnalysisOk, ControlKind::kButton, "OK", 2, 1, ""},
});

// One row per component: its radio, then its label and percentage field. The rows come
// first, so that the Tab key walks through the percentages before the operations.
constexpr auto makeGasAnalysisControls() {
    constexpr std::size_t kRowControls = 2 * kComponentRows.size();
    std::array<ControlEntry, kRowControls + kAnalysisFixedControls.size()> controls{};
    std::size_t next = 0;
    for (int i = 0; i < static_cast<int>(kComponentRows.size()); ++i) {
        const ComponentRow& component = kComponentRows[static_cast<std::size_t>(i)];
        const int row = i % kComponentColumnRows;
        const int column = i < kComponentColumnRows ? 0 : kSecondColumn;
        controls[next++] = {componentRadioId(component.component),
                            ControlKind::kRadio,
                            "",
                            row,
                            column,
                            kGroupComponents};
        controls[next++] = {componentFieldId(component.component),
                            ControlKind::kEdit,
                            component.label,
                            row,
                            column + 1,
                            kGroupComponents};
    }
    for (const ControlEntry& entry : kAnalysisFixedControls) {
        controls[next++] = entry;
    }
    return controls;
}

}  // namespace detail

inline constexpr auto kGasAnalysisControls = detail::makeGasAnalysisControls();

//! Dialog 152, the gas-analysis editor. The close box acts as "OK".
inline constexpr DialogTemplate kGasAnalysisTemplate{152, "Edit gas analysis", kGasAnalysisControls,
                                                     kIdAnalysisOk};

//! Edits the program's gas analysis in place: every typed percentage goes into it at once,
//! the operations change it only when they succeed, and leaving checks that it adds up.
class GasAnalysisDialog : public DialogLogic {
public:
    GasAnalysisDialog(Port& port, gas::GasAnalysis& analysis);

    void opened() override;
    void command(int id) override;
    void fieldEdited(int id) override;
    void refreshDisplays() override;

private:
    // What checkFields found in the 24 percentage fields.
    enum class FieldsCheck { kUsable, kSumZero, kUnreadable };

    void refresh();
    void showBasis();
    void showSums();
    [[nodiscard]] FieldsCheck checkFields(bool showZeroMessage);
    [[nodiscard]] bool fieldsUsable();
    [[nodiscard]] int selectedComponent() const;
    [[nodiscard]] bool closeCheck();
    void basisChosen(bool volumeBasis);
    void deleteAnalysis();
    void dryGas();
    void scaleUp();
    void changeComponent(bool byAmount);
    void humidify();
    void mix(bool byVolume);
    void load();
    void save();
    void applied(gas::EditResult result, output::MessageId badInputMessage);
    void changed();

    Port& port_;
    gas::GasAnalysis& analysis_;
};

}  // namespace vaporis::ui
