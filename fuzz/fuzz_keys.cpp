// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the key dispatcher: each input byte is one key press, handled by
// Input2 on a fresh store and followed by what the next frame does without
// drawing (display-mode flag taken, the chapter screen's solve step run).
// After every key the store must still describe a screen the program has.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "input/Input2.h"
#include "input/KeyTables.h"
#include "app/ItemFields.h"
#include "app/OutputToTextFile.h"
#include "screens/ExerciseScreen.h"
#include "screens/WorkingScreen.h"

using fuzzsupport::require;

namespace {

// Bytes that name a key, so seeds read as text: "e" Enter, "x" Escape,
// "k" Delete, "u" "d" "l" "r" arrows, "w" W, "p" "n" Page Up and Down,
// "h" "t" Home and End; "P" "H" "S" "Y" "T" "N" those letters; digits, " ",
// ".", ",", "-", "[", "]", "/", "*", "+", "^", "<", "=" and ">" stand for their
// own keys.
struct NamedKey {
    char name;
    SDLKey key;
};

const NamedKey NAMED_KEYS[] = {
    {'u', SDLK_UP}, {'d', SDLK_DOWN}, {'l', SDLK_LEFT}, {'r', SDLK_RIGHT}, {'e', SDLK_RETURN},
    {'x', SDLK_ESCAPE}, {'k', SDLK_DELETE}, {' ', SDLK_SPACE}, {'0', SDLK_0}, {'1', SDLK_1},
    {'2', SDLK_2}, {'3', SDLK_3}, {'4', SDLK_4}, {'5', SDLK_5}, {'6', SDLK_6}, {'7', SDLK_7},
    {'8', SDLK_8}, {'9', SDLK_9}, {'.', SDLK_PERIOD}, {',', SDLK_COMMA}, {'-', SDLK_MINUS},
    {'[', SDLK_LEFTBRACKET}, {']', SDLK_RIGHTBRACKET}, {'w', SDLK_w}, {'p', SDLK_PAGEUP},
    {'n', SDLK_PAGEDOWN}, {'h', SDLK_HOME}, {'t', SDLK_END}, {'P', SDLK_p}, {'H', SDLK_h},
    {'S', SDLK_s}, {'Y', SDLK_y}, {'T', SDLK_t}, {'N', SDLK_n}, {'/', SDLK_SLASH}, {'*', SDLK_ASTERISK},
    {'+', SDLK_PLUS}, {'^', SDLK_CARET}, {'<', SDLK_LESS}, {'=', SDLK_EQUALS}, {'>', SDLK_GREATER},
};

// Any other byte picks from every key the dispatcher knows and a few it must ignore.
const SDLKey KEYS[] = {
    SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN, SDLK_ESCAPE, SDLK_DELETE, SDLK_SPACE,
    SDLK_0, SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5, SDLK_6, SDLK_7, SDLK_8, SDLK_9,
    SDLK_PERIOD, SDLK_COMMA, SDLK_MINUS, SDLK_LEFTBRACKET, SDLK_RIGHTBRACKET,
    SDLK_w, SDLK_PAGEUP, SDLK_PAGEDOWN, SDLK_HOME, SDLK_END,
    SDLK_a, SDLK_BACKSPACE, SDLK_TAB, SDLK_KP5, SDLK_F1,
    SDLK_p, SDLK_h, SDLK_s, SDLK_y, SDLK_n, SDLK_SLASH, SDLK_ASTERISK, SDLK_PLUS, SDLK_CARET, SDLK_LESS,
    SDLK_EQUALS, SDLK_GREATER, SDLK_KP_MULTIPLY,
};

SDLKey keyOf(std::uint8_t byte) {
    for (const NamedKey& named : NAMED_KEYS)
        if (byte == static_cast<std::uint8_t>(named.name)) return named.key;
    return KEYS[byte % std::size(KEYS)];
}

// Each field the keyboard reaches and the characters it accepts there.
std::map<Field, std::string> reachableFields() {
    std::map<Field, std::string> fields;
    for (const ScreenKeys& keys : allScreenKeys())
        for (const NavRow& row : keys.moves)
            if (auto f = fieldOfItem(keys.screen, row.item)) fields[*f] = fuzzsupport::acceptedCharacters(keys, row.item);
    return fields;
}

const std::map<Field, std::string>& fieldCharacters() {
    static const std::map<Field, std::string> fields = reachableFields();
    return fields;
}

// What the frame after a key does besides drawing.
void nextFrame(CPU& cpu) {
    cpu.setGameIsRunning(true);  // "Exit" ends nothing here: the sequence goes on
    cpu.setChangedDisplayMode(false);
    static OutputToTextFile results;
    const std::optional<Screen> screen = screenNamed(cpu.getCurrentMenu());
    if (screen && chapterOn(*screen)) runSolveStep(cpu, *screen, results);
    if (screen == Screen::working) {
        makeWorkingText(cpu);
        saveWorkingIfAsked(cpu);
        require(!cpu.getWorkingText().lines.empty(), "the working screen shows no working of", cpu.getWorkingExercise());
    }
}

bool isItemOf(const ScreenKeys& keys, const std::string& item) {
    for (const NavRow& row : keys.moves)
        if (item == row.item) return true;
    return false;
}

void checkScreenAndHighlights(const CPU& cpu) {
    require(screenNamed(cpu.getCurrentMenu()).has_value(), "no such screen:", cpu.getCurrentMenu());
    for (const ScreenKeys& keys : allScreenKeys()) {
        if (!keys.get_item) continue;
        const std::string item = (cpu.*keys.get_item)();
        require(isItemOf(keys, item), (std::string(screenName(keys.screen)) + " highlights no item:").c_str(), item);
    }
}

void checkFields(const CPU& cpu) {
    for (int i = 0; i < FIELD_COUNT; ++i) {
        const Field f = static_cast<Field>(i);
        const std::string value = cpu.getField(f);
        require(value.size() <= FIELD_MAX_LENGTH, "field too long:", value);
        auto accepted = fieldCharacters().find(f);
        if (accepted == fieldCharacters().end()) {
            require(value.empty(), "a field no key reaches holds", value);
            continue;
        }
        require(value.find_first_not_of(accepted->second) == std::string::npos,
                (std::string(fieldName(f)) + " holds a character it refuses:").c_str(), value);
    }
}

// The answer fields hold only what they take, never more than they hold.
void checkPractice(const CPU& cpu) {
    const CPU::PracticeShown shown = cpu.getPractice();
    require(shown.typed.size() == shown.fields.size(), "answer fields and their texts differ in number", shown.statement);
    for (std::size_t i = 0; i < shown.fields.size(); ++i) {
        require(shown.typed[i].size() <= shown.fields[i].longest, "answer too long:", shown.typed[i]);
        require(shown.typed[i].find_first_not_of(shown.fields[i].accepts) == std::string::npos,
                "an answer field holds a character it refuses:", shown.typed[i]);
    }
}

void checkStore(const CPU& cpu) {
    checkScreenAndHighlights(cpu);
    checkFields(cpu);
    checkPractice(cpu);
    const std::string request = cpu.getSolveThisProgram();
    require(request.empty() || request == "solved", "request left pending:", request);
    require(!cpu.getWorkingSaveRequested(), "save of working.txt left pending", cpu.getWorkingExercise());
    require(language == "English" || language == "Polish", "unknown language", language);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setUpLanguage();
    fieldCharacters();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (language != "English") switchLanguage();  // Space switched it in an earlier input
    CPU cpu;
    Input2 input;
    for (std::size_t i = 0; i < size; ++i) {
        input.readInputForPressingAKey(keyOf(data[i]), &cpu, nullptr);
        nextFrame(cpu);
        checkStore(cpu);
    }
    return 0;
}
