#include "processes/module_rules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "engine/common/not_set.h"
#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/status_codes.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "processes/tools/ambient_data.h"
#include "processes/tools/critical_outflow.h"

namespace vaporis::processes {
namespace {

// The gas formulations hold at 1 bar; from 0.5 to 10 bar their error stays small.
constexpr double kGasPressureMin = 0.1;
constexpr double kGasPressureGoodFrom = 0.5;
constexpr double kGasPressureGoodTo = 10.0;
constexpr double kGasPressureMax = 100.0;

// T-s diagram limits of the water/steam formulations [°C]; above 100 bar they reach 800 °C.
constexpr double kLowestSteamTemperature = 0.0;  // the curves start at the triple point
constexpr double kHighestSteamTemperature = 2000.0;
constexpr double kHighPressureTemperature = 800.0;
constexpr double kHighPressure = 100.0;  // [bar]

// The flows of a process are held per second and shown per second or per hour.
constexpr double kPerSecond = 1.0;
constexpr double kPerHour = 3600.0;

Refusal refuse(std::string_view input, RefusalReason reason, int status = 0) {
    return {input, reason, status};
}

bool isMarker(double value, MarkerMeaning marker) {
    return marker == MarkerMeaning::kNoValue && value == NOT_SET;
}

// A value the module needs: no marker, finite, and above 0 (or at 0 or above).
RuleAnswer required(std::string_view key, double value, MarkerMeaning marker, bool zeroAllowed) {
    if (isMarker(value, marker)) {
        return refuse(key, RefusalReason::kNoValue);
    }
    const bool inRange = zeroAllowed ? value >= 0.0 : value > 0.0;
    if (!std::isfinite(value) || !inRange) {
        return refuse(key, RefusalReason::kInvalidValue);
    }
    return std::nullopt;
}

// An input that may stay empty (the marker); a value given is finite and not negative.
RuleAnswer optionalNotNegative(std::string_view key, double value) {
    if (value == NOT_SET || (std::isfinite(value) && value >= 0.0)) {
        return std::nullopt;
    }
    return refuse(key, RefusalReason::kInvalidValue);
}

RuleAnswer given(std::string_view key, double value, MarkerMeaning marker) {
    if (isMarker(value, marker)) {
        return refuse(key, RefusalReason::kNoValue);
    }
    if (std::isfinite(value)) {
        return std::nullopt;
    }
    return refuse(key, RefusalReason::kInvalidValue);
}

RuleAnswer timeFactorRule(double timeFactor) {
    if (timeFactor == kPerSecond || timeFactor == kPerHour) {
        return std::nullopt;
    }
    return refuse("timeFactor", RefusalReason::kInvalidValue);
}

RuleAnswer firstRefusal(std::initializer_list<RuleAnswer> answers) {
    for (const RuleAnswer& answer : answers) {
        if (answer) {
            return answer;
        }
    }
    return std::nullopt;
}

// The state inputs its mode uses; the state's own rules follow when it is calculated.
struct SteamStateKeys {
    std::string_view p, t, x;
};

RuleAnswer steamStateGiven(const water::WaterSteamState& state, const SteamStateKeys& keys,
                           MarkerMeaning marker) {
    const int mode = state.mode();
    return firstRefusal({
        mode != water::kModeTX ? given(keys.p, state.pressure(), marker) : std::nullopt,
        mode != water::kModePX ? given(keys.t, state.temperature(), marker) : std::nullopt,
        mode != water::kModePT ? given(keys.x, state.quality(), marker) : std::nullopt,
    });
}

struct ThermalSlots {
    int massFlow, volumeFlow, timeFactor, heatLoss, isentropicEta;
};

constexpr std::string_view kEfficiencyKeys[] = {"isentropicEfficiency", "mechanicalEfficiency",
                                                "generatorEfficiency"};

// Flows, heat loss, time factor and, for the isentropic type, the efficiencies; p1 and p2
// [bar] decide where an efficiency of 0 is possible.
template <typename Process>
RuleAnswer thermalInputs(const Process& process, const ThermalSlots& slots, double p1, double p2,
                         MarkerMeaning marker) {
    if (process.type() == kConstantEnthalpy && p2 > p1) {
        return refuse("p2", RefusalReason::kInletBelowOutletPressure);
    }
    const double timeFactor = process.input(slots.timeFactor);
    if (RuleAnswer answer = timeFactorRule(timeFactor)) {
        return answer;
    }
    for (const int slot : {slots.massFlow, slots.volumeFlow}) {
        const double flow = process.input(slot);
        const bool none = !process.inputSet(slot) || isMarker(flow, marker);
        if (!none &&
            (inputRefused(InputKind::kFlow, flow, p1, p2) || !std::isfinite(flow * timeFactor))) {
            return refuse(slot == slots.massFlow ? "massFlow" : "volumeFlow",
                          RefusalReason::kInvalidValue);
        }
    }
    if (process.inputSet(slots.heatLoss) && !std::isfinite(process.input(slots.heatLoss))) {
        return refuse("heatLoss", RefusalReason::kInvalidValue);
    }
    if (process.type() != kIsentropicEfficiency) {
        return std::nullopt;
    }
    for (int i = 0; i < 3; ++i) {
        const double eta = process.input(slots.isentropicEta + i);
        if (!process.inputSet(slots.isentropicEta + i) || isMarker(eta, marker)) {
            return refuse(kEfficiencyKeys[i], RefusalReason::kNoValue);
        }
        if (inputRefused(InputKind::kEfficiency, eta, p1, p2)) {
            return refuse(kEfficiencyKeys[i], RefusalReason::kInvalidValue);
        }
    }
    return std::nullopt;
}

template <typename Process>
RuleAnswer flowInputs(const Process& process, MarkerMeaning marker) {
    const auto in = [&process](int i) { return process.input(i); };
    const int mode = process.solveMode();
    const int kind = process.flowInputKind();
    constexpr std::string_view kFlowKeys[] = {"massFlow", "volumeFlow", "normalVolumeFlow"};
    const bool height = process.rectangularProfile() && mode != kSolveDiameter;
    return firstRefusal({
        timeFactorRule(in(Process::kInTimeFactor)),
        mode != kSolveVelocity ? required("velocity", in(Process::kInVelocity), marker, false)
                               : std::nullopt,
        mode != kSolveDiameter ? required("width", in(Process::kInWidth), marker, false)
                               : std::nullopt,
        height ? required("height", in(Process::kInHeight), marker, false) : std::nullopt,
        mode != kSolveFlow && kind < Process::kInTimeFactor
            ? required(kFlowKeys[kind], in(kind), marker, false)
            : std::nullopt,
        required("tubeCount", in(Process::kInTubeCount), marker, false),
        optionalNotNegative("roughness", in(Process::kInRoughness)),
        optionalNotNegative("tubeLength", in(Process::kInTubeLength)),
        optionalNotNegative("zeta", in(Process::kInZeta)),
    });
}

RuleAnswer diagramOrder(const DiagramRanges& r) {
    if (r.tMin < r.tMax && r.sMin < r.sMax) {
        return std::nullopt;
    }
    return refuse("ranges", RefusalReason::kDiagramRange);
}

}  // namespace

RuleAnswer checkSteamState(const water::WaterSteamState& state, MarkerMeaning marker) {
    if (RuleAnswer answer = steamStateGiven(state, {"p", "t", "x"}, marker)) {
        return answer;
    }
    const int status = state.validateInputs();
    if (status == water::kInputOk) {
        return std::nullopt;
    }
    return refuse("state", RefusalReason::kStateInput, status);
}

RuleAnswer checkEnthalpyIteration(double p, double h) {
    return firstRefusal(
        {required("p", p, MarkerMeaning::kNumber, true), given("h", h, MarkerMeaning::kNumber)});
}

std::optional<RefusalReason> gasPressureRefusal(double p) {
    if (p > kGasPressureMax) {
        return RefusalReason::kGasPressureTooHigh;
    }
    if (!(p >= kGasPressureMin)) {
        return RefusalReason::kGasPressureTooLow;
    }
    return std::nullopt;
}

bool gasPressureDeviates(double p) {
    return p < kGasPressureGoodFrom || p > kGasPressureGoodTo;
}

RuleAnswer checkGasState(const gas::GasState& state, MarkerMeaning marker) {
    if (RuleAnswer answer = given("p", state.pressure(), marker)) {
        return answer;
    }
    if (const std::optional<RefusalReason> reason = gasPressureRefusal(state.pressure())) {
        return refuse("p", *reason);
    }
    if (state.enthalpySet() && !state.temperatureSet()) {
        return given("h", state.enthalpy(), marker);
    }
    return given("t", state.temperature(), marker);
}

RuleAnswer checkThermalProcess(const SteamThermalProcess& process, MarkerMeaning marker) {
    using P = SteamThermalProcess;
    const water::WaterSteamState& initial = process.initialState();
    const water::WaterSteamState& final = process.finalState();
    const bool balance = process.type() == kStateBalance;
    if (RuleAnswer answer = firstRefusal({
            steamStateGiven(initial, {"p1", "t1", "x1"}, marker),
            balance ? steamStateGiven(final, {"p2", "t2", "x2"}, marker)
                    : given("p2", final.pressure(), marker),
        })) {
        return answer;
    }
    const double p2 = balance ? knownPressure(final) : final.pressure();
    return thermalInputs(
        process, {P::kMassFlow, P::kVolumeFlow, P::kTimeFactor, P::kHeatLoss, P::kIsentropicEta},
        knownPressure(initial), p2, marker);
}

RuleAnswer checkThermalProcess(const GasThermalProcess& process, MarkerMeaning marker) {
    using P = GasThermalProcess;
    const gas::GasState& initial = process.initialState();
    const gas::GasState& final = process.finalState();
    const double p1 = initial.pressure();
    const double p2 = final.pressure();
    if (RuleAnswer answer = firstRefusal({
            given("t1", initial.temperature(), marker),
            given("p1", p1, marker),
            given("p2", p2, marker),
            process.type() == kStateBalance ? given("t2", final.temperature(), marker)
                                            : std::nullopt,
        })) {
        return answer;
    }
    const ThermalSlots slots{P::kMassFlow, P::kVolumeFlow, P::kTimeFactor, P::kHeatLoss,
                             P::kIsentropicEta};
    if (RuleAnswer answer = thermalInputs(process, slots, p1, p2, marker)) {
        return answer;
    }
    const double normalFlow = process.input(P::kNormalVolumeFlow);
    if (process.inputSet(P::kNormalVolumeFlow) && !isMarker(normalFlow, marker) &&
        (!(normalFlow > 0.0) || !std::isfinite(normalFlow * process.input(P::kTimeFactor)))) {
        return refuse("normalVolumeFlow", RefusalReason::kInvalidValue);
    }
    const gas::GasAnalysis* analysis = initial.analysis();
    if (analysis != nullptr && analysis->volumeFraction(gas::kWaterVapor) * 100.0 == 100.0) {
        return refuse("gasAnalysis", RefusalReason::kGasIsAllWater);
    }
    for (const auto& [key, p] : {std::pair{"p1", p1}, std::pair{"p2", p2}}) {
        if (const std::optional<RefusalReason> reason = gasPressureRefusal(p)) {
            return refuse(key, *reason);
        }
    }
    return std::nullopt;
}

RuleAnswer checkThermalResult(const SteamThermalProcess& process) {
    if (process.status() == kOk) {
        return std::nullopt;
    }
    return refuse("status", RefusalReason::kNoShownResult, process.status());
}

RuleAnswer checkThermalResult(const GasThermalProcess& process) {
    const int status = process.status();
    if (status == kOk || status == ThermalProcessStatus::kCondensedInFinalState) {
        return std::nullopt;
    }
    return refuse("status", RefusalReason::kNoShownResult, status);
}

RuleAnswer checkFlowProcess(const SteamFlowProcess& process, MarkerMeaning marker) {
    if (RuleAnswer answer = steamStateGiven(process.state(), {"p", "t", "x"}, marker)) {
        return answer;
    }
    return flowInputs(process, marker);
}

RuleAnswer checkFlowProcess(const GasFlowProcess& process, MarkerMeaning marker) {
    const gas::GasState& state = process.state();
    if (RuleAnswer answer = firstRefusal(
            {given("t", state.temperature(), marker), given("p", state.pressure(), marker)})) {
        return answer;
    }
    if (process.freeFlow() && !std::isfinite(process.input(GasFlowProcess::kInHeightDifference))) {
        return refuse("heightDifference", RefusalReason::kInvalidValue);
    }
    return flowInputs(process, marker);
}

RuleAnswer checkFlowResult(const SteamFlowProcess& process) {
    const int status = process.status();
    if (status == kOk || status == SteamFlowStatus::kMachWarning) {
        return std::nullopt;
    }
    return refuse("status", RefusalReason::kNoShownResult, status);
}

RuleAnswer checkFlowResult(const GasFlowProcess& process) {
    const int status = process.status();
    if (status == kOk || status == GasFlowStatus::kMachWarning) {
        return std::nullopt;
    }
    return refuse("status", RefusalReason::kNoShownResult, status);
}

RuleAnswer checkAmbient(const AmbientData& ambient, MarkerMeaning marker) {
    return firstRefusal({
        given("temperature", ambient.input(AmbientData::kTemperature), marker),
        given("relativeHumidity", ambient.input(AmbientData::kRelativeHumidity), marker),
        given("level", ambient.input(AmbientData::kLevel), marker),
    });
}

RuleAnswer checkOutflow(const OutflowInputs& in) {
    constexpr MarkerMeaning kTyped = MarkerMeaning::kNumber;
    return firstRefusal({
        required("p0", in.p0, kTyped, true),
        required("t0", in.t0, kTyped, true),
        required("length", in.length, kTyped, true),
        required("diameter", in.diameter, kTyped, true),
        required("pTank", in.pTank, kTyped, true),
        required("tubeCount", in.tubeCount, kTyped, false),
    });
}

RuleAnswer checkDiagramRanges(const SteamThermalProcess& process, const DiagramRanges& ranges) {
    const double pMax =
        std::max(process.initialState().pressure(), process.finalState().pressure());
    if (RuleAnswer answer = diagramOrder(ranges)) {
        return answer;
    }
    const bool inRange = ranges.tMin >= kLowestSteamTemperature &&
                         ranges.tMax <= kHighestSteamTemperature &&
                         !(ranges.tMax > kHighPressureTemperature && pMax > kHighPressure);
    return inRange ? std::nullopt : RuleAnswer(refuse("ranges", RefusalReason::kDiagramRange));
}

RuleAnswer checkDiagramRanges(const HsDiagramRanges& r) {
    const bool drawable = std::isfinite(r.hMax - r.hMin) && std::isfinite(r.sMax - r.sMin) &&
                          r.hMax > r.hMin && r.sMax > r.sMin;
    return drawable ? std::nullopt : RuleAnswer(refuse("ranges", RefusalReason::kDiagramRange));
}

RuleAnswer checkDiagramRanges(const GasThermalProcess& process, const DiagramRanges& ranges) {
    if (RuleAnswer answer = diagramOrder(ranges)) {
        return answer;
    }
    const gas::GasAnalysis& analysis = *process.initialState().analysis();
    const bool inRange =
        ranges.tMin >= analysis.minTemperature() && ranges.tMax <= analysis.maxTemperature();
    return inRange ? std::nullopt : RuleAnswer(refuse("ranges", RefusalReason::kDiagramRange));
}

}  // namespace vaporis::processes
