#include "engine/water/property_set.h"

#include <cmath>

#include "engine/water/if97_regions.h"
#include "engine/water/iterations.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::water {
namespace {

// Region 3 at the density of (p, T).
PropertySet helmholtzSet(double p, double tK, int& status) {
    const double v = region3Volume(p, tK, status);
    return status == kOk ? detail::helmholtzPropertySet(v, tK) : PropertySet{};
}

}  // namespace

PropertySet propertySet(double p, double t, int region, int& status) {
    if (!std::isfinite(p) || !std::isfinite(t)) {
        status = kNonFiniteInput;
        return {};
    }
    const double tK = t + 273.15;
    const int r = region == kRegionNone ? regionOf(p, tK) : region;
    if (r == kRegion4) {
        status = kOnSaturationLine;
        return {};
    }
    if (r != kRegion1 && r != kRegion2 && r != kRegion3 && r != kRegion5) {
        status = kOutsideRegion;
        return {};
    }
    if (r == kRegion3) {
        return helmholtzSet(p, tK, status);
    }
    status = kOk;
    return detail::gibbsPropertySet(p, tK, r);
}

}  // namespace vaporis::water
