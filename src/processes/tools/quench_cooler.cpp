#include "processes/tools/quench_cooler.h"

#include <cmath>

#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/status_codes.h"

namespace vaporis::processes {
namespace {

bool finiteInputs(const QuenchInputs& in) {
    return std::isfinite(in.pSteam) && std::isfinite(in.tSteam) &&
           std::isfinite(in.massFlowSteam) && std::isfinite(in.pWater) &&
           std::isfinite(in.tWater) && std::isfinite(in.tSet) && std::isfinite(in.pExit);
}

// The reason the stream enthalpies [kJ/kg] give no balance, checked in this order.
QuenchRefusal refusalOf(const QuenchInputs& in, const QuenchBalance& out, double hSteam,
                        double hWater, bool statusesOk, int setStatus) {
    // A set point on or below the saturation line would leave the cooler wet or liquid.
    if (setStatus == water::kOnSaturationLine || (out.tsExit != NOT_SET && in.tSet <= out.tsExit)) {
        return QuenchRefusal::kSetNotSuperheated;
    }
    if (!statusesOk) {
        return QuenchRefusal::kOutOfRange;
    }
    if (!(hWater < out.hSet)) {
        return QuenchRefusal::kWaterNotColder;
    }
    return hSteam < out.hSet ? QuenchRefusal::kSteamNotHotter : QuenchRefusal::kNone;
}

}  // namespace

QuenchBalance quenchCoolerBalance(const QuenchInputs& in) {
    QuenchBalance out;
    if (!finiteInputs(in) || in.massFlowSteam < 0.0) {
        out.refusal = QuenchRefusal::kInputData;
        return out;
    }
    out.pressureOrder = in.pWater < in.pSteam || in.pSteam < in.pExit;
    int tsStatus = water::kOk;
    const double ts = water::boilingTemperature(in.pExit, tsStatus);
    if (tsStatus == water::kOk) {
        out.tsExit = ts;
    }
    int steamStatus = water::kOk;
    int waterStatus = water::kOk;
    int setStatus = water::kOk;
    const double hSteam = water::enthalpy(in.pSteam, in.tSteam, steamStatus);
    const double hWater = water::enthalpy(in.pWater, in.tWater, waterStatus);
    out.hSet = water::enthalpy(in.pExit, in.tSet, setStatus);
    const bool statusesOk =
        steamStatus == water::kOk && waterStatus == water::kOk && setStatus == water::kOk;
    out.refusal = refusalOf(in, out, hSteam, hWater, statusesOk, setStatus);
    if (out.refusal != QuenchRefusal::kNone) {
        out.hSet = NOT_SET;
        return out;
    }
    const double massFlowWater = (hSteam - out.hSet) * in.massFlowSteam / (out.hSet - hWater);
    // A steam flow near the largest double overflows: no result rather than an infinite one.
    if (!std::isfinite(in.massFlowSteam + massFlowWater)) {
        return QuenchBalance{QuenchRefusal::kInputData};
    }
    out.massFlowWater = massFlowWater;
    out.massFlowExit = in.massFlowSteam + massFlowWater;
    out.tExit = in.tSet;
    return out;
}

}  // namespace vaporis::processes
