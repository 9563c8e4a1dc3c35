#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, LeadAndTrailBytesAtTheirBoundaries) {
    struct {
        unsigned int c;
        BOOL bLead, bTrail;
    } const aCase[] = {
        {0x3F, FALSE, FALSE}, {0x40, FALSE, TRUE},  {0x5C, FALSE, TRUE},   {0x7E, FALSE, TRUE},
        {0x7F, FALSE, FALSE}, {0x80, FALSE, TRUE},  {0x81, TRUE, TRUE},    {0x9F, TRUE, TRUE},
        {0xA0, FALSE, TRUE},  {0xDF, FALSE, TRUE},  {0xE0, TRUE, TRUE},    {0xFC, TRUE, TRUE},
        {0xFD, FALSE, FALSE}, {0xFF, FALSE, FALSE}, {0x181, FALSE, FALSE},
    };
    for (const auto& t : aCase) {
        EXPECT_EQ(_ismbblead(t.c), t.bLead) << std::hex << t.c;
        EXPECT_EQ(_ismbbtrail(t.c), t.bTrail) << std::hex << t.c;
    }
}

TEST(CodePage, ConvertsBothWaysByteExact) {
    struct {
        const char* szCp932;
        const char* szUtf8;
    } const aCase[] = {
        {"\x8C\xB8\x89\xBF\x8F\x9E\x8B\x70", "\xE6\xB8\x9B\xE4\xBE\xA1\xE5\x84\x9F\xE5\x8D\xB4"},
        {"\x81\x60", "\xEF\xBD\x9E"},     // the wave dash of period texts, U+FF5E
        {"\x95\x5C\\", "\xE8\xA1\xA8\\"}, // a trail byte 0x5C stays inside its character
        {"\xB1\xB2 abc", "\xEF\xBD\xB1\xEF\xBD\xB2 abc"}, // half-width katakana
        {"", ""},
    };
    for (const auto& t : aCase) {
        std::string strUtf8, strCp932;
        EXPECT_TRUE(Cp932ToUtf8(t.szCp932, strUtf8));
        EXPECT_EQ(strUtf8, t.szUtf8);
        EXPECT_TRUE(Utf8ToCp932(t.szUtf8, strCp932));
        EXPECT_EQ(strCp932, t.szCp932);
    }
    std::string strLong(100000, '\x82');
    for (std::size_t i = 1; i < strLong.size(); i += 2)
        strLong[i] = '\xA0'; // あ
    std::string strUtf8, strBack;
    ASSERT_TRUE(Cp932ToUtf8(strLong, strUtf8));
    EXPECT_EQ(strUtf8.size(), 150000u);
    ASSERT_TRUE(Utf8ToCp932(strUtf8, strBack));
    EXPECT_EQ(strBack, strLong);
}

TEST(CodePage, InputThatDoesNotConvertIsRefusedNotGuessed) {
    const char* const aCp932[] = {"abc\x95", "\x81\x20", "\xFD", "ok\xA0\x82"};
    for (const char* sz : aCp932) {
        std::string strOut = "stale";
        EXPECT_FALSE(Cp932ToUtf8(sz, strOut)) << sz;
        EXPECT_EQ(strOut, "");
    }
    // Broken UTF-8, a cut sequence, and a character CP932 does not have (U+00E9).
    const char* const aUtf8[] = {"\xC3", "a\xE6\xB8", "\xFF", "\xC3\xA9"};
    for (const char* sz : aUtf8) {
        std::string strOut = "stale";
        EXPECT_FALSE(Utf8ToCp932(sz, strOut)) << sz;
        EXPECT_EQ(strOut, "");
    }
    // A failure leaves nothing behind for the next conversion.
    std::string strOut;
    EXPECT_TRUE(Utf8ToCp932("\xEF\xBD\x9E", strOut));
    EXPECT_EQ(strOut, "\x81\x60");
}

} // namespace
