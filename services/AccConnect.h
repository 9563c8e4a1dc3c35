// The link library's connection to the accounting system: one per process.
#pragma once

#include "platform/WinTypes.h"
#include "services/SysEnvMgr.h"

class ClAccConnect {
public:
    // Caption of the connection's own messages. The program stores its title here before
    // anything else; it must stay the first data member.
    const char* m_pszTitle = nullptr;

    static ClAccConnect* Inst();

    // Announced before Initiate. Results: 0.
    long SetAppType(ClSysEnvMgr::_AppType eAppType);
    long SetUseDataType(long lUseDataType);
    ClSysEnvMgr::_AppType GetAppType() const { return m_eAppType; }
    long GetUseDataType() const { return m_lUseDataType; }

    // Opens and checks the accounting database; 0 = connected. A failure has already been
    // shown to the user.
    long Initiate();
    // Links to the current user's selected data; 0 = linked. A failure has been shown.
    long ExpSysLink();
    // Shows szText with every "ES_APRPACKAGENAME" replaced by the package name; returns
    // the box's answer (IDOK, IDYES or IDNO).
    long DispMsg(HWND hOwner, const char* szText, const char* szCaption, UINT uType);

    // Closing calls, in this order at every exit; each is harmless when repeated or when
    // the earlier calls failed. Results: 0.
    long LogOut();
    long Terminate();
    long Release();

    BOOL IsLinked() const { return m_bLinked; }

private:
    ClAccConnect() = default;

    ClSysEnvMgr::_AppType m_eAppType = ClSysEnvMgr::APP_TESSELM;
    long m_lUseDataType = 0;
    BOOL m_bLinked = FALSE;
};
