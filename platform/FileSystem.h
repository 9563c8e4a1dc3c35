// Files and folders on Windows paths, with the results of the Windows calls.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

// _access modes: 0 existence, 2 write, 4 read, 6 read and write. 0 when granted, else -1.
int _access(const char* szPath, int nMode);

// CFile::GetStatus: the record is left as given when nothing is there.
inline constexpr BYTE FILE_ATTR_DIRECTORY = 0x10;
struct StFILESTATUS {
    std::int64_t m_size;
    BYTE m_attribute;
};
BOOL GetFileStatus(const char* szPath, StFILESTATUS& rStatus);

BOOL DeleteFile(const char* szPath);
BOOL CreateDirectory(const char* szPath);
BOOL RemoveDirectory(const char* szPath);
// Renames a file, replacing an existing target in one step.
BOOL MoveFileReplace(const char* szFrom, const char* szTo);

// DRIVE_* (platform/DriveMap.h) of a root "X:\" or "\\server\share\".
UINT GetDriveType(const char* szRoot);
