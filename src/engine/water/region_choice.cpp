#include "engine/water/region_choice.h"

#include <cmath>

#include "engine/common/physical_constants.h"
#include "engine/water/basic_equations.h"
#include "engine/water/saturation_line.h"

namespace vaporis::water {
namespace {

constexpr double kLowestTemperature = kZeroCelsiusK;  // K, region selection
constexpr double kSaturationBand = 0.001;             // K
constexpr int kBoundary23 = 23;

// The band test of region selection needs the costly saturation temperature only near the
// line. Within 0.001 K of it the pressure differs from ps(T) by less than 7.3e-5 ps(T) (the
// steepest d ln ps / dT is 0.073 /K at 0 °C), and above ts(220.64 bar) no state is within it.
constexpr double kNearLineRatio = 1.0e-3;
constexpr double kHighestSaturationTemperature = 647.1;  // K

}  // namespace

// Each later test that holds overrides an earlier result; the order is part of the behaviour
// (the saturation band wins over regions 1 to 3, region 5 over the band).
int regionOf(double p, double tK) {
    if (!(p > 0.0)) {
        return kRegionNone;
    }
    const bool aboveTriple = p >= kTriplePressure;
    int region = kRegionNone;
    bool nearLine = tK <= kHighestSaturationTemperature;
    if (tK >= kLowestTemperature && tK <= 623.15) {
        const double ps = saturationPressure(tK - kZeroCelsiusK);
        nearLine = std::abs(p - ps) <= kNearLineRatio * ps;
        if (p > ps && p <= 1000.0) {
            region = kRegion1;
        }
        if (ps > p && aboveTriple) {
            region = kRegion2;
        }
    }
    if (tK >= 863.15 && tK <= 1073.15 && aboveTriple && p <= 1000.0) {
        region = kRegion2;
    }
    if (tK > 623.15 && tK < 863.15 && aboveTriple && p <= 1000.0) {
        region = kBoundary23;
    }
    if (nearLine && p <= kCriticalPressure &&
        std::abs(tK - (saturationTemperature(p) + kZeroCelsiusK)) < kSaturationBand) {
        region = kRegion4;
    }
    if (tK > 1073.15 && tK <= 2273.15 && aboveTriple && p <= 100.0) {
        region = kRegion5;
    }
    if (region == kBoundary23) {
        return b23Pressure(tK) >= p ? kRegion2 : kRegion3;
    }
    return region;
}

int regionAt(double p, double t) {
    return regionOf(p, t + kZeroCelsiusK);
}

}  // namespace vaporis::water
