#pragma once

#include <QString>

#include "project/module_objects.h"

namespace vaporis::app {

//! Renders the main menu and every registered module window as PNG files into directory
//! (for reviewing the layouts without a display); the result windows show the states at their
//! default inputs, 50 bar and 400 °C for water/steam, 1 bar and 400 °C for the gas. False when
//! a file could not be written.
bool renderScreenshots(const QString& directory, project::ModuleObjects& objects);

}  // namespace vaporis::app
