#include "processes/flow/pipe_flow.h"

#include <cmath>
#include <initializer_list>

#include "processes/flow/pipe_flow_correlations.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kMm2PerM2 = 1e6;

bool isPositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

bool hasGivenSides(const FlowTriangle& t) {
    switch (t.solveMode) {
        case kSolveVelocity:
            return isPositive(t.volumeFlow) && isPositive(t.width);
        case kSolveDiameter:
            return isPositive(t.volumeFlow) && isPositive(t.velocity);
        case kSolveFlow:
            return isPositive(t.velocity) && isPositive(t.width);
        default:
            return false;
    }
}

double sectionOfOneTube(const FlowTriangle& t) {
    return t.rectangular ? t.width * t.height : kPi * t.width * t.width / 4.0;
}

}  // namespace

int solveFlowTriangle(FlowTriangle& triangle) {
    FlowTriangle t = triangle;
    if (!hasGivenSides(t) || !isPositive(t.tubeCount) ||
        (t.rectangularSection() && !isPositive(t.height))) {
        return codeOf(FlowStatus::kInputInvalid);
    }
    if (t.solveMode == kSolveDiameter) {
        t.totalCrossSection = t.volumeFlow / t.velocity * kMm2PerM2;
        t.crossSection = t.totalCrossSection / t.tubeCount;
        t.width = std::sqrt(4.0 * t.crossSection / kPi);
    } else {
        t.crossSection = sectionOfOneTube(t);
        t.totalCrossSection = t.crossSection * t.tubeCount;
        if (t.solveMode == kSolveVelocity) {
            t.velocity = t.volumeFlow / (t.totalCrossSection / kMm2PerM2);
        } else {
            t.volumeFlow = t.totalCrossSection / kMm2PerM2 * t.velocity;
        }
    }
    t.equivalentDiameter =
        t.rectangularSection() ? 2.0 * t.crossSection / (t.width + t.height) : t.width;
    t.squareSide = std::sqrt(t.crossSection);
    // Sides at the ends of a double overflow a side, or underflow a section to 0.
    for (const double side : {t.width, t.velocity, t.volumeFlow, t.crossSection,
                              t.totalCrossSection, t.equivalentDiameter}) {
        if (!isPositive(side)) {
            return codeOf(FlowStatus::kInputInvalid);
        }
    }
    triangle = t;
    return kOk;
}

bool isValidWall(double roughness, double length) {
    return std::isfinite(roughness) && std::isfinite(length) && roughness >= 0.0 && length >= 0.0;
}

double dynamicPressure(double v, double w) {
    return w * w / (2.0 * v);
}

double reynoldsNumber(const FlowTriangle& triangle, double v, double eta) {
    return triangle.equivalentDiameter * 0.001 * triangle.velocity / (v * eta * 1e-6);
}

double zetaPressureDrop(double v, double w, double zeta) {
    return dynamicPressure(v, w) * zeta * 0.01;
}

WallFlow evaluateWallFlow(const FlowTriangle& triangle, const FlowFluid& fluid, double re,
                          double roughness, double length, int& status) {
    const double d = triangle.equivalentDiameter;
    WallFlow wall;
    wall.lambda = frictionCoefficient(re, roughness, d, status);
    if (status != kOk) {
        return WallFlow{};
    }
    if (re < kLaminarFrictionLimit && triangle.rectangularSection()) {
        wall.lambda *= rectangularLaminarFactor(triangle.width, triangle.height);
    }
    const double lengthOverD = length * 1000.0 / d;
    wall.frictionDrop =
        dynamicPressure(fluid.v, triangle.velocity) * wall.lambda * lengthOverD * 0.01;
    if (length != 0.0) {
        const double pr = fluid.cp * fluid.eta / fluid.conductivity * 0.001;
        const double nu = nusseltNumber(re, pr, 1.0 / lengthOverD);
        wall.heatTransfer = nu * fluid.conductivity / (d * 0.001);
    }
    if (!std::isfinite(wall.frictionDrop) || !std::isfinite(wall.heatTransfer)) {
        status = codeOf(FlowStatus::kInputInvalid);
        return WallFlow{};
    }
    return wall;
}

}  // namespace vaporis::processes
