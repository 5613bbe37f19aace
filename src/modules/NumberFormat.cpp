#include "modules/NumberFormat.h"

#include "platform/Errors.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace stumpcraft {

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

namespace {

    bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    // A typed number taken apart: its sign, its digits as written (the point may stand among
    // them), and the power of ten that turns those digits, read as a whole number, into the
    // value. Read in one pass with a fixed amount of state, however long the text.
    struct Decimal {
        bool negative = false;
        std::string_view digits;
        long long exponent = 0;
    };

    // Digits with an optional sign, point and exponent ("12", "-3.", ".5", "2.5e3"); nothing
    // else is a number.
    std::optional<Decimal> ReadDecimal(std::string_view text)
    {
        Decimal number;
        std::size_t i = 0;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            number.negative = text[i++] == '-';
        const std::size_t start = i;
        bool point = false, digit = false;
        long long afterPoint = 0;
        for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
            if (text[i] == '.') {
                point = true;
            } else {
                digit = true;
                afterPoint += point ? 1 : 0;
            }
        }
        if (!digit)
            return std::nullopt;
        number.digits = text.substr(start, i - start);
        long long exponent = 0;
        if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
            ++i;
            const bool minus = i < text.size() && text[i] == '-';
            if (i < text.size() && (text[i] == '+' || text[i] == '-'))
                ++i;
            if (i == text.size() || !IsDigit(text[i]))
                return std::nullopt;
            // Far beyond any power that could matter, the exponent stops growing.
            constexpr long long kFarEnough = 1'000'000'000'000'000LL;
            for (; i < text.size() && IsDigit(text[i]); ++i)
                exponent = std::min(kFarEnough, exponent * 10 + (text[i] - '0'));
            exponent = minus ? -exponent : exponent;
        }
        if (i != text.size())
            return std::nullopt;
        number.exponent = exponent - afterPoint;
        return number;
    }

    // The digits of a number one at a time, past its point; -1 after the last.
    class Digits {
    public:
        explicit Digits(std::string_view text)
            : text_(text)
        {
        }
        int Next()
        {
            while (at_ < text_.size() && text_[at_] == '.')
                ++at_;
            return at_ < text_.size() ? text_[at_++] - '0' : -1;
        }
        // How many digits are left, counted without taking them.
        long long Left() const
        {
            long long n = 0;
            for (std::size_t i = at_; i < text_.size(); ++i)
                n += text_[i] != '.' ? 1 : 0;
            return n;
        }

    private:
        std::string_view text_;
        std::size_t at_ = 0;
    };

} // namespace

int ParseWholeNumber(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    const std::string_view typed = first == std::string::npos
        ? std::string_view()
        : std::string_view(text).substr(first, last - first + 1);
    const std::optional<Decimal> number = ReadDecimal(typed);
    if (!number)
        throw RuntimeError(errors::TypeMismatch, "Type mismatch");

    // Skip the leading zeros; the digit that stops the skipping is the first significant one.
    Digits digits(number->digits);
    int d = digits.Next();
    while (d == 0)
        d = digits.Next();
    if (d < 0)
        return 0;
    // How many digits the value has before its point. Six or more is beyond 16 bits.
    const long long wholeDigits = 1 + digits.Left() + number->exponent;
    if (wholeDigits > 5)
        throw RuntimeError(errors::Overflow, "Overflow");
    long long whole = 0;
    for (long long n = 0; n < wholeDigits; ++n) {
        whole = whole * 10 + std::max(d, 0);
        d = digits.Next();
    }
    // What stands after the point decides the rounding: above a half goes up, a half exactly
    // goes to the even neighbour. A value below a tenth has no digit there at all.
    const int tenths = wholeDigits < 0 ? 0 : std::max(d, 0);
    bool beyond = false;
    if (wholeDigits >= 0)
        for (int next = digits.Next(); next >= 0 && !beyond; next = digits.Next())
            beyond = next != 0;
    if (tenths > 5 || (tenths == 5 && (beyond || whole % 2 == 1)))
        ++whole;
    const long long value = number->negative ? -whole : whole;
    if (value < -32768 || value > 32767)
        throw RuntimeError(errors::Overflow, "Overflow");
    return static_cast<int>(value);
}

} // namespace stumpcraft
