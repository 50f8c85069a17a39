#pragma once

#include <QString>

#include "app/module_objects.h"

namespace vaporis::app {

//! Renders the main menu, the steam table, its results after a calculation at 50 bar and
//! 400 °C, the gas properties after a calculation at 1 bar and 400 °C, the gas-analysis
//! editor, the validity window and the information dialog as PNG files into directory (for
//! reviewing the layouts without a display). False when a file could not be written.
bool renderScreenshots(const QString& directory, ModuleObjects& objects);

}  // namespace vaporis::app
