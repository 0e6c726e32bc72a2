// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReading.h"

#include <algorithm>
#include <optional>

#include "ExerciseScreen.h"
#include "MenuScreens.h"
#include "PlotPanel.h"
#include "PracticeScreen.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "gfx/Layout.h"
#include "input/KeyTables.h"

namespace {

using L = Language;

// The words a voice says in the language shown.
const Language& said() { return spokenTexts(); }

std::string joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!all.empty()) all += ' ';
        all += part;
    }
    return all;
}

bool isEmpty(const Rect& r) { return r.x2 <= r.x1 || r.y2 <= r.y1; }

// The smallest box holding both.
Rect around(const Rect& a, const Rect& b) {
    if (isEmpty(a)) return b;
    if (isEmpty(b)) return a;
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

// A text row's box, its width guessed from its length: a letter is about half its size wide.
Rect rowBox(int x, int y, const std::string& text, int size) {
    return {x, y, x + int(text.size()) * size / 2, y + size + 4};
}

// A menu as drawn: the rows at the highlighted item's marker are the item,
// the rows beside no marker the screen's fixed lines; the whole column is
// where the eye reads it.
void readMenu(const MenuLayout& menu, const std::string& item, ScreenReading& r) {
    for (const MenuRow& row : menu.rows) {
        const auto marker = std::find_if(menu.markers.begin(), menu.markers.end(),
                                         [&](const MenuMarker& m) { return m.y == row.y; });
        const Rect box = rowBox(row.x, row.y, row.text, row.size);
        r.where = around(r.where, box);
        if (marker == menu.markers.end()) {
            if (row.continues && !r.title.empty()) r.title.back() += " " + row.text;
            else if (!row.text.empty()) r.title.push_back(row.text);
        } else if (item == marker->item) {
            r.item = joined({r.item, row.text});
            r.spot = around(r.spot, around({marker->x, marker->y, marker->x + 1, marker->y + 1}, box));
        }
    }
}

// Options, and while a name is typed there the name row as the hint says
// it (the hint is no fixed line) with the name typed so far as its value.
void readOptions(const CPU& cpu, const std::string& item, ScreenReading& r) {
    readMenu(optionsMenu(cpu, said()), item, r);
    if (!cpu.getNameTyping()) return;
    const std::string& hint = said().options_name_typing;
    r.title.erase(std::remove(r.title.begin(), r.title.end(), hint), r.title.end());
    r.item = hint;
    r.value = cpu.getTypedName();
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
    return joined({heading ? said().*heading->text : "", label ? said().*label->text : ""});
}

std::string exerciseHeading(const ExerciseLayout& exercise) {
    std::vector<std::string> titles;
    for (const CellText& t : exercise.texts)
        if (std::string(t.color) == "title") titles.push_back(said().*t.text);
    return joined(titles);
}

// The cell holding a box, with the answer panel above it: where the pupil
// types, and reads the answer.
Rect cellOf(const ChapterLayout& layout, const ItemBox& box) {
    for (const Rect& cell : layout.cells)
        if (box.x >= cell.x1 && box.x < cell.x2 && box.y >= cell.y1 && box.y < cell.y2)
            return {cell.x1, SOLUTION_PANEL.y1, cell.x2, cell.y2};
    return box.rect();
}

void readChapterItem(const ChapterLayout& layout, const std::string& item, ScreenReading& r) {
    if (item == "back") {
        r.item = said()._back;
        r.spot = r.where = rowBox(BACK_MARKER_X, layout.hint_y, "  " + r.item, 20);
        return;
    }
    for (const ExerciseLayout& exercise : layout.exercises)
        for (const auto* boxes : {&exercise.buttons, &exercise.fields})
            for (const ItemBox& box : *boxes)
                if (item == box.item) {
                    r.group = exerciseHeading(exercise);
                    r.item = boxLabel(exercise, box);
                    r.spot = box.rect();
                    r.where = cellOf(layout, box);
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
            r.title.push_back(said().*row.label);
        } else if (!row.item) {
            heading = said().*row.label;
        } else if (item == row.item) {
            r.group = heading;
            r.item = said().*row.label;
            r.where = PLOT_PANEL_COLUMN;
            r.spot = around(rowBox(row.x, row.y, r.item, row.size), {layout::MARKER_X, row.row, row.x + 1, row.row + 20});
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
    if (cpu.getWorkingSave() == CPU::WorkingSave::saved) r.messages.push_back(said().working_saved);
    if (cpu.getWorkingSave() == CPU::WorkingSave::failed) r.messages.push_back(said().working_save_failed);
}

// What a field takes: "takes digits / - ." (the digits said as one word).
std::string takes(const std::string& accepts) {
    std::vector<std::string> kinds;
    if (accepts.find_first_of("0123456789") != std::string::npos) kinds.push_back(said().practice_field_digits);
    for (char c : accepts)
        if (c < '0' || c > '9') kinds.push_back(std::string(1, c));
    std::string text = said().practice_field_takes;
    const std::size_t mark = text.find("{1}");
    return mark == std::string::npos ? text : text.replace(mark, 3, joined(kinds));
}

// The exercise, level and problem (read again whenever a new one is shown),
// the highlighted answer field, what it takes and its text, the verdict, and
// the hint taken last.
void readPractice(const CPU& cpu, const std::string&, ScreenReading& r) {
    const CPU::PracticeShown shown = cpu.getPractice();
    if (shown.fields.empty()) return;
    r.title = {practicePageHeading(cpu, shown), shown.statement};
    const practice::AnswerField& field = shown.fields[shown.field];
    r.item = joined({field.label, takes(field.accepts)});
    r.value = shown.typed[shown.field];
    r.messages = practiceMessages(shown);
    for (const std::string& message : classMessages(cpu)) r.messages.push_back(message);
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

// A chapter's screen: its title (the start screen's line naming it), the
// highlighted box's exercise and label, and the answer panel.
void readChapter(const ChapterLayout& layout, std::string L::*title, const CPU& cpu, const std::string& item,
                 ScreenReading& r) {
    r.title = {said().*title};
    readChapterItem(layout, item, r);
    readAnswer(cpu, r);
}

// How each screen is read, given its highlighted item.
using Reader = void (*)(const CPU& cpu, const std::string& item, ScreenReading& r);
const Reader READERS[] = {
    /* start_screen */ [](const CPU& c, const std::string& i, ScreenReading& r) { readMenu(startMenu(c, said()), i, r); },
    /* part1 */
    [](const CPU& c, const std::string& i, ScreenReading& r) { readChapter(chapter1Layout(), &L::start_screen_line1, c, i, r); },
    /* part2 */
    [](const CPU& c, const std::string& i, ScreenReading& r) { readChapter(chapter2Layout(), &L::start_screen_line2, c, i, r); },
    /* part3 */
    [](const CPU& c, const std::string& i, ScreenReading& r) { readChapter(chapter3Layout(), &L::start_screen_line3, c, i, r); },
    /* part4 */ [](const CPU& c, const std::string& i, ScreenReading& r) { readMenu(chapter4Menu(c, said()), i, r); },
    /* part4_program1 */ [](const CPU&, const std::string& i, ScreenReading& r) { readPlotPanel(straightLinesPanel(), i, r); },
    /* part4_program2 */ [](const CPU&, const std::string& i, ScreenReading& r) { readPlotPanel(twoPointsPanel(), i, r); },
    /* part4_program3 */ [](const CPU&, const std::string& i, ScreenReading& r) { readPlotPanel(vectorsPanel(), i, r); },
    /* options_menu */ readOptions,
    /* about_menu */ [](const CPU&, const std::string& i, ScreenReading& r) { readMenu(aboutMenu(said()), i, r); },
    /* working */ [](const CPU& c, const std::string&, ScreenReading& r) { readWorking(c, r); },
    /* practice */ readPractice,
};
static_assert(sizeof(READERS) / sizeof(READERS[0]) == SCREEN_COUNT, "one reading per screen");

// Every text of a reading as a voice says it.
void speakable(ScreenReading& r) {
    for (std::string* text : {&r.group, &r.item}) *text = spokenText(*text);
    for (auto* texts : {&r.title, &r.answer, &r.messages, &r.page})
        for (std::string& text : *texts) text = spokenText(text);
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
    const auto getItem = screenKeysFor(*screen).get_item;
    const std::string item = getItem ? (cpu.*getItem)() : "";
    READERS[static_cast<int>(*screen)](cpu, item, r);
    if (const std::optional<Field> field = fieldOfItem(*screen, item)) r.value = cpu.getField(*field);
    speakable(r);
    return r;
}

std::vector<std::string> newlyRead(const ScreenReading& before, const ScreenReading& now) {
    std::vector<std::string> said;
    const bool newScreen = before.screen != now.screen || before.language != now.language;
    const bool newTitle = newScreen || before.title != now.title;  // a new practice problem
    const bool newGroup = newTitle || before.group != now.group;
    const bool newItem = newGroup || before.item != now.item;
    if (newTitle) add(said, now.title);
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
