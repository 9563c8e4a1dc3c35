#include "platform/Process.h"

#include "platform/CodePage.h"
#include "platform/DriveMap.h"
#include "platform/posix/WinPath.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace gkposix;

namespace {

// The Windows convention for a text result: its length when it fits, else the size
// needed with the terminator. A buffer too small is left holding an empty text, so a
// caller that ignores the result never reads an unterminated one.
DWORD _Return(const std::string& strText, char* szBuffer, DWORD nSize) {
    if (strText.empty())
        return 0;
    if (!szBuffer || nSize <= strText.size()) {
        if (szBuffer && nSize > 0)
            szBuffer[0] = '\0';
        return static_cast<DWORD>(strText.size() + 1);
    }
    std::memcpy(szBuffer, strText.c_str(), strText.size() + 1);
    return static_cast<DWORD>(strText.size());
}

bool _IsHostFolder(const std::string& strHost) {
    struct stat st;
    return stat(strHost.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool _IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The host executable of a Windows program path; ".exe" is appended to a name without
// an extension, as CreateProcess does.
bool _ResolveProgram(std::string strWin, std::string& strHost) {
    const std::string strName = SplitSeps(strWin).back();
    if (strName.empty())
        return false;
    if (strName.find('.') == std::string::npos)
        strWin += ".exe";
    struct stat st;
    return ClDriveMap::Inst().ToHost(strWin.c_str(), strHost) && stat(strHost.c_str(), &st) == 0 &&
           S_ISREG(st.st_mode) && access(strHost.c_str(), X_OK) == 0;
}

// The program of a command line: a quoted path, or for an unquoted one the shortest
// prefix ending before a blank (or at the end) that names a program, as Windows tries
// "C:\Program.exe", "C:\Program Files\Windows.exe", ... in turn. Returns the rest of
// the line after the program, or false when none resolves.
bool _FindProgram(std::string_view line, std::string& strHost, std::string_view& rest) {
    while (!line.empty() && _IsBlank(line[0]))
        line.remove_prefix(1);
    if (!line.empty() && line[0] == '"') {
        const auto close = line.find('"', 1);
        const std::string_view prog = line.substr(1, close == line.npos ? line.npos : close - 1);
        rest = close == line.npos ? std::string_view() : line.substr(close + 1);
        return _ResolveProgram(std::string(prog), strHost);
    }
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && !_IsBlank(line[i]))
            continue;
        if (i > 0 && !_IsBlank(line[i - 1]) &&
            _ResolveProgram(std::string(line.substr(0, i)), strHost)) {
            rest = line.substr(i);
            return true;
        }
    }
    return false;
}

// The arguments after the program, by the rules of the Windows runtime: blanks
// separate, quotes group, 2n backslashes before a quote give n and the quote groups,
// 2n+1 give n and a literal quote, "" inside a group is a literal quote. Double-byte
// characters pass whole, so a trail byte 0x5C is no backslash.
std::vector<std::string> _SplitArgs(std::string_view s) {
    std::vector<std::string> vArg;
    std::size_t i = 0;
    while (true) {
        while (i < s.size() && _IsBlank(s[i]))
            ++i;
        if (i >= s.size())
            return vArg;
        std::string strArg;
        bool bQuoted = false;
        while (i < s.size() && (bQuoted || !_IsBlank(s[i]))) {
            if (s[i] == '\\') {
                std::size_t cBack = 0;
                while (i < s.size() && s[i] == '\\') {
                    ++cBack;
                    ++i;
                }
                const bool bQuote = i < s.size() && s[i] == '"';
                strArg.append(bQuote ? cBack / 2 : cBack, '\\');
                if (bQuote && cBack % 2 == 1) {
                    strArg += '"';
                    ++i;
                }
            } else if (s[i] == '"') {
                if (bQuoted && i + 1 < s.size() && s[i + 1] == '"') {
                    strArg += '"';
                    ++i;
                } else {
                    bQuoted = !bQuoted;
                }
                ++i;
            } else {
                const std::size_t n = Cp932PairLen(s, i);
                strArg.append(s.substr(i, n));
                i += n;
            }
        }
        vArg.push_back(std::move(strArg));
    }
}

// Starts the program; false when it cannot be executed (posix_spawn reports a failed
// exec to the caller rather than as a started child).
bool _Spawn(const std::string& strProgram, const std::vector<std::string>& vArg,
            const std::string& strDir, int& nPid) {
    std::vector<char*> vArgv;
    vArgv.push_back(const_cast<char*>(strProgram.c_str()));
    for (const auto& strArg : vArg)
        vArgv.push_back(const_cast<char*>(strArg.c_str()));
    vArgv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    if (!strDir.empty())
        posix_spawn_file_actions_addchdir_np(&actions, strDir.c_str());
    // No handles are inherited beyond the standard three.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t empty;
    sigemptyset(&empty);
    posix_spawnattr_setsigmask(&attr, &empty);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, strProgram.c_str(), &actions, &attr, vArgv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    nPid = pid;
    return true;
}

} // namespace

DWORD GetCurrentDirectory(DWORD nSize, char* szBuffer) {
    return _Return(ClDriveMap::Inst().CurrentFolder(), szBuffer, nSize);
}

BOOL SetCurrentDirectory(const char* szPath) {
    ClDriveMap& map = ClDriveMap::Inst();
    std::string strHost;
    if (!szPath || !map.ToHost(szPath, strHost) || !_IsHostFolder(strHost) ||
        chdir(strHost.c_str()) != 0)
        return FALSE;
    return map.SetCurrentFolder(szPath);
}

DWORD GetModuleFileName(char* szBuffer, DWORD nSize) {
    std::string strWin;
    const std::string strExe = SelfExe();
    if (strExe.empty() || !ClDriveMap::Inst().ToWindows(strExe, strWin))
        return 0;
    return _Return(strWin, szBuffer, nSize);
}

DWORD GetTempPath(DWORD nSize, char* szBuffer) {
    return _Return(ClDriveMap::Inst().TempFolder(), szBuffer, nSize);
}

UINT GetWindowsDirectory(char* szBuffer, UINT nSize) {
    return _Return(ClDriveMap::Inst().WindowsFolder(), szBuffer, nSize);
}

BOOL GetVersionEx(StOSVERSIONINFO* pInfo) {
    if (!pInfo || pInfo->dwOSVersionInfoSize != sizeof(StOSVERSIONINFO))
        return FALSE;
    switch (ClDriveMap::Inst().Version()) {
    case ClDriveMap::VER_NT:
        *pInfo = StOSVERSIONINFO{sizeof(StOSVERSIONINFO), 5, 1, 2600, VER_PLATFORM_WIN32_NT,
                                 "Service Pack 3"};
        return TRUE;
    case ClDriveMap::VER_9X:
        *pInfo =
            StOSVERSIONINFO{sizeof(StOSVERSIONINFO), 4, 10, 2222, VER_PLATFORM_WIN32_WINDOWS, " A"};
        return TRUE;
    case ClDriveMap::VER_FAIL:
        break;
    }
    return FALSE;
}

void GetLocalTime(StSYSTEMTIME* pTime) {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm t{};
    localtime_r(&ts.tv_sec, &t);
    *pTime =
        StSYSTEMTIME{static_cast<WORD>(t.tm_year + 1900), static_cast<WORD>(t.tm_mon + 1),
                     static_cast<WORD>(t.tm_wday),        static_cast<WORD>(t.tm_mday),
                     static_cast<WORD>(t.tm_hour),        static_cast<WORD>(t.tm_min),
                     static_cast<WORD>(t.tm_sec),         static_cast<WORD>(ts.tv_nsec / 1000000)};
}

DWORD GetTickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(ts.tv_nsec / 1000000);
    return static_cast<DWORD>(ms); // wraps like the Windows counter
}

BOOL CreateProcess(const char* szCmdLine, const char* szCurDir, StPROCESSINFO* pInfo) {
    std::string strProgram, strDir;
    std::string_view rest;
    if (!szCmdLine || !pInfo || !_FindProgram(szCmdLine, strProgram, rest))
        return FALSE;
    if (szCurDir && (!ClDriveMap::Inst().ToHost(szCurDir, strDir) || !_IsHostFolder(strDir)))
        return FALSE;
    std::vector<std::string> vArg = _SplitArgs(rest);
    for (auto& strArg : vArg) {
        std::string strUtf8;
        if (!Cp932ToUtf8(strArg, strUtf8))
            return FALSE;
        strArg = std::move(strUtf8);
    }
    return _Spawn(strProgram, vArg, strDir, pInfo->nPid);
}

void WaitForProcess(const StPROCESSINFO& info) {
    if (info.nPid <= 0)
        return;
    int nStatus = 0;
    while (waitpid(info.nPid, &nStatus, 0) < 0 && errno == EINTR) {
    }
}

void* CoTaskMemAlloc(std::size_t cb) {
    return std::malloc(cb);
}

void CoTaskMemFree(void* pv) {
    std::free(pv);
}
