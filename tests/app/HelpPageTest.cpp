// The help page: where it goes, that the file holds exactly the page after every "Program
// info", that nothing opens when it cannot be written, that it is gone when the program
// ends, and the page's own form (one line of XHTML that links to the maker's page).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ControllerFixture.h"
#include "app/HelpPage.h"
#include "resources/HelpPageText.h"
#include "resources/ProgramIdentity.h"

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

std::string linkTarget(const std::string& page) {
    const std::string start = "<a href=\"";
    const std::size_t at = page.find(start);
    if (at == std::string::npos) return "";
    const std::size_t from = at + start.size();
    return page.substr(from, page.find('"', from) - from);
}

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

TEST(HelpPageText, IsOneLineOfAsciiXhtmlThatLinksToTheMakersPage) {
    const std::string& page = helpPageText();
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
    for (char c : page) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << int(static_cast<unsigned char>(c));
    EXPECT_EQ(page.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
    EXPECT_EQ(page.substr(page.size() - 7), "</html>");
    EXPECT_NE(page.find("<title>Evenkeeper info</title>"), std::string::npos);
    EXPECT_NE(page.find(std::string("<cite>") + kNoticeLine + "</cite>"), std::string::npos);
    EXPECT_EQ(linkTarget(page), kHomePage);
}

}  // namespace
}  // namespace evenkeeper::test
