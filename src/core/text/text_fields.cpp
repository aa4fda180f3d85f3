#include "text_fields.h"

#include <vector>

#include "code_table_file.h"

namespace busho {

int AnsiByteLen(std::string_view text) { return static_cast<int>(text.size()); }

std::string& PadToByteWidth(std::string& text, std::int16_t width, std::uint8_t pad) {
    const int length = AnsiByteLen(text);
    if (width > length) text.append(static_cast<std::size_t>(width - length), static_cast<char>(pad));
    return text;
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CutAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

std::string KeepDoubleByteChars(std::string_view text) {
    std::vector<std::uint16_t> kept;
    ForEachGbkChar(text, [&](std::uint8_t b0, std::uint8_t b1, bool isDouble) {
        if (isDouble) kept.push_back(static_cast<std::uint16_t>((b0 << 8) | b1));
    });
    // Spaces at the ends: single-byte ones are already gone; the full-width space 0xA1A1 goes too.
    constexpr std::uint16_t kFullWidthSpace = 0xA1A1;
    std::size_t first = 0, last = kept.size();
    while (first < last && kept[first] == kFullWidthSpace) ++first;
    while (last > first && kept[last - 1] == kFullWidthSpace) --last;
    std::string out;
    for (std::size_t i = first; i < last; ++i) {
        out.push_back(static_cast<char>(kept[i] >> 8));
        out.push_back(static_cast<char>(kept[i] & 0xFF));
    }
    return out;
}

std::string RandomKanaReading(std::string_view text, RandomSource& random) {
    int characters = 0;
    ForEachGbkChar(text, [&](std::uint8_t, std::uint8_t, bool) { ++characters; });
    std::string out;
    for (int i = 0; i < 2 * characters; ++i) {
        const int r = random.Draw(80);
        out.push_back(static_cast<char>(0xA4));
        out.push_back(static_cast<char>(0xA1 + r));
    }
    return out;
}

}  // namespace busho
