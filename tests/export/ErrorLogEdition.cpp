// The edition of a test binary, chosen by GK_TEST_EDITION (the edition constant).
#include "services/Edition.h"

#if GK_TEST_EDITION == 4
const StEDITION G_EDITION = {ClSysEnvMgr::APP_DOVRANE, "Dovrane.env", "DovlogSysErr.txt"};
#elif GK_TEST_EDITION == 3
const StEDITION G_EDITION = {ClSysEnvMgr::APP_MILTRACE, "Miltrace.env", "MillogSysErr.txt"};
#elif GK_TEST_EDITION == 0
const StEDITION G_EDITION = {ClSysEnvMgr::APP_TESSELM, "Tesselm.env", "TeslogSysErr.txt"};
#else
#error GK_TEST_EDITION names no edition
#endif
