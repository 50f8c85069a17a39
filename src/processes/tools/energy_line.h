#pragma once

namespace vaporis::processes {

// Homogeneous equilibrium flow of water/steam with total enthalpy h0J [J/kg] conserved:
// h + (G v)² / 2 = h0J at mass flux G [kg/(m² s)]. Pressures in bar, temperatures in °C.

//! Steam quality [-] of the two-phase state on the energy line at p [bar] (the larger root),
//! or -1.0 when there is no real solution.
[[nodiscard]] double qualityFromEnergy(double p, double h0J, double g);

//! Temperature [°C] of the state on the energy line at p [bar], or its steam quality [-] with
//! status water::kTwoPhase; water::kNoConvergence when no bracket is found.
[[nodiscard]] double stateFromEnergy(double p, double h0J, double g, int& status);

//! Specific volume [m³/kg] of the state on the energy line at p [bar].
[[nodiscard]] double volumeOnEnergyLine(double p, double h0J, double g);

//! dp/dv [Pa per m³/kg] along the energy line at p [bar]; negative in normal states, and
//! sqrt(-dp/dv) is the critical mass flux there.
[[nodiscard]] double criticalSlope(double p, double g, double h0J);

//! Pressure [bar] below pStart at which a flow of mass flux g chokes, searched down to pMin
//! [bar]; the marker 1.0 when there is none.
[[nodiscard]] double chokingPressure(double pStart, double h0J, double g, double pMin);

//! Friction coefficient [-] of a fully rough tube of inner diameter d [m] (roughness 0.06 mm).
[[nodiscard]] double roughTubeFriction(double d);

//! 1 + q + ... + q^(n-1).
[[nodiscard]] double geometricSum(double q, int n);

//! Tube length [m] of inner diameter d [m] over which the flow of mass flux g expands from p1
//! to p2 [bar], integrated in n pressure steps that shrink towards the outlet; 0.0 when the
//! flow would choke before p2.
[[nodiscard]] double tubeLengthForExpansion(double d, double g, double p1, double p2, double h0J,
                                            int n);

}  // namespace vaporis::processes
