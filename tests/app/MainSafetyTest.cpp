// What keeps a person's only copy safe: after a Scan the user learns which folders were not
// read (the notice's text: UnreadFolderNoticeTest), and a plan that deletes most of one side
// runs only when the user says so.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

Lines messages(const Lines& calls) {
    Lines found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [](const std::string& call) { return call.rfind("message ", 0) == 0; });
    return found;
}

const std::string kNoticeEnd =
    "(folder links, system folders, folders without access, paths too long)\n"
    "Nothing in them will be copied or deleted.";

TEST(MainSafety, AScanThatPassedOverFolderLinksSaysSoOnceAfterThePlan) {
    ControllerFixture f;
    f.tree.file("top\\a.txt", "a", kBaseTime);
    f.tree.link("top\\loop", ".");
    f.tree.file("bottom\\b.txt", "b", kBaseTime);
    f.tree.file("outside\\c.txt", "c", kBaseTime);
    f.tree.link("bottom\\Music", "..\\outside");
    f.storeOperation("top\\", "bottom\\", kDuplicate);
    f.start();
    f.view.take();
    f.controller.command(IDC_SCAN);
    Lines calls = f.view.take();
    EXPECT_EQ(messages(calls),
              Lines{"message 0x30 Evenkeeper: Evenkeeper did not read 2 folders:\ntop: loop\\\n"
                    "bottom: Music\\\n" + kNoticeEnd});
    EXPECT_EQ(f.rows(), (Lines{"3 b.txt", "0 a.txt"}));
    // After the plan enabled the middle button, just before the Results dialog.
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.end()[-2].rfind("message 0x30", 0), 0u);
    EXPECT_NE(std::find(calls.begin(), calls.end() - 2, "middle on"), calls.end() - 2);

    // Every folder read: nothing new is shown.
    ControllerFixture plain;
    plain.tree.file("top\\a.txt", "a", kBaseTime);
    plain.tree.file("bottom\\sub\\b.txt", "b", kBaseTime);
    plain.storeOperation("top\\", "bottom\\");
    plain.start();
    plain.view.take();
    plain.controller.command(IDC_SCAN);
    EXPECT_EQ(messages(plain.view.take()), Lines{});
}

// A Duplicate top to bottom whose bottom holds `kept` files the top also has and `extra`
// files it lacks, scanned; the plan deletes the extra ones.
struct DeletionPlan {
    ControllerFixture f;
    DeletionPlan(int kept, int extra) {
        f.tree.folder("top");
        for (int i = 0; i < kept; ++i) {
            f.tree.file("top\\k" + std::to_string(i), "k", kBaseTime);
            f.tree.file("bottom\\k" + std::to_string(i), "k", kBaseTime);
        }
        for (int i = 0; i < extra; ++i) f.tree.file("bottom\\x" + std::to_string(i), "x", kBaseTime);
        f.storeOperation("top\\", "bottom\\", kDuplicate);
        f.start();
        f.controller.command(IDC_SCAN);
        f.view.take();
    }
    int extraLeft() const {
        int left = 0;
        for (int i = 0; i < 20; ++i) left += f.tree.exists("bottom\\x" + std::to_string(i));
        return left;
    }
};

TEST(MainSafety, APlanDeletingTenFilesAndMoreThanHalfOfASideAsksFirst) {
    DeletionPlan no(9, 10);
    no.f.view.answers = {kAnswerNo};
    no.f.controller.command(IDC_MIDDLE);
    EXPECT_EQ(no.f.view.take(),
              Lines{"message 0x124 Evenkeeper: This will delete 10 of the 19 files in\n" +
                    no.f.tree.path("bottom\\") + "\nNo Recycle Bin there: deleted for good.\nDo you want to go on?"});
    // No leaves the plan as it stood, ready to run.
    EXPECT_EQ(no.extraLeft(), 10);
    EXPECT_EQ(no.f.rows().size(), 10u);
    EXPECT_TRUE(no.f.view.middleEnabled);
    EXPECT_TRUE(no.f.controller.session().scanValid);
    EXPECT_STREQ(no.f.operation().lastUsed, "not used");

    no.f.view.answers = {kAnswerYes};
    no.f.controller.command(IDC_MIDDLE);
    EXPECT_EQ(messages(no.f.view.take()).size(), 1u);
    EXPECT_EQ(no.extraLeft(), 0);
    EXPECT_TRUE(no.f.rows().empty());
}

TEST(MainSafety, PlansBelowTheThresholdRunWithoutAQuestion) {
    struct Case {
        int kept;
        int extra;
    };
    // Exactly half of the side; fewer than ten files although all of the side.
    for (Case c : {Case{10, 10}, Case{0, 9}}) {
        SCOPED_TRACE(std::to_string(c.extra) + " of " + std::to_string(c.kept + c.extra));
        DeletionPlan plan(c.kept, c.extra);
        plan.f.view.answers = {kAnswerNo};
        plan.f.controller.command(IDC_MIDDLE);
        EXPECT_EQ(messages(plan.f.view.take()), Lines{});
        EXPECT_EQ(plan.extraLeft(), 0);
        EXPECT_TRUE(plan.f.rows().empty());
    }
}

}  // namespace
}  // namespace evenkeeper::test
