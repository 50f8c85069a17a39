#include "processes/flow/pipe_flow_correlations.h"

#include <cmath>

#include "engine/common/finite_result.h"
#include "processes/status_codes.h"

namespace vaporis::processes {
namespace {

// Newton's iteration on Colebrook's equation settles in 2 to 5 steps for every Re >= 2320.
constexpr int kMaxColebrookSteps = 50;
constexpr double kTwoOverLn10 = 0.868588963806503655;  // d(2 log10 u)/du * u
constexpr double kColebrookTolerance = 1e-10;

constexpr double kLaminarNusseltLimit = 2300.0;
constexpr double kTurbulentNusseltLimit = 10000.0;

constexpr double cube(double x) {
    return x * x * x;
}

// Raises the friction coefficient of slow flows; the branches nearly meet at Re 500 and 2500.
double lowReynoldsFactor(double re) {
    if (re < 500.0) {
        return 700.0 / re;
    }
    if (re < 2500.0) {
        return std::exp(1.636 - 0.209 * std::log(re));
    }
    return 1.0;
}

// Colebrook's 1/sqrt(lambda) = -2 log10(2.51 / (Re sqrt(lambda)) + k / (3.71 d)), solved for
// y = 1/sqrt(lambda) as f(y) = y + 2 log10(b y + a) = 0. f rises and is concave, so Newton's
// steps from lambda = 1 climb monotonically to the root whenever lambda < 1: four or five
// steps where the plain fixed-point iteration takes up to fifteen. A y that is not positive
// means no friction coefficient below 1 exists (a roughness larger than the diameter).
double colebrook(double re, double relativeRoughness, int& status) {
    const double a = relativeRoughness / 3.71;
    const double b = 2.51 / re;
    double y = 1.0;
    double lambda = 1.0;
    for (int step = 0; step < kMaxColebrookSteps; ++step) {
        const double u = b * y + a;
        y -= (y + 2.0 * std::log10(u)) / (1.0 + kTwoOverLn10 * b / u);
        if (!(y > 0.0)) {
            break;
        }
        const double next = 1.0 / (y * y);
        const bool settled = std::abs(lambda - next) <= kColebrookTolerance;
        lambda = next;
        if (settled) {
            status = kOk;
            return lambda;
        }
    }
    status = codeOf(FlowStatus::kFrictionNoConvergence);
    return -1.0;
}

// Mean over the tube length of a laminar flow with developing temperature profile (VDI
// Heat Atlas); the two cube-root exponents are kept as the decimal constants of the law.
double laminarNusselt(double re, double pr, double dOverL) {
    const double x = re * pr * dOverL;
    const double nu2 = 1.615 * std::pow(x, 0.3333333333333);
    const double nu3 = std::pow(2.0 / (1.0 + 22.0 * pr), 1.0 / 6.0) * std::pow(x, 0.5);
    return std::pow(cube(3.66) + cube(0.7) + cube(nu2 - 0.7) + cube(nu3), 0.333333333333333);
}

// Gnielinski with the tube-length correction.
double turbulentNusselt(double re, double pr, double dOverL) {
    const double xi = std::pow(1.8 * std::log10(re) - 1.5, -2.0);
    return xi / 8.0 * re * pr /
           (1.0 + 12.7 * std::sqrt(xi / 8.0) * (std::pow(pr, 2.0 / 3.0) - 1.0)) *
           (1.0 + std::pow(dOverL, 2.0 / 3.0));
}

}  // namespace

double frictionCoefficient(double re, double k, double d, int& status) {
    if (!std::isfinite(re) || !std::isfinite(k) || !std::isfinite(d) || re <= 0.0 || k < 0.0 ||
        d <= 0.0) {
        status = codeOf(FlowStatus::kInputInvalid);
        return -1.0;
    }
    status = kOk;
    const double lambda = re < kLaminarFrictionLimit ? 64.0 / re : colebrook(re, k / d, status);
    return status == kOk ? finiteResult(lambda * lowReynoldsFactor(re), status,
                                        codeOf(FlowStatus::kInputInvalid))
                         : -1.0;
}

double rectangularLaminarFactor(double a, double b) {
    const double r = a >= b ? b / a : a / b;
    return (1.102678571 * r - 1.618392857) * r + 1.493214286;
}

double nusseltNumber(double re, double pr, double dOverL) {
    if (re <= kLaminarNusseltLimit) {
        return laminarNusselt(re, pr, dOverL);
    }
    if (re >= kTurbulentNusseltLimit) {
        return turbulentNusselt(re, pr, dOverL);
    }
    const double gamma =
        (re - kLaminarNusseltLimit) / (kTurbulentNusseltLimit - kLaminarNusseltLimit);
    return (1.0 - gamma) * laminarNusselt(kLaminarNusseltLimit, pr, dOverL) +
           gamma * turbulentNusselt(kTurbulentNusseltLimit, pr, dOverL);
}

}  // namespace vaporis::processes
