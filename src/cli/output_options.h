#pragma once

#include <string>

#include "ui/report_frame.h"

namespace vaporis::app {

//! How a command presents its result; shared by every command.
struct OutputOptions {
    bool json = false;     //!< one JSON object instead of the text table
    std::string htmlPath;  //!< also write the HTML report there (empty: none)
    bool batch = false;    //!< CSV from stdin to stdout instead of one state
};

//! Writes the report with `write` when output asks for one. Throws ArgumentError naming the
//! file when it could not be written.
void writeHtmlIfAsked(const OutputOptions& output, const ui::ReportWriter& write);

}  // namespace vaporis::app
