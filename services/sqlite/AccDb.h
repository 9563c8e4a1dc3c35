// The open accounting database: one SQLite connection per process, opened and checked by
// ClAccConnect::Initiate, closed by Terminate.
#pragma once

#include "platform/WinTypes.h"
#include "services/sqlite/AccTables.h"

#include <map>
#include <memory>
#include <set>
#include <sqlite3.h>
#include <string>
#include <string_view>

// One prepared statement, finalized with its owner.
class ClAccStmt {
public:
    ClAccStmt() = default;
    ClAccStmt(const ClAccStmt&) = delete;
    ClAccStmt& operator=(const ClAccStmt&) = delete;
    ~ClAccStmt() { sqlite3_finalize(m_pStmt); }

    BOOL Prepare(sqlite3* pDb, const std::string& strSql);
    BOOL IsPrepared() const { return m_pStmt != nullptr; }
    void Finalize() {
        sqlite3_finalize(m_pStmt);
        m_pStmt = nullptr;
    }
    void BindInt(int iParam, long long llValue) { sqlite3_bind_int64(m_pStmt, iParam, llValue); }
    void BindText(int iParam, std::string_view utf8);
    void BindBlob(int iParam, std::string_view bytes);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return sqlite3_step(m_pStmt); }
    void Reset() { sqlite3_reset(m_pStmt); }
    sqlite3_stmt* Get() const { return m_pStmt; }

private:
    sqlite3_stmt* m_pStmt = nullptr;
};

// A text key of the database (a data ID, a table name) as it may be stored: TEXT, that is
// the CP932 bytes converted to UTF-8, or BLOB, the bytes themselves.
struct StACCKEY {
    std::string strUtf8; // empty with bText FALSE when the bytes do not convert
    std::string strBytes;
    BOOL bText = FALSE;
};
StACCKEY AccKey(std::string_view cp932);
// Binds both forms to iParam and iParam + 1, for "column IN (?, ?)".
void BindAccKey(ClAccStmt& stmt, int iParam, const StACCKEY& key);

class ClAccDb {
public:
    // The open database, or null.
    static ClAccDb* Current();
    // Opens the file at a host path and checks it; FALSE with a CP932 message on failure.
    static BOOL Open(const std::string& strHostPath, std::string& strMessage);
    static void Close();

    ClAccDb(const ClAccDb&) = delete;
    ClAccDb& operator=(const ClAccDb&) = delete;
    ~ClAccDb();

    sqlite3* Handle() const { return m_pDb; }
    // Tells one opening from the next: statements of an earlier opening must not be used.
    long Serial() const { return m_lSerial; }
    // "SELECT c1, c2, ... FROM table" with an absent column read as NULL; strTail follows.
    std::string Select(const StACCTABLE& table, std::string_view strTail) const;
    // A value of the system table as CP932; FALSE when the key is absent or its value
    // does not convert.
    BOOL GetSystemValue(const char* szKey, std::string& strValue) const;

    // Walks of ClSetData: a statement kept under a number until released.
    long OpenCursor(std::unique_ptr<ClAccStmt> pStmt);
    ClAccStmt* GetCursor(long lCursor) const;
    void CloseCursor(long lCursor);

private:
    explicit ClAccDb(sqlite3* pDb);
    BOOL _LoadColumns(std::string& strMessage);
    BOOL _HasColumn(const StACCTABLE& table, const char* szColumn) const;

    sqlite3* m_pDb;
    long m_lSerial;
    std::map<std::string, std::set<std::string>> m_mapColumns; // table -> present columns
    std::map<long, std::unique_ptr<ClAccStmt>> m_mapCursors;
    long m_lNextCursor = 1;
};
