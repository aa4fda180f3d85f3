#include "gbk_sjis.h"

#include "code_table_file.h"

namespace busho {
namespace {

constexpr std::uint16_t kFullWidthSpace = 0xA1A1;

bool OnlySpaces(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// The GBKN table (0..5) whose first-byte range holds b0, or -1.
int GbknTableFor(std::uint8_t b0) {
    if (b0 >= 0x81 && b0 <= 0x84) return 0;
    if (b0 == 0x87) return 1;
    if (b0 >= 0x88 && b0 <= 0x9F) return 2;
    if (b0 >= 0xE0 && b0 <= 0xEA) return 3;
    if (b0 >= 0xED && b0 <= 0xEE) return 4;
    if (b0 >= 0xFA && b0 <= 0xFC) return 5;
    return -1;
}

int GbknIndex(int table, std::uint8_t b0, int col) {
    switch (table) {
        case 0: return (b0 - 0x81) * 188 + col;
        case 1: return col;
        case 2: return (b0 - 0x88) * 188 + col - 94;
        case 3: return (b0 - 0xE0) * 188 + col;
        case 4: return (b0 - 0xED) * 188 + col;
        default: return (b0 - 0xFA) * 188 + col;
    }
}

}  // namespace

bool LoadGbkJisTables(GbkSjisTables& tables, const std::filesystem::path& folder) {
    std::array<std::vector<std::uint16_t>*, 6> gbkn{};
    for (std::size_t t = 0; t < gbkn.size(); ++t) gbkn[t] = &tables.GbknTable[t];
    std::vector<std::uint16_t>* jis[] = {&tables.JisTable};
    const std::size_t jisSize[] = {kJisTableSize};
    const bool gbknRead = ReadCodeTables(folder / kGbknTableFileName, gbkn, kGbknTableSizes);
    tables.Loaded = gbknRead && ReadCodeTables(folder / kJisTableFileName, jis, jisSize);
    tables.FailedFile = tables.Loaded ? nullptr : gbknRead ? kJisTableFileName : kGbknTableFileName;
    return tables.Loaded;
}

// Both walks split the input by the GBK rule; the output is never longer than the input.
std::string GbkToSjis(const GbkSjisTables& tables, std::string_view gbk) {
    if (OnlySpaces(gbk)) return {};
    if (!tables.Loaded) return std::string(gbk);
    std::string out(gbk.size(), '\0');
    char* o = out.data();
    const auto* p = reinterpret_cast<const std::uint8_t*>(gbk.data());
    const std::size_t n = gbk.size();
    const std::uint16_t* jis = tables.JisTable.data();
    for (std::size_t i = 0; i < n;) {
        if (i + 1 < n && IsGbkDoubleByte(p[i], p[i + 1])) {
            const std::uint16_t code = jis[GbkCellIndex(p[i], p[i + 1])];
            if (code >> 8) *o++ = static_cast<char>(code >> 8);
            *o++ = static_cast<char>(code & 0xFF);
            i += 2;
        } else {
            i += 1;  // single bytes produce nothing
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

std::string SjisToGbk(const GbkSjisTables& tables, std::string_view sjis) {
    if (OnlySpaces(sjis)) return {};
    if (!tables.Loaded) return std::string(sjis);
    std::string out(sjis.size(), '\0');
    char* o = out.data();
    const auto* p = reinterpret_cast<const std::uint8_t*>(sjis.data());
    const std::size_t n = sjis.size();
    for (std::size_t i = 0; i < n;) {
        if (!(i + 1 < n && IsGbkDoubleByte(p[i], p[i + 1]))) {
            i += 1;  // single bytes produce nothing
            continue;
        }
        const std::uint8_t b0 = p[i], b1 = p[i + 1];
        i += 2;
        const int table = GbknTableFor(b0);
        if (table < 0) continue;
        int col = -1;
        if (b1 >= 0x40 && b1 <= 0x7E) col = b1 - 0x40;
        else if (b1 >= 0x80 && b1 <= 0xFC) col = b1 - 0x41;
        const auto& entries = tables.GbknTable[static_cast<std::size_t>(table)];
        const int index = col < 0 ? -1 : GbknIndex(table, b0, col);
        const std::uint16_t code =
            index >= 0 && static_cast<std::size_t>(index) < entries.size() ? entries[static_cast<std::size_t>(index)] : kFullWidthSpace;
        if (code >> 8) *o++ = static_cast<char>(code >> 8);
        *o++ = static_cast<char>(code & 0xFF);
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

}  // namespace busho
