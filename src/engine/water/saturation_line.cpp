#include "engine/water/saturation_line.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/common/physical_constants.h"

namespace vaporis::water {
namespace {

// IAPWS-IF97 region 4, Table 34: the coefficients n1 .. n10 of the saturation equation.
constexpr auto kSaturation = std::to_array<double>({
    0.11670521452767e4,
    -0.72421316703206e6,
    -0.17073846940092e2,
    0.12020824702470e5,
    -0.32325550322333e7,
    0.14915108613530e2,
    -0.48232657361591e4,
    0.40511340542057e6,
    -0.23855557567849,
    0.65017534844798e3,
});
static_assert(kSaturation.size() == 10);

// IAPWS-IF97, Table 1: the coefficients n1 .. n5 of the boundary between regions 2 and 3.
constexpr auto kB23 = std::to_array<double>({
    0.34805185628969e3,
    -0.11671859879975e1,
    0.10192970039326e-2,
    0.57254459862746e3,
    0.13918839778870e2,
});
static_assert(kB23.size() == 5);

constexpr double n(int i) {
    return kSaturation[static_cast<std::size_t>(i - 1)];
}

}  // namespace

double saturationPressure(double t) {
    const double tK = t + kZeroCelsiusK;
    const double theta = tK + n(9) / (tK - n(10));
    const double a = theta * theta + n(1) * theta + n(2);
    const double b = n(3) * theta * theta + n(4) * theta + n(5);
    const double c = n(6) * theta * theta + n(7) * theta + n(8);
    const double ratio = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
    const double ratio2 = ratio * ratio;
    return 10.0 * ratio2 * ratio2;
}

double saturationTemperature(double p) {
    const double beta = std::sqrt(std::sqrt(p / 10.0));
    const double e = beta * beta + n(3) * beta + n(6);
    const double f = n(1) * beta * beta + n(4) * beta + n(7);
    const double g = n(2) * beta * beta + n(5) * beta + n(8);
    const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
    const double sum = n(10) + d;
    const double tK = (sum - std::sqrt(sum * sum - 4.0 * (n(9) + n(10) * d))) / 2.0;
    return tK - kZeroCelsiusK;
}

double b23Pressure(double tK) {
    return 10.0 * (kB23[0] + kB23[1] * tK + kB23[2] * tK * tK);
}

double b23Temperature(double p) {
    return kB23[3] + std::sqrt((p / 10.0 - kB23[4]) / kB23[2]);
}

}  // namespace vaporis::water
