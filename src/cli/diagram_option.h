#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_options.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"

namespace vaporis::cli {

//! Where to write the diagram of a process, which diagram and the axis ranges to draw it with.
struct DiagramOptions {
    std::string svgPath;      //!< empty: none
    std::string pngPath;      //!< empty: none
    std::string pdfPath;      //!< empty: none
    std::string kind = "ts";  //!< "ts" or (water/steam) "hs"
    NumberOption tMin, tMax, sMin, sMax, hMin, hMax;
};

//! --svg, --png, --pdf, --t-min, --t-max, --s-min and --s-max; for water/steam (steam) also
//! --diagram, --h-min and --h-max.
void addDiagramOptions(CLI::App& command, DiagramOptions& diagram, bool steam);

//! Writes the diagram of the calculated process when --svg, --png or --pdf was given, with the
//! default ranges (the h-s diagram's chosen from the process) where none was given. Throws
//! ArgumentError when a given range is refused or a file could not be written.
void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::SteamThermalProcess& process);
void writeDiagramIfAsked(const DiagramOptions& diagram,
                         const processes::GasThermalProcess& process);

}  // namespace vaporis::cli
