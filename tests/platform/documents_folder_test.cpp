#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/documents_folder.h"

namespace busho::platform {
namespace {

TEST(PlatformFolders, HaveNoTrailingSeparator) {
    for (const auto& folder : {DocumentsFolder(), ProgramFolder()}) {
        const std::string text = folder.string();
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.back(), '/') << text;
        EXPECT_NE(text.back(), '\\') << text;
    }
}

TEST(PlatformFolders, ProgramFolderHoldsTheProgram) {
    EXPECT_TRUE(std::filesystem::exists(ProgramFolder() / "platform_tests"));
}

#ifndef Q_OS_WIN
TEST(PlatformFolders, DocumentsFolderFollowsTheUsersSetting) {
    // On Linux the XDG setting decides; HOME is the fallback.
    qputenv("XDG_CONFIG_HOME", "/nonexistent-config");
    qputenv("HOME", "/home/someone");
    EXPECT_EQ(DocumentsFolder(), std::filesystem::path("/home/someone/Documents"));
}
#endif

}  // namespace
}  // namespace busho::platform

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
