#pragma once

#include <optional>
#include <string_view>

namespace vaporis::water {
class WaterSteamState;
}  // namespace vaporis::water

namespace vaporis::gas {
class GasState;
}  // namespace vaporis::gas

namespace vaporis::processes {

class AmbientData;
class GasFlowProcess;
class GasThermalProcess;
class SteamFlowProcess;
class SteamThermalProcess;
struct OutflowInputs;

// Whether a module's inputs can be calculated, and whether its result may be shown, decided
// once for every way in: the dialogs, each command of vaporis-cli and the runs of a project.

//! Why a module's inputs cannot be calculated, or why its result is not shown.
enum class RefusalReason {
    kNoValue,                   //!< a required input holds no value
    kInvalidValue,              //!< not finite, out of its range, or not above 0 where it must be
    kStateInput,                //!< the fluid state refuses its inputs; status: its input status
    kInletBelowOutletPressure,  //!< throttling to a higher pressure
    kGasPressureTooHigh,        //!< above the range of the gas formulations
    kGasPressureTooLow,         //!< below that range, or no number
    kGasIsAllWater,             //!< a gas process with an analysis of water vapour only
    kDiagramRange,              //!< T-s diagram limits out of order or beyond the medium's range
    kNoShownResult,             //!< calculated, but with a status that shows no result
};

//! The input that stops a module (its key, as the project JSON names it) and the reason.
struct Refusal {
    std::string_view input;
    RefusalReason reason = RefusalReason::kInvalidValue;
    int status = 0;  //!< the status of kStateInput and kNoShownResult; 0 otherwise

    bool operator==(const Refusal&) const = default;
};

//! Empty when the inputs can be calculated (or the result may be shown).
using RuleAnswer = std::optional<Refusal>;

//! What the no-value marker 999 is: a number typed by the user, or a stored "no value".
enum class MarkerMeaning { kNumber, kNoValue };

//! A water/steam state as the steam table takes it: the inputs of its mode given, then the
//! state's own input rules.
[[nodiscard]] RuleAnswer checkSteamState(const water::WaterSteamState& state, MarkerMeaning marker);
//! The enthalpy iteration of the steam table: p [bar] at 0 or above, h [kJ/kg] any number.
[[nodiscard]] RuleAnswer checkEnthalpyIteration(double p, double h);

//! The reason the gas formulations refuse p [bar]; empty where they may be used.
[[nodiscard]] std::optional<RefusalReason> gasPressureRefusal(double p);
//! Whether p [bar], where the gas formulations may be used, lies outside 0.5 to 10 bar, the
//! range in which their error stays small.
[[nodiscard]] bool gasPressureDeviates(double p);
//! A gas state as the gas-property module takes it: p within the gas formulations' range and
//! t or h given.
[[nodiscard]] RuleAnswer checkGasState(const gas::GasState& state, MarkerMeaning marker);

//! The inputs of a thermal process and its states: the states the type needs, an inlet
//! pressure at or above the outlet for throttling, the efficiencies of an isentropic process,
//! flows, heat loss and the time factor (1 or 3600).
[[nodiscard]] RuleAnswer checkThermalProcess(const SteamThermalProcess& process,
                                             MarkerMeaning marker);
//! As above, and an analysis that is not all water and pressures the gas formulations take.
[[nodiscard]] RuleAnswer checkThermalProcess(const GasThermalProcess& process,
                                             MarkerMeaning marker);
//! Whether a calculated thermal process shows its results: only after status 0.
[[nodiscard]] RuleAnswer checkThermalResult(const SteamThermalProcess& process);
//! Whether a calculated gas process shows its results: after 0 and after condensation in
//! the final state (with its warning).
[[nodiscard]] RuleAnswer checkThermalResult(const GasThermalProcess& process);

//! The inputs of a flow process and its state: the time factor (1 or 3600), above 0 the
//! velocity, width, height and given flow the solve mode needs and the tube count, 0 or
//! above the roughness, the tube length and zeta.
[[nodiscard]] RuleAnswer checkFlowProcess(const SteamFlowProcess& process, MarkerMeaning marker);
//! As above for a gas; a natural draft also needs a finite height difference.
[[nodiscard]] RuleAnswer checkFlowProcess(const GasFlowProcess& process, MarkerMeaning marker);
//! Whether a calculated flow shows its results: after 0 and the Mach warning; a Mach number
//! above 1 stops it.
[[nodiscard]] RuleAnswer checkFlowResult(const SteamFlowProcess& process);
//! As above; a gas that condenses shows no result either.
[[nodiscard]] RuleAnswer checkFlowResult(const GasFlowProcess& process);

//! Ambient temperature, relative humidity and level given and finite; their ranges are the
//! calculation's statuses.
[[nodiscard]] RuleAnswer checkAmbient(const AmbientData& ambient, MarkerMeaning marker);

//! The critical-outflow inputs: finite, none below 0, at least one tube.
[[nodiscard]] RuleAnswer checkOutflow(const OutflowInputs& in);

//! The limits of a T-s diagram [°C] and [kJ/(kg K)].
struct DiagramRanges {
    double tMin = 0.0;
    double tMax = 0.0;
    double sMin = 0.0;
    double sMax = 0.0;
};
//! Limits ascending and within the water/steam formulations at the process's pressures.
[[nodiscard]] RuleAnswer checkDiagramRanges(const SteamThermalProcess& process,
                                            const DiagramRanges& ranges);
//! Limits ascending and within the temperature range of the process's analysis.
[[nodiscard]] RuleAnswer checkDiagramRanges(const GasThermalProcess& process,
                                            const DiagramRanges& ranges);

//! Axis ranges of the h-s (Mollier) diagram of a water/steam process.
struct HsDiagramRanges {
    double hMin = 0.0;  //!< [kJ/kg]
    double hMax = 0.0;  //!< [kJ/kg]
    double sMin = 0.0;  //!< [kJ/(kg K)]
    double sMax = 0.0;  //!< [kJ/(kg K)]
    bool operator==(const HsDiagramRanges&) const = default;
};
//! Both axes ascending with finite spans, so a tick step and a pixel exist.
[[nodiscard]] RuleAnswer checkDiagramRanges(const HsDiagramRanges& ranges);

}  // namespace vaporis::processes
