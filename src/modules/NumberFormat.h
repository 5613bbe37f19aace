#pragma once

#include <stdexcept>
#include <string>

namespace stumpcraft {

// Numbers as the player sees them. Rates are ratios of whole numbers (runs per six balls, runs
// per hundred balls, wins per hundred games), so they are worked out in integers: no binary
// fraction can tip a half the wrong way.

// num / den rounded to a whole number, halves to even. den must not be 0. Inline: the
// computer's choices divide the innings into tenths and fifths every over.
inline long long RoundDiv(long long num, long long den)
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

// num / den rounded to two decimals, halves to even, in its shortest form: "6", "4.5",
// "233.33", "-0.5". den must not be 0.
std::string FormatRatio(long long num, long long den);
// The same, and a whole number in plain decimal, written at the end of `out`: lines built
// every ball go into one reused buffer.
void AppendRatio(std::string& out, long long num, long long den);
void AppendNumber(std::string& out, long long n);

// A typed number read as a 16-bit whole number: blanks around it are allowed, a fraction is
// rounded halves to even ("2.5" is 2). Text that is no number throws RuntimeError 13 ("Type
// mismatch"); a number beyond -32768..32767 throws RuntimeError 6 ("Overflow").
int ParseWholeNumber(const std::string& text);

// The caption of a counter that has nothing in it yet.
inline constexpr const char* kEmptyCounter = "00";

} // namespace stumpcraft
