#include "tests/platform/PlatformTestDrive.h"

#include "platform/DriveMap.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace gk_platform_test {

namespace {

struct StTempBase {
    fs::path base;
    StTempBase() {
        std::string strTemplate = (fs::temp_directory_path() / "gk-platform-XXXXXX").string();
        if (mkdtemp(strTemplate.data()) != nullptr)
            base = strTemplate;
    }
    ~StTempBase() {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
};

} // namespace

const fs::path& Base() {
    static const StTempBase s_base;
    return s_base.base;
}

fs::path FreshDir(const std::string& strName) {
    const fs::path dir = Base() / strName;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void UseMap(const std::string& strText) {
    const fs::path file = Base() / "drives.map";
    std::ofstream(file, std::ios::binary) << strText;
    setenv("GKLINK_DRIVES", file.c_str(), 1);
    std::string strError;
    ASSERT_TRUE(ClDriveMap::Inst().Load(file.string(), strError)) << strError;
}

bool IgnoresPermissions() {
    const fs::path file = Base() / "readonly-probe";
    std::ofstream(file) << "x";
    fs::permissions(file, fs::perms::owner_read);
    const bool bWritable = std::ofstream(file, std::ios::app).is_open();
    fs::remove(file);
    return bWritable;
}

} // namespace gk_platform_test
