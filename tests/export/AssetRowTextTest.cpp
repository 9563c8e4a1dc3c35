// Texts of ordinary assets: the quantity split, the six-character code with its checks,
// and the cuts of names and memos, compared as whole rows and whole error logs.
#include "tests/export/ConversionFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gk_conv;

namespace {

constexpr const char* DAI = "台"; // 0x91 0xE4

std::string AmountMessage(const std::string& strAmount) {
    return LogLine("\n＜ERROR＞\n金額｢" + strAmount +
                   "｣は、連携可能最大桁数をオーバーしています。");
}
std::string QuantityMessage(const std::string& strQuantity) {
    return LogLine("\n＜WARNING＞\n数量｢" + strQuantity +
                   "｣は、連携可能最大桁数をオーバーしています。\n"
                   "減価償却データが、正しく連携されない可能性があります。");
}

TEST(AssetRowQuantity, NumberAndUnitFromTheQuantityText) {
    struct {
        std::string strText;
        const char* szNumber; // column 13; empty: left empty
        std::string strUnit;
        std::string strLog;
    } const aCases[] = {
        {"12", "12.00", "", ""},
        {"3台", "3.00", "台", ""},
        {"1,234kg", "1234.00", "kg", ""},
        {"2.345", "2.35", "", ""},
        {"1.005", "1.01", "", ""},
        {"一式", "0.00", "一式", ""},
        {"10個", "10.00", "個", ""},
        {"1 台", "1.00", " 台", ""},
        {std::string("1") + DAI + DAI + "a", "1.00", std::string(DAI) + "a", ""},
        {"-5", "-5.00", "", ""},
        {"-0.005", "-0.01", "", ""},
        {"", "0.00", "", ""},
        {"inf", "0.00", "inf", ""},
        {"999999.9", "999999.90", "", ""},
        {"1000000", "1000000.00", "", QuantityMessage("1000000.00")},
        {"1234567", "1234567.00", "", QuantityMessage("1234567.00")},
        {"1e5", "100000.00", "", ""},
        // Quantities the fixed-point conversion cannot hold are reported like an amount
        // that does not fit, and the column stays empty.
        {"1e14", "", "", AmountMessage("100000000000000")},
        {"-1e15", "", "", AmountMessage("-1000000000000000")},
        {"nan1", "", "", AmountMessage("nan")},
        // Nine bytes fill the field without a terminator.
        {"123456789", "123456789.00", "", QuantityMessage("123456789.00")},
        {"1,234.5個", "1234.50", "個", ""},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    int n = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++n));
        SetText(a.master.szQuantity, c.strText);
        a.master.szMemo[0] = 'M'; // the field after the quantity
        conv.Write(a);
        expected.push_back(Line(With(OrdinaryFields(NumberedCode(n)),
                                     {{13, c.szNumber}, {14, c.strUnit}, {149, "M"}})));
        strLog += c.strLog;
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

TEST(AssetRowCode, SixCharactersWithLengthCharacterAndDuplicateChecks) {
    auto tooLong = [](const std::string& s) {
        return LogLine("\n＜WARNING＞\n資産コード｢" + s +
                       "｣は、連携可能最大桁数をオーバーしています。\n"
                       "データが、正しく連携されない可能性があります。");
    };
    auto chars = [](const std::string& s) {
        return LogLine("\n＜ERROR＞\n資産コード｢" + s +
                       "｣には、半角英数以外の文字が使用されています。");
    };
    auto dup = [](const std::string& s) {
        return LogLine("\n＜ERROR＞\n資産コード｢" + s +
                       "｣は、他の資産コードと重複してしまいます。");
    };
    struct {
        std::string strCode, strColumn, strLog;
    } const aCases[] = {
        {"ABC1234", "BC1234", tooLong("ABC1234")},
        {"12", "000012", ""},
        {"0123", "000123", ""},
        {"123", "000123", dup("123")},
        {"ABC-12", "ABC-12", chars("ABC-12")},
        {"ABC-12", "ABC-12", chars("ABC-12")}, // not registered, so no duplicate error
        {std::string(DAI) + "1", std::string("000") + DAI + "1",
         chars(std::string("000") + DAI + "1")},
        {"abc123", "abc123", ""},
        {"ABC123", "ABC123", ""}, // codes compare case-sensitively
        {"", "000000", ""},
        {"ABCDEFGHIJKLMNOP", "KLMNOP", tooLong("ABCDEFGHIJKLMNOP")}, // 16 bytes, no NUL
        {std::string(DAI) + "23456", "023456", tooLong(std::string(DAI) + "23456")},
        {"BC1234", "BC1234", dup("BC1234")},
        {"9ABC1234", "BC1234", tooLong("9ABC1234") + dup("9ABC1234")},
        {std::string("ab") + DAI + "cd", std::string("ab") + DAI + "cd",
         chars(std::string("ab") + DAI + "cd")},
        {"000000", "000000", dup("000000")},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(c.strCode);
        a.master.lTypeCode = 1; // right after the code field
        conv.Write(a);
        expected.push_back(Line(With(OrdinaryFields(c.strColumn), {{2, "01"}, {92, "申告なし"}})));
        strLog += c.strLog;
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

TEST(AssetRowName, NamesAreCutAtThirtyTwoBytesOnWholeCharacters) {
    auto warning = [](const std::string& s) {
        return LogLine("\n＜WARNING＞\n資産名称｢" + s +
                       "｣は、\n連携可能最大文字数をオーバーしています。\n"
                       "超過した文字は、自動的に切り捨てられます。");
    };
    std::string strDai30;
    for (int i = 0; i < 30; ++i)
        strDai30 += DAI;
    const std::string str193(193, 'n');
    struct {
        std::string strName, strColumn, strLog;
    } const aCases[] = {
        {std::string(32, 'a'), std::string(32, 'a'), ""},
        {std::string(31, 'a') + DAI, std::string(31, 'a'), warning(std::string(31, 'a') + DAI)},
        {std::string(33, 'b'), std::string(32, 'b'), warning(std::string(33, 'b'))},
        {strDai30, strDai30.substr(0, 32), warning(strDai30)}, // 60 bytes: the message is cut
        {str193, std::string(32, 'n'), warning(str193)},       // fills the field, no NUL
        {"", "", ""},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    int n = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++n));
        SetText(a.master.szAssetName, c.strName);
        conv.Write(a);
        expected.push_back(Line(With(OrdinaryFields(NumberedCode(n)), {{9, c.strColumn}})));
        strLog += c.strLog;
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

TEST(AssetRowMemo, TwoLinesOfTwentyBytesAndTheWarningBeyondForty) {
    auto warning = [](const std::string& s) {
        return LogLine("\n＜WARNING＞\nメモ欄｢" + s +
                       "｣は、\n連携可能最大文字数をオーバーしています。\n"
                       "超過した文字は、自動的に切り捨てられます。");
    };
    const std::string strSplit = std::string(19, 'a') + DAI + std::string(19, 'b'); // 40 bytes
    const std::string strLate = std::string(39, 'a') + DAI + "z";                   // 42 bytes
    struct {
        std::string strMemo, strUpper, strLower, strLog;
    } const aCases[] = {
        {std::string(20, 'm'), std::string(20, 'm'), "", ""},
        {std::string(21, 'm'), std::string(20, 'm'), "m", ""},
        {std::string(40, 'm'), std::string(20, 'm'), std::string(20, 'm'), ""},
        {std::string(41, 'm'), std::string(20, 'm'), std::string(20, 'm'),
         warning(std::string(41, 'm'))},
        {strSplit, std::string(19, 'a'), DAI + std::string(18, 'b'), ""},
        {strLate, std::string(20, 'a'), std::string(19, 'a'), warning(strLate)},
        {std::string(82, 'x'), std::string(20, 'x'), std::string(20, 'x'),
         warning(std::string(82, 'x'))}, // fills the field, no NUL
        {"", "", "", ""},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    int n = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++n));
        SetText(a.master.szMemo, c.strMemo);
        a.master.sDisposalKind = 3; // right after the memo field
        conv.Write(a);
        expected.push_back(
            Line(With(OrdinaryFields(NumberedCode(n)), {{149, c.strUpper}, {150, c.strLower}})));
        strLog += c.strLog;
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

// The row buffer and the masks start afresh for every row.
TEST(AssetRowReset, NothingOfOneRowReachesTheNext) {
    ClConversion conv;
    StASSET full = Ordinary("000001");
    full.master.sMethodKind = 3;
    full.master.sUsefulLife = 5;
    full.master.bMonthsEntered = 1;
    full.master.sPeriodDen = 1;
    full.master.lResidualRate = 10;
    SetText(full.master.szAssetName, "名前");
    SetText(full.master.szMemo, std::string(30, 'm'));
    full.master.cyAcqCost = Units(5);
    conv.Write(full);
    conv.Write(Ordinary("000002"));
    const std::vector<std::string> rows = conv.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], Line(OrdinaryFields("000002")));
}

} // namespace
