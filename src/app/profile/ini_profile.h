#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/profile.h"

// The player's settings and statistics in a text file of "[Section]" and
// "key=value" lines. Nothing is cached: every read looks at the file as it is
// now, and every write or update re-reads it, changes its keys and replaces
// the file as a whole under a lock that other running games respect, so their
// keys survive and an interrupted write never leaves a half-written file.
class IniProfile : public Profile {
  public:
    // A write waits up to `lockWait` for another running game to finish its
    // own, then fails as it would on a full disk.
    explicit IniProfile(std::filesystem::path path,
                        std::chrono::milliseconds lockWait = std::chrono::seconds(2));

    // $XDG_CONFIG_HOME/kelmora/kelmora.ini when XDG_CONFIG_HOME is an absolute
    // path, else ~/.config/kelmora/kelmora.ini.
    static std::filesystem::path DefaultPath();

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) override;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override;
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value) override;
    bool Update(const std::function<void(ProfileKeys& keys)>& change) override;

  private:
    std::filesystem::path m_path;
    std::chrono::milliseconds m_lockWait;
};
