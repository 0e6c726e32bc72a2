// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every exercise, once, in the order of the chapters: its id (practice.csv's
// and the progress file's), its chapter and its number there (the calculate
// button on chapters 1 to 3, the plot on chapter 4). Its name text is
// `practice_name_<id>`; its request follows from chapter and number. The
// tables of each room (the calculations, the workings, the practice forms)
// hold one row per exercise in this order, checked by `followsTheList`.
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>

#include "GlobalVariables.h"
#include "Screens.h"

#define CALCORA_EXERCISES(X)                                                                              \
    X(remainder, 1, 1) X(primes, 1, 2) X(factors, 1, 3) X(divisibility, 1, 4) X(gcd, 1, 5) X(lcm, 1, 6) \
    X(goldbach, 1, 7)                                                                                     \
    X(operations, 2, 1) X(reduce, 2, 2) X(operations_reduced, 2, 3) X(equality, 2, 4)                   \
    X(six_fractions, 2, 5)                                                                                \
    X(mixed, 3, 1) X(recurring, 3, 2) X(comparison, 3, 3) X(egyptian, 3, 4)                              \
    X(lines, 4, 1) X(two_points, 4, 2) X(vectors, 4, 3)

enum class Exercise {
#define CALCORA_EXERCISE_ENUM(id, chapter, number) id,
    CALCORA_EXERCISES(CALCORA_EXERCISE_ENUM)
#undef CALCORA_EXERCISE_ENUM
};

struct ExerciseRow {
    Exercise exercise;
    const char* id;
    int chapter;
    int number;
    std::string Language::*name;
};

inline constexpr ExerciseRow EXERCISES[] = {
#define CALCORA_EXERCISE_ROW(id, chapter, number) {Exercise::id, #id, chapter, number, &Language::practice_name_##id},
    CALCORA_EXERCISES(CALCORA_EXERCISE_ROW)
#undef CALCORA_EXERCISE_ROW
};

constexpr std::size_t EXERCISE_COUNT = std::size(EXERCISES);
// Chapters 1 to 3 are solved on request; chapter 4 is plotted.
constexpr int CHAPTER_COUNT = 4, PLOT_CHAPTER = 4;

constexpr const ExerciseRow& exerciseRow(Exercise e) { return EXERCISES[static_cast<std::size_t>(e)]; }

constexpr int exercisesIn(int chapter) {
    int count = 0;
    for (const ExerciseRow& row : EXERCISES) count += row.chapter == chapter;
    return count;
}

// The exercises solved on request: chapters 1 to 3, the first in the list.
constexpr std::size_t SOLVED_COUNT = EXERCISE_COUNT - exercisesIn(PLOT_CHAPTER);

// The exercise numbered `number` in `chapter`, if there is one.
constexpr std::optional<Exercise> exerciseOn(int chapter, int number) {
    for (const ExerciseRow& row : EXERCISES)
        if (row.chapter == chapter && row.number == number) return row.exercise;
    return std::nullopt;
}

// Chapter by chapter, each numbered from 1 without a gap.
constexpr bool numberedInOrder() {
    int chapter = 1, number = 0;
    for (const ExerciseRow& row : EXERCISES) {
        if (row.chapter == chapter + 1) chapter = row.chapter, number = 0;
        if (row.chapter != chapter || row.number != ++number) return false;
    }
    return chapter == CHAPTER_COUNT;
}
static_assert(numberedInOrder(), "the exercises run chapter by chapter, numbered from 1");

// Whether a room's table has one row per exercise (or per exercise solved
// on request), each naming its exercise, in the list's order.
template <class Row, std::size_t N>
constexpr bool followsTheList(const Row (&rows)[N], std::size_t expected = EXERCISE_COUNT) {
    if (N != expected) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].exercise != static_cast<Exercise>(i)) return false;
    return true;
}

// The plot screen of a chapter 4 exercise, numbered as its plot.
inline std::optional<Screen> plotScreenOf(Exercise e) {
    const ExerciseRow& row = exerciseRow(e);
    if (row.chapter != PLOT_CHAPTER) return std::nullopt;
    return screenAt(static_cast<int>(Screen::part4_program1) + row.number - 1);
}

// The exercise's request and working name: "part2_program3" on chapters 1 to
// 3, the plot screen's name ("part4 program1") on chapter 4.
inline std::string requestName(Exercise e) {
    if (const std::optional<Screen> plot = plotScreenOf(e)) return screenName(*plot);
    const ExerciseRow& row = exerciseRow(e);
    return "part" + std::to_string(row.chapter) + "_program" + std::to_string(row.number);
}
