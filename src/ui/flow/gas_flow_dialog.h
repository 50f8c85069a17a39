#pragma once

#include <array>
#include <string_view>

#include "output/messages/flow_messages.h"
#include "ui/dialog_template.h"
#include "ui/flow/flow_dialog_rules.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::gas {
class GasAnalysis;
class GasState;
}  // namespace vaporis::gas
namespace vaporis::processes {
class GasFlowProcess;
}

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

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

namespace detail {

inline constexpr std::string_view kGroupGasFlowState = "Gas";
inline constexpr std::string_view kGroupGasFlowFlow = "Flow";
inline constexpr std::string_view kGroupGasFlowSolve = "Solve for";
inline constexpr std::string_view kGroupGasFlowUnits = "Units";
inline constexpr std::string_view kGroupGasFlowTube = "Tube";
inline constexpr std::string_view kGroupGasFlowAmbience = "Free flow (ambience)";
inline constexpr std::string_view kGroupGasFlowResults = "Results";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kGasFlowControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupGasFlowState, 0, 2, "", 1},
    {kIdGasFlowPressure, ControlKind::kEdit, "absolute pressure p [bar] =", 0, 0,
     kGroupGasFlowState},
    {kIdGasFlowTemperature, ControlKind::kEdit, "temperature t [°C] =", 1, 0, kGroupGasFlowState},
    {kIdGasFlowDewPoint, ControlKind::kReadOnlyEdit, "H2O dew point [°C] =", 2, 0,
     kGroupGasFlowState, 1, false},
    {kIdGasFlowName, ControlKind::kReadOnlyEdit, "gas analysis:", 3, 0, kGroupGasFlowState, 1,
     false},
    {kIdGasFlowEditAnalysis, ControlKind::kButton, "edit gas analysis", 4, 1, kGroupGasFlowState},
    {kStaticId, ControlKind::kGroup, kGroupGasFlowFlow, 0, 1, "", 1},
    {kStaticId, ControlKind::kGroup, kGroupGasFlowSolve, 1, 1, "", 1},
    {kIdFlowSolveVelocity, ControlKind::kRadio, "velocity", 0, 0, kGroupGasFlowSolve},
    {kIdFlowSolveDiameter, ControlKind::kRadio, "diameter", 1, 0, kGroupGasFlowSolve},
    {kIdFlowSolveFlow, ControlKind::kRadio, "flows", 2, 0, kGroupGasFlowSolve},
    {kIdFlowGivenMass, ControlKind::kRadio, "mass flow given", 0, 0, kGroupGasFlowFlow},
    {kIdFlowGivenVolume, ControlKind::kRadio, "volumetric flow given", 1, 0, kGroupGasFlowFlow},
    {kIdGasFlowGivenNormal, ControlKind::kRadio, "normal volumetric flow given", 2, 0,
     kGroupGasFlowFlow},
    {kStaticId, ControlKind::kGroup, kGroupGasFlowUnits, 1, 0, "", 1},
    {kIdFlowPerSecond, ControlKind::kRadio, "kg/s - Nm³/s - m³/s", 0, 0, kGroupGasFlowUnits},
    {kIdFlowPerHour, ControlKind::kRadio, "kg/h - Nm³/h - m³/h", 1, 0, kGroupGasFlowUnits},
    {kIdFlowMassFlow, ControlKind::kEdit, "mass flow =", 3, 0, kGroupGasFlowFlow},
    {kIdFlowVolumeFlow, ControlKind::kEdit, "volumetric flow =", 4, 0, kGroupGasFlowFlow},
    {kIdFlowNormalFlow, ControlKind::kEdit, "normal volumetric flow =", 5, 0, kGroupGasFlowFlow},
    {kIdFlowVelocity, ControlKind::kEdit, "flow velocity w [m/s] =", 6, 0, kGroupGasFlowFlow},
    {kStaticId, ControlKind::kGroup, kGroupGasFlowTube, 0, 0, "", 1},
    {kIdFlowCircular, ControlKind::kRadio, "circular", 0, 0, kGroupGasFlowTube},
    {kIdFlowRectangular, ControlKind::kRadio, "rectangular", 1, 0, kGroupGasFlowTube},
    {kIdFlowWidth, ControlKind::kEdit, "inner diameter / width [mm] =", 2, 0, kGroupGasFlowTube},
    {kIdFlowHeight, ControlKind::kEdit, "height [mm] =", 3, 0, kGroupGasFlowTube},
    {kIdGasFlowTubeCount, ControlKind::kEdit, "number of parallel tubes =", 4, 0,
     kGroupGasFlowTube},
    {kIdFlowRoughness, ControlKind::kEdit, "roughness k [mm] =", 5, 0, kGroupGasFlowTube},
    {kIdFlowTubeLength, ControlKind::kEdit, "tube length [m] =", 6, 0, kGroupGasFlowTube},
    {kIdFlowZeta, ControlKind::kEdit, "additional zeta [-] =", 7, 0, kGroupGasFlowTube},
    {kStaticId, ControlKind::kGroup, kGroupGasFlowAmbience, 1, 2, "", 1},
    {kIdGasFlowHeightDifference, ControlKind::kEdit, "difference in height H [m] =", 0, 0,
     kGroupGasFlowAmbience},
    {kIdGasFlowAmbientTemperature, ControlKind::kEdit, "ambient temperature [°C] =", 1, 0,
     kGroupGasFlowAmbience},
    {kIdGasFlowHumidity, ControlKind::kEdit, "relative humidity [%] =", 2, 0,
     kGroupGasFlowAmbience},
    {kIdGasFlowLevel, ControlKind::kEdit, "level above sea [m] =", 3, 0, kGroupGasFlowAmbience},
    {kStaticId, ControlKind::kGroup, kGroupGasFlowResults, 2, 0, "", 3},
    {kIdGasFlowMolarMass, ControlKind::kReadOnlyEdit, "molar mass [kg/kmol] =", 0, 0,
     kGroupGasFlowResults},
    {kIdGasFlowGasConstant, ControlKind::kReadOnlyEdit, "gas constant [J/(kg K)] =", 1, 0,
     kGroupGasFlowResults},
    {kIdGasFlowDensity, ControlKind::kReadOnlyEdit, "density [kg/m³] =", 2, 0,
     kGroupGasFlowResults},
    {kIdGasFlowViscosity, ControlKind::kReadOnlyEdit, "dynamic viscosity [10⁻⁶ Pa s] =", 3, 0,
     kGroupGasFlowResults},
    {kIdGasFlowSonicVelocity, ControlKind::kReadOnlyEdit, "sonic velocity [m/s] =", 4, 0,
     kGroupGasFlowResults},
    {kIdGasFlowMach, ControlKind::kReadOnlyEdit, "Mach number [-] =", 5, 0, kGroupGasFlowResults},
    {kIdGasFlowTotalSection, ControlKind::kReadOnlyEdit, "total cross section [mm²] =", 0, 2,
     kGroupGasFlowResults},
    {kIdGasFlowSquareSide, ControlKind::kReadOnlyEdit, "side of a square profile [mm] =", 1, 2,
     kGroupGasFlowResults},
    {kIdGasFlowReynolds, ControlKind::kReadOnlyEdit, "Reynolds number [-] =", 2, 2,
     kGroupGasFlowResults},
    {kIdGasFlowDynamicPressure, ControlKind::kReadOnlyEdit, "dynamic pressure [Pa] =", 3, 2,
     kGroupGasFlowResults},
    {kIdGasFlowLambda, ControlKind::kReadOnlyEdit, "friction coefficient lambda [-] =", 4, 2,
     kGroupGasFlowResults},
    {kIdGasFlowFrictionDrop, ControlKind::kReadOnlyEdit, "friction pressure drop [mbar] =", 5, 2,
     kGroupGasFlowResults},
    {kIdGasFlowZetaDrop, ControlKind::kReadOnlyEdit, "zeta pressure drop [mbar] =", 0, 4,
     kGroupGasFlowResults},
    {kIdGasFlowTotalDrop, ControlKind::kReadOnlyEdit, "total pressure drop [mbar] =", 1, 4,
     kGroupGasFlowResults},
    {kIdGasFlowHeatTransfer, ControlKind::kReadOnlyEdit, "heat transfer [W/(m² K)] =", 2, 4,
     kGroupGasFlowResults},
    {kIdGasFlowDraft, ControlKind::kReadOnlyEdit, "draft [mbar] =", 3, 4, kGroupGasFlowResults},
    {kIdGasFlowAmbientDensity, ControlKind::kReadOnlyEdit, "ambient density [kg/m³] =", 4, 4,
     kGroupGasFlowResults},
    {kIdGasFlowAtmosphericPressure, ControlKind::kReadOnlyEdit, "atmospheric pressure [mbar] =", 5,
     4, kGroupGasFlowResults},
    {kIdFlowHtmlOutput, ControlKind::kCheck, "output in HTML format", 3, 0, "", 3},
    {kIdFlowOk, ControlKind::kButton, "OK", 4, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 4, 1, ""},
    {kIdFlowValidity, ControlKind::kButton, "area of validity / function abbreviations", 4, 2, ""},
    {kIdFlowBack, ControlKind::kButton, "back", 4, 3, ""},
});

}  // namespace detail

//! Dialog 146. The close box acts as "back".
inline constexpr DialogTemplate kGasFlowTemplate{
    146,         "TORVIK - flow process of gases", detail::kGasFlowControls, kIdFlowBack, kIdFlowOk,
    kIdCopyTable};

//! The gas flow dialog: sizes a pipe or duct for gas state 1 and the program's analysis, with
//! the natural draft of a height difference against the shared ambient air.
class GasFlowDialog : public DialogLogic {
public:
    //! process must evaluate state, which must be bound to analysis.
    GasFlowDialog(Port& port, processes::GasFlowProcess& process, gas::GasState& state,
                  gas::GasAnalysis& analysis, project::SessionFlags& flags);

    void opened() override;
    void command(int id) override;
    void refreshDisplays() override;

private:
    void calculate();
    [[nodiscard]] bool readInputs();
    [[nodiscard]] output::AmbienceReading readAmbience();
    void showDerived();
    void showResults();
    void editAnalysis();
    void back();

    Port& port_;
    processes::GasFlowProcess& process_;
    gas::GasState& state_;
    gas::GasAnalysis& analysis_;
    project::SessionFlags& flags_;
};

}  // namespace vaporis::ui
