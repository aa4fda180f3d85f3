// The folders the programs start from, without Qt.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "core/os/folders.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

TEST(Folders, HaveNoTrailingSeparator) {
    for (const auto& folder : {UserDocumentsFolder(), ExecutableFolder(nullptr)}) {
        const std::string text = folder.string();
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '/') << text;
        EXPECT_NE(text.back(), '\\') << text;
    }
}

TEST(Folders, ExecutableFolderHoldsTheProgram) {
#ifdef _WIN32
    const char* program = "os_tests.exe";
#else
    const char* program = "os_tests";
#endif
    EXPECT_TRUE(std::filesystem::exists(ExecutableFolder(nullptr) / program)) << ExecutableFolder(nullptr);
}

// The data files beside the program win; an installation keeps them in ../share/busho-editor.
TEST(Folders, DataFolderIsBesideTheProgramOrInShare) {
    testing::TempFolder root;
    const auto bin = root.Path() / "usr" / "bin";
    const auto share = root.Path() / "usr" / "share" / "busho-editor";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(share);
    EXPECT_EQ(DataFolder(bin), bin);  // nowhere: the program's own folder
    std::ofstream(share / "Koei.Dat") << "x";
    EXPECT_EQ(DataFolder(bin), share);
    std::ofstream(bin / "Koei.Dat") << "x";
    EXPECT_EQ(DataFolder(bin), bin);
}

TEST(Folders, DocumentsFolderFromUserDirs) {
    const std::filesystem::path home = "/home/someone";
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", "/home/someone/Documents"},
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/文档\"\r\n", "/home/someone/文档"},
        {"XDG_DOCUMENTS_DIR=\"/data/docs/\"\n", "/data/docs"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/someone"},
        {"XDG_DOCUMENTS_DIR=\"relative/path\"\n", ""},  // neither $HOME nor absolute: not taken
        {"XDG_MUSIC_DIR=\"$HOME/Music\"\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DocumentsFolderFromUserDirs(c.text, home), std::filesystem::path(c.expected)) << c.text;
}

#ifndef _WIN32
TEST(Folders, DocumentsFolderFollowsTheUsersSetting) {
    testing::TempFolder config;
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/nonexistent-config", 1);
    EXPECT_EQ(UserDocumentsFolder(), std::filesystem::path("/home/someone/Documents"));  // HOME is the fallback
    std::ofstream(config.Path() / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n";
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    EXPECT_EQ(UserDocumentsFolder(), std::filesystem::path("/home/someone/Papers"));
}
#endif

}  // namespace
}  // namespace busho
