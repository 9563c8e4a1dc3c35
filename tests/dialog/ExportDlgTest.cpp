// The export conditions dialog driven through the script backend: whole transcripts
// where the visible output matters, event lists for the tables.
#include "tests/dialog/DialogTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace gk_dialog_test;
using testing::ElementsAreArray;

namespace {

const std::string MSG_CANCEL = U8(u8"｢減価償却｣の集計を中止します。");
const std::string MSG_NOPATH =
    U8(u8"データ出力先が指定されていません。\\n\\n出力先を指定してください。");
const std::string MSG_BADCHAR =
    U8(u8"データの出力先に不正な文字が含まれています。\\n\\n出力先を再入力してください。");
const std::string MSG_BADDRIVE =
    U8(u8"ドライブ名が有効でありません。\\n\\n有効なドライブを指定してください。");
const std::string MSG_NOFILENAME = U8(u8"ファイル名が指定されていません。");
const std::string MSG_CREATE =
    U8(u8"指定されたフォルダは存在しません。\\n\\n作成してもよろしいですか？");
const std::string MSG_CREATEFAILED =
    U8(u8"フォルダの作成に失敗しました。\\n\\n出力先を再入力してください。");
const std::string MSG_OVERWRITE =
    U8(u8"同名のファイルが存在します。\\n\\n上書きしてもよろしいですか？");

std::string DialogLine(const std::string& strPathJson) {
    return U8(u8"{\"event\":\"dialog\",\"caption\":\"減価償却 - 集計条件\",\"office\":\" "
              u8"株式会社サンプル\",\"period\":\" 2024/04/01～2025/03/31\",\"path\":\"") +
           strPathJson + "\",\"focus\":1007}\n";
}

const std::string CANCEL_LINES =
    U8(u8"{\"event\":\"msgbox\",\"owner\":\"dialog\",\"caption\":\"減価償却\",\"style\":"
       u8"\"MB_ICONINFORMATION\",\"text\":\"｢減価償却｣の集計を中止します。\",\"answer\":\"ok\"}\n"
       u8"{\"event\":\"end\",\"result\":1006}\n");

class ExportDlg : public testing::Test {
protected:
    void SetUp() override {
        ResetDriveC();
        fs::create_directories(HostC("have"));
        fs::create_directories(HostC("out"));
        WriteHost(HostC("have\\file.csv"), "old");
        WriteHost(HostC("file.txt"), "a file");
        PrepareDialog(m_dlg);
    }
    int Run(const std::string& strScript) { return RunScript(m_dlg, strScript, m_strTranscript); }
    // The events after the dialog event.
    std::vector<std::string> After() {
        std::vector<std::string> vec = Events(m_strTranscript);
        EXPECT_FALSE(vec.empty());
        EXPECT_EQ(vec.empty() ? "" : vec.front(), "dialog");
        return vec.empty() ? vec : std::vector<std::string>(vec.begin() + 1, vec.end());
    }

    ClExportDlg m_dlg;
    std::string m_strTranscript;
};

TEST_F(ExportDlg, EscCloseBoxAndCancelButtonCancel) {
    const struct {
        const char* szScript;
        const char* szBetween;
    } aCases[] = {
        {"key Esc\n", ""},
        {"close\n", ""},
        {"click 1006\n", "{\"event\":\"focus\",\"id\":1006}\n"},
        {"focus 1006\nkey Enter\n", "{\"event\":\"focus\",\"id\":1006}\n"},
        {"key Shift+Esc\n", ""},
    };
    for (const auto& c : aCases) {
        EXPECT_EQ(Run(c.szScript), 1006) << c.szScript;
        EXPECT_EQ(m_strTranscript, DialogLine("C:\\\\TEMP\\\\*.csv") + c.szBetween + CANCEL_LINES)
            << c.szScript;
    }
}

TEST_F(ExportDlg, PastDataIsRefusedBeforeAnyInput) {
    m_dlg.m_bPastData = TRUE;
    EXPECT_EQ(Run(""), 1006);
    EXPECT_EQ(m_strTranscript,
              U8(u8"{\"event\":\"msgbox\",\"owner\":\"dialog\",\"caption\":\"減価償却\","
                 u8"\"style\":\"MB_ICONEXCLAMATION\",\"text\":\"過去実績データは、連携の対象とし"
                 u8"て使用できません。\\n\\nアプリケーションを終了します。\",\"answer\":\"ok\"}\n"
                 u8"{\"event\":\"end\",\"result\":1006}\n"));
}

TEST_F(ExportDlg, InitialPathFromMemoryDefaultFolderOrTemp) {
    const std::string strLongTemp = "C:\\" + std::string(254, 't') + "\\"; // 258 bytes
    const struct {
        const char* szName;
        std::string strRemembered, strOutput, strTemp, strExpected;
    } aCases[] = {
        {"remembered", "ADMIN/1/3:D:\\rem.csv\n", "C:\\out\\", "C:\\TEMP\\", "D:\\rem.csv"},
        {"remembered empty", "ADMIN/1/3:\n", "C:\\out\\", "C:\\TEMP\\", ""},
        {"default folder", "SUBADMIN/1/3:D:\\s.csv\n", "C:\\out\\", "C:\\TEMP\\", "C:\\out\\*.csv"},
        {"temporary folder", "", "", "C:\\TEMP\\", "C:\\TEMP\\*.csv"},
        {"temporary folder without separator", "", "", "C:\\TEMP", "C:\\TEMP\\*.csv"},
        {"long temporary folder", "", "", strLongTemp, strLongTemp + "*."},
        {"temporary folder beyond the buffer", "", "", "C:\\" + std::string(300, 't') + "\\",
         "*.csv"},
        {"default folder at the limit", "", "C:\\" + std::string(256, 'o') + "\\", "C:\\TEMP\\",
         "C:\\" + std::string(256, 'o') + "\\"},
    };
    for (const auto& c : aCases) {
        SetAppFolders(c.strOutput, "C:\\set\\");
        fs::remove(HostC("set\\Dovrane.env"));
        if (!c.strRemembered.empty())
            WriteHost(HostC("set\\Dovrane.env"), c.strRemembered);
        SetTempFolder(c.strTemp);
        EXPECT_EQ(Run("key Esc\n"), 1006) << c.szName;
        EXPECT_EQ(m_dlg.m_strOutPath, c.strExpected) << c.szName;
    }
}

TEST_F(ExportDlg, ExecuteChecksThePath) {
    const struct {
        std::string strPath;
        const char* szAnswers; // script lines after F12
        std::vector<std::string> vecMessages;
        int nResult;
    } aCases[] = {
        {"", "", {MSG_NOPATH}, 1006},
        {"C:\\out\\*.csv", "", {MSG_BADCHAR}, 1006},
        {"D:\\a.csv:x", "", {MSG_BADCHAR}, 1006},
        {"C:\\out\\\\data.csv", "", {MSG_BADCHAR}, 1006},
        {"\\\\server\\gone\\data.csv", "", {MSG_BADDRIVE}, 1006},
        {"\\\\server", "", {MSG_BADDRIVE}, 1006},
        {U8(u8"表.csv"), "", {MSG_BADDRIVE}, 1006},
        {"Q:\\data.csv", "", {MSG_BADDRIVE}, 1006},
        {"R:\\data.csv", "", {MSG_BADDRIVE}, 1006},
        {"C:\\out\\", "", {MSG_NOFILENAME}, 1006},
        {"C:\\have", "", {MSG_NOFILENAME}, 1006},
        {"C:\\new\\sub\\a.csv", "answer no\n", {MSG_CREATE}, 1006},
        {"C:\\new\\sub\\a.csv", "answer yes\n", {MSG_CREATE}, 1005},
        {"C:\\file.txt\\sub\\a.csv", "answer yes\n", {MSG_CREATE, MSG_CREATEFAILED}, 1006},
        {"C:\\have\\file.csv", "answer no\n", {MSG_OVERWRITE}, 1006},
        {"C:\\have\\file.csv", "answer yes\n", {MSG_OVERWRITE}, 1005},
        {"C:\\have\\new.csv", "", {}, 1005},
        {"data.csv", "", {}, 1005},
        {"\\\\server\\share\\data.csv", "", {}, 1005},
    };
    for (const auto& c : aCases) {
        fs::remove_all(HostC("new"));
        const std::string strScript = "type " + c.strPath + "\nkey F12\n" + c.szAnswers +
                                      (c.nResult == 1005 ? "" : "key Esc\n");
        EXPECT_EQ(Run(strScript), c.nResult) << c.strPath;
        std::vector<std::string> vecExpected;
        for (const std::string& strMessage : c.vecMessages)
            vecExpected.push_back("msgbox:" + strMessage);
        if (c.nResult == 1006)
            vecExpected.push_back("msgbox:" + MSG_CANCEL);
        vecExpected.push_back("end:" + std::to_string(c.nResult));
        EXPECT_THAT(After(), ElementsAreArray(vecExpected)) << c.strPath;
    }
    // The last run confirmed a share path; the folder of the accepted "yes" case was made.
    EXPECT_EQ(m_dlg.m_strOutPath, "\\\\server\\share\\data.csv");
}

TEST_F(ExportDlg, CreatedFolderStaysAndRefusedOneIsNotMade) {
    EXPECT_EQ(Run("type C:\\new\\sub\\a.csv\nkey F12\nanswer no\nkey Esc\n"), 1006);
    EXPECT_FALSE(fs::exists(HostC("new")));
    EXPECT_EQ(Run("type C:\\new\\sub\\a.csv\nkey F12\nanswer yes\n"), 1005);
    EXPECT_TRUE(fs::is_directory(HostC("new\\sub")));
    EXPECT_EQ(m_dlg.m_strOutPath, "C:\\new\\sub\\a.csv");
}

TEST_F(ExportDlg, EnterMovesToBrowseThenBrowsesAndF12Executes) {
    EXPECT_EQ(Run("type C:\\out\\a.csv\nkey Enter\nkey Enter\nsave C:\\out\\b.csv\nkey F12\n"),
              1005);
    EXPECT_EQ(m_strTranscript,
              DialogLine("C:\\\\TEMP\\\\*.csv") + "{\"event\":\"focus\",\"id\":1008}\n" +
                  U8(u8"{\"event\":\"filedialog\",\"title\":\"保存ファイルを指定\",\"dir\":"
                     u8"\"C:\\\\out\\\\\",\"name\":\"a.csv\",\"filter\":\"CSV Files "
                     u8"(*.csv)|*.csv||\",\"defext\":\"CSV\",\"flags\":\"0x180C\",\"answer\":"
                     u8"\"C:\\\\out\\\\b.csv\"}\n") +
                  "{\"event\":\"focus\",\"id\":1005}\n{\"event\":\"end\",\"result\":1005}\n");
    EXPECT_EQ(m_dlg.m_strOutPath, "C:\\out\\b.csv");
}

TEST_F(ExportDlg, BrowseSplitsAtTheDriveColonAndCancelKeepsThePath) {
    EXPECT_EQ(Run("type D:out.csv\nclick 1008\ncancel\nkey Esc\n"), 1006);
    EXPECT_EQ(m_strTranscript,
              DialogLine("C:\\\\TEMP\\\\*.csv") + "{\"event\":\"focus\",\"id\":1008}\n" +
                  U8(u8"{\"event\":\"filedialog\",\"title\":\"保存ファイルを指定\",\"dir\":"
                     u8"\"D:\",\"name\":\"out.csv\",\"filter\":\"CSV Files (*.csv)|*.csv||\","
                     u8"\"defext\":\"CSV\",\"flags\":\"0x180C\",\"answer\":null}\n") +
                  "{\"event\":\"focus\",\"id\":1005}\n" + CANCEL_LINES);
    EXPECT_EQ(m_dlg.m_strOutPath, "D:out.csv");
}

// With Shift, Ctrl or Alt held neither F12 nor Enter does anything of the dialog's own,
// and the framework's default command does not end the dialog unchecked.
TEST_F(ExportDlg, ModifiedF12AndEnterDoNothing) {
    EXPECT_EQ(Run("type C:\\out\\*.csv\nkey Shift+F12\nkey Ctrl+F12\nkey Alt+F12\n"
                  "key Shift+Enter\nkey Ctrl+Enter\nkey Alt+Enter\nkey Ctrl+Shift+Enter\n"
                  "key F1\nkey X\nkey Esc\n"),
              1006);
    EXPECT_THAT(After(), ElementsAreArray(std::vector<std::string>{"msgbox:" + MSG_CANCEL,
                                                                   std::string("end:1006")}));
}

TEST_F(ExportDlg, TabStopsMnemonicsAndButtonsByKeyboard) {
    EXPECT_EQ(Run("key Tab\nkey Tab\nkey Tab\nkey Tab\nkey Shift+Tab\nkey Alt+O\n"
                  "key Alt+D\ncancel\nkey Enter\nfocus 1006\nkey Enter\n"),
              1006);
    EXPECT_THAT(After(),
                ElementsAreArray(std::vector<std::string>{
                    "focus:1008", "focus:1005", "focus:1006", "focus:1007", "focus:1006",
                    "focus:1007", "focus:1008", "filedialog", "focus:1005", "msgbox:" + MSG_BADCHAR,
                    "focus:1007", "focus:1006", "msgbox:" + MSG_CANCEL, "end:1006"}));
}

TEST_F(ExportDlg, RefusalAfterAClickFocusesThePathAgain) {
    EXPECT_EQ(Run("type \nclick 1005\nkey Esc\n"), 1006);
    EXPECT_THAT(After(), ElementsAreArray(std::vector<std::string>{
                             "focus:1005", "msgbox:" + MSG_NOPATH, "focus:1007",
                             "msgbox:" + MSG_CANCEL, std::string("end:1006")}));
}

TEST_F(ExportDlg, TypedTextKeepsToTheEditLimit) {
    const std::string strLong = "C:\\" + std::string(300, 'x');
    EXPECT_EQ(Run("type " + strLong + "\nclick 1008\ncancel\nkey Esc\n"), 1006);
    EXPECT_EQ(m_dlg.m_strOutPath, strLong.substr(0, 255));
    EXPECT_EQ(Run("type " + U8(u8"C:\\") +
                  [] {
                      std::string str;
                      for (int i = 0; i < 300; ++i)
                          str += U8(u8"表");
                      return str;
                  }() +
                  "\nclick 1008\ncancel\nkey Esc\n"),
              1006);
    // 255 characters: "C:\" and 252 double-byte characters.
    EXPECT_EQ(m_dlg.m_strOutPath.size(), 3u + 2u * 252u);
}

TEST_F(ExportDlg, DestructionReleasesTheFileManager) {
    const int nBefore = FileMgrReleases();
    { ClExportDlg dlg; }
    EXPECT_EQ(FileMgrReleases(), nBefore + 1);
}

} // namespace
