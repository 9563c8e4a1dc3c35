// The remembered output path in the settings file.
#include "tests/dialog/DialogTestSupport.h"

#include <gtest/gtest.h>

using namespace gk_dialog_test;

namespace {

class OutputPath : public testing::Test {
protected:
    void SetUp() override {
        ResetDriveC();
        SetAppFolders("", "C:\\set\\");
        PrepareDialog(m_dlg);
    }
    static fs::path File() { return HostC("set\\Dovrane.env"); }
    std::string Load(BOOL bExpected) {
        char szPath[PATH_BUF_TEST] = {};
        EXPECT_EQ(m_dlg.LoadOutputPath(szPath), bExpected);
        return szPath;
    }

    static constexpr std::size_t PATH_BUF_TEST = 261;
    ClExportDlg m_dlg;
};

TEST_F(OutputPath, SaveReplacesTheKeysLineAndMovesItToTheEnd) {
    struct StCASE {
        const char* szName;
        const char* szBefore; // null: no file
        const char* szAfter;
    } aCases[] = {
        {"first save", nullptr, "ADMIN/1/3:C:\\out\\新.csv\n"},
        {"line in the middle", "A/1/1:x\nADMIN/1/3:C:\\old.csv\nB/2/2:y\n",
         "A/1/1:x\nB/2/2:y\nADMIN/1/3:C:\\out\\新.csv\n"},
        {"new key", "A/1/1:x\nB/2/2:y\n", "A/1/1:x\nB/2/2:y\nADMIN/1/3:C:\\out\\新.csv\n"},
        {"other user with the same numbers", "SUBADMIN/1/3:C:\\s.csv\n",
         "SUBADMIN/1/3:C:\\s.csv\nADMIN/1/3:C:\\out\\新.csv\n"},
        {"other numbers", "ADMIN/1/33:C:\\s.csv\nADMIN/11/3:t\n",
         "ADMIN/1/33:C:\\s.csv\nADMIN/11/3:t\nADMIN/1/3:C:\\out\\新.csv\n"},
        {"last line without line feed", "A/1/1:x", "A/1/1:x\nADMIN/1/3:C:\\out\\新.csv\n"},
        {"the key twice", "ADMIN/1/3:a\nB/2/2:y\nADMIN/1/3:b\n",
         "B/2/2:y\nADMIN/1/3:C:\\out\\新.csv\n"},
        {"empty file", "", "ADMIN/1/3:C:\\out\\新.csv\n"},
    };
    for (const StCASE& c : aCases) {
        fs::remove(File());
        if (c.szBefore)
            WriteHost(File(), c.szBefore);
        EXPECT_TRUE(m_dlg.SaveOutputPath("C:\\out\\新.csv")) << c.szName;
        EXPECT_EQ(ReadHost(File()), c.szAfter) << c.szName;
        EXPECT_EQ(Load(TRUE), "C:\\out\\新.csv") << c.szName;
    }
    EXPECT_FALSE(fs::exists(HostC("set\\Dovrane.env.tmp")));
}

TEST_F(OutputPath, LoadTakesTheFirstLineOfTheKey) {
    struct StCASE {
        const char* szFile;
        BOOL bFound;
        const char* szPath;
    } aCases[] = {
        {"SUBADMIN/1/3:C:\\s.csv\nADMIN/1/3:C:\\a.csv\nADMIN/1/3:C:\\b.csv\n", TRUE, "C:\\a.csv"},
        {"ADMIN/1/3:\n", TRUE, ""},
        {"X/1/1:y\nADMIN/1/3:D:out.csv", TRUE, "D:out.csv"},
        {"SUBADMIN/1/3:C:\\s.csv\n", FALSE, ""},
        {"ADMIN/1/3", FALSE, ""},
        {"", FALSE, ""},
    };
    for (const StCASE& c : aCases) {
        WriteHost(File(), c.szFile);
        EXPECT_EQ(Load(c.bFound), c.szPath) << c.szFile;
    }
    fs::remove(File());
    EXPECT_EQ(Load(FALSE), "");
}

TEST_F(OutputPath, MissingSettingsFolderIsCreatedLevelByLevel) {
    SetAppFolders("", "C:\\set\\a\\表\\");
    EXPECT_TRUE(m_dlg.SaveOutputPath("C:\\x.csv"));
    EXPECT_EQ(ReadHost(HostC("set\\a\\表\\Dovrane.env")), "ADMIN/1/3:C:\\x.csv\n");

    SetAppFolders("", "");
    EXPECT_FALSE(m_dlg.SaveOutputPath("C:\\x.csv"));
    SetAppFolders("", "Q:\\set\\");
    EXPECT_FALSE(m_dlg.SaveOutputPath("C:\\x.csv"));
}

// A failed write leaves the old file as it was: the new content goes to a temporary file
// that replaces the settings file only when it is complete.
TEST_F(OutputPath, FailedSaveKeepsTheOldFile) {
    const std::string strOld = "A/1/1:x\nADMIN/1/3:C:\\old.csv\n";
    WriteHost(File(), strOld);
    fs::create_directories(HostC("set\\Dovrane.env.tmp")); // the temporary file cannot open
    EXPECT_FALSE(m_dlg.SaveOutputPath("C:\\new.csv"));
    EXPECT_EQ(ReadHost(File()), strOld);
    EXPECT_EQ(Load(TRUE), "C:\\old.csv");
}

TEST_F(OutputPath, LargeFilesKeepEveryLine) {
    std::string strBefore;
    for (int i = 0; i < 3000; ++i) {
        strBefore += "U" + std::to_string(i) + "/1/3:C:\\out\\file.csv\n";
        if (i == 1500)
            strBefore += "ADMIN/1/3:C:\\old.csv\n";
    }
    ASSERT_GT(strBefore.size(), 65536u);
    WriteHost(File(), strBefore);
    EXPECT_EQ(Load(TRUE), "C:\\old.csv");
    EXPECT_TRUE(m_dlg.SaveOutputPath("C:\\new.csv"));
    // U1500's line stays; only ADMIN's moves.
    std::string strExpected;
    for (int i = 0; i < 3000; ++i)
        strExpected += "U" + std::to_string(i) + "/1/3:C:\\out\\file.csv\n";
    EXPECT_EQ(ReadHost(File()), strExpected + "ADMIN/1/3:C:\\new.csv\n");
}

// Keys of more than 50 characters and paths of more than 260 bytes do not fit their
// buffers: they are never stored, looked up or offered.
TEST_F(OutputPath, WhatDoesNotFitIsNeitherStoredNorOffered) {
    const std::string strUser45(45, 'u'); // "…/1/3:" makes 50
    const std::string strPath260 = "C:\\" + std::string(257, 'p');
    WriteHost(File(), strUser45 + "/1/3:" + strPath260 + "\n" + strUser45 + "u/1/3:C:\\x.csv\n" +
                          "ADMIN/1/3:C:\\" + std::string(258, 'p') + "\n");
    EXPECT_EQ(Load(FALSE), ""); // ADMIN's path has 261 bytes

    ClExportDlg dlg45, dlg46;
    PrepareDialog(dlg45, strUser45.c_str());
    PrepareDialog(dlg46, (strUser45 + "u").c_str());
    char szPath[261] = {};
    EXPECT_TRUE(dlg45.LoadOutputPath(szPath));
    EXPECT_EQ(std::string(szPath), strPath260);
    char szNone[261] = {};
    EXPECT_FALSE(dlg46.LoadOutputPath(szNone));

    const std::string strBefore = ReadHost(File());
    EXPECT_FALSE(dlg46.SaveOutputPath("C:\\x.csv"));
    EXPECT_FALSE(m_dlg.SaveOutputPath(("C:\\" + std::string(258, 'p')).c_str()));
    EXPECT_FALSE(m_dlg.SaveOutputPath("C:\\a\nB/2/2:forged"));
    EXPECT_EQ(ReadHost(File()), strBefore);
}

TEST_F(OutputPath, SettingsFolderAtTheLimitIsRefusedWithoutOverrun) {
    const std::string strFolder = "C:\\" + std::string(250, 's') + "\\";
    fs::create_directories(HostC(strFolder.substr(3)));
    SetAppFolders("", strFolder); // with "Dovrane.env" the file path has 265 bytes
    EXPECT_FALSE(m_dlg.SaveOutputPath("C:\\x.csv"));
    EXPECT_EQ(Load(FALSE), "");
    EXPECT_TRUE(fs::is_empty(HostC(strFolder.substr(3))));
}

} // namespace
