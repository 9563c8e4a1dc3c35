// The Miltrace edition: its announcement to the link library and its two file names.
#include "services/Edition.h"

const StEDITION G_EDITION = {ClSysEnvMgr::APP_MILTRACE, "Miltrace.env", "MillogSysErr.txt"};
