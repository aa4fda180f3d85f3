#include "code_page.h"

// Two back ends behind the same functions: ICU where the build has it (Linux), the Windows code-page
// API where it does not (the Windows build). The build-time code tables come from ICU either way.
#if defined(BUSHO_TEXT_ICU)
#include <unicode/ucnv.h>
#include <unicode/ustring.h>
#elif defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#error "text conversion needs ICU (BUSHO_TEXT_ICU) or the Windows code-page API"
#endif

#include <memory>

namespace busho {
namespace {

#if defined(BUSHO_TEXT_ICU)

const char* IcuName(CodePage page) {
    switch (page) {
        case CodePage::Gbk: return "windows-936";
        case CodePage::Big5: return "windows-950";
        case CodePage::ShiftJis: return "windows-932";
    }
    return "windows-936";
}

struct CloseConverter {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, CloseConverter>;

// A converter that stops at the first unmapped or undefined character, or substitutes it.
Converter Open(CodePage page, bool stop) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(IcuName(page), &status));
    if (U_FAILURE(status)) return nullptr;
    if (stop) {
        ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

std::optional<std::u16string> DecodeWith(CodePage page, std::string_view bytes, bool stop) {
    if (bytes.empty()) return std::u16string();
    const Converter converter = Open(page, stop);
    if (!converter) return std::nullopt;
    // Every byte gives at most one UTF-16 unit in these code pages.
    std::u16string out(bytes.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_toUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                    static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::optional<std::string> EncodeWith(CodePage page, std::u16string_view text, bool stop) {
    if (text.empty()) return std::string();
    const Converter converter = Open(page, stop);
    if (!converter) return std::nullopt;
    std::string out(text.size() * 2 + 4, '\0');  // at most two bytes a character
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()), text.data(),
                                      static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    out.resize(static_cast<std::size_t>(n));
    return out;
}

}  // namespace

std::vector<std::optional<std::size_t>> FirstUndecodable(CodePage page, std::span<const std::string_view> texts) {
    std::vector<std::optional<std::size_t>> found(texts.size());
    const Converter converter = Open(page, true);
    std::u16string out(64, u'\0');
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string_view text = texts[i];
        if (text.empty()) continue;
        if (!converter) {
            found[i] = 0;
            continue;
        }
        ucnv_resetToUnicode(converter.get());
        const char* source = text.data();
        const char* const end = text.data() + text.size();
        UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
        while (status == U_BUFFER_OVERFLOW_ERROR) {
            status = U_ZERO_ERROR;
            UChar* target = out.data();
            ucnv_toUnicode(converter.get(), &target, out.data() + out.size(), &source, end, nullptr, true, &status);
        }
        if (U_SUCCESS(status)) continue;
        // The converter has read past the bytes it could not convert; they end where it stopped.
        char invalid[8];
        int8_t invalidLength = sizeof invalid;
        UErrorCode ignored = U_ZERO_ERROR;
        ucnv_getInvalidChars(converter.get(), invalid, &invalidLength, &ignored);
        const std::size_t read = static_cast<std::size_t>(source - text.data());
        found[i] = read >= static_cast<std::size_t>(invalidLength) ? read - static_cast<std::size_t>(invalidLength) : 0;
    }
    return found;
}

std::optional<std::string> FromUtf8(CodePage page, std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return std::nullopt;
    std::u16string utf16(static_cast<std::size_t>(length), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8(utf16.data(), length, nullptr, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (U_FAILURE(status)) return std::nullopt;
    return Encode(page, utf16);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(nullptr, 0, &length, utf8.data(), static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    std::u16string out(static_cast<std::size_t>(length), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(out.data(), length, nullptr, utf8.data(), static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
    return U_SUCCESS(status) ? out : std::u16string();
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strToUTF8WithSub(nullptr, 0, &length, utf16.data(), static_cast<int32_t>(utf16.size()), 0xFFFD, nullptr, &status);
    std::string out(static_cast<std::size_t>(length), '\0');
    status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), length, nullptr, utf16.data(), static_cast<int32_t>(utf16.size()), 0xFFFD, nullptr, &status);
    return U_SUCCESS(status) ? out : std::string();
}

#else

UINT WindowsCodePage(CodePage page) {
    switch (page) {
        case CodePage::Gbk: return 936;
        case CodePage::Big5: return 950;
        case CodePage::ShiftJis: return 932;
    }
    return 936;
}

// The bytes that may follow a lead byte; a pair with such a second byte is one character, assigned or
// not.
bool IsTrailByte(CodePage page, unsigned char b) {
    switch (page) {
        case CodePage::Gbk: return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
        case CodePage::Big5: return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
        case CodePage::ShiftJis: return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
    }
    return false;
}

// The one character `bytes` (one or two of them) stand for, or nothing when the code page does not
// define them.
std::optional<char16_t> DecodeOne(UINT codePage, std::string_view bytes) {
    wchar_t out[2];
    const int n = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out, 2);
    if (n != 1) return std::nullopt;
    return static_cast<char16_t>(out[0]);
}

// One character at a time, so that an undefined one becomes what ICU makes of it: a lead and trail
// byte that are not assigned become U+FFFD, and so does a lead byte without its trail byte in code
// pages 936 and 950 (in 950 a lead byte takes any high byte with it); any other byte that is no
// character becomes U+001A.
std::optional<std::u16string> DecodeWith(CodePage page, std::string_view bytes, bool stop) {
    const UINT codePage = WindowsCodePage(page);
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const bool isLead = ::IsDBCSLeadByteEx(codePage, lead) != 0;
        const bool hasNext = i + 1 < bytes.size();
        const auto next = hasNext ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const bool pair = isLead && hasNext && IsTrailByte(page, next);
        const std::size_t length = pair ? 2 : 1;
        if (const auto c = DecodeOne(codePage, bytes.substr(i, length))) {
            out.push_back(*c);
            i += length;
            continue;
        }
        if (stop) return std::nullopt;
        if (pair || (isLead && page != CodePage::ShiftJis)) {
            out.push_back(u'\uFFFD');
            i += pair || (page == CodePage::Big5 && hasNext && next >= 0x80) ? 2 : 1;
        } else {
            out.push_back(u'\u001A');
            ++i;
        }
    }
    return out;
}

std::optional<std::string> EncodeWith(CodePage page, std::u16string_view text, bool stop) {
    if (text.empty()) return std::string();
    const UINT codePage = WindowsCodePage(page);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int n = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, "?", &usedDefault);
    if (n <= 0 || (stop && usedDefault)) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), n, "?", nullptr);
    return out;
}

// UTF-8 read as Unicode does it: each maximal part of an ill-formed sequence is one U+FFFD (ICU's
// rule too); nothing instead when `stop` and the text is not valid UTF-8.
std::optional<std::u16string> Utf8ToUtf16With(std::string_view utf8, bool stop) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        // The length the lead byte announces and the range of its first continuation byte.
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        char32_t c = 0;
        if (b >= 0xC2 && b <= 0xDF) { length = 2; c = b & 0x1Fu; }
        else if (b >= 0xE0 && b <= 0xEF) { length = 3; c = b & 0x0Fu; low = b == 0xE0 ? 0xA0 : 0x80; high = b == 0xED ? 0x9F : 0xBF; }
        else if (b >= 0xF0 && b <= 0xF4) { length = 4; c = b & 0x07u; low = b == 0xF0 ? 0x90 : 0x80; high = b == 0xF4 ? 0x8F : 0xBF; }
        std::size_t j = i + 1;
        int got = 1;
        while (length > 0 && got < length && j < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[j]);
            if (next < (got == 1 ? low : 0x80) || next > (got == 1 ? high : 0xBF)) break;
            c = (c << 6) | (next & 0x3Fu);
            ++j;
            ++got;
        }
        if (length == 0 || got < length) {
            if (stop) return std::nullopt;
            out.push_back(u'\uFFFD');
            i = length == 0 ? i + 1 : j;
            continue;
        }
        if (c >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i = j;
    }
    return out;
}

}  // namespace

std::optional<std::string> FromUtf8(CodePage page, std::string_view utf8) {
    const auto utf16 = Utf8ToUtf16With(utf8, true);
    if (!utf16) return std::nullopt;
    return Encode(page, *utf16);
}

std::vector<std::optional<std::size_t>> FirstUndecodable(CodePage page, std::span<const std::string_view> texts) {
    // The longest start of the text that decodes ends where the first character that does not begins
    // (a start that ends inside a character does not decode either).
    std::vector<std::optional<std::size_t>> found(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string_view text = texts[i];
        if (text.empty() || DecodeWith(page, text, true)) continue;
        std::size_t decodable = text.size();
        while (decodable > 0 && !DecodeWith(page, text.substr(0, decodable), true)) --decodable;
        found[i] = decodable;
    }
    return found;
}

std::u16string Utf8ToUtf16(std::string_view utf8) { return Utf8ToUtf16With(utf8, false).value_or(std::u16string()); }

// An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

#endif

std::u16string Decode(CodePage page, std::string_view bytes) { return DecodeWith(page, bytes, false).value_or(std::u16string()); }

std::string ToUtf8(CodePage page, std::string_view bytes) { return Utf16ToUtf8(Decode(page, bytes)); }

std::optional<std::u16string> DecodeExactly(CodePage page, std::string_view bytes) { return DecodeWith(page, bytes, true); }

std::optional<std::string> Encode(CodePage page, std::u16string_view text) { return EncodeWith(page, text, true); }

std::string EncodeWithSubstitutes(CodePage page, std::u16string_view text) {
    return EncodeWith(page, text, false).value_or(std::string());
}

}  // namespace busho
