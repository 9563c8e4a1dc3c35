// The start-up check of the accounting database: every row of every table against the
// value rules of its fields.
#pragma once

#include "platform/WinTypes.h"
#include "services/sqlite/AccDb.h"

#include <string>

class ClAccCheck {
public:
    ClAccCheck(const ClAccDb& db, std::string& strMessage) : m_db(db), m_strMessage(strMessage) {}
    // FALSE at the first value that breaks a rule, with a CP932 message naming the table,
    // the row and the column.
    BOOL Run();

private:
    BOOL _CheckTable(const StACCTABLE& table);
    BOOL _CheckSystemRow(ClAccStmt& stmt);
    BOOL _Fail(const StACCTABLE& table, ClAccStmt& stmt, std::size_t iColumn,
               const std::string& strWhy);

    const ClAccDb& m_db;
    std::string& m_strMessage;
};
