#include "tests/ui/UiSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <thread> // also steady_clock: <chrono> has a text CP932 cannot hold

namespace fs = std::filesystem;

namespace {

// The toolkit and the libraries below it keep caches for the life of the process; they
// are no leaks of ours. A frame anywhere in these libraries suppresses the report.
constexpr const char* G_LSAN_SUPPRESSIONS = "leak:libgtk-3.so\n"
                                            "leak:libgdk-3.so\n"
                                            "leak:libglib-2.0.so\n"
                                            "leak:libgobject-2.0.so\n"
                                            "leak:libgio-2.0.so\n"
                                            "leak:libfontconfig.so\n"
                                            "leak:libpango\n"
                                            "leak:libcairo.so\n"
                                            "leak:libharfbuzz.so\n"
                                            "leak:libX11.so\n"
                                            "leak:libwx_\n"
                                            "leak:libatk\n"
                                            "leak:libdbus\n";

fs::path _NewDir(const std::string& strPrefix) {
    std::random_device random;
    for (;;) {
        fs::path dir = fs::temp_directory_path() / (strPrefix + std::to_string(random()));
        if (fs::create_directory(dir))
            return dir;
    }
}

void _WriteHostFile(const fs::path& path, const std::string& strBytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << strBytes;
    if (!out.flush())
        ADD_FAILURE() << "cannot write " << path;
}

std::string _Trimmed(std::string str) {
    while (!str.empty() && (str.back() == '\n' || str.back() == ' '))
        str.pop_back();
    return str;
}

} // namespace

// Also the suppressions of this process, which starts the toolkit to measure a font.
extern "C" const char* __lsan_default_suppressions() {
    return G_LSAN_SUPPRESSIONS;
}

std::string ShQuote(const std::string& str) {
    std::string strOut = "'";
    for (const char c : str)
        strOut += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return strOut + "'";
}

std::string Shell(const std::string& strCmd, int* pStatus) {
    std::string strOut;
    std::FILE* pPipe = popen(strCmd.c_str(), "r");
    if (!pPipe) {
        if (pStatus)
            *pStatus = -1;
        return strOut;
    }
    char acBuf[4096];
    for (std::size_t n; (n = std::fread(acBuf, 1, sizeof acBuf, pPipe)) > 0;)
        strOut.append(acBuf, n);
    const int nStatus = pclose(pPipe);
    if (pStatus)
        *pStatus = nStatus;
    return strOut;
}

bool WaitFor(const std::function<bool()>& fnDone, int nSeconds) {
    const auto tEnd = std::chrono::steady_clock::now() + std::chrono::seconds(nSeconds);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() > tEnd)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

std::string ReadHostFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

fs::path ArtefactDir() {
    fs::path dir(GK_UI_ARTEFACT_DIR);
    fs::create_directories(dir);
    return dir;
}

std::string LsanSuppressionFile() {
    const fs::path file = ArtefactDir() / "lsan.supp";
    if (ReadHostFile(file) != G_LSAN_SUPPRESSIONS)
        _WriteHostFile(file, G_LSAN_SUPPRESSIONS);
    return file.string();
}

// ---------------------------------------------------------------------------------------

ClProcess::~ClProcess() {
    Kill();
}

void ClProcess::Start(const std::string& strCmd, const fs::path& dir) {
    m_dir = dir;
    const std::string strPid = (dir / "pid").string(), strStatus = (dir / "status").string();
    const std::string strInner = "(" + strCmd + ") </dev/null >" + ShQuote((dir / "out").string()) +
                                 " 2>&1 & echo $! >" + ShQuote(strPid) + "; wait $!; echo $? >" +
                                 ShQuote(strStatus + ".new") + "; mv " +
                                 ShQuote(strStatus + ".new") + " " + ShQuote(strStatus);
    Shell("sh -c " + ShQuote(strInner) + " >/dev/null 2>&1 &");
    WaitFor([&] { return !_Trimmed(ReadHostFile(strPid)).empty(); }, 30);
    m_strPid = _Trimmed(ReadHostFile(strPid));
}

std::optional<int> ClProcess::Status() const {
    const std::string str = _Trimmed(ReadHostFile(m_dir / "status"));
    if (m_dir.empty() || str.empty())
        return std::nullopt;
    return std::stoi(str);
}

bool ClProcess::WaitExit(int nSeconds) const {
    return WaitFor([this] { return Status().has_value(); }, nSeconds);
}

std::string ClProcess::Output() const {
    return ReadHostFile(m_dir / "out");
}

void ClProcess::Kill() {
    if (m_strPid.empty() || Status())
        return;
    Shell("kill " + m_strPid + " 2>/dev/null");
    if (!WaitExit(10))
        Shell("kill -9 " + m_strPid + " 2>/dev/null");
    WaitExit(10);
    m_strPid.clear(); // the pid may be another process's from now on
}

// ---------------------------------------------------------------------------------------

ClUiMachine::ClUiMachine() : m_root(_NewDir("gk-ui-")) {
    for (const char* szDir : {"c/WINDOWS", "c/TEMP", "c/Program Files/Windows NT/Accessories",
                              "home", "config", "data"})
        fs::create_directories(m_root / szDir);
    fs::create_symlink(fs::path(GK_UI_BIN_DIR) / "gk_viewer",
                       m_root / "c/Program Files/Windows NT/Accessories/Wordpad.exe");
    _WriteHostFile(m_root / "drives.map", "[drives]\n"
                                          "C = fixed " +
                                              (m_root / "c").string() +
                                              "\n"
                                              "Z = fixed /\n"
                                              "[system]\n"
                                              "windows = C:\\WINDOWS\n"
                                              "temp = C:\\TEMP\\\n"
                                              "version = nt\n");
    // A code with a hyphen: the export writes a message about it into the error log.
    m_db.Asset(
        {{"szAssetCode", "ABC-12"}, {"lTypeCode", 1}, {"szAssetName", "机"}, {"sMethodKind", 1}});
    m_db.AssetType({{"lCode", 1}, {"szName", "建物"}, {"sMethod", 1}});
}

ClUiMachine::~ClUiMachine() {
    std::error_code ec;
    fs::remove_all(m_root, ec);
}

fs::path ClUiMachine::Host(const std::string& strWinPath) const {
    std::string strRel = strWinPath.substr(3); // after "C:\"
    for (char& c : strRel)
        if (c == '\\')
            c = '/';
    return m_root / "c" / strRel;
}

std::string ClUiMachine::Env() {
    m_db.Write((m_root / "acc.db").string());
    const auto assign = [](const char* szName, const fs::path& value) {
        return std::string(szName) + "=" + ShQuote(value.string()) + " ";
    };
    return assign("GKLINK_DRIVES", m_root / "drives.map") + assign("ACCSYS_DB", m_root / "acc.db") +
           assign("HOME", m_root / "home") + assign("XDG_CONFIG_HOME", m_root / "config") +
           assign("XDG_DATA_HOME", m_root / "data") + "LSAN_OPTIONS=" +
           ShQuote("suppressions=" + LsanSuppressionFile() + ":print_suppressions=0") +
           " LANG=C.UTF-8 ";
}

std::string ClUiMachine::DovraneCommand(const std::string& strEnv) {
    return "cd " + ShQuote(GK_UI_BIN_DIR) + " && exec env -u GKLINK_UI -u FONTCONFIG_FILE " +
           Env() + strEnv + " ./Dovrane";
}

// ---------------------------------------------------------------------------------------

ClXServer::ClXServer() : m_dir(_NewDir("gk-xvfb-")) {
    const std::string strDisplayFile = (m_dir / "display").string();
    m_server.Start("exec Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>" +
                       ShQuote(strDisplayFile),
                   m_dir);
    const bool bUp = WaitFor([&] {
        const std::string str = ReadHostFile(strDisplayFile);
        return !str.empty() && str.back() == '\n';
    });
    if (bUp)
        m_strDisplay = ":" + _Trimmed(ReadHostFile(strDisplayFile));
    else
        ADD_FAILURE() << "Xvfb did not start: " << m_server.Output();
}

ClXServer::~ClXServer() {
    m_server.Kill();
    std::error_code ec;
    fs::remove_all(m_dir, ec);
}

std::string ClXServer::_X(const std::string& strCmd) const {
    return Shell("env DISPLAY=" + m_strDisplay + " LC_ALL=C.UTF-8 " + strCmd + " 2>/dev/null");
}

std::optional<StXWINDOW> ClXServer::_Find(const std::string& strName) const {
    static const std::regex G_LINE(
        R"re(^\s+(0x[0-9a-f]+) "(.*)": \(.*\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+))re");
    std::istringstream lines(_X("xwininfo -root -children"));
    for (std::string strLine; std::getline(lines, strLine);) {
        std::smatch m;
        if (!std::regex_search(strLine, m, G_LINE) || m[2] != strName)
            continue;
        if (_X("xwininfo -id " + m[1].str()).find("IsViewable") == std::string::npos)
            continue;
        return StXWINDOW{m[1].str(), std::stoi(m[5].str()), std::stoi(m[6].str()),
                         std::stoi(m[3].str()), std::stoi(m[4].str())};
    }
    return std::nullopt;
}

std::optional<StXWINDOW> ClXServer::WaitWindow(const std::string& strName, int nSeconds) const {
    std::optional<StXWINDOW> wnd;
    WaitFor([&] { return (wnd = _Find(strName)).has_value(); }, nSeconds);
    return wnd;
}

bool ClXServer::WaitGone(const std::string& strName, int nSeconds) const {
    return WaitFor([&] { return !_Find(strName); }, nSeconds);
}

bool ClXServer::Keys(const StXWINDOW& wnd, const std::string& strKeys) const {
    int nStatus = 0;
    Shell("env DISPLAY=" + m_strDisplay + " timeout 30 xdotool windowfocus --sync " + wnd.strId +
              " key --delay 80 " + strKeys,
          &nStatus);
    return nStatus == 0;
}

bool ClXServer::Type(const StXWINDOW& wnd, const std::string& strText) const {
    int nStatus = 0;
    Shell("env DISPLAY=" + m_strDisplay + " timeout 60 xdotool windowfocus --sync " + wnd.strId +
              " type --delay 60 " + ShQuote(strText),
          &nStatus);
    return nStatus == 0;
}

bool ClXServer::Screenshot(const fs::path& file, const StXWINDOW* pCrop) const {
    // The display draws what the program sent a moment ago.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    int nStatus = 0;
    Shell("env DISPLAY=" + m_strDisplay + " import -window root " + ShQuote(file.string()),
          &nStatus);
    if (nStatus != 0 || !pCrop)
        return nStatus == 0;
    fs::path crop = file;
    crop.replace_extension();
    crop += "-window.png";
    const std::string strGeometry = std::to_string(pCrop->cx) + "x" + std::to_string(pCrop->cy) +
                                    "+" + std::to_string(pCrop->x) + "+" + std::to_string(pCrop->y);
    Shell("convert " + ShQuote(file.string()) + " -crop " + strGeometry + " +repage " +
              ShQuote(crop.string()),
          &nStatus);
    return nStatus == 0;
}

// ---------------------------------------------------------------------------------------

ClTmux::ClTmux(const std::string& strCmd, int nCols, int nRows) : m_dir(_NewDir("gk-tmux-")) {
    _Tmux("new-session -d -x " + std::to_string(nCols) + " -y " + std::to_string(nRows) + " " +
          ShQuote(strCmd));
}

ClTmux::~ClTmux() {
    _Tmux("kill-server");
    std::error_code ec;
    fs::remove_all(m_dir, ec);
}

std::string ClTmux::_Tmux(const std::string& strArgs) const {
    return Shell("env LANG=C.UTF-8 LC_ALL=C.UTF-8 tmux -u -f /dev/null -S " +
                 ShQuote((m_dir / "socket").string()) + " " + strArgs + " 2>/dev/null");
}

std::string ClTmux::Capture() const {
    return _Tmux("capture-pane -p");
}

bool ClTmux::WaitText(const std::string& strText, int nSeconds) const {
    return WaitFor([&] { return Capture().find(strText) != std::string::npos; }, nSeconds);
}

void ClTmux::Keys(const std::string& strKeys) const {
    _Tmux("send-keys " + strKeys);
}

void ClTmux::Literal(const std::string& strText) const {
    _Tmux("send-keys -l " + ShQuote(strText));
}
