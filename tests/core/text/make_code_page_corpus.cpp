// Writes the conversion corpus: what ICU itself makes of every single byte, every pair of bytes with
// a high first byte, and every BMP character, in code pages 936, 950 and 932, exactly and with
// substitutes. code_page_corpus_test runs the text module over the same inputs on each system and
// lists where its back end differs (ICU on Linux, the Windows code-page API on Windows).
//
// Layout, little-endian, for each code page in the order windows-936, windows-950, windows-932:
//   256 single bytes, then the pairs 80 00 … FF FF: exact count (0xFF: undefined), two UTF-16 units,
//     substituted count, two UTF-16 units (10 bytes);
//   U+0000 … U+FFFF without the surrogates: exact count (0xFF: not in the code page), two bytes,
//     substituted count, two bytes (6 bytes).
// Usage: make_code_page_corpus OUT

#include <unicode/ucnv.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::uint8_t kUndefined = 0xFF;

struct Converter {
    Converter(const char* name, bool stop) {
        UErrorCode status = U_ZERO_ERROR;
        handle = ucnv_open(name, &status);
        if (stop) {
            ucnv_setToUCallBack(handle, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
            ucnv_setFromUCallBack(handle, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        }
        if (U_FAILURE(status)) throw std::runtime_error(std::string("cannot open ") + name);
    }
    ~Converter() { ucnv_close(handle); }
    UConverter* handle = nullptr;
};

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutUnits(std::vector<std::uint8_t>& out, Converter& c, const std::string& bytes) {
    UChar units[8];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(c.handle);
    const int32_t n = ucnv_toUChars(c.handle, units, 8, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status) || n > 2) {
        if (!U_FAILURE(status)) throw std::runtime_error("more than two units from two bytes");
        out.push_back(kUndefined);
        Put16(out, 0);
        Put16(out, 0);
        return;
    }
    out.push_back(static_cast<std::uint8_t>(n));
    Put16(out, n > 0 ? units[0] : 0);
    Put16(out, n > 1 ? units[1] : 0);
}

void PutBytes(std::vector<std::uint8_t>& out, Converter& c, char16_t unit) {
    char bytes[8];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(c.handle);
    const UChar text[1] = {unit};
    const int32_t n = ucnv_fromUChars(c.handle, bytes, 8, text, 1, &status);
    if (U_FAILURE(status) || n > 2) {
        if (!U_FAILURE(status)) throw std::runtime_error("more than two bytes for one character");
        out.insert(out.end(), {kUndefined, 0, 0});
        return;
    }
    out.push_back(static_cast<std::uint8_t>(n));
    out.push_back(n > 0 ? static_cast<std::uint8_t>(bytes[0]) : 0);
    out.push_back(n > 1 ? static_cast<std::uint8_t>(bytes[1]) : 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_code_page_corpus OUT\n";
        return 2;
    }
    try {
        std::vector<std::uint8_t> out;
        for (const char* name : {"windows-936", "windows-950", "windows-932"}) {
            Converter exact(name, true), substituting(name, false);
            auto decode = [&](const std::string& bytes) {
                PutUnits(out, exact, bytes);
                PutUnits(out, substituting, bytes);
            };
            for (int b = 0; b < 0x100; ++b) decode(std::string(1, static_cast<char>(b)));
            for (int lead = 0x80; lead < 0x100; ++lead)
                for (int trail = 0; trail < 0x100; ++trail) decode({static_cast<char>(lead), static_cast<char>(trail)});
            for (int u = 0; u < 0x10000; ++u) {
                if (u >= 0xD800 && u <= 0xDFFF) continue;
                PutBytes(out, exact, static_cast<char16_t>(u));
                PutBytes(out, substituting, static_cast<char16_t>(u));
            }
        }
        std::ofstream file(argv[1], std::ios::binary);
        file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
        if (!file) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "make_code_page_corpus: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
