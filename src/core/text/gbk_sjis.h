#pragma once
// GBK <-> Shift-JIS through JISN.dat and the six tables of GBKN.dat, character by character
// (the Japanese edition). Only double-byte characters come out: single bytes produce nothing.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace busho {

inline constexpr std::size_t kJisTableSize = 23940;  // 126 rows x 190 cells
inline constexpr std::array<std::size_t, 6> kGbknTableSizes = {690, 92, 4418, 1980, 376, 388};
inline constexpr const char kJisTableFileName[] = "JISN.dat";
inline constexpr const char kGbknTableFileName[] = "GBKN.dat";

struct GbkSjisTables {
    std::vector<std::uint16_t> JisTable;
    std::array<std::vector<std::uint16_t>, 6> GbknTable;  // tables 1..6 at 0..5
    bool Loaded = false;
    const char* FailedFile = nullptr;  // the file that did not read whole, after a failed load
};

// Reads GBKN.dat, then JISN.dat. Returns false (and leaves the tables unloaded) when either file is
// missing or not of its exact size; the caller tells the user.
bool LoadGbkJisTables(GbkSjisTables& tables, const std::filesystem::path& folder);

// While the tables are not loaded, both return their input unchanged rather than zero bytes.
std::string GbkToSjis(const GbkSjisTables& tables, std::string_view gbk);
std::string SjisToGbk(const GbkSjisTables& tables, std::string_view sjis);

}  // namespace busho
