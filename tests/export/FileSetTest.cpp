// The output file set: the names of the three files beside the chosen path, opening for
// replacement, closing, teardown, and the record of files that failed.
#include "export/ExportFileSet.h"
#include "platform/Process.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;
using gk_test::DriveC;
using gk_test::FreshFolder;
using gk_test::ReadBytes;
using gk_test::WriteBytes;
using Kind = ClExportFileSet::_OutputKind;

namespace {

struct StNameCase {
    Kind eKind;
    const char* szWinName;
    const char* szHostName;
};

TEST(FileSetNames, ThreeFilesBesideTheChosenPathAreCreatedEmpty) {
    const StNameCase aCases[] = {
        {ClExportFileSet::OUT_ASSET, "C:\\out\\assets.csv", "assets.csv"},
        {ClExportFileSet::OUT_ASSETTYPE, "C:\\out\\syurui.SSC", "syurui.SSC"},
        {ClExportFileSet::OUT_ERRLOG, "C:\\out\\DovlogSysErr.txt", "DovlogSysErr.txt"},
    };
    fs::path folder = FreshFolder("out");
    ClExportFileSet set;
    for (const StNameCase& c : aCases) {
        SCOPED_TRACE(c.szWinName);
        EXPECT_TRUE(set.OpenOutput(c.eKind, "C:\\out\\assets.csv"));
        EXPECT_STREQ(set.GetOutputName(c.eKind), c.szWinName);
        EXPECT_TRUE(set.CloseOutput(c.eKind));
        EXPECT_FALSE(set.HasFailed(c.eKind));
        ASSERT_TRUE(fs::exists(folder / c.szHostName));
        EXPECT_EQ(fs::file_size(folder / c.szHostName), 0u);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
}

TEST(FileSetNames, ExistingFilesAreEmptiedEvenWhenNothingIsWritten) {
    fs::path folder = FreshFolder("out");
    WriteBytes(folder / "syurui.SSC", "old types\r\n");
    WriteBytes(folder / "DovlogSysErr.txt", "old log\r\n");
    ClExportFileSet set;
    ASSERT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ASSETTYPE, "C:\\out\\new.csv"));
    ASSERT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ERRLOG, "C:\\out\\new.csv"));
    set.CloseOutput(ClExportFileSet::OUT_ASSETTYPE);
    set.CloseOutput(ClExportFileSet::OUT_ERRLOG);
    EXPECT_EQ(ReadBytes(folder / "syurui.SSC"), "");
    EXPECT_EQ(ReadBytes(folder / "DovlogSysErr.txt"), "");
}

TEST(FileSetNames, PathWithoutBackslashPutsAllFilesInTheCurrentFolder) {
    fs::path folder = FreshFolder("cur");
    ASSERT_TRUE(SetCurrentDirectory("C:\\cur"));
    ClExportFileSet set;
    for (Kind eKind :
         {ClExportFileSet::OUT_ASSET, ClExportFileSet::OUT_ASSETTYPE, ClExportFileSet::OUT_ERRLOG})
        EXPECT_TRUE(set.OpenOutput(eKind, "data.csv"));
    EXPECT_STREQ(set.GetOutputName(ClExportFileSet::OUT_ASSETTYPE), "syurui.SSC");
    EXPECT_STREQ(set.GetOutputName(ClExportFileSet::OUT_ERRLOG), "DovlogSysErr.txt");
    EXPECT_TRUE(fs::exists(folder / "data.csv"));
    EXPECT_TRUE(fs::exists(folder / "syurui.SSC"));
    EXPECT_TRUE(fs::exists(folder / "DovlogSysErr.txt"));
}

// 0x5C as the trail byte of a double-byte character (表 is 0x95 0x5C) is no separator.
TEST(FileSetNames, TrailByteBackslashDoesNotSplitTheFolder) {
    FreshFolder("out");
    ClExportFileSet set;
    EXPECT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ASSETTYPE, "C:\\out\\\x95\x5C.csv"));
    EXPECT_STREQ(set.GetOutputName(ClExportFileSet::OUT_ASSETTYPE), "C:\\out\\syurui.SSC");
}

TEST(FileSetOpen, MissingFolderFailsAndCreatesNothing) {
    FreshFolder("out");
    ClExportFileSet set;
    for (Kind eKind : {ClExportFileSet::OUT_ASSET, ClExportFileSet::OUT_ASSETTYPE,
                       ClExportFileSet::OUT_ERRLOG}) {
        EXPECT_FALSE(set.OpenOutput(eKind, "C:\\out\\missing\\assets.csv"));
        EXPECT_TRUE(set.HasFailed(eKind));
        EXPECT_TRUE(set.CloseOutput(eKind));
    }
    EXPECT_STREQ(set.GetOutputName(ClExportFileSet::OUT_ERRLOG),
                 "C:\\out\\missing\\DovlogSysErr.txt");
    EXPECT_FALSE(fs::exists(DriveC() / "out" / "missing"));
}

TEST(FileSetOpen, CloseOfAFileNeverOpenedSucceedsAndIsNoFailure) {
    ClExportFileSet set;
    EXPECT_TRUE(set.CloseOutput(ClExportFileSet::OUT_ASSETTYPE));
    EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSETTYPE));
    EXPECT_STREQ(set.GetOutputName(ClExportFileSet::OUT_ASSETTYPE), "");
}

// A folder part of 245 bytes leaves room for assets.csv and syurui.SSC but not for the
// error log's 16-byte name: that file alone fails, under the name as far as it fits.
TEST(FileSetOpen, DerivedNameBeyondMaxPathFailsAloneAndIsKeptCut) {
    std::string strWin = "C:";
    fs::path host = FreshFolder("long");
    strWin += "\\long";
    while (strWin.size() + 61 <= 244) {
        std::string strPart(60, 'd');
        strWin += "\\" + strPart;
        host /= strPart;
    }
    strWin += "\\" + std::string(244 - strWin.size() - 1, 'e');
    host /= std::string(strWin.substr(strWin.rfind('\\') + 1));
    strWin += "\\";
    ASSERT_EQ(strWin.size(), 245u);
    fs::create_directories(host);

    std::string strPath = strWin + "assets.csv";
    ClExportFileSet set;
    EXPECT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ASSET, strPath.c_str()));
    EXPECT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ASSETTYPE, strPath.c_str()));
    EXPECT_FALSE(set.OpenOutput(ClExportFileSet::OUT_ERRLOG, strPath.c_str()));
    EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSET));
    EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ASSETTYPE));
    EXPECT_TRUE(set.HasFailed(ClExportFileSet::OUT_ERRLOG));
    EXPECT_EQ(std::string(set.GetOutputName(ClExportFileSet::OUT_ERRLOG)),
              strWin + "DovlogSysErr.tx");
    EXPECT_TRUE(fs::exists(host / "syurui.SSC"));
    EXPECT_FALSE(fs::exists(host / "DovlogSysErr.tx"));
    EXPECT_FALSE(fs::exists(host / "DovlogSysErr.txt"));
}

TEST(FileSetOpen, ChosenPathBeyondMaxPathIsNotOpenedUnderACutName) {
    fs::path folder = FreshFolder("out");
    std::string strPath = "C:\\out\\" + std::string(MAX_PATH - 7, 'a') + ".csv";
    ClExportFileSet set;
    EXPECT_FALSE(set.OpenOutput(ClExportFileSet::OUT_ASSET, strPath.c_str()));
    EXPECT_TRUE(set.HasFailed(ClExportFileSet::OUT_ASSET));
    EXPECT_EQ(std::string(set.GetOutputName(ClExportFileSet::OUT_ASSET)),
              strPath.substr(0, MAX_PATH));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(FileSetTeardown, DestroyingTheSetClosesOpenFilesWithTheirContent) {
    fs::path folder = FreshFolder("out");
    auto pSet = std::make_unique<ClExportFileSet>();
    pSet->OpenOutput(ClExportFileSet::OUT_ERRLOG, "C:\\out\\assets.csv");
    pSet->OpenOutput(ClExportFileSet::OUT_ASSET, "C:\\out\\assets.csv");
    StDATAINFO info = gk_test::MakeInfo("", 0, 0, 2);
    pSet->WriteAssetHeader(&info);
    pSet->WriteErrorLine("\nmessage");
    pSet.reset();
    EXPECT_EQ(ReadBytes(folder / "DovlogSysErr.txt"), "\nmessage\r\n");
    EXPECT_TRUE(ReadBytes(folder / "assets.csv").ends_with("メモ欄上段,メモ欄下段,\r\n"));
}

// Files that the host refuses to take: the writes end on a device that is always full.
TEST(FileSetFailure, WriteThatDoesNotReachTheDiskMarksThatFileOnly) {
    fs::path folder = FreshFolder("full");
    fs::create_symlink("/dev/full", folder / "assets.csv");
    fs::create_symlink("/dev/full", folder / "syurui.SSC");
    ClExportFileSet set;
    ASSERT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ERRLOG, "C:\\full\\assets.csv"));
    ASSERT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ASSET, "C:\\full\\assets.csv"));
    StDATAINFO info = gk_test::MakeInfo("Company", 20230401, 20240331, 0);
    set.WriteAssetHeader(&info);
    set.WriteErrorLine("\nkept");
    set.CloseOutput(ClExportFileSet::OUT_ASSET);
    set.CloseOutput(ClExportFileSet::OUT_ERRLOG);
    EXPECT_TRUE(set.HasFailed(ClExportFileSet::OUT_ASSET));
    EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ERRLOG));
    EXPECT_EQ(ReadBytes(folder / "DovlogSysErr.txt"), "\nkept\r\n");

    ASSERT_TRUE(set.OpenOutput(ClExportFileSet::OUT_ASSETTYPE, "C:\\full\\assets.csv"));
    set.WriteAssetTypeHeader(&info);
    set.CloseOutput(ClExportFileSet::OUT_ASSETTYPE);
    EXPECT_TRUE(set.HasFailed(ClExportFileSet::OUT_ASSETTYPE));
}

} // namespace
