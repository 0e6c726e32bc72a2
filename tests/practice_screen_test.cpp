// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice screen as a pupil meets it through the keys: P on an exercise
// opens practice of that exercise, answers are checked and counted, hints
// come in stages, a skip comes back, the language and level change, and
// Escape leaves the exercise screen as it was.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/CPU.h"
#include "app/GlobalVariables.h"
#include "app/ClassFolder.h"
#include "app/PracticeFiles.h"
#include "app/Screens.h"
#include "input/Input2.h"
#include "input/PracticeActions.h"
#include "practice/Assignment.h"
#include "screens/PracticeScreen.h"
#include "screens/ScreenReading.h"

using namespace testsupport;

namespace {

void press(CPU& cpu, SDLKey key, bool shift = false) { Input2().readInputForPressingAKey(key, &cpu, nullptr, shift); }

// GCD's practice opened, its rows bound for `classFolder` too.
void practiseGcdWithAClass(PracticeKeeper& keeper, CPU& cpu, const std::string& classFolder, std::ostream& err) {
    keeper.restore(cpu, 5, err);
    cpu.setClassFolder(classFolder);
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("calculate5");
    press(cpu, SDLK_p);
}

// A as the frame loop answers it: the class folder's assignment read again, then opened.
void pressA(PracticeKeeper& keeper, CPU& cpu, std::ostream& err) {
    press(cpu, SDLK_a);
    keeper.keep(cpu, err);
    openAskedAssignment(cpu);
}

void typeDigits(CPU& cpu, const std::string& digits) {
    for (char d : digits) press(cpu, SDLKey(SDLK_0 + (d - '0')));
}

std::string shown(const CPU& cpu) { return cpu.getCurrentMenu(); }

std::vector<std::string> exerciseScreenState(const CPU& cpu) {
    std::vector<std::string> state{cpu.getCurrentMenu(), cpu.getPart1Item(), cpu.getSolution()};
    for (int i = 0; i < FIELD_COUNT; ++i) state.push_back(cpu.getField(Field(i)));
    return state;
}

std::string fileText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(PracticeScreen, GcdPracticeFromTheKeys) {
    useEnglish();
    CPU cpu;
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("program5and6_n2");
    cpu.setField(Field::part1_program1_n, "17");
    const std::vector<std::string> exerciseScreen = exerciseScreenState(cpu);

    press(cpu, SDLK_p);
    ASSERT_EQ(shown(cpu), screenName(Screen::practice));
    CPU::PracticeShown p = cpu.getPractice();
    ASSERT_EQ(p.problem.exercise, practice::Exercise::gcd);
    ASSERT_EQ(p.fields.size(), 1u);
    const long long a = std::stoll(p.problem.inputs[0]), b = std::stoll(p.problem.inputs[1]);
    EXPECT_NE(p.statement.find(p.problem.inputs[0]), std::string::npos) << p.statement;

    // The product: its mistake is named, and the same answer in Polish too.
    typeDigits(cpu, std::to_string(a * b));
    press(cpu, SDLK_RETURN);
    p = cpu.getPractice();
    ASSERT_TRUE(p.verdict);
    EXPECT_EQ(p.verdict->mistake, practice::Mistake::product_not_gcd);
    EXPECT_EQ(p.verdict->text.rfind("Not quite: ", 0), 0u) << p.verdict->text;
    EXPECT_EQ(readScreen(cpu).messages, std::vector<std::string>{p.verdict->text});  // a screen reader hears it
    press(cpu, SDLK_SPACE);
    EXPECT_EQ(cpu.getPractice().verdict->text.rfind("Nie calkiem: ", 0), 0u) << cpu.getPractice().verdict->text;
    EXPECT_NE(cpu.getPractice().statement, p.statement);
    press(cpu, SDLK_SPACE);

    // A hint, then the right answer: correct, and Enter moves on.
    press(cpu, SDLK_h);
    EXPECT_EQ(cpu.getPractice().hints, 1);
    EXPECT_FALSE(cpu.getPractice().hint_lines.empty());
    press(cpu, SDLK_DELETE);
    typeDigits(cpu, std::to_string(std::gcd(a, b)));
    press(cpu, SDLK_t);  // letters the field does not take are not typed
    press(cpu, SDLK_KP_ENTER);
    p = cpu.getPractice();
    EXPECT_EQ(p.verdict->text, "Correct");
    EXPECT_TRUE(p.finished());
    std::vector<practice::CsvRow> rows = cpu.takePracticeLog();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].answer, std::to_string(a * b));
    EXPECT_EQ(rows[1].verdict, practice::VerdictKind::correct);
    EXPECT_EQ(rows[1].hints, 1);
    press(cpu, SDLK_RETURN);
    EXPECT_FALSE(practice::sameQuestion(cpu.getPractice().problem, p.problem));
    EXPECT_FALSE(cpu.getPractice().verdict);

    // A skip is logged and finishes the problem; Right on an empty answer is a level higher.
    press(cpu, SDLK_s);
    EXPECT_TRUE(cpu.getPractice().skipped);
    rows = cpu.takePracticeLog();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].verdict);
    press(cpu, SDLK_RETURN);
    press(cpu, SDLK_RIGHT);
    EXPECT_EQ(cpu.getPractice().problem.level, 2);
    press(cpu, SDLK_1);
    press(cpu, SDLK_RIGHT);  // not on a typed answer
    EXPECT_EQ(cpu.getPractice().problem.level, 2);
    EXPECT_TRUE(cpu.getPracticeProgressChanged());

    press(cpu, SDLK_ESCAPE);
    EXPECT_EQ(exerciseScreenState(cpu), exerciseScreen);
}

TEST(PracticeScreen, POpensPracticeOnlyOnExercisesAndPlots) {
    useEnglish();
    CPU cpu;
    press(cpu, SDLK_p);  // the start screen
    EXPECT_EQ(shown(cpu), screenName(Screen::start_screen));
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("back");
    press(cpu, SDLK_p);
    EXPECT_EQ(shown(cpu), screenName(Screen::part1));

    cpu.setCurrentMenu(screenName(Screen::part4_program2));
    press(cpu, SDLK_p);
    EXPECT_EQ(cpu.getPractice().problem.exercise, practice::Exercise::two_points);
    EXPECT_EQ(cpu.getPractice().fields.size(), 2u);
    press(cpu, SDLK_DOWN);
    press(cpu, SDLK_MINUS);
    press(cpu, SDLK_DOWN);  // the fields wrap round
    EXPECT_EQ(cpu.getPractice().typed, (std::vector<std::string>{"", "-"}));
    EXPECT_EQ(cpu.getPractice().field, 0);
    press(cpu, SDLK_ESCAPE);
    EXPECT_EQ(shown(cpu), screenName(Screen::part4_program2));

    // The product of primes takes * from Shift and 8, and ^ from Shift and 6.
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("calculate3");
    press(cpu, SDLK_p);
    ASSERT_EQ(cpu.getPractice().problem.exercise, practice::Exercise::factors);
    for (auto [key, shift] : {std::pair{SDLK_2, false}, {SDLK_6, true}, {SDLK_2, false}, {SDLK_8, true}, {SDLK_3, false}})
        press(cpu, key, shift);
    EXPECT_EQ(cpu.getPractice().typed[0], "2^2*3");
    press(cpu, SDLK_BACKSPACE);
    EXPECT_EQ(cpu.getPractice().typed[0], "2^2*");
}

// The progress is saved when it changes and read back; practice.csv gets a
// header once and a row per checked answer or skip; a damaged progress file
// is a fresh start and one line on stderr.
TEST(PracticeScreen, ProgressAndPracticeCsvAreKept) {
    useEnglish();
    TemporaryFolder folder{"practice"};
    const std::string progressFile = (folder.path() / "calcora" / "progress").string();
    PracticeKeeper keeper(UserFile::at(progressFile), PRACTICE_LOG_FILE);
    std::ostringstream err;
    CPU cpu;
    keeper.restore(cpu, 5, err);
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("calculate6");
    press(cpu, SDLK_p);
    typeDigits(cpu, cpu.getPractice().problem.answer[0]);
    press(cpu, SDLK_RETURN);
    keeper.keep(cpu, err);
    press(cpu, SDLK_RETURN);
    press(cpu, SDLK_s);
    keeper.keep(cpu, err);
    EXPECT_EQ(err.str(), "");

    const std::vector<std::string> rows = split(fileText(PRACTICE_LOG_FILE), "\n");
    ASSERT_EQ(rows.size(), 4u) << fileText(PRACTICE_LOG_FILE);  // the last line break leaves an empty piece
    EXPECT_EQ(rows[0], "time,exercise,level,problem,answer,verdict,hints");
    EXPECT_NE(rows[1].find(",lcm,1,"), std::string::npos) << rows[1];
    EXPECT_EQ(rows[1].substr(rows[1].size() - 10), ",correct,0");
    EXPECT_EQ(rows[2].substr(rows[2].size() - 10), ",skipped,0");
    const std::string saved = fileText(progressFile);
    EXPECT_EQ(saved, practice::Progress(cpu.getPracticeProgress()).text());
    EXPECT_FALSE(saved.empty());

    CPU again;
    keeper.restore(again, 5, err);
    EXPECT_EQ(practice::Progress(again.getPracticeProgress()).text(), saved);
    std::ofstream(progressFile, std::ios::trunc) << "lcm level seven\n\x01\x02";
    keeper.restore(again, 5, err);
    EXPECT_EQ(practice::Progress(again.getPracticeProgress()).text(), practice::Progress().text());
    EXPECT_EQ(split(err.str(), "\n").size(), 2u) << err.str();
    EXPECT_NE(err.str().find(progressFile), std::string::npos);
}

// With a class folder every row also goes to <login>.csv there under the
// pupil's name; while the folder cannot be reached the local rows still
// land, it is said once, and the waiting rows go first, once, when it can.
TEST(PracticeScreen, RowsReachTheClassFolderOnceItCanBeReached) {
    useEnglish();
    TemporaryFolder folder{"practice-class"};
    const std::string classFolder = (folder.path() / "7b").string();
    std::ofstream(classFolder) << "a file, not a folder";
    PracticeKeeper keeper(UserFile::at((folder.path() / "progress").string()), PRACTICE_LOG_FILE, {"anowak", "Anna Nowak,,,"});
    std::ostringstream err;
    CPU cpu;
    practiseGcdWithAClass(keeper, cpu, classFolder, err);
    for (int skip = 0; skip < 2; ++skip) {
        press(cpu, SDLK_s);
        keeper.keep(cpu, err);
        press(cpu, SDLK_RETURN);
    }
    EXPECT_TRUE(cpu.getClassUnreachable());
    EXPECT_TRUE(cpu.getPracticeRowsWaiting());
    EXPECT_EQ(split(fileText(PRACTICE_LOG_FILE), "\n").size(), 4u);
    EXPECT_EQ(split(err.str(), "\n").size(), 2u) << err.str();
    EXPECT_NE(err.str().find("cannot reach the class folder " + classFolder), std::string::npos) << err.str();

    std::filesystem::remove(classFolder);
    std::filesystem::create_directory(classFolder);
    cpu.setPupilName("Ola");
    press(cpu, SDLK_s);
    keeper.keep(cpu, err);
    EXPECT_FALSE(cpu.getClassUnreachable());
    EXPECT_FALSE(cpu.getPracticeRowsWaiting());
    const std::vector<std::string> rows = split(fileText(classFolder + "/anowak.csv"), "\n");
    ASSERT_EQ(rows.size(), 5u) << fileText(classFolder + "/anowak.csv");
    EXPECT_EQ(rows[0], "pupil,time,exercise,level,problem,answer,verdict,hints");
    EXPECT_EQ(rows[1].substr(0, 11), "Anna Nowak,");
    EXPECT_EQ(rows[3].substr(0, 4), "Ola,");
    EXPECT_NE(rows[3].find(",gcd,1,"), std::string::npos);
    press(cpu, SDLK_RETURN);
    keeper.keep(cpu, err);
    EXPECT_EQ(split(fileText(classFolder + "/anowak.csv"), "\n").size(), 5u);
}

// A on the start screen opens the class folder's assignment: its problems
// in order, each answered right before the next, no skips; the completion
// goes to the class file after each problem and is remembered.
TEST(PracticeScreen, AnAssignmentIsWorkedThroughInOrderAndRecorded) {
    useEnglish();
    TemporaryFolder folder{"practice-assignment"};
    const std::string classFolder = (folder.path() / "7b").string();
    std::filesystem::create_directory(classFolder);
    std::ofstream(classFolder + "/assignment.txt") << "title Week 3\nseed 7\ngcd 1 1\nlcm 2 1\nlcm 9 9\n";
    const std::string kept = (folder.path() / "assignment").string();
    PracticeKeeper keeper(UserFile::at((folder.path() / "progress").string()), PRACTICE_LOG_FILE, {"anowak", ""},
                          UserFile::at(kept));
    std::ostringstream err;
    CPU cpu;
    cpu.setClassFolder(classFolder);
    keeper.restore(cpu, 5, err);
    keeper.restoreAssignment(cpu, err);
    EXPECT_EQ(err.str(), "calcora: Line 5 of assignment.txt: the level must be 1, 2 or 3\n");
    ASSERT_EQ(cpu.getAssignment().total(), 2);
    pressA(keeper, cpu, err);
    ASSERT_EQ(cpu.getCurrentMenu(), screenName(Screen::practice));
    EXPECT_TRUE(practice::sameQuestion(cpu.getPractice().problem, practice::assignmentProblem(cpu.getAssignment(), 0, 0)));
    press(cpu, SDLK_s);
    EXPECT_FALSE(cpu.getPractice().finished());  // no skipping through an assignment
    for (int n = 0; n < 2; ++n) {
        typeDigits(cpu, cpu.getPractice().problem.answer[0]);
        press(cpu, SDLK_RETURN);
        keeper.keep(cpu, err);
        press(cpu, SDLK_RETURN);
    }
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    EXPECT_EQ(cpu.getAssignmentDone(), 2);
    pressA(keeper, cpu, err);
    EXPECT_EQ(cpu.getCurrentMenu(), screenName(Screen::start_screen));
    const std::string rows = fileText(classFolder + "/anowak.csv");
    EXPECT_NE(rows.find(",assignment,,Week 3,1/2,progress,0\n"), std::string::npos) << rows;
    EXPECT_NE(rows.find(",lcm,2,"), std::string::npos) << rows;
    const std::string last = ",assignment,,Week 3,2/2,complete,0\n";
    EXPECT_EQ(rows.substr(rows.size() - last.size()), last) << rows;
    CPU again;
    again.setClassFolder(classFolder);
    keeper.restoreAssignment(again, err);
    EXPECT_EQ(again.getAssignmentDone(), 2);
}

// Two windows of one pupil keep one progress for the assignment: the
// furthest problem done wins and no completion row is written twice; a
// changed assignment.txt counts from the next A, and one a pupil may change
// is passed over with a line on the start screen and stderr.
TEST(PracticeScreen, AnAssignmentsProgressNeverMovesBackAndOnlyTheTeachersCounts) {
    useEnglish();
    TemporaryFolder folder{"practice-assignment-windows"};
    const std::string classFolder = (folder.path() / "7b").string();
    std::filesystem::create_directory(classFolder);
    std::ofstream(classFolder + "/assignment.txt") << "title Week 4\nseed 7\ngcd 1 3\n";
    const UserFile kept = UserFile::at((folder.path() / "assignment").string());
    const UserFile progress = UserFile::at((folder.path() / "progress").string());
    PracticeKeeper first(progress, PRACTICE_LOG_FILE, {"anowak", ""}, kept), second(progress, PRACTICE_LOG_FILE, {"anowak", ""}, kept);
    std::ostringstream err;
    CPU one, two;
    for (CPU* cpu : {&one, &two}) cpu->setClassFolder(classFolder);
    first.restoreAssignment(one, err);
    second.restoreAssignment(two, err);
    const auto solve = [&](PracticeKeeper& keeper, CPU& cpu) {
        pressA(keeper, cpu, err);
        typeDigits(cpu, cpu.getPractice().problem.answer[0]);
        press(cpu, SDLK_RETURN);
        keeper.keep(cpu, err);
        press(cpu, SDLK_ESCAPE);
    };
    const auto completionRows = [&] {
        const std::string rows = fileText(classFolder + "/anowak.csv");
        int count = 0;
        for (std::size_t at = rows.find(",assignment,"); at != std::string::npos; at = rows.find(",assignment,", at + 1)) ++count;
        return count;
    };
    pressA(second, two, err);  // the second window shows problem 1 while the first does 1 and 2
    solve(first, one);
    solve(first, one);
    typeDigits(two, two.getPractice().problem.answer[0]);
    press(two, SDLK_RETURN);
    second.keep(two, err);
    EXPECT_EQ(two.getAssignmentDone(), 2);
    EXPECT_EQ(completionRows(), 2);
    press(two, SDLK_ESCAPE);
    solve(second, two);
    EXPECT_EQ(two.getAssignmentDone(), 3);
    EXPECT_EQ(completionRows(), 3);
    pressA(first, one, err);
    EXPECT_EQ(one.getAssignmentDone(), 3);

    std::ofstream(classFolder + "/assignment.txt") << "title Week 5\ngcd 1 2\n";
    pressA(first, one, err);
    EXPECT_EQ(one.getAssignment().title, "Week 5");
    EXPECT_EQ(one.getAssignmentDone(), 0);
    EXPECT_EQ(one.getPractice().assignment_problem, 0);
    std::filesystem::permissions(classFolder + "/assignment.txt", std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::add);
    press(one, SDLK_ESCAPE);
    pressA(first, one, err);
    EXPECT_EQ(one.getAssignment().total(), 0);
    EXPECT_EQ(assignmentNotice(one), "assignment.txt is not the teacher's: passed over");
    EXPECT_NE(err.str().find("calcora: assignment.txt is not the teacher's: passed over ("), std::string::npos) << err.str();
    std::filesystem::remove(classFolder + "/assignment.txt");
    std::ofstream(classFolder + "/assignment.txt") << "# " << std::string(64 << 10, 'x') << "\ngcd 1 1\n";
    pressA(first, one, err);
    EXPECT_EQ(one.getAssignment().total(), 0);
    EXPECT_EQ(assignmentNotice(one), "assignment.txt is larger than 64 KB: passed over");
}

// A class file another account made first is never written: the rows wait,
// the practice screen and its reading say so, stderr names the owner.
TEST(PracticeScreen, AClassFileOfAnotherAccountIsNeverWritten) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root, to give the file to another account";
    useEnglish();
    TemporaryFolder folder{"practice-foreign"};
    const std::string classFolder = (folder.path() / "7b").string();
    std::filesystem::create_directory(classFolder);
    const std::string file = classFolder + "/anowak.csv";
    std::ofstream(file) << "pupil,time,exercise,level,problem,answer,verdict,hints\n";
    ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
    PracticeKeeper keeper(UserFile::at((folder.path() / "progress").string()), PRACTICE_LOG_FILE, {"anowak", ""});
    std::ostringstream err;
    CPU cpu;
    practiseGcdWithAClass(keeper, cpu, classFolder, err);
    press(cpu, SDLK_s);
    keeper.keep(cpu, err);
    EXPECT_TRUE(cpu.getClassFileForeign());
    EXPECT_FALSE(cpu.getClassUnreachable());
    EXPECT_TRUE(cpu.getPracticeRowsWaiting());
    EXPECT_EQ(fileText(file), "pupil,time,exercise,level,problem,answer,verdict,hints\n");
    EXPECT_EQ(err.str(), "calcora: " + file + " belongs to the account " + loginOf(65534) +
                             ", not to anowak: it is never written, and its rows wait here (tell the teacher)\n");
    const std::vector<std::string> heard = readScreen(cpu).messages;
    EXPECT_NE(std::find(heard.begin(), heard.end(), "The class file belongs to another account: tell your teacher"), heard.end());

    // A share that shows one owner for every file (here: the folder's) cannot tell: the rows go in, said once.
    std::ofstream(classFolder + "/other.csv") << "pupil,time,exercise,level,problem,answer,verdict,hints\n";
    for (const std::string& path : {classFolder, classFolder + "/other.csv"}) ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    press(cpu, SDLK_RETURN);
    press(cpu, SDLK_s);
    keeper.keep(cpu, err);
    EXPECT_FALSE(cpu.getClassFileForeign());
    EXPECT_EQ(split(fileText(file), "\n").size(), 4u) << fileText(file);  // the waiting row, then the new one
    EXPECT_NE(err.str().find("cannot tell pupils apart by owner (every class file in it shows the folder's owner"),
              std::string::npos) << err.str();
}

// Rows that cannot be written (practice.csv's folder is gone) wait, the
// screen says so once, and they land in order with the next row; a progress
// file of a later version (a byte order mark, CRLF, an exercise this version
// does not know) is read and its unknown line written back.
TEST(PracticeScreen, WaitingRowsAndALaterVersionsProgressAreKept) {
    useEnglish();
    TemporaryFolder folder{"practice-waiting"};
    const std::string progressFile = (folder.path() / "calcora" / "progress").string();
    const std::string log = (folder.path() / "class" / "practice.csv").string();
    std::filesystem::create_directories(folder.path() / "calcora");
    std::ofstream(progressFile, std::ios::binary)
        << "\xEF\xBB\xBF" "calcora practice progress 1\r\nlcm 1 1 ccccc -\r\nlogarithms 1 0 c -\r\n";
    PracticeKeeper keeper(UserFile::at(progressFile), log);
    std::ostringstream err;
    CPU cpu;
    keeper.restore(cpu, 5, err);
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(cpu.getPracticeProgress().mastered(practice::Exercise::lcm, 1));
    cpu.setCurrentMenu(screenName(Screen::part1));
    cpu.setPart1Item("calculate6");
    press(cpu, SDLK_p);
    const std::string first = cpu.getPractice().statement;
    press(cpu, SDLK_s);
    keeper.keep(cpu, err);
    EXPECT_TRUE(cpu.getPracticeRowsWaiting());
    const std::vector<std::string> messages = readScreen(cpu).messages;
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "Answers are waiting to be saved"), 1);
    EXPECT_NE(fileText(progressFile).find("\nlogarithms 1 0 c -\n"), std::string::npos) << fileText(progressFile);

    std::filesystem::create_directories(folder.path() / "class");
    press(cpu, SDLK_RETURN);
    press(cpu, SDLK_s);
    keeper.keep(cpu, err);
    EXPECT_FALSE(cpu.getPracticeRowsWaiting());
    const std::vector<std::string> rows = split(fileText(log), "\n");
    ASSERT_EQ(rows.size(), 4u) << fileText(log);
    EXPECT_NE(rows[1].find(first), std::string::npos) << rows[1];  // the older first
    EXPECT_EQ(split(err.str(), "\n").size(), 2u) << err.str();  // said once
}

// The footer offers S and Left/Right only where they change something: in
// free practice, not in an assignment, whose problems come in their order.
TEST(PracticeScreen, TheFooterOffersOnlyTheKeysThatWork) {
    useEnglish();
    for (const bool inAssignment : {false, true}) {
        CPU cpu;
        if (inAssignment) {
            cpu.setAssignment(practice::readAssignment("gcd 2 3\n"));
            press(cpu, SDLK_a);
            openAskedAssignment(cpu);
        } else {
            cpu.setCurrentMenu(screenName(Screen::part1));
            cpu.setPart1Item("calculate5");
            press(cpu, SDLK_p);
        }
        ASSERT_EQ(shown(cpu), screenName(Screen::practice));
        const std::string footer = practiceKeys(cpu.getPractice());
        for (const auto& [key, offer] : {std::pair{SDLK_RIGHT, "Left/Right"}, std::pair{SDLK_s, "S: skip"}}) {
            const CPU::PracticeShown before = cpu.getPractice();
            press(cpu, key);
            const CPU::PracticeShown after = cpu.getPractice();
            const bool changed = after.skipped != before.skipped || after.problem.level != before.problem.level;
            EXPECT_EQ(footer.find(offer) != std::string::npos, changed) << offer << " in " << footer;
            EXPECT_EQ(changed, !inAssignment) << offer;
        }
    }
}

// An assignment's page is heard under its heading, and with the class
// folder out of reach, heard saying so, as it is drawn.
TEST(PracticeScreen, AnAssignmentsPageIsHeardWithItsHeadingAndTheClassFolder) {
    useEnglish();
    CPU cpu;
    cpu.setAssignment(practice::readAssignment("title Week 3\ngcd 1 2\n"));
    cpu.setClassFolder("/srv/class/7b");
    cpu.setClassUnreachable(true);
    press(cpu, SDLK_a);
    openAskedAssignment(cpu);
    const ScreenReading heard = readScreen(cpu);
    ASSERT_FALSE(heard.title.empty());
    EXPECT_EQ(heard.title[0].rfind("Week 3: problem 1 of 2   ", 0), 0u) << heard.title[0];
    const std::string unreachable = "The class folder cannot be reached: the answers wait here and go there later";
    EXPECT_NE(std::find(heard.messages.begin(), heard.messages.end(), unreachable), heard.messages.end());
}

// Run by tests/program/class_accounts_test.sh as a pupil's account: one
// answer's row goes to the class folder it names, and the program finds
// what the script expects ("sent", or "foreign": the file is another's).
TEST(ClassFolderAccount, AppendsOnlyToItsOwnFile) {
    const char* folder = std::getenv("CALCORA_CLASS_FOLDER");
    const char* expected = std::getenv("CALCORA_CLASS_EXPECT");
    if (!folder || !expected) GTEST_SKIP() << "run by tests/program/class_accounts_test.sh as a pupil";
    TemporaryFolder here{"class-account"};
    PracticeKeeper keeper(UserFile::at((here.path() / "progress").string()), PRACTICE_LOG_FILE, accountPupil(),
                          UserFile::at((here.path() / "assignment").string()));
    std::ostringstream err;
    CPU cpu;
    cpu.setClassFolder(folder);
    keeper.restore(cpu, 5, err);
    cpu.logPractice({"", practice::Exercise::gcd, 1, "q", "6", practice::VerdictKind::correct, 0, practice::Mistake::none});
    keeper.keep(cpu, err);
    const std::string found = cpu.getClassFileForeign() ? "foreign" : cpu.getClassUnreachable() ? "unreachable" : "sent";
    EXPECT_EQ(found, expected) << err.str();
    EXPECT_EQ(cpu.getPracticeRowsWaiting(), found != "sent");
}
