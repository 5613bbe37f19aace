#include "modules/NumberFormat.h"

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
    const long long hundredths = RoundDiv(num * 100, den);
    const bool negative = hundredths < 0;
    const long long magnitude = negative ? -hundredths : hundredths;
    std::string text = (negative ? "-" : "") + std::to_string(magnitude / 100);
    const long long cents = magnitude % 100;
    if (cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0)
            text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

} // namespace stumpcraft
