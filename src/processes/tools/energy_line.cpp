#include "processes/tools/energy_line.h"

#include <algorithm>
#include <cmath>

#include "engine/common/physical_constants.h"
#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/saturation_line.h"
#include "engine/water/status_codes.h"

namespace vaporis::processes {
namespace {

using water::kTwoPhase;

constexpr double kSlopeHalfStep = 0.05;     // [bar] from 5 bar up
constexpr double kRelativeHalfStep = 0.01;  // of p below 5 bar, where 0.05 bar would be coarse
// [J/kg]; the slope's volume difference over 0.1 bar must not carry the search's rest, or a
// short tube's length integral turns negative near its choking point
constexpr double kEnergyTolerance = 0.001;
constexpr int kMaxEnergySteps = 50;
constexpr int kMaxEnergyBracketSteps = 1000;  // each step is a fifth of the kinetic energy
constexpr double kChokingTolerance = 0.0001;  // [bar]
constexpr int kMaxChokingBisections = 50;
constexpr int kMaxChokingDescent = 1000;  // steps of at least 2 bar
constexpr double kMinChokingStep = 2.0;   // [bar]
constexpr double kNoChokingPoint = 1.0;
constexpr double kLastStepRatio = 0.2;      // last pressure step over the first
constexpr double kTubeRoughness = 0.00006;  // [m]

// Saturated liquid and vapour at one pressure, enthalpies in J/kg.
struct Saturated {
    double vLiquid = -1.0;
    double vVapor = -1.0;
    double hLiquid = -1.0;
    double hVapor = -1.0;

    [[nodiscard]] double volume(double x) const { return vLiquid * (1.0 - x) + vVapor * x; }
};

Saturated saturatedAt(double p) {
    int status = water::kOk;
    Saturated sat;
    sat.vLiquid = water::specificVolumeSatLiquid(p, status);
    sat.vVapor = water::specificVolumeSatVapor(p, status);
    sat.hLiquid = water::enthalpySatLiquid(p, status) * 1000.0;
    sat.hVapor = water::enthalpySatVapor(p, status) * 1000.0;
    return sat;
}

double qualityOf(const Saturated& sat, double h0J, double g) {
    const double dv = sat.vVapor - sat.vLiquid;
    const double a = 0.5 * dv * dv * g * g;
    const double b = (sat.hVapor - sat.hLiquid + g * g * sat.vLiquid * dv) / a;
    const double c = (sat.hLiquid - h0J + 0.5 * g * g * sat.vLiquid * sat.vLiquid) / a;
    const double discriminant = 0.25 * b * b - c;
    if (!(discriminant >= 0.0)) {
        return -1.0;
    }
    return -0.5 * b + std::sqrt(discriminant);
}

// The volume [m³/kg] of a temperature or (with kTwoPhase) quality r at p.
double volumeOfState(double p, double r, int status) {
    if (status == kTwoPhase) {
        return water::specificVolumeFromPX(p, r);
    }
    int volumeStatus = water::kOk;
    return water::specificVolume(p, r, volumeStatus);
}

// A point of the energy-line search: enthalpy h [J/kg], its state r and status, residual f.
struct EnergyPoint {
    double h = 0.0;
    double r = -1.0;
    int status = water::kOk;
    double f = 0.0;
};

EnergyPoint energyPoint(double p, double h0J, double g, double h) {
    EnergyPoint point{h};
    point.r = water::temperatureFromPH(p, h / 1000.0, point.status);
    const double v = volumeOfState(p, point.r, point.status);
    point.f = h0J - h - 0.5 * v * v * g * g;
    return point;
}

// Volume at p for an enthalpy h0J split by the saturated enthalpies (the tube integration's
// choice of branch).
double volumeInTubeStep(double p, double h0J, double g) {
    if (p >= kCriticalPressure) {
        return volumeOnEnergyLine(p, h0J, g);
    }
    const Saturated sat = saturatedAt(p);
    if (sat.hLiquid < h0J && h0J < sat.hVapor) {
        return sat.volume(qualityOf(sat, h0J, g));
    }
    int status = water::kOk;
    const double r = stateFromEnergy(p, h0J, g, status);
    return volumeOfState(p, r, status);
}

}  // namespace

double qualityFromEnergy(double p, double h0J, double g) {
    return qualityOf(saturatedAt(p), h0J, g);
}

double stateFromEnergy(double p, double h0J, double g, int& status) {
    if (!std::isfinite(p) || !std::isfinite(h0J) || !std::isfinite(g)) {
        status = water::kNonFiniteInput;
        return -1.0;
    }
    EnergyPoint a = energyPoint(p, h0J, g, h0J);
    // At h0J the residual is the whole kinetic energy -(v g)²/2: step by a fifth of it.
    const double step = -0.2 * a.f;
    EnergyPoint b = energyPoint(p, h0J, g, a.h - step);
    for (int k = 0; b.f < 0.0; ++k) {
        if (k == kMaxEnergyBracketSteps) {
            status = water::kNoConvergence;
            return -1.0;
        }
        a = b;
        b = energyPoint(p, h0J, g, a.h - step);
    }
    // Regula falsi on the bracket with the Illinois rule: an end kept twice in a row has its
    // residual halved, so that both ends close in.
    EnergyPoint m = b;
    double fa = a.f;
    double fb = b.f;
    int replaced = 0;  // +1: a was replaced last, -1: b
    for (int k = 0; k < kMaxEnergySteps && std::abs(m.f) > kEnergyTolerance; ++k) {
        m = energyPoint(p, h0J, g, (a.h * fb - b.h * fa) / (fb - fa));
        if (m.f <= 0.0) {
            a = m;
            fa = m.f;
            fb *= replaced == 1 ? 0.5 : 1.0;
            replaced = 1;
        } else {
            b = m;
            fb = m.f;
            fa *= replaced == -1 ? 0.5 : 1.0;
            replaced = -1;
        }
    }
    status = m.status;
    return m.r;
}

double volumeOnEnergyLine(double p, double h0J, double g) {
    int status = water::kOk;
    if (p >= kCriticalPressure) {
        const double t = stateFromEnergy(p, h0J, g, status);
        return volumeOfState(p, t, status);
    }
    const Saturated sat = saturatedAt(p);
    const double x = qualityOf(sat, h0J, g);
    if (x >= 0.0 && x <= 1.0) {
        return sat.volume(x);
    }
    const double r = stateFromEnergy(p, h0J, g, status);
    return volumeOfState(p, r, status);
}

double criticalSlope(double p, double g, double h0J) {
    const double halfStep = std::min(kSlopeHalfStep, kRelativeHalfStep * p);
    const double vPlus = volumeOnEnergyLine(p + halfStep, h0J, g);
    const double vMinus = volumeOnEnergyLine(p - halfStep, h0J, g);
    return 2.0 * halfStep * 1e5 / (vPlus - vMinus);
}

double chokingPressure(double pStart, double h0J, double g, double pMin) {
    pMin = std::max(pMin, kTriplePressure);
    const auto excess = [&](double p) { return g * g + criticalSlope(p, g, h0J); };
    double p = pStart;
    double f = excess(p);
    double pHi = p;
    double fHi = f;
    for (int k = 0; k < kMaxChokingDescent; ++k) {
        pHi = p;
        fHi = f;
        p = std::max(p - std::max((p - pMin) / 2.0, kMinChokingStep), pMin);
        f = excess(p);
        if (!(fHi * f > 0.0 && p > pMin)) {
            break;
        }
    }
    if (!(fHi * f <= 0.0)) {
        return kNoChokingPoint;
    }
    int k = 0;
    do {
        ++k;
        const double pM = 0.5 * (pHi + p);
        const double fM = excess(pM);
        if (fM * fHi <= 0.0) {
            p = pM;
            f = fM;
        } else {
            pHi = pM;
            fHi = fM;
        }
    } while (std::abs(pHi - p) > kChokingTolerance && k <= kMaxChokingBisections);
    return k > kMaxChokingBisections ? kNoChokingPoint : 0.5 * (pHi + p);
}

double roughTubeFriction(double d) {
    const double root = 2.0 * std::log10(d / kTubeRoughness) + 1.74;
    return 1.0 / (root * root);
}

double geometricSum(double q, int n) {
    double sum = 1.0;
    double term = q;
    for (int i = 2; i <= n; ++i) {
        sum += term;
        term *= q;
    }
    return sum;
}

double tubeLengthForExpansion(double d, double g, double p1, double p2, double h0J, int n) {
    const double q = std::pow(kLastStepRatio, 1.0 / n);
    double dp = (p1 - p2) / geometricSum(q, n);
    double sum = 0.0;
    double p = p1;
    for (int i = 1; i <= n; ++i) {
        const double pPrev = p;
        p -= dp;
        if (p < p2 || i == n) {
            p = p2;
        }
        const double pm = 0.5 * (p + pPrev);
        const double v = volumeInTubeStep(pm, h0J, g);
        const double slope = criticalSlope(pm, g, h0J);
        const double dl = (1.0 / (g * g) + 1.0 / slope) / v * (pPrev - p);
        if (dl < 0.0) {
            return 0.0;
        }
        sum += dl;
        dp *= q;
    }
    return sum * 200000.0 * d / roughTubeFriction(d);
}

}  // namespace vaporis::processes
