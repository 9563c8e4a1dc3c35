#include "services/DataMgr.h"
#include "services/sqlite/AccColumn.h"
#include "services/sqlite/AccDb.h"

#include <cstring>

namespace {

// Decodes the company_data row at the statement into *pInfo.
BOOL _ReadCompany(ClAccStmt& stmt, StDATAINFO* pInfo) {
    StCOMPANYIMAGE image;
    const StACCCOLUMN::_Fault eFault =
        AccDecodeRow(stmt.Get(), G_ACCCOMPANY, reinterpret_cast<BYTE*>(&image));
    std::memcpy(pInfo, &image.info, sizeof(StDATAINFO));
    return eFault == StACCCOLUMN::FAULT_NONE;
}

} // namespace

long ClSetData::GetDatCursor(long* plCursor) {
    ClAccDb* pDb = ClAccDb::Current();
    auto pStmt = std::make_unique<ClAccStmt>();
    if (!pDb || !pStmt->Prepare(pDb->Handle(), pDb->Select(G_ACCCOMPANY, "ORDER BY position")))
        return -1;
    *plCursor = pDb->OpenCursor(std::move(pStmt));
    return 0;
}

long ClSetData::ReadyDat(long lCursor, long /*lMode*/) {
    ClAccDb* pDb = ClAccDb::Current();
    ClAccStmt* pStmt = pDb ? pDb->GetCursor(lCursor) : nullptr;
    if (!pStmt)
        return -1;
    pStmt->Reset();
    return 0;
}

long ClSetData::WalkDat(StDATAINFO* pInfo, long lCursor) {
    ClAccDb* pDb = ClAccDb::Current();
    ClAccStmt* pStmt = pDb ? pDb->GetCursor(lCursor) : nullptr;
    if (!pStmt || !pInfo || pStmt->Step() != SQLITE_ROW)
        return 1;
    _ReadCompany(*pStmt, pInfo);
    return 0;
}

long ClSetData::ReleaseDatCursor(long lCursor) {
    if (ClAccDb* pDb = ClAccDb::Current())
        pDb->CloseCursor(lCursor);
    return 0;
}

StDATAINFO* ClSetData::GetSelectedInfo() {
    std::memset(&m_infoSelected, 0, sizeof(m_infoSelected));
    ClSysUser* pUser = ClDataMgr::Inst()->GetSysUserObject();
    char szUserID[65];
    LONG lSelNo1 = 0;
    LONG lDataNo = 0;
    const ClAccDb* pDb = ClAccDb::Current();
    ClAccStmt stmt;
    if (!pDb || pUser->GetCurUserID(szUserID) != 0 ||
        pUser->GetSelectedNo(szUserID, &lSelNo1, &lDataNo) != 0 ||
        !stmt.Prepare(pDb->Handle(),
                      pDb->Select(G_ACCCOMPANY, "WHERE lDataNo = ?1 ORDER BY position LIMIT 1")))
        return &m_infoSelected;
    stmt.BindInt(1, lDataNo);
    if (stmt.Step() == SQLITE_ROW)
        _ReadCompany(stmt, &m_infoSelected);
    return &m_infoSelected;
}
