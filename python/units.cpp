#include "python/units.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include <pybind11/numpy.h>

#include "cli/command_error.h"
#include "python/arrays.h"

namespace vaporis::python {

namespace {

// Each element of a float64 array through `convert`.
template <typename Convert>
py::object eachElement(const py::object& value, Convert convert) {
    auto array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
    if (!array) {
        return value;
    }
    py::array_t<double> copy(array.request().shape);
    const double* from = array.data();
    double* to = copy.mutable_data();
    for (py::ssize_t i = 0; i < array.size(); ++i) {
        to[i] = convert(from[i]);
    }
    return array.ndim() == 0 ? py::object(py::float_(to[0])) : py::object(copy);
}

}  // namespace

cli::UnitOptions unitOptions(const py::object& units) {
    cli::UnitOptions options;
    if (py::isinstance<py::str>(units)) {
        options.preset = units.cast<std::string>();
    } else if (py::isinstance<py::dict>(units)) {
        for (const auto& [quantity, unit] : units.cast<py::dict>()) {
            options.list += (options.list.empty() ? "" : ",") + std::string(py::str(quantity)) +
                            "=" + std::string(py::str(unit));
        }
    } else if (!units.is_none()) {
        throw Error("units: a preset name or a dict of quantity to unit");
    }
    return options;
}

std::vector<const output::PropertyEntry*> entryList(
    std::initializer_list<const output::PropertyEntry*> inputs,
    std::initializer_list<std::span<const output::PropertyEntry>> catalogues) {
    std::vector<const output::PropertyEntry*> all(inputs);
    for (const std::span<const output::PropertyEntry> catalogue : catalogues) {
        for (const output::PropertyEntry& entry : catalogue) {
            all.push_back(&entry);
        }
    }
    return all;
}

CallUnits::CallUnits(const py::object& units) {
    try {
        scope_.choose(unitOptions(units));
    } catch (const cli::ArgumentError& error) {
        throw Error(error.what());
    }
}

py::object CallUnits::written(const char* name, const py::object& value,
                              output::ReportUnit unit) const {
    const output::Unit* writtenUnit = output::writtenUnit(unit);
    if (value.is_none() || writtenUnit == nullptr) {
        return value;
    }
    const auto read = [&](const std::string& text) {
        const output::Reading reading = output::readValue(text, *writtenUnit, cli::shownUnits());
        if (!reading.ok()) {
            throw Error(std::string(name) + ": " + reading.refusal);
        }
        return reading.value;
    };
    if (py::isinstance<py::str>(value)) {
        return py::float_(read(value.cast<std::string>()));
    }
    if (cli::shownUnits().isWritten()) {
        return value;
    }
    // A number the unit refuses (below absolute zero) is a failed point, as any other.
    const output::Unit& given = output::shownUnit(*writtenUnit, cli::shownUnits());
    return eachElement(value, [&](double number) {
        const output::Reading reading =
            output::toWritten(number, given, *writtenUnit, cli::shownUnits().referencePressure, {});
        return reading.ok() ? reading.value : std::numeric_limits<double>::quiet_NaN();
    });
}

void CallUnits::show(py::dict& dict,
                     const std::vector<const output::PropertyEntry*>& entries) const {
    if (cli::shownUnits().isWritten()) {
        return;
    }
    for (auto item : dict) {
        const std::string key = py::str(item.first);
        if (py::isinstance<py::dict>(item.second)) {
            if (key != "status" && key.find("Status") == std::string::npos) {
                py::dict inner = py::reinterpret_borrow<py::dict>(item.second);
                show(inner, entries);
            }
            continue;
        }
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&key](const auto* e) { return e->key == key; });
        if (entry != entries.end() && output::shownConverted((*entry)->unit, cli::shownUnits())) {
            const output::ReportUnit unit = (*entry)->unit;
            dict[item.first] = eachElement(py::reinterpret_borrow<py::object>(item.second),
                                           [unit](double v) { return cli::shownValue(v, unit); });
        }
    }
}

}  // namespace vaporis::python
