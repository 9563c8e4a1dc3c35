// The export driver: opens the output files, walks the whole fixed-asset register (bulk
// assets with their sub-items) into the asset data file, then writes the asset types.
#pragma once

#include "export/ExportFileSet.h"

#include <memory>
#include <string>

class ClRuleGenkashokyaku;
struct StDATAINFO;
struct StKOTEISHISANINFO;
struct StKOTEINENINFO;
struct StKOTEITSUKIINFO;
struct StIKKATSUINFO;

class ClAssetExporter {
public:
    ClAssetExporter();
    virtual ~ClAssetExporter();
    ClAssetExporter(const ClAssetExporter&) = delete;
    ClAssetExporter& operator=(const ClAssetExporter&) = delete;

    // Windows path of the asset data file, set before the first step; the asset type file
    // and the error log go into its folder.
    std::string m_strPath;

    // The steps, called once each in this order. Each returns 1; the last two return 0
    // when no rule object can be created.
    long OpenAssetFile(const StDATAINFO* pInfo);
    long ExportAssets();
    long ExportAssetTypes(const StDATAINFO* pInfo);

    // What was written where, and which files failed.
    const ClExportFileSet& GetFileSet() const { return m_fileSet; }

private:
    // Creates and attaches the rule object on first use; FALSE when it cannot be created.
    BOOL PrepareRule();
    void _ExportBulkItems(const StKOTEISHISANINFO& master, const StKOTEINENINFO& year,
                          const StKOTEITSUKIINFO& month, StIKKATSUINFO& item);

    std::unique_ptr<ClRuleGenkashokyaku> m_pRule;
    ClExportFileSet m_fileSet;
};
