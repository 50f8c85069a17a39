#include "engine/water/if97_regions.h"

#include <cmath>

#include "engine/common/finite_result.h"
#include "engine/common/physical_constants.h"
#include "engine/water/region3_density.h"
#include "engine/water/region_choice.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

using detail::SinglePhaseProperty;

// Selects the region, rejects regions 0 and 4, finds the region-3 density, then forms the
// property from the basic equation of the region.
double property(double p, double t, int region, int& status, SinglePhaseProperty which) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        status = kNonFiniteInput;
        return -1.0;
    }
    const double tK = t + kZeroCelsiusK;
    const int r = region == kRegionNone ? regionOf(p, tK) : region;
    if (r == kRegion4) {
        status = kOnSaturationLine;
        return -1.0;
    }
    if (r != kRegion1 && r != kRegion2 && r != kRegion3 && r != kRegion5) {
        status = kOutsideRegion;
        return which == SinglePhaseProperty::kSpecificVolume ? 0.0 : -1.0;
    }
    if (r == kRegion3) {
        const double v = region3Volume(p, tK, status);
        return status == kOk
                   ? finiteResult(detail::helmholtzProperty(which, v, tK), status, kOutsideRegion)
                   : -1.0;
    }
    status = kOk;
    return finiteResult(detail::gibbsProperty(which, p, tK, r), status, kOutsideRegion);
}

}  // namespace

double specificVolume(double p, double t, int region, int& status) {
    return property(p, t, region, status, SinglePhaseProperty::kSpecificVolume);
}
double enthalpy(double p, double t, int region, int& status) {
    return property(p, t, region, status, SinglePhaseProperty::kEnthalpy);
}
double entropy(double p, double t, int region, int& status) {
    return property(p, t, region, status, SinglePhaseProperty::kEntropy);
}
double isobaricHeatCapacity(double p, double t, int region, int& status) {
    return property(p, t, region, status, SinglePhaseProperty::kIsobaricHeatCapacity);
}
double isochoricHeatCapacity(double p, double t, int region, int& status) {
    return property(p, t, region, status, SinglePhaseProperty::kIsochoricHeatCapacity);
}
double soundVelocity(double p, double t, int region, int& status) {
    return property(p, t, region, status, SinglePhaseProperty::kSoundVelocity);
}

double specificVolume(double p, double t, int& status) {
    return specificVolume(p, t, kRegionNone, status);
}
double enthalpy(double p, double t, int& status) {
    return enthalpy(p, t, kRegionNone, status);
}
double entropy(double p, double t, int& status) {
    return entropy(p, t, kRegionNone, status);
}
double isobaricHeatCapacity(double p, double t, int& status) {
    return isobaricHeatCapacity(p, t, kRegionNone, status);
}
double isochoricHeatCapacity(double p, double t, int& status) {
    return isochoricHeatCapacity(p, t, kRegionNone, status);
}
double soundVelocity(double p, double t, int& status) {
    return soundVelocity(p, t, kRegionNone, status);
}

}  // namespace vaporis::water
