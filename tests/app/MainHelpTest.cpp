// The Help menu of the main dialog: "Program info" writes and opens the page, "About..."
// shows the program's name and version with the link to its page, "Check for updates"
// opens the same page; none of them changes the operations (nor starts during a long step,
// which MainLongSteps covers).
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "resources/HelpPageText.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

TEST(MainHelp, ProgramInfoWritesThePageInTheTemporaryFolderAndOpensIt) {
    ControllerFixture f;
    f.start();
    f.view.take();
    f.controller.command(IDM_PROGRAM_INFO);
    EXPECT_EQ(f.view.take(), Lines{"open page " + f.tree.path(f.helpFile())});
    EXPECT_EQ(f.tree.read(f.helpFile()), helpPageText());
    EXPECT_FALSE(f.controller.session().unsavedChanges);
}

TEST(MainHelp, AboutAndUpdatesShowAndOpenTheAddressThePageLinksTo) {
    ControllerFixture f;
    f.start();
    f.view.take();
    f.controller.command(IDM_ABOUT);
    f.controller.command(IDM_CHECK_UPDATES);
    const Lines calls = f.view.take();
    ASSERT_EQ(calls.size(), 2u);
    const std::string page = helpPageText();
    const std::size_t link = page.find("<a href=\"") + 9;
    const std::string address = page.substr(link, page.find('"', link) - link);
    ASSERT_FALSE(address.empty());
    EXPECT_EQ(calls[0], "about Evenkeeper 1.02\nFreeware (c) 2026 TamrelFreeware | " + address);
    EXPECT_EQ(calls[1], "open " + address);
    EXPECT_FALSE(f.controller.session().unsavedChanges);
}

}  // namespace
}  // namespace evenkeeper::test
