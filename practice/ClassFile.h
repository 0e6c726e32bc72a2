// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class file: every practice row of one pupil, in the class folder the
// teacher shares, as <login>.csv. Its columns are practice.csv's with the
// pupil's name in front; a wrong answer's verdict names the likely mistake
// ("wrong:product_not_gcd"), and the assignment's completion is a row of
// its own (exercise "assignment", no level, the title as the problem,
// "DONE/TOTAL" as the answer, verdict "progress" or "complete", no hints).
#include <cstdint>
#include <optional>
#include <string>

#include "practice/Practice.h"

namespace practice {

// The name a pupil's rows go under: the one chosen in Options, else the
// account's full name (the passwd entry's GECOS field up to its first comma),
// else the login. Blanks around each are dropped.
std::string pupilName(const std::string& chosen, const std::string& fullName, const std::string& login);
// The account's login and its GECOS field ("" when there is no passwd entry).
std::string accountLogin();
std::string accountGecos();

// Whether `name` may stand as a typed pupil's name: letters (Polish ones
// included, in UTF-8), digits, blanks and hyphens, at most PUPIL_NAME_LONGEST
// characters.
constexpr std::size_t PUPIL_NAME_LONGEST = 40;
bool typableName(const std::string& name);
// The name after one typed character (a Unicode code point): appended when
// the name stays typable, else the name as it was.
std::string typeIntoName(const std::string& name, char32_t typed);
// The name without its last character (all the bytes of a Polish letter).
std::string withoutLastCharacter(const std::string& name);
// A typed name as it is kept: without the blanks around it, "" (no name
// chosen) when it is only blanks.
std::string keptName(const std::string& typed);

// Text a class folder's file gave, for a terminal or a page: control
// characters (an escape sequence a pupil put in a name or a file's name) as '?'.
std::string printable(std::string text);
// Whether a line of a class file is text: UTF-8, no NUL.
bool isText(const std::string& line);
// A name as the report takes it from a class file's row: zero-width and
// bidirectional control characters removed, control characters as '?', at
// most PUPIL_NAME_LONGEST characters, without the blanks around it.
std::string nameAsRead(const std::string& field);

// The class file of `login` in `folder`; none for a login that cannot be a
// file's name there ("", ".", "..", or one with a slash).
std::optional<std::string> classFilePath(const std::string& folder, const std::string& login);

// A seed of the pupil's own, the same in every run: an assignment without
// a seed of its own gives each pupil their own problems from it.
std::uint64_t nameSeed(const std::string& name);

// The mistake's fixed id in the class file, "product_not_gcd"; "" for none.
std::string mistakeId(Mistake m);
std::optional<Mistake> mistakeWithId(const std::string& id);
// The mistake's short name as a teacher reads it, in the language shown.
std::string mistakeName(Mistake m);

std::string classHeader();  // "pupil,time,exercise,level,problem,answer,verdict,hints\n"
// The class file's row for practice.csv's row `row` under `pupil`; "" where
// practice.csv has none.
std::string classRow(const std::string& pupil, const CsvRow& row);
// The assignment's completion after `done` of its `total` problems.
std::string assignmentRow(const std::string& pupil, const std::string& time, const std::string& title, int done,
                          int total);
constexpr const char* ASSIGNMENT_EXERCISE = "assignment";

}  // namespace practice
