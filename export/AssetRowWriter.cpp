// The asset record conversion: one data row of the asset data file per ordinary asset or
// bulk sub-item, with a message in the error log for every value that does not carry over
// cleanly. Every row sets the mask of all 151 columns: filled columns are written from the
// row buffer, all others as empty fields.
#include "export/Decimal.h"
#include "export/ExportFileSet.h"
#include "export/Messages.h"
#include "export/ValueCheck.h"
#include "services/RuleGenkashokyaku.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

using COL = StASSETROW;

constexpr std::int16_t METHOD_EVEN = 3;
constexpr std::int16_t METHOD_BULK = 4;
constexpr std::int16_t METHOD_DECLINING = 5;
constexpr std::int16_t METHOD_STRAIGHT = 6;
constexpr std::int16_t METHOD_SMALL = 7;
constexpr std::int16_t METHOD_DECLINING_2012 = 8;
constexpr LONG TYPE_LIMIT_BY_RESIDUAL = 10;
constexpr LONG TYPE_NON_DEPRECIABLE = 11;
constexpr std::int16_t DISPOSAL_SALE = 4;
constexpr std::int16_t DISPOSAL_RETIREMENT = 5;
constexpr LONG NEW_RULES_DATE = 20070401;
constexpr LONG TRANSITION_FIRST = 20120401;
constexpr LONG TRANSITION_LAST = 20130331;

constexpr std::size_t NAME_WIDTH = 32;
constexpr std::size_t MEMO_LINE_WIDTH = 20;
constexpr std::size_t MEMO_WIDTH = 2 * MEMO_LINE_WIDTH;
constexpr std::int64_t HUNDRED_CY = 100 * ClDecimal::SCALE;
// Column 66 holds eleven characters, one fewer than the other amount columns.
constexpr const char* PERIOD_DEPR_OVERFLOW_TEXT = "***********";

const char* MethodText(std::int16_t sMethod, LONG lTypeCode) {
    if (lTypeCode == TYPE_NON_DEPRECIABLE)
        return "非償却資産";
    static constexpr const char* METHOD[] = {"",       "旧定率法", "旧定額法", "均等法", "",
                                             "定率法", "定額法",   "少額資産", "定率法"};
    constexpr int nCount = sizeof METHOD / sizeof METHOD[0];
    return sMethod >= 0 && sMethod < nCount ? METHOD[sMethod] : "";
}

// The method kinds whose residual value and limit columns stay empty.
bool IsNewMethod(std::int16_t sMethod) {
    return sMethod == METHOD_DECLINING || sMethod == METHOD_STRAIGHT || sMethod == METHOD_SMALL ||
           sMethod == METHOD_DECLINING_2012;
}

// The period's depreciation counts as entered (columns 65 and 66).
bool IsPeriodDeprEntered(const StKOTEISHISANINFO& master, const StKOTEINENINFO& year) {
    const std::int16_t s = master.sMethodKind;
    const bool bNew = s == METHOD_DECLINING || s == METHOD_STRAIGHT || s == METHOD_DECLINING_2012;
    return (year.cyDeprOverride.int64 != 0 && s != METHOD_SMALL) ||
           (bNew && master.lAcqDate < NEW_RULES_DATE) ||
           ((s == 1 || s == 2) && master.lAcqDate >= NEW_RULES_DATE) ||
           (s == METHOD_DECLINING_2012 && master.lRuleDate <= TRANSITION_LAST) ||
           (s == METHOD_DECLINING && master.lRuleDate > TRANSITION_LAST);
}

template <class T>
bool Fits(std::int64_t llValue) {
    return llValue >= std::numeric_limits<T>::min() && llValue <= std::numeric_limits<T>::max();
}

} // namespace

long ClExportFileSet::WriteAssetRow(const StKOTEISHISANINFO* pMaster, const StKOTEINENINFO* pYear,
                                    const StKOTEITSUKIINFO* /*pMonth*/,
                                    const StIKKATSUINFO* pItem) {
    m_fileAsset.Attach(&m_accInfo);
    m_accInfo.SetMode(ClTextAccessor::DELIM_COMMA, ClTextAccessor::QUOTE_NONE);
    std::memset(&m_accInfo.m_stRow, 0, sizeof m_accInfo.m_stRow);
    for (long lCol = 0; lCol < INFO_COLUMN_COUNT; ++lCol)
        m_accInfo.SetMask(lCol, ClTextAccessor::MASK_OMIT);
    if (pMaster->sMethodKind != METHOD_BULK)
        _FillOrdinaryRow(*pMaster, *pYear);
    else if (!_FillBulkRow(*pMaster, *pItem))
        return 1;
    _Track(OUT_ASSET, m_accInfo.Write());
    return 1;
}

void ClExportFileSet::_FillOrdinaryRow(const StKOTEISHISANINFO& master,
                                       const StKOTEINENINFO& year) {
    _OrdinaryCode(FieldText(master.szAssetCode));
    _MasterColumns(master);
    _DeprColumns(master, year);
    _AllocColumns(master);
}

BOOL ClExportFileSet::_FillBulkRow(const StKOTEISHISANINFO& master, const StIKKATSUINFO& item) {
    if (!_BulkCode(FieldText(master.szAssetCode), FieldText(item.szItemNo)))
        return FALSE;
    _Text(COL::COL_METHOD, "一括決算");
    _Name(FieldText(item.szItemName), MSG_ITEM_NAME_TOO_LONG);
    _Number(COL::COL_ACQDATE, item.lItemAcqDate);
    const double dQuantity = item.lItemQuantity * 0.01;
    ClDecimal dValue;
    if (ClDecimal::FromDouble(dQuantity, dValue))
        _Number(COL::COL_QUANTITY, dValue.ToCY().int64);
    if (static_cast<float>(dQuantity) >= QUANTITY_WARNING)
        _Message(MSG_QUANTITY_TOO_LONG, {dQuantity});
    _Amount(COL::COL_ACQCOST, item.cyItemAcqCost);
    _RatioColumns(master);
    return TRUE;
}

void ClExportFileSet::_OrdinaryCode(std::string_view svCode) {
    char szCode[ASSET_PART_LENGTH + 1];
    ZeroPad(CutTail(svCode, ASSET_PART_LENGTH), ASSET_PART_LENGTH, szCode, sizeof szCode);
    const std::string_view svPart(szCode);
    _Text(COL::COL_ASSETCODE, svPart);
    if (svCode.size() > ASSET_PART_LENGTH)
        _Message(MSG_CODE_TOO_LONG, {svCode});
    if (!CheckCodeChars(svPart))
        _Message(MSG_CODE_CHARS, {svPart});
    else if (CheckDupCode(svPart) != 0)
        _Message(MSG_CODE_DUPLICATE, {svCode});
}

// Asset part and sub-item number; FALSE for a number that reads 00 (the hundredth).
BOOL ClExportFileSet::_BulkCode(std::string_view svCode, std::string_view svItemNo) {
    char szCode[ASSET_PART_LENGTH + ITEM_NO_LENGTH + 1];
    ZeroPad(CutTail(svCode, ASSET_PART_LENGTH), ASSET_PART_LENGTH, szCode, ASSET_PART_LENGTH + 1);
    char* pszNo = szCode + ASSET_PART_LENGTH;
    ZeroPad(CutTail(svItemNo, ITEM_NO_LENGTH), ITEM_NO_LENGTH, pszNo, ITEM_NO_LENGTH + 1);
    if (std::strtol(pszNo, nullptr, 10) == 0) {
        _Message(MSG_ITEM_LIMIT, {});
        return FALSE;
    }
    const std::string_view svFull(szCode);
    _Text(COL::COL_ASSETCODE, svFull);
    if (svCode.size() + svItemNo.size() > ASSET_PART_LENGTH + ITEM_NO_LENGTH)
        _Message(MSG_ITEM_CODE_TOO_LONG, {svCode, svItemNo});
    if (!CheckCodeChars(svFull)) {
        _Message(MSG_ITEM_CODE_CHARS, {svFull});
        return TRUE;
    }
    switch (CheckDupCode(svFull)) {
    case 1:
        _Message(MSG_ITEM_CODE_DUPLICATE, {svCode, svItemNo, svFull});
        break;
    case 2:
        _Message(MSG_ITEM_ASSET_DUPLICATE, {svFull, svCode});
        break;
    }
    return TRUE;
}

// Columns 2 to 21 of an ordinary asset.
void ClExportFileSet::_MasterColumns(const StKOTEISHISANINFO& master) {
    const std::int16_t sMethod = master.sMethodKind;
    char szText[16];
    std::snprintf(szText, sizeof szText, "%02d", master.lTypeCode); // the field keeps two
    _Text(COL::COL_TYPECODE, szText);
    if (master.lTypeCode / 100 != 0)
        _Message(MSG_TYPE_CODE_TOO_LONG, {static_cast<long>(master.lTypeCode)});
    if (const char* szMethod = MethodText(sMethod, master.lTypeCode); *szMethod)
        _Text(COL::COL_METHOD, szMethod);
    if (sMethod != METHOD_SMALL && !FieldText(master.szCapex).empty())
        _Text(COL::COL_CAPEX, "台帳＋申告書");
    _Name(FieldText(master.szAssetName), MSG_NAME_TOO_LONG);
    _Number(COL::COL_ACQDATE, master.lAcqDate);
    SetQuantity(FieldText(master.szQuantity));
    if (master.sUsefulLife != 0)
        _Number(COL::COL_USEFULLIFE, master.sUsefulLife);
    ClDecimal dRate;
    if (master.lDeprRate != 0 && sMethod != METHOD_EVEN && sMethod != METHOD_SMALL &&
        ClDecimal::FromDouble(static_cast<float>(master.lDeprRate) * 0.001f, dRate))
        _Number(COL::COL_DEPRRATE, dRate.ToCY().int64);
    if (sMethod == METHOD_DECLINING && master.lRuleDate >= TRANSITION_FIRST &&
        master.lRuleDate <= TRANSITION_LAST)
        _Text(COL::COL_TRANSITION, "250%定率法");
    if (sMethod == METHOD_EVEN) {
        std::snprintf(szText, sizeof szText, "%d", master.sUsefulLife * 12); // the field keeps four
        _Text(COL::COL_PERIODMONTHS, szText);
    }
}

// Columns 22 to 68 of an ordinary asset.
void ClExportFileSet::_DeprColumns(const StKOTEISHISANINFO& master, const StKOTEINENINFO& year) {
    const std::int16_t sMethod = master.sMethodKind;
    const bool bSmall = sMethod == METHOD_SMALL;
    _Amount(COL::COL_ACQCOST, master.cyAcqCost);
    if (!bSmall)
        _Amount(COL::COL_COMPRESSION, master.cyCompression);
    if (master.lResidualRate != 0 && !IsNewMethod(sMethod))
        _Number(COL::COL_RESIDUALRATE, master.lResidualRate);
    if (!IsNewMethod(sMethod))
        _Amount(COL::COL_RESIDUAL, master.cyResidual);
    _LimitColumns(master);
    if (master.bMonthsEntered == 1) {
        _Text(COL::COL_ENTMONTHS, "*");
        // A zero denominator or a product beyond the field leaves the months empty.
        const long lMonths =
            master.sPeriodDen != 0 ? 12 / master.sPeriodDen * master.sPeriodNum : 0;
        if (master.sPeriodDen != 0 && Fits<std::int16_t>(lMonths))
            _Number(COL::COL_MONTHS, lMonths);
    }
    if (!bSmall)
        _Amount(COL::COL_OPENINGBOOK, master.cyOpeningBook);
    if (sMethod == METHOD_DECLINING || sMethod == METHOD_DECLINING_2012) {
        _Text(COL::COL_ENTREVISEDCOST, "*");
        _Amount(COL::COL_REVISEDCOST, master.cyRevisedCost);
    }
    if (!bSmall)
        _Amount(COL::COL_DEPRBASE, master.cyDeprBase);
    if (year.cyCalcDepr.int64 != 0 && !bSmall) {
        _Text(COL::COL_ENTCALCDEPR, "*");
        _Amount(COL::COL_CALCDEPR, year.cyCalcDepr);
    }
    if (year.cyIncreasedDepr.int64 != 0) {
        _Text(COL::COL_ENTINCREASEDDEPR, "*");
        _Amount(COL::COL_INCREASEDDEPR, year.cyIncreasedDepr);
    }
    if (year.cySpecialDepr.int64 != 0) {
        _Text(COL::COL_SPECIALKIND, "特別");
        _Text(COL::COL_ENTSPECIALDEPR, "*");
        _Amount(COL::COL_SPECIALDEPR, year.cySpecialDepr);
        _Text(COL::COL_SPECIALTREATMENT, "償却");
    }
    if (IsPeriodDeprEntered(master, year)) {
        _Text(COL::COL_ENTPERIODDEPR, "*");
        _PeriodDepr(year);
    }
    if (!bSmall)
        _Number(COL::COL_DEPREXECRATE, 100);
}

// Columns 33 to 35: the depreciable limit as a rate or as an amount.
void ClExportFileSet::_LimitColumns(const StKOTEISHISANINFO& master) {
    if (IsNewMethod(master.sMethodKind))
        return;
    const bool bRate = master.bLimitKind == 0 && master.cyLimit.int64 != 0;
    const bool bAmount = master.bLimitKind == 1 && master.cyLimit.int64 != 0;
    if (bRate) {
        const std::int64_t llRate = master.cyLimit.int64 / ClDecimal::SCALE;
        if (Fits<std::int32_t>(llRate))
            _Number(COL::COL_LIMITRATE, llRate);
        else
            _Message(MSG_AMOUNT_TOO_LONG, {IntegerText(llRate).View()});
    }
    if (master.lTypeCode == TYPE_LIMIT_BY_RESIDUAL) {
        _Text(COL::COL_ENTLIMIT, "*");
        _Amount(COL::COL_LIMIT, master.cyResidual);
    } else if (bAmount) {
        _Text(COL::COL_ENTLIMIT, "*");
        _Amount(COL::COL_LIMIT, master.cyLimit);
    }
}

// Column 66: computed, special and increased depreciation added exactly, integer part; a
// sum beyond the fixed-point range or the field's eleven characters is reported instead.
void ClExportFileSet::_PeriodDepr(const StKOTEINENINFO& year) {
    ClDecimal dSum;
    const BOOL bHeld = ClDecimal::Add(ClDecimal::FromCY(year.cyCalcDepr),
                                      ClDecimal::FromCY(year.cySpecialDepr), dSum) &&
                       ClDecimal::Add(dSum, ClDecimal::FromCY(year.cyIncreasedDepr), dSum);
    const __int128 llExact = static_cast<__int128>(year.cyCalcDepr.int64) +
                             year.cySpecialDepr.int64 + year.cyIncreasedDepr.int64;
    const StINTTEXT text =
        IntegerText(bHeld ? dSum.ToCY().int64 / ClDecimal::SCALE
                          : static_cast<std::int64_t>(llExact / ClDecimal::SCALE));
    if (bHeld && text.lLen < static_cast<std::size_t>(G_INFO[COL::COL_PERIODDEPR].lSize)) {
        _Text(COL::COL_PERIODDEPR, text.View());
        return;
    }
    _Message(MSG_AMOUNT_TOO_LONG, {text.View()});
    _Text(COL::COL_PERIODDEPR, PERIOD_DEPR_OVERFLOW_TEXT);
}

// Columns 69 to 150 of an ordinary asset.
void ClExportFileSet::_AllocColumns(const StKOTEISHISANINFO& master) {
    const std::int16_t sDisposal = master.sDisposalKind;
    const bool bDisposed = sDisposal == DISPOSAL_SALE || sDisposal == DISPOSAL_RETIREMENT;
    const bool bSmall = master.sMethodKind == METHOD_SMALL;
    _RatioColumns(master);
    if (bDisposed)
        _Number(COL::COL_DISPOSALDATE, master.lDisposalDate);
    if (bDisposed && !bSmall) {
        _Text(COL::COL_DISPOSALCALC, "除却日まで償却");
        _Text(COL::COL_DISPOSALKIND, sDisposal == DISPOSAL_SALE ? "売却" : "除却");
    }
    if (sDisposal == DISPOSAL_SALE && !bSmall)
        _Amount(COL::COL_DISPOSALPRICE, master.cyDisposalPrice);
    _Amount(COL::COL_CLOSINGBOOK, master.cyClosingBook);
    if (!bSmall)
        _Amount(COL::COL_ACCUMDEPR, master.cyAccumDepr);
    _Amount(COL::COL_SGA, master.cySga);
    _Amount(COL::COL_MFGCOST, master.cyMfgCost);
    if (const char* szKind = TaxKindText(master.lTypeCode); *szKind)
        _Text(COL::COL_LOCALTAXKIND, szKind);
    if (sDisposal == DISPOSAL_SALE)
        _Text(COL::COL_DECREASEREASON, "売却");
    _MemoColumns(FieldText(master.szMemo));
}

// Business-use share and the split between selling and administrative expense and
// manufacturing cost, numerators over 100; the same for a bulk sub-item.
void ClExportFileSet::_RatioColumns(const StKOTEISHISANINFO& master) {
    ClDecimal dBusiness;
    if (ClDecimal::Divide(ClDecimal::FromCY(tagCY{master.sBusinessRatio * ClDecimal::SCALE}),
                          ClDecimal::FromCY(tagCY{HUNDRED_CY}), dBusiness))
        _Number(COL::COL_BUSINESSNUM, dBusiness.ToCY().int64);
    _Number(COL::COL_BUSINESSDEN, HUNDRED_CY);
    _Number(COL::COL_SGANUM, master.sSgaPercent * ClDecimal::SCALE);
    _Number(COL::COL_SGADEN, HUNDRED_CY);
    _Number(COL::COL_MFGNUM, (100 - master.sSgaPercent) * ClDecimal::SCALE);
    _Number(COL::COL_MFGDEN, HUNDRED_CY);
}

void ClExportFileSet::_MemoColumns(std::string_view svMemo) {
    const std::string_view svUpper = CutHead(svMemo, MEMO_LINE_WIDTH);
    _Text(COL::COL_MEMOUPPER, svUpper);
    _Text(COL::COL_MEMOLOWER, svMemo.size() > MEMO_LINE_WIDTH
                                  ? CutHead(svMemo.substr(svUpper.size()), MEMO_LINE_WIDTH)
                                  : std::string_view());
    if (svMemo.size() > MEMO_WIDTH)
        _Message(MSG_MEMO_TOO_LONG, {svMemo});
}

void ClExportFileSet::_Name(std::string_view svName, const char* szWarning) {
    _Text(COL::COL_ASSETNAME, CutHead(svName, NAME_WIDTH));
    if (svName.size() > NAME_WIDTH)
        _Message(szWarning, {svName});
}

void ClExportFileSet::_Text(long lColumn, std::string_view svText) {
    const StTAFORMAT& fmt = G_INFO[lColumn];
    char* pField = reinterpret_cast<char*>(&m_accInfo.m_stRow) + fmt.lOfs;
    const std::size_t lLen = std::min(svText.size(), static_cast<std::size_t>(fmt.lSize - 1));
    std::copy_n(svText.data(), lLen, pField); // an empty view may have no data at all
    pField[lLen] = '\0';
    m_accInfo.SetMask(lColumn, ClTextAccessor::MASK_NONE);
}

void ClExportFileSet::_Number(long lColumn, std::int64_t llValue) {
    const StTAFORMAT& fmt = G_INFO[lColumn];
    char* pField = reinterpret_cast<char*>(&m_accInfo.m_stRow) + fmt.lOfs;
    const auto sValue = static_cast<std::int16_t>(llValue);
    const auto lValue = static_cast<std::int32_t>(llValue);
    switch (fmt.lSize) {
    case 2:
        std::memcpy(pField, &sValue, sizeof sValue);
        break;
    case 4:
        std::memcpy(pField, &lValue, sizeof lValue);
        break;
    default:
        std::memcpy(pField, &llValue, sizeof llValue);
        break;
    }
    m_accInfo.SetMask(lColumn, ClTextAccessor::MASK_NONE);
}

void ClExportFileSet::_Amount(long lColumn, tagCY cy) {
    _Text(lColumn, FormatAmount(cy).szText);
}

void ClExportFileSet::_Message(const char* szFormat, std::initializer_list<StMSGARG> args) {
    char szMessage[HEADER_TEXT_WIDTH + 1];
    ComposeMessage(szFormat, args, szMessage, sizeof szMessage);
    WriteErrorLine(szMessage);
}
