// Where the status bar and the result list go as the main dialog is sized.
#include <gtest/gtest.h>

#include "app/MainLayout.h"

namespace evenkeeper::test {
namespace {

TEST(MainLayout, ListStopsShortOfTheFrameAndNeverTurnsNegative) {
    MainLayout layout = layOutMain({800, 600}, {4, 20, 3});
    EXPECT_EQ(layout.statusBar, (Rect{0, 580, 800, 600}));
    EXPECT_EQ(layout.list, (Rect{0, 90, 789, 576}));

    layout = layOutMain({6, 50}, {4, 20, 0});
    EXPECT_EQ(layout.statusBar, (Rect{0, 30, 6, 50}));
    EXPECT_EQ(layout.list, (Rect{0, 90, 0, 90}));
}

}  // namespace
}  // namespace evenkeeper::test
