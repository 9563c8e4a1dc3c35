// The window backend: dialogs drawn from their resource in dialog units of the dialog
// font, message boxes and the save-as dialog of wxWidgets. The dialog host's window
// model decides what the input does; the native controls only show it and pass the
// user's typing, clicks and focus moves back.
#include "platform/DriveMap.h"
#include "platform/ui/FileChoice.h"
#include "platform/ui/UiBackend.h"
#include "platform/ui/gui/GuiSupport.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/button.h>
#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/time.h>
#include <wx/utils.h>

// The generic message box needs the base class of the native one first.
#include <wx/msgdlg.h>

#include <wx/generic/msgdlgg.h>

namespace {

// Handles what the toolkit has waiting, for at most dwMaxMs milliseconds; also outside
// a modal loop, where nothing else would let the display catch up.
void _Pump(DWORD dwMaxMs) {
    std::unique_ptr<wxEventLoopBase> pOwn;
    wxEventLoopBase* pLoop = wxEventLoopBase::GetActive();
    if (!pLoop) {
        pOwn.reset(wxTheApp->GetTraits()->CreateEventLoop());
        pLoop = pOwn.get();
    }
    wxEventLoopActivator activate(pLoop);
    const wxLongLong tStart = wxGetLocalTimeMillis();
    while (pLoop->Pending() && wxGetLocalTimeMillis() - tStart <= dwMaxMs)
        pLoop->Dispatch();
}

// GKLINK_GUI_DUMP names a file that collects what tests compare: the dialog's control
// rectangles in pixels and every message box. Lines are appended.
void _Dump(const std::string& strLines) {
    const char* szDump = std::getenv("GKLINK_GUI_DUMP");
    if (!szDump || !*szDump)
        return;
    std::ofstream out(szDump, std::ios::app);
    out << strLines;
}

// A static control as Windows draws it: the text at the top of its rectangle, or centred
// vertically with SS_CENTERIMAGE, "&" marking the underlined mnemonic.
class ClGuiStatic : public wxWindow {
public:
    ClGuiStatic(wxWindow* pParent, const wxPoint& pt, const wxSize& size, DWORD dwStyle)
        : wxWindow(pParent, wxID_ANY, pt, size, wxBORDER_NONE), m_dwStyle(dwStyle) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &ClGuiStatic::_OnPaint, this);
    }
    void SetText(const wxString& str) {
        m_strText = str;
        Refresh();
    }

private:
    void _OnPaint(wxPaintEvent&) {
        wxPaintDC dc(this);
        dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
        dc.Clear();
        dc.SetFont(GetFont());
        dc.SetTextForeground(IsEnabled() ? GetParent()->GetForegroundColour()
                                         : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        int nAlign = (m_dwStyle & 0x1F) == SS_RIGHT ? wxALIGN_RIGHT : wxALIGN_LEFT;
        nAlign |= (m_dwStyle & SS_CENTERIMAGE) ? wxALIGN_CENTER_VERTICAL : wxALIGN_TOP;
        wxString strShown;
        const int nAccel = wxControl::FindAccelIndex(m_strText, &strShown);
        dc.DrawLabel(strShown, wxRect(GetClientSize()), nAlign, nAccel);
    }

    DWORD m_dwStyle;
    wxString m_strText;
};

UINT _Mods(const wxKeyEvent& event) {
    UINT fMods = 0;
    if (event.ShiftDown())
        fMods |= ClDialogWindow::KEY_SHIFT;
    if (event.ControlDown())
        fMods |= ClDialogWindow::KEY_CTRL;
    if (event.AltDown())
        fMods |= ClDialogWindow::KEY_ALT;
    return fMods;
}

// The keys that belong to the dialog rather than to the focused control: Tab, Enter,
// Esc, the function keys and Alt with a letter or digit. 0 for every other key.
UINT _DialogVirtKey(const wxKeyEvent& event) {
    const int nKey = event.GetKeyCode();
    if (nKey == WXK_TAB)
        return VK_TAB;
    if (nKey == WXK_RETURN || nKey == WXK_NUMPAD_ENTER)
        return VK_RETURN;
    if (nKey == WXK_ESCAPE)
        return VK_ESCAPE;
    if (nKey >= WXK_F1 && nKey <= WXK_F24)
        return VK_F1 + static_cast<UINT>(nKey - WXK_F1);
    const bool bAltOnly = event.AltDown() && !event.ControlDown();
    if (bAltOnly && ((nKey >= 'A' && nKey <= 'Z') || (nKey >= '0' && nKey <= '9')))
        return static_cast<UINT>(nKey);
    if (bAltOnly && nKey >= 'a' && nKey <= 'z')
        return static_cast<UINT>(nKey - 'a' + 'A');
    return 0;
}

class ClGuiDialog : public wxDialog {
public:
    explicit ClGuiDialog(ClDialogWindow& rModel)
        : wxDialog(nullptr, wxID_ANY, WxFromCp932(rModel.GetText())), m_rModel(rModel),
          m_font(DialogFont(rModel.GetTemplate().szFont, rModel.GetTemplate().nPointSize)),
          m_units(*this, m_font) {
        const StDLGTEMPLATE& rTemplate = rModel.GetTemplate();
        SetFont(m_font);
        SetClientSize(m_units.Size(rTemplate.cx, rTemplate.cy));
        for (int i = 0; i < rModel.GetControlCount(); ++i)
            m_vecCtls.push_back(_Create(rModel.GetControl(i)));
        Bind(wxEVT_CHAR_HOOK, &ClGuiDialog::_OnCharHook, this);
        Bind(wxEVT_CLOSE_WINDOW, &ClGuiDialog::_OnClose, this);
        Centre();
    }

    ClDialogWindow& GetModel() const { return m_rModel; }
    const ClDialogUnits& GetUnits() const { return m_units; }
    const wxFont& GetDialogFont() const { return m_font; }

    // Shows the model's state of one control.
    void Sync(ClHostWindow& rCtl) {
        wxWindow* pWnd = _Window(rCtl);
        if (!pWnd)
            return;
        pWnd->Enable(rCtl.IsEnabled());
        const wxString strText = WxFromCp932(rCtl.GetText());
        if (rCtl.IsKind(StDLGITEM::KIND_STATIC))
            static_cast<ClGuiStatic*>(pWnd)->SetText(strText);
        else if (!rCtl.IsKind(StDLGITEM::KIND_EDIT))
            pWnd->SetLabel(strText);
        else if (!m_bTyping)
            _SyncEdit(*static_cast<wxTextCtrl*>(pWnd), rCtl, strText);
    }

    // Gives the model's focus to its control.
    void SyncFocus() {
        ClHostWindow* pFocus = m_rModel.GetFocus();
        wxWindow* pWnd = pFocus ? _Window(*pFocus) : nullptr;
        if (pWnd && FindFocus() != pWnd)
            pWnd->SetFocus();
    }

    // Runs the dialog until the model has ended; rethrows what a handler threw.
    void RunModal() {
        CallAfter([this] { _DumpLayout(); });
        ShowModal();
        if (m_pException)
            std::rethrow_exception(std::exchange(m_pException, nullptr));
    }

private:
    wxWindow* _Create(ClHostWindow& rCtl) {
        const StDLGITEM& rItem = *rCtl.GetItem();
        const wxPoint pt = m_units.Point(rItem.x, rItem.y);
        const wxSize size = m_units.Size(rItem.cx, rItem.cy);
        const wxString strText = WxFromCp932(rCtl.GetText());
        wxWindow* pWnd = nullptr;
        switch (rItem.eKind) {
        case StDLGITEM::KIND_STATIC:
            pWnd = new ClGuiStatic(this, pt, size, rItem.dwStyle);
            static_cast<ClGuiStatic*>(pWnd)->SetText(strText);
            break;
        case StDLGITEM::KIND_GROUPBOX:
            pWnd = new wxStaticBox(this, wxID_ANY, strText, pt, size);
            break;
        case StDLGITEM::KIND_EDIT:
            pWnd = new wxTextCtrl(this, wxID_ANY, strText, pt, size,
                                  (rItem.dwStyle & WS_BORDER) ? wxBORDER_DEFAULT : wxBORDER_NONE);
            pWnd->Bind(wxEVT_TEXT, [this, &rCtl](wxCommandEvent&) { _OnText(rCtl); });
            break;
        case StDLGITEM::KIND_BUTTON:
            pWnd = new wxButton(this, wxID_ANY, strText, pt, size);
            pWnd->Bind(wxEVT_BUTTON, [this, &rCtl](wxCommandEvent&) {
                _Input([&] { m_rModel.Click(rCtl.GetId()); });
            });
            break;
        }
        pWnd->SetFont(m_font);
        pWnd->Enable(rCtl.IsEnabled());
        if (rCtl.CanFocus())
            pWnd->Bind(wxEVT_SET_FOCUS, [this, &rCtl](wxFocusEvent& event) {
                event.Skip();
                if (!m_nBusy && m_rModel.GetFocus() != &rCtl)
                    _Input([&] { m_rModel.UserFocus(rCtl.GetId()); });
            });
        return pWnd;
    }

    wxWindow* _Window(const ClHostWindow& rCtl) const {
        for (int i = 0; i < m_rModel.GetControlCount(); ++i)
            if (&m_rModel.GetControl(i) == &rCtl)
                return m_vecCtls[static_cast<std::size_t>(i)];
        return nullptr;
    }

    void _SyncEdit(wxTextCtrl& rEdit, const ClHostWindow& rCtl, const wxString& strText) {
        if (rEdit.GetValue() != strText)
            rEdit.ChangeValue(strText);
        rEdit.SetMaxLength(static_cast<unsigned long>(rCtl.GetLimit()));
        rEdit.SetSelection(rCtl.GetSelStart(), rCtl.GetSelEnd());
    }

    // The user's input, handed to the model; what the handlers throw is kept for the
    // caller of the modal loop, since it cannot pass through the toolkit.
    template <class FnInput>
    void _Input(FnInput fnInput) {
        ++m_nBusy;
        try {
            fnInput();
        } catch (...) {
            m_pException = std::current_exception();
        }
        --m_nBusy;
        if (m_nBusy == 0 && (m_rModel.IsEnded() || m_pException)) {
            if (IsModal())
                EndModal(0);
        } else if (m_nBusy == 0) {
            SyncFocus();
        }
    }

    void _OnCharHook(wxKeyEvent& event) {
        const UINT nVirtKey = _DialogVirtKey(event);
        if (!nVirtKey || m_nBusy) {
            event.Skip(!nVirtKey);
            return;
        }
        _Input([&] { m_rModel.KeyDown(nVirtKey, _Mods(event)); });
    }

    void _OnClose(wxCloseEvent& event) {
        if (event.CanVeto())
            event.Veto();
        _Input([&] { m_rModel.Close(); });
    }

    // The user changed the edit's text: the model takes it within its limit. A character
    // without a CP932 form cannot be typed into a program of this code page.
    void _OnText(ClHostWindow& rCtl) {
        wxTextCtrl& rEdit = *static_cast<wxTextCtrl*>(_Window(rCtl));
        std::string strText;
        if (!Cp932FromWx(rEdit.GetValue(), strText)) {
            const long nCaret = rEdit.GetInsertionPoint();
            rEdit.ChangeValue(WxFromCp932(rCtl.GetText()));
            rEdit.SetInsertionPoint(std::min(nCaret, rEdit.GetLastPosition()));
            wxBell();
            return;
        }
        m_bTyping = true;
        _Input([&] { m_rModel.TypeText(rCtl.GetId(), strText); });
        m_bTyping = false;
        const wxString strKept = WxFromCp932(rCtl.GetText());
        if (rEdit.GetValue() != strKept) {
            rEdit.ChangeValue(strKept);
            rEdit.SetInsertionPointEnd();
        }
    }

    // The pixel rectangles of the controls, once the dialog is on the screen.
    void _DumpLayout() const {
        std::ostringstream out;
        out << "font " << GetFont().GetFaceName().utf8_str() << '\n'
            << "family " << ClGuiSession::ResolvedFamily(GetFont().GetFaceName()) << '\n'
            << "base " << m_units.BaseX() << ' ' << m_units.BaseY() << '\n'
            << "client " << GetClientSize().x << ' ' << GetClientSize().y << '\n';
        for (std::size_t i = 0; i < m_vecCtls.size(); ++i) {
            const wxRect rc = m_vecCtls[i]->GetRect();
            out << "item " << i << ' ' << m_rModel.GetControl(static_cast<int>(i)).GetId() << ' '
                << rc.x << ' ' << rc.y << ' ' << rc.width << ' ' << rc.height << '\n';
        }
        _Dump(out.str());
    }

    ClDialogWindow& m_rModel;
    wxFont m_font;
    ClDialogUnits m_units;
    std::vector<wxWindow*> m_vecCtls; // in the model's control order
    int m_nBusy = 0;
    bool m_bTyping = false;
    std::exception_ptr m_pException;
};

// "Name|pattern|...||" of the file dialogs of Windows to wx's "Name|pattern|...".
wxString _Wildcard(const char* szFilter) {
    wxString str = WxFromCp932(szFilter ? szFilter : "");
    while (str.EndsWith("|"))
        str.RemoveLast();
    return str;
}

bool _HasWildcard(const wxString& str) {
    return str.find_first_of("*?") != wxString::npos;
}

class ClGuiBackend : public ClUiBackend {
public:
    ~ClGuiBackend() override {
        if (m_bBusyCursor)
            wxEndBusyCursor();
        m_pDlg.reset();
        ClGuiSession::Stop();
    }

    void DialogCreated(ClDialogWindow& rWnd) override {
        m_pDlg = std::make_unique<ClGuiDialog>(rWnd);
    }

    void RunDialog(ClDialogWindow& rWnd) override {
        if (m_pDlg && &m_pDlg->GetModel() == &rWnd)
            m_pDlg->RunModal();
    }

    void DialogEnded(ClDialogWindow& rWnd) override {
        if (!m_pDlg || &m_pDlg->GetModel() != &rWnd)
            return;
        m_pDlg.reset();
        _Pump(100); // the display drops the window before the program goes on
    }

    void ControlChanged(ClHostWindow& rCtl) override {
        if (ClGuiDialog* pDlg = _For(rCtl))
            pDlg->Sync(rCtl);
    }

    void FocusChanged(ClDialogWindow& rWnd, ClHostWindow* pOld) override {
        (void)pOld;
        if (ClGuiDialog* pDlg = _For(rWnd))
            pDlg->SyncFocus();
    }

    int Show(HWND hOwner, const char* szText, const char* szCaption, UINT uType) override {
        long nStyle = (uType & 0x0F) == MB_YESNO ? wxYES_NO : wxOK;
        switch (uType & 0xF0) {
        case MB_ICONQUESTION:
            nStyle |= wxICON_QUESTION;
            break;
        case MB_ICONEXCLAMATION:
            nStyle |= wxICON_EXCLAMATION;
            break;
        case MB_ICONINFORMATION:
            nStyle |= wxICON_INFORMATION;
            break;
        case 0x10:
            nStyle |= wxICON_ERROR;
            break;
        }
        _DumpBox(hOwner, szText, uType);
        wxGenericMessageDialog box(_Owner(hOwner), WxFromCp932(szText ? szText : ""),
                                   WxFromCp932(szCaption ? szCaption : ""), nStyle);
        box.SetYesNoLabels(WxFromCp932("はい(&Y)"), WxFromCp932("いいえ(&N)"));
        const int nAnswer = box.ShowModal();
        if (nStyle & wxYES_NO)
            return nAnswer == wxID_YES ? IDYES : IDNO;
        return IDOK;
    }

    BOOL SaveAs(const StOPENFILENAME& rOfn, std::string& strPath) override {
        wxString strDir = _HostFolder(rOfn.szInitialDir);
        wxString strName = WxFromCp932(rOfn.szFile ? rOfn.szFile : "");
        if (_HasWildcard(strName))
            strName.clear(); // the filter already shows what the pattern would
        const wxString strTitle = WxFromCp932(rOfn.szTitle ? rOfn.szTitle : "名前を付けて保存");
        for (;;) {
            wxFileDialog dlg(_Owner(rOfn.hOwner), strTitle, strDir, strName,
                             _Wildcard(rOfn.szFilter), wxFD_SAVE);
            if (dlg.ShowModal() != wxID_OK)
                return FALSE;
            const std::filesystem::path host(dlg.GetPath().utf8_string());
            strDir = dlg.GetDirectory();
            strName = wxString::FromUTF8(host.filename().string());
            if (_Accepted(rOfn, host, strTitle, strPath))
                return TRUE;
        }
    }

    void SetWaitCursor(BOOL bOn) override {
        if (m_bBusyCursor)
            wxEndBusyCursor(); // shown again below: a message box may have replaced it
        m_bBusyCursor = bOn != FALSE;
        if (m_bBusyCursor)
            wxBeginBusyCursor();
    }

    void PumpMessages(DWORD dwMaxMs) override { _Pump(dwMaxMs); }
    // No window of ours is open while a viewer runs; what is left to handle is the
    // display's own business.
    void DiscardInput() override { _Pump(0); }

private:
    ClGuiDialog* _For(const ClHostWindow& rWnd) const {
        return m_pDlg && &m_pDlg->GetModel() == &rWnd.GetDialog() ? m_pDlg.get() : nullptr;
    }

    wxWindow* _Owner(HWND hOwner) const { return hOwner ? _For(*hOwner) : nullptr; }

    // "msgbox OWNER TYPE TEXT": owner dialog or none, the MB_* bits in hex, the text in
    // UTF-8 with its line ends as \n.
    void _DumpBox(HWND hOwner, const char* szText, UINT uType) const {
        std::string strText = Cp932ToUtf8Shown(szText ? szText : "");
        for (std::size_t i = 0; (i = strText.find('\n', i)) != std::string::npos; i += 2)
            strText.replace(i, 1, "\\n");
        char szType[16];
        std::snprintf(szType, sizeof szType, "0x%X", uType);
        _Dump(std::string("msgbox ") + (hOwner ? "dialog " : "none ") + szType + ' ' + strText +
              '\n');
    }

    // The host folder of a Windows folder; empty (the current folder) when it has none.
    static wxString _HostFolder(const char* szWinDir) {
        std::string strHost;
        if (!szWinDir || !*szWinDir || !ClDriveMap::Inst().ToHost(szWinDir, strHost))
            return wxString();
        std::error_code ec;
        return std::filesystem::is_directory(strHost, ec) ? wxString::FromUTF8(strHost)
                                                          : wxString();
    }

    // The chosen host file as a Windows path, after the system's checks; FALSE when they
    // complained.
    BOOL _Accepted(const StOPENFILENAME& rOfn, const std::filesystem::path& host,
                   const wxString& strTitle, std::string& strPath) {
        std::string strComplaint;
        wxString strMessage;
        if (!ClDriveMap::Inst().ToWindows(host.string(), strPath))
            strMessage = wxString::FromUTF8(host.string()) +
                         WxFromCp932("\nこの場所はどのドライブにも割り当てられていません。");
        else if (CheckFileChoice(rOfn, strPath, strComplaint))
            return TRUE;
        else
            strMessage = WxFromCp932(strComplaint);
        wxGenericMessageDialog box(_Owner(rOfn.hOwner), strMessage, strTitle,
                                   wxOK | wxICON_EXCLAMATION);
        box.ShowModal();
        return FALSE;
    }

    std::unique_ptr<ClGuiDialog> m_pDlg;
    bool m_bBusyCursor = false;
};

} // namespace

// Without GKLINK_UI the window was only the first choice: a display that does not open
// leaves the terminal, when there is one.
std::unique_ptr<ClUiBackend> CreateGuiBackend(const std::string& strArg, std::string& strError) {
    if (ClGuiSession::Start())
        return std::make_unique<ClGuiBackend>();
    strError = "the window user interface cannot open the display";
#ifdef GK_UI_HAS_TUI
    const char* szChoice = std::getenv("GKLINK_UI");
    if (!(szChoice && *szChoice) && isatty(STDIN_FILENO))
        return CreateTuiBackend(strArg, strError);
#endif
    (void)strArg;
    return nullptr;
}
