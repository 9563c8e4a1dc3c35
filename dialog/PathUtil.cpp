#include "dialog/PathUtil.h"

#include "platform/CodePage.h"
#include "platform/DriveMap.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int ACCESS_READWRITE = 6;
constexpr std::string_view BAD_TAIL_CHARS = "/:,;*?\"><|";

// The first single-byte character c at or after nFrom; npos when none.
std::size_t _Find(std::string_view s, char c, std::size_t nFrom = 0) {
    for (std::size_t i = 0; i < s.size(); i += Cp932PairLen(s, i))
        if (i >= nFrom && s[i] == c && Cp932PairLen(s, i) == 1)
            return i;
    return std::string_view::npos;
}

std::size_t _FindLast(std::string_view s, char c) {
    std::size_t nLast = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); i += Cp932PairLen(s, i))
        if (s[i] == c && Cp932PairLen(s, i) == 1)
            nLast = i;
    return nLast;
}

// Two backslashes in a row, the first at nFrom or later.
bool _HasDoubleBackslash(std::string_view s, std::size_t nFrom) {
    for (std::size_t i = _Find(s, '\\', nFrom); i != std::string_view::npos;
         i = _Find(s, '\\', i + 1))
        if (i + 1 < s.size() && s[i + 1] == '\\')
            return true;
    return false;
}

char _Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters folded; a double-byte character compares as it is.
bool _EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t n = Cp932PairLen(a, i);
        if (n == 2 ? a.substr(i, 2) != b.substr(i, 2) : _Lower(a[i]) != _Lower(b[i]))
            return false;
        i += n;
    }
    return true;
}

bool _IsNetworkPath(std::string_view path) {
    return path.size() >= 2 && path.substr(0, 2) == "\\\\";
}

// The root of a path ("X:\" or "\\server\share\") as it stands at the path's start.
bool _Root(const char* szPath, std::string& strRoot) {
    char szRoot[PATH_BUF] = {};
    if (!PathGetRoot(szPath, szRoot))
        return false;
    strRoot = szRoot;
    return std::strncmp(szPath, szRoot, strRoot.size()) == 0;
}

// The folder part of szPath with its separator, as a folder level is written.
bool _FolderLevel(const char* szPath, std::string& strLevel) {
    if (!szPath || std::strlen(szPath) >= PATH_BUF)
        return false;
    char szBuf[PATH_BUF] = {};
    std::strcpy(szBuf, szPath);
    if (!GetFolderPart(szBuf) || !AddBackslash(szBuf, PATH_BUF))
        return false;
    strLevel = szBuf;
    return true;
}

} // namespace

BOOL IsValidPathChars(const char* szPath) {
    const std::string_view path = szPath ? szPath : "";
    std::string_view tail = path;
    if (_IsNetworkPath(path)) {
        if (_HasDoubleBackslash(path, 3))
            return FALSE;
        tail.remove_prefix(2);
    } else {
        if (_HasDoubleBackslash(path, 0))
            return FALSE;
        const std::size_t nColon = _Find(path, ':');
        if (nColon != std::string_view::npos)
            tail.remove_prefix(nColon + 1);
    }
    for (std::size_t i = 0; i < tail.size(); i += Cp932PairLen(tail, i))
        if (Cp932PairLen(tail, i) == 1 && BAD_TAIL_CHARS.find(tail[i]) != std::string_view::npos)
            return FALSE;
    return TRUE;
}

BOOL IsValidDrive(const char* szPath) {
    const std::string_view path = szPath ? szPath : "";
    if (_IsNetworkPath(path)) {
        const std::size_t nServerEnd = _Find(path, '\\', 3);
        const std::size_t nShareEnd = nServerEnd == std::string_view::npos
                                          ? std::string_view::npos
                                          : _Find(path, '\\', nServerEnd + 1);
        if (nShareEnd == std::string_view::npos)
            return FALSE;
        const std::string strRoot(path.substr(0, nShareEnd));
        return _access(strRoot.c_str(), ACCESS_READWRITE) == 0;
    }
    if (path.empty() || _HasDoubleBackslash(path, 0))
        return FALSE;
    return IsDriveUsable(path[0], ACCESS_READWRITE);
}

BOOL IsDriveUsable(char cDrive, int nMode) {
    const bool bUpper = cDrive >= 'A' && cDrive <= 'Z';
    if (!bUpper && !(cDrive >= 'a' && cDrive <= 'z'))
        return FALSE;
    char szRoot[8];
    std::snprintf(szRoot, sizeof szRoot, "%c:\\", bUpper ? cDrive : cDrive - 'a' + 'A');
    switch (GetDriveType(szRoot)) {
    case DRIVE_UNKNOWN:
    case DRIVE_NO_ROOT_DIR:
    case DRIVE_CDROM:
    case DRIVE_RAMDISK:
        return FALSE;
    case DRIVE_REMOVABLE:
    case DRIVE_FIXED:
    case DRIVE_REMOTE:
        return _access(szRoot, nMode) == 0;
    default:
        return TRUE;
    }
}

std::string SplitFolder(std::string_view path) {
    const std::size_t n = _FindLast(path, '\\');
    return n == std::string_view::npos ? std::string() : std::string(path.substr(0, n + 1));
}

std::string SplitFileName(std::string_view path) {
    const std::size_t n = _FindLast(path, '\\');
    return std::string(n == std::string_view::npos ? path : path.substr(n + 1));
}

BOOL IsInDbcsChar(const char* szText, std::size_t nPos) {
    const std::string_view text = szText ? szText : "";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Cp932PairLen(text, i);
        if (n == 2 && (nPos == i || nPos == i + 1))
            return TRUE;
        i += n;
    }
    return FALSE;
}

BOOL AddBackslash(char* szPath, std::size_t nSize) {
    if (!szPath || !*szPath)
        return FALSE;
    const std::size_t nLen = std::strlen(szPath);
    const bool bTrail = IsInDbcsChar(szPath, nLen - 1) != FALSE;
    if (!bTrail && szPath[nLen - 1] == '\\')
        return TRUE;
    // Also a final trail byte 0x5C needs room for the separator: nothing is written past
    // the buffer.
    if (nLen + 1 >= nSize)
        return FALSE;
    szPath[nLen] = '\\';
    szPath[nLen + 1] = '\0';
    return TRUE;
}

BOOL GetFolderPart(char* szPath) {
    if (!szPath || !*szPath)
        return FALSE;
    char szDrive[_MAX_DRIVE] = {};
    char szDir[_MAX_DIR] = {};
    char szName[_MAX_FNAME] = {};
    char szExt[_MAX_EXT] = {};
    _splitpath(szPath, szDrive, szDir, szName, szExt);
    std::string strFolder = std::string(szDrive) + szDir;
    // A part cut to its buffer would name another folder.
    if (strFolder.empty() ||
        strFolder.size() + std::strlen(szName) + std::strlen(szExt) != std::strlen(szPath))
        return FALSE;
    const std::size_t nLen = strFolder.size();
    // The joined text is never longer than the path, so it fits where the path was.
    if (nLen < std::strlen(szPath) &&
        (IsInDbcsChar(strFolder.c_str(), nLen - 1) || strFolder.back() != '\\'))
        strFolder += '\\';
    std::memcpy(szPath, strFolder.c_str(), strFolder.size() + 1);
    return TRUE;
}

BOOL IsFolder(const char* szPath) {
    if (!szPath || !*szPath)
        return FALSE;
    std::string strTest = szPath;
    const std::size_t nLen = strTest.size();
    if (strTest.back() != '\\' || IsInDbcsChar(szPath, nLen - 1)) {
        std::string strCopy = strTest;
        if (GetFolderPart(strCopy.data()))
            strTest = strCopy.c_str();
    }
    StFILESTATUS status{0, 0};
    return GetFileStatus(strTest.c_str(), status) && (status.m_attribute & FILE_ATTR_DIRECTORY);
}

BOOL CreateFolderChain(const char* szFolder) {
    if (!szFolder || !*szFolder || std::strlen(szFolder) >= PATH_BUF)
        return FALSE;
    char szPath[PATH_BUF] = {};
    std::strcpy(szPath, szFolder);
    std::string strRoot;
    if (!GetFolderPart(szPath) || !AddBackslash(szPath, PATH_BUF) || !_Root(szPath, strRoot))
        return FALSE;
    const std::string_view path = szPath;
    const std::string_view rest = path.substr(strRoot.size());
    if (rest.empty())
        return FALSE;
    // Each level is the path up to one of its separators, so it always has its own
    // separator within the buffer.
    std::string strLastExisting = strRoot;
    for (std::size_t i = _Find(rest, '\\'); i != std::string_view::npos;
         i = _Find(rest, '\\', i + 1)) {
        const std::string strLevel(path.substr(0, strRoot.size() + i + 1));
        if (IsFolder(strLevel.c_str())) {
            strLastExisting = strLevel;
        } else if (!CreateDirectory(strLevel.c_str())) {
            RemoveCreatedFolders(strLevel.c_str(), strLastExisting.c_str());
            return FALSE;
        }
    }
    return TRUE;
}

BOOL RemoveCreatedFolders(const char* szFailedLevel, const char* szLastExisting) {
    std::string strTarget, strBase, strTargetRoot, strBaseRoot;
    if (!_FolderLevel(szFailedLevel, strTarget) || !_FolderLevel(szLastExisting, strBase) ||
        !_Root(strTarget.c_str(), strTargetRoot) || !_Root(strBase.c_str(), strBaseRoot) ||
        !_EqualNoCase(strTargetRoot, strBaseRoot))
        return FALSE;
    const std::string_view target = std::string_view(strTarget).substr(strTargetRoot.size());
    const std::string_view base = std::string_view(strBase).substr(strBaseRoot.size());
    if (base.size() > target.size() || !_EqualNoCase(target.substr(0, base.size()), base))
        return FALSE;
    // From the deepest level up; the levels of the base existed before and stay.
    std::vector<std::size_t> vecSeps;
    for (std::size_t i = _Find(target, '\\'); i != std::string_view::npos;
         i = _Find(target, '\\', i + 1))
        vecSeps.push_back(i);
    for (auto it = vecSeps.rbegin(); it != vecSeps.rend(); ++it) {
        const std::size_t k = *it;
        if (k < base.size())
            return TRUE;
        const std::string strLevel = strTargetRoot + std::string(target.substr(0, k));
        if (IsFolder((strLevel + '\\').c_str()) && !RemoveDirectory(strLevel.c_str()))
            return FALSE;
    }
    return TRUE;
}
