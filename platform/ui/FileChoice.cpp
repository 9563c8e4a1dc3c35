#include "platform/ui/FileChoice.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace {

BOOL _Exists(const std::string& strPath, bool bFolder) {
    StFILESTATUS status{};
    if (!GetFileStatus(strPath.c_str(), status))
        return FALSE;
    return ((status.m_attribute & FILE_ATTR_DIRECTORY) != 0) == bFolder;
}

} // namespace

BOOL CheckFileChoice(const StOPENFILENAME& rOfn, std::string& strPath, std::string& strComplaint) {
    char szDrive[_MAX_DRIVE], szDir[_MAX_DIR], szName[_MAX_FNAME], szExt[_MAX_EXT];
    _splitpath(strPath.c_str(), szDrive, szDir, szName, szExt);
    const std::string strFile = std::string(szName) + szExt;
    strComplaint.clear();
    if (strFile.empty() || strFile.find_first_of("*?") != std::string::npos) {
        strComplaint = strPath + "\nファイル名が正しくありません。";
        return FALSE;
    }
    if (!*szExt && rOfn.szDefExt && *rOfn.szDefExt)
        strPath += std::string(".") + rOfn.szDefExt;
    const std::string strFolder = std::string(szDrive) + szDir;
    if ((rOfn.dwFlags & OFN_PATHMUSTEXIST) && !strFolder.empty() && !_Exists(strFolder, true))
        strComplaint = strPath + "\nパスが存在しません。\nパスを確認してください。";
    else if ((rOfn.dwFlags & OFN_FILEMUSTEXIST) && !_Exists(strPath, false))
        strComplaint = strPath + "\nファイルが見つかりません。\nファイル名を確認してください。";
    return strComplaint.empty();
}
