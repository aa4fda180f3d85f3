#pragma once
// Spreadsheet files for `busho export` and `busho import`: CSV (UTF-8 with a byte-order mark, so
// that Excel reads it as UTF-8) and JSON (an array of objects whose values are the same cells).

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace busho {

std::string WriteCsv(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);
std::string WriteJson(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

struct Table {
    std::vector<std::map<std::string, std::string>> rows;
    std::vector<int> rowNumbers;  // CSV: line of the spreadsheet (header = 1); JSON: 2 for the first object
};

// Reads either format (JSON when the text starts with '['); nothing with `error` set when malformed.
std::optional<Table> ReadTable(const std::string& text, std::string& error);

}  // namespace busho
