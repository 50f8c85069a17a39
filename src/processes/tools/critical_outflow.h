#pragma once

#include <functional>

#include "engine/common/not_set.h"
#include "engine/common/physical_constants.h"

namespace vaporis::processes {

//! A vessel discharging water/steam into a collecting tank through a nozzle or tubes.
struct OutflowInputs {
    double p0 = 50.0;                //!< vessel pressure [bar]
    double t0 = 400.0;               //!< vessel temperature [°C]
    double length = 30.0;            //!< tube length [m]; 0 for the nozzle alone
    double diameter = 80.0;          //!< tube inner diameter [mm]
    double tubeCount = 1.0;          //!< parallel tubes [-]
    double pTank = kNormalPressure;  //!< collecting-tank pressure [bar]
    int steps = 50;                  //!< pressure steps of the tube integration
};

//! Why a calculation gave no results.
enum class OutflowRefusal {
    kNone,                   //!< results are given
    kShortTube,              //!< 0 < L < 0.1 m
    kNearSaturation,         //!< vessel within kSaturationBand of its boiling temperature
    kAboveCriticalPressure,  //!< p0 > 220.64 bar
    kInputData,              //!< no vessel state, p_tank >= p0, a count or size below 1
    kCancelled,              //!< declined at the high-pressure notice or cancelled while running
    kTooManySteps,           //!< more than kMaxSteps pressure steps
};

//! Tube length [m] below which the calculation is refused; up to kFewStepsLength it runs
//! with at most kFewSteps steps.
inline constexpr double kShortestTube = 0.1;
inline constexpr double kFewStepsLength = 0.5;
inline constexpr int kFewSteps = 10;
//! Distance [K] from the boiling temperature within which the vessel state is refused.
inline constexpr double kSaturationBand = 0.001;
//! Most pressure steps accepted; more would only lengthen the run.
inline constexpr int kMaxSteps = 1000;
//! Vessel pressure [bar] above which a long calculation is announced.
inline constexpr double kLongCalculationPressure = 100.0;

//! A point of the flow: tube inlet or outlet.
struct OutflowPoint {
    double p = NOT_SET;         //!< [bar]
    double t = NOT_SET;         //!< [°C]
    double ts = NOT_SET;        //!< boiling temperature at p [°C]
    double x = NOT_SET;         //!< steam quality [-]; NOT_SET for a single phase
    double velocity = NOT_SET;  //!< [m/s]
};

struct OutflowResult {
    OutflowRefusal refusal = OutflowRefusal::kNone;
    int steps = 0;            //!< steps used
    double pLaval = NOT_SET;  //!< Laval pressure of the ideal nozzle [bar]
    double gLaval = NOT_SET;  //!< its maximum mass flux [kg/(m² s)]
    OutflowPoint inlet;
    OutflowPoint outlet;
    double massFlux = NOT_SET;  //!< [kg/(m² s)]
    double massFlow = NOT_SET;  //!< all tubes [kg/s]
    double friction = NOT_SET;  //!< applied friction coefficient [-]
    double tankT = NOT_SET;     //!< [°C]
    double tankTs = NOT_SET;    //!< [°C]
    double tankX = NOT_SET;     //!< NOT_SET for a single phase
    bool nozzleIterationAborted = false;
    bool outletIterationAborted = false;
    //! The tube iteration's last signed relative length error; NOT_SET for the nozzle alone.
    double lengthError = NOT_SET;
    //! True when the flow chokes (in the nozzle at the Laval pressure, or at a tube outlet
    //! above the tank pressure); false when it expands to the tank pressure without choking.
    bool choked = true;
};

//! What the caller is told while the calculation runs. Empty functions: no notice, go on.
struct OutflowCallbacks {
    //! The tube is short: the calculation goes on with this many steps.
    std::function<void(int steps)> stepsReduced;
    //! The vessel pressure is high: false ends the calculation.
    std::function<bool()> confirmLongCalculation;
    //! After each pass of the tube iteration: its signed relative length error; setting
    //! cancel ends the calculation without results.
    std::function<void(double relativeError, bool& cancel)> progress;
};

//! The step count of an entered number, truncated; above kMaxSteps (or not a number) a count
//! that the calculation refuses.
[[nodiscard]] int outflowSteps(double entered);

//! Mass flow of homogeneous water/steam in equilibrium from a vessel through an ideal nozzle
//! and, for L > 0, through tubes with wall friction: choked, or limited by the tank pressure
//! where that lies above the choking pressure.
[[nodiscard]] OutflowResult criticalOutflow(const OutflowInputs& in,
                                            const OutflowCallbacks& callbacks = {});

}  // namespace vaporis::processes
