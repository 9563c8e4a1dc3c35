// The G_INFO column table: order, width, decimals and place of the 151 fields of a data
// row of the asset data file.
#include "export/AssetRow.h"

// Columns: name, width, decimals, offset, size, type (0 text, 1 signed), required.
constexpr StTAFORMAT G_INFO[INFO_COLUMN_COUNT] = {
    {"資産コード文字", 8, 0, 0, 9, 0, 1},
    {"分割コード", 2, 0, 9, 3, 0, 1},
    {"資産種類コード", 2, 0, 12, 3, 0, 1},
    {"資産種類名", 20, 0, 15, 21, 0, 1},
    {"償却方法", 10, 0, 36, 11, 0, 1},
    {"資本的支出区分", 16, 0, 47, 17, 0, 1},
    {"本支店コード", 8, 0, 64, 4, 1, 1},
    {"部門コード", 5, 0, 68, 4, 1, 1},
    {"申告先地域コード", 5, 0, 72, 4, 1, 1},
    {"資産名称", 32, 0, 76, 33, 0, 1},
    {"構造名", 16, 0, 109, 17, 0, 1},
    {"細目名", 16, 0, 126, 17, 0, 1},
    {"取得日年月日", 8, 0, 143, 4, 1, 1},
    {"数量", 6, 2, 147, 8, 1, 1},
    {"単位", 4, 0, 155, 5, 0, 1},
    {"耐用年数", 3, 0, 160, 2, 1, 1},
    {"耐用年数短縮", 18, 0, 162, 19, 0, 0},
    {"耐用年数短縮(保証額未満)", 1, 0, 181, 2, 0, 0},
    {"地方税耐用年数", 3, 0, 183, 2, 1, 1},
    {"償却率", 1, 3, 185, 8, 1, 1},
    {"経過措置", 10, 0, 193, 11, 0, 0},
    {"償却期間の月数", 4, 0, 204, 5, 0, 1},
    {"取得価額", 12, 0, 209, 13, 0, 1},
    {"経理方式", 8, 0, 222, 9, 0, 1},
    {"圧縮記帳額", 12, 0, 231, 13, 0, 1},
    {"期首圧縮引当金残高", 12, 0, 244, 13, 0, 1},
    {"引当金期中取崩額", 12, 0, 257, 13, 0, 1},
    {"差引取得価額", 12, 0, 270, 13, 0, 1},
    {"残存価額率", 3, 0, 283, 4, 1, 1},
    {"入力残存価額", 1, 0, 287, 2, 0, 1},
    {"残存価額", 12, 0, 289, 13, 0, 1},
    {"入力残存価額(圧縮記帳の場合)", 1, 0, 302, 2, 0, 0},
    {"残存価額(圧縮記帳の場合)", 12, 0, 303, 13, 0, 0},
    {"償却可能限度額率", 3, 0, 317, 4, 1, 1},
    {"入力償却可能限度額", 1, 0, 321, 2, 0, 1},
    {"償却可能限度額", 12, 0, 323, 13, 0, 1},
    {"入力償却可能限度額(圧縮記帳の場合)", 1, 0, 336, 2, 0, 0},
    {"償却可能限度額(圧縮記帳の場合)", 12, 0, 338, 13, 0, 0},
    {"入力償却月数", 1, 0, 351, 2, 0, 1},
    {"償却月数", 2, 0, 353, 2, 1, 1},
    {"期首帳簿価額(入力)", 1, 0, 355, 2, 0, 0},
    {"期首帳簿価額", 12, 0, 357, 13, 0, 1},
    {"変更期首帳簿価額", 12, 0, 370, 13, 0, 1},
    {"変更期首帳簿価額(圧縮記帳の場合)", 12, 0, 383, 13, 0, 0},
    {"残存簿価(入力)", 1, 0, 396, 2, 0, 0},
    {"残存簿価", 12, 0, 398, 13, 0, 0},
    {"改定取得価額(入力)", 1, 0, 411, 2, 0, 0},
    {"改定取得価額", 12, 0, 413, 13, 0, 0},
    {"入力改定取得価額(圧縮記帳の場合)", 1, 0, 426, 2, 0, 0},
    {"改定取得価額(圧縮記帳の場合)", 12, 0, 428, 13, 0, 0},
    {"償却基礎金額", 12, 0, 441, 13, 0, 1},
    {"入力算出償却額", 1, 0, 454, 2, 0, 1},
    {"算出償却額", 12, 0, 456, 13, 0, 1},
    {"期首償却過不足額", 12, 0, 469, 13, 0, 1},
    {"増加償却割合", 3, 0, 482, 2, 1, 1},
    {"入力増加償却額", 1, 0, 484, 2, 0, 1},
    {"増加償却額", 12, 0, 486, 13, 0, 1},
    {"特別償却区分", 4, 0, 499, 5, 0, 1},
    {"摘要条", 10, 0, 504, 11, 0, 1},
    {"摘要項", 10, 0, 515, 11, 0, 1},
    {"特別償却率", 3, 0, 526, 4, 1, 1},
    {"入力特別償却金額", 1, 0, 530, 2, 0, 1},
    {"特別償却金額", 12, 0, 532, 13, 0, 1},
    {"経理処理区分", 6, 0, 545, 7, 0, 1},
    {"当期償却限度額", 12, 0, 552, 13, 0, 1},
    {"入力当期償却額", 1, 0, 565, 2, 0, 1},
    {"当期償却額", 12, 0, 567, 12, 0, 1},
    {"償却過不足額", 12, 0, 579, 13, 0, 1},
    {"償却実施率", 3, 0, 592, 4, 1, 1},
    {"分子事業専用割合", 3, 2, 596, 8, 1, 1},
    {"分母事業専用割合", 3, 2, 604, 8, 1, 1},
    {"除却年月日", 8, 0, 612, 4, 1, 1},
    {"除却計算方法", 14, 0, 616, 15, 0, 1},
    {"除却区分", 6, 0, 631, 7, 0, 0},
    {"除売却価額", 12, 0, 638, 13, 0, 0},
    {"有姿除却年月日", 8, 0, 651, 4, 1, 1},
    {"有姿除却時の計算方法", 14, 0, 655, 15, 0, 0},
    {"処分見込価額", 12, 0, 670, 13, 0, 1},
    {"処分年月日", 8, 0, 683, 4, 1, 1},
    {"前期除却区分", 1, 0, 687, 2, 0, 1},
    {"期末帳簿価額", 12, 0, 689, 13, 0, 1},
    {"期末引当", 12, 0, 702, 13, 0, 1},
    {"償却累計額", 12, 0, 715, 13, 0, 1},
    {"分子販売管理費", 3, 2, 728, 8, 1, 1},
    {"分母販売管理費", 3, 2, 736, 8, 1, 1},
    {"販売管理費", 12, 0, 744, 13, 0, 1},
    {"分子製造原価", 3, 2, 757, 8, 1, 1},
    {"分母製造原価", 3, 2, 765, 8, 1, 1},
    {"製造原価", 12, 0, 773, 13, 0, 1},
    {"分子営業外費用", 3, 2, 786, 8, 1, 1},
    {"分母営業外費用", 3, 2, 794, 8, 1, 1},
    {"営業外費用", 12, 0, 802, 13, 0, 1},
    {"償却資産種類", 16, 0, 815, 17, 0, 1},
    {"地域移動", 1, 0, 832, 2, 0, 1},
    {"地域コード", 8, 0, 834, 9, 0, 1},
    {"償却資産用資産コード入力区分", 1, 0, 843, 2, 0, 0},
    {"償却資産用資産コード", 20, 0, 845, 21, 0, 0},
    {"償却資産用取得価額 入力フラグ", 1, 0, 866, 2, 0, 0},
    {"償却資産用取得価額 手入力", 12, 0, 868, 13, 0, 0},
    {"摘要全資産1", 20, 0, 881, 21, 0, 1},
    {"摘要全資産2", 20, 0, 902, 21, 0, 1},
    {"摘要減少1", 20, 0, 923, 21, 0, 1},
    {"摘要減少2", 20, 0, 944, 21, 0, 1},
    {"入力前帳簿価額", 1, 0, 965, 2, 0, 1},
    {"前帳簿価額", 12, 0, 967, 13, 0, 1},
    {"入力前評価額", 1, 0, 980, 2, 0, 1},
    {"前評価額", 12, 0, 982, 13, 0, 1},
    {"入力今帳簿価額", 1, 0, 995, 2, 0, 1},
    {"今帳簿価額", 12, 0, 997, 13, 0, 1},
    {"入力今評価額", 1, 0, 1010, 2, 0, 1},
    {"今評価額", 12, 0, 1012, 13, 0, 1},
    {"分子特例課税", 1, 0, 1025, 2, 1, 1},
    {"分母特例課税", 2, 0, 1027, 2, 1, 1},
    {"適用終了年度", 2, 0, 1029, 2, 1, 1},
    {"増加事由", 6, 0, 1031, 7, 0, 1},
    {"減少事由", 6, 0, 1038, 7, 0, 1},
    {"減少区分", 4, 0, 1045, 5, 0, 1},
    {"当期減損処理設定", 1, 0, 1050, 2, 0, 0},
    {"減損年月日(当期)", 8, 0, 1052, 4, 1, 0},
    {"減損損失計上(当期)", 16, 0, 1056, 17, 0, 0},
    {"減損前帳簿価額(当期)(入力)", 1, 0, 1073, 2, 0, 0},
    {"減損前帳簿価額(当期)", 12, 0, 1075, 13, 0, 0},
    {"減損損失額(当期)", 12, 0, 1088, 13, 0, 0},
    {"減損後帳簿価額(当期)", 12, 0, 1101, 13, 0, 0},
    {"減損後耐用年数(当期)(入力)", 1, 0, 1114, 2, 0, 0},
    {"減損後耐用年数(当期)", 12, 0, 1116, 13, 0, 0},
    {"減損後償却率(当期)(入力)", 1, 0, 1129, 2, 0, 0},
    {"減損後償却率(当期)", 1, 3, 1131, 8, 1, 0},
    {"減損後残存価額(当期)(入力)", 1, 0, 1139, 2, 0, 0},
    {"減損後残存価額(当期)", 12, 0, 1141, 13, 0, 0},
    {"減損損失累計額(当期)", 12, 0, 1154, 13, 0, 0},
    {"過年度減損処理設定", 1, 0, 1167, 2, 0, 0},
    {"最終減損年月日(過年度)", 8, 0, 1169, 4, 1, 0},
    {"減損損失計上(過年度)", 16, 0, 1173, 17, 0, 0},
    {"減損後帳簿価額(過年度)", 12, 0, 1190, 13, 0, 0},
    {"減損損失累計額(過年度)", 12, 0, 1203, 13, 0, 0},
    {"減損後耐用年数(過年度)", 4, 0, 1216, 4, 1, 0},
    {"減損後償却率(過年度)(入力)", 1, 0, 1220, 2, 0, 0},
    {"減損後償却率(過年度)", 1, 3, 1222, 8, 1, 0},
    {"減損後残存価額(過年度)(入力)", 1, 0, 1230, 2, 0, 0},
    {"減損後残存価額(過年度)", 12, 0, 1232, 13, 0, 0},
    {"減損後改定取得価額(過年度)", 12, 0, 1245, 13, 0, 0},
    {"計算の基礎となる額(過年度)(入力)", 1, 0, 1258, 2, 0, 0},
    {"計算の基礎となる額(過年度)", 12, 0, 1260, 13, 0, 0},
    {"資産グループコード", 5, 0, 1273, 4, 1, 0},
    {"経過措置(減損用)", 10, 0, 1277, 11, 0, 0},
    {"耐用年数短縮(減損用)", 18, 0, 1288, 19, 0, 0},
    {"計算用の帳簿価額", 12, 0, 1307, 13, 0, 0},
    {"計算用の耐用年数", 3, 0, 1320, 2, 1, 0},
    {"メモ上", 20, 0, 1322, 21, 0, 1},
    {"メモ下", 20, 0, 1343, 21, 0, 1},
};

// Every column of the table lies exactly on its field of StASSETROW, and the column
// numbers the conversion uses name the right fields. Field 31 is the one whose table size
// overlaps the next field.
#define GK_INFO_FIELD(col, field)                                                                  \
    static_assert(G_INFO[col].lOfs == offsetof(StASSETROW, field) &&                               \
                  (col == 31 || G_INFO[col].lSize == sizeof(StASSETROW::field)))
GK_INFO_FIELD(StASSETROW::COL_ASSETCODE, szAssetCode);
GK_INFO_FIELD(1, szSplitCode);
GK_INFO_FIELD(StASSETROW::COL_TYPECODE, szTypeCode);
GK_INFO_FIELD(3, szTypeName);
GK_INFO_FIELD(StASSETROW::COL_METHOD, szMethod);
GK_INFO_FIELD(StASSETROW::COL_CAPEX, szCapex);
GK_INFO_FIELD(6, lBranchCode);
GK_INFO_FIELD(7, lDeptCode);
GK_INFO_FIELD(8, lRegionCode);
GK_INFO_FIELD(StASSETROW::COL_ASSETNAME, szAssetName);
GK_INFO_FIELD(10, szStructure);
GK_INFO_FIELD(11, szDetail);
GK_INFO_FIELD(StASSETROW::COL_ACQDATE, lAcqDate);
GK_INFO_FIELD(StASSETROW::COL_QUANTITY, cyQuantity);
GK_INFO_FIELD(StASSETROW::COL_UNIT, szUnit);
GK_INFO_FIELD(StASSETROW::COL_USEFULLIFE, sUsefulLife);
GK_INFO_FIELD(16, szLifeShortened);
GK_INFO_FIELD(17, szLifeShortenedLow);
GK_INFO_FIELD(18, sLocalLife);
GK_INFO_FIELD(StASSETROW::COL_DEPRRATE, cyDeprRate);
GK_INFO_FIELD(StASSETROW::COL_TRANSITION, szTransition);
GK_INFO_FIELD(StASSETROW::COL_PERIODMONTHS, szPeriodMonths);
GK_INFO_FIELD(StASSETROW::COL_ACQCOST, szAcqCost);
GK_INFO_FIELD(23, szAccounting);
GK_INFO_FIELD(StASSETROW::COL_COMPRESSION, szCompression);
GK_INFO_FIELD(25, szOpeningReserve);
GK_INFO_FIELD(26, szReserveReversal);
GK_INFO_FIELD(27, szNetAcqCost);
GK_INFO_FIELD(StASSETROW::COL_RESIDUALRATE, lResidualRate);
GK_INFO_FIELD(29, szEntResidual);
GK_INFO_FIELD(StASSETROW::COL_RESIDUAL, szResidual);
GK_INFO_FIELD(31, szEntResidualCmp);
GK_INFO_FIELD(32, szResidualCmp);
GK_INFO_FIELD(StASSETROW::COL_LIMITRATE, lLimitRate);
GK_INFO_FIELD(StASSETROW::COL_ENTLIMIT, szEntLimit);
GK_INFO_FIELD(StASSETROW::COL_LIMIT, szLimit);
GK_INFO_FIELD(36, szEntLimitCmp);
GK_INFO_FIELD(37, szLimitCmp);
GK_INFO_FIELD(StASSETROW::COL_ENTMONTHS, szEntMonths);
GK_INFO_FIELD(StASSETROW::COL_MONTHS, sMonths);
GK_INFO_FIELD(40, szEntOpeningBook);
GK_INFO_FIELD(StASSETROW::COL_OPENINGBOOK, szOpeningBook);
GK_INFO_FIELD(42, szChangedBook);
GK_INFO_FIELD(43, szChangedBookCmp);
GK_INFO_FIELD(44, szEntResidualBook);
GK_INFO_FIELD(45, szResidualBook);
GK_INFO_FIELD(StASSETROW::COL_ENTREVISEDCOST, szEntRevisedCost);
GK_INFO_FIELD(StASSETROW::COL_REVISEDCOST, szRevisedCost);
GK_INFO_FIELD(48, szEntRevisedCostCmp);
GK_INFO_FIELD(49, szRevisedCostCmp);
GK_INFO_FIELD(StASSETROW::COL_DEPRBASE, szDeprBase);
GK_INFO_FIELD(StASSETROW::COL_ENTCALCDEPR, szEntCalcDepr);
GK_INFO_FIELD(StASSETROW::COL_CALCDEPR, szCalcDepr);
GK_INFO_FIELD(53, szOpeningDeprDiff);
GK_INFO_FIELD(54, sIncreasedRatio);
GK_INFO_FIELD(StASSETROW::COL_ENTINCREASEDDEPR, szEntIncreasedDepr);
GK_INFO_FIELD(StASSETROW::COL_INCREASEDDEPR, szIncreasedDepr);
GK_INFO_FIELD(StASSETROW::COL_SPECIALKIND, szSpecialKind);
GK_INFO_FIELD(58, szArticle);
GK_INFO_FIELD(59, szParagraph);
GK_INFO_FIELD(60, lSpecialRate);
GK_INFO_FIELD(StASSETROW::COL_ENTSPECIALDEPR, szEntSpecialDepr);
GK_INFO_FIELD(StASSETROW::COL_SPECIALDEPR, szSpecialDepr);
GK_INFO_FIELD(StASSETROW::COL_SPECIALTREATMENT, szSpecialTreatment);
GK_INFO_FIELD(64, szDeprLimit);
GK_INFO_FIELD(StASSETROW::COL_ENTPERIODDEPR, szEntPeriodDepr);
GK_INFO_FIELD(StASSETROW::COL_PERIODDEPR, szPeriodDepr);
GK_INFO_FIELD(67, szDeprDiff);
GK_INFO_FIELD(StASSETROW::COL_DEPREXECRATE, lDeprExecRate);
GK_INFO_FIELD(StASSETROW::COL_BUSINESSNUM, cyBusinessNum);
GK_INFO_FIELD(StASSETROW::COL_BUSINESSDEN, cyBusinessDen);
GK_INFO_FIELD(StASSETROW::COL_DISPOSALDATE, lDisposalDate);
GK_INFO_FIELD(StASSETROW::COL_DISPOSALCALC, szDisposalCalc);
GK_INFO_FIELD(StASSETROW::COL_DISPOSALKIND, szDisposalKind);
GK_INFO_FIELD(StASSETROW::COL_DISPOSALPRICE, szDisposalPrice);
GK_INFO_FIELD(75, lAsIsDate);
GK_INFO_FIELD(76, szAsIsCalc);
GK_INFO_FIELD(77, szExpectedPrice);
GK_INFO_FIELD(78, lRealizedDate);
GK_INFO_FIELD(79, szPrevDisposalKind);
GK_INFO_FIELD(StASSETROW::COL_CLOSINGBOOK, szClosingBook);
GK_INFO_FIELD(81, szClosingReserve);
GK_INFO_FIELD(StASSETROW::COL_ACCUMDEPR, szAccumDepr);
GK_INFO_FIELD(StASSETROW::COL_SGANUM, cySgaNum);
GK_INFO_FIELD(StASSETROW::COL_SGADEN, cySgaDen);
GK_INFO_FIELD(StASSETROW::COL_SGA, szSga);
GK_INFO_FIELD(StASSETROW::COL_MFGNUM, cyMfgNum);
GK_INFO_FIELD(StASSETROW::COL_MFGDEN, cyMfgDen);
GK_INFO_FIELD(StASSETROW::COL_MFGCOST, szMfgCost);
GK_INFO_FIELD(89, cyNonOpNum);
GK_INFO_FIELD(90, cyNonOpDen);
GK_INFO_FIELD(91, szNonOpCost);
GK_INFO_FIELD(StASSETROW::COL_LOCALTAXKIND, szLocalTaxKind);
GK_INFO_FIELD(93, szRegionMove);
GK_INFO_FIELD(94, szRegionCode);
GK_INFO_FIELD(95, szEntTaxAssetCode);
GK_INFO_FIELD(96, szTaxAssetCode);
GK_INFO_FIELD(97, szEntTaxAcqCost);
GK_INFO_FIELD(98, szTaxAcqCost);
GK_INFO_FIELD(99, szSummaryAll1);
GK_INFO_FIELD(100, szSummaryAll2);
GK_INFO_FIELD(101, szSummaryDec1);
GK_INFO_FIELD(102, szSummaryDec2);
GK_INFO_FIELD(103, szEntPrevBook);
GK_INFO_FIELD(104, szPrevBook);
GK_INFO_FIELD(105, szEntPrevAssessed);
GK_INFO_FIELD(106, szPrevAssessed);
GK_INFO_FIELD(107, szEntCurBook);
GK_INFO_FIELD(108, szCurBook);
GK_INFO_FIELD(109, szEntCurAssessed);
GK_INFO_FIELD(110, szCurAssessed);
GK_INFO_FIELD(111, sSpecialTaxNum);
GK_INFO_FIELD(112, sSpecialTaxDen);
GK_INFO_FIELD(113, sSpecialTaxEnd);
GK_INFO_FIELD(114, szIncreaseReason);
GK_INFO_FIELD(StASSETROW::COL_DECREASEREASON, szDecreaseReason);
GK_INFO_FIELD(116, szDecreaseKind);
GK_INFO_FIELD(117, szImpCur);
GK_INFO_FIELD(118, lImpCurDate);
GK_INFO_FIELD(119, szImpCurBooking);
GK_INFO_FIELD(120, szEntImpCurBookBefore);
GK_INFO_FIELD(121, szImpCurBookBefore);
GK_INFO_FIELD(122, szImpCurLoss);
GK_INFO_FIELD(123, szImpCurBookAfter);
GK_INFO_FIELD(124, szEntImpCurLife);
GK_INFO_FIELD(125, szImpCurLife);
GK_INFO_FIELD(126, szEntImpCurRate);
GK_INFO_FIELD(127, cyImpCurRate);
GK_INFO_FIELD(128, szEntImpCurResidual);
GK_INFO_FIELD(129, szImpCurResidual);
GK_INFO_FIELD(130, szImpCurAccumLoss);
GK_INFO_FIELD(131, szImpPast);
GK_INFO_FIELD(132, lImpPastDate);
GK_INFO_FIELD(133, szImpPastBooking);
GK_INFO_FIELD(134, szImpPastBookAfter);
GK_INFO_FIELD(135, szImpPastAccumLoss);
GK_INFO_FIELD(136, lImpPastLife);
GK_INFO_FIELD(137, szEntImpPastRate);
GK_INFO_FIELD(138, cyImpPastRate);
GK_INFO_FIELD(139, szEntImpPastResidual);
GK_INFO_FIELD(140, szImpPastResidual);
GK_INFO_FIELD(141, szImpPastRevisedCost);
GK_INFO_FIELD(142, szEntImpPastBase);
GK_INFO_FIELD(143, szImpPastBase);
GK_INFO_FIELD(144, lAssetGroup);
GK_INFO_FIELD(145, szImpTransition);
GK_INFO_FIELD(146, szImpLifeShortened);
GK_INFO_FIELD(147, szCalcBook);
GK_INFO_FIELD(148, sCalcLife);
GK_INFO_FIELD(StASSETROW::COL_MEMOUPPER, szMemoUpper);
GK_INFO_FIELD(StASSETROW::COL_MEMOLOWER, szMemoLower);
#undef GK_INFO_FIELD
