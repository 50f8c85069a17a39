#pragma once

#include <string>
#include <string_view>

namespace vaporis::processes {
class GasThermalProcess;
}  // namespace vaporis::processes

namespace vaporis::output {

//! How the program answers the status of a calculated thermal process.
struct ProcessVerdict {
    bool showResults = false;  //!< the results may be shown
    std::string message;       //!< for the user; empty when there is nothing to say
    std::string_view caption;  //!< of the message box
};

//! The answer to status of a water/steam process: results for 0, otherwise the message of the
//! failed state (a code above 100 comes from the final state).
[[nodiscard]] ProcessVerdict judgeSteamProcess(int status);

//! The answer to the status of a calculated gas process: results for 0, results with the
//! condensation warning for a final state below its dew point, the dew point and the H2O
//! content the gas can hold for an initial state below it, otherwise the message of the
//! failed state.
[[nodiscard]] ProcessVerdict judgeGasProcess(const processes::GasThermalProcess& process);

//! The medium of a thermal process, for the texts that differ between them.
enum class ProcessMedium { kSteam, kGas };

//! The text of a message a process shows while it calculates (15, 16, or 17 completed with
//! the upper temperature limit [°C]); empty for another number.
[[nodiscard]] std::string processMessageText(ProcessMedium medium, int message, double limit);

}  // namespace vaporis::output
