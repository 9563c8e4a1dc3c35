// A throw-away Windows machine for one end-to-end test: drives C:, D:, E: and a CD-ROM Q:
// in a temporary folder, a drive map, the program installed in C:\Apps\<Name>\ with its
// WendmoorDef.ini beside it, an accounting database and a stand-in for WordPad that
// records how it was started.
#pragma once

#include "tests/e2e/Transcript.h"
#include "tests/services/Fixture.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct StRUN {
    int nStatus = -1;             // exit status; 128 + n for a signal
    std::vector<StEVENT> vEvents; // the transcript
    std::string strStderr;

    // The events as FormatEvents gives them, "focus" events left out unless asked for.
    std::string Transcript(bool bWithFocus = false) const;
};

class ClMachine {
public:
    // The program is installed under its own name: Dovrane, Miltrace or Tesselm.
    explicit ClMachine(std::string strProgram = "Dovrane");
    ~ClMachine();
    ClMachine(const ClMachine&) = delete;
    ClMachine& operator=(const ClMachine&) = delete;

    // The host path of a Windows path on one of the machine's drives (C:, D:, E:, Q:).
    std::filesystem::path Host(const std::string& strWinPath) const;
    // Files by Windows path; texts are bytes (CP932 literals of the test sources).
    void Write(const std::string& strWinPath, const std::string& strBytes) const;
    std::string Read(const std::string& strWinPath) const;
    bool Exists(const std::string& strWinPath) const;
    // The Windows names of a folder's entries, sorted; empty for a missing folder.
    std::vector<std::string> List(const std::string& strWinFolder) const;

    // WendmoorDef.ini beside the program: its bytes, or none at all.
    void SetIni(std::optional<std::string> strBytes) { m_strIni = std::move(strBytes); }
    // An entry of the drive map's [system] section (windows, temp, version); an empty
    // value leaves the entry out.
    void SetSystem(const std::string& strKey, const std::string& strValue);
    // The accounting database: user ADMIN (and SUBADMIN) with selection 1/3, the standard
    // company "株式会社サンプル" (data number 3, 2024/04/01 to 2025/03/31, data ID
    // FIXTURE_DATAID) between two others, one asset type, no assets.
    ClFixtureDb& Db() { return m_db; }
    // An asset with the code ABC-12: the export writes a message about it into the error log.
    void AddFaultyAsset();
    // Removes the stand-in for WordPad.
    void RemoveViewer();

    // Runs the program with the script lines (UTF-8) and waits for its end.
    StRUN Run(const std::vector<std::string>& vScript);

    // How the viewer was started: its arguments and host current folder, one per line,
    // and "early" when the completion message was already shown while it was running.
    std::string ViewerLog() const;

    const std::string& Program() const { return m_strProgram; }
    // The folder the program is installed in (C:\Apps\<Name> unless set).
    void SetProgramFolder(const std::string& strWinFolder) { m_strProgramFolder = strWinFolder; }
    const std::string& ProgramFolder() const { return m_strProgramFolder; }

private:
    void _Install() const;
    void _WriteDriveMap() const;
    void _WriteDatabase() const;

    std::string m_strProgram;
    std::string m_strProgramFolder;
    std::filesystem::path m_root;
    std::optional<std::string> m_strIni = std::string("[ProgramLevel]\r\nGK13=1\r\n");
    std::map<std::string, std::string> m_mapSystem;
    ClFixtureDb m_db;
};
