#pragma once

#include <array>
#include <cstdint>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "processes/flow/flow_process.h"
#include "processes/flow/pipe_flow.h"
#include "processes/status_codes.h"
#include "processes/thermal/process_inputs.h"
#include "processes/tools/ambient_data.h"

namespace vaporis::processes {

//! A gas as a flow process sees it.
struct GasFlowMedium {
    using State = gas::GasState;
    enum Input : int {
        kInMassFlow = 0,             //!< working value [kg/s]; marks the mass flow given
        kInVolumeFlow = 1,           //!< working value [m³/s]; marks the volumetric flow given
        kInNormalFlow = 2,           //!< working value [Nm³/s]; marks the normal flow given
        kInTimeFactor = 3,           //!< 1 for flows shown per second, 3600 per hour
        kInWidth = 4,                //!< tube width or inner diameter [mm]
        kInHeight = 5,               //!< rectangle height [mm]
        kInTubeCount = 6,            //!< number of parallel tubes [-]
        kInVelocity = 7,             //!< [m/s]
        kInRoughness = 8,            //!< k [mm]
        kInTubeLength = 9,           //!< [m]
        kInZeta = 10,                //!< additional resistance coefficient [-]; 0 if never set
        kInHeightDifference = 11,    //!< H of the draft [m]; negative for a downward flow
        kInEquivalentDiameter = 12,  //!< [mm], written by calculate
    };
    static constexpr int kInputCount = 13;
    static constexpr int kResultCount = kGasFlowResultCount;
    static constexpr std::array<int, 3> kShownFlows = {
        FlowResult::kMassFlow, FlowResult::kVolumeFlow, FlowResult::kNormalFlow};
    static constexpr std::array<double, kInputCount> kDefaultInputs = {
        NOT_SET, NOT_SET, NOT_SET, 3600.0,  NOT_SET, NOT_SET, 1.0,
        15.0,    0.06,    30.0,    NOT_SET, 0.0,     NOT_SET};
    static constexpr std::uint8_t kDefaultFlowKind = kNormalFlowGiven;
    static constexpr int kMachWarning = codeOf(GasFlowStatus::kMachWarning);
};

//! A gas of one GasState flowing through equal parallel tubes, as SteamFlowProcess, and the
//! natural draft ("free flow") of a height difference against the ambient air.
class GasFlowProcess : public FlowProcessCore<GasFlowMedium> {
public:
    using Input = GasFlowMedium::Input;
    using enum GasFlowMedium::Input;
    using Result = FlowResult;
    using enum FlowResult;

    //! Evaluates state against ambient; both must outlive the process.
    GasFlowProcess(gas::GasState& state, AmbientData& ambient)
        : FlowProcessCore(state), ambient_(&ambient) {}

    //! Every field to its default; state and ambient stay bound.
    void reset() { *this = GasFlowProcess(*state_, *ambient_); }
    void setFreeFlow(bool freeFlow) { freeFlow_ = freeFlow; }

    //! Calculates the gas state, the flow and, with free flow, the ambient air and the draft;
    //! returns the status (also stored): kOk, a GasFlowStatus, a FlowStatus or the gas state's
    //! status. A failed ambient calculation leaves the draft NOT_SET and shows only in the
    //! ambient's status.
    int calculate() { return finish(evaluate()); }

    [[nodiscard]] AmbientData& ambient() const { return *ambient_; }
    //! What a project file keeps: the given flow, the solve mode, free flow and the inputs.
    using Inputs = FlowProcessInputs<kInputCount, 3, true>;
    [[nodiscard]] Inputs inputs() const { return {flowInputKind_, solveMode_, freeFlow_, inputs_}; }
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs) {
        freeFlow_ = inputs.freeFlow;
        restoreCore(inputs.flowInputKind, inputs.solveMode, inputs.values);
    }
    [[nodiscard]] bool freeFlow() const { return freeFlow_; }

private:
    [[nodiscard]] int evaluate();
    [[nodiscard]] int checkState() const;
    void evaluateDraft(double v);

    AmbientData* ambient_;
    bool freeFlow_ = false;
};

}  // namespace vaporis::processes
