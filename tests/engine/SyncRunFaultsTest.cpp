// Real failures of a run on real folders: a read-only destination, a source held open
// without sharing, a disk that fills up, paths at the length limit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/PathHelpers.h"
#include "platform/DiskSpace.h"
#include "support/Permissions.h"
#include "support/RunFixture.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SyncRunFaultsAsUser, ReadOnlyDestinationIsResetAndOverwritten) {
    REQUIRE_UNPRIVILEGED();
    RunFixture r;
    r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
    r.tree.file("bottom\\a.txt", "old", kBaseTime);
    r.tree.setAttributes("bottom\\a.txt", kAttributeReadOnly);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 1u);
    r.run();
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "new");
    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_EQ(r.log(), "");
}

TEST(SyncRunFaultsAsUser, RefusedDeletionIsLoggedWithItsReasonAndItsRowStays) {
    REQUIRE_UNPRIVILEGED();
    RunFixture r;
    r.tree.file("top\\keep.txt", "k", kBaseTime);
    r.tree.file("bottom\\keep.txt", "k", kBaseTime);
    r.tree.file("bottom\\locked\\extra.txt", "e", kBaseTime);
    r.tree.forbidNewFiles("bottom\\locked");
    ASSERT_EQ(r.plan(kDuplicate, kTopToBottom), (Lines{"3 extra.txt"}));
    r.run();
    std::string record = r.tree.path("bottom\\locked\\extra.txt") + "\r\n  Not deleted: ";
    EXPECT_EQ(r.log().substr(0, record.size()), record);
    EXPECT_GT(r.log().size(), record.size() + 2) << "the system's reason";
    EXPECT_EQ(r.f.rows.describe(), (Lines{"3 extra.txt"}));
    EXPECT_TRUE(r.tree.exists("bottom\\locked\\extra.txt"));
}

#ifdef _WIN32
TEST(SyncRunFaults, SourceHeldOpenWithoutSharingIsLoggedAndTheOthersAreDone) {
    RunFixture r;
    r.tree.file("top\\a.txt", "a", kBaseTime);
    r.tree.file("top\\b.txt", "b", kBaseTime);
    r.tree.file("top\\c.txt", "c", kBaseTime);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 3u);
    HANDLE held = CreateFileA(r.tree.path("top\\b.txt").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    r.run();
    CloseHandle(held);
    EXPECT_EQ(r.log(), r.tree.path("top\\b.txt") + "\r\n  Sharing violation\r\n");
    EXPECT_EQ(r.f.rows.describe(), (Lines{"0 b.txt"}));
    EXPECT_TRUE(r.tree.exists("bottom\\a.txt"));
    EXPECT_TRUE(r.tree.exists("bottom\\c.txt"));
    EXPECT_EQ(r.f.dialog.opened, (Lines{r.f.session.logFilePath}));
}
#endif

// A name that makes root + folder + name exactly length characters long.
std::string relativeOfLength(const std::string& root, std::size_t length) {
    std::size_t room = length - root.size();
    std::string folder = std::string(room / 2, 'd') + "\\";
    return folder + std::string(room - folder.size(), 'n');
}

TEST(SyncRunFaults, PathOf259IsCopiedAnd260IsRefused) {
    RunFixture r;
    std::string top = r.tree.path("top\\"), bottom = r.tree.path("btm\\");  // same length
    std::string fits = relativeOfLength(top, 259);
    std::string tooLong = fits.substr(0, fits.rfind('\\') + 1) + "x" + fits.substr(fits.rfind('\\') + 1);
    r.tree.file("top\\" + fits, "fits", kBaseTime);
    r.tree.file("top\\" + tooLong, "too long", kBaseTime);
    r.tree.folder("btm");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom, bottom).size(), 2u);
    r.run();
    EXPECT_EQ(r.tree.read("btm\\" + fits), "fits");
    EXPECT_EQ(r.log(), top + tooLong + "\r\nFilename is too long. Can't copy or move.\r\n");
    ASSERT_EQ(r.f.rows.rows.size(), 1u);
    EXPECT_EQ(r.f.rows.rows[0].entry->name, tooLong.substr(tooLong.rfind('\\') + 1));
}

TEST(SyncRunFaults, DestinationOfTooManyCharactersIsRefused) {
    RunFixture r;
    std::string top = r.tree.path("top\\");
    std::string relative = relativeOfLength(top, 258);  // "bottom\" is three longer
    r.tree.file("top\\" + relative, "x", kBaseTime);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 1u);
    r.run();
    EXPECT_EQ(r.log(), r.tree.path("bottom\\") + relative +
                           "\r\nFilename is too long. Can't copy or move.\r\n");
    EXPECT_EQ(r.f.rows.rows.size(), 1u);
}

// A small drive (a 1 MiB file system) given by scripts/test; skipped where none could be
// mounted.
const char* smallDisk() { return std::getenv("EVENKEEPER_SMALL_DISK"); }

// The one test on the small disk: a second one, run beside it, would find it full.
TEST(SyncRunFaults, FullDiskEndsTheRunAndLeavesNoPartialCopy) {
    if (!smallDisk()) GTEST_SKIP() << "no small disk: EVENKEEPER_SMALL_DISK is not set";
    std::uint64_t total = 0;
    std::uint64_t free = freeSpace(smallDisk(), &total);
    EXPECT_EQ(total, 1048576u);
    EXPECT_LE(free, total);
    EXPECT_GT(free, 0u);
    RunFixture r;
    std::string bottom = std::string(smallDisk()) + "full-" + std::to_string(reinterpret_cast<std::uintptr_t>(&r) % 100000) + "\\";
    FileSystem& files = systemFileSystem();
    ASSERT_TRUE(makePath(files, bottom.c_str()));
    r.tree.file("top\\big.bin", std::string(3 << 20, 'x'), kBaseTime);
    r.tree.file("top\\small.txt", "small", kBaseTime);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom, bottom), (Lines{"0 big.bin", "0 small.txt"}));
    r.run();
    EXPECT_EQ(r.log(), "Disk full - sync operation aborted.\r\n");
    EXPECT_FALSE(files.fileState((bottom + "big.bin").c_str()).exists);
    EXPECT_EQ(r.f.rows.rows.size(), 2u);
    EXPECT_STREQ(r.f.operation.lastUsed, "not used");
    files.deleteFile((bottom + "small.txt").c_str());
    files.removeDirectory(bottom.c_str());
}

TEST(FreeSpace, MissingDriveIsUnknown) {
    EXPECT_EQ(freeSpace("Q:\\no\\such\\drive\\", nullptr), kUnknownSpace);
}

}  // namespace
}  // namespace evenkeeper::test
