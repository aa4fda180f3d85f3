#pragma once
// Text between the code pages of the interface and the games (GBK, Big5, Shift-JIS) and Unicode:
// the one place that converts, for the windows, busho, the build tools and the tests.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace busho {

enum class CodePage { Gbk, Big5, ShiftJis };  // Windows code pages 936, 950 and 932

// Bytes as Unicode; a byte sequence the code page does not define becomes a substitute (U+FFFD for an
// unassigned pair, U+001A for a byte that is no character).
std::u16string Decode(CodePage page, std::string_view bytes);
std::string ToUtf8(CodePage page, std::string_view bytes);
// The same, or nothing when a byte sequence is not defined.
std::optional<std::u16string> DecodeExactly(CodePage page, std::string_view bytes);
// For each text, the offset of its first byte sequence that the code page does not define (a pair cut
// off at the end included), or nothing when all of it decodes. One converter serves every text.
std::vector<std::optional<std::size_t>> FirstUndecodable(CodePage page, std::span<const std::string_view> texts);

// Unicode as bytes of the code page, or nothing when a character is missing from it (or the UTF-8 is
// not valid).
std::optional<std::string> Encode(CodePage page, std::u16string_view text);
std::optional<std::string> FromUtf8(CodePage page, std::string_view utf8);
// Missing characters become the code page's substitute ('?').
std::string EncodeWithSubstitutes(CodePage page, std::u16string_view text);

std::u16string Utf8ToUtf16(std::string_view utf8);  // invalid sequences become U+FFFD
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace busho
