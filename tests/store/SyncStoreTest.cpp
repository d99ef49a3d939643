// The ordered list of sync operations: positions, the single cursor, removal anywhere, the
// limit of 26, and records that stay where they are while others come and go.
#include <gtest/gtest.h>

#include <cstring>

#include "store/SyncStore.h"

namespace evenkeeper::test {
namespace {

SyncOperation named(const char* top) {
    SyncOperation record;
    std::strcpy(record.topFolder, top);
    return record;
}

std::string order(SyncStore& store) {
    std::string text;
    for (SyncOperation* r = store.first(); r; r = store.next()) text += r->topFolder;
    return text;
}

TEST(SyncStore, KeepsOrderThroughAddsAndRemovals) {
    SyncStore store;
    SyncOperation* b = store.addBack(named("b"));
    store.addBack(named("c"));
    store.addFront(named("a"));
    store.addBack(named("d"));
    EXPECT_EQ(order(store), "abcd");
    EXPECT_EQ(store.at(1), b);
    EXPECT_EQ(store.positionOf(b), 1);
    EXPECT_EQ(store.at(4), nullptr);
    EXPECT_EQ(store.at(-1), nullptr);

    store.removeAt(3);
    store.removeAt(0);
    store.removeAt(7);
    EXPECT_EQ(order(store), "bc");
    EXPECT_EQ(store.at(0), b);  // the record did not move
    store.addBack(named("e"));
    store.removeAt(1);
    EXPECT_EQ(order(store), "be");
    EXPECT_EQ(store.count(), 2);
    store.clear();
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(store.first(), nullptr);
    EXPECT_EQ(store.positionOf(b), -1);
}

TEST(SyncStore, RemovingTheRecordUnderTheCursorMovesTheCursorOn) {
    SyncStore store;
    for (const char* name : {"a", "b", "c"}) store.addBack(named(name));
    EXPECT_STREQ(store.first()->topFolder, "a");  // the cursor stands on "b"
    store.removeAt(1);
    EXPECT_STREQ(store.next()->topFolder, "c");
    EXPECT_EQ(store.next(), nullptr);
}

TEST(SyncStore, HoldsAtMost26Records) {
    SyncStore store;
    for (int i = 0; i < maxSyncOperations; ++i) ASSERT_NE(store.addBack(SyncOperation()), nullptr);
    EXPECT_EQ(store.addBack(SyncOperation()), nullptr);
    EXPECT_EQ(store.addFront(SyncOperation()), nullptr);
    EXPECT_EQ(store.count(), 26);
}

}  // namespace
}  // namespace evenkeeper::test
