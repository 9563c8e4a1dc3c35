// The viewer's window: the text read-only in a frame; the close box, Ctrl+W, Ctrl+Q and
// Esc close it.
#include "platform/ui/gui/GuiSupport.h"
#include "platform/viewer/ViewerShow.h"

#include <wx/accel.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

// The generic message box needs the base class of the native one first.
#include <wx/msgdlg.h>

#include <wx/generic/msgdlgg.h>

namespace {

class ClViewerFrame : public wxFrame {
public:
    explicit ClViewerFrame(const StVIEWDOC& rDoc)
        : wxFrame(nullptr, wxID_ANY,
                  wxString::FromUTF8(rDoc.strName) + WxFromCp932(" - ワードパッド"),
                  wxDefaultPosition, wxSize(720, 480)) {
        auto* pText =
            new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(rDoc.strText), wxDefaultPosition,
                           wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
        pText->SetFont(DialogFont("ＭＳ ゴシック", 10));
        wxAcceleratorEntry aEntries[] = {
            {wxACCEL_CTRL, 'W', wxID_CLOSE},
            {wxACCEL_CTRL, 'Q', wxID_CLOSE},
            {wxACCEL_NORMAL, WXK_ESCAPE, wxID_CLOSE},
        };
        SetAcceleratorTable(wxAcceleratorTable(std::size(aEntries), aEntries));
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_CLOSE);
        Centre();
    }
};

} // namespace

BOOL ShowInWindow(const StVIEWDOC& rDoc, BOOL bLoaded, const std::string& strError) {
    if (!ClGuiSession::Start())
        return FALSE;
    if (bLoaded) {
        wxTheApp->SetExitOnFrameDelete(true);
        (new ClViewerFrame(rDoc))->Show();
        wxTheApp->OnRun();
    } else {
        wxGenericMessageDialog box(nullptr, wxString::FromUTF8(strError),
                                   WxFromCp932("ワードパッド"), wxOK | wxICON_EXCLAMATION);
        box.ShowModal();
    }
    ClGuiSession::Stop();
    return TRUE;
}
