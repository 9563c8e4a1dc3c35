// Dovrane in the window interface under a virtual X server: the export driven by keys,
// the dialog's layout against resource 130, and Esc.
#include "dialog/Resource.h"
#include "tests/ui/UiSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/init.h>

namespace fs = std::filesystem;

namespace {

const std::string DIALOG = U8(u8"減価償却 - 集計条件");
const std::string BOX = U8(u8"減価償却");
const std::string VIEWER = U8(u8"DovlogSysErr.txt - ワードパッド");

struct StRECT {
    int x, y, cx, cy;
    bool operator==(const StRECT&) const = default;
};

std::ostream& operator<<(std::ostream& out, const StRECT& rc) {
    return out << rc.x << ',' << rc.y << ' ' << rc.cx << 'x' << rc.cy;
}

struct StDUMP {
    std::string strFont, strFamily;
    int nBaseX = 0, nBaseY = 0;
    StRECT client{};
    std::vector<StRECT> vecItems;
    std::vector<std::string> vecBoxes; // "OWNER TYPE TEXT"
};

StDUMP _ReadDump(const fs::path& file) {
    StDUMP dump;
    std::istringstream lines(ReadHostFile(file));
    for (std::string strLine; std::getline(lines, strLine);) {
        std::istringstream in(strLine);
        std::string strKey;
        in >> strKey;
        if (strKey == "font" || strKey == "family")
            std::getline(in >> std::ws, strKey == "font" ? dump.strFont : dump.strFamily);
        else if (strKey == "base")
            in >> dump.nBaseX >> dump.nBaseY;
        else if (strKey == "client")
            in >> dump.client.cx >> dump.client.cy;
        else if (strKey == "msgbox")
            dump.vecBoxes.push_back(strLine.substr(7));
        else if (StRECT rc{};
                 strKey == "item" && in >> strKey >> strKey >> rc.x >> rc.y >> rc.cx >> rc.cy)
            dump.vecItems.push_back(rc);
    }
    return dump;
}

int _MulDiv(int a, int b, int c) {
    return (a * b + c / 2) / c;
}

// Windows' base units of the font that "ＭＳ Ｐゴシック" must fall back to, measured here
// without the program's own code: the Latin letters' extent halved twice with rounding,
// and the height.
std::pair<int, int> _FallbackFontBase(const std::string& strDisplay) {
    static std::pair<int, int> s_base{0, 0};
    if (s_base.first)
        return s_base;
    setenv("DISPLAY", strDisplay.c_str(), 1);
    wxApp::SetInstance(new wxApp);
    static int s_argc = 1;
    static char s_szName[] = "gk_ui_test";
    static char* s_argv[] = {s_szName, nullptr};
    if (!wxEntryStart(s_argc, s_argv))
        return s_base;
    {
        std::unique_ptr<wxFrame> pFrame(new wxFrame(nullptr, wxID_ANY, "measure"));
        wxClientDC dc(pFrame.get());
        dc.SetFont(wxFont(wxFontInfo(9).FaceName("IPAPGothic")));
        wxCoord cx = 0, cy = 0;
        dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &cx, &cy);
        s_base = {(cx / 26 + 1) / 2, dc.GetFontMetrics().height};
    }
    wxEntryCleanup();
    return s_base;
}

class GuiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pX = new ClXServer(); }
    static void TearDownTestSuite() {
        delete s_pX;
        s_pX = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_pX->IsUp()); }

    // Starts Dovrane on the display; its dump goes to dump.txt of the machine.
    void _Start(const std::string& strUi) {
        m_dump = m_machine.Root() / "dump.txt";
        m_program.Start(m_machine.DovraneCommand("DISPLAY=" + s_pX->Display() + " " + strUi +
                                                 " GKLINK_GUI_DUMP=" + ShQuote(m_dump.string())),
                        m_machine.Root());
    }
    StXWINDOW _Window(const std::string& strName) {
        std::optional<StXWINDOW> wnd = s_pX->WaitWindow(strName);
        if (!wnd)
            ADD_FAILURE() << "no window " << strName << "; Dovrane: " << m_program.Output();
        return wnd.value_or(StXWINDOW{});
    }

    static ClXServer* s_pX;
    ClUiMachine m_machine;
    ClProcess m_program;
    fs::path m_dump;
};

ClXServer* GuiTest::s_pX = nullptr;

TEST_F(GuiTest, TypedPathAndF12ExportThreeFilesAndShowTheErrorLog) {
    _Start("GKLINK_UI=gui");
    const StXWINDOW dlg = _Window(DIALOG);
    ASSERT_TRUE(s_pX->Keys(dlg, "ctrl+a"));
    ASSERT_TRUE(s_pX->Type(dlg, "C:\\out\\assets.csv"));
    EXPECT_TRUE(s_pX->Screenshot(ArtefactDir() / "dialog.png", &dlg));
    ASSERT_TRUE(s_pX->Keys(dlg, "F12"));
    ASSERT_TRUE(s_pX->Keys(_Window(BOX), "Return")); // yes, create C:\out

    const StXWINDOW viewer = _Window(VIEWER);
    EXPECT_TRUE(s_pX->Screenshot(ArtefactDir() / "errorlog.png", &viewer));
    ASSERT_TRUE(s_pX->Keys(viewer, "ctrl+w"));
    ASSERT_TRUE(s_pX->Keys(_Window(BOX), "Return"));
    ASSERT_TRUE(m_program.WaitExit()) << m_program.Output();
    EXPECT_EQ(m_program.Status(), 0) << m_program.Output();

    for (const char* szFile :
         {"C:\\out\\assets.csv", "C:\\out\\syurui.SSC", "C:\\out\\DovlogSysErr.txt"})
        EXPECT_GT(fs::file_size(m_machine.Host(szFile)), 0u) << szFile;
    EXPECT_NE(ReadHostFile(m_machine.Host("C:\\out\\DovlogSysErr.txt")).find("ABC-12"),
              std::string::npos);
    const std::vector<std::string> vecBoxes = {
        U8(u8"dialog 0x24 指定されたフォルダは存在しません。\\n\\n作成してもよろしいですか？"),
        U8(u8"none 0x40 "
           u8"減価償却情報の出力が一応終了しました。\\n\\nアプリケーションを終了します。"),
    };
    EXPECT_EQ(_ReadDump(m_dump).vecBoxes, vecBoxes);
}

TEST_F(GuiTest, ControlsSitWhereResource130PutsThemInUnitsOfTheFallbackFont) {
    _Start("GKLINK_UI=gui");
    const StXWINDOW dlg = _Window(DIALOG);
    ASSERT_TRUE(WaitFor([&] { return _ReadDump(m_dump).vecItems.size() >= 11u; }));
    const StDUMP dump = _ReadDump(m_dump);
    ASSERT_TRUE(s_pX->Keys(dlg, "Escape"));
    ASSERT_TRUE(s_pX->Keys(_Window(BOX), "Return"));

    EXPECT_EQ(dump.strFont, U8(u8"ＭＳ Ｐゴシック"));
    EXPECT_EQ(dump.strFamily, "IPAPGothic");
    const auto [nBaseX, nBaseY] = _FallbackFontBase(s_pX->Display());
    ASSERT_GT(nBaseX, 0);
    EXPECT_EQ(dump.nBaseX, nBaseX);
    EXPECT_EQ(dump.nBaseY, nBaseY);
    const StDLGTEMPLATE& rTemplate = G_DLG_EXPORTCOND;
    EXPECT_EQ(dump.client,
              (StRECT{0, 0, _MulDiv(rTemplate.cx, nBaseX, 4), _MulDiv(rTemplate.cy, nBaseY, 8)}));
    ASSERT_EQ(dump.vecItems.size(), static_cast<std::size_t>(rTemplate.nItems));
    for (int i = 0; i < rTemplate.nItems; ++i) {
        const StDLGITEM& rItem = rTemplate.pItems[i];
        EXPECT_EQ(dump.vecItems[static_cast<std::size_t>(i)],
                  (StRECT{_MulDiv(rItem.x, nBaseX, 4), _MulDiv(rItem.y, nBaseY, 8),
                          _MulDiv(rItem.cx, nBaseX, 4), _MulDiv(rItem.cy, nBaseY, 8)}))
            << "item " << i << ", id " << rItem.nId;
    }
    // The window's client area is the dialog's size: without a window manager there is
    // no frame around it.
    EXPECT_EQ(dlg.cx, dump.client.cx);
    EXPECT_EQ(dlg.cy, dump.client.cy);
}

// Without GKLINK_UI a display chooses the window.
TEST_F(GuiTest, EscShowsTheCancelMessageAndWritesNothing) {
    _Start("");
    ASSERT_TRUE(s_pX->Keys(_Window(DIALOG), "Escape"));
    const StXWINDOW box = _Window(BOX);
    EXPECT_TRUE(s_pX->Screenshot(ArtefactDir() / "cancel.png", &box));
    ASSERT_TRUE(s_pX->Keys(box, "Return"));
    ASSERT_TRUE(m_program.WaitExit()) << m_program.Output();
    EXPECT_EQ(m_program.Status(), 0);
    EXPECT_EQ(_ReadDump(m_dump).vecBoxes,
              std::vector<std::string>{U8(u8"dialog 0x40 ｢減価償却｣の集計を中止します。")});
    EXPECT_FALSE(fs::exists(m_machine.Host("C:\\out")));
}

} // namespace
