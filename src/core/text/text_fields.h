#pragma once
// Helpers that fit interface text (GBK bytes) into the officer file's fixed-width fields.

#include <cstdint>
#include <string>
#include <string_view>

#include "random_source.h"

namespace busho {

// The number of bytes of the text.
int AnsiByteLen(std::string_view text);

// Appends the pad byte until the text is `width` bytes long; never shortens. Returns the text too.
std::string& PadToByteWidth(std::string& text, std::int16_t width, std::uint8_t pad);

// The text without the spaces (0x20) at both ends.
std::string_view TrimSpaces(std::string_view text);

// The bytes before the first zero byte.
std::string CutAtNul(std::string_view text);

// Only the double-byte characters, in order; full-width spaces at either end are trimmed too.
std::string KeepDoubleByteChars(std::string_view text);

// Two hiragana (あ..ゑ, GBK A4A2..A4F1) for every character of the text, drawn from `random`.
std::string RandomKanaReading(std::string_view text, RandomSource& random);

}  // namespace busho
