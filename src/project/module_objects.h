#pragma once

#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_analysis_file.h"
#include "engine/gas/gas_state.h"
#include "engine/water/water_steam_state.h"
#include "output/diagrams/ts_diagram.h"
#include "processes/flow/gas_flow_process.h"
#include "processes/flow/steam_flow_process.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "processes/tools/ambient_data.h"
#include "project/session_flags.h"

namespace vaporis::project {

//! The calculation objects of all modules, created once at start and alive for the whole
//! run. Modules share them on purpose: the steam table, the water/steam flow process and
//! the thermal process all work on steamState1, so an input typed in one is seen in the
//! others; likewise the gas modules share gasState1 and every gas module the one analysis.
struct ModuleObjects {
    ModuleObjects() = default;
    // The gas states point at gasAnalysis: a copy would compute with the original's gas.
    ModuleObjects(const ModuleObjects&) = delete;
    ModuleObjects& operator=(const ModuleObjects&) = delete;

    processes::AmbientData ambient;
    output::TsDiagramSettings gasTsDiagram;
    output::TsDiagramSettings steamTsDiagram;
    gas::GasAnalysis gasAnalysis = [] {
        gas::GasAnalysis analysis;
        analysis.setDefault();
        return analysis;
    }();
    gas::GasState gasState1{gasAnalysis, 1.0, 400.0};
    gas::GasState gasState2{gasAnalysis, 1.0, 400.0};
    processes::GasThermalProcess gasThermalProcess{gasState1, gasState2};
    processes::GasFlowProcess gasFlowProcess{gasState1, ambient};
    water::WaterSteamState steamState1{water::kModePT, 50.0, 400.0, 1.0};
    water::WaterSteamState steamState2{water::kModePT, 50.0, 400.0, 1.0};
    processes::SteamThermalProcess steamThermalProcess{steamState1, steamState2};
    processes::SteamFlowProcess steamFlowProcess{steamState1};
    SessionFlags flags;
};

}  // namespace vaporis::project
