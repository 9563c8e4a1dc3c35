// The terminal under ncursesw, shared by the terminal backend and the viewer: a UTF-8
// locale, entering and leaving the full-screen mode, keys with their modifiers, and text
// measured and drawn in character cells (a double-width character takes two).
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>
#include <vector>

// One key press. A key of the dialog handling carries its virtual key; every other key
// is a character or one of the terminal's special keys.
struct StTUIKEY {
    enum _Kind { KIND_NONE, KIND_CHAR, KIND_SPECIAL };
    _Kind eKind = KIND_NONE;
    wchar_t wch = 0;   // KIND_CHAR
    int nCode = 0;     // KIND_SPECIAL: one of ClTuiTerminal::_Special
    UINT nVirtKey = 0; // Tab, Enter, Esc, F1..F24, Alt+letter or digit; else 0
    UINT fMods = 0;    // ClDialogWindow::_KeyMod bits
};

class ClTuiTerminal {
public:
    enum _Special {
        SPECIAL_LEFT = 1,
        SPECIAL_RIGHT,
        SPECIAL_UP,
        SPECIAL_DOWN,
        SPECIAL_HOME,
        SPECIAL_END,
        SPECIAL_PAGEUP,
        SPECIAL_PAGEDOWN,
        SPECIAL_BACKSPACE,
        SPECIAL_DELETE,
        SPECIAL_RESIZE,
        SPECIAL_SHIFT_LEFT,
        SPECIAL_SHIFT_RIGHT,
        SPECIAL_SHIFT_HOME,
        SPECIAL_SHIFT_END,
    };
    enum _Attr { ATTR_NORMAL = 0, ATTR_REVERSE = 1, ATTR_UNDERLINE = 2, ATTR_BOLD = 4 };

    // A UTF-8 character locale and a terminal; FALSE with the reason when either is missing.
    static BOOL Check(std::string& strError);
    // Full-screen mode: the first Enter starts it; later ones come back after Leave, with
    // the whole screen drawn again (another program may have used the terminal).
    static void Enter();
    static void Leave();
    // Ends the mode for good.
    static void Stop();
    // Drops what was typed and not yet read.
    static void FlushInput();

    static int Rows();
    static int Cols();
    // The next key; KIND_NONE also when the terminal is gone (Gone tells).
    static StTUIKEY ReadKey();
    static bool Gone();
    static void Beep();

    static void Clear();
    // Draws text from (nRow, nCol), at most nCells cells; returns the cells drawn.
    static int Put(int nRow, int nCol, std::wstring_view text, int nCells, int fAttr = 0);
    static void Fill(int nRow, int nCol, int nCells, int fAttr = 0);
    // A frame with the caption in its top line; bFill clears what lies inside.
    static void Frame(int nRow, int nCol, int nRows, int nCols, std::wstring_view caption,
                      bool bFill = true);
    static void HLine(int nRow, int nCol, int nCells);
    static void ShowCursor(int nRow, int nCol); // nRow < 0 hides it
    static void Update();
};

// UTF-8 to characters; what does not decode becomes U+FFFD. Put shows control
// characters as U+FFFD too, so that no text can send the terminal a control sequence.
std::wstring TuiWide(std::string_view utf8);
// The program's CP932 text for the screen.
std::wstring TuiWideFromCp932(std::string_view cp932);
// Characters back to CP932; FALSE when one has no CP932 form.
BOOL TuiCp932FromWide(std::wstring_view text, std::string& cp932);
// Cells of one character (0 to 2; a control character 1) and of a text.
int TuiCells(wchar_t wch);
int TuiCells(std::wstring_view text);
// A label without its "&" marks ("&&" is "&"); nAccel the index of the marked character.
std::wstring TuiLabel(std::wstring_view text, int& nAccel);
// Lines of at most nCells cells: the text's own lines, broken where they are longer.
std::vector<std::wstring> TuiWrap(std::wstring_view text, int nCells);
