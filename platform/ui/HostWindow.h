// The live window of a modal dialog, as the backends see it: the controls with their
// current state, and the entry points for the user's input. Everything a dialog does
// with its input (its own key handling, then tab stops, default and cancel commands,
// mnemonics) happens here, so that every backend behaves alike.
#pragma once

#include "platform/DialogHost.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ClDialogWindow;
class ClUiBackend;

// A window of the dialog host: the dialog itself or one of its controls. HWND points to it.
struct ClHostWindow {
public:
    ClHostWindow(ClDialogWindow& rDialog, const StDLGITEM* pItem);
    ClHostWindow(const ClHostWindow&) = delete;
    ClHostWindow& operator=(const ClHostWindow&) = delete;

    ClDialogWindow& GetDialog() const { return m_rDialog; }
    // The resource item; null for the dialog itself.
    const StDLGITEM* GetItem() const { return m_pItem; }
    int GetId() const { return m_pItem ? m_pItem->nId : 0; }
    bool IsKind(StDLGITEM::_Kind eKind) const { return m_pItem && m_pItem->eKind == eKind; }
    const std::string& GetText() const { return m_strText; } // CP932
    bool IsEnabled() const { return m_bEnabled; }
    // Characters the user may type into an edit; 0: no limit of its own.
    int GetLimit() const { return m_nLimit; }
    int GetSelStart() const { return m_nSelStart; } // character positions
    int GetSelEnd() const { return m_nSelEnd; }
    // A tab stop that can take the focus now.
    bool IsTabStop() const;
    // An enabled edit or push button: what a click or the focus verb may reach.
    bool CanFocus() const;
    // The upper-case letter marked with "&" in the text, 0 when none.
    char GetMnemonic() const;

private:
    friend class ClDialogWindow;

    ClDialogWindow& m_rDialog;
    const StDLGITEM* m_pItem;
    std::string m_strText;
    bool m_bEnabled = true;
    int m_nLimit = 0;
    int m_nSelStart = 0;
    int m_nSelEnd = 0;
};

class ClDialogWindow : public ClHostWindow {
public:
    // Key modifiers of KeyDown.
    enum _KeyMod { KEY_SHIFT = 1, KEY_CTRL = 2, KEY_ALT = 4 };

    explicit ClDialogWindow(ClDialog& rDlg);
    ~ClDialogWindow();

    // The modal run: OnInitDialog, the first tab stop focused, then the backend's input
    // until the dialog ends. Returns the result, -1 when the backend gave up first.
    int Run(ClUiBackend& rBackend);

    ClDialog& GetDialogObject() const { return m_rDlg; }
    const StDLGTEMPLATE& GetTemplate() const { return m_rDlg.GetTemplate(); }
    int GetControlCount() const { return static_cast<int>(m_vecControls.size()); }
    ClHostWindow& GetControl(int nIndex) const { return *m_vecControls[nIndex]; }
    ClHostWindow* FindControl(int nId) const;
    ClHostWindow* GetFocus() const { return m_pFocus; }
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_nResult; }

    // The user's input. Each runs the dialog's handlers to completion.
    // A key-down at the focused control: the dialog's PreTranslateMessage, then the
    // dialog handling (Tab, Esc, Enter, Alt+mnemonic).
    void KeyDown(UINT nVirtKey, UINT fMods);
    // A click on a button: it takes the focus, then its command. FALSE (nothing done)
    // when nId is no enabled push button.
    BOOL Click(int nId);
    // The caption's close box: the cancel command.
    void Close();
    // The user replaced the text of edit nId (CP932), cut to its limit. FALSE when nId
    // is no enabled edit.
    BOOL TypeText(int nId, std::string_view text);
    // The user moved the focus to nId. FALSE when the control cannot take it.
    BOOL UserFocus(int nId);

    // What the framework does to the window.
    void SetText(ClHostWindow& rWnd, std::string_view text);
    void SetEnabled(ClHostWindow& rWnd, bool bEnabled);
    void SetFocus(ClHostWindow* pWnd);
    void SetSel(ClHostWindow& rWnd, int nStart, int nEnd);
    void SetLimit(ClHostWindow& rWnd, int nChars);
    void End(int nResult);

    // The window whose key message is being handled: the key state GetKeyState reads.
    static UINT CurrentKeyMods();
    // The dialog that is open, null when none.
    static ClDialogWindow* Open();

private:
    void _DialogKey(UINT nVirtKey, UINT fMods);
    void _NextTabStop(bool bBackward);
    void _Mnemonic(char cLetter);
    void _Command(UINT nId);

    ClDialog& m_rDlg;
    std::vector<std::unique_ptr<ClHostWindow>> m_vecControls;
    ClHostWindow* m_pFocus = nullptr;
    ClDialogWindow* m_pPrevOpen;
    bool m_bEnded = false;
    int m_nResult = 0;
};

// CP932 text helpers shared by the backends: characters count a double-byte pair once.
int Cp932CharCount(std::string_view text);
std::string_view Cp932CutChars(std::string_view text, int nChars);
// CP932 text for display as UTF-8; a character that does not convert shows as U+FFFD.
std::string Cp932ToUtf8Shown(std::string_view text);
