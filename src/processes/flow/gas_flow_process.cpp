#include "processes/flow/gas_flow_process.h"

#include <cmath>

#include "engine/gas/status_codes.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

constexpr double kGravity = 9.81;  // [m/s²]
// The dew-point property's value for a gas without a dew point at or above 0 °C.
constexpr double kNoDewPoint = -1.0;

}  // namespace

// A gas below its dew point holds more water vapour than it can; a gas without a dew point
// at or above 0 °C is not compared, as its marker -1.0 is no temperature.
int GasFlowProcess::checkState() const {
    const int status = state_->status();
    if (status == gas::kNonFiniteInput) {
        return codeOf(FlowStatus::kInputInvalid);
    }
    if (status != gas::kOk) {
        return status;
    }
    const double dewPoint = state_->property(gas::kDewPoint);
    return dewPoint != kNoDewPoint && dewPoint > state_->temperature()
               ? codeOf(GasFlowStatus::kCondensing)
               : kOk;
}

// No result of an earlier calculation survives, whatever this one gives.
int GasFlowProcess::evaluate() {
    results_ = detail::notSetRow<kResultCount>();
    state_->calculate();
    if (const int stateStatus = checkState(); stateStatus != kOk) {
        return stateStatus;
    }
    defaultZeta();
    if (!inputsValid(true) || (freeFlow_ && !std::isfinite(inputs_[kInHeightDifference]))) {
        return codeOf(FlowStatus::kInputInvalid);
    }
    const double v = state_->property(gas::kVolume);
    FlowTriangle triangle;
    if (const int geometry = solveGeometry(v, state_->property(gas::kNormalDensity), triangle);
        geometry != kOk) {
        return geometry;
    }
    const double w = triangle.velocity;
    if (choked(v, w, state_->property(gas::kSonicVelocity))) {
        return codeOf(GasFlowStatus::kMachAbove1);
    }
    resultSlot(kReynolds) = reynoldsNumber(triangle, v, state_->property(gas::kViscosity));
    const FlowFluid fluid{v, state_->property(gas::kViscosity), state_->property(gas::kCp),
                          state_->property(gas::kConductivity)};
    if (const int wall = evaluateWall(triangle, fluid); wall != kOk) {
        return wall;
    }
    const int status = addDrops(v, w);
    if (freeFlow_) {
        evaluateDraft(v);
    }
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
