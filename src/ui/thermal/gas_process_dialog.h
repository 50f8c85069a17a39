#pragma once

#include <array>
#include <string_view>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "output/diagrams/ts_diagram.h"
#include "output/messages/thermal_process_messages.h"
#include "output/reports/thermal_process_report.h"
#include "processes/thermal/gas_thermal_process.h"
#include "project/session_flags.h"
#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/result_table.h"
#include "ui/thermal/process_template_rows.h"
#include "ui/thermal/thermal_process_dialog.h"
#include "ui/thermal/thermal_process_fields.h"
#include "ui/thermal/ts_diagram_dialog.h"

namespace vaporis::ui {

//! Control ids of the gas process dialog (144) besides the shared ones.
enum GasProcessId : int {
    kIdGasProcessEditAnalysis = 1011,
    kIdGasProcessDewPoint1 = 1014,
    kIdGasProcessDewPoint2 = 1017,
    kIdGasProcessMassFlow = 1072,
    kIdGasProcessVolumeFlow = 1073,
    kIdGasProcessNormalVolumeFlow = 1074,
    kIdGasProcessMassFlowRadio = 1075,
    kIdGasProcessVolumeFlowRadio = 1076,
    kIdGasProcessNormalVolumeFlowRadio = 1077,
    kIdGasProcessName = 1572,
    kIdGasResultP2 = 2500,
    kIdGasResultT2 = 2501,
    kIdGasResultH1 = 2502,
    kIdGasResultH2 = 2503,
    kIdGasResultDh = 2504,
    kIdGasResultDs = 2505,
    kIdGasResultDhIsentropic = 2506,
    kIdGasResultT2Isentropic = 2507,
    kIdGasResultPower = 2508,
    kIdGasResultExpansion = 2509,
    kIdGasResultMolarMass = 2510,
    kIdGasResultGasConstant = 2511,
    kIdGasResultCondensateAfterLoss = 2512,
    kIdGasResultCondensateFlowAfterLoss = 2513,
    kIdGasResultCondensationHeat = 2514,
    kIdGasResultHAfterLoss = 2515,
    kIdGasResultTAfterLoss = 2516,
    kIdGasResultMassDischarge = 2517,
    kIdGasResultCondensate = 2518,
    kIdGasResultCondensateFlow = 2519,
};

//! The flow choices of the gas process dialog.
inline constexpr std::array<FlowControl, 3> kGasProcessFlows{{
    {kIdGasProcessMassFlowRadio, kIdGasProcessMassFlow, processes::GasThermalProcess::kMassFlow,
     output::Quantity::kMassFlow},
    {kIdGasProcessVolumeFlowRadio, kIdGasProcessVolumeFlow,
     processes::GasThermalProcess::kVolumeFlow, output::Quantity::kVolumeFlow},
    {kIdGasProcessNormalVolumeFlowRadio, kIdGasProcessNormalVolumeFlow,
     processes::GasThermalProcess::kNormalVolumeFlow, output::Quantity::kNormalVolumeFlow},
}};

inline constexpr ProcessResultFields kGasProcessResults{
    kIdGasResultP2,           kIdGasResultT2,
    kIdGasResultH1,           kIdGasResultH2,
    kIdGasResultDh,           kIdGasResultDs,
    kIdGasResultDhIsentropic, kIdGasResultPower,
    kIdGasResultExpansion,    kIdGasResultMassDischarge,
    kIdGasResultHAfterLoss,   kIdGasResultTAfterLoss};

namespace detail {

inline constexpr std::string_view kGroupGasAnalysis = "gas analysis";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kGasProcessControls = joinControls(
    std::to_array<ControlEntry>({{kStaticId, ControlKind::kGroup, kGroupProcessInitial, 0, 0, ""}}),
    stateFieldRows(false, 0),
    std::to_array<ControlEntry>({
        {kIdGasProcessDewPoint1, ControlKind::kReadOnlyEdit, "H2O dew point [°C] =", 2, 0,
         kGroupProcessInitial, 1, false},
        {kStaticId, ControlKind::kGroup, kGroupProcessFinal, 0, 1, ""},
    }),
    stateFieldRows(true, 0),
    std::to_array<ControlEntry>({
        {kIdGasProcessDewPoint2, ControlKind::kReadOnlyEdit, "H2O dew point [°C] =", 2, 0,
         kGroupProcessFinal, 1, false},
    }),
    processRows({"balance between gas states", "kg/s - Nm³/s - m³/s", "kg/h - Nm³/h - m³/h"},
                kGasProcessFlows),
    std::to_array<ControlEntry>({
        {kIdGasProcessNormalVolumeFlowRadio, ControlKind::kRadio, "normal volume flow", 2, 0,
         kGroupProcessFlow},
        {kIdGasProcessNormalVolumeFlow, ControlKind::kEdit, "", 2, 1, kGroupProcessFlow},
        {kStaticId, ControlKind::kGroup, kGroupGasAnalysis, 3, 0, "", 2},
        {kIdGasProcessName, ControlKind::kReadOnlyEdit, "gas notation", 0, 0, kGroupGasAnalysis, 2},
        {kIdGasProcessEditAnalysis, ControlKind::kButton, "edit gas analysis", 0, 3,
         kGroupGasAnalysis},
    }),
    endStateResultRows(kGasProcessResults, 5), differenceResultRows(kGasProcessResults, 2),
    std::to_array<ControlEntry>({
        {kIdGasResultT2Isentropic, ControlKind::kReadOnlyEdit, "t2 isentropic [°C]", 7, 0,
         kGroupProcessResults},
        {kIdGasResultCondensationHeat, ControlKind::kReadOnlyEdit, "condensation heat [kJ/kg]", 8,
         0, kGroupProcessResults},
        {kIdGasResultCondensate, ControlKind::kReadOnlyEdit, "condensate [g/kg gas]", 9, 0,
         kGroupProcessResults},
        {kIdGasResultCondensateFlow, ControlKind::kReadOnlyEdit, "condensate [g/s]", 10, 0,
         kGroupProcessResults},
    }),
    powerResultRows(kGasProcessResults, 11),
    std::to_array<ControlEntry>({
        {kIdGasResultMolarMass, ControlKind::kReadOnlyEdit, "molar mass [g/mol]", 14, 0,
         kGroupProcessResults},
        {kIdGasResultGasConstant, ControlKind::kReadOnlyEdit, "gas constant [J/kgK]", 15, 0,
         kGroupProcessResults},
        {kStaticId, ControlKind::kGroup, kGroupProcessAfterLoss, 4, 0, "", 2},
        {kIdGasResultHAfterLoss, ControlKind::kReadOnlyEdit, "enthalpy [kJ/kg]", 0, 0,
         kGroupProcessAfterLoss},
        {kIdGasResultTAfterLoss, ControlKind::kReadOnlyEdit, "temperature [°C]", 0, 2,
         kGroupProcessAfterLoss},
        {kIdGasResultCondensateAfterLoss, ControlKind::kReadOnlyEdit, "condensate [g/kg gas]", 1, 0,
         kGroupProcessAfterLoss},
        {kIdGasResultCondensateFlowAfterLoss, ControlKind::kReadOnlyEdit, "condensate [g/s]", 1, 2,
         kGroupProcessAfterLoss},
    }),
    processButtonRows(5));

}  // namespace detail

//! Dialog 144. The close box acts as "back".
inline constexpr DialogTemplate kGasProcessTemplate{144,
                                                    "TORVIK - thermal process of gases",
                                                    detail::kGasProcessControls,
                                                    kIdProcessBack,
                                                    kIdProcessOk,
                                                    kIdCopyTable};

//! The gas process dialog: reads both states, the process type, efficiencies, a flow and a
//! heat loss, calculates the process of the program's gas analysis, answers its status
//! (with the dew point and the condensate) and shows the results; optionally writes the
//! report; opens the gas-analysis editor.
class GasProcessDialog final
    : public ThermalProcessDialog<GasProcessDialog, processes::GasThermalProcess> {
public:
    //! process works on initial and final, both bound to analysis; diagram holds the
    //! T-s diagram's ranges and options.
    GasProcessDialog(Port& port, processes::GasThermalProcess& process, gas::GasState& initial,
                     gas::GasState& final, gas::GasAnalysis& analysis, project::SessionFlags& flags,
                     output::TsDiagramSettings& diagram);

    void refreshDisplays() override;

private:
    friend ThermalProcessDialog;
    using Diagram = GasTsDiagramDialog;
    static constexpr auto kWriteReport = &output::writeGasProcessReport;

    void showStates();
    [[nodiscard]] bool mediumCommand(int id);
    void enableFinalState(int type);
    void readStates(int type, int& error);
    [[nodiscard]] bool pressuresAccepted();
    [[nodiscard]] output::ProcessVerdict verdict() const;
    void showMediumResults();
    void showCondensate();
    void editAnalysis();

    gas::GasState& initial_;
    gas::GasState& final_;
    gas::GasAnalysis& analysis_;
};

}  // namespace vaporis::ui
