// The common library's link manager and its option link, which the rule object attaches.
#pragma once

// Options of the link with the depreciation application; carries nothing this system uses.
class ClOptLink {};

class ClLinkMgr {
public:
    static ClLinkMgr* Inst();
    ClOptLink* GetOptLink();

private:
    ClLinkMgr() = default;

    ClOptLink m_optLink;
};
