#include "services/LinkMgr.h"

ClLinkMgr* ClLinkMgr::Inst() {
    static ClLinkMgr s_inst;
    return &s_inst;
}

ClOptLink* ClLinkMgr::GetOptLink() {
    return &m_optLink;
}
