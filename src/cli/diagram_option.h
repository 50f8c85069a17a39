#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_options.h"
#include "processes/gas_thermal_process.h"
#include "processes/steam_thermal_process.h"

namespace vaporis::app {

//! Where to write the T-s diagram of a process and the axis ranges to draw it with.
struct DiagramOptions {
    std::string svgPath;  //!< empty: none
    std::string pngPath;  //!< empty: none
    NumberOption tMin, tMax, sMin, sMax;
};

//! --svg, --png, --t-min, --t-max, --s-min and --s-max.
void addDiagramOptions(CLI::App& command, DiagramOptions& diagram);

//! Writes the diagram of the calculated process when --svg or --png was given, with the default
//! ranges where none was given. Throws ArgumentError when a given range is refused or the file
//! could not be written.
void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::SteamThermalProcess& process);
void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::GasThermalProcess& process);

}  // namespace vaporis::app
