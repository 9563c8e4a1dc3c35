#include "platform/ui/tui/TuiLineEdit.h"

#include <algorithm>

void ClTuiLineEdit::SetText(std::wstring text, int nAnchor, int nCaret) {
    m_strText = std::move(text);
    const int nLen = static_cast<int>(m_strText.size());
    m_nAnchor = std::clamp(nAnchor, 0, nLen);
    m_nCaret = std::clamp(nCaret, 0, nLen);
    m_nScroll = std::min(m_nScroll, m_nCaret);
}

void ClTuiLineEdit::_DeleteSel() {
    const int nFrom = std::min(m_nAnchor, m_nCaret);
    m_strText.erase(static_cast<std::size_t>(nFrom),
                    static_cast<std::size_t>(std::abs(m_nCaret - m_nAnchor)));
    m_nAnchor = m_nCaret = nFrom;
}

void ClTuiLineEdit::_Move(int nTo, bool bSelect) {
    m_nCaret = std::clamp(nTo, 0, static_cast<int>(m_strText.size()));
    if (!bSelect)
        m_nAnchor = m_nCaret;
}

ClTuiLineEdit::_Result ClTuiLineEdit::Key(const StTUIKEY& key) {
    const int nLen = static_cast<int>(m_strText.size());
    if (key.eKind == StTUIKEY::KIND_CHAR) {
        _DeleteSel();
        m_strText.insert(static_cast<std::size_t>(m_nCaret), 1, key.wch);
        _Move(m_nCaret + 1, false);
        return EDIT_CHANGED;
    }
    if (key.eKind != StTUIKEY::KIND_SPECIAL || key.nVirtKey)
        return EDIT_IGNORED;
    switch (key.nCode) {
    case ClTuiTerminal::SPECIAL_BACKSPACE:
    case ClTuiTerminal::SPECIAL_DELETE: {
        if (!_HasSel()) {
            const bool bBack = key.nCode == ClTuiTerminal::SPECIAL_BACKSPACE;
            if (bBack ? m_nCaret == 0 : m_nCaret == nLen)
                return EDIT_IGNORED;
            m_nAnchor = m_nCaret + (bBack ? -1 : 1);
        }
        _DeleteSel();
        return EDIT_CHANGED;
    }
    case ClTuiTerminal::SPECIAL_LEFT:
        _Move(_HasSel() ? std::min(m_nAnchor, m_nCaret) : m_nCaret - 1, false);
        return EDIT_MOVED;
    case ClTuiTerminal::SPECIAL_RIGHT:
        _Move(_HasSel() ? std::max(m_nAnchor, m_nCaret) : m_nCaret + 1, false);
        return EDIT_MOVED;
    case ClTuiTerminal::SPECIAL_HOME:
    case ClTuiTerminal::SPECIAL_SHIFT_HOME:
        _Move(0, key.nCode == ClTuiTerminal::SPECIAL_SHIFT_HOME);
        return EDIT_MOVED;
    case ClTuiTerminal::SPECIAL_END:
    case ClTuiTerminal::SPECIAL_SHIFT_END:
        _Move(nLen, key.nCode == ClTuiTerminal::SPECIAL_SHIFT_END);
        return EDIT_MOVED;
    case ClTuiTerminal::SPECIAL_SHIFT_LEFT:
        _Move(m_nCaret - 1, true);
        return EDIT_MOVED;
    case ClTuiTerminal::SPECIAL_SHIFT_RIGHT:
        _Move(m_nCaret + 1, true);
        return EDIT_MOVED;
    default:
        return EDIT_IGNORED;
    }
}

// The caret keeps a cell of its own at the right edge, as an edit's caret does.
void ClTuiLineEdit::_ScrollToCaret(int nCells) {
    m_nScroll = std::clamp(m_nScroll, 0, m_nCaret);
    const auto cellsToCaret = [this] {
        return TuiCells(std::wstring_view(m_strText).substr(
            static_cast<std::size_t>(m_nScroll), static_cast<std::size_t>(m_nCaret - m_nScroll)));
    };
    while (m_nScroll < m_nCaret && cellsToCaret() > nCells - 1)
        ++m_nScroll;
}

int ClTuiLineEdit::Draw(int nRow, int nCol, int nCells, bool bFocused) {
    _ScrollToCaret(nCells);
    ClTuiTerminal::Fill(nRow, nCol, nCells, ClTuiTerminal::ATTR_UNDERLINE);
    const int nSelFrom = std::min(m_nAnchor, m_nCaret);
    const int nSelTo = std::max(m_nAnchor, m_nCaret);
    int nDone = 0;
    int nCaretCol = nCol;
    for (int i = m_nScroll; i <= static_cast<int>(m_strText.size()); ++i) {
        if (i == m_nCaret)
            nCaretCol = nCol + nDone;
        if (i == static_cast<int>(m_strText.size()))
            break;
        const bool bSel = bFocused && i >= nSelFrom && i < nSelTo;
        const int nDrawn = ClTuiTerminal::Put(
            nRow, nCol + nDone, std::wstring_view(&m_strText[static_cast<std::size_t>(i)], 1),
            nCells - nDone,
            ClTuiTerminal::ATTR_UNDERLINE | (bSel ? ClTuiTerminal::ATTR_REVERSE : 0));
        if (nDrawn == 0 && TuiCells(m_strText[static_cast<std::size_t>(i)]) > 0)
            break; // the field is full
        nDone += nDrawn;
    }
    return nCaretCol;
}
