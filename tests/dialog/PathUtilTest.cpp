// The path helpers and the checks that refuse a typed path.
#include "dialog/PathUtil.h"
#include "tests/dialog/DialogTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace gk_dialog_test;

namespace {

// ポ is 0x83 0x7C (trail '|'), 表 is 0x95 0x5C (trail '\').
struct StCHARCASE {
    const char* szPath;
    BOOL bValid;
};

TEST(PathChars, RefusesWhatWindowsCannotTake) {
    const StCHARCASE aCases[] = {
        {"C:\\out\\data.csv", TRUE},
        {"data.csv", TRUE},
        {"C:\\ポ\\表\\x.csv", TRUE}, // trail bytes are no '|' and no separator
        {"C:\\表\\\\x.csv", FALSE},  // the real separator after 表 doubled
        {"C:\\out\\*.csv", FALSE},
        {"C:\\out\\d?.csv", FALSE},
        {"C:\\out\\a:b.csv", FALSE},
        {"C:\\out\\\\data.csv", FALSE},
        {"C:\\out\\a,b.csv", FALSE},
        {"C:\\out\\a;b.csv", FALSE},
        {"C:\\out\\a\"b.csv", FALSE},
        {"C:\\out\\a<b.csv", FALSE},
        {"C:\\out\\a>b.csv", FALSE},
        {"C:\\out\\a|b.csv", FALSE},
        {"C:\\out/data.csv", FALSE},
        {"\\\\server\\share\\data.csv", TRUE},
        {"\\\\server\\share\\\\data.csv", FALSE},
        {"\\\\server\\share\\a*b.csv", FALSE},
        {"\\\\server\\share\\a:b.csv", FALSE},
    };
    for (const StCHARCASE& c : aCases)
        EXPECT_EQ(IsValidPathChars(c.szPath), c.bValid) << ToUtf8(c.szPath);
}

TEST(PathDrive, AcceptsOnlyUsableDrivesAndShares) {
    Base();
    const StCHARCASE aCases[] = {
        {"C:\\data.csv", TRUE},
        {"c:\\data.csv", TRUE},
        {"data.csv", TRUE},      // D: judged by the first letter
        {"N:\\data.csv", TRUE},  // a type the system does not know is accepted
        {"Q:\\data.csv", FALSE}, // no volume
        {"R:\\data.csv", FALSE}, // CD-ROM, even when writable
        {"M:\\data.csv", FALSE}, // RAM disk
        {"U:\\data.csv", FALSE}, // unknown
        {"E:\\data.csv", FALSE}, // removable, root not accessible
        {"表.csv", FALSE},       // a lead byte is no drive letter
        {"1:\\data.csv", FALSE},
        {"C:\\out\\\\data.csv", FALSE},
        {"\\\\server\\share\\data.csv", TRUE},
        {"\\\\server\\gone\\data.csv", FALSE},
        {"\\\\server\\share", FALSE}, // no separator after the share
        {"\\\\server", FALSE},
        {"", FALSE},
    };
    for (const StCHARCASE& c : aCases)
        EXPECT_EQ(IsValidDrive(c.szPath), c.bValid) << ToUtf8(c.szPath);
}

TEST(PathSplit, FolderAndFileNameAtTheLastRealSeparator) {
    struct StCASE {
        const char* szPath;
        const char* szFolder;
        const char* szName;
    } aCases[] = {
        {"C:\\out\\a.csv", "C:\\out\\", "a.csv"},
        {"a.csv", "", "a.csv"},
        {"D:out.csv", "", "D:out.csv"},
        {"C:\\out\\", "C:\\out\\", ""},
        {"C:\\表", "C:\\", "表"},
        {"C:\\表\\x", "C:\\表\\", "x"},
        {"", "", ""},
    };
    for (const StCASE& c : aCases) {
        EXPECT_EQ(SplitFolder(c.szPath), c.szFolder) << ToUtf8(c.szPath);
        EXPECT_EQ(SplitFileName(c.szPath), c.szName) << ToUtf8(c.szPath);
    }
}

TEST(PathDbcs, PositionsInsideDoubleByteCharacters) {
    const char* sz = "a表b"; // a 95 5C b
    const BOOL abExpected[] = {FALSE, TRUE, TRUE, FALSE, FALSE};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(IsInDbcsChar(sz, i), abExpected[i]) << i;
    EXPECT_FALSE(IsInDbcsChar("\x81", 0)); // a lead byte without trail stands alone
    EXPECT_FALSE(IsInDbcsChar("\x81"
                              "0",
                              0)); // '0' is no trail byte
}

TEST(PathBackslash, AppendsWithinTheBufferOnly) {
    struct StCASE {
        const char* szPath;
        std::size_t nSize;
        BOOL bResult;
        const char* szAfter;
    } aCases[] = {
        {"C:\\out", 261, TRUE, "C:\\out\\"},
        {"C:\\out\\", 261, TRUE, "C:\\out\\"},
        {"C:\\表", 261, TRUE, "C:\\表\\"}, // the trail 0x5C is no separator
        {"", 261, FALSE, ""},
        {"C:\\abc", 8, TRUE, "C:\\abc\\"},
        {"C:\\abcd", 8, FALSE, "C:\\abcd"},
        {"C:\\ab表", 8, FALSE, "C:\\ab表"}, // no byte written past the buffer
        {"C:\\abc\\", 8, TRUE, "C:\\abc\\"},
    };
    for (const StCASE& c : aCases) {
        std::vector<char> vecBuf(c.nSize, '\0');
        std::strncpy(vecBuf.data(), c.szPath, c.nSize - 1);
        EXPECT_EQ(AddBackslash(vecBuf.data(), vecBuf.size()), c.bResult) << ToUtf8(c.szPath);
        EXPECT_STREQ(vecBuf.data(), c.szAfter);
    }
    EXPECT_FALSE(AddBackslash(nullptr, 261));

    std::string strLong(259, 'a');
    std::vector<char> vecBuf(strLong.begin(), strLong.end());
    vecBuf.resize(PATH_BUF, '\0');
    EXPECT_TRUE(AddBackslash(vecBuf.data(), PATH_BUF));
    EXPECT_EQ(std::strlen(vecBuf.data()), 260u);
    EXPECT_FALSE(AddBackslash((strLong + "a").data(), PATH_BUF)); // 260 bytes: no room
}

TEST(PathFolderPart, DriveAndFolderWithSeparator) {
    struct StCASE {
        const char* szPath;
        BOOL bResult;
        const char* szAfter;
    } aCases[] = {
        {"C:\\out\\a.csv", TRUE, "C:\\out\\"},
        {"C:\\out", TRUE, "C:\\"},
        {"C:out.csv", TRUE, "C:\\"},
        {"C:\\", TRUE, "C:\\"},
        {"C:\\表\\a", TRUE, "C:\\表\\"},
        {"C:\\表", TRUE, "C:\\"},
        {"\\\\server\\share\\x.csv", TRUE, "\\\\server\\share\\"},
        {"a.csv", FALSE, "a.csv"},
        {"", FALSE, ""},
    };
    for (const StCASE& c : aCases) {
        char szBuf[PATH_BUF] = {};
        std::strcpy(szBuf, c.szPath);
        EXPECT_EQ(GetFolderPart(szBuf), c.bResult) << ToUtf8(c.szPath);
        EXPECT_STREQ(szBuf, c.szAfter);
    }
}

TEST(PathIsFolder, TestsTheFolderPart) {
    ResetDriveC();
    fs::create_directories(HostC("have\\表"));
    WriteHost(HostC("have\\file.csv"), "x");
    EXPECT_TRUE(IsFolder("C:\\have\\"));
    EXPECT_TRUE(IsFolder("C:\\have\\nofile.csv")); // its folder exists
    EXPECT_TRUE(IsFolder("C:\\have\\表\\"));
    EXPECT_TRUE(IsFolder("C:\\"));
    EXPECT_FALSE(IsFolder("C:\\missing\\"));
    EXPECT_FALSE(IsFolder("C:\\have\\file.csv\\"));
    EXPECT_FALSE(IsFolder("Q:\\"));
    EXPECT_FALSE(IsFolder(""));
}

} // namespace
