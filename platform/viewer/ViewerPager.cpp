// The viewer in the terminal: a title line, the text wrapped to the screen's width, and
// a line with the keys. The arrows, Page Up and Down, Home, End and the space bar move;
// q and Esc close it.
#include "platform/DialogHost.h"
#include "platform/ui/tui/TuiTerminal.h"
#include "platform/viewer/ViewerShow.h"

#include <algorithm>

namespace {

using ClTerm = ClTuiTerminal;

// Tabs stop every eight cells, as in a console.
std::wstring _ExpandTabs(std::wstring_view text) {
    std::wstring strOut;
    int nCol = 0;
    for (const wchar_t wch : text) {
        if (wch == L'\t') {
            do
                strOut += L' ';
            while (++nCol % 8);
            continue;
        }
        strOut += wch;
        nCol = wch == L'\n' ? 0 : nCol + TuiCells(wch);
    }
    return strOut;
}

class ClPager {
public:
    ClPager(std::wstring title, std::wstring text)
        : m_strTitle(std::move(title)), m_strText(_ExpandTabs(text)) {}

    void Run() {
        for (bool bDone = false; !bDone && !ClTerm::Gone();) {
            _Layout();
            _Draw();
            bDone = _Key(ClTerm::ReadKey());
        }
    }

private:
    int _Page() const { return std::max(1, ClTerm::Rows() - 2); }
    int _Last() const { return std::max(0, static_cast<int>(m_vecRows.size()) - _Page()); }

    void _Layout() {
        if (ClTerm::Cols() == m_nCols)
            return;
        m_nCols = ClTerm::Cols();
        m_vecRows = TuiWrap(m_strText, std::max(1, m_nCols));
        if (!m_vecRows.empty() && m_vecRows.back().empty())
            m_vecRows.pop_back(); // the text's final line end opens no line of its own
    }

    void _Draw() {
        ClTerm::Clear();
        ClTerm::Fill(0, 0, m_nCols, ClTerm::ATTR_REVERSE);
        ClTerm::Put(0, 1, m_strTitle, m_nCols - 2, ClTerm::ATTR_REVERSE);
        m_nTop = std::clamp(m_nTop, 0, _Last());
        for (int r = 0; r < _Page() && m_nTop + r < static_cast<int>(m_vecRows.size()); ++r)
            ClTerm::Put(1 + r, 0, m_vecRows[static_cast<std::size_t>(m_nTop + r)], m_nCols);
        ClTerm::Put(ClTerm::Rows() - 1, 0, L"↑↓ PgUp PgDn: スクロール    q, Esc: 閉じる", m_nCols,
                    ClTerm::ATTR_REVERSE);
        ClTerm::ShowCursor(-1, 0);
    }

    bool _Key(const StTUIKEY& key) {
        if (key.nVirtKey == VK_ESCAPE ||
            (key.eKind == StTUIKEY::KIND_CHAR && (key.wch == L'q' || key.wch == L'Q')))
            return true;
        if (key.eKind == StTUIKEY::KIND_CHAR && key.wch == L' ')
            m_nTop += _Page();
        switch (key.nCode) {
        case ClTerm::SPECIAL_UP:
            --m_nTop;
            break;
        case ClTerm::SPECIAL_DOWN:
            ++m_nTop;
            break;
        case ClTerm::SPECIAL_PAGEUP:
            m_nTop -= _Page();
            break;
        case ClTerm::SPECIAL_PAGEDOWN:
            m_nTop += _Page();
            break;
        case ClTerm::SPECIAL_HOME:
            m_nTop = 0;
            break;
        case ClTerm::SPECIAL_END:
            m_nTop = _Last();
            break;
        case ClTerm::SPECIAL_RESIZE:
            m_nCols = -1;
            break;
        default:
            break;
        }
        return false;
    }

    std::wstring m_strTitle;
    std::wstring m_strText;
    std::vector<std::wstring> m_vecRows;
    int m_nCols = -1;
    int m_nTop = 0;
};

} // namespace

BOOL ShowInTerminal(const StVIEWDOC& rDoc, BOOL bLoaded, const std::string& strError,
                    std::string& strWhy) {
    if (!ClTerm::Check(strWhy))
        return FALSE;
    ClTerm::Enter();
    const std::wstring strTitle = TuiWide(rDoc.strName) + TuiWideFromCp932(" - ワードパッド");
    ClPager(strTitle, TuiWide(bLoaded ? rDoc.strText : strError)).Run();
    ClTerm::Stop();
    return TRUE;
}
