#pragma once

namespace vaporis {

//! Marks a double field that holds no value; result fields showing it stay empty.
inline constexpr double NOT_SET = 999.0;

//! Status of a value that has not been computed yet.
inline constexpr int kNotComputed = 999;

}  // namespace vaporis
