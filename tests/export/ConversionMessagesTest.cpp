// The whole message catalogue, each message once and in the order the assets raise them,
// as the error log holds it: the message's own line feeds, then CR LF.
#include "tests/export/ConversionFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace gk_conv;

namespace {

TEST(ConversionMessages, EveryMessageOfTheCatalogueInOrder) {
    ClConversion conv;
    StASSET a = Ordinary("100001");
    a.master.cyAcqCost = Units(100000000000);
    conv.Write(a);                   // 1
    conv.Write(Ordinary("ABC1234")); // 2
    conv.Write(Ordinary("ABC-12"));  // 3
    conv.Write(Ordinary("BC1234"));  // 4
    a = Ordinary("500005");
    a.master.lTypeCode = 123;
    conv.Write(a); // 5
    a = Ordinary("600006");
    SetText(a.master.szAssetName, std::string(33, 'a'));
    conv.Write(a); // 6
    a = Ordinary("700007");
    SetText(a.master.szQuantity, "1234567");
    conv.Write(a); // 7
    a = Ordinary("800008");
    SetText(a.master.szMemo, std::string(41, 'm'));
    conv.Write(a);                   // 8
    conv.Write(Item("900009", 100)); // 9
    conv.Write(Item("1000010", 10)); // 10
    conv.Write(Item("A-0011", 1));   // 11
    conv.Write(Item("B00012", 1));
    conv.Write(Item("B00012", 1)); // 12
    conv.Write(Ordinary("C00013"));
    conv.Write(Item("C00013", 1)); // 13
    a = Item("D00014", 1);
    SetText(a.item.szItemName, std::string(33, 'b'));
    conv.Write(a); // 14

    const std::string A33(33, 'a'), B33(33, 'b'), M41(41, 'm');
    const std::string strExpected =
        "\n＜ERROR＞\n金額\xA2"
        "100000000000\xA3は、連携可能最大桁数をオーバーしています。\r\n"
        "\n＜WARNING＞\n資産コード｢ABC1234｣は、連携可能最大桁数をオーバーしています。\n"
        "データが、正しく連携されない可能性があります。\r\n"
        "\n＜ERROR＞\n資産コード｢ABC-12｣には、半角英数以外の文字が使用されています。\r\n"
        "\n＜ERROR＞\n資産コード｢BC1234｣は、他の資産コードと重複してしまいます。\r\n"
        "\n＜WARNING＞\n資産種類コード｢123｣は、連携可能最大桁数をオーバーしています。\n"
        "データが、正しく連携されない可能性があります。\r\n"
        "\n＜WARNING＞\n資産名称｢" +
        A33 +
        "｣は、\n連携可能最大文字数をオーバーしています。\n"
        "超過した文字は、自動的に切り捨てられます。\r\n"
        "\n＜WARNING＞\n数量｢1234567.00｣は、連携可能最大桁数をオーバーしています。\n"
        "減価償却データが、正しく連携されない可能性があります。\r\n"
        "\n＜WARNING＞\nメモ欄｢" +
        M41 +
        "｣は、\n連携可能最大文字数をオーバーしています。\n"
        "超過した文字は、自動的に切り捨てられます。\r\n"
        "\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n100件目から後の内訳は出力されません。\r"
        "\n"
        "\n＜WARNING＞\n資産コード+内訳付番｢100001010｣は、連携可能最大桁数をオーバーしています。\n"
        "データが、正しく連携されない可能性があります。\r\n"
        "\n＜ERROR＞\n資産コード｢A-001101｣には、半角英数以外の文字が使用されています。\r\n"
        "\n＜ERROR＞\n資産コード｢B00012｣と内訳付番｢1｣から構成される\n"
        "資産\x81\x45内訳コード｢B0001201｣は、\n他の資産\xA5内訳コードと重複しています。\r\n"
        "\n＜ERROR＞\n資産コード+"
        "内訳付番｢C0001301｣は、\n資産コード｢C00013｣が他の資産コードと重複してしまいます。\r\n"
        "\n＜WARNING＞\n内訳名称｢" +
        B33 +
        "｣は、\n連携可能最大文字数をオーバーしています。\n"
        "超過した文字は、自動的に切り捨てられます。\r\n";
    EXPECT_EQ(conv.Log(), strExpected);
    EXPECT_EQ(conv.Rows().size(), 15u); // every asset but the hundredth sub-item has its row
}

// A message longer than the error log's 152 bytes is cut there, even inside a character.
TEST(ConversionMessages, LongMessagesAreCutAtOneHundredFiftyTwoBytes) {
    std::string strDai;
    for (int i = 0; i < 60; ++i)
        strDai += "台";
    ClConversion conv;
    StASSET a = Ordinary("000001");
    SetText(a.master.szAssetName, "a" + strDai); // 121 bytes
    conv.Write(a);
    // 22 bytes before the name, 121 name bytes, then "｣は、\n連" and the lead byte of 携.
    const std::string strLog = conv.Log();
    EXPECT_EQ(strLog.size(), 154u);
    EXPECT_EQ(strLog, "\n＜WARNING＞\n資産名称｢a" + strDai + "｣は、\n連\x8C\r\n");
}

} // namespace
