#include "table_io.h"

#include <cctype>

#include "gbk_console.h"

namespace busho::cli {
namespace {

std::string CsvCell(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string JsonString(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : t_(text) {}
    std::optional<Table> Read(std::string& error) {
        Table table;
        if (!Expect('[')) return Fail(error, "expected '['");
        Skip();
        if (Peek() == ']') return table;
        for (int object = 0;; ++object) {
            std::map<std::string, std::string> row;
            if (!Expect('{')) return Fail(error, "expected '{'");
            Skip();
            if (Peek() != '}') {
                for (;;) {
                    std::string key, value;
                    if (!String(key)) return Fail(error, "expected a key");
                    if (!Expect(':')) return Fail(error, "expected ':'");
                    if (!Value(value)) return Fail(error, "expected a string or a number");
                    if (row.size() >= kMaxTableCells) return Fail(error, "too many values in an object");
                    row[key] = value;
                    Skip();
                    if (Peek() == ',') {
                        ++i_;
                        continue;
                    }
                    break;
                }
            }
            if (!Expect('}')) return Fail(error, "expected '}'");
            if (table.rows.size() >= kMaxTableRows) return Fail(error, "more objects than an officer file holds");
            table.rows.push_back(std::move(row));
            table.rowNumbers.push_back(object + 2);
            Skip();
            if (Peek() == ',') {
                ++i_;
                continue;
            }
            break;
        }
        if (!Expect(']')) return Fail(error, "expected ']'");
        return table;
    }

private:
    std::optional<Table> Fail(std::string& error, const char* what) {
        error = std::string("JSON: ") + what + " at byte " + std::to_string(i_);
        return std::nullopt;
    }
    void Skip() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t')) ++i_;
    }
    char Peek() const { return i_ < t_.size() ? t_[i_] : '\0'; }
    bool Expect(char c) {
        Skip();
        if (Peek() != c) return false;
        ++i_;
        return true;
    }
    bool String(std::string& out) {
        if (!Expect('"')) return false;
        while (i_ < t_.size() && t_[i_] != '"') {
            if (t_[i_] == '\\') {
                if (++i_ >= t_.size()) return false;
                const char e = t_[i_++];
                switch (e) {
                    case 'n': out += '\n'; break;
                    case 'r': out += '\r'; break;
                    case 't': out += '\t'; break;
                    case 'b': out += '\b'; break;
                    case 'f': out += '\f'; break;
                    case 'u': {
                        unsigned code = 0;
                        if (!Hex4(i_, code)) return false;
                        i_ += 4;
                        unsigned low = 0;
                        if (code >= 0xD800 && code < 0xDC00 && i_ + 6 <= t_.size() && t_[i_] == '\\' && t_[i_ + 1] == 'u' &&
                            Hex4(i_ + 2, low) && low >= 0xDC00 && low < 0xE000) {
                            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                            i_ += 6;
                        }
                        AppendUtf8(out, code);
                        break;
                    }
                    default: out += e; break;
                }
            } else {
                out += t_[i_++];
            }
        }
        return Expect('"');
    }
    // Exactly four hex digits at `at`.
    bool Hex4(std::size_t at, unsigned& code) const {
        if (at + 4 > t_.size()) return false;
        code = 0;
        for (std::size_t k = at; k < at + 4; ++k) {
            const char c = t_[k];
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0) return false;
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }
    bool Value(std::string& out) {
        Skip();
        if (Peek() == '"') return String(out);
        const std::size_t start = i_;
        while (i_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[i_])) || t_[i_] == '-' || t_[i_] == '.')) ++i_;
        out = std::string(t_.substr(start, i_ - start));
        return !out.empty();
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

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
    std::string out = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r ? ",\n{" : "\n{";
        for (std::size_t c = 0; c < header.size() && c < rows[r].size(); ++c)
            out += (c ? "," : "") + JsonString(header[c]) + ":" + JsonString(rows[r][c]);
        out += "}";
    }
    return out + "\n]\n";
}

std::optional<Table> ReadTable(std::string_view text, std::string& error) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const auto first = text.find_first_not_of(" \r\n\t");
    if (first != std::string::npos && text[first] == '[') return JsonReader(text).Read(error);

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
            if (cells.size() + 1 >= kMaxTableCells) {
                error = "CSV: line " + std::to_string(startLine) + " has more than " + std::to_string(kMaxTableCells) + " cells";
                return std::nullopt;
            }
            cells.push_back(std::move(cell));
            cell.clear();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (any || !cell.empty()) {
                if (lines.size() > kMaxTableRows) {
                    error = "CSV: more than " + std::to_string(kMaxTableRows) + " rows, more than an officer file holds";
                    return std::nullopt;
                }
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
        if (lines.size() > kMaxTableRows) {
            error = "CSV: more than " + std::to_string(kMaxTableRows) + " rows, more than an officer file holds";
            return std::nullopt;
        }
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

std::optional<Table> ReadTableFile(const std::filesystem::path& path, std::string& error, FileAccess& files) {
    std::vector<std::uint8_t> bytes;
    const IoResult read = files.ReadWholeFile(path, kMaxSpreadsheetBytes, bytes);
    if (!read.ok) {
        error = "cannot read the spreadsheet: " + GbkToUtf8(read.reason);
        return std::nullopt;
    }
    return ReadTable(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

}  // namespace busho::cli
