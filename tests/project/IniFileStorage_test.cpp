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

TEST_F(IniFileStorage, SaveReplacesTheFileKeepingPermissionsAndLinks) {
    const fs::path real = folder / "p.wwp", link = folder / "link.wwp";
    std::ofstream(real) << "old";
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, mode);
    fs::create_symlink("p.wwp", link);
    ini.SaveFileAtomically(link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(FileBytes(real), content);
    EXPECT_EQ(fs::status(real).permissions(), mode);
    EXPECT_EQ(Entries(), (std::set<fs::path>{real, link})); // no temporary file left
    EXPECT_EQ(IniFile::LoadFile(real.string()).Serialise(), content);
}

TEST_F(IniFileStorage, FailedSavesLeaveTheOldStateAndNoTemporaryFile) {
    ExpectSaveFails(folder / "missing" / "p.wwp");
    // Written completely, but a folder cannot be replaced by the file.
    fs::create_directories(folder / "taken.wwp" / "inside");
    ExpectSaveFails(folder / "taken.wwp");
}

TEST_F(IniFileStorage, SavingIntoAReadOnlyFolderLeavesTheOldFile) {
    std::ofstream(folder / "p.wwp") << "old";
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(folder / "probe")) GTEST_SKIP() << "folder permissions not enforced (root)";
    ExpectSaveFails(folder / "p.wwp");
    EXPECT_EQ(FileBytes(folder / "p.wwp"), "old");
}

TEST_F(IniFileStorage, LoadFailuresNameFileAndReason) {
    const std::string path = (folder / "none.wwp").string();
    EXPECT_EQ(ErrorOf([&] { IniFile::LoadFile(path); }),
              "Die Datei " + path +
                  " kann nicht gelesen werden: " + std::generic_category().message(ENOENT));
    EXPECT_NE(ErrorOf([&] { IniFile::LoadFile(folder.string()); }), "");
}

} // namespace
