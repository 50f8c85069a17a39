#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/common/not_set.h"

namespace vaporis::processes::detail {

//! A row of N values that hold no value yet.
template <std::size_t N>
[[nodiscard]] constexpr std::array<double, N> notSetRow() {
    std::array<double, N> values{};
    values.fill(NOT_SET);
    return values;
}

//! Element i of row; outside for an index out of range.
template <typename T, std::size_t N>
[[nodiscard]] constexpr T valueAt(const std::array<T, N>& row, int i, T outside) {
    return i >= 0 && static_cast<std::size_t>(i) < N ? row[static_cast<std::size_t>(i)] : outside;
}

//! Element i of row; NOT_SET for an index out of range.
template <std::size_t N>
[[nodiscard]] constexpr double valueAt(const std::array<double, N>& row, int i) {
    return valueAt(row, i, NOT_SET);
}

//! True when every value of row is finite: inputs that pass their own rules can still
//! overflow a result (a flow of 1e300, an efficiency of 1e-320), which then is no result.
template <std::size_t N>
[[nodiscard]] bool allFinite(const std::array<double, N>& row) {
    return std::all_of(row.begin(), row.end(), [](double value) { return std::isfinite(value); });
}

}  // namespace vaporis::processes::detail
