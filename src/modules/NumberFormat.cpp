#include "modules/NumberFormat.h"

#include "platform/Errors.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <stdexcept>

namespace stumpcraft {

long long RoundDiv(long long num, long long den)
{
    if (den == 0)
        throw std::domain_error("Division by zero");
    if (den < 0) {
        num = -num;
        den = -den;
    }
    long long q = num / den;
    long long r = num % den;
    if (r < 0) { // floor division, so the remainder is 0..den-1
        q -= 1;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q % 2 != 0)))
        q += 1;
    return q;
}

std::string FormatRatio(long long num, long long den)
{
    std::string text;
    AppendRatio(text, num, den);
    return text;
}

void AppendNumber(std::string& out, long long n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

void AppendRatio(std::string& out, long long num, long long den)
{
    const long long hundredths = RoundDiv(num * 100, den);
    const bool negative = hundredths < 0;
    const long long magnitude = negative ? -hundredths : hundredths;
    if (negative)
        out += '-';
    AppendNumber(out, magnitude / 100);
    const long long cents = magnitude % 100;
    if (cents != 0) {
        out += '.';
        out += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0)
            out += static_cast<char>('0' + cents % 10);
    }
}

int ParseWholeNumber(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    const std::string number
        = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    // Digits with an optional sign, point and exponent; nothing else is a number.
    static const std::regex shape(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    if (!std::regex_match(number, shape))
        throw RuntimeError(errors::TypeMismatch, "Type mismatch");
    const double value = std::nearbyint(std::strtod(number.c_str(), nullptr));
    if (!(value >= -32768.0 && value <= 32767.0))
        throw RuntimeError(errors::Overflow, "Overflow");
    return static_cast<int>(value);
}

} // namespace stumpcraft
