#include "table_io.h"

#include <nlohmann/json.hpp>

#include "core/text/code_page.h"

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

// JSON rows: an array of objects whose values are the cells, as strings (numbers are taken as their
// text). Nothing deeper is taken, and no more objects or values than a spreadsheet of officers can use:
// the parse stops at the first one beyond.
std::optional<Table> ReadJsonTable(std::string_view text, std::string& error) {
    struct Refused {
        std::string what;
    };
    std::size_t objects = 0, values = 0;
    const Json::parser_callback_t bounded = [&](int depth, Json::parse_event_t event, Json&) {
        if ((event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start) && depth > 1)
            throw Refused{"JSON: a value is neither a string nor a number"};
        if (event == Json::parse_event_t::object_start && ++objects > kMaxTableRows)
            throw Refused{"JSON: more objects than an officer file holds"};
        if (event == Json::parse_event_t::object_start) values = 0;
        if (event == Json::parse_event_t::key && ++values > kMaxTableCells) throw Refused{"JSON: too many values in an object"};
        return true;
    };
    Json document;
    try {
        document = Json::parse(text, bounded);
    } catch (const Json::exception& e) {
        // A syntax error, and also a number beyond a double's range (7e774), which nlohmann reports
        // as out of range rather than as a parse error.
        error = std::string("JSON: ") + e.what();
        return std::nullopt;
    } catch (const Refused& r) {
        error = r.what;
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

std::optional<Table> ReadTable(std::string_view text, std::string& error) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const auto first = text.find_first_not_of(" \r\n\t");
    if (first != std::string::npos && text[first] == '[') return ReadJsonTable(text, error);

    // CSV: quoted cells may hold commas, quotes ("") and line breaks.
    std::vector<std::vector<std::string>> lines;
    std::vector<int> lineNumbers;
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false, any = false;
    int line = 1, startLine = 1;
    // Ends the line being read, if it holds anything; false when the spreadsheet holds more lines than
    // an officer file has officers (and a header).
    auto endLine = [&] {
        if (!any && cell.empty()) return true;
        if (lines.size() > kMaxTableRows) {
            error = "CSV: more than " + std::to_string(kMaxTableRows) + " rows, more than an officer file holds";
            return false;
        }
        cells.push_back(std::move(cell));
        lines.push_back(std::move(cells));
        lineNumbers.push_back(startLine);
        return true;
    };
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
            if (cells.size() + 1 >= kMaxTableCells) {
                error = "CSV: line " + std::to_string(startLine) + " has more than " + std::to_string(kMaxTableCells) + " cells";
                return std::nullopt;
            }
            cells.push_back(std::move(cell));
            cell.clear();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (!endLine()) return std::nullopt;
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
    if (!endLine()) return std::nullopt;
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

std::optional<Table> ReadTableFile(const std::filesystem::path& path, std::string& error, FileAccess& files) {
    std::vector<std::uint8_t> bytes;
    const IoResult read = files.ReadWholeFile(path, kMaxSpreadsheetBytes, bytes);
    if (!read.ok) {
        error = "cannot read the spreadsheet: " + ToUtf8(CodePage::Gbk, read.reason);
        return std::nullopt;
    }
    return ReadTable(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

}  // namespace busho
