// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The one key list: each key in it does one thing in its section, and the
// help, the manual page and the README show exactly that list.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/CommandLine.h"
#include "input/KeyTables.h"

namespace {

std::string fileText(const std::string& relative) {
    std::ifstream in(std::string(CALCORA_SOURCE_DIR) + "/" + relative);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string capitalised(std::string s) {
    if (!s.empty()) s[0] = char(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

// Text as roff prints it: minus signs escaped, a leading dot kept as text.
std::string roff(const std::string& s) {
    std::string out = s[0] == '.' ? "\\&" : "";
    for (char c : s) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

// The KEYS section of the manual page as the key list gives it.
std::string manKeys() {
    std::string out;
    for (const KeySection& section : keyList()) {
        if (*section.where) out += ".SS " + capitalised(section.where) + "\n";
        for (std::size_t i = 0; i < section.rows.size(); ++i)
            out += (i == 0 ? ".TP 14\n" : ".TP\n") + roff(section.rows[i].keys) + "\n" +
                   roff(capitalised(section.rows[i].what)) + ".\n";
    }
    return out;
}

// The README's key table of each section: header, rule and rows.
std::string readmeTable(const KeySection& section) {
    std::string out = "| Key | " + (*section.where ? capitalised(section.where) : std::string("What it does")) + " |\n|---|---|\n";
    for (const KeyRow& row : section.rows) out += "| " + std::string(row.keys) + " | " + row.what + " |\n";
    return out;
}

}  // namespace

// A key listed twice in one section would do only what its first row says.
TEST(KeyList, EachKeyDoesOneThingInItsSection) {
    for (const KeySection& section : keyList()) {
        std::set<std::pair<int, bool>> keys;
        for (const KeyRow& row : section.rows)
            for (const KeyBinding& binding : row.bindings)
                EXPECT_TRUE(keys.insert({binding.key, binding.shifted}).second)
                    << "key " << binding.key << (binding.shifted ? " with Shift" : "") << " twice, again in " << row.keys;
    }
}

// The help names W, the working screen's keys and working.txt, and the numpad.
TEST(KeyList, TheHelpShowsTheList) {
    std::ostringstream out, err;
    ASSERT_EQ(answerCommandLine({"--help"}, out, err), 0);
    const std::string help = out.str();
    for (const char* expected : {"\n  W                    show the working", "\nKeys on the working screen:\n",
                                 "\n  Page Up / Page Down  scroll by a page\n", "\n  Escape or W  ", "working.txt",
                                 "numpad ."})
        EXPECT_NE(help.find(expected), std::string::npos) << expected << " not in\n" << help;
    // Every description starts in one column, apart from its keys, which
    // stand on its line or, when too long for the column, on the line above.
    const std::size_t DESCRIPTIONS = 23;
    for (const KeySection& section : keyList())
        for (const KeyRow& row : section.rows) {
            const std::size_t at = help.find(std::string(row.what) + "\n");
            ASSERT_NE(at, std::string::npos) << row.what;
            const std::size_t line = help.rfind('\n', at) + 1, above = help.rfind('\n', line - 2) + 1;
            EXPECT_EQ(at - line, DESCRIPTIONS) << help.substr(line, at - line) << row.what;
            const std::string keys = help.substr(line, at - line), keysAbove = help.substr(above, line - 1 - above);
            EXPECT_TRUE(keys.find(std::string(row.keys) + "  ") == 2 ||
                        (keys == std::string(DESCRIPTIONS, ' ') && keysAbove == "  " + std::string(row.keys)))
                << keysAbove << "\n" << keys << row.what;
        }
}

TEST(KeyList, TheManualPageShowsTheList) {
    const std::string page = fileText("dist/calcora.1.in");
    const std::size_t start = page.find(".SH KEYS\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t from = start + 9, to = page.find("\n.SH ", from) + 1;
    EXPECT_EQ(page.substr(from, to - from), manKeys()) << "the KEYS section should read:\n" << manKeys();
}

TEST(KeyList, TheReadmeShowsTheList) {
    const std::string readme = fileText("README.md");
    for (const KeySection& section : keyList()) {
        const std::string table = readmeTable(section);
        const std::size_t at = readme.find(table.substr(0, table.find('\n') + 1));
        ASSERT_NE(at, std::string::npos) << "no table headed " << table.substr(0, table.find('\n'));
        const std::size_t end = readme.find("\n\n", at);
        EXPECT_EQ(readme.substr(at, end + 1 - at), table) << "the README's table should read:\n" << table;
    }
}
