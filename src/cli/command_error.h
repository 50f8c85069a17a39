#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vaporis::cli {

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

//! The words for a file that a reader refused, from the names the result enums of the .gas and
//! the project reader share; `otherwise` for any other refusal.
template <typename Result>
[[nodiscard]] std::string readFailureWords(Result result, std::string_view otherwise) {
    switch (result) {
        case Result::kFileNotFound:
            return "file not found";
        case Result::kFileUnreadable:
            return "the file cannot be read: no permission or a read error";
        case Result::kLinkLoop:
            return "the path loops through symbolic links";
        case Result::kNotRegularFile:
            return "not a file but a folder, a device or a FIFO";
        case Result::kNewerVersion:
            return "written by a newer version of the program";
        default:
            return std::string(otherwise);
    }
}

}  // namespace vaporis::cli
