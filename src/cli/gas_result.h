#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/gas_condensing.h"
#include "engine/gas/gas_state.h"
#include "engine/gas/status_codes.h"

namespace vaporis::gas {
class GasAnalysis;
}

namespace vaporis::cli {

//! The pair index of a gas state given by p and t; 1 is p and h.
inline constexpr std::size_t kByTemperature = 0;

//! Why a state given by its entropy has no values.
inline constexpr std::string_view kNoTemperatureText =
    "no temperature has this entropy at this pressure";

//! A gas state as the gas-property dialog judges it.
struct GasResult {
    gas::GasState state;
    //! The GasState's status, kOutOfRange for a pressure outside the range, kCondensation
    //! for a temperature below the dew point.
    int status = gas::kNotCalculated;
    bool valid = false;             //!< the properties may be shown
    bool temperatureKnown = false;  //!< given, or computed from h
    std::string message;            //!< for the user: why not valid, or a warning
};

//! The gas state at p [bar] and value, t [°C] for pair kByTemperature, else h [kJ/kg].
[[nodiscard]] GasResult computeGas(const gas::GasAnalysis& analysis, std::size_t pair, double p,
                                   double value);

//! Whether property k of a state is shown: only of a valid state, not the transport values the
//! helium limit leaves out, and no dew point for a gas without one.
[[nodiscard]] bool gasPropertyShown(const GasResult& result, int k);

//! A state of `gas --condensation`: the gas state at the temperature given or found, and the
//! gas with its condensate. Below the dew point the gas alone is refused, but gas plus
//! condensate is the result.
struct CondensingResult {
    GasResult gas;
    CondensingState condensing;
    bool failed = false;  //!< neither the gas nor gas plus condensate has values
    std::string message;  //!< why it failed, or a warning beside the values
};

//! The condensing result at p [bar] and the given t [°C], h [kJ/kg] or s [kJ/(kg K)].
[[nodiscard]] CondensingResult computeCondensing(const gas::GasAnalysis& analysis,
                                                 CondensingInput input, double p, double value);

}  // namespace vaporis::cli
