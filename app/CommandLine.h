// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's few command-line options, answered without opening a window.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The exit status for `arguments` (argv without the program's name) when they
// are answered here: --help and --version print to `out` and give 0, anything
// else prints the usage to `err` and gives 2; `--class-report FOLDER
// [--anonymous]` writes the teacher's report and gives its status. No arguments, or
// `--practice-seed N` (which sets the practice seed): nothing, and the
// program starts as usual.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                     std::ostream& err);

// The seed when `arguments` are `--practice-seed N` with N a whole number
// from 0 to 2^64 - 1; none otherwise.
std::optional<std::uint64_t> practiceSeedArgument(const std::vector<std::string>& arguments);

// The exit status once the answer has left: what standard output could not
// take (a full disk, a closed pipe) is said on `err` and gives 1, else `status`.
int finishStandardOutput(int status, std::ostream& err);
