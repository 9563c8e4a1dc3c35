// The asset type file syurui.SSC: an INI-like header, then one row per asset type with
// the defaults the depreciation application takes for it.
#include "export/AssetType.h"
#include "export/ExportFileSet.h"
#include "export/ValueCheck.h"
#include "platform/Process.h"
#include "services/RuleGenkashokyaku.h"

#include <cstdio>
#include <cstring>
#include <string_view>

// Columns: name, width, decimals, offset, size, type (0 text, 1 signed), required.
constexpr StTAFORMAT G_SSC[SSC_COLUMN_COUNT] = {
    {"資産種類コード文字", 2, 0, 0, 3, 0, 0},
    {"資産種類名", 12, 0, 3, 13, 0, 0},
    {"資産分類区分", 12, 0, 16, 13, 0, 0},
    {"償却区分", 10, 0, 29, 11, 0, 0},
    {"償却方法", 10, 0, 40, 11, 0, 0},
    {"除却方法", 14, 0, 51, 15, 0, 0},
    {"残存割合", 2, 0, 66, 4, 1, 1},
    {"償却可能限度割合", 2, 0, 70, 4, 1, 1},
    {"償却資産申告の種類名称", 16, 0, 74, 17, 0, 0},
    {"経費按分割合1分子", 6, 2, 91, 8, 1, 1},
    {"経費按分割合1分母", 6, 2, 99, 8, 1, 1},
    {"経費按分割合2分子", 6, 2, 107, 8, 1, 1},
    {"経費按分割合2分母", 6, 2, 115, 8, 1, 1},
    {"経費按分割合3分子", 6, 2, 123, 8, 1, 1},
    {"経費按分割合3分母", 6, 2, 131, 8, 1, 1},
    {"生物区分", 10, 0, 139, 11, 0, 0},
};

namespace {

constexpr long TYPE_DEFERRED = 9;   // deferred assets: evenly written off
constexpr long TYPE_LIMIT_TEN = 10; // a limit ratio of 10 instead of 5
constexpr long TYPE_NONDEPR = 11;   // not depreciated: no method, no allocation
constexpr int NAME_WIDTH = 12;
constexpr std::int64_t CY_HUNDRED = 100 * 10000;

const char* const RULE_LINE = ";/////////////////////////////////////////////////////////////"
                              "////////////////////////////////";

// Method text by method code 1 to 4; index 0 stands for every other code.
constexpr const char* METHOD_OTHER[] = {"定率法", "定率法", "定額法", "定率法", "一括決算"};
constexpr const char* METHOD_DEFERRED[] = {"定率法", "均等償却", "均等償却", "均等償却",
                                           "一括決算"};

const char* _MethodText(long lCode, short sMethod) {
    int nIndex = sMethod >= 1 && sMethod <= 4 ? sMethod : 0;
    return (lCode == TYPE_DEFERRED ? METHOD_DEFERRED : METHOD_OTHER)[nIndex];
}

template <std::size_t N>
void _SetText(char (&szField)[N], const char* szText) {
    std::snprintf(szField, N, "%s", szText);
}

} // namespace

ClSscAccessor::ClSscAccessor() : ClTextAccessor("G_SSC", G_SSC, SSC_COLUMN_COUNT, &m_stRow) {}
ClSscAccessor::~ClSscAccessor() = default;

long ClExportFileSet::WriteAssetTypeHeader(const StDATAINFO* pInfo) {
    static const char* const aszClient[] = {"", ";顧問先\t\t：[0004 法人関与先]",
                                            ";顧問先\t\t：[0004 個人関与先]"};
    static const char* const aszKubun[] = {"", "HoujinKojinKubun=1", "HoujinKojinKubun=2"};
    int nKind = _CorpKind(pInfo);
    StSYSTEMTIME stNow{};
    GetLocalTime(&stNow);

    _HeaderLine(OUT_ASSETTYPE, "%s", RULE_LINE);
    _HeaderLine(OUT_ASSETTYPE, ";減価償却 資産種類ファイル");
    _HeaderLine(OUT_ASSETTYPE, "%s", aszClient[nKind]);
    _HeaderLine(OUT_ASSETTYPE, ";日付\t\t：%d/%d/%d", stNow.wYear, stNow.wMonth, stNow.wDay);
    _HeaderLine(OUT_ASSETTYPE, ";備考\t\t：");
    _HeaderLine(OUT_ASSETTYPE, ";");
    _HeaderLine(OUT_ASSETTYPE, "%s", RULE_LINE);
    _HeaderLine(OUT_ASSETTYPE, "%s", "");
    _HeaderLine(OUT_ASSETTYPE, "[Commonlnf]");
    _HeaderLine(OUT_ASSETTYPE, "SisanSyuruiCDKetasuu=2");
    _HeaderLine(OUT_ASSETTYPE, "%s", aszKubun[nKind]);
    _HeaderLine(OUT_ASSETTYPE, "Version=19. 0. 2. 0(FILEVERSION=1.1)");
    _HeaderLine(OUT_ASSETTYPE, "%s", "");
    _HeaderLine(OUT_ASSETTYPE, "[Datalnf]");
    _HeaderLine(OUT_ASSETTYPE, "SisanSyurui=1");
    _HeaderLine(OUT_ASSETTYPE, "%s", "");
    _HeaderLine(OUT_ASSETTYPE, "[SisanSyurui]");
    return 1;
}

long ClExportFileSet::WriteAssetTypeRow(const StSHISANKUBUNINFO* pType) {
    m_fileAssetType.Attach(&m_accSsc);
    m_accSsc.SetMode(ClTextAccessor::DELIM_COMMA, ClTextAccessor::QUOTE_NONE);
    StASSETTYPEROW& row = m_accSsc.m_stRow;
    std::memset(&row, 0, sizeof row);

    const long lCode = pType->lCode;
    const bool bNonDepr = lCode == TYPE_NONDEPR;
    const bool bNoResidual = lCode == TYPE_DEFERRED || bNonDepr;
    char szCode[16];
    std::snprintf(szCode, sizeof szCode, "%02ld", lCode);
    std::memcpy(row.szTypeCode, szCode, strnlen(szCode, sizeof row.szTypeCode - 1));
    const std::string_view svName = CutHead(FieldText(pType->szName), NAME_WIDTH);
    std::memcpy(row.szTypeName, svName.data(), svName.size());
    _SetText(row.szAssetClass, lCode == TYPE_DEFERRED ? "繰延資産" : "有形固定資産");
    _SetText(row.szDeprClass, bNonDepr ? "非償却資産" : "償却資産");
    _SetText(row.szMethod, bNonDepr ? "" : _MethodText(lCode, pType->sMethod));
    _SetText(row.szDisposal, bNonDepr ? "" : "除却日まで償却");
    row.lResidual = bNoResidual ? 0 : (pType->lResidualRatio != 0 ? pType->lResidualRatio : 10);
    row.lLimit = lCode == TYPE_LIMIT_TEN ? 10 : (bNoResidual ? 0 : 5);
    _SetText(row.szTaxKind, TaxKindText(lCode));
    const std::int64_t cyHundred = bNonDepr ? 0 : CY_HUNDRED;
    row.cyAlloc1Num.int64 = 0;
    row.cyAlloc1Den.int64 = cyHundred;
    row.cyAlloc2Num.int64 = cyHundred;
    row.cyAlloc2Den.int64 = cyHundred;
    row.cyAlloc3Num.int64 = 0;
    row.cyAlloc3Den.int64 = cyHundred;
    _SetText(row.szBioClass, "該当しない");
    _Track(OUT_ASSETTYPE, m_accSsc.Write());
    return 1;
}
