// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
// The workings of chapter 1: natural numbers and integers.
#include "WorkingParts.h"
#include "calc/Divisibility.h"
#include "calc/Primes.h"
#include "calc/Program1.h"
#include "calc/Program2.h"
#include "calc/Program3.h"
#include "calc/Program4.h"
#include "calc/Program5.h"
#include "calc/Program6.h"
#include "calc/Program7.h"

using namespace calc;
using namespace working;

namespace {

constexpr int STRUCK_SHOWN = 4;  // multiples written out per prime before "..."

// "4, 6, 8, 10, ...": the first multiples of p from p*p that do not pass `last`.
std::string struckMultiples(std::int64_t p, std::int64_t last) {
    std::string list;
    std::int64_t multiple = p * p;
    for (int shown = 0; shown < STRUCK_SHOWN && multiple <= last; ++shown, multiple += p)
        list += (shown ? ", " : "") + text(multiple);
    if (multiple <= last) list += ", ...";
    return list;
}

template <class Calculator>
std::vector<std::string> fiveLines(const Calculator& c) {
    return panelLines({c.getSolutionLine1(), c.getSolutionLine2(), c.getSolutionLine3(), c.getSolutionLine4(),
                       c.getSolutionLine5()});
}

}  // namespace

Working remainderWorking(std::int64_t n, std::int64_t k) {
    Program1 p;
    p.calculate(n, k);
    Working w{filled(lang_file->working_remainder_title, {text(n), text(k)}), {}, panelLines({p.getSolution()})};
    if (k == 0) {
        w.steps = {lang_file->working_by_zero};
        return w;
    }
    const Division<std::int64_t> d = divide(n, k);
    const std::string q = text(d.quotient), r = text(d.remainder);
    w.steps = {filled(lang_file->working_remainder_divide, {text(n), text(k), q, r}),
               filled(lang_file->working_remainder_check, {text(k), q, r, text(n)}),
               filled(lang_file->working_remainder_smaller, {r, text(k)})};
    return w;
}

Working primesWorking(std::int64_t from, std::int64_t to) {
    Program2 p;
    p.calculateShownLines(from, to);
    Working w{filled(lang_file->working_primes_title, {text(from), text(to)}), {}, fiveLines(p)};
    const PrimeRange range = primesBetween(from, to);
    const Language& t = *lang_file;
    if (range.beyond_table) {
        w.steps = {filled(t.working_primes_too_far, {text(to)})};
        return w;
    }
    if (from > to) {
        w.steps = {filled(t.working_primes_backwards, {text(from), text(to)}), t.working_saved_results};
        return w;
    }
    if (to < 2) {
        w.steps = {filled(t.working_primes_below_two, {text(to)}), t.working_saved_results};
        return w;
    }
    w.steps = {filled(t.working_primes_sieve, {text(to)}), filled(t.working_primes_strike_each, {text(to)})};
    for (std::int64_t prime : range.striking)
        w.steps.push_back(filled(t.working_primes_strike, {text(prime), struckMultiples(prime, to)}));
    if (range.striking.size() == 0) w.steps.push_back(filled(t.working_primes_nothing, {text(to)}));
    const std::int64_t count = std::int64_t(range.found.size());
    const std::string& counted = countedForm(count, t.working_primes_count_one, t.working_primes_count_few,
                                             t.working_primes_count_many);
    w.steps.push_back(filled(counted, {text(std::max<std::int64_t>(from, 2)), text(to), text(count)}));
    w.steps.push_back(t.working_saved_results);
    return w;
}

Working factorsWorking(std::int64_t n) {
    Program3 p;
    p.calculate(n);
    Working w{filled(lang_file->working_factors_title, {text(n)}), {}, panelLines({p.getSolution()})};
    const std::vector<LadderStep> ladder = factorLadder(n);
    if (ladder.empty()) {
        w.steps = {lang_file->working_factors_too_small};
        return w;
    }
    if (ladder.size() == 1) {
        w.steps = {filled(lang_file->working_factors_prime, {text(n)})};
        return w;
    }
    w.steps = {lang_file->working_factors_ladder};
    for (const LadderStep& rung : ladder)
        w.steps.push_back(text(rung.rest) + " : " + text(rung.prime) + " = " + text(rung.rest / rung.prime));
    return w;
}

namespace {

std::string ruleLine(const DivisibilityTest& t) {
    const Language& l = *lang_file;
    const std::string answer = t.divisible ? l.working_yes : l.working_no;
    const std::string d = text(t.divisor), evidence = text(t.evidence);
    switch (t.rule) {
    case DivisibilityRule::last_digits:
        if (t.digits == 1) return filled(l.working_rule_last_digit, {d, evidence, answer});
        return filled(l.working_rule_last_digits, {d, text(std::int64_t(t.digits)), evidence, answer});
    case DivisibilityRule::digit_sum: return filled(l.working_rule_digit_sum, {d, evidence, answer});
    case DivisibilityRule::alternating_sum: return filled(l.working_rule_alternating, {d, evidence, answer});
    case DivisibilityRule::both_factors:
        return filled(l.working_rule_both, {d, text(t.factors[0]), text(t.factors[1]), answer});
    }
    return {};
}

}  // namespace

Working divisibilityWorking(std::int64_t n) {
    Program4 p;
    p.calculate(n);
    Working w{filled(lang_file->working_divisibility_title, {text(n)}), {},
              panelLines({p.getSolutionLine1(), p.getSolutionLine2()})};
    for (const DivisibilityTest& t : divisibilityTests(n)) w.steps.push_back(ruleLine(t));
    return w;
}

Working gcdWorking(std::int64_t a, std::int64_t b) {
    Program5 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_gcd_title, {text(a), text(b)}), {}, panelLines({p.getSolution()})};
    const Euclid<std::int64_t> e = euclid(a, b);
    w.steps = euclidLines(a, b, e);
    if (!e.divisions.empty()) w.steps.push_back(filled(lang_file->working_gcd_last, {text(e.gcd)}));
    return w;
}

Working lcmWorking(std::int64_t a, std::int64_t b) {
    Program6 p;
    p.calculate(a, b);
    Working w{filled(lang_file->working_lcm_title, {text(a), text(b)}), {}, panelLines({p.getSolution()})};
    if (a == 0 || b == 0) {
        w.steps = {lang_file->working_lcm_zero};
        return w;
    }
    const Euclid<std::int64_t> e = euclid(a, b);
    w.steps = euclidLines(a, b, e);
    w.steps.push_back(filled(lang_file->working_gcd_is, {text(a), text(b), text(e.gcd)}));
    w.steps.push_back(filled(lang_file->working_lcm_is,
                             {text(a), text(b), text(e.gcd), text(lowestCommonMultiple<Integer>(a, b, e.gcd))}));
    return w;
}

Working goldbachWorking(std::int64_t n) {
    Program7 p;
    p.calculate(n);
    Working w{filled(lang_file->working_goldbach_title, {text(n)}), {}, fiveLines(p)};
    const GoldbachPairs pairs = goldbachPairs(n);
    if (!pairs.in_range) {
        w.steps = {lang_file->working_goldbach_range};
        return w;
    }
    if (n % 2 == 1) {
        // Two odd primes make an even sum, so only 2 + (n - 2) can work.
        const bool found = !pairs.smaller_primes.empty();
        w.steps = {filled(lang_file->working_goldbach_odd, {text(n)}),
                   filled(found ? lang_file->working_goldbach_pair : lang_file->working_goldbach_not_prime,
                          {text(n), "2", text(n - 2)})};
    } else {
        w.steps = {filled(lang_file->working_goldbach_search, {text(n / 2), text(n)})};
        for (std::int64_t q : pairs.smaller_primes)
            w.steps.push_back(filled(lang_file->working_goldbach_pair, {text(n), text(q), text(n - q)}));
    }
    w.steps.push_back(filled(lang_file->working_goldbach_count, {text(std::int64_t(pairs.smaller_primes.size()))}));
    w.steps.push_back(lang_file->working_saved_results);
    return w;
}
