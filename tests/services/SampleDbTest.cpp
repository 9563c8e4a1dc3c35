// The sample company data built beside the programs: it passes the start-up check and has
// what the export is meant to show on it.
#include "platform/Process.h"
#include "services/DataMgr.h"
#include "services/LinkMgr.h"
#include "services/RuleGenkashokyaku.h"
#include "tests/services/AccTestSupport.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

namespace {

using ::testing::HasSubstr;

TEST_F(AccSysTest, SampleDatabaseLinksAndHoldsARealisticRegister) {
    setenv("ACCSYS_DB", GK_SAMPLE_DB, 1);
    ASSERT_EQ(ClAccConnect::Inst()->Initiate(), 0);
    ASSERT_EQ(ClAccConnect::Inst()->ExpSysLink(), 0);
    EXPECT_TRUE(m_recorder.m_boxes.empty());

    const StDATAINFO* pInfo = ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo();
    EXPECT_STREQ(pInfo->szCompanyName, "株式会社サンプル");
    EXPECT_EQ(+pInfo->lPeriodStart, 20240401);
    EXPECT_EQ(+pInfo->lPeriodEnd, 20250331);
    EXPECT_NE(+pInfo->sDataKind, 99);

    ClRuleGenkashokyaku rule;
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID(pInfo->szDataID);
    rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    ASSERT_EQ(
        rule.MoveReady(nullptr, ClRuleGenkashokyaku::SORT_POSITION, ClRuleGenkashokyaku::SUM_NONE),
        0);
    LONG lCount = 0;
    ASSERT_EQ(rule.GetCount(&lCount), 0);
    EXPECT_GE(lCount, 35);

    std::set<int> kinds;
    std::set<int> disposals;
    std::vector<LONG> bulkItems;
    std::map<std::string, int> codes;
    bool bLongCode = false, bLongName = false;
    for (long i = 0; i < lCount; ++i) {
        StKOTEISHISANINFO master;
        StKOTEINENINFO year;
        StKOTEITSUKIINFO month;
        ASSERT_EQ(rule.Move(i, &master, &year, &month), 0);
        kinds.insert(master.sMethodKind);
        disposals.insert(master.sDisposalKind);
        ++codes[master.szAssetCode];
        bLongCode |= std::strlen(master.szAssetCode) == 7;
        bLongName |= std::strlen(master.szAssetName) > 32;
        if (master.sMethodKind == 4) {
            ASSERT_EQ(rule.MoveReadyIkkatsu(master.abBulkKey), 0);
            LONG lItems = 0;
            ASSERT_EQ(rule.GetIkkatsuCount(&lItems), 0);
            bulkItems.push_back(lItems);
            rule.MoveFinishIkkatsu();
        }
    }
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(disposals.count(4) && disposals.count(5));
    ASSERT_EQ(bulkItems.size(), 2u);
    EXPECT_GT(std::max(bulkItems[0], bulkItems[1]), 99);
    EXPECT_TRUE(bLongCode);
    EXPECT_TRUE(bLongName);
    EXPECT_TRUE(
        std::any_of(codes.begin(), codes.end(), [](const auto& c) { return c.second > 1; }));

    StSHISANKUBUNINFO* pTypes = nullptr;
    ASSERT_EQ(rule.LoadShisanKubunInfo(&pTypes, &lCount), 0);
    ASSERT_EQ(lCount, 11);
    for (LONG i = 0; i < lCount; ++i)
        EXPECT_EQ(+pTypes[i].lCode, i + 1);
    CoTaskMemFree(pTypes);
    rule.MoveFinish();

    // The second user's selection is the past-results data.
    LONG lSelNo1 = 0, lDataNo = 0;
    ASSERT_EQ(ClDataMgr::Inst()->GetSysUserObject()->GetSelectedNo("suzuki", &lSelNo1, &lDataNo),
              0);
    ClSetData* pSet = ClDataMgr::Inst()->GetSetObject(5, 1);
    long lCursor = 0;
    pSet->GetDatCursor(&lCursor);
    StDATAINFO data{};
    bool bPastFound = false;
    while (pSet->WalkDat(&data, lCursor) == 0)
        bPastFound |= data.lDataNo == lDataNo && data.sDataKind == 99;
    pSet->ReleaseDatCursor(lCursor);
    EXPECT_TRUE(bPastFound);
}

TEST_F(AccSysTest, WithoutAccsysDbTheDatabaseBesideTheProgramIsOpened) {
    unsetenv("ACCSYS_DB");
    const std::string strBeside =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "sample.db").string();
    if (std::filesystem::exists(strBeside))
        GTEST_SKIP() << strBeside << " exists; this test needs it absent";
    EXPECT_NE(ClAccConnect::Inst()->Initiate(), 0);
    ASSERT_EQ(m_recorder.m_boxes.size(), 1u);
    EXPECT_THAT(m_recorder.m_boxes[0].strText, HasSubstr(strBeside));
}

} // namespace
