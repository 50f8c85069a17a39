#pragma once

#include <array>
#include <string_view>

#include "engine/water/water_steam_state.h"
#include "output/diagrams/ts_diagram.h"
#include "processes/thermal/steam_thermal_process.h"
#include "ui/dialog_template.h"
#include "ui/fields.h"
#include "ui/port.h"
#include "ui/result_table.h"
#include "ui/thermal/thermal_process_fields.h"

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

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

namespace detail {

inline constexpr std::string_view kGroupSteamInitial = "initial state";
inline constexpr std::string_view kGroupSteamFinal = "final state";
inline constexpr std::string_view kGroupSteamType = "process";
inline constexpr std::string_view kGroupSteamData = "process data";
inline constexpr std::string_view kGroupSteamUnits = "flow units";
inline constexpr std::string_view kGroupSteamFlow = "flow";
inline constexpr std::string_view kGroupSteamResults = "results";
inline constexpr std::string_view kGroupSteamAfterLoss = "after heat loss";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kSteamProcessControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupSteamInitial, 0, 0, ""},
    {kIdSteamProcessInitialPT, ControlKind::kRadio, "p + t", 0, 0, kGroupSteamInitial},
    {kIdSteamProcessInitialPX, ControlKind::kRadio, "ps + x", 1, 0, kGroupSteamInitial},
    {kIdSteamProcessInitialTX, ControlKind::kRadio, "ts + x", 2, 0, kGroupSteamInitial},
    {kIdProcessP1, ControlKind::kEdit, "pressure p1 [bar] =", 3, 0, kGroupSteamInitial},
    {kIdProcessT1, ControlKind::kEdit, "temperature t1 [°C] =", 4, 0, kGroupSteamInitial},
    {kIdSteamProcessX1, ControlKind::kEdit, "steam quality x1 (0...1) =", 5, 0, kGroupSteamInitial},
    {kIdSteamProcessTs1, ControlKind::kReadOnlyEdit, "boiling temperature [°C] =", 6, 0,
     kGroupSteamInitial, 1, false},
    {kStaticId, ControlKind::kGroup, kGroupSteamFinal, 0, 1, ""},
    {kIdSteamProcessFinalPT, ControlKind::kRadio, "p + t", 0, 0, kGroupSteamFinal},
    {kIdSteamProcessFinalPX, ControlKind::kRadio, "ps + x", 1, 0, kGroupSteamFinal},
    {kIdSteamProcessFinalTX, ControlKind::kRadio, "ts + x", 2, 0, kGroupSteamFinal},
    {kIdProcessP2, ControlKind::kEdit, "pressure p2 [bar] =", 3, 0, kGroupSteamFinal},
    {kIdProcessT2, ControlKind::kEdit, "temperature t2 [°C] =", 4, 0, kGroupSteamFinal},
    {kIdSteamProcessX2, ControlKind::kEdit, "steam quality x2 (0...1) =", 5, 0, kGroupSteamFinal},
    {kIdSteamProcessTs2, ControlKind::kReadOnlyEdit, "boiling temperature [°C] =", 6, 0,
     kGroupSteamFinal, 1, false},
    {kStaticId, ControlKind::kGroup, kGroupSteamType, 1, 0, ""},
    {kIdProcessThrottle, ControlKind::kRadio, "const. enthalpy (throttling)", 0, 0,
     kGroupSteamType},
    {kIdProcessIsentropic, ControlKind::kRadio, "const. entropy / isentropic efficiency", 1, 0,
     kGroupSteamType},
    {kIdProcessBalance, ControlKind::kRadio, "balance between H2O states", 2, 0, kGroupSteamType},
    {kStaticId, ControlKind::kGroup, kGroupSteamData, 1, 1, ""},
    {kIdProcessEtaS, ControlKind::kEdit, "isentropic efficiency (0 ... 1) =", 0, 0,
     kGroupSteamData},
    {kIdProcessEtaM, ControlKind::kEdit, "mechanical efficiency (0 ... 1) =", 1, 0,
     kGroupSteamData},
    {kIdProcessEtaG, ControlKind::kEdit, "generator efficiency (0 ... 1) =", 2, 0, kGroupSteamData},
    {kIdProcessHeatLoss, ControlKind::kEdit, "heat loss (optional) [kW]", 3, 0, kGroupSteamData},
    {kStaticId, ControlKind::kGroup, kGroupSteamUnits, 2, 0, ""},
    {kIdProcessPerSecond, ControlKind::kRadio, "kg/s - m³/s", 0, 0, kGroupSteamUnits},
    {kIdProcessPerHour, ControlKind::kRadio, "kg/h - m³/h", 1, 0, kGroupSteamUnits},
    {kStaticId, ControlKind::kGroup, kGroupSteamFlow, 2, 1, ""},
    {kIdSteamProcessMassFlowRadio, ControlKind::kRadio, "mass flow", 0, 0, kGroupSteamFlow},
    {kIdSteamProcessMassFlow, ControlKind::kEdit, "", 0, 1, kGroupSteamFlow},
    {kIdSteamProcessVolumeFlowRadio, ControlKind::kRadio, "volume flow (at initial state)", 1, 0,
     kGroupSteamFlow},
    {kIdSteamProcessVolumeFlow, ControlKind::kEdit, "", 1, 1, kGroupSteamFlow},
    {kStaticId, ControlKind::kGroup, kGroupSteamResults, 0, 2, "", 1, true, 2},
    {kIdSteamResultP2, ControlKind::kReadOnlyEdit, "p2 [bar]", 0, 0, kGroupSteamResults},
    {kIdSteamResultT2, ControlKind::kReadOnlyEdit, "t2 [°C]", 1, 0, kGroupSteamResults},
    {kIdSteamResultX2, ControlKind::kReadOnlyEdit, "x2 [-]", 2, 0, kGroupSteamResults},
    {kIdSteamResultTs2, ControlKind::kReadOnlyEdit, "boiling temperature ts2 [°C]", 3, 0,
     kGroupSteamResults},
    {kIdSteamResultH1, ControlKind::kReadOnlyEdit, "enthalpy at start [kJ/kg]", 4, 0,
     kGroupSteamResults},
    {kIdSteamResultH2, ControlKind::kReadOnlyEdit, "enthalpy at end [kJ/kg]", 5, 0,
     kGroupSteamResults},
    {kIdSteamResultDh, ControlKind::kReadOnlyEdit, "enthalpy difference [kJ/kg]", 6, 0,
     kGroupSteamResults},
    {kIdSteamResultDs, ControlKind::kReadOnlyEdit, "entropy difference [kJ/(kg K)]", 7, 0,
     kGroupSteamResults},
    {kIdSteamResultDhIsentropic, ControlKind::kReadOnlyEdit,
     "enthalpy difference isentropic [kJ/kg]", 8, 0, kGroupSteamResults},
    {kIdSteamResultPower, ControlKind::kReadOnlyEdit, "power [kW]", 9, 0, kGroupSteamResults},
    {kIdSteamResultExpansion, ControlKind::kReadOnlyEdit, "volumetric expansion [%]", 10, 0,
     kGroupSteamResults},
    {kIdSteamResultMassDischarge, ControlKind::kReadOnlyEdit, "mass discharge [%]", 11, 0,
     kGroupSteamResults},
    {kStaticId, ControlKind::kGroup, kGroupSteamAfterLoss, 2, 2, ""},
    {kIdSteamResultHAfterLoss, ControlKind::kReadOnlyEdit, "enthalpy [kJ/kg]", 0, 0,
     kGroupSteamAfterLoss},
    {kIdSteamResultTAfterLoss, ControlKind::kReadOnlyEdit, "temperature [°C]", 1, 0,
     kGroupSteamAfterLoss},
    {kIdSteamResultXAfterLoss, ControlKind::kReadOnlyEdit, "steam quality [-]", 2, 0,
     kGroupSteamAfterLoss},
    {kIdProcessHtmlOutput, ControlKind::kCheck, "output in HTML format", 3, 0, ""},
    {kIdProcessShowDiagram, ControlKind::kCheck, "show result in TS-diagram", 3, 1, ""},
    {kIdProcessOk, ControlKind::kButton, "OK", 4, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 4, 1, ""},
    {kIdProcessValidity, ControlKind::kButton, "area of validity / function abbreviations", 4, 2,
     ""},
    {kIdProcessBack, ControlKind::kButton, "back", 4, 3, ""},
});

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
class SteamProcessDialog : public DialogLogic {
public:
    //! process works on initial and final; diagram holds the T-s diagram's ranges and options.
    SteamProcessDialog(Port& port, processes::SteamThermalProcess& process,
                       water::WaterSteamState& initial, water::WaterSteamState& final,
                       project::SessionFlags& flags, output::TsDiagramSettings& diagram);

    void opened() override;
    void command(int id) override;
    void refreshDisplays() override;

private:
    void enableForType(int type);
    void balanceChosen();
    void calculate();
    [[nodiscard]] int readInputs(int type);
    void showResults();
    void back();

    Port& port_;
    processes::SteamThermalProcess& process_;
    water::WaterSteamState& initial_;
    water::WaterSteamState& final_;
    project::SessionFlags& flags_;
    output::TsDiagramSettings& diagram_;
};

}  // namespace vaporis::ui
