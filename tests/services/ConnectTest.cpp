// Connecting: the start-up check of the database, linking to the user, the link library's
// message box and the folders of the file manager.
#include "services/DataMgr.h"
#include "services/FileMgr.h"
#include "tests/services/AccTestSupport.h"

#include <fstream>

namespace {

using ::testing::HasSubstr;

struct StBADCASE {
    const char* szName;
    void (*pfnBreak)(ClFixtureDb&);
    std::vector<std::string> parts; // each must appear in the message
};

const StBADCASE S_BADCASES[] = {
    {"AssetCodeOf16Bytes",
     [](ClFixtureDb& db) {
         db.Asset({{"szAssetCode", "1234567890123456"}});
     },
     {"表: assets\n", "行: szDataID=0001, position=0\n", "列: szAssetCode\n",
      "長すぎます（15バイトまで）。"}},
    {"Int16Holding40000",
     [](ClFixtureDb& db) {
         db.Asset({}).Asset({{"sMethodKind", 40000}});
     },
     {"表: assets\n", "行: szDataID=0001, position=1\n", "列: sMethodKind\n",
      "範囲外の値です（-32768から32767まで）。"}},
    {"TextWithoutCp932Form",
     [](ClFixtureDb& db) {
         db.AssetType({{"szName", u8"建物\U0001F3E2"}});
     },
     {"表: asset_types\n", "列: szName\n", "シフトJISに変換できない文字を含んでいます。"}},
    {"TextThatIsNoUtf8",
     [](ClFixtureDb& db) {
         db.BulkItem({{"szItemName", ClFixtureValue::Utf8("\xff\xfe")}});
     },
     {"表: bulk_items\n", "列: szItemName\n", "シフトJISに変換できない"}},
    {"MissingTable",
     [](ClFixtureDb& db) { db.Sql("DROP TABLE bulk_items"); },
     {"会計データベースに表 bulk_items がありません。"}},
    {"MissingKeyColumn",
     [](ClFixtureDb& db) {
         db.Sql("DROP TABLE asset_types; CREATE TABLE asset_types (szDataID TEXT, lCode INTEGER)");
     },
     {"表 asset_types に列 position がありません。"}},
    {"TextInIntegerColumn",
     [](ClFixtureDb& db) {
         db.Asset({{"lAcqDate", "2024/04/01"}});
     },
     {"列: lAcqDate\n", "整数ではありません。"}},
    {"FractionInInteger",
     [](ClFixtureDb& db) { db.Sql("UPDATE company_data SET lDataNo = 1.5"); },
     {"表: company_data\n", "行: position=1\n", "列: lDataNo\n", "整数ではありません。"}},
    {"BulkKeyOf17Bytes",
     [](ClFixtureDb& db) {
         db.Asset({{"abBulkKey", ClFixtureValue::Blob("0123456789abcdefg")}});
     },
     {"列: abBulkKey\n", "長すぎます（16バイトまで）。"}},
    {"ByteHolding256",
     [](ClFixtureDb& db) {
         db.Company({{"bCorpKind", 256}});
     },
     {"表: company_data\n", "列: bCorpKind\n", "範囲外の値です（0から255まで）。"}},
    {"FolderWithoutBackslash",
     [](ClFixtureDb& db) { db.System("output_folder", "C:\\out"); },
     {"表: system\n", "行: key=output_folder\n", "列: value\n",
      "フォルダーが \\ で終わっていません。"}},
    // 表 ends in the byte 0x5C, which is no separator there.
    {"FolderEndingInTrailByte",
     [](ClFixtureDb& db) { db.System("settings_folder", "C:\\表"); },
     {"行: key=settings_folder\n", "フォルダーが"}},
    {"UserIdOf65Bytes",
     [](ClFixtureDb& db) { db.System("current_user", std::string(65, 'u')); },
     {"行: key=current_user\n", "長すぎます（64バイトまで）。"}},
    {"OrderOf101Entries",
     [](ClFixtureDb& db) {
         db.TextOrder({{"szName", "G_SSC"}, {"sCount", 101}});
     },
     {"表: text_orders\n", "行: szDataID=0001, szName=G_SSC\n",
      "範囲外の値です（0から100まで）。"}},
    {"KeyShownAsHex",
     [](ClFixtureDb& db) {
         db.Asset(
             {{"szDataID", ClFixtureValue::Blob("\x01\x02")}, {"szMemo", std::string(82, 'm')}});
     },
     {"行: szDataID=X'0102', position=0\n", "列: szMemo\n", "長すぎます（81バイトまで）。"}},
};

class InitiateRefuses : public AccSysTest, public testing::WithParamInterface<StBADCASE> {};

TEST_P(InitiateRefuses, WithItsOwnMessage) {
    ClFixtureDb db;
    GetParam().pfnBreak(db);
    EXPECT_NE(Connect(db), 0);
    ASSERT_EQ(m_recorder.m_boxes.size(), 1u);
    const StSHOWNBOX& box = m_recorder.m_boxes[0];
    for (const std::string& strPart : GetParam().parts)
        EXPECT_THAT(box.strText, HasSubstr(strPart));
    EXPECT_EQ(box.strCaption, TEST_TITLE);
    EXPECT_EQ(box.uType, MB_ICONEXCLAMATION);
    // Nothing of the refused database is reachable.
    EXPECT_EQ(ClDataMgr::Inst()->GetSetMgr()->GetAccDb(), nullptr);
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "");
}

INSTANTIATE_TEST_SUITE_P(Values, InitiateRefuses, testing::ValuesIn(S_BADCASES),
                         [](const auto& info) { return std::string(info.param.szName); });

TEST_F(AccSysTest, InitiateAcceptsValuesAtTheirLimits) {
    ClFixtureDb db;
    db.Asset({{"szAssetCode", "123456789012345"},
              {"sMethodKind", 32767},
              {"sUsefulLife", -32768},
              {"lAcqDate", 2147483647},
              {"cyAcqCost", -9223372036854775807LL},
              {"abBulkKey", ClFixtureValue::Blob("0123456789abcdef")},
              {"szQuantity", ClFixtureValue::Blob(std::string("12345678\0tail", 13))},
              {"bLimitKind", 255}});
    db.System("output_folder", "C:\\表\\").System("settings_folder", "");
    db.System("current_user", std::string(64, 'u')).User({{"user_id", std::string(64, 'u')}});
    EXPECT_EQ(Connect(db), 0);
    EXPECT_TRUE(m_recorder.m_boxes.empty());
}

TEST_F(AccSysTest, CaptionIsWhatTheProgramStoredInTheFirstMember) {
    *reinterpret_cast<const char**>(ClAccConnect::Inst()) = "会計連動";
    ClFixtureDb db;
    db.Sql("DROP TABLE users");
    EXPECT_NE(Connect(db), 0);
    ASSERT_EQ(m_recorder.m_boxes.size(), 1u);
    EXPECT_EQ(m_recorder.m_boxes[0].strCaption, "会計連動");
}

TEST_F(AccSysTest, InitiateRefusesAMissingOrForeignFile) {
    setenv("ACCSYS_DB", (DbPath() + ".absent").c_str(), 1);
    EXPECT_NE(ClAccConnect::Inst()->Initiate(), 0);
    std::ofstream(DbPath(), std::ios::binary) << std::string(4096, 'x');
    setenv("ACCSYS_DB", DbPath().c_str(), 1);
    EXPECT_NE(ClAccConnect::Inst()->Initiate(), 0);
    ASSERT_EQ(m_recorder.m_boxes.size(), 2u);
    EXPECT_THAT(m_recorder.m_boxes[0].strText, HasSubstr("会計データベースを開けません。"));
    EXPECT_THAT(m_recorder.m_boxes[0].strText, HasSubstr(".db.absent"));
    EXPECT_THAT(m_recorder.m_boxes[1].strText, HasSubstr("会計データベースを読み込めません。"));
}

TEST_F(AccSysTest, ExpSysLinkNeedsTheCurrentUsersRow) {
    struct {
        ClFixtureDb db;
        const char* szMessagePart;
    } cases[] = {
        {std::move(ClFixtureDb().Sql("DELETE FROM users")),
         "ユーザー「user01」は会計データベースの表 users に登録されていません。"},
        {std::move(ClFixtureDb().User({{"user_id", "someone"}})), "ユーザー「user01」"},
        {std::move(ClFixtureDb().System("current_user", nullptr)),
         "ログイン中のユーザーが会計データベースに設定されていません。"},
        {std::move(ClFixtureDb().System("current_user", "")), "ログイン中のユーザーが"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.szMessagePart);
        m_recorder.m_boxes.clear();
        ASSERT_EQ(Connect(c.db), 0);
        EXPECT_NE(ClAccConnect::Inst()->ExpSysLink(), 0);
        EXPECT_FALSE(ClAccConnect::Inst()->IsLinked());
        ASSERT_EQ(m_recorder.m_boxes.size(), 1u);
        EXPECT_THAT(m_recorder.m_boxes[0].strText, HasSubstr(c.szMessagePart));
        EXPECT_EQ(m_recorder.m_boxes[0].strCaption, TEST_TITLE);
    }
}

TEST_F(AccSysTest, ExpSysLinkWithoutConnectionFails) {
    EXPECT_NE(ClAccConnect::Inst()->ExpSysLink(), 0);
    ASSERT_EQ(m_recorder.m_boxes.size(), 1u);
    EXPECT_THAT(m_recorder.m_boxes[0].strText, HasSubstr("接続されていません"));
}

TEST_F(AccSysTest, LinkSucceedsAndClosingCallsMayRepeat) {
    ClAccConnect* pConn = ClAccConnect::Inst();
    pConn->SetAppType(ClSysEnvMgr::APP_MILTRACE);
    pConn->SetUseDataType(3);
    Link(ClFixtureDb());
    EXPECT_TRUE(pConn->IsLinked());
    EXPECT_EQ(pConn->GetAppType(), ClSysEnvMgr::APP_MILTRACE);
    EXPECT_EQ(pConn->GetUseDataType(), 3);
    EXPECT_EQ(pConn->LogOut(), 0);
    EXPECT_EQ(pConn->Terminate(), 0);
    EXPECT_EQ(pConn->Terminate(), 0);
    EXPECT_EQ(pConn->Release(), 0);
    EXPECT_FALSE(pConn->IsLinked());
    EXPECT_EQ(ClDataMgr::Inst()->GetSetMgr()->GetAccDb(), nullptr);
}

TEST_F(AccSysTest, DispMsgPutsInThePackageName) {
    Link(ClFixtureDb().System("package_name", "会計大将"));
    ClAccConnect* pConn = ClAccConnect::Inst();
    EXPECT_EQ(pConn->DispMsg(nullptr, "ES_APRPACKAGENAMEが見つかりません。\nES_APRPACKAGENAMEを",
                             "題", MB_ICONINFORMATION),
              IDOK);
    // ウ is 0x83 0x45: its trail byte is an E but starts no placeholder.
    pConn->DispMsg(nullptr, "ウS_APRPACKAGENAME ES_APRPACKAGENAM", "題", MB_ICONEXCLAMATION);
    ASSERT_EQ(m_recorder.m_boxes.size(), 2u);
    EXPECT_EQ(m_recorder.m_boxes[0].strText, "会計大将が見つかりません。\n会計大将を");
    EXPECT_EQ(m_recorder.m_boxes[0].strCaption, "題");
    EXPECT_EQ(m_recorder.m_boxes[0].uType, MB_ICONINFORMATION);
    EXPECT_EQ(m_recorder.m_boxes[1].strText, "ウS_APRPACKAGENAME ES_APRPACKAGENAM");
}

TEST_F(AccSysTest, DispMsgWithoutPackageNameDropsThePlaceholder) {
    Link(ClFixtureDb().System("package_name", nullptr));
    ClAccConnect::Inst()->DispMsg(nullptr, "[ES_APRPACKAGENAME]", "題", MB_ICONEXCLAMATION);
    ASSERT_EQ(m_recorder.m_boxes.size(), 1u);
    EXPECT_EQ(m_recorder.m_boxes[0].strText, "[]");
}

TEST_F(AccSysTest, FileMgrGivesTheTwoFoldersOfTheSystemTable) {
    Link(ClFixtureDb()
             .System("output_folder", "D:\\出力\\")
             .System("settings_folder", ClFixtureValue::Blob("\\\\srv\\\x95\x5c\\")));
    ClFileMgr* pFiles = ClFileMgr::Inst();
    EXPECT_STREQ(pFiles->GetAppFolderPath(ClFileMgr::FOLDER_OUTPUT), "D:\\出力\\");
    EXPECT_STREQ(pFiles->GetAppFolderPath(ClFileMgr::FOLDER_SETTINGS), "\\\\srv\\表\\");
    EXPECT_STREQ(pFiles->GetAppFolderPath(2), "");
    EXPECT_STREQ(pFiles->GetAppFolderPath(-1), "");
    EXPECT_EQ(pFiles->Release(), 0);
}

TEST_F(AccSysTest, FileMgrGivesEmptyForAnAbsentFolder) {
    Link(ClFixtureDb().System("output_folder", nullptr).System("settings_folder", ""));
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(0), "");
    EXPECT_STREQ(ClFileMgr::Inst()->GetAppFolderPath(1), "");
}

} // namespace
