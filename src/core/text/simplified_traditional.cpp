#include "simplified_traditional.h"

#include "code_table_file.h"

namespace busho {
namespace {

std::string MapForms(const std::vector<std::uint16_t>& table, bool loaded, std::string_view gbk) {
    const std::string_view text = gbk.substr(0, gbk.find('\0'));
    if (!loaded) return std::string(text);
    std::string out;
    out.reserve(text.size());
    ForEachGbkChar(text, [&](std::uint8_t b0, std::uint8_t b1, bool isDouble) {
        if (!isDouble) {
            out.push_back(static_cast<char>(b0));
            return;
        }
        const std::uint16_t code = table[static_cast<std::size_t>(GbkCellIndex(b0, b1))];
        out.push_back(static_cast<char>(code >> 8));
        out.push_back(static_cast<char>(code & 0xFF));
    });
    return out;
}

}  // namespace

bool LoadSimplifiedTraditionalTables(SimplifiedTraditionalTables& tables, const std::filesystem::path& folder) {
    std::vector<std::uint16_t>* both[] = {&tables.Simplified, &tables.Traditional};
    const std::size_t sizes[] = {kGbkCells, kGbkCells};
    tables.Loaded = ReadCodeTables(folder / kSimplifiedTraditionalFileName, both, sizes);
    return tables.Loaded;
}

std::string ToSimplified(const SimplifiedTraditionalTables& tables, std::string_view gbk) {
    return MapForms(tables.Simplified, tables.Loaded, gbk);
}

std::string ToTraditional(const SimplifiedTraditionalTables& tables, std::string_view gbk) {
    return MapForms(tables.Traditional, tables.Loaded, gbk);
}

}  // namespace busho
