#pragma once

#include <array>
#include <string_view>

#include "output/messages/messages.h"
#include "processes/module_rules.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::water {
class WaterSteamState;
}

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

namespace vaporis::ui {

//! Control ids of the steam-table dialog (101).
enum SteamTableId : int {
    kIdSteamOk = 1,
    kIdModePT = 1000,
    kIdModePX = 1001,
    kIdModeTX = 1002,
    kIdHtmlOutput = 1004,
    kIdValidity = 1006,
    kIdSteamBack = 1007,
    kIdPressure = 1008,
    kIdTemperature = 1009,
    kIdQuality = 1010,
    kIdBoilingTemp = 1011,
    kIdIterEnthalpy = 1012,
    kIdIterPressure = 1013,
    kIdIterTemperature = 1014,
    kIdIterQuality = 1015,
    kIdTableGenerator = 1016,
    kIdIterCalculate = 1564,
};

inline constexpr std::string_view kGroupSteamInput = "Input";

inline constexpr std::string_view kGroupIteration = "Steam enthalpy iteration:";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kSteamTableControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupSteamInput, 0, 0, "", 3},
    {kIdModePT, ControlKind::kRadio, "p + t", 0, 0, kGroupSteamInput},
    {kIdModePX, ControlKind::kRadio, "ps + x", 1, 0, kGroupSteamInput},
    {kIdModeTX, ControlKind::kRadio, "ts + x", 2, 0, kGroupSteamInput},
    {kIdPressure, ControlKind::kEdit, "absolut pressure p [bar] =", 3, 0, kGroupSteamInput},
    {kIdTemperature, ControlKind::kEdit, "temperature [°C] =", 4, 0, kGroupSteamInput},
    {kIdQuality, ControlKind::kEdit, "steam quality x (0...1) = ", 5, 0, kGroupSteamInput},
    {kIdBoilingTemp, ControlKind::kReadOnlyEdit, "boiling temperature [°C] =", 6, 0,
     kGroupSteamInput, 1, false},
    {kStaticId, ControlKind::kGroup, kGroupIteration, 1, 0, "", 3},
    {kIdIterEnthalpy, ControlKind::kEdit, "enthapy h [kJ/kg] =", 0, 0, kGroupIteration},
    {kIdIterPressure, ControlKind::kEdit, "absolute pressure p [bar] =", 1, 0, kGroupIteration},
    {kIdIterTemperature, ControlKind::kReadOnlyEdit, "temperature t [°C] =", 2, 0, kGroupIteration},
    {kIdIterQuality, ControlKind::kReadOnlyEdit, "steam quality x (0..1) =", 3, 0, kGroupIteration},
    {kIdIterCalculate, ControlKind::kButton, "calculation", 4, 1, kGroupIteration},
    {kIdHtmlOutput, ControlKind::kCheck, "output in HTML format", 2, 0, "", 3},
    {kIdSteamOk, ControlKind::kButton, "OK", 3, 0, ""},
    {kIdValidity, ControlKind::kButton, "area of validity / function abbreviations", 3, 1, ""},
    {kIdSteamBack, ControlKind::kButton, "back", 3, 2, ""},
    {kIdTableGenerator, ControlKind::kButton, "table...", 4, 0, ""},
});

inline constexpr std::array<int, 1> kSteamTableSectionButtons{kIdIterCalculate};

//! Dialog 101: the steam table with its enthalpy iteration. The close box acts as "back".
inline constexpr DialogTemplate kSteamTableTemplate{101,
                                                    "TORVIK - steam table acc. to IAPWS-IF97",
                                                    kSteamTableControls,
                                                    kIdSteamBack,
                                                    kIdSteamOk,
                                                    0,
                                                    kSteamTableSectionButtons};

//! The steam-table dialog: computes water/steam state 1 from two inputs and shows it in the
//! results dialog or an HTML report; finds t or x from p and h on its own.
class SteamTableDialog : public DialogLogic {
public:
    SteamTableDialog(Port& port, water::WaterSteamState& state, project::SessionFlags& flags);

    void opened() override;
    void command(int id) override;
    void refreshDisplays() override;

private:
    [[nodiscard]] int selectedMode() const;
    void modeChosen(int mode);
    void calculateState();
    [[nodiscard]] int readInputsIntoState(int mode);
    [[nodiscard]] bool inputsAccepted(int readError, const processes::RuleAnswer& refusal);
    void showResults();
    void iterateEnthalpy();
    void showIterationFailure(output::MessageId id);
    void openGenerator();
    void back();

    Port& port_;
    water::WaterSteamState& state_;
    project::SessionFlags& flags_;
};

}  // namespace vaporis::ui
