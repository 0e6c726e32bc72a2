// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the pupil can see, once: the member of `Language` that holds it,
// its English wording and its Polish wording as drawn (plain ASCII, no
// diacritics). A row whose Polish a screen reader or a voice should say with
// its letters is an XS row, with the spoken Polish last ("Wyjscie" is said
// "Wyjście"); the spoken Polish of an X row is the drawn one. The text table,
// its members and its count are all generated from this list.
#define CALCORA_TEXTS(X, XS) \
    XS(start_screen_line1, "1. Natural numbers and integers", "1. Liczby naturalne i calkowite", "1. Liczby naturalne i całkowite") \
    XS(start_screen_line2, "2. Fractions and rational numbers - part 1", "2. Ulamki i liczby wymierne - czesc 1", "2. Ułamki i liczby wymierne - część 1") \
    XS(start_screen_line3, "3. Fractions and rational numbers - part 2", "3. Ulamki i liczby wymierne - czesc 2", "3. Ułamki i liczby wymierne - część 2") \
    X(start_screen_line4, "4. Linear functions and vectors", "4. Funkcje liniowe i wektory") \
    X(start_screen_line5, "Options", "Opcje") \
    X(start_screen_line6, "About program", "O programie") \
    XS(start_screen_line7, "Exit", "Wyjscie", "Wyjście") \
    X(start_screen_language1, "zmien na:", "change to:") \
    X(start_screen_language2, "POLSKI", "ENGLISH") \
    X(part4_line1, "Linear functions and vectors", "Funckje liniowe i wektory") \
    X(part4_line2, "1. Draw 1-3 straight lines", "1. Rysowanie 1-3 prostych") \
    XS(part4_line3, "2. Draw a straight line through 2 points", "2. Narysuj prosta przechodzaca przez 2 punkty", "2. Narysuj prostą przechodzącą przez 2 punkty") \
    XS(part4_line4, "3. Draw 1-2 vectors", "3. Narysuj 1-2 dowolnych wektorow", "3. Narysuj 1-2 dowolnych wektorów") \
    XS(part4_line5, "Back", "Powrot", "Powrót") \
    X(options_line1, "Options", "Opcje") \
    XS(options_line2, "Fullscreen: ", "Pelen ekran: ", "Pełen ekran: ") \
    X(options_line3, "Grid on the chart: ", "Kratki na wykresie: ") \
    XS(options_line4, "Back", "Powrot", "Powrót") \
    XS(options_fullscreen_on, "on", "wlaczony", "włączony") \
    XS(options_fullscreen_off, "off", "wylaczony", "wyłączony") \
    XS(options_gridlines_on, "on", "wlaczone", "włączone") \
    XS(options_gridlines_off, "off", "wylaczone", "wyłączone") \
    X(options_size, "Size: ", "Rozmiar: ") \
    X(options_high_contrast, "High contrast: ", "Wysoki kontrast: ") \
    XS(options_high_contrast_on, "on", "wl", "wł") \
    XS(options_high_contrast_off, "off", "wyl", "wył") \
    X(options_speech, "Speech: ", "Mowa: ") \
    XS(options_speech_on, "on", "wlaczona", "włączona") \
    XS(options_speech_off, "off", "wylaczona", "wyłączona") \
    XS(options_speech_unavailable, "not available", "niedostepna", "niedostępna") \
    X(settings_own, "settings", "ustawienia") \
    X(settings_system_wide, "system-wide settings", "ustawienia systemowe") \
    X(settings_line, "{1} line {2}: {3}", "{1}, wiersz {2}: {3}") \
    XS(settings_unreadable, "cannot be read", "nie da sie odczytac", "nie da się odczytać") \
    X(settings_not_setting, "not a setting", "to nie jest ustawienie") \
    X(settings_unknown_name, "{1} is not a setting", "{1} to nie jest ustawienie") \
    X(settings_takes, "{1} takes {2}", "{1} przyjmuje {2}") \
    XS(settings_bad_name, "{1} takes letters, digits, spaces and - (at most 40)", "{1} przyjmuje litery, cyfry, spacje i - (najwyzej 40)", "{1} przyjmuje litery, cyfry, spacje i - (najwyżej 40)") \
    XS(settings_relative_folder, "{1} must begin with /: {2}", "{1} musi zaczynac sie od /: {2}", "{1} musi zaczynać się od /: {2}") \
    XS(settings_lab_folder, "{1} is set for the whole lab: passed over", "{1} jest ustawiony dla calej pracowni: pominiety", "{1} jest ustawiony dla całej pracowni: pominięty") \
    X(options_controls, "controls:", "klawisze:") \
    XS(options_key1, "arrow keys - move around the program", "strzalki - poruszanie sie po programie", "strzałki - poruszanie się po programie") \
    XS(options_key2, "enter - validate", "enter - zawierdz", "enter - zawierdź") \
    XS(options_key3, "delete - remove entered data", "delete - usun wpisane dane", "delete - usuń wpisane dane") \
    XS(options_key4, "space key - change language", "spacja - zmien jezyk", "spacja - zmień język") \
    XS(options_key5, "escape - back to previous screen", "escape - powrot do poprzedniego ekranu", "escape - powrót do poprzedniego ekranu") \
    X(about_line1, "About program", "O programie") \
    X(about_line2, "Created by:", "Stworzony przez:") \
    X(about_line3, "The Calcora team", "The Calcora team") \
    X(about_line4, "", "") \
    XS(about_line5, "as addition to book:", "jako dodatek do ksiazki:", "jako dodatek do książki:") \
    XS(about_line6, "Mathematics for secondary schools", "Matematyka dla szkol srednich", "Matematyka dla szkół średnich") \
    XS(about_line7, "written by a team of mathematics teachers", "napisanej przez zespol nauczycieli matematyki", "napisanej przez zespół nauczycieli matematyki") \
    XS(_back, "Back", "Powrot", "Powrót") \
    XS(to_remove_data_press, "To remove data press", "Aby usunac dane wcisnij", "Aby usunąć dane wcisnij") \
    X(_delete, "Delete", "Delete") \
    XS(results_from, "Results from tasks 2 and 7 are saved to file results.txt", "Wyniki z zadan 2 oraz 7 sa zapisywane do pliku results.txt", "Wyniki z zadań 2 oraz 7 są zapisywane do pliku results.txt") \
    X(practice_name_remainder, "Remainder", "Reszta z dzielenia") \
    X(practice_name_primes, "Primes in a range", "Liczby pierwsze w przedziale") \
    XS(practice_name_factors, "Prime factors", "Rozklad na czynniki pierwsze", "Rozkład na czynniki pierwsze") \
    XS(practice_name_divisibility, "Divisibility", "Podzielnosc", "Podzielność") \
    XS(practice_name_gcd, "GCD - greatest common divisor", "NWD - najwiekszy wspolny dzielnik", "NWD - największy wspólny dzielnik") \
    XS(practice_name_lcm, "LCM - lowest common multiple", "NWW - najmniejsza wspolna wielokrotnosc", "NWW - najmniejsza wspólna wielokrotność") \
    X(practice_name_goldbach, "Goldbach's conjecture", "Hipoteza Goldbacha") \
    XS(practice_name_operations, "Operations on fractions", "Dzialania na ulamkach", "Działania na ułamkach") \
    XS(practice_name_reduce, "Reducing a fraction", "Skracanie ulamka", "Skracanie ułamka") \
    XS(practice_name_operations_reduced, "Operations on fractions, reduced", "Dzialania na ulamkach ze skracaniem", "Działania na ułamkach ze skracaniem") \
    XS(practice_name_equality, "Equal fractions", "Rowne ulamki", "Równe ułamki") \
    XS(practice_name_six_fractions, "Fractions in lowest terms", "Ulamki w najprostszej postaci", "Ułamki w najprostszej postaci") \
    X(practice_name_mixed, "Mixed numbers", "Liczby mieszane") \
    XS(practice_name_recurring, "Recurring decimals", "Ulamki okresowe", "Ułamki okresowe") \
    XS(practice_name_comparison, "Comparing fractions", "Porownywanie ulamkow", "Porównywanie ułamków") \
    XS(practice_name_egyptian, "Egyptian fractions", "Ulamki egipskie", "Ułamki egipskie") \
    XS(practice_name_lines, "Where lines cross", "Punkt przeciecia prostych", "Punkt przecięcia prostych") \
    X(practice_name_two_points, "Line through two points", "Prosta przez dwa punkty") \
    X(practice_name_vectors, "Vectors", "Wektory") \
    XS(practice_ask_remainder, "Find the remainder of {1} divided by {2}", "Oblicz reszte z dzielenia {1} przez {2}", "Oblicz resztę z dzielenia {1} przez {2}") \
    X(practice_ask_primes, "How many primes are there from {1} to {2}?", "Ile jest liczb pierwszych od {1} do {2}?") \
    X(practice_ask_factors, "Write {1} as a product of primes, e.g. 12 = 2^2*3", "Zapisz {1} jako iloczyn liczb pierwszych, np. 12 = 2^2*3") \
    X(practice_ask_divisibility, "Is {1} divisible by {2}? Type Y or N", "Czy liczba {1} jest podzielna przez {2}? Wpisz T lub N") \
    XS(practice_ask_gcd, "Find the greatest common divisor of {1} and {2}", "Znajdz najwiekszy wspolny dzielnik liczb {1} i {2}", "Znajdź największy wspólny dzielnik liczb {1} i {2}") \
    XS(practice_ask_lcm, "Find the lowest common multiple of {1} and {2}", "Znajdz najmniejsza wspolna wielokrotnosc liczb {1} i {2}", "Znajdź najmniejszą wspólną wielokrotność liczb {1} i {2}") \
    XS(practice_ask_goldbach, "Write {1} as the sum of two primes, e.g. 10 = 3+7", "Zapisz {1} jako sume dwoch liczb pierwszych, np. 10 = 3+7", "Zapisz {1} jako sumę dwóch liczb pierwszych, np. 10 = 3+7") \
    X(practice_ask_operations, "Work out {1}", "Oblicz {1}") \
    XS(practice_ask_operations_reduced, "Work out {1} and reduce the result", "Oblicz {1} i skroc wynik", "Oblicz {1} i skróć wynik") \
    XS(practice_ask_reduce, "Reduce {1} to lowest terms", "Skroc ulamek {1} do najprostszej postaci", "Skróć ułamek {1} do najprostszej postaci") \
    XS(practice_ask_equality, "Are {1} and {2} equal? Type Y or N", "Czy ulamki {1} i {2} sa rowne? Wpisz T lub N", "Czy ułamki {1} i {2} są równe? Wpisz T lub N") \
    XS(practice_ask_six_fractions, "Reduce each fraction to lowest terms: {1}", "Skroc kazdy ulamek do najprostszej postaci: {1}", "Skróć każdy ułamek do najprostszej postaci: {1}") \
    XS(practice_ask_mixed, "Write {1} as a mixed number", "Zapisz {1} jako liczbe mieszana", "Zapisz {1} jako liczbę mieszaną") \
    XS(practice_ask_recurring, "Write {1} as a fraction in lowest terms", "Zapisz {1} jako ulamek zwykly w najprostszej postaci", "Zapisz {1} jako ułamek zwykły w najprostszej postaci") \
    XS(practice_ask_comparison, "Compare {1} and {2}: type <, > or =", "Porownaj ulamki {1} i {2}: wpisz <, > lub =", "Porównaj ułamki {1} i {2}: wpisz <, > lub =") \
    XS(practice_ask_egyptian, "Write {1} as a sum of different unit fractions, e.g. 3/4 = 1/2+1/4", "Zapisz {1} jako sume roznych ulamkow o liczniku 1, np. 3/4 = 1/2+1/4", "Zapisz {1} jako sumę różnych ułamków o liczniku 1, np. 3/4 = 1/2+1/4") \
    XS(practice_ask_lines, "Lines 1: y = {1}, 2: y = {2}, 3: y = {3}. Where do lines {4} and {5} cross? (N: parallel)", "Proste 1: y = {1}, 2: y = {2}, 3: y = {3}. Gdzie przecinaja sie proste {4} i {5}? (N: rownolegle)", "Proste 1: y = {1}, 2: y = {2}, 3: y = {3}. Gdzie przecinają się proste {4} i {5}? (N: równoległe)") \
    XS(practice_ask_two_points, "Find a and b of the line y = ax + b through ({1}, {2}) and ({3}, {4})", "Znajdz a i b prostej y = ax + b przechodzacej przez ({1}, {2}) i ({3}, {4})", "Znajdź a i b prostej y = ax + b przechodzącej przez ({1}, {2}) i ({3}, {4})") \
    XS(practice_ask_vectors, "w1 = [{1}, {2}], w2 = [{3}, {4}]: find the components of {5}w1 + {6}w2", "w1 = [{1}, {2}], w2 = [{3}, {4}]: podaj wspolrzedne wektora {5}w1 + {6}w2", "w1 = [{1}, {2}], w2 = [{3}, {4}]: podaj współrzędne wektora {5}w1 + {6}w2") \
    XS(practice_label_answer, "answer:", "odpowiedz:", "odpowiedź:") \
    X(practice_label_gcd, "GCD =", "NWD =") \
    X(practice_label_lcm, "LCM =", "NWW =") \
    XS(practice_label_whole, "whole part:", "czesc calkowita:", "część całkowita:") \
    XS(practice_fraction, "fraction {1}", "ulamek {1}", "ułamek {1}") \
    X(practice_correct, "Correct", "Dobrze") \
    X(practice_correct_because, "Correct: {1}", "Dobrze: {1}") \
    XS(practice_form, "Right value, wrong form: {1}", "Dobra wartosc, zla postac: {1}", "Dobra wartość, zła postać: {1}") \
    XS(practice_wrong, "Not quite: {1}", "Nie calkiem: {1}", "Nie całkiem: {1}") \
    XS(practice_wrong_plain, "Not quite: try again, or press H for a hint", "Nie calkiem: sprobuj jeszcze raz albo wcisnij H, by dostac podpowiedz", "Nie całkiem: spróbuj jeszcze raz albo wcisnij H, by dostać podpowiedź") \
    X(practice_unreadable, "Cannot read that: {1}", "Nie rozumiem: {1}") \
    XS(practice_expect_whole, "write a whole number like 12", "wpisz liczbe calkowita, np. 12", "wpisz liczbę całkowitą, np. 12") \
    XS(practice_expect_fraction, "write a fraction like 3/4", "wpisz ulamek, np. 3/4", "wpisz ułamek, np. 3/4") \
    XS(practice_expect_number, "write a number like -2, 3/4 or 0.5", "wpisz liczbe, np. -2, 3/4 lub 0.5", "wpisz liczbę, np. -2, 3/4 lub 0.5") \
    X(practice_expect_yes_no, "type Y for yes or N for no", "wpisz T (tak) lub N (nie)") \
    X(practice_expect_comparison, "type <, > or =", "wpisz <, > lub =") \
    XS(practice_expect_product, "write primes joined by *, like 2^3*5", "wpisz liczby pierwsze polaczone znakiem *, np. 2^3*5", "wpisz liczby pierwsze połączone znakiem *, np. 2^3*5") \
    XS(practice_expect_two_primes, "write two primes joined by +, like 3+7", "wpisz dwie liczby pierwsze polaczone znakiem +, np. 3+7", "wpisz dwie liczby pierwsze połączone znakiem +, np. 3+7") \
    XS(practice_expect_units, "write fractions joined by +, like 1/2+1/5", "wpisz ulamki polaczone znakiem +, np. 1/2+1/5", "wpisz ułamki połączone znakiem +, np. 1/2+1/5") \
    XS(practice_expect_mixed, "write the whole part, then the numerator and the denominator of the rest", "wpisz czesc calkowita, a potem licznik i mianownik reszty", "wpisz część całkowitą, a potem licznik i mianownik reszty") \
    XS(practice_expect_crossing, "write x and y of the crossing, or N if the lines are parallel", "wpisz x i y punktu przeciecia albo N, jesli proste sa rownolegle", "wpisz x i y punktu przecięcia albo N, jeśli proste są równoległe") \
    XS(practice_zero_denominator, "a denominator cannot be 0", "mianownik nie moze byc rowny 0", "mianownik nie może być równy 0") \
    XS(practice_not_lowest, "{1} can still be reduced", "{1} mozna jeszcze skrocic", "{1} można jeszcze skrócić") \
    XS(practice_not_decimal, "write a fraction, not a decimal", "wpisz ulamek zwykly, nie dziesietny", "wpisz ułamek zwykły, nie dziesiętny") \
    XS(practice_not_proper, "the fraction part {1} is not less than 1", "czesc ulamkowa {1} nie jest mniejsza od 1", "część ułamkowa {1} nie jest mniejsza od 1") \
    XS(practice_not_prime, "{1} is not prime", "{1} nie jest liczba pierwsza", "{1} nie jest liczbą pierwszą") \
    X(practice_not_unit, "{1} is not a unit fraction (numerator 1)", "{1} nie ma licznika 1") \
    XS(practice_added_across, "numerators and denominators are not added or subtracted separately: use a common denominator", "licznikow i mianownikow nie dodaje sie ani nie odejmuje osobno: sprowadz do wspolnego mianownika", "liczników i mianowników nie dodaje się ani nie odejmuje osobno: sprowadź do wspólnego mianownika") \
    XS(practice_product_not_lcm, "{1} is the product; the lowest common multiple is smaller", "{1} to iloczyn; najmniejsza wspolna wielokrotnosc jest mniejsza", "{1} to iloczyn; najmniejsza wspólna wielokrotność jest mniejsza") \
    XS(practice_product_not_gcd, "{1} is the product of the two numbers; the greatest common divisor divides both of them", "{1} to iloczyn tych liczb; najwiekszy wspolny dzielnik dzieli obie z nich", "{1} to iloczyn tych liczb; największy wspólny dzielnik dzieli obie z nich") \
    XS(practice_lcm_not_gcd, "{1} is the lowest common multiple, not the greatest common divisor", "{1} to najmniejsza wspolna wielokrotnosc, a nie najwiekszy wspolny dzielnik", "{1} to najmniejsza wspólna wielokrotność, a nie największy wspólny dzielnik") \
    XS(practice_gcd_not_lcm, "{1} is the greatest common divisor, not the lowest common multiple", "{1} to najwiekszy wspolny dzielnik, a nie najmniejsza wspolna wielokrotnosc", "{1} to największy wspólny dzielnik, a nie najmniejsza wspólna wielokrotność") \
    XS(practice_not_greatest, "{1} divides both, but there is a greater common divisor", "{1} dzieli obie liczby, ale jest wiekszy wspolny dzielnik", "{1} dzieli obie liczby, ale jest większy wspólny dzielnik") \
    XS(practice_not_lowest_multiple, "{1} is a common multiple, but not the lowest", "{1} jest wspolna wielokrotnoscia, ale nie najmniejsza", "{1} jest wspólną wielokrotnością, ale nie najmniejszą") \
    X(practice_quotient, "{1} is the quotient; the remainder is what is left over", "{1} to iloraz; reszta to to, co zostaje") \
    XS(practice_slope_upside_down, "the slope is (y2 - y1)/(x2 - x1), not (x2 - x1)/(y2 - y1)", "wspolczynnik kierunkowy to (y2 - y1)/(x2 - x1), a nie (x2 - x1)/(y2 - y1)", "współczynnik kierunkowy to (y2 - y1)/(x2 - x1), a nie (x2 - x1)/(y2 - y1)") \
    XS(practice_sign_of_b, "a is right; check the sign of b", "a jest dobrze; sprawdz znak b", "a jest dobrze; sprawdź znak b") \
    XS(practice_not_turned_over, "to divide, multiply by the second fraction turned over", "aby podzielic, pomnoz przez odwrotnosc drugiego ulamka", "aby podzielić, pomnóż przez odwrotność drugiego ułamka") \
    XS(practice_factors_product, "your factors multiply to {1}, not {2}", "twoje czynniki daja iloczyn {1}, a nie {2}", "twoje czynniki dają iloczyn {1}, a nie {2}") \
    X(practice_sum_wrong, "{1} makes {2}, not {3}", "{1} daje {2}, a nie {3}") \
    XS(practice_unit_repeated, "{1} appears more than once: the unit fractions must all differ", "{1} wystepuje wiecej niz raz: ulamki musza byc rozne", "{1} występuje więcej niż raz: ułamki muszą być różne") \
    XS(practice_units_sum_wrong, "your fractions add up to {1}, not {2}", "twoje ulamki daja w sumie {1}, a nie {2}", "twoje ułamki dają w sumie {1}, a nie {2}") \
    XS(practice_one_vector_scaled, "multiply both vectors by their factors before adding", "pomnoz oba wektory przez ich wspolczynniki, zanim je dodasz", "pomnóż oba wektory przez ich współczynniki, zanim je dodasz") \
    XS(practice_method_remainder, "Find the largest multiple of the divisor not above the number; the remainder is what is left", "Znajdz najwieksza wielokrotnosc dzielnika nie wieksza od liczby; reszta to to, co zostaje", "Znajdź największą wielokrotność dzielnika nie większą od liczby; reszta to to, co zostaje") \
    XS(practice_method_primes, "Strike the multiples of 2, 3, 5, 7, ... and count what is left in the range; 1 is not prime", "Skreslaj wielokrotnosci 2, 3, 5, 7, ... i policz, co zostalo w przedziale; 1 nie jest liczba pierwsza", "Skreślaj wielokrotności 2, 3, 5, 7, ... i policz, co zostało w przedziale; 1 nie jest liczbą pierwszą") \
    XS(practice_method_factors, "Divide by the smallest prime that divides, again and again, until 1 is left", "Dziel przez najmniejsza liczbe pierwsza, ktora dzieli, az zostanie 1", "Dziel przez najmniejszą liczbę pierwszą, która dzieli, aż zostanie 1") \
    XS(practice_method_divisibility, "Use the rule of the divisor: its last digits, the digit sum, or two divisors at once", "Uzyj cechy podzielnosci: ostatnie cyfry, suma cyfr albo dwa dzielniki naraz", "Użyj cechy podzielności: ostatnie cyfry, suma cyfr albo dwa dzielniki naraz") \
    XS(practice_method_gcd, "Euclid: divide with remainder, then divide the divisor by the remainder, until the remainder is 0", "Euklides: dziel z reszta, potem dzielnik przez reszte, az reszta bedzie rowna 0", "Euklides: dziel z reszta, potem dzielnik przez resztę, aż reszta będzie równa 0") \
    X(practice_method_lcm, "LCM(a, b) = a * b / GCD(a, b)", "NWW(a, b) = a * b / NWD(a, b)") \
    XS(practice_method_goldbach, "Try the primes p up to n/2: is n - p prime too?", "Sprawdzaj liczby pierwsze p do n/2: czy n - p tez jest pierwsza?", "Sprawdzaj liczby pierwsze p do n/2: czy n - p też jest pierwsza?") \
    XS(practice_method_operations, "+ and -: a common denominator; *: numerators times numerators, denominators times denominators; division: times the second turned over", "+ i -: wspolny mianownik; *: licznik razy licznik, mianownik razy mianownik; dzielenie: razy odwrotnosc drugiego", "+ i -: wspólny mianownik; *: licznik razy licznik, mianownik razy mianownik; dzielenie: razy odwrotność drugiego") \
    XS(practice_method_reduce, "Divide the numerator and the denominator by their greatest common divisor", "Podziel licznik i mianownik przez ich najwiekszy wspolny dzielnik", "Podziel licznik i mianownik przez ich największy wspólny dzielnik") \
    XS(practice_method_equality, "Multiply crosswise: a/b = c/d exactly when a * d = b * c", "Mnoz na krzyz: a/b = c/d dokladnie wtedy, gdy a * d = b * c", "Mnóż na krzyż: a/b = c/d dokładnie wtedy, gdy a * d = b * c") \
    XS(practice_method_mixed, "Divide the numerator by the denominator: the quotient is the whole part, the remainder the new numerator", "Podziel licznik przez mianownik: iloraz to czesc calkowita, reszta to nowy licznik", "Podziel licznik przez mianownik: iloraz to część całkowita, reszta to nowy licznik") \
    XS(practice_method_recurring, "Multiply by powers of 10 so that the repeating digits line up, subtract, then reduce", "Pomnoz przez potegi 10 tak, by powtarzajace sie cyfry sie pokryly, odejmij i skroc", "Pomnóż przez potęgi 10 tak, by powtarzające się cyfry się pokryły, odejmij i skróć") \
    XS(practice_method_comparison, "Multiply crosswise: compare a * d with c * b", "Mnoz na krzyz: porownaj a * d z c * b", "Mnóż na krzyż: porównaj a * d z c * b") \
    XS(practice_method_egyptian, "Take away the largest unit fraction below what is left, until a unit fraction is left", "Odejmuj najwiekszy ulamek o liczniku 1 mniejszy od reszty, az zostanie ulamek o liczniku 1", "Odejmuj największy ułamek o liczniku 1 mniejszy od reszty, aż zostanie ułamek o liczniku 1") \
    XS(practice_method_lines, "Where lines cross both give the same y: solve a1x + b1 = a2x + b2; equal slopes never cross", "W punkcie przeciecia obie daja to samo y: rozwiaz a1x + b1 = a2x + b2; rowne a oznaczaja proste rownolegle", "W punkcie przecięcia obie dają to samo y: rozwiąż a1x + b1 = a2x + b2; równe a oznaczają proste równoległe") \
    X(practice_method_two_points, "a = (y2 - y1)/(x2 - x1), then b = y1 - a * x1", "a = (y2 - y1)/(x2 - x1), potem b = y1 - a * x1") \
    XS(practice_method_vectors, "Multiply each vector by its factor, then add the x parts and the y parts", "Pomnoz kazdy wektor przez jego wspolczynnik, potem dodaj x do x i y do y", "Pomnóż każdy wektor przez jego współczynnik, potem dodaj x do x i y do y") \
    XS(practice_first_remainder, "{1} * {2} = {3} is the largest multiple of {1} not above {4}", "{1} * {2} = {3} to najwieksza wielokrotnosc {1} nie wieksza od {4}", "{1} * {2} = {3} to największa wielokrotność {1} nie większa od {4}") \
    XS(practice_first_lines, "Set {1} = {2} and find x", "Przyrownaj {1} = {2} i wyznacz x", "Przyrównaj {1} = {2} i wyznacz x") \
    X(practice_heading, "{1}, level {2}", "{1}, poziom {2}") \
    X(practice_field_takes, "takes {1}", "przyjmuje {1}") \
    X(practice_field_digits, "digits", "cyfry") \
    XS(practice_next, "Enter: the next problem", "Enter: nastepne zadanie", "Enter: następne zadanie") \
    XS(practice_skipped, "Skipped: it comes back soon", "Pominiete: wroci niedlugo", "Pominięte: wróci niedługo") \
    XS(practice_rows_waiting, "Answers are waiting to be saved", "Odpowiedzi czekaja na zapisanie", "Odpowiedzi czekają na zapisanie") \
    XS(practice_hint_stage, "Hint {1} of {2}:", "Podpowiedz {1} z {2}:", "Podpowiedź {1} z {2}:") \
    X(practice_mastered, "Levels mastered:", "Opanowane poziomy:") \
    XS(practice_keys, "Enter: check   H: hint   S: skip   Left/Right on an empty answer: level   Space: language   Escape: back", "Enter: sprawdz   H: podpowiedz   S: pomin   Lewo/Prawo przy pustej odpowiedzi: poziom   Spacja: jezyk   Escape: powrot", "Enter: sprawdź   H: podpowiedź   S: pomiń   Lewo/Prawo przy pustej odpowiedzi: poziom   Spacja: język   Escape: powrót") \
    XS(practice_keys_assignment, "Enter: check   H: hint   Space: language   Escape: back", "Enter: sprawdz   H: podpowiedz   Spacja: jezyk   Escape: powrot", "Enter: sprawdź   H: podpowiedź   Spacja: język   Escape: powrót") \
    XS(practice_offer, "P: practise", "P: cwicz", "P: ćwicz") \
    X(class_recorded_as, "Recorded as: {1}", "Zapisywane jako: {1}") \
    X(class_unreachable, "The class folder cannot be reached: the answers wait here and go there later", "Folder klasy jest niedostepny: odpowiedzi czekaja tutaj i trafia tam pozniej") \
    XS(options_name, "Name: ", "Imie: ", "Imię: ") \
    XS(options_name_typing, "Type your name, then Enter; Escape leaves it as it was", "Wpisz swoje imie i wcisnij Enter; Escape zostawia je bez zmian", "Wpisz swoje imię i wciśnij Enter; Escape zostawia je bez zmian") \
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
    XS(class_file_foreign, "The class file belongs to another account: tell your teacher", "Plik klasy nalezy do innego konta: powiedz o tym nauczycielowi", "Plik klasy należy do innego konta: powiedz o tym nauczycielowi") \
    XS(assignment_not_teachers, "assignment.txt is not the teacher's: passed over", "assignment.txt nie jest plikiem nauczyciela: pominiety", "assignment.txt nie jest plikiem nauczyciela: pominięty") \
    XS(assignment_too_large, "assignment.txt is larger than {1} KB: passed over", "assignment.txt ma wiecej niz {1} KB: pominiety", "assignment.txt ma więcej niż {1} KB: pominięty") \
    X(report_login, "login", "konto") \
    X(report_check_column, "check", "do sprawdzenia") \
    X(report_check, "Check these files", "Sprawdz te pliki") \
    X(report_check_note, "The class folder's files are summed up as they stand: these need a look before the results are trusted.", "Pliki folderu klasy sa podsumowane tak, jak sa: te trzeba obejrzec, zanim zaufa sie wynikom.") \
    X(report_check_anonymous, "{1} notes on the class files are left out of this anonymous page: make the report without --anonymous to read them.", "Uwagi o plikach klasy ({1}) pominieto na tej anonimowej stronie: zrob raport bez --anonymous, aby je przeczytac.") \
    X(report_not_named_owner, "{1} belongs to the account {2}, not to the login it is named for", "{1} nalezy do konta {2}, a nie do tego, od ktorego ma nazwe") \
    X(report_shared_login, "{1} holds rows under {2} names ({3}): a shared login, or a name typed for another pupil", "{1} zawiera wiersze pod {2} imionami ({3}): wspolne konto albo imie wpisane za innego ucznia") \
    X(report_name_in_files, "The name {1} appears in several files: {2}", "Imie {1} wystepuje w kilku plikach: {2}") \
    X(report_one_owner, "The share shows every file with one owner: who wrote each file cannot be checked", "Udzial pokazuje jednego wlasciciela wszystkich plikow: nie da sie sprawdzic, kto napisal ktory plik") \
    X(report_not_allowed, "{1} was not read: only the teacher's group may read the class files", "{1} nie zostal odczytany: pliki klasy moze czytac tylko grupa nauczycieli") \
    X(report_too_large, "{1} was not read: it is larger than {2} MB", "{1} nie zostal odczytany: ma wiecej niz {2} MB") \
    X(report_not_followed, "{1} was not read: it is a link not made by the class folder's owner", "{1} nie zostal odczytany: to dowiazanie, ktorego nie zrobil wlasciciel folderu") \
    X(report_unreadable, "{1} was not read: {2}", "{1} nie zostal odczytany: {2}") \
    X(report_lines_passed, "{1}: damaged lines passed over: {2} (standard error names each)", "{1}: pominiete uszkodzone wiersze: {2} (kazdy jest wymieniony na standardowym wyjsciu bledow)") \
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
    XS(part1_program1_line1, "1. Calculate the rest r by dividing n by k", "1. Oblicz reszte r z dzielenia n przez k", "1. Oblicz resztę r z dzielenia n przez k") \
    X(part1_program1_line2, "n = k * m + r", "n = k * m + r") \
    X(part1_program1_line3, "n =", "n =") \
    X(part1_program1_line4, "k =", "k =") \
    X(part1_program1_line5, "calculate1", "oblicz1") \
    X(part1_program2_line1, "Prime numbers (sieve of Eratosthenes)", "2. Liczby pierwsze (sito Eratostenesa)") \
    X(part1_program2_line2, "List prime numbers", "Wypisz liczby pierwsze") \
    X(part1_program2_line3, "from", "od") \
    X(part1_program2_line4, "to", "do") \
    X(part1_program2_line5, "calculate2", "oblicz2") \
    XS(part1_program3_line1, "3. Distribution of a natural number to prime divisors", "3. Rozklad liczby naturalnej na dzielniki pierwsze", "3. Rozkład liczby naturalnej na dzielniki pierwsze") \
    XS(part1_program3_line2, "Enter number", "Wpisz liczbe", "Wpisz liczbę") \
    X(part1_program3_line3, "calculate3", "oblicz3") \
    X(part1_program4_line1, "4. Can a given number be divided by:", "4. Czy dana liczba jest podzielna przez:") \
    X(part1_program4_line2, "2, 3, 4, 5, 8, 9, 11, 12, 15, 18", "2, 3, 4, 5, 8, 9, 11, 12, 15, 18") \
    XS(part1_program4_line3, "Enter number", "Wpisz liczbe", "Wpisz liczbę") \
    X(part1_program4_line4, "calculate4", "oblicz4") \
    XS(part1_program5and6_line1, "5. GCD - greatest common divisor", "5. NWD - najwiekszy wspolny dzielnik", "5. NWD - największy wspólny dzielnik") \
    XS(part1_program5and6_line2, "6. LCM - lowest common multiple", "6. NWW - najmniejsza wspolna wielokrotnosc", "6. NWW - najmniejsza wspólna wielokrotność") \
    X(part1_program5and6_line3, "Number 1", "Liczba 1") \
    X(part1_program5and6_line4, "Number 2", "Liczba 2") \
    X(part1_program5and6_line5, "calculate5", "oblicz5") \
    X(part1_program5and6_line6, "calculate6", "oblicz6") \
    XS(part1_program7_line1, "7. Check with Goldbach's conjecture is true", "7. Sprawdz ze hipoteza Goldbacha jest prawdziwa", "7. Sprawdź że hipoteza Goldbacha jest prawdziwa") \
    X(part1_program7_line2, "for numbers n: 4<=n<=2500", "dla liczb n: 4<=n<=2500") \
    X(part1_program7_line3, "Enter n", "Wpisz n") \
    X(part1_program7_line4, "calculate7", "oblicz7") \
    XS(part2_program1_line1, "1. Solve 4 actions in set U", "1. Wykonaj 4 dzialania w zbiorze U", "1. Wykonaj 4 działania w zbiorze U") \
    X(part2_program1_line2, "numerator:", "licznik:") \
    X(part2_program1_line3, "denominator:", "mianownik:") \
    X(part2_program1_line4, "number1:", "liczba1:") \
    X(part2_program1_line5, "number2:", "liczba2:") \
    X(part2_program1_line6, "calculate1", "oblicz1") \
    XS(part2_program2_line1, "2. Reduce fraction", "2. Skroc ulamek", "2. Skróć ułamek") \
    X(part2_program2_line2, "numerator:", "licznik:") \
    X(part2_program2_line3, "denominator:", "mianownik:") \
    X(part2_program2_line4, "calculate2", "oblicz2") \
    XS(part2_program3_line1, "3. Solve 4 actions in set W", "3. Wykonaj 4 dzialania w zbiorze W", "3. Wykonaj 4 działania w zbiorze W") \
    X(part2_program3_line2, "numerator:", "licznik:") \
    X(part2_program3_line3, "denominator:", "mianownik:") \
    X(part2_program3_line4, "number1:", "liczba1:") \
    X(part2_program3_line5, "number2:", "liczba2:") \
    X(part2_program3_line6, "calculate3", "oblicz3") \
    XS(part2_program4_line1, "4. Do these fractions represent the same rational number", "4. Czy te ulamki reprezentuja te sama liczbe wymierna", "4. Czy te ułamki reprezentują tę samą liczbę wymierną") \
    X(part2_program4_line2, "numerator:", "licznik:") \
    X(part2_program4_line3, "denominator:", "mianownik:") \
    X(part2_program4_line4, "number1:", "liczba1:") \
    X(part2_program4_line5, "number2:", "liczba2:") \
    X(part2_program4_line6, "calculate4", "oblicz4") \
    XS(part2_program5_line1, "5. What rational numbers do these fractions represent", "5. Jakie liczby wymierne reprezentuja te ulamki", "5. Jakie liczby wymierne reprezentują te ułamki") \
    X(part2_program5_line2, "numerator:", "licznik:") \
    X(part2_program5_line3, "denominator:", "mianownik:") \
    X(part2_program5_line4, "number1:", "liczba1:") \
    X(part2_program5_line5, "number2:", "liczba2:") \
    X(part2_program5_line6, "number3:", "liczba3:") \
    X(part2_program5_line7, "number4:", "liczba4:") \
    X(part2_program5_line8, "number5:", "liczba5:") \
    X(part2_program5_line9, "number6:", "liczba6:") \
    X(part2_program5_line10, "calculate5", "oblicz5") \
    XS(part3_program1_line1, "1. Exchange common fraction for mixed fraction", "1. Zamien ulamek zwykly na ulamek mieszany", "1. Zamień ułamek zwykły na ułamek mieszany") \
    X(part3_program1_line2, "numerator:", "licznik:") \
    X(part3_program1_line3, "denominator:", "mianownik:") \
    X(part3_program1_line4, "calculate1", "oblicz1") \
    XS(part3_program2_line1, "2. Introduce recurring decimal in the form of", "2. Przedstaw ulamek dziesietny okresowy w postaci", "2. Przedstaw ułamek dziesiętny okresowy w postaci") \
    XS(part3_program2_line2, "a common fraction. Example: 0.12[857]", "ulamka zwyklego. Przyklad: 0.12[857]", "ułamka zwykłego. Przykład: 0.12[857]") \
    XS(part3_program2_line3, "recurring decimal:", "ulamek dziesietny okresowy:", "ułamek dziesiętny okresowy:") \
    X(part3_program2_line4, "calculate2", "oblicz2") \
    XS(part3_program3_line1, "3. Compare 2 fractions pointing to larger fraction", "3. Porownaj 2 ulamki wskazujac ulamek wiekszy", "3. Porównaj 2 ułamki wskazując ułamek większy") \
    X(part3_program3_line2, "numerator:", "licznik:") \
    X(part3_program3_line3, "denominator:", "mianownik:") \
    X(part3_program3_line4, "number1:", "liczba1:") \
    X(part3_program3_line5, "number2:", "liczba2:") \
    X(part3_program3_line6, "calculate3", "oblicz3") \
    X(part3_program4_line1, "4. The procedure of presentation of any rational number", "4. Procedura przedstawiania dowolnej liczby wymiernej") \
    XS(part3_program4_line2, "as the sum of Egyptian fractions", "w postaci sumy ulamkow egipskich", "w postaci sumy ułamków egipskich") \
    X(part3_program4_line3, "numerator:", "licznik:") \
    X(part3_program4_line4, "denominator:", "mianownik:") \
    X(part3_program4_line5, "calculate4", "oblicz4") \
    X(part4_program1_line1, "straight line 1", "prosta 1") \
    X(part4_program1_line2, "straight line 2", "prosta 2") \
    X(part4_program1_line3, "straight line 3", "prosta 3") \
    X(part4_program1_a, "a:", "a:") \
    X(part4_program1_b, "b:", "b:") \
    XS(part4_program2_line1, "1. Draw straight line", "1. Narysuj prosta", "1. Narysuj prostą") \
    XS(part4_program2_line2, "passing through 2 points", "przechodzaca przez 2 punkty", "przechodzącą przez 2 punkty") \
    X(part4_program2_point1, "point 1", "punkt 1") \
    X(part4_program2_point2, "point 2", "punkt 2") \
    X(part4_program2_x, "x:", "x:") \
    X(part4_program2_y, "y:", "y:") \
    X(part4_program3_line1, "3. Draw 1-2", "3. Narysuj 1-2") \
    XS(part4_program3_line2, "vectors", "dowolnych wektorow", "dowolnych wektorów") \
    X(part4_program3_vector1, "vector 1", "wektor 1") \
    X(part4_program3_vector2, "vector 2", "wektor 2") \
    X(part4_program3_x, "x:", "x:") \
    X(part4_program3_y, "y:", "y:") \
    XS(part4_program3_m_vector1_by, "multiply vector 1 by:", "pomnoz wektor 1 przez:", "pomnóż wektor 1 przez:") \
    XS(part4_program3_m_vector2_by, "multiply vector 2 by:", "pomnoz wektor 2 przez:", "pomnóż wektor 2 przez:") \
    X(part4_program3_sum, "sum = ", "suma = ") \
    XS(program2, "Number of prime numbers: ", "Ilosc liczb pierwszych: ", "Ilość liczb pierwszych: ") \
    X(program3_1, "Prime divisors ", "Dzielniki pierwsze ") \
    XS(program3_2, " amount to: ", " wynosza: ", " wynoszą: ") \
    XS(program3_3, "Incorrect data", "Niewlasciwe dane", "Niewłaściwe dane") \
    X(program4_1, ": yes    ", ": tak    ") \
    X(program4_2, ": no    ", ": nie    ") \
    X(program4_3, "The given number is divisible by:", "Podana liczba jest podzielna przez:") \
    XS(program5_1, "Greatest common divisor of numbers ", "Najwiekszy wspolny dzielnik liczb ", "Największy wspólny dzielnik liczb ") \
    X(program5_2, " is: ", " wynosi: ") \
    XS(program6_1, "Lowest common multiple of numers ", "Najmniejsza wspolna wielokrotnosc liczb ", "Najmniejsza wspólna wielokrotność liczb ") \
    X(program6_2, " is: ", " wynosi: ") \
    X(program5and6_and, " i ", " i ") \
    XS(program7_1, "Enter number n of interval 4<=n<=2500", "Wpisz liczbe n z przedzialu 4<=n<=2500", "Wpisz liczbę n z przedziału 4<=n<=2500") \
    XS(program7_2, "There are no solutions", "Nie ma rozwiazan", "Nie ma rozwiązań") \
    XS(program11_1, "Two fractions present the same rational number", "Dwa ulamki przedstawiaja te sama liczbe wymierna", "Dwa ułamki przedstawiają tę samą liczbę wymierną") \
    XS(program11_2, "Two fractions do not present the same rational number", "Dwa ulamki nie przedstawiaja tej samej liczby wymiernej", "Dwa ułamki nie przedstawiają tej samej liczby wymiernej") \
    XS(program12_1, "Fraction 1: ", "Ulamek 1: ", "Ułamek 1: ") \
    XS(program12_2, "Fraction 2: ", "Ulamek 2: ", "Ułamek 2: ") \
    XS(program12_3, "Fraction 3: ", "Ulamek 3: ", "Ułamek 3: ") \
    XS(program12_4, "Fraction 4: ", "Ulamek 4: ", "Ułamek 4: ") \
    XS(program12_5, "Fraction 5: ", "Ulamek 5: ", "Ułamek 5: ") \
    XS(program12_6, "Fraction 6: ", "Ulamek 6: ", "Ułamek 6: ") \
    XS(program13, "Mixed fraction: ", "Ulamek mieszany: ", "Ułamek mieszany: ") \
    XS(program15_1, "Fraction 1 is greater.", "Ulamek 1 jest wiekszy.", "Ułamek 1 jest większy.") \
    XS(program15_2, "Fraction 2 is greater.", "Ulamek 2 jest wiekszy.", "Ułamek 2 jest większy.") \
    XS(program15_3, "Fractions 1 and 2 are equal.", "Ulamki 1 i 2 sa rowne.", "Ułamki 1 i 2 są równe.") \
    XS(error_division_by_zero, "Division by zero is not allowed", "Nie mozna dzielic przez zero", "Nie można dzielić przez zero") \
    XS(error_zero_denominator, "The denominator cannot be 0", "Mianownik nie moze byc zerem", "Mianownik nie może być zerem") \
    X(error_primes_range, "Enter numbers from 0 to 1000000", "Wpisz liczby od 0 do 1000000") \
    XS(error_recurring_decimal, "Write the decimal like 0.12[857]", "Zapisz ulamek tak jak 0.12[857]", "Zapisz ułamek tak jak 0.12[857]") \
    XS(error_too_long, "The answer is too long to show", "Odpowiedz jest za dluga, by ja pokazac", "Odpowiedź jest za długa, by ją pokazać") \
    XS(error_results_not_saved, "Could not save results.txt", "Nie mozna zapisac pliku results.txt", "Nie można zapisać pliku results.txt") \
    X(error_results_kept, "results.txt is kept as it was: there is nowhere safe to rewrite it", "Plik results.txt zostal bez zmian: nie ma bezpiecznego miejsca, by go zapisac") \
    XS(working_hint, "W: show the working", "W: pokaz rozwiazanie", "W: pokaż rozwiązanie") \
    XS(working_keys, "Up/Down, Page Up/Down, Home/End: scroll    Enter: save to working.txt    Esc or W: back", "Gora/Dol, Page Up/Down, Home/End: przewijanie    Enter: zapis do working.txt    Esc lub W: powrot", "Góra/Dół, Page Up/Down, Home/End: przewijanie    Enter: zapis do working.txt    Esc lub W: powrót") \
    XS(working_more_above, "more above", "wiecej powyzej", "więcej powyżej") \
    XS(working_more_below, "more below", "wiecej ponizej", "więcej poniżej") \
    X(working_saved, "Saved to working.txt", "Zapisano w pliku working.txt") \
    XS(working_save_failed, "Could not save working.txt", "Nie mozna zapisac pliku working.txt", "Nie można zapisać pliku working.txt") \
    X(working_yes, "yes", "tak") \
    X(working_no, "no", "nie") \
    X(working_gcd_is, "GCD({1}, {2}) = {3}", "NWD({1}, {2}) = {3}") \
    XS(working_euclid, "Euclid's algorithm: divide with remainder until the remainder is 0", "Algorytm Euklidesa: dzielimy z reszta, az reszta bedzie rowna 0", "Algorytm Euklidesa: dzielimy z reszta, aż reszta będzie równa 0") \
    XS(working_gcd_zero, "GCD({1}, {2}) = {3}: every number divides 0", "NWD({1}, {2}) = {3}: kazda liczba dzieli 0", "NWD({1}, {2}) = {3}: każda liczba dzieli 0") \
    XS(working_lowest_terms, "GCD({1}, {2}) = 1: {1}/{2} is already in lowest terms", "NWD({1}, {2}) = 1: ulamek {1}/{2} jest juz nieskracalny", "NWD({1}, {2}) = 1: ułamek {1}/{2} jest już nieskracalny") \
    XS(working_gcd_both_zero, "GCD(0, 0) = 0 by agreement: every number divides 0", "NWD(0, 0) = 0 umownie: kazda liczba dzieli 0", "NWD(0, 0) = 0 umownie: każda liczba dzieli 0") \
    XS(working_zero_denominator, "{1} has the denominator 0: such a fraction has no value", "{1} ma mianownik 0: taki ulamek nie ma wartosci", "{1} ma mianownik 0: taki ułamek nie ma wartości") \
    XS(working_saved_results, "The whole answer is saved in results.txt", "Cala odpowiedz jest zapisana w pliku results.txt", "Cała odpowiedź jest zapisana w pliku results.txt") \
    XS(working_results_not_saved, "The whole answer could not be saved in results.txt", "Nie mozna bylo zapisac calej odpowiedzi w pliku results.txt", "Nie można było zapisać całej odpowiedzi w pliku results.txt") \
    X(working_remainder_title, "Remainder of {1} by {2}", "Reszta z dzielenia {1} przez {2}") \
    X(working_remainder_divide, "{1} : {2} = {3} remainder {4}", "{1} : {2} = {3} reszta {4}") \
    X(working_remainder_check, "Check: {1} * {2} + {3} = {4}", "Sprawdzenie: {1} * {2} + {3} = {4}") \
    X(working_remainder_smaller, "The remainder {1} is smaller than {2}", "Reszta {1} jest mniejsza od {2}") \
    XS(working_by_zero, "Dividing by 0 has no answer: q * 0 = 0 for every number q", "Dzielenie przez 0 nie ma wyniku: q * 0 = 0 dla kazdej liczby q", "Dzielenie przez 0 nie ma wyniku: q * 0 = 0 dla każdej liczby q") \
    X(working_primes_title, "Primes from {1} to {2}", "Liczby pierwsze od {1} do {2}") \
    XS(working_primes_too_far, "The list reaches at most 1000000, and {1} lies beyond it", "Lista siega najwyzej 1000000, a {1} lezy dalej", "Lista sięga najwyżej 1000000, a {1} leży dalej") \
    X(working_primes_sieve, "Sieve of Eratosthenes: write the numbers from 2 to {1};", "Sito Eratostenesa: wypisujemy liczby od 2 do {1};") \
    XS(working_primes_strike_each, "for each prime p with p * p <= {1}, strike its multiples from p * p on", "dla kazdej liczby pierwszej p, dla ktorej p * p <= {1}, skreslamy jej wielokrotnosci od p * p", "dla każdej liczby pierwszej p, dla której p * p <= {1}, skreślamy jej wielokrotności od p * p") \
    XS(working_primes_strike, "{1}: strike {2}", "{1}: skreslamy {2}", "{1}: skreślamy {2}") \
    XS(working_primes_nothing, "No prime p has p * p <= {1}: nothing to strike", "Zadna liczba pierwsza p nie ma p * p <= {1}: nic do skreslenia", "Żadna liczba pierwsza p nie ma p * p <= {1}: nic do skreślenia") \
    XS(working_primes_backwards, "The range runs backwards: {1} > {2}, so it holds no numbers", "Przedzial jest odwrocony: {1} > {2}, wiec nie zawiera zadnych liczb", "Przedział jest odwrócony: {1} > {2}, więc nie zawiera żadnych liczb") \
    XS(working_primes_below_two, "The range ends at {1}, below 2, the smallest prime: it holds no primes", "Przedzial konczy sie na {1}, ponizej 2, najmniejszej liczby pierwszej: nie ma w nim liczb pierwszych", "Przedział kończy się na {1}, poniżej 2, najmniejszej liczby pierwszej: nie ma w nim liczb pierwszych") \
    XS(working_primes_count_one, "Left unstruck from {1} to {2}: {3} prime", "Nieskreslone od {1} do {2}: {3} liczba pierwsza", "Nieskreślone od {1} do {2}: {3} liczba pierwsza") \
    XS(working_primes_count_few, "Left unstruck from {1} to {2}: {3} primes", "Nieskreslone od {1} do {2}: {3} liczby pierwsze", "Nieskreślone od {1} do {2}: {3} liczby pierwsze") \
    XS(working_primes_count_many, "Left unstruck from {1} to {2}: {3} primes", "Nieskreslone od {1} do {2}: {3} liczb pierwszych", "Nieskreślone od {1} do {2}: {3} liczb pierwszych") \
    XS(working_factors_title, "Prime factors of {1}", "Rozklad liczby {1} na czynniki pierwsze", "Rozkład liczby {1} na czynniki pierwsze") \
    XS(working_factors_too_small, "Only numbers from 2 up have prime factors", "Na czynniki pierwsze rozkladamy liczby od 2 w gore", "Na czynniki pierwsze rozkładamy liczby od 2 w górę") \
    XS(working_factors_ladder, "Divide by the smallest prime that divides, until 1 is left:", "Dzielimy przez najmniejsza liczbe pierwsza, ktora dzieli, az zostanie 1:", "Dzielimy przez najmniejszą liczbę pierwszą, która dzieli, aż zostanie 1:") \
    XS(working_factors_prime, "{1} is prime: no number d from 2 with d * d <= {1} divides it", "{1} jest liczba pierwsza: nie dzieli jej zadna liczba d od 2, dla ktorej d * d <= {1}", "{1} jest liczbą pierwszą: nie dzieli jej żadna liczba d od 2, dla której d * d <= {1}") \
    XS(working_divisibility_title, "Divisibility of {1}", "Podzielnosc liczby {1}", "Podzielność liczby {1}") \
    X(working_rule_last_digit, "{1}: the last digit {2} is divisible by {1}? {3}", "{1}: ostatnia cyfra {2} jest podzielna przez {1}? {3}") \
    XS(working_rule_last_digits, "{1}: the last {2} digits give {3}, divisible by {1}? {4}", "{1}: {2} ostatnie cyfry daja {3}, podzielne przez {1}? {4}", "{1}: {2} ostatnie cyfry dają {3}, podzielne przez {1}? {4}") \
    X(working_rule_digit_sum, "{1}: the digit sum {2} is divisible by {1}? {3}", "{1}: suma cyfr {2} jest podzielna przez {1}? {3}") \
    X(working_rule_alternating, "{1}: the alternating digit sum {2} is divisible by {1}? {3}", "{1}: naprzemienna suma cyfr {2} jest podzielna przez {1}? {3}") \
    X(working_rule_both, "{1}: divisible by {2} and by {3}? {4}", "{1}: podzielna przez {2} i przez {3}? {4}") \
    X(working_gcd_title, "GCD of {1} and {2}", "NWD liczb {1} i {2}") \
    X(working_gcd_last, "GCD = {1}, the divisor in the last division", "NWD = {1}, dzielnik w ostatnim dzieleniu") \
    X(working_lcm_title, "LCM of {1} and {2}", "NWW liczb {1} i {2}") \
    X(working_lcm_is, "LCM = {1} * {2} / {3} = {4}", "NWW = {1} * {2} / {3} = {4}") \
    XS(working_lcm_zero, "The only multiple of 0 is 0, so the LCM is 0", "Jedyna wielokrotnoscia 0 jest 0, wiec NWW = 0", "Jedyna wielokrotnością 0 jest 0, więc NWW = 0") \
    X(working_goldbach_title, "Goldbach for {1}", "Hipoteza Goldbacha dla {1}") \
    X(working_goldbach_range, "The program checks the numbers from 4 to 2500 only", "Program sprawdza tylko liczby od 4 do 2500") \
    XS(working_goldbach_odd, "{1} is odd, so one of the two primes must be 2, the only even prime", "{1} jest nieparzysta, wiec jedna z dwoch liczb pierwszych musi byc 2, jedyna parzysta liczba pierwsza", "{1} jest nieparzysta, więc jedna z dwóch liczb pierwszych musi być 2, jedyna parzysta liczba pierwsza") \
    XS(working_goldbach_search, "For each prime p from 2 to {1}: is {2} - p prime?", "Dla kazdej liczby pierwszej p od 2 do {1}: czy {2} - p jest liczba pierwsza?", "Dla każdej liczby pierwszej p od 2 do {1}: czy {2} - p jest liczbą pierwszą?") \
    XS(working_goldbach_pair, "{1} - {2} = {3} is prime: {1} = {2} + {3}", "{1} - {2} = {3} jest liczba pierwsza: {1} = {2} + {3}", "{1} - {2} = {3} jest liczbą pierwszą: {1} = {2} + {3}") \
    XS(working_goldbach_not_prime, "{1} - {2} = {3} is not prime", "{1} - {2} = {3} nie jest liczba pierwsza", "{1} - {2} = {3} nie jest liczbą pierwszą") \
    X(working_goldbach_count, "Pairs found: {1}", "Znalezione pary: {1}") \
    XS(working_operations_title, "Four operations on {1} and {2}", "Cztery dzialania na ulamkach {1} i {2}", "Cztery działania na ułamkach {1} i {2}") \
    XS(working_operations_reduced_title, "Four operations on {1} and {2}, results reduced", "Cztery dzialania na ulamkach {1} i {2}, wyniki skrocone", "Cztery działania na ułamkach {1} i {2}, wyniki skrócone") \
    XS(working_no_reciprocal, "{1} is 0 and has no reciprocal: dividing by it has no answer", "{1} jest rowny 0 i nie ma odwrotnosci: nie mozna przez niego dzielic", "{1} jest równy 0 i nie ma odwrotności: nie można przez niego dzielić") \
    XS(working_reduce_each, "Reduce each result by the GCD of its numerator and denominator:", "Skracamy kazdy wynik przez NWD licznika i mianownika:", "Skracamy każdy wynik przez NWD licznika i mianownika:") \
    XS(working_reduce_title, "Reduce {1}", "Skracanie ulamka {1}", "Skracanie ułamka {1}") \
    XS(working_equality_title, "Are {1} and {2} equal?", "Czy ulamki {1} i {2} sa rowne?", "Czy ułamki {1} i {2} są równe?") \
    XS(working_cross_products, "Multiply crosswise:", "Mnozymy na krzyz:", "Mnożymy na krzyż:") \
    XS(working_cross_equal, "{1} = {2}: the fractions are equal", "{1} = {2}: ulamki sa rowne", "{1} = {2}: ułamki są równe") \
    XS(working_cross_differ, "{1} and {2} differ: the fractions are not equal", "{1} i {2} sa rozne: ulamki nie sa rowne", "{1} i {2} są różne: ułamki nie są równe") \
    XS(working_six_title, "Six fractions in lowest terms", "Szesc ulamkow w najprostszej postaci", "Sześć ułamków w najprostszej postaci") \
    XS(working_six_line, "{1}) GCD({2}, {3}) = {4}, so {2}/{3} = {5}", "{1}) NWD({2}, {3}) = {4}, wiec {2}/{3} = {5}", "{1}) NWD({2}, {3}) = {4}, więc {2}/{3} = {5}") \
    XS(working_six_lowest, "{1}) GCD({2}, {3}) = 1, so {2}/{3} is already in lowest terms", "{1}) NWD({2}, {3}) = 1, wiec ulamek {2}/{3} jest juz nieskracalny", "{1}) NWD({2}, {3}) = 1, więc ułamek {2}/{3} jest już nieskracalny") \
    XS(working_mixed_title, "Mixed fraction of {1}", "Liczba mieszana z ulamka {1}", "Liczba mieszana z ułamka {1}") \
    XS(working_mixed_proper, "{1} < 1: a proper fraction, with no whole part", "{1} < 1: to ulamek wlasciwy, bez czesci calkowitej", "{1} < 1: to ułamek właściwy, bez części całkowitej") \
    XS(working_recurring_title, "Recurring decimal {1}", "Ulamek okresowy {1}", "Ułamek okresowy {1}") \
    XS(working_recurring_shape, "Type digits, a point, digits and the repeating digits in brackets, e.g. 0.12[857]", "Wpisz cyfry, kropke, cyfry i powtarzajace sie cyfry w nawiasach, np. 0.12[857]", "Wpisz cyfry, kropkę, cyfry i powtarzające się cyfry w nawiasach, np. 0.12[857]") \
    XS(working_recurring_subtract, "Subtract so that the repeating digits cancel:", "Odejmujemy stronami, aby powtarzajace sie cyfry sie zniosly:", "Odejmujemy stronami, aby powtarzające się cyfry się zniosły:") \
    XS(working_compare_title, "Compare {1} and {2}", "Porownanie ulamkow {1} i {2}", "Porównanie ułamków {1} i {2}") \
    XS(working_compare_first, "{1} > {2}, so {3} is greater", "{1} > {2}, wiec wiekszy jest ulamek {3}", "{1} > {2}, więc większy jest ułamek {3}") \
    XS(working_compare_second, "{1} < {2}, so {3} is greater", "{1} < {2}, wiec wiekszy jest ulamek {3}", "{1} < {2}, więc większy jest ułamek {3}") \
    XS(working_egyptian_title, "Egyptian fractions of {1}", "Ulamki egipskie dla {1}", "Ułamki egipskie dla {1}") \
    XS(working_egyptian_whole, "{1} is a whole number: there is nothing to expand", "{1} jest liczba calkowita: nie ma czego rozkladac", "{1} jest liczbą całkowitą: nie ma czego rozkładać") \
    XS(working_egyptian_unit_start, "{1} already has the numerator 1: it is split into two", "{1} ma juz licznik 1: rozkladamy go na dwa ulamki", "{1} ma już licznik 1: rozkładamy go na dwa ułamki") \
    XS(working_egyptian_take, "The largest unit fraction below {1} is 1/{2}", "Najwiekszy ulamek o liczniku 1 mniejszy od {1} to 1/{2}", "Największy ułamek o liczniku 1 mniejszy od {1} to 1/{2}") \
    XS(working_egyptian_last, "{1} has the numerator 1: it is the last term", "{1} ma licznik 1: to ostatni skladnik", "{1} ma licznik 1: to ostatni składnik") \
    XS(working_egyptian_stop, "The next fraction would have more than {1} digits in its denominator: the working stops here", "Kolejny ulamek mialby ponad {1} cyfr w mianowniku: tu rozwiazanie sie konczy", "Kolejny ułamek miałby ponad {1} cyfr w mianowniku: tu rozwiązanie się kończy") \
    X(working_lines_title, "Straight lines y = {1}, y = {2} and y = {3}", "Proste y = {1}, y = {2} i y = {3}") \
    X(working_line, "Line {1}: y = {2}", "Prosta {1}: y = {2}") \
    XS(working_line_y_axis, "  crosses the y axis at (0, {1})", "  przecina os y w punkcie (0, {1})", "  przecina oś y w punkcie (0, {1})") \
    XS(working_line_x_axis, "  crosses the x axis where {1} = 0: at ({2}, 0)", "  przecina os x tam, gdzie {1} = 0: w punkcie ({2}, 0)", "  przecina oś x tam, gdzie {1} = 0: w punkcie ({2}, 0)") \
    X(working_line_x_never, "  is horizontal and never crosses the x axis", "  jest pozioma i nie przecina osi x") \
    XS(working_line_x_everywhere, "  is the x axis itself: it crosses it everywhere", "  pokrywa sie z osia x: ma z nia wszystkie punkty wspolne", "  pokrywa się z osią x: ma z nią wszystkie punkty wspólne") \
    XS(working_lines_cross, "Lines {1} and {2}: {3} = {4}, so they cross at ({5}, {6})", "Proste {1} i {2}: {3} = {4}, wiec przecinaja sie w punkcie ({5}, {6})", "Proste {1} i {2}: {3} = {4}, więc przecinają się w punkcie ({5}, {6})") \
    XS(working_lines_parallel, "Lines {1} and {2} are parallel: same slope, different intercepts", "Proste {1} i {2} sa rownolegle: ten sam wspolczynnik kierunkowy, rozne wyrazy wolne", "Proste {1} i {2} są równoległe: ten sam współczynnik kierunkowy, różne wyrazy wolne") \
    X(working_lines_same, "Lines {1} and {2} are the same line", "Proste {1} i {2} to ta sama prosta") \
    X(working_two_points_title, "Line through ({1}, {2}) and ({3}, {4})", "Prosta przez punkty ({1}, {2}) i ({3}, {4})") \
    X(working_vertical, "x1 = x2 = {1}: the line is vertical", "x1 = x2 = {1}: prosta jest pionowa") \
    XS(working_same_points, "The two points are equal: every line through that point passes through both", "Punkty sa rowne: przez oba przechodzi kazda prosta przez ten punkt", "Punkty są równe: przez oba przechodzi każda prosta przez ten punkt") \
    XS(working_not_a_line, "Two equal points do not fix one line", "Dwa rowne punkty nie wyznaczaja jednej prostej", "Dwa równe punkty nie wyznaczają jednej prostej") \
    X(working_vectors_title, "Vectors w1 = [{1}, {2}] and w2 = [{3}, {4}]", "Wektory w1 = [{1}, {2}] i w2 = [{3}, {4}]") \
    XS(working_vectors_lengths, "Lengths: |[x, y]| = sqrt(x * x + y * y)", "Dlugosci: |[x, y]| = sqrt(x * x + y * y)", "Długości: |[x, y]| = sqrt(x * x + y * y)")
