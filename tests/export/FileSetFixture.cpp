#include "tests/export/FileSetFixture.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace gk_test {

namespace {

// The drive's host folder lives as long as the test process.
struct StTempDrive {
    fs::path base;
    StTempDrive() {
        std::random_device rd;
        base = fs::temp_directory_path() /
               ("gk-export-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        fs::create_directories(base / "c");
        std::ofstream(base / "drives.map")
            << "[drives]\nC = fixed " << (base / "c").string() << "\n";
        setenv("GKLINK_DRIVES", (base / "drives.map").c_str(), 1);
    }
    ~StTempDrive() {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
};

} // namespace

const fs::path& DriveC() {
    static const StTempDrive drive;
    static const fs::path root = drive.base / "c";
    return root;
}

fs::path FreshFolder(const char* szName) {
    fs::path folder = DriveC() / szName;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& strBytes) {
    std::ofstream(path, std::ios::binary) << strBytes;
}

StDATAINFO MakeInfo(const char* szCompany, LONG lStart, LONG lEnd, BYTE bCorpKind) {
    StDATAINFO info{};
    std::strncpy(info.szCompanyName, szCompany, sizeof info.szCompanyName - 1);
    info.lPeriodStart = lStart;
    info.lPeriodEnd = lEnd;
    info.bCorpKind = bCorpKind;
    return info;
}

} // namespace gk_test
