#include "services/sqlite/AccColumn.h"

#include "platform/CodePage.h"

#include <cstring>
#include <string_view>

BOOL AccColumnBytes(sqlite3_stmt* pStmt, int iCol, StACCCOLUMN::_Kind eKind, std::string& bytes) {
    bytes.clear();
    const int eType = sqlite3_column_type(pStmt, iCol);
    if (eType == SQLITE_NULL)
        return TRUE;
    if (eType == SQLITE_BLOB) {
        const char* p = static_cast<const char*>(sqlite3_column_blob(pStmt, iCol));
        std::string_view raw(p, static_cast<std::size_t>(sqlite3_column_bytes(pStmt, iCol)));
        if (eKind == StACCCOLUMN::KIND_TEXT)
            raw = raw.substr(0, raw.find('\0'));
        bytes.assign(raw);
        return TRUE;
    }
    const char* p = reinterpret_cast<const char*>(sqlite3_column_text(pStmt, iCol));
    const std::string_view utf8(p, static_cast<std::size_t>(sqlite3_column_bytes(pStmt, iCol)));
    if (eType != SQLITE_TEXT) {
        bytes.assign(utf8); // a number's decimal form is plain ASCII
        return TRUE;
    }
    return Utf8ToCp932(utf8, bytes);
}

namespace {

StACCCOLUMN::_Fault _DecodeInt(sqlite3_stmt* pStmt, int iCol, const StACCCOLUMN& column,
                               BYTE* pbField) {
    const int eType = sqlite3_column_type(pStmt, iCol);
    if (eType == SQLITE_NULL)
        return StACCCOLUMN::FAULT_NONE;
    if (eType != SQLITE_INTEGER)
        return StACCCOLUMN::FAULT_TYPE;
    const long long llValue = sqlite3_column_int64(pStmt, iCol);
    if (llValue < column.llMin || llValue > column.llMax)
        return StACCCOLUMN::FAULT_RANGE;
    // Little-endian host: the low nSize bytes are the field.
    std::memcpy(pbField, &llValue, column.nSize);
    return StACCCOLUMN::FAULT_NONE;
}

StACCCOLUMN::_Fault _DecodeBytes(sqlite3_stmt* pStmt, int iCol, const StACCCOLUMN& column,
                                 BYTE* pbField) {
    std::string bytes;
    if (!AccColumnBytes(pStmt, iCol, column.eKind, bytes))
        return StACCCOLUMN::FAULT_CONVERT;
    // A text keeps one byte of its room for the terminator.
    const std::size_t nRoom =
        column.eKind == StACCCOLUMN::KIND_TEXT ? column.nSize - 1 : column.nSize;
    if (bytes.size() > nRoom)
        return StACCCOLUMN::FAULT_LONG;
    std::memcpy(pbField, bytes.data(), bytes.size());
    return StACCCOLUMN::FAULT_NONE;
}

} // namespace

StACCCOLUMN::_Fault AccDecodeColumn(sqlite3_stmt* pStmt, int iCol, const StACCCOLUMN& column,
                                    BYTE* pbImage) {
    BYTE* pbField = pbImage + column.nOffset;
    if (column.eKind == StACCCOLUMN::KIND_INT)
        return _DecodeInt(pStmt, iCol, column, pbField);
    return _DecodeBytes(pStmt, iCol, column, pbField);
}

StACCCOLUMN::_Fault AccDecodeRow(sqlite3_stmt* pStmt, const StACCTABLE& table, BYTE* pbImage,
                                 std::size_t* piColumn) {
    std::memset(pbImage, 0, table.nImage);
    StACCCOLUMN::_Fault eFirst = StACCCOLUMN::FAULT_NONE;
    for (std::size_t i = 0; i < table.nColumns; ++i) {
        const StACCCOLUMN::_Fault eFault =
            AccDecodeColumn(pStmt, static_cast<int>(i), table.pColumns[i], pbImage);
        if (eFault != StACCCOLUMN::FAULT_NONE && eFirst == StACCCOLUMN::FAULT_NONE) {
            eFirst = eFault;
            if (piColumn)
                *piColumn = i;
        }
    }
    return eFirst;
}
