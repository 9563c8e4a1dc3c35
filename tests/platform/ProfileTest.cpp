#include "platform/Profile.h"

#include "tests/platform/PlatformTestDrive.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace gk_platform_test;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path t = FreshDir("t");
        fs::create_directory(t / "WINDOWS");
        UseMap("[drives]\nT = fixed " + t.string() + "\n[system]\nwindows = T:\\WINDOWS\n");
        std::ofstream(t / "Def.ini", std::ios::binary)
            << "; settings\r\n"
               "[Other]\r\n"
               "GK13=9\r\n"
               "[ProgramLevel]\r\n"
               "Empty=\r\n"
               "Blank= 1\r\n"
               "Suffix=1x\r\n"
               "  Spaced  =  a b  \r\n"
               "Quoted=\"  q  \"\r\n"
               "Single='s'\r\n"
               "HalfQuote=\"h\r\n"
               "Long=12345678901234567890\r\n"
               "Double=\x95\x5C\x8E\xA6\r\n"
               "NoEquals\r\n"
               "dup=first\r\n"
               "Dup=second\r\n"
               "[programlevel]\n"
               "Later=found in a second section of the same name\n"
               "[\x83\x5D]\n"
               "Key=bracket\n";
        std::ofstream(t / "WINDOWS" / "Win.ini") << "[S]\nK=in the Windows folder\n";
    }
};

TEST_F(ProfileTest, ValuesAsWindowsReadsThem) {
    struct {
        const char *szSection, *szKey, *szDefault;
        DWORD nSize;
        const char* szResult;
    } const aCase[] = {
        {"ProgramLevel", "GK13", "1", 16, "1"}, // the key lies in another section only
        {"ProgramLevel", "Empty", "1", 16, ""},
        {"ProgramLevel", "Blank", "1", 16, "1"},
        {"ProgramLevel", "Suffix", "0", 16, "1x"},
        {"PROGRAMLEVEL", "SPACED", "", 16, "a b"},
        {"ProgramLevel", "Quoted", "", 16, "  q  "},
        {"ProgramLevel", "Single", "", 16, "s"},
        {"ProgramLevel", "HalfQuote", "", 16, "\"h"},
        {"ProgramLevel", "Long", "", 16, "123456789012345"},
        {"ProgramLevel", "Long", "", 1, ""},
        {"ProgramLevel", "Double", "", 16, "\x95\x5C\x8E\xA6"},
        {"ProgramLevel", "NoEquals", "d", 16, "d"}, // a name without value
        {"ProgramLevel", "Dup", "", 16, "first"},
        {"ProgramLevel", "Later", "", 64, "found in a second section of the same name"},
        {"\x83\x5D", "Key", "", 16, "bracket"}, // ゾ's trail byte is no ']'
        {"Other", "GK13", "1", 16, "9"},
        {"Missing", "GK13", "1", 16, "1"},
        {"ProgramLevel", "Missing", "dflt  ", 16, "dflt"}, // trailing blanks of the default go
        {"ProgramLevel", "Missing", nullptr, 16, ""},
        {"ProgramLevel", "Missing", "12345678901234567890", 16, "123456789012345"},
    };
    for (const auto& t : aCase) {
        char szResult[64];
        std::memset(szResult, 'X', sizeof szResult);
        const DWORD n = GetPrivateProfileString(t.szSection, t.szKey, t.szDefault, szResult,
                                                t.nSize, "T:\\Def.ini");
        EXPECT_STREQ(szResult, t.szResult) << t.szKey;
        EXPECT_EQ(n, std::strlen(t.szResult)) << t.szKey;
    }
}

TEST_F(ProfileTest, MissingFileGivesTheDefault) {
    char szResult[16];
    EXPECT_EQ(GetPrivateProfileString("S", "K", "1", szResult, 16, "T:\\none.ini"), 1u);
    EXPECT_STREQ(szResult, "1");
    EXPECT_EQ(GetPrivateProfileString("S", "K", "2", szResult, 16, "Q:\\Def.ini"), 1u);
    EXPECT_STREQ(szResult, "2");
    EXPECT_EQ(GetPrivateProfileString("S", "K", "3", szResult, 16, "T:\\bad\x95.ini"), 1u);
    EXPECT_STREQ(szResult, "3");
}

TEST_F(ProfileTest, ABareNameIsLookedForInTheWindowsFolder) {
    char szResult[64];
    EXPECT_EQ(GetPrivateProfileString("S", "K", "", szResult, 64, "Win.ini"), 21u);
    EXPECT_STREQ(szResult, "in the Windows folder");
}

TEST_F(ProfileTest, ABufferOfNothingIsLeftAlone) {
    char c = 'X';
    EXPECT_EQ(GetPrivateProfileString("ProgramLevel", "Blank", "", &c, 0, "T:\\Def.ini"), 0u);
    EXPECT_EQ(c, 'X');
    EXPECT_EQ(GetPrivateProfileString("ProgramLevel", "Blank", "", nullptr, 8, "T:\\Def.ini"), 0u);
}

} // namespace
