// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReading.h"

#include <algorithm>
#include <optional>

#include "ExerciseScreen.h"
#include "PlotPanel.h"
#include "PracticeScreen.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "gfx/Layout.h"

namespace {

using L = Language;
using Texts = std::vector<std::string L::*>;

std::string joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!all.empty()) all += ' ';
        all += part;
    }
    return all;
}

std::vector<std::string> read(const Texts& texts) {
    std::vector<std::string> lines;
    for (auto text : texts)
        if (!(lang_file->*text).empty()) lines.push_back(lang_file->*text);
    return lines;
}

// The rows of a menu-like screen, by item ("1" is the first).
struct MenuItem {
    Screen screen;
    const char* item;
    Texts texts;
};

const std::vector<MenuItem>& menuItems() {
    static const std::vector<MenuItem> items{
        {Screen::start_screen, "1", {&L::start_screen_line1}},
        {Screen::start_screen, "2", {&L::start_screen_line2}},
        {Screen::start_screen, "3", {&L::start_screen_line3}},
        {Screen::start_screen, "4", {&L::start_screen_line4}},
        {Screen::start_screen, "5", {&L::start_screen_line5}},
        {Screen::start_screen, "6", {&L::start_screen_line6}},
        {Screen::start_screen, "7", {&L::start_screen_line7}},
        {Screen::start_screen, "8", {&L::start_screen_language1, &L::start_screen_language2}},
        {Screen::options_menu, "1", {&L::options_line2}},
        {Screen::options_menu, "2", {&L::options_line3}},
        {Screen::options_menu, "3", {&L::options_size}},
        {Screen::options_menu, "4", {&L::options_high_contrast}},
        {Screen::options_menu, "5", {&L::options_line4}},
        {Screen::part4, "1", {&L::part4_line2}},
        {Screen::part4, "2", {&L::part4_line3}},
        {Screen::part4, "3", {&L::part4_line4}},
        {Screen::part4, "4", {&L::part4_line5}},
    };
    return items;
}

// The title and fixed lines of the screens that are not read from a layout.
Texts titleTexts(Screen screen) {
    switch (screen) {
    case Screen::part1: return {&L::start_screen_line1};
    case Screen::part2: return {&L::start_screen_line2};
    case Screen::part3: return {&L::start_screen_line3};
    case Screen::part4: return {&L::part4_line1};
    case Screen::options_menu:
        return {&L::options_line1, &L::options_controls, &L::options_key1, &L::options_key2,
                &L::options_key3, &L::options_key4, &L::options_key5};
    case Screen::about_menu:
        return {&L::about_line1, &L::about_line2, &L::about_line3, &L::about_line4,
                &L::about_line5, &L::about_line6, &L::about_line7};
    default: return {};
    }
}

// An Options row reads as drawn: its label and the setting's state.
std::string optionState(const CPU& cpu, const std::string& item) {
    if (item == "1") return cpu.getFullscreen() ? lang_file->options_fullscreen_on : lang_file->options_fullscreen_off;
    if (item == "2") return cpu.getGridlines() ? lang_file->options_gridlines_on : lang_file->options_gridlines_off;
    if (item == "3") return std::to_string(cpu.getSizePercent()) + "%";
    if (item == "4")
        return cpu.getHighContrast() ? lang_file->options_high_contrast_on : lang_file->options_high_contrast_off;
    return "";
}

const ChapterLayout* chapterLayout(Screen screen) {
    switch (screen) {
    case Screen::part1: return &chapter1Layout();
    case Screen::part2: return &chapter2Layout();
    case Screen::part3: return &chapter3Layout();
    default: return nullptr;
    }
}

const PlotPanel* plotPanel(Screen screen) {
    switch (screen) {
    case Screen::part4_program1: return &straightLinesPanel();
    case Screen::part4_program2: return &twoPointsPanel();
    case Screen::part4_program3: return &vectorsPanel();
    default: return nullptr;
    }
}

// A box's label as the eye finds it: the text on its row that ends nearest
// its right edge without lying beyond it (a button's own word, or the label
// to the left of a field), after the column heading straight above it, if any.
std::string boxLabel(const ExerciseLayout& exercise, const ItemBox& box) {
    const CellText* label = nullptr;
    const CellText* heading = nullptr;
    for (const CellText& t : exercise.texts) {
        if (t.y == box.y && t.x <= box.x + box.width && (!label || t.x > label->x)) label = &t;
        if (t.x == box.x && t.y < box.y && (!heading || t.y > heading->y)) heading = &t;
    }
    return joined({heading ? lang_file->*heading->text : "", label ? lang_file->*label->text : ""});
}

std::string exerciseHeading(const ExerciseLayout& exercise) {
    std::vector<std::string> titles;
    for (const CellText& t : exercise.texts)
        if (std::string(t.color) == "title") titles.push_back(lang_file->*t.text);
    return joined(titles);
}

void readChapterItem(const ChapterLayout& layout, const std::string& item, ScreenReading& r) {
    if (item == "back") {
        r.item = lang_file->_back;
        return;
    }
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const auto* boxes : {&exercise.buttons, &exercise.fields})
            for (const ItemBox& box : *boxes)
                if (item == box.item) {
                    r.group = exerciseHeading(exercise);
                    r.item = boxLabel(exercise, box);
                    return;
                }
}

// A plot panel: its title rows, then groups of item rows, each under the
// heading row directly above them (rows follow each other 30 pixels apart).
void readPlotPanel(const PlotPanel& panel, const std::string& item, ScreenReading& r) {
    const int titleSize = panel.rows.front().size;
    std::string heading;
    int lastY = 0;
    for (const PanelRow& row : panel.rows) {
        if (row.y - lastY > 30) heading.clear();
        lastY = row.y;
        if (!row.item && row.size == titleSize) {
            r.title.push_back(lang_file->*row.label);
        } else if (!row.item) {
            heading = lang_file->*row.label;
        } else if (item == row.item) {
            r.group = heading;
            r.item = lang_file->*row.label;
        }
    }
}

// The working's title and its lines from the first one shown (a line the
// page wraps counts as one).
void readWorking(const CPU& cpu, ScreenReading& r) {
    const std::vector<std::string> lines = cpu.getWorkingText().lines;
    if (lines.empty()) return;
    r.page.push_back(lines.front());
    const int first = 1 + std::clamp(cpu.getWorkingScroll(), 0, int(lines.size()) - 1);
    for (int i = first; i < int(lines.size()) && i < first + layout::WORKING_PAGE_LINES; ++i) r.page.push_back(lines[i]);
    if (cpu.getWorkingSave() == CPU::WorkingSave::saved) r.messages.push_back(lang_file->working_saved);
    if (cpu.getWorkingSave() == CPU::WorkingSave::failed) r.messages.push_back(lang_file->working_save_failed);
}

// The exercise, level and problem, the highlighted answer field and its
// text, the verdict, and the hint taken last.
void readPractice(const CPU& cpu, ScreenReading& r) {
    const CPU::PracticeShown shown = cpu.getPractice();
    if (shown.fields.empty()) return;
    r.title = {practiceHeading(shown), shown.statement};
    r.item = shown.fields[shown.field].label;
    r.value = shown.typed[shown.field];
    r.messages = practiceMessages(shown);
    if (cpu.getPracticeRowsWaiting()) r.messages.push_back(lang_file->practice_rows_waiting);
    r.page = shown.hint_lines;
}

void readAnswer(const CPU& cpu, ScreenReading& r) {
    for (int line = 0; line <= 5; ++line) {
        const std::string text = line == 0 ? cpu.getSolution() : cpu.getSolutionLine(line);
        if (!text.empty()) r.answer.push_back(text);
    }
    if (cpu.getResultsNotSaved()) r.messages.push_back(resultsMessage(cpu));
}

std::string highlight(const CPU& cpu, Screen screen) {
    switch (screen) {
    case Screen::start_screen: return cpu.getMenuItem();
    case Screen::options_menu: return cpu.getOptionsItem();
    case Screen::part1: return cpu.getPart1Item();
    case Screen::part2: return cpu.getPart2Item();
    case Screen::part3: return cpu.getPart3Item();
    case Screen::part4: return cpu.getPart4Item();
    case Screen::part4_program1: return cpu.getPart4Program1Item();
    case Screen::part4_program2: return cpu.getPart4Program2Item();
    case Screen::part4_program3: return cpu.getPart4Program3Item();
    default: return "";
    }
}

void add(std::vector<std::string>& said, const std::string& text) {
    if (!text.empty()) said.push_back(text);
}

void add(std::vector<std::string>& said, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) add(said, text);
}

}  // namespace

ScreenReading readScreen(const CPU& cpu) {
    ScreenReading r;
    r.screen = cpu.getCurrentMenu();
    r.language = language;
    const std::optional<Screen> screen = screenNamed(r.screen);
    if (!screen || !lang_file) return r;
    r.title = read(titleTexts(*screen));
    const std::string item = highlight(cpu, *screen);
    for (const MenuItem& m : menuItems())
        if (m.screen == *screen && item == m.item) r.item = joined({joined(read(m.texts)), optionState(cpu, item)});
    if (const ChapterLayout* layout = chapterLayout(*screen)) {
        readChapterItem(*layout, item, r);
        readAnswer(cpu, r);
    }
    if (const PlotPanel* panel = plotPanel(*screen)) readPlotPanel(*panel, item, r);
    if (const std::optional<Field> field = fieldOfItem(*screen, item)) r.value = cpu.getField(*field);
    if (*screen == Screen::working) readWorking(cpu, r);
    if (*screen == Screen::practice) readPractice(cpu, r);
    return r;
}

std::vector<std::string> newlyRead(const ScreenReading& before, const ScreenReading& now) {
    std::vector<std::string> said;
    const bool newScreen = before.screen != now.screen || before.language != now.language;
    const bool newGroup = newScreen || before.group != now.group;
    const bool newItem = newGroup || before.item != now.item;
    if (newScreen) add(said, now.title);
    if (newGroup) add(said, now.group);
    if (newItem) add(said, {now.item, now.value});
    else if (before.value != now.value) add(said, now.value.empty() ? now.item : now.value);
    if (!newScreen && before.answer != now.answer) add(said, now.answer);
    for (const std::string& message : now.messages)
        if (newScreen || std::find(before.messages.begin(), before.messages.end(), message) == before.messages.end())
            add(said, message);
    if (newScreen || before.page != now.page) add(said, now.page);
    return said;
}
