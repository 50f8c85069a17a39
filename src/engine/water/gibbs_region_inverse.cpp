#include "engine/water/gibbs_region_inverse.h"

#include <cmath>

#include "engine/common/physical_constants.h"
#include "engine/water/backward_equations.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water::detail {
namespace {

constexpr double kLowestTemperature = kTripleTemperature;  // °C, lower end of h and s
constexpr double kLineMargin = 0.00101;      // K, outside the 0.001 K band of region 4
constexpr double kHighestPressure = 1000.0;  // bar

// The backward equations start within some 25 mK, so two steps usually settle; after a step
// of 1e-5 K the quadratic convergence leaves an error below 1e-10 K even where cp changes by
// 20 % per kelvin.
constexpr double kSettledStepK = 1.0e-5;
constexpr int kMaxNewtonSteps = 8;
// Inside their regions the backward equations stay within 25 mK of the root.
constexpr double kStartReach = 1.0;  // K

using RegionProperty = double (*)(double, double, int, int&);
using SaturatedAt = double (*)(double, int&);

// One inverse function: the property, its slope along the isobar, the backward equation, and
// how the general search treats the saturation line for it.
struct InvertedProperty {
    RegionProperty value;
    RegionProperty slope;  // d value / dT at constant p [per K]
    double (*backward)(double, double, int);
    // Region 1 ends below and region 2 starts above this value at every pressure.
    double regionSplit;
    SaturatedAt liquidAt;
    SaturatedAt vaporAt;
    bool lineAtCriticalPressure;  // whether p = 220.64 bar still has a two-phase range
};

double entropySlope(double p, double t, int region, int& status) {
    return isobaricHeatCapacity(p, t, region, status) / (t + kZeroCelsiusK);
}

// h1(165.29 bar, 350 °C) = 1671 kJ/kg is the highest enthalpy of region 1 and 2500 kJ/kg at
// the triple point the lowest of region 2; likewise 3.78 and 5.05 kJ/(kg K) for the entropy.
constexpr InvertedProperty kEnthalpy{
    .value = enthalpy,
    .slope = isobaricHeatCapacity,
    .backward = backwardTemperaturePH,
    .regionSplit = 2000.0,
    .liquidAt = enthalpySatLiquid,
    .vaporAt = enthalpySatVapor,
    .lineAtCriticalPressure = true,
};
constexpr InvertedProperty kEntropy{
    .value = entropy,
    .slope = entropySlope,
    .backward = backwardTemperaturePS,
    .regionSplit = 4.3,
    .liquidAt = entropySatLiquid,
    .vaporAt = entropySatVapor,
    .lineAtCriticalPressure = false,
};

// Newton steps on region's basic equation from the start tK [K]; empty when they do not settle.
std::optional<double> newtonRoot(const InvertedProperty& f, double p, double target, int region,
                                 double tK) {
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        int status = kOk;
        const double t = tK - kZeroCelsiusK;
        const double dt = (f.value(p, t, region, status) - target) / f.slope(p, t, region, status);
        tK -= dt;
        if (std::abs(dt) <= kSettledStepK) {
            return tK;
        }
    }
    return std::nullopt;
}

bool subcritical(const InvertedProperty& f, double p) {
    return p < kCriticalPressure || (f.lineAtCriticalPressure && p == kCriticalPressure);
}

// Whether the root t [°C] of region's equation is the answer of the general search: inside the
// region and above 0.01 °C, and, below the critical pressure, beyond the margin of the
// saturation line ts [°C] on the region's side. Up to 165.29 bar the saturated states lie on
// the same equation at ts, so the margin alone keeps the value off the two-phase range; above,
// where they come from region 3, the value is compared with them.
bool isSearchAnswer(const InvertedProperty& f, double p, double target, int region, double t,
                    double ts) {
    if (!(t >= kLowestTemperature) || regionOf(p, t + kZeroCelsiusK) != region) {
        return false;
    }
    if (!subcritical(f, p)) {
        return true;
    }
    const bool liquid = region == kRegion1;
    if (liquid ? !(t < ts - kLineMargin) : !(t > ts + kLineMargin)) {
        return false;
    }
    if (p <= kRegion3Switch) {
        return true;
    }
    int status = kOk;
    const double saturated = liquid ? f.liquidAt(p, status) : f.vaporAt(p, status);
    return status == kOk && (liquid ? target < saturated : target > saturated);
}

std::optional<double> temperatureInGibbsRegion(const InvertedProperty& f, double p, double target) {
    if (!std::isfinite(p) || !std::isfinite(target) || !(p >= kTriplePressure) ||
        p > kHighestPressure) {
        return std::nullopt;
    }
    const int region = target < f.regionSplit ? kRegion1 : kRegion2;
    const bool belowCritical = subcritical(f, p);
    const double ts = belowCritical ? saturationTemperature(p) : 0.0;
    const double tStart = f.backward(p, target, region) - kZeroCelsiusK;
    // a start this far across the line belongs to a two-phase value, or to region 3 or 5
    if (belowCritical &&
        (region == kRegion1 ? !(tStart < ts + kStartReach) : !(tStart > ts - kStartReach))) {
        return std::nullopt;
    }
    const std::optional<double> tK = newtonRoot(f, p, target, region, tStart + kZeroCelsiusK);
    if (!tK || !isSearchAnswer(f, p, target, region, *tK - kZeroCelsiusK, ts)) {
        return std::nullopt;
    }
    return *tK - kZeroCelsiusK;
}

}  // namespace

std::optional<double> gibbsRegionTemperatureFromPH(double p, double h) {
    return temperatureInGibbsRegion(kEnthalpy, p, h);
}

std::optional<double> gibbsRegionTemperatureFromPS(double p, double s) {
    return temperatureInGibbsRegion(kEntropy, p, s);
}

}  // namespace vaporis::water::detail
