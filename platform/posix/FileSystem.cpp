#include "platform/FileSystem.h"

#include "platform/DriveMap.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The host path of a Windows path; a path that does not map behaves as a missing file.
bool _Host(const char* szPath, std::string& strHost) {
    if (ClDriveMap::Inst().ToHost(szPath, strHost))
        return true;
    errno = ENOENT;
    return false;
}

} // namespace

int _access(const char* szPath, int nMode) {
    int nHostMode = 0;
    switch (nMode) {
    case 0:
        nHostMode = F_OK;
        break;
    case 2:
        nHostMode = W_OK;
        break;
    case 4:
        nHostMode = R_OK;
        break;
    case 6:
        nHostMode = R_OK | W_OK;
        break;
    default:
        errno = EINVAL;
        return -1;
    }
    std::string strHost;
    if (!_Host(szPath, strHost))
        return -1;
    return access(strHost.c_str(), nHostMode) == 0 ? 0 : -1;
}

BOOL GetFileStatus(const char* szPath, StFILESTATUS& rStatus) {
    std::string strHost;
    struct stat st;
    if (!_Host(szPath, strHost) || stat(strHost.c_str(), &st) != 0)
        return FALSE;
    const bool bDir = S_ISDIR(st.st_mode);
    rStatus.m_size = bDir ? 0 : static_cast<std::int64_t>(st.st_size);
    rStatus.m_attribute = bDir ? FILE_ATTR_DIRECTORY : 0;
    return TRUE;
}

BOOL DeleteFile(const char* szPath) {
    std::string strHost;
    struct stat st;
    if (!_Host(szPath, strHost) || lstat(strHost.c_str(), &st) != 0)
        return FALSE;
    if (S_ISDIR(st.st_mode))
        return FALSE; // Windows deletes files only
    return unlink(strHost.c_str()) == 0;
}

BOOL CreateDirectory(const char* szPath) {
    std::string strHost;
    return _Host(szPath, strHost) && mkdir(strHost.c_str(), 0777) == 0;
}

BOOL RemoveDirectory(const char* szPath) {
    std::string strHost;
    return _Host(szPath, strHost) && rmdir(strHost.c_str()) == 0;
}

BOOL MoveFileReplace(const char* szFrom, const char* szTo) {
    std::string strFrom, strTo;
    struct stat st;
    if (!_Host(szFrom, strFrom) || !_Host(szTo, strTo))
        return FALSE;
    // MoveFileEx never replaces a folder.
    if (stat(strTo.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return FALSE;
    return std::rename(strFrom.c_str(), strTo.c_str()) == 0;
}

UINT GetDriveType(const char* szRoot) {
    return ClDriveMap::Inst().DriveType(szRoot);
}
