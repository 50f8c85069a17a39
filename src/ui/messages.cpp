#include "ui/messages.h"

#include <array>

#include "ui/port.h"

namespace vaporis::ui {

namespace {

constexpr auto kMessageTable = std::to_array<std::string_view>({
    "Input data error. Please check your input data!",
    "Input data is out of validity range!",
    "Data is out of validity range!",
    "Temperature is out of validity range!",
    "Eta and lambda of He mixtures can only be evaluated up to approx. 2044K. Some results can "
    "not be evaluated!",
    "The water vapor content is too high (condensation).\n\nH2O dew point =",
    "Max. H2O content =",
    "Warning: The temperature at process end is below the H2O dew point! Condensation heat and "
    "volumetric expansion are considered!",
    "Error: Gas mix is 100% H2O. Please use water / steam processes!",
    "An unknown error has occured! Please check your input data!",
    "The results are out of validity range!",
    "State too close to boiling temperature! Use steam quality x as input parameter!",
    "Mach number > 1! Calculation only valid for subsonic flows and incompressible fluids!",
    "Warning: Mach number >",
    "! Consider errors in results near sonic velocity (calculation only valid for incompressible "
    "fluids)!",
    "Warning: For heat loss calculation the flux of fluid has to be specified!",
    "The specified heat loss is too high (temperature at process end < 0°C)!",
    "The specified heat gain is too high (temperature at process end > T_max",
    "Error: Pressure is too high!",
    "Error: Pressure is too low!",
    "Input data error! p1 < p2!",
    "Result is out of validity range!",
    "Input data error for calculation of free flow (abience data)!",
    "The ambient temperature has to be between 0°C and the boiling temperature of water at "
    "atmospheric pressure (approx. 100°C)!",
    "The relative humidity has to be between 0 and 100%!",
    "Error in free flow calculation!",
    "The free flow calculation has been aborted.",
    "Gas consists of water vapor only!",
    "Input data error. Please check p, T and VALUE!",
    "Input data error. Please check VALUE!",
    "No saturation possible (would be 100% water vapor)!",
    "Input data error: Max. value for VALUE is 100%!",
    "No gas mixture present! Fraction is always 100%!",
    "Amount to be remouved is too high!",
    "Amount to be added is too high!",
    "File already exists! Overwrite?",
    "The input file has been generated from a newer version of this program. Data might have "
    "been lost.\n\nPlease download the newest version of this program from "
    "https://vaporis.example.org!",
    "Invalid filetype!",
    "File not found!",
    "Input data error. Check your gas analysis!",
    "Input data error. Sum of all components = 0!",
    "Warning: Analysis does not add up to 100%. Scale compontents to 100%?",
    "Input data error: T_min or T_max out of validity range!",
    "Additional zeta in/out is limited with",
});
static_assert(kMessageTable.size() == kMessageCount);

}  // namespace

std::string_view messageText(int number) {
    if (number < 0 || number >= kMessageCount) {
        return {};
    }
    return kMessageTable[static_cast<std::size_t>(number)];
}

void showMessage(Port& port, int number, std::string_view caption) {
    port.message(messageText(number), caption, MessageButtons::kOk);
}

bool askMessage(Port& port, int number, std::string_view caption) {
    return port.message(messageText(number), caption, MessageButtons::kYesNo) ==
           MessageAnswer::kYes;
}

}  // namespace vaporis::ui
