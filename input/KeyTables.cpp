#include "KeyTables.h"

namespace {

const char* const DIGITS = "0123456789";
const char* const SIGNED_DECIMAL = "0123456789.-";
const char* const RECURRING_DECIMAL = "0123456789.[]";

// Items "1" to "count"; Up and Down step through them and wrap at both ends.
std::vector<NavRow> ring(int count) {
    static const char* const NUMBERS[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
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

// Enter on "calculate<N>" of chapter C requests "part<C>_program<N>"; on
// "back" it returns to the start screen.
std::vector<EnterRow> chapterEnter(int chapter, int buttons) {
    static const char* const BUTTONS[] = {"calculate1", "calculate2", "calculate3", "calculate4",
                                          "calculate5", "calculate6", "calculate7"};
    static const char* const REQUESTS[3][7] = {
        {"part1_program1", "part1_program2", "part1_program3", "part1_program4", "part1_program5",
         "part1_program6", "part1_program7"},
        {"part2_program1", "part2_program2", "part2_program3", "part2_program4", "part2_program5"},
        {"part3_program1", "part3_program2", "part3_program3", "part3_program4"},
    };
    std::vector<EnterRow> rows;
    for (int i = 0; i < buttons; ++i) rows.push_back({BUTTONS[i], EnterAction::Solve, REQUESTS[chapter - 1][i]});
    rows.push_back({"back", EnterAction::GoTo, "start screen"});
    return rows;
}

std::vector<ScreenKeys> buildScreenKeys() {
    return {
        {"start screen", &CPU::getMenuItem, &CPU::setMenuItem, nullptr, startScreenMoves(),
         {{"1", EnterAction::GoTo, "part1"},
          {"2", EnterAction::GoTo, "part2"},
          {"3", EnterAction::GoTo, "part3"},
          {"4", EnterAction::GoTo, "part4"},
          {"5", EnterAction::GoTo, "options menu"},
          {"6", EnterAction::GoTo, "about menu"},
          {"7", EnterAction::Exit, nullptr},
          {"8", EnterAction::SwitchLanguage, nullptr}},
         nullptr, {}, {}},
        {"options menu", &CPU::getOptionsItem, &CPU::setOptionsItem, "start screen", ring(3),
         {{"1", EnterAction::ToggleFullscreen, nullptr},
          {"2", EnterAction::ToggleGridlines, nullptr},
          {"3", EnterAction::GoTo, "start screen"}},
         nullptr, {}, {}},
        {"about menu", nullptr, nullptr, "start screen", {}, {{nullptr, EnterAction::GoTo, "start screen"}}, nullptr,
         {}, {}},
        {"part4", &CPU::getPart4Item, &CPU::setPart4Item, "start screen", ring(4),
         {{"1", EnterAction::GoTo, "part4 program1"},
          {"2", EnterAction::GoTo, "part4 program2"},
          {"3", EnterAction::GoTo, "part4 program3"},
          {"4", EnterAction::GoTo, "start screen"}},
         nullptr, {}, {}},
        {"part1", &CPU::getPart1Item, &CPU::setPart1Item, "start screen", PART1_MOVES, chapterEnter(1, 7), "part1_",
         {}, {{nullptr, DIGITS}}},
        {"part2", &CPU::getPart2Item, &CPU::setPart2Item, "start screen", PART2_MOVES, chapterEnter(2, 5), "part2_",
         {}, {{nullptr, DIGITS}}},
        {"part3", &CPU::getPart3Item, &CPU::setPart3Item, "start screen", PART3_MOVES, chapterEnter(3, 4), "part3_",
         {}, {{"program2_n", RECURRING_DECIMAL}, {nullptr, DIGITS}}},
        {"part4 program1", &CPU::getPart4Program1Item, &CPU::setPart4Program1Item, "part4", ring(7),
         {{"7", EnterAction::GoTo, "start screen"}}, nullptr,
         {Field::part4_program1_a1, Field::part4_program1_b1, Field::part4_program1_a2, Field::part4_program1_b2,
          Field::part4_program1_a3, Field::part4_program1_b3},
         {{nullptr, SIGNED_DECIMAL}}},
        {"part4 program2", &CPU::getPart4Program2Item, &CPU::setPart4Program2Item, "part4", ring(5),
         {{"5", EnterAction::GoTo, "start screen"}}, nullptr,
         {Field::part4_program2_x1, Field::part4_program2_y1, Field::part4_program2_x2, Field::part4_program2_y2},
         {{nullptr, SIGNED_DECIMAL}}},
        {"part4 program3", &CPU::getPart4Program3Item, &CPU::setPart4Program3Item, "part4", ring(7),
         {{"7", EnterAction::GoTo, "start screen"}}, nullptr,
         {Field::part4_program3_x1, Field::part4_program3_y1, Field::part4_program3_x2, Field::part4_program3_y2,
          Field::part4_program3_multiply_by1, Field::part4_program3_multiply_by2},
         {{nullptr, SIGNED_DECIMAL}}},
        {"working", nullptr, nullptr, nullptr, {}, {{nullptr, EnterAction::SaveWorking, nullptr}}, nullptr, {}, {},
         true},
    };
}

}  // namespace

const std::vector<ScreenKeys>& allScreenKeys() {
    static const std::vector<ScreenKeys> screens = buildScreenKeys();
    return screens;
}

const ScreenKeys* screenKeysFor(const std::string& screen) {
    for (const ScreenKeys& keys : allScreenKeys())
        if (screen == keys.screen) return &keys;
    return nullptr;
}

std::optional<Field> fieldOfItem(const ScreenKeys& keys, const std::string& item) {
    if (keys.fieldPrefix) return fieldNamed(keys.fieldPrefix + item);
    for (std::size_t i = 0; i < keys.numberedFields.size(); ++i)
        if (item == std::to_string(i + 1)) return keys.numberedFields[i];
    return std::nullopt;
}
