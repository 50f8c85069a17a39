#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include <pybind11/pybind11.h>

#include "cli/shown_units.h"
#include "output/catalogue/property_catalogue.h"
#include "output/catalogue/report_unit.h"

namespace vaporis::python {

namespace py = pybind11;

//! The entries of the values a call returns, for their units: `inputs`, then every entry of
//! `catalogues`.
[[nodiscard]] std::vector<const output::PropertyEntry*> entryList(
    std::initializer_list<const output::PropertyEntry*> inputs,
    std::initializer_list<std::span<const output::PropertyEntry>> catalogues);

//! The --units and --unit options of a `units=` keyword (see CallUnits). Throws Error for
//! another type.
[[nodiscard]] cli::UnitOptions unitOptions(const py::object& units);

//! The units of one call, from its `units=` keyword: None (the written units), a preset name
//! ("written", "si-mpa", "us") or a dict of quantity to unit ({"p": "psig", "t": "F"}). They
//! hold while the object lives.
class CallUnits {
public:
    //! Throws Error for an unknown preset, quantity or unit.
    explicit CallUnits(const py::object& units);

    //! An input whose written unit is `unit`, in that unit: numbers (and arrays) are in the
    //! chosen unit, a text such as "725.189 psia" carries its own. Throws Error naming the
    //! input for a unit of another quantity or a value below absolute zero.
    [[nodiscard]] py::object written(const char* name, const py::object& value,
                                     output::ReportUnit unit) const;

    //! Every value of `dict` whose key one of `entries` names (also in the dicts it holds,
    //! but not in their statuses) as shown in the chosen units.
    void show(py::dict& dict, const std::vector<const output::PropertyEntry*>& entries) const;

private:
    cli::CommandUnits scope_;
};

}  // namespace vaporis::python
