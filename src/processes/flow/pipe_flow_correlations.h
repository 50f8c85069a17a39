#pragma once

namespace vaporis::processes {

//! Reynolds number below which a tube flow counts as laminar for the friction coefficient.
inline constexpr double kLaminarFrictionLimit = 2320.0;

//! Darcy friction coefficient lambda [-] at Reynolds number re for roughness k and equivalent
//! diameter d (same length unit): 64/Re below Re = 2320, the Colebrook equation above, both
//! times a low-Reynolds factor. On failure -1.0 with FlowStatus::kInputInvalid (re or d not
//! positive, k negative, any input not finite) or FlowStatus::kFrictionNoConvergence.
[[nodiscard]] double frictionCoefficient(double re, double k, double d, int& status);

//! Factor [-] on the laminar friction coefficient of a rectangular profile with sides a and
//! b (any common unit): 1.493 for a flat slit, 0.9775 for a square.
[[nodiscard]] double rectangularLaminarFactor(double a, double b);

//! Mean Nusselt number [-] of a tube flow at Reynolds number re and Prandtl number pr over a
//! tube whose equivalent diameter divided by its length is dOverL [-]: the laminar
//! thermal-entry law up to Re = 2300, Gnielinski's law from Re = 10000, linear in Re between.
[[nodiscard]] double nusseltNumber(double re, double pr, double dOverL);

}  // namespace vaporis::processes
