// gk_viewer: stands in for WordPad. Its argument is the Windows path of a Shift_JIS text
// file (UTF-8, as the system starts programs); the drive map gives its host file. It
// shows the file read-only in a window or in the terminal, as GKLINK_UI chooses the
// programs' interface, and ends when the user closes it. Without either, as under a
// script, it writes the text to standard output and ends at once.
#include "platform/DriveMap.h"
#include "platform/ui/UiBackend.h"
#include "platform/viewer/ViewerShow.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// An unquoted path with blanks arrives in pieces.
std::string _Joined(int argc, char** argv) {
    std::string str;
    for (int i = 1; i < argc; ++i)
        str += (i > 1 ? " " : "") + std::string(argv[i]);
    return str;
}

int _Print(const StVIEWDOC& rDoc, BOOL bLoaded, const std::string& strError) {
    std::fputs((bLoaded ? rDoc.strText : strError + "\n").c_str(), bLoaded ? stdout : stderr);
    return bLoaded ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WINDOWS-PATH\n", argv[0]);
        return 2;
    }
    StVIEWDOC doc;
    std::string strError, strWhy;
    const BOOL bLoaded = LoadViewDoc(ClDriveMap::Inst(), _Joined(argc, argv), doc, strError);
    const int nStatus = bLoaded ? 0 : 1;
    const std::string strSpec = ClUiBackend::ChosenSpec();
    const char* szChoice = std::getenv("GKLINK_UI");
    const bool bChosen = szChoice && *szChoice;
    strWhy = "the " + strSpec + " user interface is not built";
#ifdef GK_UI_HAS_GUI
    if (strSpec == "gui") {
        if (ShowInWindow(doc, bLoaded, strError))
            return nStatus;
        strWhy = "the display cannot be opened";
    }
#endif
    // Without GKLINK_UI the window was only the first choice.
    const bool bTerminal = strSpec == "tui" || (strSpec == "gui" && !bChosen && isatty(0));
#ifdef GK_UI_HAS_TUI
    if (bTerminal && ShowInTerminal(doc, bLoaded, strError, strWhy))
        return nStatus;
#endif
    if (strSpec == "gui" || strSpec == "tui") {
        std::fprintf(stderr, "gk_viewer: %s\n", strWhy.c_str());
        return 2;
    }
    return _Print(doc, bLoaded, strError);
}
