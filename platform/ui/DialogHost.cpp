#include "platform/DialogHost.h"

#include "platform/MessageBox.h"
#include "platform/ui/HostWindow.h"
#include "platform/ui/UiBackend.h"

#include <cstdio>

short GetKeyState(int nVirtKey) {
    const UINT fMods = ClDialogWindow::CurrentKeyMods();
    UINT fWanted = 0;
    if (nVirtKey == static_cast<int>(VK_SHIFT))
        fWanted = ClDialogWindow::KEY_SHIFT;
    else if (nVirtKey == static_cast<int>(VK_CONTROL))
        fWanted = ClDialogWindow::KEY_CTRL;
    else if (nVirtKey == static_cast<int>(VK_MENU))
        fWanted = ClDialogWindow::KEY_ALT;
    return (fMods & fWanted) ? static_cast<short>(-0x8000) : 0;
}

HWND GetFocus() {
    ClDialogWindow* pOpen = ClDialogWindow::Open();
    return pOpen ? pOpen->GetFocus() : nullptr;
}

// ---------------------------------------------------------------------------------------

int ClWnd::GetDlgCtrlID() const {
    return m_hWnd ? m_hWnd->GetId() : 0;
}

void ClWnd::SetWindowText(const char* szText) {
    if (m_hWnd)
        m_hWnd->GetDialog().SetText(*m_hWnd, szText ? szText : "");
}

void ClWnd::GetWindowText(std::string& strText) const {
    if (m_hWnd)
        strText = m_hWnd->GetText();
    else
        strText.clear();
}

BOOL ClWnd::EnableWindow(BOOL bEnable) {
    if (!m_hWnd)
        return FALSE;
    const BOOL bWasDisabled = !m_hWnd->IsEnabled();
    m_hWnd->GetDialog().SetEnabled(*m_hWnd, bEnable != FALSE);
    return bWasDisabled;
}

BOOL ClWnd::IsWindowEnabled() const {
    return m_hWnd && m_hWnd->IsEnabled();
}

void ClWnd::SetFocus() {
    if (m_hWnd)
        m_hWnd->GetDialog().SetFocus(m_hWnd->GetItem() ? m_hWnd : nullptr);
}

void ClEdit::LimitText(int nChars) {
    if (m_hWnd)
        m_hWnd->GetDialog().SetLimit(*m_hWnd, nChars);
}

// The model keeps no scroll position: a backend shows the caret, which is nEnd.
void ClEdit::SetSel(int nStart, int nEnd, BOOL bNoScroll) {
    (void)bNoScroll;
    if (m_hWnd)
        m_hWnd->GetDialog().SetSel(*m_hWnd, nStart, nEnd);
}

// ---------------------------------------------------------------------------------------

void DDX_Control(ClDataExchange* pDX, int nId, ClWnd& rControl) {
    ClDialog* pDlg = pDX->m_pDlgWnd;
    if (rControl.m_hWnd)
        return;
    rControl.m_hWnd = pDlg->GetDlgItem(nId);
    if (rControl.m_hWnd)
        pDlg->m_vecAttached.push_back(&rControl);
}

void DDX_Text(ClDataExchange* pDX, int nId, std::string& strValue) {
    ClWnd wnd(pDX->m_pDlgWnd->GetDlgItem(nId));
    if (!wnd.m_hWnd)
        return;
    if (pDX->m_bSaveAndValidate)
        wnd.GetWindowText(strValue);
    else
        wnd.SetWindowText(strValue.c_str());
}

// ---------------------------------------------------------------------------------------

ClDialog::ClDialog(const StDLGTEMPLATE& rTemplate, HWND hParent)
    : m_rTemplate(rTemplate), m_hParent(hParent) {}

ClDialog::~ClDialog() = default;

int ClDialog::DoModal() {
    ClUiBackend* pBackend = ClUiBackend::Active();
    if (!pBackend)
        return -1;
    // The wrappers must not outlive the window, also when a handler throws.
    struct StDetach {
        ClDialog& rDlg;
        ~StDetach() {
            for (ClWnd* pWnd : rDlg.m_vecAttached)
                pWnd->m_hWnd = nullptr;
            rDlg.m_vecAttached.clear();
            rDlg.m_hWnd = nullptr;
            rDlg.m_pWindow = nullptr;
        }
    };
    ClDialogWindow wnd(*this);
    StDetach detach{*this};
    m_pWindow = &wnd;
    m_hWnd = &wnd;
    return wnd.Run(*pBackend);
}

void ClDialog::EndDialog(int nResult) {
    if (m_pWindow)
        m_pWindow->End(nResult);
}

BOOL ClDialog::UpdateData(BOOL bSaveAndValidate) {
    ClDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

HWND ClDialog::GetDlgItem(int nId) const {
    return m_pWindow ? m_pWindow->FindControl(nId) : nullptr;
}

BOOL ClDialog::PreTranslateMessage(StMSG* pMsg) {
    (void)pMsg;
    return FALSE;
}

BOOL ClDialog::OnCommand(UINT nId) {
    if (nId == static_cast<UINT>(IDOK))
        OnOK();
    else if (nId == static_cast<UINT>(IDCANCEL))
        OnCancel();
    else
        return FALSE;
    return TRUE;
}

void ClDialog::DoDataExchange(ClDataExchange* pDX) {
    (void)pDX;
}

BOOL ClDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void ClDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void ClDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

// ---------------------------------------------------------------------------------------

ClFileDialog::ClFileDialog(const char* szDefExt, const char* szFileName, DWORD dwFlags,
                           const char* szFilter, ClWnd* pParent)
    : m_ofn{pParent ? pParent->m_hWnd : nullptr,
            szFilter,
            szFileName,
            nullptr,
            nullptr,
            szDefExt,
            dwFlags} {}

int ClFileDialog::DoModal() {
    ClUiBackend* pBackend = ClUiBackend::Active();
    std::string strPath;
    if (!pBackend || !pBackend->SaveAs(m_ofn, strPath))
        return IDCANCEL;
    m_strPath = strPath;
    return IDOK;
}

// ---------------------------------------------------------------------------------------

namespace {

ClWinApp* g_pApp = nullptr;
int g_nWaitCursor = 0;

void _ShowWaitCursor(BOOL bOn) {
    if (ClUiBackend* pBackend = ClUiBackend::Active())
        pBackend->SetWaitCursor(bOn);
}

void _DoWaitCursor(int nCode) {
    if (nCode > 0 && g_nWaitCursor++ == 0)
        _ShowWaitCursor(TRUE);
    else if (nCode < 0 && g_nWaitCursor > 0 && --g_nWaitCursor == 0)
        _ShowWaitCursor(FALSE);
    else if (nCode == 0 && g_nWaitCursor > 0)
        _ShowWaitCursor(TRUE);
}

} // namespace

ClWinApp::ClWinApp() = default;
ClWinApp::~ClWinApp() = default;

ClWinApp* ClWinApp::Get() {
    return g_pApp;
}

int ClWinApp::Run() {
    const std::string strSpec = ClUiBackend::ChosenSpec();
    std::string strError;
    if (strSpec.empty())
        strError = "no user interface: no display, and standard input is not a terminal "
                   "(set GKLINK_UI to gui, tui or script:HOSTPATH)";
    else
        ClUiBackend::Activate(strSpec, strError);
    if (!ClUiBackend::Active()) {
        std::fprintf(stderr, "%s\n", strError.c_str());
        return 2;
    }
    struct StEnd {
        ~StEnd() {
            g_pApp = nullptr;
            ClUiBackend::Activate(nullptr);
        }
    } end;
    g_pApp = this;
    try {
        InitInstance();
    } catch (...) {
        ExitInstance();
        throw;
    }
    return ExitInstance();
}

BOOL ClWinApp::InitInstance() {
    return TRUE;
}
int ClWinApp::ExitInstance() {
    return 0;
}

void ClWinApp::BeginWaitCursor() {
    _DoWaitCursor(1);
}
void ClWinApp::EndWaitCursor() {
    _DoWaitCursor(-1);
}
void ClWinApp::RestoreWaitCursor() {
    _DoWaitCursor(0);
}

ClWaitCursor::ClWaitCursor() {
    _DoWaitCursor(1);
}
ClWaitCursor::~ClWaitCursor() {
    _DoWaitCursor(-1);
}
void ClWaitCursor::Restore() {
    _DoWaitCursor(0);
}

// ---------------------------------------------------------------------------------------

void ClDialogHost::NotifyExec(const char* szCmdLine, const char* szCurDir, BOOL bStarted) {
    if (ClUiBackend* pBackend = ClUiBackend::Active())
        pBackend->ProcessStarted(szCmdLine ? szCmdLine : "", szCurDir ? szCurDir : "", bStarted);
}

void ClDialogHost::PumpMessages(DWORD dwMaxMs) {
    if (ClUiBackend* pBackend = ClUiBackend::Active())
        pBackend->PumpMessages(dwMaxMs);
}

void ClDialogHost::DiscardInput() {
    if (ClUiBackend* pBackend = ClUiBackend::Active())
        pBackend->DiscardInput();
}
