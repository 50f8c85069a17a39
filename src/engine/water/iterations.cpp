#include "engine/water/iterations.h"

#include <cmath>
#include <optional>

#include "engine/common/physical_constants.h"
#include "engine/water/gibbs_region_inverse.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

constexpr double kHighestPressure = 1000.0;                // bar
constexpr double kRegion5Pressure = 100.0;                 // bar: up to here t reaches 2000 °C
constexpr double kLowestTemperature = kTripleTemperature;  // °C, lower end of h and s
constexpr double kLineMargin = 0.00101;           // K, outside the 0.001 K band of region 4
constexpr double kEnthalpyTolerance = 0.001;      // kJ/kg
constexpr double kTemperatureTolerance = 0.0001;  // K
constexpr int kMaxNewtonSteps = 50;

// Safety limit of the bisections that end by their tolerance alone; a well-posed search
// needs about 60 halvings, so reaching the limit means no root.
constexpr int kMaxBisectionSteps = 200;

// The searches stop at 1 J/kg or 0.1 mK; Newton steps from there double the correct digits
// each time, so a step below 1e-6 K leaves an error at the rounding of the temperature.
constexpr int kMaxRefiningSteps = 8;
constexpr double kRefinedStepK = 1.0e-6;

double maximumTemperature(double p) {
    return p > kRegion5Pressure ? 800.0 : 2000.0;
}

bool finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

int aboveMaximumStatus(double p) {
    return p > kRegion5Pressure ? kEnthalpyAbove800 : kEnthalpyAbove2000;
}

// Search range of an inverse function at p [bar]: the temperatures and the enthalpies
// (entropies) there.
struct Bracket {
    double tlo;
    double thi;
    double hlo;
    double hhi;
};

using PropertyAt = double (*)(double, double, int&);
using SaturatedAt = double (*)(double, int&);

// The whole range of an inverse function: from 0 °C to the highest temperature at p, with the
// property's values at 0.01 °C and there. Refuses a value (h or s) outside them and a pressure
// outside every region. Where the saturation line passes 0.01 °C, the saturated liquid is the
// lowest state.
int attainableRange(double p, double value, PropertyAt property, SaturatedAt liquidAt,
                    Bracket& range) {
    if (!finite(p, value)) {
        return kNonFiniteInput;
    }
    if (p > kHighestPressure) {
        return kPressureAbove1000;
    }
    range.tlo = 0.0;
    range.thi = maximumTemperature(p);
    int minStatus = kOk;
    int maxStatus = kOk;
    range.hlo = property(p, kLowestTemperature, minStatus);
    if (minStatus == kOnSaturationLine) {
        range.hlo = liquidAt(p, minStatus);
    }
    range.hhi = property(p, range.thi, maxStatus);
    if (minStatus == kOutsideRegion || maxStatus == kOutsideRegion) {
        return kOutsideRegion;
    }
    if (value < range.hlo) {
        return kBelowTripleTemperature;
    }
    return value > range.hhi ? aboveMaximumStatus(p) : kOk;
}

// Bisection of the temperature on [tlo, thi] until it is 0.0001 K wide.
double bisectEnthalpy(double p, double h, Bracket range, int& status) {
    for (int n = 0; n < kMaxBisectionSteps; ++n) {
        if (!(range.thi - range.tlo > kTemperatureTolerance)) {
            status = kOk;
            return (range.tlo + range.thi) / 2.0;
        }
        const double t = (range.tlo + range.thi) / 2.0;
        int hStatus = kOk;
        if (enthalpy(p, t, hStatus) <= h) {
            range.tlo = t;
        } else {
            range.thi = t;
        }
    }
    status = kNoConvergence;
    return -1.0;
}

// Bisection of the temperature on [tlo, thi] until the midpoint moves by 0.0001 K or less.
double bisectEntropy(double p, double s, double tlo, double thi, int& status) {
    double t = (tlo + thi) / 2.0;
    for (int n = 0; n < kMaxBisectionSteps; ++n) {
        int sStatus = kOk;
        if (entropy(p, t, sStatus) <= s) {
            tlo = t;
        } else {
            thi = t;
        }
        const double tprev = t;
        t = (tlo + thi) / 2.0;
        if (std::abs(t - tprev) <= kTemperatureTolerance) {
            status = kOk;
            return t;
        }
    }
    status = kNoConvergence;
    return -1.0;
}

double entropySlope(double p, double t, int& status) {
    return isobaricHeatCapacity(p, t, status) / (t + kZeroCelsiusK);
}

// The search's answer t [°C] refined by Newton steps on property(p, t) = target inside
// [tlo, thi] to the exact root; the search's answer stands where they leave the range or do
// not settle.
double refinedRoot(double p, double target, double t, double tlo, double thi, PropertyAt property,
                   PropertyAt slope) {
    double tn = t;
    for (int step = 0; step < kMaxRefiningSteps; ++step) {
        int status = kOk;
        const double dt = (property(p, tn, status) - target) / slope(p, tn, status);
        tn -= dt;
        if (!(tn >= tlo && tn <= thi)) {
            return t;
        }
        if (std::abs(dt) <= kRefinedStepK) {
            return tn;
        }
    }
    return t;
}

// Newton steps on h(t) held inside [tlo, thi]; c counts consecutive steps clamped to the same
// end so that a clamped but converged step is not accepted while it still pushes outward.
double newtonEnthalpy(double p, double h, Bracket range, int& status) {
    int hStatus = kOk;
    double t = (range.tlo + range.thi) / 2.0;
    double ht = enthalpy(p, t, hStatus);
    int c = 0;
    int k = 0;
    do {
        const double t0 = t;
        const double h0 = ht;
        const double cp0 = isobaricHeatCapacity(p, t0, hStatus);
        t = t0 - (h0 - h) / cp0;
        ht = enthalpy(p, t, hStatus);
        if (t > range.thi) {
            t = range.thi;
            ht = range.hhi;
            ++c;
        } else if (t < range.tlo) {
            t = range.tlo;
            ht = range.hlo;
            --c;
        } else {
            c = 0;
        }
        ++k;
    } while (!(std::abs(ht - h) <= kEnthalpyTolerance && std::abs(c) <= 1) && k < kMaxNewtonSteps);
    if (k == kMaxNewtonSteps) {
        return bisectEnthalpy(p, h, range, status);
    }
    status = kOk;
    return t;
}

// The quality of a two-phase enthalpy h [kJ/kg] at p [bar] from the triple to the critical
// pressure, or empty: the answer of the general search there, found without its range and
// its single-phase starts.
std::optional<double> twoPhaseQuality(double p, double h) {
    if (!(p >= kTriplePressure && p <= kCriticalPressure) || !std::isfinite(h)) {
        return std::nullopt;
    }
    int liquidStatus = kOk;
    int vaporStatus = kOk;
    const double hLiquid = enthalpySatLiquid(p, liquidStatus);
    const double hVapor = enthalpySatVapor(p, vaporStatus);
    const double x = (h - hLiquid) / (hVapor - hLiquid);
    if (liquidStatus != kOk || vaporStatus != kOk || !(x >= 0.0 && x <= 1.0)) {
        return std::nullopt;
    }
    return x;
}

}  // namespace

double temperatureFromPH(double p, double h, int& status) {
    if (const auto t = detail::gibbsRegionTemperatureFromPH(p, h)) {
        status = kOk;
        return *t;
    }
    if (const auto x = twoPhaseQuality(p, h)) {
        status = kTwoPhase;
        return *x;
    }
    Bracket range{};
    status = attainableRange(p, h, enthalpy, enthalpySatLiquid, range);
    if (status != kOk) {
        return -1.0;
    }
    double x = 2.0;  // marks a single-phase state above the critical pressure
    if (p <= kCriticalPressure) {
        int satStatus = kOk;
        const double hLiquid = enthalpySatLiquid(p, satStatus);
        const double hVapor = enthalpySatVapor(p, satStatus);
        const double ts = boilingTemperature(p, satStatus);
        x = (h - hLiquid) / (hVapor - hLiquid);
        if (x <= 1.0) {
            range.thi = ts - kLineMargin;
        } else {
            range.tlo = ts + kLineMargin;
        }
        range.hlo = enthalpy(p, range.tlo, satStatus);
        range.hhi = enthalpy(p, range.thi, satStatus);
        // an enthalpy in the gap beside the saturation band gets the nearest allowed temperature
        if (hVapor < h && h < range.hlo) {
            status = kOk;
            return range.tlo;
        }
        if (range.hhi < h && h < hLiquid) {
            status = kOk;
            return range.thi;
        }
    }
    if (x >= 0.0 && x <= 1.0) {
        status = kTwoPhase;
        return x;
    }
    const double t = newtonEnthalpy(p, h, range, status);
    return status == kOk
               ? refinedRoot(p, h, t, range.tlo, range.thi, enthalpy, isobaricHeatCapacity)
               : t;
}

double temperatureFromPS(double p, double s, int& status) {
    if (const auto t = detail::gibbsRegionTemperatureFromPS(p, s)) {
        status = kOk;
        return *t;
    }
    Bracket range{};
    status = attainableRange(p, s, entropy, entropySatLiquid, range);
    if (status != kOk) {
        return -1.0;
    }
    double tlo = range.tlo;
    double thi = range.thi;
    if (p < kCriticalPressure) {
        int satStatus = kOk;
        const double sLiquid = entropySatLiquid(p, satStatus);
        const double sVapor = entropySatVapor(p, satStatus);
        const double ts = boilingTemperature(p, satStatus);
        if (sLiquid <= s && s <= sVapor) {
            status = kTwoPhase;
            return (s - sLiquid) / (sVapor - sLiquid);
        }
        if (s >= sLiquid) {
            tlo = ts + kLineMargin;
        } else {
            thi = ts - kLineMargin;
        }
    }
    const double t = bisectEntropy(p, s, tlo, thi, status);
    return status == kOk ? refinedRoot(p, s, t, tlo, thi, entropy, entropySlope) : t;
}

double specificVolumeFromPS(double p, double s, int& status) {
    const double r = temperatureFromPS(p, s, status);
    if (status == kOk) {
        return specificVolume(p, r, status);
    }
    return status == kTwoPhase ? specificVolumeFromPX(p, r) : -1.0;
}

double enthalpyFromPS(double p, double s, int& status) {
    const double r = temperatureFromPS(p, s, status);
    if (status == kOk) {
        return enthalpy(p, r, status);
    }
    return status == kTwoPhase ? enthalpyFromPX(p, r) : -1.0;
}

double isentropicEndTemperature(double p1, double h1, double p2, int& status) {
    if (!finite(p1, h1) || !std::isfinite(p2)) {
        status = kNonFiniteInput;
        return -1.0;
    }
    int startStatus = kOk;
    const double r = temperatureFromPH(p1, h1, startStatus);
    if (startStatus != kOk && startStatus != kTwoPhase) {
        status = kOutsideRegion;
        return -1.0;
    }
    int sStatus = kOk;
    const double s1 = startStatus == kTwoPhase ? entropyFromPX(p1, r) : entropy(p1, r, sStatus);
    return temperatureFromPS(p2, s1, status);
}

}  // namespace vaporis::water
