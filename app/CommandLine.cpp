#include "CommandLine.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "input/KeyTables.h"

namespace {

const char* const USAGE =
    "Usage: calcora [--help | --version]\n"
    "\n"
    "Calcora, keyboard-driven mathematics for secondary-school pupils:\n"
    "integers and primes, fractions, recurring decimals, lines and vectors.\n"
    "Without options it opens its window.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n";

// After the key list.
const char* const USAGE_END =
    "\n"
    "The results of the prime listing and the Goldbach check are also written\n"
    "to results.txt in the working folder, and a working saved with Enter to\n"
    "working.txt there. The language, full screen, grid lines, size (100%, 150%\n"
    "or 200%) and high contrast chosen in Options are remembered in\n"
    "$XDG_CONFIG_HOME/calcora/settings (else ~/.config/calcora/settings).\n";

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

}  // namespace

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                     std::ostream& err) {
    if (arguments.empty()) return std::nullopt;
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

int finishStandardOutput(int status, std::ostream& err) {
    errno = 0;
    const bool failed = !std::cout.flush() || std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!failed) return status;
    err << "calcora: write error" << (errno ? std::string(": ") + std::strerror(errno) : "") << "\n";
    return 1;
}
