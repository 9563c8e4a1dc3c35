// The environment manager of the accounting system: only its edition enumeration.
#pragma once

class ClSysEnvMgr {
public:
    // The edition a program announces to the link library.
    enum _AppType {
        APP_TESSELM = 0,
        APP_MILTRACE = 3,
        APP_DOVRANE = 4,
    };
};
