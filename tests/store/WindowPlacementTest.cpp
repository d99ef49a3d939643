// The checks before a stored placement is applied: its left and top edges must lie an icon's
// size inside the primary screen, and a placement that was never read or would hide the
// window is not applied.
#include <gtest/gtest.h>

#include "StoreFakes.h"

namespace evenkeeper::test {
namespace {

TEST(RestoreWindowPlacement, AppliesOnlyPlacementsThatCanBeSeen) {
    const struct {
        std::int32_t length;
        std::uint32_t showCmd;
        std::int32_t left, top;
        bool applied;
    } cases[] = {
        {20, 1, 992, 736, true},     // 1024 - 32 and 768 - 32 still pass
        {20, 1, 993, 0, false},      // a monitor to the right
        {20, 1, 0, 737, false},
        {20, 1, -1600, -20, true},   // a monitor to the left
        {20, 2, 10, 10, true},       // minimised
        {kNoPlacement, 1, 10, 10, false},
        {20, kShowHidden, 10, 10, false},
    };
    for (const auto& c : cases) {
        FakeWindowView view;
        WindowPlacement placement;
        placement.length = c.length;
        placement.showCmd = c.showCmd;
        placement.normal = {c.left, c.top, c.left + 500, c.top + 400};
        EXPECT_EQ(restoreWindowPlacement(placement, view), c.applied) << c.left << "," << c.top;
        EXPECT_EQ(view.applied.size(), c.applied ? 1u : 0u);
    }
}

}  // namespace
}  // namespace evenkeeper::test
