#include "app/profile/ini_profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
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

// The keys of one text of the file, read and changed in memory.
class DocumentKeys : public ProfileKeys {
  public:
    explicit DocumentKeys(IniDocument& document) : m_document(document) {}

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) override {
        const std::optional<std::string_view> stored = m_document.Find(section, key);
        return stored ? ParseProfileInt(*stored, defaultValue) : defaultValue;
    }
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) override {
        const std::optional<std::string_view> stored = m_document.Find(section, key);
        return stored ? UnescapeProfileValue(*stored) : std::string(defaultValue);
    }
    bool WriteProfileInt(std::string_view section, std::string_view key, int value) override {
        m_document.Set(section, key, std::to_string(value));
        return true;
    }
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value) override {
        m_document.Set(section, key, EscapeProfileValue(value));
        return true;
    }

  private:
    IniDocument& m_document;
};

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

int IniProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    IniDocument document(ReadProfileFile(m_path).text);
    return DocumentKeys(document).GetProfileInt(section, key, defaultValue);
}

std::string IniProfile::GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) {
    IniDocument document(ReadProfileFile(m_path).text);
    return DocumentKeys(document).GetProfileString(section, key, defaultValue);
}

bool IniProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return Update([&](ProfileKeys& keys) { keys.WriteProfileInt(section, key, value); });
}

bool IniProfile::WriteProfileString(std::string_view section, std::string_view key,
                                    std::string_view value) {
    return Update([&](ProfileKeys& keys) { keys.WriteProfileString(section, key, value); });
}

bool IniProfile::Update(const std::function<void(ProfileKeys& keys)>& change) {
    return UpdateProfileFile(m_path, m_lockWait, [&](std::string_view text) {
        IniDocument document(text);
        DocumentKeys keys(document);
        change(keys);
        return document.Text();
    });
}
