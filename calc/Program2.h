// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lists and counts the primes of a range, cut into five lines of 100.
#include <cstddef>
#include <cstdint>

#include "Answer.h"
#include "LineCut.h"

class Program2 : public calc::AnswerWithLines<5> {
public:
    // Both ends count. A start below 2 starts at 2; an end above the
    // table's 1000000 gets the range message as the whole text.
    void calculate(std::int64_t start_at, std::int64_t finish_at);
    // The same five lines, with the solution text holding only as much of
    // the listing as they show: for a working, which shows those lines
    // alone (the full range's whole text is 600 kB).
    void calculateShownLines(std::int64_t start_at, std::int64_t finish_at);

private:
    static constexpr std::size_t LINE_LENGTH = 100;

    // The listing, all of it or as far as the five lines show it.
    void list(std::int64_t start_at, std::int64_t finish_at, bool shownOnly);
};
