// Process-wide state and child processes.
#pragma once

#include "platform/WinTypes.h"

// Each returns the length written (without the NUL), or the size needed when the buffer
// is too small, or 0 on failure, as the Windows calls do.
DWORD GetCurrentDirectory(DWORD nSize, char* szBuffer);
DWORD GetModuleFileName(char* szBuffer, DWORD nSize);
DWORD GetTempPath(DWORD nSize, char* szBuffer);
UINT GetWindowsDirectory(char* szBuffer, UINT nSize);
BOOL SetCurrentDirectory(const char* szPath);

inline constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
struct StOSVERSIONINFO {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char szCSDVersion[128];
};
// As on Windows, dwOSVersionInfoSize must hold sizeof(StOSVERSIONINFO); FALSE otherwise.
BOOL GetVersionEx(StOSVERSIONINFO* pInfo);

struct StSYSTEMTIME {
    WORD wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds;
};
void GetLocalTime(StSYSTEMTIME* pTime);
DWORD GetTickCount();

// CreateProcess: the program of szCmdLine (an unquoted path with blanks resolves as on
// Windows, ".exe" appended when missing) starts in szCurDir with its arguments as UTF-8.
struct StPROCESSINFO {
    int nPid;
};
BOOL CreateProcess(const char* szCmdLine, const char* szCurDir, StPROCESSINFO* pInfo);
// WaitForSingleObject with INFINITE: waits for the process to end.
void WaitForProcess(const StPROCESSINFO& info);

// ole32's task allocator.
void* CoTaskMemAlloc(std::size_t cb);
void CoTaskMemFree(void* pv);
