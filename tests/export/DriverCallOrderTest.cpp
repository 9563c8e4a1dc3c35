// The export driver against a recording rule object: which calls it makes on the rule
// service and in what order, what it hands to the conversion, and what it frees. This
// binary links its own definition of the rule classes in place of the stand-in's.
#include "platform/Process.h"
#include "services/DataMgr.h"
#include "services/RuleGenkashokyaku.h"
#include "tests/export/DriverSupport.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

struct StScriptAsset {
    std::int16_t sMethodKind;
    const char* szCode;
    const char* szKey; // bulk assets
    LONG lItems;       // bulk assets
};

// What the recording rule hands out, and what it saw.
struct StRuleScript {
    std::vector<StScriptAsset> assets;
    std::vector<StSHISANKUBUNINFO> types;
    bool bTypeArray = false; // LoadShisanKubunInfo hands out an array
    bool bRecord = true;     // calls are recorded
    std::vector<std::string> calls;
    bool bDirtyFetch = false; // a record came to be filled without being cleared
    bool bCountPreset = true; // every count was 0 when asked for
    const void* pTypeArray = nullptr;
    long lCurrent = -1;             // asset of the sub-item enumeration
    std::vector<const void*> freed; // CoTaskMemFree arguments
};
StRuleScript g_script;

void Record(std::string strCall) {
    if (g_script.bRecord)
        g_script.calls.push_back(std::move(strCall));
}

template <typename T>
void CheckCleared(const T* pRecord) {
    const BYTE* pb = reinterpret_cast<const BYTE*>(pRecord);
    if (std::any_of(pb, pb + sizeof(T), [](BYTE b) { return b != 0; }))
        g_script.bDirtyFetch = true;
}

// Leaves bytes in a record, so that a missing clear before the next fetch shows.
template <typename T>
void Soil(T* pRecord) {
    std::memset(reinterpret_cast<BYTE*>(pRecord) + sizeof(T) - 8, 0xEE, 8);
}

} // namespace

// The recording rule: the definitions the stand-in keeps in its rule source.
ClRuleBase::~ClRuleBase() = default;

long ClRuleBase::AttachSetMgr(ClSetMgr* pSetMgr) {
    Record(pSetMgr == ClDataMgr::Inst()->GetSetMgr() ? "AttachSetMgr" : "AttachSetMgr(other)");
    return 0;
}

long ClRuleBase::SetCurDataID(const char* szDataID) {
    Record(std::string("SetCurDataID ") + szDataID);
    return 0;
}

long ClRuleBase::AttachOptLink(ClOptLink* pOptLink) {
    Record(pOptLink != nullptr ? "AttachOptLink" : "AttachOptLink(null)");
    return 0;
}

ClRuleGenkashokyaku::~ClRuleGenkashokyaku() {
    Record("~ClRuleGenkashokyaku");
}

long ClRuleGenkashokyaku::MoveReady(StFINDINFO* pFind, _RuleGenkashokyaku_SortType eSort,
                                    _RuleGenkashokyaku_MoveReady_SumType eSum) {
    Record("MoveReady " + std::to_string(pFind == nullptr) + std::to_string(eSort) +
           std::to_string(eSum));
    return 0;
}

long ClRuleGenkashokyaku::GetCount(LONG* plCount) {
    Record("GetCount");
    g_script.bCountPreset &= *plCount == 0;
    *plCount = static_cast<LONG>(g_script.assets.size());
    return 0;
}

long ClRuleGenkashokyaku::Move(long lIndex, StKOTEISHISANINFO* pMaster, StKOTEINENINFO* pYear,
                               StKOTEITSUKIINFO* pMonth) {
    Record("Move " + std::to_string(lIndex));
    CheckCleared(pMaster);
    CheckCleared(pYear);
    CheckCleared(pMonth);
    const StScriptAsset& asset = g_script.assets.at(lIndex);
    pMaster->sMethodKind = asset.sMethodKind;
    std::strcpy(pMaster->szAssetCode, asset.szCode);
    if (asset.szKey != nullptr)
        std::memcpy(pMaster->abBulkKey, asset.szKey, std::strlen(asset.szKey));
    std::strcpy(pMaster->szQuantity, "1");
    Soil(pMaster);
    Soil(pYear);
    Soil(pMonth);
    g_script.lCurrent = lIndex;
    return 0;
}

long ClRuleGenkashokyaku::MoveReadyIkkatsu(const BYTE* pbKey) {
    // The whole 16-byte key, printed up to its first zero byte.
    std::string strKey(reinterpret_cast<const char*>(pbKey), 16);
    Record("MoveReadyIkkatsu " + strKey.substr(0, strKey.find('\0')));
    return 0;
}

long ClRuleGenkashokyaku::GetIkkatsuCount(LONG* plCount) {
    Record("GetIkkatsuCount");
    g_script.bCountPreset &= *plCount == 0;
    *plCount = g_script.assets.at(g_script.lCurrent).lItems;
    return 0;
}

long ClRuleGenkashokyaku::MoveIkkatsu(long lIndex, StIKKATSUINFO* pItem) {
    Record("MoveIkkatsu " + std::to_string(lIndex));
    CheckCleared(pItem);
    std::strcpy(pItem->szItemNo, "ZZZZZZZZZZZZ"); // the driver's number replaces it
    std::strcpy(pItem->szItemName, "item");
    pItem->lItemQuantity = 100;
    Soil(pItem);
    return 0;
}

long ClRuleGenkashokyaku::MoveFinishIkkatsu() {
    Record("MoveFinishIkkatsu");
    return 0;
}

long ClRuleGenkashokyaku::LoadShisanKubunInfo(StSHISANKUBUNINFO** ppInfo, LONG* plCount) {
    Record("LoadShisanKubunInfo");
    g_script.bCountPreset &= *plCount == 0 && *ppInfo == nullptr;
    if (g_script.bTypeArray) {
        std::size_t cb =
            sizeof(StSHISANKUBUNINFO) * std::max<std::size_t>(1, g_script.types.size());
        auto* pTypes = static_cast<StSHISANKUBUNINFO*>(CoTaskMemAlloc(cb));
        std::copy(g_script.types.begin(), g_script.types.end(), pTypes);
        *ppInfo = pTypes;
        g_script.pTypeArray = pTypes;
    }
    *plCount = static_cast<LONG>(g_script.types.size());
    return 0;
}

long ClRuleGenkashokyaku::MoveFinish() {
    Record("MoveFinish");
    return 0;
}

// The driver's CoTaskMemFree, seen on its way to the platform's (linked with --wrap).
extern "C" void __real__Z13CoTaskMemFreePv(void* pv);
extern "C" void __wrap__Z13CoTaskMemFreePv(void* pv) {
    g_script.freed.push_back(pv);
    Record("CoTaskMemFree");
    __real__Z13CoTaskMemFreePv(pv);
}

// Heap allocations while counting is on.
namespace {
bool g_bCountNew = false;
long g_lNewCount = 0;
} // namespace

// The whole family is replaced, so that every allocation and release meets its match.
namespace {
void* _CountedAlloc(std::size_t cb) noexcept {
    if (g_bCountNew)
        ++g_lNewCount;
    return std::malloc(cb ? cb : 1);
}
void* _CountedAllocOrThrow(std::size_t cb) {
    if (void* p = _CountedAlloc(cb))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t cb) {
    return _CountedAllocOrThrow(cb);
}
void* operator new[](std::size_t cb) {
    return _CountedAllocOrThrow(cb);
}
void* operator new(std::size_t cb, const std::nothrow_t&) noexcept {
    return _CountedAlloc(cb);
}
void* operator new[](std::size_t cb, const std::nothrow_t&) noexcept {
    return _CountedAlloc(cb);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

class DriverCallOrder : public DriverTest {
protected:
    void SetUp() override {
        DriverTest::SetUp();
        g_script = StRuleScript();
        Connect(ClFixtureDb());
        m_info = gk_test::MakeInfo("会社", 20240401, 20250331, 0);
    }
    // The calls of one asset's sub-item walk that hands over lHanded sub-items.
    static std::vector<std::string> BulkCalls(const char* szKey, long lFetched) {
        std::vector<std::string> calls = {std::string("MoveReadyIkkatsu ") + szKey,
                                          "GetIkkatsuCount"};
        for (long j = 0; j < lFetched; ++j)
            calls.push_back("MoveIkkatsu " + std::to_string(j));
        calls.push_back("MoveFinishIkkatsu");
        return calls;
    }
    static std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
    static long Count(const std::string& strText, const std::string& strPart) {
        long lCount = 0;
        for (std::size_t n = strText.find(strPart); n != std::string::npos;
             n = strText.find(strPart, n + 1))
            ++lCount;
        return lCount;
    }

    StDATAINFO m_info{};
};

const std::vector<std::string> PREPARE = {"AttachSetMgr", "SetCurDataID 0001", "AttachOptLink"};
const std::vector<std::string> ENUMERATE = {"MoveReady 100", "GetCount"};
const std::vector<std::string> FINISH = {"MoveFinish", "~ClRuleGenkashokyaku"};

TEST_F(DriverCallOrder, BulkAssetWithoutSubItemsAsksOnceAndWritesNoRow) {
    g_script.assets = {{4, "123456", "K1", 0}};
    RunExport(m_info);
    EXPECT_THAT(g_script.calls, ElementsAreArray(Concat({PREPARE,
                                                         ENUMERATE,
                                                         {"Move 0"},
                                                         BulkCalls("K1", 0),
                                                         {"LoadShisanKubunInfo"},
                                                         FINISH})));
    EXPECT_TRUE(RowCodes().empty());
    EXPECT_EQ(ErrLog(), "");
    EXPECT_TRUE(g_script.freed.empty());
    EXPECT_TRUE(g_script.bCountPreset);
}

// 150 sub-items: 1 to 99 become rows, the hundredth its warning, the 101st is fetched
// but not handed over, and the rest are never asked for.
TEST_F(DriverCallOrder, BulkAssetHandsOverAtMostOneHundredSubItems) {
    g_script.assets = {{4, "123456", "KEY-0123456789AB", 150}, {6, "777", nullptr, 0}};
    RunExport(m_info);
    EXPECT_THAT(g_script.calls, ElementsAreArray(Concat({PREPARE,
                                                         ENUMERATE,
                                                         {"Move 0"},
                                                         BulkCalls("KEY-0123456789AB", 101),
                                                         {"Move 1", "LoadShisanKubunInfo"},
                                                         FINISH})));
    std::vector<std::string> expected;
    for (int j = 1; j <= 99; ++j)
        expected.push_back("123456" + std::string(j < 10 ? "0" : "") + std::to_string(j));
    expected.push_back("000777");
    EXPECT_THAT(RowCodes(), ElementsAreArray(expected));
    EXPECT_EQ(Count(ErrLog(), "連携可能な最大内訳件数は99件です。"), 1);
    EXPECT_EQ(Count(ErrLog(), "＜"), 1);
    EXPECT_FALSE(g_script.bDirtyFetch);
}

TEST_F(DriverCallOrder, NinetyNineSubItemsAreAllHandedOver) {
    g_script.assets = {{4, "ABCDEF", "K", 99}};
    RunExport(m_info);
    EXPECT_EQ(RowCodes().size(), 99u);
    EXPECT_EQ(RowCodes().back(), "ABCDEF99");
    EXPECT_EQ(ErrLog(), "");
    EXPECT_EQ(std::count(g_script.calls.begin(), g_script.calls.end(), "MoveIkkatsu 98"), 1);
    EXPECT_EQ(std::count(g_script.calls.begin(), g_script.calls.end(), "MoveIkkatsu 99"), 0);
}

TEST_F(DriverCallOrder, EveryBulkAssetNumbersItsSubItemsFromOne) {
    g_script.assets = {{4, "AAAAAA", "KA", 2}, {1, "CCCCCC", nullptr, 0}, {4, "BBBBBB", "KB", 1}};
    RunExport(m_info);
    EXPECT_THAT(RowCodes(), ElementsAre("AAAAAA01", "AAAAAA02", "CCCCCC", "BBBBBB01"));
    EXPECT_THAT(g_script.calls, ElementsAreArray(Concat({PREPARE,
                                                         ENUMERATE,
                                                         {"Move 0"},
                                                         BulkCalls("KA", 2),
                                                         {"Move 1", "Move 2"},
                                                         BulkCalls("KB", 1),
                                                         {"LoadShisanKubunInfo"},
                                                         FINISH})));
    EXPECT_FALSE(g_script.bDirtyFetch);
    EXPECT_TRUE(g_script.bCountPreset);
}

TEST_F(DriverCallOrder, AssetTypeArrayIsWrittenAndFreedOnce) {
    StSHISANKUBUNINFO a{}, b{};
    a.lCode = 1;
    std::strcpy(a.szName, "建物");
    a.sMethod = 2;
    b.lCode = 11;
    std::strcpy(b.szName, "土地");
    g_script.types = {a, b};
    g_script.bTypeArray = true;
    RunExport(m_info);
    EXPECT_THAT(g_script.freed, ElementsAre(g_script.pTypeArray));
    std::vector<std::string> lines = Lines(TypeFile());
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[16], "[SisanSyurui]");
    EXPECT_TRUE(lines[17].starts_with("01,建物,"));
    EXPECT_TRUE(lines[18].starts_with("11,土地,"));
    // The array is freed after the asset type file is closed, before the rule finishes.
    EXPECT_THAT(g_script.calls,
                ElementsAreArray(Concat(
                    {PREPARE, ENUMERATE, {"LoadShisanKubunInfo"}, {"CoTaskMemFree"}, FINISH})));
}

TEST_F(DriverCallOrder, EmptyTypeArrayIsFreedAndANullOneIsNot) {
    g_script.bTypeArray = true; // an array of no records
    RunExport(m_info);
    EXPECT_THAT(g_script.freed, ElementsAre(g_script.pTypeArray));
    EXPECT_TRUE(TypeFile().ends_with("[SisanSyurui]\r\n"));

    g_script = StRuleScript(); // no array at all
    RunExport(m_info);
    EXPECT_TRUE(g_script.freed.empty());
    EXPECT_TRUE(TypeFile().ends_with("[SisanSyurui]\r\n"));
}

TEST_F(DriverCallOrder, AssetTypesAloneStillPrepareTheRule) {
    {
        ClAssetExporter exporter;
        exporter.m_strPath = "C:\\out\\assets.csv";
        exporter.OpenAssetFile(&m_info);
        EXPECT_EQ(exporter.ExportAssetTypes(&m_info), 1);
    }
    EXPECT_THAT(g_script.calls,
                ElementsAreArray(Concat({PREPARE, {"LoadShisanKubunInfo"}, FINISH})));
    EXPECT_TRUE(TypeFile().ends_with("[SisanSyurui]\r\n"));
}

// An exporter whose enumeration never ran closes its files when it goes, with what was
// written, and never touches a rule it did not create.
TEST_F(DriverCallOrder, EndingAfterTheFirstStepClosesTheFilesWithoutARule) {
    {
        ClAssetExporter exporter;
        exporter.m_strPath = "C:\\out\\assets.csv";
        exporter.OpenAssetFile(&m_info);
    }
    EXPECT_TRUE(g_script.calls.empty());
    EXPECT_EQ(Lines(AssetFile()).size(), 7u);
    EXPECT_EQ(ErrLog(), "");
}

// The driver's records live on its stack: a register twice as long costs no more heap
// allocations. Codes that fail the character check are not registered by the conversion.
TEST_F(DriverCallOrder, NoHeapAllocationPerAsset) {
    auto allocations = [this](std::size_t nAssets) {
        g_script = StRuleScript();
        g_script.bRecord = false;
        g_script.assets.assign(nAssets, {1, "A-1", nullptr, 0});
        g_script.assets.push_back({4, "B-1", "K", 5});
        ClAssetExporter exporter;
        exporter.m_strPath = "C:\\out\\assets.csv";
        exporter.OpenAssetFile(&m_info);
        g_lNewCount = 0;
        g_bCountNew = true;
        exporter.ExportAssets();
        g_bCountNew = false;
        return g_lNewCount;
    };
    long lShort = allocations(10);
    long lLong = allocations(20);
    EXPECT_EQ(lShort, lLong);
    EXPECT_EQ(RowCodes().size(), 25u);
}

} // namespace
