#pragma once

#include <cmath>

namespace vaporis {

//! value when it is finite; otherwise status becomes refusal and the answer is failure. The
//! last step of a formula that overflows, or leaves its domain, for an extreme but finite input
//! (1e300 bar, a denormal pressure): such a value is never handed on as valid.
[[nodiscard]] inline double finiteResult(double value, int& status, int refusal,
                                         double failure = -1.0) {
    if (std::isfinite(value)) {
        return value;
    }
    status = refusal;
    return failure;
}

}  // namespace vaporis
