// The asset data file's header: six header lines and the column header line, byte for
// byte, for every corporate kind.
#include "export/ExportFileSet.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using gk_test::FreshFolder;
using gk_test::MakeInfo;
using gk_test::ReadBytes;

namespace {

// The 151 captions, joined by commas; the last caption brings its own comma.
const std::string CAPTION_LINE =
    ";資産コード,分割コード,資産種類コード,資産種類名,償却方法,"
    "資本的支出区分,本支店コード,部門コード,申告先地域コード,資産名称,"
    "構造名,細目名,取得年月日,数量,単位,耐用年数,耐用年数短縮,"
    "耐用年数短縮(保証額未満)[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "耐用年数(地方税計算用),償却率,経過措置,償却期間の月数,取得価額,"
    "圧縮記帳の経理方式,圧縮記帳額,期首圧縮記帳引当金残高,引当金期中取崩額,"
    "差引取得価額,残存価額 率,残存価額(入力),残存価額,"
    "残存価額(入力)[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "残存価額[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "償却可能限度額 率,償却可能限度額(入力),償却可能限度額,"
    "償却可能限度額(入力)[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "償却可能限度額[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "償却月数(入力),償却月数,期首帳簿価額(入力),期首帳簿価額,"
    "期首帳簿価額(償却方法変更・耐用年数短縮・定率法経過措置用),"
    "期首帳簿価額(〃)[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "残存簿価(入力),残存簿価,改定取得価額(入力),改定取得価額,"
    "改定取得価額(入力)[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "改定取得価額[圧縮記帳(引当金・積立金)の場合の償却額計算用],"
    "償却計算の基礎となる額,算出償却額(入力),算出償却額,期首償却過不足額,"
    "増加償却割合,増加償却額(入力),増加償却額,特別償却区分,摘要条項 条,"
    "摘要条項 項,特別償却割合,特別償却金額(入力),特別償却金額,"
    "経理処理区分,当期償却限度額,当期償却額(入力),当期償却額,償却過不足額,"
    "償却実施率,事業専用割合(分子),事業専用割合(分母),除却年月日,"
    "除却時の計算方法,除却区分,除売却価額,有姿除却年月日,"
    "有姿除却時の計算方法,有姿除却 処分見込価額,有姿除却(処分)年月日,"
    "前期除却区分,期末帳簿価額,期末引当金額,償却累計額,販売管理費(分子),"
    "販売管理費(分母),販売管理費,製造原価(分子),製造原価(分母),"
    "製造原価,営業外費用(分子),営業外費用(分母),営業外費用,償却資産種類,"
    "地域移動,地域移動 地域コード(前回),償却資産資産コード(入力),"
    "償却資産資産コード,償却資産用取得価額 入力フラグ,"
    "償却資産用取得価額 手入力,摘要全資産等(1),摘要全資産等(2),"
    "摘要減少(1),摘要減少(2),前回の帳簿価額(入力),前回の帳簿価額,"
    "前回の評価額(入力),前回の評価額,今回の帳簿価額(入力),今回の帳簿価額,"
    "今回の評価額(入力),今回の評価額,課税標準の特例(分子),"
    "課税標準の特例(分母),特例の適用終了年度,増加事由,減少事由,減少区分,"
    "当期減損処理設定,減損年月日(当期),減損損失計上(当期),"
    "減損前帳簿価額(当期)(入力),減損前帳簿価額(当期),減損損失額(当期),"
    "減損後帳簿価額(当期),減損後耐用年数(当期)(入力),"
    "減損後耐用年数(当期),減損後償却率(当期)(入力),減損後償却率(当期),"
    "減損後残存価額(当期)(入力),減損後残存価額(当期),"
    "減損損失累計額(当期),過年度減損処理設定,最終減損年月日(過年度),"
    "減損損失計上(過年度),減損後帳簿価額(過年度),減損損失累計額(過年度),"
    "減損後耐用年数(過年度),減損後償却率(過年度)(入力),"
    "減損後償却率(過年度),減損後残存価額(過年度)(入力),"
    "減損後残存価額(過年度),減損後改定取得価額(過年度),"
    "計算の基礎となる額(過年度)(入力),計算の基礎となる額(過年度),"
    "資産グループコード,経過措置(減損用),耐用年数短縮(減損用),"
    "計算用の帳簿価額,計算用の耐用年数,メモ欄上段,メモ欄下段,"
    "\r\n";

std::string HeaderFile(const StDATAINFO& info) {
    FreshFolder("out");
    {
        ClExportFileSet set;
        set.OpenOutput(ClExportFileSet::OUT_ASSET, "C:\\out\\assets.csv");
        EXPECT_EQ(set.WriteAssetHeader(&info), 1);
        set.CloseOutput(ClExportFileSet::OUT_ASSET);
        EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSET));
    }
    return ReadBytes(gk_test::DriveC() / "out" / "assets.csv");
}

struct StKindCase {
    BYTE bCorpKind;
    const char* szLine4;
};

TEST(HeaderAssetFile, WholeHeaderForEveryCorporateKind) {
    const StKindCase aCases[] = {
        {0, "法人個人区分=法人"},
        {1, "法人個人区分=法人"},
        {2, ""},
        {3, "法人個人区分=個人"},
        {4, "法人個人区分=個人"},
        {5, ""},
        {255, ""},
    };
    for (const StKindCase& c : aCases) {
        SCOPED_TRACE(static_cast<int>(c.bCorpKind));
        StDATAINFO info = MakeInfo("株式会社サンプル", 20230401, 20240331, c.bCorpKind);
        std::string strExpected = "バージョン=19. 0. 2. 0(FILEVERSION=1.8)\r\n"
                                  "顧問先コード=\r\n"
                                  "顧問先名称=株式会社サンプル\r\n" +
                                  std::string(c.szLine4) +
                                  "\r\n"
                                  "事業年度開始日=20230401\r\n"
                                  "事業年度終了日=20240331\r\n" +
                                  CAPTION_LINE;
        EXPECT_EQ(HeaderFile(info), strExpected);
    }
}

TEST(HeaderAssetFile, CaptionLineHasOneHundredFiftyOneCommas) {
    std::string strFile = HeaderFile(MakeInfo("", 0, 0, 0));
    std::string strLast = strFile.substr(strFile.rfind("\r\n", strFile.size() - 3) + 2);
    EXPECT_EQ(std::count(strLast.begin(), strLast.end(), ','), 151);
    EXPECT_TRUE(strLast.starts_with(";資産コード,分割コード,"));
    EXPECT_TRUE(strLast.ends_with(",\r\n"));
}

TEST(HeaderAssetFile, EmptyCompanyAndZeroPeriod) {
    std::string strFile = HeaderFile(MakeInfo("", 0, -1, 1));
    EXPECT_EQ(strFile, "バージョン=19. 0. 2. 0(FILEVERSION=1.8)\r\n"
                       "顧問先コード=\r\n"
                       "顧問先名称=\r\n"
                       "法人個人区分=法人\r\n"
                       "事業年度開始日=0\r\n"
                       "事業年度終了日=-1\r\n" +
                           CAPTION_LINE);
}

// "顧問先名称=" takes 11 bytes, so 141 bytes of a long name remain; the cut is by bytes
// and may leave the lead byte of a character alone.
TEST(HeaderAssetFile, LongCompanyNameIsCutAtTheLineWidth) {
    std::string strName(140, 'N');
    strName += "株式会社";
    StDATAINFO info = MakeInfo(strName.c_str(), 20230401, 20240331, 0);
    std::string strFile = HeaderFile(info);
    std::string strLine3 = "顧問先名称=" + std::string(140, 'N') + "\x8A\r\n";
    ASSERT_EQ(strLine3.size(), 152u + 2u);
    EXPECT_NE(strFile.find("\r\n" + strLine3 + "法人個人区分=法人\r\n"), std::string::npos);
}

} // namespace
