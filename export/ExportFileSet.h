// The output file set of one export: the asset data file, the asset type file and the
// error log, one record accessor per column table with its row buffer, and the asset
// codes written so far.
#pragma once

#include "export/AssetRow.h"
#include "export/AssetType.h"
#include "export/Messages.h"
#include "export/ValueCheck.h"
#include "platform/WinTypes.h"
#include "textio/TextFile.h"
#include "textio/textaccessor.h"

#include <cstdint>
#include <initializer_list>
#include <list>
#include <memory>
#include <string_view>
#include <unordered_map>

struct StDATAINFO;
struct StKOTEISHISANINFO;
struct StKOTEINENINFO;
struct StKOTEITSUKIINFO;
struct StIKKATSUINFO;
struct StSHISANKUBUNINFO;

// The column header line of the asset data file: one text field per caption.
inline constexpr long HEAD_COLUMN_COUNT = 151;
inline constexpr long HEAD_ROW_SIZE = 3016;
extern const StTAFORMAT G_HEAD[HEAD_COLUMN_COUNT];

// Free text lines: header lines of both data files and the error log's messages.
inline constexpr long HEADER_COLUMN_COUNT = 1;
inline constexpr long HEADER_TEXT_WIDTH = 152;
extern const StTAFORMAT G_HEADER[HEADER_COLUMN_COUNT];

// Each accessor owns the row buffer it was built over; writers clear it before filling.
class ClInfoAccessor : public ClTextAccessor {
public:
    ClInfoAccessor();
    ~ClInfoAccessor() override;
    StASSETROW m_stRow;
};

class ClHeadAccessor : public ClTextAccessor {
public:
    ClHeadAccessor();
    ~ClHeadAccessor() override;
    char m_acRow[HEAD_ROW_SIZE];
};

class ClHeaderAccessor : public ClTextAccessor {
public:
    ClHeaderAccessor();
    ~ClHeaderAccessor() override;
    char m_szText[HEADER_TEXT_WIDTH + 1];
};

class ClSscAccessor : public ClTextAccessor {
public:
    ClSscAccessor();
    ~ClSscAccessor() override;
    StASSETTYPEROW m_stRow;
};

class ClExportFileSet {
public:
    enum _OutputKind {
        OUT_ASSET = 0,
        OUT_ASSETTYPE = 1,
        OUT_ERRLOG = 2,
    };
    static constexpr int OUTPUT_KIND_COUNT = 3;

    ClExportFileSet();
    virtual ~ClExportFileSet();
    ClExportFileSet(const ClExportFileSet&) = delete;
    ClExportFileSet& operator=(const ClExportFileSet&) = delete;

    // Opens the kind's file for replacement: the asset data file at szPath, the other two
    // in its folder. FALSE when the name does not fit MAX_PATH or the file does not open.
    BOOL OpenOutput(short sKind, const char* szPath);
    // Always TRUE; a failed close is kept for HasFailed.
    BOOL CloseOutput(short sKind);

    // The asset data file: six header lines and the column header line.
    long WriteAssetHeader(const StDATAINFO* pInfo);
    // One data row per ordinary asset or bulk sub-item, with its messages in the error log.
    long WriteAssetRow(const StKOTEISHISANINFO* pMaster, const StKOTEINENINFO* pYear,
                       const StKOTEITSUKIINFO* pMonth, const StIKKATSUINFO* pItem);
    // The asset type file: seventeen header lines, then one row per asset type.
    long WriteAssetTypeHeader(const StDATAINFO* pInfo);
    long WriteAssetTypeRow(const StSHISANKUBUNINFO* pType);
    // One message of the error log, cut at 152 bytes.
    long WriteErrorLine(const char* szMessage);

    // TRUE when the kind's file did not open or a write, flush or close on it failed.
    BOOL HasFailed(_OutputKind eKind) const;
    // The Windows path the kind's file was (or would have been) opened under; an
    // over-long derived name as far as it was formed; empty before the first open.
    const char* GetOutputName(_OutputKind eKind) const;

private:
    // Corporate (1), individual (2) or neither (0), from the context's kind byte.
    static int _CorpKind(const StDATAINFO* pInfo);
    ClTextFile* _File(short sKind);
    // Marks the kind's file as failed when a write or close reported a failure.
    void _Track(short sKind, long lResult);
    // Composes one free text line in m_accHeader's buffer (cut at 152 bytes) and writes
    // it to the kind's file.
    void _HeaderLine(short sKind, const char* szFormat, ...) __attribute__((format(printf, 3, 4)));
    void _WriteHeaderText(short sKind);

    // ---- asset record conversion and value checks: helpers and state ----
    // The amount text of an amount column; "************" and the amount error when the
    // value does not fit.
    StAMOUNTTEXT FormatAmount(tagCY cy);
    // Columns 13 and 14 from a quantity text; the quantity warning from 1,000,000 up.
    void SetQuantity(std::string_view svQuantity);
    // 0: new, now registered; 1: the code was written before; 2: its first six bytes were
    // (only a code longer than six bytes), whichever was registered first.
    long CheckDupCode(std::string_view svCode);

    void _FillOrdinaryRow(const StKOTEISHISANINFO& master, const StKOTEINENINFO& year);
    BOOL _FillBulkRow(const StKOTEISHISANINFO& master, const StIKKATSUINFO& item);
    void _OrdinaryCode(std::string_view svCode);
    BOOL _BulkCode(std::string_view svCode, std::string_view svItemNo);
    void _MasterColumns(const StKOTEISHISANINFO& master);
    void _DeprColumns(const StKOTEISHISANINFO& master, const StKOTEINENINFO& year);
    void _LimitColumns(const StKOTEISHISANINFO& master);
    void _PeriodDepr(const StKOTEINENINFO& year);
    void _AllocColumns(const StKOTEISHISANINFO& master);
    void _RatioColumns(const StKOTEISHISANINFO& master);
    void _MemoColumns(std::string_view svMemo);
    void _Name(std::string_view svName, const char* szWarning);
    // Column writers: the value goes into the column's field, and the column is unmasked.
    void _Text(long lColumn, std::string_view svText);
    void _Number(long lColumn, std::int64_t llValue);
    void _Amount(long lColumn, tagCY cy);
    void _Message(const char* szFormat, std::initializer_list<StMSGARG> args);

    // Registration number of every code in m_lstAssetCode, keyed by the copies' text.
    std::unordered_map<std::string_view, std::size_t> m_mapAssetCode;
    // ---- end of asset record conversion ----

    ClInfoAccessor m_accInfo;
    ClHeadAccessor m_accHead;
    ClHeaderAccessor m_accHeader;
    ClSscAccessor m_accSsc;
    ClTextFile m_fileAsset;
    ClTextFile m_fileAssetType;
    ClTextFile m_fileErrLog;
    // Heap copies of the asset codes written, in the order of first writing.
    std::list<std::unique_ptr<char[]>> m_lstAssetCode;

    char m_aszOutputName[OUTPUT_KIND_COUNT][MAX_PATH + 1];
    BOOL m_abFailed[OUTPUT_KIND_COUNT];
};
