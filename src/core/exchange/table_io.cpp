#include "table_io.h"

#include <nlohmann/json.hpp>

namespace busho {
namespace {

using Json = nlohmann::ordered_json;

std::string CsvCell(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// JSON rows: an array of objects whose values are the cells, as strings (numbers are taken as their text).
std::optional<Table> ReadJsonTable(const std::string& text, std::string& error) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::parse_error& e) {
        error = std::string("JSON: ") + e.what();
        return std::nullopt;
    }
    if (!document.is_array()) {
        error = "JSON: expected an array of objects";
        return std::nullopt;
    }
    Table table;
    int rowNumber = 2;  // as a spreadsheet's first row after the header
    for (const Json& object : document) {
        if (!object.is_object()) {
            error = "JSON: object " + std::to_string(rowNumber - 1) + " is not an object";
            return std::nullopt;
        }
        std::map<std::string, std::string> row;
        for (const auto& [key, value] : object.items()) {
            if (value.is_string()) row[key] = value.get<std::string>();
            else if (value.is_number()) row[key] = value.dump();
            else {
                error = "JSON: object " + std::to_string(rowNumber - 1) + ", \"" + key + "\": expected a string or a number";
                return std::nullopt;
            }
        }
        table.rows.push_back(std::move(row));
        table.rowNumbers.push_back(rowNumber++);
    }
    return table;
}

}  // namespace

std::string WriteCsv(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows) {
    std::string out = "\xEF\xBB\xBF";
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) out += (i ? "," : "") + CsvCell(cells[i]);
        out += "\r\n";
    };
    line(header);
    for (const auto& row : rows) line(row);
    return out;
}

std::string WriteJson(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows) {
    // One row a line, the cells in the header's order.
    std::string out = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Json object = Json::object();
        for (std::size_t c = 0; c < header.size() && c < rows[r].size(); ++c) object[header[c]] = rows[r][c];
        out += r ? ",\n" : "\n";
        out += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    return out + "\n]\n";
}

std::optional<Table> ReadTable(const std::string& input, std::string& error) {
    std::string text = input;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    const auto first = text.find_first_not_of(" \r\n\t");
    if (first != std::string::npos && text[first] == '[') return ReadJsonTable(text, error);

    // CSV: quoted cells may hold commas, quotes ("") and line breaks.
    std::vector<std::vector<std::string>> lines;
    std::vector<int> lineNumbers;
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false, any = false;
    int line = 1, startLine = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                cell += c;
            }
            continue;
        }
        if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            cells.push_back(std::move(cell));
            cell.clear();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (any || !cell.empty()) {
                cells.push_back(std::move(cell));
                lines.push_back(std::move(cells));
                lineNumbers.push_back(startLine);
            }
            cells.clear();
            cell.clear();
            any = false;
            startLine = ++line;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        error = "CSV: a quoted cell is not closed";
        return std::nullopt;
    }
    if (any || !cell.empty()) {
        cells.push_back(std::move(cell));
        lines.push_back(std::move(cells));
        lineNumbers.push_back(startLine);
    }
    if (lines.empty()) {
        error = "CSV: no header row";
        return std::nullopt;
    }
    Table table;
    const auto& header = lines[0];
    for (std::size_t l = 1; l < lines.size(); ++l) {
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < header.size() && c < lines[l].size(); ++c) row[header[c]] = lines[l][c];
        if (lines[l].size() > header.size()) {
            error = "CSV: line " + std::to_string(lineNumbers[l]) + " has more cells than the header";
            return std::nullopt;
        }
        table.rows.push_back(std::move(row));
        table.rowNumbers.push_back(lineNumbers[l]);
    }
    return table;
}

}  // namespace busho
