#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "engine/common/not_set.h"
#include "processes/flow/pipe_flow.h"
#include "processes/status_codes.h"
#include "processes/thermal/process_inputs.h"
#include "processes/value_rows.h"

namespace vaporis::processes {

// The slots stand in a namespace of their own, so that the thermal processes' input names
// (kMassFlow, kVolumeFlow) do not meet them where both are seen.
namespace flow_slots {

//! Result slots of a flow process; NOT_SET where the calculation gave no value. Both media
//! fill the slots up to kMach; the gas-only slots follow.
enum FlowResult : int {
    kMassFlow = 0,           //!< display value [kg/s or kg/h]
    kVolumeFlow = 1,         //!< display value [m³/s or m³/h]
    kCrossSection = 2,       //!< of one tube [mm²]
    kTotalCrossSection = 3,  //!< [mm²]
    kSquareSide = 4,         //!< [mm]
    kReynolds = 5,           //!< [-]
    kDynamicPressure = 6,    //!< [Pa]
    kLambda = 7,             //!< friction coefficient [-]
    kHeatTransfer = 8,       //!< to the tube wall [W/(m² K)]
    kFrictionDrop = 9,       //!< [mbar]
    kZetaDrop = 10,          //!< [mbar]
    kTotalDrop = 11,         //!< [mbar]
    kMach = 12,              //!< [-]
    kNormalFlow = 13,        //!< display value [Nm³/s or Nm³/h]
    kDraft = 14,             //!< of the height difference [mbar]; NOT_SET without free flow
};

}  // namespace flow_slots
using flow_slots::FlowResult;

//! Result slots of a water/steam flow and of a gas flow.
inline constexpr int kSteamFlowResultCount = FlowResult::kMach + 1;
inline constexpr int kGasFlowResultCount = FlowResult::kDraft + 1;

//! What a flow process of either medium keeps, and the steps both media take alike. Medium is
//! a traits struct: its State; its Input slots, the flows first in FlowInputKind order, then
//! kInTimeFactor, kInWidth, kInHeight, kInTubeCount, kInVelocity, kInRoughness,
//! kInTubeLength, kInZeta, kInEquivalentDiameter; kInputCount, kResultCount, kShownFlows (the
//! result slot of each flow input), kDefaultInputs, kDefaultFlowKind and kMachWarning, its
//! status of a valid flow above the Mach warning limit. The state must outlive the process.
template <typename Medium>
class FlowProcessCore {
public:
    using enum FlowResult;
    using State = typename Medium::State;
    static constexpr int kInputCount = Medium::kInputCount;
    static constexpr int kResultCount = Medium::kResultCount;
    static constexpr auto kShownFlows = Medium::kShownFlows;

    //! Stores input i (Input); a flow also sets the flow input kind.
    void setInput(int i, double value) {
        if (i < 0 || i >= kInputCount) {
            return;
        }
        inputs_[static_cast<std::size_t>(i)] = value;
        zetaGiven_ = zetaGiven_ || i == Medium::kInZeta;
        if (static_cast<std::size_t>(i) < kFlowCount) {
            flowInputKind_ = static_cast<std::uint8_t>(i);
        }
    }
    //! FlowInputKind, as a project file restores it; setInput sets it too.
    void setFlowInputKind(std::uint8_t kind) { flowInputKind_ = kind; }
    void setSolveMode(std::uint8_t mode) { solveMode_ = mode; }
    void setRectangularProfile(bool rectangular) { rectangularProfile_ = rectangular; }

    [[nodiscard]] const State& state() const { return *state_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] std::uint8_t flowInputKind() const { return flowInputKind_; }
    [[nodiscard]] std::uint8_t solveMode() const { return solveMode_; }
    [[nodiscard]] bool rectangularProfile() const { return rectangularProfile_; }
    //! Input i (Input); NOT_SET for an index out of range.
    [[nodiscard]] double input(int i) const { return detail::valueAt(inputs_, i); }
    //! Result i (FlowResult); NOT_SET for an index out of range.
    [[nodiscard]] double result(int i) const { return detail::valueAt(results_, i); }

protected:
    static constexpr std::size_t kFlowCount = kShownFlows.size();

    explicit FlowProcessCore(State& state) : state_(&state) {}

    //! Takes stored inputs and shows the stored flows in the display unit.
    void restoreCore(std::uint8_t flowInputKind, std::uint8_t solveMode,
                     const std::array<double, kInputCount>& values) {
        flowInputKind_ = flowInputKind;
        solveMode_ = solveMode;
        inputs_ = values;
        zetaGiven_ = false;
        detail::showStoredFlows(inputs_, Medium::kInTimeFactor, kShownFlows, results_);
    }
    //! Keeps and returns status; a valid flow with a result that is not finite has invalid
    //! inputs.
    int finish(int status) {
        const bool valid = status == kOk || status == Medium::kMachWarning;
        status_ =
            valid && !detail::allFinite(results_) ? codeOf(FlowStatus::kInputInvalid) : status;
        return status_;
    }
    //! A zeta never given counts as 0; a typed 999 is a zeta like any other.
    void defaultZeta() {
        if (!zetaGiven_ && inputs_[Medium::kInZeta] == NOT_SET) {
            inputSlot(Medium::kInZeta) = 0.0;
        }
    }
    //! The flow kind, time factor, zeta and, when checkWall, roughness and length are valid.
    [[nodiscard]] bool inputsValid(bool checkWall) const {
        const double timeFactor = inputs_[Medium::kInTimeFactor];
        return flowInputKind_ < kFlowCount && std::isfinite(timeFactor) && timeFactor > 0.0 &&
               std::isfinite(inputs_[Medium::kInZeta]) &&
               (!checkWall ||
                isValidWall(inputs_[Medium::kInRoughness], inputs_[Medium::kInTubeLength]));
    }
    //! Solves the flow triangle at specific volume v [m³/kg] and, for a gas, normal density
    //! [kg/Nm³]; writes the flows, the derived inputs and the sections.
    [[nodiscard]] int solveGeometry(double v, double normalDensity, FlowTriangle& triangle);
    //! Dynamic pressure and Mach number of velocity w [m/s] at v [m³/kg] against the sound
    //! velocity [m/s], no friction drop yet; true when the flow chokes (Mach above 1).
    [[nodiscard]] bool choked(double v, double w, double sonicVelocity) {
        resultSlot(kDynamicPressure) = dynamicPressure(v, w);
        resultSlot(kFrictionDrop) = 0.0;
        resultSlot(kMach) = w / sonicVelocity;
        return resultSlot(kMach) > 1.0;
    }
    //! The zeta and total pressure drops; kOk, or Medium::kMachWarning above the warning
    //! limit of the Mach number.
    [[nodiscard]] int addDrops(double v, double w) {
        constexpr double kMachWarningLimit = 0.3;
        resultSlot(kZetaDrop) = zetaPressureDrop(v, w, inputs_[Medium::kInZeta]);
        resultSlot(kTotalDrop) = resultSlot(kFrictionDrop) + resultSlot(kZetaDrop);
        return resultSlot(kMach) > kMachWarningLimit ? Medium::kMachWarning : kOk;
    }
    //! Friction, its pressure drop and the heat transfer of a solved triangle.
    [[nodiscard]] int evaluateWall(const FlowTriangle& triangle, const FlowFluid& fluid) {
        int status = kOk;
        const WallFlow wall =
            evaluateWallFlow(triangle, fluid, results_[kReynolds], inputs_[Medium::kInRoughness],
                             inputs_[Medium::kInTubeLength], status);
        results_[kLambda] = wall.lambda;
        results_[kFrictionDrop] = wall.frictionDrop;
        results_[kHeatTransfer] = wall.heatTransfer;
        return status;
    }
    double& inputSlot(int i) { return inputs_[static_cast<std::size_t>(i)]; }
    double& resultSlot(int i) { return results_[static_cast<std::size_t>(i)]; }

    State* state_;
    int status_ = kNotComputed;
    std::uint8_t flowInputKind_ = Medium::kDefaultFlowKind;
    std::uint8_t solveMode_ = kSolveVelocity;
    bool rectangularProfile_ = false;
    bool zetaGiven_ = false;  // set by setInput; a stored zeta of 999 cannot tell
    std::array<double, kResultCount> results_ = detail::notSetRow<kResultCount>();
    std::array<double, kInputCount> inputs_ = Medium::kDefaultInputs;

private:
    void completeFlows(double v, double normalDensity);
};

// The given flow yields the others.
template <typename Medium>
void FlowProcessCore<Medium>::completeFlows(double v, double normalDensity) {
    double& m = inputSlot(kMassFlowGiven);
    if (flowInputKind_ == kVolumeFlowGiven) {
        m = inputSlot(kVolumeFlowGiven) / v;
    } else if (kFlowCount > kNormalFlowGiven && flowInputKind_ == kNormalFlowGiven) {
        m = normalDensity * inputSlot(kNormalFlowGiven);
    }
    if (flowInputKind_ != kVolumeFlowGiven) {
        inputSlot(kVolumeFlowGiven) = v * m;
    }
    if (kFlowCount > kNormalFlowGiven && flowInputKind_ != kNormalFlowGiven) {
        inputSlot(kNormalFlowGiven) = m / normalDensity;
    }
}

template <typename Medium>
int FlowProcessCore<Medium>::solveGeometry(double v, double normalDensity, FlowTriangle& triangle) {
    triangle = FlowTriangle{solveMode_,
                            rectangularProfile_,
                            inputSlot(Medium::kInWidth),
                            inputSlot(Medium::kInHeight),
                            inputSlot(Medium::kInTubeCount),
                            inputSlot(Medium::kInVelocity)};
    if (solveMode_ != kSolveFlow) {
        completeFlows(v, normalDensity);
        triangle.volumeFlow = inputSlot(kVolumeFlowGiven);
    }
    if (solveFlowTriangle(triangle) != kOk) {
        return codeOf(FlowStatus::kInputInvalid);
    }
    if (solveMode_ == kSolveFlow) {
        inputSlot(kVolumeFlowGiven) = triangle.volumeFlow;
        inputSlot(kMassFlowGiven) = triangle.volumeFlow / v;
        if (kFlowCount > kNormalFlowGiven) {
            inputSlot(kNormalFlowGiven) = inputSlot(kMassFlowGiven) / normalDensity;
        }
    }
    inputSlot(Medium::kInWidth) = triangle.width;
    inputSlot(Medium::kInVelocity) = triangle.velocity;
    inputSlot(Medium::kInEquivalentDiameter) = triangle.equivalentDiameter;
    for (std::size_t i = 0; i < kFlowCount; ++i) {
        resultSlot(kShownFlows[i]) = inputs_[i] * inputs_[Medium::kInTimeFactor];
    }
    resultSlot(kCrossSection) = triangle.crossSection;
    resultSlot(kTotalCrossSection) = triangle.totalCrossSection;
    resultSlot(kSquareSide) = triangle.squareSide;
    return kOk;
}

}  // namespace vaporis::processes
