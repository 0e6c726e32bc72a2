// Calcora: keyboard-driven mathematics for secondary-school pupils.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassFile.h"

#include <pwd.h>
#include <unistd.h>

#include <iterator>

#include "app/GlobalVariables.h"

namespace practice {

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The code points of UTF-8 `text`; none when it is not well-formed UTF-8.
std::optional<std::u32string> codePoints(const std::string& text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next >> 6) != 0x2) return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < shortest[length]) return std::nullopt;
        points += point;
        i += std::size_t(length);
    }
    return points;
}

std::string utf8(char32_t point) {
    if (point < 0x80) return std::string(1, char(point));
    if (point < 0x800) return {char(0xC0 | (point >> 6)), char(0x80 | (point & 0x3F))};
    if (point < 0x10000)
        return {char(0xE0 | (point >> 12)), char(0x80 | ((point >> 6) & 0x3F)), char(0x80 | (point & 0x3F))};
    return {char(0xF0 | (point >> 18)), char(0x80 | ((point >> 12) & 0x3F)), char(0x80 | ((point >> 6) & 0x3F)),
            char(0x80 | (point & 0x3F))};
}

// Characters that show nothing yet change what is shown: zero-width ones,
// the bidirectional controls (which can turn a name around), the byte order mark.
bool invisible(char32_t c) {
    return (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) ||
           c == 0xFEFF || c == 0x061C || c == 0x180E || c == 0xAD;
}

// A letter of the Latin alphabets of Europe (Latin-1's and Latin Extended-A's,
// Polish ones among them, and Romanian's comma-below letters), a digit, a
// blank or a hyphen. The web page's font carries these letters and no others
// (web/Web.cmake).
bool nameCharacter(char32_t c) {
    const bool ascii = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-';
    const bool latinLetter = (c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7) || (c >= 0x218 && c <= 0x21B);
    return ascii || latinLetter;
}

struct MistakeRow {
    Mistake mistake;
    const char* id;
    std::string Language::*name;
};
const MistakeRow MISTAKES[] = {
    {Mistake::added_across, "added_across", &Language::mistake_added_across},
    {Mistake::product_not_lcm, "product_not_lcm", &Language::mistake_product_not_lcm},
    {Mistake::product_not_gcd, "product_not_gcd", &Language::mistake_product_not_gcd},
    {Mistake::gcd_lcm_swapped, "gcd_lcm_swapped", &Language::mistake_gcd_lcm_swapped},
    {Mistake::not_greatest_divisor, "not_greatest_divisor", &Language::mistake_not_greatest_divisor},
    {Mistake::not_lowest_multiple, "not_lowest_multiple", &Language::mistake_not_lowest_multiple},
    {Mistake::quotient_not_remainder, "quotient_not_remainder", &Language::mistake_quotient_not_remainder},
    {Mistake::slope_upside_down, "slope_upside_down", &Language::mistake_slope_upside_down},
    {Mistake::sign_of_b, "sign_of_b", &Language::mistake_sign_of_b},
    {Mistake::not_turned_over, "not_turned_over", &Language::mistake_not_turned_over},
    {Mistake::factors_product, "factors_product", &Language::mistake_factors_product},
    {Mistake::factor_not_prime, "factor_not_prime", &Language::mistake_factor_not_prime},
    {Mistake::term_not_prime, "term_not_prime", &Language::mistake_term_not_prime},
    {Mistake::sum_wrong, "sum_wrong", &Language::mistake_sum_wrong},
    {Mistake::unit_repeated, "unit_repeated", &Language::mistake_unit_repeated},
    {Mistake::units_sum_wrong, "units_sum_wrong", &Language::mistake_units_sum_wrong},
    {Mistake::one_vector_scaled, "one_vector_scaled", &Language::mistake_one_vector_scaled},
};
static_assert(std::size(MISTAKES) == std::size_t(Mistake::one_vector_scaled), "a row for every named mistake");

const MistakeRow* rowOf(Mistake m) {
    for (const MistakeRow& row : MISTAKES)
        if (row.mistake == m) return &row;
    return nullptr;
}

}  // namespace

std::string pupilName(const std::string& chosen, const std::string& fullName, const std::string& login) {
    for (const std::string& name : {trimmed(chosen), trimmed(fullName.substr(0, fullName.find(','))), trimmed(login)})
        if (!name.empty()) return name;
    return "";
}

std::string accountLogin() {
    const passwd* user = getpwuid(getuid());
    return user && user->pw_name ? user->pw_name : "";
}

std::string accountGecos() {
    const passwd* user = getpwuid(getuid());
    return user && user->pw_gecos ? user->pw_gecos : "";
}

bool typableName(const std::string& name) {
    const std::optional<std::u32string> points = codePoints(name);
    if (!points || points->size() > PUPIL_NAME_LONGEST) return false;
    for (char32_t c : *points)
        if (!nameCharacter(c)) return false;
    return true;
}

std::string typeIntoName(const std::string& name, char32_t typed) {
    if (!nameCharacter(typed)) return name;
    const std::string longer = name + utf8(typed);
    return typableName(longer) ? longer : name;
}

std::string withoutLastCharacter(const std::string& name) {
    std::size_t end = name.size();
    while (end > 0 && (static_cast<unsigned char>(name[end - 1]) >> 6) == 0x2) --end;  // continuation bytes
    return name.substr(0, end > 0 ? end - 1 : 0);
}

std::string keptName(const std::string& typed) { return trimmed(typed); }

std::string printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text;
}

bool isText(const std::string& line) { return line.find('\0') == std::string::npos && codePoints(line).has_value(); }

std::string nameAsRead(const std::string& field) {
    const std::optional<std::u32string> points = codePoints(field);
    if (!points) return "";
    std::string name;
    std::size_t kept = 0;
    for (char32_t c : *points) {
        if (invisible(c)) continue;
        if (kept++ == PUPIL_NAME_LONGEST) break;
        name += c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) ? std::string("?") : utf8(c);
    }
    return trimmed(name);
}

std::optional<std::string> classFilePath(const std::string& folder, const std::string& login) {
    if (login.empty() || login == "." || login == ".." || login.find('/') != std::string::npos ||
        login.find('\0') != std::string::npos)
        return std::nullopt;
    return folder + "/" + login + ".csv";
}

std::uint64_t nameSeed(const std::string& name) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

std::string mistakeId(Mistake m) {
    const MistakeRow* row = rowOf(m);
    return row ? row->id : "";
}

std::optional<Mistake> mistakeWithId(const std::string& id) {
    for (const MistakeRow& row : MISTAKES)
        if (id == row.id) return row.mistake;
    return std::nullopt;
}

std::string mistakeName(Mistake m) {
    const MistakeRow* row = rowOf(m);
    return row ? lang_file->*row->name : "";
}

std::string classHeader() { return "pupil," + csvHeader(); }

namespace {

// The report reads a class file a line at a time: no field of a row breaks its line.
std::string onOneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

std::string classRow(const std::string& pupil, const CsvRow& original) {
    CsvRow row = original;
    row.problem = onOneLine(row.problem);
    row.answer = onOneLine(row.answer);
    std::string written = csvRow(row);
    if (written.empty()) return "";
    // The verdict is the last field but one; neither it nor the hints hold a comma.
    const std::size_t hints = written.rfind(',');
    if (row.mistake != Mistake::none && row.verdict) written.insert(hints, ":" + mistakeId(row.mistake));
    return csvField(onOneLine(pupil)) + "," + written;
}

std::string assignmentRow(const std::string& pupil, const std::string& time, const std::string& title, int done,
                          int total) {
    return csvField(onOneLine(pupil)) + "," + csvField(time) + "," + ASSIGNMENT_EXERCISE + ",," + csvField(onOneLine(title)) + "," +
           std::to_string(done) + "/" + std::to_string(total) + "," + (done >= total ? "complete" : "progress") +
           ",0\n";
}

}  // namespace practice
