// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the calculators of chapters 1 to 3 through the solve step the
// exercise screens run: the input picks one of the sixteen calculate buttons,
// the language, and the text of each field that button reads.
//
// Input layout: byte 0 (mod 16) picks the button in chapter order, byte 1
// bit 0 picks Polish; then per field one byte whose low nibble (mod 11) is the
// length and whose bit 4 asks for raw bytes, followed by that many bytes. A
// byte the field accepts from the keyboard stands for itself, any other is
// mapped onto one it accepts. Missing bytes read as 0. So the seed "00B17A5"
// is 17 mod 5 in English ("@" to "J" are lengths 0 to 10, "P" to "Z" raw).
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/ItemFields.h"
#include "app/OutputToTextFile.h"
#include "input/KeyTables.h"
#include "screens/ExerciseScreen.h"

using fuzzsupport::require;

namespace {

struct TypedExercise {
    std::string request;
    Screen chapter;                             // the chapter that solves it
    Screen otherChapter;                        // another chapter: must ignore the request
    std::vector<Field> fields;
    std::vector<std::string> characters;        // what each field accepts from the keyboard
};

const ChapterLayout& (*const LAYOUTS[])() = {chapter1Layout, chapter2Layout, chapter3Layout};

// The button whose Enter sends `request` on that screen.
std::string buttonOf(const ScreenKeys& keys, const std::string& request) {
    for (const EnterRow& row : keys.enter)
        if (row.action == EnterAction::solve && request == row.request) return row.item;
    return {};
}

// The fields of the exercise cell that holds `button`.
void addFieldsOfButton(TypedExercise& exercise, const ScreenKeys& keys, const ChapterLayout& layout,
                       const std::string& button) {
    for (const ExerciseLayout& cell : layout.exercises)
        for (const ItemBox& box : cell.buttons) {
            if (button != box.item) continue;
            for (const ItemBox& field : cell.fields) {
                auto f = fieldOfItem(keys.screen, field.item);
                require(f.has_value(), "a field box names no field:", field.item);
                exercise.fields.push_back(*f);
                exercise.characters.push_back(fuzzsupport::acceptedCharacters(keys, field.item));
            }
        }
}

std::vector<TypedExercise> allExercises() {
    std::vector<TypedExercise> exercises;
    const std::vector<Chapter>& chapters = exerciseChapters();
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        const ScreenKeys& keys = screenKeysFor(chapters[c].screen);
        for (int n = 1; n <= chapters[c].exercises; ++n) {
            const std::string request = requestName(chapters[c], n);
            TypedExercise e{request, chapters[c].screen, chapters[(c + 1) % chapters.size()].screen, {}, {}};
            addFieldsOfButton(e, keys, LAYOUTS[c](), buttonOf(keys, request));
            require(!e.fields.empty(), "no field feeds", request);
            exercises.push_back(e);
        }
    }
    require(exercises.size() == SOLVED_COUNT, "expected a calculate button per exercise of chapters 1 to 3");
    return exercises;
}

const std::vector<TypedExercise>& exercises() {
    static const std::vector<TypedExercise> all = allExercises();
    return all;
}

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::string fieldText(Bytes& bytes, const std::string& accepted) {
    const std::uint8_t head = bytes.next();
    const std::size_t length = (head & 0x0f) % (FIELD_MAX_LENGTH + 1);
    const bool raw = head & 0x10;
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t b = bytes.next();
        const bool typeable = b != 0 && accepted.find(static_cast<char>(b)) != std::string::npos;
        text += raw || typeable ? static_cast<char>(b) : accepted[b % accepted.size()];
    }
    return text;
}

// The language is global: set it from the input, never carry it over.
void useLanguage(bool polish) {
    if ((language == "Polish") != polish) switchLanguage();
}

bool printable(const std::string& s) {
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7f) return false;
    return true;
}

std::vector<std::string> solutionTexts(const CPU& cpu) {
    std::vector<std::string> texts{cpu.getSolution()};
    for (int n = 1; n <= 5; ++n) texts.push_back(cpu.getSolutionLine(n));
    return texts;
}

std::vector<std::string> allFields(const CPU& cpu) {
    std::vector<std::string> values;
    for (int i = 0; i < FIELD_COUNT; ++i) values.push_back(cpu.getField(static_cast<Field>(i)));
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setUpLanguage();
    exercises();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const TypedExercise& exercise = exercises()[bytes.next() % exercises().size()];
    useLanguage(bytes.next() & 1);

    CPU cpu;
    OutputToTextFile results;
    for (std::size_t i = 0; i < exercise.fields.size(); ++i) {
        const std::string text = fieldText(bytes, exercise.characters[i]);
        cpu.setField(exercise.fields[i], text);  // an empty field takes the whole text
        require(cpu.getField(exercise.fields[i]) == text, "field did not take", text);
    }
    const std::vector<std::string> fieldsBefore = allFields(cpu);
    cpu.setSolveThisProgram(exercise.request);

    runSolveStep(cpu, exercise.otherChapter, results);
    require(cpu.getSolveThisProgram() == exercise.request, "another chapter took", exercise.request);
    for (const std::string& t : solutionTexts(cpu)) require(t.empty(), "another chapter wrote", t);

    runSolveStep(cpu, exercise.chapter, results);
    require(cpu.getSolveThisProgram() == "solved", "request left pending:", exercise.request);
    require(allFields(cpu) == fieldsBefore, "fields changed by", exercise.request);
    for (const std::string& t : solutionTexts(cpu)) require(printable(t), "control character in", t);
    return 0;
}
