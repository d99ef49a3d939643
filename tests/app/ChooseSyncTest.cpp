// The dialog that chooses a previous sync operation: its rows and colours, OK, Cancel and
// Delete, and that no deleted record ever stays the main dialog's current operation.
#include <gtest/gtest.h>

#include <cstring>

#include "app/ChooseSyncController.h"
#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;

// The list as the user sees it: one item per row, a selection, and how the dialog ended.
struct FakeChooseView : ChooseSyncView {
    std::vector<const ChooseRow*> items;
    int selected = -1;
    int ended = -2;  // -2: still open

    void showRows(const std::vector<ChooseRow>& rows) override {
        clearRows();
        for (const ChooseRow& row : rows) items.push_back(&row);
    }
    void clearRows() override { items.clear(), selected = -1; }
    int selectedRow() override { return selected; }
    void selectRow(int row) override { selected = row < int(items.size()) ? row : -1; }
    void endDialog(int result) override { ended = result; }
};

Lines texts(const ChooseRow& row) {
    Lines columns;
    for (int column = 0; column < kChooseColumnCount; ++column) columns.push_back(chooseColumnText(row, column));
    return columns;
}

SyncOperation record(const std::string& name, Operation operation = kCopy, Direction direction = kTopToBottom,
                     int levels = kMaxLevels, const char* lastUsed = "not used") {
    SyncOperation fields{{}, {}, operation, direction, levels, {}};
    std::strcpy(fields.topFolder, ("C:\\" + name + "\\").c_str());
    std::strcpy(fields.bottomFolder, ("F:\\" + name + "\\").c_str());
    std::strcpy(fields.lastUsed, lastUsed);
    return fields;
}

// Operations "op0", "op1", ... with the one at `current` current in the main dialog.
struct ChooseFixture {
    explicit ChooseFixture(int count, int current = 0) {
        for (int n = 0; n < count; ++n) store.addBack(record("op" + std::to_string(n)));
        dialog.selectOperation(current);
        dialog.calls.clear();
    }
    SyncStore store;
    SyncSession session;
    RecordingStoreDialog dialog{store, session};
    FakeChooseView view;
    ChooseSyncController chooser{view, store, session, dialog};
};

TEST(ChooseSync, RowsPairInTurningColoursTheSecondShowsOnlyTheBottomFolder) {
    SyncStore store;
    store.addBack(record("Music", kDuplicate, kTopToBottom, 16, "12/07/26"));
    store.addBack(record("Work", kMove, kBottomToTop, 3));
    store.addBack(record("Photos", kCopy, kBothWays, 0));
    store.addBack(record("Odd", Operation(3), Direction(-1), 7));
    store.addBack(record("Books"));
    std::vector<ChooseRow> rows = chooseRows(store);
    ASSERT_EQ(rows.size(), 10u);
    // pink, cyan, magenta, light blue, pink
    const std::uint32_t pairs[] = {0xB469FF, 0xFFFF00, 0xFF00FF, 0xFACE87, 0xB469FF};
    for (std::size_t n = 0; n < rows.size(); ++n) {
        EXPECT_EQ(rows[n].colour, pairs[n / 2]) << "row " << n;
        EXPECT_EQ(rows[n].position, int(n / 2)) << "row " << n;
    }
    EXPECT_EQ(texts(rows[0]), (Lines{"C:\\Music\\", "Duplicate", "Top to bottom", "16", "12/07/26"}));
    EXPECT_EQ(texts(rows[1]), (Lines{"F:\\Music\\", "", "", "", ""}));
    EXPECT_EQ(texts(rows[2]), (Lines{"C:\\Work\\", "Move", "Bottom to top", "3", "not used"}));
    EXPECT_EQ(texts(rows[4]), (Lines{"C:\\Photos\\", "Copy", "Both ways", "0", "not used"}));
    EXPECT_EQ(texts(rows[6]), (Lines{"C:\\Odd\\", "", "", "7", "not used"}));
}

TEST(ChooseSync, OkChoosesTheSelectedOperationCancelAndOkWithoutASelectionEndWithWhatWasDone) {
    ChooseFixture f(5, 2);
    f.chooser.open();
    EXPECT_EQ(f.view.items.size(), 10u);
    EXPECT_EQ(f.view.selected, 4) << "the current operation's first row";
    f.view.selected = 7;  // the second row of a pair chooses its operation too
    f.chooser.command(kOk);
    EXPECT_EQ(f.dialog.calls, Lines{"select 3"});
    EXPECT_EQ(f.view.ended, 1);
    EXPECT_TRUE(f.view.items.empty() && f.chooser.rows().empty()) << "the rows outlived the dialog";

    // Every showing starts afresh.
    f.dialog.calls.clear();
    f.chooser.open();
    f.view.selected = -1;
    f.chooser.command(kOk);
    EXPECT_EQ(f.view.ended, 0);
    f.chooser.open();
    f.chooser.command(IDC_SCAN);  // not a command of this dialog
    f.chooser.command(kCancel);
    EXPECT_EQ(f.view.ended, 0);
    EXPECT_TRUE(f.dialog.calls.empty());

    // A deletion stays, and counts, however the dialog then ends.
    for (int end : {kCancel, kOk}) {
        f.view.ended = -2;
        f.chooser.open();
        f.view.selected = 2;
        f.chooser.command(IDC_CHOOSE_DELETE);
        EXPECT_EQ(f.view.ended, -2) << "Delete ended the dialog";
        f.view.selected = -1;
        f.chooser.command(end);
        EXPECT_EQ(f.view.ended, 1);
    }
    EXPECT_EQ(f.store.count(), 3);
}

TEST(ChooseSync, DeleteDoesNothingWithOneOperationLeftOrNoRowSelected) {
    for (int count : {1, 2}) {
        ChooseFixture f(count);
        f.chooser.open();
        if (count == 2) f.view.selected = -1;
        f.chooser.command(IDC_CHOOSE_DELETE);
        EXPECT_EQ(f.store.count(), count);
        EXPECT_EQ(f.view.items.size(), std::size_t(2 * count));
        EXPECT_EQ(f.chooser.result(), 0);
    }
}

// Every deleted position against every current index: the current record stays current
// unless it was deleted, then the one that took its place (or the new last) is; index
// names it, and the list shows the store with the current first row selected. Reading
// the current record and the rows' folders catches a freed one under the sanitizers.
TEST(ChooseSync, NoDeletedRecordStaysCurrentWhateverThePositions) {
    for (int count : {1, 2, 5}) {
        for (int current = 0; current < count; ++current) {
            for (int deleted = 0; deleted < count; ++deleted) {
                SCOPED_TRACE(std::to_string(count) + " operations, current " + std::to_string(current) +
                             ", deleted " + std::to_string(deleted));
                ChooseFixture f(count, current);
                Lines names;
                for (int n = 0; n < count; ++n)
                    if (n != deleted || count == 1) names.push_back("op" + std::to_string(n));
                const std::string expected =
                    count == 1 || deleted != current ? "op" + std::to_string(current)
                                                     : names[std::size_t(std::min(deleted, count - 2))];
                f.chooser.open();
                f.view.selected = 2 * deleted + current % 2;  // either row of the pair
                f.chooser.command(IDC_CHOOSE_DELETE);
                ASSERT_NE(f.store.positionOf(f.session.currentOperation), -1) << "a removed record is current";
                EXPECT_EQ(f.session.currentOperation->topFolder, "C:\\" + expected + "\\");
                EXPECT_EQ(f.store.at(f.session.index), f.session.currentOperation);
                EXPECT_EQ(f.dialog.calls.empty(), count == 1 || deleted > current)
                    << "the main dialog was not shown the change, or was shown one that did not happen";
                EXPECT_EQ(f.view.selected, 2 * f.session.index);
                Lines listed;
                for (const ChooseRow* row : f.view.items) listed.push_back(row->folder);
                Lines inStore;
                for (const std::string& name : names) inStore.insert(inStore.end(), {"C:\\" + name + "\\", "F:\\" + name + "\\"});
                EXPECT_EQ(listed, inStore);
            }
        }
    }
}

}  // namespace
}  // namespace evenkeeper::test
