// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The larger sizes: where the layout lands in the window, and that boxes
// which meet at 100% still meet, without gaps or overlaps, when scaled.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "gfx/Draw.h"
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

// A background left open where its panels lie, then the panels: the same
// pixels as the background filled whole under them, at every size, for
// panels inside, across the edge of, beside or outside the background.
TEST(View, ABackgroundAroundItsPanelsGivesThePixelsOfOneUnderThem) {
    std::mt19937 random(7);
    const auto coordinate = [&](int limit) { return std::uniform_int_distribution<int>(-20, limit)(random); };
    const auto anyBox = [&] {
        const int x = coordinate(120), y = coordinate(90);
        return Rect{x, y, x + coordinate(60) + 20, y + coordinate(40) + 20};
    };
    const Color background{10, 20, 30}, first{200, 0, 0}, second{0, 200, 0};
    for (int percent : layout::SIZES) {
        ViewUsed used(view::ofSize(percent));
        SDL_Surface* whole = SDL_CreateRGBSurface(SDL_SWSURFACE, 2 * percent, 2 * percent, 32, 0xff0000, 0xff00, 0xff, 0);
        SDL_Surface* around = SDL_CreateRGBSurface(SDL_SWSURFACE, 2 * percent, 2 * percent, 32, 0xff0000, 0xff00, 0xff, 0);
        for (int round = 0; round < 300; ++round) {
            SDL_FillRect(whole, nullptr, 0);
            SDL_FillRect(around, nullptr, 0);
            const Rect r = anyBox(), a = anyBox(), b = anyBox();
            draw::fill(whole, r, background);
            draw::fillAround(around, r, {a, b}, background);
            for (SDL_Surface* s : {whole, around}) {
                draw::fill(s, a, first);
                draw::fill(s, b, second);
            }
            ASSERT_EQ(std::memcmp(whole->pixels, around->pixels, std::size_t(whole->pitch) * whole->h), 0)
                << percent << "%, round " << round;
        }
        SDL_FreeSurface(whole);
        SDL_FreeSurface(around);
    }
}
