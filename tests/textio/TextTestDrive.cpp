#include "tests/textio/TextTestDrive.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace gk_textio_test {

namespace {

// The drive's host folder lives as long as the test process.
struct StTempDrive {
    fs::path base;
    StTempDrive() {
        // <chrono> does not build with the CP932 execution character set.
        std::random_device rd;
        do {
            base = fs::temp_directory_path() /
                   ("gk-textio-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        } while (!fs::create_directory(base));
        fs::create_directories(base / "t");
        std::ofstream(base / "drives.map")
            << "[drives]\nT = fixed " << (base / "t").string() << "\nD = fixed /dev\n";
        setenv("GKLINK_DRIVES", (base / "drives.map").c_str(), 1);
    }
    ~StTempDrive() {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
};

// The map is in place before any test runs, whichever test runs alone.
class ClDriveEnvironment : public ::testing::Environment {
public:
    void SetUp() override { DriveT(); }
};
::testing::Environment* const G_DRIVE_ENV =
    ::testing::AddGlobalTestEnvironment(new ClDriveEnvironment);

} // namespace

const fs::path& DriveT() {
    static const StTempDrive drive;
    static const fs::path root = drive.base / "t";
    return root;
}

std::string FreshFile(const char* szName) {
    fs::remove(DriveT() / szName);
    return std::string("T:\\") + szName;
}

std::string ReadBytes(const char* szName) {
    std::ifstream in(DriveT() / szName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const char* szName, const std::string& strBytes) {
    std::ofstream(DriveT() / szName, std::ios::binary) << strBytes;
}

bool Exists(const char* szName) {
    return fs::exists(DriveT() / szName);
}

StTAFORMAT Col(const char* szName, LONG lLen, LONG lOfs, LONG lSize, LONG lType, LONG lDecimal,
               LONG lRequired) {
    StTAFORMAT fmt{};
    std::strncpy(fmt.szName, szName, sizeof fmt.szName - 1);
    fmt.lLen = lLen;
    fmt.lDecimal = lDecimal;
    fmt.lOfs = lOfs;
    fmt.lSize = lSize;
    fmt.lType = lType;
    fmt.lRequired = lRequired;
    return fmt;
}

} // namespace gk_textio_test
