#pragma once

#include <string>
#include <string_view>

#include "ui/port.h"

namespace vaporis::gas {
class GasAnalysis;
}

namespace vaporis::ui {

//! The file question of gas-analysis files.
inline constexpr FileQuestion kGasFileQuestion{"Gas analysis files (*.gas)", "*.gas", "gas"};

//! Shown when a .gas file could not be written; an existing file is then untouched.
inline constexpr std::string_view kGasFileNotWrittenText =
    "The gas analysis file could not be written. Please choose another folder or file name.";

//! Asks for a .gas file and writes the analysis into it; the analysis is named after the
//! chosen file. An empty analysis is not saved; an existing file is replaced
//! only after the user agreed. False when nothing was written.
bool saveGasAnalysis(Port& port, gas::GasAnalysis& analysis);

//! Asks for a .gas file and loads it into the analysis, which is named after the file even
//! when the file proves unreadable (newer version, invalid type, not found); the composition
//! changes only when the whole file was good. False when nothing was loaded.
bool loadGasAnalysis(Port& port, gas::GasAnalysis& analysis);
//! Loads the .gas file at path (UTF-8) as loadGasAnalysis does after its question.
bool loadGasAnalysisFile(Port& port, gas::GasAnalysis& analysis, const std::string& path);

}  // namespace vaporis::ui
