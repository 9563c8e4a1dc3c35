// The dialog host: backend choice at start, the application's run, and the script
// backend's refusal of lines the program does not wait for.
#include "platform/MessageBox.h"
#include "platform/ui/UiBackend.h"
#include "tests/dialog/DialogTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace gk_dialog_test;
using testing::ElementsAreArray;

namespace {

class ClProbeApp : public ClWinApp {
public:
    BOOL InitInstance() override {
        m_bInitRan = TRUE;
        if (m_bThrow)
            throw std::runtime_error("start-up failed");
        MessageBox(nullptr, "お知らせ", "減価償却", MB_ICONINFORMATION);
        m_nAnswer = MessageBox(nullptr, "続けますか？", "減価償却", MB_YESNO | MB_ICONQUESTION);
        ClDialogHost::NotifyExec("C:\\Program Files\\Wordpad.exe \"C:\\out\\表.txt\"",
                                 "C:\\Program Files", FALSE);
        ClWaitCursor wait;
        wait.Restore();
        return FALSE;
    }
    int ExitInstance() override {
        m_bExitRan = TRUE;
        return 7;
    }
    BOOL m_bThrow = FALSE;
    BOOL m_bInitRan = FALSE;
    BOOL m_bExitRan = FALSE;
    int m_nAnswer = 0;
};

class Host : public testing::Test {
protected:
    void SetUp() override {
        ResetDriveC();
        unsetenv("GKLINK_TRANSCRIPT");
    }
    void TearDown() override { unsetenv("GKLINK_UI"); }
};

TEST_F(Host, RunChoosesTheScriptBackendAndReturnsTheExitStatus) {
    WriteHost(Base() / "app-script.txt", "# the answer\n\nanswer no\n");
    setenv("GKLINK_UI", ("script:" + (Base() / "app-script.txt").string()).c_str(), 1);
    setenv("GKLINK_TRANSCRIPT", TranscriptPath("app").c_str(), 1);
    ClProbeApp app;
    EXPECT_EQ(app.Run(), 7);
    EXPECT_EQ(app.m_nAnswer, IDNO);
    EXPECT_EQ(ClUiBackend::Active(), nullptr);
    EXPECT_EQ(ReadHost(TranscriptPath("app")),
              U8(u8"{\"event\":\"msgbox\",\"owner\":\"none\",\"caption\":\"減価償却\",\"style\":"
                 u8"\"MB_ICONINFORMATION\",\"text\":\"お知らせ\",\"answer\":\"ok\"}\n"
                 u8"{\"event\":\"msgbox\",\"owner\":\"none\",\"caption\":\"減価償却\",\"style\":"
                 u8"\"MB_YESNO|MB_ICONQUESTION\",\"text\":\"続けますか？\",\"answer\":\"no\"}\n"
                 u8"{\"event\":\"exec\",\"cmdline\":\"C:\\\\Program Files\\\\Wordpad.exe "
                 u8"\\\"C:\\\\out\\\\表.txt\\\"\",\"dir\":\"C:\\\\Program Files\",\"started\":"
                 u8"false}\n"));
}

TEST_F(Host, ExitInstanceRunsAlsoWhenStartUpThrows) {
    WriteHost(Base() / "empty-script.txt", "");
    setenv("GKLINK_UI", ("script:" + (Base() / "empty-script.txt").string()).c_str(), 1);
    ClProbeApp app;
    app.m_bThrow = TRUE;
    EXPECT_THROW(app.Run(), std::runtime_error);
    EXPECT_TRUE(app.m_bExitRan);
    EXPECT_EQ(ClUiBackend::Active(), nullptr);
}

TEST_F(Host, WithoutABackendTheProgramSaysSoAndEndsWithStatus2) {
    for (const char* szSpec :
         {"bogus", "script", "script:", "gui:x", "script:/nonexistent/script.txt"}) {
        setenv("GKLINK_UI", szSpec, 1);
        ClProbeApp app;
        EXPECT_EQ(app.Run(), 2) << szSpec;
        EXPECT_FALSE(app.m_bInitRan) << szSpec;
        EXPECT_FALSE(app.m_bExitRan) << szSpec;
    }
    EXPECT_EXIT(
        {
            unsetenv("GKLINK_UI");
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            std::freopen("/dev/null", "r", stdin);
            ClProbeApp app;
            std::_Exit(app.Run());
        },
        testing::ExitedWithCode(2), "no user interface");
}

TEST_F(Host, NoBackendNoDialog) {
    ClExportDlg dlg;
    PrepareDialog(dlg);
    EXPECT_EQ(dlg.DoModal(), -1);
}

// Each script stops at the line the program does not wait for: an error event, status 3,
// nothing after it.
TEST_F(Host, UnexpectedOrMissingLinesEndWithStatus3) {
    const struct {
        const char* szTag;
        std::string strScript;
        std::vector<std::string> vecEvents;
    } aCases[] = {
        {"none-left", "", {"dialog", "error"}},
        {"answer-at-dialog", "answer yes\n", {"dialog", "error"}},
        {"click-at-box", "type C:\\have\\file.csv\nkey F12\nclick 1005\n", {"dialog", "error"}},
        {"none-at-box", "type C:\\have\\file.csv\nkey F12\n", {"dialog", "error"}},
        {"key-at-filedialog", "click 1008\nkey Esc\n", {"dialog", "focus:1008", "error"}},
        {"save-at-dialog", "save C:\\x.csv\n", {"dialog", "error"}},
        {"bad-key", "key Hyper+X\n", {"dialog", "error"}},
        {"bad-fkey", "key F25\n", {"dialog", "error"}},
        {"focus-static", "focus 1002\n", {"dialog", "error"}},
        {"click-edit", "click 1007\n", {"dialog", "error"}},
        {"click-nothing", "click 9999\n", {"dialog", "error"}},
        {"not-cp932", "type C:\\" + U8(u8"😀") + "\n", {"dialog", "error"}},
        {"unknown-verb", "press Enter\n", {"dialog", "error"}},
    };
    fs::create_directories(HostC("have"));
    WriteHost(HostC("have\\file.csv"), "old");
    for (const auto& c : aCases) {
        ClExportDlg dlg;
        PrepareDialog(dlg);
        std::string strTranscript;
        EXPECT_EXIT(RunScript(dlg, c.strScript, strTranscript, c.szTag), testing::ExitedWithCode(3),
                    "")
            << c.szTag;
        std::vector<std::string> vecEvents = Events(ReadHost(TranscriptPath(c.szTag)));
        for (std::string& str : vecEvents)
            if (str.rfind("error:", 0) == 0)
                str = "error";
        EXPECT_THAT(vecEvents, ElementsAreArray(c.vecEvents)) << c.szTag;
    }
}

TEST_F(Host, ErrorNamesTheLineAndWhatWasAwaited) {
    ClExportDlg dlg;
    PrepareDialog(dlg);
    std::string strTranscript;
    EXPECT_EXIT(RunScript(dlg, "# comment\n\nkey Tab\nanswer yes\n", strTranscript, "named"),
                testing::ExitedWithCode(3), "");
    const std::vector<std::string> vecEvents = Events(ReadHost(TranscriptPath("named")));
    ASSERT_EQ(vecEvents.size(), 3u);
    EXPECT_EQ(vecEvents[2], "error:line 4 \\\"answer yes\\\": the dialog waits for type, focus, "
                            "key, click or close");
}

} // namespace
