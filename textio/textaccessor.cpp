#include "textio/textaccessor.h"

#include "platform/FileStream.h"
#include "services/MsgMgr.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <istream>
#include <limits>

namespace {

constexpr const char* SOURCE_NAME = "textaccessor";
constexpr long ERR_BAD_ARGUMENT = -1003;
constexpr long LINE_SET_MODE = 111;

constexpr long READ_OK = 0;
constexpr long READ_EOF = 1;
constexpr long READ_MISFIT = 2;
constexpr long READ_COMMENT = 3;

constexpr long NUM_OK = 0;
constexpr long NUM_EMPTY = 1;
constexpr long NUM_INVALID = 2;

constexpr std::int64_t CY_SCALE = 10000;
constexpr int CY_DIGITS = 4;

const char* QuoteText(ClTextAccessor::_Quote eQuote) {
    switch (eQuote) {
    case ClTextAccessor::QUOTE_SINGLE:
        return "'";
    case ClTextAccessor::QUOTE_DOUBLE:
        return "\"";
    default:
        return "";
    }
}

long BoundedLen(const char* p, long lMax) {
    return lMax > 0 ? static_cast<long>(std::find(p, p + lMax, '\0') - p) : 0;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

// Fields may lie at any offset: copy, never cast.
template <typename T>
T LoadField(const unsigned char* pField) {
    T v;
    std::memcpy(&v, pField, sizeof v);
    return v;
}

// Sign- or zero-extended by the field's own type.
template <typename T>
std::int64_t Widen(const unsigned char* pField) {
    return static_cast<std::int64_t>(LoadField<T>(pField));
}

template <typename T>
void StoreField(unsigned char* pField, std::int64_t v) {
    const T t = static_cast<T>(v); // keeps the low bits
    std::memcpy(pField, &t, sizeof t);
}

// A number column's value split for writing: magnitude, sign and four decimals.
struct StNUMBER {
    std::uint64_t uInt;
    unsigned uFraction; // 0 to 9999
    bool bNegative;
    long lDecimal; // decimals shown
};

std::uint64_t Magnitude(std::int64_t v) {
    return v < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// False for a size that no number column has.
bool LoadNumber(const StTAFORMAT& fmt, const unsigned char* pField, StNUMBER& num) {
    std::int64_t v = 0;
    const bool bSigned = fmt.lType == ClTextAccessor::ITEM_SIGNED;
    switch (fmt.lSize) {
    case 1:
        v = bSigned ? Widen<std::int8_t>(pField) : Widen<std::uint8_t>(pField);
        break;
    case 2:
        v = bSigned ? Widen<std::int16_t>(pField) : Widen<std::uint16_t>(pField);
        break;
    case 4:
        v = bSigned ? Widen<std::int32_t>(pField) : Widen<std::uint32_t>(pField);
        break;
    case 8:
        if (!bSigned) {
            return false;
        }
        v = LoadField<std::int64_t>(pField);
        num = {Magnitude(v) / CY_SCALE, unsigned(Magnitude(v) % CY_SCALE), v < 0,
               std::max<long>(fmt.lDecimal, 0)};
        return true;
    default:
        return false;
    }
    // Signed integers show no decimals; an unsigned one shows zeros in the places asked.
    num = {Magnitude(v), 0, v < 0, bSigned ? 0 : std::max<long>(fmt.lDecimal, 0)};
    return true;
}

} // namespace

ClTextAccessor::ClTextAccessor(const char* pszName, const StTAFORMAT* pFormat, long lFormatCount,
                               void* pData)
    : m_pData(pData), m_pszName(pszName), m_pOrgFormat(pFormat),
      m_lFormatCount(pFormat && lFormatCount > 0 && lFormatCount <= std::numeric_limits<LONG>::max()
                         ? static_cast<LONG>(lFormatCount)
                         : 0),
      m_pFormat(new StTAFORMAT[static_cast<std::size_t>(m_lFormatCount)]) {
    ResetRotate();
}

ClTextAccessor::~ClTextAccessor() = default;

long ClTextAccessor::SetMode(_Delimiter eDelimiter, _Quote eQuote) {
    if (eDelimiter == DELIM_FIXED && eQuote != QUOTE_NONE) {
        return ClMsgMgr::Inst()->SetLastError(ERR_BAD_ARGUMENT, SOURCE_NAME, LINE_SET_MODE);
    }
    m_eDelimiter = eDelimiter;
    m_eQuote = eQuote;
    return ClMsgMgr::Inst()->SetLastError(0, nullptr, 0);
}

long ClTextAccessor::Attach(std::iostream* pStream) {
    m_pStream = pStream;
    return ClMsgMgr::Inst()->SetLastError(0, nullptr, 0);
}

long ClTextAccessor::SetOrder(StTAORDER* pOrder, long lCount) {
    m_pOrder = pOrder;
    m_lOrderCount =
        static_cast<LONG>(std::clamp<long>(lCount, 0, std::numeric_limits<LONG>::max()));
    return 0;
}

// Columns beyond the mask array cannot be masked.
long ClTextAccessor::SetMask(long lColumn, long lMask) {
    if (lColumn < 0 || lColumn >= m_lFormatCount || lColumn >= MAX_COLUMNS) {
        return -1;
    }
    m_cMask[lColumn] = static_cast<char>(lMask & 0xFF);
    return 0;
}

long ClTextAccessor::GetMask(long lColumn) const {
    if (lColumn < 0 || lColumn >= m_lFormatCount) {
        return -1;
    }
    return _MaskOf(lColumn);
}

unsigned char ClTextAccessor::_MaskOf(long lColumn) const {
    return lColumn < MAX_COLUMNS ? static_cast<unsigned char>(m_cMask[lColumn]) : 0;
}

long ClTextAccessor::RotateFormat(long lStart, long lDest, long lLen) {
    const long n = m_lFormatCount;
    if (lStart < 0 || lStart >= n - 1 || lLen > n - lStart || lDest < lStart ||
        lDest >= lStart + lLen) {
        return 1;
    }
    // The block turns as a ring: its first column lands at lDest.
    StTAFORMAT* pBlock = m_pFormat.get() + lStart;
    std::rotate(pBlock, pBlock + (lLen - (lDest - lStart)), pBlock + lLen);
    return 0;
}

void ClTextAccessor::ResetRotate() {
    std::copy_n(m_pOrgFormat, m_lFormatCount, m_pFormat.get());
}

void ClTextAccessor::GetReadLine(char* pszLine) const {
    std::memcpy(pszLine, m_szReadLine, sizeof m_szReadLine);
}

long ClTextAccessor::_GetItemNum() const {
    return !m_bSelect && m_lOrderCount > 0 && m_pOrder ? m_lOrderCount : m_lFormatCount;
}

long ClTextAccessor::_GetItemNo(long lPos) const {
    return !m_bSelect && m_lOrderCount > 0 && m_pOrder ? m_pOrder[lPos].lItemNo : lPos;
}

// Null for a column number that an order holds but the table has not: such an item is
// written empty and read into nothing.
const StTAFORMAT* ClTextAccessor::_ColumnFormat(long lColumn) const {
    return lColumn >= 0 && lColumn < m_lFormatCount && m_pData ? &m_pFormat[lColumn] : nullptr;
}

// ---- writing ----

// The writer sends its own CR LF, whatever mode the file was opened in.
void ClTextAccessor::_BeginLine() {
    if (auto* pBuf = dynamic_cast<ClFileBuf*>(m_pStream->rdbuf())) {
        pBuf->SetBinary(true);
    }
}

bool ClTextAccessor::_Failed() const {
    return m_pStream->fail();
}

void ClTextAccessor::_PutBytes(const char* p, long lLen) {
    if (lLen > 0) {
        m_pStream->write(p, lLen);
    }
}

void ClTextAccessor::_PutBlanks(long lCount) {
    static constexpr char BLANKS[] = "                                ";
    constexpr long CHUNK = sizeof BLANKS - 1;
    for (; lCount > 0; lCount -= CHUNK) {
        _PutBytes(BLANKS, std::min(lCount, CHUNK));
    }
}

void ClTextAccessor::_PutQuoted(const char* p, long lLen) {
    const char* pszQuote = QuoteText(m_eQuote);
    const long lQuote = static_cast<long>(std::strlen(pszQuote));
    _PutBytes(pszQuote, lQuote);
    _PutBytes(p, lLen);
    _PutBytes(pszQuote, lQuote);
}

void ClTextAccessor::_PutRightAligned(const char* p, long lLen, long lWidth) {
    _PutBlanks(lWidth - lLen);
    _PutBytes(p, lLen);
}

void ClTextAccessor::_PutEmptyItems(long lCount) {
    for (long i = 0; i < lCount; ++i) {
        _PutBytes("\"\",", 3);
    }
}

long ClTextAccessor::_EndLine() {
    _PutBytes("\r\n", 2);
    return _Failed() ? -1 : 0;
}

long ClTextAccessor::_WriteRow(bool bNames) {
    // As in reading, a mode other than the first three separates by blanks.
    const char cSep = m_eDelimiter == DELIM_FIXED   ? '\0'
                      : m_eDelimiter == DELIM_COMMA ? ','
                      : m_eDelimiter == DELIM_TAB   ? '\t'
                                                    : ' ';
    const long lCount = _GetItemNum();
    for (long lPos = 0; lPos < lCount; ++lPos) {
        const long lColumn = _GetItemNo(lPos);
        const long lResult = bNames ? WriteItemName(lColumn, lPos) : WriteItem(lColumn);
        if (lResult != 0) {
            return lResult;
        }
        if (lPos + 1 < lCount) {
            _PutBytes(&cSep, cSep ? 1 : 0);
            if (_Failed()) {
                return -1;
            }
        }
    }
    return _EndLine();
}

long ClTextAccessor::Write() {
    return Write2(0);
}

long ClTextAccessor::Write2(long lEmptyCount) {
    if (!m_pStream) {
        return -1;
    }
    _BeginLine();
    _PutEmptyItems(lEmptyCount);
    return _WriteRow(false);
}

long ClTextAccessor::ItemNameWrite() {
    return ItemNameWrite2(0);
}

long ClTextAccessor::ItemNameWrite2(long lEmptyCount) {
    if (!m_pStream) {
        return -1;
    }
    _BeginLine();
    _PutEmptyItems(lEmptyCount);
    return _WriteRow(true);
}

int ClTextAccessor::CommentWrite(const char* pszText) {
    if (!m_pStream) {
        return -1;
    }
    _BeginLine();
    if (pszText) {
        _PutBytes(pszText, static_cast<long>(std::strlen(pszText)));
    }
    return static_cast<int>(_EndLine());
}

void ClTextAccessor::_WriteNumber(const StTAFORMAT& fmt, const unsigned char* pField) {
    StNUMBER num;
    if (!LoadNumber(fmt, pField, num)) {
        return;
    }
    char acInt[24];
    acInt[0] = '-';
    char* pBegin = num.bNegative ? acInt + 1 : acInt;
    const long lIntLen = std::to_chars(pBegin, std::end(acInt), num.uInt).ptr - acInt;
    const bool bFixed = m_eDelimiter == DELIM_FIXED;
    const long lWidth = num.lDecimal > 0 ? fmt.lLen - num.lDecimal - 1 : fmt.lLen;
    _PutRightAligned(acInt, lIntLen, bFixed ? lWidth : 0);
    if (num.lDecimal > 0) {
        // Four stored decimals, truncated to the places shown.
        char acFraction[1 + CY_DIGITS] = {'.'};
        for (int i = CY_DIGITS, u = static_cast<int>(num.uFraction); i > 0; --i, u /= 10) {
            acFraction[i] = static_cast<char>('0' + u % 10);
        }
        _PutBytes(acFraction, 1 + std::min<long>(num.lDecimal, CY_DIGITS));
    }
}

long ClTextAccessor::WriteItem(long lColumn) {
    const StTAFORMAT* pFmt = _ColumnFormat(lColumn);
    const bool bFixed = m_eDelimiter == DELIM_FIXED;
    const unsigned char cMask = pFmt ? _MaskOf(lColumn) : 0;
    if (cMask != MASK_NONE) {
        _PutBlanks(bFixed ? pFmt->lLen : cMask == MASK_BLANK ? 1 : 0);
        return 0;
    }
    if (pFmt) {
        const unsigned char* pField = static_cast<const unsigned char*>(m_pData) + pFmt->lOfs;
        if (pFmt->lType == ITEM_TEXT) {
            // Cut by bytes; the cut may split a double-byte character.
            const long lMax = std::max<long>(std::min(pFmt->lLen, pFmt->lSize), 0);
            const char* pszText = reinterpret_cast<const char*>(pField);
            const long lLen = BoundedLen(pszText, lMax);
            if (bFixed) {
                _PutBytes(pszText, lLen);
                _PutBlanks(pFmt->lLen - lLen);
            } else {
                _PutQuoted(pszText, lLen);
            }
        } else if (pFmt->lType == ITEM_SIGNED || pFmt->lType == ITEM_UNSIGNED) {
            _WriteNumber(*pFmt, pField);
        }
    }
    return _Failed() ? -1 : 0;
}

long ClTextAccessor::WriteItemName(long lColumn, long lPos) {
    const StTAFORMAT* pFmt = _ColumnFormat(lColumn);
    if (!pFmt) {
        return _Failed() ? -1 : 0;
    }
    const bool bFixed = m_eDelimiter == DELIM_FIXED;
    const long lLen = BoundedLen(pFmt->szName, sizeof pFmt->szName);
    const unsigned char cMask = _MaskOf(lColumn);
    if (cMask != MASK_NONE) {
        _PutBlanks(bFixed ? lLen : cMask == MASK_BLANK ? 1 : 0);
        return 0;
    }
    if (bFixed) {
        _PutBlanks(lPos != 0 ? 2 : 0);
        _PutBytes(pFmt->szName, lLen);
    } else {
        _PutQuoted(pFmt->szName, lLen);
    }
    return _Failed() ? -1 : 0;
}

// ---- reading ----

long ClTextAccessor::Read() {
    if (!m_pStream) {
        return READ_EOF;
    }
    char szLine[LINE_SIZE];
    long lResult = _RdNextRow(szLine, LINE_SIZE);
    if (lResult == READ_OK) {
        lResult = _RdCmntRow(szLine, LINE_SIZE);
    }
    if (lResult != READ_OK) {
        return lResult;
    }
    // An overlong line was consumed whole but cannot be a row; nor can more items than
    // the item array holds.
    if (m_bLineCut || _GetItemNum() > MAX_READ_ITEMS) {
        return READ_MISFIT;
    }
    StREADOFFSETINFO aItems[MAX_READ_ITEMS];
    switch (m_eDelimiter) {
    case DELIM_FIXED:
        lResult = _InitOfs_Fixed(szLine, LINE_SIZE, aItems);
        break;
    case DELIM_COMMA:
        lResult = _InitOfs_Comma(szLine, LINE_SIZE, aItems);
        break;
    case DELIM_TAB:
        lResult = _InitOfs_Tab(szLine, LINE_SIZE, aItems);
        break;
    default:
        lResult = _InitOfs_Space(szLine, LINE_SIZE, aItems);
        break;
    }
    const long lCount = _GetItemNum();
    for (long lPos = 0; lResult == READ_OK && lPos < lCount; ++lPos) {
        lResult = ReadItem(_GetItemNo(lPos), aItems[lPos].pTop, aItems[lPos].lLen);
    }
    return lResult;
}

// A line ends at its LF (consumed, not stored) and, inside, at a NUL byte. A line without
// LF at the end of the stream is not delivered.
long ClTextAccessor::_RdNextRow(char* pszLine, long lSize) {
    m_bLineCut = false;
    m_pStream->getline(pszLine, lSize);
    if (m_pStream->fail() && !m_pStream->bad() && !m_pStream->eof() &&
        m_pStream->gcount() == lSize - 1) {
        m_bLineCut = true;
        m_pStream->clear();
        m_pStream->ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    if (m_pStream->fail() || m_pStream->eof()) {
        return READ_EOF;
    }
    ++m_lPhysicalLineNo;
    std::memset(m_szReadLine, 0, sizeof m_szReadLine);
    std::memcpy(m_szReadLine, pszLine, std::strlen(pszLine));
    return READ_OK;
}

long ClTextAccessor::_RdCmntRow(char* pszLine, long lSize) {
    if (!m_pszCommentMark) {
        m_lLogicalLineNo = m_lPhysicalLineNo;
        return READ_OK;
    }
    if (!m_bCommentSkip && _CheckIsCmntRow(pszLine)) {
        return READ_COMMENT;
    }
    while (_CheckIsCmntRow(pszLine)) {
        const long lResult = _RdNextRow(pszLine, lSize);
        if (lResult != READ_OK) {
            return lResult;
        }
    }
    ++m_lLogicalLineNo;
    return READ_OK;
}

BOOL ClTextAccessor::_CheckIsCmntRow(const char* pszLine) const {
    if (!m_pszCommentMark) {
        return FALSE;
    }
    return std::strncmp(pszLine, m_pszCommentMark, std::strlen(m_pszCommentMark)) == 0;
}

// The line is exactly the column widths laid end to end.
long ClTextAccessor::_InitOfs_Fixed(char* pszLine, long lSize, StREADOFFSETINFO* pItems) {
    const long lLineLen = BoundedLen(pszLine, lSize);
    const long lCount = _GetItemNum();
    long lAt = 0;
    for (long lPos = 0; lPos < lCount; ++lPos) {
        const StTAFORMAT* pFmt = _ColumnFormat(_GetItemNo(lPos));
        const long lWidth = pFmt ? std::max<long>(pFmt->lLen, 0) : 0;
        if (lWidth > lLineLen - lAt) {
            return READ_MISFIT;
        }
        pItems[lPos] = {pszLine + lAt, static_cast<LONG>(lWidth)};
        lAt += lWidth;
    }
    return lAt == lLineLen ? READ_OK : READ_MISFIT;
}

long ClTextAccessor::_InitOfs_Comma(char* pszLine, long, StREADOFFSETINFO* pItems) {
    return _Split(pszLine, pItems, DELIM_COMMA);
}

long ClTextAccessor::_InitOfs_Tab(char* pszLine, long, StREADOFFSETINFO* pItems) {
    return _Split(pszLine, pItems, DELIM_TAB);
}

long ClTextAccessor::_InitOfs_Space(char* pszLine, long, StREADOFFSETINFO* pItems) {
    return _Split(pszLine, pItems, DELIM_SPACE);
}

// The delimited splitters share one machine. Comma and tab: a separator after a separator
// (or at either end) stands for an absent item; space: runs of blanks separate items and
// only a blank line has an absent one. Quoted items never hold their own quote.
long ClTextAccessor::_Split(char* pszLine, StREADOFFSETINFO* pItems, _Delimiter eMode) const {
    enum { ST_START, ST_QUOTED, ST_PLAIN, ST_AFTER } eState = ST_START;
    const char cSep = eMode == DELIM_COMMA ? ',' : eMode == DELIM_TAB ? '\t' : '\0';
    const bool bKeepBlanks = eMode == DELIM_COMMA && m_bSpace;
    const long lWant = _GetItemNum();
    long lCount = 0;
    char* pTop = nullptr;
    char cClose = '\0';
    const auto Push = [&](char* p, long lLen) {
        if (lCount == lWant) {
            return false;
        }
        pItems[lCount++] = {p, static_cast<LONG>(lLen)};
        return true;
    };
    const auto WrongQuote = [this](char c) {
        return (m_eQuote == QUOTE_SINGLE && c == '"') || (m_eQuote == QUOTE_DOUBLE && c == '\'');
    };
    for (char* p = pszLine;; ++p) {
        const char c = *p;
        switch (eState) {
        case ST_START:
        case ST_AFTER:
            if (c == '\0' || (c == cSep && eState == ST_START)) {
                if (eState == ST_START && !Push(nullptr, 0)) {
                    return READ_MISFIT;
                }
                if (c == '\0') {
                    return lCount == lWant ? READ_OK : READ_MISFIT;
                }
            } else if (c == cSep) {
                eState = ST_START;
            } else if (IsBlank(c)) {
            } else if (eState == ST_AFTER && cSep != '\0') {
                return READ_MISFIT;
            } else if (IsQuote(c)) {
                if (WrongQuote(c)) {
                    return READ_MISFIT;
                }
                cClose = c;
                pTop = p + 1;
                eState = ST_QUOTED;
            } else {
                pTop = p;
                eState = ST_PLAIN;
            }
            break;
        case ST_QUOTED:
            if (c == '\0') {
                return READ_MISFIT;
            }
            if (c == cClose) {
                if (!Push(pTop, p - pTop)) {
                    return READ_MISFIT;
                }
                eState = ST_AFTER;
            }
            break;
        case ST_PLAIN:
            if (IsQuote(c)) {
                return READ_MISFIT;
            }
            if (c == '\0' || c == cSep || (IsBlank(c) && !bKeepBlanks)) {
                long lLen = p - pTop;
                while (lLen > 0 && IsBlank(pTop[lLen - 1])) {
                    --lLen;
                }
                if (!Push(pTop, lLen)) {
                    return READ_MISFIT;
                }
                if (c == '\0') {
                    return lCount == lWant ? READ_OK : READ_MISFIT;
                }
                eState = c == cSep ? ST_START : ST_AFTER;
            }
            break;
        }
    }
}

long ClTextAccessor::ReadItem(long lColumn, char* pTop, long lLen) {
    const StTAFORMAT* pFmt = _ColumnFormat(lColumn);
    if (!pFmt) {
        return READ_OK;
    }
    if (pFmt->lRequired && !pTop) {
        return READ_MISFIT;
    }
    char szItem[LINE_SIZE];
    const long lItemLen = pTop ? std::clamp<long>(lLen, 0, LINE_SIZE - 1) : 0;
    std::memcpy(szItem, pTop ? pTop : "", static_cast<std::size_t>(lItemLen));
    szItem[lItemLen] = '\0';
    unsigned char* pField = static_cast<unsigned char*>(m_pData) + pFmt->lOfs;
    if (pFmt->lType == ITEM_TEXT) {
        if (lItemLen > static_cast<long>(pFmt->lSize) - 1) {
            return READ_MISFIT;
        }
        std::memcpy(pField, szItem, static_cast<std::size_t>(lItemLen));
        std::memset(pField + lItemLen, 0, static_cast<std::size_t>(pFmt->lSize - lItemLen));
        return READ_OK;
    }
    if (pFmt->lType != ITEM_SIGNED && pFmt->lType != ITEM_UNSIGNED) {
        return READ_OK;
    }
    tagCY cy{};
    const long lNum = CheckNumeric(szItem, &cy);
    if (lNum != NUM_OK) {
        return lNum == NUM_EMPTY ? READ_OK : READ_MISFIT;
    }
    // Integer fields take the whole part, truncated towards zero, in their width.
    const std::int64_t lWhole = cy.int64 / CY_SCALE;
    switch (pFmt->lSize) {
    case 1:
        StoreField<std::uint8_t>(pField, lWhole);
        break;
    case 2:
        StoreField<std::uint16_t>(pField, lWhole);
        break;
    case 4:
        StoreField<std::uint32_t>(pField, lWhole);
        break;
    case 8:
        if (pFmt->lType == ITEM_SIGNED) {
            StoreField<std::int64_t>(pField, cy.int64);
        }
        break;
    default:
        break;
    }
    return READ_OK;
}

// Decimal text, with digit grouping and an optional leading sign, to a currency value;
// digits beyond the fourth decimal are dropped. A value beyond the currency range is not
// a number.
long ClTextAccessor::CheckNumeric(const char* pszText, tagCY* pValue) const {
    constexpr std::int64_t MAX_WHOLE = std::numeric_limits<std::int64_t>::max() / CY_SCALE;
    const char* p = pszText;
    while (IsBlank(*p)) {
        ++p;
    }
    if (*p == '\0') {
        return NUM_EMPTY;
    }
    const char* const pFirst = p;
    std::int64_t lWhole = 0;
    std::int64_t lFraction = 0;
    int nFractionDigits = 0;
    bool bFraction = false;
    for (; *p != '\0' && !IsBlank(*p); ++p) {
        const char c = *p;
        if (c == '+' || c == '-') {
            if (p != pFirst) {
                return NUM_INVALID;
            }
        } else if (c == '.') {
            if (bFraction) {
                return NUM_INVALID;
            }
            bFraction = true;
        } else if (c >= '0' && c <= '9') {
            if (!bFraction) {
                lWhole = lWhole * 10 + (c - '0');
                if (lWhole > MAX_WHOLE) {
                    return NUM_INVALID;
                }
            } else if (nFractionDigits < CY_DIGITS) {
                lFraction = lFraction * 10 + (c - '0');
                ++nFractionDigits;
            }
        }
        // Any other byte, a comma among them, is passed over.
    }
    for (; *p != '\0'; ++p) {
        if (!IsBlank(*p)) {
            return NUM_INVALID;
        }
    }
    for (; nFractionDigits < CY_DIGITS; ++nFractionDigits) {
        lFraction *= 10;
    }
    if (lWhole > (std::numeric_limits<std::int64_t>::max() - lFraction) / CY_SCALE) {
        return NUM_INVALID;
    }
    const std::int64_t lValue = lWhole * CY_SCALE + lFraction;
    pValue->int64 = *pFirst == '-' ? -lValue : lValue;
    return NUM_OK;
}
