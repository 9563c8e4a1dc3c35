// Whole export runs over the accounting-system stand-in: every byte of the files that
// come out, for an empty register and for a small one.
#include "platform/Process.h"
#include "services/DataMgr.h"
#include "tests/export/DriverSupport.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>

using testing::ElementsAre;

namespace {

class WholeFile : public DriverTest {
protected:
    // The selected data's record, as the export run loads it.
    static StDATAINFO Selected() {
        return *ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    }
    static std::string Today() {
        StSYSTEMTIME now{};
        GetLocalTime(&now);
        return std::to_string(now.wYear) + "/" + std::to_string(now.wMonth) + "/" +
               std::to_string(now.wDay);
    }
};

const char* const CAPTION_START = ";資産コード,分割コード,資産種類コード,資産種類名,償却方法,";
const char* const CAPTION_END = ",メモ欄上段,メモ欄下段,\r\n";

TEST_F(WholeFile, EmptyRegisterGivesTheHeadersAndTheFullAssetTypeFile) {
    Connect(
        ClFixtureDb()
            .AssetType({{"lCode", 1}, {"szName", "建物"}, {"sMethod", 2}})
            .AssetType({{"lCode", 9}, {"szName", "開業費"}, {"sMethod", 3}, {"lResidualRatio", 5}})
            .AssetType({{"lCode", 11}, {"szName", "土地"}, {"sMethod", 1}}));
    std::string strDateBefore = Today();
    RunExport(Selected());
    std::string strDate = Today();

    std::string strAsset = AssetFile();
    std::vector<std::string> lines = Lines(strAsset);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(strAsset.substr(0, strAsset.find(CAPTION_START)),
              "バージョン=19. 0. 2. 0(FILEVERSION=1.8)\r\n"
              "顧問先コード=\r\n"
              "顧問先名称=株式会社テスト\r\n"
              "法人個人区分=法人\r\n"
              "事業年度開始日=20240401\r\n"
              "事業年度終了日=20250331\r\n");
    EXPECT_TRUE(lines[6].starts_with(CAPTION_START));
    EXPECT_TRUE(strAsset.ends_with(CAPTION_END));
    EXPECT_EQ(std::count(lines[6].begin(), lines[6].end(), ','), 151);

    const std::string strRule = ";" + std::string(93, '/') + "\r\n";
    auto expectedTypes = [&](const std::string& strDay) {
        return strRule +
               ";減価償却 資産種類ファイル\r\n;顧問先\t\t：[0004 法人関与先]\r\n;日付\t\t：" +
               strDay + "\r\n;備考\t\t：\r\n;\r\n" + strRule +
               "\r\n[Commonlnf]\r\nSisanSyuruiCDKetasuu=2\r\nHoujinKojinKubun=1\r\n"
               "Version=19. 0. 2. 0(FILEVERSION=1.1)\r\n\r\n[Datalnf]\r\nSisanSyurui=1\r\n\r\n"
               "[SisanSyurui]\r\n"
               "01,建物,有形固定資産,償却資産,定額法,除却日まで償却,10,5,申告なし,0.00,100.00,"
               "100.00,100.00,0.00,100.00,該当しない\r\n"
               "09,開業費,繰延資産,償却資産,均等償却,除却日まで償却,0,0,申告なし,0.00,100.00,"
               "100.00,100.00,0.00,100.00,該当しない\r\n"
               "11,土地,有形固定資産,非償却資産,,,0,0,申告なし,0.00,0.00,0.00,0.00,0.00,0.00,"
               "該当しない\r\n";
    };
    std::string strTypes = TypeFile();
    EXPECT_EQ(strTypes,
              expectedTypes(strTypes == expectedTypes(strDate) ? strDate : strDateBefore));
    EXPECT_EQ(ErrLog(), "");
}

TEST_F(WholeFile, IndividualDataWithoutAssetTypes) {
    Connect(ClFixtureDb().Company({{"szCompanyName", "山田商店"}, {"bCorpKind", 3}}));
    RunExport(Selected());
    EXPECT_TRUE(
        AssetFile().starts_with("バージョン=19. 0. 2. 0(FILEVERSION=1.8)\r\n顧問先コード=\r\n"
                                "顧問先名称=山田商店\r\n法人個人区分=個人\r\n"));
    std::vector<std::string> types = Lines(TypeFile());
    ASSERT_EQ(types.size(), 17u);
    EXPECT_EQ(types[2], ";顧問先\t\t：[0004 個人関与先]");
    EXPECT_EQ(types[10], "HoujinKojinKubun=2");
    EXPECT_EQ(types[16], "[SisanSyurui]");
}

// Rows in register order; a bulk asset contributes its sub-items in place of itself.
TEST_F(WholeFile, RegisterRowsFollowTheRegisterWithBulkSubItemsInPlace) {
    Connect(ClFixtureDb()
                .Asset({{"szAssetCode", "100"}, {"szAssetName", "机"}, {"sMethodKind", 6}})
                .Asset({{"szAssetCode", "200"},
                        {"sMethodKind", 4},
                        {"abBulkKey", ClFixtureValue::Blob("B1")}})
                .Asset({{"szAssetCode", "300"}, {"sMethodKind", 5}})
                .BulkItem({{"abBulkKey", ClFixtureValue::Blob("B1")}, {"szItemName", "椅子"}})
                .BulkItem({{"abBulkKey", ClFixtureValue::Blob("B1")}, {"szItemName", "棚"}}));
    RunExport(Selected());
    EXPECT_THAT(RowCodes(), ElementsAre("000100", "00020001", "00020002", "000300"));
    EXPECT_EQ(ErrLog(), "");
}

// A log that cannot take its messages is reported by the file set, and the asset data
// file is still written in full.
TEST_F(WholeFile, ErrorLogOnAFullDiskIsReportedAndTheRowsStillComeOut) {
    Connect(ClFixtureDb().Asset({{"szAssetCode", "A-1"}}).Asset({{"szAssetCode", "A-2"}}));
    std::filesystem::create_symlink("/dev/full", m_folder / "DovlogSysErr.txt");
    StDATAINFO info = Selected();
    ClAssetExporter exporter;
    exporter.m_strPath = "C:\\out\\assets.csv";
    exporter.OpenAssetFile(&info);
    exporter.ExportAssets();
    exporter.ExportAssetTypes(&info);
    const ClExportFileSet& set = exporter.GetFileSet();
    EXPECT_TRUE(set.HasFailed(ClExportFileSet::OUT_ERRLOG));
    EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSET));
    EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSETTYPE));
    EXPECT_STREQ(set.GetOutputName(ClExportFileSet::OUT_ERRLOG), "C:\\out\\DovlogSysErr.txt");
    EXPECT_THAT(RowCodes(), ElementsAre("000A-1", "000A-2"));
}

} // namespace
