#include "processes/flow/steam_flow_process.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>

#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

using water::WaterSteamState;

constexpr double kMachWarningLimit = 0.3;

bool allPropertiesValid(const WaterSteamState& state, std::initializer_list<int> properties) {
    for (const int i : properties) {
        if (state.stateStatus(i) != water::kOk) {
            return false;
        }
    }
    return true;
}

}  // namespace

void SteamFlowProcess::reset() {
    *this = SteamFlowProcess(*state_);
}

void SteamFlowProcess::restoreInputs(const Inputs& inputs) {
    flowInputKind_ = inputs.flowInputKind;
    solveMode_ = inputs.solveMode;
    inputs_ = inputs.values;
    zetaGiven_ = false;
    detail::showStoredFlows<2>(inputs_, results_);
}

void SteamFlowProcess::setInput(int i, double value) {
    if (i < 0 || i >= kInputCount) {
        return;
    }
    inputs_[static_cast<std::size_t>(i)] = value;
    zetaGiven_ = zetaGiven_ || i == kInZeta;
    if (i == kInMassFlow) {
        flowInputKind_ = kMassFlowGiven;
    } else if (i == kInVolumeFlow) {
        flowInputKind_ = kVolumeFlowGiven;
    }
}

int SteamFlowProcess::calculate() {
    const int status = evaluate();
    const bool valid = status == kOk || status == kSteamFlowMachWarning;
    status_ = valid && !detail::allFinite(results_) ? kFlowInputInvalid : status;
    return status_;
}

// A quality of exactly 0 or 1 is saturated liquid or vapour: a single phase.
bool SteamFlowProcess::isWetSteam() const {
    const double x = state_->quality();
    return state_->mode() != water::kModePT && x != 0.0 && x != 1.0;
}

int SteamFlowProcess::checkInputs() const {
    const double timeFactor = inputs_[kInTimeFactor];
    const double zeta = inputs_[kInZeta];
    if (flowInputKind_ > kVolumeFlowGiven || !std::isfinite(timeFactor) || timeFactor <= 0.0 ||
        !std::isfinite(zeta) ||
        (singlePhaseFlow_ && !isValidWall(inputs_[kInRoughness], inputs_[kInTubeLength]))) {
        return kFlowInputInvalid;
    }
    const bool heated = singlePhaseFlow_ && inputs_[kInTubeLength] != 0.0;
    const bool valid = allPropertiesValid(*state_, {water::kV, water::kEta}) &&
                       (!singlePhaseFlow_ || allPropertiesValid(*state_, {water::kW})) &&
                       (!heated || allPropertiesValid(*state_, {water::kCp, water::kLambda}));
    return valid ? kOk : kFlowPropertyInvalid;
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
    return status == water::kOk ? kOk : kFlowPropertyInvalid;
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
    // a zeta never given counts as 0; a typed 999 is a zeta like any other
    if (!zetaGiven_ && inputs_[kInZeta] == NOT_SET) {
        inputSlot(kInZeta) = 0.0;
    }
    if (const int inputStatus = checkInputs(); inputStatus != kOk) {
        return inputStatus;
    }
    if (const int sonic = findSonicVelocity(); sonic != kOk) {
        return sonic;
    }
    const double v = state_->stateValue(water::kV);
    FlowTriangle triangle;
    if (const int geometry = solveGeometry(v, triangle); geometry != kOk) {
        return geometry;
    }
    const double w = triangle.velocity;
    resultSlot(kDynamicPressure) = dynamicPressure(v, w);
    resultSlot(kFrictionDrop) = 0.0;
    resultSlot(kReynolds) = reynoldsNumber(triangle, v, state_->stateValue(water::kEta));
    resultSlot(kMach) = w / sonicVelocity_;
    if (resultSlot(kMach) > 1.0) {
        return kSteamFlowMachAbove1;
    }
    if (singlePhaseFlow_) {
        if (const int wall = evaluateWall(triangle, v); wall != kOk) {
            return wall;
        }
    }
    resultSlot(kZetaDrop) = zetaPressureDrop(v, w, inputs_[kInZeta]);
    resultSlot(kTotalDrop) = resultSlot(kFrictionDrop) + resultSlot(kZetaDrop);
    return resultSlot(kMach) > kMachWarningLimit ? kSteamFlowMachWarning : kOk;
}

int SteamFlowProcess::solveGeometry(double v, FlowTriangle& triangle) {
    triangle = FlowTriangle{solveMode_,           rectangularProfile_,     inputSlot(kInWidth),
                            inputSlot(kInHeight), inputSlot(kInTubeCount), inputSlot(kInVelocity)};
    if (solveMode_ != kSolveFlow) {
        if (flowInputKind_ == kVolumeFlowGiven) {
            inputSlot(kInMassFlow) = inputSlot(kInVolumeFlow) / v;
        } else {
            inputSlot(kInVolumeFlow) = v * inputSlot(kInMassFlow);
        }
        triangle.volumeFlow = inputSlot(kInVolumeFlow);
    }
    if (solveFlowTriangle(triangle) != kOk) {
        return kFlowInputInvalid;
    }
    if (solveMode_ == kSolveFlow) {
        inputSlot(kInVolumeFlow) = triangle.volumeFlow;
        inputSlot(kInMassFlow) = triangle.volumeFlow / v;
    }
    inputSlot(kInWidth) = triangle.width;
    inputSlot(kInVelocity) = triangle.velocity;
    inputSlot(kInEquivalentDiameter) = triangle.equivalentDiameter;
    resultSlot(kMassFlow) = inputSlot(kInMassFlow) * inputSlot(kInTimeFactor);
    resultSlot(kVolumeFlow) = inputSlot(kInVolumeFlow) * inputSlot(kInTimeFactor);
    resultSlot(kCrossSection) = triangle.crossSection;
    resultSlot(kTotalCrossSection) = triangle.totalCrossSection;
    resultSlot(kSquareSide) = triangle.squareSide;
    return kOk;
}

int SteamFlowProcess::evaluateWall(const FlowTriangle& triangle, double v) {
    const FlowFluid fluid{v, state_->stateValue(water::kEta), state_->stateValue(water::kCp),
                          state_->stateValue(water::kLambda)};
    int status = kOk;
    const WallFlow wall =
        evaluateWallFlow(triangle, fluid, resultSlot(kReynolds), inputSlot(kInRoughness),
                         inputSlot(kInTubeLength), status);
    resultSlot(kLambda) = wall.lambda;
    resultSlot(kFrictionDrop) = wall.frictionDrop;
    resultSlot(kHeatTransfer) = wall.heatTransfer;
    return status;
}

}  // namespace vaporis::processes
