#pragma once

#include <string_view>

#include "output/reports/report_frame.h"

namespace vaporis::ui {

class Port;

//! Asks for the report's file name, offering `documentName` (the module's name), writes it
//! and opens it with the desktop's viewer. A cancelled question does nothing; a report that
//! could not be written is not opened and the user is told, as when it could not be opened.
void askWriteAndOpenReport(Port& port, const output::ReportWriter& write,
                           std::string_view documentName = {});

}  // namespace vaporis::ui
