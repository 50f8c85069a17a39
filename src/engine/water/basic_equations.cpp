#include "engine/water/basic_equations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/common/physical_constants.h"
#include "engine/water/integer_powers.h"

namespace vaporis::water {
namespace {

using detail::Powers;

// Coefficients of IAPWS-IF97 (IAPWS R7-97); region 5 residual as in the 1997 release.
// GibbsTerm holds the columns I, J, n as published (the comment is the row number i);
// IdealTerm the columns J°, n°.
struct GibbsTerm {
    int i;
    int j;
    double n;
};
struct IdealTerm {
    int j;
    double n;
};

// Region 1, Table 2: gamma = sum n (7.1 - pi)^I (tau - 1.222)^J.
constexpr auto kRegion1Terms = std::to_array<GibbsTerm>({
    {0, -2, 0.14632971213167},         // 1
    {0, -1, -0.84548187169114},        // 2
    {0, 0, -0.37563603672040e1},       // 3
    {0, 1, 0.33855169168385e1},        // 4
    {0, 2, -0.95791963387872},         // 5
    {0, 3, 0.15772038513228},          // 6
    {0, 4, -0.16616417199501e-1},      // 7
    {0, 5, 0.81214629983568e-3},       // 8
    {1, -9, 0.28319080123804e-3},      // 9
    {1, -7, -0.60706301565874e-3},     // 10
    {1, -1, -0.18990068218419e-1},     // 11
    {1, 0, -0.32529748770505e-1},      // 12
    {1, 1, -0.21841717175414e-1},      // 13
    {1, 3, -0.52838357969930e-4},      // 14
    {2, -3, -0.47184321073267e-3},     // 15
    {2, 0, -0.30001780793026e-3},      // 16
    {2, 1, 0.47661393906987e-4},       // 17
    {2, 3, -0.44141845330846e-5},      // 18
    {2, 17, -0.72694996297594e-15},    // 19
    {3, -4, -0.31679644845054e-4},     // 20
    {3, 0, -0.28270797985312e-5},      // 21
    {3, 6, -0.85205128120103e-9},      // 22
    {4, -5, -0.22425281908000e-5},     // 23
    {4, -2, -0.65171222895601e-6},     // 24
    {4, 10, -0.14341729937924e-12},    // 25
    {5, -8, -0.40516996860117e-6},     // 26
    {8, -11, -0.12734301741641e-8},    // 27
    {8, -6, -0.17424871230634e-9},     // 28
    {21, -29, -0.68762131295531e-18},  // 29
    {23, -31, 0.14478307828521e-19},   // 30
    {29, -38, 0.26335781662795e-22},   // 31
    {30, -39, -0.11947622640071e-22},  // 32
    {31, -40, 0.18228094581404e-23},   // 33
    {32, -41, -0.93537087292458e-25},  // 34
});
static_assert(kRegion1Terms.size() == 34);

// Region 2, Table 10: ideal-gas part gamma° = ln pi + sum n° tau^J°.
constexpr auto kRegion2Ideal = std::to_array<IdealTerm>({
    {0, -0.96927686500217e1},
    {1, 0.10086655968018e2},
    {-5, -0.56087911283020e-2},
    {-4, 0.71452738081455e-1},
    {-3, -0.40710498223928},
    {-2, 0.14240819171444e1},
    {-1, -0.43839511319450e1},
    {2, -0.28408632460772},
    {3, 0.21268463753307e-1},
});
static_assert(kRegion2Ideal.size() == 9);

// Region 2, Table 11: residual part gamma^r = sum n pi^I (tau - 0.5)^J.
constexpr auto kRegion2Terms = std::to_array<GibbsTerm>({
    {1, 0, -0.17731742473213e-2},     // 1
    {1, 1, -0.17834862292358e-1},     // 2
    {1, 2, -0.45996013696365e-1},     // 3
    {1, 3, -0.57581259083432e-1},     // 4
    {1, 6, -0.50325278727930e-1},     // 5
    {2, 1, -0.33032641670203e-4},     // 6
    {2, 2, -0.18948987516315e-3},     // 7
    {2, 4, -0.39392777243355e-2},     // 8
    {2, 7, -0.43797295650573e-1},     // 9
    {2, 36, -0.26674547914087e-4},    // 10
    {3, 0, 0.20481737692309e-7},      // 11
    {3, 1, 0.43870667284435e-6},      // 12
    {3, 3, -0.32277677238570e-4},     // 13
    {3, 6, -0.15033924542148e-2},     // 14
    {3, 35, -0.40668253562649e-1},    // 15
    {4, 1, -0.78847309559367e-9},     // 16
    {4, 2, 0.12790717852285e-7},      // 17
    {4, 3, 0.48225372718507e-6},      // 18
    {5, 7, 0.22922076337661e-5},      // 19
    {6, 3, -0.16714766451061e-10},    // 20
    {6, 16, -0.21171472321355e-2},    // 21
    {6, 35, -0.23895741934104e2},     // 22
    {7, 0, -0.59059564324270e-17},    // 23
    {7, 11, -0.12621808899101e-5},    // 24
    {7, 25, -0.38946842435739e-1},    // 25
    {8, 8, 0.11256211360459e-10},     // 26
    {8, 36, -0.82311340897998e1},     // 27
    {9, 13, 0.19809712802088e-7},     // 28
    {10, 4, 0.10406965210174e-18},    // 29
    {10, 10, -0.10234747095929e-12},  // 30
    {10, 14, -0.10018179379511e-8},   // 31
    {16, 29, -0.80882908646985e-10},  // 32
    {16, 50, 0.10693031879409},       // 33
    {18, 57, -0.33662250574171},      // 34
    {20, 20, 0.89185845355421e-24},   // 35
    {20, 35, 0.30629316876232e-12},   // 36
    {20, 48, -0.42002467698208e-5},   // 37
    {21, 21, -0.59056029685639e-25},  // 38
    {22, 53, 0.37826947613457e-5},    // 39
    {23, 39, -0.12768608934681e-14},  // 40
    {24, 26, 0.73087610595061e-28},   // 41
    {24, 40, 0.55414715350778e-16},   // 42
    {24, 58, -0.94369707241210e-6},   // 43
});
static_assert(kRegion2Terms.size() == 43);

// Region 3, Table 30: phi = n1 ln delta + sum(i = 2..40) n delta^I tau^J; the rows below are
// terms 2 to 40, term 1 has no exponents.
constexpr double kRegion3LogCoefficient = 0.10658070028513e1;
constexpr auto kRegion3Terms = std::to_array<GibbsTerm>({
    {0, 0, -0.15732845290239e2},     // 2
    {0, 1, 0.20944396974307e2},      // 3
    {0, 2, -0.76867707878716e1},     // 4
    {0, 7, 0.26185947787954e1},      // 5
    {0, 10, -0.28080781148620e1},    // 6
    {0, 12, 0.12053369696517e1},     // 7
    {0, 23, -0.84566812812502e-2},   // 8
    {1, 2, -0.12654315477714e1},     // 9
    {1, 6, -0.11524407806681e1},     // 10
    {1, 15, 0.88521043984318},       // 11
    {1, 17, -0.64207765181607},      // 12
    {2, 0, 0.38493460186671},        // 13
    {2, 2, -0.85214708824206},       // 14
    {2, 6, 0.48972281541877e1},      // 15
    {2, 7, -0.30502617256965e1},     // 16
    {2, 22, 0.39420536879154e-1},    // 17
    {2, 26, 0.12558408424308},       // 18
    {3, 0, -0.27999329698710},       // 19
    {3, 2, 0.13899799569460e1},      // 20
    {3, 4, -0.20189915023570e1},     // 21
    {3, 16, -0.82147637173963e-2},   // 22
    {3, 26, -0.47596035734923},      // 23
    {4, 0, 0.43984074473500e-1},     // 24
    {4, 2, -0.44476435428739},       // 25
    {4, 4, 0.90572070719733},        // 26
    {4, 26, 0.70522450087967},       // 27
    {5, 1, 0.10770512626332},        // 28
    {5, 3, -0.32913623258954},       // 29
    {5, 26, -0.50871062041158},      // 30
    {6, 0, -0.22175400873096e-1},    // 31
    {6, 2, 0.94260751665092e-1},     // 32
    {6, 26, 0.16436278447961},       // 33
    {7, 2, -0.13503372241348e-1},    // 34
    {8, 26, -0.14834345352472e-1},   // 35
    {9, 2, 0.57922953628084e-3},     // 36
    {9, 26, 0.32308904703711e-2},    // 37
    {10, 0, 0.80964802996215e-4},    // 38
    {10, 1, -0.16557679795037e-3},   // 39
    {11, 26, -0.44923899061815e-4},  // 40
});
static_assert(kRegion3Terms.size() == 39);

// Region 5, Table 37: ideal-gas part.
constexpr auto kRegion5Ideal = std::to_array<IdealTerm>({
    {0, -0.13179983674201e2},
    {1, 0.68540841634434e1},
    {-3, -0.24805148933466e-1},
    {-2, 0.36901534980333},
    {-1, -0.31161318213925e1},
    {2, -0.32961626538917},
});
static_assert(kRegion5Ideal.size() == 6);

// Region 5, residual part of the 1997 release (five terms; the 2007 revision has six).
constexpr auto kRegion5Terms = std::to_array<GibbsTerm>({
    {1, 0, -0.12563183589592e-3},
    {1, 1, 0.21774678714571e-2},
    {1, 3, -0.45942820899910e-2},
    {2, 9, -0.39724828359569e-5},
    {3, 3, 0.12919228289784e-6},
});
static_assert(kRegion5Terms.size() == 5);

// Reducing values in the engine's units (bar, K, kg/m³).
constexpr double kRegion1PStar = 165.3;
constexpr double kRegion1TStar = 1386.0;
constexpr double kRegion2PStar = 10.0;
constexpr double kRegion2TStar = 540.0;
using detail::kRegion3RhoStar;
using detail::kRegion3TStar;
constexpr double kRegion5PStar = 10.0;
constexpr double kRegion5TStar = 1000.0;

// Which derivatives a property needs; the sums skip the others at compile time.
enum Need : unsigned {
    kNeedValue = 1U,
    kNeedPi = 2U,
    kNeedPiPi = 4U,
    kNeedTau = 8U,
    kNeedTauTau = 16U,
    kNeedPiTau = 32U,
    kNeedAll = 63U,
};

template <std::size_t N>
constexpr int maxExponentI(const std::array<GibbsTerm, N>& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::max(m, term.i);
    }
    return m;
}

template <std::size_t N>
constexpr int maxExponentJ(const std::array<GibbsTerm, N>& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::max(m, term.j);
    }
    return m;
}

// Lowest power of Y a second tau derivative reaches (J - 2 for negative J).
template <std::size_t N>
constexpr int minExponentJ(const std::array<GibbsTerm, N>& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::min(m, term.j - 2);
    }
    return m;
}

// One term n X^I Y^J and its derivatives by X and Y.
template <unsigned kNeed, int I, int J, typename XPowers, typename YPowers>
inline void addTerm(BasicEquation& e, double n, const XPowers& x, const YPowers& y) {
    if constexpr ((kNeed & kNeedValue) != 0) {
        e.value += n * x[I] * y[J];
    }
    if constexpr ((kNeed & kNeedPi) != 0 && I != 0) {
        e.pi += n * I * x[I - 1] * y[J];
    }
    if constexpr ((kNeed & kNeedPiPi) != 0 && I != 0 && I != 1) {
        e.piPi += n * (I * (I - 1)) * x[I - 2] * y[J];
    }
    if constexpr ((kNeed & kNeedTau) != 0 && J != 0) {
        e.tau += n * J * x[I] * y[J - 1];
    }
    if constexpr ((kNeed & kNeedTauTau) != 0 && J != 0 && J != 1) {
        e.tauTau += n * (J * (J - 1)) * x[I] * y[J - 2];
    }
    if constexpr ((kNeed & kNeedPiTau) != 0 && I != 0 && J != 0) {
        e.piTau += n * (I * J) * x[I - 1] * y[J - 1];
    }
}

BasicEquation& operator+=(BasicEquation& a, const BasicEquation& b) {
    a.value += b.value;
    a.pi += b.pi;
    a.piPi += b.piPi;
    a.tau += b.tau;
    a.tauTau += b.tauTau;
    a.piTau += b.piTau;
    return a;
}

// The terms go round-robin into four partial sums: one long chain of dependent additions
// would take most of the time of a property.
template <const auto& kTerms, unsigned kNeed, typename XPowers, typename YPowers>
BasicEquation sumTerms(const XPowers& x, const YPowers& y) {
    std::array<BasicEquation, 4> partial{};
    [&]<std::size_t... K>(std::index_sequence<K...>) {
        (addTerm<kNeed, kTerms[K].i, kTerms[K].j>(partial[K % 4], kTerms[K].n, x, y), ...);
    }
    (std::make_index_sequence<kTerms.size()>{});
    partial[0] += partial[1];
    partial[2] += partial[3];
    partial[0] += partial[2];
    return partial[0];
}

template <unsigned kNeed, int J, typename TauPowers>
inline void addIdealTerm(BasicEquation& e, double n, const TauPowers& tau) {
    if constexpr ((kNeed & kNeedValue) != 0) {
        e.value += n * tau[J];
    }
    if constexpr ((kNeed & kNeedTau) != 0 && J != 0) {
        e.tau += n * J * tau[J - 1];
    }
    if constexpr ((kNeed & kNeedTauTau) != 0 && J != 0 && J != 1) {
        e.tauTau += n * (J * (J - 1)) * tau[J - 2];
    }
}

// Adds the ideal-gas part ln pi + sum n° tau^J° of regions 2 and 5.
template <const auto& kTerms, unsigned kNeed, typename TauPowers>
void addIdealPart(BasicEquation& e, double pi, const TauPowers& tau) {
    [&]<std::size_t... K>(std::index_sequence<K...>) {
        (addIdealTerm<kNeed, kTerms[K].j>(e, kTerms[K].n, tau), ...);
    }
    (std::make_index_sequence<kTerms.size()>{});
    if constexpr ((kNeed & kNeedValue) != 0) {
        e.value += std::log(pi);
    }
    if constexpr ((kNeed & kNeedPi) != 0) {
        e.pi += 1.0 / pi;
    }
    if constexpr ((kNeed & kNeedPiPi) != 0) {
        e.piPi -= 1.0 / (pi * pi);
    }
}

template <unsigned kNeed>
BasicEquation region1(double pi, double tau) {
    const Powers<0, maxExponentI(kRegion1Terms)> x(7.1 - pi);
    const Powers<minExponentJ(kRegion1Terms), maxExponentJ(kRegion1Terms)> y(tau - 1.222);
    BasicEquation e = sumTerms<kRegion1Terms, kNeed>(x, y);
    // X = 7.1 - pi runs against pi.
    e.pi = -e.pi;
    e.piTau = -e.piTau;
    return e;
}

template <unsigned kNeed>
BasicEquation region2(double pi, double tau) {
    const Powers<0, maxExponentI(kRegion2Terms)> x(pi);
    const Powers<0, maxExponentJ(kRegion2Terms)> y(tau - 0.5);
    BasicEquation e = sumTerms<kRegion2Terms, kNeed>(x, y);
    addIdealPart<kRegion2Ideal, kNeed>(e, pi, Powers<-7, 3>(tau));
    return e;
}

template <unsigned kNeed>
BasicEquation region3(double delta, double tau) {
    const Powers<0, maxExponentI(kRegion3Terms)> x(delta);
    const Powers<0, maxExponentJ(kRegion3Terms)> y(tau);
    BasicEquation e = sumTerms<kRegion3Terms, kNeed>(x, y);
    if constexpr ((kNeed & kNeedValue) != 0) {
        e.value += kRegion3LogCoefficient * std::log(delta);
    }
    if constexpr ((kNeed & kNeedPi) != 0) {
        e.pi += kRegion3LogCoefficient / delta;
    }
    if constexpr ((kNeed & kNeedPiPi) != 0) {
        e.piPi -= kRegion3LogCoefficient / (delta * delta);
    }
    return e;
}

template <unsigned kNeed>
BasicEquation region5(double pi, double tau) {
    const Powers<0, maxExponentI(kRegion5Terms)> x(pi);
    const Powers<-5, maxExponentJ(kRegion5Terms)> y(tau);
    BasicEquation e = sumTerms<kRegion5Terms, kNeed>(x, y);
    addIdealPart<kRegion5Ideal, kNeed>(e, pi, y);
    return e;
}

template <unsigned kNeed>
BasicEquation evaluate(double x, double tau, int region) {
    switch (region) {
        case kRegion1:
            return region1<kNeed>(x, tau);
        case kRegion2:
            return region2<kNeed>(x, tau);
        case kRegion3:
            return region3<kNeed>(x, tau);
        case kRegion5:
            return region5<kNeed>(x, tau);
        default:
            return {};
    }
}

// A state of regions 1, 2, 5 with the derivatives of gamma at its pi and tau.
struct GibbsPoint {
    double p;
    double tK;
    double pi;
    double tau;
    BasicEquation g;
};

// A state of region 3 with the derivatives of phi at its delta and tau.
struct HelmholtzPoint {
    double v;
    double tK;
    double delta;
    double tau;
    BasicEquation f;
};

template <unsigned kNeed>
GibbsPoint gibbsPoint(double p, double tK, int region) {
    const auto [pStar, tStar] = detail::reducingValues(region);
    const double pi = p / pStar;
    const double tau = tStar / tK;
    return {p, tK, pi, tau, evaluate<kNeed>(pi, tau, region)};
}

template <unsigned kNeed>
HelmholtzPoint helmholtzPoint(double v, double tK) {
    const double delta = 1.0 / (v * kRegion3RhoStar);
    const double tau = kRegion3TStar / tK;
    return {v, tK, delta, tau, region3<kNeed>(delta, tau)};
}

// delta phi_delta - delta tau phi_delta_tau, and 2 delta phi_delta + delta² phi_delta_delta
double helmholtzPressureSlope(const HelmholtzPoint& h) {
    return h.delta * h.f.pi - h.delta * h.tau * h.f.piTau;
}
double helmholtzStiffness(const HelmholtzPoint& h) {
    return 2.0 * h.delta * h.f.pi + h.delta * h.delta * h.f.piPi;
}

constexpr unsigned kNeedSecond = kNeedPi | kNeedPiPi | kNeedTauTau | kNeedPiTau;

}  // namespace

namespace detail {

ReducingValues reducingValues(int region) {
    if (region == kRegion2) {
        return {kRegion2PStar, kRegion2TStar};
    }
    if (region == kRegion5) {
        return {kRegion5PStar, kRegion5TStar};
    }
    return {kRegion1PStar, kRegion1TStar};
}

Region3Isotherm::Region3Isotherm(double tK)
    : scale_(kRegion3RhoStar * kWaterGasConstant * tK / 100.0) {
    static_assert(maxExponentI(kRegion3Terms) + 1 == 12);
    const double tau = kRegion3TStar / tK;
    const Powers<0, maxExponentJ(kRegion3Terms)> y(tau);
    // c_I, the sum of n tau^J over the terms of each I, unrolled so that c stays in registers
    std::array<double, 12> c{};
    [&]<std::size_t... K>(std::index_sequence<K...>) {
        ((c[static_cast<std::size_t>(kRegion3Terms[K].i)] +=
          kRegion3Terms[K].n * y[kRegion3Terms[K].j]),
         ...);
    }
    (std::make_index_sequence<kRegion3Terms.size()>{});
    for (std::size_t i = 1; i < c.size(); ++i) {
        const auto exponent = static_cast<double>(i);
        pressureTerms_[i] = exponent * c[i];
        slopeTerms_[i] = exponent * (exponent + 1.0) * c[i];
    }
}

Region3Isotherm::Point Region3Isotherm::at(double delta) const {
    // delta² phi_delta = n1 delta + sum I c_I delta^(I + 1), and its derivative by delta,
    // nested from the highest power down
    double pressureSum = 0.0;
    double slopeSum = 0.0;
    for (std::size_t i = pressureTerms_.size() - 1; i >= 1; --i) {
        pressureSum = pressureSum * delta + pressureTerms_[i];
        slopeSum = slopeSum * delta + slopeTerms_[i];
    }
    const double p = scale_ * delta * (kRegion3LogCoefficient + delta * pressureSum);
    const double slope = scale_ * (kRegion3LogCoefficient + delta * slopeSum);
    return {p, slope};
}

double gibbsProperty(SinglePhaseProperty property, double p, double tK, int region) {
    switch (property) {
        case SinglePhaseProperty::kSpecificVolume: {
            const GibbsPoint g = gibbsPoint<kNeedPi>(p, tK, region);
            return g.pi * g.g.pi * kWaterGasConstant * g.tK / (100.0 * g.p);
        }
        case SinglePhaseProperty::kEnthalpy: {
            const GibbsPoint g = gibbsPoint<kNeedTau>(p, tK, region);
            return g.tau * g.g.tau * kWaterGasConstant * g.tK;
        }
        case SinglePhaseProperty::kEntropy: {
            const GibbsPoint g = gibbsPoint<kNeedValue | kNeedTau>(p, tK, region);
            return (g.tau * g.g.tau - g.g.value) * kWaterGasConstant;
        }
        case SinglePhaseProperty::kIsobaricHeatCapacity: {
            const GibbsPoint g = gibbsPoint<kNeedTauTau>(p, tK, region);
            return -g.tau * g.tau * g.g.tauTau * kWaterGasConstant;
        }
        case SinglePhaseProperty::kIsochoricHeatCapacity: {
            const GibbsPoint g = gibbsPoint<kNeedSecond>(p, tK, region);
            const double a = g.g.pi - g.tau * g.g.piTau;
            return (-g.tau * g.tau * g.g.tauTau + a * a / g.g.piPi) * kWaterGasConstant;
        }
        case SinglePhaseProperty::kSoundVelocity: {
            const GibbsPoint g = gibbsPoint<kNeedSecond>(p, tK, region);
            const double a = g.g.pi - g.tau * g.g.piTau;
            const double denominator = a * a / (g.tau * g.tau * g.g.tauTau) - g.g.piPi;
            return std::sqrt(1000.0 * kWaterGasConstant * g.tK * g.g.pi * g.g.pi / denominator);
        }
    }
    return -1.0;
}

double helmholtzProperty(SinglePhaseProperty property, double v, double tK) {
    switch (property) {
        case SinglePhaseProperty::kSpecificVolume:
            return v;
        case SinglePhaseProperty::kEnthalpy: {
            const HelmholtzPoint h = helmholtzPoint<kNeedPi | kNeedTau>(v, tK);
            return (h.tau * h.f.tau + h.delta * h.f.pi) * kWaterGasConstant * h.tK;
        }
        case SinglePhaseProperty::kEntropy: {
            const HelmholtzPoint h = helmholtzPoint<kNeedValue | kNeedTau>(v, tK);
            return (h.tau * h.f.tau - h.f.value) * kWaterGasConstant;
        }
        case SinglePhaseProperty::kIsobaricHeatCapacity: {
            const HelmholtzPoint h = helmholtzPoint<kNeedSecond>(v, tK);
            const double a = helmholtzPressureSlope(h);
            return (-h.tau * h.tau * h.f.tauTau + a * a / helmholtzStiffness(h)) *
                   kWaterGasConstant;
        }
        case SinglePhaseProperty::kIsochoricHeatCapacity: {
            const HelmholtzPoint h = helmholtzPoint<kNeedTauTau>(v, tK);
            return -h.tau * h.tau * h.f.tauTau * kWaterGasConstant;
        }
        case SinglePhaseProperty::kSoundVelocity: {
            const HelmholtzPoint h = helmholtzPoint<kNeedSecond>(v, tK);
            const double a = helmholtzPressureSlope(h);
            const double sum = helmholtzStiffness(h) - a * a / (h.tau * h.tau * h.f.tauTau);
            return std::sqrt(1000.0 * kWaterGasConstant * h.tK * sum);
        }
    }
    return -1.0;
}

}  // namespace detail

BasicEquation basicEquation(double x, double tau, int region) {
    return evaluate<kNeedAll>(x, tau, region);
}

double gammaPi(double x, double tau, int region) {
    return evaluate<kNeedPi>(x, tau, region).pi;
}

}  // namespace vaporis::water
