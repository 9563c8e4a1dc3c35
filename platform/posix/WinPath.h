// Helpers shared by the posix implementation for walking Windows paths (CP932 bytes).
// Internal to platform/posix.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gkposix {

inline bool IsSep(char c) {
    return c == '\\' || c == '/';
}

// Splits at separators that are not trail bytes; empty parts are kept.
std::vector<std::string> SplitSeps(std::string_view s);

// The blanks of profile and map files: space and tab.
std::string_view TrimBlanks(std::string_view s);

// ASCII letters folded; double-byte characters compared as they are.
bool EqualNoCase(std::string_view a, std::string_view b);

// A byte that Windows refuses in a file or folder name: controls and < > : " | ? *.
// Walks double-byte characters whole, so a trail byte 0x7C is no '|'.
bool HasBadNameChar(std::string_view sName);

// Host path of the running executable; empty when it cannot be read.
std::string SelfExe();

} // namespace gkposix
