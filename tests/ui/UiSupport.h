// What the tests of the window and terminal interfaces drive: a throw-away machine for
// Dovrane (drives, drive map, accounting database, the viewer in WordPad's place), a
// virtual X server with its windows, and a terminal in tmux. Everything outside is
// reached through the shell; every wait polls with a generous limit, since a fresh CI
// machine may be slow.
#pragma once

#include "tests/services/Fixture.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

inline constexpr int UI_WAIT_SECONDS = 90;

// UTF-8 literals of the tests (the program's literals are CP932).
inline std::string U8(const char8_t* sz) {
    return reinterpret_cast<const char*>(sz);
}

std::string ShQuote(const std::string& str);
// Runs a command through the shell; its standard output, and its status in *pStatus.
std::string Shell(const std::string& strCmd, int* pStatus = nullptr);
// Polls every 100 ms until fnDone is true or nSeconds have passed.
bool WaitFor(const std::function<bool()>& fnDone, int nSeconds = UI_WAIT_SECONDS);
std::string ReadHostFile(const std::filesystem::path& path);
// The build's folder for test artefacts (screenshots, pane captures).
std::filesystem::path ArtefactDir();
// Leak suppressions for the toolkit's own allocations, as LSan reads them from a file.
std::string LsanSuppressionFile();

// A program started in the background: its process, its output and its exit status.
class ClProcess {
public:
    ClProcess() = default;
    ~ClProcess();
    ClProcess(const ClProcess&) = delete;
    ClProcess& operator=(const ClProcess&) = delete;

    // strCmd runs in the shell with its input from /dev/null, output into files of dir.
    void Start(const std::string& strCmd, const std::filesystem::path& dir);
    std::optional<int> Status() const;
    bool WaitExit(int nSeconds = UI_WAIT_SECONDS) const;
    std::string Output() const; // standard output and standard error
    void Kill();

private:
    std::filesystem::path m_dir;
    std::string m_strPid;
};

// Drives C: (fixed) in a temporary folder and Z: the host root, Windows in C:\WINDOWS,
// the viewer linked where WordPad lives, and an accounting database whose one asset
// makes the export write a message into the error log.
class ClUiMachine {
public:
    ClUiMachine();
    ~ClUiMachine();
    ClUiMachine(const ClUiMachine&) = delete;
    ClUiMachine& operator=(const ClUiMachine&) = delete;

    std::filesystem::path Root() const { return m_root; }
    std::filesystem::path Host(const std::string& strWinPath) const; // C:\... only
    ClFixtureDb& Db() { return m_db; }
    // The environment assignments (for env) that run Dovrane on this machine.
    std::string Env();
    // The shell command that runs Dovrane with extra env assignments.
    std::string DovraneCommand(const std::string& strEnv);

private:
    std::filesystem::path m_root;
    ClFixtureDb m_db;
};

struct StXWINDOW {
    std::string strId;
    int x = 0, y = 0, cx = 0, cy = 0;
};

// Xvfb on a display number it picks itself (-displayfd).
class ClXServer {
public:
    ClXServer();
    ~ClXServer();
    ClXServer(const ClXServer&) = delete;
    ClXServer& operator=(const ClXServer&) = delete;

    bool IsUp() const { return !m_strDisplay.empty(); }
    const std::string& Display() const { return m_strDisplay; }
    // A viewable top-level window with exactly this name (UTF-8), waiting for it.
    std::optional<StXWINDOW> WaitWindow(const std::string& strName,
                                        int nSeconds = UI_WAIT_SECONDS) const;
    bool WaitGone(const std::string& strName, int nSeconds = UI_WAIT_SECONDS) const;
    // Focuses the window, then sends xdotool's key names or types text.
    bool Keys(const StXWINDOW& wnd, const std::string& strKeys) const;
    bool Type(const StXWINDOW& wnd, const std::string& strText) const;
    // The whole screen, and the window cut out of it beside (name-window.png).
    bool Screenshot(const std::filesystem::path& file, const StXWINDOW* pCrop = nullptr) const;

private:
    std::optional<StXWINDOW> _Find(const std::string& strName) const;
    std::string _X(const std::string& strCmd) const; // runs with DISPLAY set

    ClProcess m_server;
    std::filesystem::path m_dir;
    std::string m_strDisplay;
};

// A detached tmux session of its own server (socket in a temporary folder).
class ClTmux {
public:
    ClTmux(const std::string& strCmd, int nCols, int nRows);
    ~ClTmux();
    ClTmux(const ClTmux&) = delete;
    ClTmux& operator=(const ClTmux&) = delete;

    std::string Capture() const;
    // Waits until the pane shows strText (UTF-8).
    bool WaitText(const std::string& strText, int nSeconds = UI_WAIT_SECONDS) const;
    void Keys(const std::string& strKeys) const;    // tmux key names
    void Literal(const std::string& strText) const; // typed as it stands

private:
    std::string _Tmux(const std::string& strArgs) const;

    std::filesystem::path m_dir;
};
