#pragma once

#include <string>

namespace vaporis::app {

//! How a command presents its result; shared by every command.
struct OutputOptions {
    bool json = false;     //!< one JSON object instead of the text table
    std::string htmlPath;  //!< also write the HTML report there (empty: none)
    bool batch = false;    //!< CSV from stdin to stdout instead of one state
};

}  // namespace vaporis::app
