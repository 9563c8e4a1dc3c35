// The export driver's tests: an accounting database installed and connected for the
// test, the export run as the program runs it, and the rows of the asset data file.
#pragma once

#include "export/AssetExporter.h"
#include "services/AccConnect.h"
#include "tests/export/FileSetFixture.h"
#include "tests/services/Fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class DriverTest : public testing::Test {
protected:
    void SetUp() override {
        gk_test::DriveC();
        m_folder = gk_test::FreshFolder("out");
        ClAccConnect::Inst()->m_pszTitle = "減価償却";
    }
    void TearDown() override {
        ClAccConnect* pConn = ClAccConnect::Inst();
        pConn->LogOut();
        pConn->Terminate();
        pConn->Release();
    }
    // Installs the database beside the drive's folder, connects and links.
    void Connect(const ClFixtureDb& db) {
        std::string strDb = (m_folder.parent_path().parent_path() / "accsys.db").string();
        db.Install(strDb);
        ASSERT_EQ(ClAccConnect::Inst()->Initiate(), 0);
        ASSERT_EQ(ClAccConnect::Inst()->ExpSysLink(), 0);
    }
    // The three steps in their order, then the exporter's end, for C:\out\assets.csv.
    void RunExport(const StDATAINFO& info) {
        ClAssetExporter exporter;
        exporter.m_strPath = "C:\\out\\assets.csv";
        EXPECT_EQ(exporter.OpenAssetFile(&info), 1);
        EXPECT_EQ(exporter.ExportAssets(), 1);
        EXPECT_EQ(exporter.ExportAssetTypes(&info), 1);
        const ClExportFileSet& set = exporter.GetFileSet();
        for (auto eKind : {ClExportFileSet::OUT_ASSET, ClExportFileSet::OUT_ASSETTYPE,
                           ClExportFileSet::OUT_ERRLOG})
            EXPECT_FALSE(set.HasFailed(eKind)) << set.GetOutputName(eKind);
    }
    std::string AssetFile() const { return gk_test::ReadBytes(m_folder / "assets.csv"); }
    std::string TypeFile() const { return gk_test::ReadBytes(m_folder / "syurui.SSC"); }
    std::string ErrLog() const { return gk_test::ReadBytes(m_folder / "DovlogSysErr.txt"); }

    // Lines of a file, each without its CR LF.
    static std::vector<std::string> Lines(const std::string& strFile) {
        std::vector<std::string> lines;
        for (std::size_t nStart = 0; nStart < strFile.size();) {
            std::size_t nEnd = strFile.find("\r\n", nStart);
            if (nEnd == std::string::npos)
                nEnd = strFile.size();
            lines.push_back(strFile.substr(nStart, nEnd - nStart));
            nStart = nEnd + 2;
        }
        return lines;
    }
    // Column 0 of every data row of the asset data file.
    std::vector<std::string> RowCodes() const {
        std::vector<std::string> codes;
        std::vector<std::string> lines = Lines(AssetFile());
        for (std::size_t i = 7; i < lines.size(); ++i)
            codes.push_back(lines[i].substr(0, lines[i].find(',')));
        return codes;
    }

    std::filesystem::path m_folder;
};
