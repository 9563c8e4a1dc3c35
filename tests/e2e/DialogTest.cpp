// The export conditions dialog as the programs show it: texts, initial path, keys,
// the save-as dialog and the checks of the output path.
#include "tests/e2e/Events.h"
#include "tests/e2e/Machine.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {

using Script = std::vector<std::string>;

std::string Repeat(const std::string& str, int nTimes) {
    std::string out;
    for (int i = 0; i < nTimes; ++i)
        out += str;
    return out;
}

// The company row that the dialog shows.
void SetCompany(ClMachine& m, const std::string& strUtf8Assignments) {
    m.Db().Sql("UPDATE company_data SET " + strUtf8Assignments + " WHERE position = 2");
}

TEST(Dialog, ShowsOfficeAndPeriodOfTheSelectedData) {
    const std::string A = U8(u8"あ");
    struct {
        const char* szName;
        std::string strSql; // company_data assignments, or a users update
        std::string strOffice;
        std::string strPeriod;
    } const cases[] = {
        {"FirstMatch", "", OFFICE, PERIOD},
        {"StartZero", "lPeriodStart = 0", OFFICE, U8(u8" 0000/00/00～2025/03/31")},
        // 259 bytes: a double-byte character would straddle the 254th byte, so 253 remain.
        {"LongNameOdd", "szCompanyName = 'x" + Repeat(A, 129) + "'", " x" + Repeat(A, 126), PERIOD},
        {"LongNameEven", "szCompanyName = '" + Repeat(A, 129) + "'", " " + Repeat(A, 127), PERIOD},
        {"NameOf254", "szCompanyName = '" + Repeat(A, 127) + "'", " " + Repeat(A, 127), PERIOD},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ClMachine m;
        if (!c.strSql.empty())
            SetCompany(m, c.strSql);
        EXPECT_EQ(
            m.Run({"click 1006"}).Transcript(),
            Expect({Dialog(DEFAULT_PATH, c.strOffice, c.strPeriod), Cancelled(), End(ID_CANCEL)}));
    }
}

TEST(Dialog, WithoutMatchingDataShowsBlanksAndZeroDates) {
    ClMachine m;
    m.Db().Sql("UPDATE users SET data_no = 9 WHERE user_id = 'ADMIN'");
    EXPECT_EQ(m.Run({"click 1006"}).Transcript(),
              Expect({Dialog(DEFAULT_PATH, " ", U8(u8" 0000/00/00～0000/00/00")), Cancelled(),
                      End(ID_CANCEL)}));
}

TEST(Dialog, OffersTheRememberedPathElseTheDefaultFolderElseTheTemporaryFolder) {
    struct {
        const char* szName;
        std::string strSettings;  // C:\settings\Dovrane.env, empty: none
        std::string strOutFolder; // output_folder
        std::string strTemp;      // the drive map's temporary folder
        std::string strPath;      // UTF-8
    } const cases[] = {
        {"Remembered", "A/1/3:C:\\other.csv\nADMIN/1/3:D:\\prev\\x.csv\nADMIN/1/3:D:\\y.csv\n",
         "C:\\out\\", "C:\\TEMP\\", "D:\\prev\\x.csv"},
        {"RememberedEmpty", "ADMIN/1/3:\n", "C:\\out\\", "C:\\TEMP\\", ""},
        {"OtherUserOnly", "SUBADMIN/1/3:D:\\sub.csv\n", "C:\\out\\", "C:\\TEMP\\", DEFAULT_PATH},
        {"DefaultFolder", "", "D:\\exports\\", "C:\\TEMP\\", "D:\\exports\\*.csv"},
        {"TempWithBackslash", "", "", "C:\\TEMP\\", "C:\\TEMP\\*.csv"},
        {"TempWithoutBackslash", "", "", "C:\\TEMP", "C:\\TEMP\\*.csv"},
        {"TempEndingInTrailByte", "", "", "C:\\\x95\x5C", U8(u8"C:\\表\\*.csv")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ClMachine m;
        if (!c.strSettings.empty())
            m.Write("C:\\settings\\Dovrane.env", c.strSettings);
        m.Db().System("output_folder", c.strOutFolder);
        m.SetSystem("temp", c.strTemp);
        EXPECT_EQ(m.Run({"click 1006"}).Transcript(),
                  Expect({Dialog(c.strPath), Cancelled(), End(ID_CANCEL)}));
    }
}

TEST(Dialog, LongTemporaryFolderIsOfferedWithoutOverrun) {
    for (int nLen : {257, 258, 259, 260, 261, 300}) {
        SCOPED_TRACE(nLen);
        ClMachine m;
        m.Db().System("output_folder", "");
        const std::string strTemp = "C:\\" + std::string(static_cast<std::size_t>(nLen - 3), 't');
        m.SetSystem("temp", strTemp);
        StRUN run = m.Run({"click 1006"});
        EXPECT_EQ(run.nStatus, 0) << run.strStderr;
        ASSERT_FALSE(run.vEvents.empty()) << run.strStderr;
        const StEVENT& dialog = run.vEvents.front();
        ASSERT_EQ(dialog.at("event"), "dialog") << run.Transcript();
        EXPECT_LE(dialog.at("path").size(), 260u);
        // A folder that does not fit the temporary-folder buffer is not offered at all.
        if (nLen < 260)
            EXPECT_EQ(dialog.at("path").substr(0, nLen), strTemp);
        else
            EXPECT_EQ(dialog.at("path"), "*.csv");
    }
}

TEST(Dialog, RefusesPastResultsDataBeforeAnyInput) {
    ClMachine m;
    SetCompany(m, "sDataKind = 99");
    StRUN run = m.Run({});
    EXPECT_EQ(run.nStatus, 0) << run.strStderr;
    EXPECT_EQ(run.Transcript(true), Expect({Refusal(MSG_PAST_DATA), End(ID_CANCEL)}));
    EXPECT_TRUE(m.List("C:\\out").empty());
    EXPECT_FALSE(m.Exists("C:\\settings\\Dovrane.env"));
}

TEST(Dialog, EscCloseBoxAndCancelButtonCancel) {
    for (const Script& script : {Script{"key Esc"}, Script{"close"}, Script{"click 1006"},
                                 Script{"focus 1006", "key Enter"}}) {
        SCOPED_TRACE(script.front());
        ClMachine m;
        m.Write("C:\\settings\\Dovrane.env", "ADMIN/1/3:C:\\out\\old.csv\n");
        EXPECT_EQ(m.Run(script).Transcript(),
                  Expect({Dialog("C:\\out\\old.csv"), Cancelled(), End(ID_CANCEL)}));
        EXPECT_TRUE(m.List("C:\\out").empty());
        EXPECT_EQ(m.Read("C:\\settings\\Dovrane.env"), "ADMIN/1/3:C:\\out\\old.csv\n");
    }
}

TEST(Dialog, F12ExecutesWhereverTheFocusIs) {
    for (int nId : {ID_EDIT, ID_BROWSE, ID_EXECUTE, ID_CANCEL}) {
        SCOPED_TRACE(nId);
        ClMachine m;
        EXPECT_EQ(
            m.Run({"type C:\\out\\a.csv", "focus " + std::to_string(nId), "key F12"}).Transcript(),
            Expect(ExportedToA()));
        EXPECT_TRUE(m.Exists("C:\\out\\a.csv"));
    }
}

TEST(Dialog, F12WithModifiersDoesNothing) {
    for (const char* szKey : {"Shift+F12", "Ctrl+F12", "Alt+F12", "Ctrl+Shift+F12"}) {
        SCOPED_TRACE(szKey);
        ClMachine m;
        EXPECT_EQ(
            m.Run({"type C:\\out\\a.csv", std::string("key ") + szKey, "click 1006"}).Transcript(),
            Expect({Dialog(), Cancelled(), End(ID_CANCEL)}));
        EXPECT_FALSE(m.Exists("C:\\out\\a.csv"));
    }
}

TEST(Dialog, EnterInTheEditMovesToBrowseWhichOpensTheFileDialog) {
    ClMachine m;
    StRUN run = m.Run({"type C:\\out\\a.csv", "key Enter", "key Enter", "cancel", "key Esc"});
    EXPECT_EQ(run.Transcript(true),
              Expect({Dialog(), Focus(ID_BROWSE), SaveAs("C:\\out\\", "a.csv", "null"),
                      Focus(ID_EXECUTE), Cancelled(), End(ID_CANCEL)}));
}

TEST(Dialog, EnterOnExecuteExecutes) {
    ClMachine m;
    EXPECT_EQ(m.Run({"type C:\\out\\a.csv", "focus 1005", "key Enter"}).Transcript(),
              Expect(ExportedToA()));
}

TEST(Dialog, EnterWithModifiersNeverEndsWithAnUncheckedPath) {
    for (const char* szKey : {"Shift+Enter", "Ctrl+Enter", "Alt+Enter"}) {
        SCOPED_TRACE(szKey);
        ClMachine m;
        // The offered C:\out\*.csv holds a character that the checks refuse.
        StRUN run = m.Run({std::string("key ") + szKey, "key Esc"});
        for (const StEVENT& event : run.vEvents)
            EXPECT_FALSE(event.at("event") == "end" && event.at("result") != "1006")
                << run.Transcript();
        EXPECT_TRUE(m.List("C:\\out").empty());
    }
}

TEST(Dialog, BrowseOpensTheSaveAsDialogInTheTypedFolder) {
    struct {
        std::string strTyped;
        std::string strDir;
        std::string strName;
    } const cases[] = {
        {"C:\\out\\a.csv", "C:\\out\\", "a.csv"},
        {"D:out.csv", "D:", "out.csv"},
        {"out.csv", "", "out.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strTyped);
        ClMachine m;
        StRUN run = m.Run({"type " + c.strTyped, "click 1008", "save D:\\x.csv", "click 1005"});
        EXPECT_EQ(run.Transcript(),
                  Expect({Dialog(), SaveAs(c.strDir, c.strName, "D:\\x.csv"), End(ID_EXECUTE),
                          Info(MsgDone("D:\\x.csv", "D:\\syurui.SSC"))}));
        EXPECT_TRUE(m.Exists("D:\\x.csv"));
    }
}

TEST(Dialog, RefusedPathsKeepTheDialogOpenWithTheFocusOnTheEdit) {
    struct {
        std::string strTyped; // UTF-8
        const std::string* pMessage;
    } const cases[] = {
        {"", &MSG_NO_PATH},
        {"C:\\out\\*.csv", &MSG_BAD_CHAR},
        {"C:\\out\\a?.csv", &MSG_BAD_CHAR},
        {"C:\\out\\a:b.csv", &MSG_BAD_CHAR},
        {"C:\\out\\a|b.csv", &MSG_BAD_CHAR},
        {"C:\\out\\\\a.csv", &MSG_BAD_CHAR},
        {"Q:\\a.csv", &MSG_BAD_DRIVE},
        {"X:\\a.csv", &MSG_BAD_DRIVE},
        {"\\\\server\\share\\a.csv", &MSG_BAD_DRIVE},
        {"\\\\server", &MSG_BAD_DRIVE},
        {U8(u8"表.csv"), &MSG_BAD_DRIVE},
        {"xdata.csv", &MSG_BAD_DRIVE},
        {"C:\\out\\", &MSG_NO_FILE_NAME},
        {"C:\\out", &MSG_NO_FILE_NAME},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strTyped);
        ClMachine m;
        StRUN run = m.Run({"type " + c.strTyped, "focus 1005", "key Enter", "key Esc"});
        EXPECT_EQ(run.Transcript(true), Expect({Dialog(), Focus(ID_EXECUTE), Refusal(*c.pMessage),
                                                Focus(ID_EDIT), Cancelled(), End(ID_CANCEL)}));
        EXPECT_EQ(m.List("C:\\out"), std::vector<std::string>{});
    }
}

TEST(Dialog, MissingFolderIsCreatedOnYes) {
    ClMachine m;
    StRUN run = m.Run({"type C:\\new\\sub\\a.csv", "click 1005", "answer yes"});
    EXPECT_EQ(run.Transcript(),
              Expect({Dialog(), Question(MSG_CREATE_FOLDER, "yes"), End(ID_EXECUTE),
                      Info(MsgDone("C:\\new\\sub\\a.csv", "C:\\new\\sub\\syurui.SSC"))}));
    EXPECT_EQ(m.List("C:\\new\\sub"), (std::vector<std::string>{"a.csv", "syurui.SSC"}));
}

TEST(Dialog, MissingFolderIsLeftAloneOnNo) {
    ClMachine m;
    StRUN run = m.Run({"type C:\\new\\sub\\a.csv", "click 1005", "answer no", "key Esc"});
    EXPECT_EQ(run.Transcript(true),
              Expect({Dialog(), Focus(ID_EXECUTE), Question(MSG_CREATE_FOLDER, "no"),
                      Focus(ID_EDIT), Cancelled(), End(ID_CANCEL)}));
    EXPECT_FALSE(m.Exists("C:\\new"));
}

TEST(Dialog, FailedFolderLevelRemovesOnlyWhatWasCreated) {
    // A component of 100 double-byte characters is too long a host name (300 UTF-8 bytes).
    const std::string strLong = Repeat(U8(u8"あ"), 100);
    struct {
        const char* szBase; // the folder the chain starts in
        bool bBaseExisted;
    } const cases[] = {{"C:\\x", false}, {"C:\\out", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szBase);
        ClMachine m;
        StRUN run = m.Run({std::string("type ") + c.szBase + "\\" + strLong + "\\a.csv",
                           "click 1005", "answer yes", "key Esc"});
        EXPECT_EQ(
            run.Transcript(true),
            Expect({Dialog(), Focus(ID_EXECUTE), Question(MSG_CREATE_FOLDER, "yes"),
                    Refusal(MSG_CREATE_FAILED), Focus(ID_EDIT), Cancelled(), End(ID_CANCEL)}));
        EXPECT_EQ(m.Exists(c.szBase), c.bBaseExisted);
    }
}

TEST(Dialog, ExistingFileIsReplacedOnlyOnYes) {
    {
        ClMachine m;
        m.Write("C:\\out\\a.csv", "old");
        StRUN run = m.Run({"type C:\\out\\a.csv", "click 1005", "answer yes"});
        EXPECT_EQ(run.Transcript(),
                  Expect({Dialog(), Question(MSG_OVERWRITE, "yes"), End(ID_EXECUTE),
                          Info(MsgDone("C:\\out\\a.csv", "C:\\out\\syurui.SSC"))}));
        EXPECT_NE(m.Read("C:\\out\\a.csv"), "old");
    }
    {
        ClMachine m;
        m.Write("C:\\out\\a.csv", "old");
        StRUN run = m.Run({"type C:\\out\\a.csv", "click 1005", "answer no", "key Esc"});
        EXPECT_EQ(run.Transcript(true),
                  Expect({Dialog(), Focus(ID_EXECUTE), Question(MSG_OVERWRITE, "no"),
                          Focus(ID_EDIT), Cancelled(), End(ID_CANCEL)}));
        EXPECT_EQ(m.Read("C:\\out\\a.csv"), "old");
    }
}

TEST(Dialog, RelativeNameIsWrittenIntoTheProgramFolder) {
    // Its first letter is taken for a drive letter: D: is a fixed drive here.
    ClMachine m;
    StRUN run = m.Run({"type data.csv", "click 1005"});
    EXPECT_EQ(run.Transcript(),
              Expect({Dialog(), End(ID_EXECUTE), Info(MsgDone("data.csv", "syurui.SSC"))}));
    EXPECT_EQ(m.List(m.ProgramFolder()),
              (std::vector<std::string>{"Dovrane", "WendmoorDef.ini", "data.csv", "syurui.SSC"}));
    EXPECT_EQ(m.Read("C:\\settings\\Dovrane.env"), "ADMIN/1/3:data.csv\n");
}

} // namespace
