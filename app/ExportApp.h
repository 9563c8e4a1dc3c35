// The application object: start-up and connection, the environment level check, the
// selected company data, the export run and the completion report.
#pragma once

#include "platform/DialogHost.h"
#include "platform/WinTypes.h"

#include <string>

struct StDATAINFO;
class ClSetData;
class ClExportFileSet;

// Caption of every message box and the connection's title.
extern const char G_TITLE[];

class ClExportApp : public ClWinApp {
public:
    // Kinds of GetDataInfoText.
    enum _InfoKind : short {
        INFO_COMPANY = 0,
        INFO_PERIOD = 1,
    };

    // Connects, checks the environment, links to the selected data and runs one export.
    // FALSE when no export took place.
    BOOL InitInstance() override;
    // Closes the connection, whatever InitInstance reached.
    int ExitInstance() override;

    // TRUE when WendmoorDef.ini in the current folder allows this program to run; with
    // bShowMsg a refusal is shown through the link library.
    BOOL CheckProgramLevel(BOOL bShowMsg);
    // The selected data's record, all zero when the walk finds no match. FALSE only for
    // a null pointer.
    BOOL LoadDataInfo(StDATAINFO* pInfo);
    // The dialog text of a kind: a blank and the company name, or a blank and the
    // accounting period. Lives in a static buffer until the next call.
    const char* GetDataInfoText(short sKind, const StDATAINFO* pInfo);
    // Starts szCmdLine in szCurDir and, with bWait, waits for its end and drops the input
    // that arrived meanwhile. FALSE when it did not start.
    BOOL ExecuteAndWait(const char* szCmdLine, const char* szCurDir, BYTE bWait);

private:
    // The level code: -1 no environment, 0 passes, 1 program too new, 2 program too old.
    int _GetLevelCode();
    void _EnterProgramFolder();
    // The dialog, the export and the completion report.
    BOOL _RunExport();
    void _ReportCompletion(const ClExportFileSet& fileSet, const std::string& strOutPath);
    void _ShowErrorLog(const char* szErrLog);

    ClSetData* m_pSetData = nullptr; // lent by the data manager, never freed here
};
