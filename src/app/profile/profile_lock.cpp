#include "app/profile/profile_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <thread>

namespace {

// Long enough not to keep a core busy, short against a write that holds the lock.
constexpr std::chrono::milliseconds kRetryInterval{5};

std::filesystem::path LockPath(const std::filesystem::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".lock");
}

}  // namespace

// Opened without blocking, so that a fifo in its place cannot hang the game.
ProfileLock::ProfileLock(const std::filesystem::path& file, std::chrono::milliseconds wait)
    : m_lockFile(
          ::open(LockPath(file).c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600)) {
    if (!m_lockFile.IsOpen()) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(m_lockFile.Get(), LOCK_EX | LOCK_NB) == 0) {
            m_held = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            return;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
}
