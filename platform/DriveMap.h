// The map from Windows drives and shares onto host folders, and back.
#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <string>
#include <string_view>

// GetDriveType results.
inline constexpr UINT DRIVE_UNKNOWN = 0;
inline constexpr UINT DRIVE_NO_ROOT_DIR = 1;
inline constexpr UINT DRIVE_REMOVABLE = 2;
inline constexpr UINT DRIVE_FIXED = 3;
inline constexpr UINT DRIVE_REMOTE = 4;
inline constexpr UINT DRIVE_CDROM = 5;
inline constexpr UINT DRIVE_RAMDISK = 6;

class ClDriveMap {
public:
    enum _Version { VER_NT, VER_9X, VER_FAIL };

    ClDriveMap();
    ~ClDriveMap();
    ClDriveMap(const ClDriveMap&) = delete;
    ClDriveMap& operator=(const ClDriveMap&) = delete;

    // The process's map: the file named by GKLINK_DRIVES, else the default map (C: a
    // per-user folder under the XDG data home, created on first use; Z: the host root).
    // A map that does not load ends the process with its error on standard error.
    static ClDriveMap& Inst();

    // Parses a map file (UTF-8 host path). FALSE with "file:line: reason" in strError.
    BOOL Load(const std::string& strHostFile, std::string& strError);
    // Parses map text; strName names it in errors.
    BOOL Parse(std::string_view text, const std::string& strName, std::string& strError);
    void LoadDefault();

    // Windows path (CP932; relative ones against the current folder) to a host path.
    // FALSE for an unmapped drive or share or a component that does not convert.
    BOOL ToHost(const char* szWinPath, std::string& strHost) const;
    // Host path to a Windows path through the longest matching root.
    BOOL ToWindows(const std::string& strHost, std::string& strWin) const;

    // GetFullPathName: the absolute, normalised Windows form of a path ("." and ".."
    // resolved, relative paths against the current folder). FALSE when it has none.
    BOOL FullPath(const char* szWinPath, std::string& strFull) const;
    // The process's current folder as a full Windows path; empty when the host's
    // current folder has no Windows form. SetCurrentDirectory keeps it.
    const std::string& CurrentFolder() const;
    // Takes the full form of szWinPath (the caller has checked that the folder exists).
    BOOL SetCurrentFolder(const char* szWinPath);

    // DRIVE_* of a root "X:\" or a share "\\server\share\".
    UINT DriveType(const char* szRoot) const;
    const std::string& WindowsFolder() const; // CP932, e.g. C:\WINDOWS
    const std::string& TempFolder() const;    // CP932 with its trailing backslash
    _Version Version() const;

private:
    struct StImpl;
    std::unique_ptr<StImpl> m_pImpl;
};
