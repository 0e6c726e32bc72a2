// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The larger sizes: where the layout lands in the window, and that boxes
// which meet at 100% still meet, without gaps or overlaps, when scaled.
#include <gtest/gtest.h>

#include "gfx/Layout.h"
#include "gfx/View.h"

namespace {

// Puts the view back as every other test expects it.
struct ViewUsed {
    explicit ViewUsed(const View& v) { view::use(v); }
    ~ViewUsed() { view::use(View{}); }
};

}  // namespace

TEST(View, AFullScreenIsFilledAtTheWindowsShapeAndCentred) {
    const View wide = view::fittedTo(1920, 1080);  // 16:9: bands left and right
    EXPECT_NEAR(wide.scale, 1080 / 700.0, 1e-12);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.x, int((1920 - 1000 * wide.scale) / 2));
    const View tall = view::fittedTo(1280, 1024);  // 5:4: bands above and below
    EXPECT_NEAR(tall.scale, 1.28, 1e-12);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, int((1024 - 700 * 1.28) / 2));
}

TEST(View, ScaledBoxesStillMeetAndTheWindowsCornerLandsOnItsEdge) {
    for (int percent : layout::SIZES) {
        ViewUsed used(view::ofSize(percent));
        // Boxes side by side at 100% (the exercise cells) stay side by side.
        for (int x = 0; x < 50; ++x) {
            const Rect left = view::box({x, 0, x + 6, 9}), right = view::box({x + 7, 0, x + 13, 9});
            EXPECT_EQ(right.x1, left.x2 + 1) << percent << "% at " << x;
        }
        const Rect window = view::box({0, 0, 999, 699});
        EXPECT_EQ(window.x2 + 1, 10 * percent) << percent;
        EXPECT_EQ(window.y2 + 1, 7 * percent) << percent;
        EXPECT_EQ(view::fontSize(16), 16 * percent / 100) << percent;
        EXPECT_EQ(view::thickness(1), percent == 100 ? 1 : 2) << percent;
    }
}

TEST(View, TheSizesStepRoundWhatTheDisplayHolds) {
    EXPECT_EQ(layout::nextSize(100, 200), 150);
    EXPECT_EQ(layout::nextSize(150, 200), 200);
    EXPECT_EQ(layout::nextSize(200, 200), 100);
    EXPECT_EQ(layout::nextSize(100, 100), 100);
    EXPECT_EQ(layout::nextSize(200, 150), 100);  // a size the display no longer holds steps back to 100%
}
