#pragma once

#include <pybind11/pybind11.h>

namespace vaporis::python {

//! Adds vaporis.steam: water/steam states from numbers or NumPy arrays.
void addSteam(pybind11::module_& m);

}  // namespace vaporis::python
