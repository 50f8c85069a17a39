#pragma once

#include <array>
#include <string_view>

#include "engine/water/water_steam_state.h"
#include "output/reports/flow_reports.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "project/session_flags.h"
#include "ui/dialog_template.h"
#include "ui/flow/flow_dialog.h"
#include "ui/flow/flow_dialog_rules.h"
#include "ui/flow/flow_template_rows.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::ui {

//! Control ids of the water/steam flow dialog (142) beside those of FlowDialogId.
enum SteamFlowId : int {
    kIdSteamFlowPressure = 1008,
    kIdSteamFlowTemperature = 1009,
    kIdSteamFlowQuality = 1010,
    kIdSteamFlowBoilingTemp = 1011,
    kIdSteamFlowTubeCount = 1055,
    kIdSteamFlowModePT = 1084,
    kIdSteamFlowModePX = 1085,
    kIdSteamFlowModeTX = 1086,
    kIdSteamFlowDensity = 2300,
    kIdSteamFlowTotalSection = 2301,
    kIdSteamFlowDynamicPressure = 2302,
    kIdSteamFlowViscosity = 2303,
    kIdSteamFlowReynolds = 2304,
    kIdSteamFlowLambda = 2305,
    kIdSteamFlowFrictionDrop = 2306,
    kIdSteamFlowZetaDrop = 2307,
    kIdSteamFlowTotalDrop = 2308,
    kIdSteamFlowHeatTransfer = 2309,
    kIdSteamFlowSquareSide = 2310,
    kIdSteamFlowSonicVelocity = 2311,
    kIdSteamFlowMach = 2312,
};

inline constexpr FlowControls kSteamFlowControls{{kIdFlowGivenMass, kIdFlowGivenVolume, 0},
                                                 {kIdFlowMassFlow, kIdFlowVolumeFlow, 0},
                                                 2,
                                                 kIdSteamFlowTubeCount};

inline constexpr FlowResultFields kSteamFlowResults{
    kIdSteamFlowDensity,      kIdSteamFlowViscosity,       kIdSteamFlowSonicVelocity,
    kIdSteamFlowMach,         kIdSteamFlowTotalSection,    kIdSteamFlowSquareSide,
    kIdSteamFlowReynolds,     kIdSteamFlowDynamicPressure, kIdSteamFlowLambda,
    kIdSteamFlowFrictionDrop, kIdSteamFlowZetaDrop,        kIdSteamFlowTotalDrop,
    kIdSteamFlowHeatTransfer};

namespace detail {

inline constexpr std::string_view kGroupSteamFlowState = "Water / steam";
inline constexpr std::string_view kGroupSteamFlowOptional = "Optional";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kSteamFlowControls = joinControls(
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupSteamFlowState, 0, 0, "", 1},
        {kIdSteamFlowModePT, ControlKind::kRadio, "p + t", 0, 0, kGroupSteamFlowState},
        {kIdSteamFlowModePX, ControlKind::kRadio, "ps + x", 1, 0, kGroupSteamFlowState},
        {kIdSteamFlowModeTX, ControlKind::kRadio, "ts + x", 2, 0, kGroupSteamFlowState},
        {kIdSteamFlowPressure, ControlKind::kEdit, "absolute pressure p [bar] =", 3, 0,
         kGroupSteamFlowState},
        {kIdSteamFlowTemperature, ControlKind::kEdit, "temperature t [°C] =", 4, 0,
         kGroupSteamFlowState},
        {kIdSteamFlowQuality, ControlKind::kEdit, "steam quality x (0...1) =", 5, 0,
         kGroupSteamFlowState},
        {kIdSteamFlowBoilingTemp, ControlKind::kReadOnlyEdit, "boiling temperature [°C] =", 6, 0,
         kGroupSteamFlowState, 1, false},
    }),
    flowChoiceRows({1, 0}, {0, 1}), flowUnitRows({1, 1}, "kg/s - m³/s", "kg/h - m³/h", 2),
    std::to_array<ControlEntry>({
        {kIdFlowVelocity, ControlKind::kEdit, "flow velocity w [m/s] =", 4, 0, kGroupFlowFlow},
    }),
    tubeRows({0, 2}, kIdSteamFlowTubeCount),
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupSteamFlowOptional, 1, 2, "", 1},
    }),
    frictionInputRows(kGroupSteamFlowOptional, 0),
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupFlowResults, 2, 0, "", 3},
    }),
    fluidResultRows(kSteamFlowResults, 0),
    std::to_array<ControlEntry>({
        {kIdSteamFlowTotalSection, ControlKind::kReadOnlyEdit, "total cross section [mm²] =", 4, 0,
         kGroupFlowResults},
    }),
    pipeResultRows(kSteamFlowResults, 0), kFlowButtonRows);

}  // namespace detail

//! Dialog 142. The close box acts as "back".
inline constexpr DialogTemplate kSteamFlowTemplate{142,
                                                   "TORVIK - flow process of water / steam",
                                                   detail::kSteamFlowControls,
                                                   kIdFlowBack,
                                                   kIdFlowOk,
                                                   kIdCopyTable};

//! The water/steam flow dialog: sizes a pipe for water/steam state 1 and shows the flow,
//! friction, pressure drops, Mach number and heat transfer, or writes them as a report.
class SteamFlowDialog final : public FlowDialog<SteamFlowDialog, processes::SteamFlowProcess> {
public:
    //! process must evaluate state.
    SteamFlowDialog(Port& port, processes::SteamFlowProcess& process, water::WaterSteamState& state,
                    project::SessionFlags& flags);

    void refreshDisplays() override;

private:
    friend FlowDialog;
    static constexpr auto kWriteReport = &output::writeSteamFlowReport;
    static constexpr auto kMachAbove1 = processes::SteamFlowStatus::kMachAbove1;

    [[nodiscard]] int selectedMode() const;
    void showState();
    [[nodiscard]] bool mediumCommand(int id);
    void modeChosen(int mode);
    void readState(int& error);
    [[nodiscard]] bool frictionInputsApply() const;
    void checkState(int& error) const;
    [[nodiscard]] int calculateProcess() { return process_.calculate(); }
    void tellStatus(int status, bool succeeded);
    [[nodiscard]] bool frictionShown() const;
    void showMediumDerived();
    void showMediumResults();

    water::WaterSteamState& state_;
};

}  // namespace vaporis::ui
