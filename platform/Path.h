// Path splitting of the C runtime and path roots, aware of double-byte characters.
#pragma once

#include "platform/WinTypes.h"

inline constexpr int _MAX_DRIVE = 3;
inline constexpr int _MAX_DIR = 256;
inline constexpr int _MAX_FNAME = 256;
inline constexpr int _MAX_EXT = 256;

// _splitpath: any output may be null; each is cut to its _MAX_* size.
void _splitpath(const char* szPath, char* szDrive, char* szDir, char* szFname, char* szExt);

// The root of a path: "X:\" or "\\server\share\" into a MAX_PATH + 1 buffer; FALSE when
// the path has none.
BOOL PathGetRoot(const char* szPath, char* szRoot);
