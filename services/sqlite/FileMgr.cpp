#include "services/FileMgr.h"

#include "services/sqlite/AccDb.h"

#include <cstring>

namespace {
// The system keys of the folder kinds.
const char* const S_FOLDERKEYS[] = {"output_folder", "settings_folder"};
} // namespace

ClFileMgr* ClFileMgr::Inst() {
    static ClFileMgr s_inst;
    return &s_inst;
}

const char* ClFileMgr::GetAppFolderPath(long lKind) {
    if (lKind != FOLDER_OUTPUT && lKind != FOLDER_SETTINGS)
        return "";
    char* szFolder = m_aszFolder[lKind];
    szFolder[0] = '\0';
    const ClAccDb* pDb = ClAccDb::Current();
    std::string strFolder;
    // The start-up check keeps a folder within its 261 bytes.
    if (pDb && pDb->GetSystemValue(S_FOLDERKEYS[lKind], strFolder) &&
        strFolder.size() < sizeof(m_aszFolder[lKind]))
        std::memcpy(szFolder, strFolder.c_str(), strFolder.size() + 1);
    return szFolder;
}

long ClFileMgr::Release() {
    return 0;
}
