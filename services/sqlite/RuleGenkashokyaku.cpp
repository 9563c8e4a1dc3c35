#include "services/RuleGenkashokyaku.h"

#include "platform/Process.h"
#include "services/DataMgr.h"
#include "services/sqlite/AccColumn.h"
#include "services/sqlite/AccDb.h"

#include <cstring>
#include <limits>

namespace {

// A statement walked by index: the next index is one step, any other index queries again
// from there, so a walk in order costs one pass and holds one row.
class ClIndexedWalk {
public:
    BOOL Prepare(sqlite3* pDb, const std::string& strSql, int iOffsetParam) {
        m_iOffsetParam = iOffsetParam;
        m_lNext = -1;
        return m_stmt.Prepare(pDb, strSql);
    }
    ClAccStmt& Stmt() { return m_stmt; }
    // The next Move queries afresh, with the bindings made since.
    void Restart() {
        m_stmt.Reset();
        m_lNext = -1;
    }
    // TRUE when the row at lIndex is current.
    BOOL Move(long lIndex) {
        if (lIndex < 0 || !m_stmt.IsPrepared())
            return FALSE;
        if (lIndex != m_lNext) {
            m_stmt.Reset();
            m_stmt.BindInt(m_iOffsetParam, lIndex);
        }
        if (m_stmt.Step() != SQLITE_ROW) {
            m_lNext = -1;
            return FALSE;
        }
        m_lNext = lIndex + 1;
        return TRUE;
    }

private:
    ClAccStmt m_stmt;
    int m_iOffsetParam = 0;
    long m_lNext = -1;
};

// The single number of a "SELECT count(*)" statement; -1 on failure.
long _Count(ClAccStmt& stmt) {
    if (stmt.Step() != SQLITE_ROW)
        return -1;
    const long long llCount = sqlite3_column_int64(stmt.Get(), 0);
    return llCount <= std::numeric_limits<LONG>::max() ? static_cast<long>(llCount) : -1;
}

const char S_ITEMWHERE[] = "WHERE szDataID IN (?1, ?2) AND abBulkKey IN (?3, ?4, ?5) ";

// The forms a bulk key may be stored in: its bytes without the zero padding as TEXT or
// BLOB, or all 16 bytes.
void _BindBulkKey(ClAccStmt& stmt, const BYTE* pbKey) {
    const char* pch = reinterpret_cast<const char*>(pbKey);
    std::size_t n = 16;
    while (n > 0 && pch[n - 1] == '\0')
        --n;
    BindAccKey(stmt, 3, AccKey(std::string_view(pch, n)));
    stmt.BindBlob(5, std::string_view(pch, 16));
}

} // namespace

// The open enumerations of one rule object, on the database they were opened on.
class ClRuleCursor {
public:
    ClRuleCursor(const ClAccDb& db, const char* szDataID)
        : m_db(db), m_lSerial(db.Serial()), m_keyData(AccKey(szDataID)) {}

    BOOL IsValid() const { return ClAccDb::Current() == &m_db && m_db.Serial() == m_lSerial; }

    BOOL ReadyAssets() {
        // The register is walked through its key index, which needs the one form of the
        // data ID that the table holds.
        ClAccStmt stmtProbe;
        if (!stmtProbe.Prepare(m_db.Handle(), "SELECT 1 FROM assets WHERE szDataID = ?1 LIMIT 1"))
            return FALSE;
        _BindDataID(stmtProbe, TRUE);
        const BOOL bText = stmtProbe.Step() == SQLITE_ROW;
        ClAccStmt stmtCount;
        if (!stmtCount.Prepare(m_db.Handle(), "SELECT count(*) FROM assets WHERE szDataID = ?1") ||
            !m_walkAssets.Prepare(m_db.Handle(),
                                  m_db.Select(G_ACCASSETS, "WHERE szDataID = ?1 ORDER BY position "
                                                           "LIMIT -1 OFFSET ?2"),
                                  2))
            return FALSE;
        _BindDataID(stmtCount, bText);
        _BindDataID(m_walkAssets.Stmt(), bText);
        m_lAssets = _Count(stmtCount);
        return m_lAssets >= 0;
    }
    long AssetCount() const { return m_lAssets; }
    BOOL MoveAsset(long lIndex, StASSETIMAGE& image) {
        return m_walkAssets.Move(lIndex) &&
               AccDecodeRow(m_walkAssets.Stmt().Get(), G_ACCASSETS,
                            reinterpret_cast<BYTE*>(&image)) == StACCCOLUMN::FAULT_NONE;
    }

    BOOL ReadyItems(const BYTE* pbKey) {
        m_lItems = -1;
        // Prepared once per enumeration: a register may hold many bulk assets.
        if (!m_walkItems.Stmt().IsPrepared()) {
            const std::string strWhere = S_ITEMWHERE;
            if (!m_stmtItemCount.Prepare(m_db.Handle(),
                                         "SELECT count(*) FROM bulk_items " + strWhere) ||
                !m_walkItems.Prepare(
                    m_db.Handle(),
                    m_db.Select(G_ACCITEMS, strWhere + "ORDER BY position LIMIT -1 OFFSET ?6"), 6))
                return FALSE;
        }
        m_walkItems.Restart();
        m_stmtItemCount.Reset();
        for (ClAccStmt* pStmt : {&m_stmtItemCount, &m_walkItems.Stmt()}) {
            BindAccKey(*pStmt, 1, m_keyData);
            _BindBulkKey(*pStmt, pbKey);
        }
        m_lItems = _Count(m_stmtItemCount);
        return m_lItems >= 0;
    }
    long ItemCount() const { return m_lItems; }
    BOOL MoveItem(long lIndex, StITEMIMAGE& image) {
        return m_walkItems.Move(lIndex) &&
               AccDecodeRow(m_walkItems.Stmt().Get(), G_ACCITEMS,
                            reinterpret_cast<BYTE*>(&image)) == StACCCOLUMN::FAULT_NONE;
    }
    void FinishItems() {
        m_walkItems.Restart();
        m_lItems = -1;
    }

private:
    void _BindDataID(ClAccStmt& stmt, BOOL bText) {
        if (bText && m_keyData.bText)
            stmt.BindText(1, m_keyData.strUtf8);
        else
            stmt.BindBlob(1, m_keyData.strBytes);
    }

    const ClAccDb& m_db;
    long m_lSerial;
    StACCKEY m_keyData;
    ClIndexedWalk m_walkAssets;
    long m_lAssets = -1;
    ClAccStmt m_stmtItemCount;
    ClIndexedWalk m_walkItems;
    long m_lItems = -1;
};

ClRuleBase::~ClRuleBase() = default;

long ClRuleBase::AttachSetMgr(ClSetMgr* pSetMgr) {
    m_pSetMgr = pSetMgr;
    return pSetMgr ? 0 : -1;
}

long ClRuleBase::SetCurDataID(const char* szDataID) {
    std::memset(m_szDataID, 0, sizeof(m_szDataID));
    if (!szDataID || std::strlen(szDataID) >= sizeof(m_szDataID))
        return -1;
    std::strcpy(m_szDataID, szDataID);
    return 0;
}

long ClRuleBase::AttachOptLink(ClOptLink* pOptLink) {
    m_pOptLink = pOptLink;
    return 0;
}

ClRuleGenkashokyaku::~ClRuleGenkashokyaku() {
    delete m_pCursor;
}

long ClRuleGenkashokyaku::MoveReady(StFINDINFO* pFind, _RuleGenkashokyaku_SortType eSort,
                                    _RuleGenkashokyaku_MoveReady_SumType eSum) {
    MoveFinish();
    const ClAccDb* pDb = m_pSetMgr ? m_pSetMgr->GetAccDb() : nullptr;
    if (pFind || eSort != SORT_POSITION || eSum != SUM_NONE || !pDb)
        return -1;
    m_pCursor = new ClRuleCursor(*pDb, m_szDataID);
    return m_pCursor->ReadyAssets() ? 0 : -1;
}

long ClRuleGenkashokyaku::GetCount(LONG* plCount) {
    if (!plCount || !m_pCursor || !m_pCursor->IsValid() || m_pCursor->AssetCount() < 0)
        return -1;
    *plCount = static_cast<LONG>(m_pCursor->AssetCount());
    return 0;
}

long ClRuleGenkashokyaku::Move(long lIndex, StKOTEISHISANINFO* pMaster, StKOTEINENINFO* pYear,
                               StKOTEITSUKIINFO* pMonth) {
    if (!pMaster || !pYear || !pMonth)
        return -1;
    std::memset(pMaster, 0, sizeof(*pMaster));
    std::memset(pYear, 0, sizeof(*pYear));
    std::memset(pMonth, 0, sizeof(*pMonth));
    if (!m_pCursor || !m_pCursor->IsValid())
        return -1;
    StASSETIMAGE image{};
    const BOOL bDone = m_pCursor->MoveAsset(lIndex, image);
    std::memcpy(pMaster, &image.master, sizeof(*pMaster));
    std::memcpy(pYear, &image.year, sizeof(*pYear));
    return bDone ? 0 : -1;
}

long ClRuleGenkashokyaku::MoveReadyIkkatsu(const BYTE* pbKey) {
    if (!pbKey || !m_pCursor || !m_pCursor->IsValid())
        return -1;
    return m_pCursor->ReadyItems(pbKey) ? 0 : -1;
}

long ClRuleGenkashokyaku::GetIkkatsuCount(LONG* plCount) {
    if (!plCount || !m_pCursor || !m_pCursor->IsValid() || m_pCursor->ItemCount() < 0)
        return -1;
    *plCount = static_cast<LONG>(m_pCursor->ItemCount());
    return 0;
}

long ClRuleGenkashokyaku::MoveIkkatsu(long lIndex, StIKKATSUINFO* pItem) {
    if (!pItem)
        return -1;
    std::memset(pItem, 0, sizeof(*pItem));
    if (!m_pCursor || !m_pCursor->IsValid())
        return -1;
    StITEMIMAGE image{};
    const BOOL bDone = m_pCursor->MoveItem(lIndex, image);
    std::memcpy(pItem, &image.item, sizeof(*pItem));
    return bDone ? 0 : -1;
}

long ClRuleGenkashokyaku::MoveFinishIkkatsu() {
    if (!m_pCursor)
        return -1;
    m_pCursor->FinishItems();
    return 0;
}

long ClRuleGenkashokyaku::LoadShisanKubunInfo(StSHISANKUBUNINFO** ppInfo, LONG* plCount) {
    if (!ppInfo || !plCount)
        return -1;
    *ppInfo = nullptr;
    *plCount = 0;
    const ClAccDb* pDb = m_pSetMgr ? m_pSetMgr->GetAccDb() : nullptr;
    ClAccStmt stmtCount;
    ClAccStmt stmtTypes;
    if (!pDb ||
        !stmtCount.Prepare(pDb->Handle(),
                           "SELECT count(*) FROM asset_types WHERE szDataID IN (?1, ?2)") ||
        !stmtTypes.Prepare(pDb->Handle(),
                           pDb->Select(G_ACCTYPES, "WHERE szDataID IN (?1, ?2) ORDER BY position")))
        return -1;
    const StACCKEY keyData = AccKey(m_szDataID);
    BindAccKey(stmtCount, 1, keyData);
    BindAccKey(stmtTypes, 1, keyData);
    const long lCount = _Count(stmtCount);
    if (lCount <= 0)
        return lCount == 0 ? 0 : -1;
    auto* pTypes =
        static_cast<StSHISANKUBUNINFO*>(CoTaskMemAlloc(lCount * sizeof(StSHISANKUBUNINFO)));
    if (!pTypes)
        return -1;
    std::memset(pTypes, 0, lCount * sizeof(StSHISANKUBUNINFO));
    long lFilled = 0;
    BOOL bClean = TRUE;
    StTYPEIMAGE image;
    // Never more than counted, even when the table changed in between.
    while (lFilled < lCount && stmtTypes.Step() == SQLITE_ROW) {
        bClean &= AccDecodeRow(stmtTypes.Get(), G_ACCTYPES, reinterpret_cast<BYTE*>(&image)) ==
                  StACCCOLUMN::FAULT_NONE;
        std::memcpy(&pTypes[lFilled++], &image.type, sizeof(StSHISANKUBUNINFO));
    }
    *ppInfo = pTypes;
    *plCount = static_cast<LONG>(lFilled);
    return bClean ? 0 : -1;
}

long ClRuleGenkashokyaku::MoveFinish() {
    delete m_pCursor;
    m_pCursor = nullptr;
    return 0;
}
