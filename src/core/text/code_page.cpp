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
