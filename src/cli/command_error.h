#pragma once

#include <stdexcept>

namespace vaporis::app {

//! Exit codes of vaporis-cli.
enum ExitCode : int {
    kExitOk = 0,
    //! The command could not run as asked: bad arguments, an unreadable analysis file, a
    //! batch without its header, a report or output that could not be written.
    kExitUsage = 1,
    //! The inputs were read but the state cannot be computed; the dialog's message is on
    //! stderr.
    kExitInputStatus = 2,
    //! A batch ran to its end, but at least one of its rows failed; likewise a project run
    //! that skipped the report of at least one module.
    kExitSomeRowsFailed = 3,
};

//! Thrown for arguments the command cannot use; its text names the argument and is shown
//! as one line with exit code kExitUsage.
class ArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace vaporis::app
