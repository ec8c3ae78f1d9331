#pragma once

#include <string>
#include <string_view>

// The per-user store of settings and statistics: integer and string keys by
// section. Reads give the default for anything missing or unreadable; a write
// that fails changes nothing and is not an error the player needs to see.
class Profile {
  public:
    virtual ~Profile() = default;

    virtual int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) = 0;
    virtual std::string GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) = 0;
    virtual bool WriteProfileInt(std::string_view section, std::string_view key, int value) = 0;
    virtual bool WriteProfileString(std::string_view section, std::string_view key,
                                    std::string_view value) = 0;
};
