#include "processes/flow/pipe_flow_correlations.h"

#include <array>
#include <limits>

#include <gtest/gtest.h>

#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

double lambdaAt(double re, double k, double d) {
    int status = -1;
    const double lambda = frictionCoefficient(re, k, d, status);
    EXPECT_EQ(status, kOk);
    return lambda;
}

TEST(FrictionCoefficient, TurbulentValuesMatchTheColebrookDarcyFactors) {
    // Moody-chart Darcy factors at Re 1e5: smooth 0.01799, relative roughness 1e-4 0.01851.
    EXPECT_NEAR(lambdaAt(1e5, 0.0, 100.0), 0.01799, 5e-5);
    EXPECT_NEAR(lambdaAt(1e5, 0.01, 100.0), 0.01851, 5e-5);
}

TEST(FrictionCoefficient, LaminarValuesCarryTheLowReynoldsFactorAndJumpAt2320) {
    EXPECT_NEAR(lambdaAt(1000.0, 0.5, 10.0), 0.07757, 1e-5);
    EXPECT_NEAR(lambdaAt(400.0, 0.0, 10.0), 0.28, 1e-12);
    EXPECT_NEAR(lambdaAt(2319.99, 0.0, 10.0), 0.0280, 1e-4);
    EXPECT_NEAR(lambdaAt(2320.0, 0.0, 10.0), 0.0479, 2e-4);
}

TEST(FrictionCoefficient, RefusesUnusableInputInsteadOfIterating) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [re, k, d] : std::to_array<std::array<double, 3>>(
             {{kNaN, 0.0, 10.0},
              {1e5, kNaN, 10.0},
              {0.0, 0.0, 10.0},
              {1e5, -0.1, 10.0},
              {1e5, 0.0, 0.0},
              {std::numeric_limits<double>::infinity(), 0.0, 10.0}})) {
        SCOPED_TRACE(re);
        int status = kOk;
        EXPECT_EQ(frictionCoefficient(re, k, d, status), -1.0);
        EXPECT_EQ(status, FlowStatus::kInputInvalid);
    }
    // A roughness of five diameters leaves Colebrook's equation without a root below 1.
    int status = kOk;
    EXPECT_EQ(frictionCoefficient(1e5, 50.0, 10.0, status), -1.0);
    EXPECT_EQ(status, FlowStatus::kFrictionNoConvergence);
}

TEST(RectangularLaminarFactor, DependsOnlyOnTheAspectRatio) {
    EXPECT_NEAR(rectangularLaminarFactor(20.0, 10.0), 0.95969, 1e-5);
    EXPECT_EQ(rectangularLaminarFactor(10.0, 20.0), rectangularLaminarFactor(20.0, 10.0));
    EXPECT_NEAR(rectangularLaminarFactor(7.0, 7.0), 0.9775, 1e-4);
}

TEST(NusseltNumber, IsContinuousAcrossTheTransitionAndLinearInside) {
    constexpr double kPr = 0.7;
    constexpr double kDOverL = 0.01;
    const double laminar = nusseltNumber(2300.0, kPr, kDOverL);
    const double turbulent = nusseltNumber(10000.0, kPr, kDOverL);
    EXPECT_NEAR(nusseltNumber(2300.0 + 1e-6, kPr, kDOverL), laminar, 1e-6);
    EXPECT_NEAR(nusseltNumber(10000.0 - 1e-6, kPr, kDOverL), turbulent, 1e-6);
    EXPECT_NEAR(nusseltNumber(6150.0, kPr, kDOverL), (laminar + turbulent) / 2.0, 1e-9);
    // A long laminar tube reaches the fully developed value of constant wall temperature.
    EXPECT_NEAR(nusseltNumber(100.0, kPr, 1e-9), 3.66, 1e-3);
}

}  // namespace
}  // namespace vaporis::processes
