// The remembered output path: one line "user/selno/datano:path" LF per user and data in
// the settings file. The file is replaced through a temporary file, so that a failed or
// interrupted save leaves the old one as it was.
#include "dialog/ExportDlg.h"
#include "dialog/PathUtil.h"
#include "platform/FileStream.h"
#include "platform/FileSystem.h"
#include "services/Edition.h"
#include "services/FileMgr.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

constexpr std::size_t KEY_BUF = 51;
constexpr char SZ_TEMP_SUFFIX[] = ".tmp";

BOOL _ReadWhole(const char* szFile, std::string& strText) {
    ClFileStream file;
    file.Open(szFile, ClFileStream::OM_IN | ClFileStream::OM_NOCREATE | ClFileStream::OM_BINARY);
    if (!file.IsOpen())
        return FALSE;
    strText.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    const bool bGood = !file.bad();
    file.Close();
    return bGood && !file.fail();
}

BOOL _WriteWhole(const std::string& strFile, const std::string& strText) {
    const std::string strTemp = strFile + SZ_TEMP_SUFFIX;
    if (strTemp.size() > static_cast<std::size_t>(MAX_PATH))
        return FALSE;
    ClFileStream file;
    file.Open(strTemp.c_str(),
              ClFileStream::OM_OUT | ClFileStream::OM_TRUNC | ClFileStream::OM_BINARY);
    if (!file.IsOpen())
        return FALSE;
    file.write(strText.data(), static_cast<std::streamsize>(strText.size()));
    file.Close();
    if (file.fail() || !MoveFileReplace(strTemp.c_str(), strFile.c_str())) {
        DeleteFile(strTemp.c_str());
        return FALSE;
    }
    return TRUE;
}

bool _StartsWith(std::string_view text, std::size_t nPos, std::string_view key) {
    return text.compare(nPos, key.size(), key) == 0;
}

} // namespace

BOOL ClExportDlg::_SettingsFile(std::string& strFile) const {
    strFile = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS);
    strFile += G_EDITION.szSettingsFile;
    return strFile.size() <= static_cast<std::size_t>(MAX_PATH);
}

// A key that does not fit its 50 characters is never stored nor looked up.
BOOL ClExportDlg::_Key(std::string& strKey) const {
    char szKey[KEY_BUF];
    const std::string strUser(m_szUserID, strnlen(m_szUserID, sizeof m_szUserID));
    const int nLen = std::snprintf(szKey, sizeof szKey, "%s/%d/%d:", strUser.c_str(),
                                   static_cast<int>(m_lSelNo1), static_cast<int>(m_lDataNo));
    if (nLen < 0 || static_cast<std::size_t>(nLen) >= sizeof szKey)
        return FALSE;
    strKey = szKey;
    return TRUE;
}

BOOL ClExportDlg::LoadOutputPath(char* szPath) {
    std::string strFile, strKey, strText;
    if (!_SettingsFile(strFile) || !_Key(strKey) || _access(strFile.c_str(), 0) != 0 ||
        !_ReadWhole(strFile.c_str(), strText))
        return FALSE;
    for (std::size_t nLine = 0; nLine < strText.size();) {
        const std::size_t nEnd = std::min(strText.find('\n', nLine), strText.size());
        if (_StartsWith(strText, nLine, strKey)) {
            const std::size_t nStart = nLine + strKey.size();
            // A stored path longer than a path buffer is not offered.
            if (nEnd - nStart > static_cast<std::size_t>(MAX_PATH))
                return FALSE;
            std::memcpy(szPath, strText.data() + nStart, nEnd - nStart);
            szPath[nEnd - nStart] = '\0';
            return TRUE;
        }
        nLine = nEnd + 1;
    }
    return FALSE;
}

BOOL ClExportDlg::SaveOutputPath(const char* szPath) {
    const std::string strFolder = ClFileMgr::Inst()->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS);
    if (strFolder.empty())
        return FALSE;
    if (!IsFolder(strFolder.c_str()) && !CreateFolderChain(strFolder.c_str()))
        return FALSE;
    std::string strFile, strKey;
    const std::string_view path = szPath ? szPath : "";
    // What could not be read back, or would break the line structure, is not stored.
    if (!_SettingsFile(strFile) || !_Key(strKey) ||
        path.size() > static_cast<std::size_t>(MAX_PATH) ||
        path.find('\n') != std::string_view::npos)
        return FALSE;
    std::string strOld, strNew;
    if (_access(strFile.c_str(), 0) == 0 && !_ReadWhole(strFile.c_str(), strOld))
        return FALSE;
    // Every line of the key goes; the other lines keep their order.
    for (std::size_t nLine = 0; nLine < strOld.size();) {
        const std::size_t nNext = std::min(strOld.find('\n', nLine), strOld.size() - 1) + 1;
        if (!_StartsWith(strOld, nLine, strKey))
            strNew.append(strOld, nLine, nNext - nLine);
        nLine = nNext;
    }
    if (!strNew.empty() && strNew.back() != '\n')
        strNew += '\n'; // a last line without its line feed keeps its own line
    strNew += strKey;
    strNew += path;
    strNew += '\n';
    return _WriteWhole(strFile, strNew);
}
