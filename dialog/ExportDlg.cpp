#include "dialog/ExportDlg.h"

#include "dialog/PathUtil.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "services/FileMgr.h"

#include <cstring>

namespace {

constexpr char SZ_TITLE[] = "減価償却";

constexpr char MSG_PASTDATA[] =
    "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。";
constexpr char MSG_CANCEL[] = "｢減価償却｣の集計を中止します。";
constexpr char MSG_NOPATH[] = "データ出力先が指定されていません。\n\n出力先を指定してください。";
constexpr char MSG_BADCHAR[] =
    "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。";
constexpr char MSG_BADDRIVE[] =
    "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。";
constexpr char MSG_NOFILENAME[] = "ファイル名が指定されていません。";
constexpr char MSG_CREATEFOLDER[] =
    "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？";
constexpr char MSG_CREATEFAILED[] =
    "フォルダの作成に失敗しました。\n\n出力先を再入力してください。";
constexpr char MSG_OVERWRITE[] = "同名のファイルが存在します。\n\n上書きしてもよろしいですか？";

constexpr char SZ_BROWSE_TITLE[] = "保存ファイルを指定";
constexpr char SZ_BROWSE_FILTER[] = "CSV Files (*.csv)|*.csv||";
constexpr char SZ_BROWSE_DEFEXT[] = "CSV";
constexpr char SZ_PATTERN[] = "*.csv";
constexpr int OUTPATH_LIMIT = 255;
constexpr int ACCESS_EXISTS = 0;

struct StCOMMAND {
    UINT nId;
    void (ClExportDlg::*pfnHandler)();
};

// Copies as much of text as fits a PATH_BUF buffer without cutting a character.
void _CopyWhole(char* szPath, const std::string& strText) {
    std::size_t nLen = 0;
    while (nLen < strText.size()) {
        const std::size_t n = IsInDbcsChar(strText.c_str(), nLen) ? 2 : 1;
        if (nLen + n > PATH_BUF - 1)
            break;
        nLen += n;
    }
    std::memcpy(szPath, strText.data(), nLen);
    szPath[nLen] = '\0';
}

} // namespace

ClExportDlg::ClExportDlg(HWND hParent) : ClDialog(G_DLG_EXPORTCOND, hParent) {}

ClExportDlg::~ClExportDlg() {
    ClFileMgr::Inst()->Release();
}

void ClExportDlg::DoDataExchange(ClDataExchange* pDX) {
    ClDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRP_OUTPUT, m_grpOutput);
    DDX_Control(pDX, IDC_BTN_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_BTN_EXECUTE, m_btnExecute);
    DDX_Control(pDX, IDC_BTN_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_EDT_OUTPATH, m_edtOutPath);
    DDX_Text(pDX, IDC_STC_OFFICE, m_strOffice);
    DDX_Text(pDX, IDC_STC_PERIOD, m_strPeriod);
    DDX_Text(pDX, IDC_EDT_OUTPATH, m_strOutPath);
}

BOOL ClExportDlg::OnCommand(UINT nId) {
    static constexpr StCOMMAND G_COMMANDS[] = {
        {IDC_BTN_BROWSE, &ClExportDlg::OnBrowse},
        {IDC_BTN_EXECUTE, &ClExportDlg::OnExecute},
        {IDC_BTN_CANCEL, &ClExportDlg::OnCancel},
    };
    for (const StCOMMAND& rCommand : G_COMMANDS)
        if (rCommand.nId == nId) {
            (this->*rCommand.pfnHandler)();
            return TRUE;
        }
    return ClDialog::OnCommand(nId);
}

BOOL ClExportDlg::OnInitDialog() {
    ClDialog::OnInitDialog();
    if (m_bPastData) {
        MessageBox(m_hWnd, MSG_PASTDATA, SZ_TITLE, MB_ICONEXCLAMATION);
        EndDialog(IDC_BTN_CANCEL);
    }
    m_edtOutPath.LimitText(OUTPATH_LIMIT);
    char szPath[PATH_BUF] = {};
    if (!LoadOutputPath(szPath))
        _DefaultOutputPath(szPath);
    m_strOutPath = szPath;
    UpdateData(FALSE);
    return TRUE;
}

// The default output folder, else the temporary folder, followed by the pattern; a
// folder near the limit is cut to what the path buffer holds.
void ClExportDlg::_DefaultOutputPath(char* szPath) {
    std::string strPath = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_OUTPUT);
    if (strPath.empty()) {
        char szTemp[PATH_BUF] = {};
        if (GetTempPath(sizeof szTemp, szTemp) < sizeof szTemp)
            AddBackslash(szTemp, sizeof szTemp);
        else
            szTemp[0] = '\0';
        strPath = szTemp;
    }
    _CopyWhole(szPath, strPath + SZ_PATTERN);
}

void ClExportDlg::OnCancel() {
    MessageBox(m_hWnd, MSG_CANCEL, SZ_TITLE, MB_ICONINFORMATION);
    EndDialog(IDC_BTN_CANCEL);
}

// The framework's default command (Enter with Shift, Ctrl or Alt in the path edit) is
// ignored: only Execute and F12 end the dialog, and only after the path checks.
void ClExportDlg::OnOK() {}

void ClExportDlg::OnBrowse() {
    UpdateData(TRUE);
    std::string strFolder = SplitFolder(m_strOutPath);
    std::string strName = SplitFileName(m_strOutPath);
    if (strFolder.empty()) {
        // "D:out.csv" opens in D: with the name out.csv.
        const std::size_t nColon = m_strOutPath.rfind(':');
        if (nColon != std::string::npos) {
            strFolder = m_strOutPath.substr(0, nColon + 1);
            strName = m_strOutPath.substr(nColon + 1);
        }
    }
    ClFileDialog dlg(SZ_BROWSE_DEFEXT, strName.c_str(),
                     OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                     SZ_BROWSE_FILTER, this);
    dlg.m_ofn.szInitialDir = strFolder.c_str();
    dlg.m_ofn.szTitle = SZ_BROWSE_TITLE;
    if (dlg.DoModal() == IDOK) {
        m_strOutPath = dlg.GetPathName();
        m_edtOutPath.SetWindowText(m_strOutPath.c_str());
    }
    m_btnExecute.SetFocus();
}

BOOL ClExportDlg::PreTranslateMessage(StMSG* pMsg) {
    const bool bModifier =
        GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    if (pMsg->message != WM_KEYDOWN || bModifier)
        return ClDialog::PreTranslateMessage(pMsg);
    if (pMsg->wParam == VK_RETURN) {
        if (pMsg->hwnd == m_edtOutPath.m_hWnd) {
            if (m_btnBrowse.IsWindowEnabled())
                m_btnBrowse.SetFocus();
            else
                m_btnExecute.SetFocus();
            return TRUE;
        }
        if (pMsg->hwnd == m_btnBrowse.m_hWnd) {
            OnBrowse();
            return TRUE;
        }
        if (pMsg->hwnd == m_btnExecute.m_hWnd) {
            OnExecute();
            return TRUE;
        }
    } else if (pMsg->wParam == VK_F12) {
        OnExecute();
        return TRUE;
    }
    return ClDialog::PreTranslateMessage(pMsg);
}

void ClExportDlg::FocusOutPath() {
    m_edtOutPath.SetFocus();
    m_edtOutPath.SetSel(0, -1);
}

void ClExportDlg::_Refuse(const char* szText) {
    MessageBox(m_hWnd, szText, SZ_TITLE, MB_ICONEXCLAMATION);
    FocusOutPath();
}

BOOL ClExportDlg::_Ask(const char* szText) {
    return MessageBox(m_hWnd, szText, SZ_TITLE, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void ClExportDlg::OnExecute() {
    UpdateData(TRUE);
    const char* szPath = m_strOutPath.c_str();
    if (m_strOutPath.empty())
        return _Refuse(MSG_NOPATH);
    if (!IsValidPathChars(szPath))
        return _Refuse(MSG_BADCHAR);
    if (!IsValidDrive(szPath))
        return _Refuse(MSG_BADDRIVE);
    if (SplitFileName(m_strOutPath).empty())
        return _Refuse(MSG_NOFILENAME);
    const std::string strFolder = SplitFolder(m_strOutPath);
    if (!strFolder.empty() && _access(strFolder.c_str(), ACCESS_EXISTS) != 0) {
        if (!_Ask(MSG_CREATEFOLDER))
            return FocusOutPath();
        if (!CreateFolderChain(strFolder.c_str()))
            return _Refuse(MSG_CREATEFAILED);
    }
    StFILESTATUS status{0, 0};
    if (!GetFileStatus(szPath, status))
        return EndDialog(IDC_BTN_EXECUTE);
    if (status.m_attribute & FILE_ATTR_DIRECTORY)
        return _Refuse(MSG_NOFILENAME);
    if (_Ask(MSG_OVERWRITE))
        EndDialog(IDC_BTN_EXECUTE);
    else
        FocusOutPath();
}
