// The viewer's two faces: a window when there is a display, a pager in the terminal.
#pragma once

#include "platform/WinTypes.h"
#include "platform/viewer/ViewerDoc.h"

// Each shows the document, or the error when bLoaded is FALSE, until the user closes it.
// FALSE when the window or the terminal cannot be had.
BOOL ShowInWindow(const StVIEWDOC& rDoc, BOOL bLoaded, const std::string& strError);
BOOL ShowInTerminal(const StVIEWDOC& rDoc, BOOL bLoaded, const std::string& strError,
                    std::string& strWhy);
