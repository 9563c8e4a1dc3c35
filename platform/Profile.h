// Profile strings of an INI file, as GetPrivateProfileString reads them.
#pragma once

#include "platform/WinTypes.h"

// Section and key compared without regard to case, blanks around keys and values
// dropped, one pair of enclosing quotes discarded; szDefault when the file, section or
// key is missing. The result is cut to nSize - 1 bytes; returns its length.
DWORD GetPrivateProfileString(const char* szSection, const char* szKey, const char* szDefault,
                              char* szResult, DWORD nSize, const char* szFile);
