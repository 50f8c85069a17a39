#pragma once

#include <array>
#include <string_view>

#include "engine/water/water_steam_state.h"
#include "output/diagrams/ts_diagram.h"
#include "output/messages/thermal_process_messages.h"
#include "output/reports/thermal_process_report.h"
#include "processes/thermal/steam_thermal_process.h"
#include "project/session_flags.h"
#include "ui/dialog_template.h"
#include "ui/fields.h"
#include "ui/port.h"
#include "ui/result_table.h"
#include "ui/thermal/process_template_rows.h"
#include "ui/thermal/thermal_process_dialog.h"
#include "ui/thermal/thermal_process_fields.h"
#include "ui/thermal/ts_diagram_dialog.h"

namespace vaporis::ui {

//! Control ids of the water/steam process dialog (107) besides the shared ones.
enum SteamProcessId : int {
    kIdSteamProcessX1 = 1014,
    kIdSteamProcessX2 = 1017,
    kIdSteamProcessTs1 = 1018,
    kIdSteamProcessTs2 = 1019,
    kIdSteamProcessInitialPT = 1042,
    kIdSteamProcessInitialPX = 1043,
    kIdSteamProcessInitialTX = 1044,
    kIdSteamProcessFinalPT = 1045,
    kIdSteamProcessFinalPX = 1046,
    kIdSteamProcessFinalTX = 1047,
    kIdSteamProcessMassFlowRadio = 1059,
    kIdSteamProcessVolumeFlowRadio = 1060,
    kIdSteamProcessMassFlow = 1070,
    kIdSteamProcessVolumeFlow = 1071,
    kIdSteamResultP2 = 2200,
    kIdSteamResultT2 = 2201,
    kIdSteamResultX2 = 2202,
    kIdSteamResultDh = 2203,
    kIdSteamResultDs = 2204,
    kIdSteamResultDhIsentropic = 2205,
    kIdSteamResultPower = 2206,
    kIdSteamResultH1 = 2207,
    kIdSteamResultH2 = 2208,
    kIdSteamResultHAfterLoss = 2209,
    kIdSteamResultTAfterLoss = 2210,
    kIdSteamResultXAfterLoss = 2211,
    kIdSteamResultTs2 = 2212,
    kIdSteamResultExpansion = 2213,
    kIdSteamResultMassDischarge = 2214,
};

//! The flow choices of the water/steam process dialog.
inline constexpr std::array<FlowControl, 2> kSteamProcessFlows{{
    {kIdSteamProcessMassFlowRadio, kIdSteamProcessMassFlow,
     processes::SteamThermalProcess::kMassFlow, output::Quantity::kMassFlow},
    {kIdSteamProcessVolumeFlowRadio, kIdSteamProcessVolumeFlow,
     processes::SteamThermalProcess::kVolumeFlow, output::Quantity::kVolumeFlow},
}};

inline constexpr ProcessResultFields kSteamProcessResults{
    kIdSteamResultP2,           kIdSteamResultT2,
    kIdSteamResultH1,           kIdSteamResultH2,
    kIdSteamResultDh,           kIdSteamResultDs,
    kIdSteamResultDhIsentropic, kIdSteamResultPower,
    kIdSteamResultExpansion,    kIdSteamResultMassDischarge,
    kIdSteamResultHAfterLoss,   kIdSteamResultTAfterLoss};

namespace detail {

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kSteamProcessControls = joinControls(
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupProcessInitial, 0, 0, ""},
        {kIdSteamProcessInitialPT, ControlKind::kRadio, "p + t", 0, 0, kGroupProcessInitial},
        {kIdSteamProcessInitialPX, ControlKind::kRadio, "ps + x", 1, 0, kGroupProcessInitial},
        {kIdSteamProcessInitialTX, ControlKind::kRadio, "ts + x", 2, 0, kGroupProcessInitial},
    }),
    stateFieldRows(false, 3),
    std::to_array<ControlEntry>({
        {kIdSteamProcessX1, ControlKind::kEdit, "steam quality x1 (0...1) =", 5, 0,
         kGroupProcessInitial},
        {kIdSteamProcessTs1, ControlKind::kReadOnlyEdit, "boiling temperature [°C] =", 6, 0,
         kGroupProcessInitial, 1, false},
        {kStaticId, ControlKind::kGroup, kGroupProcessFinal, 0, 1, ""},
        {kIdSteamProcessFinalPT, ControlKind::kRadio, "p + t", 0, 0, kGroupProcessFinal},
        {kIdSteamProcessFinalPX, ControlKind::kRadio, "ps + x", 1, 0, kGroupProcessFinal},
        {kIdSteamProcessFinalTX, ControlKind::kRadio, "ts + x", 2, 0, kGroupProcessFinal},
    }),
    stateFieldRows(true, 3),
    std::to_array<ControlEntry>({
        {kIdSteamProcessX2, ControlKind::kEdit, "steam quality x2 (0...1) =", 5, 0,
         kGroupProcessFinal},
        {kIdSteamProcessTs2, ControlKind::kReadOnlyEdit, "boiling temperature [°C] =", 6, 0,
         kGroupProcessFinal, 1, false},
    }),
    processRows({"balance between H2O states", "kg/s - m³/s", "kg/h - m³/h"}, kSteamProcessFlows),
    endStateResultRows(kSteamProcessResults, 2),
    std::to_array<ControlEntry>({
        {kIdSteamResultX2, ControlKind::kReadOnlyEdit, "x2 [-]", 2, 0, kGroupProcessResults},
        {kIdSteamResultTs2, ControlKind::kReadOnlyEdit, "boiling temperature ts2 [°C]", 3, 0,
         kGroupProcessResults},
    }),
    differenceResultRows(kSteamProcessResults, 4), powerResultRows(kSteamProcessResults, 9),
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupProcessAfterLoss, 2, 2, ""},
        {kIdSteamResultHAfterLoss, ControlKind::kReadOnlyEdit, "enthalpy [kJ/kg]", 0, 0,
         kGroupProcessAfterLoss},
        {kIdSteamResultTAfterLoss, ControlKind::kReadOnlyEdit, "temperature [°C]", 1, 0,
         kGroupProcessAfterLoss},
        {kIdSteamResultXAfterLoss, ControlKind::kReadOnlyEdit, "steam quality [-]", 2, 0,
         kGroupProcessAfterLoss},
    }),
    processButtonRows(3));

}  // namespace detail

//! Dialog 107. The close box acts as "back".
inline constexpr DialogTemplate kSteamProcessTemplate{107,
                                                      "TORVIK - thermal process of water / steam",
                                                      detail::kSteamProcessControls,
                                                      kIdProcessBack,
                                                      kIdProcessOk,
                                                      kIdCopyTable};

//! The water/steam process dialog: reads both states, the process type, efficiencies, a flow
//! and a heat loss, calculates the process, answers its status and shows the results;
//! optionally writes the report.
class SteamProcessDialog final
    : public ThermalProcessDialog<SteamProcessDialog, processes::SteamThermalProcess> {
public:
    //! process works on initial and final; diagram holds the T-s diagram's ranges and options.
    SteamProcessDialog(Port& port, processes::SteamThermalProcess& process,
                       water::WaterSteamState& initial, water::WaterSteamState& final,
                       project::SessionFlags& flags, output::TsDiagramSettings& diagram);

    void refreshDisplays() override;

private:
    friend ThermalProcessDialog;
    using Diagram = SteamTsDiagramDialog;
    static constexpr auto kWriteReport = &output::writeSteamProcessReport;

    void showStates();
    [[nodiscard]] bool mediumCommand(int id);
    void enableFinalState(int type);
    void balanceChosen();
    void readStates(int type, int& error);
    [[nodiscard]] bool pressuresAccepted() const { return true; }
    [[nodiscard]] output::ProcessVerdict verdict() const;
    void showMediumResults();

    water::WaterSteamState& initial_;
    water::WaterSteamState& final_;
};

}  // namespace vaporis::ui
