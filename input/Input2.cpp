#include "Input2.h"

#include <cstring>

#include "KeyTables.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"

namespace {

struct TypingKey {
    SDLKey key;
    char character;
};

const TypingKey TYPING_KEYS[] = {
    {SDLK_0, '0'}, {SDLK_1, '1'}, {SDLK_2, '2'}, {SDLK_3, '3'}, {SDLK_4, '4'},
    {SDLK_5, '5'}, {SDLK_6, '6'}, {SDLK_7, '7'}, {SDLK_8, '8'}, {SDLK_9, '9'},
    {SDLK_PERIOD, '.'}, {SDLK_COMMA, '.'},  // a comma never reaches a field
    {SDLK_MINUS, '-'}, {SDLK_LEFTBRACKET, '['}, {SDLK_RIGHTBRACKET, ']'},
};

std::string highlightOf(const ScreenKeys& keys, const CPU& cpu) {
    return keys.get_item ? (cpu.*keys.get_item)() : std::string();
}

void moveHighlight(const ScreenKeys& keys, CPU& cpu, SDLKey key) {
    const std::string item = highlightOf(keys, cpu);
    for (const NavRow& row : keys.moves) {
        if (item != row.item) continue;
        const char* to = key == SDLK_UP ? row.up : key == SDLK_DOWN ? row.down : key == SDLK_LEFT ? row.left : row.right;
        if (to) (cpu.*keys.set_item)(to);
        return;
    }
}

void enter(const ScreenKeys& keys, CPU& cpu) {
    const std::string item = highlightOf(keys, cpu);
    for (const EnterRow& row : keys.enter) {
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
        }
        return;
    }
}

bool accepts(const ScreenKeys& keys, const std::string& item, char c) {
    for (const TypingRule& rule : keys.typing)
        if (!rule.item || item == rule.item) return std::strchr(rule.characters, c) != nullptr;
    return false;
}

void enterValue(Screen screen, CPU& cpu, const std::string& nr) {
    const ScreenKeys& keys = screenKeysFor(screen);
    if (auto field = fieldOfItem(screen, highlightOf(keys, cpu))) cpu.setField(*field, nr);
}

void deleteField(const ScreenKeys& keys, CPU& cpu) {
    if (auto field = fieldOfItem(keys.screen, highlightOf(keys, cpu))) cpu.clearField(*field);
}

}  // namespace

char typedCharacter(SDLKey key) {
    for (const TypingKey& t : TYPING_KEYS)
        if (t.key == key) return t.character;
    return 0;
}

void Input2::readInputForPressingAKey(SDLKey keyPressed, CPU* cpu, SDLGraphics*) {
    if (keyPressed == SDLK_SPACE) {  // the one key that does not look at the screen
        switchLanguage();
        return;
    }
    const std::optional<Screen> screen = screenNamed(cpu->getCurrentMenu());
    if (!screen) return;
    const ScreenKeys* keys = &screenKeysFor(*screen);
    switch (keyPressed) {
    case SDLK_ESCAPE:
        if (keys->escape_to) cpu->setCurrentMenu(screenName(*keys->escape_to));
        return;
    case SDLK_UP:
    case SDLK_DOWN:
    case SDLK_LEFT:
    case SDLK_RIGHT:
        moveHighlight(*keys, *cpu, keyPressed);
        return;
    case SDLK_RETURN:
        enter(*keys, *cpu);
        return;
    case SDLK_DELETE:
        deleteField(*keys, *cpu);
        return;
    default:
        break;
    }
    const char c = typedCharacter(keyPressed);
    if (c && accepts(*keys, highlightOf(*keys, *cpu), c)) enterValue(*screen, *cpu, std::string(1, c));
}

void Input2::part1_enter_value(CPU* cpu, std::string nr) { enterValue(Screen::part1, *cpu, nr); }
void Input2::part2_enter_value(CPU* cpu, std::string nr) { enterValue(Screen::part2, *cpu, nr); }
void Input2::part3_enter_value(CPU* cpu, std::string nr) { enterValue(Screen::part3, *cpu, nr); }
void Input2::part4_program1_enter_value(CPU* cpu, std::string nr) { enterValue(Screen::part4_program1, *cpu, nr); }
void Input2::part4_program2_enter_value(CPU* cpu, std::string nr) { enterValue(Screen::part4_program2, *cpu, nr); }
void Input2::part4_program3_enter_value(CPU* cpu, std::string nr) { enterValue(Screen::part4_program3, *cpu, nr); }
