// The data manager's objects: the current user, the walk over the company data, the
// selected data's record, and the column orders kept per data.
#include "services/DataMgr.h"
#include "services/SaveTextIO.h"
#include "tests/services/AccTestSupport.h"

#include <array>
#include <cstring>

namespace {

TEST_F(AccSysTest, WalkDeliversEveryCompanyInPositionOrder) {
    ClFixtureDb db;
    db.Company({{"position", 5}, {"szDataID", "0099"}, {"lDataNo", 9}, {"sDataKind", 99}});
    db.Company({{"position", 2},
                {"szDataID", "0001"},
                {"lDataNo", 1},
                {"szCompanyName", "株式会社サンプル"},
                {"lPeriodStart", 20240401},
                {"lPeriodEnd", 20250331},
                {"sDataKind", 1},
                {"bCorpKind", 3}});
    Link(db);
    ClSetData* pSet = ClDataMgr::Inst()->GetSetObject(5, 1);
    ASSERT_NE(pSet, nullptr);
    long lCursor = 0;
    ASSERT_EQ(pSet->GetDatCursor(&lCursor), 0);
    EXPECT_EQ(pSet->ReadyDat(lCursor, 0), 0);
    StDATAINFO first;
    std::memset(&first, 0x55, sizeof(first));
    ASSERT_EQ(pSet->WalkDat(&first, lCursor), 0);
    // The record's bytes at their offsets; everything else zero.
    std::array<BYTE, 1505> expected{};
    const int32_t lNo = 1, lStart = 20240401, lEnd = 20250331;
    const int16_t sKind = 1;
    std::memcpy(&expected[0], "0001", 4);
    std::memcpy(&expected[16], &lNo, 4);
    std::memcpy(&expected[24], "株式会社サンプル", std::strlen("株式会社サンプル"));
    std::memcpy(&expected[284], &lStart, 4);
    std::memcpy(&expected[288], &lEnd, 4);
    std::memcpy(&expected[326], &sKind, 2);
    expected[344] = 3;
    EXPECT_EQ(std::memcmp(&first, expected.data(), 1505), 0);

    StDATAINFO second{};
    ASSERT_EQ(pSet->WalkDat(&second, lCursor), 0);
    EXPECT_STREQ(second.szDataID, "0099");
    EXPECT_EQ(+second.sDataKind, 99);
    EXPECT_NE(pSet->WalkDat(&second, lCursor), 0);
    // Ready again starts over.
    EXPECT_EQ(pSet->ReadyDat(lCursor, 0), 0);
    ASSERT_EQ(pSet->WalkDat(&second, lCursor), 0);
    EXPECT_STREQ(second.szDataID, "0001");
    EXPECT_EQ(pSet->ReleaseDatCursor(lCursor), 0);
    EXPECT_NE(pSet->WalkDat(&second, lCursor), 0);
    EXPECT_EQ(ClDataMgr::Inst()->GetSetObject(5, 2), nullptr);
}

TEST_F(AccSysTest, UserSelectionPicksTheSelectedInfo) {
    ClFixtureDb db;
    db.System("current_user", "suzuki");
    db.User({{"user_id", "sato"}, {"sel_no1", 1}, {"data_no", 1}});
    db.User({{"user_id", "suzuki"}, {"sel_no1", 4}, {"data_no", 2}});
    db.Company({{"szDataID", "0001"}, {"lDataNo", 1}});
    db.Company({{"szDataID", "0002"}, {"lDataNo", 2}, {"szCompanyName", "過去実績"}});
    db.Company({{"szDataID", "0003"}, {"lDataNo", 2}}); // a later match is not taken
    Link(db);
    ClSysUser* pUser = ClDataMgr::Inst()->GetSysUserObject();
    char szUser[65];
    ASSERT_EQ(pUser->GetCurUserID(szUser), 0);
    EXPECT_STREQ(szUser, "suzuki");
    LONG lSelNo1 = 0, lDataNo = 0;
    ASSERT_EQ(pUser->GetSelectedNo(szUser, &lSelNo1, &lDataNo), 0);
    EXPECT_EQ(lSelNo1, 4);
    EXPECT_EQ(lDataNo, 2);
    EXPECT_NE(pUser->GetSelectedNo("nobody", &lSelNo1, &lDataNo), 0);
    EXPECT_EQ(lSelNo1, 0);
    EXPECT_EQ(lDataNo, 0);

    const StDATAINFO* pInfo = ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    EXPECT_STREQ(pInfo->szDataID, "0002");
    EXPECT_STREQ(pInfo->szCompanyName, "過去実績");
}

TEST_F(AccSysTest, SelectionWithoutCompanyGivesAZeroRecord) {
    Link(ClFixtureDb().User({{"data_no", 7}}));
    const StDATAINFO* pInfo = ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    const std::array<BYTE, 1505> zero{};
    EXPECT_EQ(std::memcmp(pInfo, zero.data(), 1505), 0);
}

class SaveTextIOTest : public AccSysTest {
protected:
    // A settings object set up the way the text accessor does it.
    long Save(const char* szDataID, const char* szName, std::vector<int> order) {
        ClSaveTextIO save;
        save.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        save.SetCurDataID(reinterpret_cast<const unsigned char*>(szDataID));
        StTEXTIOSAVEINFO info{};
        std::strcpy(info.szName, szName);
        info.sCount = static_cast<int16_t>(order.size());
        for (std::size_t i = 0; i < order.size() && i < 100; ++i)
            info.cOrder[i] = static_cast<signed char>(order[i]);
        return save.SetData(&info);
    }
    long Load(const char* szDataID, const char* szName, StTEXTIOSAVEINFO& info) {
        ClSaveTextIO save;
        save.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        save.SetCurDataID(reinterpret_cast<const unsigned char*>(szDataID));
        std::memset(&info, 0x55, sizeof(info));
        std::memset(info.szName, 0, sizeof(info.szName));
        std::strcpy(info.szName, szName);
        return save.GetData(&info);
    }
};

TEST_F(SaveTextIOTest, StoresAndFetchesByDataAndName) {
    Link(ClFixtureDb());
    ASSERT_EQ(Save("0001", "G_SSC", {2, 0, 1}), 0);
    ASSERT_EQ(Save("0002", "G_SSC", {5}), 0);
    ASSERT_EQ(Save("0001", "G_INFO", {127, 0, 100, 3}), 0);
    StTEXTIOSAVEINFO info;
    ASSERT_EQ(Load("0001", "G_SSC", info), 0);
    EXPECT_STREQ(info.szName, "G_SSC");
    ASSERT_EQ(+info.sCount, 3);
    const signed char expected[100] = {2, 0, 1};
    EXPECT_EQ(std::memcmp(info.cOrder, expected, 100), 0);
    ASSERT_EQ(Load("0001", "G_INFO", info), 0);
    EXPECT_EQ(+info.sCount, 4);
    EXPECT_EQ(+info.cOrder[0], 127);
    EXPECT_EQ(+info.cOrder[2], 100);
    EXPECT_NE(Load("0001", "G_HEAD", info), 0);
    EXPECT_NE(Load("0003", "G_SSC", info), 0);
}

TEST_F(SaveTextIOTest, ReplacesAndKeepsAcrossConnections) {
    ClFixtureDb db;
    db.TextOrder(
        {{"szName", "G_SSC"}, {"sCount", 2}, {"cOrder", ClFixtureValue::Blob("\x01\x00\x07")}});
    Link(db);
    StTEXTIOSAVEINFO info;
    ASSERT_EQ(Load("0001", "G_SSC", info), 0);
    EXPECT_EQ(+info.sCount, 2);
    EXPECT_EQ(+info.cOrder[0], 1);
    EXPECT_EQ(+info.cOrder[1], 0);
    EXPECT_EQ(+info.cOrder[2], 0); // past the count
    ASSERT_EQ(Save("0001", "G_SSC", {}), 0);
    ClAccConnect::Inst()->Terminate();
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    ASSERT_EQ(Load("0001", "G_SSC", info), 0);
    EXPECT_EQ(+info.sCount, 0);
    EXPECT_EQ(+info.cOrder[0], 0);
}

TEST_F(SaveTextIOTest, RefusesWhatDoesNotFitTheRecord) {
    Link(ClFixtureDb());
    EXPECT_NE(Save("0001", "G_SSC", std::vector<int>(101, 1)), 0);
    ClSaveTextIO save;
    StTEXTIOSAVEINFO info{};
    EXPECT_NE(save.SetData(&info), 0); // no set manager attached
    EXPECT_NE(save.GetData(&info), 0);
    save.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    std::memset(info.szName, 'N', sizeof(info.szName)); // no terminator
    EXPECT_NE(save.SetData(&info), 0);
    info.sCount = -1;
    info.szName[0] = '\0';
    EXPECT_NE(save.SetData(&info), 0);
}

} // namespace
