#include "cli/parallel_rows.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace vaporis::cli {

namespace {

constexpr auto kProgressAfter = std::chrono::seconds(2);
constexpr auto kProgressEvery = std::chrono::milliseconds(500);

}  // namespace

unsigned defaultJobs() {
    return std::max(1U, std::thread::hardware_concurrency());
}

void forEachPart(std::size_t count, std::size_t parts,
                 const std::function<void(std::size_t, std::size_t, std::size_t)>& work) {
    parts = std::clamp<std::size_t>(parts, 1, std::max<std::size_t>(count, 1));
    std::vector<std::exception_ptr> errors(parts);
    const auto run = [&](std::size_t part) {
        try {
            work(count * part / parts, count * (part + 1) / parts, part);
        } catch (...) {
            errors[part] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(parts - 1);
    for (std::size_t part = 1; part < parts; ++part) {
        threads.emplace_back(run, part);
    }
    run(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
}

Progress::Progress()
    : terminal_(isatty(STDERR_FILENO) == 1),
      start_(std::chrono::steady_clock::now()),
      lastShown_(start_) {}

Progress::~Progress() {
    if (shown_) {
        std::fputs("\n", stderr);
    }
}

void Progress::update(std::size_t rowsDone) {
    if (!terminal_) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < kProgressAfter || now - lastShown_ < kProgressEvery) {
        return;
    }
    lastShown_ = now;
    shown_ = true;
    const std::string line = "\rrows done: " + std::to_string(rowsDone);
    std::fputs(line.c_str(), stderr);
}

}  // namespace vaporis::cli
