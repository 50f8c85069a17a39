#pragma once

#include <string>

namespace vaporis::gas {
class GasAnalysis;
}

namespace vaporis::python {

//! Writes the analysis to a .gas file at path, safely; vaporis.Error with the program's message
//! and the cause when it could not.
void writeAnalysis(const gas::GasAnalysis& analysis, const std::string& path);

}  // namespace vaporis::python
