// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's single store of mutable state: window size, running flag,
// display options, the screen shown, every screen's highlighted item, every
// typed value (as text), the pending solve request and the solution texts.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "PracticeState.h"

// A line of a settings file that was passed over, or a file that could not
// be read (line 0), as the start screen lists it: in the system-wide file or
// the pupil's, what is wrong, and what the line wrote (its name, or the
// folder it gave), as written.
struct SettingsFault {
    enum class Kind { unreadable, not_a_setting, unknown_name, wrong_value, lab_folder };
    bool system_wide = false;
    int line = 0;
    Kind kind = Kind::not_a_setting;
    std::string name, value;
    bool operator==(const SettingsFault& o) const {
        return system_wide == o.system_wide && line == o.line && kind == o.kind && name == o.name && value == o.value;
    }
};

// Every input field: accessor stem, field name, value at start-up.
// A field named part N, program M, rest R has accessors get/set/clear
// followed by "PartNProgramM_R".
#define CALCORA_INPUT_FIELDS(X)                                   \
    X(Part1Program1_n, part1_program1_n, "")                      \
    X(Part1Program1_k, part1_program1_k, "")                      \
    X(Part1Program2_from, part1_program2_from, "")                \
    X(Part1Program2_to, part1_program2_to, "")                    \
    X(Part1Program3_n, part1_program3_n, "")                      \
    X(Part1Program4_n, part1_program4_n, "")                      \
    X(Part1Program5and6_n1, part1_program5and6_n1, "")            \
    X(Part1Program5and6_n2, part1_program5and6_n2, "")            \
    X(Part1Program7_n, part1_program7_n, "")                      \
    X(Part2Program1_n1a, part2_program1_n1a, "")                  \
    X(Part2Program1_n1b, part2_program1_n1b, "")                  \
    X(Part2Program1_n2a, part2_program1_n2a, "")                  \
    X(Part2Program1_n2b, part2_program1_n2b, "")                  \
    X(Part2Program2_n_a, part2_program2_n_a, "")                  \
    X(Part2Program2_n_b, part2_program2_n_b, "")                  \
    X(Part2Program3_n1a, part2_program3_n1a, "")                  \
    X(Part2Program3_n1b, part2_program3_n1b, "")                  \
    X(Part2Program3_n2a, part2_program3_n2a, "")                  \
    X(Part2Program3_n2b, part2_program3_n2b, "")                  \
    X(Part2Program4_n1a, part2_program4_n1a, "")                  \
    X(Part2Program4_n1b, part2_program4_n1b, "")                  \
    X(Part2Program4_n2a, part2_program4_n2a, "")                  \
    X(Part2Program4_n2b, part2_program4_n2b, "")                  \
    X(Part2Program5_n1a, part2_program5_n1a, "")                  \
    X(Part2Program5_n1b, part2_program5_n1b, "")                  \
    X(Part2Program5_n2a, part2_program5_n2a, "")                  \
    X(Part2Program5_n2b, part2_program5_n2b, "")                  \
    X(Part2Program5_n3a, part2_program5_n3a, "")                  \
    X(Part2Program5_n3b, part2_program5_n3b, "")                  \
    X(Part2Program5_n4a, part2_program5_n4a, "")                  \
    X(Part2Program5_n4b, part2_program5_n4b, "")                  \
    X(Part2Program5_n5a, part2_program5_n5a, "")                  \
    X(Part2Program5_n5b, part2_program5_n5b, "")                  \
    X(Part2Program5_n6a, part2_program5_n6a, "")                  \
    X(Part2Program5_n6b, part2_program5_n6b, "")                  \
    X(Part3Program1_n_a, part3_program1_n_a, "")                  \
    X(Part3Program1_n_b, part3_program1_n_b, "")                  \
    X(Part3Program2_n, part3_program2_n, "")                      \
    X(Part3Program3_n1a, part3_program3_n1a, "")                  \
    X(Part3Program3_n1b, part3_program3_n1b, "")                  \
    X(Part3Program3_n2a, part3_program3_n2a, "")                  \
    X(Part3Program3_n2b, part3_program3_n2b, "")                  \
    X(Part3Program4_n_a, part3_program4_n_a, "")                  \
    X(Part3Program4_n_b, part3_program4_n_b, "")                  \
    X(Part4Program1_a1, part4_program1_a1, "")                    \
    X(Part4Program1_b1, part4_program1_b1, "")                    \
    X(Part4Program1_a2, part4_program1_a2, "")                    \
    X(Part4Program1_b2, part4_program1_b2, "")                    \
    X(Part4Program1_a3, part4_program1_a3, "")                    \
    X(Part4Program1_b3, part4_program1_b3, "")                    \
    X(Part4Program2_x1, part4_program2_x1, "")                    \
    X(Part4Program2_y1, part4_program2_y1, "")                    \
    X(Part4Program2_x2, part4_program2_x2, "")                    \
    X(Part4Program2_y2, part4_program2_y2, "")                    \
    X(Part4Program3_x1, part4_program3_x1, "")                    \
    X(Part4Program3_y1, part4_program3_y1, "")                    \
    X(Part4Program3_x2, part4_program3_x2, "")                    \
    X(Part4Program3_y2, part4_program3_y2, "")                    \
    X(Part4Program3_multiply_by1, part4_program3_multiply_by1, "1") \
    X(Part4Program3_multiply_by2, part4_program3_multiply_by2, "1")

// One value per input field, in the order of the list above.
enum class Field {
#define CALCORA_FIELD_ENUM(Stem, name, initial) name,
    CALCORA_INPUT_FIELDS(CALCORA_FIELD_ENUM)
#undef CALCORA_FIELD_ENUM
    count
};

constexpr int FIELD_COUNT = static_cast<int>(Field::count);
constexpr std::size_t FIELD_MAX_LENGTH = 10;  // a field never grows past 10 characters

// The field's name ("part1_program1_n"); the field whose name is `name`, if any.
const char* fieldName(Field f);
std::optional<Field> fieldNamed(const std::string& name);

class CPU {
public:
    CPU();

    int getWindowWidth() const { return WINDOW_WIDTH; }
    int getWindowHeight() const { return WINDOW_HEIGHT; }

    bool isGameRunning() const { return g_gameIsRunning; }
    void setGameIsRunning(bool running) { g_gameIsRunning = running; }
    bool getFullscreen() const { return fullscreen; }
    void setFullscreen(bool on) { fullscreen = on; }
    bool getChangedDisplayMode() const { return changed_display_mode; }
    void setChangedDisplayMode(bool changed) { changed_display_mode = changed; }
    bool getGridlines() const { return gridlines; }
    void setGridlines(bool on) { gridlines = on; }
    // The drawing size in percent (100, 150 or 200) and the largest the
    // display holds; a change of size re-opens the window like a change of
    // display mode (`changed_display_mode`).
    int getSizePercent() const { return size_percent; }
    void setSizePercent(int percent) { size_percent = percent; }
    int getLargestSizePercent() const { return largest_size_percent; }
    void setLargestSizePercent(int percent) { largest_size_percent = percent; }
    // Changes the size to `percent`, or to the largest the display holds when
    // that is smaller; a change re-opens the window at the next frame.
    void chooseSize(int percent);
    bool getHighContrast() const { return high_contrast; }
    void setHighContrast(bool on) { high_contrast = on; }
    // Whether the pupil wants the screen spoken, and whether the desktop's
    // speech service could not be reached since speech was last switched on.
    bool getSpeech() const { return speech; }
    void setSpeech(bool on) { speech = on; }
    bool getSpeechUnavailable() const { return speech_unavailable; }
    void setSpeechUnavailable(bool unavailable) { speech_unavailable = unavailable; }
    // The class: the name chosen for the pupil ("" until one is) and the
    // class folder their rows also go to ("" for none).
    std::string getPupilName() const { return pupil_name; }
    void setPupilName(std::string name) { pupil_name = std::move(name); }
    // The account's own name for the rows when none is chosen (its full name, else its login).
    std::string getAccountName() const { return account_name; }
    void setAccountName(std::string name) { account_name = std::move(name); }
    // Whether the pupil is typing a name on the Options screen, and the name
    // typed so far; the chosen name changes only when Enter keeps it.
    bool getNameTyping() const { return name_typing; }
    void setNameTyping(bool typing) { name_typing = typing; }
    std::string getTypedName() const { return typed_name; }
    void setTypedName(std::string name) { typed_name = std::move(name); }
    std::string getClassFolder() const { return class_folder; }
    void setClassFolder(std::string folder) { class_folder = std::move(folder); }
    // Whether the class folder could not be reached (the practice screen says so once).
    bool getClassUnreachable() const { return class_unreachable; }
    void setClassUnreachable(bool unreachable) { class_unreachable = unreachable; }
    // Whether the class file there is another account's (never written: the practice screen says so).
    bool getClassFileForeign() const { return class_file_foreign; }
    void setClassFileForeign(bool foreign) { class_file_foreign = foreign; }
    // A asked for the assignment on this screen (its name; "" for no request):
    // the frame loop reads assignment.txt again and opens it.
    std::string getAssignmentAsked() const { return assignment_asked; }
    void setAssignmentAsked(std::string from) { assignment_asked = std::move(from); }
    // The class folder's assignment (no tasks: none) and how many of its
    // problems are done; a change waits for the frame loop to record it.
    const practice::Assignment& getAssignment() const { return assignment; }
    void setAssignment(practice::Assignment a) { assignment = std::move(a); }
    int getAssignmentDone() const { return assignment_done; }
    void setAssignmentDone(int done) { assignment_done = done; }
    bool getAssignmentChanged() const { return assignment_changed; }
    void setAssignmentChanged(bool changed) { assignment_changed = changed; }

    std::string getCurrentMenu() const { return current_menu; }
    void setCurrentMenu(std::string s) { current_menu = std::move(s); }
    std::string getSolveThisProgram() const { return solve_this_program; }
    void setSolveThisProgram(std::string s) { solve_this_program = std::move(s); }

    std::string getSolution() const { return solution; }
    void setSolution(std::string s) { solution = std::move(s); }
    std::string getSolutionLine1() const { return solution_line[0]; }
    std::string getSolutionLine2() const { return solution_line[1]; }
    std::string getSolutionLine3() const { return solution_line[2]; }
    std::string getSolutionLine4() const { return solution_line[3]; }
    std::string getSolutionLine5() const { return solution_line[4]; }
    void setSolutionLine1(std::string s) { solution_line[0] = std::move(s); }
    void setSolutionLine2(std::string s) { solution_line[1] = std::move(s); }
    void setSolutionLine3(std::string s) { solution_line[2] = std::move(s); }
    void setSolutionLine4(std::string s) { solution_line[3] = std::move(s); }
    void setSolutionLine5(std::string s) { solution_line[4] = std::move(s); }
    // Lines 1 to 5 by number (1-based); leaves `solution` alone.
    std::string getSolutionLine(int n) const { return solution_line.at(n - 1); }
    void setSolutionLine(int n, std::string s) { solution_line.at(n - 1) = std::move(s); }
    void clearSolutionLines1to5();

    // results.txt: whether the last save failed (the solution panel says so),
    // whether it was refused to keep the old file whole, and whether a
    // failure was already reported on stderr in this run.
    bool getResultsNotSaved() const { return results_not_saved; }
    void setResultsNotSaved(bool failed) { results_not_saved = failed; }
    bool getResultsRefused() const { return results_refused; }
    void setResultsRefused(bool refused) { results_refused = refused; }
    bool getResultsFailureReported() const { return results_failure_reported; }
    void setResultsFailureReported(bool reported) { results_failure_reported = reported; }
    // The settings lines passed over at start-up, for the start screen.
    const std::vector<SettingsFault>& getSettingsFaults() const { return settings_faults; }
    void setSettingsFaults(std::vector<SettingsFault> faults) { settings_faults = std::move(faults); }

    std::string getMenuItem() const { return menu_item; }
    void setMenuItem(std::string s) { menu_item = std::move(s); }
    std::string getOptionsItem() const { return options_item; }
    void setOptionsItem(std::string s) { options_item = std::move(s); }
    std::string getPart1Item() const { return part1_item; }
    void setPart1Item(std::string s) { part1_item = std::move(s); }
    std::string getPart2Item() const { return part2_item; }
    void setPart2Item(std::string s) { part2_item = std::move(s); }
    std::string getPart3Item() const { return part3_item; }
    void setPart3Item(std::string s) { part3_item = std::move(s); }
    std::string getPart4Item() const { return part4_item; }
    void setPart4Item(std::string s) { part4_item = std::move(s); }
    std::string getPart4Program1Item() const { return part4_program1_item; }
    void setPart4Program1Item(std::string s) { part4_program1_item = std::move(s); }
    std::string getPart4Program2Item() const { return part4_program2_item; }
    void setPart4Program2Item(std::string s) { part4_program2_item = std::move(s); }
    std::string getPart4Program3Item() const { return part4_program3_item; }
    void setPart4Program3Item(std::string s) { part4_program3_item = std::move(s); }

    // Input fields by value of `Field`: get a copy; set appends as much of its
    // argument as fits in FIELD_MAX_LENGTH characters; clear empties the field.
    std::string getField(Field f) const { return fields[index(f)]; }
    void setField(Field f, const std::string& s);
    void clearField(Field f) { fields[index(f)].clear(); }

#define CALCORA_FIELD_ACCESSORS(Stem, name, initial)                   \
    std::string get##Stem() const { return getField(Field::name); }    \
    void set##Stem(std::string s) { setField(Field::name, s); }        \
    void clear##Stem() { clearField(Field::name); }
    CALCORA_INPUT_FIELDS(CALCORA_FIELD_ACCESSORS)
#undef CALCORA_FIELD_ACCESSORS

    // The working screen. The exercise last solved on a chapter screen (its
    // request) and its typed texts at that moment; the exercise whose working
    // is shown (a request, or a plot screen's name) and its typed texts; the
    // working's text as the screen made it; the first row shown; the screen W
    // or Escape returns to; a pending save (Enter) and what the last save did.
    enum class WorkingSave { none, saved, failed };
    // Lines are the title, the steps and the answer (its last `answer_lines`);
    // `rows` is how many rows of the page they fill (a long line takes
    // several); `language` is the one they are written in. Opening a working
    // empties it, and the working screen makes it again.
    struct WorkingText {
        std::vector<std::string> lines;
        int answer_lines = 0;
        int rows = 0;
        std::string language;
    };
    std::string getLastSolved() const { return last_solved; }
    std::vector<std::string> getLastSolvedInputs() const { return last_solved_inputs; }
    void setLastSolved(std::string exercise, std::vector<std::string> typed);
    std::string getWorkingExercise() const { return working_exercise; }
    std::vector<std::string> getWorkingInputs() const { return working_inputs; }
    void setWorkingExercise(std::string exercise, std::vector<std::string> typed);
    WorkingText getWorkingText() const { return working_text; }
    void setWorkingText(WorkingText text) { working_text = std::move(text); }
    int getWorkingScroll() const { return working_scroll; }
    void setWorkingScroll(int line) { working_scroll = line; }
    std::string getWorkingReturnTo() const { return working_return_to; }
    void setWorkingReturnTo(std::string screen) { working_return_to = std::move(screen); }
    bool getWorkingSaveRequested() const { return working_save_requested; }
    void setWorkingSaveRequested(bool requested) { working_save_requested = requested; }
    WorkingSave getWorkingSave() const { return working_save; }
    void setWorkingSave(WorkingSave outcome) { working_save = outcome; }

    // The practice screen: what it shows (the problem, its answer fields and
    // what is typed in them, the verdict on the answer last checked, the
    // hints taken), in the language `language` names; the pupil's progress;
    // and what waits to be written: practice.csv's rows, a changed progress.
    struct PracticeShown {
        std::string return_to;  // the screen P was pressed on
        practice::Problem problem;
        std::string name;       // "GCD - greatest common divisor"
        std::string statement;
        std::vector<practice::AnswerField> fields;
        std::vector<std::string> typed;  // one per field
        int field = 0;                   // the highlighted one
        std::optional<practice::Verdict> verdict;
        std::vector<std::string> checked;  // the answer the verdict is about
        bool skipped = false;
        int hints = 0;                     // taken on this problem
        std::vector<std::string> hint_lines;
        std::string language;
        int assignment_problem = -1;       // the assignment's problem shown (from 0); -1: free practice
        // Correct or skipped: Enter shows the next problem.
        bool finished() const { return skipped || (verdict && verdict->kind == practice::VerdictKind::correct); }
    };
    PracticeShown getPractice() const { return practice_shown; }
    void setPractice(PracticeShown shown) { practice_shown = std::move(shown); }
    // The progress as data; practice::Progress applies the mastery rule to it.
    const practice::ProgressRecord& getPracticeProgress() const { return practice_progress; }
    practice::ProgressRecord takePracticeProgress() { return std::exchange(practice_progress, {}); }
    void setPracticeProgress(practice::ProgressRecord progress) { practice_progress = std::move(progress); }
    bool getPracticeProgressChanged() const { return practice_progress_changed; }
    void setPracticeProgressChanged(bool changed) { practice_progress_changed = changed; }
    std::vector<practice::CsvRow> takePracticeLog() { return std::exchange(practice_log, {}); }
    void logPractice(practice::CsvRow row) { practice_log.push_back(std::move(row)); }
    // Whether rows of practice.csv wait to be written (the practice screen says so).
    bool getPracticeRowsWaiting() const { return practice_rows_waiting; }
    void setPracticeRowsWaiting(bool waiting) { practice_rows_waiting = waiting; }
    // Each exercise's level as last chosen in this run (level 1 until then).
    int getPracticeLevel(practice::Exercise e) const;
    void setPracticeLevel(practice::Exercise e, int level) { practice_levels[e] = level; }

    // The number at the start of `s`, read as a stream reads a double; 0.0 when none.
    double string_to_double(const std::string& s) const;
    std::string StringString(std::string s1, std::string s2) const;
    std::string StringDoubleStringDouble(std::string s1, double d1, std::string s2, double d2) const;
    std::string StringDoubleStringDoubleString(std::string s1, double d1, std::string s2, double d2,
                                               std::string s3) const;
    std::string DoubleStringDoubleStringDoubleString(double d1, std::string s1, double d2, std::string s2,
                                                     double d3, std::string s3) const;

private:
    static std::size_t index(Field f) { return static_cast<std::size_t>(f); }

    int WINDOW_WIDTH = 1000;
    int WINDOW_HEIGHT = 700;
    bool g_gameIsRunning = true;
    bool fullscreen = false;
    bool gridlines = false;
    bool changed_display_mode = false;
    int size_percent = 100;
    int largest_size_percent = 200;
    bool high_contrast = false;
    bool speech = false;
    bool speech_unavailable = false;
    std::string pupil_name;
    std::string class_folder;
    std::string account_name;
    bool name_typing = false;
    std::string typed_name;
    bool class_unreachable = false;
    bool class_file_foreign = false;
    std::string assignment_asked;
    practice::Assignment assignment;
    int assignment_done = 0;
    bool assignment_changed = false;

    std::string current_menu = "start screen";
    std::string solve_this_program;
    std::string solution;
    std::array<std::string, 5> solution_line;
    bool results_not_saved = false;
    bool results_failure_reported = false;
    bool results_refused = false;
    std::vector<SettingsFault> settings_faults;
    std::string menu_item = "1";
    std::string part1_item = "program1_n";
    std::string part2_item = "program1_n1a";
    std::string part3_item = "program1_n_a";
    std::string part4_item = "1";
    std::string part4_program1_item = "1";
    std::string part4_program2_item = "1";
    std::string part4_program3_item = "1";
    std::string options_item = "1";

    std::array<std::string, FIELD_COUNT> fields;

    std::string last_solved;
    std::vector<std::string> last_solved_inputs;
    std::string working_exercise;
    std::vector<std::string> working_inputs;
    WorkingText working_text;
    int working_scroll = 0;
    std::string working_return_to;
    bool working_save_requested = false;
    WorkingSave working_save = WorkingSave::none;

    PracticeShown practice_shown;
    practice::ProgressRecord practice_progress;
    bool practice_progress_changed = false;
    bool practice_rows_waiting = false;
    std::vector<practice::CsvRow> practice_log;
    std::map<practice::Exercise, int> practice_levels;
};
