#pragma once

#include "engine/common/not_set.h"

namespace vaporis::processes {

//! The streams of a quench cooler (desuperheater). Flows in any one unit; the results use it.
struct QuenchInputs {
    double pSteam = 50.0;        //!< steam-side pressure [bar]
    double tSteam = 400.0;       //!< steam-side temperature [°C]
    double massFlowSteam = 1.0;  //!< steam-side mass flow
    double pWater = 50.0;        //!< cooling-water pressure [bar]
    double tWater = 150.0;       //!< cooling-water temperature [°C]
    double tSet = 350.0;         //!< set (exit) temperature [°C]
    double pExit = 50.0;         //!< exit pressure [bar]
};

//! Why a balance has no valid result.
enum class QuenchRefusal {
    kNone,               //!< results are given
    kInputData,          //!< an input not finite, or a negative steam flow
    kSetNotSuperheated,  //!< t_set at or below the boiling temperature at p_exit
    kOutOfRange,         //!< a stream state has no valid enthalpy
    kWaterNotColder,     //!< h_cw >= h_set: the water cannot cool to the set state
    kSteamNotHotter,     //!< h_ss < h_set: the balance would heat, with a negative water flow
};

//! The balance, or the reason it has none; the pressure-order warning does not stop it.
struct QuenchBalance {
    QuenchRefusal refusal = QuenchRefusal::kNone;
    double massFlowWater = NOT_SET;  //!< cooling-water flow
    double hSet = NOT_SET;           //!< enthalpy of the exit stream [kJ/kg]
    double tExit = NOT_SET;          //!< exit temperature [°C], the set temperature
    double massFlowExit = NOT_SET;   //!< exit flow
    double tsExit = NOT_SET;         //!< boiling temperature at p_exit [°C]; NOT_SET above pc
    bool pressureOrder = false;      //!< p_cw >= p_ss >= p_exit does not hold
};

//! Cooling-water flow of a desuperheater from the steady energy balance of its streams.
[[nodiscard]] QuenchBalance quenchCoolerBalance(const QuenchInputs& in);

}  // namespace vaporis::processes
