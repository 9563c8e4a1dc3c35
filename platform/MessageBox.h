// Message boxes. The active user-interface backend shows them.
#pragma once

#include "platform/WinTypes.h"

inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a box; texts are CP932. Returns IDOK, IDYES or IDNO.
int MessageBox(HWND hOwner, const char* szText, const char* szCaption, UINT uType);

// What shows the boxes: a backend installs itself, tests install a recorder. Without
// one, boxes go to standard error as UTF-8 and are answered with IDOK or IDNO.
class ClMessageSink {
public:
    virtual ~ClMessageSink() = default;
    virtual int Show(HWND hOwner, const char* szText, const char* szCaption, UINT uType) = 0;
};
// Returns the sink that was installed before.
ClMessageSink* SetMessageSink(ClMessageSink* pSink);
