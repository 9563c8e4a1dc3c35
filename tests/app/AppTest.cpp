// The application object: the connection's calls in every start, and the dialog texts.
#include "app/ExportApp.h"
#include "platform/Process.h"
#include "services/AccConnect.h"
#include "services/DataMgr.h"
#include "services/Edition.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

const StEDITION G_EDITION = {ClSysEnvMgr::APP_MILTRACE, "Test.env", "TestLog.txt"};

namespace {

// What the recording connection was asked, in order, and what it answers.
std::vector<std::string> g_vCalls;
long g_lInitiate = 0;
long g_lLink = 0;

void _Record(const std::string& strCall) {
    g_vCalls.push_back(strCall);
}

} // namespace

ClAccConnect* ClAccConnect::Inst() {
    static ClAccConnect s_inst;
    return &s_inst;
}
long ClAccConnect::SetAppType(ClSysEnvMgr::_AppType eAppType) {
    _Record("SetAppType " + std::to_string(eAppType) + " " + (m_pszTitle ? m_pszTitle : "-"));
    return 0;
}
long ClAccConnect::SetUseDataType(long lUseDataType) {
    _Record("SetUseDataType " + std::to_string(lUseDataType));
    return 0;
}
long ClAccConnect::Initiate() {
    _Record("Initiate");
    return g_lInitiate;
}
long ClAccConnect::ExpSysLink() {
    _Record("ExpSysLink");
    return g_lLink;
}
long ClAccConnect::DispMsg(HWND hOwner, const char* szText, const char* szCaption, UINT uType) {
    _Record(std::string("DispMsg ") + (hOwner ? "owned " : "") + szCaption + " " +
            std::to_string(uType) + " " + std::string(szText, 8));
    return 1;
}
long ClAccConnect::LogOut() {
    _Record("LogOut");
    return 0;
}
long ClAccConnect::Terminate() {
    _Record("Terminate");
    return 0;
}
long ClAccConnect::Release() {
    _Record("Release");
    return 0;
}

namespace {

namespace fs = std::filesystem;

// The test program's folder, through a drive map that maps the host root as Z:.
fs::path _UseHostDrive() {
    static const fs::path folder = [] {
        fs::path map =
            fs::temp_directory_path() / ("gk-app-test-" + std::to_string(std::random_device()()));
        std::ofstream(map) << "[drives]\nZ = fixed /\n[system]\nversion = nt\n";
        ::setenv("GKLINK_DRIVES", map.c_str(), 1);
        return fs::canonical("/proc/self/exe").parent_path();
    }();
    return folder;
}

TEST(App, ClosesTheConnectionAfterEveryStart) {
    const fs::path ini = _UseHostDrive() / "WendmoorDef.ini";
    const std::vector<std::string> vOpen = {"SetAppType 3 減価償却", "SetUseDataType 3",
                                            "Initiate"};
    const std::vector<std::string> vClose = {"LogOut", "Terminate", "Release"};
    struct {
        const char* szName;
        long lInitiate;
        const char* szIni; // null: no environment file
        long lLink;
        std::vector<std::string> vBetween; // after Initiate, before the closing calls
    } const cases[] = {
        {"InitiateFails", -1, "[ProgramLevel]\nGK13=1\n", 0, {}},
        {"NoEnvironment", 0, nullptr, 0, {"DispMsg 減価償却 48 動作環境"}},
        {"LevelTooOld", 0, "[ProgramLevel]\nGK13=2\n", 0, {"DispMsg 減価償却 48 ご利用の"}},
        {"LinkFails", 0, "[ProgramLevel]\nGK13=1\n", -1, {"ExpSysLink"}},
        // Linked, but without a user interface the dialog cannot be shown: no export.
        {"NoDialog", 0, "[ProgramLevel]\nGK13=1\n", 0, {"ExpSysLink"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szName);
        fs::remove(ini);
        if (c.szIni)
            std::ofstream(ini) << c.szIni;
        g_vCalls.clear();
        g_lInitiate = c.lInitiate;
        g_lLink = c.lLink;
        ClAccConnect::Inst()->m_pszTitle = nullptr;
        ClExportApp app;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.ExitInstance(), 0);
        std::vector<std::string> vExpected = vOpen;
        vExpected.insert(vExpected.end(), c.vBetween.begin(), c.vBetween.end());
        vExpected.insert(vExpected.end(), vClose.begin(), vClose.end());
        EXPECT_EQ(g_vCalls, vExpected);
    }
    fs::remove(ini);
}

TEST(App, DataInfoTexts) {
    ClExportApp app;
    StDATAINFO info{};
    std::strcpy(info.szCompanyName, "株式会社サンプル");
    info.lPeriodStart = 20240401;
    info.lPeriodEnd = 20250331;
    EXPECT_STREQ(app.GetDataInfoText(0, &info), " 株式会社サンプル");
    EXPECT_STREQ(app.GetDataInfoText(1, &info), " 2024/04/01\x81\x60"
                                                "2025/03/31");
    EXPECT_STREQ(app.GetDataInfoText(2, &info), "");
    EXPECT_STREQ(app.GetDataInfoText(0, nullptr), "");
    info.lPeriodStart = 0;
    EXPECT_STREQ(app.GetDataInfoText(1, &info), " 0000/00/00\x81\x60"
                                                "2025/03/31");
}

TEST(App, CompanyNameFillingItsWholeFieldIsCutOnAWholeCharacter) {
    ClExportApp app;
    StDATAINFO info{};
    // 260 bytes without a terminator, then the period's bytes: nothing beyond is read.
    std::memset(info.szCompanyName, 'x', 1);
    for (std::size_t i = 1; i + 1 < sizeof info.szCompanyName; i += 2)
        std::memcpy(info.szCompanyName + i, "\x95\x5C", 2); // 表
    info.szCompanyName[259] = 'y';
    info.lPeriodStart = 0x41414141;
    const std::string strText = app.GetDataInfoText(0, &info);
    // " x" and 126 characters: the 127th would end at the 255th byte.
    ASSERT_EQ(strText.size(), 2u + 252u);
    EXPECT_EQ(strText.substr(0, 2), " x");
    EXPECT_EQ(strText.substr(strText.size() - 2), "\x95\x5C");
}

TEST(App, LoadDataInfoRefusesANullRecord) {
    ClExportApp app;
    EXPECT_FALSE(app.LoadDataInfo(nullptr));
}

} // namespace
