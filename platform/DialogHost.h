// Dialog hosting: the application object, modal dialogs with data exchange, their
// controls, keyboard messages, the save-as dialog and the wait cursor. The logic of
// dialogs (tab stops, default and cancel commands, mnemonics, data exchange) lives
// here once; the active user-interface backend (platform/ui/UiBackend.h) only shows
// the dialog and feeds its input. Texts are CP932 throughout.
#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class ClDialogWindow; // the live window of a dialog (platform/ui/HostWindow.h)

// ---------------------------------------------------------------------------------------
// Window styles and dialog resources

inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_SETFONT = 0x0040;
inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_CENTERIMAGE = 0x0200; // vertically centred
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_GROUPBOX = 0x0007;

inline constexpr int IDC_STATIC = -1;

// One control of a dialog resource. Position and size are dialog units.
struct StDLGITEM {
    enum _Kind { KIND_STATIC, KIND_GROUPBOX, KIND_EDIT, KIND_BUTTON };
    int nId; // IDC_STATIC for a control without id
    _Kind eKind;
    const char* szText; // CP932; "&X" marks the mnemonic X
    short x, y, cx, cy;
    DWORD dwStyle;
};

// A dialog resource; its items are in resource order, which is the tab order.
struct StDLGTEMPLATE {
    UINT nId;
    const char* szCaption; // CP932
    short cx, cy;          // dialog units
    const char* szFont;    // CP932 face name
    short nPointSize;
    DWORD dwStyle;
    const StDLGITEM* pItems;
    int nItems;
};

// ---------------------------------------------------------------------------------------
// Keyboard messages

inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104; // a key-down with Alt held

inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_SHIFT = 0x10;
inline constexpr UINT VK_CONTROL = 0x11;
inline constexpr UINT VK_MENU = 0x12; // Alt
inline constexpr UINT VK_ESCAPE = 0x1B;
inline constexpr UINT VK_F1 = 0x70;
inline constexpr UINT VK_F12 = 0x7B;
inline constexpr UINT VK_F24 = 0x87;
// Letters are their upper-case ASCII codes.

struct StMSG {
    HWND hwnd;    // the control with the focus, else the dialog
    UINT message; // WM_KEYDOWN or WM_SYSKEYDOWN
    UINT wParam;  // the virtual key
};

// The state of VK_SHIFT, VK_CONTROL or VK_MENU while the current key message is being
// handled: negative (high bit set) when held.
short GetKeyState(int nVirtKey);
// The control that has the focus in the open dialog; null when none is open.
HWND GetFocus();

// ---------------------------------------------------------------------------------------
// Windows and controls

// A handle wrapper. Dialog members are attached by DDX_Control and detached when the
// dialog's window goes; calls on a detached wrapper do nothing and return empty.
class ClWnd {
public:
    ClWnd() = default;
    explicit ClWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~ClWnd() = default;
    ClWnd(const ClWnd&) = delete;
    ClWnd& operator=(const ClWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    int GetDlgCtrlID() const;
    void SetWindowText(const char* szText);
    void GetWindowText(std::string& strText) const;
    // TRUE when the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetFocus();

    HWND m_hWnd = nullptr;
};

class ClEdit : public ClWnd {
public:
    // Characters the user may type (a double-byte character counts once); 0: no limit
    // beyond the system's.
    void LimitText(int nChars);
    // Selects characters nStart to nEnd (-1: the end); the caret goes to nEnd and is
    // scrolled into view unless bNoScroll.
    void SetSel(int nStart, int nEnd, BOOL bNoScroll = FALSE);
};

class ClButton : public ClWnd {};

// ---------------------------------------------------------------------------------------
// Modal dialogs

class ClDialog;

class ClDataExchange {
public:
    ClDataExchange(ClDialog* pDlg, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlg) {}

    BOOL m_bSaveAndValidate; // TRUE: controls into members; FALSE: members into controls
    ClDialog* m_pDlgWnd;
};

// Attaches rControl to the control nId (on the first exchange only).
void DDX_Control(ClDataExchange* pDX, int nId, ClWnd& rControl);
// Exchanges the text of control nId with strValue.
void DDX_Text(ClDataExchange* pDX, int nId, std::string& strValue);

class ClDialog : public ClWnd {
public:
    ClDialog(const StDLGTEMPLATE& rTemplate, HWND hParent = nullptr);
    ~ClDialog() override;

    // Creates the window from the resource, runs OnInitDialog and then the input of the
    // active backend until EndDialog. Returns the EndDialog result, -1 when the dialog
    // cannot be shown (no backend is active).
    int DoModal();
    // Ends the modal loop once the current message has been handled.
    void EndDialog(int nResult);
    // Runs DoDataExchange; always TRUE (no exchange validates).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The control nId of the open dialog, null when there is none.
    HWND GetDlgItem(int nId) const;

    const StDLGTEMPLATE& GetTemplate() const { return m_rTemplate; }

    // Every key-down passes here before the dialog handling; TRUE consumes it.
    virtual BOOL PreTranslateMessage(StMSG* pMsg);
    // Commands: button clicks with the button's id, IDOK for the default command,
    // IDCANCEL for Esc and the close box. TRUE when handled. The framework routes IDOK
    // to OnOK and IDCANCEL to OnCancel; derived dialogs map their buttons first.
    virtual BOOL OnCommand(UINT nId);

protected:
    virtual void DoDataExchange(ClDataExchange* pDX);
    // Fills the controls from the members (UpdateData(FALSE)); TRUE lets the framework
    // focus the first tab stop.
    virtual BOOL OnInitDialog();
    // The default command: UpdateData(TRUE), then EndDialog(IDOK).
    virtual void OnOK();
    // The cancel command: EndDialog(IDCANCEL).
    virtual void OnCancel();

private:
    friend void DDX_Control(ClDataExchange*, int, ClWnd&);
    friend class ClDialogWindow;

    const StDLGTEMPLATE& m_rTemplate;
    HWND m_hParent;
    ClDialogWindow* m_pWindow = nullptr; // while DoModal runs
    std::vector<ClWnd*> m_vecAttached;   // detached when the window goes
};

// ---------------------------------------------------------------------------------------
// The save-as dialog

inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x0004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x0008;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x0800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

struct StOPENFILENAME {
    HWND hOwner;
    const char* szFilter;     // "Name|pattern|...||"
    const char* szFile;       // initial file name
    const char* szInitialDir; // initial folder, may be null
    const char* szTitle;      // may be null
    const char* szDefExt;     // default extension without the dot, may be null
    DWORD dwFlags;
};

class ClFileDialog {
public:
    // The save-as form. Texts must outlive DoModal; m_ofn may be adjusted before it.
    ClFileDialog(const char* szDefExt, const char* szFileName, DWORD dwFlags, const char* szFilter,
                 ClWnd* pParent);

    // IDOK with the chosen path, IDCANCEL when cancelled or no backend is active.
    int DoModal();
    const std::string& GetPathName() const { return m_strPath; }

    StOPENFILENAME m_ofn;

private:
    std::string m_strPath;
};

// ---------------------------------------------------------------------------------------
// The application object

class ClWinApp {
public:
    ClWinApp();
    virtual ~ClWinApp();
    ClWinApp(const ClWinApp&) = delete;
    ClWinApp& operator=(const ClWinApp&) = delete;

    // The program's main calls this: chooses the backend by GKLINK_UI (gui, tui or
    // script:HOSTPATH; unset: gui with a display, tui on a terminal), runs InitInstance
    // and then ExitInstance (also when InitInstance throws), and returns the process
    // status: ExitInstance's result, or 2 after saying on standard error that no
    // backend is available.
    int Run();

    // The whole run of a program without a main window. Its result is not the status.
    virtual BOOL InitInstance();
    // Returns the process status; the framework's own is 0.
    virtual int ExitInstance();

    // The wait cursor: Begin and End nest; Restore shows it again after something (a
    // message box) may have replaced it.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static ClWinApp* Get(); // the running application, null outside Run
};

// The wait cursor for a scope.
class ClWaitCursor {
public:
    ClWaitCursor();
    ~ClWaitCursor();
    ClWaitCursor(const ClWaitCursor&) = delete;
    ClWaitCursor& operator=(const ClWaitCursor&) = delete;
    void Restore();
};

// ---------------------------------------------------------------------------------------
// What the program's own process handling tells the host

class ClDialogHost {
public:
    // Every process start, whether it started or not (the script backend records it).
    static void NotifyExec(const char* szCmdLine, const char* szCurDir, BOOL bStarted);
    // Handles waiting input and paint for at most dwMaxMs milliseconds.
    static void PumpMessages(DWORD dwMaxMs);
    // Drops every input that arrived meanwhile (keys and clicks while a viewer was open).
    static void DiscardInput();
};
