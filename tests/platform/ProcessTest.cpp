#include "platform/Process.h"

#include "tests/platform/PlatformTestDrive.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <thread>

namespace fs = std::filesystem;
using namespace gk_platform_test;

namespace {

std::string _Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Drive T: on a fresh folder, with a program folder whose names hold blanks.
class ProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_t = FreshDir("t");
        fs::create_directories(m_t / "work" / "sub");
        fs::create_directories(m_t / "Program Files" / "Viewer Tool");
        UseMap("[drives]\nT = fixed " + m_t.string() +
               "\nZ = fixed /\n[system]\nwindows = T:\\WINNT\ntemp = T:\\TMP\n");
        m_out = Base() / "child.out";
        fs::remove(m_out);
        setenv("GK_TEST_OUT", m_out.c_str(), 1); // the child inherits the environment
    }
    // A program that writes its current folder and its arguments, one per line.
    void Program(const fs::path& rel, const std::string& strTag = "") {
        const fs::path file = m_t / rel;
        std::ofstream(file) << "#!/bin/sh\nsleep 0.1\n{ " << strTag
                            << "pwd -P; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } "
                               "> \"$GK_TEST_OUT\"\n";
        fs::permissions(file, fs::perms::owner_all);
    }
    std::string Run(const std::string& strCmdLine, const char* szDir = "T:\\work") {
        StPROCESSINFO pi{};
        if (!CreateProcess(strCmdLine.c_str(), szDir, &pi))
            return "not started";
        EXPECT_GT(pi.nPid, 0);
        WaitForProcess(pi);
        return _Read(m_out);
    }
    fs::path m_t, m_out;
};

TEST_F(ProcessTest, CurrentFolderIsKeptAsAWindowsPath) {
    char szDir[MAX_PATH + 1];
    ASSERT_TRUE(SetCurrentDirectory("T:\\work"));
    EXPECT_EQ(GetCurrentDirectory(sizeof szDir, szDir), 7u);
    EXPECT_STREQ(szDir, "T:\\work");
    EXPECT_EQ(fs::current_path(), fs::canonical(m_t / "work"));

    ASSERT_TRUE(SetCurrentDirectory("sub\\"));
    GetCurrentDirectory(sizeof szDir, szDir);
    EXPECT_STREQ(szDir, "T:\\work\\sub");
    ASSERT_TRUE(SetCurrentDirectory(".."));
    GetCurrentDirectory(sizeof szDir, szDir);
    EXPECT_STREQ(szDir, "T:\\work");

    EXPECT_FALSE(SetCurrentDirectory("T:\\missing"));
    std::ofstream(m_t / "file") << "x";
    EXPECT_FALSE(SetCurrentDirectory("T:\\file"));
    EXPECT_FALSE(SetCurrentDirectory("Q:\\"));
    GetCurrentDirectory(sizeof szDir, szDir);
    EXPECT_STREQ(szDir, "T:\\work");
    EXPECT_EQ(fs::current_path(), fs::canonical(m_t / "work"));

    ASSERT_TRUE(SetCurrentDirectory("t:\\"));
    EXPECT_EQ(GetCurrentDirectory(sizeof szDir, szDir), 3u);
    EXPECT_STREQ(szDir, "T:\\");
}

TEST_F(ProcessTest, TextsReturnTheirLengthOrTheSizeNeeded) {
    ASSERT_TRUE(SetCurrentDirectory("T:\\work"));
    struct {
        DWORD nSize;
        DWORD nResult;
        const char* szText;
    } const aCase[] = {{8, 7, "T:\\work"}, {7, 8, ""}, {1, 8, ""}};
    for (const auto& t : aCase) {
        char szBuf[16] = "stale";
        EXPECT_EQ(GetCurrentDirectory(t.nSize, szBuf), t.nResult) << t.nSize;
        EXPECT_STREQ(szBuf, t.szText) << t.nSize;
    }
    char szBuf[16];
    EXPECT_EQ(GetTempPath(sizeof szBuf, szBuf), 7u);
    EXPECT_STREQ(szBuf, "T:\\TMP\\");
    EXPECT_EQ(GetTempPath(7, szBuf), 8u);
    EXPECT_EQ(GetWindowsDirectory(szBuf, sizeof szBuf), 8u);
    EXPECT_STREQ(szBuf, "T:\\WINNT");
    EXPECT_EQ(GetWindowsDirectory(szBuf, 8), 9u);
    EXPECT_EQ(GetCurrentDirectory(0, nullptr), 8u);
}

TEST_F(ProcessTest, ModuleFileNameIsOurExecutableThroughTheMap) {
    std::string strExpected = "Z:" + fs::read_symlink("/proc/self/exe").string();
    for (char& c : strExpected)
        if (c == '/')
            c = '\\';
    char szBuf[MAX_PATH + 1];
    ASSERT_EQ(GetModuleFileName(szBuf, sizeof szBuf), strExpected.size());
    EXPECT_EQ(std::string(szBuf), strExpected);

    UseMap("[drives]\nT = fixed " + m_t.string() + "\n"); // no drive holds the program
    EXPECT_EQ(GetModuleFileName(szBuf, sizeof szBuf), 0u);
}

TEST_F(ProcessTest, VersionFollowsTheMap) {
    struct {
        const char* szVersion;
        BOOL bOk;
        DWORD dwPlatform;
    } const aCase[] = {
        {"nt", TRUE, VER_PLATFORM_WIN32_NT},
        {"9x", TRUE, VER_PLATFORM_WIN32_WINDOWS},
        {"fail", FALSE, 0},
    };
    for (const auto& t : aCase) {
        UseMap(std::string("[system]\nversion = ") + t.szVersion + "\n");
        StOSVERSIONINFO info{};
        info.dwOSVersionInfoSize = sizeof info;
        EXPECT_EQ(GetVersionEx(&info), t.bOk) << t.szVersion;
        EXPECT_EQ(info.dwPlatformId, t.dwPlatform) << t.szVersion;
    }
    UseMap("[system]\nversion = nt\n");
    StOSVERSIONINFO info{};
    EXPECT_FALSE(GetVersionEx(&info)); // the size field is not set
    EXPECT_FALSE(GetVersionEx(nullptr));
}

TEST_F(ProcessTest, LocalTimeAndTicks) {
    const std::time_t now = std::time(nullptr);
    StSYSTEMTIME st{};
    GetLocalTime(&st);
    const std::tm* pTm = std::localtime(&now);
    EXPECT_EQ(st.wYear, pTm->tm_year + 1900);
    EXPECT_EQ(st.wMonth, pTm->tm_mon + 1);
    EXPECT_EQ(st.wDay, pTm->tm_mday);
    EXPECT_EQ(st.wDayOfWeek, pTm->tm_wday);
    EXPECT_LT(st.wMilliseconds, 1000);

    const DWORD dwStart = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const DWORD dwElapsed = GetTickCount() - dwStart;
    EXPECT_GE(dwElapsed, 49u); // both ends are cut to whole milliseconds
    EXPECT_LT(dwElapsed, 5000u);
}

TEST_F(ProcessTest, CommandLinesResolveAndSplitAsOnWindows) {
    Program("Program Files/Viewer Tool/view.exe");
    const std::string strWork = fs::canonical(m_t / "work").string() + "\n";
    struct {
        std::string strCmdLine;
        std::string strArgs;
    } const aCase[] = {
        {R"(T:\Program Files\Viewer Tool\view.exe "T:\out\log.txt")", "[T:\\out\\log.txt]\n"},
        {R"(  T:\Program Files\Viewer Tool\view a  b)", "[a]\n[b]\n"}, // ".exe" appended
        {R"(T:\Program Files\Viewer Tool\view.exe)", ""},
        {R"("T:\Program Files\Viewer Tool\view.exe" x"y z"w "")", "[xy zw]\n[]\n"},
        {R"("T:\Program Files\Viewer Tool\view" \"q\" a\\\\"b c" d\\e f\\\"g)",
         "[\"q\"]\n[a\\\\b c]\n[d\\\\e]\n[f\\\"g]\n"},
        {R"("T:\Program Files\Viewer Tool\view" "a""b" 'c d')", "[a\"b]\n['c]\n[d']\n"},
        {"\"T:\\Program Files\\Viewer Tool\\view\" \"\x95\x5C\" \x95\x5C\x95\x5C",
         "[\xE8\xA1\xA8]\n[\xE8\xA1\xA8\xE8\xA1\xA8]\n"}, // 表's 0x5C escapes no quote
    };
    for (const auto& t : aCase) {
        fs::remove(m_out);
        EXPECT_EQ(Run(t.strCmdLine), strWork + t.strArgs) << t.strCmdLine;
    }
}

TEST_F(ProcessTest, TheShortestPrefixThatNamesAProgramWins) {
    Program("Program Files/Viewer Tool/view.exe");
    Program("Program Files/Viewer.exe", "echo decoy; ");
    const std::string strOut = Run(R"(T:\Program Files\Viewer Tool\view.exe x)");
    EXPECT_EQ(strOut,
              "decoy\n" + fs::canonical(m_t / "work").string() + "\n[Tool\\view.exe]\n[x]\n");
}

TEST_F(ProcessTest, ProgramAndFolderMayBeRelative) {
    Program("Program Files/Viewer Tool/view.exe");
    ASSERT_TRUE(SetCurrentDirectory("T:\\Program Files"));
    const std::string strHere = fs::canonical(m_t / "Program Files").string() + "\n";
    EXPECT_EQ(Run(R"("Viewer Tool\view" r)", nullptr), strHere + "[r]\n");
    fs::remove(m_out);
    EXPECT_EQ(Run(R"(..\Program Files\Viewer Tool\view.exe s)", "..\\work\\sub"),
              fs::canonical(m_t / "work" / "sub").string() + "\n[s]\n");
}

TEST_F(ProcessTest, WhatCannotStartIsReportedAndNothingRuns) {
    Program("Program Files/Viewer Tool/view.exe");
    std::ofstream(m_t / "plain.exe") << "#!/bin/sh\necho ran > \"$GK_TEST_OUT\"\n";
    fs::permissions(m_t / "plain.exe", fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(m_t / "badint.exe") << "#!/no/such/interpreter\n";
    fs::permissions(m_t / "badint.exe", fs::perms::owner_all);
    std::ofstream(m_t / "noshebang.exe") << "\x7F"
                                            "ELF broken\n";
    fs::permissions(m_t / "noshebang.exe", fs::perms::owner_all);
    fs::create_directories(m_t / "folder.exe");
    struct {
        const char* szCmdLine;
        const char* szDir;
    } const aCase[] = {
        {R"(T:\Program Files\Viewer Tool\missing.exe a)", "T:\\work"},
        {R"(T:\Program Files\Viewer Tool\view.exe a)", "T:\\no such folder"},
        {R"(T:\Program Files\Viewer Tool\view.exe a)", "Q:\\"},
        {R"(Q:\Program Files\Viewer Tool\view.exe)", "T:\\work"},
        {"T:\\plain.exe", "T:\\work"},     // not executable
        {"T:\\badint.exe", "T:\\work"},    // the exec itself fails
        {"T:\\noshebang.exe", "T:\\work"}, // no format the host can run
        {"T:\\folder.exe", "T:\\work"},
        {"\"T:\\Program Files\\Viewer Tool\\view.exe\" \x95", "T:\\work"}, // does not convert
        {"", "T:\\work"},
        {"   ", "T:\\work"},
        {"\"\"", "T:\\work"},
    };
    for (const auto& t : aCase) {
        StPROCESSINFO pi{-1};
        EXPECT_FALSE(CreateProcess(t.szCmdLine, t.szDir, &pi)) << t.szCmdLine;
        EXPECT_EQ(pi.nPid, -1) << t.szCmdLine;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fs::exists(m_out));
    StPROCESSINFO pi{};
    EXPECT_FALSE(CreateProcess(nullptr, nullptr, &pi));
    EXPECT_FALSE(CreateProcess(R"(T:\Program Files\Viewer Tool\view.exe)", nullptr, nullptr));
    WaitForProcess(StPROCESSINFO{0}); // nothing to wait for
}

TEST(TaskAllocator, AllocatesAndFreesIncludingNull) {
    auto* p = static_cast<char*>(CoTaskMemAlloc(64));
    ASSERT_NE(p, nullptr);
    std::fill(p, p + 64, 'x');
    CoTaskMemFree(p);
    CoTaskMemFree(nullptr);
}

} // namespace
