#include "app/ExportApp.h"

#include "dialog/ExportDlg.h"
#include "dialog/PathUtil.h"
#include "export/AssetExporter.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/Profile.h"
#include "services/AccConnect.h"
#include "services/DataMgr.h"
#include "services/Edition.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

const char G_TITLE[] = "減価償却";

namespace {

constexpr long USE_DATA_TYPE = 3;
constexpr short DATA_KIND_PAST = 99;
constexpr int DIALOG_EXECUTE = 1005;

constexpr char ENV_FILE[] = "WendmoorDef.ini";
constexpr char MSG_NO_ENVIRONMENT[] =
    "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。";
constexpr char MSG_PROGRAM_TOO_NEW[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。"
    "\nES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。";
constexpr char MSG_PROGRAM_TOO_OLD[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。"
    "\n連動コンポーネントの最新版を入手してインストールしてからご利用ください。";

constexpr char MSG_DONE[] = "減価償却情報の出力が正常に終了しました。\n\n償却資産データ ⇒ %s    "
                            "\n資産種類データ ⇒ %s    \n\nアプリケーションを終了します。";
constexpr char MSG_DONE_WITH_LOG[] =
    "減価償却情報の出力が一応終了しました。\n\nアプリケーションを終了します。";
constexpr char MSG_WRITE_FAILED[] = "減価償却情報の出力に失敗しました。\n\n"
                                    "次のファイルを書き込めませんでした。\n%s\n\n"
                                    "アプリケーションを終了します。";

constexpr char VIEWER_FOLDER_NT[] = ":\\Program Files\\Windows NT\\Accessories";
constexpr char VIEWER_FOLDER_9X[] = ":\\Program Files\\Accessories";
constexpr char VIEWER_PROGRAM[] = "\\Wordpad.exe ";

// The longest prefix of szText, at most nMax bytes, that ends on a whole character.
std::size_t _WholeCharLength(const char* szText, std::size_t nLen, std::size_t nMax) {
    std::size_t nPos = 0;
    const std::string_view text(szText, nLen);
    while (nPos < nLen) {
        const std::size_t nStep = Cp932PairLen(text, nPos);
        if (nPos + nStep > nMax)
            break;
        nPos += nStep;
    }
    return nPos;
}

} // namespace

BOOL ClExportApp::InitInstance() {
    // ActiveX control containment has no counterpart here: the dialog holds no such control.
    ClAccConnect* pConnect = ClAccConnect::Inst();
    pConnect->m_pszTitle = G_TITLE;
    pConnect->SetAppType(G_EDITION.eAppType);
    pConnect->SetUseDataType(USE_DATA_TYPE);
    if (pConnect->Initiate() != 0)
        return FALSE;
    _EnterProgramFolder();
    if (!CheckProgramLevel(TRUE))
        return FALSE;
    if (pConnect->ExpSysLink() != 0)
        return FALSE;
    return _RunExport();
}

int ClExportApp::ExitInstance() {
    ClAccConnect* pConnect = ClAccConnect::Inst();
    pConnect->LogOut();
    pConnect->Terminate();
    pConnect->Release();
    return ClWinApp::ExitInstance();
}

// WendmoorDef.ini and a bare output name are looked up in the program's own folder.
void ClExportApp::_EnterProgramFolder() {
    char szModule[MAX_PATH + 1] = {};
    DWORD dwLen = GetModuleFileName(szModule, sizeof szModule);
    if (dwLen == 0 || dwLen >= sizeof szModule)
        return;
    SetCurrentDirectory(SplitFolder(szModule).c_str());
}

BOOL ClExportApp::CheckProgramLevel(BOOL bShowMsg) {
    static const char* const s_apszMessage[] = {MSG_NO_ENVIRONMENT, nullptr, MSG_PROGRAM_TOO_NEW,
                                                MSG_PROGRAM_TOO_OLD};
    int nCode = _GetLevelCode();
    if (nCode == 0)
        return TRUE;
    if (bShowMsg)
        ClAccConnect::Inst()->DispMsg(nullptr, s_apszMessage[nCode + 1], G_TITLE,
                                      MB_ICONEXCLAMATION);
    return FALSE;
}

int ClExportApp::_GetLevelCode() {
    char szDir[MAX_PATH + 1] = {};
    DWORD dwLen = GetCurrentDirectory(sizeof szDir, szDir);
    if (dwLen >= sizeof szDir) // too long for the buffer: the name alone finds it
        szDir[0] = '\0';
    char szFile[517] = {};
    std::snprintf(szFile, sizeof szFile, "%s", szDir);
    AddBackslash(szFile, sizeof szFile);
    std::strncat(szFile, ENV_FILE, sizeof szFile - 1 - std::strlen(szFile));
    if (_access(szFile, 0) != 0)
        return -1;
    char szValue[16] = {};
    GetPrivateProfileString("ProgramLevel", "GK13", "1", szValue, sizeof szValue, szFile);
    if (szValue[0] == '\0')
        return -1;
    long lLevel = std::strtol(szValue, nullptr, 10);
    return lLevel == 1 ? 0 : (lLevel > 1 ? 2 : 1);
}

BOOL ClExportApp::LoadDataInfo(StDATAINFO* pInfo) {
    if (!pInfo)
        return FALSE;
    if (!m_pSetData)
        m_pSetData = ClDataMgr::Inst()->GetSetObject(5, 1);
    std::memset(pInfo, 0, sizeof *pInfo);
    char szUserID[65] = {};
    LONG lSelNo1 = 0;
    LONG lDataNo = 0;
    ClSysUser* pUser = ClDataMgr::Inst()->GetSysUserObject();
    pUser->GetCurUserID(szUserID);
    pUser->GetSelectedNo(szUserID, &lSelNo1, &lDataNo);
    if (!m_pSetData)
        return TRUE;
    long lCursor = 0;
    m_pSetData->GetDatCursor(&lCursor);
    m_pSetData->ReadyDat(lCursor, 0);
    StDATAINFO work;
    for (;;) {
        std::memset(&work, 0, sizeof work);
        if (m_pSetData->WalkDat(&work, lCursor) != 0)
            break;
        if (work.lDataNo == lDataNo) {
            std::memcpy(pInfo, &work, sizeof work);
            break;
        }
    }
    m_pSetData->ReleaseDatCursor(lCursor);
    return TRUE;
}

const char* ClExportApp::GetDataInfoText(short sKind, const StDATAINFO* pInfo) {
    static char s_szText[256];
    std::memset(s_szText, 0, sizeof s_szText);
    if (!pInfo)
        return s_szText;
    if (sKind == INFO_COMPANY) {
        // The blank and the terminator leave 254 bytes; a longer name loses whole characters.
        const char* szName = pInfo->szCompanyName;
        const void* pEnd = std::memchr(szName, '\0', sizeof pInfo->szCompanyName);
        std::size_t nName =
            pEnd ? static_cast<const char*>(pEnd) - szName : sizeof pInfo->szCompanyName;
        std::size_t nLen = _WholeCharLength(szName, nName, sizeof s_szText - 2);
        s_szText[0] = ' ';
        std::memcpy(s_szText + 1, szName, nLen);
    } else if (sKind == INFO_PERIOD) {
        LONG lStart = pInfo->lPeriodStart;
        LONG lEnd = pInfo->lPeriodEnd;
        std::snprintf(s_szText, sizeof s_szText, " %04d/%02d/%02d～%04d/%02d/%02d",
                      static_cast<int>(lStart / 10000), static_cast<int>(lStart % 10000 / 100),
                      static_cast<int>(lStart % 100), static_cast<int>(lEnd / 10000),
                      static_cast<int>(lEnd % 10000 / 100), static_cast<int>(lEnd % 100));
    }
    return s_szText;
}

BOOL ClExportApp::_RunExport() {
    ClExportDlg dlg;
    StDATAINFO info;
    std::memset(&info, 0, sizeof info);
    LoadDataInfo(&info);
    ClSysUser* pUser = ClDataMgr::Inst()->GetSysUserObject();
    pUser->GetCurUserID(dlg.m_szUserID);
    pUser->GetSelectedNo(dlg.m_szUserID, &dlg.m_lSelNo1, &dlg.m_lDataNo);
    dlg.m_bPastData = info.sDataKind == DATA_KIND_PAST;
    dlg.m_strOffice = GetDataInfoText(INFO_COMPANY, &info);
    dlg.m_strPeriod = GetDataInfoText(INFO_PERIOD, &info);
    // Only a confirmed, checked path leads to an export; anything else ends the run.
    if (dlg.DoModal() != DIALOG_EXECUTE)
        return FALSE;
    // The path goes on whole: one that does not fit a path buffer fails to open and is
    // reported as not written, never exported under a shortened name.
    const std::string strOutPath = dlg.m_strOutPath;

    ClWaitCursor wait;
    ClAssetExporter exporter;
    exporter.m_strPath = strOutPath;
    exporter.OpenAssetFile(&info);
    exporter.ExportAssets();
    exporter.ExportAssetTypes(&info);
    wait.Restore();
    dlg.SaveOutputPath(strOutPath.c_str());
    _ReportCompletion(exporter.GetFileSet(), strOutPath);
    return TRUE;
}

void ClExportApp::_ReportCompletion(const ClExportFileSet& fileSet, const std::string& strOutPath) {
    const char* szErrLog = fileSet.GetOutputName(ClExportFileSet::OUT_ERRLOG);
    // A log that could not be written completely is left as it is: it is not the record
    // of this export.
    const BOOL bLogWritten = !fileSet.HasFailed(ClExportFileSet::OUT_ERRLOG);
    StFILESTATUS status{};
    GetFileStatus(szErrLog, status);
    const BOOL bLogged = bLogWritten && status.m_size > 0;
    if (bLogged)
        _ShowErrorLog(szErrLog);
    else if (bLogWritten)
        DeleteFile(szErrLog);

    std::string strFailed;
    for (auto eKind : {ClExportFileSet::OUT_ASSET, ClExportFileSet::OUT_ASSETTYPE,
                       ClExportFileSet::OUT_ERRLOG}) {
        if (!fileSet.HasFailed(eKind))
            continue;
        // The asset data file by the path as confirmed, even one too long to be opened; a
        // derived name that did not fit loses its last, broken character.
        const char* szName = fileSet.GetOutputName(eKind);
        std::string strName =
            eKind == ClExportFileSet::OUT_ASSET
                ? strOutPath
                : std::string(szName,
                              _WholeCharLength(szName, std::strlen(szName), std::strlen(szName)));
        strFailed += (strFailed.empty() ? "" : "\n") + strName;
    }
    if (!strFailed.empty()) {
        std::string strText(sizeof MSG_WRITE_FAILED + strFailed.size(), '\0');
        int nLen =
            std::snprintf(strText.data(), strText.size(), MSG_WRITE_FAILED, strFailed.c_str());
        strText.resize(static_cast<std::size_t>(nLen));
        MessageBox(nullptr, strText.c_str(), G_TITLE, MB_ICONEXCLAMATION);
    } else if (bLogged) {
        MessageBox(nullptr, MSG_DONE_WITH_LOG, G_TITLE, MB_ICONINFORMATION);
    } else {
        char szText[1024] = {};
        std::snprintf(szText, sizeof szText, MSG_DONE, strOutPath.c_str(),
                      fileSet.GetOutputName(ClExportFileSet::OUT_ASSETTYPE));
        MessageBox(nullptr, szText, G_TITLE, MB_ICONINFORMATION);
    }
}

void ClExportApp::_ShowErrorLog(const char* szErrLog) {
    char szWinDir[MAX_PATH + 1] = {};
    GetWindowsDirectory(szWinDir, sizeof szWinDir);
    std::string strFolder(szWinDir, szWinDir[0] ? 1 : 0); // the drive letter alone
    StOSVERSIONINFO version{};
    version.dwOSVersionInfoSize = sizeof version;
    // Without a version nothing is appended, and the viewer does not start.
    if (GetVersionEx(&version))
        strFolder +=
            version.dwPlatformId == VER_PLATFORM_WIN32_NT ? VIEWER_FOLDER_NT : VIEWER_FOLDER_9X;
    std::string strCmdLine = strFolder + VIEWER_PROGRAM + "\"" + szErrLog + "\"";
    ExecuteAndWait(strCmdLine.c_str(), strFolder.c_str(), TRUE);
}

BOOL ClExportApp::ExecuteAndWait(const char* szCmdLine, const char* szCurDir, BYTE bWait) {
    StPROCESSINFO process{};
    const BOOL bStarted = CreateProcess(szCmdLine, szCurDir, &process);
    ClDialogHost::NotifyExec(szCmdLine, szCurDir, bStarted);
    if (!bStarted)
        return FALSE;
    ClDialogHost::PumpMessages(1000);
    if (bWait) {
        WaitForProcess(process);
        // Keys pressed and clicks made while the viewer was open have no effect.
        ClDialogHost::DiscardInput();
    }
    return TRUE;
}
