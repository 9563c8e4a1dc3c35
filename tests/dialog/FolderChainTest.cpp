// Folder creation level by level, and the removal of what one failed attempt made.
#include "dialog/PathUtil.h"
#include "tests/dialog/DialogTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace gk_dialog_test;

namespace {

// 0xA0 has no character in code page 932: a level with it maps to no host folder, so its
// creation fails after the levels above it were made.
constexpr char SZ_UNMAPPABLE[] = "\xA0";

class FolderChain : public testing::Test {
protected:
    void SetUp() override { ResetDriveC(); }
};

TEST_F(FolderChain, CreatesEveryMissingLevel) {
    fs::create_directories(HostC("a"));
    EXPECT_TRUE(CreateFolderChain("C:\\a\\b\\c\\"));
    EXPECT_TRUE(fs::is_directory(HostC("a\\b\\c")));
    EXPECT_TRUE(CreateFolderChain("C:\\x\\表\\y")); // "y" is a file name: C:\x\表\ is made
    EXPECT_TRUE(fs::is_directory(HostC("x\\表")));
    EXPECT_FALSE(fs::exists(HostC("x\\表\\y")));
    EXPECT_TRUE(CreateFolderChain("C:\\a\\b\\c\\")); // all there already
}

TEST_F(FolderChain, FailedLevelRemovesOnlyWhatThisAttemptMade) {
    fs::create_directories(HostC("keep"));
    const std::string strFolder = std::string("C:\\keep\\new1\\new2\\") + SZ_UNMAPPABLE + "\\";
    EXPECT_FALSE(CreateFolderChain(strFolder.c_str()));
    EXPECT_TRUE(fs::is_directory(HostC("keep")));
    EXPECT_FALSE(fs::exists(HostC("keep\\new1")));

    // The failing level right below an existing one: nothing to remove.
    fs::create_directories(HostC("a\\b"));
    EXPECT_FALSE(CreateFolderChain((std::string("C:\\a\\b\\") + SZ_UNMAPPABLE + "\\").c_str()));
    EXPECT_TRUE(fs::is_directory(HostC("a\\b")));
}

TEST_F(FolderChain, RefusesWhatHasNoRootOrDoesNotFit) {
    EXPECT_FALSE(CreateFolderChain(""));
    EXPECT_FALSE(CreateFolderChain("C:\\")); // nothing after the root
    EXPECT_FALSE(CreateFolderChain("sub\\dir\\"));
    EXPECT_FALSE(CreateFolderChain("Q:\\x\\"));
    // 261 bytes do not fit; at 260 the runtime's splitter cuts the folder part, which
    // would name another folder.
    const std::string strName(200, 'a');
    const std::string str260 = "C:\\" + strName + "\\" + std::string(55, 'b') + "\\";
    ASSERT_EQ(str260.size(), 260u);
    EXPECT_FALSE(CreateFolderChain(str260.c_str()));
    EXPECT_FALSE(CreateFolderChain((str260 + "c\\").c_str()));
    char szPath[PATH_BUF] = {};
    std::strcpy(szPath, str260.c_str());
    EXPECT_FALSE(GetFolderPart(szPath));
    EXPECT_EQ(szPath, str260);
    EXPECT_FALSE(fs::exists(HostC(strName)));
}

TEST_F(FolderChain, RemovalStopsAtTheLastExistingLevel) {
    fs::create_directories(HostC("p\\q\\r"));
    // Levels below the base go, the base and its parents stay.
    EXPECT_TRUE(RemoveCreatedFolders("C:\\p\\q\\r\\s\\", "C:\\p\\"));
    EXPECT_TRUE(fs::is_directory(HostC("p")));
    EXPECT_FALSE(fs::exists(HostC("p\\q")));

    // A failed level without its separator: its folder part is what was made.
    fs::create_directories(HostC("p\\q"));
    EXPECT_TRUE(RemoveCreatedFolders("C:\\p\\q\\r", "C:\\p\\q\\"));
    EXPECT_TRUE(fs::is_directory(HostC("p\\q")));

    // Root and beginning compare without regard to case.
    EXPECT_TRUE(RemoveCreatedFolders("C:\\p\\q\\x\\", "c:\\P\\"));
    EXPECT_FALSE(fs::exists(HostC("p\\q")));
    EXPECT_TRUE(fs::is_directory(HostC("p")));
}

TEST_F(FolderChain, RemovalRefusesUnrelatedBases) {
    fs::create_directories(HostC("p\\q"));
    fs::create_directories(HostC("z"));
    EXPECT_FALSE(RemoveCreatedFolders("C:\\p\\q\\x\\", "C:\\z\\"));
    EXPECT_FALSE(RemoveCreatedFolders("C:\\p\\q\\x\\", "D:\\"));
    EXPECT_FALSE(RemoveCreatedFolders("C:\\p\\q\\x\\", "C:\\p\\q\\x\\y\\"));
    EXPECT_FALSE(RemoveCreatedFolders("C:\\p\\q\\x\\", nullptr));
    EXPECT_TRUE(fs::is_directory(HostC("p\\q")));
    EXPECT_TRUE(fs::is_directory(HostC("z")));
}

} // namespace
