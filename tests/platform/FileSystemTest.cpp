#include "platform/FileSystem.h"
#include "platform/DriveMap.h"

#include "tests/platform/PlatformTestDrive.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace gk_platform_test;

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_t = FreshDir("t");
        m_share = FreshDir("share");
        UseMap("[drives]\nT = fixed " + m_t.string() + "\nR = cdrom " + FreshDir("r").string() +
               "\n[shares]\n\\\\srv\\pub = " + m_share.string() + "\n");
        std::ofstream(m_t / "file.txt") << "12345";
        std::ofstream(m_t / "\xE8\xA1\xA8.txt") << "ab";
        fs::create_directory(m_t / "dir");
    }
    fs::path m_t, m_share;
};

TEST_F(FileSystemTest, AccessModes) {
    std::ofstream(m_t / "ro.txt") << "r";
    fs::permissions(m_t / "ro.txt", fs::perms::owner_read | fs::perms::group_read);
    const bool bRoot = IgnoresPermissions();
    struct {
        const char* szPath;
        int nMode;
        int nResult;
        bool bNeedsPermissions; // only meaningful when permissions are enforced
    } const aCase[] = {
        {"T:\\file.txt", 0, 0, false},
        {"T:\\file.txt", 2, 0, false},
        {"T:\\file.txt", 4, 0, false},
        {"T:\\file.txt", 6, 0, false},
        {"t:\\FILE.txt", 0, -1, false}, // host names keep their case
        {"T:\\ro.txt", 4, 0, false},
        {"T:\\ro.txt", 2, -1, true},
        {"T:\\ro.txt", 6, -1, true},
        {"T:\\dir", 0, 0, false},
        {"T:\\dir\\", 6, 0, false},
        {"T:\\file.txt\\", 0, -1, false}, // a file is no folder
        {"T:\\", 6, 0, false},
        {"\\\\srv\\pub", 6, 0, false},
        {"\\\\srv\\nopub", 0, -1, false},
        {"T:\\missing.txt", 0, -1, false},
        {"Q:\\", 0, -1, false},
        {"T:\\\x95\x5C.txt", 4, 0, false},
        {"T:\\bad\x95", 0, -1, false},
        {"T:\\file.txt", 1, -1, false}, // not an _access mode
        {"T:\\file.txt", 7, -1, false},
    };
    for (const auto& t : aCase) {
        if (t.bNeedsPermissions && bRoot)
            continue;
        EXPECT_EQ(_access(t.szPath, t.nMode), t.nResult) << t.szPath << " mode " << t.nMode;
    }
    EXPECT_EQ(_access(nullptr, 0), -1);
}

TEST_F(FileSystemTest, FileStatusTellsFilesFromFolders) {
    StFILESTATUS st{-7, 0xEE};
    ASSERT_TRUE(GetFileStatus("T:\\file.txt", st));
    EXPECT_EQ(st.m_size, 5);
    EXPECT_EQ(st.m_attribute & FILE_ATTR_DIRECTORY, 0);
    ASSERT_TRUE(GetFileStatus("T:\\dir", st));
    EXPECT_EQ(st.m_attribute & FILE_ATTR_DIRECTORY, FILE_ATTR_DIRECTORY);
    ASSERT_TRUE(GetFileStatus("T:\\\x95\x5C.txt", st));
    EXPECT_EQ(st.m_size, 2);

    StFILESTATUS untouched{-7, 0xEE};
    EXPECT_FALSE(GetFileStatus("T:\\missing", untouched));
    EXPECT_FALSE(GetFileStatus("Q:\\x", untouched));
    EXPECT_EQ(untouched.m_size, -7);
    EXPECT_EQ(untouched.m_attribute, 0xEE);
}

TEST_F(FileSystemTest, FoldersAreMadeAndRemovedOneLevelAtATime) {
    EXPECT_FALSE(CreateDirectory("T:\\a\\b")); // its parent is missing
    EXPECT_TRUE(CreateDirectory("T:\\a"));
    EXPECT_FALSE(CreateDirectory("T:\\a")); // already there
    EXPECT_TRUE(CreateDirectory("T:\\a\\\x95\x5C\\"));
    EXPECT_TRUE(fs::is_directory(m_t / "a" / "\xE8\xA1\xA8"));
    EXPECT_FALSE(RemoveDirectory("T:\\a")); // not empty
    EXPECT_TRUE(RemoveDirectory("T:\\a\\\x95\x5C"));
    EXPECT_TRUE(RemoveDirectory("T:\\a"));
    EXPECT_FALSE(fs::exists(m_t / "a"));
    EXPECT_FALSE(RemoveDirectory("T:\\file.txt"));
    EXPECT_FALSE(CreateDirectory("Q:\\x"));
}

TEST_F(FileSystemTest, DeleteTakesFilesOnly) {
    EXPECT_FALSE(DeleteFile("T:\\dir"));
    EXPECT_TRUE(fs::is_directory(m_t / "dir"));
    EXPECT_TRUE(DeleteFile("T:\\file.txt"));
    EXPECT_FALSE(fs::exists(m_t / "file.txt"));
    EXPECT_FALSE(DeleteFile("T:\\file.txt"));
    EXPECT_FALSE(DeleteFile(nullptr));
}

TEST_F(FileSystemTest, MoveReplacesAFileButNeverAFolder) {
    std::ofstream(m_t / "new.txt") << "new";
    ASSERT_TRUE(MoveFileReplace("T:\\new.txt", "T:\\file.txt"));
    EXPECT_FALSE(fs::exists(m_t / "new.txt"));
    std::ifstream in(m_t / "file.txt");
    std::string strText;
    in >> strText;
    EXPECT_EQ(strText, "new");

    EXPECT_FALSE(MoveFileReplace("T:\\file.txt", "T:\\dir"));
    EXPECT_TRUE(fs::exists(m_t / "file.txt"));
    EXPECT_FALSE(MoveFileReplace("T:\\missing", "T:\\other"));
    EXPECT_FALSE(MoveFileReplace("T:\\file.txt", "Q:\\other"));
    EXPECT_TRUE(MoveFileReplace("T:\\file.txt", "\\\\srv\\pub\\moved.txt"));
    EXPECT_TRUE(fs::exists(m_share / "moved.txt"));
}

TEST_F(FileSystemTest, DriveTypesComeFromTheProcessMap) {
    EXPECT_EQ(GetDriveType("T:\\"), DRIVE_FIXED);
    EXPECT_EQ(GetDriveType("R:\\"), DRIVE_CDROM);
    EXPECT_EQ(GetDriveType("\\\\srv\\pub\\"), DRIVE_REMOTE);
    EXPECT_EQ(GetDriveType("Q:\\"), DRIVE_NO_ROOT_DIR);
}

} // namespace
