#pragma once

namespace vaporis::app {

//! Makes the units kept from the last run the windows' units; the written ones when none were
//! kept or the kept ones cannot be read.
void loadWindowUnits();

//! Keeps the windows' units for the next run, in the desktop's usual place for settings.
void storeWindowUnits();

}  // namespace vaporis::app
