// The user-interface backends: what shows dialogs, message boxes and the save-as dialog
// and delivers the user's input. One backend is active per process; it is chosen by
// GKLINK_UI (gui, tui, script:HOSTPATH).
//
// A backend is built into gk_ui by its folder: gui/ and tui/ add their sources to gk_ui
// with target_sources, define GK_UI_HAS_GUI or GK_UI_HAS_TUI on gk_ui, and provide
// CreateGuiBackend or CreateTuiBackend below.
#pragma once

#include "platform/DialogHost.h"
#include "platform/MessageBox.h"
#include "platform/ui/HostWindow.h"

#include <memory>
#include <string>

class ClUiBackend : public ClMessageSink {
public:
    ~ClUiBackend() override = default;

    // The dialog's window exists with its controls filled from the resource; its
    // OnInitDialog runs next (and may already show message boxes owned by it).
    virtual void DialogCreated(ClDialogWindow& rWnd) { (void)rWnd; }
    // Shows the initialised dialog (the focus is set) and feeds the user's input to it
    // until rWnd.IsEnded().
    virtual void RunDialog(ClDialogWindow& rWnd) = 0;
    // The dialog has ended with rWnd.GetResult(), also when it ended during its
    // initialisation without being shown; its window goes next.
    virtual void DialogEnded(ClDialogWindow& rWnd) { (void)rWnd; }
    // A control's text, enabled state, limit or selection changed.
    virtual void ControlChanged(ClHostWindow& rCtl) { (void)rCtl; }
    // The focus moved from pOld (may be null) to rWnd.GetFocus() (may be null).
    virtual void FocusChanged(ClDialogWindow& rWnd, ClHostWindow* pOld) {
        (void)rWnd;
        (void)pOld;
    }

    // Message boxes (ClMessageSink::Show): hOwner is the dialog's window or null.

    // The save-as dialog; TRUE with the chosen Windows path (CP932), FALSE: cancelled.
    virtual BOOL SaveAs(const StOPENFILENAME& rOfn, std::string& strPath) = 0;
    virtual void SetWaitCursor(BOOL bOn) { (void)bOn; }
    virtual void ProcessStarted(const char* szCmdLine, const char* szCurDir, BOOL bStarted) {
        (void)szCmdLine;
        (void)szCurDir;
        (void)bStarted;
    }
    virtual void PumpMessages(DWORD dwMaxMs) { (void)dwMaxMs; }
    virtual void DiscardInput() {}

    // The active backend, null when none.
    static ClUiBackend* Active();
    // Creates the backend strSpec names ("gui", "tui", "script:HOSTPATH") and makes it
    // active; FALSE with the reason when it is unknown, not built or does not start.
    static BOOL Activate(const std::string& strSpec, std::string& strError);
    // Makes pBackend the active one and the message sink (tests use their own); null
    // deactivates. The previous backend is destroyed.
    static void Activate(std::unique_ptr<ClUiBackend> pBackend);
    // What GKLINK_UI asks for: its value, else "gui" when a display is available, "tui"
    // when standard input is a terminal, else empty.
    static std::string ChosenSpec();
};

// Factories; strArg is what follows "name:" in the spec (empty for gui and tui).
std::unique_ptr<ClUiBackend> CreateScriptBackend(const std::string& strArg, std::string& strError);
#ifdef GK_UI_HAS_GUI
std::unique_ptr<ClUiBackend> CreateGuiBackend(const std::string& strArg, std::string& strError);
#endif
#ifdef GK_UI_HAS_TUI
std::unique_ptr<ClUiBackend> CreateTuiBackend(const std::string& strArg, std::string& strError);
#endif
