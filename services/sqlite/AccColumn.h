// Reading stored values into row images, by the column tables.
#pragma once

#include "platform/WinTypes.h"
#include "services/sqlite/AccTables.h"

#include <sqlite3.h>
#include <string>

// The value of a text-like column as bytes: TEXT converted to CP932, BLOB as stored (cut at
// the first NUL for KIND_TEXT), NULL empty, a number in its decimal form. FALSE when TEXT
// does not convert.
BOOL AccColumnBytes(sqlite3_stmt* pStmt, int iCol, StACCCOLUMN::_Kind eKind, std::string& bytes);

// Writes column iCol of the current row into its field of pbImage. A value that does not
// fit leaves the field zero and gives its fault.
StACCCOLUMN::_Fault AccDecodeColumn(sqlite3_stmt* pStmt, int iCol, const StACCCOLUMN& column,
                                    BYTE* pbImage);

// Clears the image and decodes every column of the table (selected in table order). Gives
// the first fault and, through piColumn, its column index; the other fields are filled.
StACCCOLUMN::_Fault AccDecodeRow(sqlite3_stmt* pStmt, const StACCTABLE& table, BYTE* pbImage,
                                 std::size_t* piColumn = nullptr);
