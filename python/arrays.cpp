#include "python/arrays.h"

#include <limits>

namespace vaporis::python {

namespace {

py::array_t<double> numbers(const char* name, const py::object& value) {
    if (py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value)) {
        throw Error(std::string(name) + ": a number or an array of numbers, not a text");
    }
    try {
        return py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
    } catch (const py::error_already_set&) {
        throw Error(std::string(name) + ": not a number or an array of numbers");
    }
}

// Converts each 0-d array of a (nested) dict into a Python number.
void unpackScalars(py::dict& dict) {
    for (auto item : dict) {
        if (py::isinstance<py::dict>(item.second)) {
            py::dict inner = py::reinterpret_borrow<py::dict>(item.second);
            unpackScalars(inner);
        } else {
            dict[item.first] = item.second.attr("item")();
        }
    }
}

}  // namespace

Inputs::Inputs(std::initializer_list<std::pair<const char*, py::object>> named) {
    py::list given;
    std::string names;
    for (const auto& [name, value] : named) {
        given_.push_back(!value.is_none());
        if (value.is_none()) {
            continue;
        }
        py::array_t<double> array = numbers(name, value);
        if (!array) {
            throw Error(std::string(name) + ": not a number or an array of numbers");
        }
        scalar_ = scalar_ && array.ndim() == 0;
        given.append(array);
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    py::list broadcast;
    try {
        broadcast = py::module_::import("numpy").attr("broadcast_arrays")(*given);
    } catch (const py::error_already_set&) {
        throw Error(names + ": arrays of shapes that do not broadcast to one shape");
    }
    std::size_t next = 0;
    for (const bool isGiven : given_) {
        if (!isGiven) {
            arrays_.emplace_back();
            continue;
        }
        arrays_.push_back(py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(
            broadcast[next++]));
    }
    if (next > 0) {
        const py::array& first = broadcast[0].cast<py::array>();
        shape_.assign(first.shape(), first.shape() + first.ndim());
        size_ = first.size();
    }
}

const double* Inputs::values(std::size_t i) const {
    return given_[i] ? arrays_[i].data() : nullptr;
}

py::dict Results::groupDict(const std::string& group) {
    if (group.empty()) {
        return dict_;
    }
    if (!dict_.contains(group)) {
        dict_[group.c_str()] = py::dict();
    }
    return dict_[group.c_str()].cast<py::dict>();
}

double* Results::values(const std::string& group, const std::string& key) {
    py::array_t<double> array(shape_);
    groupDict(group)[key.c_str()] = array;
    return array.mutable_data();
}

std::int32_t* Results::statuses(const std::string& group, const std::string& key) {
    py::array_t<std::int32_t> array(shape_);
    groupDict(group)[key.c_str()] = array;
    return array.mutable_data();
}

py::dict Results::take() {
    if (scalar_) {
        unpackScalars(dict_);
    }
    return dict_;
}

void warn(const std::string& notes) {
    if (!notes.empty() && PyErr_WarnEx(PyExc_UserWarning, notes.c_str(), 1) != 0) {
        throw py::error_already_set();
    }
}

double valueOrNan(double value, bool valid) {
    return valid ? value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace vaporis::python
