#pragma once

#include <array>
#include <string_view>

#include "ui/dialog_template.h"
#include "ui/flow/flow_dialog_rules.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::processes {
class SteamFlowProcess;
}
namespace vaporis::water {
class WaterSteamState;
}

namespace vaporis::project {
struct SessionFlags;
}  // namespace vaporis::project

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

namespace detail {

inline constexpr std::string_view kGroupSteamFlowState = "Water / steam";
inline constexpr std::string_view kGroupSteamFlowFlow = "Flow";
inline constexpr std::string_view kGroupSteamFlowSolve = "Solve for";
inline constexpr std::string_view kGroupSteamFlowUnits = "Units";
inline constexpr std::string_view kGroupSteamFlowTube = "Tube";
inline constexpr std::string_view kGroupSteamFlowOptional = "Optional";
inline constexpr std::string_view kGroupSteamFlowResults = "Results";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kSteamFlowControls = std::to_array<ControlEntry>({
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
    {kStaticId, ControlKind::kGroup, kGroupSteamFlowFlow, 1, 0, "", 1},
    {kStaticId, ControlKind::kGroup, kGroupSteamFlowSolve, 0, 1, "", 1},
    {kIdFlowSolveVelocity, ControlKind::kRadio, "velocity", 0, 0, kGroupSteamFlowSolve},
    {kIdFlowSolveDiameter, ControlKind::kRadio, "diameter", 1, 0, kGroupSteamFlowSolve},
    {kIdFlowSolveFlow, ControlKind::kRadio, "flows", 2, 0, kGroupSteamFlowSolve},
    {kIdFlowGivenMass, ControlKind::kRadio, "mass flow given", 0, 0, kGroupSteamFlowFlow},
    {kIdFlowGivenVolume, ControlKind::kRadio, "volumetric flow given", 1, 0, kGroupSteamFlowFlow},
    {kStaticId, ControlKind::kGroup, kGroupSteamFlowUnits, 1, 1, "", 1},
    {kIdFlowPerSecond, ControlKind::kRadio, "kg/s - m³/s", 0, 0, kGroupSteamFlowUnits},
    {kIdFlowPerHour, ControlKind::kRadio, "kg/h - m³/h", 1, 0, kGroupSteamFlowUnits},
    {kIdFlowMassFlow, ControlKind::kEdit, "mass flow =", 2, 0, kGroupSteamFlowFlow},
    {kIdFlowVolumeFlow, ControlKind::kEdit, "volumetric flow =", 3, 0, kGroupSteamFlowFlow},
    {kIdFlowVelocity, ControlKind::kEdit, "flow velocity w [m/s] =", 4, 0, kGroupSteamFlowFlow},
    {kStaticId, ControlKind::kGroup, kGroupSteamFlowTube, 0, 2, "", 1},
    {kIdFlowCircular, ControlKind::kRadio, "circular", 0, 0, kGroupSteamFlowTube},
    {kIdFlowRectangular, ControlKind::kRadio, "rectangular", 1, 0, kGroupSteamFlowTube},
    {kIdFlowWidth, ControlKind::kEdit, "inner diameter / width [mm] =", 2, 0, kGroupSteamFlowTube},
    {kIdFlowHeight, ControlKind::kEdit, "height [mm] =", 3, 0, kGroupSteamFlowTube},
    {kIdSteamFlowTubeCount, ControlKind::kEdit, "number of parallel tubes =", 4, 0,
     kGroupSteamFlowTube},
    {kStaticId, ControlKind::kGroup, kGroupSteamFlowOptional, 1, 2, "", 1},
    {kIdFlowRoughness, ControlKind::kEdit, "roughness k [mm] =", 0, 0, kGroupSteamFlowOptional},
    {kIdFlowTubeLength, ControlKind::kEdit, "tube length [m] =", 1, 0, kGroupSteamFlowOptional},
    {kIdFlowZeta, ControlKind::kEdit, "additional zeta [-] =", 2, 0, kGroupSteamFlowOptional},
    {kStaticId, ControlKind::kGroup, kGroupSteamFlowResults, 2, 0, "", 3},
    {kIdSteamFlowDensity, ControlKind::kReadOnlyEdit, "density [kg/m³] =", 0, 0,
     kGroupSteamFlowResults},
    {kIdSteamFlowViscosity, ControlKind::kReadOnlyEdit, "dynamic viscosity [10⁻⁶ Pa s] =", 1, 0,
     kGroupSteamFlowResults},
    {kIdSteamFlowSonicVelocity, ControlKind::kReadOnlyEdit, "sonic velocity [m/s] =", 2, 0,
     kGroupSteamFlowResults},
    {kIdSteamFlowMach, ControlKind::kReadOnlyEdit, "Mach number [-] =", 3, 0,
     kGroupSteamFlowResults},
    {kIdSteamFlowTotalSection, ControlKind::kReadOnlyEdit, "total cross section [mm²] =", 4, 0,
     kGroupSteamFlowResults},
    {kIdSteamFlowSquareSide, ControlKind::kReadOnlyEdit, "side of a square profile [mm] =", 0, 2,
     kGroupSteamFlowResults},
    {kIdSteamFlowReynolds, ControlKind::kReadOnlyEdit, "Reynolds number [-] =", 1, 2,
     kGroupSteamFlowResults},
    {kIdSteamFlowDynamicPressure, ControlKind::kReadOnlyEdit, "dynamic pressure [Pa] =", 2, 2,
     kGroupSteamFlowResults},
    {kIdSteamFlowLambda, ControlKind::kReadOnlyEdit, "friction coefficient lambda [-] =", 3, 2,
     kGroupSteamFlowResults},
    {kIdSteamFlowFrictionDrop, ControlKind::kReadOnlyEdit, "friction pressure drop [mbar] =", 4, 2,
     kGroupSteamFlowResults},
    {kIdSteamFlowZetaDrop, ControlKind::kReadOnlyEdit, "zeta pressure drop [mbar] =", 0, 4,
     kGroupSteamFlowResults},
    {kIdSteamFlowTotalDrop, ControlKind::kReadOnlyEdit, "total pressure drop [mbar] =", 1, 4,
     kGroupSteamFlowResults},
    {kIdSteamFlowHeatTransfer, ControlKind::kReadOnlyEdit, "heat transfer [W/(m² K)] =", 2, 4,
     kGroupSteamFlowResults},
    {kIdFlowHtmlOutput, ControlKind::kCheck, "output in HTML format", 3, 0, "", 3},
    {kIdFlowOk, ControlKind::kButton, "OK", 4, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 4, 1, ""},
    {kIdFlowValidity, ControlKind::kButton, "area of validity / function abbreviations", 4, 2, ""},
    {kIdFlowBack, ControlKind::kButton, "back", 4, 3, ""},
});

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
class SteamFlowDialog : public DialogLogic {
public:
    //! process must evaluate state.
    SteamFlowDialog(Port& port, processes::SteamFlowProcess& process, water::WaterSteamState& state,
                    project::SessionFlags& flags);

    void opened() override;
    void command(int id) override;
    void refreshDisplays() override;

private:
    [[nodiscard]] int selectedMode() const;
    void modeChosen(int mode);
    void calculate();
    [[nodiscard]] bool readInputs();
    [[nodiscard]] bool wetSteamEntered(int mode) const;
    void showDerived();
    void showResults();
    void back();

    Port& port_;
    processes::SteamFlowProcess& process_;
    water::WaterSteamState& state_;
    project::SessionFlags& flags_;
};

}  // namespace vaporis::ui
