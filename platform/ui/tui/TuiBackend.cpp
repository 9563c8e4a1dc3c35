// The terminal backend: the dialog drawn in character cells from its resource, message
// boxes as framed boxes, the save-as dialog as a path prompt. The dialog host's window
// model decides what a key does; this file shows the model and edits the path field.
// The full-screen mode is left whenever nothing of ours is open, so that the export
// and a viewer started meanwhile have the terminal to themselves.
#include "platform/ui/FileChoice.h"
#include "platform/ui/UiBackend.h"
#include "platform/ui/tui/TuiLineEdit.h"
#include "platform/ui/tui/TuiTerminal.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

using ClTerm = ClTuiTerminal;

// Dialog units to cells. A row is a character's height, eight units. A column is a
// quarter of the average character width, four units, unless a label of the resource
// needs more room: a cell is as wide as the narrowest average character, but Japanese
// text takes two cells where the dialog font gives it less than twice the average.
class ClCellGrid {
public:
    explicit ClCellGrid(const StDLGTEMPLATE& rTemplate) {
        for (int i = 0; i < rTemplate.nItems; ++i) {
            const StDLGITEM& rItem = rTemplate.pItems[i];
            int nAccel = 0;
            const int nCells = TuiCells(TuiLabel(TuiWideFromCp932(rItem.szText), nAccel)) +
                               _Decoration(rItem.eKind);
            if (nCells > 0 && rItem.cx > 0)
                m_dUnitsPerCol = std::min(m_dUnitsPerCol, double(rItem.cx) / nCells);
        }
    }
    int Col(int x) const { return static_cast<int>(std::lround(x / m_dUnitsPerCol)); }
    int Row(int y) const { return (y + 4) / 8; }
    int Cols(int x, int cx) const { return Col(x + cx) - Col(x); }
    int Rows(int y, int cy) const { return std::max(1, Row(y + cy) - Row(y)); }

private:
    // Cells a control draws around its label: a button's brackets, a group box's corner
    // and blanks.
    static int _Decoration(StDLGITEM::_Kind eKind) {
        return eKind == StDLGITEM::KIND_BUTTON ? 2 : eKind == StDLGITEM::KIND_GROUPBOX ? 4 : 0;
    }

    double m_dUnitsPerCol = 4.0;
};

// A label with its mnemonic underlined, from nCol, at most nCells cells.
void _PutLabel(int nRow, int nCol, const std::wstring& strLabel, int nAccel, int nCells,
               int fAttr) {
    int nDone = 0;
    for (std::size_t i = 0; i < strLabel.size(); ++i) {
        const int fUnder = static_cast<int>(i) == nAccel ? ClTerm::ATTR_UNDERLINE : 0;
        nDone += ClTerm::Put(nRow, nCol + nDone, std::wstring_view(&strLabel[i], 1), nCells - nDone,
                             fAttr | fUnder);
    }
}

// The dialog as the terminal shows it.
class ClTuiDialogView {
public:
    explicit ClTuiDialogView(ClDialogWindow& rModel)
        : m_rModel(rModel), m_grid(rModel.GetTemplate()) {}

    ClDialogWindow& GetModel() const { return m_rModel; }

    void Draw() {
        const StDLGTEMPLATE& rTemplate = m_rModel.GetTemplate();
        const int nCols = m_grid.Col(rTemplate.cx) + 2;
        const int nRows = m_grid.Row(rTemplate.cy) + 2;
        m_nTop = std::max(0, (ClTerm::Rows() - nRows) / 2) + 1;
        m_nLeft = std::max(0, (ClTerm::Cols() - nCols) / 2) + 1;
        ClTerm::Clear();
        ClTerm::Frame(m_nTop - 1, m_nLeft - 1, nRows, nCols, TuiWideFromCp932(m_rModel.GetText()));
        m_nCursorRow = -1;
        for (int i = 0; i < m_rModel.GetControlCount(); ++i)
            _DrawControl(m_rModel.GetControl(i));
        ClTerm::ShowCursor(m_nCursorRow, m_nCursorCol);
    }

    // The model changed a control: an edit shows the model's text and selection, except
    // while the change is the user's own typing, whose caret stays where it is.
    void Sync(const ClHostWindow& rCtl) {
        if (!rCtl.IsKind(StDLGITEM::KIND_EDIT) ||
            (m_bTyping && _Edit(rCtl).GetText() == TuiWideFromCp932(rCtl.GetText())))
            return;
        _Edit(rCtl).SetText(TuiWideFromCp932(rCtl.GetText()), rCtl.GetSelStart(), rCtl.GetSelEnd());
    }

    void Key(const StTUIKEY& key) {
        if (key.nVirtKey) {
            m_rModel.KeyDown(key.nVirtKey, key.fMods);
            return;
        }
        ClHostWindow* pFocus = m_rModel.GetFocus();
        if (!pFocus)
            return;
        if (pFocus->IsKind(StDLGITEM::KIND_BUTTON) && key.eKind == StTUIKEY::KIND_CHAR &&
            key.wch == L' ')
            m_rModel.Click(pFocus->GetId());
        else if (pFocus->IsKind(StDLGITEM::KIND_EDIT))
            _EditKey(*pFocus, key);
    }

private:
    ClTuiLineEdit& _Edit(const ClHostWindow& rCtl) {
        auto it = m_mapEdits.find(&rCtl);
        if (it == m_mapEdits.end()) {
            it = m_mapEdits.emplace(&rCtl, ClTuiLineEdit()).first;
            it->second.SetText(TuiWideFromCp932(rCtl.GetText()), rCtl.GetSelStart(),
                               rCtl.GetSelEnd());
        }
        return it->second;
    }

    // An edit refuses what its limit or the code page cannot take, as a Windows edit does.
    void _EditKey(ClHostWindow& rCtl, const StTUIKEY& key) {
        ClTuiLineEdit next = _Edit(rCtl);
        const ClTuiLineEdit::_Result eResult = next.Key(key);
        if (eResult == ClTuiLineEdit::EDIT_IGNORED)
            return;
        std::string strText;
        if (eResult == ClTuiLineEdit::EDIT_CHANGED &&
            (!TuiCp932FromWide(next.GetText(), strText) ||
             (rCtl.GetLimit() > 0 && Cp932CharCount(strText) > rCtl.GetLimit()))) {
            ClTerm::Beep();
            return;
        }
        _Edit(rCtl) = next;
        if (eResult != ClTuiLineEdit::EDIT_CHANGED)
            return;
        m_bTyping = true;
        m_rModel.TypeText(rCtl.GetId(), strText);
        m_bTyping = false;
    }

    void _DrawControl(const ClHostWindow& rCtl) {
        const StDLGITEM& rItem = *rCtl.GetItem();
        const int nRow = m_nTop + m_grid.Row(rItem.y);
        const int nCol = m_nLeft + m_grid.Col(rItem.x);
        const int nCells = m_grid.Cols(rItem.x, rItem.cx);
        const bool bFocused = m_rModel.GetFocus() == &rCtl;
        int nAccel = -1;
        const std::wstring strLabel = TuiLabel(TuiWideFromCp932(rCtl.GetText()), nAccel);
        const int nLabel = TuiCells(strLabel);
        switch (rItem.eKind) {
        case StDLGITEM::KIND_STATIC: {
            const bool bRight = (rItem.dwStyle & 0x1F) == SS_RIGHT;
            _PutLabel(nRow, nCol + (bRight ? std::max(0, nCells - nLabel) : 0), strLabel, nAccel,
                      nCells, 0);
            break;
        }
        case StDLGITEM::KIND_GROUPBOX:
            ClTerm::Frame(nRow, nCol, m_grid.Rows(rItem.y, rItem.cy), nCells, L"", false);
            ClTerm::Put(nRow, nCol + 1, L" ", 1);
            _PutLabel(nRow, nCol + 2, strLabel, nAccel, nCells - 4, 0);
            ClTerm::Put(nRow, nCol + 2 + std::min(nLabel, nCells - 4), L" ", 1);
            break;
        case StDLGITEM::KIND_EDIT: {
            const int nCaret = _Edit(rCtl).Draw(nRow, nCol, nCells, bFocused);
            if (bFocused) {
                m_nCursorRow = nRow;
                m_nCursorCol = nCaret;
            }
            break;
        }
        case StDLGITEM::KIND_BUTTON: {
            const int fAttr = bFocused ? ClTerm::ATTR_REVERSE : 0;
            const int nStart = nCol + std::max(0, (nCells - nLabel - 2) / 2);
            ClTerm::Put(nRow, nStart, L"[", 1, fAttr);
            _PutLabel(nRow, nStart + 1, strLabel, nAccel, std::max(0, nCells - 2), fAttr);
            ClTerm::Put(nRow, nStart + 1 + std::min(nLabel, std::max(0, nCells - 2)), L"]", 1,
                        fAttr);
            break;
        }
        }
    }

    ClDialogWindow& m_rModel;
    ClCellGrid m_grid;
    std::map<const ClHostWindow*, ClTuiLineEdit> m_mapEdits;
    bool m_bTyping = false;
    int m_nTop = 0;
    int m_nLeft = 0;
    int m_nCursorRow = -1;
    int m_nCursorCol = 0;
};

struct StBOXBUTTON {
    const wchar_t* szLabel;
    int nResult;
};

// A framed box in the middle of the screen: its text, then a row of buttons or a field.
class ClTuiPopup {
public:
    ClTuiPopup(std::wstring caption, std::wstring_view text, std::wstring_view icon)
        : m_strCaption(std::move(caption)), m_strIcon(icon) {
        const int nIcon = m_strIcon.empty() ? 0 : TuiCells(m_strIcon) + 1;
        m_vecLines = TuiWrap(text, std::max(20, ClTerm::Cols() - 8 - nIcon));
    }

    // Draws the frame and the text; returns the row below the text and the inner columns.
    int Draw(int nMinInner, int nExtraRows, int& nLeft, int& nInner) {
        const int nIcon = m_strIcon.empty() ? 0 : TuiCells(m_strIcon) + 1;
        nInner = std::max(nMinInner, TuiCells(m_strCaption) + 4);
        for (const std::wstring& strLine : m_vecLines)
            nInner = std::max(nInner, nIcon + TuiCells(strLine));
        nInner = std::min(nInner, std::max(1, ClTerm::Cols() - 4));
        const int nRows = static_cast<int>(m_vecLines.size()) + nExtraRows + 4;
        const int nTop = std::max(0, (ClTerm::Rows() - nRows) / 2);
        nLeft = std::max(0, (ClTerm::Cols() - nInner - 4) / 2) + 2;
        ClTerm::Frame(nTop, nLeft - 2, nRows, nInner + 4, m_strCaption);
        ClTerm::Put(nTop + 2, nLeft, m_strIcon, nIcon, ClTerm::ATTR_BOLD);
        for (std::size_t i = 0; i < m_vecLines.size(); ++i)
            ClTerm::Put(nTop + 2 + static_cast<int>(i), nLeft + nIcon, m_vecLines[i],
                        nInner - nIcon);
        return nTop + 3 + static_cast<int>(m_vecLines.size());
    }

private:
    std::wstring m_strCaption;
    std::wstring m_strIcon;
    std::vector<std::wstring> m_vecLines;
};

const wchar_t* _Icon(UINT uType) {
    switch (uType & 0xF0) {
    case MB_ICONQUESTION:
        return L"(?)";
    case MB_ICONEXCLAMATION:
        return L"(!)";
    case MB_ICONINFORMATION:
        return L"(i)";
    case 0x10:
        return L"(x)";
    default:
        return L"";
    }
}

class ClTuiBackend : public ClUiBackend {
public:
    ~ClTuiBackend() override { ClTerm::Stop(); }

    void DialogCreated(ClDialogWindow& rWnd) override {
        m_pView = std::make_unique<ClTuiDialogView>(rWnd);
    }

    void RunDialog(ClDialogWindow& rWnd) override {
        if (!m_pView || &m_pView->GetModel() != &rWnd)
            return;
        m_bShown = true;
        ClTerm::Enter();
        while (!rWnd.IsEnded() && !ClTerm::Gone()) {
            m_pView->Draw();
            m_pView->Key(ClTerm::ReadKey());
        }
    }

    void DialogEnded(ClDialogWindow& rWnd) override {
        if (!m_pView || &m_pView->GetModel() != &rWnd)
            return;
        m_pView.reset();
        m_bShown = false;
        ClTerm::Clear();
        ClTerm::Update();
        ClTerm::Leave();
    }

    void ControlChanged(ClHostWindow& rCtl) override {
        if (m_pView && &m_pView->GetModel() == &rCtl.GetDialog())
            m_pView->Sync(rCtl);
    }

    int Show(HWND hOwner, const char* szText, const char* szCaption, UINT uType) override {
        (void)hOwner; // a box always lies over the dialog, when one is shown
        static constexpr StBOXBUTTON G_OK[] = {{L"[OK]", IDOK}};
        static constexpr StBOXBUTTON G_YESNO[] = {{L"[はい]", IDYES}, {L"[いいえ]", IDNO}};
        const bool bYesNo = (uType & 0x0F) == MB_YESNO;
        const StBOXBUTTON* pButtons = bYesNo ? G_YESNO : G_OK;
        const int nButtons = bYesNo ? 2 : 1;
        if (ClTerm::Gone())
            return pButtons[nButtons - 1].nResult;
        ClTerm::Enter();
        ClTuiPopup popup(TuiWideFromCp932(szCaption ? szCaption : ""),
                         TuiWideFromCp932(szText ? szText : ""), _Icon(uType));
        int nFocus = 0;
        int nResult = 0;
        while (!nResult && !ClTerm::Gone()) {
            _DrawUnder();
            _DrawBox(popup, pButtons, nButtons, nFocus);
            nResult = _BoxKey(ClTerm::ReadKey(), pButtons, nButtons, bYesNo, nFocus);
        }
        _LeaveUnlessShown();
        return nResult ? nResult : pButtons[nButtons - 1].nResult;
    }

    BOOL SaveAs(const StOPENFILENAME& rOfn, std::string& strPath) override {
        const std::string strStart = std::string(rOfn.szInitialDir ? rOfn.szInitialDir : "") +
                                     (rOfn.szFile ? rOfn.szFile : "");
        ClTuiLineEdit edit;
        const std::wstring strText = TuiWideFromCp932(strStart);
        edit.SetText(strText, static_cast<int>(strText.size()), static_cast<int>(strText.size()));
        ClTerm::Enter();
        BOOL bSaved = FALSE;
        for (bool bDone = false; !bDone && !ClTerm::Gone();) {
            _DrawUnder();
            _DrawPrompt(rOfn, edit);
            const StTUIKEY key = ClTerm::ReadKey();
            if (key.nVirtKey == VK_ESCAPE && !key.fMods)
                bDone = true;
            else if (key.nVirtKey == VK_RETURN && !key.fMods)
                bDone = (bSaved = _PromptAccepted(rOfn, edit, strPath)) != FALSE;
            else if (edit.Key(key) == ClTuiLineEdit::EDIT_IGNORED &&
                     key.eKind != StTUIKEY::KIND_NONE)
                ClTerm::Beep();
        }
        _LeaveUnlessShown();
        return bSaved;
    }

    void DiscardInput() override { ClTerm::FlushInput(); }

private:
    void _DrawUnder() {
        if (m_bShown && m_pView)
            m_pView->Draw();
        else
            ClTerm::Clear();
        ClTerm::ShowCursor(-1, 0);
    }

    void _LeaveUnlessShown() {
        if (m_bShown)
            return;
        ClTerm::Clear();
        ClTerm::Update();
        ClTerm::Leave();
    }

    static void _DrawBox(ClTuiPopup& rPopup, const StBOXBUTTON* pButtons, int nButtons,
                         int nFocus) {
        int nWidth = 0;
        for (int i = 0; i < nButtons; ++i)
            nWidth += TuiCells(pButtons[i].szLabel) + (i ? 2 : 0);
        int nLeft = 0, nInner = 0;
        const int nRow = rPopup.Draw(nWidth, 2, nLeft, nInner);
        int nCol = nLeft + std::max(0, (nInner - nWidth) / 2);
        for (int i = 0; i < nButtons; ++i) {
            nCol += ClTerm::Put(nRow + 1, nCol, pButtons[i].szLabel, nInner,
                                i == nFocus ? ClTerm::ATTR_REVERSE : 0) +
                    2;
        }
    }

    // The answer a key gives, 0 while there is none. Y and N answer a question; Esc
    // closes only a box that has nothing to decide.
    static int _BoxKey(const StTUIKEY& key, const StBOXBUTTON* pButtons, int nButtons, bool bYesNo,
                       int& nFocus) {
        const wchar_t wch = key.eKind == StTUIKEY::KIND_CHAR ? key.wch : 0;
        const UINT nLetter = key.nVirtKey ? key.nVirtKey : static_cast<UINT>(wch & ~0x20);
        if (bYesNo && (nLetter == 'Y' || nLetter == 'N'))
            return nLetter == 'Y' ? IDYES : IDNO;
        if ((key.nVirtKey == VK_RETURN && !key.fMods) || wch == L' ')
            return pButtons[nFocus].nResult;
        if (key.nVirtKey == VK_ESCAPE && !bYesNo)
            return IDOK;
        const bool bBack = (key.nVirtKey == VK_TAB && (key.fMods & ClDialogWindow::KEY_SHIFT)) ||
                           key.nCode == ClTerm::SPECIAL_LEFT;
        const bool bNext = (key.nVirtKey == VK_TAB && !(key.fMods & ClDialogWindow::KEY_SHIFT)) ||
                           key.nCode == ClTerm::SPECIAL_RIGHT;
        if (bBack || bNext)
            nFocus = (nFocus + (bBack ? nButtons - 1 : 1)) % nButtons;
        return 0;
    }

    static void _DrawPrompt(const StOPENFILENAME& rOfn, ClTuiLineEdit& rEdit) {
        std::wstring strKind = TuiWideFromCp932(rOfn.szFilter ? rOfn.szFilter : "");
        strKind = strKind.substr(0, strKind.find(L'|'));
        ClTuiPopup popup(TuiWideFromCp932(rOfn.szTitle ? rOfn.szTitle : "名前を付けて保存"),
                         L"ファイルの種類: " + strKind + L"\nファイル名:", L"");
        int nLeft = 0, nInner = 0;
        const int nRow = popup.Draw(std::min(60, ClTerm::Cols() - 4), 3, nLeft, nInner);
        const int nCaret = rEdit.Draw(nRow - 1, nLeft, nInner, true);
        ClTerm::Put(nRow + 1, nLeft, L"Enter: 保存    Esc: キャンセル", nInner);
        ClTerm::ShowCursor(nRow - 1, nCaret);
    }

    BOOL _PromptAccepted(const StOPENFILENAME& rOfn, const ClTuiLineEdit& rEdit,
                         std::string& strPath) {
        std::string strComplaint;
        if (!TuiCp932FromWide(rEdit.GetText(), strPath)) {
            ClTerm::Beep();
            return FALSE;
        }
        if (CheckFileChoice(rOfn, strPath, strComplaint))
            return TRUE;
        Show(rOfn.hOwner, strComplaint.c_str(), rOfn.szTitle ? rOfn.szTitle : "",
             MB_ICONEXCLAMATION);
        ClTerm::Enter();
        return FALSE;
    }

    std::unique_ptr<ClTuiDialogView> m_pView;
    bool m_bShown = false; // the view's dialog runs and lies under every box
};

} // namespace

std::unique_ptr<ClUiBackend> CreateTuiBackend(const std::string& strArg, std::string& strError) {
    (void)strArg;
    if (!ClTuiTerminal::Check(strError))
        return nullptr;
    return std::make_unique<ClTuiBackend>();
}
