#include "engine/water/saturation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "engine/common/finite_result.h"
#include "engine/common/physical_constants.h"
#include "engine/water/basic_equations.h"
#include "engine/water/region3_density.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

enum class Phase { kLiquid, kVapor };

using detail::kRegion3Switch;
using detail::SinglePhaseProperty;

// Where the saturation line and region 3 disagree by more than the two phases differ, one of
// the roots of region 3 at ts stops existing (from 9.3e-5 bar below the critical pressure):
// from this pressure [bar] up, the saturated values run linearly in p to the critical state.
constexpr double kCriticalApproach = 220.6395;

// A saturated phase from region 3 at p [bar], exactly at ts.
double region3Saturated(double p, bool liquid, SinglePhaseProperty property, int& status) {
    const double tK = saturationTemperature(p) + kZeroCelsiusK;
    const double v = detail::region3VolumeOnSide(p, tK, liquid, status);
    return status == kOk ? detail::helmholtzProperty(property, v, tK) : -1.0;
}

// Both saturated phases at and just below the critical pressure. The isobaric heat capacity
// diverges there: the equation's value, a huge number of either sign, is no result.
double criticalState(double p, bool liquid, SinglePhaseProperty property, int& status) {
    if (property == SinglePhaseProperty::kIsobaricHeatCapacity) {
        status = kOutsideRegion;
        return -1.0;
    }
    const double critical =
        detail::helmholtzProperty(property, 1.0 / kCriticalDensity, kCriticalTemperatureK);
    if (p >= kCriticalPressure) {
        status = kOk;
        return critical;
    }
    const double approach = region3Saturated(kCriticalApproach, liquid, property, status);
    const double f = (p - kCriticalApproach) / (kCriticalPressure - kCriticalApproach);
    return status == kOk ? approach + f * (critical - approach) : -1.0;
}

// A property of saturated liquid or vapour at p, exactly at ts: from regions 1 and 2 where
// ts is within their range, above from region 3 at the density of the phase asked for.
double saturated(double p, Phase phase, SinglePhaseProperty property, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    if (!(p > 0.0)) {
        status = kOutsideRegion;
        return -1.0;
    }
    const bool liquid = phase == Phase::kLiquid;
    if (p > kCriticalApproach) {
        return criticalState(p, liquid, property, status);
    }
    if (p > kRegion3Switch) {
        return region3Saturated(p, liquid, property, status);
    }
    status = kOk;
    return finiteResult(detail::gibbsProperty(property, p, saturationTemperature(p) + kZeroCelsiusK,
                                              liquid ? kRegion1 : kRegion2),
                        status, kOutsideRegion);
}

double twoPhase(double p, double x, SinglePhaseProperty property) {
    int liquidStatus = kOk;
    int vaporStatus = kOk;
    const double liquid = saturated(p, Phase::kLiquid, property, liquidStatus);
    const double vapor = saturated(p, Phase::kVapor, property, vaporStatus);
    return liquid + x * (vapor - liquid);
}

// Relative pressure step of the slope of the homogeneous sound velocity: its truncation
// error (1e-8) and its rounding error (1e-12) both stay far below the digits shown.
constexpr double kSlopeStep = 1.0e-4;

// Volume [m³/kg] of the two-phase mixture of entropy s [kJ/(kg K)] at p [bar].
double isentropicMixtureVolume(double p, double s, int& status) {
    int vaporStatus = kOk;
    const double sLiquid = entropySatLiquid(p, status);
    const double sVapor = entropySatVapor(p, vaporStatus);
    if (status != kOk || vaporStatus != kOk || !(sVapor > sLiquid)) {
        status = kOutsideRegion;
        return -1.0;
    }
    return specificVolumeFromPX(p, (s - sLiquid) / (sVapor - sLiquid));
}

// The pressures [bar] of the slope around p: inside the line's range and on p's side of each
// change of formulation, so that no step spans the small jump between two formulations.
std::pair<double, double> slopePressures(double p) {
    double lo = std::max(p * (1.0 - kSlopeStep), kTriplePressure);
    double hi = p * (1.0 + kSlopeStep);
    for (const double edge : {kRegion3Switch, kCriticalApproach, kCriticalPressure}) {
        if (p <= edge && hi > edge) {
            hi = p == edge ? p : edge;
        }
        if (p > edge && lo <= edge) {
            lo = p;
        }
    }
    return {lo, hi};
}

}  // namespace

// The line ends at the critical point: at 373.946 °C the equation rounds to a hair above
// 220.64 bar, where every saturated value would be refused.
double vaporPressure(double t, int& status) {
    status = detail::saturationTemperatureStatus(t);
    return status == kOk ? std::min(saturationPressure(t), kCriticalPressure) : -1.0;
}

double boilingTemperature(double p, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    if (p < kTriplePressure) {
        status = kBelowTriplePressure;
        return -1.0;
    }
    status = kOk;
    return saturationTemperature(p);
}

double specificVolumeSatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, SinglePhaseProperty::kSpecificVolume, status);
}
double specificVolumeSatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, SinglePhaseProperty::kSpecificVolume, status);
}
double enthalpySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, SinglePhaseProperty::kEnthalpy, status);
}
double enthalpySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, SinglePhaseProperty::kEnthalpy, status);
}
double entropySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, SinglePhaseProperty::kEntropy, status);
}
double entropySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, SinglePhaseProperty::kEntropy, status);
}
double isobaricHeatCapacitySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, SinglePhaseProperty::kIsobaricHeatCapacity, status);
}
double isobaricHeatCapacitySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, SinglePhaseProperty::kIsobaricHeatCapacity, status);
}
double isochoricHeatCapacitySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, SinglePhaseProperty::kIsochoricHeatCapacity, status);
}
double isochoricHeatCapacitySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, SinglePhaseProperty::kIsochoricHeatCapacity, status);
}
double soundVelocitySatLiquid(double p, int& status) {
    return saturated(p, Phase::kLiquid, SinglePhaseProperty::kSoundVelocity, status);
}
double soundVelocitySatVapor(double p, int& status) {
    return saturated(p, Phase::kVapor, SinglePhaseProperty::kSoundVelocity, status);
}

double specificVolumeFromPX(double p, double x) {
    return twoPhase(p, x, SinglePhaseProperty::kSpecificVolume);
}
double enthalpyFromPX(double p, double x) {
    return twoPhase(p, x, SinglePhaseProperty::kEnthalpy);
}
double entropyFromPX(double p, double x) {
    return twoPhase(p, x, SinglePhaseProperty::kEntropy);
}

double evaporationEnthalpy(double p, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    int liquidStatus = kOk;
    int vaporStatus = kOk;
    const double hLiquid = enthalpySatLiquid(p, liquidStatus);
    const double hVapor = enthalpySatVapor(p, vaporStatus);
    if (liquidStatus != kOk || vaporStatus != kOk) {
        status = kEvaporationFailed;
        return -1.0;
    }
    status = kOk;
    return hVapor - hLiquid;
}

double homogeneousSoundVelocity(double p, double x, int& status) {
    status = detail::saturatedPressureStatus(p);
    if (status != kOk) {
        return -1.0;
    }
    if (!(p >= kTriplePressure && p < kCriticalPressure && x >= 0.0 && x <= 1.0)) {
        status = kOutsideRegion;
        return -1.0;
    }
    const double s = entropyFromPX(p, x);
    const auto [lo, hi] = slopePressures(p);
    int loStatus = kOk;
    int hiStatus = kOk;
    const double slope =
        (isentropicMixtureVolume(hi, s, hiStatus) - isentropicMixtureVolume(lo, s, loStatus)) /
        ((hi - lo) * 1.0e5);  // m³/(kg Pa)
    const double v = specificVolumeFromPX(p, x);
    if (loStatus != kOk || hiStatus != kOk || !(hi > lo) || !(slope < 0.0)) {
        status = kOutsideRegion;
        return -1.0;
    }
    status = kOk;
    return std::sqrt(-v * v / slope);
}

namespace detail {

int saturatedPressureStatus(double p) {
    if (!std::isfinite(p)) {
        return kNonFiniteInput;
    }
    return p > kCriticalPressure ? kAboveCriticalPressure : kOk;
}

int saturationTemperatureStatus(double t) {
    if (!std::isfinite(t)) {
        return kNonFiniteInput;
    }
    const double tK = t + kZeroCelsiusK;
    if (tK > kCriticalTemperatureK) {
        return kAboveCriticalTemperature;
    }
    return tK < kLowestWaterTemperatureK ? kBelowTripleTemperature : kOk;
}

}  // namespace detail

}  // namespace vaporis::water
