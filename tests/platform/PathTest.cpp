#include "platform/Path.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(SplitPath, PartsOfPathsWithDoubleByteNames) {
    struct {
        const char* szPath;
        const char *szDrive, *szDir, *szFname, *szExt;
    } const aCase[] = {
        {"C:\\out\\data.csv", "C:", "\\out\\", "data", ".csv"},
        {"C:\\\x95\x5C\\data.csv", "C:", "\\\x95\x5C\\", "data", ".csv"},
        {"C:\\\x95\x5C", "C:", "\\", "\x95\x5C", ""}, // 表 ends the name, no separator
        {"C:\\a\\\x95\x5C\x95\x5C", "C:", "\\a\\", "\x95\x5C\x95\x5C", ""},
        {"C:\\\x95\x5C.d\\x", "C:", "\\\x95\x5C.d\\", "x", ""},
        {"C:\\dir\\", "C:", "\\dir\\", "", ""},
        {"C:name.txt", "C:", "", "name", ".txt"},
        {"data.csv", "", "", "data", ".csv"},
        {"a.b.c", "", "", "a.b", ".c"},
        {".csv", "", "", "", ".csv"},
        {"\\\\srv\\pub\\f.txt", "", "\\\\srv\\pub\\", "f", ".txt"},
        {"C:/x/y.z", "C:", "/x/", "y", ".z"},
        {"", "", "", "", ""},
    };
    for (const auto& t : aCase) {
        char szDrive[_MAX_DRIVE], szDir[_MAX_DIR], szFname[_MAX_FNAME], szExt[_MAX_EXT];
        _splitpath(t.szPath, szDrive, szDir, szFname, szExt);
        EXPECT_STREQ(szDrive, t.szDrive) << t.szPath;
        EXPECT_STREQ(szDir, t.szDir) << t.szPath;
        EXPECT_STREQ(szFname, t.szFname) << t.szPath;
        EXPECT_STREQ(szExt, t.szExt) << t.szPath;
    }
}

TEST(SplitPath, NullOutputsAreSkippedAndLongPartsCut) {
    char szDir[_MAX_DIR];
    _splitpath("C:\\a\\b.c", nullptr, szDir, nullptr, nullptr);
    EXPECT_STREQ(szDir, "\\a\\");

    const std::string strLong = "C:\\" + std::string(400, 'd') + "\\" + std::string(300, 'f');
    char szFname[_MAX_FNAME];
    _splitpath(strLong.c_str(), nullptr, szDir, szFname, nullptr);
    EXPECT_EQ(std::string(szDir), "\\" + std::string(254, 'd'));
    EXPECT_EQ(std::string(szFname), std::string(255, 'f'));
}

TEST(PathRoot, DrivesAndShares) {
    struct {
        const char* szPath;
        const char* szRoot; // null: no root
    } const aCase[] = {
        {"C:\\out\\x.csv", "C:\\"},
        {"d:\\", "d:\\"},
        {"\\\\srv\\pub\\dir\\f", "\\\\srv\\pub\\"},
        {"\\\\srv\\pub", "\\\\srv\\pub\\"},
        {"\\\\srv\\\x95\x5C\\f", "\\\\srv\\\x95\x5C\\"},
        {"\\\\srv", nullptr},
        {"\\\\srv\\", nullptr},
        {"C:", nullptr},
        {"C:out", nullptr},
        {"out\\x", nullptr},
        {"\\out", nullptr},
        {"\x82\xA0:\\", nullptr},
        {"", nullptr},
    };
    for (const auto& t : aCase) {
        char szRoot[MAX_PATH + 1] = "stale";
        const BOOL bOk = PathGetRoot(t.szPath, szRoot);
        EXPECT_EQ(bOk, t.szRoot != nullptr) << t.szPath;
        if (bOk && t.szRoot) {
            EXPECT_STREQ(szRoot, t.szRoot) << t.szPath;
        }
    }
    const std::string strLong = "\\\\" + std::string(300, 's') + "\\pub\\x";
    char szRoot[MAX_PATH + 1];
    EXPECT_FALSE(PathGetRoot(strLong.c_str(), szRoot));
}

} // namespace
