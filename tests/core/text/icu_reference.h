#pragma once
// ICU as the reference the generated tables are checked against.

#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <memory>
#include <optional>
#include <string>

namespace busho::testing {

class IcuCodePage {
public:
    explicit IcuCodePage(const char* name) {
        UErrorCode status = U_ZERO_ERROR;
        conv_ = ucnv_open(name, &status);
        ucnv_setToUCallBack(conv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setFromUCallBack(conv_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    ~IcuCodePage() { ucnv_close(conv_); }
    IcuCodePage(const IcuCodePage&) = delete;
    IcuCodePage& operator=(const IcuCodePage&) = delete;

    // The single character two bytes encode, not private use; nothing otherwise.
    std::optional<UChar32> Decode(const std::string& bytes) {
        UChar out[8];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(conv_);
        const int32_t n = ucnv_toUChars(conv_, out, 8, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
        if (U_FAILURE(status) || n < 1) return std::nullopt;
        icu::UnicodeString s(out, n);
        if (s.countChar32() != 1) return std::nullopt;
        const UChar32 c = s.char32At(0);
        if (c == 0xFFFD || c == 0x1A || (c >= 0xE000 && c <= 0xF8FF)) return std::nullopt;
        return c;
    }

    std::optional<std::string> Encode(const icu::UnicodeString& text) {
        char out[256];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(conv_);
        const int32_t n = ucnv_fromUChars(conv_, out, sizeof out, text.getBuffer(), text.length(), &status);
        if (U_FAILURE(status)) return std::nullopt;
        return std::string(out, static_cast<std::size_t>(n));
    }

    std::string ToUtf8(const std::string& bytes) {
        UChar out[1024];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(conv_);
        const int32_t n = ucnv_toUChars(conv_, out, 1024, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
        std::string utf8;
        icu::UnicodeString(out, n).toUTF8String(utf8);
        return utf8;
    }

    std::string FromUtf8(const char* utf8) { return *Encode(icu::UnicodeString::fromUTF8(utf8)); }

private:
    UConverter* conv_ = nullptr;
};

inline UChar32 Transliterated(const char* id, UChar32 c) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(id, UTRANS_FORWARD, status));
    icu::UnicodeString s(c);
    t->transliterate(s);
    return s.countChar32() == 1 ? s.char32At(0) : -1;
}

}  // namespace busho::testing
