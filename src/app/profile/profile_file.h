#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// Anything larger is not a profile this program wrote; it is left alone.
constexpr std::size_t kMaxProfileBytes = 16 * 1024 * 1024;

enum class ProfileFileState {
    Missing,     // there is no file yet
    Read,        // `text` holds the whole file
    Unreadable,  // no permission, not a regular file, too large, or a read error
};

struct ProfileFileText {
    ProfileFileState state = ProfileFileState::Missing;
    std::string text;
};

// Reads the whole file without ever blocking, so a fifo or a device in its
// place cannot hang the game.
ProfileFileText ReadProfileFile(const std::filesystem::path& path);

// Gives the file at `path` the text that `change` makes of its current text
// (empty when there is no file yet), in one step that no other running game
// can come between: under the lock beside the file (waiting up to `lockWait`
// for it), the file is re-read, and the new text goes to a temporary file in
// the same folder, which is synced and renamed over the old file, keeping its
// permissions (a new file is private to the user). A profile that is a
// symbolic link is replaced where the link leads, so the link stays. Temporary
// files that killed writers left are removed. A file that exists but cannot be
// read is not replaced. On any failure the old file stays exactly as it was
// and false is returned.
bool UpdateProfileFile(const std::filesystem::path& path, std::chrono::milliseconds lockWait,
                       const std::function<std::string(std::string_view)>& change);
