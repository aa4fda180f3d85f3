#pragma once
// Simplified <-> traditional forms of GBK text, one double-byte character at a time, through GBKFT.dat
// (made from ICU's transliterators; only pairs of single GBK double-byte characters, so the byte
// length never changes).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace busho {

inline constexpr const char kSimplifiedTraditionalFileName[] = "GBKFT.dat";

struct SimplifiedTraditionalTables {
    std::vector<std::uint16_t> Simplified;   // per GBK cell: the simplified form's code
    std::vector<std::uint16_t> Traditional;  // per GBK cell: the traditional form's code
    bool Loaded = false;
};

bool LoadSimplifiedTraditionalTables(SimplifiedTraditionalTables& tables, const std::filesystem::path& folder);

// The text up to its first zero byte, each character replaced by its other form. While the table is
// not loaded the text comes back unchanged (cut at the zero byte), never blanked.
std::string ToSimplified(const SimplifiedTraditionalTables& tables, std::string_view gbk);
std::string ToTraditional(const SimplifiedTraditionalTables& tables, std::string_view gbk);

}  // namespace busho
