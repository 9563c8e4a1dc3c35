// The Tesselm edition: its announcement to the link library and its two file names.
#include "services/Edition.h"

const StEDITION G_EDITION = {ClSysEnvMgr::APP_TESSELM, "Tesselm.env", "TeslogSysErr.txt"};
