// Water-bearing gases below their H2O dew point: the water condenses as the gas cools, so
// the enthalpy (entropy) of gas plus condensate is followed step by step along the dew
// line, with the latent heat of the condensing water, the sensible heat of the condensate
// and that of the remaining gas.
#include <algorithm>
#include <cmath>

#include "engine/gas/mixture.h"
#include "engine/gas/status_codes.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"

namespace vaporis::gas {
namespace {

constexpr double kFailure = -1.0;
using water::kCriticalPressure;
using water::kTriplePressure;
// Each step removes this H2O volume fraction; the step halves when it overshoots.
constexpr double kWaterStep = 0.001;
constexpr double kSmallestWaterStep = 1e-6;
// Temperature step of the inverse march along the dew line [K].
constexpr double kTemperatureStep = 0.5;
// Distance from the target at which the inverse march stops [kJ/kg or kJ/(kg K)].
constexpr double kMarchTolerance = 0.001;
constexpr int kMaxNewtonSteps = 50;
constexpr double kNewtonToleranceK = 1e-5;
constexpr int kMaxBisectionSteps = 200;
constexpr double kBisectionWidthK = 1e-5;
// A full condensation from pure steam takes about a thousand water steps plus the halvings;
// the bound only guards against a loop that cannot end.
constexpr int kMaxCondensationSteps = 100000;

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

// Enthalpy form of the condensation balance.
struct EnthalpyModel {
    static constexpr int kRangeStatus = kOutOfRange;
    [[nodiscard]] static double gas(const GasAnalysis& analysis, double /*p*/, double t,
                                    int& status) {
        return mixtureEnthalpy(analysis, t, status);
    }
    [[nodiscard]] static double latent(double pw, int& status) {
        return water::evaporationEnthalpy(pw, status);
    }
    [[nodiscard]] static double liquid(double p, double t, int& status) {
        return water::enthalpy(p, t, status);
    }
    [[nodiscard]] static double solveDry(const GasAnalysis& analysis, double /*p*/, double h,
                                         double tMin, double tMax, double hLow, double hHigh,
                                         int& status) {
        return temperatureByNewton(analysis, h, tMin, tMax, hLow, hHigh, status);
    }
};

// Entropy form: latent entropy s'' - s' at the partial pressure, liquid entropy at p.
struct EntropyModel {
    static constexpr int kRangeStatus = kEntropyOutOfRange;
    [[nodiscard]] static double gas(const GasAnalysis& analysis, double p, double t, int& status) {
        return mixtureEntropy(analysis, p, t, status);
    }
    [[nodiscard]] static double latent(double pw, int& status) {
        int liquidStatus = kOk;
        const double sLiquid = water::entropySatLiquid(pw, liquidStatus);
        const double sVapor = water::entropySatVapor(pw, status);
        if (status == kOk) {
            status = liquidStatus;
        }
        return sVapor - sLiquid;
    }
    [[nodiscard]] static double liquid(double p, double t, int& status) {
        return water::entropy(p, t, status);
    }
    [[nodiscard]] static double solveDry(const GasAnalysis& analysis, double p, double s,
                                         double tMin, double tMax, double /*sLow*/,
                                         double /*sHigh*/, int& status) {
        return temperatureByBisection(analysis, p, s, tMin, tMax, status);
    }
};

// A point on the dew line: temperature, H2O mass fraction left in the gas, gas property.
struct DewPoint {
    double t;
    double w;
    double gas;
};

// What a step hands over: latent part, condensate part, gas part.
struct Release {
    double latent = 0.0;
    double liquid = 0.0;
    double gas = 0.0;
    [[nodiscard]] double total() const { return latent + liquid + gas; }
    Release& operator+=(const Release& other) {
        latent += other.latent;
        liquid += other.liquid;
        gas += other.gas;
        return *this;
    }
};

// The release from one dew-line point to the next: the water condensed on the way at
// partial pressure pw, all condensate so far cooled from one temperature to the next, and
// the remaining gas cooled likewise. Water functions are skipped where their weight is 0.
template <class Model>
[[nodiscard]] bool releaseBetween(double p, double pw, double wStart, const DewPoint& from,
                                  const DewPoint& to, Release& release, int& status) {
    status = kOk;
    const double condensed = from.w - to.w;
    if (condensed != 0.0) {
        release.latent = Model::latent(std::max(pw, kTriplePressure), status) * condensed;
    }
    const double condensate = wStart - to.w;
    if (status == kOk && condensate != 0.0) {
        int toStatus = kOk;
        release.liquid =
            (Model::liquid(p, from.t, status) - Model::liquid(p, to.t, toStatus)) * condensate;
        status = status == kOk ? toStatus : status;
    }
    release.gas = (from.gas - to.gas) * (1.0 - to.w);
    if (status != kOk) {
        status = kOutOfRange;
        return false;
    }
    return true;
}

// Takes water out of the gas in steps of its volume fraction, following the dew line down
// from the dew point to t; a step that would take the dew point below t is halved.
template <class Model>
[[nodiscard]] double condenseDownTo(const GasAnalysis& analysis, double p, double t,
                                    const DewPoint& dew, double& remainingWater,
                                    double& condensation, int& status) {
    GasAnalysis gas = analysis;
    DewPoint from = dew;
    double y = analysis.volumeFraction(kWaterVapor);
    double step = kWaterStep;
    Release released;
    for (int i = 0; i < kMaxCondensationSteps; ++i) {
        if (!(step > kSmallestWaterStep)) {
            remainingWater = gas.massFraction(kWaterVapor);
            condensation = released.latent + released.liquid;
            status = kCondensation;
            return dew.gas - released.total();
        }
        step = std::min(step, y);
        GasAnalysis trial = gas;
        trial.setComponentVolumeFraction(kWaterVapor, y - step);
        const double tdNew = dewPoint(trial, p);
        if (tdNew < t) {
            step /= 2.0;
            continue;
        }
        const double pw = (y - step / 2.0) * p;
        y -= step;
        const DewPoint to{tdNew, trial.massFraction(kWaterVapor),
                          Model::gas(trial, p, tdNew, status)};
        Release release;
        if (status != kOk || !releaseBetween<Model>(p, pw, dew.w, from, to, release, status)) {
            return kFailure;
        }
        released += release;
        from = to;
        gas = trial;
    }
    status = kNoConvergence;
    return kFailure;
}

template <class Model>
[[nodiscard]] double withCondensation(const GasAnalysis& analysis, double p, double t,
                                      double& remainingWater, double& condensation, int& status) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    const double td = dewPoint(analysis, p);
    if (p > kCriticalPressure || !(td > t) || t < analysis.minTemperature()) {
        return Model::gas(analysis, p, t, status);
    }
    // Steam alone below its boiling point is liquid water: no gas is left to describe.
    if (analysis.massFraction(kWaterVapor) == 1.0) {
        status = kOutOfRange;
        return kFailure;
    }
    const DewPoint dew{td, analysis.massFraction(kWaterVapor), Model::gas(analysis, p, td, status)};
    if (status != kOk) {
        return kFailure;
    }
    return condenseDownTo<Model>(analysis, p, t, dew, remainingWater, condensation, status);
}

// Follows the dew line down from td in temperature steps until gas plus condensate have the
// target property; a step that would pass the target is halved.
template <class Model>
[[nodiscard]] double marchAlongDewLine(const GasAnalysis& analysis, double p, double target,
                                       double tMin, const DewPoint& dew, double& remainingWater,
                                       double& condensation, int& status) {
    GasAnalysis gas = analysis;
    DewPoint from = dew;
    double total = dew.gas;
    double dT = kTemperatureStep;
    Release released;
    bool lowestReached = false;
    for (int i = 0; i < kMaxCondensationSteps; ++i) {
        dT = std::min(dT, from.t - tMin);
        const double tNew = from.t - dT;
        const double ps = water::saturationPressure(tNew);
        GasAnalysis trial = gas;
        trial.setComponentVolumeFraction(kWaterVapor, ps / p);
        const DewPoint to{tNew, trial.massFraction(kWaterVapor),
                          Model::gas(trial, p, tNew, status)};
        Release release;
        if (status != kOk || !releaseBetween<Model>(p, ps, dew.w, from, to, release, status)) {
            return kFailure;
        }
        if (total - release.total() <= target) {
            dT /= 2.0;
        } else {
            lowestReached = dT == 0.0;
            total -= release.total();
            released += release;
            from = to;
            gas = trial;
        }
        if (lowestReached) {
            status = kOutOfRange;
            return kFailure;
        }
        if (std::abs(target - total) <= kMarchTolerance) {
            remainingWater = from.w;
            condensation = released.latent + released.liquid;
            status = kCondensation;
            return from.t;
        }
    }
    status = kNoConvergence;
    return kFailure;
}

// Below the dew point: the target must not lie below the value of gas and condensate at the
// lowest temperature; then the march along the dew line finds it.
template <class Model>
[[nodiscard]] double condensingTemperature(const GasAnalysis& analysis, double p, double target,
                                           double tMin, const DewPoint& dew, double& remainingWater,
                                           double& condensation, int& status) {
    double unusedWater = 0.0;
    double unusedCondensation = 0.0;
    const double low =
        withCondensation<Model>(analysis, p, tMin, unusedWater, unusedCondensation, status);
    if (!isValidStatus(status) || target < low) {
        status = isValidStatus(status) ? Model::kRangeStatus : status;
        return kFailure;
    }
    return marchAlongDewLine<Model>(analysis, p, target, tMin, dew, remainingWater, condensation,
                                    status);
}

// The temperature at which gas (and condensate, below the dew point) has the target value.
// Above the dew point the condensing value at the lowest temperature is not needed, which
// keeps the common case free of the condensation loop.
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
            return condensingTemperature<Model>(analysis, p, target, tMin,
                                                {td, analysis.massFraction(kWaterVapor), atDew},
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
