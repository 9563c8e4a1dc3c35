// The document the viewer shows: a Shift_JIS text file named by its Windows path.
#pragma once

#include "platform/WinTypes.h"

#include <string>

class ClDriveMap;

struct StVIEWDOC {
    std::string strName; // the file name, UTF-8
    std::string strText; // UTF-8, lines ending in LF; U+FFFD for what does not decode
};

// strWinPath is the Windows path as the viewer's argument carries it (UTF-8). FALSE with
// the message to show (UTF-8) when the file cannot be read.
BOOL LoadViewDoc(const ClDriveMap& rMap, const std::string& strWinPath, StVIEWDOC& rDoc,
                 std::string& strError);
