// The stored column order. Kept apart from the writer and reader so that a program that
// never loads or saves an order needs no settings store.
#include "services/DataMgr.h"
#include "services/SaveTextIO.h"
#include "textio/textaccessor.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr long ORDER_FAILED = -1;
constexpr long MAX_STORED_COLUMN = 127; // one signed byte per entry

// A settings object for the company data, and the record keyed by the table name; null
// when the object cannot be made or the name does not fit the record.
std::unique_ptr<ClSaveTextIO> OpenStore(unsigned char* pDataID, const char* pszName,
                                        StTEXTIOSAVEINFO& info) {
    if (!pszName || std::strlen(pszName) > ClTextAccessor::MAX_ORDER_NAME) {
        return nullptr;
    }
    std::unique_ptr<ClSaveTextIO> pStore(new (std::nothrow) ClSaveTextIO);
    if (pStore) {
        pStore->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        pStore->SetCurDataID(pDataID);
        info = {};
        std::strcpy(info.szName, pszName);
    }
    return pStore;
}

} // namespace

// A record the order array cannot take leaves the order as it was.
long ClTextAccessor::LoadOrder(unsigned char* pDataID) {
    StTEXTIOSAVEINFO info;
    const auto pStore = OpenStore(pDataID, m_pszName, info);
    if (!pStore || pStore->GetData(&info) != 0 || info.sCount < 0 || info.sCount > MAX_ORDER ||
        (info.sCount > 0 && !m_pOrder)) {
        return ORDER_FAILED;
    }
    for (long i = 0; i < info.sCount; ++i) {
        m_pOrder[i].lItemNo = info.cOrder[i];
    }
    m_lOrderCount = info.sCount;
    return 0;
}

// An order the record cannot hold unchanged (over 100 entries, a column number outside 0
// to 127) is refused rather than stored cut or wrapped.
long ClTextAccessor::SaveOrder(unsigned char* pDataID) {
    if (m_lOrderCount > MAX_ORDER || (m_lOrderCount > 0 && !m_pOrder)) {
        return ORDER_FAILED;
    }
    StTEXTIOSAVEINFO info;
    const auto pStore = OpenStore(pDataID, m_pszName, info);
    if (!pStore) {
        return ORDER_FAILED;
    }
    info.sCount = static_cast<std::int16_t>(m_lOrderCount);
    for (long i = 0; i < m_lOrderCount; ++i) {
        const LONG lColumn = m_pOrder[i].lItemNo;
        if (lColumn < 0 || lColumn > MAX_STORED_COLUMN) {
            return ORDER_FAILED;
        }
        info.cOrder[i] = static_cast<signed char>(lColumn);
    }
    return pStore->SetData(&info) != 0 ? ORDER_FAILED : 0;
}
