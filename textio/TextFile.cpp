#include "textio/TextFile.h"

#include "services/MsgMgr.h"
#include "textio/textaccessor.h"

namespace {

constexpr const char* SOURCE_NAME = "TextFile";
constexpr long ERR_FILE = -1000;
constexpr long ERR_BAD_ARGUMENT = -1003;
constexpr long LINE_OPEN = 88;
constexpr long LINE_CLOSE = 112;
constexpr long LINE_ATTACH = 129;

long Report(long lCode, long lLine) {
    return ClMsgMgr::Inst()->SetLastError(lCode, lCode != 0 ? SOURCE_NAME : nullptr, lLine);
}

// Never binary: reading turns CR LF into LF, and the writer sends its own line ends.
int StreamMode(ClTextFile::TFOpenMode eMode) {
    if (eMode & ClTextFile::TF_WRITE) {
        int nMode = ClFileStream::OM_OUT;
        if (eMode & ClTextFile::TF_APPEND) {
            nMode |= ClFileStream::OM_APP;
        }
        if (eMode & ClTextFile::TF_TRUNCATE) {
            nMode |= ClFileStream::OM_TRUNC;
        }
        // Writing alone makes a new file and never replaces one.
        if (!(eMode & (ClTextFile::TF_APPEND | ClTextFile::TF_TRUNCATE))) {
            nMode |= ClFileStream::OM_NOREPLACE;
        }
        return nMode;
    }
    if (eMode & ClTextFile::TF_READ) {
        return ClFileStream::OM_IN | ClFileStream::OM_NOCREATE;
    }
    return 0; // opens nothing
}

} // namespace

ClTextFile::ClTextFile() = default;

ClTextFile::~ClTextFile() {
    if (m_fstream.IsOpen()) {
        m_fstream.Close();
    }
}

// An open file stays open and usable: a second Open fails without touching it.
long ClTextFile::Open(const char* pszPath, TFOpenMode eMode) {
    if (m_fstream.IsOpen()) {
        return Report(ERR_FILE, LINE_OPEN);
    }
    m_fstream.Open(pszPath, StreamMode(eMode));
    return m_fstream.fail() ? Report(ERR_FILE, LINE_OPEN) : Report(0, 0);
}

// A write that failed earlier also fails the close, so the caller learns of it.
long ClTextFile::Close() {
    if (!m_fstream.IsOpen()) {
        return Report(0, 0);
    }
    m_fstream.Close();
    return m_fstream.fail() ? Report(ERR_FILE, LINE_CLOSE) : Report(0, 0);
}

long ClTextFile::Attach(ClTextAccessor* pAccessor) {
    if (!pAccessor) {
        return Report(ERR_BAD_ARGUMENT, LINE_ATTACH);
    }
    return pAccessor->Attach(&m_fstream);
}
