#include "app/profile/ini_profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "app/profile/ini_document.h"
#include "app/profile/profile_file.h"
#include "app/profile/profile_value.h"

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
        return user->pw_dir;
    }
    return {};
}

}  // namespace

IniProfile::IniProfile(std::filesystem::path path, std::chrono::milliseconds lockWait)
    : m_path(std::move(path)), m_lockWait(lockWait) {}

std::filesystem::path IniProfile::DefaultPath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path configFolder =
        configHome != nullptr && std::filesystem::path(configHome).is_absolute()
            ? std::filesystem::path(configHome)
            : HomeFolder() / ".config";
    return configFolder / "kelmora" / "kelmora.ini";
}

std::optional<std::string> IniProfile::ReadStoredValue(std::string_view section,
                                                       std::string_view key) const {
    const IniDocument document(ReadProfileFile(m_path).text);
    const std::optional<std::string_view> stored = document.Find(section, key);
    if (!stored) {
        return std::nullopt;
    }
    return std::string(*stored);
}

bool IniProfile::WriteStoredValue(std::string_view section, std::string_view key,
                                  std::string_view storedValue) {
    return UpdateProfileFile(m_path, m_lockWait, [&](std::string_view text) {
        IniDocument document(text);
        document.Set(section, key, storedValue);
        return document.Text();
    });
}

int IniProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    const std::optional<std::string> stored = ReadStoredValue(section, key);
    return stored ? ParseProfileInt(*stored, defaultValue) : defaultValue;
}

std::string IniProfile::GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) {
    const std::optional<std::string> stored = ReadStoredValue(section, key);
    return stored ? UnescapeProfileValue(*stored) : std::string(defaultValue);
}

bool IniProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteStoredValue(section, key, std::to_string(value));
}

bool IniProfile::WriteProfileString(std::string_view section, std::string_view key,
                                    std::string_view value) {
    return WriteStoredValue(section, key, EscapeProfileValue(value));
}
