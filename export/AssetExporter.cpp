// The export driver.
#include "export/AssetExporter.h"
#include "platform/Process.h"
#include "services/DataMgr.h"
#include "services/LinkMgr.h"
#include "services/RuleGenkashokyaku.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

constexpr std::int16_t METHOD_BULK = 4; // a bulk asset: its sub-items become the rows
// Sub-items handed to the conversion: 1 to 99 become rows, the hundredth its warning.
constexpr LONG MAX_ITEMS_HANDED = 100;

} // namespace

ClAssetExporter::ClAssetExporter() = default;

// The rule's enumeration ends only here; the file set then closes what is still open,
// and the rule goes last.
ClAssetExporter::~ClAssetExporter() {
    if (m_pRule)
        m_pRule->MoveFinish();
}

long ClAssetExporter::OpenAssetFile(const StDATAINFO* pInfo) {
    m_fileSet.OpenOutput(ClExportFileSet::OUT_ERRLOG, m_strPath.c_str());
    m_fileSet.OpenOutput(ClExportFileSet::OUT_ASSET, m_strPath.c_str());
    m_fileSet.WriteAssetHeader(pInfo);
    return 1;
}

BOOL ClAssetExporter::PrepareRule() {
    if (m_pRule)
        return TRUE;
    m_pRule.reset(new (std::nothrow) ClRuleGenkashokyaku);
    if (!m_pRule)
        return FALSE;
    ClDataMgr* pDataMgr = ClDataMgr::Inst();
    m_pRule->AttachSetMgr(pDataMgr->GetSetMgr());
    char szDataID[sizeof StDATAINFO::szDataID + 1] = {};
    ClSetData* pSetData = pDataMgr->GetSetObject(5, 1);
    if (const StDATAINFO* pSelected = pSetData ? pSetData->GetSelectedInfo() : nullptr)
        std::memcpy(szDataID, pSelected->szDataID, sizeof pSelected->szDataID);
    m_pRule->SetCurDataID(szDataID);
    m_pRule->AttachOptLink(ClLinkMgr::Inst()->GetOptLink());
    return TRUE;
}

long ClAssetExporter::ExportAssets() {
    if (!PrepareRule())
        return 0;
    StKOTEISHISANINFO master;
    StKOTEINENINFO year;
    StKOTEITSUKIINFO month;
    // Read by the conversion only for bulk sub-items; ordinary assets take it as it stands.
    StIKKATSUINFO item{};
    LONG lCount = 0;
    m_pRule->MoveReady(nullptr, ClRuleGenkashokyaku::SORT_POSITION, ClRuleGenkashokyaku::SUM_NONE);
    m_pRule->GetCount(&lCount);
    for (LONG i = 0; i < lCount; ++i) {
        std::memset(&master, 0, sizeof master);
        std::memset(&year, 0, sizeof year);
        std::memset(&month, 0, sizeof month);
        m_pRule->Move(i, &master, &year, &month);
        if (master.sMethodKind == METHOD_BULK)
            _ExportBulkItems(master, year, month, item);
        else
            m_fileSet.WriteAssetRow(&master, &year, &month, &item);
    }
    m_fileSet.CloseOutput(ClExportFileSet::OUT_ASSET);
    m_fileSet.CloseOutput(ClExportFileSet::OUT_ERRLOG);
    return 1;
}

// The sub-items are numbered by the driver, whatever the rule service put there. The
// enumeration stops right after fetching the first one beyond the hundredth.
void ClAssetExporter::_ExportBulkItems(const StKOTEISHISANINFO& master, const StKOTEINENINFO& year,
                                       const StKOTEITSUKIINFO& month, StIKKATSUINFO& item) {
    BYTE abKey[sizeof master.abBulkKey];
    std::memcpy(abKey, master.abBulkKey, sizeof abKey);
    m_pRule->MoveReadyIkkatsu(abKey);
    LONG lItems = 0;
    m_pRule->GetIkkatsuCount(&lItems);
    for (LONG j = 0; j < lItems; ++j) {
        std::memset(&item, 0, sizeof item);
        m_pRule->MoveIkkatsu(j, &item);
        std::memset(item.szItemNo, 0, sizeof item.szItemNo);
        std::snprintf(item.szItemNo, sizeof item.szItemNo, "%d", static_cast<int>(j + 1));
        if (j >= MAX_ITEMS_HANDED)
            break;
        m_fileSet.WriteAssetRow(&master, &year, &month, &item);
    }
    m_pRule->MoveFinishIkkatsu();
}

long ClAssetExporter::ExportAssetTypes(const StDATAINFO* pInfo) {
    m_fileSet.OpenOutput(ClExportFileSet::OUT_ASSETTYPE, m_strPath.c_str());
    m_fileSet.WriteAssetTypeHeader(pInfo);
    if (!PrepareRule())
        return 0;
    StSHISANKUBUNINFO* pTypes = nullptr;
    LONG lCount = 0;
    m_pRule->LoadShisanKubunInfo(&pTypes, &lCount);
    for (LONG i = 0; pTypes != nullptr && i < lCount; ++i)
        m_fileSet.WriteAssetTypeRow(&pTypes[i]);
    m_fileSet.CloseOutput(ClExportFileSet::OUT_ASSETTYPE);
    if (pTypes != nullptr)
        CoTaskMemFree(pTypes);
    return 1;
}
