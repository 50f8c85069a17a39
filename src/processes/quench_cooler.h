#pragma once

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

//! The balance and its three warnings; none of them stops the balance.
struct QuenchBalance {
    double massFlowWater = 0.0;   //!< cooling-water flow; NOT_SET when h_cw equals h_set
    double hSet = 0.0;            //!< enthalpy of the exit stream [kJ/kg]
    double tExit = 0.0;           //!< exit temperature [°C], the set temperature
    double massFlowExit = 0.0;    //!< exit flow; NOT_SET with the cooling-water flow
    bool outOfRange = false;      //!< a stream state has no valid enthalpy
    bool pressureOrder = false;   //!< p_cw >= p_ss >= p_exit does not hold
    bool waterNotColder = false;  //!< h_cw >= h_set: the water cannot cool to the set state
};

//! Cooling-water flow of a desuperheater from the steady energy balance of its streams.
[[nodiscard]] QuenchBalance quenchCoolerBalance(const QuenchInputs& in);

}  // namespace vaporis::processes
