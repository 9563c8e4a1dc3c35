#include "platform/DriveMap.h"

#include "tests/platform/PlatformTestDrive.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace gk_platform_test;

namespace {

constexpr const char* G_MAP = "# test map\n"
                              "[drives]\n"
                              "C = fixed /m/c\n"
                              "d = fixed /m/d\n"
                              "E = fixed /m/c/deep\n"
                              "Z = fixed /\n"
                              "[shares]\n"
                              "\\\\Srv\\Pub = /m/share\n"
                              "[system]\n"
                              "windows = E:\\WINNT\n"
                              "temp = C:\\TEMP\n"
                              "version = 9x\n";

class DriveMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string strError;
        ASSERT_TRUE(m_map.Parse(G_MAP, "test.map", strError)) << strError;
        ASSERT_TRUE(m_map.SetCurrentFolder("C:\\work\\cur"));
    }
    ClDriveMap m_map;
};

TEST_F(DriveMapTest, WindowsPathsMapOntoHostPaths) {
    struct {
        const char* szWin;
        const char* szHost; // null: does not map
    } const aCase[] = {
        {"C:\\a\\b.txt", "/m/c/a/b.txt"},
        {"c:\\A\\b", "/m/c/A/b"},
        {"D:\\x", "/m/d/x"},
        {"C:\\", "/m/c"},
        {"C:\\a\\b\\", "/m/c/a/b/"}, // a final separator keeps its meaning: a folder
        {"C:\\a\\\\b", "/m/c/a/b"},
        {"C:\\a/b", "/m/c/a/b"},
        {"C:\\a\\.\\b\\..\\c", "/m/c/a/c"},
        {"C:\\..\\..\\etc\\passwd", "/m/c/etc/passwd"}, // ".." stops at the root
        {"C:\\out.\\data.csv ", "/m/c/out/data.csv"},   // Windows drops final dots and blanks
        {"C:\\\x95\x5C\\x", "/m/c/\xE8\xA1\xA8/x"},     // 表: its trail byte is no separator
        {"C:\\\x95\x5C", "/m/c/\xE8\xA1\xA8"},
        {"file.txt", "/m/c/work/cur/file.txt"},
        {".", "/m/c/work/cur"},
        {"..\\x", "/m/c/work/x"},
        {"..\\..\\..\\..\\x", "/m/c/x"},
        {"\\top", "/m/c/top"},
        {"C:rel", "/m/c/work/cur/rel"}, // drive-relative on the current drive
        {"D:rel", "/m/d/rel"},          // another drive: from its root
        {"Z:\\usr\\bin", "/usr/bin"},
        {"Z:\\", "/"},
        {"\\\\srv\\pub\\in\\f.txt", "/m/share/in/f.txt"},
        {"\\\\SRV\\PUB", "/m/share"},
        {"//srv/pub/x", "/m/share/x"},
        {"\\\\srv\\pub\\..\\..\\x", "/m/share/x"},
        {"F:\\x", nullptr},             // no such drive
        {"\\\\srv\\other\\x", nullptr}, // no such share
        {"\\\\srv", nullptr},
        {"\\\\srv\\", nullptr},
        {"C:\\bad\x95", nullptr}, // a lone lead byte does not convert
        {"C:\\a*b", nullptr},
        {"C:\\a?b", nullptr},
        {"C:\\a|b", nullptr},
        {"C:\\a:b", nullptr},
        {"C:\\a\tb", nullptr},
        {"", nullptr},
    };
    for (const auto& t : aCase) {
        std::string strHost = "stale";
        const BOOL bOk = m_map.ToHost(t.szWin, strHost);
        EXPECT_EQ(bOk, t.szHost != nullptr) << t.szWin;
        if (bOk && t.szHost) {
            EXPECT_EQ(strHost, t.szHost) << t.szWin;
        }
    }
    std::string strHost;
    EXPECT_FALSE(m_map.ToHost(nullptr, strHost));
}

TEST_F(DriveMapTest, ATrailByteBarIsNoBadCharacter) {
    // ポ is 0x83 0x7C: its trail byte is the code of '|'.
    std::string strHost;
    ASSERT_TRUE(m_map.ToHost("C:\\\x83\x7C", strHost));
    EXPECT_EQ(strHost, "/m/c/\xE3\x83\x9D");
}

TEST_F(DriveMapTest, RelativePathsFollowAShareAsCurrentFolder) {
    ASSERT_TRUE(m_map.SetCurrentFolder("\\\\srv\\pub\\in\\"));
    EXPECT_EQ(m_map.CurrentFolder(), "\\\\srv\\pub\\in");
    struct {
        const char* szWin;
        const char* szHost;
    } const aCase[] = {
        {"x", "/m/share/in/x"},
        {"\\top", "/m/share/top"},
        {"..\\..\\y", "/m/share/y"},
        {"C:x", "/m/c/x"},
    };
    for (const auto& t : aCase) {
        std::string strHost;
        ASSERT_TRUE(m_map.ToHost(t.szWin, strHost)) << t.szWin;
        EXPECT_EQ(strHost, t.szHost) << t.szWin;
    }
}

TEST_F(DriveMapTest, NoCurrentFolderMeansRelativePathsDoNotMap) {
    ClDriveMap map;
    std::string strError, strHost;
    ASSERT_TRUE(map.Parse("[drives]\nC = fixed /m/c\n", "m", strError));
    ASSERT_EQ(map.CurrentFolder(), ""); // the test's host folder lies on no drive
    EXPECT_FALSE(map.ToHost("x", strHost));
    EXPECT_FALSE(map.ToHost("\\x", strHost));
    EXPECT_TRUE(map.ToHost("C:x", strHost));
    EXPECT_EQ(strHost, "/m/c/x");
}

TEST_F(DriveMapTest, HostPathsMapBackThroughTheLongestRoot) {
    struct {
        const char* szHost;
        const char* szWin; // null: no Windows form
    } const aCase[] = {
        {"/m/c", "C:\\"},
        {"/m/c/a/b", "C:\\a\\b"},
        {"/m/c/deep/x", "E:\\x"}, // E: is nearer than C:
        {"/m/c/deeper", "C:\\deeper"},
        {"/m/d/", "D:\\"},
        {"/m/c/x/../y/./z", "C:\\y\\z"},
        {"//m//c//q", "C:\\q"},
        {"/m/share/in", "\\\\Srv\\Pub\\in"},
        {"/m/share", "\\\\Srv\\Pub\\"},
        {"/etc/hosts", "Z:\\etc\\hosts"},
        {"/", "Z:\\"},
        {"/m/c/\xE8\xA1\xA8/x", "C:\\\x95\x5C\\x"},
        {"/m/c/caf\xC3\xA9", nullptr}, // no CP932 form
        {"/m/c/a\\b", nullptr},        // a backslash would split the name
        {"/m/c/a:b", nullptr},
    };
    for (const auto& t : aCase) {
        std::string strWin = "stale";
        const BOOL bOk = m_map.ToWindows(t.szHost, strWin);
        EXPECT_EQ(bOk, t.szWin != nullptr) << t.szHost;
        if (bOk && t.szWin) {
            EXPECT_EQ(strWin, t.szWin) << t.szHost;
        }
    }
    ClDriveMap map;
    std::string strError, strWin;
    ASSERT_TRUE(map.Parse("[drives]\nC = fixed /m/c\n", "m", strError));
    EXPECT_FALSE(map.ToWindows("/etc/hosts", strWin));
}

TEST_F(DriveMapTest, PathsSurviveTheRoundTrip) {
    const char* const aWin[] = {"C:\\a\\b",
                                "C:\\",
                                "D:\\\x95\x5C\\\x8C\xB8\x89\xBF.txt",
                                "E:\\x\\y",
                                "\\\\Srv\\Pub\\z",
                                "Z:\\tmp",
                                "..\\sib\\f.csv",
                                "C:\\one\\two\\..\\three"};
    for (const char* sz : aWin) {
        std::string strFull, strHost, strBack;
        ASSERT_TRUE(m_map.FullPath(sz, strFull)) << sz;
        ASSERT_TRUE(m_map.ToHost(sz, strHost)) << sz;
        ASSERT_TRUE(m_map.ToWindows(strHost, strBack)) << sz;
        EXPECT_EQ(strBack, strFull) << sz;
    }
    std::string strFull;
    ASSERT_TRUE(m_map.FullPath("..\\sib\\f.csv", strFull));
    EXPECT_EQ(strFull, "C:\\work\\sib\\f.csv");
    ASSERT_TRUE(m_map.FullPath("d:", strFull));
    EXPECT_EQ(strFull, "D:\\");
}

TEST_F(DriveMapTest, DriveTypesFollowTheMapEntries) {
    ClDriveMap map;
    std::string strError;
    ASSERT_TRUE(map.Parse("[drives]\n"
                          "A = removable /m/a\n"
                          "C = fixed /m/c\n"
                          "N = remote /m/n\n"
                          "R = cdrom /m/r\n"
                          "M = ramdisk /m/m\n"
                          "U = unknown /m/u\n"
                          "Q = 9 /m/q\n"
                          "[shares]\n"
                          "\\\\srv\\pub = /m/share\n",
                          "types.map", strError))
        << strError;
    struct {
        const char* szRoot;
        UINT uType;
    } const aCase[] = {
        {"A:\\", DRIVE_REMOVABLE},
        {"C:\\", DRIVE_FIXED},
        {"c:\\", DRIVE_FIXED},
        {"C:", DRIVE_FIXED},
        {"N:\\", DRIVE_REMOTE},
        {"R:\\", DRIVE_CDROM},
        {"M:\\", DRIVE_RAMDISK},
        {"U:\\", DRIVE_UNKNOWN},
        {"Q:\\", 9},
        {"B:\\", DRIVE_NO_ROOT_DIR},
        {"C:\\sub\\", DRIVE_NO_ROOT_DIR},
        {"\\\\srv\\pub\\", DRIVE_REMOTE},
        {"\\\\SRV\\PUB", DRIVE_REMOTE},
        {"\\\\srv\\other\\", DRIVE_NO_ROOT_DIR},
        {"\\\\srv\\pub\\dir\\", DRIVE_NO_ROOT_DIR},
        {"\\\\srv", DRIVE_NO_ROOT_DIR},
        {"\x82\xA0:\\", DRIVE_NO_ROOT_DIR},
        {"", DRIVE_NO_ROOT_DIR},
    };
    for (const auto& t : aCase)
        EXPECT_EQ(map.DriveType(t.szRoot), t.uType) << t.szRoot;
    ASSERT_TRUE(map.SetCurrentFolder("R:\\disc\\dir"));
    EXPECT_EQ(map.DriveType(nullptr), DRIVE_CDROM); // the current folder's root
}

TEST_F(DriveMapTest, SystemSettingsAndTheirDefaults) {
    EXPECT_EQ(m_map.WindowsFolder(), "E:\\WINNT");
    EXPECT_EQ(m_map.TempFolder(), "C:\\TEMP\\");
    EXPECT_EQ(m_map.Version(), ClDriveMap::VER_9X);

    const fs::path tmp = FreshDir("hosttmp");
    setenv("TMPDIR", tmp.c_str(), 1);
    ClDriveMap map;
    std::string strError;
    ASSERT_TRUE(map.Parse("[drives]\nT = fixed " + Base().string() + "\n", "m", strError));
    unsetenv("TMPDIR");
    EXPECT_EQ(map.WindowsFolder(), "C:\\WINDOWS");
    EXPECT_EQ(map.TempFolder(), "T:\\hosttmp\\");
    EXPECT_EQ(map.Version(), ClDriveMap::VER_NT);

    ASSERT_TRUE(map.Parse("[system]\nversion = fail\ntemp = \\\\s\\t\\\n", "m", strError));
    EXPECT_EQ(map.Version(), ClDriveMap::VER_FAIL);
    EXPECT_EQ(map.TempFolder(), "\\\\s\\t\\");
    ASSERT_TRUE(map.Parse("[system]\ntemp = C:\\\xE8\xA1\xA8\n", "m", strError));
    EXPECT_EQ(map.TempFolder(), "C:\\\x95\x5C\\"); // 表's trail byte is no final separator
}

TEST(DriveMapParse, ErrorsNameTheFileAndTheLine) {
    struct {
        const char* szText;
        const char* szError;
    } const aCase[] = {
        {"C = fixed /x\n", "f.map:1: entry before any section"},
        {"# c\n\n[disks]\n", "f.map:3: unknown section [disks]"},
        {"[drives\n", "f.map:1: section header without ']'"},
        {"[drives]\nC fixed /x\n", "f.map:2: expected 'name = value'"},
        {"[drives]\nCD = fixed /x\n", "f.map:2: bad drive letter 'CD'"},
        {"[drives]\n1 = fixed /x\n", "f.map:2: bad drive letter '1'"},
        {"[drives]\nC = fixed /x\nc = cdrom /y\n", "f.map:3: drive c: given twice"},
        {"[drives]\nC = floppy /x\n", "f.map:2: unknown drive type 'floppy'"},
        {"[drives]\nC = -3 /x\n", "f.map:2: unknown drive type '-3'"},
        {"[drives]\nC = fixed\n", "f.map:2: missing host folder"},
        {"[drives]\nC = fixed rel/x\n", "f.map:2: host folder 'rel/x' is not absolute"},
        {"[shares]\n\\\\srv = /x\n", "f.map:2: bad share name '\\\\srv' (\\\\server\\share)"},
        {"[shares]\n\\\\a\\b\\c = /x\n",
         "f.map:2: bad share name '\\\\a\\b\\c' (\\\\server\\share)"},
        {"[shares]\n\\\\a\\b = /x\n\\\\A\\B = /y\n", "f.map:3: share \\\\A\\B given twice"},
        {"[system]\nversion = xp\n", "f.map:2: bad version 'xp' (nt, 9x or fail)"},
        {"[system]\nwindows = WINDOWS\n", "f.map:2: 'WINDOWS' is not a full Windows path"},
        {"[system]\nwindows = \\\\s\\w\n",
         "f.map:2: the Windows folder must be a drive path such as C:\\WINDOWS"},
        {"[system]\ntemp = C:\\caf\xC3\xA9\n",
         "f.map:2: 'C:\\caf\xC3\xA9' does not convert to code page 932"},
        {"[system]\nlocale = ja\n", "f.map:2: unknown setting 'locale'"},
        {"[drives]\r\nC = fixed /x\r\nD = x /y\r\n", "f.map:3: unknown drive type 'x'"},
    };
    for (const auto& t : aCase) {
        ClDriveMap map;
        std::string strError;
        EXPECT_FALSE(map.Parse(t.szText, "f.map", strError)) << t.szText;
        EXPECT_EQ(strError, t.szError);
    }
}

TEST(DriveMapParse, AFailedLoadKeepsTheMapThatWasThere) {
    ClDriveMap map;
    std::string strError, strHost;
    ASSERT_TRUE(map.Parse("[drives]\nC = fixed /m/c\n", "good", strError));
    EXPECT_FALSE(map.Parse("[drives]\nD = fixed /m/d\nX\n", "bad", strError));
    EXPECT_TRUE(map.ToHost("C:\\a", strHost));
    EXPECT_FALSE(map.ToHost("D:\\a", strHost));

    const std::string strMissing = (Base() / "no-such.map").string();
    EXPECT_FALSE(map.Load(strMissing, strError));
    EXPECT_EQ(strError.rfind(strMissing + ": cannot open", 0), 0u) << strError;

    const fs::path file = Base() / "bom.map";
    std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF[drives]\nD = cdrom /m/d\n";
    ASSERT_TRUE(map.Load(file.string(), strError)) << strError;
    EXPECT_EQ(map.DriveType("D:\\"), DRIVE_CDROM);
    EXPECT_EQ(map.DriveType("C:\\"), DRIVE_NO_ROOT_DIR);
}

TEST(DriveMapDefault, DriveCIsMadeUnderTheDataHomeAndZIsTheHostRoot) {
    const fs::path home = FreshDir("xdg");
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    ClDriveMap map;
    map.LoadDefault();
    unsetenv("XDG_DATA_HOME");
    const fs::path driveC = home / "gklink" / "drive_c";
    EXPECT_TRUE(fs::is_directory(driveC));
    std::string strHost, strWin;
    ASSERT_TRUE(map.ToHost("C:\\x", strHost));
    EXPECT_EQ(strHost, (driveC / "x").string());
    ASSERT_TRUE(map.ToHost("Z:\\etc", strHost));
    EXPECT_EQ(strHost, "/etc");
    ASSERT_TRUE(map.ToWindows(driveC.string() + "/y", strWin));
    EXPECT_EQ(strWin, "C:\\y");
    EXPECT_EQ(map.DriveType("C:\\"), DRIVE_FIXED);
    EXPECT_EQ(map.DriveType("Z:\\"), DRIVE_FIXED);
    EXPECT_EQ(map.DriveType("D:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(map.WindowsFolder(), "C:\\WINDOWS");
    EXPECT_EQ(map.Version(), ClDriveMap::VER_NT);
    const std::string strTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    ASSERT_TRUE(map.ToWindows(strTmp, strWin));
    EXPECT_EQ(map.TempFolder(), strWin + "\\");
}

TEST(DriveMapRoots, ARootReachedThroughALinkMapsBackFromItsResolvedForm) {
    const fs::path real = FreshDir("real");
    const fs::path link = Base() / "link";
    fs::remove(link);
    fs::create_directory_symlink(real, link);
    ClDriveMap map;
    std::string strError, strWin;
    ASSERT_TRUE(map.Parse("[drives]\nL = fixed " + link.string() + "\n", "m", strError));
    ASSERT_TRUE(map.ToWindows((real / "sub").string(), strWin));
    EXPECT_EQ(strWin, "L:\\sub");
    ASSERT_TRUE(map.ToWindows((link / "sub").string(), strWin));
    EXPECT_EQ(strWin, "L:\\sub");
}

} // namespace

// Run only as the child of the test below: the process's own map without a map file.
TEST(DriveMapDefault, ChildLoadsTheDefaultMap) {
    const char* szHome = std::getenv("GK_TEST_XDG");
    if (!szHome)
        GTEST_SKIP() << "runs as a child of ViewerIsPlacedWhenItLiesBesideTheProgram";
    setenv("XDG_DATA_HOME", szHome, 1);
    unsetenv("GKLINK_DRIVES");
    std::string strHost;
    ASSERT_TRUE(ClDriveMap::Inst().ToHost("C:\\x", strHost));
    EXPECT_EQ(strHost, std::string(szHome) + "/gklink/drive_c/x");
}

TEST(DriveMapDefault, ViewerIsPlacedWhenItLiesBesideTheProgram) {
    const fs::path bin = FreshDir("bin");
    const fs::path home = FreshDir("xdg-child");
    fs::copy_file(fs::read_symlink("/proc/self/exe"), bin / "platform_tests");
    std::ofstream(bin / "gk_viewer") << "#!/bin/sh\n";
    fs::permissions(bin / "gk_viewer", fs::perms::owner_all);
    // A stale link and a plain file where the links belong are both replaced.
    const fs::path driveC = home / "gklink" / "drive_c";
    fs::create_directories(driveC / "Program Files" / "Accessories");
    fs::create_directories(driveC / "Program Files" / "Windows NT" / "Accessories");
    fs::create_symlink("/nowhere", driveC / "Program Files" / "Accessories" / "Wordpad.exe");
    std::ofstream(driveC / "Program Files" / "Windows NT" / "Accessories" / "Wordpad.exe") << "x";

    const std::string strCmd = "GK_TEST_XDG='" + home.string() + "' '" +
                               (bin / "platform_tests").string() +
                               "' --gtest_filter=DriveMapDefault.ChildLoadsTheDefaultMap"
                               " >/dev/null 2>&1";
    ASSERT_EQ(std::system(strCmd.c_str()), 0);
    for (const char* szFolder : {"Windows NT/Accessories", "Accessories"}) {
        const fs::path link = driveC / "Program Files" / szFolder / "Wordpad.exe";
        ASSERT_TRUE(fs::is_symlink(link)) << link;
        EXPECT_EQ(fs::read_symlink(link), bin / "gk_viewer");
    }
}
