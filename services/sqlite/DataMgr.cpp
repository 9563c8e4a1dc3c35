#include "services/DataMgr.h"

ClDataMgr* ClDataMgr::Inst() {
    static ClDataMgr s_inst;
    return &s_inst;
}

ClSysUser* ClDataMgr::GetSysUserObject() {
    return &m_sysUser;
}

ClSetData* ClDataMgr::GetSetObject(long lKind, long lNo) {
    return lKind == 5 && lNo == 1 ? &m_setData : nullptr;
}

ClSetMgr* ClDataMgr::GetSetMgr() {
    return &m_setMgr;
}
