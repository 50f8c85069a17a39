#include "engine/water/saturation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/water/if97_regions.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

// IAPWS-IF97 region 4, Table 34: the coefficients n1 .. n10 of the saturation equation.
constexpr auto kSaturation = std::to_array<double>({
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.12020824702470e5,
    -0.32325550322333e7,
    0.14915108613530e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
});
static_assert(kSaturation.size() == 10);

// IAPWS-IF97, Table 1: the coefficients n1 .. n5 of the boundary between regions 2 and 3.
constexpr auto kB23 = std::to_array<double>({
    0.34805185628969e3,
    -0.11671859879975e1,
    0.10192970039326e-2,
    0.57254459862746e3,
    0.13918839778870e2,
});
static_assert(kB23.size() == 5);

constexpr double n(int i) {
    return kSaturation[static_cast<std::size_t>(i - 1)];
}

constexpr double kLowestTemperature = 273.15;               // K, region selection
constexpr double kLowestVaporTemperature = 273.1599999999;  // K
constexpr double kSaturationBand = 0.001;                   // K
constexpr int kBoundary23 = 23;
using detail::kRegion3Offset;
using detail::kRegion3Switch;

// The band test of region selection needs the costly saturation temperature only near the
// line. Within 0.001 K of it the pressure differs from ps(T) by less than 7.3e-5 ps(T) (the
// steepest d ln ps / dT is 0.073 /K at 0 °C), and above ts(220.64 bar) no state is within it.
constexpr double kNearLineRatio = 1.0e-3;
constexpr double kHighestSaturationTemperature = 647.1;  // K

enum class Phase { kLiquid, kVapor };

using PropertyFunction = double (*)(double, double, int, int&);

// A property of saturated liquid or vapour at p: regions 1 and 2 exactly at ts, or, above
// 165.35 bar, region 3 just off the line so that the density search starts on the right side.
double saturated(double p, Phase phase, PropertyFunction property, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    if (!(p > 0.0)) {
        status = kOutsideRegion;
        return -1.0;
    }
    const double ts = saturationTemperature(p);
    const bool liquid = phase == Phase::kLiquid;
    if (p > kRegion3Switch) {
        return property(p, liquid ? ts - kRegion3Offset : ts + kRegion3Offset, kRegion3, status);
    }
    return property(p, ts, liquid ? kRegion1 : kRegion2, status);
}

double twoPhase(double p, double x, PropertyFunction property) {
    int liquidStatus = kOk;
    int vaporStatus = kOk;
    const double liquid = saturated(p, Phase::kLiquid, property, liquidStatus);
    const double vapor = saturated(p, Phase::kVapor, property, vaporStatus);
    return liquid + x * (vapor - liquid);
}

}  // namespace

double saturationPressure(double t) {
    const double tK = t + 273.15;
    const double theta = tK + n(9) / (tK - n(10));
    const double a = theta * theta + n(1) * theta + n(2);
    const double b = n(3) * theta * theta + n(4) * theta + n(5);
    const double c = n(6) * theta * theta + n(7) * theta + n(8);
    const double ratio = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
    const double ratio2 = ratio * ratio;
    return 10.0 * ratio2 * ratio2;
}

double saturationTemperature(double p) {
    const double beta = std::sqrt(std::sqrt(p / 10.0));
    const double e = beta * beta + n(3) * beta + n(6);
    const double f = n(1) * beta * beta + n(4) * beta + n(7);
    const double g = n(2) * beta * beta + n(5) * beta + n(8);
    const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
    const double sum = n(10) + d;
    const double tK = (sum - std::sqrt(sum * sum - 4.0 * (n(9) + n(10) * d))) / 2.0;
    return tK - 273.15;
}

// The line ends at the critical point: at 373.946 °C the equation rounds to a hair above
// 220.64 bar, where every saturated value would be refused.
double vaporPressure(double t, int& status) {
    status = detail::saturationTemperatureStatus(t);
    return status == kOk ? std::min(saturationPressure(t), kCriticalPressure) : -1.0;
}

double boilingTemperature(double p, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    if (p < kTriplePressure) {
        status = kBelowTriplePressure;
        return -1.0;
    }
    status = kOk;
    return saturationTemperature(p);
}

double b23Pressure(double tK) {
    return 10.0 * (kB23[0] + kB23[1] * tK + kB23[2] * tK * tK);
}

double b23Temperature(double p) {
    return kB23[3] + std::sqrt((p / 10.0 - kB23[4]) / kB23[2]);
}

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
        const double ps = saturationPressure(tK - 273.15);
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
        std::abs(tK - (saturationTemperature(p) + 273.15)) < kSaturationBand) {
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
    return regionOf(p, t + 273.15);
}

double specificVolumeSatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, specificVolume, status);
}
double specificVolumeSatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, specificVolume, status);
}
double enthalpySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, enthalpy, status);
}
double enthalpySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, enthalpy, status);
}
double entropySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, entropy, status);
}
double entropySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, entropy, status);
}
double isobaricHeatCapacitySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, isobaricHeatCapacity, status);
}
double isobaricHeatCapacitySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, isobaricHeatCapacity, status);
}
double isochoricHeatCapacitySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, isochoricHeatCapacity, status);
}
double isochoricHeatCapacitySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, isochoricHeatCapacity, status);
}
double soundVelocitySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, soundVelocity, status);
}
double soundVelocitySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, soundVelocity, status);
}

double specificVolumeFromPX(double p, double x) {
    return twoPhase(p, x, specificVolume);
}
double enthalpyFromPX(double p, double x) {
    return twoPhase(p, x, enthalpy);
}
double entropyFromPX(double p, double x) {
    return twoPhase(p, x, entropy);
}

double evaporationEnthalpy(double p, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    int liquidStatus = kOk;
    int vaporStatus = kOk;
    const double hLiquid = enthalpySatLiquid(p, liquidStatus);
    const double hVapor = enthalpySatVapor(p, vaporStatus);
    if (liquidStatus != kOk || vaporStatus != kOk) {
        status = kEvaporationFailed;
        return -1.0;
    }
    status = kOk;
    return hVapor - hLiquid;
}

namespace detail {

int saturatedPressureStatus(double p) {
    if (!std::isfinite(p)) {
        return kNonFiniteInput;
    }
    return p > kCriticalPressure ? kAboveCriticalPressure : kOk;
}

int saturationTemperatureStatus(double t) {
    if (!std::isfinite(t)) {
        return kNonFiniteInput;
    }
    const double tK = t + 273.15;
    if (tK > kCriticalTemperature) {
        return kAboveCriticalTemperature;
    }
    // not 273.16: 0.01 + 273.15 rounds to just below it, which would refuse the triple point
    return tK < kLowestVaporTemperature ? kBelowTripleTemperature : kOk;
}

}  // namespace detail

}  // namespace vaporis::water
