#include "tests/services/Fixture.h"

#include "platform/CodePage.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>

namespace {

const FixtureRow S_DEFAULTUSER = {{"user_id", FIXTURE_USER}, {"sel_no1", 1}, {"data_no", 1}};
const FixtureRow S_DEFAULTCOMPANY = {
    {"szDataID", FIXTURE_DATAID},
    {"lDataNo", 1},
    {"szCompanyName", "株式会社テスト"},
    {"lPeriodStart", 20240401},
    {"lPeriodEnd", 20250331},
    {"sDataKind", 0},
    {"bCorpKind", 0},
};
const FixtureRow S_DEFAULTDATA = {{"szDataID", FIXTURE_DATAID}};
constexpr long long NO_POSITION = -1;

const ClFixtureValue* _Find(const FixtureRow& row, const std::string& strColumn) {
    for (const auto& [strName, value] : row) {
        if (strName == strColumn)
            return &value;
    }
    return nullptr;
}

bool _Same(const ClFixtureValue* pA, const ClFixtureValue* pB) {
    if (!pA || !pB)
        return pA == pB;
    return pA->Kind() == pB->Kind() && pA->Int() == pB->Int() && pA->Bytes() == pB->Bytes();
}

using ClDbPtr = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using ClStmtPtr = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

void _Check(sqlite3* pDb, int rc, const std::string& strWhat) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw std::runtime_error("fixture: " + strWhat + ": " + sqlite3_errmsg(pDb));
}

void _Bind(sqlite3_stmt* pStmt, int iParam, const ClFixtureValue& value) {
    switch (value.Kind()) {
    case ClFixtureValue::KIND_NULL:
        sqlite3_bind_null(pStmt, iParam);
        break;
    case ClFixtureValue::KIND_INT:
        sqlite3_bind_int64(pStmt, iParam, value.Int());
        break;
    case ClFixtureValue::KIND_CP932: {
        std::string strUtf8;
        if (!Cp932ToUtf8(value.Bytes(), strUtf8))
            throw std::runtime_error("fixture: a text is no CP932: " + value.Bytes());
        sqlite3_bind_text64(pStmt, iParam, strUtf8.data(), strUtf8.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        break;
    }
    case ClFixtureValue::KIND_UTF8:
        sqlite3_bind_text64(pStmt, iParam, value.Bytes().data(), value.Bytes().size(),
                            SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    case ClFixtureValue::KIND_BLOB:
        sqlite3_bind_blob64(pStmt, iParam, value.Bytes().data(), value.Bytes().size(),
                            SQLITE_TRANSIENT);
        break;
    }
}

void _Insert(sqlite3* pDb, const std::string& strTable, const FixtureRow& row) {
    std::string strColumns;
    std::string strParams;
    for (const auto& [strName, value] : row) {
        strColumns += (strColumns.empty() ? "\"" : ", \"") + strName + "\"";
        strParams += strParams.empty() ? "?" : ", ?";
    }
    const std::string strSql =
        "INSERT INTO \"" + strTable + "\" (" + strColumns + ") VALUES (" + strParams + ")";
    sqlite3_stmt* pRaw = nullptr;
    _Check(pDb, sqlite3_prepare_v2(pDb, strSql.c_str(), -1, &pRaw, nullptr), strSql);
    ClStmtPtr pStmt(pRaw, &sqlite3_finalize);
    for (std::size_t i = 0; i < row.size(); ++i)
        _Bind(pRaw, static_cast<int>(i + 1), row[i].second);
    _Check(pDb, sqlite3_step(pRaw), strSql);
}

std::string _Schema() {
    std::ifstream file(GK_SCHEMA_SQL);
    std::stringstream text;
    text << file.rdbuf();
    if (!file)
        throw std::runtime_error(std::string("fixture: cannot read ") + GK_SCHEMA_SQL);
    return text.str();
}

} // namespace

ClFixtureDb::ClFixtureDb() {
    System("current_user", FIXTURE_USER);
    System("package_name", "テスト会計");
    System("output_folder", "C:\\out\\");
    System("settings_folder", "C:\\settings\\");
    m_mapRows["users"].push_back(S_DEFAULTUSER);
    FixtureRow company = S_DEFAULTCOMPANY;
    company.insert(company.begin(), {"position", 1});
    m_mapRows["company_data"].push_back(company);
}

ClFixtureDb& ClFixtureDb::System(const std::string& strKey, ClFixtureValue value) {
    std::vector<FixtureRow>& rows = m_mapRows["system"];
    std::erase_if(rows, [&](const FixtureRow& row) { return row[0].second.Bytes() == strKey; });
    if (value.Kind() != ClFixtureValue::KIND_NULL)
        rows.push_back({{"key", strKey}, {"value", std::move(value)}});
    return *this;
}

ClFixtureDb& ClFixtureDb::User(const FixtureRow& row) {
    if (std::exchange(m_bDefaultUser, false))
        m_mapRows["users"].clear();
    return _Add("users", row, S_DEFAULTUSER, {}, NO_POSITION);
}

ClFixtureDb& ClFixtureDb::Company(const FixtureRow& row) {
    if (std::exchange(m_bDefaultCompany, false))
        m_mapRows["company_data"].clear();
    return _Add("company_data", row, S_DEFAULTCOMPANY, {}, 1);
}

ClFixtureDb& ClFixtureDb::Asset(const FixtureRow& row) {
    return _Add("assets", row, S_DEFAULTDATA, {"szDataID"}, 0);
}

ClFixtureDb& ClFixtureDb::BulkItem(const FixtureRow& row) {
    return _Add("bulk_items", row, S_DEFAULTDATA, {"szDataID", "abBulkKey"}, 0);
}

ClFixtureDb& ClFixtureDb::AssetType(const FixtureRow& row) {
    return _Add("asset_types", row, S_DEFAULTDATA, {"szDataID"}, 0);
}

ClFixtureDb& ClFixtureDb::TextOrder(const FixtureRow& row) {
    return _Add("text_orders", row, S_DEFAULTDATA, {}, NO_POSITION);
}

ClFixtureDb& ClFixtureDb::Sql(const std::string& strSql) {
    m_sql.push_back(strSql);
    return *this;
}

ClFixtureDb& ClFixtureDb::_Add(const std::string& strTable, FixtureRow row,
                               const FixtureRow& defaults, const std::vector<std::string>& group,
                               long long lPositionBase) {
    for (const auto& column : defaults) {
        if (!_Find(row, column.first))
            row.push_back(column);
    }
    std::vector<FixtureRow>& rows = m_mapRows[strTable];
    if (lPositionBase != NO_POSITION && !_Find(row, "position")) {
        long long llCount = 0;
        for (const FixtureRow& other : rows) {
            bool bSameGroup = true;
            for (const std::string& strColumn : group)
                bSameGroup = bSameGroup && _Same(_Find(row, strColumn), _Find(other, strColumn));
            llCount += bSameGroup;
        }
        row.push_back({"position", lPositionBase + llCount});
    }
    rows.push_back(std::move(row));
    return *this;
}

void ClFixtureDb::Write(const std::string& strPath) const {
    std::filesystem::remove(strPath);
    sqlite3* pRaw = nullptr;
    const int rc = sqlite3_open_v2(strPath.c_str(), &pRaw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    ClDbPtr pDb(pRaw, &sqlite3_close);
    _Check(pRaw, rc, "open " + strPath);
    _Check(pRaw, sqlite3_exec(pRaw, _Schema().c_str(), nullptr, nullptr, nullptr), "schema");
    _Check(pRaw, sqlite3_exec(pRaw, "BEGIN", nullptr, nullptr, nullptr), "begin");
    for (const auto& [strTable, rows] : m_mapRows) {
        for (const FixtureRow& row : rows)
            _Insert(pRaw, strTable, row);
    }
    for (const std::string& strSql : m_sql)
        _Check(pRaw, sqlite3_exec(pRaw, strSql.c_str(), nullptr, nullptr, nullptr), strSql);
    _Check(pRaw, sqlite3_exec(pRaw, "COMMIT", nullptr, nullptr, nullptr), "commit");
}

void ClFixtureDb::Install(const std::string& strPath) const {
    Write(strPath);
    setenv("ACCSYS_DB", strPath.c_str(), 1);
}
