// Names in other scripts through the real program: the plan lists them as they are, the run
// copies and deletes them under those names, and names that differ only in the case of
// letters beyond ASCII are one file on both sides, as the file system takes them.
#include <windows.h>

#include <algorithm>

#include "app/driver/DriverFixture.h"

namespace evenkeeper::driver {
namespace {

using Names = DriverTest;
using Rows = std::vector<std::pair<std::string, int>>;
using Listing = std::vector<std::string>;

// Each row's folder and name, with its image, in name order.
Rows listed(const MainWindow& window) {
    Rows rows;
    for (const ListedRow& row : window.rows()) rows.emplace_back(row.path + row.name, row.image);
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The names in a folder as the directory search gives them, in byte order.
Listing namesIn(const std::string& folder) {
    Listing names;
    WIN32_FIND_DATAA item;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &item);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (item.cFileName[0] != '.') names.push_back(item.cFileName);
    } while (FindNextFileA(search, &item));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(Names, CopyAndDuplicateCarryEveryNameAndMatchCaseBeyondAscii) {
    for (const char* name : {u8"日本.txt", u8"😀.txt", u8"Ωmega.txt", u8"café.txt", u8"日本\\内.txt"})
        top.file(name, 10, kBaseTime);
    top.file(u8"Ä.txt", 20, kBaseTime + kHour);
    bottom.file(u8"ä.txt", 21, kBaseTime);
    top.file(u8"ΩΔΉ\\été.txt", 30, kBaseTime);
    bottom.file(u8"ωδή\\ÉTÉ.txt", 30, kBaseTime);
    bottom.file(u8"Жук.txt", 40, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);

    ASSERT_TRUE(window.scan());
    EXPECT_EQ(listed(window), (Rows{{u8"café.txt", 0}, {u8"Ä.txt", 0}, {u8"Ωmega.txt", 0},
                                    {u8"日本.txt", 0}, {u8"日本\\内.txt", 0}, {u8"😀.txt", 0}}));
    ASSERT_TRUE(window.runPlan());
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_EQ(namesIn(bottom.root()), (Listing{u8"café.txt", u8"ä.txt", u8"Ωmega.txt", u8"ωδή",
                                               u8"Жук.txt", u8"日本", u8"日本.txt", u8"😀.txt"}));
    EXPECT_EQ(namesIn(bottom.path(u8"日本\\")), Listing{u8"内.txt"});
    EXPECT_EQ(bottom.lastWrite(u8"ä.txt"), kBaseTime + kHour);

    window.click(IDC_DUPLICATE);
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(listed(window), (Rows{{u8"Жук.txt", 3}}));
    ASSERT_TRUE(window.runPlan());
    EXPECT_EQ(namesIn(bottom.root()), (Listing{u8"café.txt", u8"ä.txt", u8"Ωmega.txt", u8"ωδή",
                                               u8"日本", u8"日本.txt", u8"😀.txt"}));
    EXPECT_EQ(namesIn(bottom.path(u8"ωδή\\")), Listing{u8"ÉTÉ.txt"});
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
