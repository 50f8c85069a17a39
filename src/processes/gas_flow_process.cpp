#include "processes/gas_flow_process.h"

#include <cmath>
#include <cstddef>

#include "engine/gas/status_codes.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

using gas::GasState;

constexpr double kMachWarningLimit = 0.3;
constexpr double kGravity = 9.81;  // [m/s²]
// The dew-point property's value for a gas without a dew point at or above 0 °C.
constexpr double kNoDewPoint = -1.0;

}  // namespace

void GasFlowProcess::reset() {
    *this = GasFlowProcess(*state_, *ambient_);
}

void GasFlowProcess::setInput(int i, double value) {
    if (i < 0 || i >= kInputCount) {
        return;
    }
    inputs_[static_cast<std::size_t>(i)] = value;
    if (i <= kInNormalFlow) {
        flowInputKind_ = static_cast<std::uint8_t>(i);
    }
}

int GasFlowProcess::calculate() {
    status_ = evaluate();
    return status_;
}

// A gas below its dew point holds more water vapour than it can; a gas without a dew point
// at or above 0 °C is not compared, as its marker -1.0 is no temperature.
int GasFlowProcess::checkState() const {
    const int status = state_->status();
    if (status == gas::kNonFiniteInput) {
        return kFlowInputInvalid;
    }
    if (status != gas::kOk) {
        return status;
    }
    const double dewPoint = state_->property(gas::kDewPoint);
    return dewPoint != kNoDewPoint && dewPoint > state_->temperature() ? kGasFlowCondensing : kOk;
}

int GasFlowProcess::checkInputs() const {
    const double timeFactor = inputs_[kInTimeFactor];
    const bool valid = flowInputKind_ <= kNormalFlowGiven && std::isfinite(timeFactor) &&
                       timeFactor > 0.0 && std::isfinite(inputs_[kInZeta]) &&
                       isValidWall(inputs_[kInRoughness], inputs_[kInTubeLength]) &&
                       (!freeFlow_ || std::isfinite(inputs_[kInHeightDifference]));
    return valid ? kOk : kFlowInputInvalid;
}

// No result of an earlier calculation survives, whatever this one gives.
int GasFlowProcess::evaluate() {
    results_ = detail::notSetRow<kResultCount>();
    state_->calculate();
    if (const int stateStatus = checkState(); stateStatus != kOk) {
        return stateStatus;
    }
    if (inputs_[kInZeta] == NOT_SET) {
        in(kInZeta) = 0.0;
    }
    if (const int inputStatus = checkInputs(); inputStatus != kOk) {
        return inputStatus;
    }
    const double v = state_->property(gas::kVolume);
    FlowTriangle triangle;
    if (const int geometry = solveGeometry(v, state_->property(gas::kNormalDensity), triangle);
        geometry != kOk) {
        return geometry;
    }
    const double w = triangle.velocity;
    out(kDynamicPressure) = dynamicPressure(v, w);
    out(kFrictionDrop) = 0.0;
    out(kMach) = w / state_->property(gas::kSonicVelocity);
    if (out(kMach) > 1.0) {
        return kGasFlowMachAbove1;
    }
    out(kReynolds) = reynoldsNumber(triangle, v, state_->property(gas::kViscosity));
    if (const int wall = evaluateWall(triangle, v); wall != kOk) {
        return wall;
    }
    out(kZetaDrop) = zetaPressureDrop(v, w, inputs_[kInZeta]);
    out(kTotalDrop) = out(kFrictionDrop) + out(kZetaDrop);
    if (freeFlow_) {
        evaluateDraft(v);
    }
    return out(kMach) > kMachWarningLimit ? kGasFlowMachWarning : kOk;
}

void GasFlowProcess::completeFlows(double v, double normalDensity) {
    if (flowInputKind_ == kVolumeFlowGiven) {
        in(kInMassFlow) = in(kInVolumeFlow) / v;
    } else if (flowInputKind_ == kNormalFlowGiven) {
        in(kInMassFlow) = normalDensity * in(kInNormalFlow);
    }
    if (flowInputKind_ != kVolumeFlowGiven) {
        in(kInVolumeFlow) = v * in(kInMassFlow);
    }
    if (flowInputKind_ != kNormalFlowGiven) {
        in(kInNormalFlow) = in(kInMassFlow) / normalDensity;
    }
}

int GasFlowProcess::solveGeometry(double v, double normalDensity, FlowTriangle& triangle) {
    triangle = FlowTriangle{solveMode_,    rectangularProfile_, in(kInWidth),
                            in(kInHeight), in(kInTubeCount),    in(kInVelocity)};
    if (solveMode_ != kSolveFlow) {
        completeFlows(v, normalDensity);
        triangle.volumeFlow = in(kInVolumeFlow);
    }
    if (solveFlowTriangle(triangle) != kOk) {
        return kFlowInputInvalid;
    }
    if (solveMode_ == kSolveFlow) {
        in(kInVolumeFlow) = triangle.volumeFlow;
        in(kInMassFlow) = triangle.volumeFlow / v;
        in(kInNormalFlow) = in(kInMassFlow) / normalDensity;
    }
    in(kInWidth) = triangle.width;
    in(kInVelocity) = triangle.velocity;
    in(kInEquivalentDiameter) = triangle.equivalentDiameter;
    out(kMassFlow) = in(kInMassFlow)*in(kInTimeFactor);
    out(kVolumeFlow) = in(kInVolumeFlow)*in(kInTimeFactor);
    out(kNormalFlow) = in(kInNormalFlow)*in(kInTimeFactor);
    out(kCrossSection) = triangle.crossSection;
    out(kTotalCrossSection) = triangle.totalCrossSection;
    out(kSquareSide) = triangle.squareSide;
    return kOk;
}

int GasFlowProcess::evaluateWall(const FlowTriangle& triangle, double v) {
    const FlowFluid fluid{v, state_->property(gas::kViscosity), state_->property(gas::kCp),
                          state_->property(gas::kConductivity)};
    int status = kOk;
    const WallFlow wall = evaluateWallFlow(triangle, fluid, out(kReynolds), in(kInRoughness),
                                           in(kInTubeLength), status);
    out(kLambda) = wall.lambda;
    out(kFrictionDrop) = wall.frictionDrop;
    out(kHeatTransfer) = wall.heatTransfer;
    return status;
}

// The column of ambient air of height H outweighs the gas column by g H (rho_amb - rho_gas).
void GasFlowProcess::evaluateDraft(double v) {
    if (ambient_->calculate() == kOk) {
        out(kDraft) = kGravity * in(kInHeightDifference) *
                      (ambient_->result(AmbientData::kDensity) - 1.0 / v) * 0.01;
    }
}

}  // namespace vaporis::processes
