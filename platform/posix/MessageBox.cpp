#include "platform/MessageBox.h"

#include "platform/CodePage.h"

#include <cstdio>

namespace {

ClMessageSink* g_pSink = nullptr;

std::string _Printable(const char* sz) {
    std::string strUtf8;
    return Cp932ToUtf8(sz ? sz : "", strUtf8) ? strUtf8 : std::string("?");
}

} // namespace

ClMessageSink* SetMessageSink(ClMessageSink* pSink) {
    ClMessageSink* pOld = g_pSink;
    g_pSink = pSink;
    return pOld;
}

int MessageBox(HWND hOwner, const char* szText, const char* szCaption, UINT uType) {
    if (g_pSink)
        return g_pSink->Show(hOwner, szText, szCaption, uType);
    std::fprintf(stderr, "[%s] %s\n", _Printable(szCaption).c_str(), _Printable(szText).c_str());
    return (uType & MB_YESNO) ? IDNO : IDOK;
}
