#include "platform/DriveMap.h"

#include "platform/CodePage.h"
#include "platform/posix/WinPath.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace gkposix;

namespace {

// A host folder that a drive or share stands for. Host paths of the executable and the
// current folder come back resolved, so a root reached through a symbolic link is also
// known by its resolved form.
struct StRoot {
    std::string strHost;
    std::string strReal;
};

struct StDrive {
    bool bSet = false;
    UINT uType = DRIVE_NO_ROOT_DIR;
    StRoot root;
};

struct StShare {
    std::string strKey; // "server\share" as UTF-8, ASCII letters upper-cased
    std::string strWin; // "\\server\share" in CP932, as the map spells it
    StRoot root;
};

// A Windows path taken apart: its root and its normalised components (CP932).
struct StWinPath {
    int nDrive = -1;       // 0 for A: .. 25 for Z:, or -1 for a share
    std::string strKey;    // share key when nDrive is -1
    std::string strPrefix; // "C:" or "\\server\share"
    std::vector<std::string> vComp;
    bool bTrailSep = false; // the path ended with a separator after a component
};

std::string _FoldAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// Lexically normalised absolute host path: no "." or "..", no doubled or final slash.
std::string _NormHost(const std::string& strPath) {
    std::string strAbs = strPath;
    if (strAbs.empty() || strAbs[0] != '/') {
        char acCwd[PATH_MAX];
        if (getcwd(acCwd, sizeof acCwd) == nullptr)
            return {};
        strAbs = std::string(acCwd) + "/" + strAbs;
    }
    std::vector<std::string> vPart;
    std::stringstream ss(strAbs);
    for (std::string strPart; std::getline(ss, strPart, '/');) {
        if (strPart.empty() || strPart == ".")
            continue;
        if (strPart == "..") {
            if (!vPart.empty())
                vPart.pop_back();
            continue;
        }
        vPart.push_back(strPart);
    }
    std::string strOut;
    for (const auto& strPart : vPart)
        strOut += "/" + strPart;
    return strOut.empty() ? "/" : strOut;
}

StRoot _MakeRoot(const std::string& strHost) {
    StRoot root{_NormHost(strHost), {}};
    if (char* pReal = realpath(root.strHost.c_str(), nullptr)) {
        if (root.strHost != pReal)
            root.strReal = pReal;
        std::free(pReal);
    }
    return root;
}

// Length of the root when strPath lies at or below it, else 0.
std::size_t _RootMatch(const std::string& strRoot, const std::string& strPath) {
    if (strRoot.empty())
        return 0;
    if (strRoot == "/")
        return 1;
    if (strPath.compare(0, strRoot.size(), strRoot) != 0)
        return 0;
    if (strPath.size() != strRoot.size() && strPath[strRoot.size()] != '/')
        return 0;
    return strRoot.size();
}

bool _EndsWithSep(std::string_view s) {
    bool bSep = false;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Cp932PairLen(s, i);
        bSep = (n == 1 && IsSep(s[i]));
        i += n;
    }
    return bSep;
}

bool _IsDrivePrefix(std::string_view s) {
    return s.size() >= 2 && s[1] == ':' &&
           ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

bool _IsAbsolute(std::string_view s) {
    return (s.size() >= 3 && _IsDrivePrefix(s) && IsSep(s[2])) ||
           (s.size() >= 2 && IsSep(s[0]) && IsSep(s[1]));
}

// "\\server\share" with at most a final separator after it.
bool _IsShareRoot(std::string_view s) {
    const std::vector<std::string> vPart = SplitSeps(s.substr(2));
    return vPart.size() == 2 || (vPart.size() == 3 && vPart[2].empty());
}

int _DriveIndex(char c) {
    return (c >= 'a' && c <= 'z') ? c - 'a' : c - 'A';
}

// Windows drops trailing dots and blanks from each name ("out." is "out").
std::string _StripTrailing(const std::string& s) {
    const auto last = s.find_last_not_of(". ");
    return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

std::string _HostDataHome() {
    const char* szXdg = std::getenv("XDG_DATA_HOME");
    if (szXdg && szXdg[0] == '/')
        return szXdg;
    const char* szHome = std::getenv("HOME");
    if (szHome && szHome[0] == '/')
        return std::string(szHome) + "/.local/share";
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return std::string(pw->pw_dir) + "/.local/share";
    return "/tmp";
}

void _MakeDirs(const std::string& strPath) {
    for (std::size_t pos = 1; pos != std::string::npos;) {
        pos = strPath.find('/', pos + 1);
        mkdir(strPath.substr(0, pos).c_str(), 0700);
    }
}

// Makes strLink a symbolic link to strTarget, replacing a file or a stale link.
void _EnsureLink(const std::string& strLink, const std::string& strTarget) {
    struct stat st;
    if (lstat(strLink.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return;
        char acBuf[PATH_MAX];
        const ssize_t n = readlink(strLink.c_str(), acBuf, sizeof acBuf);
        if (n > 0 && std::string(acBuf, static_cast<std::size_t>(n)) == strTarget)
            return;
        unlink(strLink.c_str());
    }
    _MakeDirs(strLink.substr(0, strLink.rfind('/')));
    symlink(strTarget.c_str(), strLink.c_str());
}

// The viewer program beside our own executable stands in for WordPad on drive C:.
void _PlaceViewer(const std::string& strDriveC) {
    const std::string strExe = SelfExe();
    if (strExe.empty())
        return;
    const std::string strViewer = strExe.substr(0, strExe.rfind('/')) + "/gk_viewer";
    if (access(strViewer.c_str(), X_OK) != 0)
        return;
    _EnsureLink(strDriveC + "/Program Files/Windows NT/Accessories/Wordpad.exe", strViewer);
    _EnsureLink(strDriveC + "/Program Files/Accessories/Wordpad.exe", strViewer);
}

struct StTypeName {
    const char* szName;
    UINT uType;
};
constexpr std::array<StTypeName, 6> G_DRIVETYPES{{
    {"unknown", DRIVE_UNKNOWN},
    {"removable", DRIVE_REMOVABLE},
    {"fixed", DRIVE_FIXED},
    {"remote", DRIVE_REMOTE},
    {"cdrom", DRIVE_CDROM},
    {"ramdisk", DRIVE_RAMDISK},
}};

bool _ParseDriveType(std::string_view s, UINT& uType) {
    for (const auto& t : G_DRIVETYPES) {
        if (EqualNoCase(s, t.szName)) {
            uType = t.uType;
            return true;
        }
    }
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    uType = static_cast<UINT>(std::strtoul(std::string(s).c_str(), nullptr, 10));
    return true;
}

} // namespace

struct ClDriveMap::StImpl {
    std::array<StDrive, 26> aDrive;
    std::vector<StShare> vShare;
    std::string strWindows;
    std::string strTemp;
    _Version eVersion = VER_NT;
    std::string strCurDir;

    bool Split(std::string_view s, StWinPath& wp) const;
    bool SplitUnc(std::string_view s, StWinPath& wp) const;
    const StRoot* RootOf(const StWinPath& wp) const;
    bool HostToWin(const std::string& strHost, std::string& strWin) const;
    void Finish();

    class ClParser;
};

// Takes a Windows path apart the way Windows resolves it: UNC shares, drive-absolute,
// drive-relative ("D:x"), root-relative ("\x") and relative paths, "." and "..".
bool ClDriveMap::StImpl::Split(std::string_view s, StWinPath& wp) const {
    if (s.empty())
        return false;
    std::vector<std::string> vRaw;
    if (s.size() >= 2 && IsSep(s[0]) && IsSep(s[1])) {
        if (!SplitUnc(s, wp))
            return false;
        vRaw = SplitSeps(s.substr(2));
        vRaw.erase(vRaw.begin(), vRaw.begin() + 2);
    } else {
        std::string_view rest = s;
        if (_IsDrivePrefix(s)) {
            rest = s.substr(2);
            wp = StWinPath{};
            wp.nDrive = _DriveIndex(s[0]);
            wp.strPrefix = std::string(1, static_cast<char>('A' + wp.nDrive)) + ":";
        }
        // Only a relative form reads the current folder, which is itself absolute.
        const bool bAbsolute = !rest.empty() && IsSep(rest[0]);
        if (!bAbsolute || rest.size() == s.size()) {
            StWinPath cur;
            const bool bHaveCur = _IsAbsolute(strCurDir) && Split(strCurDir, cur);
            if (rest.size() == s.size()) {
                if (!bHaveCur)
                    return false;
                wp = cur;
                if (bAbsolute)
                    wp.vComp.clear();
            } else if (!bAbsolute && bHaveCur && cur.nDrive == wp.nDrive) {
                wp = cur;
            }
        }
        if (!rest.empty())
            vRaw = SplitSeps(rest);
    }
    wp.bTrailSep = false;
    for (const auto& strRaw : vRaw) {
        if (strRaw == "..") {
            if (!wp.vComp.empty())
                wp.vComp.pop_back();
            continue;
        }
        const std::string strName = _StripTrailing(strRaw);
        if (strName.empty())
            continue;
        if (HasBadNameChar(strName))
            return false;
        wp.vComp.push_back(strName);
    }
    wp.bTrailSep = !wp.vComp.empty() && !vRaw.empty() && vRaw.back().empty();
    return true;
}

bool ClDriveMap::StImpl::SplitUnc(std::string_view s, StWinPath& wp) const {
    const std::vector<std::string> vPart = SplitSeps(s.substr(2));
    if (vPart.size() < 2 || vPart[0].empty() || vPart[1].empty())
        return false;
    std::string strServer, strShare;
    if (!Cp932ToUtf8(vPart[0], strServer) || !Cp932ToUtf8(vPart[1], strShare))
        return false;
    wp = StWinPath{};
    wp.strKey = _FoldAscii(strServer + "\\" + strShare);
    wp.strPrefix = "\\\\" + vPart[0] + "\\" + vPart[1];
    return true;
}

const StRoot* ClDriveMap::StImpl::RootOf(const StWinPath& wp) const {
    if (wp.nDrive >= 0)
        return aDrive[static_cast<std::size_t>(wp.nDrive)].bSet
                   ? &aDrive[static_cast<std::size_t>(wp.nDrive)].root
                   : nullptr;
    for (const auto& share : vShare)
        if (share.strKey == wp.strKey)
            return &share.root;
    return nullptr;
}

bool ClDriveMap::StImpl::HostToWin(const std::string& strHost, std::string& strWin) const {
    const std::string strPath = _NormHost(strHost);
    if (strPath.empty())
        return false;
    std::size_t cbBest = 0;
    std::string strPrefix;
    auto consider = [&](const StRoot& root, const std::string& strName) {
        for (const std::string* pRoot : {&root.strHost, &root.strReal}) {
            const std::size_t cb = _RootMatch(*pRoot, strPath);
            if (cb > cbBest) {
                cbBest = cb;
                strPrefix = strName;
            }
        }
    };
    for (std::size_t i = 0; i < aDrive.size(); ++i)
        if (aDrive[i].bSet)
            consider(aDrive[i].root, std::string(1, static_cast<char>('A' + i)) + ":");
    for (const auto& share : vShare)
        consider(share.root, share.strWin);
    if (cbBest == 0)
        return false;

    std::string strOut = strPrefix;
    std::stringstream ss(strPath.substr(cbBest));
    for (std::string strPart; std::getline(ss, strPart, '/');) {
        if (strPart.empty())
            continue;
        std::string strName;
        if (!Utf8ToCp932(strPart, strName) || HasBadNameChar(strName) ||
            SplitSeps(strName).size() != 1)
            return false;
        strOut += "\\" + strName;
    }
    strWin = strOut == strPrefix ? strOut + "\\" : strOut;
    return true;
}

// What every map gets once its entries are in: the defaults of [system] and the
// current folder in Windows form.
void ClDriveMap::StImpl::Finish() {
    if (strWindows.empty())
        strWindows = "C:\\WINDOWS";
    if (strTemp.empty()) {
        const char* szTmp = std::getenv("TMPDIR");
        std::string strWin;
        if (HostToWin(szTmp && szTmp[0] ? szTmp : "/tmp", strWin))
            strTemp = strWin;
    }
    if (!strTemp.empty() && !_EndsWithSep(strTemp))
        strTemp += "\\";
    char acCwd[PATH_MAX];
    strCurDir.clear();
    if (getcwd(acCwd, sizeof acCwd) != nullptr)
        HostToWin(acCwd, strCurDir);
}

// One map file's text, line by line, into a fresh map.
class ClDriveMap::StImpl::ClParser {
public:
    ClParser(ClDriveMap::StImpl& impl, const std::string& strName, std::string& strError)
        : m_impl(impl), m_strName(strName), m_strError(strError) {}

    bool Line(std::string_view line, int nLine);

private:
    enum _SectionKind { SEC_NONE, SEC_DRIVES, SEC_SHARES, SEC_SYSTEM };

    bool _Fail(int nLine, const std::string& strReason) {
        m_strError = m_strName + ":" + std::to_string(nLine) + ": " + strReason;
        return false;
    }
    bool _EnterSection(std::string_view name, int nLine);
    bool _Drive(std::string_view key, std::string_view value, int nLine);
    bool _Share(std::string_view key, std::string_view value, int nLine);
    bool _System(std::string_view key, std::string_view value, int nLine);
    bool _HostFolder(std::string_view value, int nLine, StRoot& root);
    bool _WinPath(std::string_view value, int nLine, std::string& strOut);

    ClDriveMap::StImpl& m_impl;
    const std::string& m_strName;
    std::string& m_strError;
    _SectionKind m_eSection = SEC_NONE;
};

bool ClDriveMap::StImpl::ClParser::Line(std::string_view line, int nLine) {
    line = TrimBlanks(line);
    if (!line.empty() && line.back() == '\r')
        line = TrimBlanks(line.substr(0, line.size() - 1));
    if (line.empty() || line[0] == '#')
        return true;
    if (line[0] == '[') {
        if (line.back() != ']')
            return _Fail(nLine, "section header without ']'");
        return _EnterSection(TrimBlanks(line.substr(1, line.size() - 2)), nLine);
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return _Fail(nLine, "expected 'name = value'");
    const std::string_view key = TrimBlanks(line.substr(0, eq));
    const std::string_view value = TrimBlanks(line.substr(eq + 1));
    switch (m_eSection) {
    case SEC_DRIVES:
        return _Drive(key, value, nLine);
    case SEC_SHARES:
        return _Share(key, value, nLine);
    case SEC_SYSTEM:
        return _System(key, value, nLine);
    case SEC_NONE:
        break;
    }
    return _Fail(nLine, "entry before any section");
}

bool ClDriveMap::StImpl::ClParser::_EnterSection(std::string_view name, int nLine) {
    if (name == "drives")
        m_eSection = SEC_DRIVES;
    else if (name == "shares")
        m_eSection = SEC_SHARES;
    else if (name == "system")
        m_eSection = SEC_SYSTEM;
    else
        return _Fail(nLine, "unknown section [" + std::string(name) + "]");
    return true;
}

bool ClDriveMap::StImpl::ClParser::_Drive(std::string_view key, std::string_view value, int nLine) {
    if (key.size() != 1 || !_IsDrivePrefix(std::string(key) + ":"))
        return _Fail(nLine, "bad drive letter '" + std::string(key) + "'");
    StDrive& drive = m_impl.aDrive[static_cast<std::size_t>(_DriveIndex(key[0]))];
    if (drive.bSet)
        return _Fail(nLine, "drive " + std::string(key) + ": given twice");
    const auto blank = value.find_first_of(" \t");
    const std::string_view type = value.substr(0, blank);
    if (!_ParseDriveType(type, drive.uType))
        return _Fail(nLine, "unknown drive type '" + std::string(type) + "'");
    const std::string_view folder =
        blank == std::string_view::npos ? std::string_view() : TrimBlanks(value.substr(blank));
    if (!_HostFolder(folder, nLine, drive.root))
        return false;
    drive.bSet = true;
    return true;
}

bool ClDriveMap::StImpl::ClParser::_Share(std::string_view key, std::string_view value, int nLine) {
    const std::string strKey(key);
    std::string strCp932;
    StWinPath wp;
    if (!Utf8ToCp932(strKey, strCp932) || !m_impl.SplitUnc(strCp932, wp) || !_IsShareRoot(strCp932))
        return _Fail(nLine, "bad share name '" + strKey + "' (\\\\server\\share)");
    for (const auto& share : m_impl.vShare)
        if (share.strKey == wp.strKey)
            return _Fail(nLine, "share " + strKey + " given twice");
    StShare share{wp.strKey, wp.strPrefix, {}};
    if (!_HostFolder(value, nLine, share.root))
        return false;
    m_impl.vShare.push_back(std::move(share));
    return true;
}

bool ClDriveMap::StImpl::ClParser::_System(std::string_view key, std::string_view value,
                                           int nLine) {
    if (key == "windows") {
        if (!_WinPath(value, nLine, m_impl.strWindows))
            return false;
        if (m_impl.strWindows.size() < 3 || !_IsDrivePrefix(m_impl.strWindows) ||
            !IsSep(m_impl.strWindows[2]))
            return _Fail(nLine, "the Windows folder must be a drive path such as C:\\WINDOWS");
        return true;
    }
    if (key == "temp")
        return _WinPath(value, nLine, m_impl.strTemp);
    if (key != "version")
        return _Fail(nLine, "unknown setting '" + std::string(key) + "'");
    if (value == "nt")
        m_impl.eVersion = ClDriveMap::VER_NT;
    else if (value == "9x")
        m_impl.eVersion = ClDriveMap::VER_9X;
    else if (value == "fail")
        m_impl.eVersion = ClDriveMap::VER_FAIL;
    else
        return _Fail(nLine, "bad version '" + std::string(value) + "' (nt, 9x or fail)");
    return true;
}

bool ClDriveMap::StImpl::ClParser::_HostFolder(std::string_view value, int nLine, StRoot& root) {
    if (value.empty())
        return _Fail(nLine, "missing host folder");
    if (value[0] != '/')
        return _Fail(nLine, "host folder '" + std::string(value) + "' is not absolute");
    root = _MakeRoot(std::string(value));
    return true;
}

bool ClDriveMap::StImpl::ClParser::_WinPath(std::string_view value, int nLine,
                                            std::string& strOut) {
    if (!Utf8ToCp932(value, strOut))
        return _Fail(nLine, "'" + std::string(value) + "' does not convert to code page 932");
    if (!_IsAbsolute(strOut))
        return _Fail(nLine, "'" + std::string(value) + "' is not a full Windows path");
    return true;
}

ClDriveMap::ClDriveMap() : m_pImpl(std::make_unique<StImpl>()) {}
ClDriveMap::~ClDriveMap() = default;

ClDriveMap& ClDriveMap::Inst() {
    static ClDriveMap s_map;
    static const bool s_bLoaded = [] {
        const char* szFile = std::getenv("GKLINK_DRIVES");
        if (!szFile || !szFile[0]) {
            s_map.LoadDefault();
            return true;
        }
        std::string strError;
        if (!s_map.Load(szFile, strError)) {
            std::fprintf(stderr, "%s\n", strError.c_str());
            std::exit(2);
        }
        return true;
    }();
    (void)s_bLoaded;
    return s_map;
}

BOOL ClDriveMap::Load(const std::string& strHostFile, std::string& strError) {
    std::ifstream in(strHostFile, std::ios::binary);
    if (!in) {
        strError = strHostFile + ": cannot open: " + std::strerror(errno);
        return FALSE;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    return Parse(ss.str(), strHostFile, strError);
}

BOOL ClDriveMap::Parse(std::string_view text, const std::string& strName, std::string& strError) {
    auto pImpl = std::make_unique<StImpl>();
    StImpl::ClParser parser(*pImpl, strName, strError);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int nLine = 0;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        if (!parser.Line(text.substr(0, nl), ++nLine))
            return FALSE;
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    pImpl->Finish();
    m_pImpl = std::move(pImpl);
    return TRUE;
}

void ClDriveMap::LoadDefault() {
    auto pImpl = std::make_unique<StImpl>();
    const std::string strDriveC = _HostDataHome() + "/gklink/drive_c";
    _MakeDirs(strDriveC);
    _PlaceViewer(strDriveC);
    pImpl->aDrive[2] = StDrive{true, DRIVE_FIXED, _MakeRoot(strDriveC)};
    pImpl->aDrive[25] = StDrive{true, DRIVE_FIXED, _MakeRoot("/")};
    pImpl->Finish();
    m_pImpl = std::move(pImpl);
}

namespace {
std::string _Join(const StWinPath& wp) {
    std::string strFull = wp.strPrefix;
    for (const auto& strComp : wp.vComp)
        strFull += "\\" + strComp;
    if (wp.vComp.empty() || wp.bTrailSep)
        strFull += "\\";
    return strFull;
}
} // namespace

BOOL ClDriveMap::FullPath(const char* szWinPath, std::string& strFull) const {
    StWinPath wp;
    if (!szWinPath || !m_pImpl->Split(szWinPath, wp))
        return FALSE;
    strFull = _Join(wp);
    return TRUE;
}

BOOL ClDriveMap::ToHost(const char* szWinPath, std::string& strHost) const {
    StWinPath wp;
    if (!szWinPath || !m_pImpl->Split(szWinPath, wp))
        return FALSE;
    const StRoot* pRoot = m_pImpl->RootOf(wp);
    if (!pRoot)
        return FALSE;
    std::string strOut = pRoot->strHost == "/" ? std::string() : pRoot->strHost;
    for (const auto& strComp : wp.vComp) {
        std::string strUtf8;
        if (!Cp932ToUtf8(strComp, strUtf8))
            return FALSE;
        strOut += "/" + strUtf8;
    }
    if (strOut.empty() || wp.bTrailSep)
        strOut += "/";
    strHost = std::move(strOut);
    return TRUE;
}

BOOL ClDriveMap::ToWindows(const std::string& strHost, std::string& strWin) const {
    return m_pImpl->HostToWin(strHost, strWin);
}

const std::string& ClDriveMap::CurrentFolder() const {
    return m_pImpl->strCurDir;
}

BOOL ClDriveMap::SetCurrentFolder(const char* szWinPath) {
    StWinPath wp;
    if (!szWinPath || !m_pImpl->Split(szWinPath, wp))
        return FALSE;
    wp.bTrailSep = false; // the current folder carries no final separator below its root
    m_pImpl->strCurDir = _Join(wp);
    return TRUE;
}

UINT ClDriveMap::DriveType(const char* szRoot) const {
    std::string strRoot = szRoot ? szRoot : m_pImpl->strCurDir;
    StWinPath wp;
    if (!szRoot && _IsDrivePrefix(strRoot))
        strRoot.resize(2);
    if (_IsDrivePrefix(strRoot) &&
        (strRoot.size() == 2 || (strRoot.size() == 3 && IsSep(strRoot[2])))) {
        const StDrive& drive = m_pImpl->aDrive[static_cast<std::size_t>(_DriveIndex(strRoot[0]))];
        return drive.bSet ? drive.uType : DRIVE_NO_ROOT_DIR;
    }
    if (strRoot.size() < 2 || !IsSep(strRoot[0]) || !IsSep(strRoot[1]) ||
        !m_pImpl->SplitUnc(strRoot, wp))
        return DRIVE_NO_ROOT_DIR;
    if (!szRoot || _IsShareRoot(strRoot))
        return m_pImpl->RootOf(wp) ? DRIVE_REMOTE : DRIVE_NO_ROOT_DIR;
    return DRIVE_NO_ROOT_DIR;
}

const std::string& ClDriveMap::WindowsFolder() const {
    return m_pImpl->strWindows;
}

const std::string& ClDriveMap::TempFolder() const {
    return m_pImpl->strTemp;
}

ClDriveMap::_Version ClDriveMap::Version() const {
    return m_pImpl->eVersion;
}
