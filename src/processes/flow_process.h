#pragma once

namespace vaporis::processes {

//! Result slots of a flow process; NOT_SET where the calculation gave no value. Both media
//! fill the slots up to kMach; the gas-only slots follow.
enum FlowResult : int {
    kMassFlow = 0,           //!< display value [kg/s or kg/h]
    kVolumeFlow = 1,         //!< display value [m³/s or m³/h]
    kCrossSection = 2,       //!< of one tube [mm²]
    kTotalCrossSection = 3,  //!< [mm²]
    kSquareSide = 4,         //!< [mm]
    kReynolds = 5,           //!< [-]
    kDynamicPressure = 6,    //!< [Pa]
    kLambda = 7,             //!< friction coefficient [-]
    kHeatTransfer = 8,       //!< to the tube wall [W/(m² K)]
    kFrictionDrop = 9,       //!< [mbar]
    kZetaDrop = 10,          //!< [mbar]
    kTotalDrop = 11,         //!< [mbar]
    kMach = 12,              //!< [-]
    kNormalFlow = 13,        //!< display value [Nm³/s or Nm³/h]
    kDraft = 14,             //!< of the height difference [mbar]; NOT_SET without free flow
};
//! Result slots of a water/steam flow and of a gas flow.
inline constexpr int kSteamFlowResultCount = kMach + 1;
inline constexpr int kGasFlowResultCount = kDraft + 1;

}  // namespace vaporis::processes
