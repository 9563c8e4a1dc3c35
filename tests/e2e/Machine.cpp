#include "tests/e2e/Machine.h"

#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Where the build put the three programs; GK_E2E_BIN_DIR overrides it.
fs::path _ProgramDir() {
    const char* szDir = std::getenv("GK_E2E_BIN_DIR");
    return szDir ? fs::path(szDir) : fs::path(GK_E2E_BIN_DIR_DEFAULT);
}

std::string _Utf8(const std::string& strCp932) {
    std::string strUtf8;
    if (!Cp932ToUtf8(strCp932, strUtf8))
        ADD_FAILURE() << "not CP932: " << strCp932;
    return strUtf8;
}

std::string _Quote(const std::string& str) {
    std::string out = "'";
    for (char c : str)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string _ReadHost(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void _WriteHost(const fs::path& path, const std::string& strBytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << strBytes;
    if (!out.flush())
        ADD_FAILURE() << "cannot write " << path;
}

fs::path _NewRoot() {
    std::random_device random;
    for (;;) {
        fs::path root = fs::temp_directory_path() / ("gk-e2e-" + std::to_string(random()));
        if (fs::create_directory(root))
            return root;
    }
}

// The stand-in for WordPad: records its arguments and current folder, and "early" when
// the completion message was shown while it was still running.
constexpr char8_t VIEWER_SCRIPT[] = u8"#!/bin/sh\n"
                                    u8"sleep 0.5\n"
                                    u8"{\n"
                                    u8"  for a in \"$@\"; do printf 'arg %s\\n' \"$a\"; done\n"
                                    u8"  printf 'cwd %s\\n' \"$(pwd -P)\"\n"
                                    u8"  grep -q '一応終了' \"$GKLINK_TRANSCRIPT\" && echo early\n"
                                    u8"} >> \"$GK_E2E_VIEWER_LOG\"\n";

const char* const VIEWER_PATHS[] = {
    "C:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe",
    "C:\\Program Files\\Accessories\\Wordpad.exe",
    "E:\\Program Files\\Windows NT\\Accessories\\Wordpad.exe",
};

} // namespace

std::string StRUN::Transcript(bool bWithFocus) const {
    std::vector<StEVENT> vShown;
    for (const StEVENT& event : vEvents) {
        auto it = event.find("event");
        if (bWithFocus || it == event.end() || it->second != "focus")
            vShown.push_back(event);
    }
    return FormatEvents(vShown);
}

ClMachine::ClMachine(std::string strProgram)
    : m_strProgram(std::move(strProgram)), m_root(_NewRoot()) {
    m_strProgramFolder = "C:\\Apps\\" + m_strProgram;
    m_mapSystem = {{"windows", "C:\\WINDOWS"}, {"temp", "C:\\TEMP\\"}, {"version", "nt"}};
    // User ADMIN has selected data number 3, which the walk meets second; a later company
    // with the same number must never be the one shown.
    m_db.System("current_user", "ADMIN");
    m_db.User({{"user_id", "ADMIN"}, {"sel_no1", 1}, {"data_no", 3}});
    m_db.User({{"user_id", "SUBADMIN"}, {"sel_no1", 1}, {"data_no", 3}});
    m_db.Company(
        {{"position", 1}, {"szDataID", "0002"}, {"lDataNo", 2}, {"szCompanyName", "別会社"}});
    m_db.Company({{"position", 2},
                  {"szDataID", FIXTURE_DATAID},
                  {"lDataNo", 3},
                  {"szCompanyName", "株式会社サンプル"},
                  {"bCorpKind", 1}});
    m_db.Company({{"position", 3},
                  {"szDataID", "0004"},
                  {"lDataNo", 3},
                  {"szCompanyName", "同番号会社"},
                  {"lPeriodStart", 20200401}});
    m_db.AssetType({{"lCode", 1}, {"szName", "建物"}, {"sMethod", 1}, {"lResidualRatio", 100}});
    for (const char* szPath : VIEWER_PATHS) {
        fs::path viewer = Host(szPath);
        _WriteHost(viewer, U8(VIEWER_SCRIPT));
        fs::permissions(viewer, fs::perms::owner_all);
    }
    for (const char* szFolder : {"C:\\TEMP", "C:\\out", "D:\\", "E:\\WINDOWS", "Q:\\"})
        fs::create_directories(Host(szFolder));
}

ClMachine::~ClMachine() {
    if (!::testing::Test::HasFailure() || std::getenv("GK_E2E_KEEP") == nullptr) {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
}

fs::path ClMachine::Host(const std::string& strWinPath) const {
    if (strWinPath.size() < 2 || strWinPath[1] != ':') {
        ADD_FAILURE() << "not a drive path: " << strWinPath;
        return m_root / "invalid";
    }
    fs::path host = m_root / std::string(1, static_cast<char>(std::toupper(strWinPath[0])));
    std::string strRest = _Utf8(strWinPath.substr(2));
    std::size_t nPos = 0;
    while (nPos <= strRest.size()) {
        std::size_t nEnd = strRest.find('\\', nPos);
        std::string strPart = strRest.substr(nPos, nEnd - nPos);
        if (!strPart.empty())
            host /= strPart;
        if (nEnd == std::string::npos)
            break;
        nPos = nEnd + 1;
    }
    return host;
}

void ClMachine::Write(const std::string& strWinPath, const std::string& strBytes) const {
    _WriteHost(Host(strWinPath), strBytes);
}

std::string ClMachine::Read(const std::string& strWinPath) const {
    return _ReadHost(Host(strWinPath));
}

bool ClMachine::Exists(const std::string& strWinPath) const {
    return fs::exists(Host(strWinPath));
}

std::vector<std::string> ClMachine::List(const std::string& strWinFolder) const {
    std::vector<std::string> vNames;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(Host(strWinFolder), ec)) {
        std::string strName;
        Utf8ToCp932(entry.path().filename().string(), strName);
        vNames.push_back(strName);
    }
    std::sort(vNames.begin(), vNames.end());
    return vNames;
}

void ClMachine::SetSystem(const std::string& strKey, const std::string& strValue) {
    if (strValue.empty())
        m_mapSystem.erase(strKey);
    else
        m_mapSystem[strKey] = strValue;
}

void ClMachine::AddFaultyAsset() {
    m_db.Asset(
        {{"szAssetCode", "ABC-12"}, {"lTypeCode", 1}, {"szAssetName", "机"}, {"sMethodKind", 1}});
}

void ClMachine::RemoveViewer() {
    for (const char* szPath : VIEWER_PATHS)
        fs::remove(Host(szPath));
}

std::string ClMachine::ViewerLog() const {
    return _ReadHost(m_root / "viewer.log");
}

void ClMachine::_Install() const {
    fs::path folder = Host(m_strProgramFolder);
    fs::create_directories(folder);
    fs::path program = folder / m_strProgram;
    if (!fs::exists(program)) {
        std::error_code ec;
        fs::create_hard_link(_ProgramDir() / m_strProgram, program, ec);
        if (ec)
            fs::copy_file(_ProgramDir() / m_strProgram, program);
    }
    fs::path ini = folder / "WendmoorDef.ini";
    fs::remove(ini);
    if (m_strIni)
        _WriteHost(ini, *m_strIni);
}

void ClMachine::_WriteDriveMap() const {
    std::string strMap = "[drives]\n";
    for (const char* szDrive : {"C", "D", "E"})
        strMap += std::string(szDrive) + " = fixed " + (m_root / szDrive).string() + "\n";
    strMap += "Q = cdrom " + (m_root / "Q").string() + "\n[system]\n";
    for (const auto& [strKey, strValue] : m_mapSystem)
        strMap += strKey + " = " + _Utf8(strValue) + "\n";
    _WriteHost(m_root / "drives.ini", strMap);
}

void ClMachine::_WriteDatabase() const {
    try {
        m_db.Write((m_root / "acc.db").string());
    } catch (const std::exception& e) {
        ADD_FAILURE() << "the accounting database was not built: " << e.what();
    }
}

StRUN ClMachine::Run(const std::vector<std::string>& vScript) {
    _Install();
    _WriteDriveMap();
    _WriteDatabase();
    std::string strScript;
    for (const std::string& strLine : vScript)
        strScript += strLine + "\n";
    _WriteHost(m_root / "script.txt", strScript);
    fs::remove(m_root / "transcript.jsonl");

    const fs::path program = Host(m_strProgramFolder) / m_strProgram;
    std::string strCmd = "cd " + _Quote(Host("C:\\").string()) +
                         " && XDG_DATA_HOME=" + _Quote((m_root / "xdg").string()) +
                         " GKLINK_UI=" + _Quote("script:" + (m_root / "script.txt").string()) +
                         " GKLINK_TRANSCRIPT=" + _Quote((m_root / "transcript.jsonl").string()) +
                         " GKLINK_DRIVES=" + _Quote((m_root / "drives.ini").string()) +
                         " ACCSYS_DB=" + _Quote((m_root / "acc.db").string()) +
                         " GK_E2E_VIEWER_LOG=" + _Quote((m_root / "viewer.log").string()) +
                         " timeout 60 " + _Quote(program.string()) + " </dev/null >/dev/null 2>" +
                         _Quote((m_root / "stderr.txt").string());
    int nStatus = std::system(strCmd.c_str());
    StRUN run;
    run.nStatus = nStatus == -1      ? -1
                  : (nStatus & 0x7F) ? 128 + (nStatus & 0x7F)
                                     : (nStatus >> 8) & 0xFF;
    run.vEvents = ParseTranscript(_ReadHost(m_root / "transcript.jsonl"));
    run.strStderr = _ReadHost(m_root / "stderr.txt");
    return run;
}
