#include "platform/Path.h"

#include "platform/CodePage.h"
#include "platform/posix/WinPath.h"

#include <algorithm>
#include <cstring>
#include <string_view>

using namespace gkposix;

namespace {

// Copies at most cbBuf - 1 bytes and the terminator, as the runtime cuts each part.
void _CopyPart(char* szOut, int cbBuf, std::string_view part) {
    if (!szOut)
        return;
    const std::size_t cb = std::min(part.size(), static_cast<std::size_t>(cbBuf - 1));
    std::copy_n(part.data(), cb, szOut);
    szOut[cb] = '\0';
}

} // namespace

void _splitpath(const char* szPath, char* szDrive, char* szDir, char* szFname, char* szExt) {
    std::string_view rest = szPath ? szPath : "";
    std::string_view drive;
    if (rest.size() >= 2 && rest[1] == ':') {
        drive = rest.substr(0, 2);
        rest.remove_prefix(2);
    }
    // The last separator and the last dot after it, stepping over double-byte
    // characters: the trail byte of 表 (0x95 0x5C) is no separator.
    std::size_t cbDir = 0;
    std::size_t posDot = std::string_view::npos;
    for (std::size_t i = 0; i < rest.size();) {
        const std::size_t n = Cp932PairLen(rest, i);
        if (n == 1 && IsSep(rest[i])) {
            cbDir = i + 1;
            posDot = std::string_view::npos;
        } else if (n == 1 && rest[i] == '.') {
            posDot = i;
        }
        i += n;
    }
    const std::string_view name = rest.substr(cbDir);
    const std::size_t cbFname = posDot == std::string_view::npos ? name.size() : posDot - cbDir;
    _CopyPart(szDrive, _MAX_DRIVE, drive);
    _CopyPart(szDir, _MAX_DIR, rest.substr(0, cbDir));
    _CopyPart(szFname, _MAX_FNAME, name.substr(0, cbFname));
    _CopyPart(szExt, _MAX_EXT, name.substr(cbFname));
}

BOOL PathGetRoot(const char* szPath, char* szRoot) {
    if (!szPath || !szRoot)
        return FALSE;
    const std::string_view path = szPath;
    std::string strRoot;
    if (path.size() >= 3 && path[1] == ':' && IsSep(path[2]) &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        strRoot = std::string(path.substr(0, 2)) + "\\";
    } else if (path.size() >= 2 && IsSep(path[0]) && IsSep(path[1])) {
        const auto vPart = SplitSeps(path.substr(2));
        if (vPart.size() < 2 || vPart[0].empty() || vPart[1].empty())
            return FALSE;
        strRoot = "\\\\" + vPart[0] + "\\" + vPart[1] + "\\";
    } else {
        return FALSE;
    }
    if (strRoot.size() > static_cast<std::size_t>(MAX_PATH))
        return FALSE;
    std::memcpy(szRoot, strRoot.c_str(), strRoot.size() + 1);
    return TRUE;
}
