#include "processes/quench_cooler.h"

#include <cmath>

#include "engine/common/not_set.h"
#include "engine/water/if97_regions.h"
#include "engine/water/status_codes.h"

namespace vaporis::processes {

QuenchBalance quenchCoolerBalance(const QuenchInputs& in) {
    int steamStatus = water::kOk;
    int waterStatus = water::kOk;
    int setStatus = water::kOk;
    const double hSteam = water::enthalpy(in.pSteam, in.tSteam, steamStatus);
    const double hWater = water::enthalpy(in.pWater, in.tWater, waterStatus);
    QuenchBalance out;
    out.hSet = water::enthalpy(in.pExit, in.tSet, setStatus);
    out.tExit = in.tSet;
    out.outOfRange =
        steamStatus != water::kOk || waterStatus != water::kOk || setStatus != water::kOk;
    out.pressureOrder = in.pWater < in.pSteam || in.pSteam < in.pExit;
    out.waterNotColder = !(hWater < out.hSet);
    const double massFlowWater = (hSteam - out.hSet) * in.massFlowSteam / (out.hSet - hWater);
    // Equal enthalpies leave the balance without a solution: no number rather than infinity.
    if (std::isfinite(massFlowWater)) {
        out.massFlowWater = massFlowWater;
        out.massFlowExit = in.massFlowSteam + massFlowWater;
    } else {
        out.massFlowWater = NOT_SET;
        out.massFlowExit = NOT_SET;
    }
    return out;
}

}  // namespace vaporis::processes
