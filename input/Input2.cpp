// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Input2.h"

#include <algorithm>
#include <cstring>

#include "KeyTables.h"
#include "PracticeActions.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "gfx/Layout.h"
#include "practice/ClassFile.h"

namespace {

// One key press: the store, the shown screen's keys (null on a screen the
// program does not have), the value the key's binding carries and the
// character the key types (0: none).
struct Press {
    CPU& cpu;
    const ScreenKeys* keys;
    int value;
    char32_t character;
};

std::string highlightOf(const ScreenKeys& keys, const CPU& cpu) {
    return keys.get_item ? (cpu.*keys.get_item)() : std::string();
}

void moveHighlight(const Press& p, const char* NavRow::*direction) {
    if (!p.keys) return;
    const std::string item = highlightOf(*p.keys, p.cpu);
    for (const NavRow& row : p.keys->moves)
        if (item == row.item) {
            if (const char* to = row.*direction) (p.cpu.*p.keys->set_item)(to);
            return;
        }
}

void enter(const Press& p) {
    if (!p.keys) return;
    CPU& cpu = p.cpu;
    const std::string item = highlightOf(*p.keys, cpu);
    for (const EnterRow& row : p.keys->enter) {
        if (row.item && item != row.item) continue;
        switch (row.action) {
        case EnterAction::go_to: cpu.setCurrentMenu(screenName(row.screen)); break;
        case EnterAction::solve: cpu.setSolveThisProgram(row.request); break;
        case EnterAction::exit: cpu.setGameIsRunning(false); break;
        case EnterAction::switch_language: switchLanguage(); break;
        case EnterAction::toggle_fullscreen:
            cpu.setChangedDisplayMode(true);
            cpu.setFullscreen(!cpu.getFullscreen());
            break;
        case EnterAction::toggle_gridlines: cpu.setGridlines(!cpu.getGridlines()); break;
        case EnterAction::next_size:
            cpu.chooseSize(layout::nextSize(cpu.getSizePercent(), cpu.getLargestSizePercent()));
            break;
        case EnterAction::toggle_high_contrast: cpu.setHighContrast(!cpu.getHighContrast()); break;
        case EnterAction::toggle_speech:
            cpu.setSpeech(!cpu.getSpeech());
            cpu.setSpeechUnavailable(false);  // switched on again, the service is asked again
            break;
        case EnterAction::type_name:  // from the name chosen so far; the account's is not typed over
            cpu.setNameTyping(true);
            cpu.setTypedName(cpu.getPupilName());
            break;
        }
        return;
    }
}

void back(const Press& p) {
    if (p.keys && p.keys->escape_to) p.cpu.setCurrentMenu(screenName(*p.keys->escape_to));
}

std::optional<Field> highlightedField(const Press& p) {
    return p.keys ? fieldOfItem(p.keys->screen, highlightOf(*p.keys, p.cpu)) : std::nullopt;
}

void clearField(const Press& p) {
    if (auto field = highlightedField(p)) p.cpu.clearField(*field);
}

bool accepts(const ScreenKeys& keys, const std::string& item, char c) {
    for (const TypingRule& rule : keys.typing)
        if (!rule.item || item == rule.item) return std::strchr(rule.characters, c) != nullptr;
    return false;
}

void type(const Press& p) {
    const char c = char(p.value);
    if (auto field = highlightedField(p))
        if (accepts(*p.keys, highlightOf(*p.keys, p.cpu), c)) p.cpu.setField(*field, std::string(1, c));
}

// The working of the answer in a chapter screen's panel, or of a plot
// screen's values as they are now; the screen makes its text.
void openWorking(const Press& p) {
    if (!p.keys || !workingOffered(p.cpu, p.keys->screen)) return;
    CPU& cpu = p.cpu;
    const std::vector<Field> plot = plotFields(p.keys->screen);
    if (!plot.empty()) cpu.setWorkingExercise(screenName(p.keys->screen), fieldTexts(cpu, plot));
    else cpu.setWorkingExercise(cpu.getLastSolved(), cpu.getLastSolvedInputs());
    cpu.setWorkingText({});
    cpu.setWorkingScroll(0);
    cpu.setWorkingSave(CPU::WorkingSave::none);
    cpu.setWorkingSaveRequested(false);
    cpu.setWorkingReturnTo(screenName(p.keys->screen));
    cpu.setCurrentMenu(screenName(Screen::working));
}

void scrollWorking(const Press& p) {
    const long wanted = long(p.cpu.getWorkingScroll()) + p.value;
    const int last = layout::lastWorkingScroll(p.cpu.getWorkingText().rows);
    p.cpu.setWorkingScroll(int(std::clamp<long>(wanted, 0, last)));
}

void closeWorking(const Press& p) {
    p.cpu.setWorkingSave(CPU::WorkingSave::none);
    p.cpu.setCurrentMenu(p.cpu.getWorkingReturnTo());
}

// Enter keeps the typed name (the settings save it), Escape leaves the
// chosen one as it was.
void endNameTyping(CPU& cpu, bool keep) {
    if (keep) cpu.setPupilName(practice::keptName(cpu.getTypedName()));
    cpu.setNameTyping(false);
    cpu.setTypedName("");
}

using Action = void (*)(const Press&);

// What each action of the key list does, in the order of `KeyAction`.
const Action ACTIONS[] = {
    /* move_up */ [](const Press& p) { moveHighlight(p, &NavRow::up); },
    /* move_down */ [](const Press& p) { moveHighlight(p, &NavRow::down); },
    /* move_left */ [](const Press& p) { moveHighlight(p, &NavRow::left); },
    /* move_right */ [](const Press& p) { moveHighlight(p, &NavRow::right); },
    /* enter */ enter,
    /* back */ back,
    /* clear_field */ clearField,
    /* type */ type,
    /* switch_language */ [](const Press&) { switchLanguage(); },
    /* open_working */ openWorking,
    /* scroll_working */ scrollWorking,
    /* close_working */ closeWorking,
    /* save_working */ [](const Press& p) { p.cpu.setWorkingSaveRequested(true); },
    /* open_practice */ [](const Press& p) { if (p.keys) openPractice(p.cpu, p.keys->screen, highlightOf(*p.keys, p.cpu)); },
    /* type_answer */ [](const Press& p) { typeIntoAnswer(p.cpu, char(p.value)); },
    /* clear_answer */ [](const Press& p) { clearAnswer(p.cpu, p.value == 1); },
    /* move_answer_field */ [](const Press& p) { moveToAnswerField(p.cpu, p.value); },
    /* check_answer */ [](const Press& p) { checkOrMoveOn(p.cpu); },
    /* take_hint */ [](const Press& p) { takeHint(p.cpu); },
    /* skip_problem */ [](const Press& p) { skipProblem(p.cpu); },
    /* change_level */ [](const Press& p) { changeLevel(p.cpu, p.value); },
    /* practice_language */ [](const Press& p) { switchLanguage(); showPracticeInLanguage(p.cpu); },
    /* close_practice */ [](const Press& p) { closePractice(p.cpu); },
    /* open_assignment */ [](const Press& p) { if (p.keys) askForAssignment(p.cpu, p.keys->screen); },
    /* type_name_character */
    [](const Press& p) { p.cpu.setTypedName(practice::typeIntoName(p.cpu.getTypedName(), p.character)); },
    /* erase_name_character */
    [](const Press& p) { p.cpu.setTypedName(practice::withoutLastCharacter(p.cpu.getTypedName())); },
    /* keep_name */ [](const Press& p) { endNameTyping(p.cpu, true); },
    /* leave_name */ [](const Press& p) { endNameTyping(p.cpu, false); },
};
static_assert(sizeof(ACTIONS) / sizeof(ACTIONS[0]) == int(KeyAction::count), "one entry per action");

}  // namespace

void Input2::readInputForPressingAKey(SDLKey keyPressed, CPU* cpu, SDLGraphics*, bool shift, char32_t character) {
    const std::optional<Screen> screen = screenNamed(cpu->getCurrentMenu());
    const KeyBinding* binding = keyBinding({keyPressed, shift, character}, screen, cpu->getNameTyping());
    if (!binding) return;
    ACTIONS[int(binding->action)]({*cpu, screen ? &screenKeysFor(*screen) : nullptr, binding->value, character});
}
