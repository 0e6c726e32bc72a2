// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu-like screens read back from the frame: where the marker stands for
// each item, which words are drawn where and in which colour, and how the
// graphics layer copes with missing files and odd colour names.
#include <gtest/gtest.h>

#include <SDL/SDL_image.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "screens/DifferentScreens.h"

using namespace testsupport;

namespace {

struct Box {
    int x0, y0, x1, y1;  // [x0, x1) by [y0, y1)
};

std::vector<Rgb> capture(const Box& b) { return testsupport::capture(SDL_GetVideoSurface(), b.x0, b.y0, b.x1, b.y1); }

int count(const Box& b, Rgb color) {
    const std::vector<Rgb> pixels = capture(b);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

bool allWhite(const Box& b) { return count(b, WHITE) == (b.x1 - b.x0) * (b.y1 - b.y0); }

const Box WHOLE_WINDOW{0, 0, 1000, 700};

// The smallest box holding every pixel that differs between two captures of
// the whole window; empty (x0 > x1) when they are the same.
Box changedBox(const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
    Box box{WHOLE_WINDOW.x1, WHOLE_WINDOW.y1, -1, -1};
    const int width = WHOLE_WINDOW.x1;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) {
            const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
            box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1), std::max(box.y1, y + 1)};
        }
    return box;
}

struct Size {
    int w, h;
};

Size imageSize(const char* file) {
    SDL_Surface* image = IMG_Load(file);
    if (!image) return {0, 0};
    const Size size{image->w, image->h};
    SDL_FreeSurface(image);
    return size;
}

struct Spot {
    const char* item;
    int x, y;
};

class MenuScreens : public ::testing::Test {
protected:
    void SetUp() override { g = &graphics(); }
    void TearDown() override { useEnglish(); }
    void clearFrame() { g->beginScene(); }  // keeps the language a test chose

    std::vector<Rgb> frameOf(const std::function<void()>& draw) {
        clearFrame();
        draw();
        return capture(WHOLE_WINDOW);
    }

    // Draws a screen once with each item highlighted and once with a name no
    // item has: the difference must be the marker, at the item's spot.
    void expectMarkers(const std::vector<Spot>& spots, void (CPU::*setItem)(std::string),
                       void (DifferentScreens::*screen)(SDLGraphics*, CPU*)) {
        const Size marker = imageSize("images/select.png");
        ASSERT_GT(marker.w, 0);
        (cpu.*setItem)("no such item");
        const std::vector<Rgb> bare = frameOf([&] { (screens.*screen)(g, &cpu); });
        for (const Spot& spot : spots) {
            (cpu.*setItem)(spot.item);
            const Box box = changedBox(bare, frameOf([&] { (screens.*screen)(g, &cpu); }));
            ASSERT_LT(box.x0, box.x1) << "no marker for item " << spot.item;
            EXPECT_GE(box.x0, spot.x) << spot.item;
            EXPECT_GE(box.y0, spot.y) << spot.item;
            EXPECT_LE(box.x1, spot.x + marker.w) << spot.item;
            EXPECT_LE(box.y1, spot.y + marker.h) << spot.item;
        }
    }

    // The row drawn by the screen looks exactly like the text drawn alone,
    // over the text's own width (a picture may stand further right) and the
    // rows' step (Options' key table: 25).
    void expectRow(const std::function<void()>& screen, const std::string& text, int size, int y,
                   const char* color = "text", int step = 30) {
        clearFrame();
        const std::vector<Rgb> blank = capture(WHOLE_WINDOW);
        g->drawText(text, size, 62, y, color);
        const Box inked = changedBox(blank, capture(WHOLE_WINDOW));
        ASSERT_LT(inked.x0, inked.x1) << "\"" << text << "\" draws nothing";
        const Box row{62, y, inked.x1 + 2, y + step};
        const std::vector<Rgb> alone = capture(row);
        clearFrame();
        screen();
        EXPECT_TRUE(capture(row) == alone) << "the row at y " << y << " does not read \"" << text << "\"";
    }

    SDLGraphics* g = nullptr;
    CPU cpu;
    DifferentScreens screens;
};

}  // namespace

TEST_F(MenuScreens, StartScreenDrawsItsLinesOnWhite) {
    clearFrame();
    screens.start_screen(g, &cpu);
    EXPECT_EQ(pixel(5, 5), WHITE);
    EXPECT_EQ(pixel(995, 695), WHITE);
    EXPECT_EQ(pixel(61, 270), WHITE);
    EXPECT_GT(count({62, 264, 400, 290}, BLACK), 0);  // "1. Natural numbers and integers"
    EXPECT_EQ(count({62, 264, 400, 290}, BLUE), 0);
    EXPECT_GT(count({874, 30, 1000, 60}, BLUE), 0);   // "POLSKI"
    EXPECT_EQ(count({874, 30, 1000, 60}, BLACK), 0);
    EXPECT_GT(count({774, 30, 870, 60}, BLACK), 0);   // "zmien na:"

    cpu.setMenuItem("no such item");
    auto start = [&] { screens.start_screen(g, &cpu); };
    expectRow(start, "1. Natural numbers and integers", 20, 264);
    expectRow(start, "4. Linear functions and vectors", 20, 354);
    expectRow(start, "Exit", 20, 444);
}

TEST_F(MenuScreens, StartScreenMarkerStandsBesideTheHighlightedEntry) {
    expectMarkers({{"1", 27, 264}, {"2", 27, 294}, {"3", 27, 324}, {"4", 27, 354}, {"5", 27, 384},
                   {"6", 27, 414}, {"7", 27, 444}, {"8", 724, 30}},
                  &CPU::setMenuItem, &DifferentScreens::start_screen);
}

TEST_F(MenuScreens, AnUnknownItemDrawsNoMarker) {
    cpu.setMenuItem("9");
    clearFrame();
    screens.start_screen(g, &cpu);
    EXPECT_TRUE(allWhite({0, 0, 62, 700}));
    EXPECT_TRUE(allWhite({724, 30, 770, 60}));

    cpu.setOptionsItem("");
    clearFrame();
    screens.options(g, &cpu);
    EXPECT_TRUE(allWhite({0, 0, 62, 700}));

    cpu.setPart4Item("5");
    clearFrame();
    screens.part4(g, &cpu);
    EXPECT_TRUE(allWhite({0, 0, 62, 700}));
}

TEST_F(MenuScreens, StartScreenFollowsTheLanguageAtOnce) {
    cpu.setMenuItem("3");
    const std::vector<Rgb> english = frameOf([&] { screens.start_screen(g, &cpu); });
    switchLanguage();
    const std::vector<Rgb> polish = frameOf([&] { screens.start_screen(g, &cpu); });
    const Box changed = changedBox(english, polish);
    EXPECT_GE(changed.x0, 62);  // the marker stays
    EXPECT_GT(count({874, 30, 1000, 60}, BLUE), 0);  // "ENGLISH"
    cpu.setMenuItem("no such item");
    auto start = [&] { screens.start_screen(g, &cpu); };
    expectRow(start, "1. Liczby naturalne i calkowite", 20, 264);
    expectRow(start, "Wyjscie", 20, 444);
}

TEST_F(MenuScreens, OptionsMarkerStandsBesideTheHighlightedEntry) {
    expectMarkers({{"1", 27, 324}, {"2", 27, 354}, {"3", 27, 384}, {"4", 27, 414}, {"5", 27, 444},
                   {"6", 27, 474}, {"7", 27, 504}},
                  &CPU::setOptionsItem,
                  &DifferentScreens::options);
}

TEST_F(MenuScreens, OptionsShowTheStateOfBothOptions) {
    cpu.setOptionsItem("no such item");
    auto options = [&] { screens.options(g, &cpu); };
    expectRow(options, "Options", 20, 264);
    expectRow(options, "Fullscreen: off", 20, 324);
    expectRow(options, "Grid on the chart: off", 20, 354);
    expectRow(options, "Size: 100%", 20, 384);
    expectRow(options, "High contrast: off", 20, 414);
    expectRow(options, "Speech: off", 20, 444);
    expectRow(options, "Name: ", 20, 474);
    expectRow(options, "Back", 20, 504);
    expectRow(options, "controls:", 20, 534, "title", 25);
    expectRow(options, "arrow keys - move around the program", 20, 559, "text", 25);
    expectRow(options, "escape - back to previous screen", 20, 659, "text", 25);
    cpu.setAccountName("anowak");
    expectRow(options, "Name: anowak", 20, 474);
    cpu.setPupilName("Ola");
    expectRow(options, "Name: Ola", 20, 474);

    cpu.setFullscreen(true);
    expectRow(options, "Fullscreen: on", 20, 324);
    expectRow(options, "Grid on the chart: off", 20, 354);
    cpu.setGridlines(true);
    expectRow(options, "Grid on the chart: on", 20, 354);

    switchLanguage();
    expectRow(options, "Pelen ekran: wlaczony", 20, 324);
    expectRow(options, "Kratki na wykresie: wlaczone", 20, 354);
    cpu.setFullscreen(false);
    cpu.setGridlines(false);
    expectRow(options, "Pelen ekran: wylaczony", 20, 324);
    expectRow(options, "Kratki na wykresie: wylaczone", 20, 354);
    cpu.setSizePercent(200);
    expectRow(options, "Rozmiar: 200%", 20, 384);
    expectRow(options, "Wysoki kontrast: wyl", 20, 414);
    cpu.setSpeech(true);
    expectRow(options, "Mowa: wlaczona", 20, 444);
    cpu.setSpeechUnavailable(true);
    expectRow(options, "Mowa: niedostepna", 20, 444);
}

TEST_F(MenuScreens, ChapterFourMenuMarkerAndRows) {
    expectMarkers({{"1", 27, 324}, {"2", 27, 354}, {"3", 27, 384}, {"4", 27, 444}}, &CPU::setPart4Item,
                  &DifferentScreens::part4);
    cpu.setPart4Item("no such item");
    auto menu = [&] { screens.part4(g, &cpu); };
    expectRow(menu, "Linear functions and vectors", 20, 264);
    expectRow(menu, "1. Draw 1-3 straight lines", 20, 324);
    expectRow(menu, "3. Draw 1-2 vectors", 20, 384);
    expectRow(menu, "Back", 20, 444);
}

TEST_F(MenuScreens, AboutShowsItsCreditsWithoutAMarker) {
    auto about = [&] { screens.about(g); };
    clearFrame();
    about();
    EXPECT_TRUE(allWhite({0, 0, 62, 700}));
    EXPECT_TRUE(allWhite({62, 384, 390, 410}));  // the empty row, left of the picture
    expectRow(about, "About program", 20, 264);
    expectRow(about, "Created by:", 16, 324);
    expectRow(about, "as addition to book:", 16, 414);
    switchLanguage();
    expectRow(about, "O programie", 20, 264);
    expectRow(about, "Stworzony przez:", 16, 324);
}

// --- The graphics layer at its edges -----------------------------------------

TEST_F(MenuScreens, AMissingImageIsReportedOnceAndSkipped) {
    clearFrame();
    testing::internal::CaptureStderr();
    g->drawImage("images/no-such-picture.png", 10, 10);
    g->drawImage("images/no-such-picture.png", 10, 10);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_NE(report.find("images/no-such-picture.png"), std::string::npos) << report;
    EXPECT_TRUE(allWhite({0, 0, 200, 200}));

    g->drawText("still drawn", 20, 10, 10, "text");
    EXPECT_GT(count({10, 10, 200, 40}, BLACK), 0);
}

TEST_F(MenuScreens, AMissingFontIsReportedOnceAndTextSkipped) {
    std::string report;
    {
        TemporaryFolder noFont("nofont");
        clearFrame();
        testing::internal::CaptureStderr();
        g->drawText("no font here", 37, 10, 10, "text");  // a size no screen uses, so not opened yet
        g->drawText("nor here", 37, 10, 50, "text");
        report = testing::internal::GetCapturedStderr();
    }

    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_NE(report.find("ARIAL.TTF"), std::string::npos) << report;
    EXPECT_TRUE(allWhite({0, 0, 400, 120}));
}

// A text names the palette's role, the same way in every text operation; a
// name that is no role is said once and drawn in the text colour.
TEST_F(MenuScreens, TextColoursAreThePalettesRoles) {
    const Box line{100, 100, 400, 130};
    clearFrame();
    g->drawText(std::string("MMMM"), 20, 100, 100, "success");
    EXPECT_GT(count(line, GREEN), 0);
    const std::vector<Rgb> success = capture(line);
    clearFrame();
    g->drawText("MMMM", 20, 100, 100, "success");
    EXPECT_TRUE(capture(line) == success);
    clearFrame();
    g->drawText("MMMM", 20, 100, 100, "message");
    EXPECT_GT(count(line, RED), 0);

    clearFrame();
    g->drawText("MMMM", 20, 100, 100, "text");
    const std::vector<Rgb> text = capture(line);
    testing::internal::CaptureStderr();
    clearFrame();
    g->drawText("MMMM", 20, 100, 100, "black");
    g->drawText("MMMM", 20, 100, 300, "black");
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(capture(line) == text);
    EXPECT_EQ(report, "calcora: no colour is named \"black\"; drawn in the text colour\n");
    EXPECT_EQ(g->unknownColorNames().count("black"), 1u);
}

TEST_F(MenuScreens, NumbersAndEmptyTextsDrawAsTheirText) {
    const Box line{100, 100, 400, 130};
    clearFrame();
    g->drawText(std::string("-42"), 16, 100, 100, "title");
    const std::vector<Rgb> text = capture(line);
    clearFrame();
    g->drawText(-42, 16, 100, 100, "title");
    EXPECT_TRUE(capture(line) == text);

    clearFrame();
    g->drawText(std::string(), 20, 100, 100, "text");
    g->drawText("", 20, 100, 100, "text");
    EXPECT_TRUE(allWhite({0, 0, 1000, 700}));
}
