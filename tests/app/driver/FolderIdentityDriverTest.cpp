// The real program with a folder that has a second drive letter, as a substituted drive or
// a share of a local folder gives one: Scan knows the folder by what it is, whatever the
// spelling, and a drive root stored without its backslash is scanned whole.
#include <windows.h>

#include "app/driver/DriverFixture.h"
#include "support/win32/WineUnix.h"

namespace evenkeeper::driver {
namespace {

using FolderIdentity = DriverTest;

// A Duplicate from bottom to top whose bottom is top's subfolder "inner", spelt through the
// second drive letter and in the "\\?\" form: Scan refuses it and the top keeps its files.
TEST_F(FolderIdentity, TheTopsOwnSubfolderByAnotherNameIsRefused) {
    top.file("a.mp3", 10, kBaseTime);
    top.file("b.mp3", 10, kBaseTime);
    top.file("inner\\c.mp3", 10, kBaseTime);
    test::DriveLetter drive(top.root());
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.click(IDC_DUPLICATE);
    window.click(IDC_DIRECTION);
    window.enter(IDC_TOP_FOLDER, top.root());
    for (const std::string& bottomFolder : {drive.root() + "inner\\", "\\\\?\\" + top.path("inner\\")}) {
        SCOPED_TRACE(bottomFolder);
        window.enter(IDC_BOTTOM_FOLDER, bottomFolder);
        window.click(IDC_SCAN);
        ASSERT_TRUE(window.answerBox("Ok"));
        window.settle();
        EXPECT_FALSE(window.enabled(IDC_MIDDLE));
        EXPECT_EQ(window.rowCount(), 0);
    }
    EXPECT_TRUE(top.exists("a.mp3"));
    EXPECT_TRUE(top.exists("b.mp3"));
    EXPECT_EQ(exitProgram(window), 0u);
}

// "M:" as a data file edited by hand may hold it: the walk climbs back out of the subfolder
// (it once ended the program with an access violation there).
TEST_F(FolderIdentity, ADriveRootStoredWithoutItsBackslashIsScannedWhole) {
    top.file("sub\\a.mp3", 10, kBaseTime);
    top.file("b.mp3", 10, kBaseTime);
    test::DriveLetter drive(top.root());
    std::string root = drive.root();
    root.pop_back();
    ASSERT_TRUE(writeFile(dataFile(), "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=0\r\n[a]\r\n" +
                                          root + "\r\n" + bottom.root() +
                                          "\r\noperation=0\r\ndirection=0\r\nlevels=16\r\nnot used\r\n"));
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), root + "\\");
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(window.names(), (std::vector<std::string>{"b.mp3", "a.mp3"}));
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
