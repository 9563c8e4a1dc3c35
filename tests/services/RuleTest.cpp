// The rule object: the records of the register at their wire offsets, the sub-items of bulk
// assets, the asset types, and enumeration by index.
#include "platform/Process.h"
#include "services/DataMgr.h"
#include "services/LinkMgr.h"
#include "services/RuleGenkashokyaku.h"
#include "tests/services/AccTestSupport.h"

#include <array>
#include <cstring>
#include <memory>

namespace {

// Expected record bytes, written at the literal offsets of the wire format.
template <std::size_t N>
struct ClBytes {
    std::array<BYTE, N> ab{};
    template <typename T>
    ClBytes& Put(std::size_t nOffset, T value) {
        std::memcpy(ab.data() + nOffset, &value, sizeof(value));
        return *this;
    }
    ClBytes& Text(std::size_t nOffset, std::string_view text) {
        std::memcpy(ab.data() + nOffset, text.data(), text.size());
        return *this;
    }
};

// The first offset where the record differs from the expected bytes, or -1.
template <typename T, std::size_t N>
long FirstDifference(const T& record, const ClBytes<N>& expected) {
    static_assert(sizeof(T) == N);
    const BYTE* pb = reinterpret_cast<const BYTE*>(&record);
    for (std::size_t i = 0; i < N; ++i) {
        if (pb[i] != expected.ab[i])
            return static_cast<long>(i);
    }
    return -1;
}

class RuleTest : public AccSysTest {
protected:
    // A rule object set up the way the export driver does it.
    std::unique_ptr<ClRuleGenkashokyaku> MakeRule() {
        auto pRule = std::make_unique<ClRuleGenkashokyaku>();
        pRule->AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        StDATAINFO* pInfo = ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
        pRule->SetCurDataID(pInfo->szDataID);
        pRule->AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
        return pRule;
    }
    // MoveReady and GetCount: the number of assets.
    static LONG Ready(ClRuleGenkashokyaku& rule) {
        EXPECT_EQ(rule.MoveReady(nullptr, ClRuleGenkashokyaku::SORT_POSITION,
                                 ClRuleGenkashokyaku::SUM_NONE),
                  0);
        LONG lCount = 0;
        EXPECT_EQ(rule.GetCount(&lCount), 0);
        return lCount;
    }

    StKOTEISHISANINFO m_master;
    StKOTEINENINFO m_year;
    StKOTEITSUKIINFO m_month;
};

TEST_F(RuleTest, EveryAssetColumnLandsAtItsOffset) {
    ClFixtureDb db;
    db.Asset({{"abBulkKey", ClFixtureValue::Blob("KEY-0123456789AB")},
              {"szAssetCode", "A-000123"},
              {"lTypeCode", 3},
              {"szAssetName", "本社工場　空調設備一式"},
              {"szQuantity", "10個"},
              {"szMemo", "第２工場"},
              {"sDisposalKind", 4},
              {"szCapex", "有"},
              {"lRuleDate", 20120501},
              {"lAcqDate", 20070401},
              {"cyAcqCost", 12345670000LL},
              {"cyCompression", -500000},
              {"cyOpeningBook", 3000000000LL},
              {"sMethodKind", 5},
              {"sUsefulLife", 15},
              {"lDeprRate", 167},
              {"lResidualRate", 10},
              {"bLimitKind", 1},
              {"cyLimit", 10000},
              {"sBusinessRatio", 10000},
              {"sSgaPercent", 70},
              {"sPeriodNum", 6},
              {"sPeriodDen", 12},
              {"cyResidual", 123},
              {"cyDeprBase", 2999990000LL},
              {"cySga", 350000000},
              {"cyMfgCost", 150000000},
              {"cyAccumDepr", 9000000000LL},
              {"cyClosingBook", 2500000000LL},
              {"lDisposalDate", 20240930},
              {"cyDisposalPrice", 1000000000},
              {"bMonthsEntered", 1},
              {"cyRevisedCost", -1},
              {"cyCalcDepr", 400000000},
              {"cySpecialDepr", 50000000},
              {"cyIncreasedDepr", 25000000},
              {"cyDeprOverride", 7}});
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 1);
    std::memset(&m_month, 0x55, sizeof(m_month));
    ASSERT_EQ(pRule->Move(0, &m_master, &m_year, &m_month), 0);

    ClBytes<545> master;
    master.Text(16, "KEY-0123456789AB").Text(32, "A-000123").Put<int32_t>(48, 3);
    master.Text(52, "本社工場　空調設備一式").Text(245, "10個").Text(254, "第２工場");
    master.Put<int16_t>(336, 4).Text(338, "有").Put<int32_t>(356, 20120501);
    master.Put<int32_t>(360, 20070401).Put<int64_t>(368, 12345670000LL);
    master.Put<int64_t>(376, -500000).Put<int64_t>(384, 3000000000LL).Put<int16_t>(392, 5);
    master.Put<int16_t>(394, 15).Put<int32_t>(396, 167).Put<int32_t>(400, 10);
    master.Put<uint8_t>(404, 1).Put<int64_t>(408, 10000).Put<int16_t>(426, 10000);
    master.Put<int16_t>(428, 70).Put<int16_t>(430, 6).Put<int16_t>(432, 12);
    master.Put<int64_t>(440, 123).Put<int64_t>(448, 2999990000LL).Put<int64_t>(456, 350000000);
    master.Put<int64_t>(464, 150000000).Put<int64_t>(472, 9000000000LL);
    master.Put<int64_t>(480, 2500000000LL).Put<int32_t>(488, 20240930);
    master.Put<int64_t>(496, 1000000000).Put<uint8_t>(533, 1).Put<int64_t>(537, -1);
    EXPECT_EQ(FirstDifference(m_master, master), -1);

    ClBytes<960> year;
    year.Put<int64_t>(40, 400000000).Put<int64_t>(48, 50000000).Put<int64_t>(56, 25000000);
    year.Put<int64_t>(64, 7);
    EXPECT_EQ(FirstDifference(m_year, year), -1);
    EXPECT_EQ(FirstDifference(m_month, ClBytes<1536>()), -1);
}

TEST_F(RuleTest, AbsentColumnsAndNullsReadAsZero) {
    ClFixtureDb db;
    db.Asset({{"szAssetCode", nullptr}, {"cyAcqCost", nullptr}});
    db.Sql("CREATE TABLE a2 AS SELECT szDataID, position, szAssetName FROM assets;"
           "DROP TABLE assets; ALTER TABLE a2 RENAME TO assets;"
           "UPDATE assets SET szAssetName = x'41420043'");
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 1);
    std::memset(&m_master, 0x55, sizeof(m_master));
    ASSERT_EQ(pRule->Move(0, &m_master, &m_year, &m_month), 0);
    // A BLOB text ends at its first NUL.
    EXPECT_EQ(FirstDifference(m_master, ClBytes<545>().Text(52, "AB")), -1);
}

TEST_F(RuleTest, OnlyTheSelectedDataInPositionOrder) {
    ClFixtureDb db;
    db.Company({{"szDataID", "0001"}, {"lDataNo", 1}})
        .Company({{"szDataID", "0002"}, {"lDataNo", 2}});
    db.Asset({{"szAssetCode", "C"}, {"position", 30}})
        .Asset({{"szAssetCode", "A"}, {"position", 10}});
    db.Asset({{"szDataID", "0002"}, {"szAssetCode", "X"}, {"position", 20}});
    db.Asset({{"szAssetCode", "B"}, {"position", 20}});
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 3);
    std::string strCodes;
    for (long i = 0; i < 3; ++i) {
        ASSERT_EQ(pRule->Move(i, &m_master, &m_year, &m_month), 0);
        strCodes += m_master.szAssetCode;
    }
    EXPECT_EQ(strCodes, "ABC");
    // Past the end: cleared records and a failure.
    std::memset(&m_master, 0x55, sizeof(m_master));
    EXPECT_NE(pRule->Move(3, &m_master, &m_year, &m_month), 0);
    EXPECT_EQ(FirstDifference(m_master, ClBytes<545>()), -1);
    EXPECT_NE(pRule->Move(-1, &m_master, &m_year, &m_month), 0);
}

TEST_F(RuleTest, AnyIndexOrderGivesThatIndexsAsset) {
    ClFixtureDb db;
    for (int i = 0; i < 8; ++i)
        db.Asset({{"lTypeCode", 100 + i}});
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 8);
    for (long i : {5L, 6L, 2L, 2L, 3L, 7L, 0L, 1L}) {
        ASSERT_EQ(pRule->Move(i, &m_master, &m_year, &m_month), 0);
        EXPECT_EQ(+m_master.lTypeCode, 100 + i);
    }
}

TEST_F(RuleTest, DataIdStoredAsBlobStillSelectsItsAssets) {
    ClFixtureDb db;
    db.Asset({{"szDataID", ClFixtureValue::Blob("0001")}, {"szAssetCode", "B1"}});
    db.Asset({{"szDataID", ClFixtureValue::Blob("0001")}, {"szAssetCode", "B2"}});
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 2);
    ASSERT_EQ(pRule->Move(1, &m_master, &m_year, &m_month), 0);
    EXPECT_STREQ(m_master.szAssetCode, "B2");
}

// A bulk asset of key szKey with sub-items in a scrambled position order.
void AddBulk(ClFixtureDb& db, const ClFixtureValue& key, const std::string& strName, int nItems) {
    db.Asset({{"sMethodKind", 4}, {"abBulkKey", key}, {"szAssetName", strName}});
    for (int i = nItems - 1; i >= 0; --i) {
        db.BulkItem({{"abBulkKey", key},
                     {"position", i * 10},
                     {"szItemName", strName + std::to_string(i + 1)},
                     {"lItemAcqDate", 20200101 + i},
                     {"cyItemAcqCost", 10000LL * (i + 1)},
                     {"lItemQuantity", 100 * (i + 1)}});
    }
}

TEST_F(RuleTest, SubItemsFoundByKeyInPositionOrder) {
    ClFixtureDb db;
    AddBulk(db, ClFixtureValue::Blob("K1"), "机", 3);
    db.Asset({{"szAssetCode", "000002"}});
    // The same key as TEXT, and one using all 16 bytes.
    AddBulk(db, "K2", "椅子", 2);
    AddBulk(db, ClFixtureValue::Blob("0123456789ABCDEF"), "棚", 101);
    // Neither another data's sub-items nor a key that only begins alike belong.
    db.BulkItem({{"szDataID", "0002"}, {"abBulkKey", ClFixtureValue::Blob("K1")}});
    db.BulkItem({{"abBulkKey", ClFixtureValue::Blob("K1x")}});
    // Zero padding stored in the sub-item's key is the same key.
    db.BulkItem(
        {{"abBulkKey", ClFixtureValue::Blob(std::string("K2\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16))},
         {"position", 99},
         {"szItemName", "椅子3"}});
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 4);

    std::vector<std::string> names;
    std::vector<LONG> counts;
    for (long i = 0; i < 4; ++i) {
        ASSERT_EQ(pRule->Move(i, &m_master, &m_year, &m_month), 0);
        if (m_master.sMethodKind != 4) {
            names.push_back(m_master.szAssetCode);
            continue;
        }
        BYTE abKey[16];
        std::memcpy(abKey, m_master.abBulkKey, 16);
        ASSERT_EQ(pRule->MoveReadyIkkatsu(abKey), 0);
        LONG lItems = 0;
        ASSERT_EQ(pRule->GetIkkatsuCount(&lItems), 0);
        counts.push_back(lItems);
        for (long j = 0; j < lItems && j < 3; ++j) {
            StIKKATSUINFO item;
            ASSERT_EQ(pRule->MoveIkkatsu(j, &item), 0);
            names.push_back(item.szItemName);
        }
        EXPECT_EQ(pRule->MoveFinishIkkatsu(), 0);
    }
    EXPECT_EQ(counts, (std::vector<LONG>{3, 3, 101}));
    EXPECT_EQ(names, (std::vector<std::string>{"机1", "机2", "机3", "000002", "椅子1", "椅子2",
                                               "椅子3", "棚1", "棚2", "棚3"}));
}

TEST_F(RuleTest, SubItemRecordBytesAtTheirOffsets) {
    ClFixtureDb db;
    db.Asset({{"sMethodKind", 4}, {"abBulkKey", ClFixtureValue::Blob("K")}});
    db.BulkItem({{"abBulkKey", ClFixtureValue::Blob("K")},
                 {"szItemNo", "123456789012"},
                 {"szItemName", "応接セット（ソファー・テーブル）"},
                 {"lItemAcqDate", 20190620},
                 {"cyItemAcqCost", 4500000000LL},
                 {"lItemQuantity", 150}});
    Link(db);
    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 1);
    ASSERT_EQ(pRule->Move(0, &m_master, &m_year, &m_month), 0);
    ASSERT_EQ(pRule->MoveReadyIkkatsu(m_master.abBulkKey), 0);
    StIKKATSUINFO item;
    std::memset(&item, 0x55, sizeof(item));
    ASSERT_EQ(pRule->MoveIkkatsu(0, &item), 0);
    ClBytes<256> expected;
    expected.Text(48, "123456789012").Text(61, "応接セット（ソファー・テーブル）");
    expected.Put<int32_t>(144, 20190620).Put<int64_t>(152, 4500000000LL).Put<int32_t>(160, 150);
    EXPECT_EQ(FirstDifference(item, expected), -1);
    EXPECT_NE(pRule->MoveIkkatsu(1, &item), 0);
    EXPECT_EQ(FirstDifference(item, ClBytes<256>()), -1);
}

TEST_F(RuleTest, AssetTypesComeAsOneTaskAllocatedArray) {
    ClFixtureDb db;
    db.AssetType({{"lCode", 2}, {"szName", "構築物"}, {"sMethod", 2}, {"position", 2}});
    db.AssetType({{"lCode", 1},
                  {"szName", "建物"},
                  {"sMethod", 1},
                  {"lResidualRatio", 10},
                  {"position", 1}});
    db.AssetType({{"szDataID", "0002"}, {"lCode", 9}});
    Link(db);
    auto pRule = MakeRule();
    StSHISANKUBUNINFO* pTypes = nullptr;
    LONG lCount = -1;
    ASSERT_EQ(pRule->LoadShisanKubunInfo(&pTypes, &lCount), 0);
    ASSERT_EQ(lCount, 2);
    ASSERT_NE(pTypes, nullptr);
    ClBytes<128> first;
    first.Put<int32_t>(16, 1).Text(20, "建物").Put<int16_t>(102, 1).Put<int32_t>(104, 10);
    ClBytes<128> second;
    second.Put<int32_t>(16, 2).Text(20, "構築物").Put<int16_t>(102, 2);
    EXPECT_EQ(FirstDifference(pTypes[0], first), -1);
    EXPECT_EQ(FirstDifference(pTypes[1], second), -1);
    CoTaskMemFree(pTypes);
}

TEST_F(RuleTest, NoAssetTypesGiveNullAndZero) {
    Link(ClFixtureDb());
    auto pRule = MakeRule();
    StSHISANKUBUNINFO* pTypes = reinterpret_cast<StSHISANKUBUNINFO*>(1);
    LONG lCount = -1;
    EXPECT_EQ(pRule->LoadShisanKubunInfo(&pTypes, &lCount), 0);
    EXPECT_EQ(pTypes, nullptr);
    EXPECT_EQ(lCount, 0);
}

TEST_F(RuleTest, UnpreparedOrStaleRulesFailWithoutHarm) {
    ClFixtureDb db;
    db.Asset({{"szAssetCode", "000001"}});
    Link(db);
    ClRuleGenkashokyaku unattached;
    EXPECT_NE(unattached.MoveReady(nullptr, ClRuleGenkashokyaku::SORT_POSITION,
                                   ClRuleGenkashokyaku::SUM_NONE),
              0);
    LONG lCount = 7;
    EXPECT_NE(unattached.GetCount(&lCount), 0);
    EXPECT_NE(unattached.Move(0, &m_master, &m_year, &m_month), 0);
    EXPECT_NE(unattached.MoveReadyIkkatsu(m_master.abBulkKey), 0);
    StFINDINFO find{};
    EXPECT_NE(MakeRule()->MoveReady(&find, ClRuleGenkashokyaku::SORT_POSITION,
                                    ClRuleGenkashokyaku::SUM_NONE),
              0);

    auto pRule = MakeRule();
    ASSERT_EQ(Ready(*pRule), 1);
    ClAccConnect::Inst()->Terminate();
    EXPECT_NE(pRule->Move(0, &m_master, &m_year, &m_month), 0);
    ASSERT_EQ(Connect(db), 0); // a new opening does not revive the old enumeration
    EXPECT_NE(pRule->Move(0, &m_master, &m_year, &m_month), 0);
    EXPECT_NE(pRule->GetCount(&lCount), 0);
    EXPECT_EQ(pRule->MoveFinish(), 0);
}

} // namespace
