#include "engine/file/safe_write.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vaporis::file {
namespace {

namespace fs = std::filesystem;

// Symbolic links followed before a chain counts as a loop, the kernel's own bound.
constexpr int kMaxLinkHops = 40;
// Random names tried for the temporary file; a taken one is never opened.
constexpr int kMaxTemporaryNames = 16;
// Bytes of the target's name kept in the temporary one, which stays below the longest name.
constexpr std::size_t kMaxNameInTemporary = 100;

// The file a save replaces: the end of the target's chain of links, and what it is now.
struct Replaced {
    fs::path path;
    bool exists = false;
    struct stat info {};
};

[[nodiscard]] std::string systemCause(int error) {
    return std::generic_category().message(error);
}

// Follows target's symbolic links to the file they name; 0, or the system error number.
[[nodiscard]] int followLinks(const fs::path& target, Replaced& replaced) {
    fs::path path = target;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            replaced = {path, false, {}};
            return errno == ENOENT ? 0 : errno;
        }
        if (!S_ISLNK(info.st_mode)) {
            replaced = {path, true, info};
            return 0;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            return error.value();
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return ELOOP;
}

// Why the file must not be replaced; empty when it may.
[[nodiscard]] std::string refusalOf(const Replaced& replaced) {
    const mode_t mode = replaced.info.st_mode;
    if (replaced.path.filename().empty() || (replaced.exists && S_ISDIR(mode))) {
        return "a folder, not a file";
    }
    if (!replaced.exists) {
        return {};
    }
    if (!S_ISREG(mode)) {
        return "not a regular file (a device, FIFO or socket)";
    }
    // Checked on the bits themselves, which the super-user's access() would pass.
    if ((mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return "the file is write-protected";
    }
    return ::access(replaced.path.c_str(), W_OK) == 0 ? std::string() : systemCause(errno);
}

// A hidden name beside target that nobody can guess beforehand: ".<name>.<64 random bits>.tmp".
[[nodiscard]] fs::path temporaryName(const fs::path& target, std::random_device& random) {
    const std::uint64_t value = (std::uint64_t{random()} << 32) ^ random();
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
    const std::string name = target.filename().string().substr(0, kMaxNameInTemporary);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return folder / ("." + name + "." + std::string(digits.data(), end) + ".tmp");
}

// Creates the temporary file exclusively, never through a link; its descriptor, or -1 with
// the system error number in error.
[[nodiscard]] int createTemporary(const fs::path& target, fs::path& temporary, int& error) {
    std::random_device random;
    for (int attempt = 0; attempt < kMaxTemporaryNames; ++attempt) {
        temporary = temporaryName(target, random);
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return descriptor;
        }
        if (errno != EEXIST) {
            error = errno;
            return -1;
        }
    }
    error = EEXIST;
    return -1;
}

// The owner and group of the replaced file, as far as the program may set them: the group
// alone when the owner is not its to give; otherwise the new file keeps the program's own.
void keepOwner(int descriptor, const struct stat& info) {
    if (::fchown(descriptor, info.st_uid, info.st_gid) == 0) {
        return;
    }
    if (::fchown(descriptor, static_cast<uid_t>(-1), info.st_gid) == 0) {
        return;
    }
}

// Writes all bytes; 0, or the system error number (a full disk: ENOSPC).
[[nodiscard]] int writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(written > 0 ? static_cast<std::size_t>(written) : 0);
    }
    return 0;
}

// Gives the temporary file the replaced file's attributes and the bytes, on disk when it
// returns 0; otherwise the system error number.
[[nodiscard]] int fillTemporary(int descriptor, std::string_view bytes, const Replaced& replaced) {
    if (replaced.exists) {
        keepOwner(descriptor, replaced.info);
        if (::fchmod(descriptor, replaced.info.st_mode & 07777) != 0) {
            return errno;
        }
    }
    if (const int error = writeAll(descriptor, bytes); error != 0) {
        return error;
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

// Puts the rename itself on disk; a folder that cannot be opened or synced leaves the new
// file in place all the same.
void syncFolder(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

[[nodiscard]] int renameOver(const fs::path& temporary, const fs::path& target) {
    return ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
}

}  // namespace

WriteOutcome WriteOutcome::failed(const fs::path& target, std::string_view cause) {
    WriteOutcome outcome;
    outcome.target_ = target.string();
    outcome.cause_ = cause;
    return outcome;
}

std::string WriteOutcome::failure() const {
    return cause_.empty() ? std::string() : target_ + ": " + cause_;
}

WriteOutcome writeFileSafely(const fs::path& target, std::string_view bytes) {
    return writeFileSafely(target, bytes, renameOver);
}

WriteOutcome writeFileSafely(const fs::path& target, std::string_view bytes, ReplaceStep replace) {
    Replaced replaced;
    if (const int error = followLinks(target, replaced); error != 0) {
        return WriteOutcome::failed(target, systemCause(error));
    }
    if (const std::string refusal = refusalOf(replaced); !refusal.empty()) {
        return WriteOutcome::failed(target, refusal);
    }
    fs::path temporary;
    int error = 0;
    const int descriptor = createTemporary(replaced.path, temporary, error);
    if (descriptor < 0) {
        return WriteOutcome::failed(
            target, error == ENOENT ? "the folder does not exist" : systemCause(error));
    }
    error = fillTemporary(descriptor, bytes, replaced);
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0) {
        error = replace(temporary, replaced.path);
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return WriteOutcome::failed(target, systemCause(error));
    }
    syncFolder(replaced.path);
    return {};
}

}  // namespace vaporis::file
