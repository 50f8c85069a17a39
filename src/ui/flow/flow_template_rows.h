#pragma once

#include <array>
#include <string_view>

#include "ui/dialog_template.h"
#include "ui/flow/flow_dialog_rules.h"
#include "ui/result_table.h"

namespace vaporis::ui {

//! The result fields both flow dialogs show, each dialog under its own ids.
struct FlowResultFields {
    int density;
    int viscosity;
    int sonicVelocity;
    int mach;
    int totalSection;
    int squareSide;
    int reynolds;
    int dynamicPressure;
    int lambda;
    int frictionDrop;
    int zetaDrop;
    int totalDrop;
    int heatTransfer;
};

//! A group box's cell in the dialog's grid.
struct GridCell {
    int row;
    int column;
};

namespace detail {

inline constexpr std::string_view kGroupFlowFlow = "Flow";
inline constexpr std::string_view kGroupFlowSolve = "Solve for";
inline constexpr std::string_view kGroupFlowUnits = "Units";
inline constexpr std::string_view kGroupFlowTube = "Tube";
inline constexpr std::string_view kGroupFlowResults = "Results";

//! The flow and solve-for group boxes, the solve-for radios and the mass and volume radios.
constexpr std::array<ControlEntry, 7> flowChoiceRows(GridCell flow, GridCell solve) {
    return {{
        {kStaticId, ControlKind::kGroup, kGroupFlowFlow, flow.row, flow.column, "", 1},
        {kStaticId, ControlKind::kGroup, kGroupFlowSolve, solve.row, solve.column, "", 1},
        {kIdFlowSolveVelocity, ControlKind::kRadio, "velocity", 0, 0, kGroupFlowSolve},
        {kIdFlowSolveDiameter, ControlKind::kRadio, "diameter", 1, 0, kGroupFlowSolve},
        {kIdFlowSolveFlow, ControlKind::kRadio, "flows", 2, 0, kGroupFlowSolve},
        {kIdFlowGivenMass, ControlKind::kRadio, "mass flow given", 0, 0, kGroupFlowFlow},
        {kIdFlowGivenVolume, ControlKind::kRadio, "volumetric flow given", 1, 0, kGroupFlowFlow},
    }};
}

//! The units group box with its radios, and the mass and volume flow fields from row on.
constexpr std::array<ControlEntry, 5> flowUnitRows(GridCell units, std::string_view perSecond,
                                                   std::string_view perHour, int row) {
    return {{
        {kStaticId, ControlKind::kGroup, kGroupFlowUnits, units.row, units.column, "", 1},
        {kIdFlowPerSecond, ControlKind::kRadio, perSecond, 0, 0, kGroupFlowUnits},
        {kIdFlowPerHour, ControlKind::kRadio, perHour, 1, 0, kGroupFlowUnits},
        {kIdFlowMassFlow, ControlKind::kEdit, "mass flow =", row, 0, kGroupFlowFlow},
        {kIdFlowVolumeFlow, ControlKind::kEdit, "volumetric flow =", row + 1, 0, kGroupFlowFlow},
    }};
}

//! The tube group box: profile, size and number of tubes.
constexpr std::array<ControlEntry, 6> tubeRows(GridCell tube, int tubeCountId) {
    return {{
        {kStaticId, ControlKind::kGroup, kGroupFlowTube, tube.row, tube.column, "", 1},
        {kIdFlowCircular, ControlKind::kRadio, "circular", 0, 0, kGroupFlowTube},
        {kIdFlowRectangular, ControlKind::kRadio, "rectangular", 1, 0, kGroupFlowTube},
        {kIdFlowWidth, ControlKind::kEdit, "inner diameter / width [mm] =", 2, 0, kGroupFlowTube},
        {kIdFlowHeight, ControlKind::kEdit, "height [mm] =", 3, 0, kGroupFlowTube},
        {tubeCountId, ControlKind::kEdit, "number of parallel tubes =", 4, 0, kGroupFlowTube},
    }};
}

//! Roughness, tube length and additional zeta in group, from row on.
constexpr std::array<ControlEntry, 3> frictionInputRows(std::string_view group, int row) {
    return {{
        {kIdFlowRoughness, ControlKind::kEdit, "roughness k [mm] =", row, 0, group},
        {kIdFlowTubeLength, ControlKind::kEdit, "tube length [m] =", row + 1, 0, group},
        {kIdFlowZeta, ControlKind::kEdit, "additional zeta [-] =", row + 2, 0, group},
    }};
}

//! The fluid's density, viscosity, sonic velocity and Mach number, from row on.
constexpr std::array<ControlEntry, 4> fluidResultRows(const FlowResultFields& f, int row) {
    return {{
        {f.density, ControlKind::kReadOnlyEdit, "density [kg/m³] =", row, 0, kGroupFlowResults},
        {f.viscosity, ControlKind::kReadOnlyEdit, "dynamic viscosity [10⁻⁶ Pa s] =", row + 1, 0,
         kGroupFlowResults},
        {f.sonicVelocity, ControlKind::kReadOnlyEdit, "sonic velocity [m/s] =", row + 2, 0,
         kGroupFlowResults},
        {f.mach, ControlKind::kReadOnlyEdit, "Mach number [-] =", row + 3, 0, kGroupFlowResults},
    }};
}

//! Friction and pressure drops: the third column from row on, the fifth from its top.
constexpr std::array<ControlEntry, 8> pipeResultRows(const FlowResultFields& f, int row) {
    return {{
        {f.squareSide, ControlKind::kReadOnlyEdit, "side of a square profile [mm] =", row, 2,
         kGroupFlowResults},
        {f.reynolds, ControlKind::kReadOnlyEdit, "Reynolds number [-] =", row + 1, 2,
         kGroupFlowResults},
        {f.dynamicPressure, ControlKind::kReadOnlyEdit, "dynamic pressure [Pa] =", row + 2, 2,
         kGroupFlowResults},
        {f.lambda, ControlKind::kReadOnlyEdit, "friction coefficient lambda [-] =", row + 3, 2,
         kGroupFlowResults},
        {f.frictionDrop, ControlKind::kReadOnlyEdit, "friction pressure drop [mbar] =", row + 4, 2,
         kGroupFlowResults},
        {f.zetaDrop, ControlKind::kReadOnlyEdit, "zeta pressure drop [mbar] =", 0, 4,
         kGroupFlowResults},
        {f.totalDrop, ControlKind::kReadOnlyEdit, "total pressure drop [mbar] =", 1, 4,
         kGroupFlowResults},
        {f.heatTransfer, ControlKind::kReadOnlyEdit, "heat transfer [W/(m² K)] =", 2, 4,
         kGroupFlowResults},
    }};
}

//! The output check box and the buttons below the results.
inline constexpr auto kFlowButtonRows = std::to_array<ControlEntry>({
    {kIdFlowHtmlOutput, ControlKind::kCheck, "output in HTML format", 3, 0, "", 3},
    {kIdFlowOk, ControlKind::kButton, "OK", 4, 0, ""},
    {kIdCopyTable, ControlKind::kButton, kCopyTableText, 4, 1, ""},
    {kIdFlowValidity, ControlKind::kButton, "area of validity / function abbreviations", 4, 2, ""},
    {kIdFlowBack, ControlKind::kButton, "back", 4, 3, ""},
});

}  // namespace detail

}  // namespace vaporis::ui
