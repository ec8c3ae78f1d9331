#include "app/profile/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <system_error>

#include "app/profile/file_descriptor.h"
#include "app/profile/profile_lock.h"

namespace {

constexpr mode_t kNewFileMode = 0600;
// As many links in a row as the system itself follows.
constexpr int kMaxLinks = 40;
// The six letters or digits that mkstemp puts in place of the X's.
constexpr std::string_view kUniqueLetters = "XXXXXX";

// The name of a temporary file beside `file`, unique letters aside.
std::string TemporaryPrefix(const std::filesystem::path& file) {
    return "." + file.filename().string() + ".new-";
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t ModeToKeep(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return status.st_mode & 07777;
    }
    return kNewFileMode;
}

// Makes the rename itself survive a power cut; a failure here loses nothing
// that the rename has not already kept.
void SyncFolder(const std::filesystem::path& folder) {
    const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.IsOpen()) {
        ::fsync(dir.Get());
    }
}

// Replaces the file at `path` by `text` through a temporary file renamed over it.
bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary =
        (folder / (TemporaryPrefix(path) + std::string(kUniqueLetters))).string();
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.IsOpen()) {
        return false;
    }
    bool done = WriteAll(file.Get(), text) && ::fchmod(file.Get(), ModeToKeep(path)) == 0 &&
                ::fsync(file.Get()) == 0;
    done = file.Close() && done;
    if (!done || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

// Where a write must go so that a profile which is a symbolic link stays one:
// the end of the chain of links, or `path` itself when it is none.
std::optional<std::filesystem::path> FinalTarget(std::filesystem::path path) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            return path;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = path.parent_path() / target;  // an absolute target stands alone
    }
    return std::nullopt;
}

bool IsTemporaryFileOf(const std::filesystem::directory_entry& entry,
                       const std::filesystem::path& file) {
    const std::string name = entry.path().filename().string();
    const std::string prefix = TemporaryPrefix(file);
    std::error_code error;
    return name.size() == prefix.size() + kUniqueLetters.size() && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; }) &&
           entry.symlink_status(error).type() == std::filesystem::file_type::regular;
}

// Only safe under the lock: then no running game is filling any of them.
void RemoveTemporaryFiles(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsTemporaryFileOf(*entry, file)) {
            std::error_code ignored;
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

}  // namespace

ProfileFileText ReadProfileFile(const std::filesystem::path& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.IsOpen()) {
        return {errno == ENOENT ? ProfileFileState::Missing : ProfileFileState::Unreadable, {}};
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) > kMaxProfileBytes) {
        return {ProfileFileState::Unreadable, {}};
    }
    ProfileFileText result{ProfileFileState::Read, {}};
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 || result.text.size() + static_cast<std::size_t>(n) > kMaxProfileBytes) {
            return {ProfileFileState::Unreadable, {}};
        }
        if (n == 0) {
            return result;
        }
        result.text.append(buffer, static_cast<std::size_t>(n));
    }
}

bool UpdateProfileFile(const std::filesystem::path& path, std::chrono::milliseconds lockWait,
                       const std::function<std::string(std::string_view)>& change) {
    if (path.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            return false;
        }
    }
    const std::optional<std::filesystem::path> file = FinalTarget(path);
    if (!file) {
        return false;
    }
    const ProfileLock lock(*file, lockWait);
    if (!lock.Held()) {
        return false;
    }
    RemoveTemporaryFiles(*file);
    const ProfileFileText old = ReadProfileFile(*file);
    return old.state != ProfileFileState::Unreadable &&
           ReplaceFileAtomically(*file, change(old.text));
}
