#include "processes/tools/critical_outflow.h"

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
    OutflowInputs manySteps = vessel(50.0, 400.0, 30.0);
    manySteps.steps = kMaxSteps + 1;
    for (const auto& [in, why] : {
             std::pair{vessel(50.0, 400.0, 0.05), OutflowRefusal::kShortTube},
             std::pair{vessel(50.0, 263.943, 0.0), OutflowRefusal::kNearSaturation},
             std::pair{vessel(230.0, 400.0, 0.0), OutflowRefusal::kAboveCriticalPressure},
             std::pair{vessel(50.0, std::nan(""), 0.0), OutflowRefusal::kInputData},
             std::pair{tankAbove, OutflowRefusal::kInputData},
             std::pair{noSteps, OutflowRefusal::kInputData},
             std::pair{noTube, OutflowRefusal::kInputData},
             std::pair{overflow, OutflowRefusal::kInputData},
             std::pair{manySteps, OutflowRefusal::kTooManySteps},
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

// Mass flux [kg/(m² s)] of the isentropic expansion from (p0, t0) to p.
double isentropicFluxTo(double p0, double t0, double p) {
    int status = -1;
    const double h0 = water::enthalpy(p0, t0, status);
    const double s0 = water::entropy(p0, t0, status);
    const double v = water::specificVolumeFromPS(p, s0, status);
    return std::sqrt(2000.0 * (h0 - water::enthalpyFromPS(p, s0, status))) / v;
}

// Homogeneous equilibrium model: the choked flux is the largest rho * sqrt(2 (h0 - h)) along
// the vessel's isentrope.
double homogeneousEquilibriumFlux(double p0, double t0) {
    double best = 0.0;
    for (double p = p0 * 0.999; p > 0.2 * p0; p -= 0.0005 * p0) {
        best = std::max(best, isentropicFluxTo(p0, t0, p));
    }
    return best;
}

TEST(CriticalOutflow, NozzleFluxMatchesTheEquilibriumModelFromVacuumToHighPressure) {
    // Steam vessels: saturated at 10 and 50 bar, superheated under vacuum.
    for (const auto& [p0, t0] :
         {std::pair{0.05, 60.0}, std::pair{0.1, 60.0}, std::pair{0.3, 150.0},
          std::pair{10.0, boilingAt(10.0) + 0.01}, std::pair{50.0, boilingAt(50.0) + 0.01}}) {
        SCOPED_TRACE(p0);
        OutflowInputs in = vessel(p0, t0, 0.0);
        in.pTank = 0.01;
        const OutflowResult out = criticalOutflow(in);
        ASSERT_EQ(out.refusal, OutflowRefusal::kNone);
        const double expected = homogeneousEquilibriumFlux(p0, t0);
        EXPECT_NEAR(out.gLaval, expected, 0.005 * expected);
        EXPECT_EQ(out.inlet.p, out.pLaval);
        EXPECT_EQ(out.massFlux, out.gLaval);
        EXPECT_TRUE(out.choked);
    }
    OutflowInputs vacuum = vessel(0.1, 60.0, 0.0);
    vacuum.pTank = 0.01;
    EXPECT_NEAR(criticalOutflow(vacuum).pLaval, 0.0584, 0.0005);
}

TEST(CriticalOutflow, SubcooledLiquidChokesWhereItStartsToBoil) {
    // Bernoulli for the liquid from 5 bar down to its boiling pressure at 150 °C: the flux
    // can only fall once the flashing mixture's sound speed drops below the flow's velocity.
    int status = -1;
    const double v = water::specificVolume(5.0, 150.0, status);
    const double ps = water::vaporPressure(150.0, status);
    const double bernoulli = std::sqrt(2.0 * (5.0 - ps) * 1e5 / v);
    const OutflowResult out = criticalOutflow(vessel(5.0, 150.0, 0.0));
    EXPECT_NEAR(out.gLaval, bernoulli, 0.005 * bernoulli);
    EXPECT_NEAR(out.pLaval, ps, 0.005);
}

TEST(CriticalOutflow, NozzleChokesOnlyWhileTheTankLiesBelowTheLavalPressure) {
    // 50 bar, 400 °C: Laval pressure about 27.3 bar; 19.65 kg/s expand to 45 bar, 25.93 to 40.
    for (const auto& [pTank, published] : {std::pair{45.0, 19.65}, std::pair{40.0, 25.93}}) {
        SCOPED_TRACE(pTank);
        OutflowInputs in = vessel(50.0, 400.0, 0.0);
        in.pTank = pTank;
        const OutflowResult out = criticalOutflow(in);
        ASSERT_EQ(out.refusal, OutflowRefusal::kNone);
        EXPECT_FALSE(out.choked);
        EXPECT_EQ(out.outlet.p, pTank);
        EXPECT_NEAR(out.massFlux, isentropicFluxTo(50.0, 400.0, pTank), 1e-3 * out.massFlux);
        EXPECT_NEAR(out.massFlow, published, 0.01);
    }
    OutflowInputs choked = vessel(50.0, 400.0, 0.0);
    choked.pTank = 20.0;
    const OutflowResult out = criticalOutflow(choked);
    EXPECT_TRUE(out.choked);
    EXPECT_EQ(out.massFlux, out.gLaval);
}

TEST(CriticalOutflow, TubesConvergeAndCarryLessTheLongerTheyAre) {
    double previous = criticalOutflow(vessel(50.0, 400.0, 0.0)).massFlow;
    for (const double length : {0.3, 0.6, 0.8, 1.0, 1.5, 2.0, 5.0, 30.0}) {
        SCOPED_TRACE(length);
        const OutflowResult out = criticalOutflow(vessel(50.0, 400.0, length));
        ASSERT_EQ(out.refusal, OutflowRefusal::kNone);
        EXPECT_FALSE(out.outletIterationAborted);
        EXPECT_LE(std::abs(out.lengthError), 0.01);
        EXPECT_LT(out.massFlow, previous);
        previous = out.massFlow;
    }
}

TEST(CriticalOutflow, TankPressureCountsOnlyOnceItLiesAboveTheTubesChokingPressure) {
    OutflowInputs in = vessel(50.0, 400.0, 1.0);
    const OutflowResult free = criticalOutflow(in);
    in.pTank = 20.0;  // below the choking pressure of about 25 bar
    const OutflowResult below = criticalOutflow(in);
    in.pTank = 30.0;
    const OutflowResult above = criticalOutflow(in);
    EXPECT_TRUE(free.choked && below.choked);
    EXPECT_NEAR(below.massFlow, free.massFlow, 0.002 * free.massFlow);
    EXPECT_FALSE(above.choked);
    EXPECT_EQ(above.outlet.p, 30.0);
    EXPECT_LT(above.massFlow, free.massFlow);
}

}  // namespace
}  // namespace vaporis::processes
