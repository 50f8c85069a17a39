#pragma once

#include <array>
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

}  // namespace vaporis::processes::detail
