// One data row of the asset data file as the G_INFO accessor reads it: 151 fields at the
// offsets of the G_INFO table, packed without alignment, 1364 bytes.
#pragma once

#include "platform/WinTypes.h"
#include "textio/textaccessor.h"

#include <cstddef>
#include <cstdint>

inline constexpr long INFO_COLUMN_COUNT = 151;

// Text fields hold NUL-terminated Shift_JIS text; integer fields their width; tagCY fields
// the value times 10000. Field 31 shares its second byte with field 32, as the table has
// it, so only its first byte is its own; byte 316 belongs to no column.
#pragma pack(push, 1)
struct StASSETROW {
    // Numbers of the columns the conversion fills; every other column stays empty.
    enum _Column : long {
        COL_ASSETCODE = 0,
        COL_TYPECODE = 2,
        COL_METHOD = 4,
        COL_CAPEX = 5,
        COL_ASSETNAME = 9,
        COL_ACQDATE = 12,
        COL_QUANTITY = 13,
        COL_UNIT = 14,
        COL_USEFULLIFE = 15,
        COL_DEPRRATE = 19,
        COL_TRANSITION = 20,
        COL_PERIODMONTHS = 21,
        COL_ACQCOST = 22,
        COL_COMPRESSION = 24,
        COL_RESIDUALRATE = 28,
        COL_RESIDUAL = 30,
        COL_LIMITRATE = 33,
        COL_ENTLIMIT = 34,
        COL_LIMIT = 35,
        COL_ENTMONTHS = 38,
        COL_MONTHS = 39,
        COL_OPENINGBOOK = 41,
        COL_ENTREVISEDCOST = 46,
        COL_REVISEDCOST = 47,
        COL_DEPRBASE = 50,
        COL_ENTCALCDEPR = 51,
        COL_CALCDEPR = 52,
        COL_ENTINCREASEDDEPR = 55,
        COL_INCREASEDDEPR = 56,
        COL_SPECIALKIND = 57,
        COL_ENTSPECIALDEPR = 61,
        COL_SPECIALDEPR = 62,
        COL_SPECIALTREATMENT = 63,
        COL_ENTPERIODDEPR = 65,
        COL_PERIODDEPR = 66,
        COL_DEPREXECRATE = 68,
        COL_BUSINESSNUM = 69,
        COL_BUSINESSDEN = 70,
        COL_DISPOSALDATE = 71,
        COL_DISPOSALCALC = 72,
        COL_DISPOSALKIND = 73,
        COL_DISPOSALPRICE = 74,
        COL_CLOSINGBOOK = 80,
        COL_ACCUMDEPR = 82,
        COL_SGANUM = 83,
        COL_SGADEN = 84,
        COL_SGA = 85,
        COL_MFGNUM = 86,
        COL_MFGDEN = 87,
        COL_MFGCOST = 88,
        COL_LOCALTAXKIND = 92,
        COL_DECREASEREASON = 115,
        COL_MEMOUPPER = 149,
        COL_MEMOLOWER = 150,
    };

    char szAssetCode[9];        // 0 資産コード文字
    char szSplitCode[3];        // 1 分割コード
    char szTypeCode[3];         // 2 資産種類コード
    char szTypeName[21];        // 3 資産種類名
    char szMethod[11];          // 4 償却方法
    char szCapex[17];           // 5 資本的支出区分
    std::int32_t lBranchCode;   // 6 本支店コード
    std::int32_t lDeptCode;     // 7 部門コード
    std::int32_t lRegionCode;   // 8 申告先地域コード
    char szAssetName[33];       // 9 資産名称
    char szStructure[17];       // 10 構造名
    char szDetail[17];          // 11 細目名
    std::int32_t lAcqDate;      // 12 取得日年月日
    tagCY cyQuantity;           // 13 数量
    char szUnit[5];             // 14 単位
    std::int16_t sUsefulLife;   // 15 耐用年数
    char szLifeShortened[19];   // 16 耐用年数短縮
    char szLifeShortenedLow[2]; // 17 耐用年数短縮(保証額未満)
    std::int16_t sLocalLife;    // 18 地方税耐用年数
    tagCY cyDeprRate;           // 19 償却率
    char szTransition[11];      // 20 経過措置
    char szPeriodMonths[5];     // 21 償却期間の月数
    char szAcqCost[13];         // 22 取得価額
    char szAccounting[9];       // 23 経理方式
    char szCompression[13];     // 24 圧縮記帳額
    char szOpeningReserve[13];  // 25 期首圧縮引当金残高
    char szReserveReversal[13]; // 26 引当金期中取崩額
    char szNetAcqCost[13];      // 27 差引取得価額
    std::int32_t lResidualRate; // 28 残存価額率
    char szEntResidual[2];      // 29 入力残存価額
    char szResidual[13];        // 30 残存価額
    char szEntResidualCmp[1];   // 31 入力残存価額(圧縮記帳の場合)
    char szResidualCmp[13];     // 32 残存価額(圧縮記帳の場合)
    BYTE byUnused316;
    std::int32_t lLimitRate;       // 33 償却可能限度額率
    char szEntLimit[2];            // 34 入力償却可能限度額
    char szLimit[13];              // 35 償却可能限度額
    char szEntLimitCmp[2];         // 36 入力償却可能限度額(圧縮記帳の場合)
    char szLimitCmp[13];           // 37 償却可能限度額(圧縮記帳の場合)
    char szEntMonths[2];           // 38 入力償却月数
    std::int16_t sMonths;          // 39 償却月数
    char szEntOpeningBook[2];      // 40 期首帳簿価額(入力)
    char szOpeningBook[13];        // 41 期首帳簿価額
    char szChangedBook[13];        // 42 変更期首帳簿価額
    char szChangedBookCmp[13];     // 43 変更期首帳簿価額(圧縮記帳の場合)
    char szEntResidualBook[2];     // 44 残存簿価(入力)
    char szResidualBook[13];       // 45 残存簿価
    char szEntRevisedCost[2];      // 46 改定取得価額(入力)
    char szRevisedCost[13];        // 47 改定取得価額
    char szEntRevisedCostCmp[2];   // 48 入力改定取得価額(圧縮記帳の場合)
    char szRevisedCostCmp[13];     // 49 改定取得価額(圧縮記帳の場合)
    char szDeprBase[13];           // 50 償却基礎金額
    char szEntCalcDepr[2];         // 51 入力算出償却額
    char szCalcDepr[13];           // 52 算出償却額
    char szOpeningDeprDiff[13];    // 53 期首償却過不足額
    std::int16_t sIncreasedRatio;  // 54 増加償却割合
    char szEntIncreasedDepr[2];    // 55 入力増加償却額
    char szIncreasedDepr[13];      // 56 増加償却額
    char szSpecialKind[5];         // 57 特別償却区分
    char szArticle[11];            // 58 摘要条
    char szParagraph[11];          // 59 摘要項
    std::int32_t lSpecialRate;     // 60 特別償却率
    char szEntSpecialDepr[2];      // 61 入力特別償却金額
    char szSpecialDepr[13];        // 62 特別償却金額
    char szSpecialTreatment[7];    // 63 経理処理区分
    char szDeprLimit[13];          // 64 当期償却限度額
    char szEntPeriodDepr[2];       // 65 入力当期償却額
    char szPeriodDepr[12];         // 66 当期償却額
    char szDeprDiff[13];           // 67 償却過不足額
    std::int32_t lDeprExecRate;    // 68 償却実施率
    tagCY cyBusinessNum;           // 69 分子事業専用割合
    tagCY cyBusinessDen;           // 70 分母事業専用割合
    std::int32_t lDisposalDate;    // 71 除却年月日
    char szDisposalCalc[15];       // 72 除却計算方法
    char szDisposalKind[7];        // 73 除却区分
    char szDisposalPrice[13];      // 74 除売却価額
    std::int32_t lAsIsDate;        // 75 有姿除却年月日
    char szAsIsCalc[15];           // 76 有姿除却時の計算方法
    char szExpectedPrice[13];      // 77 処分見込価額
    std::int32_t lRealizedDate;    // 78 処分年月日
    char szPrevDisposalKind[2];    // 79 前期除却区分
    char szClosingBook[13];        // 80 期末帳簿価額
    char szClosingReserve[13];     // 81 期末引当
    char szAccumDepr[13];          // 82 償却累計額
    tagCY cySgaNum;                // 83 分子販売管理費
    tagCY cySgaDen;                // 84 分母販売管理費
    char szSga[13];                // 85 販売管理費
    tagCY cyMfgNum;                // 86 分子製造原価
    tagCY cyMfgDen;                // 87 分母製造原価
    char szMfgCost[13];            // 88 製造原価
    tagCY cyNonOpNum;              // 89 分子営業外費用
    tagCY cyNonOpDen;              // 90 分母営業外費用
    char szNonOpCost[13];          // 91 営業外費用
    char szLocalTaxKind[17];       // 92 償却資産種類
    char szRegionMove[2];          // 93 地域移動
    char szRegionCode[9];          // 94 地域コード
    char szEntTaxAssetCode[2];     // 95 償却資産用資産コード入力区分
    char szTaxAssetCode[21];       // 96 償却資産用資産コード
    char szEntTaxAcqCost[2];       // 97 償却資産用取得価額 入力フラグ
    char szTaxAcqCost[13];         // 98 償却資産用取得価額 手入力
    char szSummaryAll1[21];        // 99 摘要全資産1
    char szSummaryAll2[21];        // 100 摘要全資産2
    char szSummaryDec1[21];        // 101 摘要減少1
    char szSummaryDec2[21];        // 102 摘要減少2
    char szEntPrevBook[2];         // 103 入力前帳簿価額
    char szPrevBook[13];           // 104 前帳簿価額
    char szEntPrevAssessed[2];     // 105 入力前評価額
    char szPrevAssessed[13];       // 106 前評価額
    char szEntCurBook[2];          // 107 入力今帳簿価額
    char szCurBook[13];            // 108 今帳簿価額
    char szEntCurAssessed[2];      // 109 入力今評価額
    char szCurAssessed[13];        // 110 今評価額
    std::int16_t sSpecialTaxNum;   // 111 分子特例課税
    std::int16_t sSpecialTaxDen;   // 112 分母特例課税
    std::int16_t sSpecialTaxEnd;   // 113 適用終了年度
    char szIncreaseReason[7];      // 114 増加事由
    char szDecreaseReason[7];      // 115 減少事由
    char szDecreaseKind[5];        // 116 減少区分
    char szImpCur[2];              // 117 当期減損処理設定
    std::int32_t lImpCurDate;      // 118 減損年月日(当期)
    char szImpCurBooking[17];      // 119 減損損失計上(当期)
    char szEntImpCurBookBefore[2]; // 120 減損前帳簿価額(当期)(入力)
    char szImpCurBookBefore[13];   // 121 減損前帳簿価額(当期)
    char szImpCurLoss[13];         // 122 減損損失額(当期)
    char szImpCurBookAfter[13];    // 123 減損後帳簿価額(当期)
    char szEntImpCurLife[2];       // 124 減損後耐用年数(当期)(入力)
    char szImpCurLife[13];         // 125 減損後耐用年数(当期)
    char szEntImpCurRate[2];       // 126 減損後償却率(当期)(入力)
    tagCY cyImpCurRate;            // 127 減損後償却率(当期)
    char szEntImpCurResidual[2];   // 128 減損後残存価額(当期)(入力)
    char szImpCurResidual[13];     // 129 減損後残存価額(当期)
    char szImpCurAccumLoss[13];    // 130 減損損失累計額(当期)
    char szImpPast[2];             // 131 過年度減損処理設定
    std::int32_t lImpPastDate;     // 132 最終減損年月日(過年度)
    char szImpPastBooking[17];     // 133 減損損失計上(過年度)
    char szImpPastBookAfter[13];   // 134 減損後帳簿価額(過年度)
    char szImpPastAccumLoss[13];   // 135 減損損失累計額(過年度)
    std::int32_t lImpPastLife;     // 136 減損後耐用年数(過年度)
    char szEntImpPastRate[2];      // 137 減損後償却率(過年度)(入力)
    tagCY cyImpPastRate;           // 138 減損後償却率(過年度)
    char szEntImpPastResidual[2];  // 139 減損後残存価額(過年度)(入力)
    char szImpPastResidual[13];    // 140 減損後残存価額(過年度)
    char szImpPastRevisedCost[13]; // 141 減損後改定取得価額(過年度)
    char szEntImpPastBase[2];      // 142 計算の基礎となる額(過年度)(入力)
    char szImpPastBase[13];        // 143 計算の基礎となる額(過年度)
    std::int32_t lAssetGroup;      // 144 資産グループコード
    char szImpTransition[11];      // 145 経過措置(減損用)
    char szImpLifeShortened[19];   // 146 耐用年数短縮(減損用)
    char szCalcBook[13];           // 147 計算用の帳簿価額
    std::int16_t sCalcLife;        // 148 計算用の耐用年数
    char szMemoUpper[21];          // 149 メモ上
    char szMemoLower[21];          // 150 メモ下
};
#pragma pack(pop)

static_assert(sizeof(StASSETROW) == 1364);
static_assert(offsetof(StASSETROW, szResidualCmp) == 303);
static_assert(offsetof(StASSETROW, lLimitRate) == 317);
static_assert(offsetof(StASSETROW, szPeriodDepr) == 567 && sizeof(StASSETROW::szPeriodDepr) == 12);
static_assert(offsetof(StASSETROW, szDeprDiff) == 579);
static_assert(offsetof(StASSETROW, szMemoLower) == 1343);

// The column table of the data rows; InfoTable.cpp checks every offset against the struct.
extern const StTAFORMAT G_INFO[INFO_COLUMN_COUNT];
