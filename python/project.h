#pragma once

#include <pybind11/pybind11.h>

namespace vaporis::python {

//! Adds vaporis.Project: the inputs of a project file.
void addProject(pybind11::module_& m);

}  // namespace vaporis::python
