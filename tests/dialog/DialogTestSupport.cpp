#include "tests/dialog/DialogTestSupport.h"

#include "platform/CodePage.h"
#include "platform/DriveMap.h"
#include "platform/ui/UiBackend.h"
#include "services/Edition.h"
#include "services/FileMgr.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <regex>

namespace gk_dialog_test {

namespace {

std::string g_astrFolders[2];
int g_nReleases = 0;
int g_nRun = 0;

std::string _MapText(const fs::path& base, const std::string& strTemp) {
    const auto dir = [&base](const char* szName) { return (base / szName).string(); };
    return "[drives]\n"
           "C = fixed " +
           dir("c") + "\n" + "D = fixed " + dir("d") + "\n" + "E = removable " + dir("e-missing") +
           "\n" + "R = cdrom " + dir("r") + "\n" + "M = ramdisk " + dir("m") + "\n" +
           "U = unknown " + dir("u") + "\n" + "N = 7 " + dir("n") + "\n" +
           "[shares]\n"
           "\\\\server\\share = " +
           dir("share") + "\n" + "\\\\server\\gone = " + dir("gone") + "\n" +
           "[system]\n"
           "temp = " +
           strTemp + "\n";
}

// The drives' host folders live as long as the test process.
struct StTempBase {
    fs::path base;
    StTempBase() {
        std::random_device rd;
        base = fs::temp_directory_path() /
               ("gk-dialog-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        for (const char* szDir : {"c", "d", "r", "m", "u", "n", "share"})
            fs::create_directories(base / szDir);
        std::ofstream(base / "drives.map") << _MapText(base, "C:\\TEMP\\");
        setenv("GKLINK_DRIVES", (base / "drives.map").c_str(), 1);
    }
    ~StTempBase() {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
};

} // namespace

const fs::path& Base() {
    static const StTempBase base;
    return base.base;
}

fs::path HostC(const std::string& strRel) {
    std::string strUtf8;
    EXPECT_TRUE(Cp932ToUtf8(strRel, strUtf8));
    std::replace(strUtf8.begin(), strUtf8.end(), '\\', '/');
    return Base() / "c" / strUtf8;
}

void ResetDriveC() {
    const fs::path c = Base() / "c";
    for (const auto& entry : fs::directory_iterator(c))
        fs::remove_all(entry.path());
    SetAppFolders("", "");
    SetTempFolder("C:\\TEMP\\");
}

void SetTempFolder(const std::string& strTemp) {
    std::string strError;
    ASSERT_TRUE(ClDriveMap::Inst().Parse(_MapText(Base(), strTemp), "test map", strError))
        << strError;
}

void SetAppFolders(const std::string& strOutput, const std::string& strSettings) {
    g_astrFolders[0] = strOutput;
    g_astrFolders[1] = strSettings;
}

int FileMgrReleases() {
    return g_nReleases;
}

std::string ReadHost(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteHost(const fs::path& path, const std::string& strBytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << strBytes;
}

std::string U8(const char8_t* sz) {
    return reinterpret_cast<const char*>(sz);
}

std::string ToUtf8(const std::string& strCp932) {
    std::string strUtf8;
    EXPECT_TRUE(Cp932ToUtf8(strCp932, strUtf8));
    return strUtf8;
}

std::string TranscriptPath(const std::string& strTag) {
    return (Base() / ("transcript-" + strTag + ".jsonl")).string();
}

void ActivateScript(const std::string& strScript, const std::string& strTag) {
    const fs::path script = Base() / ("script-" + strTag + ".txt");
    WriteHost(script, strScript);
    setenv("GKLINK_TRANSCRIPT", TranscriptPath(strTag).c_str(), 1);
    std::string strError;
    ASSERT_TRUE(ClUiBackend::Activate("script:" + script.string(), strError)) << strError;
}

int RunScript(ClExportDlg& rDlg, const std::string& strScript, std::string& strTranscript,
              const std::string& strTag) {
    const std::string strName = strTag.empty() ? "run" + std::to_string(++g_nRun) : strTag;
    ActivateScript(strScript, strName);
    const int nResult = rDlg.DoModal();
    ClUiBackend::Activate(nullptr);
    strTranscript = ReadHost(TranscriptPath(strName));
    return nResult;
}

std::vector<std::string> Events(const std::string& strTranscript) {
    static const std::regex reEvent("^\\{\"event\":\"([a-z]+)\"");
    static const std::regex reNumber("\"(?:id|result)\":(-?[0-9]+)");
    static const std::regex reText("\"text\":\"((?:[^\"\\\\]|\\\\.)*)\"");
    std::vector<std::string> vec;
    std::size_t nPos = 0;
    for (std::size_t nEnd; (nEnd = strTranscript.find('\n', nPos)) != std::string::npos;
         nPos = nEnd + 1) {
        const std::string strLine = strTranscript.substr(nPos, nEnd - nPos);
        std::smatch m, t;
        if (!std::regex_search(strLine, m, reEvent)) {
            vec.push_back("?" + strLine);
            continue;
        }
        std::string strEvent = m[1];
        if ((strEvent == "msgbox" || strEvent == "error") && std::regex_search(strLine, t, reText))
            strEvent += ":" + t[1].str();
        else if ((strEvent == "focus" || strEvent == "end") &&
                 std::regex_search(strLine, t, reNumber))
            strEvent += ":" + t[1].str();
        vec.push_back(strEvent);
    }
    return vec;
}

void PrepareDialog(ClExportDlg& rDlg, const char* szUser) {
    std::strncpy(rDlg.m_szUserID, szUser, sizeof rDlg.m_szUserID - 1);
    rDlg.m_lSelNo1 = 1;
    rDlg.m_lDataNo = 3;
    rDlg.m_strOffice = " 株式会社サンプル";
    rDlg.m_strPeriod = " 2024/04/01～2025/03/31";
}

} // namespace gk_dialog_test

// The accounting system's side, as far as the dialog uses it.
const StEDITION G_EDITION = {ClSysEnvMgr::APP_DOVRANE, "Dovrane.env", "DovlogSysErr.txt"};

ClFileMgr* ClFileMgr::Inst() {
    static ClFileMgr s_mgr;
    return &s_mgr;
}

const char* ClFileMgr::GetAppFolderPath(long lKind) {
    if (lKind != FOLDER_OUTPUT && lKind != FOLDER_SETTINGS)
        return "";
    const std::string& strFolder = gk_dialog_test::g_astrFolders[lKind];
    std::strncpy(m_aszFolder[lKind], strFolder.c_str(), sizeof m_aszFolder[lKind] - 1);
    return m_aszFolder[lKind];
}

long ClFileMgr::Release() {
    ++gk_dialog_test::g_nReleases;
    return 0;
}
