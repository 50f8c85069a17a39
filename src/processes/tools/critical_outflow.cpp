#include "processes/tools/critical_outflow.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/common/physical_constants.h"
#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/property_set.h"
#include "engine/water/saturation.h"
#include "engine/water/saturation_line.h"
#include "engine/water/status_codes.h"
#include "processes/tools/energy_line.h"

namespace vaporis::processes {
namespace {

using water::kTwoPhase;

constexpr int kMaxNozzleBisections = 200;
constexpr double kFluxTolerance = 1.0;             // [kg/(m² s)]
constexpr double kRelativeFluxTolerance = 0.0001;  // below 10000 kg/(m² s), as vacuum vessels give
// Width of the nozzle bracket, relative to p0, at which the search ends: it has closed in on a
// kink of the isentropic flux, where the slope's flux never meets it.
constexpr double kNarrowestNozzleBracket = 1e-12;
constexpr int kMaxTubePasses = 200;
constexpr double kLengthTolerance = 0.01;  // relative
constexpr double kFirstInletDrop = 0.02;   // of p0 - p_tank
constexpr int kMaxPressureHalvings = 100;

// The vessel state: total enthalpy h0J [J/kg] and entropy s0 [kJ/(kg K)].
struct Vessel {
    double h0J = 0.0;
    double s0 = 0.0;
};

// Mass flux [kg/(m² s)] of the isentropic expansion from the vessel to p.
double isentropicFlux(const Vessel& vessel, double p) {
    int status = water::kOk;
    const double r = water::temperatureFromPS(p, vessel.s0, status);
    double v = -1.0;
    double h = -1.0;
    if (status == kTwoPhase) {
        v = water::specificVolumeFromPX(p, r);
        h = water::enthalpyFromPX(p, r);
    } else if (status == water::kOk) {
        const water::PropertySet set = water::propertySet(p, r, water::kRegionNone, status);
        v = set.v;
        h = set.h;
    }
    return std::sqrt(2.0 * (vessel.h0J - h * 1000.0)) / v;
}

OutflowRefusal checkInputs(const OutflowInputs& in, OutflowResult& result,
                           const OutflowCallbacks& callbacks) {
    const bool finite = std::isfinite(in.p0) && std::isfinite(in.t0) && std::isfinite(in.length) &&
                        std::isfinite(in.diameter) && std::isfinite(in.tubeCount) &&
                        std::isfinite(in.pTank);
    // Without a step, a tube or a bore every computed length or flow is 0.
    if (!finite || in.steps < 1 || !(in.tubeCount >= 1.0) || !(in.diameter > 0.0)) {
        return OutflowRefusal::kInputData;
    }
    if (in.steps > kMaxSteps) {
        return OutflowRefusal::kTooManySteps;
    }
    if (in.length > 0.0 && in.length < kShortestTube) {
        return OutflowRefusal::kShortTube;
    }
    result.steps = in.steps;
    if (in.length > 0.0 && in.length < kFewStepsLength && in.steps > kFewSteps) {
        result.steps = kFewSteps;
        if (callbacks.stepsReduced) {
            callbacks.stepsReduced(kFewSteps);
        }
    }
    int status = water::kOk;
    if (in.p0 < kCriticalPressure &&
        std::abs(water::boilingTemperature(in.p0, status) - in.t0) <= kSaturationBand) {
        return OutflowRefusal::kNearSaturation;
    }
    if (in.p0 > kCriticalPressure) {
        return OutflowRefusal::kAboveCriticalPressure;
    }
    if (in.p0 > kLongCalculationPressure && callbacks.confirmLongCalculation &&
        !callbacks.confirmLongCalculation()) {
        return OutflowRefusal::kCancelled;
    }
    return OutflowRefusal::kNone;
}

// The vessel state; false when it or the tank pressure has no valid state.
bool vesselState(const OutflowInputs& in, Vessel& vessel) {
    int status = water::kOk;
    vessel.h0J = water::enthalpy(in.p0, in.t0, status) * 1000.0;
    if (status == water::kOk) {
        vessel.s0 = water::entropy(in.p0, in.t0, status);
    }
    if (status == water::kOk) {
        (void)water::boilingTemperature(in.pTank, status);
    }
    return status == water::kOk && in.pTank < in.p0;
}

// The pressure [bar] at which the isentrope of a subcooled liquid vessel reaches the boiling
// line, taken just inside the two-phase side, whose saturated values are exact where the
// liquid's inverse is not; 0.0 for a vessel of steam.
double bubblePressure(const OutflowInputs& in, const Vessel& vessel) {
    int status = water::kOk;
    if (!(in.t0 < water::boilingTemperature(in.p0, status))) {
        return 0.0;
    }
    double lo = kTriplePressure;
    double hi = in.p0;
    for (int k = 0; k < kMaxNozzleBisections && hi - lo > kNarrowestNozzleBracket * in.p0; ++k) {
        const double p = 0.5 * (lo + hi);
        (water::entropySatLiquid(p, status) < vessel.s0 ? lo : hi) = p;
    }
    return lo;
}

// The ideal (Laval) nozzle: the pressure where the isentropic flux meets the critical flux.
// The flux given is the isentropic one there, which is flat in p at its maximum.
void lavalNozzle(const OutflowInputs& in, const Vessel& vessel, OutflowResult& result) {
    double lo = 0.0;
    double hi = in.p0;
    double p = 0.0;
    int k = 0;
    double g = 0.0;
    bool met = false;
    do {
        ++k;
        p = 0.5 * (lo + hi);
        g = isentropicFlux(vessel, p);
        const double gc = std::sqrt(-criticalSlope(p, g, vessel.h0J));
        (g <= gc ? hi : lo) = p;
        met = std::abs(g - gc) <= std::min(kFluxTolerance, kRelativeFluxTolerance * g);
    } while (!met && hi - lo > kNarrowestNozzleBracket * in.p0 && k < kMaxNozzleBisections);
    result.nozzleIterationAborted = k >= kMaxNozzleBisections;
    // A subcooled liquid's flux has a kink where it starts to boil, which the slope cannot
    // see: the flux there is the largest when it exceeds the smooth maximum's.
    const double pBubble = bubblePressure(in, vessel);
    const double gBubble = pBubble > 0.0 ? isentropicFlux(vessel, pBubble) : 0.0;
    if (gBubble > g) {
        p = pBubble;
        g = gBubble;
    }
    result.pLaval = p;
    result.gLaval = g;
}

// The state of one pass: the inlet pressure, the flux it gives and the outlet pressure.
struct TubePass {
    double pIn = 0.0;
    double g = 0.0;
    double pOut = 0.0;
};

// Flux at the inlet and the pressure where that flow chokes (or the tank's); an inlet so low
// that the flow would choke above it moves halfway up towards the vessel.
TubePass passAt(const OutflowInputs& in, const Vessel& vessel, double pIn) {
    TubePass pass{pIn};
    for (int k = 0; k < kMaxPressureHalvings; ++k) {
        pass.g = isentropicFlux(vessel, pass.pIn);
        pass.pOut = chokingPressure(pass.pIn, vessel.h0J, pass.g, in.pTank);
        if (pass.pOut == 1.0 || pass.pOut < in.pTank) {
            pass.pOut = in.pTank;
        }
        if (pass.pOut <= pass.pIn) {
            break;
        }
        pass.pIn = 0.5 * (pass.pIn + in.p0);
    }
    return pass;
}

// The secant iteration on the inlet pressure until the tube length that the expansion needs
// equals L; false when the progress callback cancelled.
bool tubeIteration(const OutflowInputs& in, const Vessel& vessel, const OutflowCallbacks& cb,
                   OutflowResult& result, TubePass& pass) {
    const double dm = in.diameter / 1000.0;
    const double pStart = in.p0 - kFirstInletDrop * (in.p0 - in.pTank);
    double pPrev = pStart;
    double pCur = pStart;
    double pNext = pStart;
    double ePrev = in.length;
    double eCur = in.length;
    double pGood = 0.0;
    double eGood = in.length;
    double bestNegative = -1e6;
    double pNeg = in.p0;
    double bestPositive = 1e6;
    double pPos = in.pTank;
    int k = 0;
    do {
        ++k;
        pPrev = pCur;
        ePrev = eCur;
        pass = passAt(in, vessel, pNext);
        pCur = pass.pIn;
        const double lengthNeeded =
            tubeLengthForExpansion(dm, pass.g, pCur, pass.pOut, vessel.h0J, result.steps);
        eCur = in.length - lengthNeeded;
        if (eCur > 0.0 && pCur > pGood) {
            pGood = pCur;
            eGood = eCur;
        } else if (lengthNeeded == 0.0) {
            eCur = eGood;
            pCur = pGood;
        }
        if (eCur < 0.0 && eCur > bestNegative) {
            bestNegative = eCur;
            pNeg = pCur;
        }
        if (eCur > 0.0 && eCur < bestPositive) {
            bestPositive = eCur;
            pPos = pCur;
        }
        double step = 0.0;
        if (k == 1 || eCur == ePrev) {
            step = eCur > 0.0 ? -0.5 * (in.p0 - pCur) : 1.0;
        } else {
            step = (pCur - pPrev) / (eCur - ePrev) * eCur;
        }
        pNext = pCur - step;
        for (int h = 0; h < kMaxPressureHalvings && !(pNext >= in.pTank && pNext < in.p0); ++h) {
            step /= 2.0;
            pNext = pCur - step;
        }
        if (pNext < pPos || pNext > pNeg || !std::isfinite(pNext)) {
            pNext = 0.5 * (pNeg + pPos);
        }
        bool cancel = false;
        if (cb.progress) {
            cb.progress(eCur / in.length, cancel);
        }
        if (cancel) {
            return false;
        }
    } while (!(std::abs(eCur / in.length) <= kLengthTolerance) && k < kMaxTubePasses);
    result.outletIterationAborted = k >= kMaxTubePasses;
    result.lengthError = eCur / in.length;
    pass.pIn = pCur;
    return true;
}

// Temperature, quality and velocity at p on the energy line of the final flux.
OutflowPoint pointAt(double p, double h0J, double g) {
    OutflowPoint point{p};
    int status = water::kOk;
    if (p >= kCriticalPressure) {
        point.t = stateFromEnergy(p, h0J, g, status);
        point.velocity = water::specificVolume(p, point.t, status) * g;
        return point;
    }
    point.ts = water::boilingTemperature(p, status);
    const double x = qualityFromEnergy(p, h0J, g);
    if (x >= 0.0 && x <= 1.0) {
        point.x = x;
        point.t = point.ts;
    } else {
        const double r = stateFromEnergy(p, h0J, g, status);
        if (status == kTwoPhase) {
            point.x = r;
            point.t = point.ts;
        } else {
            point.t = r;
        }
    }
    point.velocity = volumeOnEnergyLine(p, h0J, g) * g;
    return point;
}

void collectingTank(const OutflowInputs& in, const Vessel& vessel, OutflowResult& result) {
    int status = water::kOk;
    const double r = water::temperatureFromPH(in.pTank, vessel.h0J / 1000.0, status);
    int tsStatus = water::kOk;
    result.tankTs = water::boilingTemperature(in.pTank, tsStatus);
    if (status == kTwoPhase) {
        result.tankX = r;
        result.tankT = result.tankTs;
    } else {
        result.tankT = r;
    }
}

OutflowResult refused(OutflowRefusal why) {
    OutflowResult result;
    result.refusal = why;
    return result;
}

}  // namespace

int outflowSteps(double entered) {
    return entered > -1.0 && entered < kMaxSteps + 1.0 ? static_cast<int>(entered) : kMaxSteps + 1;
}

OutflowResult criticalOutflow(const OutflowInputs& in, const OutflowCallbacks& callbacks) {
    OutflowResult result;
    const OutflowRefusal refusal = checkInputs(in, result, callbacks);
    Vessel vessel;
    if (refusal != OutflowRefusal::kNone) {
        return refused(refusal);
    }
    if (!vesselState(in, vessel)) {
        return refused(OutflowRefusal::kInputData);
    }
    lavalNozzle(in, vessel, result);
    TubePass pass{result.pLaval, result.gLaval, result.pLaval};
    if (in.pTank >= result.pLaval) {
        // The tank holds the nozzle's outlet above the Laval pressure: no choking.
        pass = {in.pTank, isentropicFlux(vessel, in.pTank), in.pTank};
    }
    if (in.length > 0.0 && !tubeIteration(in, vessel, callbacks, result, pass)) {
        return refused(OutflowRefusal::kCancelled);
    }
    result.massFlux = pass.g;
    result.choked = pass.pOut > in.pTank;
    result.inlet = pointAt(pass.pIn, vessel.h0J, pass.g);
    result.outlet = pointAt(pass.pOut, vessel.h0J, pass.g);
    collectingTank(in, vessel, result);
    const double dm = in.diameter / 1000.0;
    result.massFlow = pass.g * std::numbers::pi * dm * dm / 4.0 * in.tubeCount;
    result.friction = roughTubeFriction(dm);
    // Extreme but finite inputs (1e308 tubes, a tube of 1e308 m) leave the range of a double
    // or give no flow at all: no result rather than an infinite or negative one.
    if (!std::isfinite(result.massFlow) || !(result.massFlux > 0.0)) {
        return refused(OutflowRefusal::kInputData);
    }
    return result;
}

}  // namespace vaporis::processes
