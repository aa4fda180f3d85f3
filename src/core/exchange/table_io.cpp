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

// A text from the parser or the file, as an argument of a message: bytes beyond ASCII become '?'.
std::string AsciiOnly(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    return text;
}

// JSON rows: an array of objects whose values are the cells, as strings (numbers are taken as their
// text). Nothing deeper is taken, and no more objects or values than a spreadsheet of officers can use:
// the parse stops at the first one beyond.
Result<Table> ReadJsonTable(std::string_view text) {
    struct Refused {
        TextId what;
    };
    std::size_t objects = 0, values = 0;
    const Json::parser_callback_t bounded = [&](int depth, Json::parse_event_t event, Json&) {
        if ((event == Json::parse_event_t::object_start || event == Json::parse_event_t::array_start) && depth > 1)
            throw Refused{TextId::kTableJsonNested};
        if (event == Json::parse_event_t::object_start && ++objects > kMaxTableRows)
            throw Refused{TextId::kTableJsonTooManyObjects};
        if (event == Json::parse_event_t::object_start) values = 0;
        if (event == Json::parse_event_t::key && ++values > kMaxTableCells) throw Refused{TextId::kTableJsonTooManyValues};
        return true;
    };
    Json document;
    try {
        document = Json::parse(text, bounded);
    } catch (const Json::exception& e) {
        // A syntax error, and also a number beyond a double's range (7e774), which nlohmann reports
        // as out of range rather than as a parse error.
        return Problem(TextId::kTableJsonSyntax, {AsciiOnly(e.what())});
    } catch (const Refused& r) {
        return r.what;
    }
    if (!document.is_array()) return TextId::kTableJsonNotArray;
    Table table;
    int rowNumber = 2;  // as a spreadsheet's first row after the header
    for (const Json& object : document) {
        if (!object.is_object()) return Problem(TextId::kTableJsonNotObject, {std::int64_t{rowNumber - 1}});
        std::map<std::string, std::string> row;
        for (const auto& [key, value] : object.items()) {
            if (value.is_string()) row[key] = value.get<std::string>();
            else if (value.is_number()) row[key] = value.dump();
            else return Problem(TextId::kTableJsonBadValue, {std::int64_t{rowNumber - 1}, AsciiOnly(key)});
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

Result<Table> ReadTable(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const auto first = text.find_first_not_of(" \r\n\t");
    if (first != std::string::npos && text[first] == '[') return ReadJsonTable(text);

    // CSV: quoted cells may hold commas, quotes ("") and line breaks.
    std::vector<std::vector<std::string>> lines;
    std::vector<int> lineNumbers;
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false, any = false;
    int line = 1, startLine = 1;
    const Problem tooManyRows(TextId::kTableCsvTooManyRows, {static_cast<std::int64_t>(kMaxTableRows)});
    // Ends the line being read, if it holds anything; false when the spreadsheet holds more lines than
    // an officer file has officers (and a header).
    auto endLine = [&] {
        if (!any && cell.empty()) return true;
        if (lines.size() > kMaxTableRows) return false;
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
            if (cells.size() + 1 >= kMaxTableCells)
                return Problem(TextId::kTableCsvTooManyCells, {std::int64_t{startLine}, static_cast<std::int64_t>(kMaxTableCells)});
            cells.push_back(std::move(cell));
            cell.clear();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (!endLine()) return tooManyRows;
            cells.clear();
            cell.clear();
            any = false;
            startLine = ++line;
        } else {
            cell += c;
        }
    }
    if (quoted) return TextId::kTableCsvQuoteOpen;
    if (!endLine()) return tooManyRows;
    if (lines.empty()) return TextId::kTableCsvNoHeader;
    Table table;
    const auto& header = lines[0];
    for (std::size_t l = 1; l < lines.size(); ++l) {
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < header.size() && c < lines[l].size(); ++c) row[header[c]] = lines[l][c];
        if (lines[l].size() > header.size())
            return Problem(TextId::kTableCsvCellsBeyondHeader, {std::int64_t{lineNumbers[l]}});
        table.rows.push_back(std::move(row));
        table.rowNumbers.push_back(lineNumbers[l]);
    }
    return table;
}

Result<Table> ReadTableFile(const std::filesystem::path& path, FileAccess& files, std::optional<TableEncoding> encoding) {
    const auto bytes = files.ReadWholeFile(path, kMaxSpreadsheetBytes);
    if (!bytes) return Problem(TextId::kTableCannotRead).Because(bytes.problem());
    const auto text = DecodeTableText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), encoding);
    if (!text) return text.problem();
    auto table = ReadTable(text->utf8);
    if (table) table->encoding = text->encoding;
    return table;
}

}  // namespace busho
