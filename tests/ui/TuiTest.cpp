// Dovrane in the terminal interface, in a tmux pane: the export driven by keys, and the
// choice of the terminal when the display named cannot be used.
#include "tests/ui/UiSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

// The shell of the pane stays after Dovrane, showing how it ended.
std::string _InPane(const std::string& strCmd) {
    return "sh -c " + ShQuote(strCmd) + "; echo \"[exit $?]\"; sleep 3600";
}

void _SavePane(const ClTmux& tmux, const char* szName) {
    std::ofstream(ArtefactDir() / szName) << tmux.Capture();
}

TEST(TuiTest, TypedPathAndF12ExportThreeFilesAndShowTheErrorLogInThePager) {
    ClUiMachine machine;
    ClTmux tmux(_InPane(machine.DovraneCommand("DISPLAY= WAYLAND_DISPLAY= GKLINK_UI=tui")), 100,
                30);
    ASSERT_TRUE(tmux.WaitText(U8(u8"減価償却 - 集計条件"))) << tmux.Capture();
    EXPECT_NE(tmux.Capture().find(U8(u8"株式会社テスト")), std::string::npos);
    tmux.Literal("C:\\out\\assets.csv"); // replaces the selected initial path
    ASSERT_TRUE(tmux.WaitText("C:\\out\\assets.csv")) << tmux.Capture();
    _SavePane(tmux, "dialog.txt");
    tmux.Keys("F12");
    ASSERT_TRUE(tmux.WaitText(U8(u8"作成してもよろしいですか"))) << tmux.Capture();
    EXPECT_NE(tmux.Capture().find(U8(u8"[はい]  [いいえ]")), std::string::npos);
    tmux.Keys("Enter");

    ASSERT_TRUE(tmux.WaitText(U8(u8"DovlogSysErr.txt - ワードパッド"))) << tmux.Capture();
    EXPECT_NE(tmux.Capture().find("ABC-12"), std::string::npos) << tmux.Capture();
    _SavePane(tmux, "errorlog.txt");
    tmux.Keys("q");
    ASSERT_TRUE(tmux.WaitText(U8(u8"一応終了しました"))) << tmux.Capture();
    tmux.Keys("Enter");
    ASSERT_TRUE(tmux.WaitText("[exit 0]")) << tmux.Capture();

    for (const char* szFile :
         {"C:\\out\\assets.csv", "C:\\out\\syurui.SSC", "C:\\out\\DovlogSysErr.txt"})
        EXPECT_GT(fs::file_size(machine.Host(szFile)), 0u) << szFile;
}

// DISPLAY names a display no server answers at, GKLINK_UI is unset: the window cannot
// start, and the terminal takes over. Enter in the path edit moves to Browse, a second
// Enter opens the save-as prompt with the initial folder and name; Esc closes the prompt,
// a second Esc shows the cancel message.
TEST(TuiTest, AnUnusableDisplayLeavesTheTerminalAndEscCancels) {
    int nDisplay = 4711;
    while (fs::exists("/tmp/.X11-unix/X" + std::to_string(nDisplay)))
        ++nDisplay;
    ClUiMachine machine;
    ClTmux tmux(_InPane(machine.DovraneCommand("DISPLAY=:" + std::to_string(nDisplay))), 100, 30);
    ASSERT_TRUE(tmux.WaitText(U8(u8"減価償却 - 集計条件"))) << tmux.Capture();
    tmux.Keys("Enter");
    tmux.Keys("Enter");
    ASSERT_TRUE(tmux.WaitText(U8(u8"保存ファイルを指定"))) << tmux.Capture();
    EXPECT_NE(tmux.Capture().find("C:\\out\\*.csv"), std::string::npos) << tmux.Capture();
    tmux.Keys("Escape");
    ASSERT_TRUE(WaitFor([&] {
        return tmux.Capture().find(U8(u8"保存ファイルを指定")) == std::string::npos;
    })) << tmux.Capture();
    tmux.Keys("Escape");
    ASSERT_TRUE(tmux.WaitText(U8(u8"｢減価償却｣の集計を中止します。"))) << tmux.Capture();
    tmux.Keys("Enter");
    ASSERT_TRUE(tmux.WaitText("[exit 0]")) << tmux.Capture();
    EXPECT_FALSE(fs::exists(machine.Host("C:\\out")));
}

} // namespace
