#pragma once

#include <array>
#include <cstddef>
#include <utility>

namespace vaporis::water::detail {

// Integer powers x^kMin .. x^kMax by multiplication; each power is the product of two lower
// ones, so the chain of dependent multiplications stays short.
template <int kMin, int kMax>
class Powers {
public:
    explicit Powers(double x) {
        at(0) = 1.0;
        if constexpr (kMax >= 1) {
            at(1) = x;
            fill<1>(std::make_index_sequence<static_cast<std::size_t>(kMax)>{});
        }
        if constexpr (kMin < 0) {
            at(-1) = 1.0 / x;
            fill<-1>(std::make_index_sequence<static_cast<std::size_t>(-kMin)>{});
        }
    }
    double operator[](int e) const { return values_[static_cast<std::size_t>(e - kMin)]; }

private:
    double& at(int e) { return values_[static_cast<std::size_t>(e - kMin)]; }

    // x^(s k) for k = 2, 3, ... as x^(s (k / 2)) x^(s (k - k / 2)), unrolled at compile time.
    template <int kSign, std::size_t... K>
    void fill(std::index_sequence<K...>) {
        ((K >= 2 ? void(at(kSign * static_cast<int>(K)) = at(kSign * static_cast<int>(K / 2)) *
                                                          at(kSign * static_cast<int>(K - K / 2)))
                 : void()),
         ...);
        constexpr int kLast = static_cast<int>(sizeof...(K));
        at(kSign * kLast) = at(kSign * (kLast / 2)) * at(kSign * (kLast - kLast / 2));
    }
    // One storage size for every table keeps instantiations that the compiler merges
    // within bounds of each other.
    static_assert(kMax - kMin + 1 <= 64);
    std::array<double, 64> values_;
};

}  // namespace vaporis::water::detail
