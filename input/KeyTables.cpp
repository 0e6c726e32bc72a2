// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyTables.h"

#include <cstring>
#include <iomanip>

#include "app/ItemFields.h"
#include "gfx/Layout.h"

namespace {

const char* const DIGITS = "0123456789";
const char* const SIGNED_DECIMAL = "0123456789.-";
const char* const RECURRING_DECIMAL = "0123456789.[]";

const char* const NUMBERS[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};

// Items "1" to "count"; Up and Down step through them and wrap at both ends.
std::vector<NavRow> ring(int count) {
    std::vector<NavRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({NUMBERS[i], NUMBERS[(i + count - 1) % count], NUMBERS[(i + 1) % count], nullptr, nullptr});
    return rows;
}

// The start screen: "1" to "7" form a ring; Right always goes to the language
// item "8", Left always to "1"; "8" lies outside the ring.
std::vector<NavRow> startScreenMoves() {
    std::vector<NavRow> rows = ring(7);
    for (NavRow& row : rows) {
        row.left = "1";
        row.right = "8";
    }
    rows.push_back({"8", nullptr, nullptr, "1", "8"});
    return rows;
}

const std::vector<NavRow> PART1_MOVES = {
    // item               up                 down               left               right
    {"program1_n",      nullptr,           "calculate1",      nullptr,           "program1_k"},
    {"program1_k",      nullptr,           "calculate1",      "program1_n",      "program2_from"},
    {"program2_from",   nullptr,           "calculate2",      "program1_k",      "program2_to"},
    {"program2_to",     nullptr,           "calculate2",      "program2_from",   nullptr},
    {"calculate1",      "program1_k",      "program3_n",      nullptr,           "calculate2"},
    {"calculate2",      "program2_to",     "program4_n",      "calculate1",      nullptr},
    {"program3_n",      "calculate1",      "calculate3",      nullptr,           "program4_n"},
    {"program4_n",      "calculate2",      "calculate4",      "program3_n",      nullptr},
    {"calculate3",      "program3_n",      "program5and6_n1", nullptr,           "calculate4"},
    {"calculate4",      "program4_n",      "program7_n",      "calculate3",      nullptr},
    {"program5and6_n1", "calculate3",      "program5and6_n2", nullptr,           "program7_n"},
    {"program5and6_n2", "program5and6_n1", "calculate5",      nullptr,           "program7_n"},
    {"program7_n",      "calculate4",      "calculate7",      "program5and6_n1", nullptr},
    {"calculate5",      "program5and6_n2", "back",            nullptr,           "calculate6"},
    {"calculate6",      "program5and6_n2", "back",            "calculate5",      "calculate7"},
    {"calculate7",      "program7_n",      "back",            "calculate6",      nullptr},
    {"back",            "calculate6",      nullptr,           nullptr,           nullptr},
};

// Down on the exercise 5 denominators that are not directly above
// "calculate5" leaves the highlight where it is.
const std::vector<NavRow> PART2_MOVES = {
    // item            up              down            left            right
    {"program1_n1a", nullptr,        "program1_n1b", nullptr,        "program1_n2a"},
    {"program1_n1b", "program1_n1a", "calculate1",   nullptr,        "program1_n2b"},
    {"program1_n2a", nullptr,        "program1_n2b", "program1_n1a", "program2_n_a"},
    {"program1_n2b", "program1_n2a", "calculate1",   "program1_n1b", "program2_n_b"},
    {"program2_n_a", nullptr,        "program2_n_b", "program1_n2a", nullptr},
    {"program2_n_b", "program2_n_a", "calculate2",   "program1_n2b", nullptr},
    {"calculate1",   "program1_n1b", "program3_n1a", nullptr,        "calculate2"},
    {"calculate2",   "program2_n_b", "program4_n1a", "calculate1",   nullptr},
    {"program3_n1a", "calculate1",   "program3_n1b", nullptr,        "program3_n2a"},
    {"program3_n1b", "program3_n1a", "calculate3",   nullptr,        "program3_n2b"},
    {"program3_n2a", "calculate1",   "program3_n2b", "program3_n1a", "program4_n1a"},
    {"program3_n2b", "program3_n2a", "calculate3",   "program3_n1b", "program4_n1b"},
    {"program4_n1a", "calculate2",   "program4_n1b", "program3_n2a", "program4_n2a"},
    {"program4_n1b", "program4_n1a", "calculate4",   "program3_n2b", "program4_n2b"},
    {"program4_n2a", "calculate2",   "program4_n2b", "program4_n1a", nullptr},
    {"program4_n2b", "program4_n2a", "calculate4",   "program4_n1b", nullptr},
    {"calculate3",   "program3_n1b", "program5_n1a", nullptr,        "calculate4"},
    {"calculate4",   "program4_n1b", "program5_n4a", "calculate3",   nullptr},
    {"program5_n1a", "calculate3",   "program5_n1b", nullptr,        "program5_n2a"},
    {"program5_n1b", "program5_n1a", nullptr,        nullptr,        "program5_n2b"},
    {"program5_n2a", "calculate3",   "program5_n2b", "program5_n1a", "program5_n3a"},
    {"program5_n2b", "program5_n2a", nullptr,        "program5_n1b", "program5_n3b"},
    {"program5_n3a", "calculate3",   "program5_n3b", "program5_n2a", "program5_n4a"},
    {"program5_n3b", "program5_n3a", "calculate5",   "program5_n2b", "program5_n4b"},
    {"program5_n4a", "calculate4",   "program5_n4b", "program5_n3a", "program5_n5a"},
    {"program5_n4b", "program5_n4a", nullptr,        "program5_n3b", "program5_n5b"},
    {"program5_n5a", "calculate4",   "program5_n5b", "program5_n4a", "program5_n6a"},
    {"program5_n5b", "program5_n5a", nullptr,        "program5_n4b", "program5_n6b"},
    {"program5_n6a", "calculate4",   "program5_n6b", "program5_n5a", nullptr},
    {"program5_n6b", "program5_n6a", nullptr,        "program5_n5b", nullptr},
    {"calculate5",   "program5_n3b", "back",         nullptr,        nullptr},
    {"back",         "calculate5",   nullptr,        nullptr,        nullptr},
};

const std::vector<NavRow> PART3_MOVES = {
    // item            up              down            left            right
    {"program1_n_a", nullptr,        "program1_n_b", nullptr,        "program2_n"},
    {"program1_n_b", "program1_n_a", "calculate1",   nullptr,        "program2_n"},
    {"program2_n",   nullptr,        "calculate2",   "program1_n_a", nullptr},
    {"calculate1",   "program1_n_b", "program3_n1a", nullptr,        "calculate2"},
    {"calculate2",   "program2_n",   "program4_n_a", "calculate1",   nullptr},
    {"program3_n1a", "calculate1",   "program3_n1b", nullptr,        "program3_n2a"},
    {"program3_n1b", "program3_n1a", "calculate3",   nullptr,        "program3_n2b"},
    {"program3_n2a", "calculate1",   "program3_n2b", "program3_n1a", "program4_n_a"},
    {"program3_n2b", "program3_n2a", "calculate3",   "program3_n1b", "program4_n_b"},
    {"program4_n_a", "calculate2",   "program4_n_b", "program3_n2a", nullptr},
    {"program4_n_b", "program4_n_a", "calculate4",   "program3_n2b", nullptr},
    {"calculate3",   "program3_n1b", "back",         nullptr,        "calculate4"},
    {"calculate4",   "program4_n_b", "back",         "calculate3",   nullptr},
    {"back",         "calculate3",   nullptr,        nullptr,        nullptr},
};

// Enter on "calculate<N>" requests that exercise of the chapter; on "back"
// it returns to the start screen.
std::vector<EnterRow> chapterEnter(Screen screen) {
    const Chapter& chapter = *chapterOn(screen);
    std::vector<EnterRow> rows;
    for (int n = 1; n <= chapter.exercises; ++n) {
        static const char* const BUTTONS[] = {"calculate1", "calculate2", "calculate3", "calculate4",
                                              "calculate5", "calculate6", "calculate7"};
        rows.push_back({BUTTONS[n - 1], EnterAction::solve, screen, requestName(chapter, n)});
    }
    rows.push_back({"back", EnterAction::go_to, Screen::start_screen});
    return rows;
}

ScreenKeys chapterKeys(Screen screen, std::string (CPU::*get)() const, void (CPU::*set)(std::string),
                       std::vector<NavRow> moves, std::vector<TypingRule> typing) {
    return {screen, get, set, Screen::start_screen, std::move(moves), chapterEnter(screen), std::move(typing)};
}

// A plot screen: a ring of its fields' items "1" onward and a last item that
// goes back to the start screen; every field takes signed decimals.
ScreenKeys plotKeys(Screen screen, std::string (CPU::*get)() const, void (CPU::*set)(std::string)) {
    const int items = int(plotFields(screen).size()) + 1;
    return {screen, get, set, Screen::part4, ring(items), {{NUMBERS[items - 1], EnterAction::go_to, Screen::start_screen}},
            {{nullptr, SIGNED_DECIMAL}}};
}

// One row per screen, in the order of the screen list.
std::vector<ScreenKeys> buildScreenKeys() {
    using S = Screen;
    using A = EnterAction;
    return {
        {S::start_screen, &CPU::getMenuItem, &CPU::setMenuItem, std::nullopt, startScreenMoves(),
         {{"1", A::go_to, S::part1},
          {"2", A::go_to, S::part2},
          {"3", A::go_to, S::part3},
          {"4", A::go_to, S::part4},
          {"5", A::go_to, S::options_menu},
          {"6", A::go_to, S::about_menu},
          {"7", A::exit},
          {"8", A::switch_language}},
         {}},
        chapterKeys(S::part1, &CPU::getPart1Item, &CPU::setPart1Item, PART1_MOVES, {{nullptr, DIGITS}}),
        chapterKeys(S::part2, &CPU::getPart2Item, &CPU::setPart2Item, PART2_MOVES, {{nullptr, DIGITS}}),
        chapterKeys(S::part3, &CPU::getPart3Item, &CPU::setPart3Item, PART3_MOVES,
                    {{"program2_n", RECURRING_DECIMAL}, {nullptr, DIGITS}}),
        {S::part4, &CPU::getPart4Item, &CPU::setPart4Item, S::start_screen, ring(4),
         {{"1", A::go_to, S::part4_program1},
          {"2", A::go_to, S::part4_program2},
          {"3", A::go_to, S::part4_program3},
          {"4", A::go_to, S::start_screen}},
         {}},
        plotKeys(S::part4_program1, &CPU::getPart4Program1Item, &CPU::setPart4Program1Item),
        plotKeys(S::part4_program2, &CPU::getPart4Program2Item, &CPU::setPart4Program2Item),
        plotKeys(S::part4_program3, &CPU::getPart4Program3Item, &CPU::setPart4Program3Item),
        {S::options_menu, &CPU::getOptionsItem, &CPU::setOptionsItem, S::start_screen, ring(7),
         {{"1", A::toggle_fullscreen},
          {"2", A::toggle_gridlines},
          {"3", A::next_size},
          {"4", A::toggle_high_contrast},
          {"5", A::toggle_speech},
          {"6", A::type_name},
          {"7", A::go_to, S::start_screen}},
         {}},
        {S::about_menu, nullptr, nullptr, S::start_screen, {}, {{nullptr, A::go_to, S::start_screen}}, {}},
        {S::working, nullptr, nullptr, std::nullopt, {}, {}, {}},   // its keys are its own section of the key list
        {S::practice, nullptr, nullptr, std::nullopt, {}, {}, {}},  // so are these
    };
}

using K = KeyAction;

// The digit keys of the main keyboard and of the numpad, each typing its digit.
std::vector<KeyBinding> digitKeys(KeyAction typing = KeyAction::type) {
    const SDLKey numpad[] = {SDLK_KP0, SDLK_KP1, SDLK_KP2, SDLK_KP3, SDLK_KP4,
                             SDLK_KP5, SDLK_KP6, SDLK_KP7, SDLK_KP8, SDLK_KP9};
    std::vector<KeyBinding> keys;
    for (int d = 0; d < 10; ++d) {
        keys.push_back({SDLKey(SDLK_0 + d), typing, '0' + d});
        keys.push_back({numpad[d], typing, '0' + d});
    }
    return keys;
}

constexpr bool SHIFT = true;

std::vector<KeyRow> practiceKeys() {
    const K type = K::type_answer;
    return {
        {"0-9, numpad 0-9", "type into the highlighted answer field", digitKeys(type)},
        {". or , or numpad .", "a decimal point",
         {{SDLK_PERIOD, type, '.'}, {SDLK_COMMA, type, '.'}, {SDLK_KP_PERIOD, type, '.'}}},
        {"- or numpad -", "a minus sign", {{SDLK_MINUS, type, '-'}, {SDLK_KP_MINUS, type, '-'}}},
        {"/ or numpad /", "a fraction: 3/4", {{SDLK_SLASH, type, '/'}, {SDLK_KP_DIVIDE, type, '/'}}},
        {"* or numpad *", "times, in a product of primes: 2^3*5",
         {{SDLK_8, type, '*', SHIFT}, {SDLK_ASTERISK, type, '*'}, {SDLK_KP_MULTIPLY, type, '*'}}},
        {"^", "a power, in a product of primes", {{SDLK_6, type, '^', SHIFT}, {SDLK_CARET, type, '^'}}},
        {"+ or numpad +", "plus, in a sum: 3+7, 1/2+1/5",
         {{SDLK_EQUALS, type, '+', SHIFT}, {SDLK_PLUS, type, '+'}, {SDLK_KP_PLUS, type, '+'}}},
        {"<, > and =", "a comparison",
         {{SDLK_COMMA, type, '<', SHIFT}, {SDLK_LESS, type, '<'}, {SDLK_PERIOD, type, '>', SHIFT},
          {SDLK_LESS, type, '>', SHIFT}, {SDLK_GREATER, type, '>'}, {SDLK_EQUALS, type, '='},
          {SDLK_KP_EQUALS, type, '='}}},
        {"Y or T, N", "yes (T: tak) or no", {{SDLK_y, type, 'Y'}, {SDLK_t, type, 'T'}, {SDLK_n, type, 'N'}}},
        {"Up / Down", "the answer field above / below", {{SDLK_UP, K::move_answer_field, -1}, {SDLK_DOWN, K::move_answer_field, 1}}},
        {"Left / Right", "on an empty answer: a level lower / higher (1 to 3)",
         {{SDLK_LEFT, K::change_level, -1}, {SDLK_RIGHT, K::change_level, 1}}},
        {"Delete", "empty the highlighted answer field", {{SDLK_DELETE, K::clear_answer}}},
        {"Backspace", "take back its last character", {{SDLK_BACKSPACE, K::clear_answer, 1}}},
        {"Enter, numpad Enter", "check the answer; after a right answer or a skip, the next problem",
         {{SDLK_RETURN, K::check_answer}, {SDLK_KP_ENTER, K::check_answer}}},
        {"H", "the next hint: the method, the first steps, the whole working", {{SDLK_h, K::take_hint}}},
        {"S", "skip the problem (it comes back within five problems)", {{SDLK_s, K::skip_problem}}},
        {"Space", "switch between English and Polish, the verdict too", {{SDLK_SPACE, K::practice_language}}},
        {"Escape", "back to the screen practice was opened on, as it was", {{SDLK_ESCAPE, K::close_practice}}},
    };
}

// Far enough to reach either end of any working.
constexpr int TO_THE_END = 1 << 20;
constexpr int PAGE = layout::WORKING_PAGE_LINES;

std::vector<KeySection> buildKeyList() {
    return {
        {std::nullopt, "",
         {{"arrow keys", "move the highlight",
           {{SDLK_UP, K::move_up}, {SDLK_DOWN, K::move_down}, {SDLK_LEFT, K::move_left}, {SDLK_RIGHT, K::move_right}}},
          {"Enter, numpad Enter", "choose the highlighted entry; a calculate button computes",
           {{SDLK_RETURN, K::enter}, {SDLK_KP_ENTER, K::enter}}},
          {"0-9, numpad 0-9", "type into the highlighted field (at most 10 characters)", digitKeys()},
          {". or , or numpad .", "a decimal point (chapter 3's recurring decimal, plots)",
           {{SDLK_PERIOD, K::type, '.'}, {SDLK_COMMA, K::type, '.'}, {SDLK_KP_PERIOD, K::type, '.'}}},
          {"- or numpad -", "a minus sign (plots of chapter 4)",
           {{SDLK_MINUS, K::type, '-'}, {SDLK_KP_MINUS, K::type, '-'}}},
          {"[ and ]", "the repeating digits of a recurring decimal (chapter 3)",
           {{SDLK_LEFTBRACKET, K::type, '['}, {SDLK_RIGHTBRACKET, K::type, ']'}}},
          {"Delete", "empty the highlighted field", {{SDLK_DELETE, K::clear_field}}},
          {"Space", "switch between English and Polish, on any screen", {{SDLK_SPACE, K::switch_language}}},
          {"Escape", "back to the previous screen", {{SDLK_ESCAPE, K::back}}},
          {"W", "show the working of the answer shown, or of the plot",
           {{SDLK_w, K::open_working}}},
          {"P", "practise the highlighted exercise of chapters 1 to 3, or the plot shown",
           {{SDLK_p, K::open_practice}}}}},
        {Screen::working, "on the working screen",
         {{"Up / Down", "scroll by a line", {{SDLK_UP, K::scroll_working, -1}, {SDLK_DOWN, K::scroll_working, 1}}},
          {"Page Up / Page Down", "scroll by a page",
           {{SDLK_PAGEUP, K::scroll_working, -PAGE}, {SDLK_PAGEDOWN, K::scroll_working, PAGE}}},
          {"Home / End", "go to the first / last page",
           {{SDLK_HOME, K::scroll_working, -TO_THE_END}, {SDLK_END, K::scroll_working, TO_THE_END}}},
          {"Enter, numpad Enter", "save the working to working.txt in the working folder",
           {{SDLK_RETURN, K::save_working}, {SDLK_KP_ENTER, K::save_working}}},
          {"Escape or W", "back to the screen the working was opened on",
           {{SDLK_ESCAPE, K::close_working}, {SDLK_w, K::close_working}}}}},
        {Screen::practice, "on the practice screen", practiceKeys()},
        {Screen::start_screen, "on the start screen",
         {{"A", "the class folder's assignment, when it has one", {{SDLK_a, K::open_assignment}}}}},
        {Screen::options_menu, "while typing a name in Options",
         {{"letters, digits, Space, -", "type the pupil's name (at most 40 characters)",
           {{ANY_CHARACTER, K::type_name_character}}},
          {"Backspace", "take back its last character", {{SDLK_BACKSPACE, K::erase_name_character}}},
          {"Enter, numpad Enter", "keep the name (only blanks: the account's own name)",
           {{SDLK_RETURN, K::keep_name}, {SDLK_KP_ENTER, K::keep_name}}},
          {"Escape", "leave the name as it was", {{SDLK_ESCAPE, K::leave_name}}}},
         true},
    };
}

const KeyBinding* exactBinding(const KeySection& section, SDLKey key, bool shifted) {
    for (const KeyRow& row : section.rows)
        for (const KeyBinding& binding : row.bindings)
            if (binding.key == key && binding.shifted == shifted) return &binding;
    return nullptr;
}

// With Shift held, the key's shifted binding, else its plain one; else, for
// a key that types a character, the section's binding of any character.
const KeyBinding* bindingIn(const KeySection& section, const KeyDown& down) {
    const KeyBinding* shifted = down.shift ? exactBinding(section, down.key, true) : nullptr;
    if (const KeyBinding* own = shifted ? shifted : exactBinding(section, down.key, false)) return own;
    return down.character ? exactBinding(section, ANY_CHARACTER, false) : nullptr;
}

}  // namespace

const std::vector<ScreenKeys>& allScreenKeys() {
    static const std::vector<ScreenKeys> screens = buildScreenKeys();
    return screens;
}

const ScreenKeys& screenKeysFor(Screen screen) { return allScreenKeys()[static_cast<int>(screen)]; }

const std::vector<KeySection>& keyList() {
    static const std::vector<KeySection> list = buildKeyList();
    return list;
}

const KeyBinding* keyBinding(const KeyDown& down, std::optional<Screen> screen, bool typing) {
    if (screen)
        for (const KeySection& section : keyList())
            if (section.only_on == screen && section.while_typing == typing)
                if (const KeyBinding* binding = bindingIn(section, down)) return binding;
    if (typing) return nullptr;  // Space types a blank, W and P letters
    for (const KeySection& section : keyList())
        if (!section.only_on)
            if (const KeyBinding* binding = bindingIn(section, down)) return binding;
    return nullptr;
}

namespace {

// The help's keys column: keys of up to 19 characters, then at least two blanks.
const std::size_t WIDEST_KEYS = 19;
const int KEY_COLUMN = 21;

}  // namespace

void printKeyList(std::ostream& out) {
    for (const KeySection& section : keyList()) {
        out << (section.only_on ? "\nKeys " + std::string(section.where) : std::string("Keys")) << ":\n";
        for (const KeyRow& row : section.rows) {
            // Keys too long for their column stand on a line of their own, what they do under the column.
            const bool ownLine = std::strlen(row.keys) > WIDEST_KEYS;
            if (ownLine) out << "  " << row.keys << "\n";
            out << "  " << std::left << std::setw(KEY_COLUMN) << (ownLine ? "" : row.keys) << row.what << "\n";
        }
    }
}
