#pragma once

namespace vaporis::cli {

//! Runs vaporis-cli with the program's arguments and returns the exit code: usage errors
//! become one line on stderr and kExitUsage.
[[nodiscard]] int runCommandLine(int argc, const char* const* argv);

}  // namespace vaporis::cli
