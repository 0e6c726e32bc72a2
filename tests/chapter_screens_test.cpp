// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The chapter screens' layouts against the key tables and the store: every
// item the arrow keys reach has a box to carry the marker (or is "back"),
// every box can be reached, and every input box shows a field of the store.
// Where things are drawn is checked by the golden frames.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/ItemFields.h"
#include "input/KeyTables.h"
#include "screens/ExerciseScreen.h"

namespace {

const ChapterLayout& (*const LAYOUTS[])() = {chapter1Layout, chapter2Layout, chapter3Layout};

}  // namespace

TEST(ChapterLayouts, EveryItemTheKeysReachHasABoxAndEveryBoxCanBeReached) {
    for (const auto layoutOf : LAYOUTS) {
        const ChapterLayout& layout = layoutOf();
        const ScreenKeys& keys = screenKeysFor(layout.screen);
        std::set<std::string> reachable;
        for (const NavRow& row : keys.moves) {
            reachable.insert(row.item);
            EXPECT_TRUE(markerPosition(layout, row.item)) << screenName(layout.screen) << " " << row.item;
        }
        for (const ExerciseLayout& exercise : layout.exercises) {
            for (const ItemBox& button : exercise.buttons) {
                EXPECT_TRUE(reachable.count(button.item)) << button.item;
                EXPECT_FALSE(fieldOfItem(layout.screen, button.item)) << button.item;
            }
            for (const ItemBox& box : exercise.fields) {
                EXPECT_TRUE(reachable.count(box.item)) << box.item;
                EXPECT_TRUE(fieldOfItem(layout.screen, box.item)) << box.item << " shows no field";
            }
        }
        EXPECT_FALSE(markerPosition(layout, "nothing"));
    }
}
