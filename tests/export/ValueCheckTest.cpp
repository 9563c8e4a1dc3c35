// Text helpers of the conversion: bounded field texts, cuts on whole Shift_JIS
// characters, zero padding, the code check, the quantity split, integer texts and the
// composition of catalogue messages.
#include "export/ValueCheck.h"
#include "export/Messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 台 is 0x91 0xE4 and ソ is 0x83 0x5C (a trail byte that looks like a backslash).
constexpr const char* DAI = "\x91\xE4";

TEST(ValueFieldText, StopsAtTheTerminatorOrAtTheEndOfTheField) {
    char acField[4] = {'a', 'b', '\0', 'z'};
    EXPECT_EQ(FieldText(acField), "ab");
    char acFull[4] = {'w', 'x', 'y', 'z'};
    EXPECT_EQ(FieldText(acFull), "wxyz");
}

TEST(ValueCuts, HeadsAndTailsKeepWholeCharacters) {
    const std::string s33 = std::string(31, 'a') + DAI;              // 台 at bytes 32 and 33
    const std::string s32 = std::string(30, 'a') + DAI;              // exactly 32 bytes
    const std::string sKana = std::string("12") + "\x83\x5C" + "34"; // ソ holds 0x5C
    struct {
        std::string strText;
        std::size_t lMax;
        std::string strHead, strTail;
    } const aCases[] = {
        {"1234567", 6, "123456", "234567"},
        {"12", 6, "12", "12"},
        {"", 6, "", ""},
        {s33, 32, std::string(31, 'a'), std::string(30, 'a') + DAI},
        {s32, 32, s32, s32},
        {std::string(DAI) + "23456", 6, std::string(DAI) + "2345", "23456"},
        {std::string("12345") + DAI, 6, "12345", std::string("2345") + DAI},
        {sKana, 4, std::string("12") + "\x83\x5C", std::string("\x83\x5C") + "34"},
        {sKana, 3, "12", "34"},
        {sKana, 2, "12", "34"},
        {"ab\x91", 2, "ab", "b\x91"}, // a lead byte at the end stands alone
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.strText + " / " + std::to_string(c.lMax));
        EXPECT_EQ(CutHead(c.strText, c.lMax), c.strHead);
        EXPECT_EQ(CutTail(c.strText, c.lMax), c.strTail);
    }
}

TEST(ValueCuts, TrailBytesAreFoundFromTheStartOfTheText) {
    const std::string s = std::string("1") + DAI + DAI + "a"; // 1 91 E4 91 E4 a
    EXPECT_FALSE(IsTrailByte(s, 0));
    EXPECT_FALSE(IsTrailByte(s, 1));
    EXPECT_TRUE(IsTrailByte(s, 2));
    EXPECT_FALSE(IsTrailByte(s, 3));
    EXPECT_TRUE(IsTrailByte(s, 4));
    EXPECT_FALSE(IsTrailByte(s, 5));
    EXPECT_FALSE(IsTrailByte("\xE4\xE4\xE4", 2)); // 0xE4 0xE4 is one character
    EXPECT_TRUE(IsTrailByte("\xE4\xE4\xE4", 1));
}

TEST(ValueZeroPad, PadsOnTheLeftToTheWidthInBytes) {
    struct {
        std::string strText;
        std::size_t lWidth;
        std::string strPadded;
    } const aCases[] = {
        {"12345", 6, "012345"},
        {"", 6, "000000"},
        {"1", 2, "01"},
        {"123456", 6, "123456"},
        {"1234567", 6, "1234567"},
        {std::string(DAI) + "1", 6, std::string("000") + DAI + "1"},
    };
    for (const auto& c : aCases) {
        char sz[16];
        ZeroPad(c.strText, c.lWidth, sz, sizeof sz);
        EXPECT_EQ(std::string(sz), c.strPadded) << c.strText;
    }
    char szSmall[4];
    ZeroPad("12", 6, szSmall, sizeof szSmall); // cut to the buffer, still terminated
    EXPECT_EQ(std::string(szSmall), "000");
}

TEST(ValueCodeChars, OnlyAsciiLettersAndDigitsPass) {
    for (const char* sz : {"", "ABC123", "abcxyz", "Z09a", "000000"})
        EXPECT_TRUE(CheckCodeChars(sz)) << sz;
    for (const char* sz : {"ABC-12", "AB C1", "+12",
                           "\xB1"
                           "123",
                           "12\x91\xE4", "a_b", "1.2"})
        EXPECT_FALSE(CheckCodeChars(sz)) << sz;
}

TEST(ValueQuantity, UnitIsTheTrailingNonDigitBytesAtMostFour) {
    struct {
        std::string strText;
        std::size_t lUnit;
    } const aCases[] = {
        {"12", 0},
        {std::string("3") + DAI, 2},
        {"1,234kg", 2},
        {"\x88\xEA\x8E\xAE", 4}, // 一式
        {"10abcde", 4},
        {std::string("1") + DAI + DAI + "a", 3}, // the fourth byte back is a trail byte
        {std::string("1 ") + DAI, 3},            // the blank belongs to the unit
        {"\x82\x50\x82\x51", 4},                 // full-width digits count as unit bytes
        {"", 0},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(QuantityUnitLength(c.strText), c.lUnit) << c.strText;
}

TEST(ValueQuantity, StripNumberDropsCommasAndBlanks) {
    char sz[16];
    StripNumber(" 1, 234 ,5.6", sz, sizeof sz);
    EXPECT_STREQ(sz, "12345.6");
    StripNumber("123456789", sz, 4);
    EXPECT_STREQ(sz, "123");
}

TEST(ValueAmount, LimitsCountTheFraction) {
    EXPECT_TRUE(AmountFits(tagCY{999999999990000}));
    EXPECT_FALSE(AmountFits(tagCY{999999999990001}));
    EXPECT_TRUE(AmountFits(tagCY{-99999999990000}));
    EXPECT_FALSE(AmountFits(tagCY{-99999999990001}));
    EXPECT_EQ(IntegerText(-9223372036854775807 - 1).View(), "-9223372036854775808");
    EXPECT_EQ(IntegerText(0).View(), "0");
}

TEST(ValueTaxKind, KindsOfTheDepreciableAssetReturnByTypeCode) {
    const char* const aszKind[] = {"",         "申告なし",         "構築物",   "機械及び装置",
                                   "申告なし", "工具器具及び備品", "申告なし", "申告なし",
                                   "申告なし", "申告なし",         "申告なし", "申告なし"};
    for (long l = 0; l < 12; ++l)
        EXPECT_STREQ(TaxKindText(l), aszKind[l]) << l;
    EXPECT_STREQ(TaxKindText(12), "");
    EXPECT_STREQ(TaxKindText(-1), "");
}

TEST(ValueMessages, PlaceholdersAreFilledInOrderAndTheTextIsCut) {
    char sz[153];
    ComposeMessage("a%sb%dc%.2fd", {std::string_view("X"), 42L, 1234567.0}, sz, sizeof sz);
    EXPECT_STREQ(sz, "aXb42c1234567.00d");
    ComposeMessage("[%08s][%s%s]",
                   {std::string_view("12"), std::string_view("ab"), std::string_view("cd")}, sz,
                   sizeof sz);
    EXPECT_STREQ(sz, "[00000012][abcd]");
    ComposeMessage("%.2f", {999999.97}, sz, sizeof sz);
    EXPECT_STREQ(sz, "999999.97");
    ComposeMessage("%d", {-123L}, sz, sizeof sz);
    EXPECT_STREQ(sz, "-123");
    // Texts need no terminator; the whole message keeps 152 bytes.
    const std::string strLong(200, 'n');
    EXPECT_EQ(ComposeMessage("<%s>", {std::string_view(strLong)}, sz, sizeof sz), 152u);
    EXPECT_EQ(std::string(sz), "<" + std::string(151, 'n'));
    // The exact expansion of the double nearest 10^300, cut with the message.
    ComposeMessage("%.2f", {1e300}, sz, sizeof sz);
    EXPECT_STREQ(sz,
                 "1000000000000000052504760255204420248704468581108159154915854115511802457988"
                 "9081957863713750804478640437044438328838781769425232353604305756447921847867");
}

TEST(ValueMessages, CatalogueUsesHalfWidthBracketsAndDots) {
    EXPECT_STREQ(MSG_CODE_DUPLICATE,
                 "\n\x81\x83"
                 "ERROR\x81\x84\n\x8E\x91\x8E\x59\x83\x52\x81\x5B"
                 "\x83\x68\xA2%s\xA3\x82\xCD\x81\x41\x91\xBC\x82\xCC\x8E\x91"
                 "\x8E\x59\x83\x52\x81\x5B\x83\x68\x82\xC6\x8F\x64\x95\xA1\x82"
                 "\xB5\x82\xC4\x82\xB5\x82\xDC\x82\xA2\x82\xDC\x82\xB7\x81\x42");
    const std::string strDup = MSG_ITEM_CODE_DUPLICATE;
    EXPECT_NE(strDup.find("\x8E\x91\x8E\x59\x81\x45\x93\xE0\x96\xF3"),
              std::string::npos); // 資産・内訳
    EXPECT_NE(strDup.find("\x8E\x91\x8E\x59\xA5\x93\xE0\x96\xF3"), std::string::npos); // 資産･内訳
    EXPECT_NE(std::string(MSG_ITEM_CODE_TOO_LONG).find("+"), std::string::npos);
}

} // namespace
