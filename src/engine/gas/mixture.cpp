#include "engine/gas/mixture.h"

#include <array>
#include <cmath>
#include <span>

#include "engine/common/physical_constants.h"
#include "engine/gas/dry_air_transport.h"
#include "engine/gas/status_codes.h"
#include "engine/water/saturation.h"

namespace vaporis::gas {
namespace {

constexpr double kFailure = -1.0;
// Helium's collision integral is defined up to T* = 200, i.e. 200 x 10.22 K.
constexpr double kHeliumTransportLimitK = 200.0 * 10.22;

[[nodiscard]] bool inAnalysisRange(const GasAnalysis& analysis, double t) {
    return t >= analysis.minTemperature() && t <= analysis.maxTemperature();
}

// Range test shared by the functions that have one; NaN fails it as non-finite.
[[nodiscard]] bool checkRange(const GasAnalysis& analysis, double t, int& status) {
    if (!std::isfinite(t)) {
        status = kNonFiniteInput;
        return false;
    }
    status = inAnalysisRange(analysis, t) ? kOk : kOutOfRange;
    return status == kOk;
}

// Sum of fraction x component value over the components present; the first failing
// component ends the sum with its status.
template <class ComponentFunction>
[[nodiscard]] double weightedSum(std::span<const double, kComponentCount> fractions,
                                 ComponentFunction value, int& status) {
    double sum = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        if (fractions[i] > 0.0) {
            const double v = value(i, status);
            if (status != kOk) {
                return kFailure;
            }
            sum += fractions[i] * v;
        }
    }
    status = kOk;
    return sum;
}

// Sum of volume fraction x a per-volume constant of the component table.
[[nodiscard]] double volumeWeighted(const GasAnalysis& analysis,
                                    double ComponentConstants::*constant) {
    const auto components = componentTable();
    double sum = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        sum += analysis.volumeFraction(i) * components[i].*constant;
    }
    return sum;
}

// Component conductivities, 1.0 for absent components (they carry no weight).
[[nodiscard]] bool componentConductivities(const GasAnalysis& analysis, double t,
                                           std::array<double, kComponentCount>& lambda,
                                           int& status) {
    for (int i = 0; i < kComponentCount; ++i) {
        lambda[i] = 1.0;
        if (analysis.massFraction(i) > 0.0) {
            lambda[i] = transportConductivity(t, i, status);
            if (status != kOk) {
                return false;
            }
        }
    }
    status = kOk;
    return true;
}

// Hydrogen conducts heat far better than the other gases; its share is blended in with the
// rule of the FDBR handbook instead of the plain mass average.
[[nodiscard]] double hydrogenMixtureConductivity(const GasAnalysis& analysis,
                                                 const std::array<double, kComponentCount>& lambda,
                                                 double lambdaAverage) {
    const auto components = componentTable();
    const double wH2 = analysis.massFraction(kHydrogen);
    double sumA = 0.0;
    double sumB = 0.0;
    double sumC = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        if (i == kHydrogen) {
            continue;
        }
        const double molesPerKg = analysis.massFraction(i) / (1.0 - wH2) / components[i].molarMass;
        sumA += molesPerKg;
        sumB += molesPerKg * lambda[i];
        sumC += molesPerKg / lambda[i];
    }
    const double a = kUniversalGasConstantJ * sumA;
    const double b = kUniversalGasConstantJ * sumB;
    const double c = kUniversalGasConstantJ * sumC;
    const double lambdaRest = (b / a + a / c) / 2.0;
    const double r = analysis.gasConstantJ();
    const double yH2 = wH2 * analysis.molarMass() / kHydrogenMolarMass;
    const double d = 0.36 + 0.4 * yH2;
    const double g = wH2 * kUniversalGasConstantJ / (kHydrogenMolarMass * lambda[kHydrogen]);
    const double p1 = (1.0 - d) * r / (g + (1.0 - wH2) * a / lambdaRest);
    const double p = p1 + d * (yH2 * lambda[kHydrogen] + (1.0 - wH2) * lambdaRest * a / r);
    const double x = std::exp(-11.5 * yH2);
    return x * lambdaAverage + (1.0 - x) * p;
}

}  // namespace

double mixtureCp(const GasAnalysis& analysis, double t, int& status) {
    if (!checkRange(analysis, t, status)) {
        return kFailure;
    }
    return weightedSum(
        analysis.massFractions(), [t](int i, int& s) { return componentCp(t, i, s); }, status);
}

double mixtureEnthalpy(const GasAnalysis& analysis, double t, int& status) {
    if (!checkRange(analysis, t, status)) {
        return kFailure;
    }
    return weightedSum(
        analysis.massFractions(), [t](int i, int& s) { return componentEnthalpy(t, i, s); },
        status);
}

double mixtureTotalEnthalpy(const GasAnalysis& analysis, double t, int& status) {
    if (!checkRange(analysis, t, status)) {
        return kFailure;
    }
    return weightedSum(
        analysis.massFractions(), [t](int i, int& s) { return componentTotalEnthalpy(t, i, s); },
        status);
}

double mixtureEntropy(const GasAnalysis& analysis, double p, double t, int& status) {
    if (!std::isfinite(p)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    if (!checkRange(analysis, t, status)) {
        return kFailure;
    }
    return weightedSum(
        analysis.massFractions(), [p, t](int i, int& s) { return componentEntropy(p, t, i, s); },
        status);
}

double mixtureVolume(const GasAnalysis& analysis, double p, double t, int& status) {
    return weightedSum(
        analysis.massFractions(), [p, t](int i, int& s) { return componentVolume(p, t, i, s); },
        status);
}

double mixtureFormationEnthalpy(const GasAnalysis& analysis, int& status) {
    return weightedSum(
        analysis.massFractions(), [](int i, int& s) { return componentFormationEnthalpy(i, s); },
        status);
}

double mixtureKappa(const GasAnalysis& analysis, double t, int& status) {
    const double cp = mixtureCp(analysis, t, status);
    if (status != kOk) {
        return kFailure;
    }
    return cp / (cp - analysis.gasConstantJ() / 1000.0);
}

double mixtureSonicVelocity(const GasAnalysis& analysis, double t, int& status) {
    const double kappa = mixtureKappa(analysis, t, status);
    if (status != kOk) {
        return kFailure;
    }
    return std::sqrt(analysis.gasConstantJ() * kappa * (t + kZeroCelsiusK));
}

double mixtureViscosityPaS(const GasAnalysis& analysis, double t, int& status) {
    return herningZipperer(analysis.massFractions(), t, status);
}

double mixtureConductivity(const GasAnalysis& analysis, double t, int& status) {
    if (!std::isfinite(t)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    std::array<double, kComponentCount> lambda{};
    if (!componentConductivities(analysis, t, lambda, status)) {
        return kFailure;
    }
    double weighted = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        if (analysis.massFraction(i) > 0.0) {
            weighted += analysis.massFraction(i) * lambda[i];
        }
    }
    // Humid gases conduct slightly better than the mass average of their components.
    const double yWater =
        analysis.massFraction(kWaterVapor) * analysis.molarMass() / kWaterMolarMass;
    const double lambdaAverage = (1.0 + yWater * (1.0 - yWater) / 3.5) * weighted;
    const double wH2 = analysis.massFraction(kHydrogen);
    if (!(wH2 > 0.0)) {
        return lambdaAverage;
    }
    if (wH2 == 1.0) {
        return lambda[kHydrogen];
    }
    return hydrogenMixtureConductivity(analysis, lambda, lambdaAverage);
}

double oxygenDemand(const GasAnalysis& analysis) {
    return volumeWeighted(analysis, &ComponentConstants::oxygenDemand);
}

double upperHeatingValue(const GasAnalysis& analysis) {
    return volumeWeighted(analysis, &ComponentConstants::upperHeatingValue);
}

double lowerHeatingValue(const GasAnalysis& analysis) {
    return volumeWeighted(analysis, &ComponentConstants::lowerHeatingValue);
}

double waterPartialPressure(const GasAnalysis& analysis, double p) {
    return analysis.volumeFraction(kWaterVapor) * p;
}

double dewPoint(const GasAnalysis& analysis, double p) {
    const double pw = waterPartialPressure(analysis, p);
    // Also false for NaN: no dew point rather than a NaN temperature.
    if (!(pw >= kTriplePressure)) {
        return kFailure;
    }
    int status = kOk;
    const double td = water::boilingTemperature(pw, status);
    return status == kOk ? td : kFailure;
}

int checkGasState(const GasAnalysis& analysis, double p, double t) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        return kNonFiniteInput;
    }
    // At p = 0 volume and compressibility are infinite: no state to compute.
    if (p <= 0.0) {
        return kNegativePressure;
    }
    if (!inAnalysisRange(analysis, t)) {
        return kOutsideAnalysisRange;
    }
    if (analysis.massFraction(kHelium) > 0.0 && t + kZeroCelsiusK > kHeliumTransportLimitK) {
        return kHeliumAbove2044K;
    }
    return kOk;
}

}  // namespace vaporis::gas
