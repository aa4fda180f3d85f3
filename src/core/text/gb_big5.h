#pragma once
// GB2312 <-> Big5 through GB.DAT and BIG5.DAT, byte by byte: a convertible pair is replaced through
// the table, every other byte passes through unchanged (the Traditional-Chinese edition).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace busho {

inline constexpr std::size_t kGbTableSize = 8178;     // 87 rows x 94 cells
inline constexpr std::size_t kBig5TableSize = 14758;  // 94 rows x 157 cells
inline constexpr const char kGbTableFileName[] = "GB.DAT";
inline constexpr const char kBig5TableFileName[] = "BIG5.DAT";

struct GbBig5Tables {
    std::vector<std::uint16_t> GbTable;
    std::vector<std::uint16_t> Big5Table;
    bool GbBig5Loaded = false;
    std::filesystem::path Folder;  // where the conversions retry loading while not loaded
    const char* FailedFile = nullptr;  // the file that did not read whole, after a failed load
};

// Reads both files from the folder; GbBig5Loaded tells whether both were read whole.
bool LoadGbBig5Tables(GbBig5Tables& tables, const std::filesystem::path& folder);

// Both return the input unchanged while the tables cannot be loaded.
std::string GbToBig5(GbBig5Tables& tables, std::string_view gb);
std::string Big5ToGb(GbBig5Tables& tables, std::string_view big5);

bool IsGbPair(std::string_view text, std::size_t i);
int GbCellIndex(std::uint8_t b0, std::uint8_t b1);
bool IsBig5Pair(std::string_view text, std::size_t i);
int Big5CellIndex(std::uint8_t b0, std::uint8_t b1);

}  // namespace busho
