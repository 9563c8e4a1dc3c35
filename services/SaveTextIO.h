// The business core's settings objects: records kept per company data.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>

class ClSetMgr;

#pragma pack(push, 1)
// A column order of one table, 112 bytes.
struct StTEXTIOSAVEINFO {
    char szName[10];         // table name, the key within the company data
    std::int16_t sCount;     // entries in cOrder
    signed char cOrder[100]; // column numbers in line order
};
#pragma pack(pop)
static_assert(sizeof(StTEXTIOSAVEINFO) == 112);
static_assert(offsetof(StTEXTIOSAVEINFO, sCount) == 10);
static_assert(offsetof(StTEXTIOSAVEINFO, cOrder) == 12);

// Results: 0 = success.
class ClSaveBase {
public:
    ClSaveBase() = default;
    ClSaveBase(const ClSaveBase&) = delete;
    ClSaveBase& operator=(const ClSaveBase&) = delete;
    virtual ~ClSaveBase();

    long AttachSetMgr(ClSetMgr* pSetMgr);
    // The company data's ID text, NUL-terminated.
    long SetCurDataID(const unsigned char* pbDataID);

protected:
    ClSetMgr* m_pSetMgr = nullptr;
    char m_szDataID[16] = {};
};

// Column orders of text tables, by table name.
class ClSaveTextIO : public ClSaveBase {
public:
    // Fetches the order stored under pInfo->szName: 0 = fetched, nonzero = none stored or
    // no database. Entries past sCount are zero.
    long GetData(StTEXTIOSAVEINFO* pInfo);
    // Stores sCount (0 to 100) entries under pInfo->szName, replacing an earlier order.
    long SetData(const StTEXTIOSAVEINFO* pInfo);
};
