#include "gb_big5.h"

#include <array>

#include "code_table_file.h"

namespace busho {
namespace {

std::uint8_t At(std::string_view text, std::size_t i) { return static_cast<std::uint8_t>(text[i]); }

bool EnsureLoaded(GbBig5Tables& tables) {
    if (!tables.GbBig5Loaded) LoadGbBig5Tables(tables, tables.Folder);
    return tables.GbBig5Loaded;
}

// The byte walk: a convertible pair is replaced through the table; any other byte is passed on and
// the next byte is looked at as a possible first byte. The output is never longer than the input.
template <class IsPair, class CellIndex>
std::string Walk(std::string_view in, const std::vector<std::uint16_t>& table, IsPair isPair, CellIndex cellIndex) {
    std::string out(in.size(), '\0');
    char* o = out.data();
    const auto* p = reinterpret_cast<const std::uint8_t*>(in.data());
    const std::size_t n = in.size();
    const std::uint16_t* entries = table.data();
    const std::size_t size = table.size();
    std::size_t i = 0;
    while (i < n) {
        if (i + 1 < n && isPair(p[i], p[i + 1])) {
            const int index = cellIndex(p[i], p[i + 1]);
            if (index >= 0 && static_cast<std::size_t>(index) < size) {
                const std::uint16_t code = entries[index];
                if (code >> 8) *o++ = static_cast<char>(code >> 8);
                *o++ = static_cast<char>(code & 0xFF);
                i += 2;
                continue;
            }
        }
        *o++ = static_cast<char>(p[i]);
        i += 1;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

bool GbPairBytes(std::uint8_t b0, std::uint8_t b1) { return b0 >= 0xA1 && b0 <= 0xF7 && b1 >= 0xA1 && b1 <= 0xFE; }
bool Big5PairBytes(std::uint8_t b0, std::uint8_t b1) {
    return b0 >= 0xA1 && ((b1 >= 0x40 && b1 <= 0x7E) || (b1 >= 0xA1 && b1 <= 0xFE));
}

}  // namespace

bool LoadGbBig5Tables(GbBig5Tables& tables, const std::filesystem::path& folder) {
    tables.Folder = folder;
    std::vector<std::uint16_t>* gb[] = {&tables.GbTable};
    std::vector<std::uint16_t>* big5[] = {&tables.Big5Table};
    const std::size_t gbSize[] = {kGbTableSize};
    const std::size_t big5Size[] = {kBig5TableSize};
    const bool gbRead = ReadCodeTables(folder / kGbTableFileName, gb, gbSize);
    tables.GbBig5Loaded = gbRead && ReadCodeTables(folder / kBig5TableFileName, big5, big5Size);
    tables.FailedFile = tables.GbBig5Loaded ? nullptr : gbRead ? kBig5TableFileName : kGbTableFileName;
    return tables.GbBig5Loaded;
}

bool IsGbPair(std::string_view text, std::size_t i) { return i + 1 < text.size() && GbPairBytes(At(text, i), At(text, i + 1)); }

int GbCellIndex(std::uint8_t b0, std::uint8_t b1) { return (b0 - 0xA1) * 94 + (b1 - 0xA1); }

bool IsBig5Pair(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && Big5PairBytes(At(text, i), At(text, i + 1));
}

int Big5CellIndex(std::uint8_t b0, std::uint8_t b1) {
    if (b1 >= 0x40 && b1 <= 0x7E) return (b0 - 0xA1) * 157 + (b1 - 0x40);
    if (b1 >= 0xA1 && b1 <= 0xFE) return (b0 - 0xA1) * 157 + 63 + (b1 - 0xA1);
    return 0;
}

// The rules go to the walk as lambdas, each of a type of its own, so that each walk has its rules
// inlined; the functions themselves share one type and would be called through a pointer per byte.
std::string GbToBig5(GbBig5Tables& tables, std::string_view gb) {
    if (!EnsureLoaded(tables)) return std::string(gb);
    return Walk(gb, tables.GbTable, [](std::uint8_t b0, std::uint8_t b1) { return GbPairBytes(b0, b1); },
                [](std::uint8_t b0, std::uint8_t b1) { return GbCellIndex(b0, b1); });
}

std::string Big5ToGb(GbBig5Tables& tables, std::string_view big5) {
    if (!EnsureLoaded(tables)) return std::string(big5);
    return Walk(big5, tables.Big5Table, [](std::uint8_t b0, std::uint8_t b1) { return Big5PairBytes(b0, b1); },
                [](std::uint8_t b0, std::uint8_t b1) { return Big5CellIndex(b0, b1); });
}

}  // namespace busho
