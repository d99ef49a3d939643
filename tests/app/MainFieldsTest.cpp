// The main dialog's fields and operation controls: the levels check, folders as they are
// stored, Browse, the direction cycle, and what marks the sync operations as changed.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

const std::string kLevelsMessage =
    "message 0x30 Evenkeeper: Folder levels must be between 0 and 16.\n0 means don't look in subfolders.";

bool has(const Lines& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// The directions after each of so many presses of the direction button.
std::string pressDirection(ControllerFixture& f, int presses) {
    std::string directions;
    for (int i = 0; i < presses; ++i) {
        f.controller.command(IDC_DIRECTION);
        directions += std::to_string(f.operation().direction);
    }
    return directions;
}

TEST(MainFields, LevelsFieldIsCheckedAndMarksOnlyAChange) {
    struct Case {
        int stored;
        const char* typed;
        bool refused;
        int levels;
        bool marked;
    };
    const Case cases[] = {
        {5, "17", true, 16, true},   {16, "17", true, 16, false}, {5, "-1", true, 16, true},
        {5, "100", true, 16, true},  {5, "abc", false, 0, true},  {5, "", false, 0, true},
        {0, "", false, 0, false},    {0, "5abc", false, 5, true}, {5, "16", false, 16, true},
        {5, "5", false, 5, false},
    };
    for (const Case& c : cases) {
        ControllerFixture f;
        f.storeOperation("", "", kCopy, kTopToBottom, c.stored);
        f.start();
        f.view.take();
        f.commit(Field::levels, c.typed);
        Lines calls = f.view.take();
        SCOPED_TRACE(std::string("stored ") + std::to_string(c.stored) + ", typed '" + c.typed + "'");
        EXPECT_EQ(has(calls, kLevelsMessage), c.refused);
        EXPECT_EQ(has(calls, "field levels 16"), c.refused);
        EXPECT_EQ(f.operation().levels, c.levels);
        EXPECT_EQ(f.controller.session().unsavedChanges, c.marked);
    }
}

TEST(MainFields, FoldersEndInABackslashAndBrowseTakesOnlyAPickedFolder) {
    ControllerFixture f;
    f.storeOperation("", "");
    f.start();
    // Leaving a field marks even when nothing changed.
    f.commit(Field::bottomFolder, "");
    EXPECT_STREQ(f.operation().bottomFolder, "");
    EXPECT_TRUE(f.controller.session().unsavedChanges);
    f.commit(Field::topFolder, "C:\\Music");
    EXPECT_STREQ(f.operation().topFolder, "C:\\Music\\");
    EXPECT_EQ(f.view.fields[Field::topFolder], "C:\\Music\\");

    ControllerFixture g;
    g.storeOperation("", "");
    g.start();
    g.view.take();
    g.controller.command(IDC_BROWSE_BOTTOM);
    EXPECT_EQ(g.view.take(), Lines{"browse Select the folder you want to synchronize."});
    EXPECT_FALSE(g.controller.session().unsavedChanges);
    g.view.browsePicks = true;
    g.view.browsed = "D:\\Backup\\";
    g.controller.command(IDC_BROWSE_BOTTOM);
    EXPECT_STREQ(g.operation().bottomFolder, "D:\\Backup\\");
    EXPECT_EQ(g.view.fields[Field::bottomFolder], "D:\\Backup\\");
    EXPECT_TRUE(g.controller.session().unsavedChanges);
}

TEST(MainFields, DirectionCyclesAndTheViewMenuDoesNotMark) {
    ControllerFixture f;
    f.storeOperation("", "");
    f.start();
    f.view.take();
    f.controller.command(IDM_SHOW_BOTH_WAYS);
    f.controller.command(IDM_SHOW_TOP_TO_BOTTOM);
    EXPECT_EQ(f.view.take(), (Lines{"icon 2", "icon 0"}));
    EXPECT_FALSE(f.controller.session().unsavedChanges);

    EXPECT_EQ(pressDirection(f, 4), "1201");
    EXPECT_TRUE(f.controller.session().unsavedChanges);
    f.controller.command(IDC_DIRECTION);
    f.view.take();
    // Duplicate has no both-ways plan.
    f.controller.command(IDC_DUPLICATE);
    EXPECT_EQ(f.view.take(), (Lines{"check 2", "middle label Duplicate", "icon 0"}));
    f.controller.menuOpening();
    EXPECT_FALSE(f.view.menuItems[IDM_SHOW_BOTH_WAYS]);
    f.view.take();
    f.controller.command(IDM_SHOW_BOTH_WAYS);
    EXPECT_EQ(f.view.take(), Lines{});
    EXPECT_EQ(pressDirection(f, 3), "101");
    f.controller.command(IDC_COPY);
    f.controller.menuOpening();
    EXPECT_TRUE(f.view.menuItems[IDM_SHOW_BOTH_WAYS]);

    // A data file may pair Duplicate with both ways; the button leaves it for top to bottom.
    ControllerFixture g;
    g.storeOperation("", "", kDuplicate, kBothWays);
    g.start();
    EXPECT_TRUE(has(g.view.take(), "icon 2"));
    g.controller.command(IDC_DIRECTION);
    EXPECT_EQ(g.operation().direction, kTopToBottom);
}

}  // namespace
}  // namespace evenkeeper::test
