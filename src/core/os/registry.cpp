#include "core/os/registry.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>

#include "core/text/code_page.h"
#endif

namespace busho {

#ifdef _WIN32

std::string ReadCurrentUserRegistryText(std::string_view subkey, std::string_view valueName) {
    if (subkey.empty()) return {};
    const std::u16string subkeyWide = Utf8ToUtf16(subkey);
    const std::u16string nameWide = Utf8ToUtf16(valueName);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(subkeyWide.c_str()), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    std::u16string text;
    DWORD type = 0;
    DWORD size = 0;
    const auto* name = reinterpret_cast<const wchar_t*>(nameWide.c_str());
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) &&
        size > sizeof(char16_t)) {
        // One spare character, so that data stored without a terminator still ends in one here.
        std::vector<char16_t> data(size / sizeof(char16_t) + 1, u'\0');
        DWORD read = size;
        if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) == ERROR_SUCCESS) {
            data.resize(read / sizeof(char16_t) + 1);
            data.back() = u'\0';
            text.assign(data.data());  // up to the terminating NUL
        }
    }
    RegCloseKey(key);
    return Utf16ToUtf8(text);
}

#else

std::string ReadCurrentUserRegistryText(std::string_view /*subkey*/, std::string_view /*valueName*/) { return {}; }

#endif

}  // namespace busho
