// The reader on hostile input: overlong lines, NUL bytes, too many items, unterminated
// quotes and random bytes. Every call returns one of its results and stays in bounds
// (the sanitizer build checks the latter).
#include "tests/textio/TextTestDrive.h"
#include "textio/textaccessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>
#include <vector>

using gk_textio_test::Col;

namespace {

using TA = ClTextAccessor;

TEST(ReaderRobustness, OverlongLineIsRefusedWholeAndReadingGoesOn) {
    StTAFORMAT text = Col("t", 1023, 0, 1024, TA::ITEM_TEXT);
    std::vector<char> row(1024);
    const std::string str1023(1023, 'y');
    std::stringstream in(std::string(5000, 'x') + "\nA\n" + str1023 + "\n" +
                         std::string(1024, 'z') + "\n" + std::string(3000, 'w'));
    TA acc("LONG", &text, 1, row.data());
    acc.Attach(&in);
    acc.SetMode(TA::DELIM_COMMA, TA::QUOTE_NONE);
    EXPECT_EQ(acc.Read(), 2);
    EXPECT_EQ(acc.Read(), 0);
    EXPECT_STREQ(row.data(), "A");
    EXPECT_EQ(acc.Read(), 0); // 1023 bytes fit
    EXPECT_EQ(std::string(row.data()), str1023);
    EXPECT_EQ(acc.Read(), 2); // 1024 do not
    EXPECT_EQ(acc.Read(), 1); // no LF at the end
    EXPECT_EQ(acc.GetPhysicalLineNo(), 4);
    char szLine[TA::LINE_SIZE];
    acc.GetReadLine(szLine);
    EXPECT_EQ(std::string(szLine), std::string(1023, 'z'));
}

TEST(ReaderRobustness, NulByteEndsTheLine) {
    StTAFORMAT aText[] = {Col("a", 8, 0, 8, TA::ITEM_TEXT), Col("b", 8, 8, 8, TA::ITEM_TEXT)};
    char acRow[16] = {};
    std::stringstream in(std::string("A\0,B\nC,D\n", 9));
    TA acc("NUL", aText, 2, acRow);
    acc.Attach(&in);
    acc.SetMode(TA::DELIM_COMMA, TA::QUOTE_NONE);
    EXPECT_EQ(acc.Read(), 2); // only "A" is left of the line
    EXPECT_EQ(acc.Read(), 0);
    EXPECT_STREQ(acRow, "C");
    EXPECT_STREQ(acRow + 8, "D");
}

// The item array holds 100 items; a line that should have more is refused, not overrun.
TEST(ReaderRobustness, MoreThanAHundredItems) {
    std::vector<StTAFORMAT> table;
    for (int i = 0; i < 101; ++i) {
        table.push_back(Col("n", 1, i, 1, TA::ITEM_UNSIGNED));
    }
    std::vector<char> row(101);
    std::string strLine;
    for (int i = 0; i < 101; ++i) {
        strLine += i ? ",1" : "1";
    }
    const std::string strHundred = strLine.substr(2);
    for (auto eDelim : {TA::DELIM_FIXED, TA::DELIM_COMMA}) {
        std::stringstream in(strHundred + "\n" + strLine + "\n" + strLine + "\n");
        TA acc("WIDE", table.data(), 101, row.data());
        acc.Attach(&in);
        acc.SetMode(eDelim, TA::QUOTE_NONE);
        EXPECT_EQ(acc.Read(), 2);
        std::vector<StTAORDER> order(100);
        for (int i = 0; i < 100; ++i) {
            order[i].lItemNo = i;
        }
        acc.SetOrder(order.data(), 100);
        acc.SetSelectFlag(FALSE);
        EXPECT_EQ(acc.Read(), 2); // a line of 101 items for 100 positions
        std::vector<StTAORDER> big(101);
        acc.SetOrder(big.data(), 101);
        EXPECT_EQ(acc.Read(), 2);
    }
    std::stringstream in(strHundred + "\n");
    TA acc("WIDE", table.data(), 100, row.data());
    acc.Attach(&in);
    acc.SetMode(TA::DELIM_COMMA, TA::QUOTE_NONE);
    EXPECT_EQ(acc.Read(), 0); // exactly 100
    EXPECT_EQ(row[99], 1);
}

TEST(ReaderRobustness, UnterminatedQuotes) {
    StTAFORMAT text = Col("t", 8, 0, 8, TA::ITEM_TEXT);
    char acRow[8] = {};
    for (auto eDelim : {TA::DELIM_COMMA, TA::DELIM_TAB, TA::DELIM_SPACE}) {
        for (const char* pszLine : {"\"", "'", "\"abc", "'abc\"", "x\"", "\"a\"\"", "\"a"}) {
            std::stringstream in(std::string(pszLine) + "\n");
            TA acc("Q", &text, 1, acRow);
            acc.Attach(&in);
            acc.SetMode(eDelim, TA::QUOTE_NONE);
            EXPECT_EQ(acc.Read(), 2) << eDelim << " [" << pszLine << "]";
        }
    }
}

// Random lines from the bytes the splitters care about, read in every mode with masks of
// guard bytes around the row buffer.
TEST(ReaderRobustness, RandomBytesInEveryMode) {
    constexpr int GUARD = 32;
    const std::vector<StTAFORMAT> table = {
        Col("t", 3, 0, 5, TA::ITEM_TEXT),
        Col("s1", 2, 5, 1, TA::ITEM_SIGNED),
        Col("s2", 4, 6, 2, TA::ITEM_SIGNED, 0, 1),
        Col("s4", 5, 8, 4, TA::ITEM_SIGNED),
        Col("cy", 9, 12, 8, TA::ITEM_SIGNED, 2),
        Col("u1", 1, 20, 1, TA::ITEM_UNSIGNED),
        Col("u4", 3, 21, 4, TA::ITEM_UNSIGNED),
        Col("z", 0, 25, 1, TA::ITEM_TEXT),
        Col("x", 2, 26, 3, 9),
    };
    const char acAlphabet[] = {',', '"', '\'', ' ', '\t', '\n', '\r',   '\0',   ';',  '.',
                               '-', '+', '0',  '1', '9',  'a',  '\x81', '\xff', '\n', ','};
    std::mt19937 rng(20240401);
    std::vector<char> row(GUARD + 29 + GUARD, '\x5a');
    for (int nRound = 0; nRound < 400; ++nRound) {
        std::string strInput(rng() % (nRound % 10 == 0 ? 4000 : 120), '\0');
        for (char& c : strInput) {
            c = acAlphabet[rng() % sizeof acAlphabet];
        }
        const auto eDelim = static_cast<TA::_Delimiter>(1 + rng() % 5); // 5: an unknown mode
        const auto eQuote = static_cast<TA::_Quote>(eDelim == TA::DELIM_FIXED ? 0 : rng() % 3);
        std::stringstream in(strInput);
        TA acc("RND", table.data(), static_cast<long>(table.size()), row.data() + GUARD);
        acc.Attach(&in);
        acc.SetMode(eDelim, eQuote);
        acc.SetSpaceFlag(static_cast<BOOL>(rng() % 2));
        acc.SetCommentMark(rng() % 2 ? ";" : nullptr);
        acc.SetCommentSkip(static_cast<BOOL>(rng() % 2));
        StTAORDER aOrder[4] = {{int(rng() % 12) - 2}, {0}, {int(rng() % 9)}, {4}};
        acc.SetOrder(aOrder, 1 + rng() % 4);
        acc.SetSelectFlag(static_cast<BOOL>(rng() % 2));
        long lResult = 0;
        // Every call takes at least one line: the end comes within that many calls.
        const auto nLines = std::count(strInput.begin(), strInput.end(), '\n');
        for (long nRead = 0; nRead <= nLines && lResult != 1; ++nRead) {
            lResult = acc.Read();
            ASSERT_TRUE(lResult >= 0 && lResult <= 3) << lResult;
        }
        EXPECT_EQ(lResult, 1);
        char szLine[TA::LINE_SIZE];
        acc.GetReadLine(szLine);
        EXPECT_LT(strnlen(szLine, sizeof szLine), sizeof szLine);
        for (int i = 0; i < GUARD; ++i) {
            ASSERT_EQ(row[i], '\x5a');
            ASSERT_EQ(row[row.size() - 1 - i], '\x5a');
        }
    }
}

} // namespace
