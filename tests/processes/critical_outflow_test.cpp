#include "processes/critical_outflow.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"

namespace vaporis::processes {
namespace {

OutflowInputs vessel(double p0, double t0, double length) {
    OutflowInputs in;
    in.p0 = p0;
    in.t0 = t0;
    in.length = length;
    return in;
}

double boilingAt(double p) {
    int status = -1;
    return water::boilingTemperature(p, status);
}

TEST(CriticalOutflow, RefusesUnsoundInputs) {
    OutflowInputs tankAbove = vessel(50.0, 400.0, 0.0);
    tankAbove.pTank = 50.0;
    OutflowInputs noSteps = vessel(50.0, 400.0, 30.0);
    noSteps.steps = 0;
    OutflowInputs noTube = vessel(50.0, 400.0, 30.0);
    noTube.tubeCount = 0.0;
    // 1e308 tubes carry more than a double holds.
    OutflowInputs overflow = vessel(50.0, 400.0, 0.0);
    overflow.tubeCount = 1e308;
    for (const auto& [in, why] : {
             std::pair{vessel(50.0, 400.0, 0.05), OutflowRefusal::kShortTube},
             std::pair{vessel(50.0, 263.943, 0.0), OutflowRefusal::kNearSaturation},
             std::pair{vessel(230.0, 400.0, 0.0), OutflowRefusal::kAboveCriticalPressure},
             std::pair{vessel(50.0, std::nan(""), 0.0), OutflowRefusal::kInputData},
             std::pair{tankAbove, OutflowRefusal::kInputData},
             std::pair{noSteps, OutflowRefusal::kInputData},
             std::pair{noTube, OutflowRefusal::kInputData},
             std::pair{overflow, OutflowRefusal::kInputData},
         }) {
        SCOPED_TRACE(in.t0);
        const OutflowResult out = criticalOutflow(in);
        EXPECT_EQ(out.refusal, why);
        EXPECT_EQ(out.massFlow, NOT_SET);
    }
}

TEST(CriticalOutflow, AcceptsAVesselJustOutsideTheSaturationBand) {
    // ts(50 bar) = 263.94287 °C: 263.94 lies 0.0029 K away.
    EXPECT_EQ(criticalOutflow(vessel(50.0, 263.94, 0.0)).refusal, OutflowRefusal::kNone);
}

TEST(CriticalOutflow, ShortTubeRunsWithTenStepsAfterTellingSo) {
    int told = 0;
    OutflowCallbacks callbacks;
    callbacks.stepsReduced = [&](int steps) { told = steps; };
    const OutflowResult out = criticalOutflow(vessel(50.0, 400.0, 0.3), callbacks);
    EXPECT_EQ(told, 10);
    EXPECT_EQ(out.steps, 10);
    EXPECT_EQ(criticalOutflow(vessel(50.0, 400.0, 0.6)).steps, 50);
}

TEST(CriticalOutflow, DeclinedHighPressureNoticeGivesNoResults) {
    OutflowCallbacks callbacks;
    callbacks.confirmLongCalculation = [] { return false; };
    const OutflowResult out = criticalOutflow(vessel(150.0, 400.0, 0.0), callbacks);
    EXPECT_EQ(out.refusal, OutflowRefusal::kCancelled);
    EXPECT_EQ(out.pLaval, NOT_SET);
}

TEST(CriticalOutflow, TubeIterationEndsWithin1PercentOfTheLength) {
    std::vector<double> errors;
    OutflowCallbacks callbacks;
    callbacks.progress = [&](double e, bool&) { errors.push_back(e); };
    const OutflowResult out = criticalOutflow(vessel(50.0, 400.0, 30.0), callbacks);
    ASSERT_EQ(out.refusal, OutflowRefusal::kNone);
    ASSERT_FALSE(errors.empty());
    if (!out.outletIterationAborted) {
        EXPECT_LE(std::abs(errors.back()), 0.01);
    }
    // Friction holds the flux below the nozzle's, between vessel and tank pressures.
    EXPECT_LT(out.massFlux, out.gLaval);
    EXPECT_LT(out.inlet.p, 50.0);
    EXPECT_GE(out.outlet.p, 1.01325);
    EXPECT_LT(out.outlet.p, out.inlet.p);
    EXPECT_NEAR(out.friction, 0.01566, 0.00001);
    EXPECT_NEAR(out.massFlow, out.massFlux * 3.14159265 * 0.04 * 0.04, 1e-6 * out.massFlow);
}

TEST(CriticalOutflow, CancelFromTheProgressLeavesNoResults) {
    OutflowCallbacks callbacks;
    callbacks.progress = [](double, bool& cancel) { cancel = true; };
    const OutflowResult out = criticalOutflow(vessel(50.0, 400.0, 30.0), callbacks);
    EXPECT_EQ(out.refusal, OutflowRefusal::kCancelled);
    EXPECT_EQ(out.massFlow, NOT_SET);
    EXPECT_EQ(out.inlet.p, NOT_SET);
}

TEST(CriticalOutflow, SaturatedLiquidFlashesAlongTheTube) {
    const OutflowResult out = criticalOutflow(vessel(20.0, boilingAt(20.0) - 0.01, 10.0));
    ASSERT_EQ(out.refusal, OutflowRefusal::kNone);
    ASSERT_NE(out.inlet.x, NOT_SET);
    ASSERT_NE(out.outlet.x, NOT_SET);
    EXPECT_GE(out.inlet.x, 0.0);
    EXPECT_LT(out.inlet.x, 0.01);
    EXPECT_GT(out.outlet.x, out.inlet.x);
    EXPECT_GT(out.outlet.velocity, out.inlet.velocity);
    EXPECT_EQ(out.outlet.t, out.outlet.ts);
}

// Homogeneous equilibrium model: the choked flux is the largest rho * sqrt(2 (h0 - h)) along
// the vessel's isentrope.
double homogeneousEquilibriumFlux(double p0, double t0) {
    int status = -1;
    const double h0 = water::enthalpy(p0, t0, status);
    const double s0 = water::entropy(p0, t0, status);
    double best = 0.0;
    for (double p = p0 * 0.999; p > 0.2 * p0; p -= 0.001 * p0) {
        const double v = water::specificVolumeFromPS(p, s0, status);
        const double h = water::enthalpyFromPS(p, s0, status);
        best = std::max(best, std::sqrt(2000.0 * (h0 - h)) / v);
    }
    return best;
}

TEST(CriticalOutflow, NozzleFluxOfSaturatedSteamMatchesTheEquilibriumModel) {
    for (const double p0 : {10.0, 50.0}) {
        SCOPED_TRACE(p0);
        const double t0 = boilingAt(p0) + 0.01;
        const OutflowResult out = criticalOutflow(vessel(p0, t0, 0.0));
        ASSERT_EQ(out.refusal, OutflowRefusal::kNone);
        const double expected = homogeneousEquilibriumFlux(p0, t0);
        EXPECT_NEAR(out.gLaval, expected, 0.05 * expected);
        EXPECT_EQ(out.inlet.p, out.pLaval);
        EXPECT_EQ(out.massFlux, out.gLaval);
    }
}

}  // namespace
}  // namespace vaporis::processes
