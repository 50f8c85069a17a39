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

}  // namespace vaporis::processes::detail
