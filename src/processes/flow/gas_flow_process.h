#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/common/not_set.h"
#include "engine/gas/gas_state.h"
#include "processes/flow/pipe_flow.h"
#include "processes/thermal/process_inputs.h"
#include "processes/tools/ambient_data.h"
#include "processes/value_rows.h"

namespace vaporis::processes {

//! A gas of one GasState flowing through equal parallel tubes, as SteamFlowProcess, and the
//! natural draft ("free flow") of a height difference against the ambient air.
class GasFlowProcess {
public:
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

    enum Result : int {
        kMassFlow = 0,           //!< display value [kg/s or kg/h]
        kVolumeFlow = 1,         //!< display value [m³/s or m³/h]
        kNormalFlow = 2,         //!< display value [Nm³/s or Nm³/h]
        kCrossSection = 3,       //!< of one tube [mm²]
        kTotalCrossSection = 4,  //!< [mm²]
        kSquareSide = 5,         //!< [mm]
        kReynolds = 6,           //!< [-]
        kDynamicPressure = 7,    //!< [Pa]
        kLambda = 8,             //!< friction coefficient [-]
        kHeatTransfer = 9,       //!< to the tube wall [W/(m² K)]
        kFrictionDrop = 10,      //!< [mbar]
        kZetaDrop = 11,          //!< [mbar]
        kTotalDrop = 12,         //!< [mbar]
        kMach = 13,              //!< [-]
        kDraft = 14,             //!< of the height difference [mbar]; NOT_SET without free flow
    };
    static constexpr int kResultCount = 15;

    //! Evaluates state against ambient; both must outlive the process.
    GasFlowProcess(gas::GasState& state, AmbientData& ambient)
        : state_(&state), ambient_(&ambient) {}

    //! Every field to its default; state and ambient stay bound.
    void reset();
    //! Stores input i (Input); the three flows also set the flow input kind.
    void setInput(int i, double value);
    //! FlowInputKind, as a project file restores it; setInput sets it too.
    void setFlowInputKind(std::uint8_t kind) { flowInputKind_ = kind; }
    void setSolveMode(std::uint8_t mode) { solveMode_ = mode; }
    void setRectangularProfile(bool rectangular) { rectangularProfile_ = rectangular; }
    void setFreeFlow(bool freeFlow) { freeFlow_ = freeFlow; }

    //! Calculates the gas state, the flow and, with free flow, the ambient air and the draft;
    //! returns the status (also stored): kOk, kGasFlowMachWarning, kGasFlowMachAbove1,
    //! kGasFlowCondensing, a flow code of status_codes.h or the gas state's status. A failed
    //! ambient calculation leaves the draft NOT_SET and shows only in the ambient's status.
    int calculate();

    [[nodiscard]] const gas::GasState& state() const { return *state_; }
    [[nodiscard]] AmbientData& ambient() const { return *ambient_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] std::uint8_t flowInputKind() const { return flowInputKind_; }
    [[nodiscard]] std::uint8_t solveMode() const { return solveMode_; }
    //! What a project file keeps: the given flow, the solve mode, free flow and the inputs.
    using Inputs = FlowProcessInputs<kInputCount, 3, true>;
    [[nodiscard]] Inputs inputs() const { return {flowInputKind_, solveMode_, freeFlow_, inputs_}; }
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs);
    [[nodiscard]] bool rectangularProfile() const { return rectangularProfile_; }
    [[nodiscard]] bool freeFlow() const { return freeFlow_; }
    //! Input i (Input); NOT_SET for an index out of range.
    [[nodiscard]] double input(int i) const { return detail::valueAt(inputs_, i); }
    //! Result i (Result); NOT_SET for an index out of range.
    [[nodiscard]] double result(int i) const { return detail::valueAt(results_, i); }

private:
    [[nodiscard]] int evaluate();
    [[nodiscard]] int checkState() const;
    [[nodiscard]] int checkInputs() const;
    void completeFlows(double v, double normalDensity);
    [[nodiscard]] int solveGeometry(double v, double normalDensity, FlowTriangle& triangle);
    [[nodiscard]] int evaluateWall(const FlowTriangle& triangle, double v);
    void evaluateDraft(double v);
    double& inputSlot(Input i) { return inputs_[static_cast<std::size_t>(i)]; }
    double& resultSlot(Result i) { return results_[static_cast<std::size_t>(i)]; }

    gas::GasState* state_;
    AmbientData* ambient_;
    int status_ = kNotComputed;
    std::uint8_t flowInputKind_ = kNormalFlowGiven;
    std::uint8_t solveMode_ = kSolveVelocity;
    bool rectangularProfile_ = false;
    bool freeFlow_ = false;
    bool zetaGiven_ = false;  // set by setInput; a stored zeta of 999 cannot tell
    std::array<double, kResultCount> results_ = detail::notSetRow<kResultCount>();
    std::array<double, kInputCount> inputs_ = {NOT_SET, NOT_SET, NOT_SET, 3600.0, NOT_SET,
                                               NOT_SET, 1.0,     15.0,    0.06,   30.0,
                                               NOT_SET, 0.0,     NOT_SET};
};

}  // namespace vaporis::processes
