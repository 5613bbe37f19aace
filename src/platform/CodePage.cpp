#include "platform/CodePage.h"

#include <array>
#include <cstdint>

namespace stumpcraft {

namespace {

    // Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five undefined bytes.
    constexpr std::array<char32_t, 32> kHighControls {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0, // 0x88
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178, // 0x98
    };

    constexpr char kUnknown = '?';

    // The character of one byte, or 0 for a byte the code page leaves undefined.
    char32_t CodePointOf(unsigned char byte)
    {
        if (byte >= 0x80 && byte <= 0x9F)
            return kHighControls[byte - 0x80u];
        return byte;
    }

    char ByteOf(char32_t cp)
    {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
            return static_cast<char>(cp);
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == cp)
                return static_cast<char>(0x80 + i);
        }
        return kUnknown;
    }

    void AppendUtf8(std::string& out, char32_t cp)
    {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    // Decodes the UTF-8 sequence starting at text[i] and advances i past it. A malformed
    // sequence (stray continuation byte, truncated, overlong, surrogate, beyond U+10FFFF)
    // yields 0xFFFFFFFF and advances past its lead byte only, so the next one is tried afresh.
    char32_t NextCodePoint(std::string_view text, std::size_t& i)
    {
        constexpr char32_t kBad = 0xFFFFFFFF;
        const auto lead = static_cast<unsigned char>(text[i++]);
        if (lead < 0x80)
            return lead;
        // Continuation bytes to follow, payload bits of the lead, smallest value of that length.
        struct Shape {
            int more;
            char32_t bits;
            char32_t least;
        };
        Shape shape {};
        if ((lead & 0xE0) == 0xC0)
            shape = { 1, lead & 0x1Fu, 0x80 };
        else if ((lead & 0xF0) == 0xE0)
            shape = { 2, lead & 0x0Fu, 0x800 };
        else if ((lead & 0xF8) == 0xF0)
            shape = { 3, lead & 0x07u, 0x10000 };
        else
            return kBad;
        char32_t cp = shape.bits;
        std::size_t j = i;
        for (int k = 0; k < shape.more; ++k, ++j) {
            if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80)
                return kBad;
            cp = (cp << 6) | (static_cast<unsigned char>(text[j]) & 0x3Fu);
        }
        if (cp < shape.least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return kBad;
        i = j;
        return cp;
    }

} // namespace

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        out += ByteOf(cp);
    }
    return out;
}

std::string CharactersCp1252Lacks(std::string_view utf8)
{
    std::string lacking;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp == kUnknown || ByteOf(cp) != kUnknown)
            continue;
        std::string letter;
        if (cp == 0xFFFFFFFF)
            AppendUtf8(letter, 0xFFFD); // a malformed byte shows as the replacement character
        else
            AppendUtf8(letter, cp);
        if (lacking.find(letter) == std::string::npos)
            lacking += letter;
    }
    return lacking;
}

std::string Cp1252ToUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t cp = CodePointOf(byte);
        if (cp == 0 && byte != 0)
            out += kUnknown;
        else
            AppendUtf8(out, cp);
    }
    return out;
}

} // namespace stumpcraft
