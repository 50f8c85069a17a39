// Gas plus condensate below the H2O dew point, balanced directly per kg of the original gas.
// The dry gas stays in the gas phase, which holds water vapour at the vapour pressure of t; the
// rest of the water is liquid at t, its enthalpy the vapour's less the evaporation enthalpy.
// Because the liquid is split off the uncondensed gas, h = h_gas(A, t) - m_c r(t), L = m_c r.
//
// The entropy is the one this enthalpy implies along the isobar, T ds = dh, continuous with the
// mixture entropy at the dew point td:
//   s(t) = s_gas(A, p, t) - L(t) / T + ∫ from t to td of L / T² dT.
// In the ideal-gas picture the integral is the partial-pressure (mixing) entropy of the gas
// phase gained since the dew point; what IF97's evaporation enthalpy adds to that is small and
// is integrated numerically (latentOverTIntegral).
#include "engine/gas/condensation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/common/physical_constants.h"
#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "engine/water/saturation.h"

namespace vaporis::gas {
namespace {

constexpr double kFailure = -1.0;
// What dewPoint gives a gas that has none.
constexpr double kNoDewPoint = -1.0;
constexpr int kMaxNewtonSteps = 50;
constexpr double kNewtonToleranceK = 1e-5;
constexpr int kMaxBisectionSteps = 200;
constexpr double kBisectionWidthK = 1e-5;
// The condensing inverse brackets its root between the lowest temperature and the dew point;
// regula falsi with the Illinois correction needs about ten steps, plain bisection about 30.
constexpr int kMaxRootSteps = 100;
constexpr double kRootWidthK = 1e-6;
// A residual worth this share of kRootWidthK along the bracket's mean slope ends it as well.
constexpr double kResidualShare = 0.01;

// Newton on the temperature of a gas without condensation.
[[nodiscard]] double temperatureByNewton(const GasAnalysis& analysis, double h, double tMin,
                                         double tMax, double hLow, double hHigh, int& status) {
    double t1 = tMin + (tMax - tMin) * (h - hLow) / (hHigh - hLow);
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double t0 = t1;
        int hStatus = kOk;
        const double residual = mixtureEnthalpy(analysis, t0, hStatus) - h;
        const double cp = mixtureCp(analysis, t0, status);
        if (hStatus != kOk || status != kOk) {
            status = kOutOfRange;
            return kFailure;
        }
        t1 = std::clamp(t0 - residual / cp, tMin, tMax);
        if (std::abs(t1 - t0) < kNewtonToleranceK) {
            status = kOk;
            return (t0 + t1) / 2.0;
        }
    }
    status = kNoConvergence;
    return kFailure;
}

// Bisection on the temperature of a gas without condensation.
[[nodiscard]] double temperatureByBisection(const GasAnalysis& analysis, double p, double s,
                                            double tMin, double tMax, int& status) {
    double low = tMin;
    double high = tMax;
    for (int step = 0; step < kMaxBisectionSteps; ++step) {
        const double tm = (low + high) / 2.0;
        if (high - low <= kBisectionWidthK) {
            status = kOk;
            return tm;
        }
        const double sm = mixtureEntropy(analysis, p, tm, status);
        if (status != kOk) {
            return kFailure;
        }
        (s <= sm ? high : low) = tm;
    }
    status = kNoConvergence;
    return kFailure;
}

// The water and the dry gas of one kg of the analysis.
struct Composition {
    double waterMass;      // kg
    double dryMass;        // kg
    double waterFraction;  // mole (volume) fraction
    double dryFraction;    // mole (volume) fraction
};

[[nodiscard]] Composition compositionOf(const GasAnalysis& analysis) {
    Composition c{analysis.massFraction(kWaterVapor), 0.0, analysis.volumeFraction(kWaterVapor),
                  0.0};
    // Summed rather than 1 - water, which would lose the dry gas of a steam-rich analysis.
    for (int i = kWaterVapor + 1; i < kComponentCount; ++i) {
        c.dryMass += analysis.massFraction(i);
        c.dryFraction += analysis.volumeFraction(i);
    }
    return c;
}

// Where the water of one kg of the original gas is at t below the dew point.
struct Split {
    double condensate = 0.0;  // kg of liquid
    double vaporInGas = 0.0;  // H2O mass fraction of the gas phase
    double latent = 0.0;      // evaporation enthalpy at t [kJ/kg]
    double ps = 0.0;          // partial pressure of the vapour [bar]
};

// The gas phase keeps as much vapour per kmol of dry gas as the vapour pressure of t allows
// (IF97 from 0 °C), never more than the analysis has.
[[nodiscard]] bool splitAt(const Composition& c, double p, double t, Split& split, int& status) {
    const double pw = p * c.waterFraction;
    split.ps = std::min(water::saturationPressure(t), pw);
    const double kept = split.ps / (p - split.ps) * (c.dryFraction / c.waterFraction);
    const double vapor = c.waterMass * kept;
    split.condensate = c.waterMass - vapor;
    split.vaporInGas = vapor / (vapor + c.dryMass);
    split.latent = water::evaporationEnthalpy(std::max(split.ps, kTriplePressure), status);
    if (status != kOk) {
        status = kOutOfRange;
        return false;
    }
    return true;
}

// ∫ from t to td of L / T² dT, L = m_c r, which the entropy needs beside -L/T. Its main part
// is in closed form: R n_c d ln ps integrates to the partial-pressure terms
//   R [n_w ln(pw / ps) + n_d ln((p - pw) / (p - ps))]
// of the water and the dry gas (n: kmol per kg, pw the partial pressure of the analysis). The
// rest, m_c (r / T² - R_w d ln ps / dT), is what the evaporation enthalpy departs from
// Clausius-Clapeyron with an ideal vapour: small and smooth, so five Gauss points take it.
constexpr double kLnPsStepK = 1e-3;
constexpr auto kGaussNodes = std::to_array<double>(
    {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831, 0.9061798459386640});
constexpr auto kGaussWeights =
    std::to_array<double>({0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                           0.4786286704993665, 0.2369268850561891});
static_assert(kGaussNodes.size() == kGaussWeights.size());

[[nodiscard]] double departureFromClausiusClapeyron(const Composition& c, double p, double t,
                                                    double td, int& status) {
    const double waterGasConstant = kUniversalGasConstant / kWaterMolarMass;
    const double half = (td - t) / 2.0;
    double sum = 0.0;
    for (std::size_t k = 0; k < kGaussNodes.size(); ++k) {
        const double tau = t + half * (1.0 + kGaussNodes[k]);
        Split split;
        if (!splitAt(c, p, tau, split, status)) {
            return kFailure;
        }
        const double tauK = tau + kZeroCelsiusK;
        const double dLnPs = std::log(water::saturationPressure(tau + kLnPsStepK) /
                                      water::saturationPressure(tau - kLnPsStepK)) /
                             (2.0 * kLnPsStepK);
        sum += kGaussWeights[k] * split.condensate *
               (split.latent / (tauK * tauK) - waterGasConstant * dLnPs);
    }
    return half * sum;
}

[[nodiscard]] double latentOverTIntegral(const Composition& c, double p, double t, double td,
                                         const Split& split, int& status) {
    const double water = c.waterMass / kWaterMolarMass;
    const double dry = water * c.dryFraction / c.waterFraction;
    const double pw = p * c.waterFraction;
    const double partialPressureTerms =
        kUniversalGasConstant *
        (water * std::log(pw / split.ps) + dry * std::log(p * c.dryFraction / (p - split.ps)));
    return partialPressureTerms + departureFromClausiusClapeyron(c, p, t, td, status);
}

// Enthalpy: the condensate gives up its evaporation enthalpy.
struct EnthalpyModel {
    static constexpr int kRangeStatus = kOutOfRange;
    [[nodiscard]] static double gas(const GasAnalysis& analysis, double /*p*/, double t,
                                    int& status) {
        return mixtureEnthalpy(analysis, t, status);
    }
    [[nodiscard]] static double condensation(const Composition& /*c*/, double /*p*/, double /*t*/,
                                             double /*td*/, const Split& split, int& /*status*/) {
        return split.condensate * split.latent;
    }
    [[nodiscard]] static double solveDry(const GasAnalysis& analysis, double /*p*/, double h,
                                         double tMin, double tMax, double hLow, double hHigh,
                                         int& status) {
        return temperatureByNewton(analysis, h, tMin, tMax, hLow, hHigh, status);
    }
};

// Entropy: s = s_gas - L/T + ∫ from t to td of L / T² dT, so that T ds = dh.
struct EntropyModel {
    static constexpr int kRangeStatus = kEntropyOutOfRange;
    [[nodiscard]] static double gas(const GasAnalysis& analysis, double p, double t, int& status) {
        return mixtureEntropy(analysis, p, t, status);
    }
    [[nodiscard]] static double condensation(const Composition& c, double p, double t, double td,
                                             const Split& split, int& status) {
        const double integral = latentOverTIntegral(c, p, t, td, split, status);
        return split.condensate * split.latent / (t + kZeroCelsiusK) - integral;
    }
    [[nodiscard]] static double solveDry(const GasAnalysis& analysis, double p, double s,
                                         double tMin, double tMax, double /*sLow*/,
                                         double /*sHigh*/, int& status) {
        return temperatureByBisection(analysis, p, s, tMin, tMax, status);
    }
};

// The value of gas plus condensate at t below the dew point.
template <class Model>
[[nodiscard]] double condensingValue(const GasAnalysis& analysis, double p, double t, double td,
                                     double& remainingWater, double& condensation, int& status) {
    const double uncondensed = Model::gas(analysis, p, t, status);
    const Composition c = compositionOf(analysis);
    Split split;
    if (status != kOk || !splitAt(c, p, t, split, status)) {
        return kFailure;
    }
    const double taken = Model::condensation(c, p, t, td, split, status);
    if (status != kOk) {
        return kFailure;
    }
    remainingWater = split.vaporInGas;
    condensation = taken;
    status = kCondensation;
    return uncondensed - taken;
}

template <class Model>
[[nodiscard]] double withCondensation(const GasAnalysis& analysis, double p, double t,
                                      double& remainingWater, double& condensation, int& status) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    const double td = dewPoint(analysis, p);
    // -1.0 is no dew point, not one at -1 °C: a real one lies at or above 0 °C.
    if (p > kCriticalPressure || !(td > t) || !(td > kNoDewPoint) ||
        t < analysis.minTemperature()) {
        return Model::gas(analysis, p, t, status);
    }
    // Steam alone below its boiling point is liquid water: no gas is left to describe.
    if (analysis.massFraction(kWaterVapor) == 1.0) {
        status = kOutOfRange;
        return kFailure;
    }
    return condensingValue<Model>(analysis, p, t, td, remainingWater, condensation, status);
}

// One end of the bracket: a temperature and the residual of the value there.
struct Point {
    double t;
    double residual;
};

// The temperature in [low.t, high.t] where the increasing condensing value meets the target:
// regula falsi with the Illinois correction (an end kept twice has its residual halved), a
// bisection step where the interpolation leaves the bracket. It ends at an evaluated point,
// whose outputs it keeps, once the bracket is narrower than kRootWidthK or the residual there
// is worth far less than that (kResidualShare).
template <class Model>
[[nodiscard]] double condensingRoot(const GasAnalysis& analysis, double p, double target, Point low,
                                    Point high, double& remainingWater, double& condensation,
                                    int& status) {
    const double td = high.t;
    int kept = 0;  // -1: the low end was kept last, +1: the high end
    double water = 0.0;
    double heat = 0.0;
    for (int step = 0; step < kMaxRootSteps; ++step) {
        const double slope = (high.residual - low.residual) / (high.t - low.t);
        double t = (low.t * high.residual - high.t * low.residual) / (high.residual - low.residual);
        if (!(t > low.t && t < high.t)) {
            t = (low.t + high.t) / 2.0;
        }
        const Point next{t,
                         condensingValue<Model>(analysis, p, t, td, water, heat, status) - target};
        if (!isValidStatus(status)) {
            return kFailure;
        }
        if (next.residual < 0.0) {
            low = next;
            high.residual /= kept == 1 ? 2.0 : 1.0;
            kept = 1;
        } else {
            high = next;
            low.residual /= kept == -1 ? 2.0 : 1.0;
            kept = -1;
        }
        if (high.t - low.t <= kRootWidthK ||
            std::abs(next.residual) <= kResidualShare * slope * kRootWidthK) {
            remainingWater = water;
            condensation = heat;
            return t;
        }
    }
    status = kNoConvergence;
    return kFailure;
}

// Below the dew point td (value atDew there): a target below the value at the lowest
// temperature is out of range, any other lies in the bracket [tMin, td].
template <class Model>
[[nodiscard]] double condensingTemperature(const GasAnalysis& analysis, double p, double target,
                                           double tMin, Point dew, double& remainingWater,
                                           double& condensation, int& status) {
    double water = 0.0;
    double heat = 0.0;
    const double low = withCondensation<Model>(analysis, p, tMin, water, heat, status);
    if (!isValidStatus(status) || target < low) {
        status = isValidStatus(status) ? Model::kRangeStatus : status;
        return kFailure;
    }
    if (target == low) {
        remainingWater = water;
        condensation = heat;
        return tMin;
    }
    dew.residual -= target;
    return condensingRoot<Model>(analysis, p, target, {tMin, low - target}, dew, remainingWater,
                                 condensation, status);
}

// The temperature at which gas (and condensate, below the dew point) has the target value.
// Above the dew point the condensing value at the lowest temperature is not needed, which
// keeps the common case free of the water engine.
template <class Model>
[[nodiscard]] double temperatureFrom(const GasAnalysis& analysis, double p, double target,
                                     double& remainingWater, double& condensation, int& status) {
    if (!std::isfinite(p) || !std::isfinite(target)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    const double tMin = analysis.minTemperature();
    const double tMax = analysis.maxTemperature();
    const bool condensable = p < kCriticalPressure && analysis.massFraction(kWaterVapor) > 0.0;
    const double td = condensable ? dewPoint(analysis, p) : tMin;
    const double high = Model::gas(analysis, p, tMax, status);
    if (status != kOk) {
        return kFailure;
    }
    if (td > tMin) {
        const double atDew = Model::gas(analysis, p, td, status);
        if (status != kOk) {
            return kFailure;
        }
        if (target < atDew) {
            return condensingTemperature<Model>(analysis, p, target, tMin, {td, atDew},
                                                remainingWater, condensation, status);
        }
    }
    const double low = Model::gas(analysis, p, tMin, status);
    if (status != kOk) {
        return kFailure;
    }
    if (!(high > low) || target < low || target > high) {
        status = Model::kRangeStatus;
        return kFailure;
    }
    return Model::solveDry(analysis, p, target, tMin, tMax, low, high, status);
}

}  // namespace

double enthalpyWithCondensation(const GasAnalysis& analysis, double p, double t,
                                double& remainingWater, double& condensationEnthalpy, int& status) {
    return withCondensation<EnthalpyModel>(analysis, p, t, remainingWater, condensationEnthalpy,
                                           status);
}

double entropyWithCondensation(const GasAnalysis& analysis, double p, double t,
                               double& remainingWater, double& condensationEntropy, int& status) {
    return withCondensation<EntropyModel>(analysis, p, t, remainingWater, condensationEntropy,
                                          status);
}

double temperatureFromEnthalpy(const GasAnalysis& analysis, double p, double h,
                               double& remainingWater, double& condensationEnthalpy, int& status) {
    return temperatureFrom<EnthalpyModel>(analysis, p, h, remainingWater, condensationEnthalpy,
                                          status);
}

double temperatureFromEntropy(const GasAnalysis& analysis, double p, double s,
                              double& remainingWater, double& condensationEntropy, int& status) {
    return temperatureFrom<EntropyModel>(analysis, p, s, remainingWater, condensationEntropy,
                                         status);
}

}  // namespace vaporis::gas
