#pragma once

#include <array>
#include <string_view>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "output/diagrams/ts_diagram.h"
#include "processes/thermal/gas_thermal_process.h"
#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/result_table.h"
#include "ui/thermal/thermal_process_fields.h"

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

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

namespace detail {

inline constexpr std::string_view kGroupGasInitial = "initial state";
inline constexpr std::string_view kGroupGasFinal = "final state";
inline constexpr std::string_view kGroupGasType = "process";
inline constexpr std::string_view kGroupGasProcessData = "process data";
inline constexpr std::string_view kGroupGasUnits = "flow units";
inline constexpr std::string_view kGroupGasFlow = "flow";
inline constexpr std::string_view kGroupGasAnalysis = "gas analysis";
inline constexpr std::string_view kGroupGasResults = "results";
inline constexpr std::string_view kGroupGasAfterLoss = "after heat loss";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kGasProcessControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupGasInitial, 0, 0, ""},
    {kIdProcessP1, ControlKind::kEdit, "pressure p1 [bar] =", 0, 0, kGroupGasInitial},
    {kIdProcessT1, ControlKind::kEdit, "temperature t1 [°C] =", 1, 0, kGroupGasInitial},
    {kIdGasProcessDewPoint1, ControlKind::kReadOnlyEdit, "H2O dew point [°C] =", 2, 0,
     kGroupGasInitial, 1, false},
    {kStaticId, ControlKind::kGroup, kGroupGasFinal, 0, 1, ""},
    {kIdProcessP2, ControlKind::kEdit, "pressure p2 [bar] =", 0, 0, kGroupGasFinal},
    {kIdProcessT2, ControlKind::kEdit, "temperature t2 [°C] =", 1, 0, kGroupGasFinal},
    {kIdGasProcessDewPoint2, ControlKind::kReadOnlyEdit, "H2O dew point [°C] =", 2, 0,
     kGroupGasFinal, 1, false},
    {kStaticId, ControlKind::kGroup, kGroupGasType, 1, 0, ""},
    {kIdProcessThrottle, ControlKind::kRadio, "const. enthalpy (throttling)", 0, 0, kGroupGasType},
    {kIdProcessIsentropic, ControlKind::kRadio, "const. entropy / isentropic efficiency", 1, 0,
     kGroupGasType},
    {kIdProcessBalance, ControlKind::kRadio, "balance between gas states", 2, 0, kGroupGasType},
    {kStaticId, ControlKind::kGroup, kGroupGasProcessData, 1, 1, ""},
    {kIdProcessEtaS, ControlKind::kEdit, "isentropic efficiency (0 ... 1) =", 0, 0,
     kGroupGasProcessData},
    {kIdProcessEtaM, ControlKind::kEdit, "mechanical efficiency (0 ... 1) =", 1, 0,
     kGroupGasProcessData},
    {kIdProcessEtaG, ControlKind::kEdit, "generator efficiency (0 ... 1) =", 2, 0,
     kGroupGasProcessData},
    {kIdProcessHeatLoss, ControlKind::kEdit, "heat loss (optional) [kW]", 3, 0,
     kGroupGasProcessData},
    {kStaticId, ControlKind::kGroup, kGroupGasUnits, 2, 0, ""},
    {kIdProcessPerSecond, ControlKind::kRadio, "kg/s - Nm³/s - m³/s", 0, 0, kGroupGasUnits},
    {kIdProcessPerHour, ControlKind::kRadio, "kg/h - Nm³/h - m³/h", 1, 0, kGroupGasUnits},
    {kStaticId, ControlKind::kGroup, kGroupGasFlow, 2, 1, ""},
    {kIdGasProcessMassFlowRadio, ControlKind::kRadio, "mass flow", 0, 0, kGroupGasFlow},
    {kIdGasProcessMassFlow, ControlKind::kEdit, "", 0, 1, kGroupGasFlow},
    {kIdGasProcessVolumeFlowRadio, ControlKind::kRadio, "volume flow (at initial state)", 1, 0,
     kGroupGasFlow},
    {kIdGasProcessVolumeFlow, ControlKind::kEdit, "", 1, 1, kGroupGasFlow},
    {kIdGasProcessNormalVolumeFlowRadio, ControlKind::kRadio, "normal volume flow", 2, 0,
     kGroupGasFlow},
    {kIdGasProcessNormalVolumeFlow, ControlKind::kEdit, "", 2, 1, kGroupGasFlow},
    {kStaticId, ControlKind::kGroup, kGroupGasAnalysis, 3, 0, "", 2},
    {kIdGasProcessName, ControlKind::kReadOnlyEdit, "gas notation", 0, 0, kGroupGasAnalysis, 2},
    {kIdGasProcessEditAnalysis, ControlKind::kButton, "edit gas analysis", 0, 3, kGroupGasAnalysis},
    {kStaticId, ControlKind::kGroup, kGroupGasResults, 0, 2, "", 1, true, 5},
    {kIdGasResultP2, ControlKind::kReadOnlyEdit, "p2 [bar]", 0, 0, kGroupGasResults},
    {kIdGasResultT2, ControlKind::kReadOnlyEdit, "t2 [°C]", 1, 0, kGroupGasResults},
    {kIdGasResultH1, ControlKind::kReadOnlyEdit, "enthalpy at start [kJ/kg]", 2, 0,
     kGroupGasResults},
    {kIdGasResultH2, ControlKind::kReadOnlyEdit, "enthalpy at end [kJ/kg]", 3, 0, kGroupGasResults},
    {kIdGasResultDh, ControlKind::kReadOnlyEdit, "enthalpy difference [kJ/kg]", 4, 0,
     kGroupGasResults},
    {kIdGasResultDs, ControlKind::kReadOnlyEdit, "entropy difference [kJ/(kg K)]", 5, 0,
     kGroupGasResults},
    {kIdGasResultDhIsentropic, ControlKind::kReadOnlyEdit, "enthalpy difference isentropic [kJ/kg]",
     6, 0, kGroupGasResults},
    {kIdGasResultT2Isentropic, ControlKind::kReadOnlyEdit, "t2 isentropic [°C]", 7, 0,
     kGroupGasResults},
    {kIdGasResultCondensationHeat, ControlKind::kReadOnlyEdit, "condensation heat [kJ/kg]", 8, 0,
     kGroupGasResults},
    {kIdGasResultCondensate, ControlKind::kReadOnlyEdit, "condensate [g/kg gas]", 9, 0,
     kGroupGasResults},
    {kIdGasResultCondensateFlow, ControlKind::kReadOnlyEdit, "condensate [g/s]", 10, 0,
     kGroupGasResults},
    {kIdGasResultPower, ControlKind::kReadOnlyEdit, "power [kW]", 11, 0, kGroupGasResults},
    {kIdGasResultExpansion, ControlKind::kReadOnlyEdit, "volumetric expansion [%]", 12, 0,
     kGroupGasResults},
    {kIdGasResultMassDischarge, ControlKind::kReadOnlyEdit, "mass discharge [%]", 13, 0,
     kGroupGasResults},
    {kIdGasResultMolarMass, ControlKind::kReadOnlyEdit, "molar mass [g/mol]", 14, 0,
     kGroupGasResults},
    {kIdGasResultGasConstant, ControlKind::kReadOnlyEdit, "gas constant [J/kgK]", 15, 0,
     kGroupGasResults},
    {kStaticId, ControlKind::kGroup, kGroupGasAfterLoss, 4, 0, "", 2},
    {kIdGasResultHAfterLoss, ControlKind::kReadOnlyEdit, "enthalpy [kJ/kg]", 0, 0,
     kGroupGasAfterLoss},
    {kIdGasResultTAfterLoss, ControlKind::kReadOnlyEdit, "temperature [°C]", 0, 2,
     kGroupGasAfterLoss},
    {kIdGasResultCondensateAfterLoss, ControlKind::kReadOnlyEdit, "condensate [g/kg gas]", 1, 0,
     kGroupGasAfterLoss},
    {kIdGasResultCondensateFlowAfterLoss, ControlKind::kReadOnlyEdit, "condensate [g/s]", 1, 2,
     kGroupGasAfterLoss},
    {kIdProcessHtmlOutput, ControlKind::kCheck, "output in HTML format", 5, 0, ""},
    {kIdProcessShowDiagram, ControlKind::kCheck, "show result in TS-diagram", 5, 1, ""},
    {kIdProcessOk, ControlKind::kButton, "OK", 6, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 6, 1, ""},
    {kIdProcessValidity, ControlKind::kButton, "area of validity / function abbreviations", 6, 2,
     ""},
    {kIdProcessBack, ControlKind::kButton, "back", 6, 3, ""},
});

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
class GasProcessDialog : public DialogLogic {
public:
    //! process works on initial and final, both bound to analysis; diagram holds the
    //! T-s diagram's ranges and options.
    GasProcessDialog(Port& port, processes::GasThermalProcess& process, gas::GasState& initial,
                     gas::GasState& final, gas::GasAnalysis& analysis, project::SessionFlags& flags,
                     output::TsDiagramSettings& diagram);

    void opened() override;
    void command(int id) override;
    void refreshDisplays() override;

private:
    void enableForType(int type);
    void calculate();
    [[nodiscard]] bool readInputs(int type);
    void showResults();
    void showCondensate();
    void editAnalysis();
    void back();

    Port& port_;
    processes::GasThermalProcess& process_;
    gas::GasState& initial_;
    gas::GasState& final_;
    gas::GasAnalysis& analysis_;
    project::SessionFlags& flags_;
    output::TsDiagramSettings& diagram_;
};

}  // namespace vaporis::ui
