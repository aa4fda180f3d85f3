#pragma once
// Spreadsheet files for `busho export` and `busho import`: CSV (UTF-8 with a byte-order mark, so
// that Excel reads it as UTF-8) and JSON (an array of objects whose values are the same cells).

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/table_encoding.h"
#include "core/os/file_access.h"

namespace busho {

std::string WriteCsv(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);
std::string WriteJson(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

struct Table {
    std::vector<std::map<std::string, std::string>> rows;
    std::vector<int> rowNumbers;  // CSV: line of the spreadsheet (header = 1); JSON: 2 for the first object
    TableEncoding encoding = TableEncoding::Utf8;  // what the file was read as
};

// A spreadsheet holds one row per officer, at most the 999 an officer file holds, and no more cells
// a row than several times the columns an export writes; anything beyond is refused as it is read,
// so that reading costs memory in proportion to what an import can use.
inline constexpr std::size_t kMaxTableRows = 999;
inline constexpr std::size_t kMaxTableCells = 1024;
// Far larger than any export (999 officers of a few KiB each); a larger file is refused unread.
inline constexpr std::size_t kMaxSpreadsheetBytes = std::size_t{64} << 20;

// Reads either format (JSON when the text starts with '['); what is malformed is refused.
Result<Table> ReadTable(std::string_view text);

// Reads a spreadsheet file: a regular file of at most kMaxSpreadsheetBytes, read once, decoded as
// DecodeTableText does (in `encoding`, or the one its bytes are in) and parsed.
Result<Table> ReadTableFile(const std::filesystem::path& path, FileAccess& files,
                            std::optional<TableEncoding> encoding = std::nullopt);

}  // namespace busho
