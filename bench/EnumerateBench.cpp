// Enumerates a generated register of a million assets through the stand-in, the way the
// export driver walks it, and reports the peak resident memory. Fails (status 1) when the
// peak exceeds the limit given with --max-rss-mb: memory must not grow with the register.
#include "platform/Process.h"
#include "services/AccConnect.h"
#include "services/DataMgr.h"
#include "services/LinkMgr.h"
#include "services/RuleGenkashokyaku.h"
#include "tests/services/Fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr long ASSETS = 1000000;
constexpr long BULK_EVERY = 1000; // every 1000th asset is a bulk asset with 3 sub-items

// VmHWM of /proc/self/status, in kB.
long PeakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine)) {
        if (strLine.rfind("VmHWM:", 0) == 0)
            return std::strtol(strLine.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Wall-clock seconds; <chrono> does not compile with the CP932 execution character set.
double Now() {
    std::timespec ts{};
    std::timespec_get(&ts, TIME_UTC);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// The register: every BULK_EVERY-th asset a bulk asset with three sub-items, the others
// spread over the method kinds. Names are UTF-8 written as hex (建物, 台): the source's
// literals are CP932.
const char S_GENERATE[] = R"(
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %ld - 1)
INSERT INTO assets (szDataID, position, szAssetCode, lTypeCode, szAssetName, szQuantity,
                    sMethodKind, abBulkKey, lAcqDate, cyAcqCost, cyOpeningBook, cyCalcDepr)
  SELECT '0001', i, printf('%%06d', i %% 1000000), 1 + i %% 11,
         CAST(X'E5BBBAE789A920' AS TEXT) || i, '1' || CAST(X'E58FB0' AS TEXT),
         CASE WHEN i %% %ld = 0 THEN 4 ELSE substr('1235678', 1 + i %% 7, 1) END,
         CASE WHEN i %% %ld = 0 THEN CAST(printf('B%%d', i) AS BLOB) END,
         20070401 + i %% 1000, i * 10000, i * 5000, i * 1000
  FROM n;
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + %ld FROM n WHERE i + %ld < %ld),
               k(j) AS (VALUES (0), (1), (2))
INSERT INTO bulk_items (szDataID, abBulkKey, position, szItemName, cyItemAcqCost)
  SELECT '0001', CAST(printf('B%%d', i) AS BLOB), j, 'item ' || j, 1500000000 FROM n, k;
)";

void Generate(const std::string& strPath) {
    char szSql[sizeof(S_GENERATE) + 64];
    std::snprintf(szSql, sizeof(szSql), S_GENERATE, ASSETS, BULK_EVERY, BULK_EVERY, BULK_EVERY,
                  BULK_EVERY, ASSETS);
    ClFixtureDb db;
    db.Sql(szSql);
    db.Write(strPath);
}

// The driver's walk: every asset, the sub-items of every bulk asset. Gives the rows seen.
long Enumerate() {
    ClRuleGenkashokyaku rule;
    rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
    rule.SetCurDataID(ClDataMgr::Inst()->GetSetObject(5, 1)->GetSelectedInfo()->szDataID);
    rule.AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    rule.MoveReady(nullptr, ClRuleGenkashokyaku::SORT_POSITION, ClRuleGenkashokyaku::SUM_NONE);
    LONG lCount = 0;
    rule.GetCount(&lCount);
    long lRows = 0;
    StKOTEISHISANINFO master;
    StKOTEINENINFO year;
    StKOTEITSUKIINFO month;
    StIKKATSUINFO item;
    for (long i = 0; i < lCount; ++i) {
        if (rule.Move(i, &master, &year, &month) != 0)
            return -1;
        if (master.sMethodKind != 4) {
            ++lRows;
            continue;
        }
        rule.MoveReadyIkkatsu(master.abBulkKey);
        LONG lItems = 0;
        rule.GetIkkatsuCount(&lItems);
        for (long j = 0; j < lItems; ++j)
            lRows += rule.MoveIkkatsu(j, &item) == 0;
        rule.MoveFinishIkkatsu();
    }
    StSHISANKUBUNINFO* pTypes = nullptr;
    rule.LoadShisanKubunInfo(&pTypes, &lCount);
    CoTaskMemFree(pTypes);
    rule.MoveFinish();
    return lRows;
}

} // namespace

int main(int argc, char** argv) {
    long lMaxRssMb = 0;
    if (argc == 3 && std::strcmp(argv[1], "--max-rss-mb") == 0)
        lMaxRssMb = std::strtol(argv[2], nullptr, 10);
    const std::string strPath =
        (std::filesystem::temp_directory_path() / "gk_bench_enumerate.db").string();

    double dStart = Now();
    Generate(strPath);
    std::printf("generated %ld assets in %.1f s, peak RSS %ld kB\n", ASSETS, Now() - dStart,
                PeakRssKb());

    setenv("ACCSYS_DB", strPath.c_str(), 1);
    ClAccConnect* pConn = ClAccConnect::Inst();
    pConn->m_pszTitle = "bench";
    dStart = Now();
    if (pConn->Initiate() != 0 || pConn->ExpSysLink() != 0)
        return 1;
    std::printf("checked at start-up in %.1f s\n", Now() - dStart);
    dStart = Now();
    const long lRows = Enumerate();
    std::printf("enumerated %ld rows in %.1f s\n", lRows, Now() - dStart);
    pConn->LogOut();
    pConn->Terminate();
    pConn->Release();
    std::filesystem::remove(strPath);

    const long lPeakMb = PeakRssKb() / 1024;
    const long lExpected = ASSETS - ASSETS / BULK_EVERY + 3 * (ASSETS / BULK_EVERY);
    std::printf("peak RSS %ld MB\n", lPeakMb);
    if (lRows != lExpected) {
        std::printf("expected %ld rows\n", lExpected);
        return 1;
    }
    return lMaxRssMb > 0 && lPeakMb >= lMaxRssMb ? 1 : 0;
}
