#pragma once

#include <array>
#include <string_view>

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "output/messages/flow_messages.h"
#include "output/reports/flow_reports.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/status_codes.h"
#include "project/session_flags.h"
#include "ui/dialog_template.h"
#include "ui/flow/flow_dialog.h"
#include "ui/flow/flow_dialog_rules.h"
#include "ui/flow/flow_template_rows.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::ui {

//! Control ids of the gas flow dialog (146) beside those of FlowDialogId.
enum GasFlowId : int {
    kIdGasFlowPressure = 1008,
    kIdGasFlowTemperature = 1009,
    kIdGasFlowHumidity = 1010,
    kIdGasFlowEditAnalysis = 1011,
    kIdGasFlowDewPoint = 1012,
    kIdGasFlowHeightDifference = 1023,
    kIdGasFlowAmbientTemperature = 1024,
    kIdGasFlowGivenNormal = 1055,
    kIdGasFlowTubeCount = 1056,
    kIdGasFlowLevel = 1549,
    kIdGasFlowName = 1572,
    kIdGasFlowDensity = 2700,
    kIdGasFlowTotalSection = 2701,
    kIdGasFlowDynamicPressure = 2702,
    kIdGasFlowViscosity = 2703,
    kIdGasFlowReynolds = 2704,
    kIdGasFlowLambda = 2705,
    kIdGasFlowFrictionDrop = 2706,
    kIdGasFlowZetaDrop = 2707,
    kIdGasFlowTotalDrop = 2708,
    kIdGasFlowHeatTransfer = 2709,
    kIdGasFlowSquareSide = 2710,
    kIdGasFlowDraft = 2711,
    kIdGasFlowAmbientDensity = 2712,
    kIdGasFlowAtmosphericPressure = 2713,
    kIdGasFlowMolarMass = 2714,
    kIdGasFlowGasConstant = 2715,
    kIdGasFlowSonicVelocity = 2716,
    kIdGasFlowMach = 2717,
};

inline constexpr FlowControls kGasFlowControls{
    {kIdFlowGivenMass, kIdFlowGivenVolume, kIdGasFlowGivenNormal},
    {kIdFlowMassFlow, kIdFlowVolumeFlow, kIdFlowNormalFlow},
    3,
    kIdGasFlowTubeCount};

inline constexpr FlowResultFields kGasFlowResults{
    kIdGasFlowDensity,      kIdGasFlowViscosity,       kIdGasFlowSonicVelocity,
    kIdGasFlowMach,         kIdGasFlowTotalSection,    kIdGasFlowSquareSide,
    kIdGasFlowReynolds,     kIdGasFlowDynamicPressure, kIdGasFlowLambda,
    kIdGasFlowFrictionDrop, kIdGasFlowZetaDrop,        kIdGasFlowTotalDrop,
    kIdGasFlowHeatTransfer};

namespace detail {

inline constexpr std::string_view kGroupGasFlowState = "Gas";
inline constexpr std::string_view kGroupGasFlowAmbience = "Free flow (ambience)";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kGasFlowControls = joinControls(
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupGasFlowState, 0, 2, "", 1},
        {kIdGasFlowPressure, ControlKind::kEdit, "absolute pressure p [bar] =", 0, 0,
         kGroupGasFlowState},
        {kIdGasFlowTemperature, ControlKind::kEdit, "temperature t [°C] =", 1, 0,
         kGroupGasFlowState},
        {kIdGasFlowDewPoint, ControlKind::kReadOnlyEdit, "H2O dew point [°C] =", 2, 0,
         kGroupGasFlowState, 1, false},
        {kIdGasFlowName, ControlKind::kReadOnlyEdit, "gas analysis:", 3, 0, kGroupGasFlowState, 1,
         false},
        {kIdGasFlowEditAnalysis, ControlKind::kButton, "edit gas analysis", 4, 1,
         kGroupGasFlowState},
    }),
    flowChoiceRows({0, 1}, {1, 1}),
    std::to_array<ControlEntry>({
        {kIdGasFlowGivenNormal, ControlKind::kRadio, "normal volumetric flow given", 2, 0,
         kGroupFlowFlow},
    }),
    flowUnitRows({1, 0}, "kg/s - Nm³/s - m³/s", "kg/h - Nm³/h - m³/h", 3),
    std::to_array<ControlEntry>({
        {kIdFlowNormalFlow, ControlKind::kEdit, "normal volumetric flow =", 5, 0, kGroupFlowFlow},
        {kIdFlowVelocity, ControlKind::kEdit, "flow velocity w [m/s] =", 6, 0, kGroupFlowFlow},
    }),
    tubeRows({0, 0}, kIdGasFlowTubeCount), frictionInputRows(kGroupFlowTube, 5),
    std::to_array<ControlEntry>({
        {kStaticId, ControlKind::kGroup, kGroupGasFlowAmbience, 1, 2, "", 1},
        {kIdGasFlowHeightDifference, ControlKind::kEdit, "difference in height H [m] =", 0, 0,
         kGroupGasFlowAmbience},
        {kIdGasFlowAmbientTemperature, ControlKind::kEdit, "ambient temperature [°C] =", 1, 0,
         kGroupGasFlowAmbience},
        {kIdGasFlowHumidity, ControlKind::kEdit, "relative humidity [%] =", 2, 0,
         kGroupGasFlowAmbience},
        {kIdGasFlowLevel, ControlKind::kEdit, "level above sea [m] =", 3, 0, kGroupGasFlowAmbience},
        {kStaticId, ControlKind::kGroup, kGroupFlowResults, 2, 0, "", 3},
        {kIdGasFlowMolarMass, ControlKind::kReadOnlyEdit, "molar mass [kg/kmol] =", 0, 0,
         kGroupFlowResults},
        {kIdGasFlowGasConstant, ControlKind::kReadOnlyEdit, "gas constant [J/(kg K)] =", 1, 0,
         kGroupFlowResults},
    }),
    fluidResultRows(kGasFlowResults, 2),
    std::to_array<ControlEntry>({
        {kIdGasFlowTotalSection, ControlKind::kReadOnlyEdit, "total cross section [mm²] =", 0, 2,
         kGroupFlowResults},
    }),
    pipeResultRows(kGasFlowResults, 1),
    std::to_array<ControlEntry>({
        {kIdGasFlowDraft, ControlKind::kReadOnlyEdit, "draft [mbar] =", 3, 4, kGroupFlowResults},
        {kIdGasFlowAmbientDensity, ControlKind::kReadOnlyEdit, "ambient density [kg/m³] =", 4, 4,
         kGroupFlowResults},
        {kIdGasFlowAtmosphericPressure, ControlKind::kReadOnlyEdit,
         "atmospheric pressure [mbar] =", 5, 4, kGroupFlowResults},
    }),
    kFlowButtonRows);

}  // namespace detail

//! Dialog 146. The close box acts as "back".
inline constexpr DialogTemplate kGasFlowTemplate{
    146,         "TORVIK - flow process of gases", detail::kGasFlowControls, kIdFlowBack, kIdFlowOk,
    kIdCopyTable};

//! The gas flow dialog: sizes a pipe or duct for gas state 1 and the program's analysis, with
//! the natural draft of a height difference against the shared ambient air.
class GasFlowDialog final : public FlowDialog<GasFlowDialog, processes::GasFlowProcess> {
public:
    //! process must evaluate state, which must be bound to analysis.
    GasFlowDialog(Port& port, processes::GasFlowProcess& process, gas::GasState& state,
                  gas::GasAnalysis& analysis, project::SessionFlags& flags);

    void refreshDisplays() override;

private:
    friend FlowDialog;
    static constexpr auto kWriteReport = &output::writeGasFlowReport;
    static constexpr auto kMachAbove1 = processes::GasFlowStatus::kMachAbove1;

    void showState();
    [[nodiscard]] bool mediumCommand(int id);
    void readState(int& error);
    [[nodiscard]] static bool frictionInputsApply() { return true; }
    static void checkState(int& /*error*/) {}
    [[nodiscard]] int calculateProcess();
    void tellStatus(int status, bool succeeded);
    [[nodiscard]] static bool frictionShown() { return true; }
    [[nodiscard]] output::AmbienceReading readAmbience();
    void showMediumDerived();
    void showMediumResults();
    void editAnalysis();

    gas::GasState& state_;
    gas::GasAnalysis& analysis_;
    output::AmbienceReading ambience_ = output::AmbienceReading::kEmpty;
};

}  // namespace vaporis::ui
