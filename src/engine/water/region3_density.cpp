#include "engine/water/region3_density.h"

#include <algorithm>
#include <cmath>

#include "engine/common/physical_constants.h"
#include "engine/water/basic_equations.h"
#include "engine/water/region3_backward.h"
#include "engine/water/saturation_line.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

using detail::kRegion3RhoStar;

// Newton on p(delta) along the isotherm from the backward equation's volume, which lies on
// the side of the unstable branch of the phase asked for, within 1e-5 of the root (1e-2 in
// the auxiliary subregions next to the critical point); two to four steps reach the
// tolerance. Each step is bounded to a few per cent of delta, so that a start outside region 3
// cannot leap across the unstable branch, and the iterate stays within the densities of
// region 3 and a margin around them.
constexpr int kMaxNewtonSteps = 40;
constexpr double kDensityTolerance = 1.0e-12;  // relative step of delta
constexpr double kPressureRoundOff = 1.0e-14;  // relative residual at the rounding of p
constexpr double kMaxStepRatio = 0.05;
constexpr double kLowestDelta = 1.0 / (kRegion3RhoStar * 0.02);
constexpr double kHighestDelta = 1.0 / (kRegion3RhoStar * 0.001);

double stableDelta(double p, double tK, double start, int& status) {
    const detail::Region3Isotherm isotherm(tK);
    double delta = std::clamp(1.0 / (kRegion3RhoStar * start), kLowestDelta, kHighestDelta);
    if (!std::isfinite(delta)) {
        delta = 1.0;
    }
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const auto [pc, slope] = isotherm.at(delta);
        // a falling or flat isotherm is the unstable branch: no stable root from here
        if (!(slope > 0.0)) {
            break;
        }
        if (std::abs(pc - p) <= kPressureRoundOff * p) {
            status = kOk;
            return delta;
        }
        const double limit = kMaxStepRatio * delta;
        const double d = std::clamp((pc - p) / slope, -limit, limit);
        delta = std::clamp(delta - d, kLowestDelta, kHighestDelta);
        if (std::abs(d) <= kDensityTolerance * delta) {
            status = kOk;
            return delta;
        }
    }
    status = kNoConvergence;
    return -1.0;
}

}  // namespace

double region3Pressure(double v, double tK) {
    const double delta = 1.0 / (kRegion3RhoStar * v);
    const double tau = detail::kRegion3TStar / tK;
    return delta * gammaPi(delta, tau, kRegion3) * kWaterGasConstant * tK / (100.0 * v);
}

double region3Volume(double p, double tK, int& status) {
    const bool liquidSide =
        p <= kCriticalPressure && tK <= saturationTemperature(p) + kZeroCelsiusK;
    return detail::region3VolumeOnSide(p, tK, liquidSide, status);
}

namespace detail {

double region3VolumeOnSide(double p, double tK, bool liquidSide, int& status) {
    if (!std::isfinite(p) || !std::isfinite(tK)) {
        status = kNonFiniteInput;
        return -1.0;
    }
    if (!(p > 0.0) || !(tK > 0.0)) {
        status = kOutsideRegion;
        return -1.0;
    }
    const double start = region3BackwardVolume(p, tK, liquidSide);
    const double delta = stableDelta(p, tK, start, status);
    return status == kOk ? 1.0 / (kRegion3RhoStar * delta) : -1.0;
}

}  // namespace detail

}  // namespace vaporis::water
