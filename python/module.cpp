// The Python module vaporis: water/steam after IAPWS-IF97, gas mixtures with condensation,
// the thermal processes, flows and tools, and project files, on the program's own engines.
#include <pybind11/pybind11.h>

#include "python/arrays.h"
#include "python/commands.h"
#include "python/gas.h"
#include "python/project.h"
#include "python/steam.h"

PYBIND11_MODULE(vaporis, m) {
    namespace python = vaporis::python;
    m.doc() =
        "Water/steam after IAPWS-IF97, gas mixtures with condensation, thermal processes, pipe "
        "flows and engineering tools, in the units bar, °C, kJ/kg, kJ/(kg K), m³/kg.";
    pybind11::register_exception<python::Error>(m, "Error", PyExc_ValueError);
    python::addSteam(m);
    python::addGas(m);
    python::addCommands(m);
    python::addProject(m);
}
