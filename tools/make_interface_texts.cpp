// Builds core/text/interface_texts.h from the UTF-8 list of interface texts: each text as its GBK
// bytes, a table of all of them by name, and an identifier for each. With a third argument it also
// writes, for lupdate, each text in UTF-8 in the context "InterfaceTexts" with its name as the
// disambiguation: the translations' .ts files get their entries for these texts from it.
// Usage: make_interface_texts LIST OUTPUT [LUPDATE_SOURCE]. A malformed line, a repeated name or a text that GBK cannot
// hold stops the build with the line number.

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/code_page.h"

namespace {

struct Failure {
    std::string what;
};

struct Entry {
    std::string name;
    std::string gbk;
    std::string utf8;
};

// The text between the quotes, with C's escapes undone.
std::string Unquote(const std::string& quoted, int lineNumber) {
    const auto fail = [&](const char* why) { return Failure{"line " + std::to_string(lineNumber) + ": " + why}; };
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') throw fail("the text is not in double quotes");
    std::string text;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        char c = quoted[i];
        if (c == '"') throw fail("a double quote inside the text must be written \\\"");
        if (c == '\\') {
            if (i + 2 >= quoted.size()) throw fail("a backslash ends the text");
            switch (quoted[++i]) {
                case 'n': c = '\n'; break;
                case 'r': c = '\r'; break;
                case 't': c = '\t'; break;
                case '\\': c = '\\'; break;
                case '"': c = '"'; break;
                default: throw fail("unknown escape");
            }
        }
        text += c;
    }
    return text;
}

std::vector<Entry> ReadList(std::istream& in) {
    std::vector<Entry> entries;
    std::set<std::string> names;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        const auto equals = line.find(" = ");
        if (equals == std::string::npos) throw Failure{"line " + std::to_string(lineNumber) + ": expected NAME = \"TEXT\""};
        const std::string name = line.substr(0, equals);
        if (name.size() < 2 || name[0] != 'k' || name.find_first_not_of(
                "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != std::string::npos)
            throw Failure{"line " + std::to_string(lineNumber) + ": \"" + name + "\" is not a constant's name"};
        if (!names.insert(name).second) throw Failure{"line " + std::to_string(lineNumber) + ": " + name + " again"};
        std::string utf8 = Unquote(line.substr(equals + 3), lineNumber);
        const auto gbk = busho::FromUtf8(busho::CodePage::Gbk, utf8);
        if (!gbk) throw Failure{"line " + std::to_string(lineNumber) + ": GBK cannot hold the text of " + name};
        entries.push_back({name, *gbk, std::move(utf8)});
    }
    return entries;
}

std::string Literal(const std::string& bytes) {
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        // Printable ASCII stays readable; a following hex digit must not extend an escape.
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != '?' &&
            !(out.size() >= 4 && out[out.size() - 4] == '\\' && out[out.size() - 3] == 'x' && std::isxdigit(c)))
            out += static_cast<char>(c);
        else
            out += hex;
    }
    return out + "\"";
}

// A C literal of UTF-8 text as lupdate reads it: only the quote, the backslash and the control
// characters escaped.
std::string Utf8Literal(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

// Writes `text` to `path` only when it differs from what is there, so that nothing depending on the
// file is rebuilt for nothing.
void WriteIfChanged(const char* path, const std::string& text) {
    std::ifstream old(path, std::ios::binary);
    std::ostringstream oldText;
    oldText << old.rdbuf();
    if (old && oldText.str() == text) return;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) throw Failure{std::string("cannot write ") + path};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: make_interface_texts LIST OUTPUT [LUPDATE_SOURCE]\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) throw Failure{"cannot read the list"};
        const std::vector<Entry> entries = ReadList(in);
        std::ostringstream out;
        out << "#pragma once\n// Made by the build from assets/interface_texts.txt: edit the list, not this file.\n\n"
               "#include <string_view>\n\nnamespace busho::text_gbk {\n\n";
        for (const Entry& e : entries) out << "inline constexpr const char " << e.name << "[] = " << Literal(e.gbk) << ";\n";
        out << "\nstruct NamedText {\n    std::string_view name;\n    std::string_view gbk;\n};\n\n"
               "// Every text above, by its name.\ninline constexpr NamedText kAllInterfaceTexts[] = {\n";
        for (const Entry& e : entries)
            out << "    {\"" << e.name << "\", {" << e.name << ", sizeof " << e.name << " - 1}},\n";
        out << "};\n\n}  // namespace busho::text_gbk\n\nnamespace busho {\n\n"
               "// Each text by identifier, for messages that are made in one place and shown in another.\n"
               "enum class TextId : unsigned short {\n";
        for (const Entry& e : entries) out << "    " << e.name << ",\n";
        out << "};\n\n"
               "inline constexpr std::string_view GbkText(TextId id) {\n"
               "    return text_gbk::kAllInterfaceTexts[static_cast<unsigned short>(id)].gbk;\n}\n"
               "inline constexpr std::string_view TextName(TextId id) {\n"
               "    return text_gbk::kAllInterfaceTexts[static_cast<unsigned short>(id)].name;\n}\n\n"
               "}  // namespace busho\n";
        WriteIfChanged(argv[2], out.str());
        if (argc == 4) {
            std::ostringstream source;
            source << "// Made from assets/interface_texts.txt for lupdate only; never compiled.\n"
                      "static const char* const kInterfaceTexts[][2] = {\n";
            for (const Entry& e : entries)
                source << "    QT_TRANSLATE_NOOP3(\"InterfaceTexts\", " << Utf8Literal(e.utf8) << ", \"" << e.name << "\"),\n";
            source << "};\n";
            WriteIfChanged(argv[3], source.str());
        }
    } catch (const Failure& f) {
        std::cerr << argv[1] << ": " << f.what << '\n';
        return 1;
    }
    return 0;
}
