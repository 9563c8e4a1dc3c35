#include "services/sqlite/AccCheck.h"

#include "platform/CodePage.h"
#include "services/sqlite/AccColumn.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

// The keys of the system table that the stand-in reads, and their rules.
struct StSYSTEMKEY {
    const char* szKey;
    std::size_t nRoom; // with the terminator
    BOOL bFolder;      // a Windows folder ending in a backslash, or empty
};
const StSYSTEMKEY S_SYSTEMKEYS[] = {
    {"current_user", 65, FALSE},
    {"package_name", 261, FALSE},
    {"output_folder", 261, TRUE},
    {"settings_folder", 261, TRUE},
};

std::string _FaultText(StACCCOLUMN::_Fault eFault, const StACCCOLUMN& column) {
    char szText[128];
    switch (eFault) {
    case StACCCOLUMN::FAULT_LONG:
        std::snprintf(szText, sizeof(szText), "長すぎます（%zuバイトまで）。",
                      column.eKind == StACCCOLUMN::KIND_TEXT ? column.nSize - 1 : column.nSize);
        return szText;
    case StACCCOLUMN::FAULT_CONVERT:
        return "シフトJISに変換できない文字を含んでいます。";
    case StACCCOLUMN::FAULT_RANGE:
        std::snprintf(szText, sizeof(szText), "範囲外の値です（%lldから%lldまで）。", column.llMin,
                      column.llMax);
        return szText;
    default:
        return "整数ではありません。";
    }
}

// A key value as the message shows it.
std::string _KeyText(sqlite3_stmt* pStmt, int iCol) {
    switch (sqlite3_column_type(pStmt, iCol)) {
    case SQLITE_NULL:
        return "NULL";
    case SQLITE_BLOB: {
        const BYTE* pb = static_cast<const BYTE*>(sqlite3_column_blob(pStmt, iCol));
        std::string strHex = "X'";
        for (int i = 0; i < sqlite3_column_bytes(pStmt, iCol); ++i) {
            char szByte[3];
            std::snprintf(szByte, sizeof(szByte), "%02X", pb[i]);
            strHex += szByte;
        }
        return strHex + "'";
    }
    default: {
        std::string bytes;
        if (!AccColumnBytes(pStmt, iCol, StACCCOLUMN::KIND_TEXT, bytes))
            return "（変換できない文字列）";
        return bytes;
    }
    }
}

// Whether a CP932 path ends in a backslash that is a separator, not a trail byte.
BOOL _EndsInSeparator(const std::string& strPath) {
    BOOL bSeparator = FALSE;
    for (std::size_t i = 0; i < strPath.size(); ++i) {
        bSeparator = strPath[i] == '\\';
        if (_ismbblead(static_cast<BYTE>(strPath[i])) && i + 1 < strPath.size())
            ++i;
    }
    return bSeparator;
}

} // namespace

BOOL ClAccCheck::Run() {
    for (const StACCTABLE* pTable : G_ACCTABLES) {
        if (!_CheckTable(*pTable))
            return FALSE;
    }
    return TRUE;
}

BOOL ClAccCheck::_CheckTable(const StACCTABLE& table) {
    ClAccStmt stmt;
    if (!stmt.Prepare(m_db.Handle(), m_db.Select(table, "ORDER BY rowid"))) {
        m_strMessage =
            std::string("会計データベースを読み込めません。\n") + sqlite3_errmsg(m_db.Handle());
        return FALSE;
    }
    std::vector<BYTE> image(table.nImage);
    int rc;
    while ((rc = stmt.Step()) == SQLITE_ROW) {
        if (&table == &G_ACCSYSTEM) {
            if (!_CheckSystemRow(stmt))
                return FALSE;
            continue;
        }
        std::size_t iColumn = 0;
        const StACCCOLUMN::_Fault eFault = AccDecodeRow(stmt.Get(), table, image.data(), &iColumn);
        if (eFault != StACCCOLUMN::FAULT_NONE)
            return _Fail(table, stmt, iColumn, _FaultText(eFault, table.pColumns[iColumn]));
    }
    if (rc != SQLITE_DONE) {
        m_strMessage =
            std::string("会計データベースを読み込めません。\n") + sqlite3_errmsg(m_db.Handle());
        return FALSE;
    }
    return TRUE;
}

BOOL ClAccCheck::_CheckSystemRow(ClAccStmt& stmt) {
    StSYSTEMIMAGE image{};
    BYTE* pbImage = reinterpret_cast<BYTE*>(&image);
    const StACCCOLUMN& colKey = G_ACCSYSTEM.pColumns[0];
    StACCCOLUMN::_Fault eFault = AccDecodeColumn(stmt.Get(), 0, colKey, pbImage);
    if (eFault != StACCCOLUMN::FAULT_NONE)
        return _Fail(G_ACCSYSTEM, stmt, 0, _FaultText(eFault, colKey));
    for (const StSYSTEMKEY& key : S_SYSTEMKEYS) {
        if (std::strcmp(image.szKey, key.szKey) != 0)
            continue;
        // The value column with the room of this key.
        StACCCOLUMN colValue = G_ACCSYSTEM.pColumns[1];
        colValue.nSize = key.nRoom;
        eFault = AccDecodeColumn(stmt.Get(), 1, colValue, pbImage);
        if (eFault != StACCCOLUMN::FAULT_NONE)
            return _Fail(G_ACCSYSTEM, stmt, 1, _FaultText(eFault, colValue));
        if (key.bFolder && image.szValue[0] && !_EndsInSeparator(image.szValue))
            return _Fail(G_ACCSYSTEM, stmt, 1, "フォルダーが \\ で終わっていません。");
    }
    return TRUE;
}

BOOL ClAccCheck::_Fail(const StACCTABLE& table, ClAccStmt& stmt, std::size_t iColumn,
                       const std::string& strWhy) {
    std::string strRow;
    for (std::size_t i = 0; i < table.nKeys; ++i) {
        strRow += i ? ", " : "";
        strRow +=
            std::string(table.pColumns[i].szName) + "=" + _KeyText(stmt.Get(), static_cast<int>(i));
    }
    m_strMessage = std::string("会計データベースの値が正しくありません。\n表: ") + table.szName +
                   "\n行: " + strRow + "\n列: " + table.pColumns[iColumn].szName + "\n" + strWhy;
    return FALSE;
}
