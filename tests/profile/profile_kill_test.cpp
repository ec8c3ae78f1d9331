#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "app/profile/ini_profile.h"
#include "app/profile/profile_file.h"
#include "profile_folder.h"

namespace {

using KilledWriter = ProfileFolder;

// Starts a game that writes a name and is killed by the system the moment a
// file of its would grow beyond `bytes` bytes, so it dies with exactly that
// much of the new profile written. Returns how the game ended.
int StatusOfWriterKilledAfter(const std::filesystem::path& path, std::size_t bytes) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_DUMPABLE, 0);  // no core file for the kill
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        IniProfile profile(path);
        ::_exit(profile.WriteProfileString("Name", "t_Name1", "Ann Lee") ? 0 : 1);
    }
    int status = -1;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    return status;
}

TEST_F(KilledWriter, AtAnyByteOfTheNewFileLeavesTheOldOneWhole) {
    const std::string old = "[Status]\nm_Won=12\nm_Lost=5\n\n[Name]\nt_Name1=Old\n";
    const std::string next = "[Status]\nm_Won=12\nm_Lost=5\n\n[Name]\nt_Name1=Ann Lee\n";
    WriteFile(old);
    for (std::size_t bytes = 0; bytes < next.size(); ++bytes) {
        SCOPED_TRACE(::testing::Message() << "killed after " << bytes << " bytes");
        const int status = StatusOfWriterKilledAfter(path, bytes);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
        EXPECT_EQ(ReadFile(), old);

        // What the writer was filling, hidden beside the profile as
        // ".kelmora.ini.new-XXXXXX", holds the start of the new file. The
        // next writer clears it.
        std::set<std::string> leftovers = FolderEntries();
        leftovers.erase("kelmora.ini");
        leftovers.erase(".kelmora.ini.lock");
        ASSERT_EQ(leftovers.size(), 1u);
        const std::string name = *leftovers.begin();
        ASSERT_TRUE(name.starts_with(".kelmora.ini.new-") && name.size() == 23) << name;
        EXPECT_EQ(ReadProfileFile(folder / name).text, next.substr(0, bytes));
        ASSERT_TRUE(IniProfile(path).WriteProfileString("Name", "t_Name1", "Old"));
        EXPECT_EQ(ReadFile(), old);
        EXPECT_EQ(FolderEntries(), ProfileAndLock());
    }
    const int status = StatusOfWriterKilledAfter(path, next.size());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadFile(), next);
    EXPECT_EQ(FolderEntries(), ProfileAndLock());
}

}  // namespace
