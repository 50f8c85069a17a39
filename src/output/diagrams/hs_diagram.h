#pragma once

#include "output/diagrams/display_list.h"
#include "output/diagrams/ts_diagram.h"
#include "output/units/units.h"
#include "processes/module_rules.h"
#include "processes/thermal/steam_thermal_process.h"

namespace vaporis::output {

using processes::HsDiagramRanges;

//! Ranges that show the states of the process with room around them, their ends on whole ticks
//! of the chosen units.
[[nodiscard]] HsDiagramRanges hsRangesFor(const processes::SteamThermalProcess& process,
                                          const UnitChoice& units = {});

//! Whether the ranges may be drawn: finite spans and both axes ascending.
[[nodiscard]] bool rangesAccepted(const HsDiagramRanges& ranges);

//! The h-s diagram of a calculated water/steam process: the saturation line, the isobars of p1
//! and p2, the line of constant quality through a wet end state, the states with their values
//! and the change of state; the switches of settings choose what is drawn, its ranges are unused.
//! Ticks and values in the chosen units, the ranges in the written ones.
[[nodiscard]] DisplayList steamHsDiagram(const processes::SteamThermalProcess& process,
                                         const TsDiagramSettings& settings,
                                         const HsDiagramRanges& ranges,
                                         const UnitChoice& units = {});

}  // namespace vaporis::output
