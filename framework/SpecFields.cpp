#include "SpecFields.h"

#include <charconv>

#include "AsciiCase.h"

namespace trelvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    return pos;
}

std::size_t CountDigits(std::string_view text, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < text.size() && IsDigit(text[pos + n])) ++n;
    return n;
}

}  // namespace

std::vector<std::string> SplitSpecFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        pos = SkipSpaces(text, pos);
        std::size_t comma;
        if (pos < text.size() && text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) {
                fields.emplace_back(text.substr(pos + 1));
                return fields;
            }
            fields.emplace_back(text.substr(pos + 1, close - pos - 1));
            comma = text.find(',', close + 1);
        } else {
            comma = text.find(',', pos);
            std::string_view field = text.substr(pos, comma == std::string_view::npos ? comma : comma - pos);
            while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
            fields.emplace_back(field);
        }
        if (comma == std::string_view::npos) return fields;
        pos = comma + 1;
    }
}

double NumericValue(std::string_view field) {
    std::size_t start = 0;
    while (start < field.size() &&
           (field[start] == ' ' || field[start] == '\t' || field[start] == '\r' || field[start] == '\n')) {
        ++start;
    }
    bool negative = false;
    if (start < field.size() && (field[start] == '+' || field[start] == '-')) {
        negative = field[start] == '-';
        ++start;
    }
    std::size_t end = start;
    const std::size_t whole = CountDigits(field, end);
    end += whole;
    std::size_t fraction = 0;
    if (end < field.size() && field[end] == '.') {
        fraction = CountDigits(field, end + 1);
        if (whole + fraction > 0) end += 1 + fraction;
    }
    if (whole + fraction == 0) return 0.0;
    if (end < field.size() && (field[end] == 'e' || field[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < field.size() && (field[exponent] == '+' || field[exponent] == '-')) ++exponent;
        const std::size_t digits = CountDigits(field, exponent);
        if (digits > 0) end = exponent + digits;
    }
    double value = 0.0;
    std::from_chars(field.data() + start, field.data() + end, value);
    return negative ? -value : value;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = AsciiUpper(c);
    return upper;
}

}  // namespace trelvane
