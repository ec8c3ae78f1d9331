#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

// Each test gets its own empty folder under the system's temporary folder,
// removed afterwards, so the player's real profile is never touched.
class ProfileFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kelmora-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = folder / "kelmora.ini";
    }

    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(folder, error);
    }

    void WriteFile(std::string_view text) const { std::ofstream(path, std::ios::binary) << text; }

    std::string ReadFile() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::set<std::string> FolderEntries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // What the folder holds after a write: the profile and the games' lock file.
    static std::set<std::string> ProfileAndLock() { return {"kelmora.ini", ".kelmora.ini.lock"}; }

    std::filesystem::path folder;
    std::filesystem::path path;
};
