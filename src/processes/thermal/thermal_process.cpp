#include "processes/thermal/thermal_process.h"

#include <cmath>

namespace vaporis::processes {
namespace {

constexpr double kNegligible = 1e-4;

}  // namespace

bool inputRefused(InputKind kind, double value, double p1, double p2) {
    if (!std::isfinite(value)) {
        return true;
    }
    switch (kind) {
        case InputKind::kFlow:
            return !(value > 0.0);
        case InputKind::kHeatLoss:
            return false;
        case InputKind::kEfficiency:
            return value < 0.0 || value > 1.0 || (value == 0.0 && !(p1 > p2));
    }
    return true;
}

bool heatLossApplies(bool heatLossGiven, bool fluxGiven, const MessageSink& messages) {
    if (heatLossGiven && !fluxGiven) {
        messages(kMessageHeatLossWithoutFlow);
    }
    return heatLossGiven && fluxGiven;
}

double realEndEnthalpy(double h1, double h2s, double eta, double p1, double p2) {
    return p1 > p2 ? h1 + (h2s - h1) * eta : h1 + (h2s - h1) / eta;
}

double processPower(double dh, double m, double etaM, double etaG, double p1, double p2) {
    return p1 > p2 ? dh * m * etaM * etaG : dh * m / (etaM * etaG);
}

double zeroIfNegligible(double value) {
    return std::abs(value) < kNegligible ? 0.0 : value;
}

}  // namespace vaporis::processes
