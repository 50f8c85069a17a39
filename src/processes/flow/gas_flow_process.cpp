#include "processes/flow/gas_flow_process.h"

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

void GasFlowProcess::restoreInputs(const Inputs& inputs) {
    flowInputKind_ = inputs.flowInputKind;
    solveMode_ = inputs.solveMode;
    freeFlow_ = inputs.freeFlow;
    inputs_ = inputs.values;
    zetaGiven_ = false;
    detail::showStoredFlows<3>(inputs_, results_);
}

void GasFlowProcess::setInput(int i, double value) {
    if (i < 0 || i >= kInputCount) {
        return;
    }
    inputs_[static_cast<std::size_t>(i)] = value;
    zetaGiven_ = zetaGiven_ || i == kInZeta;
    if (i <= kInNormalFlow) {
        flowInputKind_ = static_cast<std::uint8_t>(i);
    }
}

int GasFlowProcess::calculate() {
    const int status = evaluate();
    const bool valid = status == kOk || status == kGasFlowMachWarning;
    status_ = valid && !detail::allFinite(results_) ? kFlowInputInvalid : status;
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
    // a zeta never given counts as 0; a typed 999 is a zeta like any other
    if (!zetaGiven_ && inputs_[kInZeta] == NOT_SET) {
        inputSlot(kInZeta) = 0.0;
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
    resultSlot(kDynamicPressure) = dynamicPressure(v, w);
    resultSlot(kFrictionDrop) = 0.0;
    resultSlot(kMach) = w / state_->property(gas::kSonicVelocity);
    if (resultSlot(kMach) > 1.0) {
        return kGasFlowMachAbove1;
    }
    resultSlot(kReynolds) = reynoldsNumber(triangle, v, state_->property(gas::kViscosity));
    if (const int wall = evaluateWall(triangle, v); wall != kOk) {
        return wall;
    }
    resultSlot(kZetaDrop) = zetaPressureDrop(v, w, inputs_[kInZeta]);
    resultSlot(kTotalDrop) = resultSlot(kFrictionDrop) + resultSlot(kZetaDrop);
    if (freeFlow_) {
        evaluateDraft(v);
    }
    return resultSlot(kMach) > kMachWarningLimit ? kGasFlowMachWarning : kOk;
}

void GasFlowProcess::completeFlows(double v, double normalDensity) {
    if (flowInputKind_ == kVolumeFlowGiven) {
        inputSlot(kInMassFlow) = inputSlot(kInVolumeFlow) / v;
    } else if (flowInputKind_ == kNormalFlowGiven) {
        inputSlot(kInMassFlow) = normalDensity * inputSlot(kInNormalFlow);
    }
    if (flowInputKind_ != kVolumeFlowGiven) {
        inputSlot(kInVolumeFlow) = v * inputSlot(kInMassFlow);
    }
    if (flowInputKind_ != kNormalFlowGiven) {
        inputSlot(kInNormalFlow) = inputSlot(kInMassFlow) / normalDensity;
    }
}

int GasFlowProcess::solveGeometry(double v, double normalDensity, FlowTriangle& triangle) {
    triangle = FlowTriangle{solveMode_,           rectangularProfile_,     inputSlot(kInWidth),
                            inputSlot(kInHeight), inputSlot(kInTubeCount), inputSlot(kInVelocity)};
    if (solveMode_ != kSolveFlow) {
        completeFlows(v, normalDensity);
        triangle.volumeFlow = inputSlot(kInVolumeFlow);
    }
    if (solveFlowTriangle(triangle) != kOk) {
        return kFlowInputInvalid;
    }
    if (solveMode_ == kSolveFlow) {
        inputSlot(kInVolumeFlow) = triangle.volumeFlow;
        inputSlot(kInMassFlow) = triangle.volumeFlow / v;
        inputSlot(kInNormalFlow) = inputSlot(kInMassFlow) / normalDensity;
    }
    inputSlot(kInWidth) = triangle.width;
    inputSlot(kInVelocity) = triangle.velocity;
    inputSlot(kInEquivalentDiameter) = triangle.equivalentDiameter;
    resultSlot(kMassFlow) = inputSlot(kInMassFlow) * inputSlot(kInTimeFactor);
    resultSlot(kVolumeFlow) = inputSlot(kInVolumeFlow) * inputSlot(kInTimeFactor);
    resultSlot(kNormalFlow) = inputSlot(kInNormalFlow) * inputSlot(kInTimeFactor);
    resultSlot(kCrossSection) = triangle.crossSection;
    resultSlot(kTotalCrossSection) = triangle.totalCrossSection;
    resultSlot(kSquareSide) = triangle.squareSide;
    return kOk;
}

int GasFlowProcess::evaluateWall(const FlowTriangle& triangle, double v) {
    const FlowFluid fluid{v, state_->property(gas::kViscosity), state_->property(gas::kCp),
                          state_->property(gas::kConductivity)};
    int status = kOk;
    const WallFlow wall =
        evaluateWallFlow(triangle, fluid, resultSlot(kReynolds), inputSlot(kInRoughness),
                         inputSlot(kInTubeLength), status);
    resultSlot(kLambda) = wall.lambda;
    resultSlot(kFrictionDrop) = wall.frictionDrop;
    resultSlot(kHeatTransfer) = wall.heatTransfer;
    return status;
}

// The column of ambient air of height H outweighs the gas column by g H (rho_amb - rho_gas).
void GasFlowProcess::evaluateDraft(double v) {
    if (ambient_->calculate() == kOk) {
        resultSlot(kDraft) = kGravity * inputSlot(kInHeightDifference) *
                             (ambient_->result(AmbientData::kDensity) - 1.0 / v) * 0.01;
    }
}

}  // namespace vaporis::processes
