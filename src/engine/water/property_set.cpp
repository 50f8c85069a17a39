#include "engine/water/property_set.h"

#include <cmath>

#include "engine/common/physical_constants.h"
#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

// Regions 1, 2, 5 from gamma(pi, tau); the same expressions as the single functions, so the
// values agree to the last bit.
PropertySet gibbsSet(double p, double tK, int region) {
    const auto [pStar, tStar] = detail::reducingValues(region);
    const double pi = p / pStar;
    const double tau = tStar / tK;
    const BasicEquation g = basicEquation(pi, tau, region);
    const double a = g.pi - tau * g.piTau;
    PropertySet set;
    set.h = tau * g.tau * kWaterGasConstant * tK;
    set.v = pi * g.pi * kWaterGasConstant * tK / (100.0 * p);
    set.s = (tau * g.tau - g.value) * kWaterGasConstant;
    set.cp = -tau * tau * g.tauTau * kWaterGasConstant;
    set.cv = (-tau * tau * g.tauTau + a * a / g.piPi) * kWaterGasConstant;
    const double denominator = a * a / (tau * tau * g.tauTau) - g.piPi;
    set.w = std::sqrt(1000.0 * kWaterGasConstant * tK * g.pi * g.pi / denominator);
    set.beta = (1.0 - tau * g.piTau / g.pi) / tK;
    set.chi = -g.piPi / g.pi / pStar;
    return set;
}

// Region 3 from phi(delta, tau) at the density of (p, T).
PropertySet helmholtzSet(double p, double tK, int& status) {
    const double v = region3Volume(p, tK, status);
    if (status != kOk) {
        return {};
    }
    const double delta = 1.0 / (v * detail::kRegion3RhoStar);
    const double tau = detail::kRegion3TStar / tK;
    const BasicEquation f = basicEquation(delta, tau, kRegion3);
    const double a = delta * f.pi - delta * tau * f.piTau;
    const double stiffness = 2.0 * delta * f.pi + delta * delta * f.piPi;
    PropertySet set;
    set.h = (tau * f.tau + delta * f.pi) * kWaterGasConstant * tK;
    set.v = v;
    set.s = (tau * f.tau - f.value) * kWaterGasConstant;
    set.cp = (-tau * tau * f.tauTau + a * a / stiffness) * kWaterGasConstant;
    set.cv = -tau * tau * f.tauTau * kWaterGasConstant;
    set.w =
        std::sqrt(1000.0 * kWaterGasConstant * tK * (stiffness - a * a / (tau * tau * f.tauTau)));
    set.beta = a / (tK * stiffness);
    set.chi = 100.0 * v / (kWaterGasConstant * tK * stiffness);
    return set;
}

// The set, or a failed one with kOutsideRegion when a value is not finite (an equation
// evaluated far outside its region, as a forced region allows).
PropertySet finiteSet(const PropertySet& set, int& status) {
    for (const double value : {set.h, set.v, set.s, set.cp, set.cv, set.w, set.beta, set.chi}) {
        if (!std::isfinite(value)) {
            status = kOutsideRegion;
            return {};
        }
    }
    return set;
}

}  // namespace

PropertySet propertySet(double p, double t, int region, int& status) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        status = kNonFiniteInput;
        return {};
    }
    const double tK = t + kZeroCelsiusK;
    const int r = region == kRegionNone ? regionOf(p, tK) : region;
    if (r == kRegion4) {
        status = kOnSaturationLine;
        return {};
    }
    if (r != kRegion1 && r != kRegion2 && r != kRegion3 && r != kRegion5) {
        status = kOutsideRegion;
        return {};
    }
    if (r == kRegion3) {
        const PropertySet set = helmholtzSet(p, tK, status);
        return status == kOk ? finiteSet(set, status) : set;
    }
    status = kOk;
    return finiteSet(gibbsSet(p, tK, r), status);
}

}  // namespace vaporis::water
