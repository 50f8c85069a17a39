#pragma once

#include <pybind11/pybind11.h>

namespace vaporis::python {

//! Adds vaporis.GasAnalysis with its states.
void addGas(pybind11::module_& m);

}  // namespace vaporis::python
