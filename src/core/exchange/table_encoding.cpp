#include "table_encoding.h"

#include <algorithm>
#include <cstdint>

#include "core/text/code_page.h"

namespace busho {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

CodePage PageOf(TableEncoding encoding) {
    switch (encoding) {
        case TableEncoding::Gbk: return CodePage::Gbk;
        case TableEncoding::Big5: return CodePage::Big5;
        case TableEncoding::ShiftJis: return CodePage::ShiftJis;
        case TableEncoding::Utf8: break;
    }
    return CodePage::Gbk;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (b < 0x80) length = 1;
        else if (b >= 0xC2 && b <= 0xDF) length = 2;
        else if (b >= 0xE0 && b <= 0xEF) { length = 3; low = b == 0xE0 ? 0xA0 : 0x80; high = b == 0xED ? 0x9F : 0xBF; }
        else if (b >= 0xF0 && b <= 0xF4) { length = 4; low = b == 0xF0 ? 0x90 : 0x80; high = b == 0xF4 ? 0x8F : 0xBF; }
        else return false;
        if (i + static_cast<std::size_t>(length) > text.size()) return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

// Spreadsheet text holds no control characters but tab, carriage return, line feed and U+001A (what
// bytes that are no character of the game's code page become in an export): a file with others (the
// NULs of UTF-16, an .xlsx zip) is not text.
bool IsControl(char32_t c) { return (c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != 0x1A) || c == 0x7F; }

// Private use characters: what bytes the code page reserves for user-defined characters decode to.
// No player's spreadsheet holds them, so text that reads as such is taken to be in another encoding.
bool IsPrivateUse(char16_t c) { return c >= 0xE000 && c <= 0xF8FF; }

// Decodes line by line, so that a refusal can name the first line that is not text of `encoding`
// (a line feed is never part of a double-byte character in these code pages). `guessing` refuses
// private use characters too.
Result<std::string> DecodeAs(std::string_view bytes, TableEncoding encoding, bool guessing) {
    std::string utf8;
    int line = 1;
    for (std::size_t start = 0; start < bytes.size(); ++line) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view part = bytes.substr(start, end - start + (end < bytes.size() ? 1 : 0));
        if (encoding == TableEncoding::Utf8) {
            const bool text = IsValidUtf8(part) && std::none_of(part.begin(), part.end(), [](char c) { return IsControl(static_cast<unsigned char>(c)); });
            if (!text) return Problem(TextId::kTableNotInEncoding, {std::string(TableEncodingName(encoding)), std::int64_t{line}});
            utf8 += part;
        } else {
            const auto text = DecodeExactly(PageOf(encoding), part);
            const auto notText = [guessing](char16_t c) { return IsControl(c) || (guessing && IsPrivateUse(c)); };
            if (!text || std::any_of(text->begin(), text->end(), notText))
                return Problem(TextId::kTableNotInEncoding, {std::string(TableEncodingName(encoding)), std::int64_t{line}});
            utf8 += Utf16ToUtf8(*text);
        }
        start = end + 1;
    }
    return utf8;
}

// How many characters beyond ASCII the bytes hold in a code page, and how many of them are its most
// common ones: punctuation, full-width forms and kana, and the first level of characters (GB2312's
// level 1 and 2 for GBK, Big5's frequent characters, JIS level 1 for Shift-JIS). Text read in the
// wrong one of these code pages decodes, if at all, mostly to rare characters or half-width kana.
struct Plausibility {
    std::size_t characters = 0;
    std::size_t common = 0;
};

Plausibility PlausibilityIn(std::string_view bytes, TableEncoding encoding) {
    Plausibility p;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) continue;
        const bool sjisSingle = encoding == TableEncoding::ShiftJis && (lead < 0x81 || (lead > 0x9F && lead < 0xE0) || lead > 0xFC);
        const bool pair = !sjisSingle && lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size();
        ++p.characters;
        if (!pair) continue;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        const unsigned code = lead << 8 | trail;
        bool common = false;
        switch (encoding) {
            case TableEncoding::Gbk:
                common = trail >= 0xA1 && trail <= 0xFE && ((lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7));
                break;
            case TableEncoding::Big5: common = code >= 0xA140 && code <= 0xC67E; break;
            case TableEncoding::ShiftJis: common = (lead >= 0x81 && lead <= 0x83) || (code >= 0x889F && code <= 0x9872); break;
            case TableEncoding::Utf8: break;
        }
        if (common) ++p.common;
    }
    return p;
}

}  // namespace

std::optional<TableEncoding> TableEncodingNamed(std::string_view name) {
    if (name == "utf-8") return TableEncoding::Utf8;
    if (name == "gbk") return TableEncoding::Gbk;
    if (name == "big5") return TableEncoding::Big5;
    if (name == "sjis") return TableEncoding::ShiftJis;
    return std::nullopt;
}

const char* TableEncodingName(TableEncoding encoding) {
    switch (encoding) {
        case TableEncoding::Utf8: return "UTF-8";
        case TableEncoding::Gbk: return "GBK";
        case TableEncoding::Big5: return "Big5";
        case TableEncoding::ShiftJis: return "Shift-JIS";
    }
    return "UTF-8";
}

Result<TableText> DecodeTableText(std::string_view bytes, std::optional<TableEncoding> encoding) {
    if (encoding) {
        auto text = DecodeAs(bytes, *encoding, false);
        if (!text) return text.problem();
        return TableText{std::move(text.value()), *encoding};
    }
    if (auto utf8 = DecodeAs(bytes, TableEncoding::Utf8, true)) return TableText{std::move(utf8.value()), TableEncoding::Utf8};
    std::optional<TableText> best;
    Plausibility bestScore;
    // In this order when two read equally well.
    for (const TableEncoding candidate : {TableEncoding::Gbk, TableEncoding::Big5, TableEncoding::ShiftJis}) {
        auto text = DecodeAs(bytes, candidate, true);
        if (!text) continue;
        const Plausibility score = PlausibilityIn(bytes, candidate);
        // common / characters, compared without division
        if (!best || score.common * bestScore.characters > bestScore.common * score.characters) {
            best = TableText{std::move(text.value()), candidate};
            bestScore = score;
        }
    }
    if (!best) return TextId::kTableNotText;
    return std::move(*best);
}

std::string AsSavedIn(TableEncoding encoding, std::string_view utf8) {
    if (encoding == TableEncoding::Utf8) return std::string(utf8);
    const std::u16string text = Utf8ToUtf16(utf8);
    std::u16string saved;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool surrogatePair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        const std::u16string_view character(text.data() + i, surrogatePair ? 2 : 1);
        if (surrogatePair) ++i;
        if (Encode(PageOf(encoding), character)) saved += character;
        else saved += u'?';
    }
    return Utf16ToUtf8(saved);
}

EncodedTable EncodeTableText(std::string_view utf8, TableEncoding encoding) {
    if (encoding == TableEncoding::Utf8) return {std::string(utf8), {}};
    if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
    const CodePage page = PageOf(encoding);
    EncodedTable out;
    std::u16string lacking;
    const std::u16string text = Utf8ToUtf16(utf8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool surrogatePair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        const std::u16string_view character(text.data() + i, surrogatePair ? 2 : 1);
        if (surrogatePair) ++i;
        if (const auto bytes = Encode(page, character)) {
            out.bytes += *bytes;
            continue;
        }
        out.bytes += '?';
        if (lacking.find(character) == std::u16string::npos) lacking += character;
    }
    out.lacking = Utf16ToUtf8(lacking);
    return out;
}

}  // namespace busho
