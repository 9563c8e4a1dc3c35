// The business core's depreciation rule: the fixed-asset register of one company data and
// the records it is handed out in. Records are little-endian, byte-packed wire layouts;
// texts are NUL-terminated CP932, dates yyyymmdd, amounts tagCY (value times 10000).
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>

class ClSetMgr;
class ClOptLink;

#pragma pack(push, 1)
// Asset master, 545 bytes.
struct StKOTEISHISANINFO {
    BYTE abReserved1[16];
    BYTE abBulkKey[16]; // key of a bulk asset's sub-items
    char szAssetCode[16];
    LONG lTypeCode; // asset type code
    char szAssetName[193];
    char szQuantity[9]; // quantity and unit word, e.g. 10個
    char szMemo[82];
    std::int16_t sDisposalKind; // 4 sold, 5 retired
    char szCapex[18];           // non-empty: capital expenditure
    LONG lRuleDate;             // date selecting the rules of method kinds 5 and 8
    LONG lAcqDate;              // acquisition date
    BYTE abReserved2[4];
    tagCY cyAcqCost;          // acquisition cost
    tagCY cyCompression;      // reduction entry
    tagCY cyOpeningBook;      // book value at the start of the period
    std::int16_t sMethodKind; // 1..8; 4 marks a bulk asset
    std::int16_t sUsefulLife; // years
    LONG lDeprRate;           // thousandths
    LONG lResidualRate;
    BYTE bLimitKind; // cyLimit is 0 a rate, 1 an amount
    BYTE abReserved3[3];
    tagCY cyLimit;
    BYTE abReserved4[10];
    std::int16_t sBusinessRatio; // hundredths of a percent
    std::int16_t sSgaPercent;    // whole percent
    std::int16_t sPeriodNum;     // depreciation months = 12 / sPeriodDen * sPeriodNum
    std::int16_t sPeriodDen;
    BYTE abReserved5[6];
    tagCY cyResidual;
    tagCY cyDeprBase;
    tagCY cySga;
    tagCY cyMfgCost;
    tagCY cyAccumDepr;
    tagCY cyClosingBook;
    LONG lDisposalDate;
    BYTE abReserved6[4];
    tagCY cyDisposalPrice;
    BYTE abReserved7[29];
    BYTE bMonthsEntered; // 1: sPeriodNum and sPeriodDen are given
    BYTE abReserved8[3];
    tagCY cyRevisedCost; // revised acquisition cost
};

// Yearly values, 960 bytes.
struct StKOTEINENINFO {
    BYTE abReserved1[40];
    tagCY cyCalcDepr; // depreciation computed for the period
    tagCY cySpecialDepr;
    tagCY cyIncreasedDepr;
    tagCY cyDeprOverride; // non-zero: the period's depreciation was entered
    BYTE abReserved2[888];
};

// Monthly values, 1536 bytes; nothing of it is read.
struct StKOTEITSUKIINFO {
    BYTE abData[1536];
};

// Sub-item of a bulk asset, 256 bytes.
struct StIKKATSUINFO {
    BYTE abReserved1[48];
    char szItemNo[13];
    char szItemName[83];
    LONG lItemAcqDate;
    BYTE abReserved2[4];
    tagCY cyItemAcqCost;
    LONG lItemQuantity; // hundredths
    BYTE abReserved3[92];
};

// Asset type, 128 bytes.
struct StSHISANKUBUNINFO {
    BYTE abReserved1[16];
    LONG lCode;
    char szName[82];
    std::int16_t sMethod; // depreciation method code
    LONG lResidualRatio;  // whole number
    BYTE abReserved2[20];
};

// Search condition of MoveReady. The stand-in supports no conditions: pass null.
struct StFINDINFO {
    BYTE abReserved[64];
};
#pragma pack(pop)

static_assert(sizeof(StKOTEISHISANINFO) == 545);
static_assert(offsetof(StKOTEISHISANINFO, abBulkKey) == 16);
static_assert(offsetof(StKOTEISHISANINFO, szAssetCode) == 32);
static_assert(offsetof(StKOTEISHISANINFO, lTypeCode) == 48);
static_assert(offsetof(StKOTEISHISANINFO, szAssetName) == 52);
static_assert(offsetof(StKOTEISHISANINFO, szQuantity) == 245);
static_assert(offsetof(StKOTEISHISANINFO, szMemo) == 254);
static_assert(offsetof(StKOTEISHISANINFO, sDisposalKind) == 336);
static_assert(offsetof(StKOTEISHISANINFO, szCapex) == 338);
static_assert(offsetof(StKOTEISHISANINFO, lRuleDate) == 356);
static_assert(offsetof(StKOTEISHISANINFO, lAcqDate) == 360);
static_assert(offsetof(StKOTEISHISANINFO, cyAcqCost) == 368);
static_assert(offsetof(StKOTEISHISANINFO, cyCompression) == 376);
static_assert(offsetof(StKOTEISHISANINFO, cyOpeningBook) == 384);
static_assert(offsetof(StKOTEISHISANINFO, sMethodKind) == 392);
static_assert(offsetof(StKOTEISHISANINFO, sUsefulLife) == 394);
static_assert(offsetof(StKOTEISHISANINFO, lDeprRate) == 396);
static_assert(offsetof(StKOTEISHISANINFO, lResidualRate) == 400);
static_assert(offsetof(StKOTEISHISANINFO, bLimitKind) == 404);
static_assert(offsetof(StKOTEISHISANINFO, cyLimit) == 408);
static_assert(offsetof(StKOTEISHISANINFO, sBusinessRatio) == 426);
static_assert(offsetof(StKOTEISHISANINFO, sSgaPercent) == 428);
static_assert(offsetof(StKOTEISHISANINFO, sPeriodNum) == 430);
static_assert(offsetof(StKOTEISHISANINFO, sPeriodDen) == 432);
static_assert(offsetof(StKOTEISHISANINFO, cyResidual) == 440);
static_assert(offsetof(StKOTEISHISANINFO, cyDeprBase) == 448);
static_assert(offsetof(StKOTEISHISANINFO, cySga) == 456);
static_assert(offsetof(StKOTEISHISANINFO, cyMfgCost) == 464);
static_assert(offsetof(StKOTEISHISANINFO, cyAccumDepr) == 472);
static_assert(offsetof(StKOTEISHISANINFO, cyClosingBook) == 480);
static_assert(offsetof(StKOTEISHISANINFO, lDisposalDate) == 488);
static_assert(offsetof(StKOTEISHISANINFO, cyDisposalPrice) == 496);
static_assert(offsetof(StKOTEISHISANINFO, bMonthsEntered) == 533);
static_assert(offsetof(StKOTEISHISANINFO, cyRevisedCost) == 537);
static_assert(sizeof(StKOTEINENINFO) == 960);
static_assert(offsetof(StKOTEINENINFO, cyCalcDepr) == 40);
static_assert(offsetof(StKOTEINENINFO, cySpecialDepr) == 48);
static_assert(offsetof(StKOTEINENINFO, cyIncreasedDepr) == 56);
static_assert(offsetof(StKOTEINENINFO, cyDeprOverride) == 64);
static_assert(sizeof(StKOTEITSUKIINFO) == 1536);
static_assert(sizeof(StIKKATSUINFO) == 256);
static_assert(offsetof(StIKKATSUINFO, szItemNo) == 48);
static_assert(offsetof(StIKKATSUINFO, szItemName) == 61);
static_assert(offsetof(StIKKATSUINFO, lItemAcqDate) == 144);
static_assert(offsetof(StIKKATSUINFO, cyItemAcqCost) == 152);
static_assert(offsetof(StIKKATSUINFO, lItemQuantity) == 160);
static_assert(sizeof(StSHISANKUBUNINFO) == 128);
static_assert(offsetof(StSHISANKUBUNINFO, lCode) == 16);
static_assert(offsetof(StSHISANKUBUNINFO, szName) == 20);
static_assert(offsetof(StSHISANKUBUNINFO, sMethod) == 102);
static_assert(offsetof(StSHISANKUBUNINFO, lResidualRatio) == 104);

// Common part of the business core's rules: the data sets and the data worked on.
// Results: 0 = success.
class ClRuleBase {
public:
    ClRuleBase() = default;
    ClRuleBase(const ClRuleBase&) = delete;
    ClRuleBase& operator=(const ClRuleBase&) = delete;
    virtual ~ClRuleBase();
    virtual long AttachSetMgr(ClSetMgr* pSetMgr);

    long SetCurDataID(const char* szDataID);
    long AttachOptLink(ClOptLink* pOptLink);

protected:
    ClSetMgr* m_pSetMgr = nullptr;
    ClOptLink* m_pOptLink = nullptr;
    char m_szDataID[16] = {};
};

class ClRuleCursor;

// The depreciation rule: enumerates the assets of the current data by index, the
// sub-items of one bulk asset nested inside, and hands out the asset types.
class ClRuleGenkashokyaku : public ClRuleBase {
public:
    enum _RuleGenkashokyaku_SortType {
        SORT_POSITION = 0, // register order
    };
    enum _RuleGenkashokyaku_MoveReady_SumType {
        SUM_NONE = 0, // the values as stored
    };

    ClRuleGenkashokyaku() = default;
    ~ClRuleGenkashokyaku() override;

    // Starts the enumeration of every asset of the current data; pFind must be null.
    long MoveReady(StFINDINFO* pFind, _RuleGenkashokyaku_SortType eSort,
                   _RuleGenkashokyaku_MoveReady_SumType eSum);
    long GetCount(LONG* plCount);
    // Fills the three records of asset lIndex (from 0). The fastest order is 0, 1, 2, ...
    long Move(long lIndex, StKOTEISHISANINFO* pMaster, StKOTEINENINFO* pYear,
              StKOTEITSUKIINFO* pMonth);
    // Starts the sub-items of the bulk asset with the 16-byte key pbKey; the asset
    // enumeration stays where it is.
    long MoveReadyIkkatsu(const BYTE* pbKey);
    long GetIkkatsuCount(LONG* plCount);
    long MoveIkkatsu(long lIndex, StIKKATSUINFO* pItem);
    long MoveFinishIkkatsu();
    // A new array of the data's asset types, allocated with CoTaskMemAlloc (the caller
    // frees it with CoTaskMemFree), and its length. No types: null and 0.
    long LoadShisanKubunInfo(StSHISANKUBUNINFO** ppInfo, LONG* plCount);
    long MoveFinish();

private:
    ClRuleCursor* m_pCursor = nullptr; // the open enumerations
};
