// Top and bottom folders that a scan of the given depth would read twice.
#include <gtest/gtest.h>

#include "app/FolderOverlap.h"

namespace evenkeeper::test {
namespace {

TEST(FolderOverlap, SameFolderOrOneInsideTheOtherWithinTheLevels) {
    struct Case {
        const char* top;
        const char* bottom;
        int levels;
        bool overlap;
    };
    const Case cases[] = {
        {"C:\\Music\\", "C:\\Music\\", 0, true},    {"C:\\Music\\", "c:\\MUSIC\\", 0, true},
        {"C:\\Music\\", "C:\\Music\\A\\", 0, false}, {"C:\\Music\\", "C:\\Music\\A\\", 1, true},
        {"C:\\Music\\A\\B\\", "C:\\Music\\", 1, false}, {"C:\\Music\\A\\B\\", "C:\\Music\\", 2, true},
        {"C:\\Music\\", "C:\\Musical\\", 16, false}, {"C:\\", "D:\\", 16, false},
        {"C:\\", "C:\\Music\\", 0, false},           {"C:\\", "C:\\Music\\", 16, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldersOverlap(c.top, c.bottom, c.levels, systemTextCompare()), c.overlap)
            << c.top << " and " << c.bottom << ", levels " << c.levels;
}

}  // namespace
}  // namespace evenkeeper::test
