#include "formula/numberformat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>
#include <cstdlib>
#include <locale.h>

namespace holvane::formula {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// strtod follows LC_NUMERIC, which a Qt program sets from the environment;
// numbers here always use ".".
locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

} // namespace

std::string NumberToText(double value)
{
    if (value == 0 || std::isnan(value) || std::isinf(value)) {
        if (std::isnan(value))
            return "NAN";
        if (std::isinf(value))
            return value > 0 ? "INF" : "-INF";
        return "0";
    }
    // d.dddddddddddddde±x: 15 significant digits, rounded to nearest.
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view sci(buffer, static_cast<size_t>(res.ptr - buffer));

    const bool negative = sci.front() == '-';
    const size_t ePos = sci.find('e');
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (isDigit(sci[i]))
            digits.push_back(sci[i]);
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    // value = ±0.d1d2... × 10^e
    const int e = std::atoi(std::string(sci.substr(ePos + 1)).c_str()) + 1;

    std::string out = negative ? "-" : "";
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            out += "0.";
            out.append(static_cast<size_t>(-e), '0');
            out += digits;
        } else if (digits.size() <= static_cast<size_t>(e)) {
            out += digits;
            out.append(static_cast<size_t>(e) - digits.size(), '0');
        } else {
            out += digits.substr(0, static_cast<size_t>(e));
            out += '.';
            out += digits.substr(static_cast<size_t>(e));
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(e - 1);
    return out;
}

bool TextToNumber(std::string_view text, double &value)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    const size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t mantissaDigits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    const size_t end = i;
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;

    // from_chars is exact and fast; it takes no "+". A number out of range
    // (too large, or too small) goes to strtod, which tells the two apart.
    std::string_view number = text.substr(start, end - start);
    if (number.front() == '+')
        number.remove_prefix(1);
    double parsed = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (res.ec == std::errc() && res.ptr == number.data() + number.size()) {
        value = parsed;
        return true;
    }
    const std::string copy(number);
    parsed = strtod_l(copy.c_str(), nullptr, cLocale());
    if (std::isinf(parsed))
        throw ArithmeticError("数值超出范围: " + copy);
    value = parsed;
    return true;
}

} // namespace holvane::formula
