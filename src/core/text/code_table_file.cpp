#include "code_table_file.h"

#include <fstream>

namespace busho {

bool ReadCodeTables(const std::filesystem::path& file, std::span<std::vector<std::uint16_t>* const> tables,
                    std::span<const std::size_t> sizes) {
    for (auto* table : tables) table->clear();
    std::size_t total = 0;
    for (std::size_t size : sizes) total += size;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || std::filesystem::file_size(file, ec) != 2 * total || ec) return false;
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> bytes(2 * total);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) return false;
    std::size_t at = 0;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        tables[t]->resize(sizes[t]);
        for (auto& entry : *tables[t]) {
            entry = static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
            at += 2;
        }
    }
    return true;
}

}  // namespace busho
