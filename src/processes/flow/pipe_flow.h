#pragma once

#include <cstdint>

#include "engine/common/not_set.h"

namespace vaporis::processes {

//! Which side of the flow triangle is computed from the other two.
enum FlowSolveMode : std::uint8_t {
    kSolveVelocity = 0,  //!< the velocity from the flow and the tube geometry
    kSolveDiameter = 1,  //!< the inner diameter from the flow and the velocity
    kSolveFlow = 2,      //!< the flow from the tube geometry and the velocity
};

//! Which flow quantity was given.
enum FlowInputKind : std::uint8_t {
    kMassFlowGiven = 0,
    kVolumeFlowGiven = 1,
    kNormalFlowGiven = 2,  //!< gases only
};

//! n equal parallel tubes and the volumetric flow through them. Solving for the diameter
//! always sizes a circular tube: the height of a rectangular profile takes no part then, and
//! the equivalent diameter is the computed diameter.
struct FlowTriangle {
    int solveMode = kSolveVelocity;
    bool rectangular = false;
    double width = NOT_SET;       //!< tube width or inner diameter a [mm]
    double height = NOT_SET;      //!< rectangle height b [mm]
    double tubeCount = 1.0;       //!< number of parallel tubes n [-]
    double velocity = NOT_SET;    //!< w [m/s]
    double volumeFlow = NOT_SET;  //!< through all tubes together [m³/s]
    // Written by solveFlowTriangle:
    double crossSection = NOT_SET;        //!< of one tube [mm²]
    double totalCrossSection = NOT_SET;   //!< of all tubes [mm²]
    double equivalentDiameter = NOT_SET;  //!< hydraulic diameter 4 A / perimeter [mm]
    double squareSide = NOT_SET;          //!< side of a square of one tube's section [mm]

    //! True when friction and equivalent diameter follow the rectangular rules.
    [[nodiscard]] bool rectangularSection() const {
        return rectangular && solveMode != kSolveDiameter;
    }
};

//! The fluid properties of a tube flow, in the units of the state classes.
struct FlowFluid {
    double v = NOT_SET;             //!< specific volume [m³/kg]
    double eta = NOT_SET;           //!< dynamic viscosity [10⁻⁶ Pa s]
    double cp = NOT_SET;            //!< isobaric heat capacity [kJ/(kg K)]
    double conductivity = NOT_SET;  //!< thermal conductivity [W/(m K)]
};

//! Friction and heat transfer at the tube wall.
struct WallFlow {
    double lambda = NOT_SET;        //!< Darcy friction coefficient [-]
    double frictionDrop = NOT_SET;  //!< [mbar]
    double heatTransfer = NOT_SET;  //!< [W/(m² K)]; NOT_SET for a tube length of 0
};

//! Solves the velocity, the diameter or the volumetric flow of triangle (by its solveMode)
//! and fills its sections; kOk, or FlowStatus::kInputInvalid when the mode is unknown or a value
//! the mode needs is not finite and positive, or a side or section overflows or underflows (the
//! triangle is then unchanged).
[[nodiscard]] int solveFlowTriangle(FlowTriangle& triangle);

//! True when roughness k [mm] and tube length [m] are finite and not negative.
[[nodiscard]] bool isValidWall(double roughness, double length);

//! Dynamic pressure [Pa] of velocity w [m/s] in a fluid of specific volume v [m³/kg].
[[nodiscard]] double dynamicPressure(double v, double w);
//! Reynolds number [-] of a solved triangle's flow; v [m³/kg], eta [10⁻⁶ Pa s].
[[nodiscard]] double reynoldsNumber(const FlowTriangle& triangle, double v, double eta);
//! Pressure drop [mbar] of resistance coefficient zeta [-] at velocity w [m/s].
[[nodiscard]] double zetaPressureDrop(double v, double w, double zeta);

//! Friction coefficient, friction pressure drop over length [m] and, for a length other
//! than 0, the heat transfer coefficient, of a solved triangle at Reynolds number re with
//! wall roughness [mm]; status from frictionCoefficient.
[[nodiscard]] WallFlow evaluateWallFlow(const FlowTriangle& triangle, const FlowFluid& fluid,
                                        double re, double roughness, double length, int& status);

}  // namespace vaporis::processes
