#pragma once

#include <string>
#include <string_view>

namespace stumpcraft {

// Text in memory is UTF-8; the squad files keep names in Windows-1252, one byte a character.
// Converting either way never fails: a character Windows-1252 lacks, a byte it leaves
// undefined, and any malformed UTF-8 sequence each become a single "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// The characters of a UTF-8 text that Windows-1252 lacks, each once, in the order they first
// come, as UTF-8: what Utf8ToCp1252 would turn into "?". A malformed byte counts as U+FFFD.
std::string CharactersCp1252Lacks(std::string_view utf8);

} // namespace stumpcraft
