// The help page: where it goes, that the file holds exactly the page after every "Program
// info", that nothing opens when it cannot be written, that it is gone when the program
// ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ControllerFixture.h"
#include "app/HelpPage.h"
#include "resources/HelpPageText.h"

namespace evenkeeper::test {
namespace {

struct PageFiles {
    TempTree tree;
    TreeFileSystem files{tree.path("temp\\")};
    std::vector<std::string> opened;

    PageFiles() { tree.folder("temp"); }
    HelpPage page() {
        return HelpPage(files, [this](const char* path) { opened.push_back(path); });
    }
};

struct UnwritableFileSystem : TreeFileSystem {
    using TreeFileSystem::TreeFileSystem;
    bool writeFile(FileHandle, const void*, std::uint32_t) override { return false; }
};

TEST(HelpPage, LiesInTheTemporaryFolderOrElseInTheRootOfTheDrive) {
    PageFiles f;
    EXPECT_EQ(f.page().path(), f.tree.path("temp\\EvenkeeperHelp.htm"));
    f.files.temp.clear();
    EXPECT_EQ(f.page().path(), "\\EvenkeeperHelp.htm");
}

TEST(HelpPage, HoldsExactlyThePageEveryTimeAlsoOverALongerOldFile) {
    PageFiles f;
    // An old page twice as long, as another version of the program may have left.
    f.tree.file("temp\\EvenkeeperHelp.htm", helpPageText() + helpPageText(), kBaseTime);
    HelpPage page = f.page();
    // Sizes first: a whole page in a failure message says little.
    auto holdsThePage = [&] {
        const std::string file = f.tree.read("temp\\EvenkeeperHelp.htm");
        EXPECT_EQ(file.size(), helpPageText().size());
        EXPECT_TRUE(file == helpPageText());
    };
    page.show();
    holdsThePage();
    page.show();
    holdsThePage();
    EXPECT_EQ(f.opened, (std::vector<std::string>{page.path(), page.path()}));
}

TEST(HelpPage, OpensNothingWhenItCannotBeWritten) {
    PageFiles f;
    f.files.failCreateFile();
    f.page().show();
    EXPECT_TRUE(f.opened.empty());

    TempTree tree;
    tree.folder("temp");
    UnwritableFileSystem full(tree.path("temp\\"));
    bool opened = false;
    HelpPage(full, [&](const char*) { opened = true; }).show();
    EXPECT_FALSE(opened);
}

TEST(HelpPage, IsDeletedWhenTheProgramEndsWrittenOrNot) {
    PageFiles f;
    {
        HelpPage page = f.page();
        page.show();
        ASSERT_TRUE(f.tree.exists("temp\\EvenkeeperHelp.htm"));
    }
    EXPECT_FALSE(f.tree.exists("temp\\EvenkeeperHelp.htm"));
    { HelpPage neverShown = f.page(); }
    EXPECT_FALSE(f.tree.exists("temp\\EvenkeeperHelp.htm"));
}

}  // namespace
}  // namespace evenkeeper::test
