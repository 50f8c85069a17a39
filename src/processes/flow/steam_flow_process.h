#pragma once

#include <array>
#include <cstdint>

#include "engine/common/not_set.h"
#include "engine/water/water_steam_state.h"
#include "processes/flow/flow_process.h"
#include "processes/flow/pipe_flow.h"
#include "processes/status_codes.h"
#include "processes/thermal/process_inputs.h"

namespace vaporis::processes {

//! Water or steam as a flow process sees it.
struct SteamFlowMedium {
    using State = water::WaterSteamState;
    enum Input : int {
        kInMassFlow = 0,             //!< working value [kg/s]; setting it marks the mass flow given
        kInVolumeFlow = 1,           //!< working value [m³/s]; marks the volumetric flow given
        kInTimeFactor = 2,           //!< 1 for flows shown per second, 3600 per hour
        kInWidth = 3,                //!< tube width or inner diameter [mm]
        kInHeight = 4,               //!< rectangle height [mm]
        kInTubeCount = 5,            //!< number of parallel tubes [-]
        kInVelocity = 6,             //!< [m/s]
        kInRoughness = 7,            //!< k [mm]
        kInTubeLength = 8,           //!< [m]
        kInZeta = 9,                 //!< additional resistance coefficient [-]; 0 if never set
        kInEquivalentDiameter = 10,  //!< [mm], written by calculate
    };
    static constexpr int kInputCount = 11;
    static constexpr int kResultCount = kSteamFlowResultCount;
    static constexpr std::array<int, 2> kShownFlows = {FlowResult::kMassFlow,
                                                       FlowResult::kVolumeFlow};
    static constexpr std::array<double, kInputCount> kDefaultInputs = {
        NOT_SET, NOT_SET, 3600.0, NOT_SET, NOT_SET, 1.0, 15.0, 0.06, 30.0, NOT_SET, NOT_SET};
    static constexpr std::uint8_t kDefaultFlowKind = kMassFlowGiven;
    static constexpr int kMachWarning = codeOf(SteamFlowStatus::kMachWarning);
};

//! Water or steam of one WaterSteamState flowing through equal parallel tubes: the flow
//! triangle, Reynolds number, friction, pressure drops, Mach number and heat transfer. Wet
//! steam gets no friction or heat transfer, as the correlations hold for a single phase only:
//! its total pressure drop is the zeta drop alone; its Mach number is taken against the
//! sound velocity of the homogeneous mixture in equilibrium.
class SteamFlowProcess : public FlowProcessCore<SteamFlowMedium> {
public:
    using Input = SteamFlowMedium::Input;
    using enum SteamFlowMedium::Input;
    using Result = FlowResult;
    using enum FlowResult;

    //! Evaluates state, which must outlive the process.
    explicit SteamFlowProcess(water::WaterSteamState& state) : FlowProcessCore(state) {}

    //! Every field to its default; the state stays bound.
    void reset() { *this = SteamFlowProcess(*state_); }

    //! Calculates the state, then the flow; returns the status (also stored): kOk, a
    //! SteamFlowStatus, a FlowStatus or the state's input status.
    int calculate() { return finish(evaluate()); }

    //! What a project file keeps: the given flow, the solve mode and the inputs.
    using Inputs = FlowProcessInputs<kInputCount, 2, false>;
    [[nodiscard]] Inputs inputs() const { return {flowInputKind_, solveMode_, false, inputs_}; }
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs) {
        restoreCore(inputs.flowInputKind, inputs.solveMode, inputs.values);
    }
    [[nodiscard]] bool singlePhaseFlow() const { return singlePhaseFlow_; }
    //! Sound velocity [m/s] the Mach number is taken against: the state's own, or for wet
    //! steam that of the homogeneous mixture in equilibrium; NOT_SET before it is known.
    [[nodiscard]] double sonicVelocity() const { return sonicVelocity_; }

private:
    [[nodiscard]] int evaluate();
    [[nodiscard]] int checkInputs() const;
    [[nodiscard]] int findSonicVelocity();
    [[nodiscard]] bool isWetSteam() const;

    bool singlePhaseFlow_ = true;
    double sonicVelocity_ = NOT_SET;
};

}  // namespace vaporis::processes
