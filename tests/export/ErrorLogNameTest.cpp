// The error log's name follows the program's edition. Compiled once per edition
// (GK_TEST_EDITION, the edition constant), so each program's name is shown in use.
#include "export/ExportFileSet.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(ErrorLogName, TheEditionNamesTheLog) {
#if GK_TEST_EDITION == 4
    const char* szExpected = "DovlogSysErr.txt";
#elif GK_TEST_EDITION == 3
    const char* szExpected = "MillogSysErr.txt";
#elif GK_TEST_EDITION == 0
    const char* szExpected = "TeslogSysErr.txt";
#endif
    fs::path folder = gk_test::FreshFolder("ed");
    ClExportFileSet set;
    EXPECT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ERRLOG, "C:\\ed\\assets.csv"));
    EXPECT_EQ(std::string(set.GetOutputName(ClExportFileSet::OUT_ERRLOG)),
              std::string("C:\\ed\\") + szExpected);
    set.CloseOutput(ClExportFileSet::OUT_ERRLOG);
    EXPECT_TRUE(fs::exists(folder / szExpected));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

} // namespace
