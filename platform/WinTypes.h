// Basic types and constants of the Windows platform, as the system's code uses them.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using HWND = struct ClHostWindow*; // a window of the dialog host; null: no owner

inline constexpr int MAX_PATH = 260;

// Currency: the amount times 10000 in a signed 64-bit integer.
struct tagCY {
    std::int64_t int64;
};
using CY = tagCY;
