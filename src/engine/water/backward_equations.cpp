#include "engine/water/backward_equations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/water/if97_regions.h"

namespace vaporis::water {
namespace {

// Backward equations of IAPWS-IF97 (IAPWS R7-97), each theta = T / 1 K as a sum of
// n X^I Y^J over the published rows; the comment on a table names its equation.
// BackwardTerm holds the columns I, J, n as published; FractionalTerm the same for the one
// equation whose exponents I are multiples of 1/4.
struct BackwardTerm {
    int i;
    int j;
    double n;
};
struct FractionalTerm {
    double i;
    int j;
    double n;
};

// Region 1, Table 6: T(p,h) = sum n pi^I (eta + 1)^J, pi = p / 1 MPa, eta = h / 2500 kJ/kg.
constexpr auto kRegion1PH = std::to_array<BackwardTerm>({
    {0, 0, -0.23872489924521e3},   {0, 1, 0.40421188637945e3},     {0, 2, 0.11349746881718e3},
    {0, 6, -0.58457616048039e1},   {0, 22, -0.15285482413140e-3},  {0, 32, -0.10866707695377e-5},
    {1, 0, -0.13391744872602e2},   {1, 1, 0.43211039183559e2},     {1, 2, -0.54010067170506e2},
    {1, 3, 0.30535892203916e2},    {1, 4, -0.65964749423638e1},    {1, 10, 0.93965400878363e-2},
    {1, 32, 0.11573647505340e-6},  {2, 10, -0.25858641282073e-4},  {2, 32, -0.40644363084799e-8},
    {3, 10, 0.66456186191635e-7},  {3, 32, 0.80670734103027e-10},  {4, 32, -0.93477771213947e-12},
    {5, 32, 0.58265442020601e-14}, {6, 32, -0.15020185953503e-16},
});
static_assert(kRegion1PH.size() == 20);

// Region 1, Table 8: T(p,s) = sum n pi^I (sigma + 2)^J, sigma = s / 1 kJ/(kg K).
constexpr auto kRegion1PS = std::to_array<BackwardTerm>({
    {0, 0, 0.17478268058307e3},    {0, 1, 0.34806930892873e2},     {0, 2, 0.65292584978455e1},
    {0, 3, 0.33039981775489},      {0, 11, -0.19281382923196e-6},  {0, 31, -0.24909197244573e-22},
    {1, 0, -0.26107636489332},     {1, 1, 0.22592965981586},       {1, 2, -0.64256463395226e-1},
    {1, 3, 0.78876289270526e-2},   {1, 12, 0.35672110607366e-9},   {1, 31, 0.17332496994895e-23},
    {2, 0, 0.56608900654837e-3},   {2, 1, -0.32635483139717e-3},   {2, 2, 0.44778286690632e-4},
    {2, 9, -0.51322156908507e-9},  {2, 31, -0.42522657042207e-25}, {3, 10, 0.26400441360689e-12},
    {3, 32, 0.78124600459723e-28}, {4, 32, -0.30732199903668e-30},
});
static_assert(kRegion1PS.size() == 20);

// Region 2a, Table 20: T(p,h) = sum n pi^I (eta - 2.1)^J, eta = h / 2000 kJ/kg.
constexpr auto kRegion2aPH = std::to_array<BackwardTerm>({
    {0, 0, 0.10898952318288e4},    {0, 1, 0.84951654495535e3},   {0, 2, -0.10781748091826e3},
    {0, 3, 0.33153654801263e2},    {0, 7, -0.74232016790248e1},  {0, 20, 0.11765048724356e2},
    {1, 0, 0.18445749355790e1},    {1, 1, -0.41792700549624e1},  {1, 2, 0.62478196935812e1},
    {1, 3, -0.17344563108114e2},   {1, 7, -0.20058176862096e3},  {1, 9, 0.27196065473796e3},
    {1, 11, -0.45511318285818e3},  {1, 18, 0.30919688604755e4},  {1, 44, 0.25226640357872e6},
    {2, 0, -0.61707422868339e-2},  {2, 2, -0.31078046629583},    {2, 7, 0.11670873077107e2},
    {2, 36, 0.12812798404046e9},   {2, 38, -0.98554909623276e9}, {2, 40, 0.28224546973002e10},
    {2, 42, -0.35948971410703e10}, {2, 44, 0.17227349913197e10}, {3, 24, -0.13551334240775e5},
    {3, 44, 0.12848734664650e8},   {4, 12, 0.13865724283226e1},  {4, 32, 0.23598832556514e6},
    {4, 44, -0.13105236545054e8},  {5, 32, 0.73999835474766e4},  {5, 36, -0.55196697030060e6},
    {5, 42, 0.37154085996233e7},   {6, 34, 0.19127729239660e5},  {6, 44, -0.41535164835634e6},
    {7, 28, -0.62459855192507e2},
});
static_assert(kRegion2aPH.size() == 34);

// Region 2b, Table 21: T(p,h) = sum n (pi - 2)^I (eta - 2.6)^J.
constexpr auto kRegion2bPH = std::to_array<BackwardTerm>({
    {0, 0, 0.14895041079516e4},    {0, 1, 0.74307798314034e3},    {0, 2, -0.97708318797837e2},
    {0, 12, 0.24742464705674e1},   {0, 18, -0.63281320016026},    {0, 24, 0.11385952129658e1},
    {0, 28, -0.47811863648625},    {0, 40, 0.85208123431544e-2},  {1, 0, 0.93747147377932},
    {1, 2, 0.33593118604916e1},    {1, 6, 0.33809355601454e1},    {1, 12, 0.16844539671904},
    {1, 18, 0.73875745236695},     {1, 24, -0.47128737436186},    {1, 28, 0.15020273139707},
    {1, 40, -0.21764114219750e-2}, {2, 2, -0.21810755324761e-1},  {2, 8, -0.10829784403677},
    {2, 18, -0.46333324635812e-1}, {2, 40, 0.71280351959551e-4},  {3, 1, 0.11032831789999e-3},
    {3, 2, 0.18955248387902e-3},   {3, 12, 0.30891541160537e-2},  {3, 24, 0.13555504554949e-2},
    {4, 2, 0.28640237477456e-6},   {4, 12, -0.10779857357512e-4}, {4, 18, -0.76462712454814e-4},
    {4, 24, 0.14052392818316e-4},  {4, 28, -0.31083814331434e-4}, {4, 40, -0.10302738212103e-5},
    {5, 18, 0.28217281635040e-6},  {5, 24, 0.12704902271945e-5},  {5, 40, 0.73803353468292e-7},
    {6, 28, -0.11030139238909e-7}, {7, 2, -0.81456365207833e-13}, {7, 28, -0.25180545682962e-10},
    {9, 1, -0.17565233969407e-17}, {9, 40, 0.86934156344163e-14},
});
static_assert(kRegion2bPH.size() == 38);

// Region 2c, Table 22: T(p,h) = sum n (pi + 25)^I (eta - 1.8)^J.
constexpr auto kRegion2cPH = std::to_array<BackwardTerm>({
    {-7, 0, -0.32368398555242e13}, {-7, 4, 0.73263350902181e13},  {-6, 0, 0.35825089945447e12},
    {-6, 2, -0.58340131851590e12}, {-5, 0, -0.10783068217470e11}, {-5, 2, 0.20825544563171e11},
    {-2, 0, 0.61074783564516e6},   {-2, 1, 0.85977722535580e6},   {-1, 0, -0.25745723604170e5},
    {-1, 2, 0.31081088422714e5},   {0, 0, 0.12082315865936e4},    {0, 1, 0.48219755109255e3},
    {1, 4, 0.37966001272486e1},    {1, 8, -0.10842984880077e2},   {2, 4, -0.45364172676660e-1},
    {6, 0, 0.14559115658698e-12},  {6, 1, 0.11261597407230e-11},  {6, 4, -0.17804982240686e-10},
    {6, 10, 0.12324579690832e-6},  {6, 12, -0.11606921130984e-5}, {6, 16, 0.27846367088554e-4},
    {6, 20, -0.59270038474176e-3}, {6, 22, 0.12918582991878e-2},
});
static_assert(kRegion2cPH.size() == 23);

// Region 2a, Table 25: T(p,s) = sum n pi^I (sigma - 2)^J, sigma = s / 2 kJ/(kg K).
constexpr auto kRegion2aPS = std::to_array<FractionalTerm>({
    {-1.5, -24, -0.39235983861984e6},  {-1.5, -23, 0.51526573827270e6},
    {-1.5, -19, 0.40482443161048e5},   {-1.5, -13, -0.32193790923902e3},
    {-1.5, -11, 0.96961424218694e2},   {-1.5, -10, -0.22867846371773e2},
    {-1.25, -19, -0.44942914124357e6}, {-1.25, -15, -0.50118336020166e4},
    {-1.25, -6, 0.35684463560015},     {-1.0, -26, 0.44235335848190e5},
    {-1.0, -21, -0.13673388811708e5},  {-1.0, -17, 0.42163260207864e6},
    {-1.0, -16, 0.22516925837475e5},   {-1.0, -9, 0.47442144865646e3},
    {-1.0, -8, -0.14931130797647e3},   {-0.75, -15, -0.19781126320452e6},
    {-0.75, -14, -0.23554399470760e5}, {-0.5, -26, -0.19070616302076e5},
    {-0.5, -13, 0.55375669883164e5},   {-0.5, -9, 0.38293691437363e4},
    {-0.5, -7, -0.60391860580567e3},   {-0.25, -27, 0.19363102620331e4},
    {-0.25, -25, 0.42660643698610e4},  {-0.25, -11, -0.59780638872718e4},
    {-0.25, -6, -0.70401463926862e3},  {0.25, 1, 0.33836784107553e3},
    {0.25, 4, 0.20862786635187e2},     {0.25, 8, 0.33834172656196e-1},
    {0.25, 11, -0.43124428414893e-4},  {0.5, 0, 0.16653791356412e3},
    {0.5, 1, -0.13986292055898e3},     {0.5, 5, -0.78849547999872},
    {0.5, 6, 0.72132411753872e-1},     {0.5, 10, -0.59754839398283e-2},
    {0.5, 14, -0.12141358953904e-4},   {0.5, 16, 0.23227096733871e-6},
    {0.75, 0, -0.10538463566194e2},    {0.75, 4, 0.20718925496502e1},
    {0.75, 9, -0.72193155260427e-1},   {0.75, 17, 0.20749887081120e-6},
    {1.0, 7, -0.18340657911379e-1},    {1.0, 18, 0.29036272348696e-6},
    {1.25, 3, 0.21037527893619},       {1.25, 15, 0.25681239729999e-3},
    {1.5, 5, -0.12799002933781e-1},    {1.5, 18, -0.82198102652018e-5},
});
static_assert(kRegion2aPS.size() == 46);

// Region 2b, Table 26: T(p,s) = sum n pi^I (10 - sigma)^J, sigma = s / 0.7853 kJ/(kg K).
constexpr auto kRegion2bPS = std::to_array<BackwardTerm>({
    {-6, 0, 0.31687665083497e6},   {-6, 11, 0.20864175881858e2}, {-5, 0, -0.39859399803599e6},
    {-5, 11, -0.21816058518877e2}, {-4, 0, 0.22369785194242e6},  {-4, 1, -0.27841703445817e4},
    {-4, 11, 0.99207436071480e1},  {-3, 0, -0.75197512299157e5}, {-3, 1, 0.29708605951158e4},
    {-3, 11, -0.34406878548526e1}, {-3, 12, 0.38815564249115},   {-2, 0, 0.17511295085750e5},
    {-2, 1, -0.14237112854449e4},  {-2, 6, 0.10943803364167e1},  {-2, 10, 0.89971619308495},
    {-1, 0, -0.33759740098958e4},  {-1, 1, 0.47162885818355e3},  {-1, 5, -0.19188241993679e1},
    {-1, 8, 0.41078580492196},     {-1, 9, -0.33465378172097},   {0, 0, 0.13870034777505e4},
    {0, 1, -0.40663326195838e3},   {0, 2, 0.41727347159610e2},   {0, 4, 0.21932549434532e1},
    {0, 5, -0.10320050009077e1},   {0, 6, 0.35882943516703},     {0, 9, 0.52511453726066e-2},
    {1, 0, 0.12838916450705e2},    {1, 1, -0.28642437219381e1},  {1, 2, 0.56912683664855},
    {1, 3, -0.99962954584931e-1},  {1, 7, -0.32632037778459e-2}, {1, 8, 0.23320922576723e-3},
    {2, 0, -0.15334809857450},     {2, 1, 0.29072288239902e-1},  {2, 5, 0.37534702741167e-3},
    {3, 0, 0.17296691702411e-2},   {3, 1, -0.38556050844504e-3}, {3, 3, -0.35017712292608e-4},
    {4, 0, -0.14566393631492e-4},  {4, 1, 0.56420857267269e-5},  {5, 0, 0.41286150074605e-7},
    {5, 1, -0.20684671118824e-7},  {5, 2, 0.16409393674725e-8},
});
static_assert(kRegion2bPS.size() == 44);

// Region 2c, Table 27: T(p,s) = sum n pi^I (2 - sigma)^J, sigma = s / 2.9251 kJ/(kg K).
constexpr auto kRegion2cPS = std::to_array<BackwardTerm>({
    {-2, 0, 0.90968501005365e3},   {-2, 1, 0.24045667088420e4},  {-1, 0, -0.59162326387130e3},
    {0, 0, 0.54145404128074e3},    {0, 1, -0.27098308411192e3},  {0, 2, 0.97976525097926e3},
    {0, 3, -0.46966772959435e3},   {1, 0, 0.14399274604723e2},   {1, 1, -0.19104204230429e2},
    {1, 3, 0.53299167111971e1},    {1, 4, -0.21252975375934e2},  {2, 0, -0.31147334413760},
    {2, 1, 0.60334840894623},      {2, 2, -0.42764839702509e-1}, {3, 0, 0.58185597255259e-2},
    {3, 1, -0.14597008284753e-1},  {3, 5, 0.56631175631027e-2},  {4, 0, -0.76155864584577e-4},
    {4, 1, 0.22440342919332e-3},   {4, 4, -0.12561095013413e-4}, {5, 0, 0.63323132660934e-6},
    {5, 1, -0.20541989675375e-5},  {5, 2, 0.36405370390082e-7},  {6, 0, -0.29759897789215e-8},
    {6, 1, 0.10136618529763e-7},   {7, 0, 0.59925719692351e-11}, {7, 1, -0.20677870105164e-10},
    {7, 3, -0.20874278181886e-10}, {7, 4, 0.10162166825089e-9},  {7, 5, -0.16429828281347e-9},
});
static_assert(kRegion2cPS.size() == 30);

// Table 19: the boundary between regions 2b and 2c, pi = n1 + n2 eta + n3 eta^2 with
// eta = h / 1 kJ/kg, and its inverse eta = n4 + ((pi - n5) / n3)^(1/2).
constexpr auto kB2bc = std::to_array<double>({
    0.90584278514723e3,
    -0.67955786399241,
    0.12809002730136e-3,
    0.26526571908428e4,
    0.45257578905948e1,
});
static_assert(kB2bc.size() == 5);

constexpr double kBarPerMPa = 10.0;
// Region 2a ends at 4 MPa; region 2b reaches down to the saturation line from there to where
// the 2b/2c boundary meets it, at 6.546699678 MPa; region 2b of T(p,s) ends at s = 5.85.
constexpr double kRegion2aHighestPressure = 40.0;        // bar
constexpr double kRegion2bLowestBoundary = 65.46699678;  // bar
constexpr double kRegion2bLowestEntropy = 5.85;          // kJ/(kg K)

// Exponent of the power table index of a row: I itself, or 4 I for quarter steps.
constexpr int xIndex(const BackwardTerm& term) {
    return term.i;
}
constexpr int xIndex(const FractionalTerm& term) {
    return static_cast<int>(4.0 * term.i);
}

template <typename Terms>
constexpr int minIndexX(const Terms& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::min(m, xIndex(term));
    }
    return m;
}
template <typename Terms>
constexpr int maxIndexX(const Terms& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::max(m, xIndex(term));
    }
    return m;
}
template <typename Terms>
constexpr int minIndexY(const Terms& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::min(m, term.j);
    }
    return m;
}
template <typename Terms>
constexpr int maxIndexY(const Terms& terms) {
    int m = 0;
    for (const auto& term : terms) {
        m = std::max(m, term.j);
    }
    return m;
}

// x^kMin .. x^kMax, each power the product of two lower ones so that no long chain of
// dependent multiplications forms; unrolled at compile time.
template <int kMin, int kMax>
class PowerTable {
public:
    explicit PowerTable(double x) {
        at(0) = 1.0;
        fill<1>(x, std::make_integer_sequence<int, kMax>{});
        if constexpr (kMin < 0) {
            fill<-1>(1.0 / x, std::make_integer_sequence<int, -kMin>{});
        }
    }
    double operator[](int e) const { return values_[static_cast<std::size_t>(e - kMin)]; }

private:
    double& at(int e) { return values_[static_cast<std::size_t>(e - kMin)]; }
    // x^(s k) for k = 1, 2, ... as x^(s (k / 2)) x^(s (k - k / 2))
    template <int kSign, int... K>
    void fill(double x, std::integer_sequence<int, K...>) {
        ((at(kSign * (K + 1)) =
              K == 0 ? x : at(kSign * ((K + 1) / 2)) * at(kSign * (K + 1 - (K + 1) / 2))),
         ...);
    }
    std::array<double, static_cast<std::size_t>(kMax - kMin + 1)> values_{};
};

// sum n X^I Y^J of one table; four partial sums keep the additions from forming one chain.
template <const auto& kTerms>
double backwardSum(double x, double y) {
    const PowerTable<minIndexX(kTerms), maxIndexX(kTerms)> xs(x);
    const PowerTable<minIndexY(kTerms), maxIndexY(kTerms)> ys(y);
    std::array<double, 4> partial{};
    [&]<std::size_t... K>(std::index_sequence<K...>) {
        ((partial[K % 4] += kTerms[K].n * xs[xIndex(kTerms[K])] * ys[kTerms[K].j]), ...);
    }
    (std::make_index_sequence<kTerms.size()>{});
    return (partial[0] + partial[1]) + (partial[2] + partial[3]);
}

double region2bcEnthalpy(double pi) {
    return kB2bc[3] + std::sqrt((pi - kB2bc[4]) / kB2bc[2]);
}

double region2PH(double p, double h) {
    const double pi = p / kBarPerMPa;
    const double eta = h / 2000.0;
    if (p <= kRegion2aHighestPressure) {
        return backwardSum<kRegion2aPH>(pi, eta - 2.1);
    }
    if (p <= kRegion2bLowestBoundary || h >= region2bcEnthalpy(pi)) {
        return backwardSum<kRegion2bPH>(pi - 2.0, eta - 2.6);
    }
    return backwardSum<kRegion2cPH>(pi + 25.0, eta - 1.8);
}

double region2PS(double p, double s) {
    const double pi = p / kBarPerMPa;
    if (p <= kRegion2aHighestPressure) {
        return backwardSum<kRegion2aPS>(std::sqrt(std::sqrt(pi)), s / 2.0 - 2.0);
    }
    if (s >= kRegion2bLowestEntropy) {
        return backwardSum<kRegion2bPS>(pi, 10.0 - s / 0.7853);
    }
    return backwardSum<kRegion2cPS>(pi, 2.0 - s / 2.9251);
}

}  // namespace

double backwardTemperaturePH(double p, double h, int region) {
    if (region == kRegion1) {
        return backwardSum<kRegion1PH>(p / kBarPerMPa, h / 2500.0 + 1.0);
    }
    return region == kRegion2 ? region2PH(p, h) : -1.0;
}

double backwardTemperaturePS(double p, double s, int region) {
    if (region == kRegion1) {
        return backwardSum<kRegion1PS>(p / kBarPerMPa, s + 2.0);
    }
    return region == kRegion2 ? region2PS(p, s) : -1.0;
}

}  // namespace vaporis::water
