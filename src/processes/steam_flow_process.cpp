#include "processes/steam_flow_process.h"

#include <cmath>
#include <cstddef>
#include <initializer_list>

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

void SteamFlowProcess::setInput(int i, double value) {
    if (i < 0 || i >= kInputCount) {
        return;
    }
    inputs_[static_cast<std::size_t>(i)] = value;
    if (i == kInMassFlow) {
        flowInputKind_ = kMassFlowGiven;
    } else if (i == kInVolumeFlow) {
        flowInputKind_ = kVolumeFlowGiven;
    }
}

int SteamFlowProcess::calculate() {
    status_ = evaluate();
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

// No result of an earlier calculation survives, whatever this one gives.
int SteamFlowProcess::evaluate() {
    results_ = detail::notSetRow<kResultCount>();
    singlePhaseFlow_ = true;
    state_->calculate();
    if (state_->inputStatus() != water::kInputOk) {
        return state_->inputStatus();
    }
    singlePhaseFlow_ = !isWetSteam();
    if (inputs_[kInZeta] == NOT_SET) {
        in(kInZeta) = 0.0;
    }
    if (const int inputStatus = checkInputs(); inputStatus != kOk) {
        return inputStatus;
    }
    const double v = state_->stateValue(water::kV);
    FlowTriangle triangle;
    if (const int geometry = solveGeometry(v, triangle); geometry != kOk) {
        return geometry;
    }
    const double w = triangle.velocity;
    out(kDynamicPressure) = dynamicPressure(v, w);
    out(kFrictionDrop) = 0.0;
    out(kReynolds) = reynoldsNumber(triangle, v, state_->stateValue(water::kEta));
    int status = kOk;
    if (singlePhaseFlow_) {
        out(kMach) = w / state_->stateValue(water::kW);
        if (out(kMach) > 1.0) {
            return kSteamFlowMachAbove1;
        }
        if (const int wall = evaluateWall(triangle, v); wall != kOk) {
            return wall;
        }
        status = out(kMach) > kMachWarningLimit ? kSteamFlowMachWarning : kOk;
    }
    out(kZetaDrop) = zetaPressureDrop(v, w, inputs_[kInZeta]);
    out(kTotalDrop) = out(kFrictionDrop) + out(kZetaDrop);
    return status;
}

int SteamFlowProcess::solveGeometry(double v, FlowTriangle& triangle) {
    triangle = FlowTriangle{solveMode_,    rectangularProfile_, in(kInWidth),
                            in(kInHeight), in(kInTubeCount),    in(kInVelocity)};
    if (solveMode_ != kSolveFlow) {
        if (flowInputKind_ == kVolumeFlowGiven) {
            in(kInMassFlow) = in(kInVolumeFlow) / v;
        } else {
            in(kInVolumeFlow) = v * in(kInMassFlow);
        }
        triangle.volumeFlow = in(kInVolumeFlow);
    }
    if (solveFlowTriangle(triangle) != kOk) {
        return kFlowInputInvalid;
    }
    if (solveMode_ == kSolveFlow) {
        in(kInVolumeFlow) = triangle.volumeFlow;
        in(kInMassFlow) = triangle.volumeFlow / v;
    }
    in(kInWidth) = triangle.width;
    in(kInVelocity) = triangle.velocity;
    in(kInEquivalentDiameter) = triangle.equivalentDiameter;
    out(kMassFlow) = in(kInMassFlow)*in(kInTimeFactor);
    out(kVolumeFlow) = in(kInVolumeFlow)*in(kInTimeFactor);
    out(kCrossSection) = triangle.crossSection;
    out(kTotalCrossSection) = triangle.totalCrossSection;
    out(kSquareSide) = triangle.squareSide;
    return kOk;
}

int SteamFlowProcess::evaluateWall(const FlowTriangle& triangle, double v) {
    const FlowFluid fluid{v, state_->stateValue(water::kEta), state_->stateValue(water::kCp),
                          state_->stateValue(water::kLambda)};
    int status = kOk;
    const WallFlow wall = evaluateWallFlow(triangle, fluid, out(kReynolds), in(kInRoughness),
                                           in(kInTubeLength), status);
    out(kLambda) = wall.lambda;
    out(kFrictionDrop) = wall.frictionDrop;
    out(kHeatTransfer) = wall.heatTransfer;
    return status;
}

}  // namespace vaporis::processes
