// The viewer's document: a Shift_JIS file found through the drive map and decoded for
// the screen.
#include "platform/viewer/ViewerDoc.h"
#include "platform/DriveMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

std::string U8(const char8_t* sz) {
    return reinterpret_cast<const char*>(sz);
}

class ViewerDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root =
            fs::temp_directory_path() / ("gk-viewer-" + std::to_string(std::random_device()()));
        fs::create_directories(m_root / U8(u8"ログ"));
        std::string strError;
        ASSERT_TRUE(m_map.Parse("[drives]\nC = fixed " + m_root.string() + "\n", "test", strError))
            << strError;
    }
    void TearDown() override { fs::remove_all(m_root); }

    void _Write(const std::string& strRel, const std::string& strBytes) {
        std::ofstream(m_root / strRel, std::ios::binary) << strBytes;
    }

    fs::path m_root;
    ClDriveMap m_map;
    StVIEWDOC m_doc;
    std::string m_strError;
};

// CR LF and lone CR end lines; what does not decode shows as U+FFFD, a NUL too; control
// characters stay for the faces to show safely.
TEST_F(ViewerDocTest, DecodesShiftJisLinesAndMarksWhatDoesNotDecode) {
    struct StCASE {
        const char* szBytes;
        std::string strText;
    };
    const StCASE aCases[] = {
        {"\x81\x83"
         "ERROR\x81\x84\r\n\x8e\x91\x8eY\r\n",
         U8(u8"＜ERROR＞\n資産\n")},
        {"a\rb\r\r\nc", "a\nb\n\nc"},
        {"\xff x\x81", U8(u8"\uFFFD x\uFFFD")},
        {"\x95\x5c\\", U8(u8"表\\")}, // a trail byte 0x5C stays inside its character
        {"tab\tesc\x1b[0m", "tab\tesc\x1b[0m"},
        {"", ""},
    };
    for (const StCASE& rCase : aCases) {
        _Write(U8(u8"ログ/e.txt"), rCase.szBytes);
        ASSERT_TRUE(LoadViewDoc(m_map, U8(u8"C:\\ログ\\e.txt"), m_doc, m_strError)) << m_strError;
        EXPECT_EQ(m_doc.strText, rCase.strText) << rCase.szBytes;
        EXPECT_EQ(m_doc.strName, "e.txt");
    }
    _Write("nul.txt", std::string("a\0b", 3));
    ASSERT_TRUE(LoadViewDoc(m_map, "C:\\nul.txt", m_doc, m_strError));
    EXPECT_EQ(m_doc.strText, U8(u8"a\uFFFDb"));
}

TEST_F(ViewerDocTest, ReportsFilesItCannotShow) {
    struct StCASE {
        std::string strPath;
        std::string strError;
    };
    const StCASE aCases[] = {
        {"C:\\missing.txt", U8(u8"C:\\missing.txt\nファイルが見つかりません。")},
        {"Q:\\unmapped.txt", U8(u8"Q:\\unmapped.txt\nファイルが見つかりません。")},
        {"C:\\\xf0\x9f\x98\x80.txt",
         U8(u8"C:\\😀.txt\nファイルが見つかりません。")}, // no CP932 form
        {"", U8(u8"\nファイルが見つかりません。")},
        {U8(u8"C:\\ログ"), U8(u8"C:\\ログ\nファイルを開けません。")}, // a folder
    };
    for (const StCASE& rCase : aCases) {
        m_strError.clear();
        EXPECT_FALSE(LoadViewDoc(m_map, rCase.strPath, m_doc, m_strError)) << rCase.strPath;
        EXPECT_EQ(m_strError, rCase.strError);
        EXPECT_EQ(m_doc.strText, "");
    }
}

} // namespace
