// The record writer: every byte of a line, by mode, quote, mask and column type.
#include "tests/textio/TextTestDrive.h"
#include "textio/textaccessor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <sstream>
#include <vector>

using gk_textio_test::Col;

namespace {

using TA = ClTextAccessor;

// A row buffer and an accessor over a table built by the test.
class Writer {
public:
    explicit Writer(std::vector<StTAFORMAT> table, TA::_Delimiter eDelim = TA::DELIM_COMMA,
                    TA::_Quote eQuote = TA::QUOTE_NONE)
        : m_table(std::move(table)),
          m_acc("W", m_table.data(), static_cast<long>(m_table.size()), m_acRow) {
        m_acc.Attach(&m_out);
        m_acc.SetMode(eDelim, eQuote);
    }
    template <typename T>
    Writer& Set(int nOfs, T v) {
        std::memcpy(m_acRow + nOfs, &v, sizeof v);
        return *this;
    }
    Writer& Text(int nOfs, const char* psz) {
        std::memcpy(m_acRow + nOfs, psz, std::strlen(psz) + 1);
        return *this;
    }
    std::string Line() {
        m_out.str("");
        EXPECT_EQ(m_acc.Write(), 0);
        return m_out.str();
    }
    std::string Out() const { return m_out.str(); }
    TA& Acc() { return m_acc; }

private:
    std::vector<StTAFORMAT> m_table;
    unsigned char m_acRow[128] = {};
    std::stringstream m_out;
    TA m_acc;
};

std::vector<StTAFORMAT> ThreeTexts() {
    return {Col("A", 8, 0, 8, TA::ITEM_TEXT), Col("B", 8, 8, 8, TA::ITEM_TEXT),
            Col("C", 8, 16, 8, TA::ITEM_TEXT)};
}

TEST(Writer, TextItemsByQuoteSetting) {
    const struct {
        TA::_Quote eQuote;
        const char* pszLine;
    } aCase[] = {
        {TA::QUOTE_NONE, "A,,C\r\n"},
        {TA::QUOTE_SINGLE, "'A','','C'\r\n"},
        {TA::QUOTE_DOUBLE, "\"A\",\"\",\"C\"\r\n"},
    };
    for (const auto& c : aCase) {
        Writer w(ThreeTexts(), TA::DELIM_COMMA, c.eQuote);
        w.Text(0, "A").Text(16, "C");
        EXPECT_EQ(w.Line(), c.pszLine);
    }
}

TEST(Writer, SeparatorsOfTheDelimitedModes) {
    const struct {
        TA::_Delimiter eDelim;
        const char* pszLine;
    } aCase[] = {
        {TA::DELIM_COMMA, "x,y,z\r\n"},
        {TA::DELIM_TAB, "x\ty\tz\r\n"},
        {TA::DELIM_SPACE, "x y z\r\n"},
        {TA::DELIM_FIXED, "x       y       z       \r\n"},
    };
    for (const auto& c : aCase) {
        Writer w(ThreeTexts(), c.eDelim);
        w.Text(0, "x").Text(8, "y").Text(16, "z");
        EXPECT_EQ(w.Line(), c.pszLine);
    }
}

// Quotes, separators and line breaks inside a text are written as they are.
TEST(Writer, TextIsCutByBytesAndNeverEscaped) {
    for (auto eDelim : {TA::DELIM_FIXED, TA::DELIM_COMMA, TA::DELIM_TAB, TA::DELIM_SPACE}) {
        Writer w({Col("T", 8, 0, 32, TA::ITEM_TEXT)}, eDelim);
        w.Text(0, "0123456789abcdefghij");
        EXPECT_EQ(w.Line(), "01234567\r\n");
    }
    Writer w({Col("T", 8, 0, 32, TA::ITEM_TEXT)}, TA::DELIM_COMMA, TA::QUOTE_DOUBLE);
    w.Text(0, "a\"b,\r\nc");
    EXPECT_EQ(w.Line(), "\"a\"b,\r\nc\"\r\n");
    // "漢字" is four bytes; a width of 3 splits the second character.
    Writer k({Col("K", 3, 0, 16, TA::ITEM_TEXT)});
    k.Text(0, "漢字");
    EXPECT_EQ(k.Line(), "\x8a\xbf\x8e\r\n");
}

// A field without its NUL is never read past its own size.
TEST(Writer, TextFieldWithoutNulStopsAtTheFieldSize) {
    Writer w({Col("T", 10, 0, 4, TA::ITEM_TEXT), Col("U", 2, 4, 2, TA::ITEM_TEXT)});
    w.Text(0, "abcd").Text(4, "Z");
    EXPECT_EQ(w.Line(), "abcd,Z\r\n");
}

TEST(Writer, FixedWidthPadsTextRightAndNumbersLeft) {
    Writer w({Col("T", 6, 0, 8, TA::ITEM_TEXT), Col("N", 6, 8, 4, TA::ITEM_SIGNED),
              Col("M", 6, 12, 8, TA::ITEM_TEXT), Col("W", 2, 20, 4, TA::ITEM_SIGNED),
              Col("U", 5, 24, 2, TA::ITEM_UNSIGNED)},
             TA::DELIM_FIXED);
    w.Text(0, "ab").Set<std::int32_t>(8, -42).Text(12, "hidden");
    w.Set<std::int32_t>(20, 123456).Set<std::uint16_t>(24, 65535);
    w.Acc().SetMask(2, 1);
    // The masked column is blank over its width; a number wider than its column grows
    // the line.
    EXPECT_EQ(w.Line(), "ab       -42      12345665535\r\n");
}

TEST(Writer, MaskedColumnInTheDelimitedModes) {
    Writer w(ThreeTexts(), TA::DELIM_COMMA, TA::QUOTE_DOUBLE);
    w.Text(0, "A").Text(8, "B").Text(16, "C");
    w.Acc().SetMask(1, 1);
    EXPECT_EQ(w.Line(), "\"A\",,\"C\"\r\n");
    w.Acc().SetMask(1, 2);
    EXPECT_EQ(w.Line(), "\"A\", ,\"C\"\r\n");
}

TEST(Writer, IntegersBySizeAndSign) {
    Writer w({Col("s1", 4, 0, 1, TA::ITEM_SIGNED), Col("u1", 4, 1, 1, TA::ITEM_UNSIGNED),
              Col("s2", 4, 2, 2, TA::ITEM_SIGNED), Col("u2", 4, 4, 2, TA::ITEM_UNSIGNED),
              Col("s4", 4, 8, 4, TA::ITEM_SIGNED, 2), Col("u4", 4, 12, 4, TA::ITEM_UNSIGNED),
              Col("x", 4, 16, 4, 7), Col("s3", 4, 20, 3, TA::ITEM_SIGNED),
              Col("u8", 4, 24, 8, TA::ITEM_UNSIGNED)},
             TA::DELIM_COMMA, TA::QUOTE_DOUBLE);
    w.Set<std::uint8_t>(0, 255).Set<std::uint8_t>(1, 255);
    w.Set<std::int16_t>(2, -32768).Set<std::uint16_t>(4, 65535);
    w.Set<std::int32_t>(8, std::numeric_limits<std::int32_t>::min());
    w.Set<std::uint32_t>(12, 4294967295u).Set<std::int32_t>(16, 5).Set<std::int32_t>(20, 5);
    w.Set<std::int64_t>(24, 5);
    // Numbers are never quoted, a signed integer ignores lDecimal, other types and sizes
    // write nothing but keep their separator.
    EXPECT_EQ(w.Line(), "-1,255,-32768,65535,-2147483648,4294967295,,,\r\n");
}

TEST(Writer, CurrencyTruncatesToTheDecimalsShown) {
    const struct {
        std::int64_t llValue;
        LONG lDecimal;
        const char* pszText;
    } aCase[] = {
        {123456789, 2, "12345.67"},
        {15000, 2, "1.50"},
        {0, 2, "0.00"},
        {-5000, 2, "-0.50"},
        {-1, 2, "-0.00"},
        {-9999, 2, "-0.99"},
        {-1, 0, "-0"},
        {-9999, 0, "-0"},
        {1250, 3, "0.125"},
        {99999, 0, "9"},
        {-99999, 0, "-9"},
        {1000000, 2, "100.00"},
        {123456789, 4, "12345.6789"},
        {123456789, 1, "12345.6"},
        {123456789, 6, "12345.6789"},
        {123456789, -1, "12345"},
        {std::numeric_limits<std::int64_t>::min(), 4, "-922337203685477.5808"},
        {std::numeric_limits<std::int64_t>::max(), 4, "922337203685477.5807"},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(c.pszText);
        Writer w({Col("cy", 8, 0, 8, TA::ITEM_SIGNED, c.lDecimal)});
        w.Set<std::int64_t>(0, c.llValue);
        EXPECT_EQ(w.Line(), std::string(c.pszText) + "\r\n");
    }
}

TEST(Writer, CurrencyInFixedWidthReservesThePointAndDecimals) {
    const struct {
        std::int64_t llValue;
        LONG lLen, lDecimal;
        const char* pszText;
    } aCase[] = {
        {-12345000, 8, 2, "-1234.50"}, {15000, 8, 2, "    1.50"},     {-1, 6, 0, "    -0"},
        {123456789, 4, 0, "12345"},    {123456789, 6, 2, "12345.67"},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(c.pszText);
        Writer w({Col("cy", c.lLen, 0, 8, TA::ITEM_SIGNED, c.lDecimal)}, TA::DELIM_FIXED);
        w.Set<std::int64_t>(0, c.llValue);
        EXPECT_EQ(w.Line(), std::string(c.pszText) + "\r\n");
    }
}

TEST(Writer, LeadingEmptyItems) {
    const struct {
        long lCount;
        TA::_Delimiter eDelim;
        const char* pszData;
        const char* pszNames;
    } aCase[] = {
        {2, TA::DELIM_COMMA, "\"\",\"\",x\r\n", "\"\",\"\",X\r\n"},
        {0, TA::DELIM_COMMA, "x\r\n", "X\r\n"},
        {-3, TA::DELIM_COMMA, "x\r\n", "X\r\n"},
        {1, TA::DELIM_FIXED, "\"\",x \r\n", "\"\",X\r\n"},
    };
    for (const auto& c : aCase) {
        Writer w({Col("X", 2, 0, 4, TA::ITEM_TEXT)}, c.eDelim);
        w.Text(0, "x");
        EXPECT_EQ(w.Acc().Write2(c.lCount), 0);
        EXPECT_EQ(w.Acc().ItemNameWrite2(c.lCount), 0);
        EXPECT_EQ(w.Out(), std::string(c.pszData) + c.pszNames);
    }
}

TEST(Writer, NameRows) {
    const struct {
        TA::_Delimiter eDelim;
        TA::_Quote eQuote;
        int nMask;
        const char* pszLine;
    } aCase[] = {
        {TA::DELIM_FIXED, TA::QUOTE_NONE, 0, "AB  C\r\n"},
        {TA::DELIM_COMMA, TA::QUOTE_SINGLE, 0, "'AB','C'\r\n"},
        {TA::DELIM_TAB, TA::QUOTE_NONE, 0, "AB\tC\r\n"},
        {TA::DELIM_FIXED, TA::QUOTE_NONE, 1, "    C\r\n"}, // blanks over the name
        {TA::DELIM_COMMA, TA::QUOTE_DOUBLE, 1, ",\"C\"\r\n"},
        {TA::DELIM_COMMA, TA::QUOTE_DOUBLE, 2, " ,\"C\"\r\n"},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(c.pszLine);
        Writer w({Col("AB", 8, 0, 8, TA::ITEM_TEXT), Col("C", 8, 8, 8, TA::ITEM_SIGNED)}, c.eDelim,
                 c.eQuote);
        w.Acc().SetMask(0, c.nMask);
        EXPECT_EQ(w.Acc().ItemNameWrite(), 0);
        EXPECT_EQ(w.Out(), c.pszLine);
    }
}

TEST(Writer, CommentLineIsWrittenAsItIs) {
    Writer w(ThreeTexts(), TA::DELIM_COMMA, TA::QUOTE_DOUBLE);
    EXPECT_EQ(w.Acc().CommentWrite(";a,\"b\""), 0);
    EXPECT_EQ(w.Acc().CommentWrite(""), 0);
    EXPECT_EQ(w.Out(), ";a,\"b\"\r\n\r\n");
}

TEST(Writer, FailedStreamGivesMinusOne) {
    Writer w(ThreeTexts());
    EXPECT_EQ(w.Line(), ",,\r\n");
    std::stringstream bad;
    bad.setstate(std::ios::failbit);
    w.Acc().Attach(&bad);
    EXPECT_EQ(w.Acc().Write(), -1);
    EXPECT_EQ(w.Acc().ItemNameWrite(), -1);
    EXPECT_EQ(w.Acc().CommentWrite("x"), -1);
    EXPECT_EQ(bad.str(), "");
    // Nothing attached: a refusal, not a crash.
    TA none("N", nullptr, 0, nullptr);
    EXPECT_EQ(none.Write(), -1);
    EXPECT_EQ(none.CommentWrite("x"), -1);
}

} // namespace
