// Builds busho's message translations from translations/*.ts: the translated interface texts (the
// context "InterfaceTexts", each message's disambiguation the text's name) of each language, as a
// table of UTF-8 texts by name. busho does not link Qt, so it reads no .qm file; this reads the .ts
// XML with a small reader of its own, enough for the files lupdate writes.
// Usage: make_message_translations OUTPUT LANGUAGE=FILE.ts ... A file that is not well formed where
// this reads it stops the build with the line.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Failure {
    std::string what;
};

struct Translated {
    std::string name;
    std::string utf8;
};

void AppendUtf8(std::string& out, unsigned long code) {
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

// The reader walks the file element by element; it knows only what lupdate writes: a declaration,
// a doctype, elements with attributes in double or single quotes, text with the five named
// entities and numeric character references.
class TsReader {
public:
    explicit TsReader(std::string text) : text_(std::move(text)) {}

    std::vector<Translated> InterfaceTexts() {
        std::vector<Translated> found;
        while (NextTag()) {
            if (tag_ != "context") continue;
            const std::string contextName = ElementText("name");
            const bool wanted = contextName == "InterfaceTexts";
            while (NextTag() && tag_ != "/context") {
                if (tag_ != "message") continue;
                std::string comment, translation;
                bool finished = false;
                while (NextTag() && tag_ != "/message") {
                    if (tag_ == "comment") comment = TextUntil("/comment");
                    else if (tag_ == "translation") {
                        finished = type_.empty();
                        if (!selfClosing_) translation = TextUntil("/translation");
                    } else if (tag_ == "source") TextUntil("/source");
                }
                if (wanted && finished && !translation.empty()) {
                    if (comment.empty()) Fail("a message of InterfaceTexts without its name");
                    found.push_back({comment, translation});
                }
            }
        }
        return found;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const {
        const auto line = 1 + std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(std::min(at_, text_.size())), '\n');
        throw Failure{"line " + std::to_string(line) + ": " + why};
    }

    // Moves to the next element's tag (an end tag's name starts with /); false at the end.
    bool NextTag() {
        for (;;) {
            const auto open = text_.find('<', at_);
            if (open == std::string::npos) return false;
            at_ = open;
            if (text_.compare(at_, 4, "<!--") == 0) {
                const auto end = text_.find("-->", at_);
                if (end == std::string::npos) Fail("a comment is not closed");
                at_ = end + 3;
                continue;
            }
            if (text_.compare(at_, 2, "<?") == 0 || text_.compare(at_, 2, "<!") == 0) {
                const auto end = text_.find('>', at_);
                if (end == std::string::npos) Fail("a declaration is not closed");
                at_ = end + 1;
                continue;
            }
            const auto close = FindTagEnd(at_);
            const std::string inside = text_.substr(at_ + 1, close - at_ - 1);
            at_ = close + 1;
            selfClosing_ = !inside.empty() && inside.back() == '/';
            const auto nameEnd = inside.find_first_of(" \t\r\n/", inside[0] == '/' ? 1 : 0);
            tag_ = inside.substr(0, nameEnd);
            type_ = Attribute(inside, "type");
            byteValue_ = Attribute(inside, "value");
            if (tag_.empty()) Fail("a tag without a name");
            return true;
        }
    }

    // The '>' that ends the tag at `from`, past quoted attribute values.
    std::size_t FindTagEnd(std::size_t from) const {
        char quote = 0;
        for (std::size_t i = from + 1; i < text_.size(); ++i) {
            const char c = text_[i];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return i;
            } else if (c == '<') {
                break;
            }
        }
        Fail("a tag is not closed");
    }

    std::string Attribute(const std::string& inside, const std::string& name) const {
        for (std::size_t at = inside.find(name + "="); at != std::string::npos; at = inside.find(name + "=", at + 1)) {
            if (at == 0 || !std::isspace(static_cast<unsigned char>(inside[at - 1]))) continue;
            const std::size_t valueAt = at + name.size() + 1;
            if (valueAt >= inside.size() || (inside[valueAt] != '"' && inside[valueAt] != '\'')) Fail("an attribute without quotes");
            const auto end = inside.find(inside[valueAt], valueAt + 1);
            if (end == std::string::npos) Fail("an attribute's value is not closed");
            return Unescape(inside.substr(valueAt + 1, end - valueAt - 1));
        }
        return {};
    }

    // The text up to the end tag `endTag` ("/source"), entities undone. The only element allowed in
    // between is lupdate's <byte value="xd"/> for a control character that XML cannot hold.
    std::string TextUntil(const std::string& endTag) {
        std::string text;
        for (;;) {
            const auto open = text_.find('<', at_);
            if (open == std::string::npos) Fail("<" + endTag + "> is missing");
            text += Unescape(text_.substr(at_, open - at_));
            at_ = open;
            if (!NextTag()) Fail("<" + endTag + "> is missing");
            if (tag_ == endTag) return text;
            if (tag_ != "byte" || !selfClosing_) Fail("expected <" + endTag + ">");
            const std::string value = byteValue_;
            const bool hex = !value.empty() && (value[0] == 'x' || value[0] == 'X');
            const std::string digits = hex ? value.substr(1) : value;
            if (digits.empty() || digits.size() > 2 ||
                digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
                Fail("a malformed <byte value=\"" + value + "\"/>");
            const unsigned long code = std::stoul(digits, nullptr, hex ? 16 : 10);
            if (code == 0 || code >= 0x80) Fail("a <byte/> outside ASCII");
            text += static_cast<char>(code);
        }
    }

    // The text of the child element `name` that comes next.
    std::string ElementText(const std::string& name) {
        if (!NextTag() || tag_ != name) Fail("expected <" + name + ">");
        return TextUntil("/" + name);
    }

    std::string Unescape(const std::string& raw) const {
        std::string out;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                out += raw[i];
                continue;
            }
            const auto end = raw.find(';', i);
            if (end == std::string::npos) Fail("an entity without ';'");
            const std::string entity = raw.substr(i + 1, end - i - 1);
            if (entity == "lt") out += '<';
            else if (entity == "gt") out += '>';
            else if (entity == "amp") out += '&';
            else if (entity == "quot") out += '"';
            else if (entity == "apos") out += '\'';
            else if (entity.size() > 1 && entity[0] == '#') {
                const bool hex = entity[1] == 'x' || entity[1] == 'X';
                const std::string digits = entity.substr(hex ? 2 : 1);
                if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
                    Fail("a malformed character reference &" + entity + ";");
                const unsigned long code = std::stoul(digits, nullptr, hex ? 16 : 10);
                if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) Fail("a character reference outside Unicode");
                AppendUtf8(out, code);
            } else {
                Fail("an unknown entity &" + entity + ";");
            }
            i = end;
        }
        return out;
    }

    std::string text_;
    std::size_t at_ = 0;
    std::string tag_;
    std::string type_;  // the type attribute of the last tag ("unfinished", "vanished", "obsolete")
    std::string byteValue_;  // the value attribute of the last tag (of <byte value="xd"/>)
    bool selfClosing_ = false;
};

std::string Literal(const std::string& bytes) {
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != '?' &&
            !(out.size() >= 4 && out[out.size() - 4] == '\\' && out[out.size() - 3] == 'x' && std::isxdigit(c)))
            out += static_cast<char>(c);
        else
            out += hex;
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_message_translations OUTPUT LANGUAGE=FILE.ts ...\n";
        return 2;
    }
    std::string current = "(arguments)";
    try {
        std::ostringstream out;
        out << "#pragma once\n// Made by the build from translations/*.ts: edit those, not this file.\n\n"
               "#include <string_view>\n\nnamespace busho::cli {\n\n"
               "struct TranslatedText {\n    std::string_view name;  // the interface text's name (kTextOpenFirst)\n"
               "    std::string_view utf8;\n};\n\n";
        std::vector<std::pair<std::string, bool>> languages;  // with texts or not
        for (int i = 2; i < argc; ++i) {
            const std::string argument = argv[i];
            const auto equals = argument.find('=');
            if (equals == std::string::npos) throw Failure{"expected LANGUAGE=FILE.ts, not " + argument};
            const std::string language = argument.substr(0, equals);
            current = argument.substr(equals + 1);
            std::ifstream in(current, std::ios::binary);
            if (!in) throw Failure{"cannot read the file"};
            std::ostringstream text;
            text << in.rdbuf();
            std::vector<Translated> texts = TsReader(text.str()).InterfaceTexts();
            // Sorted by name, so that a text is found by binary search.
            std::sort(texts.begin(), texts.end(), [](const Translated& a, const Translated& b) { return a.name < b.name; });
            for (std::size_t k = 1; k < texts.size(); ++k)
                if (texts[k].name == texts[k - 1].name) throw Failure{texts[k].name + " is translated twice"};
            // C++ has no empty arrays: a language with nothing translated yet gets no array.
            if (!texts.empty()) {
                out << "inline constexpr TranslatedText kTexts_" << language << "[] = {\n";
                for (const Translated& t : texts) out << "    {\"" << t.name << "\", " << Literal(t.utf8) << "},\n";
                out << "};\n\n";
            }
            languages.push_back({language, !texts.empty()});
        }
        current = argv[1];
        out << "struct LanguageTexts {\n    std::string_view language;  // zh_TW, ja, en\n"
               "    const TranslatedText* texts;\n    std::size_t count;\n};\n\n"
               "// The languages with translations; Simplified Chinese, the interface's own, has none.\n"
               "inline constexpr LanguageTexts kTranslatedLanguages[] = {\n";
        for (const auto& [language, any] : languages) {
            if (any) out << "    {\"" << language << "\", kTexts_" << language << ", std::size(kTexts_" << language << ")},\n";
            else out << "    {\"" << language << "\", nullptr, 0},\n";
        }
        out << "};\n\n}  // namespace busho::cli\n";
        std::ifstream old(argv[1], std::ios::binary);
        std::ostringstream oldText;
        oldText << old.rdbuf();
        if (old && oldText.str() == out.str()) return 0;
        std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file.flush()) throw Failure{"cannot write the file"};
    } catch (const Failure& f) {
        std::cerr << current << ": " << f.what << '\n';
        return 1;
    }
    return 0;
}
