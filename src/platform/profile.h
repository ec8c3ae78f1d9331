#pragma once

#include <functional>
#include <string>
#include <string_view>

// Integer and string keys by section. Reads give the default for anything
// missing or unreadable.
class ProfileKeys {
  public:
    virtual ~ProfileKeys() = default;

    virtual int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) = 0;
    virtual std::string GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) = 0;
    virtual bool WriteProfileInt(std::string_view section, std::string_view key, int value) = 0;
    virtual bool WriteProfileString(std::string_view section, std::string_view key,
                                    std::string_view value) = 0;
};

// The per-user store of settings and statistics, which other running games
// share. Each read looks at the store as it is now and each write is kept at
// once; a write that fails changes nothing and is not an error the player
// needs to see.
class Profile : public ProfileKeys {
  public:
    // Reads and writes several keys as one change: `change` sees the keys as
    // the store holds them at this moment, and what it writes is kept all
    // together, with no other game's change in between, or not at all (false).
    // `change` runs at most once, and may have run when false is returned.
    virtual bool Update(const std::function<void(ProfileKeys& keys)>& change) = 0;
};
