#include "services/MsgMgr.h"

ClMsgMgr* ClMsgMgr::Inst() {
    static ClMsgMgr s_inst;
    return &s_inst;
}

long ClMsgMgr::SetLastError(long lCode, const char* szSource, long lLine) {
    m_lCode = lCode;
    m_szSource = szSource;
    m_lLine = lLine;
    return lCode;
}
