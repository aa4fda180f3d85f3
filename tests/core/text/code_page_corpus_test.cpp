// The text module over the conversion corpus that the build machine's ICU wrote
// (make_code_page_corpus): every single byte, every pair of bytes with a high first byte and every
// BMP character of code pages 936, 950 and 932, exactly and with substitutes. Each difference of the
// back end in use (ICU itself on Linux, the Windows code-page API on Windows) is listed on stdout and
// must be one of those known below.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "core/text/code_page.h"

namespace busho {
namespace {

constexpr std::uint8_t kUndefined = 0xFF;

struct Page {
    CodePage page;
    const char* name;
};
constexpr Page kPages[] = {{CodePage::Gbk, "936"}, {CodePage::Big5, "950"}, {CodePage::ShiftJis, "932"}};

std::string Hex(std::string_view bytes) {
    std::string out;
    char b[4];
    for (const unsigned char c : bytes) {
        std::snprintf(b, sizeof b, "%02X", c);
        out += out.empty() ? "" : " ";
        out += b;
    }
    return out;
}

std::string Units(const std::u16string& units) {
    std::string out;
    char u[8];
    for (const char16_t c : units) {
        std::snprintf(u, sizeof u, "U+%04X", static_cast<unsigned>(c));
        out += out.empty() ? "" : " ";
        out += u;
    }
    return out.empty() ? "(empty)" : out;
}

struct Reader {
    const std::vector<std::uint8_t>& bytes;
    std::size_t at = 0;
    std::uint8_t U8() { return bytes.at(at++); }
    std::uint16_t U16() {
        const std::uint16_t low = U8();
        return static_cast<std::uint16_t>(low | U8() << 8);
    }
    std::optional<std::u16string> Units() {
        const std::uint8_t n = U8();
        const char16_t units[2] = {U16(), U16()};
        if (n == kUndefined) return std::nullopt;
        return std::u16string(units, n);
    }
    std::optional<std::string> Bytes() {
        const std::uint8_t n = U8();
        const char bytes[2] = {static_cast<char>(U8()), static_cast<char>(U8())};
        if (n == kUndefined) return std::nullopt;
        return std::string(bytes, n);
    }
};

// Every place where the module and the corpus disagree, one line each.
std::vector<std::string> Differences() {
    std::ifstream in(BUSHO_CODE_PAGE_CORPUS, std::ios::binary);
    const std::vector<std::uint8_t> corpus{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (corpus.empty()) return {"the corpus " BUSHO_CODE_PAGE_CORPUS " cannot be read"};
    Reader reader{corpus};
    std::vector<std::string> lines;
    auto shown = [](const std::optional<std::u16string>& u) { return u ? Units(*u) : std::string("undefined"); };
    auto shownBytes = [](const std::optional<std::string>& b) { return b ? Hex(*b) : std::string("none"); };
    for (const Page& p : kPages) {
        auto decode = [&](const std::string& bytes) {
            const auto exact = reader.Units();
            const auto substituted = reader.Units();
            if (const auto got = DecodeExactly(p.page, bytes); got != exact)
                lines.push_back(std::string(p.name) + " exact decode " + Hex(bytes) + ": ICU " + shown(exact) + ", here " + shown(got));
            if (const auto got = Decode(p.page, bytes); got != substituted.value_or(u"?"))
                lines.push_back(std::string(p.name) + " decode " + Hex(bytes) + ": ICU " + shown(substituted) + ", here " + Units(got));
        };
        for (int b = 0; b < 0x100; ++b) decode(std::string(1, static_cast<char>(b)));
        for (int lead = 0x80; lead < 0x100; ++lead)
            for (int trail = 0; trail < 0x100; ++trail) decode({static_cast<char>(lead), static_cast<char>(trail)});
        for (int u = 0; u < 0x10000; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF) continue;
            const std::u16string text(1, static_cast<char16_t>(u));
            const auto exact = reader.Bytes();
            const auto substituted = reader.Bytes();
            if (const auto got = Encode(p.page, text); got != exact)
                lines.push_back(std::string(p.name) + " exact encode " + Units(text) + ": ICU " + shownBytes(exact) + ", here " + shownBytes(got));
            if (const auto got = EncodeWithSubstitutes(p.page, text); got != substituted.value_or("?"))
                lines.push_back(std::string(p.name) + " encode " + Units(text) + ": ICU " + shownBytes(substituted) + ", here " + Hex(got));
        }
    }
    if (reader.at != corpus.size()) lines.push_back("the corpus holds more than was read");
    return lines;
}

TEST(CodePageCorpus, BackEndConvertsAsIcuDoes) {
    const auto differences = Differences();
    for (const auto& line : differences) std::cout << line << '\n';
    std::cout << differences.size() << " difference(s)\n";
    EXPECT_TRUE(differences.empty());
}

}  // namespace
}  // namespace busho
