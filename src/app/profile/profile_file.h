#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

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

// Replaces the file at `path` by `text` in one step: the text goes to a
// temporary file in the same folder, which is synced and renamed over the old
// file, keeping its permissions (a new file is private to the user). On any
// failure the temporary file is removed, the old file stays exactly as it
// was, and false is returned.
bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& text);
