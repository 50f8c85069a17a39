#pragma once

#include "engine/water/water_steam_state.h"
#include "ui/session_flags.h"

namespace vaporis::app {

//! The calculation objects of all modules, created once at start and alive for the whole
//! run. Modules share them on purpose: the steam table, the water/steam flow process and
//! the thermal process all work on steamState1, so an input typed in one is seen in the
//! others.
struct ModuleObjects {
    water::WaterSteamState steamState1{water::kModePT, 50.0, 400.0, 1.0};
    water::WaterSteamState steamState2{water::kModePT, 50.0, 400.0, 1.0};
    ui::SessionFlags flags;
};

}  // namespace vaporis::app
