#include "platform/ui/HostWindow.h"

#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "platform/ui/UiBackend.h"

#include <algorithm>

namespace {

ClDialogWindow* g_pOpen = nullptr;
UINT g_fKeyMods = 0;

bool _IsLetterOrDigit(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

int Cp932CharCount(std::string_view text) {
    int nChars = 0;
    for (std::size_t i = 0; i < text.size(); i += Cp932CharLen(text, i))
        ++nChars;
    return nChars;
}

std::string_view Cp932CutChars(std::string_view text, int nChars) {
    std::size_t i = 0;
    for (int n = 0; n < nChars && i < text.size(); ++n)
        i += Cp932CharLen(text, i);
    return text.substr(0, i);
}

std::string Cp932ToUtf8Shown(std::string_view text) {
    std::string strUtf8;
    if (Cp932ToUtf8(text, strUtf8))
        return strUtf8;
    std::string strChar;
    for (std::size_t i = 0; i < text.size(); i += Cp932CharLen(text, i))
        strUtf8 +=
            Cp932ToUtf8(text.substr(i, Cp932CharLen(text, i)), strChar) ? strChar : "\xEF\xBF\xBD";
    return strUtf8;
}

// ---------------------------------------------------------------------------------------

ClHostWindow::ClHostWindow(ClDialogWindow& rDialog, const StDLGITEM* pItem)
    : m_rDialog(rDialog), m_pItem(pItem) {
    if (pItem) {
        m_strText = pItem->szText ? pItem->szText : "";
        m_bEnabled = (pItem->dwStyle & WS_DISABLED) == 0;
    }
}

bool ClHostWindow::IsTabStop() const {
    return m_pItem && (m_pItem->dwStyle & WS_TABSTOP) && m_bEnabled;
}

bool ClHostWindow::CanFocus() const {
    return m_bEnabled && (IsKind(StDLGITEM::KIND_EDIT) || IsKind(StDLGITEM::KIND_BUTTON));
}

char ClHostWindow::GetMnemonic() const {
    const std::string_view text = m_strText;
    for (std::size_t i = 0; i < text.size(); i += Cp932CharLen(text, i)) {
        if (text[i] != '&' || i + 1 >= text.size())
            continue;
        const unsigned char c = static_cast<unsigned char>(text[i + 1]);
        if (c == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        if (_IsLetterOrDigit(c))
            return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return 0;
}

// ---------------------------------------------------------------------------------------

ClDialogWindow::ClDialogWindow(ClDialog& rDlg)
    : ClHostWindow(*this, nullptr), m_rDlg(rDlg), m_pPrevOpen(g_pOpen) {
    const StDLGTEMPLATE& rTemplate = rDlg.GetTemplate();
    m_strText = rTemplate.szCaption ? rTemplate.szCaption : "";
    for (int i = 0; i < rTemplate.nItems; ++i)
        m_vecControls.push_back(std::make_unique<ClHostWindow>(*this, &rTemplate.pItems[i]));
    g_pOpen = this;
}

ClDialogWindow::~ClDialogWindow() {
    g_pOpen = m_pPrevOpen;
}

ClDialogWindow* ClDialogWindow::Open() {
    return g_pOpen;
}

UINT ClDialogWindow::CurrentKeyMods() {
    return g_fKeyMods;
}

int ClDialogWindow::Run(ClUiBackend& rBackend) {
    rBackend.DialogCreated(*this);
    if (m_rDlg.OnInitDialog())
        _NextTabStop(false);
    if (!m_bEnded)
        rBackend.RunDialog(*this);
    if (!m_bEnded)
        End(-1);
    rBackend.DialogEnded(*this);
    return m_nResult;
}

ClHostWindow* ClDialogWindow::FindControl(int nId) const {
    for (const auto& pCtl : m_vecControls)
        if (pCtl->GetId() == nId && nId != IDC_STATIC)
            return pCtl.get();
    return nullptr;
}

void ClDialogWindow::KeyDown(UINT nVirtKey, UINT fMods) {
    const UINT fOldMods = g_fKeyMods;
    g_fKeyMods = fMods;
    StMSG msg{m_pFocus ? m_pFocus : static_cast<ClHostWindow*>(this),
              (fMods & KEY_ALT) ? WM_SYSKEYDOWN : WM_KEYDOWN, nVirtKey};
    if (!m_rDlg.PreTranslateMessage(&msg))
        _DialogKey(nVirtKey, fMods);
    g_fKeyMods = fOldMods;
}

// The dialog handling of Windows: Tab and Shift+Tab between tab stops, Esc the cancel
// command, Enter a click on the focused push button or else the default command, Alt
// with a letter the control that carries it as mnemonic. Alt with Tab or Esc belongs to
// the window manager.
void ClDialogWindow::_DialogKey(UINT nVirtKey, UINT fMods) {
    const bool bAlt = (fMods & KEY_ALT) != 0;
    if (nVirtKey == VK_TAB && !bAlt)
        _NextTabStop((fMods & KEY_SHIFT) != 0);
    else if (nVirtKey == VK_ESCAPE && !bAlt)
        _Command(IDCANCEL);
    else if (nVirtKey == VK_RETURN)
        _Command((m_pFocus && m_pFocus->IsKind(StDLGITEM::KIND_BUTTON)) ? m_pFocus->GetId() : IDOK);
    else if (bAlt && nVirtKey < 0x80 && _IsLetterOrDigit(static_cast<unsigned char>(nVirtKey)))
        _Mnemonic(static_cast<char>(nVirtKey));
}

void ClDialogWindow::_NextTabStop(bool bBackward) {
    std::vector<ClHostWindow*> vecStops;
    for (const auto& pCtl : m_vecControls)
        if (pCtl->IsTabStop())
            vecStops.push_back(pCtl.get());
    if (vecStops.empty())
        return;
    const auto it = std::find(vecStops.begin(), vecStops.end(), m_pFocus);
    const std::size_t n = vecStops.size();
    std::size_t iNext = 0;
    if (it != vecStops.end()) {
        const std::size_t iCur = static_cast<std::size_t>(it - vecStops.begin());
        iNext = bBackward ? (iCur + n - 1) % n : (iCur + 1) % n;
    } else if (bBackward) {
        iNext = n - 1;
    }
    ClHostWindow& rNext = *vecStops[iNext];
    SetFocus(&rNext);
    if (rNext.IsKind(StDLGITEM::KIND_EDIT))
        SetSel(rNext, 0, -1); // an edit reached by the keyboard selects its text
}

// Searches from the control after the focus, as Windows does; a static or group box
// passes the focus to the next tab stop after it.
void ClDialogWindow::_Mnemonic(char cLetter) {
    const std::size_t n = m_vecControls.size();
    std::size_t iStart = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (m_vecControls[i].get() == m_pFocus)
            iStart = i + 1;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = (iStart + k) % n;
        ClHostWindow& rCtl = *m_vecControls[i];
        if (rCtl.GetMnemonic() != cLetter || !rCtl.IsEnabled())
            continue;
        if (rCtl.IsKind(StDLGITEM::KIND_BUTTON)) {
            Click(rCtl.GetId());
            return;
        }
        for (std::size_t j = i + 1; j < n; ++j) {
            ClHostWindow& rNext = *m_vecControls[j];
            if (rNext.IsTabStop()) {
                SetFocus(&rNext);
                if (rNext.IsKind(StDLGITEM::KIND_EDIT))
                    SetSel(rNext, 0, -1);
                return;
            }
        }
        return;
    }
}

void ClDialogWindow::_Command(UINT nId) {
    m_rDlg.OnCommand(nId);
}

BOOL ClDialogWindow::Click(int nId) {
    ClHostWindow* pCtl = FindControl(nId);
    if (!pCtl || !pCtl->IsKind(StDLGITEM::KIND_BUTTON) || !pCtl->IsEnabled())
        return FALSE;
    SetFocus(pCtl); // a push button takes the focus when it is pressed
    _Command(static_cast<UINT>(nId));
    return TRUE;
}

void ClDialogWindow::Close() {
    _Command(IDCANCEL);
}

BOOL ClDialogWindow::TypeText(int nId, std::string_view text) {
    ClHostWindow* pCtl = FindControl(nId);
    if (!pCtl || !pCtl->IsKind(StDLGITEM::KIND_EDIT) || !pCtl->IsEnabled())
        return FALSE;
    const std::string_view cut = pCtl->m_nLimit > 0 ? Cp932CutChars(text, pCtl->m_nLimit) : text;
    SetText(*pCtl, cut);
    const int nEnd = Cp932CharCount(cut);
    SetSel(*pCtl, nEnd, nEnd);
    return TRUE;
}

BOOL ClDialogWindow::UserFocus(int nId) {
    ClHostWindow* pCtl = FindControl(nId);
    if (!pCtl || !pCtl->CanFocus())
        return FALSE;
    SetFocus(pCtl);
    return TRUE;
}

namespace {

void _Changed(ClHostWindow& rWnd) {
    if (ClUiBackend* pBackend = ClUiBackend::Active())
        pBackend->ControlChanged(rWnd);
}

} // namespace

void ClDialogWindow::SetText(ClHostWindow& rWnd, std::string_view text) {
    rWnd.m_strText.assign(text);
    rWnd.m_nSelStart = rWnd.m_nSelEnd = 0;
    _Changed(rWnd);
}

void ClDialogWindow::SetEnabled(ClHostWindow& rWnd, bool bEnabled) {
    rWnd.m_bEnabled = bEnabled;
    _Changed(rWnd);
}

void ClDialogWindow::SetFocus(ClHostWindow* pWnd) {
    if (pWnd == m_pFocus)
        return;
    ClHostWindow* pOld = m_pFocus;
    m_pFocus = pWnd;
    if (ClUiBackend* pBackend = ClUiBackend::Active())
        pBackend->FocusChanged(*this, pOld);
}

void ClDialogWindow::SetSel(ClHostWindow& rWnd, int nStart, int nEnd) {
    const int nChars = Cp932CharCount(rWnd.m_strText);
    const auto clamp = [nChars](int n) { return (n < 0 || n > nChars) ? nChars : n; };
    rWnd.m_nSelStart = nStart < 0 ? clamp(nEnd) : clamp(nStart); // -1 start: no selection
    rWnd.m_nSelEnd = clamp(nEnd);
    _Changed(rWnd);
}

void ClDialogWindow::SetLimit(ClHostWindow& rWnd, int nChars) {
    rWnd.m_nLimit = nChars > 0 ? nChars : 0;
    _Changed(rWnd);
}

void ClDialogWindow::End(int nResult) {
    m_bEnded = true;
    m_nResult = nResult;
}
