// Builds the code tables that the text conversions read beside the program:
//   GB.DAT     GB2312 -> Big5, 87 rows x 94 cells           (16356 bytes)
//   BIG5.DAT   Big5 -> GB2312, 94 rows x 157 cells          (29516 bytes)
//   JISN.dat   GBK -> Shift-JIS, 126 rows x 190 cells       (47880 bytes)
//   GBKN.dat   Shift-JIS -> GBK, six areas one after another (15888 bytes)
//   GBKFT.dat  GBK simplified/traditional forms: the simplified table, then the traditional table,
//              each 126 rows x 190 cells like JISN.dat     (95760 bytes)
// Every entry is a 16-bit little-endian code, first byte in the high 8 bits.
//
// Characters are related through Unicode with ICU's windows-936, windows-950 and windows-932
// converters, and ICU's Simplified-Traditional and Traditional-Simplified transliterators applied to
// one character at a time. Only round-trip mappings of the converters are used.
//
// What a cell holds:
//   - a code that is a character with a counterpart: the counterpart's code;
//   - a code that is a character without a counterpart: the target encoding's full-width question
//     mark ？ (Big5 A148, GB A3BF, Shift-JIS 8148), never 0, so that no name is cut short;
//   - a code that is not a character (unassigned, or a user-defined area that decodes to the private
//     use area): 0.
//   GBKFT.dat instead holds the character's own code wherever it has no other single-character form
//   and for non-characters, so that mapping never changes the byte length.
//
// Usage: make_code_tables OUTDIR

#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t kBig5Question = 0xA148;
constexpr std::uint16_t kGbQuestion = 0xA3BF;
constexpr std::uint16_t kSjisQuestion = 0x8148;

struct Failure {
    std::string what;
};

class Converter {
public:
    explicit Converter(const char* name) {
        UErrorCode status = U_ZERO_ERROR;
        conv_ = ucnv_open(name, &status);
        if (U_FAILURE(status)) throw Failure{std::string("no ICU converter ") + name};
        ucnv_setToUCallBack(conv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setFromUCallBack(conv_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setFallback(conv_, false);
    }
    ~Converter() { ucnv_close(conv_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The one character that these two bytes encode, if they encode exactly one that is not private use.
    std::optional<UChar32> Decode(std::uint8_t b0, std::uint8_t b1) {
        const char in[2] = {static_cast<char>(b0), static_cast<char>(b1)};
        UChar out[4];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(conv_);
        const int32_t len = ucnv_toUChars(conv_, out, 4, in, 2, &status);
        if (U_FAILURE(status) || len < 1) return std::nullopt;
        icu::UnicodeString text(out, len);
        if (text.countChar32() != 1) return std::nullopt;
        const UChar32 c = text.char32At(0);
        if (c == 0xFFFD || c == 0x1A || (c >= 0xE000 && c <= 0xF8FF)) return std::nullopt;
        return c;
    }

    // The double-byte code of a character, if the encoding has it as exactly two bytes.
    std::optional<std::uint16_t> EncodeDouble(UChar32 c) {
        icu::UnicodeString text(c);
        char out[8];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(conv_);
        const int32_t len = ucnv_fromUChars(conv_, out, sizeof out, text.getBuffer(), text.length(), &status);
        if (U_FAILURE(status) || len != 2) return std::nullopt;
        return static_cast<std::uint16_t>((static_cast<std::uint8_t>(out[0]) << 8) | static_cast<std::uint8_t>(out[1]));
    }

private:
    UConverter* conv_ = nullptr;
};

class Transform {
public:
    explicit Transform(const char* id) {
        UErrorCode status = U_ZERO_ERROR;
        t_.reset(icu::Transliterator::createInstance(id, UTRANS_FORWARD, status));
        if (U_FAILURE(status) || !t_) throw Failure{std::string("no ICU transliterator ") + id};
    }
    // The other form of one character, when it is a single character.
    std::optional<UChar32> Apply(UChar32 c) const {
        icu::UnicodeString text(c);
        t_->transliterate(text);
        if (text.countChar32() != 1) return std::nullopt;
        return text.char32At(0);
    }

private:
    std::unique_ptr<icu::Transliterator> t_;
};

bool IsGb2312Code(std::uint16_t code) {
    const int b0 = code >> 8, b1 = code & 0xFF;
    return b0 >= 0xA1 && b0 <= 0xF7 && b1 >= 0xA1 && b1 <= 0xFE;
}

// The first of the candidates that the target has as a double-byte code, else the question mark.
template <class Accept>
std::uint16_t FirstEncodable(Converter& target, std::initializer_list<std::optional<UChar32>> candidates,
                             std::uint16_t question, Accept accept) {
    for (const auto& c : candidates) {
        if (!c) continue;
        if (auto code = target.EncodeDouble(*c); code && accept(*code)) return *code;
    }
    return question;
}

void WriteTable(const std::filesystem::path& path, const std::vector<std::uint16_t>& entries, std::size_t expectedBytes) {
    std::vector<char> bytes;
    for (std::uint16_t e : entries) {
        bytes.push_back(static_cast<char>(e & 0xFF));
        bytes.push_back(static_cast<char>(e >> 8));
    }
    if (bytes.size() != expectedBytes) throw Failure{path.string() + " would be " + std::to_string(bytes.size()) + " bytes"};
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw Failure{"cannot write " + path.string()};
}

// Second bytes of the GBK cells: 0x40..0x7E then 0x80..0xFE.
std::uint8_t GbkSecondByte(int cell) { return static_cast<std::uint8_t>(cell < 63 ? 0x40 + cell : 0x41 + cell); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_code_tables OUTDIR\n";
        return 2;
    }
    try {
        const std::filesystem::path outDir = argv[1];
        std::filesystem::create_directories(outDir);
        Converter gbk("windows-936");
        Converter big5("windows-950");
        Converter sjis("windows-932");
        const Transform toTraditional("Simplified-Traditional");
        const Transform toSimplified("Traditional-Simplified");
        auto any = [](std::uint16_t) { return true; };

        // GB2312 -> Big5: the traditional form, else the character itself.
        std::vector<std::uint16_t> gbTable;
        for (int r = 0; r < 87; ++r) {
            for (int c = 0; c < 94; ++c) {
                const auto ch = gbk.Decode(static_cast<std::uint8_t>(0xA1 + r), static_cast<std::uint8_t>(0xA1 + c));
                gbTable.push_back(ch ? FirstEncodable(big5, {toTraditional.Apply(*ch), ch}, kBig5Question, any) : 0);
            }
        }
        WriteTable(outDir / "GB.DAT", gbTable, 16356);

        // Big5 -> GB2312: the simplified form, else the character itself, within GB2312.
        std::vector<std::uint16_t> big5Table;
        for (int r = 0; r < 94; ++r) {
            for (int cell = 0; cell < 157; ++cell) {
                const int b1 = cell < 63 ? 0x40 + cell : 0xA1 + (cell - 63);
                const auto ch = big5.Decode(static_cast<std::uint8_t>(0xA1 + r), static_cast<std::uint8_t>(b1));
                big5Table.push_back(ch ? FirstEncodable(gbk, {toSimplified.Apply(*ch), ch}, kGbQuestion, IsGb2312Code) : 0);
            }
        }
        WriteTable(outDir / "BIG5.DAT", big5Table, 29516);

        // GBK -> Shift-JIS: the same character; a simplified character that code page 932 lacks
        // takes its traditional form when 932 has that (a user writes 织田信长, the game shows 織田信長).
        // GBK simplified/traditional forms, kept only where the other form is one GBK double-byte character.
        std::vector<std::uint16_t> jisTable, simplifiedTable, traditionalTable;
        for (int r = 0; r < 126; ++r) {
            for (int cell = 0; cell < 190; ++cell) {
                const auto b0 = static_cast<std::uint8_t>(0x81 + r);
                const auto b1 = GbkSecondByte(cell);
                const auto own = static_cast<std::uint16_t>((b0 << 8) | b1);
                const auto ch = gbk.Decode(b0, b1);
                if (!ch) {
                    jisTable.push_back(0);
                    simplifiedTable.push_back(own);
                    traditionalTable.push_back(own);
                    continue;
                }
                const auto traditional = toTraditional.Apply(*ch);
                jisTable.push_back(FirstEncodable(sjis, {ch, traditional}, kSjisQuestion, any));
                simplifiedTable.push_back(FirstEncodable(gbk, {toSimplified.Apply(*ch)}, own, any));
                traditionalTable.push_back(FirstEncodable(gbk, {traditional}, own, any));
            }
        }
        WriteTable(outDir / "JISN.dat", jisTable, 47880);
        std::vector<std::uint16_t> ft = simplifiedTable;
        ft.insert(ft.end(), traditionalTable.begin(), traditionalTable.end());
        WriteTable(outDir / "GBKFT.dat", ft, 95760);

        // Shift-JIS -> GBK, six areas: first byte of index 0, count of entries, offset of index 0 in its area.
        struct Area {
            int firstByte, entries, skip;
        };
        const Area areas[] = {{0x81, 690, 0}, {0x87, 92, 0}, {0x88, 4418, 94}, {0xE0, 1980, 0}, {0xED, 376, 0}, {0xFA, 388, 0}};
        std::vector<std::uint16_t> gbknTable;
        for (const Area& area : areas) {
            for (int i = 0; i < area.entries; ++i) {
                const int at = i + area.skip;
                const auto b0 = static_cast<std::uint8_t>(area.firstByte + at / 188);
                const auto b1 = GbkSecondByte(at % 188);
                const auto ch = sjis.Decode(b0, b1);
                gbknTable.push_back(ch ? FirstEncodable(gbk, {ch, toSimplified.Apply(*ch)}, kGbQuestion, any) : 0);
            }
        }
        WriteTable(outDir / "GBKN.dat", gbknTable, 15888);
    } catch (const Failure& failure) {
        std::cerr << "make_code_tables: " << failure.what << '\n';
        return 1;
    }
    return 0;
}
