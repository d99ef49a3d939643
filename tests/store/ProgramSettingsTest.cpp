// "GlobalSettings.ini" in the per-user folder: the first start, the stored example byte for
// byte, values that are missing or malformed, and the folder when the platform names none.
#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
#include "StoreFakes.h"
#include "store/DataFile.h"
#include "store/ProgramSettings.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;
using Widths = std::vector<std::int32_t>;

const std::string kExample =
    "[Program Settings]\r\n"
    "Cols=40 01 00 00 5A 00 00 00 78 00 00 00 BE 00 00 00 \r\n"
    "flags=0\r\n"
    "showCmd=1\r\n"
    "rcNormal=64 00 00 00 50 00 00 00 6C 02 00 00 30 02 00 00 \r\n"
    "DataFile=";
const char kFolder[] = "AppData\\TamrelFreeware\\Evenkeeper\\";

std::string backslashed(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

WindowPlacement placement(std::uint32_t showCmd, PlacementRect normal, std::uint32_t flags = 0) {
    WindowPlacement p;
    p.flags = flags;
    p.showCmd = showCmd;
    p.normal = normal;
    return p;
}

struct ProgramSettingsTest : ::testing::Test {
    TempTree tree;
    StoreFixture f{systemFileSystem()};
    FakeUserFolders folders;
    FakeWindowView view;
    ProgramSettings settings;
    void SetUp() override { folders.folder = backslashed(tree.path("AppData")); }
    std::string inFolder(const std::string& name) const { return kFolder + name; }
    void writeSettings(const std::string& text) {
        tree.file(inFolder("GlobalSettings.ini"), text, kBaseTime);
    }
    void load() {
        settings = ProgramSettings();
        loadProgramSettings(f.context, settings, folders);
    }
};

TEST_F(ProgramSettingsTest, FirstStartMakesTheFolderAndExitWritesAllFiveKeys) {
    load();
    EXPECT_TRUE(tree.exists(kFolder));
    EXPECT_EQ(settings.userDataFolder, backslashed(tree.path(kFolder)));
    EXPECT_EQ(f.session.settingsFilePath, settings.userDataFolder + "GlobalSettings.ini");
    EXPECT_EQ(f.session.dataFilePath, settings.userDataFolder + "Evenkeeper.txt");
    EXPECT_EQ(Widths(settings.columnWidths, settings.columnWidths + 4), (Widths{320, 90, 120, 190}));
    EXPECT_FALSE(restoreWindowPlacement(settings.windowPlacement, view));
    EXPECT_EQ(f.store.count(), 1);
    EXPECT_EQ(f.dialog.statusTexts, Lines{f.session.dataFilePath});

    view.placement = placement(1, {100, 80, 620, 560});
    saveProgramSettings(f.context, settings, view);
    EXPECT_EQ(tree.read(inFolder("GlobalSettings.ini")), kExample + f.session.dataFilePath + "\r\n");
    saveDataFile(f.context);
    EXPECT_FALSE(tree.exists(inFolder("Evenkeeper.txt")));
}

TEST_F(ProgramSettingsTest, ReadsTheStoredSettingsAndLoadsTheDataFileTheyName) {
    const std::string dataFile = backslashed(tree.path("elsewhere.txt"));
    writeSettings(
        "[Program Settings]\r\nCols=0A 00 00 00 14 00 00 00 1E 00 00 00 28 00 00 00 \r\n"
        "flags=2\r\nshowCmd=3\r\nrcNormal=64 00 00 00 50 00 00 00 6C 02 00 00 30 02 00 00 \r\n"
        "DataFile=" + dataFile + "\r\n");
    load();
    EXPECT_EQ(Widths(settings.columnWidths, settings.columnWidths + 4), (Widths{10, 20, 30, 40}));
    EXPECT_EQ(f.session.dataFilePath, dataFile);
    EXPECT_EQ(f.dialog.statusTexts, Lines{dataFile});
    EXPECT_TRUE(restoreWindowPlacement(settings.windowPlacement, view));
    ASSERT_EQ(view.applied.size(), 1u);
    EXPECT_EQ(view.applied[0].flags, 2u);
    EXPECT_EQ(view.applied[0].showCmd, 3u);
    EXPECT_EQ(view.applied[0].normal.right, 620);
    EXPECT_EQ(view.applied[0].normal.bottom, 560);
}

TEST_F(ProgramSettingsTest, PlacementsSurviveExitAndStart) {
    const WindowPlacement cases[] = {placement(2, {10, 20, 530, 440}),  // minimised
                                     placement(3, {0, 0, 1024, 768}),  // maximised
                                     placement(1, {-700, -5, -100, 400}, 1)};
    load();
    for (const WindowPlacement& p : cases) {
        view.placement = p;
        view.widths[3] = 777;
        saveProgramSettings(f.context, settings, view);
        load();
        view.applied.clear();
        ASSERT_TRUE(restoreWindowPlacement(settings.windowPlacement, view)) << p.showCmd;
        const WindowPlacement& got = view.applied[0];
        EXPECT_EQ(std::vector<std::int64_t>({got.flags, got.showCmd, got.normal.left, got.normal.top,
                                             got.normal.right, got.normal.bottom}),
                  std::vector<std::int64_t>({p.flags, p.showCmd, p.normal.left, p.normal.top,
                                             p.normal.right, p.normal.bottom}));
        EXPECT_EQ(settings.columnWidths[3], 777);
    }
}

TEST_F(ProgramSettingsTest, MalformedOrMissingValuesKeepTheirDefaults) {
    const struct {
        const char* lines;
        std::int32_t firstWidth;
        bool placed;
    } cases[] = {
        {"Cols=0A 00 00 00 14 00 00 00 1E 00 00 00 28 00 00\r\n", 320, false},  // 15 bytes
        {"Cols=0a 00 00 00 14 00 00 00 1e 00 00 00 28 00 00 00 \r\n", 320, false},
        {"showCmd=1\r\nrcNormal=01 00 00 00 02 00 00 00 03\r\n", 320, false},  // a cut rectangle
        {"rcNormal=01 00 00 00 02 00 00 00 03 00 00 00 04 00 00 00 \r\n", 320, false},  // hidden
        {"showCmd=1\r\nrcNormal=01 00 00 00 02 00 00 00 03 00 00 00 04 00 00 00 \r\n", 320, false},  // 2 x 2
        {"showCmd=1\r\nrcNormal=01 00 00 00 02 00 00 00 F1 00 00 00 A2 00 00 00 \r\n", 320, true},  // 240 x 160
        {"showCmd=1\r\nrcNormal=F4 01 00 00 90 01 00 00 01 00 00 00 02 00 00 00 \r\n", 320, false},  // negative
        {"Cols=0A 00 00 00 14 00 00 00 1E 00 00 00 28 00 00 00\r\n", 10, false},
    };
    for (const auto& c : cases) {
        writeSettings(std::string("[Program Settings]\r\n") + c.lines);
        load();
        EXPECT_EQ(settings.columnWidths[0], c.firstWidth) << c.lines;
        EXPECT_EQ(restoreWindowPlacement(settings.windowPlacement, view), c.placed) << c.lines;
        EXPECT_EQ(f.session.dataFilePath, settings.userDataFolder + "Evenkeeper.txt");
    }
}

TEST_F(ProgramSettingsTest, AnEmptyDataFileKeyLeavesTheOperationsUnsaved) {
    writeSettings("[Program Settings]\r\nDataFile=\r\n");
    load();
    EXPECT_EQ(f.session.dataFilePath, "");
    EXPECT_EQ(f.store.count(), 1);
    f.session.unsavedChanges = true;
    saveDataFile(f.context);
    EXPECT_FALSE(tree.exists(inFolder("Evenkeeper.txt")));
}

TEST(UserDataFolder, FallsBackToTheRootWhenThePlatformNamesNoUsableFolder) {
    const struct {
        std::string applicationData;
        std::string expected;
    } cases[] = {
        {"C:\\Users\\ann\\AppData\\Roaming", "C:\\Users\\ann\\AppData\\Roaming\\TamrelFreeware\\Evenkeeper\\"},
        {"C:\\", "C:\\TamrelFreeware\\Evenkeeper\\"},
        {"", "\\TamrelFreeware\\Evenkeeper\\"},
        // The settings file's path may have 259 characters, not one more.
        {"C:\\" + std::string(212, 'x'), "\\TamrelFreeware\\Evenkeeper\\"},
        {"C:\\" + std::string(211, 'x'), "C:\\" + std::string(211, 'x') + "\\TamrelFreeware\\Evenkeeper\\"},
    };
    for (const auto& c : cases) {
        MemoryFileSystem files;
        StoreFixture f(files);
        FakeUserFolders folders;
        folders.folder = c.applicationData;
        ProgramSettings settings;
        loadProgramSettings(f.context, settings, folders);
        EXPECT_EQ(settings.userDataFolder, c.expected);
        EXPECT_TRUE(files.setCurrentDirectory(c.expected.c_str())) << c.expected;
    }
}

}  // namespace
}  // namespace evenkeeper::test
