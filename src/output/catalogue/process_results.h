#pragma once

#include <array>
#include <string_view>

#include "processes/thermal/thermal_process.h"

namespace vaporis::output {

//! What a process result needs besides a value of its own before it is shown, as the dialogs
//! show them.
enum ResultNeeds : unsigned {
    kNeedsValue = 0,
    kNeedsFlux = 1,           //!< a mass, volume or normal volume flow was given
    kNeedsHeatLossValid = 4,  //!< the heat loss is on and its state could be computed
    kNeedsIsentropicType = 8,
    kNeedsBalanceType = 16,
    kNeedsCondensed = 32,  //!< gases: water condensed in the final state
    kGivenFlow = 64,       //!< a flow as given: a number whatever its value, the marker too
    kJsonOnly = 128,       //!< the same quantity in the JSON's units; tables show it once
};

//! Which media have a result.
enum class ResultMedia { kBoth, kSteamOnly, kGasOnly };

//! One result of a thermal process: its key in JSON and CSV, its label with the written unit,
//! its slot in the process's results, what it needs, the factor from the slot's unit to the
//! label's, and the media that have it.
struct ProcessResultEntry {
    std::string_view key;
    std::string_view label;
    int slot;
    unsigned needs = kNeedsValue;
    double scale = 1.0;
    ResultMedia media = ResultMedia::kBoth;
};

//! The results of both thermal processes in the order they are printed: the ones both media
//! have first, then the gas's own.
inline constexpr auto kProcessResultCatalogue = std::to_array<ProcessResultEntry>({
    {"massFlow", "mass flow [kg/s]", processes::kShownMassFlow, kNeedsFlux | kGivenFlow},
    {"volumeFlow", "volume flow [m³/s]", processes::kShownVolumeFlow, kNeedsFlux | kGivenFlow},
    {"dh", "enthalpy difference [kJ/kg]", processes::kEnthalpyChange},
    {"dhIsentropic", "isentropic enthalpy difference [kJ/kg]", processes::kIsentropicChange,
     kNeedsIsentropicType},
    {"ds", "entropy difference [kJ/(kg K)]", processes::kEntropyChange},
    {"power", "power [kW]", processes::kPower, kNeedsFlux},
    {"hAfterLoss", "enthalpy after heat loss [kJ/kg]", processes::kEnthalpyAfterLoss,
     kNeedsHeatLossValid},
    {"tAfterLoss", "temperature after heat loss [°C]", processes::kTemperatureAfterLoss,
     kNeedsHeatLossValid},
    {"xAfterLoss", "steam quality after heat loss [-]", processes::kQualityAfterLoss,
     kNeedsHeatLossValid, 1.0, ResultMedia::kSteamOnly},
    {"expansion", "volumetric expansion [%]", processes::kExpansion},
    {"massDischarge", "mass discharge [%]", processes::kMassDischarge},
    {"normalVolumeFlow", "normal volume flow [Nm³/s]", processes::kShownNormalVolumeFlow,
     kNeedsFlux | kGivenFlow, 1.0, ResultMedia::kGasOnly},
    {"t2Isentropic", "isentropic final temperature [°C]", processes::kIsentropicTemperature,
     kNeedsIsentropicType, 1.0, ResultMedia::kGasOnly},
    {"condensationHeat", "condensation heat [kJ/kg]", processes::kCondensationHeat,
     kNeedsBalanceType | kNeedsCondensed, 1.0, ResultMedia::kGasOnly},
    {"condensate", "condensate [g/kg]", processes::kCondensate, kNeedsCondensed, 1000.0,
     ResultMedia::kGasOnly},
    {"condensateFlow", "condensate flow [g/s]", processes::kCondensateFlow, kNeedsFlux, 1000.0,
     ResultMedia::kGasOnly},
    {"condensateFraction", "condensate [kg/kg]", processes::kCondensate,
     kNeedsCondensed | kJsonOnly, 1.0, ResultMedia::kGasOnly},
    {"condensateMassFlow", "condensate flow [kg/s]", processes::kCondensateFlow,
     kNeedsFlux | kJsonOnly, 1.0, ResultMedia::kGasOnly},
});

}  // namespace vaporis::output
