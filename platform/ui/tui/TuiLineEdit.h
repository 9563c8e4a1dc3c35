// A one-line text field of the terminal: caret, selection, horizontal scrolling that
// keeps the caret in view. The path edit and the save-as prompt use it.
#pragma once

#include "platform/ui/tui/TuiTerminal.h"

#include <string>

class ClTuiLineEdit {
public:
    enum _Result { EDIT_IGNORED, EDIT_MOVED, EDIT_CHANGED };

    // nAnchor and nCaret are character positions; the selection lies between them.
    void SetText(std::wstring text, int nAnchor, int nCaret);
    const std::wstring& GetText() const { return m_strText; }
    int GetCaret() const { return m_nCaret; }

    // Applies an editing key: characters replace the selection, Backspace and Delete
    // remove, the arrows, Home and End move (with Shift they select).
    _Result Key(const StTUIKEY& key);

    // Draws the field in nCells cells, the selection shown when focused; returns the
    // caret's column.
    int Draw(int nRow, int nCol, int nCells, bool bFocused);

private:
    bool _HasSel() const { return m_nAnchor != m_nCaret; }
    void _DeleteSel();
    void _Move(int nTo, bool bSelect);
    void _ScrollToCaret(int nCells);

    std::wstring m_strText;
    int m_nAnchor = 0;
    int m_nCaret = 0;
    int m_nScroll = 0; // first character shown
};
