#include "processes/flow/steam_flow_process.h"

#include <initializer_list>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

using water::WaterSteamState;

bool allPropertiesValid(const WaterSteamState& state, std::initializer_list<int> properties) {
    for (const int i : properties) {
        if (state.stateStatus(i) != water::kOk) {
            return false;
        }
    }
    return true;
}

}  // namespace

// A quality of exactly 0 or 1 is saturated liquid or vapour: a single phase.
bool SteamFlowProcess::isWetSteam() const {
    const double x = state_->quality();
    return state_->mode() != water::kModePT && x != 0.0 && x != 1.0;
}

int SteamFlowProcess::checkInputs() const {
    if (!inputsValid(singlePhaseFlow_)) {
        return codeOf(FlowStatus::kInputInvalid);
    }
    const bool heated = singlePhaseFlow_ && inputs_[kInTubeLength] != 0.0;
    const bool valid = allPropertiesValid(*state_, {water::kV, water::kEta}) &&
                       (!singlePhaseFlow_ || allPropertiesValid(*state_, {water::kW})) &&
                       (!heated || allPropertiesValid(*state_, {water::kCp, water::kLambda}));
    return valid ? kOk : codeOf(FlowStatus::kPropertyInvalid);
}

// The single phase's own sound velocity, or that of the homogeneous mixture in equilibrium:
// a wet-steam flow chokes at the latter, far below that of either phase.
int SteamFlowProcess::findSonicVelocity() {
    if (singlePhaseFlow_) {
        sonicVelocity_ = state_->stateValue(water::kW);
        return kOk;
    }
    int status = water::kOk;
    sonicVelocity_ = water::homogeneousSoundVelocity(state_->pressure(), state_->quality(), status);
    return status == water::kOk ? kOk : codeOf(FlowStatus::kPropertyInvalid);
}

// No result of an earlier calculation survives, whatever this one gives.
int SteamFlowProcess::evaluate() {
    results_ = detail::notSetRow<kResultCount>();
    singlePhaseFlow_ = true;
    sonicVelocity_ = NOT_SET;
    state_->calculate();
    if (state_->inputStatus() != water::kInputOk) {
        return state_->inputStatus();
    }
    singlePhaseFlow_ = !isWetSteam();
    defaultZeta();
    if (const int inputStatus = checkInputs(); inputStatus != kOk) {
        return inputStatus;
    }
    if (const int sonic = findSonicVelocity(); sonic != kOk) {
        return sonic;
    }
    const double v = state_->stateValue(water::kV);
    FlowTriangle triangle;
    if (const int geometry = solveGeometry(v, NOT_SET, triangle); geometry != kOk) {
        return geometry;
    }
    const double w = triangle.velocity;
    resultSlot(kReynolds) = reynoldsNumber(triangle, v, state_->stateValue(water::kEta));
    if (choked(v, w, sonicVelocity_)) {
        return codeOf(SteamFlowStatus::kMachAbove1);
    }
    if (singlePhaseFlow_) {
        const FlowFluid fluid{v, state_->stateValue(water::kEta), state_->stateValue(water::kCp),
                              state_->stateValue(water::kLambda)};
        if (const int wall = evaluateWall(triangle, fluid); wall != kOk) {
            return wall;
        }
    }
    return addDrops(v, w);
}

}  // namespace vaporis::processes
