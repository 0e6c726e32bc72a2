// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the pupil can see, once: the member of `Language` that holds it,
// its English wording and its Polish wording (plain ASCII, no diacritics).
// The text table, its members and its count are all generated from this list.
#define CALCORA_TEXTS(X) \
    X(start_screen_line1, "1. Natural numbers and integers", "1. Liczby naturalne i calkowite") \
    X(start_screen_line2, "2. Fractions and rational numbers - part 1", "2. Ulamki i liczby wymierne - czesc 1") \
    X(start_screen_line3, "3. Fractions and rational numbers - part 2", "3. Ulamki i liczby wymierne - czesc 2") \
    X(start_screen_line4, "4. Linear functions and vectors", "4. Funkcje liniowe i wektory") \
    X(start_screen_line5, "Options", "Opcje") \
    X(start_screen_line6, "About program", "O programie") \
    X(start_screen_line7, "Exit", "Wyjscie") \
    X(start_screen_language1, "zmien na:", "change to:") \
    X(start_screen_language2, "POLSKI", "ENGLISH") \
    X(part4_line1, "Linear functions and vectors", "Funckje liniowe i wektory") \
    X(part4_line2, "1. Draw 1-3 straight lines", "1. Rysowanie 1-3 prostych") \
    X(part4_line3, "2. Draw a straight line through 2 points", "2. Narysuj prosta przechodzaca przez 2 punkty") \
    X(part4_line4, "3. Draw 1-2 vectors", "3. Narysuj 1-2 dowolnych wektorow") \
    X(part4_line5, "Back", "Powrot") \
    X(options_line1, "Options", "Opcje") \
    X(options_line2, "Fullscreen: ", "Pelen ekran: ") \
    X(options_line3, "Grid on the chart: ", "Kratki na wykresie: ") \
    X(options_line4, "Back", "Powrot") \
    X(options_fullscreen_on, "on", "wlaczony") \
    X(options_fullscreen_off, "off", "wylaczony") \
    X(options_gridlines_on, "on", "wlaczone") \
    X(options_gridlines_off, "off", "wylaczone") \
    X(options_size, "Size: ", "Rozmiar: ") \
    X(options_high_contrast, "High contrast: ", "Wysoki kontrast: ") \
    X(options_high_contrast_on, "on", "wl") \
    X(options_high_contrast_off, "off", "wyl") \
    X(options_controls, "controls:", "klawisze:") \
    X(options_key1, "arrow keys - move around the program", "strzalki - poruszanie sie po programie") \
    X(options_key2, "enter - validate", "enter - zawierdz") \
    X(options_key3, "delete - remove entered data", "delete - usun wpisane dane") \
    X(options_key4, "space key - change language", "spacja - zmien jezyk") \
    X(options_key5, "escape - back to previous screen", "escape - powrot do poprzedniego ekranu") \
    X(about_line1, "About program", "O programie") \
    X(about_line2, "Created by:", "Stworzony przez:") \
    X(about_line3, "The Calcora team", "The Calcora team") \
    X(about_line4, "", "") \
    X(about_line5, "as addition to book:", "jako dodatek do ksiazki:") \
    X(about_line6, "Mathematics for secondary schools", "Matematyka dla szkol srednich") \
    X(about_line7, "written by a team of mathematics teachers", "napisanej przez zespol nauczycieli matematyki") \
    X(_back, "Back", "Powrot") \
    X(to_remove_data_press, "To remove data press", "Aby usunac dane wcisnij") \
    X(_delete, "Delete", "Delete") \
    X(results_from, "Results from tasks 2 and 7 are saved to file results.txt", "Wyniki z zadan 2 oraz 7 sa zapisywane do pliku results.txt") \
    X(practice_name_remainder, "Remainder", "Reszta z dzielenia") \
    X(practice_name_primes, "Primes in a range", "Liczby pierwsze w przedziale") \
    X(practice_name_factors, "Prime factors", "Rozklad na czynniki pierwsze") \
    X(practice_name_divisibility, "Divisibility", "Podzielnosc") \
    X(practice_name_gcd, "GCD - greatest common divisor", "NWD - najwiekszy wspolny dzielnik") \
    X(practice_name_lcm, "LCM - lowest common multiple", "NWW - najmniejsza wspolna wielokrotnosc") \
    X(practice_name_goldbach, "Goldbach's conjecture", "Hipoteza Goldbacha") \
    X(practice_name_operations, "Operations on fractions", "Dzialania na ulamkach") \
    X(practice_name_reduce, "Reducing a fraction", "Skracanie ulamka") \
    X(practice_name_operations_reduced, "Operations on fractions, reduced", "Dzialania na ulamkach ze skracaniem") \
    X(practice_name_equality, "Equal fractions", "Rowne ulamki") \
    X(practice_name_six_fractions, "Fractions in lowest terms", "Ulamki w najprostszej postaci") \
    X(practice_name_mixed, "Mixed numbers", "Liczby mieszane") \
    X(practice_name_recurring, "Recurring decimals", "Ulamki okresowe") \
    X(practice_name_comparison, "Comparing fractions", "Porownywanie ulamkow") \
    X(practice_name_egyptian, "Egyptian fractions", "Ulamki egipskie") \
    X(practice_name_lines, "Where lines cross", "Punkt przeciecia prostych") \
    X(practice_name_two_points, "Line through two points", "Prosta przez dwa punkty") \
    X(practice_name_vectors, "Vectors", "Wektory") \
    X(practice_ask_remainder, "Find the remainder of {1} divided by {2}", "Oblicz reszte z dzielenia {1} przez {2}") \
    X(practice_ask_primes, "How many primes are there from {1} to {2}?", "Ile jest liczb pierwszych od {1} do {2}?") \
    X(practice_ask_factors, "Write {1} as a product of primes, e.g. 12 = 2^2*3", "Zapisz {1} jako iloczyn liczb pierwszych, np. 12 = 2^2*3") \
    X(practice_ask_divisibility, "Is {1} divisible by {2}? Type Y or N", "Czy liczba {1} jest podzielna przez {2}? Wpisz T lub N") \
    X(practice_ask_gcd, "Find the greatest common divisor of {1} and {2}", "Znajdz najwiekszy wspolny dzielnik liczb {1} i {2}") \
    X(practice_ask_lcm, "Find the lowest common multiple of {1} and {2}", "Znajdz najmniejsza wspolna wielokrotnosc liczb {1} i {2}") \
    X(practice_ask_goldbach, "Write {1} as the sum of two primes, e.g. 10 = 3+7", "Zapisz {1} jako sume dwoch liczb pierwszych, np. 10 = 3+7") \
    X(practice_ask_operations, "Work out {1}", "Oblicz {1}") \
    X(practice_ask_operations_reduced, "Work out {1} and reduce the result", "Oblicz {1} i skroc wynik") \
    X(practice_ask_reduce, "Reduce {1} to lowest terms", "Skroc ulamek {1} do najprostszej postaci") \
    X(practice_ask_equality, "Are {1} and {2} equal? Type Y or N", "Czy ulamki {1} i {2} sa rowne? Wpisz T lub N") \
    X(practice_ask_six_fractions, "Reduce each fraction to lowest terms: {1}", "Skroc kazdy ulamek do najprostszej postaci: {1}") \
    X(practice_ask_mixed, "Write {1} as a mixed number", "Zapisz {1} jako liczbe mieszana") \
    X(practice_ask_recurring, "Write {1} as a fraction in lowest terms", "Zapisz {1} jako ulamek zwykly w najprostszej postaci") \
    X(practice_ask_comparison, "Compare {1} and {2}: type <, > or =", "Porownaj ulamki {1} i {2}: wpisz <, > lub =") \
    X(practice_ask_egyptian, "Write {1} as a sum of different unit fractions, e.g. 3/4 = 1/2+1/4", "Zapisz {1} jako sume roznych ulamkow o liczniku 1, np. 3/4 = 1/2+1/4") \
    X(practice_ask_lines, "Lines 1: y = {1}, 2: y = {2}, 3: y = {3}. Where do lines {4} and {5} cross? (N: parallel)", "Proste 1: y = {1}, 2: y = {2}, 3: y = {3}. Gdzie przecinaja sie proste {4} i {5}? (N: rownolegle)") \
    X(practice_ask_two_points, "Find a and b of the line y = ax + b through ({1}, {2}) and ({3}, {4})", "Znajdz a i b prostej y = ax + b przechodzacej przez ({1}, {2}) i ({3}, {4})") \
    X(practice_ask_vectors, "w1 = [{1}, {2}], w2 = [{3}, {4}]: find the components of {5}w1 + {6}w2", "w1 = [{1}, {2}], w2 = [{3}, {4}]: podaj wspolrzedne wektora {5}w1 + {6}w2") \
    X(practice_label_answer, "answer:", "odpowiedz:") \
    X(practice_label_gcd, "GCD =", "NWD =") \
    X(practice_label_lcm, "LCM =", "NWW =") \
    X(practice_label_whole, "whole part:", "czesc calkowita:") \
    X(practice_fraction, "fraction {1}", "ulamek {1}") \
    X(practice_correct, "Correct", "Dobrze") \
    X(practice_correct_because, "Correct: {1}", "Dobrze: {1}") \
    X(practice_form, "Right value, wrong form: {1}", "Dobra wartosc, zla postac: {1}") \
    X(practice_wrong, "Not quite: {1}", "Nie calkiem: {1}") \
    X(practice_wrong_plain, "Not quite: try again, or press H for a hint", "Nie calkiem: sprobuj jeszcze raz albo wcisnij H, by dostac podpowiedz") \
    X(practice_unreadable, "Cannot read that: {1}", "Nie rozumiem: {1}") \
    X(practice_expect_whole, "write a whole number like 12", "wpisz liczbe calkowita, np. 12") \
    X(practice_expect_fraction, "write a fraction like 3/4", "wpisz ulamek, np. 3/4") \
    X(practice_expect_number, "write a number like -2, 3/4 or 0.5", "wpisz liczbe, np. -2, 3/4 lub 0.5") \
    X(practice_expect_yes_no, "type Y for yes or N for no", "wpisz T (tak) lub N (nie)") \
    X(practice_expect_comparison, "type <, > or =", "wpisz <, > lub =") \
    X(practice_expect_product, "write primes joined by *, like 2^3*5", "wpisz liczby pierwsze polaczone znakiem *, np. 2^3*5") \
    X(practice_expect_two_primes, "write two primes joined by +, like 3+7", "wpisz dwie liczby pierwsze polaczone znakiem +, np. 3+7") \
    X(practice_expect_units, "write fractions joined by +, like 1/2+1/5", "wpisz ulamki polaczone znakiem +, np. 1/2+1/5") \
    X(practice_expect_mixed, "write the whole part, then the numerator and the denominator of the rest", "wpisz czesc calkowita, a potem licznik i mianownik reszty") \
    X(practice_expect_crossing, "write x and y of the crossing, or N if the lines are parallel", "wpisz x i y punktu przeciecia albo N, jesli proste sa rownolegle") \
    X(practice_zero_denominator, "a denominator cannot be 0", "mianownik nie moze byc rowny 0") \
    X(practice_not_lowest, "{1} can still be reduced", "{1} mozna jeszcze skrocic") \
    X(practice_not_decimal, "write a fraction, not a decimal", "wpisz ulamek zwykly, nie dziesietny") \
    X(practice_not_proper, "the fraction part {1} is not less than 1", "czesc ulamkowa {1} nie jest mniejsza od 1") \
    X(practice_not_prime, "{1} is not prime", "{1} nie jest liczba pierwsza") \
    X(practice_not_unit, "{1} is not a unit fraction (numerator 1)", "{1} nie ma licznika 1") \
    X(practice_added_across, "numerators and denominators are not added or subtracted separately: use a common denominator", "licznikow i mianownikow nie dodaje sie ani nie odejmuje osobno: sprowadz do wspolnego mianownika") \
    X(practice_product_not_lcm, "{1} is the product; the lowest common multiple is smaller", "{1} to iloczyn; najmniejsza wspolna wielokrotnosc jest mniejsza") \
    X(practice_product_not_gcd, "{1} is the product of the two numbers; the greatest common divisor divides both of them", "{1} to iloczyn tych liczb; najwiekszy wspolny dzielnik dzieli obie z nich") \
    X(practice_lcm_not_gcd, "{1} is the lowest common multiple, not the greatest common divisor", "{1} to najmniejsza wspolna wielokrotnosc, a nie najwiekszy wspolny dzielnik") \
    X(practice_gcd_not_lcm, "{1} is the greatest common divisor, not the lowest common multiple", "{1} to najwiekszy wspolny dzielnik, a nie najmniejsza wspolna wielokrotnosc") \
    X(practice_not_greatest, "{1} divides both, but there is a greater common divisor", "{1} dzieli obie liczby, ale jest wiekszy wspolny dzielnik") \
    X(practice_not_lowest_multiple, "{1} is a common multiple, but not the lowest", "{1} jest wspolna wielokrotnoscia, ale nie najmniejsza") \
    X(practice_quotient, "{1} is the quotient; the remainder is what is left over", "{1} to iloraz; reszta to to, co zostaje") \
    X(practice_slope_upside_down, "the slope is (y2 - y1)/(x2 - x1), not (x2 - x1)/(y2 - y1)", "wspolczynnik kierunkowy to (y2 - y1)/(x2 - x1), a nie (x2 - x1)/(y2 - y1)") \
    X(practice_sign_of_b, "a is right; check the sign of b", "a jest dobrze; sprawdz znak b") \
    X(practice_not_turned_over, "to divide, multiply by the second fraction turned over", "aby podzielic, pomnoz przez odwrotnosc drugiego ulamka") \
    X(practice_factors_product, "your factors multiply to {1}, not {2}", "twoje czynniki daja iloczyn {1}, a nie {2}") \
    X(practice_sum_wrong, "{1} makes {2}, not {3}", "{1} daje {2}, a nie {3}") \
    X(practice_unit_repeated, "{1} appears more than once: the unit fractions must all differ", "{1} wystepuje wiecej niz raz: ulamki musza byc rozne") \
    X(practice_units_sum_wrong, "your fractions add up to {1}, not {2}", "twoje ulamki daja w sumie {1}, a nie {2}") \
    X(practice_one_vector_scaled, "multiply both vectors by their factors before adding", "pomnoz oba wektory przez ich wspolczynniki, zanim je dodasz") \
    X(practice_method_remainder, "Find the largest multiple of the divisor not above the number; the remainder is what is left", "Znajdz najwieksza wielokrotnosc dzielnika nie wieksza od liczby; reszta to to, co zostaje") \
    X(practice_method_primes, "Strike the multiples of 2, 3, 5, 7, ... and count what is left in the range; 1 is not prime", "Skreslaj wielokrotnosci 2, 3, 5, 7, ... i policz, co zostalo w przedziale; 1 nie jest liczba pierwsza") \
    X(practice_method_factors, "Divide by the smallest prime that divides, again and again, until 1 is left", "Dziel przez najmniejsza liczbe pierwsza, ktora dzieli, az zostanie 1") \
    X(practice_method_divisibility, "Use the rule of the divisor: its last digits, the digit sum, or two divisors at once", "Uzyj cechy podzielnosci: ostatnie cyfry, suma cyfr albo dwa dzielniki naraz") \
    X(practice_method_gcd, "Euclid: divide with remainder, then divide the divisor by the remainder, until the remainder is 0", "Euklides: dziel z reszta, potem dzielnik przez reszte, az reszta bedzie rowna 0") \
    X(practice_method_lcm, "LCM(a, b) = a * b / GCD(a, b)", "NWW(a, b) = a * b / NWD(a, b)") \
    X(practice_method_goldbach, "Try the primes p up to n/2: is n - p prime too?", "Sprawdzaj liczby pierwsze p do n/2: czy n - p tez jest pierwsza?") \
    X(practice_method_operations, "+ and -: a common denominator; *: numerators times numerators, denominators times denominators; division: times the second turned over", "+ i -: wspolny mianownik; *: licznik razy licznik, mianownik razy mianownik; dzielenie: razy odwrotnosc drugiego") \
    X(practice_method_reduce, "Divide the numerator and the denominator by their greatest common divisor", "Podziel licznik i mianownik przez ich najwiekszy wspolny dzielnik") \
    X(practice_method_equality, "Multiply crosswise: a/b = c/d exactly when a * d = b * c", "Mnoz na krzyz: a/b = c/d dokladnie wtedy, gdy a * d = b * c") \
    X(practice_method_mixed, "Divide the numerator by the denominator: the quotient is the whole part, the remainder the new numerator", "Podziel licznik przez mianownik: iloraz to czesc calkowita, reszta to nowy licznik") \
    X(practice_method_recurring, "Multiply by powers of 10 so that the repeating digits line up, subtract, then reduce", "Pomnoz przez potegi 10 tak, by powtarzajace sie cyfry sie pokryly, odejmij i skroc") \
    X(practice_method_comparison, "Multiply crosswise: compare a * d with c * b", "Mnoz na krzyz: porownaj a * d z c * b") \
    X(practice_method_egyptian, "Take away the largest unit fraction below what is left, until a unit fraction is left", "Odejmuj najwiekszy ulamek o liczniku 1 mniejszy od reszty, az zostanie ulamek o liczniku 1") \
    X(practice_method_lines, "Where lines cross both give the same y: solve a1x + b1 = a2x + b2; equal slopes never cross", "W punkcie przeciecia obie daja to samo y: rozwiaz a1x + b1 = a2x + b2; rowne a oznaczaja proste rownolegle") \
    X(practice_method_two_points, "a = (y2 - y1)/(x2 - x1), then b = y1 - a * x1", "a = (y2 - y1)/(x2 - x1), potem b = y1 - a * x1") \
    X(practice_method_vectors, "Multiply each vector by its factor, then add the x parts and the y parts", "Pomnoz kazdy wektor przez jego wspolczynnik, potem dodaj x do x i y do y") \
    X(practice_first_remainder, "{1} * {2} = {3} is the largest multiple of {1} not above {4}", "{1} * {2} = {3} to najwieksza wielokrotnosc {1} nie wieksza od {4}") \
    X(practice_first_lines, "Set {1} = {2} and find x", "Przyrownaj {1} = {2} i wyznacz x") \
    X(practice_heading, "{1}, level {2}", "{1}, poziom {2}") \
    X(practice_next, "Enter: the next problem", "Enter: nastepne zadanie") \
    X(practice_skipped, "Skipped: it comes back soon", "Pominiete: wroci niedlugo") \
    X(practice_rows_waiting, "Answers are waiting to be saved", "Odpowiedzi czekaja na zapisanie") \
    X(practice_hint_stage, "Hint {1} of {2}:", "Podpowiedz {1} z {2}:") \
    X(practice_mastered, "Levels mastered:", "Opanowane poziomy:") \
    X(practice_keys, "Enter: check   H: hint   S: skip   Left/Right on an empty answer: level   Space: language   Escape: back", "Enter: sprawdz   H: podpowiedz   S: pomin   Lewo/Prawo przy pustej odpowiedzi: poziom   Spacja: jezyk   Escape: powrot") \
    X(practice_offer, "P: practise", "P: cwicz") \
    X(class_recorded_as, "Recorded as: {1}", "Zapisywane jako: {1}") \
    X(class_unreachable, "The class folder cannot be reached: the answers wait here and go there later", "Folder klasy jest niedostepny: odpowiedzi czekaja tutaj i trafia tam pozniej") \
    X(options_name, "Name: ", "Imie: ") \
    X(options_name_typing, "Type your name, then Enter; Escape leaves it as it was", "Wpisz swoje imie i wcisnij Enter; Escape zostawia je bez zmian") \
    X(assignment_offer, "A: assignment ({1} of {2})", "A: zestaw zadan ({1} z {2})") \
    X(assignment_untitled, "Assignment", "Zestaw zadan") \
    X(assignment_at, "{1}: problem {2} of {3}", "{1}: zadanie {2} z {3}") \
    X(assignment_done, "{1}: complete, well done", "{1}: ukonczony, brawo") \
    X(assignment_line_error, "Line {1} of assignment.txt: {2}", "Wiersz {1} pliku assignment.txt: {2}") \
    X(assignment_not_task, "it is not EXERCISE LEVEL COUNT, such as gcd 2 5", "to nie CWICZENIE POZIOM LICZBA, np. gcd 2 5") \
    X(assignment_unknown_exercise, "there is no exercise {1}", "nie ma cwiczenia {1}") \
    X(assignment_bad_level, "the level must be 1, 2 or 3", "poziom musi byc rowny 1, 2 lub 3") \
    X(assignment_bad_count, "the count must be a whole number from 1 to 100", "liczba zadan musi byc calkowita od 1 do 100") \
    X(assignment_bad_seed, "seed takes one whole number", "po seed musi stac jedna liczba calkowita") \
    X(report_title, "Class report", "Raport klasy") \
    X(report_summary, "Pupils: {1}. Answers: {2}. Made on {3}.", "Uczniowie: {1}. Odpowiedzi: {2}. Sporzadzono {3}.") \
    X(report_grid, "Pupils and exercises", "Uczniowie i cwiczenia") \
    X(report_legend, "Each cell: the level mastered, the answers given and the share right at the first try. Colour says the same: green 80% or more, yellow 50% to 79%, red below 50%.", "W kazdej kratce: opanowany poziom, liczba odpowiedzi i odsetek dobrych za pierwszym razem. Kolor mowi to samo: zielony od 80%, zolty od 50% do 79%, czerwony ponizej 50%.") \
    X(report_pupil, "Pupil", "Uczen") \
    X(report_pupil_number, "Pupil {1}", "Uczen {1}") \
    X(report_assignment, "Assignment", "Zestaw zadan") \
    X(report_days, "Days practised", "Dni cwiczen") \
    X(report_level, "level {1}", "poziom {1}") \
    X(report_no_level, "no level yet", "bez poziomu") \
    X(report_answers, "answers: {1}", "odpowiedzi: {1}") \
    X(report_first_try, "{1}% right at the first try", "{1}% dobrze za pierwszym razem") \
    X(report_done_of, "{1} of {2}", "{1} z {2}") \
    X(report_complete, "complete", "ukonczony") \
    X(report_mistakes, "Frequent mistakes", "Czeste bledy") \
    X(report_mistakes_note, "A mistake counts for a pupil only when it recurs: one slip names nobody.", "Blad liczy sie u ucznia dopiero wtedy, gdy sie powtarza: jedna pomylka nikogo nie wskazuje.") \
    X(report_no_mistakes, "No named mistake recurs.", "Zaden nazwany blad sie nie powtarza.") \
    X(report_exercise, "Exercise", "Cwiczenie") \
    X(report_mistake, "Mistake", "Blad") \
    X(report_pupils, "Pupils", "Uczniowie") \
    X(report_level_mastered, "level mastered", "opanowany poziom") \
    X(report_answers_given, "answers", "odpowiedzi") \
    X(report_problems, "problems answered", "zadania z odpowiedzia") \
    X(report_right_first, "right at the first try", "dobrze za pierwszym razem") \
    X(report_right_share, "right at the first try (%)", "dobrze za pierwszym razem (%)") \
    X(mistake_added_across, "numerators and denominators added separately", "liczniki i mianowniki dodane osobno") \
    X(mistake_product_not_lcm, "the product given for the LCM", "iloczyn zamiast NWW") \
    X(mistake_product_not_gcd, "the product given for the GCD", "iloczyn zamiast NWD") \
    X(mistake_gcd_lcm_swapped, "GCD and LCM swapped", "NWD i NWW zamienione") \
    X(mistake_not_greatest_divisor, "a common divisor, not the greatest", "wspolny dzielnik, ale nie najwiekszy") \
    X(mistake_not_lowest_multiple, "a common multiple, not the lowest", "wspolna wielokrotnosc, ale nie najmniejsza") \
    X(mistake_quotient_not_remainder, "the quotient given for the remainder", "iloraz zamiast reszty") \
    X(mistake_slope_upside_down, "the slope upside down", "odwrocony wspolczynnik kierunkowy") \
    X(mistake_sign_of_b, "the wrong sign of b", "zly znak b") \
    X(mistake_not_turned_over, "division without turning the second fraction over", "dzielenie bez odwrocenia drugiego ulamka") \
    X(mistake_factors_product, "factors that multiply to another number", "czynniki o innym iloczynie") \
    X(mistake_factor_not_prime, "a factor that is not prime", "czynnik, ktory nie jest liczba pierwsza") \
    X(mistake_term_not_prime, "a term that is not prime", "skladnik, ktory nie jest liczba pierwsza") \
    X(mistake_sum_wrong, "two primes with another sum", "dwie liczby pierwsze o innej sumie") \
    X(mistake_unit_repeated, "a unit fraction used twice", "powtorzony ulamek o liczniku 1") \
    X(mistake_units_sum_wrong, "unit fractions with another sum", "ulamki o innej sumie") \
    X(mistake_one_vector_scaled, "only one vector multiplied by its factor", "tylko jeden wektor pomnozony przez wspolczynnik") \
    X(part1_program1_line1, "1. Calculate the rest r by dividing n by k", "1. Oblicz reszte r z dzielenia n przez k") \
    X(part1_program1_line2, "n = k * m + r", "n = k * m + r") \
    X(part1_program1_line3, "n =", "n =") \
    X(part1_program1_line4, "k =", "k =") \
    X(part1_program1_line5, "calculate1", "oblicz1") \
    X(part1_program2_line1, "Prime numbers (sieve of Eratosthenes)", "2. Liczby pierwsze (sito Eratostenesa)") \
    X(part1_program2_line2, "List prime numbers", "Wypisz liczby pierwsze") \
    X(part1_program2_line3, "from", "od") \
    X(part1_program2_line4, "to", "do") \
    X(part1_program2_line5, "calculate2", "oblicz2") \
    X(part1_program3_line1, "3. Distribution of a natural number to prime divisors", "3. Rozklad liczby naturalnej na dzielniki pierwsze") \
    X(part1_program3_line2, "Enter number", "Wpisz liczbe") \
    X(part1_program3_line3, "calculate3", "oblicz3") \
    X(part1_program4_line1, "4. Can a given number be divided by:", "4. Czy dana liczba jest podzielna przez:") \
    X(part1_program4_line2, "2, 3, 4, 5, 8, 9, 11, 12, 15, 18", "2, 3, 4, 5, 8, 9, 11, 12, 15, 18") \
    X(part1_program4_line3, "Enter number", "Wpisz liczbe") \
    X(part1_program4_line4, "calculate4", "oblicz4") \
    X(part1_program5and6_line1, "5. GCD - greatest common divisor", "5. NWD - najwiekszy wspolny dzielnik") \
    X(part1_program5and6_line2, "6. LCM - lowest common multiple", "6. NWW - najmniejsza wspolna wielokrotnosc") \
    X(part1_program5and6_line3, "Number 1", "Liczba 1") \
    X(part1_program5and6_line4, "Number 2", "Liczba 2") \
    X(part1_program5and6_line5, "calculate5", "oblicz5") \
    X(part1_program5and6_line6, "calculate6", "oblicz6") \
    X(part1_program7_line1, "7. Check with Goldbach's conjecture is true", "7. Sprawdz ze hipoteza Goldbacha jest prawdziwa") \
    X(part1_program7_line2, "for numbers n: 4<=n<=2500", "dla liczb n: 4<=n<=2500") \
    X(part1_program7_line3, "Enter n", "Wpisz n") \
    X(part1_program7_line4, "calculate7", "oblicz7") \
    X(part2_program1_line1, "1. Solve 4 actions in set U", "1. Wykonaj 4 dzialania w zbiorze U") \
    X(part2_program1_line2, "numerator:", "licznik:") \
    X(part2_program1_line3, "denominator:", "mianownik:") \
    X(part2_program1_line4, "number1:", "liczba1:") \
    X(part2_program1_line5, "number2:", "liczba2:") \
    X(part2_program1_line6, "calculate1", "oblicz1") \
    X(part2_program2_line1, "2. Reduce fraction", "2. Skroc ulamek") \
    X(part2_program2_line2, "numerator:", "licznik:") \
    X(part2_program2_line3, "denominator:", "mianownik:") \
    X(part2_program2_line4, "calculate2", "oblicz2") \
    X(part2_program3_line1, "3. Solve 4 actions in set W", "3. Wykonaj 4 dzialania w zbiorze W") \
    X(part2_program3_line2, "numerator:", "licznik:") \
    X(part2_program3_line3, "denominator:", "mianownik:") \
    X(part2_program3_line4, "number1:", "liczba1:") \
    X(part2_program3_line5, "number2:", "liczba2:") \
    X(part2_program3_line6, "calculate3", "oblicz3") \
    X(part2_program4_line1, "4. Do these fractions represent the same rational number", "4. Czy te ulamki reprezentuja te sama liczbe wymierna") \
    X(part2_program4_line2, "numerator:", "licznik:") \
    X(part2_program4_line3, "denominator:", "mianownik:") \
    X(part2_program4_line4, "number1:", "liczba1:") \
    X(part2_program4_line5, "number2:", "liczba2:") \
    X(part2_program4_line6, "calculate4", "oblicz4") \
    X(part2_program5_line1, "5. What rational numbers do these fractions represent", "5. Jakie liczby wymierne reprezentuja te ulamki") \
    X(part2_program5_line2, "numerator:", "licznik:") \
    X(part2_program5_line3, "denominator:", "mianownik:") \
    X(part2_program5_line4, "number1:", "liczba1:") \
    X(part2_program5_line5, "number2:", "liczba2:") \
    X(part2_program5_line6, "number3:", "liczba3:") \
    X(part2_program5_line7, "number4:", "liczba4:") \
    X(part2_program5_line8, "number5:", "liczba5:") \
    X(part2_program5_line9, "number6:", "liczba6:") \
    X(part2_program5_line10, "calculate5", "oblicz5") \
    X(part3_program1_line1, "1. Exchange common fraction for mixed fraction", "1. Zamien ulamek zwykly na ulamek mieszany") \
    X(part3_program1_line2, "numerator:", "licznik:") \
    X(part3_program1_line3, "denominator:", "mianownik:") \
    X(part3_program1_line4, "calculate1", "oblicz1") \
    X(part3_program2_line1, "2. Introduce recurring decimal in the form of", "2. Przedstaw ulamek dziesietny okresowy w postaci") \
    X(part3_program2_line2, "a common fraction. Example: 0.12[857]", "ulamka zwyklego. Przyklad: 0.12[857]") \
    X(part3_program2_line3, "recurring decimal:", "ulamek dziesietny okresowy:") \
    X(part3_program2_line4, "calculate2", "oblicz2") \
    X(part3_program3_line1, "3. Compare 2 fractions pointing to larger fraction", "3. Porownaj 2 ulamki wskazujac ulamek wiekszy") \
    X(part3_program3_line2, "numerator:", "licznik:") \
    X(part3_program3_line3, "denominator:", "mianownik:") \
    X(part3_program3_line4, "number1:", "liczba1:") \
    X(part3_program3_line5, "number2:", "liczba2:") \
    X(part3_program3_line6, "calculate3", "oblicz3") \
    X(part3_program4_line1, "4. The procedure of presentation of any rational number", "4. Procedura przedstawiania dowolnej liczby wymiernej") \
    X(part3_program4_line2, "as the sum of Egyptian fractions", "w postaci sumy ulamkow egipskich") \
    X(part3_program4_line3, "numerator:", "licznik:") \
    X(part3_program4_line4, "denominator:", "mianownik:") \
    X(part3_program4_line5, "calculate4", "oblicz4") \
    X(part4_program1_line1, "straight line 1", "prosta 1") \
    X(part4_program1_line2, "straight line 2", "prosta 2") \
    X(part4_program1_line3, "straight line 3", "prosta 3") \
    X(part4_program1_a, "a:", "a:") \
    X(part4_program1_b, "b:", "b:") \
    X(part4_program2_line1, "1. Draw straight line", "1. Narysuj prosta") \
    X(part4_program2_line2, "passing through 2 points", "przechodzaca przez 2 punkty") \
    X(part4_program2_point1, "point 1", "punkt 1") \
    X(part4_program2_point2, "point 2", "punkt 2") \
    X(part4_program2_x, "x:", "x:") \
    X(part4_program2_y, "y:", "y:") \
    X(part4_program3_line1, "3. Draw 1-2", "3. Narysuj 1-2") \
    X(part4_program3_line2, "vectors", "dowolnych wektorow") \
    X(part4_program3_vector1, "vector 1", "wektor 1") \
    X(part4_program3_vector2, "vector 2", "wektor 2") \
    X(part4_program3_x, "x:", "x:") \
    X(part4_program3_y, "y:", "y:") \
    X(part4_program3_m_vector1_by, "multiply vector 1 by:", "pomnoz wektor 1 przez:") \
    X(part4_program3_m_vector2_by, "multiply vector 2 by:", "pomnoz wektor 2 przez:") \
    X(part4_program3_sum, "sum = ", "suma = ") \
    X(program2, "Number of prime numbers: ", "Ilosc liczb pierwszych: ") \
    X(program3_1, "Prime divisors ", "Dzielniki pierwsze ") \
    X(program3_2, " amount to: ", " wynosza: ") \
    X(program3_3, "Incorrect data", "Niewlasciwe dane") \
    X(program4_1, ": yes    ", ": tak    ") \
    X(program4_2, ": no    ", ": nie    ") \
    X(program4_3, "The given number is divisible by:", "Podana liczba jest podzielna przez:") \
    X(program5_1, "Greatest common divisor of numbers ", "Najwiekszy wspolny dzielnik liczb ") \
    X(program5_2, " is: ", " wynosi: ") \
    X(program6_1, "Lowest common multiple of numers ", "Najmniejsza wspolna wielokrotnosc liczb ") \
    X(program6_2, " is: ", " wynosi: ") \
    X(program5and6_and, " i ", " i ") \
    X(program7_1, "Enter number n of interval 4<=n<=2500", "Wpisz liczbe n z przedzialu 4<=n<=2500") \
    X(program7_2, "There are no solutions", "Nie ma rozwiazan") \
    X(program11_1, "Two fractions present the same rational number", "Dwa ulamki przedstawiaja te sama liczbe wymierna") \
    X(program11_2, "Two fractions do not present the same rational number", "Dwa ulamki nie przedstawiaja tej samej liczby wymiernej") \
    X(program12_1, "Fraction 1: ", "Ulamek 1: ") \
    X(program12_2, "Fraction 2: ", "Ulamek 2: ") \
    X(program12_3, "Fraction 3: ", "Ulamek 3: ") \
    X(program12_4, "Fraction 4: ", "Ulamek 4: ") \
    X(program12_5, "Fraction 5: ", "Ulamek 5: ") \
    X(program12_6, "Fraction 6: ", "Ulamek 6: ") \
    X(program13, "Mixed fraction: ", "Ulamek mieszany: ") \
    X(program15_1, "Fraction 1 is greater.", "Ulamek 1 jest wiekszy.") \
    X(program15_2, "Fraction 2 is greater.", "Ulamek 2 jest wiekszy.") \
    X(program15_3, "Fractions 1 and 2 are equal.", "Ulamki 1 i 2 sa rowne.") \
    X(error_division_by_zero, "Division by zero is not allowed", "Nie mozna dzielic przez zero") \
    X(error_zero_denominator, "The denominator cannot be 0", "Mianownik nie moze byc zerem") \
    X(error_primes_range, "Enter numbers from 0 to 1000000", "Wpisz liczby od 0 do 1000000") \
    X(error_recurring_decimal, "Write the decimal like 0.12[857]", "Zapisz ulamek tak jak 0.12[857]") \
    X(error_too_long, "The answer is too long to show", "Odpowiedz jest za dluga, by ja pokazac") \
    X(error_results_not_saved, "Could not save results.txt", "Nie mozna zapisac pliku results.txt") \
    X(error_results_kept, "results.txt is kept as it was: there is nowhere safe to rewrite it", "Plik results.txt zostal bez zmian: nie ma bezpiecznego miejsca, by go zapisac") \
    X(working_hint, "W: show the working", "W: pokaz rozwiazanie") \
    X(working_keys, "Up/Down, Page Up/Down, Home/End: scroll    Enter: save to working.txt    Esc or W: back", "Gora/Dol, Page Up/Down, Home/End: przewijanie    Enter: zapis do working.txt    Esc lub W: powrot") \
    X(working_more_above, "more above", "wiecej powyzej") \
    X(working_more_below, "more below", "wiecej ponizej") \
    X(working_saved, "Saved to working.txt", "Zapisano w pliku working.txt") \
    X(working_save_failed, "Could not save working.txt", "Nie mozna zapisac pliku working.txt") \
    X(working_yes, "yes", "tak") \
    X(working_no, "no", "nie") \
    X(working_gcd_is, "GCD({1}, {2}) = {3}", "NWD({1}, {2}) = {3}") \
    X(working_euclid, "Euclid's algorithm: divide with remainder until the remainder is 0", "Algorytm Euklidesa: dzielimy z reszta, az reszta bedzie rowna 0") \
    X(working_gcd_zero, "GCD({1}, {2}) = {3}: every number divides 0", "NWD({1}, {2}) = {3}: kazda liczba dzieli 0") \
    X(working_lowest_terms, "GCD({1}, {2}) = 1: {1}/{2} is already in lowest terms", "NWD({1}, {2}) = 1: ulamek {1}/{2} jest juz nieskracalny") \
    X(working_gcd_both_zero, "GCD(0, 0) = 0 by agreement: every number divides 0", "NWD(0, 0) = 0 umownie: kazda liczba dzieli 0") \
    X(working_zero_denominator, "{1} has the denominator 0: such a fraction has no value", "{1} ma mianownik 0: taki ulamek nie ma wartosci") \
    X(working_saved_results, "The whole answer is saved in results.txt", "Cala odpowiedz jest zapisana w pliku results.txt") \
    X(working_results_not_saved, "The whole answer could not be saved in results.txt", "Nie mozna bylo zapisac calej odpowiedzi w pliku results.txt") \
    X(working_remainder_title, "Remainder of {1} by {2}", "Reszta z dzielenia {1} przez {2}") \
    X(working_remainder_divide, "{1} : {2} = {3} remainder {4}", "{1} : {2} = {3} reszta {4}") \
    X(working_remainder_check, "Check: {1} * {2} + {3} = {4}", "Sprawdzenie: {1} * {2} + {3} = {4}") \
    X(working_remainder_smaller, "The remainder {1} is smaller than {2}", "Reszta {1} jest mniejsza od {2}") \
    X(working_by_zero, "Dividing by 0 has no answer: q * 0 = 0 for every number q", "Dzielenie przez 0 nie ma wyniku: q * 0 = 0 dla kazdej liczby q") \
    X(working_primes_title, "Primes from {1} to {2}", "Liczby pierwsze od {1} do {2}") \
    X(working_primes_too_far, "The list reaches at most 1000000, and {1} lies beyond it", "Lista siega najwyzej 1000000, a {1} lezy dalej") \
    X(working_primes_sieve, "Sieve of Eratosthenes: write the numbers from 2 to {1};", "Sito Eratostenesa: wypisujemy liczby od 2 do {1};") \
    X(working_primes_strike_each, "for each prime p with p * p <= {1}, strike its multiples from p * p on", "dla kazdej liczby pierwszej p, dla ktorej p * p <= {1}, skreslamy jej wielokrotnosci od p * p") \
    X(working_primes_strike, "{1}: strike {2}", "{1}: skreslamy {2}") \
    X(working_primes_nothing, "No prime p has p * p <= {1}: nothing to strike", "Zadna liczba pierwsza p nie ma p * p <= {1}: nic do skreslenia") \
    X(working_primes_backwards, "The range runs backwards: {1} > {2}, so it holds no numbers", "Przedzial jest odwrocony: {1} > {2}, wiec nie zawiera zadnych liczb") \
    X(working_primes_below_two, "The range ends at {1}, below 2, the smallest prime: it holds no primes", "Przedzial konczy sie na {1}, ponizej 2, najmniejszej liczby pierwszej: nie ma w nim liczb pierwszych") \
    X(working_primes_count_one, "Left unstruck from {1} to {2}: {3} prime", "Nieskreslone od {1} do {2}: {3} liczba pierwsza") \
    X(working_primes_count_few, "Left unstruck from {1} to {2}: {3} primes", "Nieskreslone od {1} do {2}: {3} liczby pierwsze") \
    X(working_primes_count_many, "Left unstruck from {1} to {2}: {3} primes", "Nieskreslone od {1} do {2}: {3} liczb pierwszych") \
    X(working_factors_title, "Prime factors of {1}", "Rozklad liczby {1} na czynniki pierwsze") \
    X(working_factors_too_small, "Only numbers from 2 up have prime factors", "Na czynniki pierwsze rozkladamy liczby od 2 w gore") \
    X(working_factors_ladder, "Divide by the smallest prime that divides, until 1 is left:", "Dzielimy przez najmniejsza liczbe pierwsza, ktora dzieli, az zostanie 1:") \
    X(working_factors_prime, "{1} is prime: no number d from 2 with d * d <= {1} divides it", "{1} jest liczba pierwsza: nie dzieli jej zadna liczba d od 2, dla ktorej d * d <= {1}") \
    X(working_divisibility_title, "Divisibility of {1}", "Podzielnosc liczby {1}") \
    X(working_rule_last_digit, "{1}: the last digit {2} is divisible by {1}? {3}", "{1}: ostatnia cyfra {2} jest podzielna przez {1}? {3}") \
    X(working_rule_last_digits, "{1}: the last {2} digits give {3}, divisible by {1}? {4}", "{1}: {2} ostatnie cyfry daja {3}, podzielne przez {1}? {4}") \
    X(working_rule_digit_sum, "{1}: the digit sum {2} is divisible by {1}? {3}", "{1}: suma cyfr {2} jest podzielna przez {1}? {3}") \
    X(working_rule_alternating, "{1}: the alternating digit sum {2} is divisible by {1}? {3}", "{1}: naprzemienna suma cyfr {2} jest podzielna przez {1}? {3}") \
    X(working_rule_both, "{1}: divisible by {2} and by {3}? {4}", "{1}: podzielna przez {2} i przez {3}? {4}") \
    X(working_gcd_title, "GCD of {1} and {2}", "NWD liczb {1} i {2}") \
    X(working_gcd_last, "GCD = {1}, the divisor in the last division", "NWD = {1}, dzielnik w ostatnim dzieleniu") \
    X(working_lcm_title, "LCM of {1} and {2}", "NWW liczb {1} i {2}") \
    X(working_lcm_is, "LCM = {1} * {2} / {3} = {4}", "NWW = {1} * {2} / {3} = {4}") \
    X(working_lcm_zero, "The only multiple of 0 is 0, so the LCM is 0", "Jedyna wielokrotnoscia 0 jest 0, wiec NWW = 0") \
    X(working_goldbach_title, "Goldbach for {1}", "Hipoteza Goldbacha dla {1}") \
    X(working_goldbach_range, "The program checks the numbers from 4 to 2500 only", "Program sprawdza tylko liczby od 4 do 2500") \
    X(working_goldbach_odd, "{1} is odd, so one of the two primes must be 2, the only even prime", "{1} jest nieparzysta, wiec jedna z dwoch liczb pierwszych musi byc 2, jedyna parzysta liczba pierwsza") \
    X(working_goldbach_search, "For each prime p from 2 to {1}: is {2} - p prime?", "Dla kazdej liczby pierwszej p od 2 do {1}: czy {2} - p jest liczba pierwsza?") \
    X(working_goldbach_pair, "{1} - {2} = {3} is prime: {1} = {2} + {3}", "{1} - {2} = {3} jest liczba pierwsza: {1} = {2} + {3}") \
    X(working_goldbach_not_prime, "{1} - {2} = {3} is not prime", "{1} - {2} = {3} nie jest liczba pierwsza") \
    X(working_goldbach_count, "Pairs found: {1}", "Znalezione pary: {1}") \
    X(working_operations_title, "Four operations on {1} and {2}", "Cztery dzialania na ulamkach {1} i {2}") \
    X(working_operations_reduced_title, "Four operations on {1} and {2}, results reduced", "Cztery dzialania na ulamkach {1} i {2}, wyniki skrocone") \
    X(working_no_reciprocal, "{1} is 0 and has no reciprocal: dividing by it has no answer", "{1} jest rowny 0 i nie ma odwrotnosci: nie mozna przez niego dzielic") \
    X(working_reduce_each, "Reduce each result by the GCD of its numerator and denominator:", "Skracamy kazdy wynik przez NWD licznika i mianownika:") \
    X(working_reduce_title, "Reduce {1}", "Skracanie ulamka {1}") \
    X(working_equality_title, "Are {1} and {2} equal?", "Czy ulamki {1} i {2} sa rowne?") \
    X(working_cross_products, "Multiply crosswise:", "Mnozymy na krzyz:") \
    X(working_cross_equal, "{1} = {2}: the fractions are equal", "{1} = {2}: ulamki sa rowne") \
    X(working_cross_differ, "{1} and {2} differ: the fractions are not equal", "{1} i {2} sa rozne: ulamki nie sa rowne") \
    X(working_six_title, "Six fractions in lowest terms", "Szesc ulamkow w najprostszej postaci") \
    X(working_six_line, "{1}) GCD({2}, {3}) = {4}, so {2}/{3} = {5}", "{1}) NWD({2}, {3}) = {4}, wiec {2}/{3} = {5}") \
    X(working_six_lowest, "{1}) GCD({2}, {3}) = 1, so {2}/{3} is already in lowest terms", "{1}) NWD({2}, {3}) = 1, wiec ulamek {2}/{3} jest juz nieskracalny") \
    X(working_mixed_title, "Mixed fraction of {1}", "Liczba mieszana z ulamka {1}") \
    X(working_mixed_proper, "{1} < 1: a proper fraction, with no whole part", "{1} < 1: to ulamek wlasciwy, bez czesci calkowitej") \
    X(working_recurring_title, "Recurring decimal {1}", "Ulamek okresowy {1}") \
    X(working_recurring_shape, "Type digits, a point, digits and the repeating digits in brackets, e.g. 0.12[857]", "Wpisz cyfry, kropke, cyfry i powtarzajace sie cyfry w nawiasach, np. 0.12[857]") \
    X(working_recurring_subtract, "Subtract so that the repeating digits cancel:", "Odejmujemy stronami, aby powtarzajace sie cyfry sie zniosly:") \
    X(working_compare_title, "Compare {1} and {2}", "Porownanie ulamkow {1} i {2}") \
    X(working_compare_first, "{1} > {2}, so {3} is greater", "{1} > {2}, wiec wiekszy jest ulamek {3}") \
    X(working_compare_second, "{1} < {2}, so {3} is greater", "{1} < {2}, wiec wiekszy jest ulamek {3}") \
    X(working_egyptian_title, "Egyptian fractions of {1}", "Ulamki egipskie dla {1}") \
    X(working_egyptian_whole, "{1} is a whole number: there is nothing to expand", "{1} jest liczba calkowita: nie ma czego rozkladac") \
    X(working_egyptian_unit_start, "{1} already has the numerator 1: it is split into two", "{1} ma juz licznik 1: rozkladamy go na dwa ulamki") \
    X(working_egyptian_take, "The largest unit fraction below {1} is 1/{2}", "Najwiekszy ulamek o liczniku 1 mniejszy od {1} to 1/{2}") \
    X(working_egyptian_last, "{1} has the numerator 1: it is the last term", "{1} ma licznik 1: to ostatni skladnik") \
    X(working_egyptian_stop, "The next fraction would have more than {1} digits in its denominator: the working stops here", "Kolejny ulamek mialby ponad {1} cyfr w mianowniku: tu rozwiazanie sie konczy") \
    X(working_lines_title, "Straight lines y = {1}, y = {2} and y = {3}", "Proste y = {1}, y = {2} i y = {3}") \
    X(working_line, "Line {1}: y = {2}", "Prosta {1}: y = {2}") \
    X(working_line_y_axis, "  crosses the y axis at (0, {1})", "  przecina os y w punkcie (0, {1})") \
    X(working_line_x_axis, "  crosses the x axis where {1} = 0: at ({2}, 0)", "  przecina os x tam, gdzie {1} = 0: w punkcie ({2}, 0)") \
    X(working_line_x_never, "  is horizontal and never crosses the x axis", "  jest pozioma i nie przecina osi x") \
    X(working_line_x_everywhere, "  is the x axis itself: it crosses it everywhere", "  pokrywa sie z osia x: ma z nia wszystkie punkty wspolne") \
    X(working_lines_cross, "Lines {1} and {2}: {3} = {4}, so they cross at ({5}, {6})", "Proste {1} i {2}: {3} = {4}, wiec przecinaja sie w punkcie ({5}, {6})") \
    X(working_lines_parallel, "Lines {1} and {2} are parallel: same slope, different intercepts", "Proste {1} i {2} sa rownolegle: ten sam wspolczynnik kierunkowy, rozne wyrazy wolne") \
    X(working_lines_same, "Lines {1} and {2} are the same line", "Proste {1} i {2} to ta sama prosta") \
    X(working_two_points_title, "Line through ({1}, {2}) and ({3}, {4})", "Prosta przez punkty ({1}, {2}) i ({3}, {4})") \
    X(working_vertical, "x1 = x2 = {1}: the line is vertical", "x1 = x2 = {1}: prosta jest pionowa") \
    X(working_same_points, "The two points are equal: every line through that point passes through both", "Punkty sa rowne: przez oba przechodzi kazda prosta przez ten punkt") \
    X(working_not_a_line, "Two equal points do not fix one line", "Dwa rowne punkty nie wyznaczaja jednej prostej") \
    X(working_vectors_title, "Vectors w1 = [{1}, {2}] and w2 = [{3}, {4}]", "Wektory w1 = [{1}, {2}] i w2 = [{3}, {4}]") \
    X(working_vectors_lengths, "Lengths: |[x, y]| = sqrt(x * x + y * y)", "Dlugosci: |[x, y]| = sqrt(x * x + y * y)")
