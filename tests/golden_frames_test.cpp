// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Golden frames: known states drawn through the real screen routines and
// compared pixel for pixel with reference pictures in tests/golden/. A
// misplaced box, text or marker anywhere on any screen fails here.
//
// tools/make_golden.sh redraws the references on purpose. A failing frame
// leaves the actual picture and a difference picture (changed pixels red on
// a faded copy) in golden-failures/ of the working folder.
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/FrameLoop.h"
#include "app/GlobalVariables.h"
#include "app/OutputToTextFile.h"
#include "screens/ExerciseScreen.h"
#include "input/Input2.h"
#include "practice/Assignment.h"

using namespace testsupport;

namespace {

struct Typed {
    Field field;
    const char* text;
};

struct Shot {
    const char* name;
    const char* language;
    const char* screen;
    std::vector<Typed> typed;
    void (*prepare)(CPU& cpu);
    bool fullscreen = false;
    int size = 100;  // percent
};

void nothing(CPU&) {}
void highContrast(CPU& cpu) { cpu.setHighContrast(true); }

// The request solved as the frame after Enter solves it, then W pressed.
void solveThenW(CPU& cpu, const char* request, Screen chapter = Screen::part1) {
    OutputToTextFile results;
    cpu.setSolveThisProgram(request);
    runSolveStep(cpu, chapter, results);
    Input2().readInputForPressingAKey(SDLK_w, &cpu, nullptr);
}

void press(CPU& cpu, SDLKey key) { Input2().readInputForPressingAKey(key, &cpu, nullptr); }

// Types the text with the keys of its characters (digits, '/', '-', letters).
void typeKeys(CPU& cpu, const std::string& text) {
    for (char c : text) press(cpu, SDLKey(std::tolower(static_cast<unsigned char>(c))));
}

// GCD practice: the product typed and checked, then the first hint.
void practiseGcd(CPU& cpu) {
    cpu.setPart1Item("program5and6_n1");
    press(cpu, SDLK_p);
    const practice::Problem p = cpu.getPractice().problem;
    typeKeys(cpu, std::to_string(std::stoll(p.inputs[0]) * std::stoll(p.inputs[1])));
    press(cpu, SDLK_RETURN);
    press(cpu, SDLK_h);
}

// Mixed numbers: two hints, then the answer in its three fields, checked.
void practiseMixed(CPU& cpu) {
    cpu.setPart3Item("calculate1");
    press(cpu, SDLK_p);
    press(cpu, SDLK_h);
    press(cpu, SDLK_h);
    for (const std::string& part : cpu.getPractice().problem.answer) {
        typeKeys(cpu, part);
        press(cpu, SDLK_DOWN);
    }
    press(cpu, SDLK_RETURN);
}

// Vectors: the answer checked, so the plane shows the problem, grid on.
void practiseVectors(CPU& cpu) {
    cpu.setGridlines(true);
    press(cpu, SDLK_p);
    for (const std::string& part : cpu.getPractice().problem.answer) {
        typeKeys(cpu, part);
        press(cpu, SDLK_DOWN);
    }
    press(cpu, SDLK_RETURN);
}

// Every screen in both languages, then typed and solved states of each
// chapter, the plots with values, the grid on and off, the working screen,
// full screen.
const Shot SHOTS[] = {
    {"start-en", "English", screenName(Screen::start_screen), {}, nothing},
    {"start-pl", "Polish", screenName(Screen::start_screen), {}, [](CPU& c) { c.setMenuItem("8"); }},
    // Settings lines passed over, beneath an assignment's offer; the longest take two rows.
    {"start-settings-pl", "Polish", screenName(Screen::start_screen), {},
     [](CPU& c) {
         using K = SettingsFault::Kind;
         c.setAssignment(practice::readAssignment("gcd 1 3\n"));
         c.setSettingsFaults({{true, 2, K::unknown_name, "class_folder", "/srv/7b"},
                              {true, 3, K::wrong_value, "language", "Englsh"},
                              {false, 0, K::unreadable, "", ""},
                              {false, 4, K::wrong_value, "class-folder", "klasa/7b"},
                              {false, 5, K::lab_folder, "class-folder", "/home/ola"}});
     }},
    {"options-en", "English", screenName(Screen::options_menu), {}, [](CPU& c) { c.setAccountName("Anna Nowak"); }},
    {"options-pl", "Polish", screenName(Screen::options_menu), {}, [](CPU& c) { c.setGridlines(true); c.setOptionsItem("3"); }},
    {"options-name-pl", "Polish", screenName(Screen::options_menu), {},
     [](CPU& c) {
         c.setOptionsItem("6");
         c.setNameTyping(true);
         c.setTypedName("\xC5\x81ucja \xC5\xBB\xC3\xB3\xC5\x82kiewska-Nowak");  // Łucja Żółkiewska-Nowak
     }},
    {"about-en", "English", screenName(Screen::about_menu), {}, nothing},
    {"about-pl", "Polish", screenName(Screen::about_menu), {}, nothing},
    {"part1-en", "English", screenName(Screen::part1), {}, nothing},
    {"part1-pl", "Polish", screenName(Screen::part1), {}, [](CPU& c) { c.setPart1Item("back"); }},
    {"part2-en", "English", screenName(Screen::part2), {}, nothing},
    {"part2-pl", "Polish", screenName(Screen::part2), {}, [](CPU& c) { c.setPart2Item("program5_n6b"); }},
    {"part3-en", "English", screenName(Screen::part3), {}, nothing},
    {"part3-pl", "Polish", screenName(Screen::part3), {}, [](CPU& c) { c.setPart3Item("calculate4"); }},
    {"part4-en", "English", screenName(Screen::part4), {}, nothing},
    {"part4-pl", "Polish", screenName(Screen::part4), {}, [](CPU& c) { c.setPart4Item("4"); }},
    {"lines-en", "English", screenName(Screen::part4_program1), {}, nothing},
    {"lines-pl", "Polish", screenName(Screen::part4_program1), {}, [](CPU& c) { c.setPart4Program1Item("7"); }},
    {"two-points-en", "English", screenName(Screen::part4_program2), {}, nothing},
    {"two-points-pl", "Polish", screenName(Screen::part4_program2), {}, [](CPU& c) { c.setPart4Program2Item("5"); }},
    {"vectors-en", "English", screenName(Screen::part4_program3), {}, nothing},
    {"vectors-pl", "Polish", screenName(Screen::part4_program3), {}, [](CPU& c) { c.setPart4Program3Item("6"); }},
    {"part1-remainder", "English", screenName(Screen::part1),
     {{Field::part1_program1_n, "17"}, {Field::part1_program1_k, "5"}, {Field::part1_program2_from, "1"},
      {Field::part1_program2_to, "2"}, {Field::part1_program3_n, "3"}, {Field::part1_program4_n, "4"},
      {Field::part1_program5and6_n1, "56"}, {Field::part1_program5and6_n2, "78"}, {Field::part1_program7_n, "9"}},
     [](CPU& c) { c.setPart1Item("calculate1"); c.setSolveThisProgram("part1_program1"); }},
    {"part1-primes", "Polish", screenName(Screen::part1), {{Field::part1_program2_from, "1"}, {Field::part1_program2_to, "1000"}},
     [](CPU& c) { c.setPart1Item("calculate2"); c.setSolveThisProgram("part1_program2"); }},
    {"part1-divisibility", "English", screenName(Screen::part1), {{Field::part1_program4_n, "360"}},
     [](CPU& c) { c.setPart1Item("program4_n"); c.setSolveThisProgram("part1_program4"); }},
    {"part1-goldbach", "English", screenName(Screen::part1), {{Field::part1_program7_n, "2500"}},
     [](CPU& c) { c.setPart1Item("calculate7"); c.setSolveThisProgram("part1_program7"); }},
    {"part2-operations", "English", screenName(Screen::part2),
     {{Field::part2_program1_n1a, "1"}, {Field::part2_program1_n1b, "2"}, {Field::part2_program1_n2a, "3"},
      {Field::part2_program1_n2b, "4"}, {Field::part2_program2_n_a, "5"}, {Field::part2_program2_n_b, "6"},
      {Field::part2_program3_n1a, "7"}, {Field::part2_program3_n1b, "8"}, {Field::part2_program3_n2a, "9"},
      {Field::part2_program3_n2b, "10"}, {Field::part2_program4_n1a, "11"}, {Field::part2_program4_n1b, "12"},
      {Field::part2_program4_n2a, "13"}, {Field::part2_program4_n2b, "14"}},
     [](CPU& c) { c.setPart2Item("calculate1"); c.setSolveThisProgram("part2_program1"); }},
    {"part2-six-fractions", "Polish", screenName(Screen::part2),
     {{Field::part2_program5_n1a, "2"}, {Field::part2_program5_n1b, "4"}, {Field::part2_program5_n2a, "3"},
      {Field::part2_program5_n2b, "9"}, {Field::part2_program5_n3a, "12"}, {Field::part2_program5_n3b, "18"},
      {Field::part2_program5_n4a, "5"}, {Field::part2_program5_n4b, "7"}, {Field::part2_program5_n5a, "100"},
      {Field::part2_program5_n5b, "250"}, {Field::part2_program5_n6a, "8"}, {Field::part2_program5_n6b, "6"}},
     [](CPU& c) { c.setPart2Item("calculate5"); c.setSolveThisProgram("part2_program5"); }},
    {"part3-recurring", "English", screenName(Screen::part3),
     {{Field::part3_program1_n_a, "7"}, {Field::part3_program1_n_b, "3"}, {Field::part3_program2_n, "0.12[857]"},
      {Field::part3_program3_n1a, "1"}, {Field::part3_program3_n1b, "2"}, {Field::part3_program3_n2a, "2"},
      {Field::part3_program3_n2b, "3"}, {Field::part3_program4_n_a, "5"}, {Field::part3_program4_n_b, "121"}},
     [](CPU& c) { c.setPart3Item("calculate2"); c.setSolveThisProgram("part3_program2"); }},
    {"part3-egyptian", "Polish", screenName(Screen::part3), {{Field::part3_program4_n_a, "5"}, {Field::part3_program4_n_b, "121"}},
     [](CPU& c) { c.setPart3Item("calculate4"); c.setSolveThisProgram("part3_program4"); }},
    {"lines-values-grid", "English", screenName(Screen::part4_program1),
     {{Field::part4_program1_a1, "2"}, {Field::part4_program1_b1, "-1"}, {Field::part4_program1_a2, "-0.5"},
      {Field::part4_program1_b2, "3"}, {Field::part4_program1_a3, "1"}, {Field::part4_program1_b3, "0"}},
     [](CPU& c) { c.setGridlines(true); c.setPart4Program1Item("2"); }},
    {"lines-values", "Polish", screenName(Screen::part4_program1),
     {{Field::part4_program1_a1, "0.25"}, {Field::part4_program1_b1, "4"}, {Field::part4_program1_a2, "-3"}},
     [](CPU& c) { c.setPart4Program1Item("3"); }},
    {"two-points-values-grid", "English", screenName(Screen::part4_program2),
     {{Field::part4_program2_x1, "-2"}, {Field::part4_program2_y1, "1"}, {Field::part4_program2_x2, "3"},
      {Field::part4_program2_y2, "4.5"}},
     [](CPU& c) { c.setGridlines(true); c.setPart4Program2Item("4"); }},
    {"vectors-values", "English", screenName(Screen::part4_program3),
     {{Field::part4_program3_x1, "3"}, {Field::part4_program3_y1, "4"}, {Field::part4_program3_x2, "2"},
      {Field::part4_program3_y2, "-3"}},
     [](CPU& c) { c.setPart4Program3Item("5"); }},
    {"vectors-values-grid", "Polish", screenName(Screen::part4_program3),
     {{Field::part4_program3_x1, "-5"}, {Field::part4_program3_y1, "2"}, {Field::part4_program3_x2, "1"},
      {Field::part4_program3_y2, "6"}, {Field::part4_program3_multiply_by1, "5"},
      {Field::part4_program3_multiply_by2, "-"}},
     [](CPU& c) { c.setGridlines(true); c.setPart4Program3Item("1"); }},
    {"working-gcd", "English", screenName(Screen::part1),
     {{Field::part1_program5and6_n1, "12"}, {Field::part1_program5and6_n2, "18"}},
     [](CPU& c) { c.setPart1Item("calculate5"); solveThenW(c, "part1_program5"); }},
    {"working-primes-scrolled", "Polish", screenName(Screen::part1), {{Field::part1_program2_from, "1"}, {Field::part1_program2_to, "1000000"}},
     [](CPU& c) {
         c.setPart1Item("calculate2");
         solveThenW(c, "part1_program2");
         c.setWorkingScroll(2 * layout::WORKING_PAGE_LINES);
     }},
    // Long lines break between terms; a term wider than a row is drawn whole in a smaller size.
    {"working-ten-digit-operations", "English", screenName(Screen::part2),
     {{Field::part2_program1_n1a, "9999999999"}, {Field::part2_program1_n1b, "9999999998"},
      {Field::part2_program1_n2a, "9999999997"}, {Field::part2_program1_n2b, "9999999996"}},
     [](CPU& c) { c.setPart2Item("calculate1"); solveThenW(c, "part2_program1", Screen::part2); }},
    {"working-egyptian-long-terms", "Polish", screenName(Screen::part3),
     {{Field::part3_program4_n_a, "961064"}, {Field::part3_program4_n_b, "1444320383"}},
     [](CPU& c) {
         c.setPart3Item("calculate4");
         solveThenW(c, "part3_program4", Screen::part3);
         c.setWorkingScroll(1 << 20);  // the screen keeps it within the working: its last page
     }},
    {"working-lines-saved", "English", screenName(Screen::part4_program1),
     {{Field::part4_program1_a1, "0.5"}, {Field::part4_program1_b1, "1"}, {Field::part4_program1_a2, "-2"},
      {Field::part4_program1_b2, "3"}},
     [](CPU& c) {
         Input2().readInputForPressingAKey(SDLK_w, &c, nullptr);
         c.setWorkingSave(CPU::WorkingSave::saved);
     }},
    {"practice-gcd-en", "English", screenName(Screen::part1), {}, practiseGcd},
    {"practice-mixed-pl", "Polish", screenName(Screen::part3), {}, practiseMixed},
    {"practice-vectors-en", "English", screenName(Screen::part4_program3), {}, practiseVectors},
    // High contrast: every screen, the plots with values, the working.
    {"contrast-start", "English", screenName(Screen::start_screen), {}, highContrast},
    {"contrast-options", "Polish", screenName(Screen::options_menu), {}, [](CPU& c) { highContrast(c); c.setOptionsItem("4"); }},
    {"contrast-about", "English", screenName(Screen::about_menu), {}, highContrast},
    {"contrast-part1", "English", screenName(Screen::part1),
     {{Field::part1_program1_n, "17"}, {Field::part1_program1_k, "5"}},
     [](CPU& c) { highContrast(c); c.setPart1Item("calculate1"); c.setSolveThisProgram("part1_program1"); }},
    {"contrast-part2", "English", screenName(Screen::part2), {}, [](CPU& c) { highContrast(c); c.setPart2Item("program1_n1b"); }},
    {"contrast-part3", "Polish", screenName(Screen::part3), {}, highContrast},
    {"contrast-part4", "English", screenName(Screen::part4), {}, highContrast},
    {"contrast-lines", "English", screenName(Screen::part4_program1),
     {{Field::part4_program1_a1, "2"}, {Field::part4_program1_b1, "-1"}, {Field::part4_program1_a2, "-0.5"},
      {Field::part4_program1_b2, "3"}, {Field::part4_program1_a3, "1"}, {Field::part4_program1_b3, "0"}},
     [](CPU& c) { highContrast(c); c.setGridlines(true); c.setPart4Program1Item("2"); }},
    {"contrast-two-points", "English", screenName(Screen::part4_program2),
     {{Field::part4_program2_x1, "-2"}, {Field::part4_program2_y1, "1"}, {Field::part4_program2_x2, "3"},
      {Field::part4_program2_y2, "4.5"}},
     [](CPU& c) { highContrast(c); c.setPart4Program2Item("4"); }},
    {"contrast-vectors", "English", screenName(Screen::part4_program3),
     {{Field::part4_program3_x1, "3"}, {Field::part4_program3_y1, "4"}, {Field::part4_program3_x2, "2"},
      {Field::part4_program3_y2, "-3"}},
     [](CPU& c) { highContrast(c); c.setGridlines(true); c.setPart4Program3Item("5"); }},
    {"contrast-working", "English", screenName(Screen::part1),
     {{Field::part1_program5and6_n1, "12"}, {Field::part1_program5and6_n2, "18"}},
     [](CPU& c) {
         highContrast(c);
         c.setPart1Item("calculate5");
         solveThenW(c, "part1_program5");
         c.setWorkingSave(CPU::WorkingSave::saved);
     }},
    {"contrast-practice", "English", screenName(Screen::part1), {}, [](CPU& c) { highContrast(c); practiseGcd(c); }},
    // At 200%: the same places, text drawn at twice the size.
    {"size200-start", "English", screenName(Screen::start_screen), {}, nothing, false, 200},
    {"size200-part2", "Polish", screenName(Screen::part2),
     {{Field::part2_program1_n1a, "1"}, {Field::part2_program1_n1b, "2"}, {Field::part2_program1_n2a, "3"},
      {Field::part2_program1_n2b, "4"}},
     [](CPU& c) { c.setPart2Item("calculate1"); c.setSolveThisProgram("part2_program1"); }, false, 200},
    {"size200-working", "English", screenName(Screen::part1),
     {{Field::part1_program5and6_n1, "12"}, {Field::part1_program5and6_n2, "18"}},
     [](CPU& c) { c.setPart1Item("calculate5"); solveThenW(c, "part1_program5"); }, false, 200},
    {"size200-vectors-contrast", "English", screenName(Screen::part4_program3),
     {{Field::part4_program3_x1, "3"}, {Field::part4_program3_y1, "4"}, {Field::part4_program3_x2, "2"},
      {Field::part4_program3_y2, "-3"}},
     [](CPU& c) { highContrast(c); c.setGridlines(true); c.setPart4Program3Item("2"); }, false, 200},
    {"start-fullscreen", "English", screenName(Screen::start_screen), {}, [](CPU& c) { c.setFullscreen(true); }, true},
    {"lines-fullscreen", "English", screenName(Screen::part4_program1),
     {{Field::part4_program1_a1, "1"}, {Field::part4_program1_b1, "2"}},
     [](CPU& c) { c.setFullscreen(true); c.setGridlines(true); }, true},
};

void PrintTo(const Shot& shot, std::ostream* out) { *out << shot.name; }

// The state of the shot, drawn as the frame loop draws: a frame that runs a
// solve request shows its answer from the next frame on, so that one is drawn too.
SDL_Surface* drawShot(const Shot& shot, CPU& cpu) {
    SDLGraphics& g = graphics();  // a new window loads English: the shot's language comes after
    useLanguage(shot.language);
    cpu.setCurrentMenu(shot.screen);
    for (const Typed& t : shot.typed) {
        cpu.clearField(t.field);
        cpu.setField(t.field, t.text);
    }
    shot.prepare(cpu);
    if (shot.fullscreen || shot.size != 100) g.setDisplay(shot.fullscreen, shot.size);
    DifferentScreens screens;
    g_cpu = &cpu;
    g_graphics = &g;
    g_different_screens = &screens;
    const std::set<std::string> unknownColors = g.unknownColorNames();
    for (int frame = 0; frame < 2; ++frame) {
        applyLook(cpu, g);
        g.beginScene();
        drawCurrentScreen();
    }
    EXPECT_EQ(g.unknownColorNames(), unknownColors) << "a text names no colour of the palette";
    g_cpu = nullptr;
    g_graphics = nullptr;
    g_different_screens = nullptr;
    return g.getScreen();
}

// Both pictures in one 32-bit format, so pixels compare as numbers.
SDL_Surface* asRgb(SDL_Surface* s) {
    SDL_PixelFormat format{};
    format.BitsPerPixel = 32;
    format.BytesPerPixel = 4;
    format.Rmask = 0xff0000;
    format.Gmask = 0x00ff00;
    format.Bmask = 0x0000ff;
    format.Rshift = 16;
    format.Gshift = 8;
    format.Bshift = 0;
    return SDL_ConvertSurface(s, &format, SDL_SWSURFACE);
}

Uint32 at(SDL_Surface* s, int x, int y) {
    return static_cast<const Uint32*>(s->pixels)[y * (s->pitch / 4) + x] & 0xffffff;
}

// Changed pixels red, the rest a faded copy of the reference.
SDL_Surface* differenceOf(SDL_Surface* actual, SDL_Surface* expected) {
    SDL_Surface* d = asRgb(actual);
    for (int y = 0; y < d->h; ++y)
        for (int x = 0; x < d->w; ++x) {
            const Uint32 e = at(expected, x, y);
            Uint32& p = static_cast<Uint32*>(d->pixels)[y * (d->pitch / 4) + x];
            p = at(actual, x, y) != e ? 0xff0000 : (e >> 2 & 0x3f3f3f) + 0xbfbfbf;
        }
    return d;
}

// How many pixels differ, or -1 when the sizes differ.
long differingPixels(SDL_Surface* actual, SDL_Surface* expected) {
    if (actual->w != expected->w || actual->h != expected->h) return -1;
    long count = 0;
    for (int y = 0; y < actual->h; ++y)
        for (int x = 0; x < actual->w; ++x) count += at(actual, x, y) != at(expected, x, y);
    return count;
}

void keep(SDL_Surface* s, const std::string& folder, const std::string& file) {
    std::filesystem::create_directories(folder);
    SDL_SaveBMP(s, (folder + "/" + file).c_str());
}

}  // namespace

class GoldenFrame : public ::testing::TestWithParam<Shot> {};

TEST_P(GoldenFrame, MatchesReference) {
    const Shot& shot = GetParam();
    const std::string failures = std::filesystem::current_path().string() + "/golden-failures";
    PrivateRunFolder folder(std::string("golden-") + shot.name);  // the prime listing writes results.txt
    CPU cpu;
    SDL_Surface* actual = asRgb(drawShot(shot, cpu));
    if (shot.fullscreen || shot.size != 100) closeGraphics();  // the next test starts at the start-up size again
    ASSERT_NE(actual, nullptr);

    if (const char* out = std::getenv("CALCORA_GOLDEN_OUT")) {  // redrawing the references on purpose
        keep(actual, out, std::string(shot.name) + ".bmp");
        SDL_FreeSurface(actual);
        return;
    }
    const std::string reference = std::string(CALCORA_GOLDEN_DIR) + "/" + shot.name + ".png";
    SDL_Surface* loaded = IMG_Load(reference.c_str());
    ASSERT_NE(loaded, nullptr) << "no reference " << reference << " (tools/make_golden.sh draws it)";
    SDL_Surface* expected = asRgb(loaded);
    SDL_FreeSurface(loaded);

    const long differing = differingPixels(actual, expected);
    if (differing != 0) {
        keep(actual, failures, std::string(shot.name) + "-actual.bmp");
        if (differing > 0) {
            SDL_Surface* difference = differenceOf(actual, expected);
            keep(difference, failures, std::string(shot.name) + "-difference.bmp");
            SDL_FreeSurface(difference);
        }
        ADD_FAILURE() << shot.name << ": " << differing << " pixels differ from " << reference
                      << " (-1: another size); the actual frame and the difference are in " << failures;
    }
    SDL_FreeSurface(expected);
    SDL_FreeSurface(actual);
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, GoldenFrame, ::testing::ValuesIn(SHOTS),
                         [](const ::testing::TestParamInfo<Shot>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });
