// Test ground of the dialog layer: drives on fresh host folders, the file manager's two
// folders set per test, and the dialog run through the script backend.
#pragma once

#include "dialog/ExportDlg.h"

#include <filesystem>
#include <string>
#include <vector>

namespace gk_dialog_test {

namespace fs = std::filesystem;

// The host folder behind all test drives. The first call writes the drive map and points
// GKLINK_DRIVES at it; call it before anything uses the drive map. Drives:
//   C: D: fixed, E: removable without host folder, R: cdrom, M: ramdisk, U: unknown,
//   N: type 7; shares \\server\share (there) and \\server\gone (no host folder);
//   temp C:\TEMP\ (see SetTempFolder).
const fs::path& Base();
// The host path of a path under C:\ ("a\b" is C:\a\b).
fs::path HostC(const std::string& strRel);
// Empties C:\ and resets the file manager's folders to empty.
void ResetDriveC();
// Reloads the map with another temporary folder (a Windows path, UTF-8).
void SetTempFolder(const std::string& strTemp);

// What ClFileMgr::GetAppFolderPath returns for kinds 0 and 1 (CP932).
void SetAppFolders(const std::string& strOutput, const std::string& strSettings);
int FileMgrReleases();

std::string ReadHost(const fs::path& path);
void WriteHost(const fs::path& path, const std::string& strBytes);

// UTF-8 text of a u8 literal (not touched by the CP932 execution character set).
std::string U8(const char8_t* sz);
std::string ToUtf8(const std::string& strCp932);

// Runs rDlg modally with the script backend on strScript (UTF-8 lines); returns the result
// and the transcript. The files are named after strTag, else numbered.
int RunScript(ClExportDlg& rDlg, const std::string& strScript, std::string& strTranscript,
              const std::string& strTag = "");
// The transcript file of a tag (a death test's child writes it for the parent to read).
std::string TranscriptPath(const std::string& strTag);
// Makes the script backend active on strScript; strTag names its files.
void ActivateScript(const std::string& strScript, const std::string& strTag);

// Each transcript line shortened: "msgbox:TEXT", "error:TEXT", "focus:ID", "end:RESULT",
// else the event name. TEXT stays as the transcript escapes it.
std::vector<std::string> Events(const std::string& strTranscript);

// A dialog as the export run prepares it: ADMIN, numbers 1 and 3.
void PrepareDialog(ClExportDlg& rDlg, const char* szUser = "ADMIN");

} // namespace gk_dialog_test
