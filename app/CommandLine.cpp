// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "CPU.h"
#include "ClassFolder.h"
#include "GlobalVariables.h"
#include "PracticeFiles.h"
#include "Settings.h"
#include "practice/ClassReport.h"
#include "input/KeyTables.h"

namespace {

const char* const USAGE =
    "Usage: calcora [--help | --version | --practice-seed N]\n"
    "       calcora --class-report FOLDER [--anonymous]\n"
    "       calcora --class-setup FOLDER TEACHER_GROUP\n"
    "\n"
    "Calcora, keyboard-driven mathematics for secondary-school pupils:\n"
    "integers and primes, fractions, recurring decimals, lines and vectors.\n"
    "Without options it opens its window.\n"
    "\n"
    "Options:\n"
    "  -h, --help             print this help and exit\n"
    "      --version          print the version and exit\n"
    "      --practice-seed N  open the window; practice problems follow from the\n"
    "                         whole number N alone, the same for the whole class\n"
    "      --class-report FOLDER\n"
    "                         sum up the class files in FOLDER into class-report.html\n"
    "                         and class-report.csv in the working folder, and exit\n"
    "      --anonymous        with --class-report: pupils as numbers, not names\n"
    "      --class-setup FOLDER TEACHER_GROUP\n"
    "                         make or check FOLDER as a class folder pupils may only\n"
    "                         drop their own files in, say what was set and what is\n"
    "                         wrong, and exit\n"
    "\n";

// After the key list.
const char* const USAGE_END =
    "\n"
    "The results of the prime listing and the Goldbach check are also written\n"
    "to results.txt in the working folder, and a working saved with Enter to\n"
    "working.txt there. The language, full screen, grid lines, size (100%, 150%\n"
    "or 200%) and high contrast chosen in Options are remembered in\n"
    "$XDG_CONFIG_HOME/calcora/settings (else ~/.config/calcora/settings), read\n"
    "after the system-wide $XDG_CONFIG_DIRS/calcora/settings (else\n"
    "/etc/xdg/calcora/settings), which may also name the pupil (pupil=NAME) and\n"
    "a class folder (class-folder=PATH) that every practice row also goes to.\n"
    "Every checked practice answer and every skip is added to practice.csv in\n"
    "the working folder; the levels practised are remembered in\n"
    "$XDG_DATA_HOME/calcora/progress (else ~/.local/share/calcora/progress).\n";

void printUsage(std::ostream& out) {
    out << USAGE;
    printKeyList(out);
    out << USAGE_END;
}

void printVersion(std::ostream& out) {
    out << "calcora " << CALCORA_VERSION << "\n"
        << "Copyright (C) " << CALCORA_COPYRIGHT << "\n"
        << "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

struct Option {
    const char* name;
    void (*answer)(std::ostream&);
};

const Option OPTIONS[] = {{"--help", printUsage}, {"-h", printUsage}, {"--version", printVersion}};

const Option* optionNamed(const std::string& name) {
    for (const Option& option : OPTIONS)
        if (name == option.name) return &option;
    return nullptr;
}

// A whole number from 0 to 2^64 - 1, digits only.
std::optional<std::uint64_t> seedIn(const std::string& text) {
    if (text.empty() || text.size() > 20 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    errno = 0;
    const unsigned long long seed = std::strtoull(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return std::nullopt;
    return std::uint64_t(seed);
}

const char* const SEED_OPTION = "--practice-seed";
const char* const REPORT_OPTION = "--class-report";
const char* const ANONYMOUS_OPTION = "--anonymous";

// The report in the language the settings (else the locale) choose.
int classReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() < 2 || arguments.size() > 3 || (arguments.size() == 3 && arguments[2] != ANONYMOUS_OPTION)) {
        err << "calcora: " << REPORT_OPTION << " takes a folder, and then only " << ANONYMOUS_OPTION << "\n";
        printUsage(err);
        return 2;
    }
    setUpLanguage();
    CPU cpu;
    readSettings(cpu, err);
    return practice::classReport(arguments[1], arguments.size() == 3, out, err);
}

// The class folder made or checked as the teacher's drop box.
const char* const SETUP_OPTION = "--class-setup";
int classSetup(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() != 3) {
        err << "calcora: " << SETUP_OPTION << " takes a folder and the teachers' group\n";
        printUsage(err);
        return 2;
    }
    return ::classSetup(arguments[1], arguments[2], out, err);
}

}  // namespace

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                     std::ostream& err) {
    if (arguments.empty()) return std::nullopt;
    if (arguments.front() == SEED_OPTION) {
        if (const std::optional<std::uint64_t> seed = practiceSeedArgument(arguments)) {
            setPracticeSeed(*seed);
            return std::nullopt;
        }
        err << "calcora: " << SEED_OPTION << " takes one whole number from 0 to 18446744073709551615\n";
        printUsage(err);
        return 2;
    }
    if (arguments.front() == REPORT_OPTION) return classReport(arguments, out, err);
    if (arguments.front() == SETUP_OPTION) return classSetup(arguments, out, err);
    const Option* known = optionNamed(arguments.front());
    if (known && arguments.size() == 1) {
        known->answer(out);
        return 0;
    }
    // Each option stands alone: after one, any further argument is unknown.
    err << "calcora: unknown option '" << arguments[known ? 1 : 0] << "'\n";
    printUsage(err);
    return 2;
}

std::optional<std::uint64_t> practiceSeedArgument(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2 || arguments[0] != SEED_OPTION) return std::nullopt;
    return seedIn(arguments[1]);
}

int finishStandardOutput(int status, std::ostream& err) {
    // A long text fails while it is printed, leaving the write's reason in errno.
    if (std::cout) errno = 0;
    const bool failed = !std::cout.flush() || std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!failed) return status;
    err << "calcora: write error" << (errno ? std::string(": ") + std::strerror(errno) : "") << "\n";
    return 1;
}
