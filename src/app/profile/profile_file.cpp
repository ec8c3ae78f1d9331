#include "app/profile/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

constexpr mode_t kNewFileMode = 0600;

// Owns an open file descriptor and closes it once.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closing reports write-back errors, so a writer must check it.
    bool Close() { return !IsOpen() || ::close(std::exchange(m_fd, -1)) == 0; }

  private:
    int m_fd;
};

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

bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& text) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
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
