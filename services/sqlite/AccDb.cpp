#include "services/sqlite/AccDb.h"

#include "platform/CodePage.h"
#include "services/sqlite/AccCheck.h"
#include "services/sqlite/AccColumn.h"

#include <utility>

BOOL ClAccStmt::Prepare(sqlite3* pDb, const std::string& strSql) {
    Finalize();
    return sqlite3_prepare_v2(pDb, strSql.c_str(), -1, &m_pStmt, nullptr) == SQLITE_OK;
}

void ClAccStmt::BindText(int iParam, std::string_view utf8) {
    sqlite3_bind_text64(m_pStmt, iParam, utf8.data(), utf8.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void ClAccStmt::BindBlob(int iParam, std::string_view bytes) {
    // A zero-length blob, not NULL, even for empty bytes.
    sqlite3_bind_blob64(m_pStmt, iParam, bytes.empty() ? "" : bytes.data(), bytes.size(),
                        SQLITE_TRANSIENT);
}

StACCKEY AccKey(std::string_view cp932) {
    StACCKEY key;
    key.strBytes.assign(cp932);
    key.bText = Cp932ToUtf8(cp932, key.strUtf8);
    return key;
}

void BindAccKey(ClAccStmt& stmt, int iParam, const StACCKEY& key) {
    if (key.bText)
        stmt.BindText(iParam, key.strUtf8);
    stmt.BindBlob(iParam + 1, key.strBytes);
}

namespace {
std::unique_ptr<ClAccDb> s_pCurrent;
long s_lLastSerial = 0;
} // namespace

ClAccDb::ClAccDb(sqlite3* pDb) : m_pDb(pDb), m_lSerial(++s_lLastSerial) {}

ClAccDb* ClAccDb::Current() {
    return s_pCurrent.get();
}

BOOL ClAccDb::Open(const std::string& strHostPath, std::string& strMessage) {
    Close();
    sqlite3* pDb = nullptr;
    const int rc = sqlite3_open_v2(strHostPath.c_str(), &pDb, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<ClAccDb> pAccDb(new ClAccDb(pDb)); // closes pDb on every way out
    if (rc != SQLITE_OK) {
        std::string strPath;
        Utf8ToCp932(strHostPath, strPath);
        strMessage = "会計データベースを開けません。\n" + strPath;
        return FALSE;
    }
    if (!pAccDb->_LoadColumns(strMessage) || !ClAccCheck(*pAccDb, strMessage).Run())
        return FALSE;
    s_pCurrent = std::move(pAccDb);
    return TRUE;
}

void ClAccDb::Close() {
    s_pCurrent.reset();
}

ClAccDb::~ClAccDb() {
    m_mapCursors.clear();
    // Statements of rule and settings objects may still be alive; _v2 lets them finalize
    // later.
    sqlite3_close_v2(m_pDb);
}

BOOL ClAccDb::_LoadColumns(std::string& strMessage) {
    for (const StACCTABLE* pTable : G_ACCTABLES) {
        ClAccStmt stmt;
        if (!stmt.Prepare(m_pDb, std::string("PRAGMA table_info(\"") + pTable->szName + "\")")) {
            strMessage =
                std::string("会計データベースを読み込めません。\n") + sqlite3_errmsg(m_pDb);
            return FALSE;
        }
        std::set<std::string>& columns = m_mapColumns[pTable->szName];
        while (stmt.Step() == SQLITE_ROW)
            columns.insert(reinterpret_cast<const char*>(sqlite3_column_text(stmt.Get(), 1)));
        if (columns.empty()) {
            strMessage = std::string("会計データベースに表 ") + pTable->szName + " がありません。";
            return FALSE;
        }
        // The keys order and select the rows: they cannot default.
        for (std::size_t i = 0; i < pTable->nKeys; ++i) {
            if (!_HasColumn(*pTable, pTable->pColumns[i].szName)) {
                strMessage = std::string("会計データベースの表 ") + pTable->szName + " に列 " +
                             pTable->pColumns[i].szName + " がありません。";
                return FALSE;
            }
        }
    }
    return TRUE;
}

BOOL ClAccDb::_HasColumn(const StACCTABLE& table, const char* szColumn) const {
    const auto it = m_mapColumns.find(table.szName);
    return it != m_mapColumns.end() && it->second.count(szColumn) != 0;
}

std::string ClAccDb::Select(const StACCTABLE& table, std::string_view strTail) const {
    std::string strSql = "SELECT ";
    for (std::size_t i = 0; i < table.nColumns; ++i) {
        const char* szName = table.pColumns[i].szName;
        strSql += i ? ", " : "";
        strSql += _HasColumn(table, szName) ? std::string("\"") + szName + "\"" : "NULL";
    }
    strSql += std::string(" FROM \"") + table.szName + "\" ";
    strSql += strTail;
    return strSql;
}

BOOL ClAccDb::GetSystemValue(const char* szKey, std::string& strValue) const {
    strValue.clear();
    ClAccStmt stmt;
    if (!stmt.Prepare(m_pDb, "SELECT value FROM system WHERE key IN (?1, ?2)"))
        return FALSE;
    BindAccKey(stmt, 1, AccKey(szKey));
    if (stmt.Step() != SQLITE_ROW)
        return FALSE;
    return AccColumnBytes(stmt.Get(), 0, StACCCOLUMN::KIND_TEXT, strValue);
}

long ClAccDb::OpenCursor(std::unique_ptr<ClAccStmt> pStmt) {
    const long lCursor = m_lNextCursor++;
    m_mapCursors[lCursor] = std::move(pStmt);
    return lCursor;
}

ClAccStmt* ClAccDb::GetCursor(long lCursor) const {
    const auto it = m_mapCursors.find(lCursor);
    return it == m_mapCursors.end() ? nullptr : it->second.get();
}

void ClAccDb::CloseCursor(long lCursor) {
    m_mapCursors.erase(lCursor);
}
