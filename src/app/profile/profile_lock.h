#pragma once

#include <chrono>
#include <filesystem>

#include "app/profile/file_descriptor.h"

// The advisory lock that every running game takes on ".NAME.lock" beside a
// profile file NAME for each read-change-replace of it, so that no game's
// change is lost to another's, and a temporary file found beside the profile
// while the lock is held is nobody's unfinished work. The lock file stays; the
// lock ends with the object, or with the process however it ends.
class ProfileLock {
  public:
    // Tries for up to `wait` to take the lock for `file`; see Held().
    ProfileLock(const std::filesystem::path& file, std::chrono::milliseconds wait);

    bool Held() const { return m_held; }

  private:
    FileDescriptor m_lockFile;
    bool m_held = false;
};
