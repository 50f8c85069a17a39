#pragma once

#include <string>
#include <string_view>

#include "output/units/units.h"

namespace vaporis::output {

//! The text with every value it names in a written unit ("2000 °C", "100 bar", "2044K",
//! "0.1m", "15.2 kJ/kg") shown in the chosen unit, six significant digits; the lower end of a
//! range ("0.01 <= t <= 800 °C") too. A value whose unit the choice keeps stays as written, so
//! with the written units the text is returned byte for byte.
[[nodiscard]] std::string shownLimits(std::string_view text, const UnitChoice& choice);

}  // namespace vaporis::output
