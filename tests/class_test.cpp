// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The class: the pupil's name, the class file's rows, the teacher's
// assignment.txt and the report over a folder of class files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "app/GlobalVariables.h"
#include "practice/Assignment.h"
#include "practice/ClassFile.h"
#include "practice/ClassReport.h"

using namespace practice;

namespace {

void write(const std::filesystem::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

const char* const HEADER = "pupil,time,exercise,level,problem,answer,verdict,hints\n";

}  // namespace

TEST(ClassFile, ThePupilIsTheChosenNameElseTheFullNameElseTheLogin) {
    EXPECT_EQ(pupilName(" Ola ", "Anna Nowak,room 4,,", "anowak"), "Ola");
    EXPECT_EQ(pupilName("", "Anna Nowak,room 4,,", "anowak"), "Anna Nowak");
    EXPECT_EQ(pupilName("", ",room 4", "anowak"), "anowak");
    EXPECT_EQ(classFilePath("/srv/7b", "anowak"), "/srv/7b/anowak.csv");
    for (const char* login : {"", ".", "..", "a/b"}) EXPECT_EQ(classFilePath("/srv/7b", login), std::nullopt) << login;
}

TEST(ClassFile, ANameTakesLettersPolishOnesTooDigitsBlanksAndHyphensUpToForty) {
    EXPECT_TRUE(typableName("\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82\xC4\x87-Nowak 2"));  // Łukasz Żółć-Nowak 2
    EXPECT_FALSE(typableName("<script>"));
    EXPECT_FALSE(typableName("\xC5"));  // a letter cut in half
    std::string name;
    for (int i = 0; i < 45; ++i) name = typeIntoName(name, i % 2 ? U'\u0105' : U'a');
    EXPECT_EQ(name.size(), 60u);  // 40 letters, half of them two bytes long
    EXPECT_EQ(typeIntoName("Ola", U'='), "Ola");
}

TEST(ClassFile, RowsArePracticeRowsWithThePupilInFrontAndTheMistakeNamed) {
    EXPECT_EQ(classHeader(), HEADER);
    const CsvRow row{"2026-12-09 08:00:00", Exercise::gcd, 1, "Find the GCD of 84 and 126", "10584", VerdictKind::wrong, 0,
                      Mistake::product_not_gcd};
    EXPECT_EQ(classRow("Nowak, \"Ola\"", row),
              "\"Nowak, \"\"Ola\"\"\",2026-12-09 08:00:00,gcd,1,Find the GCD of 84 and 126,10584,wrong:product_not_gcd,0\n");
    EXPECT_EQ(assignmentRow("Ola", "2026-12-09 08:10:00", "Week 3", 2, 5),
              "Ola,2026-12-09 08:10:00,assignment,,Week 3,2/5,progress,0\n");
    EXPECT_EQ(assignmentRow("Ola", "2026-12-09 08:20:00", "", 5, 5), "Ola,2026-12-09 08:20:00,assignment,,,5/5,complete,0\n");
    for (Mistake m = Mistake::added_across; m <= Mistake::one_vector_scaled; m = Mistake(int(m) + 1))
        EXPECT_EQ(mistakeWithId(mistakeId(m)), m);
}

TEST(Assignment, ReadsItsTasksAndNamesEachLineItCannotRead) {
    const Assignment a = readAssignment(
        "\xEF\xBB\xBF# week 3\r\ntitle  Fractions, week 3 \r\nseed 2026\n\ngcd 2 5\ngdc 1 2\nreduce 4 1\n"
        "lcm 1 0\nmixed 1\nseed x\nequality 3 2\n");
    EXPECT_EQ(a.title, "Fractions, week 3");
    EXPECT_EQ(readAssignment("title Week\x1b[2J 3\x7f\ngdc\x07 1 1\n").title, "Week?[2J 3?");
    EXPECT_EQ(describe(readAssignment("gdc\x07 1 1\n").faults.at(0)), "Line 1 of assignment.txt: there is no exercise gdc?");
    EXPECT_EQ(a.seed, 2026u);
    ASSERT_EQ(a.tasks.size(), 2u);
    EXPECT_EQ(a.total(), 7);
    std::vector<std::string> said;
    for (const AssignmentLineFault& f : a.faults) said.push_back(describe(f));
    EXPECT_EQ(said, (std::vector<std::string>{
                        "Line 6 of assignment.txt: there is no exercise gdc",
                        "Line 7 of assignment.txt: the level must be 1, 2 or 3",
                        "Line 8 of assignment.txt: the count must be a whole number from 1 to 100",
                        "Line 9 of assignment.txt: it is not EXERCISE LEVEL COUNT, such as gcd 2 5",
                        "Line 10 of assignment.txt: seed takes one whole number"}));
    // With a seed every pupil gets the same problems, in the tasks' order.
    EXPECT_TRUE(sameQuestion(assignmentProblem(a, 4, 1), assignmentProblem(a, 4, 2)));
    EXPECT_EQ(assignmentProblem(a, 4, 1).exercise, Exercise::gcd);
    EXPECT_EQ(assignmentProblem(a, 5, 1).exercise, Exercise::equality);
    const Assignment own = readAssignment("gcd 3 20\n");
    int differing = 0;
    for (int n = 0; n < 20; ++n) differing += !sameQuestion(assignmentProblem(own, n, 1), assignmentProblem(own, n, 2));
    EXPECT_GT(differing, 10);
}

TEST(ClassReport, CountsAsThePracticeScreenCounts) {
    std::ostringstream err;
    std::string rows = HEADER;
    // Five right and one missed at level 1: mastered; the missed problem
    // answered again after a hint counts once, as not right at first try.
    for (int i = 0; i < 5; ++i) rows += "Ola,2026-12-0" + std::to_string(1 + i % 2) + " 08:00:00,gcd,1,q" + std::to_string(i) + ",6,correct,0\n";
    rows += "Ola,2026-12-02 09:00:00,gcd,1,q9,36,wrong:product_not_gcd,0\n";
    rows += "Ola,2026-12-02 09:01:00,gcd,1,q9,6,correct,1\n";
    rows += "Ola,2026-12-03 09:00:00,gcd,2,r1,,skipped,0\n";
    const std::optional<ClassFileRead> read = readClassFile("ola.csv", rows, err);
    ASSERT_TRUE(read);
    EXPECT_EQ(err.str(), "");
    ASSERT_EQ(read->pupils.size(), 1u);
    const PupilSummary& p = read->pupils[0];
    const ExerciseSummary& s = p.exercises.at(Exercise::gcd);
    EXPECT_EQ(s.mastered, 1);
    EXPECT_EQ(s.answers, 7);
    EXPECT_EQ(s.problems, 6);
    EXPECT_EQ(s.right_first, 5);
    EXPECT_EQ(s.mistakes.at(Mistake::product_not_gcd), 1);
    EXPECT_EQ(p.days.size(), 3u);
}

// A folder of class files as a class leaves it: a hostile name, a formula
// for an answer, a damaged line and a file that is no class file.
TEST(ClassReport, AHostileClassGivesAPageAndATableThatOnlyShowText) {
    testsupport::TemporaryFolder here("class-report");
    const std::filesystem::path folder = here.path() / "7b";
    std::filesystem::create_directory(folder);
    std::string hostile = HEADER, plain = HEADER;
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        hostile += "\"<script>alert(1)</script>\",2026-12-09 08:0" + n + ":00,operations,1,q" + n +
                   ",\"=HYPERLINK(\"\"http://x\"\")\",wrong:added_across,0\n";
        plain += "=cmd|' /C calc'!A0,2026-12-09 08:0" + n + ":00,operations,1,q" + n + ",3/10,wrong:added_across,0\n";
    }
    hostile += "\"<script>alert(1)</script>\",2026-12-09 08:09:00,assignment,,Week 3,2/5,progress,0\n";
    plain += "=cmd|' /C calc'!A0,yesterday,gcd,1,q,6,correct,0\n";
    write(folder / "hostile.csv", hostile);
    write(folder / "plain.csv", plain);
    write(folder / "notes.csv", "a,b\n");
    write(folder / "big.csv", HEADER);
    std::filesystem::resize_file(folder / "big.csv", 65 << 20);  // sparse: over what the report reads
    write(folder / "assignment.txt", "title Week 3\noperations 1 5\n");
    std::ostringstream out, err;
    ASSERT_EQ(classReport(folder.string(), false, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "hostile.csv: 4 rows\nplain.csv: 3 rows\ncalcora: wrote class-report.html and class-report.csv (2 pupils)\n");
    EXPECT_EQ(err.str(), "calcora: cannot read big.csv: it is larger than 67108864 bytes\n"
                         "notes.csv:1: not a class file (its first line is not pupil,time,exercise,level,problem,answer,verdict,hints)\n"
                         "plain.csv:5: the time is not YYYY-MM-DD HH:MM:SS\n"
                         "calcora: " + folder.string() + " cannot tell pupils apart by owner: every class file in it shows the "
                         "folder's owner, " + accountLogin() + ", as its owner\n");
    const std::string page = contents("class-report.html");
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    for (const char* outside : {"<script", "src=", "href", "url(", "@import", "http"})
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    // Both pupils added across three times: the class's recurring mistake.
    EXPECT_NE(page.find("numerators and denominators added separately</td><td>2: "), std::string::npos);
    EXPECT_NE(page.find("2 of 5"), std::string::npos);
    EXPECT_NE(page.find("<li>big.csv was not read: it is larger than 64 MB</li>"), std::string::npos);
    const std::string table = contents("class-report.csv");
    EXPECT_EQ(table.substr(0, 3), "\xEF\xBB\xBF");
    const std::string login = accountLogin();
    EXPECT_NE(table.find("\r\n'=cmd|' /C calc'!A0," + login + ",Operations on fractions,,3,3,0,0,1,0 of 5,plain.csv: damaged lines passed over: 1 (standard error names each)\r\n"),
              std::string::npos) << table;
    EXPECT_NE(table.find("\r\n<script>alert(1)</script>," + login + ",Operations on fractions,,3,3,0,0,1,2 of 5,\r\n"), std::string::npos);
    EXPECT_NE(table.find("\r\n,,,,,,,,,,big.csv was not read: it is larger than 64 MB\r\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "class-report.html"));

    ASSERT_EQ(classReport(folder.string(), true, out, err), 0);
    EXPECT_EQ(contents("class-report.html").find("script"), std::string::npos);
}

TEST(ClassReport, AFolderWithoutPupilsOrThatCannotBeReadGivesOneLineAndOne) {
    testsupport::TemporaryFolder here("class-report-empty");
    std::filesystem::create_directory("empty");
    std::ostringstream out, err;
    EXPECT_EQ(classReport("empty", false, out, err), 1);
    EXPECT_EQ(err.str(), "calcora: no pupil's file (*.csv with the class file's first line) in empty\n");
    std::ostringstream missing;
    EXPECT_EQ(classReport("missing", false, out, missing), 1);
    EXPECT_EQ(missing.str(), "calcora: cannot read the class folder missing: No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists("class-report.html"));
}

namespace {

// The fields of each line of a table, quotes minded.
std::vector<std::size_t> fieldsPerLine(const std::string& table) {
    std::vector<std::size_t> counts;
    std::size_t fields = 1;
    bool quoted = false;
    for (char c : table) {
        if (c == '"') quoted = !quoted;
        if (!quoted && c == ',') ++fields;
        if (!quoted && c == '\n') {
            counts.push_back(fields);
            fields = 1;
        }
    }
    return counts;
}

PupilSummary pupil(const std::string& file, const std::string& login, const std::string& name) {
    PupilSummary p;
    p.file = file;
    p.login = login;
    p.name = name;
    return p;
}

}  // namespace

// A stray quote or binary bytes lose their line alone; names lose invisible
// characters and what is past 40; an empty name shows the login; cells a
// spreadsheet would read as numbers are kept text; every row is as wide as
// the headings, an assignment-only pupil's too.
TEST(ClassReport, ADamagedLineLosesOnlyItselfAndEveryNameIsShownAsText) {
    testsupport::useLanguage("English");
    const std::string row = ",2026-12-09 08:00:00,gcd,1,q,6,correct,0\n";
    std::string rows = HEADER + ("Ola" + row) + ("Ola\"" + row) + std::string("Ola\0\xFF", 5) + row + ("Ola" + row);
    rows += "\xE2\x80\xAEO\xE2\x80\x8Bla" + row + std::string(45, 'x') + row + "1e5" + row + "50%" + row;
    rows += ",2026-12-09 08:09:00,assignment,,Week 3,1/5,progress,0\n";
    std::ostringstream err;
    std::optional<ClassFileRead> read = readClassFile("ola.csv", rows, err);
    ASSERT_TRUE(read);
    EXPECT_EQ(err.str(), "ola.csv:3: a quote is never closed on this line\nola.csv:4: not text (binary bytes or broken UTF-8)\n");
    EXPECT_EQ(read->passed, 2);
    std::vector<std::string> names;
    for (PupilSummary& p : read->pupils) {
        names.push_back(p.name);
        p.login = "ola";
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Ola", std::string(40, 'x'), "1e5", "50%", ""}));
    EXPECT_EQ(read->pupils[0].rows, 3);
    ReportInput in;
    in.pupils = read->pupils;
    in.checks = checksOf(in.pupils, true);
    const std::string table = reportTable(in);
    for (std::size_t fields : fieldsPerLine(table)) EXPECT_EQ(fields, 11u) << table;
    for (const char* start : {"\r\n'1e5,ola,", "\r\n'50%,ola,", "\r\nola,ola,,,0,0,0,,0,1 of 5,\"ola.csv holds rows under 5 names"})
        EXPECT_NE(table.find(start), std::string::npos) << start << table;
    const std::string page = reportPage(in);
    EXPECT_LT(page.find("<h2>Check these files</h2>"), page.find("<h2>Pupils and exercises</h2>"));
    EXPECT_NE(page.find("<th>Ola <span class=\"login\">ola</span></th>"), std::string::npos);
    EXPECT_EQ(reportPage({in.pupils, in.checks, "", {}, 0, true}).find("ola"), std::string::npos);
}

// The owner's login tells who wrote a file: a file of another login, a file
// with several names, one name in several files are each flagged.
TEST(ClassReport, FilesOfAnotherOwnerSharedLoginsAndForgedNamesAreFlagged) {
    testsupport::useLanguage("English");
    const std::vector<PupilSummary> pupils{pupil("anna.csv", "bob", "Anna Nowak"), pupil("bob.csv", "bob", "Anna Nowak"),
                                           pupil("lab1.csv", "lab1", "Ola"), pupil("lab1.csv", "lab1", "Ela")};
    std::vector<std::string> said;
    for (const FileCheck& c : checksOf(pupils, true)) said.push_back(c.text);
    EXPECT_EQ(said, (std::vector<std::string>{
                        "anna.csv belongs to the account bob, not to the login it is named for",
                        "lab1.csv holds rows under 2 names (Ola, Ela): a shared login, or a name typed for another pupil",
                        "The name Anna Nowak appears in several files: anna.csv, bob.csv"}));
    EXPECT_EQ(checksOf(pupils, false).size(), 2u);  // a share of one owner cannot tell whose a file is
}
