#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

namespace vaporis::python {

namespace py = pybind11;

//! Raised to Python as vaporis.Error with the program's own message.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

//! Numbers or arrays of the inputs of one call, broadcast to one shape as NumPy does, each a
//! contiguous float64 array of that shape.
class Inputs {
public:
    //! Named inputs; None stands for "not given". Throws Error for a value that is no number
    //! or array of numbers, and for shapes that do not broadcast.
    explicit Inputs(std::initializer_list<std::pair<const char*, py::object>> named);

    //! Whether the input was given (not None).
    [[nodiscard]] bool given(std::size_t i) const { return given_[i]; }
    //! The values of input i, size() of them; null when it was not given.
    [[nodiscard]] const double* values(std::size_t i) const;
    //! Whether every given input was a number, not an array: results are numbers then.
    [[nodiscard]] bool scalar() const { return scalar_; }
    [[nodiscard]] py::ssize_t size() const { return size_; }
    [[nodiscard]] const std::vector<py::ssize_t>& shape() const { return shape_; }

private:
    std::vector<py::array_t<double>> arrays_;
    std::vector<bool> given_;
    std::vector<py::ssize_t> shape_;
    py::ssize_t size_ = 1;
    bool scalar_ = true;
};

//! The result arrays of a vectorised call, all of the inputs' shape, kept in a dict (nested
//! dicts for groups of values) so that they can be filled without the GIL.
class Results {
public:
    explicit Results(const Inputs& inputs) : shape_(inputs.shape()), scalar_(inputs.scalar()) {}

    //! A new float64 array under key in group (the top level for an empty group).
    double* values(const std::string& group, const std::string& key);
    //! A new int32 array of status codes under key in group.
    std::int32_t* statuses(const std::string& group, const std::string& key);
    //! The dict; for a call with numbers only, each array becomes a float or int.
    [[nodiscard]] py::dict take();

private:
    py::dict groupDict(const std::string& group);

    std::vector<py::ssize_t> shape_;
    bool scalar_;
    py::dict dict_;
};

//! Issues the notes as a Python UserWarning; nothing when they are empty.
void warn(const std::string& notes);

//! The value where status says it is valid (0), else NaN.
[[nodiscard]] double valueOrNan(double value, bool valid);

}  // namespace vaporis::python
