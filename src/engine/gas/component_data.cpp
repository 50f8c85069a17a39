#include "engine/gas/component_data.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/common/finite_result.h"
#include "engine/common/physical_constants.h"
#include "engine/gas/status_codes.h"

namespace vaporis::gas {
namespace {

// Component data after the FDBR handbook: name, formula, M, rhoN, sigma, epsK, delta, tMin,
// tMax, O2 demand, Ho, Hu, element.
constexpr auto kComponents = std::to_array<ComponentConstants>({
    {"Water vapor", "H2O", 18.0152, 0.8039, 2.52, 775.0, 1.0, 0, 4726.85, 0, 0, 0, false},
    {"Dry air", "", 28.965, 1.293, 1.0, 1.0, 0, 0, 4726.85, -0.20948, 0, 0, false},
    {"Hydrogen sulfide", "H2S", 34.076, 1.5355, 3.591, 309.0, 0, 0, 4726.85, 1.5, 25.36, 23.379,
     false},
    {"Nitrogen", "N2", 28.0134, 1.2504, 3.749, 79.8, 0, 0, 4726.85, 0, 0, 0, true},
    {"Oxygen", "O2", 31.9988, 1.429, 3.541, 88.0, 0, 0, 4726.85, -1.0, 0, 0, true},
    {"Hydrogen", "H2", 2.0158, 0.0899, 2.915, 38.0, 0, 0, 4726.85, 0.5, 12.761, 10.798, true},
    {"Helium", "He", 4.0026, 0.1785, 2.576, 10.22, 0, 0, 4726.85, 0, 0, 0, true},
    {"Neon", "Ne", 20.179, 0.8998, 2.858, 27.5, 0, 0, 4726.85, 0, 0, 0, true},
    {"Argon", "Ar", 39.948, 1.784, 3.465, 116.0, 0, 0, 4726.85, 0, 0, 0, true},
    {"Nitrogen oxide", "NO", 30.0061, 1.3402, 3.599, 91.0, 0, 0, 4726.85, 0, 0, 0, false},
    {"Carbon monoxide", "CO", 28.0104, 1.2505, 3.706, 88.0, 0, 0, 4726.85, 0.5, 12.751, 12.751,
     false},
    {"Carbon dioxide", "CO2", 44.0098, 1.977, 3.897, 213.0, 0, 0, 4726.85, 0, 0, 0, false},
    {"Sulfur dioxide", "SO2", 64.059, 2.931, 4.29, 252.0, 0, 0, 4726.85, 0, 0, 0, false},
    {"Chlorine", "Cl2", 70.906, 3.21, 4.4, 257.0, 0, 0, 4726.85, 0, 0, 0, true},
    {"Ammonia", "NH3", 17.0304, 0.7718, 3.15, 358.0, 0.7, 0, 4726.85, 0, 0, 0, false},
    {"Hydrogen chlorine", "HCl", 36.461, 1.6422, 3.305, 360.0, 0, 0, 4726.85, 0, 0, 0, false},
    {"Methane", "CH4", 16.043, 0.7175, 3.796, 144.0, 0, 0, 4726.85, 2.0, 39.861, 35.935, false},
    {"Propane", "C3H8", 44.096, 2.011, 5.016, 254.0, 0, 0, 1500.0, 5.0, 99.372, 91.52, false},
    {"Acetylen", "C2H2", 26.0384, 1.1715, 4.221, 185.0, 0, 0, 2000.0, 2.5, 58.346, 56.383, false},
    {"Ethylen", "C2H4", 28.054, 1.2611, 4.232, 205.0, 0, 0, 2000.0, 3.0, 63.251, 59.325, false},
    {"Ethan", "C2H6", 30.069, 1.355, 4.418, 230.0, 0, 0, 1500.0, 3.5, 69.842, 63.953, false},
    {"Propylen", "C3H6", 42.08, 1.9129, 4.85, 252.0, 0, 0, 1500.0, 4.5, 92.279, 86.39, false},
    {"Butylen", "C4H8", 56.107, 2.599, 4.7, 478.0, 0, 0, 1500.0, 6.0, 121.793, 113.941, false},
    {"n-Butan", "C4H10", 58.123, 2.708, 4.997, 410.0, 0, 0, 1500.0, 6.5, 128.679, 118.864, false},
});
static_assert(kComponents.size() == kComponentCount);

// cp/R = a0 + a1 T + a2 T² + a3 T³ + a4 T⁴ (T in K) with the integration constants of the
// sensible enthalpy (0 at 0 °C), of the enthalpy including formation, and of the entropy.
struct HeatCapacitySet {
    double a0;
    double a1;
    double a2;
    double a3;
    double a4;
    double cH0;
    double cHf;
    double cS;
};

// FDBR handbook, coefficients for T <= 1000 K. Acetylene's cS is printed as 0.001401452, a
// slipped decimal point: 14.01452 gives its standard entropy of 201.0 J/(mol K) at 25 °C and
// meets the high set at 1000 K.
constexpr auto kLowSet = std::to_array<HeatCapacitySet>({
    {4.159259, -0.001725577, 5.702012e-06, -4.596049e-09, 1.424309e-12, -1104.501, -30308.86,
     -0.6866177},
    {3.688152, -0.001566047, 3.867168e-06, -2.501655e-09, 4.894408e-13, -971.9348, -1074.723,
     2.650909},
    {3.918905, -0.0003516198, 4.22193e-06, -2.747183e-09, 4.861659e-13, -1082.337, -3611.953,
     2.367574},
    {3.694063, -0.001334139, 2.652067e-06, -9.775312e-10, -9.983837e-14, -975.8881, -1063.539,
     2.289015},
    {3.721461, -0.002518398, 8.589429e-06, -8.305377e-09, 2.710013e-12, -970.1834, -1058.373,
     3.910662},
    {2.847973, 0.004195991, -9.618309e-06, 9.518573e-09, -3.311537e-12, -881.3568, -967.8953,
     -1.41272},
    {2.501658, 0, 0, 0, 0, -683.328, -745.8694, 0.9160631},
    {2.501658, 0, 0, 0, 0, -683.328, -745.8694, 3.344368},
    {2.501658, 0, 0, 0, 0, -683.328, -745.8694, 4.369004},
    {4.149698, -0.004122453, 9.698676e-06, -7.868579e-09, 2.232431e-12, -1035.314, 9751.249,
     2.571132},
    {3.789644, -0.002172393, 5.0791e-06, -3.476077e-09, 7.726806e-13, -984.0005, -14373.04,
     2.635293},
    {2.171539, 0.01038499, -1.074106e-05, 6.350127e-09, -1.629149e-12, -915.9472, -48384.67,
     10.67146},
    {3.227853, 0.005658868, -2.498677e-07, -4.223474e-09, 2.140692e-12, -1085.87, -36928.95,
     9.824215},
    {2.940765, 0.006267772, -1.032692e-05, 7.995683e-09, -2.364521e-12, -977.3466, -1078.819,
     8.592864},
    {3.774122, -0.000486536, 9.880776e-06, -9.574235e-09, 3.1334e-12, -1067.503, -6732.553,
     1.466377},
    {3.515124, 0.0001065541, -1.035183e-06, 2.264721e-09, -1.044454e-12, -959.9331, -12157.19,
     2.449376},
    {4.252579, -0.006917237, 3.162308e-05, -2.973514e-08, 9.516667e-12, -1079.879, -10193.39,
     -0.9181584},
    {0.4265269, 0.02923377, 1.504002e-06, -1.915688e-08, 9.060256e-12, -1193.397, -13902.51,
     21.42326},
    {0.7908577, 0.02348169, -3.55655e-05, 2.796909e-08, -8.454017e-12, -886.7635, 26272.26,
     14.01452},
    {1.120986, 0.01391494, 2.658599e-06, -1.156794e-08, 5.242167e-12, -828.8566, 5336.424,
     15.84827},
    {2.215242, 0.01018443, 1.936129e-05, -2.719349e-08, 1.020471e-11, -1081.814, -11425.59,
     11.32465},
    {1.710214, 0.01886737, 9.710211e-06, -2.213563e-08, 9.203313e-12, -1208.958, 1065.337,
     16.50461},
    {0.2340953, 0.03756237, -1.027433e-05, -1.014113e-08, 6.199122e-12, -1383.2, -1644.966,
     24.78128},
    {1.33635, 0.03481043, 7.692635e-06, -2.969221e-08, 1.316121e-11, -1678.581, -17141.45,
     19.22638},
});
static_assert(kLowSet.size() == kComponentCount);

// FDBR handbook, coefficients for T > 1000 K.
constexpr auto kHighSet = std::to_array<HeatCapacitySet>({
    {2.672525, 0.003033723, -8.540818e-07, 1.179867e-10, -6.201465e-15, -704.4583, -29908.82,
     6.888405},
    {3.009466, 0.001413089, -5.361771e-07, 9.739583e-11, -6.714825e-15, -865.5674, -968.3644,
     5.819316},
    {2.76755, 0.004015853, -1.505488e-06, 2.682578e-10, -1.79796e-14, -858.6114, -3388.227,
     7.937981},
    {2.856469, 0.001598692, -6.260775e-07, 1.132336e-10, -7.694805e-15, -803.1145, -890.7648,
     6.394526},
    {3.600001, 0.0007819742, -2.240152e-07, 4.251833e-11, -3.34824e-15, -1105.397, -1193.583,
     3.751753},
    {3.045709, 0.0006122769, -7.404262e-09, -2.034539e-11, 2.46101e-15, -768.941, -855.477,
     -1.649226},
    {2.501658, 0, 0, 0, 0, -683.328, -745.8694, 0.9160631},
    {2.501658, 0, 0, 0, 0, -683.328, -745.8694, 3.344368},
    {2.501658, 0, 0, 0, 0, -683.328, -745.8694, 4.369004},
    {3.155027, 0.001406929, -5.711632e-07, 1.063526e-10, -7.376967e-15, -927.8263, 9858.738,
     6.949254},
    {1.915439, 0.004142765, -2.959942e-06, 1.031414e-09, -1.404341e-13, -531.9434, -13923.33,
     12.05549},
    {4.415854, 0.003194408, -1.298684e-06, 2.416346e-10, -1.67541e-14, -1507.784, -48976.51,
     -0.7292411},
    {5.201693, 0.002060875, -8.631167e-07, 1.664756e-10, -1.18557e-14, -1723.276, -37566.35,
     -0.8311506},
    {4.314914, 0.0002736948, -9.232102e-08, 1.776084e-11, -1.257456e-15, -1244.161, -1345.629,
     2.055873},
    {2.150825, 0.006497156, -2.271024e-06, 3.741864e-10, -2.362121e-14, -741.1525, -6406.208,
     9.245035},
    {2.737464, 0.001498958, -5.07327e-07, 8.284517e-11, -5.178184e-15, -716.8126, -11914.52,
     6.63241},
    {1.180355, 0.01095785, -4.064908e-06, 7.141761e-10, -4.752185e-14, -748.6958, -9862.198,
     12.51423},
    {-1.092444, 0.03980248, -2.47574e-05, 8.348151e-09, -1.239821e-12, -1021.225, -13734.4,
     27.89198},
    {4.499547, 0.005273325, -1.841487e-06, 3.107489e-10, -2.001758e-14, -1504.323, 25654.2,
     -3.1469},
    {3.504675, 0.01159979, -4.477491e-06, 7.950481e-10, -5.327099e-14, -1707.931, 4457.35,
     2.468388},
    {0.3356575, 0.02264831, -9.625811e-06, 1.316122e-09, 9.53711e-14, -877.3355, -11225.54,
     19.36043},
    {-1.066387, 0.03450137, -2.342032e-05, 8.767781e-09, -1.430567e-12, -804.9284, 1462.73, 28.969},
    {-0.2234111, 0.04323776, -2.740346e-05, 9.349547e-09, -1.382877e-12, -1409.951, -1677.342,
     26.22848},
    {-1.007827, 0.05111729, -3.182769e-05, 1.050036e-08, -1.47825e-12, -1434.644, -16897.7,
     29.1329},
});
static_assert(kHighSet.size() == kComponentCount);

// The sets are used as they stand at 1000 K; the handbook does not blend them.
constexpr double kSetSwitchK = 1000.0;
constexpr double kFailure = -1.0;

[[nodiscard]] const HeatCapacitySet& setAt(double tK, int index) {
    return tK <= kSetSwitchK ? kLowSet[index] : kHighSet[index];
}

[[nodiscard]] double specificGasConstant(int index) {
    return kUniversalGasConstant / kComponents[index].molarMass;
}

// The temperature-dependent functions test t first, then the index, as the callers rely on.
[[nodiscard]] bool checkTemperatureAndIndex(double t, int index, int& status) {
    if (!std::isfinite(t)) {
        status = kNonFiniteInput;
        return false;
    }
    if (!isComponentIndex(index)) {
        status = kNotAComponent;
        return false;
    }
    const ComponentConstants& c = kComponents[index];
    status = (t < c.tMin || t > c.tMax) ? kOutOfRange : kOk;
    return status == kOk;
}

[[nodiscard]] bool checkIndex(int index, int& status) {
    status = isComponentIndex(index) ? kOk : kNotAComponent;
    return status == kOk;
}

// The transport functions have no range of their own, but below absolute zero their square
// roots would turn into NaN reported as valid.
[[nodiscard]] bool checkTransportInput(double tK, int index, int& status) {
    if (!std::isfinite(tK)) {
        status = kNonFiniteInput;
        return false;
    }
    if (!checkIndex(index, status)) {
        return false;
    }
    status = tK > 0.0 ? kOk : kOutOfRange;
    return status == kOk;
}

// "Dry air" is a mixture: it has no collision data of its own.
[[nodiscard]] bool checkCollisionData(int index, int& status) {
    status = index == kDryAir ? kNotAComponent : kOk;
    return status == kOk;
}

[[nodiscard]] double cpOverR(const HeatCapacitySet& c, double tK) {
    return c.a0 + tK * (c.a1 + tK * (c.a2 + tK * (c.a3 + tK * c.a4)));
}

// a0 T + a1 T²/2 + a2 T³/3 + a3 T⁴/4 + a4 T⁵/5: the enthalpy integral of cp/R.
[[nodiscard]] double enthalpyIntegral(const HeatCapacitySet& c, double tK) {
    return tK * (c.a0 + tK * (c.a1 / 2 + tK * (c.a2 / 3 + tK * (c.a3 / 4 + tK * c.a4 / 5))));
}

[[nodiscard]] double totalEnthalpyAt(double t, int index) {
    const double tK = t + kZeroCelsiusK;
    const HeatCapacitySet& c = setAt(tK, index);
    return specificGasConstant(index) * (enthalpyIntegral(c, tK) + c.cHf);
}

[[nodiscard]] std::string padRight(std::string_view text, std::size_t width) {
    std::string result(text);
    if (result.size() < width) {
        result.append(width - result.size(), ' ');
    }
    return result;
}

}  // namespace

std::span<const ComponentConstants, kComponentCount> componentTable() {
    return kComponents;
}

std::string paddedComponentName(int index) {
    return isComponentIndex(index) ? padRight(kComponents[index].name, 18) : std::string();
}

std::string paddedComponentFormula(int index) {
    return isComponentIndex(index) ? padRight(kComponents[index].formula, 4) : std::string();
}

double componentCp(double t, int index, int& status) {
    if (!checkTemperatureAndIndex(t, index, status)) {
        return kFailure;
    }
    const double tK = t + kZeroCelsiusK;
    return finiteResult(specificGasConstant(index) * cpOverR(setAt(tK, index), tK), status,
                        kOutOfRange);
}

double componentEnthalpy(double t, int index, int& status) {
    if (!checkTemperatureAndIndex(t, index, status)) {
        return kFailure;
    }
    const double tK = t + kZeroCelsiusK;
    const HeatCapacitySet& c = setAt(tK, index);
    return finiteResult(specificGasConstant(index) * (enthalpyIntegral(c, tK) + c.cH0), status,
                        kOutOfRange);
}

double componentTotalEnthalpy(double t, int index, int& status) {
    if (!checkTemperatureAndIndex(t, index, status)) {
        return kFailure;
    }
    return finiteResult(totalEnthalpyAt(t, index), status, kOutOfRange);
}

double componentFormationEnthalpy(int index, int& status) {
    if (!checkIndex(index, status)) {
        return kFailure;
    }
    return kComponents[index].element ? 0.0 : totalEnthalpyAt(25.0, index);
}

double componentEntropy(double p, double t, int index, int& status) {
    if (!std::isfinite(p)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    if (!checkTemperatureAndIndex(t, index, status)) {
        return kFailure;
    }
    if (p <= 0.0) {
        status = kOutOfRange;
        return kFailure;
    }
    const double tK = t + kZeroCelsiusK;
    const HeatCapacitySet& c = setAt(tK, index);
    const double integral =
        c.a0 * std::log(tK) + tK * (c.a1 + tK * (c.a2 / 2 + tK * (c.a3 / 3 + tK * c.a4 / 4)));
    return finiteResult(
        specificGasConstant(index) * (integral + c.cS - std::log(p / kNormalPressure)), status,
        kOutOfRange);
}

double componentVolume(double p, double t, int index, int& status) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        status = kNonFiniteInput;
        return kFailure;
    }
    if (!checkIndex(index, status)) {
        return kFailure;
    }
    // p = 0 would divide by zero: no finite volume exists there.
    if (p <= 0.0) {
        status = kOutOfRange;
        return kFailure;
    }
    const double tK = t + kZeroCelsiusK;
    return finiteResult(
        1.0 / (kComponents[index].normalDensity * p * kNormalTemperatureK / (kNormalPressure * tK)),
        status, kOutOfRange);
}

double collisionIntegral(double tK, int index, int& status) {
    if (!checkTransportInput(tK, index, status)) {
        return kFailure;
    }
    const double d = kComponents[index].delta;
    const double a0 = ((0.0127259 * d - 0.0423904) * d - 0.00597639) * d + 0.729036;
    const double a1 =
        (((-0.000143978 * d + 0.000398762) * d + 0.000220197) * d + 0.000133156) * d - 0.0032061;
    const double a2 = ((-0.0643597 * d + 0.401588) * d + 0.0365189) * d + 0.91273;
    const double a3 = ((0.0194639 * d - 0.0850365) * d + 0.135688) * d + 0.0875694;
    const double a4 =
        (((0.00225982 * d - 0.00985306) * d + 0.00807802) * d - 0.00525526) * d + 0.0302068;
    const double tStar = tK / kComponents[index].epsK;
    if (tStar > 200.0) {
        status = kOutOfRange;
        return 1.0;
    }
    const double tc = std::min(tStar, 50.0);
    double omega = a0 + a1 * tc + a2 * std::exp(a4 * tc) / (a3 + tc);
    if (tStar > 50.0) {
        omega -= 0.08884 * std::log(tStar / 50.0);
    }
    return omega;
}

double componentViscosityPaS(double t, int index, int& status) {
    if (!checkTransportInput(t + kZeroCelsiusK, index, status)) {
        return kFailure;
    }
    if (!checkCollisionData(index, status)) {
        return kFailure;
    }
    const ComponentConstants& c = kComponents[index];
    const double tK = t + kZeroCelsiusK;
    // Above T* = 200 the collision integral is held at 1.0; the gas state excludes that case.
    const double omega = collisionIntegral(tK, index, status);
    status = kOk;
    return finiteResult(1e-6 * 2.6695 * std::sqrt(c.molarMass * tK) / (c.sigma * c.sigma * omega),
                        status, kOutOfRange);
}

double componentConductivity(double t, int index, int& status) {
    if (!checkTransportInput(t + kZeroCelsiusK, index, status)) {
        return kFailure;
    }
    if (!checkCollisionData(index, status)) {
        return kFailure;
    }
    const ComponentConstants& c = kComponents[index];
    const double tK = t + kZeroCelsiusK;
    // cp without the range test: the callers have tested the temperature against the
    // analysis already.
    const double cpRatio = cpOverR(setAt(tK, index), tK);
    const double polarity =
        c.delta > 0.0 ? 1.0 - std::pow(c.delta, 0.1) * (0.58 * std::exp(-0.97 * tK / c.epsK) + 0.04)
                      : 1.0;
    // Modified Eucken factor with the polarity correction.
    const double eucken = 0.46864 + 0.35424 * polarity * (cpRatio - 1.0);
    const double omega = collisionIntegral(tK, index, status);
    status = kOk;
    return finiteResult(
        0.083232 * std::sqrt(tK / c.molarMass) / (c.sigma * c.sigma * omega) * eucken, status,
        kOutOfRange);
}

}  // namespace vaporis::gas
