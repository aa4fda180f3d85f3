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

template <class IsPair, class CellIndex>
std::string Walk(std::string_view in, const std::vector<std::uint16_t>& table, IsPair isPair, CellIndex cellIndex) {
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        if (isPair(in, i)) {
            const int index = cellIndex(At(in, i), At(in, i + 1));
            if (index >= 0 && static_cast<std::size_t>(index) < table.size()) {
                EmitCode(out, table[static_cast<std::size_t>(index)]);
                i += 2;
                continue;
            }
        }
        // Not converted: pass this byte on and look at the next one as a possible first byte.
        out.push_back(in[i]);
        i += 1;
    }
    return out;
}

}  // namespace

bool LoadGbBig5Tables(GbBig5Tables& tables, const std::filesystem::path& folder) {
    tables.Folder = folder;
    std::vector<std::uint16_t>* gb[] = {&tables.GbTable};
    std::vector<std::uint16_t>* big5[] = {&tables.Big5Table};
    const std::size_t gbSize[] = {kGbTableSize};
    const std::size_t big5Size[] = {kBig5TableSize};
    tables.GbBig5Loaded = ReadCodeTables(folder / kGbTableFileName, gb, gbSize) &&
                          ReadCodeTables(folder / kBig5TableFileName, big5, big5Size);
    return tables.GbBig5Loaded;
}

bool IsGbPair(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return false;
    const auto b0 = At(text, i), b1 = At(text, i + 1);
    return b0 >= 0xA1 && b0 <= 0xF7 && b1 >= 0xA1 && b1 <= 0xFE;
}

int GbCellIndex(std::uint8_t b0, std::uint8_t b1) { return (b0 - 0xA1) * 94 + (b1 - 0xA1); }

bool IsBig5Pair(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return false;
    const auto b0 = At(text, i), b1 = At(text, i + 1);
    return b0 >= 0xA1 && ((b1 >= 0x40 && b1 <= 0x7E) || (b1 >= 0xA1 && b1 <= 0xFE));
}

int Big5CellIndex(std::uint8_t b0, std::uint8_t b1) {
    if (b1 >= 0x40 && b1 <= 0x7E) return (b0 - 0xA1) * 157 + (b1 - 0x40);
    if (b1 >= 0xA1 && b1 <= 0xFE) return (b0 - 0xA1) * 157 + 63 + (b1 - 0xA1);
    return 0;
}

std::string GbToBig5(GbBig5Tables& tables, std::string_view gb) {
    if (!EnsureLoaded(tables)) return std::string(gb);
    return Walk(gb, tables.GbTable, IsGbPair, GbCellIndex);
}

std::string Big5ToGb(GbBig5Tables& tables, std::string_view big5) {
    if (!EnsureLoaded(tables)) return std::string(big5);
    return Walk(big5, tables.Big5Table, IsBig5Pair, Big5CellIndex);
}

}  // namespace busho
