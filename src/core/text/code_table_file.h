#pragma once
// Reading the code table files: 16-bit little-endian entries, read in one block.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace busho {

// Reads entries from the start of the file into each table in turn. The file must hold exactly
// the entries of all the tables: a missing, short or long file is refused (false) and the tables
// are left empty, so that no conversion ever runs on a half-read table.
bool ReadCodeTables(const std::filesystem::path& file, std::span<std::vector<std::uint16_t>* const> tables,
                    std::span<const std::size_t> sizes);

// Appends a table entry: two bytes, high byte first, or the low byte alone when the high byte is 0.
inline void EmitCode(std::string& out, std::uint16_t code) {
    if (code >> 8) out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
}

// The GBK rule: a byte 0x81..0xFE followed by a byte 0x40..0x7E or 0x80..0xFE is one character.
inline bool IsGbkDoubleByte(std::uint8_t b0, std::uint8_t b1) {
    return b0 >= 0x81 && b0 <= 0xFE && ((b1 >= 0x40 && b1 <= 0x7E) || (b1 >= 0x80 && b1 <= 0xFE));
}

// Calls visit(b0, b1, isDouble) for each character of the text by the GBK rule (b1 is 0 for single bytes).
template <class Visit>
void ForEachGbkChar(std::string_view text, Visit&& visit) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<std::uint8_t>(text[i]);
        const auto b1 = i + 1 < text.size() ? static_cast<std::uint8_t>(text[i + 1]) : std::uint8_t{0};
        if (i + 1 < text.size() && IsGbkDoubleByte(b0, b1)) {
            visit(b0, b1, true);
            i += 2;
        } else {
            visit(b0, std::uint8_t{0}, false);
            i += 1;
        }
    }
}

// Cell of a GBK double-byte character in the 126 x 190 tables (JISN.dat, GBKFT.dat).
inline int GbkCellIndex(std::uint8_t b0, std::uint8_t b1) { return (b0 - 0x81) * 190 + (b1 < 0x80 ? b1 - 0x40 : b1 - 0x41); }
inline constexpr std::size_t kGbkCells = 23940;

}  // namespace busho
