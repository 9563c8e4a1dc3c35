// What the system's save-as dialog checks before it accepts the file the user chose;
// the window and the terminal backends apply it alike.
#pragma once

#include "platform/DialogHost.h"

#include <string>

// strPath is the chosen Windows path (CP932). A name without extension gets the default
// one; a name with wildcards is no file; OFN_PATHMUSTEXIST wants the folder and
// OFN_FILEMUSTEXIST the file to exist. TRUE: accepted, strPath final. FALSE: strComplaint
// holds the system's message (CP932) and the dialog stays open.
BOOL CheckFileChoice(const StOPENFILENAME& rOfn, std::string& strPath, std::string& strComplaint);
