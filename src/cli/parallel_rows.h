#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

namespace vaporis::cli {

//! The number of jobs a batch runs when --jobs is not given: one per core.
[[nodiscard]] unsigned defaultJobs();

//! Calls work(begin, end, part) for `count` items cut into `parts` contiguous runs of about
//! equal length, run `part` on its own thread (part 0 on the calling one). Returns when every
//! part is done; an exception thrown by a part is thrown again here.
void forEachPart(
    std::size_t count, std::size_t parts,
    const std::function<void(std::size_t begin, std::size_t end, std::size_t part)>& work);

//! The rows done so far on stderr, once a batch has run a few seconds and only when stderr
//! is a terminal (a log file or a pipe gets no progress lines).
class Progress {
public:
    Progress();
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(std::size_t rowsDone);

private:
    bool terminal_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastShown_;
};

}  // namespace vaporis::cli
