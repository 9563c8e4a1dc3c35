// The asset type file syurui.SSC: its seventeen header lines for every corporate kind
// and one row per asset type, byte for byte.
#include "export/ExportFileSet.h"
#include "platform/Process.h"
#include "services/RuleGenkashokyaku.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using gk_test::FreshFolder;
using gk_test::MakeInfo;
using gk_test::ReadBytes;

namespace {

const std::string RULE = ";" + std::string(93, '/') + "\r\n";

std::string Today() {
    StSYSTEMTIME now{};
    GetLocalTime(&now);
    return std::to_string(now.wYear) + "/" + std::to_string(now.wMonth) + "/" +
           std::to_string(now.wDay);
}

std::string HeaderLines(const char* szClient, const char* szKubun, const std::string& strDate) {
    return RULE + ";減価償却 資産種類ファイル\r\n" + szClient + "\r\n;日付\t\t：" + strDate +
           "\r\n;備考\t\t：\r\n;\r\n" + RULE +
           "\r\n"
           "[Commonlnf]\r\n"
           "SisanSyuruiCDKetasuu=2\r\n" +
           szKubun +
           "\r\n"
           "Version=19. 0. 2. 0(FILEVERSION=1.1)\r\n"
           "\r\n"
           "[Datalnf]\r\n"
           "SisanSyurui=1\r\n"
           "\r\n"
           "[SisanSyurui]\r\n";
}

StSHISANKUBUNINFO MakeType(LONG lCode, const char* szName, std::int16_t sMethod, LONG lResidual) {
    StSHISANKUBUNINFO type{};
    type.lCode = lCode;
    std::strncpy(type.szName, szName, sizeof type.szName - 1);
    type.sMethod = sMethod;
    type.lResidualRatio = lResidual;
    return type;
}

// Writes the file the way the driver does: the asset data file's header first (it puts
// the free text accessor into comma mode), then the asset type file.
std::string TypeFile(BYTE bCorpKind, const std::vector<StSHISANKUBUNINFO>& types) {
    FreshFolder("out");
    StDATAINFO info = MakeInfo("会社", 20230401, 20240331, bCorpKind);
    {
        ClExportFileSet set;
        set.OpenOutput(ClExportFileSet::OUT_ASSET, "C:\\out\\assets.csv");
        set.WriteAssetHeader(&info);
        set.CloseOutput(ClExportFileSet::OUT_ASSET);
        set.OpenOutput(ClExportFileSet::OUT_ASSETTYPE, "C:\\out\\assets.csv");
        EXPECT_EQ(set.WriteAssetTypeHeader(&info), 1);
        for (const StSHISANKUBUNINFO& type : types)
            EXPECT_EQ(set.WriteAssetTypeRow(&type), 1);
        set.CloseOutput(ClExportFileSet::OUT_ASSETTYPE);
        EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSETTYPE));
    }
    return ReadBytes(gk_test::DriveC() / "out" / "syurui.SSC");
}

struct StKindCase {
    BYTE bCorpKind;
    const char* szClient;
    const char* szKubun;
};

TEST(AssetTypeHeader, WholeHeaderForEveryCorporateKind) {
    const StKindCase aCases[] = {
        {0, ";顧問先\t\t：[0004 法人関与先]", "HoujinKojinKubun=1"},
        {1, ";顧問先\t\t：[0004 法人関与先]", "HoujinKojinKubun=1"},
        {2, "", ""},
        {3, ";顧問先\t\t：[0004 個人関与先]", "HoujinKojinKubun=2"},
        {4, ";顧問先\t\t：[0004 個人関与先]", "HoujinKojinKubun=2"},
        {9, "", ""},
    };
    for (const StKindCase& c : aCases) {
        SCOPED_TRACE(static_cast<int>(c.bCorpKind));
        std::string strBefore = Today();
        std::string strFile = TypeFile(c.bCorpKind, {});
        std::string strAfter = Today();
        // The date may turn over while the file is written.
        std::string strExpected = HeaderLines(c.szClient, c.szKubun, strAfter);
        if (strFile != strExpected)
            strExpected = HeaderLines(c.szClient, c.szKubun, strBefore);
        EXPECT_EQ(strFile, strExpected);
    }
}

struct StRowCase {
    const char* szWhat;
    StSHISANKUBUNINFO type;
    const char* szRow;
};

TEST(AssetTypeRow, RowsFollowTheCodeMethodAndRatioRules) {
    const StRowCase aCases[] = {
        {"building, straight line, residual 0 becomes 10", MakeType(1, "建物", 2, 0),
         "01,建物,有形固定資産,償却資産,定額法,除却日まで償却,10,5,申告なし,0.00,100.00,100.00,"
         "100.00,0.00,100.00,該当しない"},
        {"deferred asset", MakeType(9, "繰延資産", 2, 7),
         "09,繰延資産,繰延資産,償却資産,均等償却,除却日まで償却,0,0,申告なし,0.00,100.00,100.00,"
         "100.00,0.00,100.00,該当しない"},
        {"deferred asset, methods 1 and 3", MakeType(9, "A", 1, 0),
         "09,A,繰延資産,償却資産,均等償却,除却日まで償却,0,0,申告なし,0.00,100.00,100.00,100.00,"
         "0.00,100.00,該当しない"},
        {"deferred asset, unknown method", MakeType(9, "A", 7, 0),
         "09,A,繰延資産,償却資産,定率法,除却日まで償却,0,0,申告なし,0.00,100.00,100.00,100.00,"
         "0.00,100.00,該当しない"},
        {"bulk method on a deferred asset", MakeType(9, "一括", 4, 0),
         "09,一括,繰延資産,償却資産,一括決算,除却日まで償却,0,0,申告なし,0.00,100.00,100.00,"
         "100.00,0.00,100.00,該当しない"},
        {"limit ratio 10, residual 3", MakeType(10, "X", 1, 3),
         "10,X,有形固定資産,償却資産,定率法,除却日まで償却,3,10,申告なし,0.00,100.00,100.00,"
         "100.00,0.00,100.00,該当しない"},
        {"not depreciated, whatever method and ratio", MakeType(11, "土地", 2, 5),
         "11,土地,有形固定資産,非償却資産,,,0,0,申告なし,0.00,0.00,0.00,0.00,0.00,0.00,該当しない"},
        {"structures, method 3", MakeType(2, "構築物", 3, 0),
         "02,構築物,有形固定資産,償却資産,定率法,除却日まで償却,10,5,構築物,0.00,100.00,100.00,"
         "100.00,0.00,100.00,該当しない"},
        {"machinery, bulk method", MakeType(3, "機械", 4, 0),
         "03,機械,有形固定資産,償却資産,一括決算,除却日まで償却,10,5,機械及び装置,0.00,100.00,"
         "100.00,100.00,0.00,100.00,該当しない"},
        {"tools, unknown method", MakeType(5, "器具", 0, 0),
         "05,器具,有形固定資産,償却資産,定率法,除却日まで償却,10,5,工具器具及び備品,0.00,100.00,"
         "100.00,100.00,0.00,100.00,該当しない"},
        {"code 12 has no tax kind", MakeType(12, "", 1, 0),
         "12,,有形固定資産,償却資産,定率法,除却日まで償却,10,5,,0.00,100.00,100.00,100.00,0.00,"
         "100.00,該当しない"},
        {"code 0", MakeType(0, "", 1, 0),
         "00,,有形固定資産,償却資産,定率法,除却日まで償却,10,5,,0.00,100.00,100.00,100.00,0.00,"
         "100.00,該当しない"},
        {"negative code", MakeType(-1, "", 1, 0),
         "-1,,有形固定資産,償却資産,定率法,除却日まで償却,10,5,,0.00,100.00,100.00,100.00,0.00,"
         "100.00,該当しない"},
        {"three-digit code keeps its first two", MakeType(123, "", 1, 0),
         "12,,有形固定資産,償却資産,定率法,除却日まで償却,10,5,,0.00,100.00,100.00,100.00,0.00,"
         "100.00,該当しない"},
        {"14-byte name with a lead byte at byte 12", MakeType(8, "ABCDEFGHIJK車X", 1, 0),
         "08,ABCDEFGHIJK,有形固定資産,償却資産,定率法,除却日まで償却,10,5,申告なし,0.00,100.00,"
         "100.00,100.00,0.00,100.00,該当しない"},
        {"twelve bytes of whole characters stay", MakeType(6, "車両運搬具等X", 1, 0),
         "06,車両運搬具等,有形固定資産,償却資産,定率法,除却日まで償却,10,5,申告なし,0.00,100.00,"
         "100.00,100.00,0.00,100.00,該当しない"},
    };
    for (const StRowCase& c : aCases) {
        SCOPED_TRACE(c.szWhat);
        std::string strFile = TypeFile(2, {c.type});
        ASSERT_GT(strFile.size(), RULE.size());
        EXPECT_TRUE(strFile.ends_with("[SisanSyurui]\r\n" + std::string(c.szRow) + "\r\n"));
    }
}

TEST(AssetTypeRow, RowsFollowTheHeaderInTheOrderGiven) {
    std::string strFile =
        TypeFile(0, {MakeType(1, "建物", 2, 0), MakeType(11, "土地", 0, 0), MakeType(7, "", 1, 4)});
    EXPECT_TRUE(strFile.ends_with(
        "[SisanSyurui]\r\n"
        "01,建物,有形固定資産,償却資産,定額法,除却日まで償却,10,5,申告なし,0.00,100.00,100.00,"
        "100.00,0.00,100.00,該当しない\r\n"
        "11,土地,有形固定資産,非償却資産,,,0,0,申告なし,0.00,0.00,0.00,0.00,0.00,0.00,"
        "該当しない\r\n"
        "07,,有形固定資産,償却資産,定率法,除却日まで償却,4,5,申告なし,0.00,100.00,100.00,100.00,"
        "0.00,100.00,該当しない\r\n"));
}

} // namespace
