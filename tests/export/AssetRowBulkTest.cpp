// Rows of bulk sub-items: the eight-character code with its number, the limit of 99
// sub-items, the checks against codes written before, and the sub-item's own columns.
#include "tests/export/ConversionFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gk_conv;

namespace {

std::string Two(int n) {
    char sz[4];
    std::snprintf(sz, sizeof sz, "%02d", n % 100);
    return sz;
}

const std::string LIMIT_MESSAGE = LogLine("\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n"
                                          "100件目から後の内訳は出力されません。");

std::string TooLong(const std::string& strCode, const std::string& strNo) {
    return LogLine("\n＜WARNING＞\n資産コード+内訳付番｢" + strCode + strNo +
                   "｣は、連携可能最大桁数をオーバーしています。\n"
                   "データが、正しく連携されない可能性があります。");
}
std::string Chars(const std::string& strFull) {
    return LogLine("\n＜ERROR＞\n資産コード｢" + strFull +
                   "｣には、半角英数以外の文字が使用されています。");
}
std::string DupItem(const std::string& strCode, const std::string& strNo,
                    const std::string& strFull) {
    return LogLine("\n＜ERROR＞\n資産コード｢" + strCode + "｣と内訳付番｢" + strNo +
                   "｣から構成される\n資産・内訳コード｢" + strFull +
                   "｣は、\n他の資産･内訳コードと重複しています。");
}
std::string DupAsset(const std::string& strFull, const std::string& strCode) {
    return LogLine("\n＜ERROR＞\n資産コード+内訳付番｢" + strFull + "｣は、\n資産コード｢" + strCode +
                   "｣が他の資産コードと重複してしまいます。");
}

// Sub-items 1 to 99 become 01 to 99; the hundredth reads 00 and gets the warning alone.
TEST(AssetRowBulk, NinetyNineSubItemsAndTheHundredth) {
    ClConversion conv;
    std::vector<std::string> expected;
    for (int n = 1; n <= 100; ++n) {
        StASSET a = Item("B00001", n);
        SetText(a.item.szItemName, "机" + std::to_string(n));
        conv.Write(a);
        if (n < 100)
            expected.push_back(
                Line(With(ItemFields("B00001" + Two(n)), {{9, "机" + std::to_string(n)}})));
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), LIMIT_MESSAGE);
}

// Called beyond the hundredth, numbers wrap to codes written before.
TEST(AssetRowBulk, NumbersBeyondTheHundredthRepeatEarlierCodes) {
    ClConversion conv;
    for (int n : {1, 100, 101, 200})
        conv.Write(Item("B00002", n));
    EXPECT_EQ(conv.Rows(), (std::vector<std::string>{Line(ItemFields("B0000201")),
                                                     Line(ItemFields("B0000201"))}));
    EXPECT_EQ(conv.Log(), LIMIT_MESSAGE + TooLong("B00002", "101") +
                              DupItem("B00002", "101", "B0000201") + LIMIT_MESSAGE);
}

TEST(AssetRowBulk, TwoBulkAssetsWithOneCode) {
    ClConversion conv;
    for (int nAsset = 0; nAsset < 2; ++nAsset)
        for (int n = 1; n <= 2; ++n)
            conv.Write(Item("B00003", n));
    const std::string r1 = Line(ItemFields("B0000301"));
    const std::string r2 = Line(ItemFields("B0000302"));
    EXPECT_EQ(conv.Rows(), (std::vector<std::string>{r1, r2, r1, r2}));
    EXPECT_EQ(conv.Log(), DupItem("B00003", "1", "B0000301") + DupItem("B00003", "2", "B0000302"));
}

// Against an ordinary asset's code the asset part is reported, whichever registration of
// the code or of its asset part came first decides, and a reported code is not registered.
TEST(AssetRowBulk, AssetPartAgainstOrdinaryCodes) {
    ClConversion conv;
    conv.Write(Ordinary("123456"));
    conv.Write(Item("123456", 1));  // asset part written before: result 2
    conv.Write(Item("123456", 1));  // still only the asset part is registered
    conv.Write(Item("654321", 1));  // the eight characters registered first
    conv.Write(Ordinary("654321")); // a six-character code after it is not reported
    conv.Write(Item("654321", 1));  // both registered: the earlier one, the item, decides
    const std::string rItem1 = Line(ItemFields("12345601"));
    const std::string rItem2 = Line(ItemFields("65432101"));
    EXPECT_EQ(conv.Rows(),
              (std::vector<std::string>{Line(OrdinaryFields("123456")), rItem1, rItem1, rItem2,
                                        Line(OrdinaryFields("654321")), rItem2}));
    EXPECT_EQ(conv.Log(), DupAsset("12345601", "123456") + DupAsset("12345601", "123456") +
                              DupItem("654321", "1", "65432101"));
}

TEST(AssetRowBulk, CodeLengthsAndCharacters) {
    struct {
        std::string strCode, strNo, strFull, strLog;
    } const aCases[] = {
        {"123456", "12", "12345612", ""},
        {"1234567", "1", "23456701", ""}, // 7 + 1 = 8: no warning, the first byte is lost
        {"1234567", "12", "23456712", TooLong("1234567", "12")},
        {"12", "3", "00001203", ""},
        {"", "4", "00000004", ""},
        {"AB CD1", "1", "AB CD101", Chars("AB CD101")},
        {"AB CD1", "1", "AB CD101", Chars("AB CD101")},
        {"ABCDEF-", "12", "BCDEF-12", TooLong("ABCDEF-", "12") + Chars("BCDEF-12")},
        {"B00009", "1234567890123", "B0000923", TooLong("B00009", "1234567890123")}, // no NUL
        {"台1", "5", "000台105", Chars("000台105")},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    for (const auto& c : aCases) {
        StASSET a = Item(c.strCode, 0);
        SetText(a.item.szItemNo, c.strNo);
        conv.Write(a);
        expected.push_back(Line(ItemFields(c.strFull)));
        strLog += c.strLog;
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

// The sub-item's name, date, quantity and cost, the master's ratios, nothing else of the
// master; the messages of one sub-item in their order.
TEST(AssetRowBulk, SubItemColumnsAndTheOrderOfTheirMessages) {
    const std::string strName33 = std::string(31, 'a') + "棚"; // 棚 at bytes 32 and 33
    const std::string str83(83, 'n');
    struct {
        std::string strName;
        LONG lQuantity;
        long long llCost;
        Fields changes;
        std::string strLog;
    } const aCases[] = {
        {"机", 150, Units(1234567).int64, {{9, "机"}, {13, "1.50"}, {22, "1234567"}}, ""},
        {"", -150, 5000, {{13, "-1.50"}, {22, "0"}}, ""},
        {"", 99999996, 0, {{13, "999999.96"}}, ""},
        {"",
         99999997,
         0,
         {{13, "999999.97"}},
         LogLine("\n＜WARNING＞\n数量｢999999.97｣は、連携可能最大桁数をオーバーしています。\n"
                 "減価償却データが、正しく連携されない可能性があります。")},
        {strName33,
         100000000,
         Units(100000000000).int64,
         {{9, std::string(31, 'a')}, {13, "1000000.00"}, {22, "************"}},
         LogLine("\n＜WARNING＞\n内訳名称｢" + strName33 +
                 "｣は、\n連携可能最大文字数をオーバーしています。\n"
                 "超過した文字は、自動的に切り捨てられます。") +
             LogLine("\n＜WARNING＞\n数量｢1000000.00｣は、連携可能最大桁数をオーバーしています。\n"
                     "減価償却データが、正しく連携されない可能性があります。") +
             LogLine("\n＜ERROR＞\n金額｢100000000000｣は、連携可能最大桁数をオーバーしています。")},
        {str83,
         0,
         0,
         {{9, std::string(32, 'n')}}, // fills the field, no NUL
         LogLine("\n＜WARNING＞\n内訳名称｢" + str83 +
                 "｣は、\n連携可能最大文字数をオーバーしています。\n"
                 "超過した文字は、自動的に切り捨てられます。")},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    int n = 0;
    for (const auto& c : aCases) {
        StASSET a = Item("M00001", ++n);
        StKOTEISHISANINFO& m = a.master;
        // Master values that only ordinary assets use.
        m.lTypeCode = 5;
        SetText(m.szAssetName, "親");
        SetText(m.szQuantity, "3台");
        SetText(m.szMemo, "メモ");
        SetText(m.szCapex, "x");
        m.lAcqDate = 20200101;
        m.cyAcqCost = Units(999);
        m.sUsefulLife = 4;
        m.sDisposalKind = 4;
        m.bMonthsEntered = 1;
        m.sPeriodDen = 12;
        a.year.cyCalcDepr = Units(7);
        // The ratios it shares with its sub-items.
        m.sBusinessRatio = 8050;
        m.sSgaPercent = 60;
        SetText(a.item.szItemName, c.strName);
        a.item.lItemAcqDate = 20240101 + n;
        a.item.lItemQuantity = c.lQuantity;
        a.item.cyItemAcqCost = Cy(c.llCost);
        conv.Write(a);
        expected.push_back(Line(With(
            ItemFields("M00001" + Two(n)),
            With({{12, std::to_string(20240101 + n)}, {69, "80.50"}, {83, "60.00"}, {86, "40.00"}},
                 c.changes))));
        strLog += c.strLog;
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

// A sub-item row followed by an ordinary one: the masks of the sub-item row do not stay.
TEST(AssetRowBulk, OrdinaryRowAfterASubItemIsComplete) {
    ClConversion conv;
    conv.Write(Item("X00001", 1));
    conv.Write(Ordinary("X00002"));
    EXPECT_EQ(conv.Rows(), (std::vector<std::string>{Line(ItemFields("X0000101")),
                                                     Line(OrdinaryFields("X00002"))}));
}

} // namespace
