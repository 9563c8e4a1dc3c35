// The error log: message lines as composed, ended by CR LF, cut at 152 bytes, under the
// edition's file name.
#include "export/ExportFileSet.h"
#include "services/Edition.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using gk_test::FreshFolder;
using gk_test::ReadBytes;

namespace {

// The log as the export writes it: opened with the asset data file, whose header comes
// first and puts the free text accessor into comma mode.
std::string LogOf(const std::vector<std::string>& messages) {
    fs::path folder = FreshFolder("out");
    {
        ClExportFileSet set;
        set.OpenOutput(ClExportFileSet::OUT_ERRLOG, "C:\\out\\assets.csv");
        set.OpenOutput(ClExportFileSet::OUT_ASSET, "C:\\out\\assets.csv");
        StDATAINFO info = gk_test::MakeInfo("", 0, 0, 0);
        set.WriteAssetHeader(&info);
        for (const std::string& strMessage : messages)
            EXPECT_EQ(set.WriteErrorLine(strMessage.c_str()), 1);
        set.CloseOutput(ClExportFileSet::OUT_ASSET);
        set.CloseOutput(ClExportFileSet::OUT_ERRLOG);
        EXPECT_FALSE(set.HasFailed(ClExportFileSet::OUT_ERRLOG));
    }
    return ReadBytes(folder / "DovlogSysErr.txt");
}

TEST(ErrorLogLine, MessagesKeepTheirLineFeedsAndEndInCrLf) {
    EXPECT_EQ(LogOf({"\n＜ERROR＞\n資産コード｢ABC-12｣には、半角英数以外の文字が使用されています。",
                     "\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n100件目から後の内訳は出力"
                     "されません。"}),
              "\n\x81\x83"
              "ERROR\x81\x84\n資産コード\xA2"
              "ABC-12\xA3には、半角英数以外の文字が使用されています。\r\n"
              "\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n100件目から後の内訳は出力されませ"
              "ん。\r\n");
}

TEST(ErrorLogLine, TextIsWrittenAsItStandsWithoutQuotes) {
    EXPECT_EQ(LogOf({"a,\"b\"\tc"}), "a,\"b\"\tc\r\n");
}

struct StCutCase {
    const char* szWhat;
    std::string strMessage;
    std::string strLine;
};

TEST(ErrorLogLine, MessagesAreCutAtOneHundredFiftyTwoBytes) {
    const StCutCase aCases[] = {
        {"exactly 152 bytes", std::string(152, 'x'), std::string(152, 'x')},
        {"153 bytes", std::string(153, 'y'), std::string(152, 'y')},
        {"long", std::string(400, 'z'), std::string(152, 'z')},
        {"cut inside a character", std::string(151, 'w') + "名", std::string(151, 'w') + "\x96"},
    };
    for (const StCutCase& c : aCases) {
        SCOPED_TRACE(c.szWhat);
        EXPECT_EQ(LogOf({c.strMessage}), c.strLine + "\r\n");
    }
}

TEST(ErrorLogLine, ExportWithoutMessagesLeavesAnEmptyLog) {
    fs::path folder = FreshFolder("out");
    EXPECT_EQ(LogOf({}), "");
    EXPECT_TRUE(fs::exists(folder / "DovlogSysErr.txt"));
}

} // namespace
