#include "engine/water/transport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/common/finite_result.h"
#include "engine/common/physical_constants.h"
#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

// IAPS Formulation 1985 for the viscosity and the thermal conductivity of ordinary water
// substance; the viscosity without its critical enhancement.
constexpr double kTStar = 647.226;      // K
constexpr double kRhoStar = 317.763;    // kg/m³
constexpr double kPStar = 221.15;       // bar
constexpr double kEtaStar = 55.071e-6;  // Pa s
constexpr double kLambdaStar = 0.4945;  // W/(m K)

constexpr auto kViscosityH = std::to_array<double>({1.0, 0.978197, 0.579829, -0.202354});
static_assert(kViscosityH.size() == 4);

// The 19 non-zero H_ij: I is the power of (1/T̄ - 1), J the power of (ρ̄ - 1).
struct TransportTerm {
    int i;
    int j;
    double n;
};
constexpr auto kViscosityHij = std::to_array<TransportTerm>({
    {0, 0, 0.5132047},     // 1
    {1, 0, 0.3205656},     // 2
    {4, 0, -0.7782567},    // 3
    {5, 0, 0.1885447},     // 4
    {0, 1, 0.2151778},     // 5
    {1, 1, 0.7317883},     // 6
    {2, 1, 1.241044},      // 7
    {3, 1, 1.476783},      // 8
    {0, 2, -0.2818107},    // 9
    {1, 2, -1.070786},     // 10
    {2, 2, -1.263184},     // 11
    {0, 3, 0.1778064},     // 12
    {1, 3, 0.460504},      // 13
    {2, 3, 0.2340379},     // 14
    {3, 3, -0.4924179},    // 15
    {0, 4, -0.0417661},    // 16
    {3, 4, 0.1600435},     // 17
    {1, 5, -0.01578386},   // 18
    {3, 6, -0.003629481},  // 19
});
static_assert(kViscosityHij.size() == 19);

constexpr auto kConductivityL = std::to_array<double>({1.0, 6.978267, 2.599096, -0.998254});
static_assert(kConductivityL.size() == 4);

// L_ij, one row per i (power of 1/T̄ - 1), columns j = 0 .. 5 (power of ρ̄ - 1).
using ConductivityRow = std::array<double, 6>;
constexpr auto kConductivityLij = std::to_array<ConductivityRow>({
    {1.3293046, -0.40452437, 0.24409490, 0.018660751, -0.12961068, 0.044809953},
    {1.7018363, -2.2156845, 1.6511057, -0.76736002, 0.37283344, -0.11203160},
    {5.2246158, -10.124111, 4.9874687, -0.27297694, -0.43083393, 0.13333849},
    {8.7127675, -9.5000611, 4.3786606, -0.91783782, 0, 0},
    {-1.8525999, 0.93404690, 0, 0, 0, 0},
});
static_assert(kConductivityLij.size() == 5);

using detail::kRegion3Offset;
using detail::kRegion3Switch;
constexpr double kTransportOffset = 0.0011;  // K, outside the 0.001 K band of region 4
constexpr double kSlopeTolerance = 1.0e-5;   // bar
// Shortest temperature step of a liquid near 0 °C: the tolerance over it is 0.1 % of the
// slope of about 1 bar/K there.
constexpr double kMinLiquidStep = 0.01;  // K

// Safety limits of the isochore search: ΔT starts at 0.1 K and is useless below 1e-15 K.
constexpr int kMaxSlopeHalvings = 60;
constexpr int kMaxSlopeBisections = 200;
// The root of the isochore search, far finer than the 1e-5 bar of its bracket; the secant
// steps reach it in three or four volumes, the halving fallback within 60.
constexpr double kRootTolerance = 1.0e-11;  // bar
constexpr int kMaxRootSteps = 100;

template <std::size_t N>
std::array<double, N> powersOf(double x) {
    std::array<double, N> powers{};
    powers[0] = 1.0;
    for (std::size_t k = 1; k < N; ++k) {
        powers[k] = powers[k - 1] * x;
    }
    return powers;
}

// √T̄ / Σ c_k T̄^(-k), the dilute-gas part of both formulations.
double dilutePart(double tBar, const std::array<double, 4>& c) {
    const double inverse = 1.0 / tBar;
    return std::sqrt(tBar) / (c[0] + inverse * (c[1] + inverse * (c[2] + inverse * c[3])));
}

// Reduced viscosity η/η* at reduced temperature and density.
double reducedViscosity(double tBar, double rhoBar) {
    const auto a = powersOf<6>(1.0 / tBar - 1.0);
    const auto b = powersOf<7>(rhoBar - 1.0);
    double sum = 0.0;
    for (const auto& term : kViscosityHij) {
        sum += term.n * a[static_cast<std::size_t>(term.i)] * b[static_cast<std::size_t>(term.j)];
    }
    return dilutePart(tBar, kViscosityH) * std::exp(rhoBar * sum);
}

double reducedConductivityBackground(double tBar, double rhoBar) {
    const auto a = powersOf<5>(1.0 / tBar - 1.0);
    const auto b = powersOf<6>(rhoBar - 1.0);
    double sum = 0.0;
    for (std::size_t i = 0; i < kConductivityLij.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            sum += kConductivityLij[i][j] * a[i] * b[j];
        }
    }
    return dilutePart(tBar, kConductivityL) * std::exp(rhoBar * sum);
}

bool finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

// Specific volume [m³/kg] inside the range of the transport formulations, or a non-zero status.
double transportVolume(double p, double t, int& status) {
    if (!finite(p, t)) {
        status = kNonFiniteInput;
        return -1.0;
    }
    const double tK = t + kZeroCelsiusK;
    if (tK < kZeroCelsiusK || tK > 1073.15 || !(p > 0.0) || p > 1000.0) {
        status = kOutsideRegion;
        return -1.0;
    }
    const double v = specificVolume(p, t, status);
    return status == kOk ? v : -1.0;
}

bool strictlyBetween(double v, double a, double b) {
    return (a < v && v < b) || (b < v && v < a);
}

// One end of the pressure bracket of the isochore search with its volume on the trial isotherm.
struct BracketEnd {
    double p;  // [bar]
    double v;  // [m³/kg]
};

// The pressure [bar] at which region r's isotherm t2 [°C] has volume v, between the ends a and
// b whose volumes enclose it: secant steps, a step leaving the bracket replaced by halving.
double isochoreRoot(double v, double t2, int r, BracketEnd a, BracketEnd b, int& status) {
    BracketEnd lo = a;
    BracketEnd hi = b;
    for (int n = 0; n < kMaxRootSteps; ++n) {
        double p = b.p - (b.v - v) * (b.p - a.p) / (b.v - a.v);
        if (!strictlyBetween(p, lo.p, hi.p)) {
            p = (lo.p + hi.p) / 2.0;
        }
        int vStatus = kOk;
        const BracketEnd next{p, specificVolume(p, t2, r, vStatus)};
        if (strictlyBetween(v, lo.v, next.v)) {
            hi = next;
        } else {
            lo = next;
        }
        a = b;
        b = next;
        if (next.v == v || std::abs(b.p - a.p) <= kRootTolerance) {
            status = kOk;
            return p;
        }
    }
    status = kNoConvergence;
    return -1.0;
}

// The pressure on the isochore at the trial temperature is the midpoint of the last bracket
// when [pLow, pHigh] is halved toward the root until at most 1e-5 bar wide. Which halves hold
// the root follows from the root itself, so the halving needs no volume of its own.
double isochorePressure(double v, double t2, int r, BracketEnd low, BracketEnd high, int& status) {
    const double root = isochoreRoot(v, t2, r, low, high, status);
    if (status != kOk) {
        return -1.0;
    }
    double pLow = low.p;
    double pHigh = high.p;
    for (int n = 0; n < kMaxSlopeBisections; ++n) {
        const double pm = (pLow + pHigh) / 2.0;
        if (strictlyBetween(root, pLow, pm)) {
            pHigh = pm;
        } else {
            pLow = pm;
        }
        if (std::abs(pHigh - pLow) <= kSlopeTolerance) {
            return (pLow + pHigh) / 2.0;
        }
    }
    status = kNoConvergence;
    return -1.0;
}

// Region 3: one region-3 pressure 1 K away along the isochore.
double region3Slope(double p, double t, double v) {
    double d = 1.0;
    if (p <= kCriticalPressure) {
        const double ts = saturationTemperature(p);
        if (t <= ts) {
            d = t <= 1.0 ? 1.0 : -1.0;
        } else {
            d = t >= 799.0 ? -1.0 : 1.0;
        }
    }
    const double p2 = region3Pressure(v, t + d + kZeroCelsiusK);
    return (p2 - p) / d;
}

// The pressure steps on either side of p at the trial temperature t2 = t + d ΔT.
struct PressureSteps {
    double lower;
    double upper;
};

PressureSteps subcriticalSteps(double p, double t2, double d) {
    const double dps = saturationPressure(t2) - p;
    const double dpu = std::abs(dps) < 0.1 ? d * 0.9 * std::abs(dps) : d * 0.1;
    double dpl = d * 0.1;
    if (p - dpl <= kTriplePressure) {
        dpl = p - kTriplePressure;
    }
    if (d * dps < 0.0 && std::abs(dps) < dpl) {
        dpl = 0.9 * std::abs(dps) * d;
    }
    return {dpl, dpu};
}

// Direction d and temperature step of the isochore search at a trial temperature t + d ΔT.
struct IsochoreStep {
    double d = 1.0;
    double dT = 0.1;
    PressureSteps steps{0.0, 0.1};
    BracketEnd low{0.0, 0.0};   // at p - steps.lower
    BracketEnd high{0.0, 0.0};  // at p + steps.upper
};

// Subcritical start: away from the saturation line (liquid downward, vapour upward); a liquid
// below 0.1 °C steps down to 0 °C, or, closer to 0 °C than kMinLiquidStep, upward by a part of
// its distance to ts.
IsochoreStep subcriticalStart(double p, double t) {
    IsochoreStep step;
    const double ts = saturationTemperature(p);
    const bool liquid = t <= ts;
    step.d = liquid ? -1.0 : 1.0;
    if (liquid && t < 0.1) {
        step.dT = t;
        if (step.dT < kMinLiquidStep) {
            step.dT = std::abs(ts - t) < 0.1 ? 0.9 * std::abs(ts - t) : 0.1;
            step.d = 1.0;
        }
    }
    return step;
}

// Halves ΔT until the isochore through (p, t) lies strictly between the two trial volumes.
// Below the critical point the pressure steps follow the saturation line at each trial
// temperature; above it they stay fixed, and the halving keeps a slope steeper than
// 0.1 bar per 0.1 K from being cut off at the end of the bracket.
int bracketIsochore(double p, double t, double v, int r, bool subcritical, IsochoreStep& step) {
    for (int n = 0; n < kMaxSlopeHalvings; ++n) {
        // A zero temperature step (liquid at 0 °C on the line) or a zero lower pressure step
        // (at the triple-point pressure) leaves no difference quotient.
        if (step.dT == 0.0) {
            return kDegenerateStep;
        }
        const double t2 = t + step.d * step.dT;
        if (subcritical) {
            step.steps = subcriticalSteps(p, t2, step.d);
            if (step.steps.lower == 0.0) {
                return kDegenerateStep;
            }
        }
        int vStatus = kOk;
        const double pl = p - step.steps.lower;
        const double pu = p + step.steps.upper;
        step.low = {pl, specificVolume(pl, t2, r, vStatus)};
        step.high = {pu, specificVolume(pu, t2, r, vStatus)};
        if (strictlyBetween(v, step.low.v, step.high.v)) {
            return kOk;
        }
        step.dT /= 2.0;
    }
    return kNoConvergence;
}

// Regions 1, 2, 5: the pressure on the isochore through (p, t) at a nearby temperature, with
// region r's equation for every trial point.
double gibbsRegionSlope(double p, double t, double v, int r, int& status) {
    const bool subcritical = p <= kCriticalPressure && t + kZeroCelsiusK <= kCriticalTemperatureK;
    IsochoreStep step;
    if (subcritical) {
        step = subcriticalStart(p, t);
    } else {
        step.steps.lower = std::min({0.1, std::abs(p - kCriticalPressure), p - kTriplePressure});
    }
    status = bracketIsochore(p, t, v, r, subcritical, step);
    if (status != kOk) {
        return -1.0;
    }
    const double t2 = t + step.d * step.dT;
    const double p2 = isochorePressure(v, t2, r, step.low, step.high, status);
    return status == kOk ? (p2 - p) / (step.d * step.dT) : -1.0;
}

using RegionProperty = double (*)(double, double, int, int&);

// A saturated value at ts ∓ offset with the region its own function selects.
double saturatedTransport(double p, bool liquid, double (*property)(double, double, int&),
                          int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    const double ts = saturationTemperature(p);
    return property(p, liquid ? ts - kTransportOffset : ts + kTransportOffset, status);
}

// Expansion or compressibility of saturated liquid or vapour: regions 1 and 2 at ts below
// 165.29 bar, region 3 just off the line from there up.
double saturatedDerivative(double p, bool liquid, RegionProperty property, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    const double ts = boilingTemperature(p, status);
    if (status != kOk) {
        return -1.0;
    }
    if (p < kRegion3Switch) {
        return property(p, ts, liquid ? kRegion1 : kRegion2, status);
    }
    return property(p, liquid ? ts - kRegion3Offset : ts + kRegion3Offset, kRegion3, status);
}

double isentropicExponentSat(double p, bool liquid, int& status) {
    if (!std::isfinite(p)) {
        status = kNonFiniteInput;
        return -1.0;
    }
    int vStatus = kOk;
    int wStatus = kOk;
    const double v =
        liquid ? specificVolumeSatLiquid(p, vStatus) : specificVolumeSatVapor(p, vStatus);
    const double w =
        liquid ? soundVelocitySatLiquid(p, wStatus) : soundVelocitySatVapor(p, wStatus);
    if (vStatus != kOk || wStatus != kOk) {
        status = vStatus != kOk ? vStatus : wStatus;
        return -1.0;
    }
    status = kOk;
    return w * w / (p * v * 1.0e5);
}

// Region code for the expansion and compressibility; non-zero status for regions 0 and 4.
int derivativeRegion(double p, double t, int region, int& status) {
    if (!finite(p, t)) {
        status = kNonFiniteInput;
        return kRegionNone;
    }
    const int r = region == kRegionNone ? regionAt(p, t) : region;
    if (r == kRegion4) {
        status = kOnSaturationLine;
    } else if (r != kRegion1 && r != kRegion2 && r != kRegion3 && r != kRegion5) {
        status = kOutsideRegion;
    } else {
        status = kOk;
    }
    return r;
}

// Region 3 from the derivatives of phi at the density of (p, T): a difference quotient of two
// density searches would carry their 0.0001 bar stop as an error of 10 % and more, and near
// 623.15 K its step would reach across the saturation line.
struct Region3Slopes {
    double beta;  // [1/K]
    double chi;   // [1/bar]
};

Region3Slopes region3Slopes(double p, double tK, int& status) {
    const double v = region3Volume(p, tK, status);
    if (status != kOk) {
        return {-1.0, -1.0};
    }
    const double delta = 1.0 / (detail::kRegion3RhoStar * v);
    const double tau = detail::kRegion3TStar / tK;
    const BasicEquation f = basicEquation(delta, tau, kRegion3);
    // (dp/drho)_T / (R T) and (dp/dT)_rho / (rho R)
    const double stiffness = 2.0 * delta * f.pi + delta * delta * f.piPi;
    const double pressureSlope = delta * f.pi - delta * tau * f.piTau;
    // chi = 1 / (rho (dp/drho)_T) in 1/kPa, 100 kPa per bar
    return {pressureSlope / (tK * stiffness), 100.0 * v / (kWaterGasConstant * tK * stiffness)};
}

// The second pressure of the density slope: upward in the liquid, downward in the vapour (away
// from the saturation line), and never below the critical pressure from above it.
double densityStepPressure(double p, double t, double dp) {
    if (p < kCriticalPressure) {
        return p > saturationPressure(t) && p < 1000.0 - dp ? p + dp : p - dp;
    }
    return p > kCriticalPressure + 2.0 * dp ? p - dp : p + dp;
}

// The slope of the isochore through (p, t) of region r and volume v [m³/kg].
double isochoricSlopeAt(double p, double t, int r, double v, int& status) {
    if (r == kRegion3) {
        status = kOk;
        return region3Slope(p, t, v);
    }
    return gibbsRegionSlope(p, t, v, r, status);
}

// The density slope from (p, t) of region r and volume v [m³/kg], with region r's equation.
double densitySlopeAt(double p, double t, int r, double v, int& status) {
    const double dp = p < 0.01611213 ? (p - kTriplePressure) / 2.0 : 0.01;
    const double p2 = densityStepPressure(p, t, dp);
    // Vapour at the triple-point pressure has no room below p: no difference quotient.
    if (p2 == p) {
        status = kDegenerateStep;
        return -1.0;
    }
    const double v2 = specificVolume(p2, t, r, status);
    return status == kOk ? (1.0 / v2 - 1.0 / v) / (p2 - p) : -1.0;
}

// A state inside the transport range with its region, volume and reduced values.
struct ReducedState {
    double p;
    double t;
    int region;
    double v;
    double tBar;
    double rhoBar;
    double etaBar;
};

double conductivityAt(const ReducedState& x, int& status) {
    const double pressureSlope = isochoricSlopeAt(x.p, x.t, x.region, x.v, status);
    if (status != kOk) {
        return -1.0;
    }
    const double densitySlope = densitySlopeAt(x.p, x.t, x.region, x.v, status);
    if (status != kOk) {
        return -1.0;
    }
    const double tBar = x.tBar;
    const double rhoBar = x.rhoBar;
    const double slopeBar = pressureSlope * kTStar / kPStar;
    const double chiBar = rhoBar * densitySlope * kPStar / kRhoStar;
    const double lambda2 =
        0.0013848 / x.etaBar * (tBar / rhoBar) * (tBar / rhoBar) * slopeBar * slopeBar *
        std::pow(chiBar, 0.4678) * std::sqrt(rhoBar) *
        std::exp(-18.66 * (tBar - 1.0) * (tBar - 1.0) -
                 (rhoBar - 1.0) * (rhoBar - 1.0) * (rhoBar - 1.0) * (rhoBar - 1.0));
    return kLambdaStar * (reducedConductivityBackground(tBar, rhoBar) + lambda2);
}

}  // namespace

double dynamicViscosityPaS(double p, double t, int& status) {
    const double v = transportVolume(p, t, status);
    if (status != kOk) {
        return -1.0;
    }
    const double rho = 1.0 / v;
    return kEtaStar * reducedViscosity((t + kZeroCelsiusK) / kTStar, rho / kRhoStar);
}

double thermalConductivity(double p, double t, int& status) {
    const double v = transportVolume(p, t, status);
    if (status != kOk) {
        return -1.0;
    }
    const double rho = 1.0 / v;
    const double tBar = (t + kZeroCelsiusK) / kTStar;
    const double rhoBar = rho / kRhoStar;
    const ReducedState state{p, t, regionAt(p, t), v, tBar, rhoBar, reducedViscosity(tBar, rhoBar)};
    return conductivityAt(state, status);
}

TransportPair viscosityAndConductivity(double p, double t) {
    TransportPair pair;
    const double v = transportVolume(p, t, pair.etaStatus);
    if (pair.etaStatus != kOk) {
        pair.lambdaStatus = pair.etaStatus;
        return pair;
    }
    const double rho = 1.0 / v;
    const double tBar = (t + kZeroCelsiusK) / kTStar;
    const double rhoBar = rho / kRhoStar;
    const ReducedState state{p, t, regionAt(p, t), v, tBar, rhoBar, reducedViscosity(tBar, rhoBar)};
    pair.etaPaS = kEtaStar * state.etaBar;
    pair.lambda = conductivityAt(state, pair.lambdaStatus);
    return pair;
}

double surfaceTensionNPerM(double t, int& status) {
    status = detail::saturationTemperatureStatus(t);
    if (status != kOk) {
        return -1.0;
    }
    const double tau = 1.0 - (t + kZeroCelsiusK) / kCriticalTemperatureK;
    return 0.2358 * std::pow(tau, 1.256) * (1.0 - 0.625 * tau);
}

double isentropicExponent(double p, double t, int& status) {
    derivativeRegion(p, t, kRegionNone, status);
    if (status != kOk) {
        return -1.0;
    }
    const double w = soundVelocity(p, t, status);
    if (status != kOk) {
        return -1.0;
    }
    const double v = specificVolume(p, t, status);
    return status == kOk ? w * w / (p * 1.0e5 * v) : -1.0;
}

double isobaricExpansion(double p, double t, int region, int& status) {
    const int r = derivativeRegion(p, t, region, status);
    if (status != kOk) {
        return -1.0;
    }
    const double tK = t + kZeroCelsiusK;
    if (r != kRegion3) {
        const auto [pStar, tStar] = detail::reducingValues(r);
        const double tau = tStar / tK;
        const BasicEquation g = basicEquation(p / pStar, tau, r);
        return finiteResult((1.0 - tau * g.piTau / g.pi) / tK, status, kOutsideRegion);
    }
    return region3Slopes(p, tK, status).beta;
}

double isothermalCompressibility(double p, double t, int region, int& status) {
    const int r = derivativeRegion(p, t, region, status);
    if (status != kOk) {
        return -1.0;
    }
    const double tK = t + kZeroCelsiusK;
    if (r != kRegion3) {
        const auto [pStar, tStar] = detail::reducingValues(r);
        const BasicEquation g = basicEquation(p / pStar, tStar / tK, r);
        return finiteResult(-g.piPi / g.pi / pStar, status, kOutsideRegion);
    }
    return region3Slopes(p, tK, status).chi;
}

double isobaricExpansion(double p, double t, int& status) {
    return isobaricExpansion(p, t, kRegionNone, status);
}
double isothermalCompressibility(double p, double t, int& status) {
    return isothermalCompressibility(p, t, kRegionNone, status);
}

double isochoricPressureSlope(double p, double t, int& status) {
    const int r = derivativeRegion(p, t, kRegionNone, status);
    if (status != kOk) {
        return -1.0;
    }
    const double v = specificVolume(p, t, status);
    return status == kOk ? isochoricSlopeAt(p, t, r, v, status) : -1.0;
}

double isothermalDensitySlope(double p, double t, int& status) {
    const int r = derivativeRegion(p, t, kRegionNone, status);
    if (status != kOk) {
        return -1.0;
    }
    const double v = specificVolume(p, t, r, status);
    return status == kOk ? densitySlopeAt(p, t, r, v, status) : -1.0;
}

double dynamicViscositySatLiquidPaS(double p, int& status) {
    return saturatedTransport(p, true, dynamicViscosityPaS, status);
}
double dynamicViscositySatVaporPaS(double p, int& status) {
    return saturatedTransport(p, false, dynamicViscosityPaS, status);
}
double thermalConductivitySatLiquid(double p, int& status) {
    return saturatedTransport(p, true, thermalConductivity, status);
}
double thermalConductivitySatVapor(double p, int& status) {
    return saturatedTransport(p, false, thermalConductivity, status);
}
double isentropicExponentSatLiquid(double p, int& status) {
    return isentropicExponentSat(p, true, status);
}
double isentropicExponentSatVapor(double p, int& status) {
    return isentropicExponentSat(p, false, status);
}
double isobaricExpansionSatLiquid(double p, int& status) {
    return saturatedDerivative(p, true, isobaricExpansion, status);
}
double isobaricExpansionSatVapor(double p, int& status) {
    return saturatedDerivative(p, false, isobaricExpansion, status);
}
double isothermalCompressibilitySatLiquid(double p, int& status) {
    return saturatedDerivative(p, true, isothermalCompressibility, status);
}
double isothermalCompressibilitySatVapor(double p, int& status) {
    return saturatedDerivative(p, false, isothermalCompressibility, status);
}

}  // namespace vaporis::water
