#include "tests/export/ConversionFixture.h"

#include "services/DataMgr.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace gk_conv {

namespace {

constexpr const char* PATH = "C:\\conv\\assets.csv";
constexpr int HEADER_LINES = 7; // six header lines and the column header line

} // namespace

StASSET Ordinary(std::string_view svCode) {
    StASSET asset;
    SetText(asset.master.szAssetCode, svCode);
    return asset;
}

StASSET Item(std::string_view svCode, int nNo) {
    StASSET asset = Ordinary(svCode);
    asset.master.sMethodKind = 4;
    SetText(asset.item.szItemNo, std::to_string(nNo));
    return asset;
}

ClConversion::ClConversion() {
    gk_test::FreshFolder("conv");
    m_pSet = std::make_unique<ClExportFileSet>();
    EXPECT_TRUE(m_pSet->OpenOutput(ClExportFileSet::OUT_ERRLOG, PATH));
    EXPECT_TRUE(m_pSet->OpenOutput(ClExportFileSet::OUT_ASSET, PATH));
    // The header also puts the message accessor into comma mode.
    const StDATAINFO info = gk_test::MakeInfo("株式会社テスト", 20240401, 20250331, 0);
    m_pSet->WriteAssetHeader(&info);
}

void ClConversion::Write(const StASSET& asset) {
    EXPECT_EQ(m_pSet->WriteAssetRow(&asset.master, &asset.year, &asset.month, &asset.item), 1);
}

void ClConversion::_Close() {
    if (m_bClosed)
        return;
    m_pSet->CloseOutput(ClExportFileSet::OUT_ASSET);
    m_pSet->CloseOutput(ClExportFileSet::OUT_ERRLOG);
    EXPECT_FALSE(m_pSet->HasFailed(ClExportFileSet::OUT_ASSET));
    EXPECT_FALSE(m_pSet->HasFailed(ClExportFileSet::OUT_ERRLOG));
    m_bClosed = true;
}

std::vector<std::string> ClConversion::Rows() {
    _Close();
    const std::string strFile = gk_test::ReadBytes(gk_test::DriveC() / "conv" / "assets.csv");
    std::vector<std::string> rows;
    std::size_t lPos = 0;
    for (int nLine = 0; lPos < strFile.size(); ++nLine) {
        std::size_t lEnd = strFile.find("\r\n", lPos);
        lEnd = lEnd == std::string::npos ? strFile.size() : lEnd + 2;
        if (nLine >= HEADER_LINES)
            rows.push_back(strFile.substr(lPos, lEnd - lPos));
        lPos = lEnd;
    }
    return rows;
}

std::string ClConversion::Log() {
    _Close();
    return gk_test::ReadBytes(gk_test::DriveC() / "conv" / "DovlogSysErr.txt");
}

std::string Line(const Fields& fields) {
    std::string strLine;
    for (int nCol = 0; nCol < INFO_COLUMN_COUNT; ++nCol) {
        if (nCol > 0)
            strLine += ',';
        if (auto it = fields.find(nCol); it != fields.end())
            strLine += it->second;
    }
    return strLine + "\r\n";
}

std::string NumberedCode(int n) {
    char sz[8];
    std::snprintf(sz, sizeof sz, "%06d", n);
    return sz;
}

Fields OrdinaryFields(const std::string& strCode) {
    return {{0, strCode},   {2, "00"},      {12, "0"},      {13, "0.00"},
            {68, "100"},    {69, "0.00"},   {70, "100.00"}, {83, "0.00"},
            {84, "100.00"}, {86, "100.00"}, {87, "100.00"}};
}

Fields ItemFields(const std::string& strCode) {
    return {{0, strCode},   {4, "一括決算"}, {12, "0"},      {13, "0.00"},   {69, "0.00"},
            {70, "100.00"}, {83, "0.00"},    {84, "100.00"}, {86, "100.00"}, {87, "100.00"}};
}

Fields With(Fields fields, const Fields& changes) {
    for (const auto& [nCol, strText] : changes) {
        if (strText.empty())
            fields.erase(nCol);
        else
            fields[nCol] = strText;
    }
    return fields;
}

std::string LogLine(std::string_view svMessage) {
    return std::string(svMessage.substr(0, 152)) + "\r\n";
}

} // namespace gk_conv
