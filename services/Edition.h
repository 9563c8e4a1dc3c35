// What tells the three programs apart. Each program links exactly one definition of
// G_EDITION (app/editions/); tests define their own.
#pragma once

#include "services/SysEnvMgr.h"

struct StEDITION {
    ClSysEnvMgr::_AppType eAppType; // announced with ClAccConnect::SetAppType
    const char* szSettingsFile;     // remembered output paths, e.g. "Dovrane.env"
    const char* szErrLogFile;       // error log beside the output, e.g. "DovlogSysErr.txt"
};

extern const StEDITION G_EDITION;
