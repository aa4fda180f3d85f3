#pragma once
// Code table files made in code, for tests of the byte walks.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace busho::testing {

inline void WriteTableFile(const std::filesystem::path& path, const std::vector<std::uint16_t>& entries) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (std::uint16_t e : entries) {
        out.put(static_cast<char>(e & 0xFF));
        out.put(static_cast<char>(e >> 8));
    }
}

// Entry i of a fixture table: base + i, so the output names the index that was used.
inline std::vector<std::uint16_t> Numbered(std::size_t count, std::uint16_t base) {
    std::vector<std::uint16_t> entries(count);
    for (std::size_t i = 0; i < count; ++i) entries[i] = static_cast<std::uint16_t>(base + i);
    return entries;
}

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

inline std::string Code(std::uint16_t code) { return Bytes({code >> 8, code & 0xFF}); }

}  // namespace busho::testing
