#include "services/SaveTextIO.h"

#include "services/DataMgr.h"
#include "services/sqlite/AccColumn.h"
#include "services/sqlite/AccDb.h"

#include <cstring>
#include <string_view>

namespace {

const char S_ORDERWHERE[] = "WHERE szDataID IN (?1, ?2) AND szName IN (?3, ?4)";

// The table name of a record: its bytes up to the NUL, within the 10 bytes.
std::string_view _Name(const StTEXTIOSAVEINFO& info) {
    return std::string_view(info.szName, strnlen(info.szName, sizeof(info.szName)));
}

void _BindKeys(ClAccStmt& stmt, const char* szDataID, const StTEXTIOSAVEINFO& info) {
    BindAccKey(stmt, 1, AccKey(szDataID));
    BindAccKey(stmt, 3, AccKey(_Name(info)));
}

BOOL _Exec(sqlite3* pDb, const char* szSql) {
    return sqlite3_exec(pDb, szSql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

ClSaveBase::~ClSaveBase() = default;

long ClSaveBase::AttachSetMgr(ClSetMgr* pSetMgr) {
    m_pSetMgr = pSetMgr;
    return pSetMgr ? 0 : -1;
}

long ClSaveBase::SetCurDataID(const unsigned char* pbDataID) {
    std::memset(m_szDataID, 0, sizeof(m_szDataID));
    const char* szDataID = reinterpret_cast<const char*>(pbDataID);
    if (!szDataID || std::strlen(szDataID) >= sizeof(m_szDataID))
        return -1;
    std::strcpy(m_szDataID, szDataID);
    return 0;
}

long ClSaveTextIO::GetData(StTEXTIOSAVEINFO* pInfo) {
    const ClAccDb* pDb = m_pSetMgr ? m_pSetMgr->GetAccDb() : nullptr;
    ClAccStmt stmt;
    if (!pInfo || !pDb || !stmt.Prepare(pDb->Handle(), pDb->Select(G_ACCORDERS, S_ORDERWHERE)))
        return -1;
    _BindKeys(stmt, m_szDataID, *pInfo);
    StORDERIMAGE image;
    if (stmt.Step() != SQLITE_ROW ||
        AccDecodeRow(stmt.Get(), G_ACCORDERS, reinterpret_cast<BYTE*>(&image)) !=
            StACCCOLUMN::FAULT_NONE)
        return -1;
    // The name as asked for stays; count and entries come from the store.
    pInfo->sCount = image.order.sCount;
    std::memset(pInfo->cOrder, 0, sizeof(pInfo->cOrder));
    std::memcpy(pInfo->cOrder, image.order.cOrder, static_cast<std::size_t>(pInfo->sCount));
    return 0;
}

long ClSaveTextIO::SetData(const StTEXTIOSAVEINFO* pInfo) {
    ClAccDb* pDb = m_pSetMgr ? m_pSetMgr->GetAccDb() : nullptr;
    if (!pInfo || !pDb || pInfo->sCount < 0 ||
        static_cast<std::size_t>(pInfo->sCount) > sizeof(pInfo->cOrder) ||
        _Name(*pInfo).size() >= sizeof(pInfo->szName))
        return -1;
    ClAccStmt stmtDelete;
    ClAccStmt stmtInsert;
    if (!stmtDelete.Prepare(pDb->Handle(),
                            std::string("DELETE FROM text_orders ") + S_ORDERWHERE) ||
        !stmtInsert.Prepare(pDb->Handle(), "INSERT INTO text_orders (szDataID, szName, sCount, "
                                           "cOrder) VALUES (?1, ?2, ?3, ?4)"))
        return -1;
    _BindKeys(stmtDelete, m_szDataID, *pInfo);
    // Stored as TEXT where the bytes convert, so that the store stays readable.
    const StACCKEY keyData = AccKey(m_szDataID);
    const StACCKEY keyName = AccKey(_Name(*pInfo));
    for (const auto& [iParam, pKey] : {std::pair{1, &keyData}, std::pair{2, &keyName}}) {
        if (pKey->bText)
            stmtInsert.BindText(iParam, pKey->strUtf8);
        else
            stmtInsert.BindBlob(iParam, pKey->strBytes);
    }
    stmtInsert.BindInt(3, pInfo->sCount);
    stmtInsert.BindBlob(4, std::string_view(reinterpret_cast<const char*>(pInfo->cOrder),
                                            static_cast<std::size_t>(pInfo->sCount)));
    if (!_Exec(pDb->Handle(), "SAVEPOINT text_order"))
        return -1;
    const BOOL bStored = stmtDelete.Step() == SQLITE_DONE && stmtInsert.Step() == SQLITE_DONE;
    _Exec(pDb->Handle(), bStored ? "RELEASE text_order" : "ROLLBACK TO text_order");
    if (!bStored)
        _Exec(pDb->Handle(), "RELEASE text_order");
    return bStored ? 0 : -1;
}
