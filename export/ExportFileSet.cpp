// The output file set: construction over the four column tables, the file names beside
// the asset data file, opening and closing by kind, and what failed on the way.
#include "export/ExportFileSet.h"
#include "platform/CodePage.h"
#include "services/Edition.h"

#include <cstring>

ClInfoAccessor::ClInfoAccessor() : ClTextAccessor("G_INFO", G_INFO, INFO_COLUMN_COUNT, &m_stRow) {}
ClInfoAccessor::~ClInfoAccessor() = default;

ClExportFileSet::ClExportFileSet() : m_aszOutputName{}, m_abFailed{} {}

ClExportFileSet::~ClExportFileSet() = default;

ClTextFile* ClExportFileSet::_File(short sKind) {
    switch (sKind) {
    case OUT_ASSET:
        return &m_fileAsset;
    case OUT_ASSETTYPE:
        return &m_fileAssetType;
    case OUT_ERRLOG:
        return &m_fileErrLog;
    default:
        return nullptr;
    }
}

void ClExportFileSet::_Track(short sKind, long lResult) {
    if (lResult != 0)
        m_abFailed[sKind] = TRUE;
}

namespace {

// Length of the folder part of a path: up to and including its last backslash, where a
// 0x5C that trails a double-byte character is no separator.
std::size_t _FolderLength(const char* szPath) {
    std::size_t nFolder = 0;
    for (std::size_t i = 0; szPath[i] != '\0'; ++i) {
        if (_ismbblead(static_cast<unsigned char>(szPath[i])) && szPath[i + 1] != '\0')
            ++i;
        else if (szPath[i] == '\\')
            nFolder = i + 1;
    }
    return nFolder;
}

// Appends szText to the name of nLen bytes as far as MAX_PATH allows; FALSE when cut.
BOOL _Append(char* szName, std::size_t& nLen, const char* szText, std::size_t nText) {
    std::size_t nCopy = nText <= MAX_PATH - nLen ? nText : MAX_PATH - nLen;
    std::memcpy(szName + nLen, szText, nCopy);
    nLen += nCopy;
    return nCopy == nText;
}

} // namespace

BOOL ClExportFileSet::OpenOutput(short sKind, const char* szPath) {
    ClTextFile* pFile = _File(sKind);
    if (pFile == nullptr)
        return FALSE;
    char* szName = m_aszOutputName[sKind];
    std::memset(szName, 0, MAX_PATH + 1);
    std::size_t nLen = 0;
    BOOL bFits;
    if (sKind == OUT_ASSET) {
        bFits = _Append(szName, nLen, szPath, std::strlen(szPath));
    } else {
        const char* szFile = sKind == OUT_ERRLOG ? G_EDITION.szErrLogFile : "syurui.SSC";
        bFits = _Append(szName, nLen, szPath, _FolderLength(szPath)) &&
                _Append(szName, nLen, szFile, std::strlen(szFile));
    }
    m_abFailed[sKind] =
        !bFits || pFile->Open(szName, ClTextFile::TF_WRITE | ClTextFile::TF_TRUNCATE) != 0;
    return !m_abFailed[sKind];
}

BOOL ClExportFileSet::CloseOutput(short sKind) {
    ClTextFile* pFile = _File(sKind);
    if (pFile != nullptr)
        _Track(sKind, pFile->Close());
    return TRUE;
}

BOOL ClExportFileSet::HasFailed(_OutputKind eKind) const {
    return eKind >= 0 && eKind < OUTPUT_KIND_COUNT && m_abFailed[eKind];
}

const char* ClExportFileSet::GetOutputName(_OutputKind eKind) const {
    return eKind >= 0 && eKind < OUTPUT_KIND_COUNT ? m_aszOutputName[eKind] : "";
}
