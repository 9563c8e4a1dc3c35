#include "platform/ui/UiBackend.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

using PFNCREATE = std::unique_ptr<ClUiBackend> (*)(const std::string&, std::string&);

struct StBACKEND {
    const char* szName;
    bool bTakesArg;      // "name:ARG"
    PFNCREATE pfnCreate; // null: not built
};

#ifdef GK_UI_HAS_GUI
constexpr PFNCREATE PFN_GUI = CreateGuiBackend;
#else
constexpr PFNCREATE PFN_GUI = nullptr;
#endif
#ifdef GK_UI_HAS_TUI
constexpr PFNCREATE PFN_TUI = CreateTuiBackend;
#else
constexpr PFNCREATE PFN_TUI = nullptr;
#endif

constexpr StBACKEND G_BACKENDS[] = {
    {"gui", false, PFN_GUI},
    {"tui", false, PFN_TUI},
    {"script", true, CreateScriptBackend},
};

std::unique_ptr<ClUiBackend> g_pActive;
ClMessageSink* g_pPrevSink = nullptr;

bool _IsSet(const char* szName) {
    const char* szValue = std::getenv(szName);
    return szValue && *szValue;
}

} // namespace

ClUiBackend* ClUiBackend::Active() {
    return g_pActive.get();
}

void ClUiBackend::Activate(std::unique_ptr<ClUiBackend> pBackend) {
    if (g_pActive) {
        SetMessageSink(g_pPrevSink);
        g_pActive.reset();
    }
    if (pBackend) {
        g_pActive = std::move(pBackend);
        g_pPrevSink = SetMessageSink(g_pActive.get());
    }
}

BOOL ClUiBackend::Activate(const std::string& strSpec, std::string& strError) {
    const std::size_t nColon = strSpec.find(':');
    const std::string strName = strSpec.substr(0, nColon);
    const std::string strArg = nColon == std::string::npos ? "" : strSpec.substr(nColon + 1);
    for (const StBACKEND& rEntry : G_BACKENDS) {
        if (strName != rEntry.szName)
            continue;
        if (rEntry.bTakesArg != (nColon != std::string::npos) ||
            (rEntry.bTakesArg && strArg.empty())) {
            strError = "GKLINK_UI=" + strSpec + ": write " + rEntry.szName +
                       (rEntry.bTakesArg ? ":HOSTPATH" : " alone");
            return FALSE;
        }
        if (!rEntry.pfnCreate) {
            strError = std::string("the ") + rEntry.szName + " user interface is not built";
            return FALSE;
        }
        std::unique_ptr<ClUiBackend> pBackend = rEntry.pfnCreate(strArg, strError);
        if (!pBackend)
            return FALSE;
        Activate(std::move(pBackend));
        return TRUE;
    }
    strError = "GKLINK_UI=" + strSpec + ": unknown user interface (gui, tui or script:HOSTPATH)";
    return FALSE;
}

std::string ClUiBackend::ChosenSpec() {
    if (_IsSet("GKLINK_UI"))
        return std::getenv("GKLINK_UI");
    if (_IsSet("DISPLAY") || _IsSet("WAYLAND_DISPLAY"))
        return "gui";
    if (isatty(STDIN_FILENO))
        return "tui";
    return "";
}
