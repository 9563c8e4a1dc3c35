// The common library's data manager and the objects it lends: the current user, the set
// of company data, and the set manager that rule and save objects attach to. The program
// never deletes any of them.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// One company data, 1505 bytes.
struct StDATAINFO {
    char szDataID[16]; // data ID, NUL-terminated
    LONG lDataNo;      // data number (the selection's second number)
    BYTE abReserved1[4];
    char szCompanyName[260]; // company (client) name
    LONG lPeriodStart;       // first day of the accounting year, yyyymmdd
    LONG lPeriodEnd;         // last day, yyyymmdd
    BYTE abReserved2[34];
    std::int16_t sDataKind; // 99: past-results data
    BYTE abReserved3[16];
    BYTE bCorpKind; // 0, 1 corporate; 3, 4 individual
    BYTE abReserved4[1160];
};
#pragma pack(pop)
static_assert(sizeof(StDATAINFO) == 1505);
static_assert(offsetof(StDATAINFO, lDataNo) == 16);
static_assert(offsetof(StDATAINFO, szCompanyName) == 24);
static_assert(offsetof(StDATAINFO, lPeriodStart) == 284);
static_assert(offsetof(StDATAINFO, lPeriodEnd) == 288);
static_assert(offsetof(StDATAINFO, sDataKind) == 326);
static_assert(offsetof(StDATAINFO, bCorpKind) == 344);

class ClAccDb;

// Access to the data sets; rule and save objects work through it.
class ClSetMgr {
public:
    // The open accounting database, or null before Initiate or after Terminate.
    ClAccDb* GetAccDb() const;
};

class ClSysUser {
public:
    // Writes the logged-in user's ID into a 65-byte buffer; 0 = done, else the buffer is
    // left empty.
    long GetCurUserID(char* szUserID);
    // The user's two selection numbers; the second is the selected data's number
    // (StDATAINFO::lDataNo). 0 = found; otherwise both are set to 0.
    long GetSelectedNo(const char* szUserID, LONG* plSelNo1, LONG* plDataNo);
};

// The company data of the accounting system, walked in a fixed order.
class ClSetData {
public:
    // Opens a walk; *plCursor is preset to 0 by the caller and receives the cursor.
    long GetDatCursor(long* plCursor);
    // Positions the cursor before the first record (lMode 0).
    long ReadyDat(long lCursor, long lMode);
    // Fills *pInfo with the next record: 0 = delivered, nonzero = no more.
    long WalkDat(StDATAINFO* pInfo, long lCursor);
    long ReleaseDatCursor(long lCursor);
    // The current user's selected data, beginning with its data ID; all zero when the
    // selection matches no company data. Valid until the next call.
    StDATAINFO* GetSelectedInfo();

private:
    StDATAINFO m_infoSelected{};
};

class ClDataMgr {
public:
    static ClDataMgr* Inst();

    ClSysUser* GetSysUserObject();
    // Kind 5, number 1: the selected data's set object; null for anything else.
    ClSetData* GetSetObject(long lKind, long lNo);
    ClSetMgr* GetSetMgr();

private:
    ClDataMgr() = default;

    ClSysUser m_sysUser;
    ClSetData m_setData;
    ClSetMgr m_setMgr;
};
