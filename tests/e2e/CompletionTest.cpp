// After the export: the completion report, the error-log viewer, the remembered path
// and the three editions' file names.
#include "platform/CodePage.h"
#include "tests/e2e/Events.h"
#include "tests/e2e/Machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

using namespace e2e;

namespace {

const std::string ERRLOG = "C:\\out\\DovlogSysErr.txt";

std::string ViewerCmdLine(const std::string& strFolder, const std::string& strErrLog = ERRLOG) {
    return strFolder + "\\Wordpad.exe \"" + strErrLog + "\"";
}

TEST(Completion, EmptyErrorLogIsDeletedAndBothFilesAreNamed) {
    ClMachine m;
    StRUN run = m.Run(EXPORT_TO_A);
    EXPECT_EQ(run.nStatus, 0) << run.strStderr;
    EXPECT_EQ(run.Transcript(), Expect(ExportedToA()));
    EXPECT_EQ(m.List("C:\\out"), (std::vector<std::string>{"a.csv", "syurui.SSC"}));
    EXPECT_EQ(m.ViewerLog(), "");
    EXPECT_EQ(m.Read("C:\\settings\\Dovrane.env"), "ADMIN/1/3:C:\\out\\a.csv\n");
}

TEST(Completion, ErrorLogIsShownAndTheMessageFollowsOnlyAfterTheViewerEnded) {
    struct {
        const char* szVersion;
        const char* szWindows;
        std::string strViewerFolder;
    } const cases[] = {
        {"nt", "C:\\WINDOWS", "C:\\Program Files\\Windows NT\\Accessories"},
        {"9x", "C:\\WINDOWS", "C:\\Program Files\\Accessories"},
        {"nt", "E:\\WINNT", "E:\\Program Files\\Windows NT\\Accessories"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strViewerFolder);
        ClMachine m;
        m.AddFaultyAsset();
        m.SetSystem("version", c.szVersion);
        m.SetSystem("windows", c.szWindows);
        StRUN run = m.Run(EXPORT_TO_A);
        EXPECT_EQ(run.Transcript(),
                  Expect({Dialog(), End(ID_EXECUTE),
                          Exec(ViewerCmdLine(c.strViewerFolder), c.strViewerFolder, true),
                          Info(MSG_DONE_WITH_LOG)}));
        // One start, with the log as its one argument, in the viewer's folder; no "early".
        EXPECT_EQ(m.ViewerLog(),
                  "arg " + ERRLOG + "\ncwd " +
                      std::filesystem::weakly_canonical(m.Host(c.strViewerFolder)).string() + "\n");
        EXPECT_GT(m.Read(ERRLOG).size(), 0u);
        // Saved even though the log is not empty.
        EXPECT_EQ(m.Read("C:\\settings\\Dovrane.env"), "ADMIN/1/3:C:\\out\\a.csv\n");
    }
}

TEST(Completion, ViewerThatDoesNotStartIsNotReported) {
    struct {
        const char* szName;
        const char* szVersion;
        bool bViewer;
        std::string strFolder;
    } const cases[] = {
        {"Absent", "nt", false, "C:\\Program Files\\Windows NT\\Accessories"},
        {"NoVersion", "fail", true, "C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ClMachine m;
        m.AddFaultyAsset();
        m.SetSystem("version", c.szVersion);
        if (!c.bViewer)
            m.RemoveViewer();
        StRUN run = m.Run(EXPORT_TO_A);
        EXPECT_EQ(run.Transcript(), Expect({Dialog(), End(ID_EXECUTE),
                                            Exec(ViewerCmdLine(c.strFolder), c.strFolder, false),
                                            Info(MSG_DONE_WITH_LOG)}));
        EXPECT_EQ(m.ViewerLog(), "");
        EXPECT_TRUE(m.Exists(ERRLOG));
    }
}

TEST(Completion, EditionsUseTheirOwnFileNames) {
    struct {
        const char* szProgram;
        const char* szErrLog;
        const char* szSettings;
    } const cases[] = {
        {"Dovrane", "DovlogSysErr.txt", "Dovrane.env"},
        {"Miltrace", "MillogSysErr.txt", "Miltrace.env"},
        {"Tesselm", "TeslogSysErr.txt", "Tesselm.env"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szProgram);
        ClMachine m(c.szProgram);
        m.AddFaultyAsset();
        // Another edition's remembered path is not this one's.
        m.Write("C:\\settings\\Other.env", "ADMIN/1/3:D:\\other.csv\n");
        StRUN run = m.Run(EXPORT_TO_A);
        const std::string strLog = std::string("C:\\out\\") + c.szErrLog;
        const std::string strViewer = "C:\\Program Files\\Windows NT\\Accessories";
        EXPECT_EQ(run.Transcript(), Expect({Dialog(), End(ID_EXECUTE),
                                            Exec(ViewerCmdLine(strViewer, strLog), strViewer, true),
                                            Info(MSG_DONE_WITH_LOG)}));
        EXPECT_EQ(m.List("C:\\out"), (std::vector<std::string>{c.szErrLog, "a.csv", "syurui.SSC"}));
        std::vector<std::string> vSettings = {"Other.env", c.szSettings};
        std::sort(vSettings.begin(), vSettings.end());
        EXPECT_EQ(m.List("C:\\settings"), vSettings);
        EXPECT_EQ(m.Read("C:\\settings\\Other.env"), "ADMIN/1/3:D:\\other.csv\n");
        EXPECT_EQ(m.Read(std::string("C:\\settings\\") + c.szSettings),
                  "ADMIN/1/3:C:\\out\\a.csv\n");
    }
}

TEST(Completion, RememberedPathLineMovesToTheEnd) {
    struct {
        const char* szName;
        std::string strBefore;
        std::string strOffered;
        std::string strAfter;
    } const cases[] = {
        {"Middle", "A/1/1:C:\\1.csv\nADMIN/1/3:C:\\old.csv\nB/2/2:C:\\2.csv\n", "C:\\old.csv",
         "A/1/1:C:\\1.csv\nB/2/2:C:\\2.csv\nADMIN/1/3:C:\\out\\a.csv\n"},
        {"NewKey", "A/1/1:C:\\1.csv\n", DEFAULT_PATH,
         "A/1/1:C:\\1.csv\nADMIN/1/3:C:\\out\\a.csv\n"},
        {"OtherUser", "SUBADMIN/1/3:D:\\sub.csv\n", DEFAULT_PATH,
         "SUBADMIN/1/3:D:\\sub.csv\nADMIN/1/3:C:\\out\\a.csv\n"},
        {"Last", "ADMIN/1/3:C:\\old.csv\n", "C:\\old.csv", "ADMIN/1/3:C:\\out\\a.csv\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ClMachine m;
        m.Write("C:\\settings\\Dovrane.env", c.strBefore);
        StRUN run = m.Run(EXPORT_TO_A);
        EXPECT_EQ(run.Transcript(),
                  Expect({Dialog(c.strOffered), End(ID_EXECUTE),
                          Info(MsgDone("C:\\out\\a.csv", "C:\\out\\syurui.SSC"))}));
        EXPECT_EQ(m.Read("C:\\settings\\Dovrane.env"), c.strAfter);
    }
}

TEST(Completion, MissingSettingsFolderIsCreatedLevelByLevel) {
    ClMachine m;
    m.Db().System("settings_folder", "D:\\set\\a\\b\\");
    EXPECT_EQ(m.Run(EXPORT_TO_A).Transcript(), Expect(ExportedToA()));
    EXPECT_EQ(m.Read("D:\\set\\a\\b\\Dovrane.env"), "ADMIN/1/3:C:\\out\\a.csv\n");
}

// A file that could not be written is reported as such, never as a success.
TEST(Completion, FilesNotWrittenAreReportedInsteadOfSuccess) {
    struct {
        const char* szName;
        bool bFaultyAsset;
        bool bAssetFails;     // the asset data file goes to a full device
        bool bAssetTypeFails; // a folder stands where syurui.SSC goes
        bool bErrLogFails;    // a folder stands where the error log goes
    } const cases[] = {
        {"AssetType", false, false, true, false}, {"AssetTypeWithLog", true, false, true, false},
        {"ErrLog", true, false, false, true},     {"Asset", false, true, false, false},
        {"All", true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        ClMachine m;
        if (c.bFaultyAsset)
            m.AddFaultyAsset();
        if (c.bAssetFails)
            std::filesystem::create_symlink("/dev/full", m.Host("C:\\out\\a.csv"));
        if (c.bAssetTypeFails)
            std::filesystem::create_directories(m.Host("C:\\out\\syurui.SSC"));
        if (c.bErrLogFails)
            std::filesystem::create_directories(m.Host(ERRLOG));
        std::vector<std::string> vScript = EXPORT_TO_A;
        std::vector<StEVENT> vExpected = {Dialog()};
        if (c.bAssetFails) {
            vScript.push_back("answer yes");
            vExpected.push_back(Question(MSG_OVERWRITE, "yes"));
        }
        vExpected.push_back(End(ID_EXECUTE));
        // A log that was written is still shown; one that failed is not.
        const std::string strViewer = "C:\\Program Files\\Windows NT\\Accessories";
        if (c.bFaultyAsset && !c.bErrLogFails)
            vExpected.push_back(Exec(ViewerCmdLine(strViewer), strViewer, true));
        std::vector<std::string> vFailed;
        if (c.bAssetFails)
            vFailed.push_back("C:\\out\\a.csv");
        if (c.bAssetTypeFails)
            vFailed.push_back("C:\\out\\syurui.SSC");
        if (c.bErrLogFails)
            vFailed.push_back(ERRLOG);
        vExpected.push_back(Box("none", "MB_ICONEXCLAMATION", MsgWriteFailed(vFailed)));

        StRUN run = m.Run(vScript);
        EXPECT_EQ(run.nStatus, 0) << run.strStderr;
        EXPECT_EQ(run.Transcript(), Expect(vExpected));
        // The failed log is neither shown nor deleted; a written empty one goes as usual.
        EXPECT_EQ(m.Exists(ERRLOG), c.bFaultyAsset || c.bErrLogFails);
        EXPECT_EQ(m.Read("C:\\settings\\Dovrane.env"), "ADMIN/1/3:C:\\out\\a.csv\n");
    }
}

} // namespace

namespace {

std::string Repeat(const std::string& str, int nTimes) {
    std::string out;
    for (int i = 0; i < nTimes; ++i)
        out += str;
    return out;
}

TEST(Completion, OverlongAssetPathIsReportedWholeAndNeverExported) {
    // 130 double-byte characters fit the edit's 255 but make a path of 271 bytes.
    const std::string strPath = "C:\\out\\" + Repeat(U8(u8"あ"), 130) + ".csv";
    ClMachine m;
    StRUN run = m.Run({"type " + strPath, "click 1005"});
    EXPECT_EQ(run.nStatus, 0) << run.strStderr;
    EXPECT_EQ(run.Transcript(),
              Expect({Dialog(), End(ID_EXECUTE),
                      Box("none", "MB_ICONEXCLAMATION", MsgWriteFailed({strPath}))}));
    EXPECT_EQ(m.List("C:\\out"), std::vector<std::string>{"syurui.SSC"});
}

TEST(Completion, DerivedNamesThatDoNotFitAreReportedAsNotWritten) {
    // The folder takes 253 bytes: a.csv fits, syurui.SSC and the error log do not.
    const std::string strFolder =
        "C:\\out\\" + Repeat(U8(u8"あ"), 60) + "\\" + Repeat(U8(u8"い"), 62) + "\\";
    ClMachine m;
    m.AddFaultyAsset();
    StRUN run = m.Run({"type " + strFolder + "a.csv", "click 1005", "answer yes"});
    EXPECT_EQ(run.nStatus, 0) << run.strStderr;
    std::vector<std::string> vKinds;
    for (const StEVENT& event : run.vEvents)
        vKinds.push_back(event.at("event"));
    // No viewer for the failed log.
    ASSERT_EQ(vKinds, (std::vector<std::string>{"dialog", "focus", "msgbox", "end", "msgbox"}));
    const StEVENT& box = run.vEvents.back();
    EXPECT_EQ(box.at("style"), "MB_ICONEXCLAMATION");
    std::vector<std::string> vLines;
    std::stringstream text(box.at("text"));
    for (std::string strLine; std::getline(text, strLine);)
        vLines.push_back(strLine);
    ASSERT_EQ(vLines.size(), 7u) << box.at("text");
    EXPECT_EQ(box.at("text"), MsgWriteFailed({vLines[3], vLines[4]}));
    // The asset type file and the error log, in this order, as far as their names went.
    EXPECT_EQ(vLines[3].substr(0, strFolder.size()), strFolder);
    EXPECT_EQ(vLines[4].substr(0, strFolder.size()), strFolder);
    EXPECT_EQ(vLines[3].substr(strFolder.size(), 3), "syu");
    EXPECT_EQ(vLines[4].substr(strFolder.size(), 3), "Dov");
    std::string strAsset;
    ASSERT_TRUE(Utf8ToCp932(strFolder + "a.csv", strAsset));
    EXPECT_TRUE(m.Exists(strAsset));
}

} // namespace
