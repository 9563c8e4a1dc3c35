// The error log: one message a line, as the conversion composed it, cut at the width of
// the free text column.
#include "export/ExportFileSet.h"

#include <cstring>

long ClExportFileSet::WriteErrorLine(const char* szMessage) {
    std::memset(m_accHeader.m_szText, 0, sizeof m_accHeader.m_szText);
    std::memcpy(m_accHeader.m_szText, szMessage, strnlen(szMessage, HEADER_TEXT_WIDTH));
    _WriteHeaderText(OUT_ERRLOG);
    return 1;
}
