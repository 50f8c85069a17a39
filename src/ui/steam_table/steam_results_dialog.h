#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "output/catalogue/water_properties.h"
#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::water {
class WaterSteamState;
}

namespace vaporis::ui {

//! Control ids of the steam-table results dialog (102).
enum SteamResultsId : int {
    kIdResultsOk = 1,
    kIdResultsValidity = 1006,
    kIdResultPs = 2145,
    kIdResultTs = 2146,
    kIdResultSigma = 2147,
    kIdResultP = 2148,
    kIdResultT = 2149,
    kIdResultX = 2150,
};

//! Field of WaterSteamProperty i of the state, of saturated liquid (') and of vapour ('').
[[nodiscard]] constexpr int stateFieldId(int i) {
    return 2100 + 3 * i;
}
[[nodiscard]] constexpr int liquidFieldId(int i) {
    return 2101 + 3 * i;
}
[[nodiscard]] constexpr int vaporFieldId(int i) {
    return 2102 + 3 * i;
}

namespace detail {

inline constexpr std::string_view kResultsGroupInput = "State";
inline constexpr std::string_view kResultsGroupProperties = "Properties";
inline constexpr std::string_view kResultsGroupSaturation = "Saturation";

// id, kind, UTF-8 text, row, column, group box, column span
inline constexpr auto kResultsFixedControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kResultsGroupInput, 0, 0, "", 2},
    {kIdResultP, ControlKind::kReadOnlyEdit, output::kWaterPressureEntry.dialogLabel, 0, 0,
     kResultsGroupInput},
    {kIdResultT, ControlKind::kReadOnlyEdit, output::kWaterTemperatureEntry.dialogLabel, 0, 2,
     kResultsGroupInput},
    {kIdResultX, ControlKind::kReadOnlyEdit, output::kWaterQualityEntry.dialogLabel, 0, 4,
     kResultsGroupInput},
    {kStaticId, ControlKind::kGroup, kResultsGroupProperties, 1, 0, "", 2},
    {kStaticId, ControlKind::kStatic, "state", 0, 1, kResultsGroupProperties},
    {kStaticId, ControlKind::kStatic, "saturated liquid '", 0, 2, kResultsGroupProperties},
    {kStaticId, ControlKind::kStatic, "saturated vapour ''", 0, 3, kResultsGroupProperties},
    {kStaticId, ControlKind::kGroup, kResultsGroupSaturation, 2, 0, "", 2},
    {kIdResultPs, ControlKind::kReadOnlyEdit, output::saturationEntry(water::kPs).dialogLabel, 0, 0,
     kResultsGroupSaturation},
    {kIdResultTs, ControlKind::kReadOnlyEdit, output::saturationEntry(water::kTs).dialogLabel, 0, 2,
     kResultsGroupSaturation},
    {kIdResultSigma, ControlKind::kReadOnlyEdit, output::saturationEntry(water::kSigma).dialogLabel,
     0, 4, kResultsGroupSaturation},
    {kIdResultsOk, ControlKind::kButton, "OK", 3, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 3, 1, ""},
    {kIdResultsValidity, ControlKind::kButton, "area of validity / function abbreviations", 3, 2,
     ""},
});

// The property grid: the label and the state's field, then the liquid and vapour fields.
constexpr auto makeSteamResultsControls() {
    constexpr std::size_t kGridCount = 3 * output::kWaterPropertyCatalogue.size();
    std::array<ControlEntry, kResultsFixedControls.size() + kGridCount> controls{};
    std::size_t next = 0;
    for (const ControlEntry& entry : kResultsFixedControls) {
        controls[next++] = entry;
    }
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const std::string_view label = output::waterProperty(i).dialogLabel;
        controls[next++] = {stateFieldId(i),        ControlKind::kReadOnlyEdit, label, i + 1, 0,
                            kResultsGroupProperties};
        controls[next++] = {liquidFieldId(i),       ControlKind::kReadOnlyEdit, "", i + 1, 2,
                            kResultsGroupProperties};
        controls[next++] = {vaporFieldId(i),        ControlKind::kReadOnlyEdit, "", i + 1, 3,
                            kResultsGroupProperties};
    }
    return controls;
}

}  // namespace detail

inline constexpr auto kSteamResultsControls = detail::makeSteamResultsControls();

//! Dialog 102: every value of a computed water/steam state. The close box acts as "OK".
inline constexpr DialogTemplate kSteamResultsTemplate{
    102,         "TORVIK - results steam table", kSteamResultsControls, kIdResultsOk, kIdResultsOk,
    kIdCopyTable};

//! Shows the values of a state whose status is valid, 6 decimals; the others stay empty.
class SteamResultsDialog : public DialogLogic {
public:
    SteamResultsDialog(Port& port, const water::WaterSteamState& state);

    void opened() override;
    void command(int id) override;

private:
    Port& port_;
    const water::WaterSteamState& state_;
};

}  // namespace vaporis::ui
