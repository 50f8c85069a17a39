#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vaporis::file {

//! What a save achieved: true when the new bytes are in place; otherwise failure() names the
//! file and the cause ("/data/plant.prj: Permission denied").
class [[nodiscard]] WriteOutcome {
public:
    //! A save that succeeded.
    WriteOutcome() = default;
    //! A save of target that failed for cause.
    [[nodiscard]] static WriteOutcome failed(const std::filesystem::path& target,
                                             std::string_view cause);

    explicit operator bool() const { return cause_.empty(); }
    //! Why the save failed, from the system's error where it has one ("Permission denied",
    //! "No space left on device"); empty after success.
    [[nodiscard]] const std::string& cause() const { return cause_; }
    //! The file and the cause of a failure; empty after success.
    [[nodiscard]] std::string failure() const;

private:
    std::string target_;
    std::string cause_;
};

//! Writes bytes to target through a temporary file of an unpredictable name in the target's
//! folder, created exclusively, synced to disk and renamed over the target, then the folder
//! synced. A symbolic link is followed: the file it names is replaced and the link stays. The
//! replaced file keeps its permission bits and, where the program may set them, its owner and
//! group. A target that is not a regular file or is write-protected is refused. A failed write
//! leaves an existing file as it was, never touches another file and leaves no temporary file.
WriteOutcome writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

//! The last step of a safe write: puts the complete temporary file in place of the target;
//! 0 when it did, else the system error number.
using ReplaceStep = int (*)(const std::filesystem::path& temporary,
                            const std::filesystem::path& target);
//! writeFileSafely with its last step given, so a test can interrupt a save before it.
WriteOutcome writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                             ReplaceStep replace);

}  // namespace vaporis::file
