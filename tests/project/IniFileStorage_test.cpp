// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/FileReplace.h"
#include "project/IniFile.h"
#include "support/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <stdexcept>
#include <system_error>
#include <tuple>

#if __has_include(<unistd.h>)
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

class IniFileStorage : public ::testing::Test {
protected:
    std::set<fs::path> Entries() const {
        return {fs::directory_iterator(folder), fs::directory_iterator()};
    }
    // A failed save names the file and changes nothing in the folder.
    void ExpectSaveFails(const fs::path& path) {
        const std::set<fs::path> before = Entries();
        EXPECT_EQ(ErrorOf([&] { ini.SaveFileAtomically(path.string()); }),
                  "In " + path.string() + " kann nicht geschrieben werden");
        EXPECT_EQ(Entries(), before);
    }

    const TempFolder temp{"wellenwerk-ini-"};
    const fs::path& folder = temp.path();
    const std::string content = "; Wellenwerk\r\n[signals]\r\n0=S\xE4gezahn\r\n";
    const IniFile ini = IniFile::Parse(content);
};

TEST_F(IniFileStorage, SaveFollowsLinkChainsAndKeepsLinksAndPermissions) {
    const fs::path real = folder / "p.wwp", sub = folder / "sub";
    std::ofstream(real) << "old";
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, mode);
    fs::create_directory(sub);
    fs::create_symlink("sub/l2", folder / "l1");
    fs::create_symlink("../p.wwp", sub / "l2"); // relative to the folder of the link
    fs::create_symlink("sub/new.wwp", folder / "dangling");
    for (const char* link : {"l1", "dangling"}) ini.SaveFileAtomically((folder / link).string());
    for (const fs::path& link : {folder / "l1", sub / "l2", folder / "dangling"})
        EXPECT_TRUE(fs::is_symlink(link)) << link;
    EXPECT_EQ(FileBytes(real), content);
    EXPECT_EQ(FileBytes(sub / "new.wwp"), content);
    EXPECT_EQ(fs::status(real).permissions(), mode);
    EXPECT_EQ(Entries(), (std::set<fs::path>{real, sub, folder / "l1", folder / "dangling"}));
    EXPECT_EQ(IniFile::LoadFile(real.string()).Serialise(), content);
}

TEST_F(IniFileStorage, TheLongestFileNameSavesAsNewAndAsOldFile) {
    const fs::path path = folder / (std::string(251, 'n') + ".wwp");
    for (int save = 0; save < 2; ++save) ini.SaveFileAtomically(path.string());
    EXPECT_EQ(FileBytes(path), content);
    EXPECT_EQ(Entries(), std::set<fs::path>{path});
}

TEST_F(IniFileStorage, ASaveRemovesWhatAKilledSaveOfTheSameFileLeft) {
    const fs::path path = folder / "p.wwp", other = folder / "q.wwp";
    const fs::path left = folder / (TemporaryPrefix(path) + "k1ll3d00");
    const fs::path foreign = folder / (TemporaryPrefix(other) + "k1ll3d00");
    for (const fs::path& file : {path, left, foreign}) std::ofstream(file) << "old";
    ini.SaveFileAtomically(path.string());
    EXPECT_EQ(Entries(), (std::set<fs::path>{path, foreign}));
}

TEST_F(IniFileStorage, FailedSavesLeaveTheOldStateAndNoTemporaryFile) {
    ExpectSaveFails(folder / "missing" / "p.wwp");
    // A folder is no file to replace.
    fs::create_directories(folder / "taken.wwp" / "inside");
    ExpectSaveFails(folder / "taken.wwp");
}

#if __has_include(<unistd.h>)
TEST_F(IniFileStorage, HardLinkedNamesStayOneFile) {
    std::ofstream(folder / "p.wwp") << std::string(200, 'x'); // longer than the new content
    fs::create_hard_link(folder / "p.wwp", folder / "q.wwp");
    ini.SaveFileAtomically((folder / "q.wwp").string());
    EXPECT_EQ(FileBytes(folder / "p.wwp"), content);
    EXPECT_EQ(fs::hard_link_count(folder / "q.wwp"), 2u);
}

// Saves in a child process as user and group 65534 (as root for uid 0), with file sizes limited
// to `sizeLimit` bytes if set: 0 if saved, 1 if refused with the message, else broken.
int SaveAs(uid_t user, rlim_t sizeLimit, const IniFile& ini, const fs::path& path) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{sizeLimit, sizeLimit};
        std::signal(SIGXFSZ, SIG_IGN);
        if ((user && (setgroups(0, nullptr) || setresgid(user, user, user) ||
                      setresuid(user, user, user))) ||
            (sizeLimit && setrlimit(RLIMIT_FSIZE, &limit)))
            _exit(3);
        const std::string error = ErrorOf([&] { ini.SaveFileAtomically(path.string()); });
        const bool refused = error == "In " + path.string() + " kann nicht geschrieben werden";
        _exit(error.empty() ? 0 : refused ? 1 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(IniFileStorage, SavesWhatTheUserMayWriteKeepingOwnerModeAndOldContentOtherwise) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to prepare files of other users";
    constexpr uid_t root = 0, nobody = 65534;
    struct Case {
        const char* what;
        uid_t user, fileOwner;
        mode_t folderMode, fileMode; // fileMode 0: no file
        rlim_t sizeLimit;
        bool saves;
    } const cases[] = {
        {"write-protected file", nobody, nobody, 0755, 0444, 0, false},
        {"read-only folder: in place", nobody, nobody, 0555, 0644, 0, true},
        {"read-only folder, write-protected file", nobody, nobody, 0555, 0444, 0, false},
        {"read-only folder, new file", nobody, nobody, 0555, 0, 0, false},
        {"another user's file: in place", nobody, root, 0755, 0666, 0, true},
        {"size limit: no new file", nobody, nobody, 0755, 0644, 10, false},
        {"size limit in place: old content back", nobody, nobody, 0555, 0644, 10, false},
        {"root keeps another user's owner, group, mode", root, nobody, 0755, 0640, 0, true},
        {"no write bit refuses root too", root, nobody, 0755, 0444, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path sub = folder / c.what, file = sub / "p.wwp";
        fs::create_directory(sub);
        ASSERT_EQ(chown(sub.c_str(), nobody, nobody), 0);
        struct stat before = {}, after = {};
        if (c.fileMode) {
            std::ofstream(file) << "old";
            ASSERT_EQ(chown(file.c_str(), c.fileOwner, c.fileOwner), 0);
            ASSERT_EQ(chmod(file.c_str(), c.fileMode) | stat(file.c_str(), &before), 0);
        }
        ASSERT_EQ(chmod(sub.c_str(), c.folderMode), 0);
        const std::set<fs::path> entries{fs::directory_iterator(sub), {}};
        EXPECT_EQ(SaveAs(c.user, c.sizeLimit, ini, file), c.saves ? 0 : 1);
        EXPECT_EQ(FileBytes(file), c.saves ? content : c.fileMode ? "old" : "");
        EXPECT_EQ((std::set<fs::path>{fs::directory_iterator(sub), {}}), entries);
        stat(file.c_str(), &after);
        EXPECT_EQ(std::tie(after.st_uid, after.st_gid, after.st_mode),
                  std::tie(before.st_uid, before.st_gid, before.st_mode));
    }
}

#endif

TEST_F(IniFileStorage, LoadFailuresNameFileAndReason) {
    const std::string path = (folder / "none.wwp").string();
    EXPECT_EQ(ErrorOf([&] { IniFile::LoadFile(path); }),
              "Die Datei " + path +
                  " kann nicht gelesen werden: " + std::generic_category().message(ENOENT));
    EXPECT_NE(ErrorOf([&] { IniFile::LoadFile(folder.string()); }), "");
}

} // namespace
