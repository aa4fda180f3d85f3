#include "code_page.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>

namespace busho {
namespace {

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

std::u16string Decode(CodePage page, std::string_view bytes) { return DecodeWith(page, bytes, false).value_or(std::u16string()); }

std::string ToUtf8(CodePage page, std::string_view bytes) { return Utf16ToUtf8(Decode(page, bytes)); }

std::optional<std::u16string> DecodeExactly(CodePage page, std::string_view bytes) { return DecodeWith(page, bytes, true); }

std::optional<std::string> Encode(CodePage page, std::u16string_view text) { return EncodeWith(page, text, true); }

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

std::string EncodeWithSubstitutes(CodePage page, std::u16string_view text) {
    return EncodeWith(page, text, false).value_or(std::string());
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

}  // namespace busho
