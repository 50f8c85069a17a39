#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/common/not_set.h"
#include "engine/water/water_steam_state.h"
#include "processes/flow/pipe_flow.h"
#include "processes/thermal/process_inputs.h"
#include "processes/value_rows.h"

namespace vaporis::processes {

//! Water or steam of one WaterSteamState flowing through equal parallel tubes: the flow
//! triangle, Reynolds number, friction, pressure drops, Mach number and heat transfer. Wet
//! steam gets no friction or heat transfer, as the correlations hold for a single phase only:
//! its total pressure drop is the zeta drop alone; its Mach number is taken against the
//! sound velocity of the homogeneous mixture in equilibrium.
class SteamFlowProcess {
public:
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

    enum Result : int {
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
    };
    static constexpr int kResultCount = 13;

    //! Evaluates state, which must outlive the process.
    explicit SteamFlowProcess(water::WaterSteamState& state) : state_(&state) {}

    //! Every field to its default; the state stays bound.
    void reset();
    //! Stores input i (Input); kInMassFlow and kInVolumeFlow also set the flow input kind.
    void setInput(int i, double value);
    //! FlowInputKind, as a project file restores it; setInput sets it too.
    void setFlowInputKind(std::uint8_t kind) { flowInputKind_ = kind; }
    void setSolveMode(std::uint8_t mode) { solveMode_ = mode; }
    void setRectangularProfile(bool rectangular) { rectangularProfile_ = rectangular; }

    //! Calculates the state, then the flow; returns the status (also stored): kOk,
    //! kSteamFlowMachWarning, kSteamFlowMachAbove1, a flow code of status_codes.h or the
    //! state's input status.
    int calculate();

    [[nodiscard]] const water::WaterSteamState& state() const { return *state_; }
    [[nodiscard]] int status() const { return status_; }
    [[nodiscard]] std::uint8_t flowInputKind() const { return flowInputKind_; }
    [[nodiscard]] std::uint8_t solveMode() const { return solveMode_; }
    //! What a project file keeps: the given flow, the solve mode and the inputs.
    using Inputs = FlowProcessInputs<kInputCount, 2, false>;
    [[nodiscard]] Inputs inputs() const { return {flowInputKind_, solveMode_, false, inputs_}; }
    //! Takes stored inputs and shows the stored flows in the display unit; other results and
    //! the status stay until calculate.
    void restoreInputs(const Inputs& inputs);
    [[nodiscard]] bool rectangularProfile() const { return rectangularProfile_; }
    [[nodiscard]] bool singlePhaseFlow() const { return singlePhaseFlow_; }
    //! Sound velocity [m/s] the Mach number is taken against: the state's own, or for wet
    //! steam that of the homogeneous mixture in equilibrium; NOT_SET before it is known.
    [[nodiscard]] double sonicVelocity() const { return sonicVelocity_; }
    //! Input i (Input); NOT_SET for an index out of range.
    [[nodiscard]] double input(int i) const { return detail::valueAt(inputs_, i); }
    //! Result i (Result); NOT_SET for an index out of range.
    [[nodiscard]] double result(int i) const { return detail::valueAt(results_, i); }

private:
    [[nodiscard]] int evaluate();
    [[nodiscard]] int checkInputs() const;
    [[nodiscard]] int findSonicVelocity();
    [[nodiscard]] int solveGeometry(double v, FlowTriangle& triangle);
    [[nodiscard]] int evaluateWall(const FlowTriangle& triangle, double v);
    [[nodiscard]] bool isWetSteam() const;
    double& inputSlot(Input i) { return inputs_[static_cast<std::size_t>(i)]; }
    double& resultSlot(Result i) { return results_[static_cast<std::size_t>(i)]; }

    water::WaterSteamState* state_;
    int status_ = kNotComputed;
    std::uint8_t flowInputKind_ = kMassFlowGiven;
    std::uint8_t solveMode_ = kSolveVelocity;
    bool rectangularProfile_ = false;
    bool singlePhaseFlow_ = true;
    bool zetaGiven_ = false;  // set by setInput; a stored zeta of 999 cannot tell
    double sonicVelocity_ = NOT_SET;
    std::array<double, kResultCount> results_ = detail::notSetRow<kResultCount>();
    std::array<double, kInputCount> inputs_ = {NOT_SET, NOT_SET, 3600.0, NOT_SET, NOT_SET, 1.0,
                                               15.0,    0.06,    30.0,   NOT_SET, NOT_SET};
};

}  // namespace vaporis::processes
