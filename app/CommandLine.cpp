#include "CommandLine.h"

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
    "to results.txt in the working folder.\n";

void printUsage(std::ostream& out) {
    out << USAGE;
    printKeyList(out);
    out << USAGE_END;
}
void printVersion(std::ostream& out) { out << "calcora " << CALCORA_VERSION << "\n"; }

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
