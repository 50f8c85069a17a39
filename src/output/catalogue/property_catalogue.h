#pragma once

#include <string_view>

#include "output/catalogue/report_unit.h"

namespace vaporis::output {

//! One value of a state as every output names it: the dialogs, the reports and the command
//! line's text table, JSON and CSV all read these rows, so a value is named in one place.
struct PropertyEntry {
    std::string_view key;          //!< JSON key and CSV column
    std::string_view dialogLabel;  //!< beside its dialog field; empty where no dialog shows it
    std::string_view reportLabel;  //!< first cell of its report row; empty where none shows it
    std::string_view textLabel;    //!< row of the command line's text table, with the unit
    ReportUnit unit;               //!< of its report row
    int decimals;                  //!< in its dialog field
};

}  // namespace vaporis::output
