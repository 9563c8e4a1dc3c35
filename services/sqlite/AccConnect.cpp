#include "services/AccConnect.h"

#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "services/sqlite/AccDb.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// ACCSYS_DB, or the sample database beside the program.
std::string _DatabasePath() {
    if (const char* szPath = std::getenv("ACCSYS_DB"))
        return szPath;
    char szExe[4096];
    const ssize_t n = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    std::string strExe(szExe, n > 0 ? static_cast<std::size_t>(n) : 0);
    return strExe.substr(0, strExe.rfind('/') + 1) + "sample.db";
}

// Whether the current user has a users row; the message says why not.
BOOL _FindCurrentUser(const ClAccDb& db, std::string& strMessage) {
    std::string strUser;
    if (!db.GetSystemValue("current_user", strUser) || strUser.empty()) {
        strMessage = "ログイン中のユーザーが会計データベースに設定されていません。\n"
                     "表 system のキー current_user を確かめてください。";
        return FALSE;
    }
    ClAccStmt stmt;
    if (stmt.Prepare(db.Handle(), "SELECT 1 FROM users WHERE user_id IN (?1, ?2)")) {
        BindAccKey(stmt, 1, AccKey(strUser));
        if (stmt.Step() == SQLITE_ROW)
            return TRUE;
    }
    strMessage = "ユーザー「" + strUser + "」は会計データベースの表 users に登録されていません。";
    return FALSE;
}

// Every ES_APRPACKAGENAME that begins at a character boundary: a trail byte of a
// double-byte character cannot start one.
std::string _ReplacePlaceholder(std::string_view text, const std::string& strPackage) {
    static constexpr std::string_view PLACEHOLDER = "ES_APRPACKAGENAME";
    std::string strOut;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, PLACEHOLDER.size()) == PLACEHOLDER) {
            strOut += strPackage;
            i += PLACEHOLDER.size();
            continue;
        }
        const std::size_t nChar = Cp932CharLen(text, i);
        strOut.append(text.substr(i, nChar));
        i += nChar;
    }
    return strOut;
}

} // namespace

ClAccConnect* ClAccConnect::Inst() {
    static ClAccConnect s_inst;
    return &s_inst;
}

long ClAccConnect::SetAppType(ClSysEnvMgr::_AppType eAppType) {
    m_eAppType = eAppType;
    return 0;
}

long ClAccConnect::SetUseDataType(long lUseDataType) {
    m_lUseDataType = lUseDataType;
    return 0;
}

long ClAccConnect::Initiate() {
    m_bLinked = FALSE;
    std::string strMessage;
    if (ClAccDb::Open(_DatabasePath(), strMessage))
        return 0;
    MessageBox(nullptr, strMessage.c_str(), m_pszTitle ? m_pszTitle : "", MB_ICONEXCLAMATION);
    return -1;
}

long ClAccConnect::ExpSysLink() {
    std::string strMessage = "会計システムに接続されていません。";
    const ClAccDb* pDb = ClAccDb::Current();
    m_bLinked = pDb && _FindCurrentUser(*pDb, strMessage);
    if (m_bLinked)
        return 0;
    MessageBox(nullptr, strMessage.c_str(), m_pszTitle ? m_pszTitle : "", MB_ICONEXCLAMATION);
    return -1;
}

long ClAccConnect::DispMsg(HWND hOwner, const char* szText, const char* szCaption, UINT uType) {
    std::string strPackage;
    if (const ClAccDb* pDb = ClAccDb::Current())
        pDb->GetSystemValue("package_name", strPackage);
    const std::string strText = _ReplacePlaceholder(szText ? szText : "", strPackage);
    return MessageBox(hOwner, strText.c_str(), szCaption ? szCaption : "", uType);
}

long ClAccConnect::LogOut() {
    m_bLinked = FALSE;
    return 0;
}

long ClAccConnect::Terminate() {
    m_bLinked = FALSE;
    ClAccDb::Close();
    return 0;
}

long ClAccConnect::Release() {
    return 0;
}
