#include "engine/gas/dry_air_transport.h"

#include <array>
#include <cmath>

#include "engine/gas/status_codes.h"

namespace vaporis::gas {
namespace {

constexpr double kFailure = -1.0;

// Mass fractions of the air mixture behind "Dry air", normalised as an analysis would.
constexpr auto kDryAirMassFractions = [] {
    std::array<double, kComponentCount> w{};
    w[kNitrogen] = 0.7551;
    w[kOxygen] = 0.23151;
    w[kNeon] = 0.00001;
    w[kArgon] = 0.01289;
    w[kCarbonDioxide] = 0.00049;
    double sum = 0.0;
    for (const double x : w) {
        sum += x;
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}();

// The air holds neither water nor hydrogen, so of the mixture rule for the conductivity only
// the mass average is left.
[[nodiscard]] double dryAirConductivity(double t, int& status) {
    double sum = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        if (kDryAirMassFractions[i] > 0.0) {
            const double lambda = componentConductivity(t, i, status);
            if (status != kOk) {
                return kFailure;
            }
            sum += kDryAirMassFractions[i] * lambda;
        }
    }
    status = kOk;
    return sum;
}

}  // namespace

std::span<const double, kComponentCount> dryAirMassFractions() {
    return kDryAirMassFractions;
}

double transportViscosityPaS(double t, int index, int& status) {
    return index == kDryAir ? herningZipperer(kDryAirMassFractions, t, status)
                            : componentViscosityPaS(t, index, status);
}

double transportConductivity(double t, int index, int& status) {
    return index == kDryAir ? dryAirConductivity(t, status)
                            : componentConductivity(t, index, status);
}

// The mole-fraction weights y_i sqrt(M_i) written with mass fractions: w_i / sqrt(M_i).
double herningZipperer(std::span<const double, kComponentCount> massFractions, double t,
                       int& status) {
    if (!std::isfinite(t)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    const auto components = componentTable();
    double numerator = 0.0;
    double denominator = 0.0;
    for (int i = 0; i < kComponentCount; ++i) {
        const double w = massFractions[i];
        if (w > 0.0) {
            const double eta = transportViscosityPaS(t, i, status);
            if (status != kOk) {
                return kFailure;
            }
            const double weight = w / std::sqrt(components[i].molarMass);
            numerator += weight * eta;
            denominator += weight;
        }
    }
    status = kOk;
    // An empty analysis has no viscosity to average: like the other sums it gives 0.
    return denominator > 0.0 ? numerator / denominator : 0.0;
}

}  // namespace vaporis::gas
