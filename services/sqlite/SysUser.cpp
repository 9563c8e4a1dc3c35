#include "services/DataMgr.h"
#include "services/sqlite/AccColumn.h"
#include "services/sqlite/AccDb.h"

#include <cstring>

long ClSysUser::GetCurUserID(char* szUserID) {
    if (!szUserID)
        return -1;
    szUserID[0] = '\0';
    const ClAccDb* pDb = ClAccDb::Current();
    std::string strUser;
    // The start-up check keeps the ID within the 65 bytes.
    if (!pDb || !pDb->GetSystemValue("current_user", strUser) || strUser.size() > 64)
        return -1;
    std::memcpy(szUserID, strUser.c_str(), strUser.size() + 1);
    return 0;
}

long ClSysUser::GetSelectedNo(const char* szUserID, LONG* plSelNo1, LONG* plDataNo) {
    if (!plSelNo1 || !plDataNo)
        return -1;
    *plSelNo1 = 0;
    *plDataNo = 0;
    const ClAccDb* pDb = ClAccDb::Current();
    ClAccStmt stmt;
    if (!pDb || !szUserID ||
        !stmt.Prepare(pDb->Handle(), pDb->Select(G_ACCUSERS, "WHERE user_id IN (?1, ?2)")))
        return -1;
    BindAccKey(stmt, 1, AccKey(szUserID));
    StUSERIMAGE image;
    if (stmt.Step() != SQLITE_ROW ||
        AccDecodeRow(stmt.Get(), G_ACCUSERS, reinterpret_cast<BYTE*>(&image)) !=
            StACCCOLUMN::FAULT_NONE)
        return -1;
    *plSelNo1 = image.lSelNo1;
    *plDataNo = image.lDataNo;
    return 0;
}
