// The conversion inside a whole export over the accounting-system stand-in: register
// order, bulk assets without sub-items and with more than 99 of them.
#include "services/DataMgr.h"
#include "tests/export/ConversionFixture.h"
#include "tests/export/DriverSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gk_conv;

namespace {

class ConversionExport : public DriverTest {};

TEST_F(ConversionExport, BulkAssetsWithNoneAndWithOneHundredFiftySubItems) {
    ClFixtureDb db;
    db.Asset({{"szAssetCode", "000001"},
              {"szAssetName", "机"},
              {"sMethodKind", 6},
              {"lAcqDate", 20200401},
              {"cyAcqCost", 100000LL * 10000}})
        .Asset({{"szAssetCode", "E00001"},
                {"sMethodKind", 4},
                {"abBulkKey", ClFixtureValue::Blob("EMPTY")}})
        .Asset({{"szAssetCode", "F00001"},
                {"sMethodKind", 4},
                {"abBulkKey", ClFixtureValue::Blob("FULL")},
                {"sBusinessRatio", 10000},
                {"cyAcqCost", 5LL * 10000}});
    for (int n = 1; n <= 150; ++n)
        db.BulkItem({{"abBulkKey", ClFixtureValue::Blob("FULL")},
                     {"szItemNo", "77"}, // replaced by the driver's number
                     {"szItemName", "品" + std::to_string(n)},
                     {"lItemQuantity", 100},
                     {"cyItemAcqCost", n * 10000LL}});
    db.Asset({{"szAssetCode", "000002"}});
    Connect(db);
    RunExport(*ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo());

    std::vector<std::string> expected = {Line(With(
        OrdinaryFields("000001"), {{4, "定額法"}, {9, "机"}, {12, "20200401"}, {22, "100000"}}))};
    for (int n = 1; n <= 99; ++n) {
        char szCode[16];
        std::snprintf(szCode, sizeof szCode, "F00001%02d", n);
        expected.push_back(Line(With(ItemFields(szCode), {{9, "品" + std::to_string(n)},
                                                          {13, "1.00"},
                                                          {22, std::to_string(n)},
                                                          {69, "100.00"}})));
    }
    expected.push_back(Line(OrdinaryFields("000002")));
    std::vector<std::string> rows;
    for (const std::string& strLine : Lines(AssetFile()))
        rows.push_back(strLine + "\r\n");
    ASSERT_GE(rows.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 7, rows.end()), expected);
    EXPECT_EQ(ErrLog(), LogLine("\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n"
                                "100件目から後の内訳は出力されません。"));
}

} // namespace
