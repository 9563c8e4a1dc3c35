#include "services/sqlite/AccTables.h"

#include <iterator>

namespace {

#define ACC_TABLE(name, columns, keys, image)                                                      \
    StACCTABLE {                                                                                   \
        name, columns, std::size(columns), keys, sizeof(image)                                     \
    }

using SY = StSYSTEMIMAGE;
const StACCCOLUMN S_SYSTEM[] = {
    AccText("key", offsetof(SY, szKey), sizeof(SY::szKey)),
    AccText("value", offsetof(SY, szValue), sizeof(SY::szValue)),
};

using US = StUSERIMAGE;
const StACCCOLUMN S_USERS[] = {
    AccText("user_id", offsetof(US, szUserID), sizeof(US::szUserID)),
    AccInt("sel_no1", offsetof(US, lSelNo1), 4),
    AccInt("data_no", offsetof(US, lDataNo), 4),
};

using CO = StCOMPANYIMAGE;
constexpr std::size_t CO_INFO = offsetof(CO, info);
const StACCCOLUMN S_COMPANY[] = {
    AccInt("position", offsetof(CO, llPosition), 8),
    AccText("szDataID", CO_INFO + offsetof(StDATAINFO, szDataID), 16),
    AccInt("lDataNo", CO_INFO + offsetof(StDATAINFO, lDataNo), 4),
    AccText("szCompanyName", CO_INFO + offsetof(StDATAINFO, szCompanyName), 260),
    AccInt("lPeriodStart", CO_INFO + offsetof(StDATAINFO, lPeriodStart), 4),
    AccInt("lPeriodEnd", CO_INFO + offsetof(StDATAINFO, lPeriodEnd), 4),
    AccInt("sDataKind", CO_INFO + offsetof(StDATAINFO, sDataKind), 2),
    AccByte("bCorpKind", CO_INFO + offsetof(StDATAINFO, bCorpKind)),
};

using AS = StASSETIMAGE;
using MA = StKOTEISHISANINFO;
constexpr std::size_t AS_MA = offsetof(AS, master);
constexpr std::size_t AS_YE = offsetof(AS, year);
#define MA_INT(f) AccInt(#f, AS_MA + offsetof(MA, f), sizeof(MA::f))
#define MA_TEXT(f) AccText(#f, AS_MA + offsetof(MA, f), sizeof(MA::f))
#define YE_CY(f) AccInt(#f, AS_YE + offsetof(StKOTEINENINFO, f), 8)
const StACCCOLUMN S_ASSETS[] = {
    AccText("szDataID", offsetof(AS, szDataID), sizeof(AS::szDataID)),
    AccInt("position", offsetof(AS, llPosition), 8),
    {"abBulkKey", StACCCOLUMN::KIND_KEY16, AS_MA + offsetof(MA, abBulkKey), 16, 0, 0},
    MA_TEXT(szAssetCode),
    MA_INT(lTypeCode),
    MA_TEXT(szAssetName),
    MA_TEXT(szQuantity),
    MA_TEXT(szMemo),
    MA_INT(sDisposalKind),
    MA_TEXT(szCapex),
    MA_INT(lRuleDate),
    MA_INT(lAcqDate),
    MA_INT(cyAcqCost),
    MA_INT(cyCompression),
    MA_INT(cyOpeningBook),
    MA_INT(sMethodKind),
    MA_INT(sUsefulLife),
    MA_INT(lDeprRate),
    MA_INT(lResidualRate),
    AccByte("bLimitKind", AS_MA + offsetof(MA, bLimitKind)),
    MA_INT(cyLimit),
    MA_INT(sBusinessRatio),
    MA_INT(sSgaPercent),
    MA_INT(sPeriodNum),
    MA_INT(sPeriodDen),
    MA_INT(cyResidual),
    MA_INT(cyDeprBase),
    MA_INT(cySga),
    MA_INT(cyMfgCost),
    MA_INT(cyAccumDepr),
    MA_INT(cyClosingBook),
    MA_INT(lDisposalDate),
    MA_INT(cyDisposalPrice),
    AccByte("bMonthsEntered", AS_MA + offsetof(MA, bMonthsEntered)),
    MA_INT(cyRevisedCost),
    YE_CY(cyCalcDepr),
    YE_CY(cySpecialDepr),
    YE_CY(cyIncreasedDepr),
    YE_CY(cyDeprOverride),
};

using IT = StITEMIMAGE;
constexpr std::size_t IT_ITEM = offsetof(IT, item);
const StACCCOLUMN S_ITEMS[] = {
    AccText("szDataID", offsetof(IT, szDataID), sizeof(IT::szDataID)),
    {"abBulkKey", StACCCOLUMN::KIND_KEY16, offsetof(IT, abBulkKey), 16, 0, 0},
    AccInt("position", offsetof(IT, llPosition), 8),
    AccText("szItemNo", IT_ITEM + offsetof(StIKKATSUINFO, szItemNo), 13),
    AccText("szItemName", IT_ITEM + offsetof(StIKKATSUINFO, szItemName), 83),
    AccInt("lItemAcqDate", IT_ITEM + offsetof(StIKKATSUINFO, lItemAcqDate), 4),
    AccInt("cyItemAcqCost", IT_ITEM + offsetof(StIKKATSUINFO, cyItemAcqCost), 8),
    AccInt("lItemQuantity", IT_ITEM + offsetof(StIKKATSUINFO, lItemQuantity), 4),
};

using TY = StTYPEIMAGE;
constexpr std::size_t TY_TYPE = offsetof(TY, type);
const StACCCOLUMN S_TYPES[] = {
    AccText("szDataID", offsetof(TY, szDataID), sizeof(TY::szDataID)),
    AccInt("position", offsetof(TY, llPosition), 8),
    AccInt("lCode", TY_TYPE + offsetof(StSHISANKUBUNINFO, lCode), 4),
    AccText("szName", TY_TYPE + offsetof(StSHISANKUBUNINFO, szName), 82),
    AccInt("sMethod", TY_TYPE + offsetof(StSHISANKUBUNINFO, sMethod), 2),
    AccInt("lResidualRatio", TY_TYPE + offsetof(StSHISANKUBUNINFO, lResidualRatio), 4),
};

using OR = StORDERIMAGE;
constexpr std::size_t OR_ORDER = offsetof(OR, order);
const StACCCOLUMN S_ORDERS[] = {
    AccText("szDataID", offsetof(OR, szDataID), sizeof(OR::szDataID)),
    AccText("szName", OR_ORDER + offsetof(StTEXTIOSAVEINFO, szName), 10),
    // An order holds at most as many entries as cOrder has room for.
    {"sCount", StACCCOLUMN::KIND_INT, OR_ORDER + offsetof(StTEXTIOSAVEINFO, sCount), 2, 0,
     sizeof(StTEXTIOSAVEINFO::cOrder)},
    {"cOrder", StACCCOLUMN::KIND_BYTES, OR_ORDER + offsetof(StTEXTIOSAVEINFO, cOrder),
     sizeof(StTEXTIOSAVEINFO::cOrder), 0, 0},
};

} // namespace

const StACCTABLE G_ACCSYSTEM = ACC_TABLE("system", S_SYSTEM, 1, SY);
const StACCTABLE G_ACCUSERS = ACC_TABLE("users", S_USERS, 1, US);
const StACCTABLE G_ACCCOMPANY = ACC_TABLE("company_data", S_COMPANY, 1, CO);
const StACCTABLE G_ACCASSETS = ACC_TABLE("assets", S_ASSETS, 2, AS);
const StACCTABLE G_ACCITEMS = ACC_TABLE("bulk_items", S_ITEMS, 3, IT);
const StACCTABLE G_ACCTYPES = ACC_TABLE("asset_types", S_TYPES, 2, TY);
const StACCTABLE G_ACCORDERS = ACC_TABLE("text_orders", S_ORDERS, 2, OR);

const StACCTABLE* const G_ACCTABLES[7] = {&G_ACCSYSTEM, &G_ACCUSERS, &G_ACCCOMPANY, &G_ACCASSETS,
                                          &G_ACCITEMS,  &G_ACCTYPES, &G_ACCORDERS};
