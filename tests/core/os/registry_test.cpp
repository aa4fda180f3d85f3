// Reading the game's install folder from the current user's registry, through the real registry of
// Windows (under Wine in the Windows test run): each case writes its value under a key of its own and
// removes the key again.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <vector>

#include "core/os/registry.h"
#include "core/text/code_page.h"

namespace busho {
namespace {

const std::u16string kTestKey = u"Software\\BushoEditorTests\\Registry";

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

class RegistryText : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(kTestKey).c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Wide(kTestKey).c_str()); }

    // Stores raw data of the given type, exactly these bytes.
    static void Write(const std::u16string& subkey, const std::u16string& name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(kTestKey + subkey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    // Text stored as Windows stores it, with its terminator; `terminated` false leaves it out.
    static void WriteText(const std::u16string& subkey, const std::u16string& name, const std::u16string& text, bool terminated = true) {
        Write(subkey, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(char16_t)));
    }
    static std::string Read(const std::u16string& subkey, const std::u16string& name) {
        return ReadCurrentUserRegistryText(Utf16ToUtf8(kTestKey + subkey), Utf16ToUtf8(name));
    }
};

TEST_F(RegistryText, ReadsTextWithoutItsTerminator) {
    struct Case {
        std::u16string text;
        bool terminated;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {u"C:\\KOEI\\Nobunaga12PK\\", true, "C:\\KOEI\\Nobunaga12PK\\"},
        {u"D:\\ゲーム\\信長の野望・革新PK\\", true, "D:\\ゲーム\\信長の野望・革新PK\\"},
        {u"E:\\遊戲\\信長之野望革新", false, "E:\\遊戲\\信長之野望革新"},  // stored without a terminator
        {u"F", true, "F"},
        {std::u16string(u"G:\\game\0rest", 12), true, "G:\\game"},  // text ends at its first NUL
        {u"", true, ""},                                            // a bare terminator
        {u"", false, ""},                                           // no data at all
    };
    for (const Case& c : cases) {
        WriteText(u"\\Install", u"InstallInfo", c.text, c.terminated);
        EXPECT_EQ(Read(u"\\Install", u"InstallInfo"), c.expected) << Utf16ToUtf8(c.text);
    }
}

TEST_F(RegistryText, IsEmptyWhereThereIsNoText) {
    WriteText(u"\\Install", u"InstallInfo", u"C:\\KOEI\\");
    const DWORD number = 42;
    Write(u"\\Install", u"Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(Read(u"\\Install", u"InstallInfo"), "C:\\KOEI\\");  // the key itself is readable
    EXPECT_EQ(Read(u"\\Install", u"Missing"), "");
    EXPECT_EQ(Read(u"\\Install", u"Number"), "");
    EXPECT_EQ(Read(u"\\NoSuchKey", u"InstallInfo"), "");
    EXPECT_EQ(ReadCurrentUserRegistryText("", "InstallInfo"), "");
}

}  // namespace
}  // namespace busho

#endif  // _WIN32
