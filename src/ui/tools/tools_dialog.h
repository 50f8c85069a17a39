#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "output/messages/tools_messages.h"
#include "processes/tools/ambient_data.h"
#include "processes/tools/critical_outflow.h"
#include "processes/tools/quench_cooler.h"
#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/result_table.h"

namespace vaporis::ui {

//! Control ids of the tools dialog (151).
enum ToolsId : int {
    kIdToolsTemperature = 1009,
    kIdToolsHumidity = 1010,
    kIdQuenchSteamP = 1011,
    kIdOutflowP0 = 1012,
    kIdQuenchSteamT = 1013,
    kIdOutflowT0 = 1014,
    kIdOutflowLavalP = 1015,
    kIdOutflowLavalFlux = 1016,
    kIdQuenchWaterP = 1017,
    kIdQuenchSteamTs = 1018,
    kIdQuenchWaterT = 1019,
    kIdQuenchWaterTs = 1020,
    kIdQuenchSteamFlow = 1021,
    kIdQuenchWaterFlow = 1022,
    kIdQuenchSetT = 1023,
    kIdQuenchSetH = 1024,
    kIdQuenchExitP = 1025,
    kIdQuenchExitT = 1026,
    kIdOutflowTs0 = 1027,
    kIdQuenchExitFlow = 1028,
    kIdOutletP = 1029,
    kIdOutletTs = 1030,
    kIdOutflowTankP = 1031,
    kIdOutflowLength = 1032,
    kIdOutletX = 1033,
    kIdTankT = 1034,
    kIdOutflowDiameter = 1035,
    kIdTankTs = 1036,
    kIdTankX = 1037,
    kIdOutflowTubes = 1038,
    kIdOutflowMassFlow = 1039,
    kIdOutflowFriction = 1040,
    kIdOutflowMassFlux = 1041,
    kIdOutletT = 1044,
    kIdOutflowError = 1045,
    kIdInletP = 1046,
    kIdInletTs = 1047,
    kIdInletX = 1048,
    kIdInletT = 1049,
    kIdOutflowSteps = 1050,
    kIdOutletVelocity = 1052,
    kIdInletVelocity = 1053,
    kIdToolsLevel = 1549,
    kIdAtmosphereCalculate = 1551,
    kIdToolsBack = 1552,
    kIdQuenchCalculate = 1565,
    kIdOutflowCalculate = 1566,
    kIdOutflowCancel = 1567,
    kIdAtmosphereP = 2800,
    kIdAtmosphereRho = 2801,
    kIdAtmosphereDewPoint = 2802,
    kIdAtmosphereWet = 2803,
    kIdAtmosphereDry = 2804,
    kIdAtmosphereMoles = 2805,
    kIdNozzleAborted = 4032,
    kIdOutletAborted = 4033,
    kIdOutflowNotChoked = 4034,
};

namespace detail {

inline constexpr std::string_view kGroupAtmosphere =
    "Calculation of isotropic atmospheric layering:";
inline constexpr std::string_view kGroupQuench = "Quench cooler calculation:";
inline constexpr std::string_view kGroupOutflow =
    "Critical mass flow of water/steam mixtures from pressure vessels:";

using K = ControlKind;

inline constexpr std::string_view kNotChokedText =
    "Not choked: the flow expands to the tank pressure";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kToolsControls = std::to_array<ControlEntry>({
    {kStaticId, K::kGroup, kGroupAtmosphere, 0, 0, ""},
    {kIdToolsLevel, K::kEdit, "level above sea h [m] =", 0, 0, kGroupAtmosphere},
    {kIdToolsTemperature, K::kEdit, "temperature t [°C] =", 1, 0, kGroupAtmosphere},
    {kIdToolsHumidity, K::kEdit, "relative humidity [%] =", 2, 0, kGroupAtmosphere},
    {kIdAtmosphereCalculate, K::kButton, "calculation", 4, 1, kGroupAtmosphere},
    {kIdAtmosphereP, K::kReadOnlyEdit, "atmospheric pressure p [mbar]", 0, 2, kGroupAtmosphere},
    {kIdAtmosphereRho, K::kReadOnlyEdit, "density rho [kg/m³]", 1, 2, kGroupAtmosphere},
    {kIdAtmosphereDewPoint, K::kReadOnlyEdit, "dew point [°C]", 2, 2, kGroupAtmosphere},
    {kIdAtmosphereWet, K::kReadOnlyEdit, "water content x [g/kg_wet]", 3, 2, kGroupAtmosphere},
    {kIdAtmosphereDry, K::kReadOnlyEdit, "water content x_t [g/kg_dry]", 4, 2, kGroupAtmosphere},
    {kIdAtmosphereMoles, K::kReadOnlyEdit, "water content a [mol/kmol_wet]", 5, 2,
     kGroupAtmosphere},
    {kStaticId, K::kGroup, kGroupQuench, 0, 1, ""},
    {kStaticId, K::kStatic, "steam side", 0, 1, kGroupQuench},
    {kStaticId, K::kStatic, "cooling water", 0, 2, kGroupQuench},
    {kStaticId, K::kStatic, "exit stream (set)", 0, 3, kGroupQuench},
    {kIdQuenchSteamP, K::kEdit, "absolute pressure [bar] =", 1, 0, kGroupQuench},
    {kIdQuenchWaterP, K::kEdit, "", 1, 2, kGroupQuench},
    {kIdQuenchExitP, K::kEdit, "", 1, 3, kGroupQuench},
    {kIdQuenchSteamT, K::kEdit, "temperature [°C] =", 2, 0, kGroupQuench},
    {kIdQuenchWaterT, K::kEdit, "", 2, 2, kGroupQuench},
    {kIdQuenchSteamTs, K::kReadOnlyEdit, "boiling temperature [°C]", 3, 0, kGroupQuench, 1, false},
    {kIdQuenchWaterTs, K::kReadOnlyEdit, "", 3, 2, kGroupQuench, 1, false},
    {kIdQuenchSteamFlow, K::kEdit, "mass flow [any unit] =", 4, 0, kGroupQuench},
    {kIdQuenchWaterFlow, K::kReadOnlyEdit, "", 4, 2, kGroupQuench},
    {kIdQuenchExitFlow, K::kReadOnlyEdit, "", 4, 3, kGroupQuench},
    {kIdQuenchSetT, K::kEdit, "", 2, 3, kGroupQuench},
    {kStaticId, K::kStatic, "set enthalpy [kJ/kg]", 5, 0, kGroupQuench},
    {kIdQuenchSetH, K::kReadOnlyEdit, "", 5, 3, kGroupQuench},
    {kStaticId, K::kStatic, "exit temperature [°C]", 6, 0, kGroupQuench},
    {kIdQuenchExitT, K::kReadOnlyEdit, "", 6, 3, kGroupQuench},
    {kIdQuenchCalculate, K::kButton, "calculation", 6, 1, kGroupQuench},
    {kStaticId, K::kGroup, kGroupOutflow, 1, 0, "", 2},
    {kIdOutflowP0, K::kEdit, "vessel pressure [bar] =", 0, 0, kGroupOutflow},
    {kIdOutflowT0, K::kEdit, "vessel temperature [°C] =", 1, 0, kGroupOutflow},
    {kIdOutflowTs0, K::kReadOnlyEdit, "boiling temperature [°C]", 2, 0, kGroupOutflow, 1, false},
    {kIdOutflowLength, K::kEdit, "tube length [m] =", 3, 0, kGroupOutflow},
    {kIdOutflowDiameter, K::kEdit, "tube inner diameter [mm] =", 4, 0, kGroupOutflow},
    {kIdOutflowTubes, K::kEdit, "number of parallel tubes [-] =", 5, 0, kGroupOutflow},
    {kIdOutflowTankP, K::kEdit, "collecting-tank pressure [bar] =", 6, 0, kGroupOutflow},
    {kIdOutflowSteps, K::kEdit, "number of calculation steps [-] =", 7, 0, kGroupOutflow},
    {kIdOutflowCalculate, K::kButton, "calculation", 7, 3, kGroupOutflow},
    {kIdOutflowCancel, K::kButton, "cancel", 7, 4, kGroupOutflow, 1, false},
    {kStaticId, K::kStatic, "tube inlet", 0, 3, kGroupOutflow},
    {kStaticId, K::kStatic, "tube outlet", 0, 4, kGroupOutflow},
    {kStaticId, K::kStatic, "collecting tank", 0, 5, kGroupOutflow},
    {kIdInletP, K::kReadOnlyEdit, "pressure [bar]", 1, 2, kGroupOutflow},
    {kIdOutletP, K::kReadOnlyEdit, "", 1, 4, kGroupOutflow},
    {kIdInletT, K::kReadOnlyEdit, "temperature [°C]", 2, 2, kGroupOutflow},
    {kIdOutletT, K::kReadOnlyEdit, "", 2, 4, kGroupOutflow},
    {kIdTankT, K::kReadOnlyEdit, "", 2, 5, kGroupOutflow},
    {kIdInletTs, K::kReadOnlyEdit, "boiling temperature [°C]", 3, 2, kGroupOutflow},
    {kIdOutletTs, K::kReadOnlyEdit, "", 3, 4, kGroupOutflow},
    {kIdTankTs, K::kReadOnlyEdit, "", 3, 5, kGroupOutflow},
    {kIdInletX, K::kReadOnlyEdit, "steam quality [-]", 4, 2, kGroupOutflow},
    {kIdOutletX, K::kReadOnlyEdit, "", 4, 4, kGroupOutflow},
    {kIdTankX, K::kReadOnlyEdit, "", 4, 5, kGroupOutflow},
    {kIdInletVelocity, K::kReadOnlyEdit, "flow velocity [m/s]", 5, 2, kGroupOutflow},
    {kIdOutletVelocity, K::kReadOnlyEdit, "", 5, 4, kGroupOutflow},
    {kIdOutflowNotChoked, K::kStatic, kNotChokedText, 5, 5, kGroupOutflow, 2},
    {kIdNozzleAborted, K::kStatic, output::kNozzleAbortedText, 6, 5, kGroupOutflow, 2},
    {kIdOutletAborted, K::kStatic, output::kOutletAbortedText, 7, 5, kGroupOutflow, 2},
    {kIdOutflowLavalP, K::kReadOnlyEdit, "laval press. pLE [bar] of nozzle", 8, 0, kGroupOutflow},
    {kIdOutflowLavalFlux, K::kReadOnlyEdit, "max. mass flux [kg/m²s] (nozzle)", 9, 0,
     kGroupOutflow},
    {kIdOutflowMassFlow, K::kReadOnlyEdit, "mass flow [kg/s]", 10, 0, kGroupOutflow},
    {kIdOutflowMassFlux, K::kReadOnlyEdit, "mass flux [kg/m²s]", 8, 5, kGroupOutflow},
    {kIdOutflowFriction, K::kReadOnlyEdit, "applied friction coefficient lambda [-]", 9, 5,
     kGroupOutflow},
    {kIdOutflowError, K::kReadOnlyEdit, "calc. error [-]", 10, 5, kGroupOutflow},
    {kIdCopyTable, K::kButton, kCopyTableText, 2, 0, ""},
    {kIdToolsBack, K::kButton, "back", 2, 1, ""},
});

}  // namespace detail

inline constexpr std::array<int, 3> kToolsSectionButtons{kIdAtmosphereCalculate, kIdQuenchCalculate,
                                                         kIdOutflowCalculate};

//! Dialog 151. The close box acts as "back".
inline constexpr DialogTemplate kToolsTemplate{
    151, "TORVIK - tools", detail::kToolsControls, kIdToolsBack,
    0,   kIdCopyTable,     kToolsSectionButtons};

//! The tools dialog: the isotropic atmosphere on the program's ambient data, the quench cooler
//! balance and the critical outflow from a vessel, each with its own "calculation" button.
class ToolsDialog : public DialogLogic {
public:
    ToolsDialog(Port& port, processes::AmbientData& ambient);

    void opened() override;
    //! While the outflow runs only "cancel" is heard.
    void command(int id) override;
    void refreshDisplays() override;

private:
    void calculateAtmosphere();
    void calculateQuench();
    void calculateOutflow();
    void showOutflow(const processes::OutflowResult& out);

    Port& port_;
    processes::AmbientData& ambient_;
    bool running_ = false;
    bool cancelRequested_ = false;
};

}  // namespace vaporis::ui
