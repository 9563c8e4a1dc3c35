// What the window backend and the viewer share on top of wxWidgets: the toolkit's start
// and end in a program that is no wx application, the Japanese fonts of Windows mapped
// onto installed ones, text conversion and the dialog units of a font.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;

class ClGuiSession {
public:
    // Points fontconfig at our font aliases, then starts the toolkit. FALSE when no
    // display can be opened. Start and Stop pair once per process.
    static BOOL Start();
    static void Stop();
    // The fontconfig file with the aliases: a per-user file that includes the system's
    // configuration. Written before the toolkit loads fonts; FALSE when it cannot be.
    static BOOL PrepareFonts(std::string& strFile);
    // The installed family that fontconfig gives for a face name (UTF-8).
    static std::string ResolvedFamily(const wxString& strFace);
};

// Program texts (CP932) to the toolkit (Cp932ToUtf8Shown).
wxString WxFromCp932(std::string_view cp932);
// The toolkit's text to CP932; FALSE when a character has no CP932 form.
BOOL Cp932FromWx(const wxString& str, std::string& cp932);

// A font of a dialog resource: face (CP932) and size in points.
wxFont DialogFont(const char* szFaceCp932, int nPoints);

// Dialog units as Windows converts them for a dialog font: a horizontal unit is a quarter
// of the font's average character width, a vertical unit an eighth of its height.
class ClDialogUnits {
public:
    ClDialogUnits(wxWindow& rWnd, const wxFont& font);
    ClDialogUnits(int nBaseX, int nBaseY) : m_nBaseX(nBaseX), m_nBaseY(nBaseY) {}

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }
    wxPoint Point(int x, int y) const;
    wxSize Size(int cx, int cy) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};
