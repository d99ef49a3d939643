// The dialog that chooses a previous sync operation: its rows and colours, OK, Cancel and
// Delete, and that no deleted record ever stays the main dialog's current operation.
#include <gtest/gtest.h>

#include <cstring>

#include "app/ChooseSyncController.h"
#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"
#include "store/StoreFakes.h"

namespace evenkeeper::test {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr std::uint32_t kPink = 0xB469FF, kCyan = 0xFFFF00, kMagenta = 0xFF00FF, kLightBlue = 0xFACE87;

// The list as the user sees it: one item per row, a selection, and how the dialog ended.
struct FakeChooseView : ChooseSyncView {
    std::vector<const ChooseRow*> items;
    int selected = -1;
    int ended = -2;  // -2: still open

    void showRows(const std::vector<ChooseRow>& rows) override {
        clearRows();
        for (const ChooseRow& row : rows) items.push_back(&row);
    }
    void clearRows() override {
        items.clear();
        selected = -1;
    }
    int selectedRow() override { return selected; }
    void selectRow(int row) override { selected = row >= 0 && row < int(items.size()) ? row : -1; }
    void endDialog(int result) override { ended = result; }

    // Column 0 of every item: reading it through the rows catches a row left on a freed record.
    Lines folders() const {
        Lines texts;
        for (const ChooseRow* row : items) texts.push_back(chooseColumnText(*row, 0));
        return texts;
    }
};

SyncOperation record(const std::string& name, int operation = kCopy, int direction = kTopToBottom,
                     int levels = kMaxLevels, const char* lastUsed = "not used") {
    SyncOperation fields;
    std::strcpy(fields.topFolder, ("C:\\" + name + "\\").c_str());
    std::strcpy(fields.bottomFolder, ("F:\\" + name + "\\").c_str());
    fields.operation = operation;
    fields.direction = direction;
    fields.levels = levels;
    std::strcpy(fields.lastUsed, lastUsed);
    return fields;
}

struct ChooseFixture {
    // Operations "op0", "op1", ... with the one at `current` selected in the main dialog.
    explicit ChooseFixture(int count, int current = 0) {
        for (int n = 0; n < count; ++n) store.addBack(record("op" + std::to_string(n)));
        dialog.selectOperation(current);
        dialog.calls.clear();
    }
    Lines names() {
        Lines texts;
        for (SyncOperation* r = store.first(); r; r = store.next()) texts.push_back(r->topFolder);
        return texts;
    }

    SyncStore store;
    SyncSession session;
    RecordingStoreDialog dialog{store, session};
    FakeChooseView view;
    ChooseSyncController chooser{view, store, session, dialog};
};

Lines texts(const ChooseRow& row) {
    Lines columns;
    for (int column = 0; column < kChooseColumnCount; ++column) columns.push_back(chooseColumnText(row, column));
    return columns;
}

TEST(ChooseRows, FivePairsInTurningColoursTheSecondRowShowsOnlyTheBottomFolder) {
    SyncStore store;
    store.addBack(record("Music", kDuplicate, kTopToBottom, 16, "12/07/26"));
    store.addBack(record("Work", kMove, kBottomToTop, 3));
    store.addBack(record("Photos", kCopy, kBothWays, 0));
    store.addBack(record("Mail"));
    store.addBack(record("Books"));
    std::vector<ChooseRow> rows = chooseRows(store);
    ASSERT_EQ(rows.size(), 10u);
    const std::uint32_t pairs[] = {kPink, kCyan, kMagenta, kLightBlue, kPink};
    for (std::size_t n = 0; n < rows.size(); ++n) {
        SCOPED_TRACE("row " + std::to_string(n));
        EXPECT_EQ(rows[n].colour, pairs[n / 2]);
        EXPECT_EQ(rows[n].position, int(n / 2));
        EXPECT_EQ(rows[n].first, n % 2 == 0);
    }
    EXPECT_EQ(texts(rows[0]), (Lines{"C:\\Music\\", "Duplicate", "Top to bottom", "16", "12/07/26"}));
    EXPECT_EQ(texts(rows[1]), (Lines{"F:\\Music\\", "", "", "", ""}));
    EXPECT_EQ(texts(rows[2]), (Lines{"C:\\Work\\", "Move", "Bottom to top", "3", "not used"}));
    EXPECT_EQ(texts(rows[4]), (Lines{"C:\\Photos\\", "Copy", "Both ways", "0", "not used"}));
    EXPECT_EQ(texts(rows[9]), (Lines{"F:\\Books\\", "", "", "", ""}));
    EXPECT_EQ(chooseColumnText(rows[0], kChooseColumnCount), "");

    int total = 0;
    for (const ChooseColumn& column : kChooseColumns) total += column.width;
    EXPECT_EQ(total, 320 + 60 + 104 + 60 + 80);
    EXPECT_STREQ(kChooseColumns[4].header, "Last used");
}

TEST(ChooseRows, AnOperationOrDirectionOutOfRangeShowsNothing) {
    SyncStore store;
    store.addBack(record("x", 3, -1, 7, "01/02/03"));
    store.addBack(record("y", -1, 3));
    std::vector<ChooseRow> rows = chooseRows(store);
    EXPECT_EQ(texts(rows[0]), (Lines{"C:\\x\\", "", "", "7", "01/02/03"}));
    EXPECT_EQ(texts(rows[2]), (Lines{"C:\\y\\", "", "", "16", "not used"}));
    SyncStore empty;
    EXPECT_TRUE(chooseRows(empty).empty());
}

TEST(ChooseSync, OpensOnTheCurrentOperationAndOkChoosesTheSelectedRowsOperation) {
    ChooseFixture f(5, 2);
    f.chooser.open();
    EXPECT_EQ(f.view.items.size(), 10u);
    EXPECT_EQ(f.view.selected, 4);
    EXPECT_EQ(f.chooser.result(), 0);
    // The second row of a pair chooses its operation too.
    f.view.selected = 7;
    f.chooser.command(kOk);
    EXPECT_EQ(f.dialog.calls, Lines{"select 3"});
    EXPECT_EQ(f.session.index, 3);
    EXPECT_EQ(f.view.ended, 1);
    EXPECT_TRUE(f.view.items.empty());
    EXPECT_TRUE(f.chooser.rows().empty());

    // Every showing starts afresh; OK on the current operation still counts as a choice.
    f.view.ended = -2;
    f.chooser.open();
    EXPECT_EQ(f.view.selected, 6);
    f.chooser.command(kOk);
    EXPECT_EQ(f.view.ended, 1);
}

TEST(ChooseSync, OkWithoutASelectionAndCancelEndWithWhatWasDoneSoFar) {
    ChooseFixture f(3, 1);
    f.chooser.open();
    f.view.selected = -1;
    f.chooser.command(kOk);
    EXPECT_EQ(f.view.ended, 0);
    EXPECT_TRUE(f.dialog.calls.empty());

    f.chooser.open();
    f.chooser.command(IDC_SCAN);  // not a command of this dialog
    f.chooser.command(kCancel);
    EXPECT_EQ(f.view.ended, 0);

    // A deletion stays, and counts, whichever way the dialog then ends.
    f.chooser.open();
    f.view.selected = 4;
    f.chooser.command(IDC_CHOOSE_DELETE);
    EXPECT_EQ(f.view.ended, 0) << "Delete ended the dialog";
    f.chooser.command(kCancel);
    EXPECT_EQ(f.view.ended, 1);
    EXPECT_EQ(f.names(), (Lines{"C:\\op0\\", "C:\\op1\\"}));

    f.chooser.open();
    f.view.selected = 0;
    f.chooser.command(IDC_CHOOSE_DELETE);
    f.view.selected = -1;
    f.chooser.command(kOk);
    EXPECT_EQ(f.view.ended, 1);
}

TEST(ChooseSync, DeleteDoesNothingWithOneOperationLeftOrNoRowSelected) {
    ChooseFixture one(1);
    one.chooser.open();
    one.chooser.command(IDC_CHOOSE_DELETE);
    EXPECT_EQ(one.store.count(), 1);
    EXPECT_EQ(one.view.folders(), (Lines{"C:\\op0\\", "F:\\op0\\"}));
    EXPECT_EQ(one.chooser.result(), 0);

    ChooseFixture two(2);
    two.chooser.open();
    two.view.selected = -1;
    two.chooser.command(IDC_CHOOSE_DELETE);
    EXPECT_EQ(two.store.count(), 2);
    EXPECT_EQ(two.chooser.result(), 0);
}

// Every deleted position against every current index: the current record stays current
// unless it was deleted, then the one that took its place (or the new last) does; index
// names it, and the list shows the store with its first row selected.
TEST(ChooseSyncDelete, NoDeletedRecordStaysCurrentWhateverThePositions) {
    for (int count : {1, 2, 5}) {
        for (int current = 0; current < count; ++current) {
            for (int deleted = 0; deleted < count; ++deleted) {
                SCOPED_TRACE(std::to_string(count) + " operations, current " + std::to_string(current) +
                             ", deleted " + std::to_string(deleted));
                ChooseFixture f(count, current);
                Lines before = f.names();
                f.chooser.open();
                f.view.selected = 2 * deleted + (current % 2);  // either row of the pair
                f.chooser.command(IDC_CHOOSE_DELETE);
                Lines after = before;
                if (count > 1) after.erase(after.begin() + deleted);
                ASSERT_EQ(f.names(), after);
                const std::string expected =
                    count == 1 || deleted != current
                        ? before[std::size_t(current)]
                        : after[std::size_t(std::min(deleted, int(after.size()) - 1))];
                ASSERT_NE(f.store.positionOf(f.session.currentOperation), -1) << "a removed record is current";
                EXPECT_EQ(f.session.currentOperation->topFolder, expected);
                EXPECT_EQ(f.store.at(f.session.index), f.session.currentOperation);
                EXPECT_EQ(f.dialog.calls.empty(), count == 1 || deleted > current)
                    << "the main dialog was not shown the change, or was shown one that did not happen";
                EXPECT_EQ(f.view.selected, 2 * f.session.index);
                Lines listed;
                for (const std::string& name : after) listed.insert(listed.end(), {name, "F" + name.substr(1)});
                EXPECT_EQ(f.view.folders(), listed);
                EXPECT_EQ(f.chooser.result(), count > 1 ? 1 : 0);
            }
        }
    }
}

// The main dialog opens the dialog from the Setup menu and marks the data file as changed
// when it ends with a choice or a deletion.
TEST(MainChooseSync, MarksUnsavedChangesOnlyForANonzeroResultThatIsNotAFailure) {
    ControllerFixture f;
    f.start();
    for (int result : {0, -1, 1}) {
        SCOPED_TRACE(result);
        f.view.chooser = [result] { return result; };
        f.view.take();
        f.controller.command(IDM_CHOOSE_SYNC);
        EXPECT_EQ(f.view.take(), Lines{"choose sync"});
        EXPECT_EQ(f.controller.session().unsavedChanges, result == 1);
    }
}

TEST(MainChooseSync, RefusedDuringALongStep) {
    ControllerFixture f;
    f.tree.file("top\\a.txt", "alpha", kBaseTime);
    f.tree.folder("bottom");
    f.storeOperation("top\\", "bottom\\");
    f.start();
    bool chosen = false;
    f.view.chooser = [&] { return chosen = true, 1; };
    f.pump.once = [&] {
        f.controller.menuOpening();
        f.controller.command(IDM_CHOOSE_SYNC);
    };
    f.controller.command(IDC_SCAN);
    EXPECT_FALSE(chosen);
    EXPECT_FALSE(f.view.menuItems[IDM_CHOOSE_SYNC]) << "the menu offered it during the scan";
    f.controller.menuOpening();
    EXPECT_TRUE(f.view.menuItems[IDM_CHOOSE_SYNC]);
}

// The whole road through the real main controller: deleting the current operation shows
// the one that took its place, and the data file written at exit has it.
TEST(MainChooseSync, DeletingTheCurrentOperationShowsItsSuccessorAndIsSavedAtExit) {
    ControllerFixture f;
    std::string text = "[Program Settings]\r\np=Evenkeeper\r\nv=1.0\r\nindex=1\r\n";
    for (char section : {'a', 'b', 'c'})
        text += std::string("[") + section + "]\r\nC:\\" + section + "\\\r\nF:\\" + section +
                "\\\r\noperation=1\r\ndirection=0\r\nlevels=4\r\nnot used\r\n";
    f.tree.file(f.dataFile(), text, kBaseTime);
    f.start();
    ASSERT_EQ(f.view.fields[Field::topFolder], "C:\\b\\");
    FakeChooseView chooseView;
    ChooseSyncController chooser(chooseView, f.store, f.controller.session(), f.controller);
    f.view.chooser = [&] {
        chooser.open();
        chooser.command(IDC_CHOOSE_DELETE);
        chooser.command(kCancel);
        return chooseView.ended;
    };
    f.view.take();
    f.controller.command(IDM_CHOOSE_SYNC);
    EXPECT_EQ(f.view.fields[Field::topFolder], "C:\\c\\");
    EXPECT_EQ(f.view.fields[Field::bottomFolder], "F:\\c\\");
    EXPECT_EQ(f.controller.session().index, 1);
    EXPECT_TRUE(f.controller.session().unsavedChanges);
    f.controller.command(IDM_EXIT);
    const std::string saved = f.tree.read(f.dataFile());
    EXPECT_NE(saved.find("index=1\r\n[a]\r\nC:\\a\\\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[b]\r\nC:\\c\\\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("C:\\b\\"), std::string::npos) << saved;
}

}  // namespace
}  // namespace evenkeeper::test
