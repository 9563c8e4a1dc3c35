// Table-driven writer and reader of text lines over a fixed in-memory row buffer.
#pragma once

#include "platform/WinTypes.h"

#include <iosfwd>
#include <memory>

// One column: where its value lies in the row buffer and how it looks in the text.
struct StTAFORMAT {
    char szName[36]; // written only by the name-row operations
    LONG lLen;       // width in the text, in bytes
    LONG lDecimal;   // decimals shown for an 8-byte signed column, 0 to 4
    LONG lOfs;       // offset of the field in the row buffer
    LONG lSize;      // field size; text: including its NUL
    LONG lType;      // ClTextAccessor::_ItemType
    LONG lRequired;  // reading: the item must be present
};
static_assert(sizeof(StTAFORMAT) == 60, "column descriptors are packed tightly");

// One position of a column order: the column standing there.
struct StTAORDER {
    LONG lItemNo;
};

// One item of a line being read: its first byte (null when absent) and its length.
struct StREADOFFSETINFO {
    char* pTop;
    LONG lLen;
};

class ClTextAccessor {
public:
    enum _Delimiter {
        DELIM_FIXED = 1,
        DELIM_COMMA = 2,
        DELIM_TAB = 3,
        DELIM_SPACE = 4,
    };
    enum _Quote {
        QUOTE_NONE = 0,
        QUOTE_SINGLE = 1,
        QUOTE_DOUBLE = 2,
    };
    // lType of a column.
    enum _ItemType {
        ITEM_TEXT = 0,
        ITEM_SIGNED = 1,   // 1, 2 or 4 bytes; 8 bytes: a tagCY
        ITEM_UNSIGNED = 2, // 1, 2 or 4 bytes
    };
    // Mask values; in fixed-width mode any nonzero mask writes blanks over the width.
    enum _Mask {
        MASK_NONE = 0,
        MASK_OMIT = 1,  // nothing is written
        MASK_BLANK = 2, // one blank stands in the value's place
    };

    static constexpr long MAX_COLUMNS = 200; // one mask byte each
    static constexpr long LINE_SIZE = 1024;  // a line holds at most 1023 bytes
    static constexpr long MAX_READ_ITEMS = 100;
    static constexpr long MAX_ORDER = 100;    // entries of a stored column order
    static constexpr long MAX_ORDER_NAME = 9; // bytes of a stored table name

    // pszName, pFormat and pData must outlive the accessor; the table is copied into the
    // working table that every write and read uses.
    ClTextAccessor(const char* pszName, const StTAFORMAT* pFormat, long lFormatCount, void* pData);
    virtual ~ClTextAccessor();
    ClTextAccessor(const ClTextAccessor&) = delete;
    ClTextAccessor& operator=(const ClTextAccessor&) = delete;

    // -1003 for a quoted fixed-width mode, leaving the settings unchanged.
    long SetMode(_Delimiter eDelimiter, _Quote eQuote);
    long Attach(std::iostream* pStream);

    long GetFormatCount() const { return m_lFormatCount; }
    // The working table; changes in place last until ResetRotate.
    StTAFORMAT* GetFormat() { return m_pFormat.get(); }
    // The array is not copied. Used when the select flag is FALSE and lCount > 0.
    long SetOrder(StTAORDER* pOrder, long lCount);
    StTAORDER* GetOrder() const { return m_pOrder; }
    long GetOrderCount() const { return m_lOrderCount; }
    // Stores the low byte; -1 for a column out of range.
    long SetMask(long lColumn, long lMask);
    long GetMask(long lColumn) const; // 0 to 255, -1 out of range
    // Moves the block [lStart, lStart + lLen) as a ring so that its first column lands at
    // lDest; 1 on a bad argument.
    long RotateFormat(long lStart, long lDest, long lLen);
    void ResetRotate();

    void SetSelectFlag(BOOL bSelect) { m_bSelect = bSelect; }
    void SetSpaceFlag(BOOL bSpace) { m_bSpace = bSpace; }
    void SetCommentSkip(BOOL bSkip) { m_bCommentSkip = bSkip; }
    // Not copied; null switches comment handling off.
    void SetCommentMark(const char* pszMark) { m_pszCommentMark = pszMark; }
    void GetReadLine(char* pszLine) const; // copies LINE_SIZE bytes
    long GetPhysicalLineNo() const { return m_lPhysicalLineNo; }
    long GetLogicalLineNo() const { return m_lLogicalLineNo; }

    // Writing: 0, or -1 when the stream has failed.
    long Write();
    long Write2(long lEmptyCount); // lEmptyCount leading "" items first
    long ItemNameWrite();
    long ItemNameWrite2(long lEmptyCount);
    int CommentWrite(const char* pszText);

    // 0 a data line stored, 1 end of file, 2 the line does not fit the table,
    // 3 a comment line while skipping is off.
    long Read();

    // The column order kept in the company data under the table name: 0 or -1.
    long LoadOrder(unsigned char* pDataID);
    long SaveOrder(unsigned char* pDataID);

protected:
    long WriteItem(long lColumn);
    long ReadItem(long lColumn, char* pTop, long lLen);

private:
    long _GetItemNum() const;
    long _GetItemNo(long lPos) const;
    const StTAFORMAT* _ColumnFormat(long lColumn) const;
    unsigned char _MaskOf(long lColumn) const;

    void _BeginLine();
    bool _Failed() const;
    void _PutBytes(const char* p, long lLen);
    void _PutBlanks(long lCount);
    void _PutQuoted(const char* p, long lLen);
    void _PutRightAligned(const char* p, long lLen, long lWidth);
    void _PutEmptyItems(long lCount);
    long _WriteRow(bool bNames);
    long _EndLine();
    long WriteItemName(long lColumn, long lPos);
    void _WriteNumber(const StTAFORMAT& fmt, const unsigned char* pField);

    long _RdNextRow(char* pszLine, long lSize);
    long _RdCmntRow(char* pszLine, long lSize);
    BOOL _CheckIsCmntRow(const char* pszLine) const;
    long _InitOfs_Fixed(char* pszLine, long lSize, StREADOFFSETINFO* pItems);
    long _InitOfs_Comma(char* pszLine, long lSize, StREADOFFSETINFO* pItems);
    long _InitOfs_Tab(char* pszLine, long lSize, StREADOFFSETINFO* pItems);
    long _InitOfs_Space(char* pszLine, long lSize, StREADOFFSETINFO* pItems);
    long _Split(char* pszLine, StREADOFFSETINFO* pItems, _Delimiter eMode) const;
    long CheckNumeric(const char* pszText, tagCY* pValue) const;

    std::iostream* m_pStream = nullptr;
    _Delimiter m_eDelimiter = DELIM_FIXED;
    _Quote m_eQuote = QUOTE_NONE;
    void* m_pData;
    const char* m_pszName;
    const StTAFORMAT* m_pOrgFormat;
    LONG m_lFormatCount;
    StTAORDER* m_pOrder = nullptr;
    LONG m_lOrderCount = 0;
    char m_cMask[MAX_COLUMNS] = {};
    BOOL m_bSelect = TRUE;
    BOOL m_bSpace = FALSE;
    std::unique_ptr<StTAFORMAT[]> m_pFormat;
    const char* m_pszCommentMark = nullptr;
    BOOL m_bCommentSkip = TRUE;
    char m_szReadLine[LINE_SIZE] = {};
    LONG m_lPhysicalLineNo = 0;
    LONG m_lLogicalLineNo = 0;
    bool m_bLineCut = false; // the last line read was longer than LINE_SIZE - 1 bytes
};
