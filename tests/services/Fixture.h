// Small accounting databases for tests, written in a line or two.
//
//   ClFixtureDb db;                          // full schema and defaults (below)
//   db.Asset({{"szAssetCode", "123456"}, {"cyAcqCost", 1000000LL * 10000}});
//   db.Asset({{"sMethodKind", 4}, {"abBulkKey", ClFixtureValue::Blob("K1")}});
//   db.BulkItem({{"abBulkKey", ClFixtureValue::Blob("K1")}, {"szItemName", "机"}});
//   db.AssetType({{"lCode", 1}, {"szName", "建物"}, {"sMethod", 2}});
//   db.System("package_name", "会計パッケージ");
//   db.Sql("DELETE FROM users");             // any SQL, run after the rows are in
//   db.Install(path);                        // Write(path), then ACCSYS_DB=path
//
// Defaults: system current_user FIXTURE_USER, package_name "テスト会計", output_folder
// "C:\out\", settings_folder "C:\settings\"; one users row (FIXTURE_USER, sel_no1 1,
// data_no 1); one company_data row (position 1, szDataID FIXTURE_DATAID, lDataNo 1,
// "株式会社テスト", 20240401 to 20250331, kind 0, corporate 0).
// User() and Company() rows are completed from those defaults; the first call of each
// replaces the default row. Asset(), BulkItem(), AssetType() and TextOrder() rows get
// szDataID FIXTURE_DATAID and, unless given, the next position (0, 1, 2, ... per data ID,
// and per bulk key for sub-items). Columns not given are NULL, which reads as zero.
//
// Values: integers; char texts are CP932 (the test sources' literals) and are stored as
// UTF-8 TEXT; u8"..." and ClFixtureValue::Utf8 store TEXT bytes as given (also ones that
// have no CP932 form, or are no UTF-8 at all); ClFixtureValue::Blob stores raw bytes;
// nullptr stores NULL. A misspelt column fails Write with the database's message.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

class ClFixtureValue {
public:
    enum _Kind { KIND_NULL, KIND_INT, KIND_CP932, KIND_UTF8, KIND_BLOB };

    ClFixtureValue(std::nullptr_t) {}
    template <typename T>
    requires std::is_integral_v<T> ClFixtureValue(T value)
        : m_eKind(KIND_INT), m_llValue(static_cast<long long>(value)) {}
    ClFixtureValue(const char* szCp932) : m_eKind(KIND_CP932), m_strBytes(szCp932) {}
    ClFixtureValue(std::string strCp932) : m_eKind(KIND_CP932), m_strBytes(std::move(strCp932)) {}
    ClFixtureValue(const char8_t* szUtf8)
        : m_eKind(KIND_UTF8), m_strBytes(reinterpret_cast<const char*>(szUtf8)) {}

    static ClFixtureValue Utf8(std::string_view bytes) { return {KIND_UTF8, bytes}; }
    static ClFixtureValue Blob(std::string_view bytes) { return {KIND_BLOB, bytes}; }

    _Kind Kind() const { return m_eKind; }
    long long Int() const { return m_llValue; }
    const std::string& Bytes() const { return m_strBytes; }

private:
    ClFixtureValue(_Kind eKind, std::string_view bytes) : m_eKind(eKind), m_strBytes(bytes) {}

    _Kind m_eKind = KIND_NULL;
    long long m_llValue = 0;
    std::string m_strBytes;
};

using FixtureRow = std::vector<std::pair<std::string, ClFixtureValue>>;

inline constexpr const char* FIXTURE_USER = "user01";
inline constexpr const char* FIXTURE_DATAID = "0001";

class ClFixtureDb {
public:
    ClFixtureDb();

    // Sets a system value; nullptr removes the key.
    ClFixtureDb& System(const std::string& strKey, ClFixtureValue value);
    ClFixtureDb& User(const FixtureRow& row);
    ClFixtureDb& Company(const FixtureRow& row);
    ClFixtureDb& Asset(const FixtureRow& row);
    ClFixtureDb& BulkItem(const FixtureRow& row);
    ClFixtureDb& AssetType(const FixtureRow& row);
    ClFixtureDb& TextOrder(const FixtureRow& row);
    // SQL (UTF-8) run after all rows are inserted, in the order given.
    ClFixtureDb& Sql(const std::string& strSql);

    // Creates the file anew (a host path); throws std::runtime_error on failure.
    void Write(const std::string& strPath) const;
    // Write, then point ACCSYS_DB at the file.
    void Install(const std::string& strPath) const;

private:
    // Adds a row completed from defaults, positioned among the rows that agree with it on
    // the group columns (no position for an empty lPositionBase).
    ClFixtureDb& _Add(const std::string& strTable, FixtureRow row, const FixtureRow& defaults,
                      const std::vector<std::string>& group, long long lPositionBase);

    std::map<std::string, std::vector<FixtureRow>> m_mapRows; // table -> rows
    bool m_bDefaultUser = true;
    bool m_bDefaultCompany = true;
    std::vector<std::string> m_sql;
};
