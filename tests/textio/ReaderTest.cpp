// The record reader: splitting by mode, storing items, numbers, comments and counters.
#include "tests/textio/TextTestDrive.h"
#include "textio/textaccessor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <vector>

using gk_textio_test::Col;

namespace {

using TA = ClTextAccessor;
using V = std::vector<std::string>;

constexpr LONG TEXT_SIZE = 16;

std::vector<StTAFORMAT> Texts(int nColumns) {
    std::vector<StTAFORMAT> table;
    for (int i = 0; i < nColumns; ++i) {
        table.push_back(Col("t", TEXT_SIZE, i * TEXT_SIZE, TEXT_SIZE, TA::ITEM_TEXT));
    }
    return table;
}

// An accessor over n text columns of TEXT_SIZE bytes, reading from a string.
class Reader {
public:
    Reader(int nColumns, const std::string& strInput, TA::_Delimiter eDelim = TA::DELIM_COMMA,
           TA::_Quote eQuote = TA::QUOTE_NONE)
        : m_table(Texts(nColumns)), m_in(strInput),
          m_row(static_cast<std::size_t>(nColumns) * TEXT_SIZE, '#') {
        _Make(eDelim, eQuote);
    }
    Reader(std::vector<StTAFORMAT> table, const std::string& strInput,
           TA::_Delimiter eDelim = TA::DELIM_COMMA)
        : m_table(std::move(table)), m_in(strInput), m_row(64, '\0') {
        _Make(eDelim, TA::QUOTE_NONE);
    }
    long Read() { return m_pAcc->Read(); }
    TA& Acc() { return *m_pAcc; }
    V Items() const {
        V v;
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            const char* p = m_row.data() + m_table[i].lOfs;
            v.emplace_back(p, strnlen(p, static_cast<std::size_t>(m_table[i].lSize)));
        }
        return v;
    }
    template <typename T>
    T Get(int nOfs) const {
        T v;
        std::memcpy(&v, m_row.data() + nOfs, sizeof v);
        return v;
    }
    template <typename T>
    void Put(int nOfs, T v) {
        std::memcpy(m_row.data() + nOfs, &v, sizeof v);
    }

private:
    void _Make(TA::_Delimiter eDelim, TA::_Quote eQuote) {
        m_pAcc = std::make_unique<TA>("R", m_table.data(), static_cast<long>(m_table.size()),
                                      m_row.data());
        m_pAcc->Attach(&m_in);
        m_pAcc->SetMode(eDelim, eQuote);
    }

    std::vector<StTAFORMAT> m_table;
    std::stringstream m_in;
    std::vector<char> m_row;
    std::unique_ptr<TA> m_pAcc;
};

struct StSplitCase {
    TA::_Delimiter eDelim;
    TA::_Quote eQuote;
    BOOL bSpace;
    int nColumns;
    const char* pszLine;
    long lResult;
    V items; // the fields after a result of 0
};

TEST(Reader, Splitters) {
    const TA::_Delimiter C = TA::DELIM_COMMA, T = TA::DELIM_TAB, S = TA::DELIM_SPACE;
    const TA::_Quote N = TA::QUOTE_NONE, Q1 = TA::QUOTE_SINGLE, Q2 = TA::QUOTE_DOUBLE;
    const StSplitCase aCase[] = {
        // comma
        {C, N, FALSE, 3, "A,,B", 0, {"A", "", "B"}},
        {C, N, FALSE, 2, "\"x,y\",z", 0, {"x,y", "z"}},
        {C, N, FALSE, 2, "A,B,C", 2, {}},
        {C, N, FALSE, 2, "A", 2, {}},
        {C, N, FALSE, 1, "", 0, {""}},
        {C, N, FALSE, 2, "", 2, {}},
        {C, N, FALSE, 2, "A,", 0, {"A", ""}},
        {C, N, FALSE, 2, ",", 0, {"", ""}},
        {C, N, FALSE, 1, "\"abc", 2, {}},
        {C, N, FALSE, 1, "ab\"c", 2, {}},
        {C, N, FALSE, 1, "ab'c", 2, {}},
        {C, Q2, FALSE, 1, "'a'", 2, {}},
        {C, Q1, FALSE, 1, "\"a\"", 2, {}},
        {C, N, FALSE, 2, "'a',\"b\"", 0, {"a", "b"}},
        {C, Q1, FALSE, 1, "'a\"b'", 0, {"a\"b"}},
        {C, Q2, FALSE, 1, "\"\"", 0, {""}},
        {C, N, FALSE, 1, "a b", 2, {}},
        {C, N, TRUE, 1, "a b", 0, {"a b"}},
        {C, N, TRUE, 2, " a b \t, c  ", 0, {"a b", "c"}},
        {C, N, FALSE, 2, " A ,B", 0, {"A", "B"}},
        {C, N, FALSE, 2, "\tA\t,\tB\t", 0, {"A", "B"}},
        {C, N, FALSE, 2, "\"A\"  ,B", 0, {"A", "B"}},
        {C, N, FALSE, 2, "\"A\" x,B", 2, {}},
        {C, N, FALSE, 2, "\" A \",B", 0, {" A ", "B"}},
        // tab
        {T, N, FALSE, 3, "A\t\tB", 0, {"A", "", "B"}},
        {T, N, FALSE, 2, "A,B\tC", 0, {"A,B", "C"}},
        {T, N, FALSE, 2, " A \tB ", 0, {"A", "B"}},
        {T, N, FALSE, 1, "a b", 2, {}},
        {T, N, TRUE, 1, "a b", 2, {}},
        {T, N, FALSE, 2, "\t", 0, {"", ""}},
        {T, N, FALSE, 2, "\"a\tb\"\tc", 0, {"a\tb", "c"}},
        {T, Q2, FALSE, 1, "'a'", 2, {}},
        {T, N, FALSE, 1, "\"a", 2, {}},
        // space
        {S, N, FALSE, 3, "  a   b\tc ", 0, {"a", "b", "c"}},
        {S, N, FALSE, 1, "", 0, {""}},
        {S, N, FALSE, 1, " \t ", 0, {""}},
        {S, N, FALSE, 2, "'a b' c", 0, {"a b", "c"}},
        {S, N, FALSE, 2, "\"a\"b", 0, {"a", "b"}},
        {S, N, FALSE, 1, "a\"b", 2, {}},
        {S, N, FALSE, 2, "a b c", 2, {}},
        {S, N, FALSE, 2, "a", 2, {}},
        {S, Q1, FALSE, 1, "\"a\"", 2, {}},
        {S, N, FALSE, 1, "'a", 2, {}},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(testing::Message() << "mode " << c.eDelim << " quote " << c.eQuote << " space "
                                        << c.bSpace << " line [" << c.pszLine << "]");
        Reader r(c.nColumns, std::string(c.pszLine) + "\n", c.eDelim, c.eQuote);
        r.Acc().SetSpaceFlag(c.bSpace);
        ASSERT_EQ(r.Read(), c.lResult);
        if (c.lResult == 0) {
            EXPECT_EQ(r.Items(), c.items);
        }
    }
}

TEST(Reader, RequiredItemMustBePresent) {
    std::vector<StTAFORMAT> table = Texts(3);
    table[1].lRequired = 1;
    Reader req(table, "A,,B\nA,x,B\n");
    EXPECT_EQ(req.Read(), 2);
    EXPECT_EQ(req.Read(), 0);
    EXPECT_EQ(req.Items(), (V{"A", "x", "B"}));
    // Fixed-width items are never absent.
    Reader fixed({Col("a", 1, 0, 4, TA::ITEM_TEXT, 0, 1)}, " \n", TA::DELIM_FIXED);
    EXPECT_EQ(fixed.Read(), 0);
    EXPECT_EQ(fixed.Items(), (V{" "}));
}

TEST(Reader, TextLongerThanItsFieldIsRefused) {
    Reader r({Col("a", 8, 0, 4, TA::ITEM_TEXT), Col("b", 8, 4, 4, TA::ITEM_TEXT)},
             "abc,defg\nabc,\n");
    EXPECT_EQ(r.Read(), 2);
    EXPECT_EQ(r.Items()[0], "abc"); // stored before the refusal
    EXPECT_EQ(r.Read(), 0);
    EXPECT_EQ(r.Items(), (V{"abc", ""})); // an absent item clears its field
}

TEST(Reader, FixedWidthLineIsExactlyTheWidths) {
    const struct {
        const char* pszLine;
        long lResult;
        V items;
    } aCase[] = {
        {"abc12", 0, {"abc", "12"}},
        {" xy12", 0, {" xy", "12"}},
        {"abc1", 2, {}},
        {"abc123", 2, {}},
        {"", 2, {}},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(c.pszLine);
        Reader r({Col("a", 3, 0, 4, TA::ITEM_TEXT), Col("b", 2, 4, 4, TA::ITEM_TEXT)},
                 std::string(c.pszLine) + "\n", TA::DELIM_FIXED);
        EXPECT_EQ(r.Read(), c.lResult);
        if (c.lResult == 0) {
            EXPECT_EQ(r.Items(), c.items);
        }
    }
}

// Numbers are read in fixed-width mode, one column as wide as the item, so that the
// item reaches the conversion whole.
struct StNumberCase {
    const char* pszItem;
    LONG lSize, lType;
    long lResult;
    std::int64_t llStored; // the field as a signed value of its size
};

TEST(Reader, Numbers) {
    constexpr std::int64_t UNCHANGED = 77;
    const LONG S = TA::ITEM_SIGNED, U = TA::ITEM_UNSIGNED;
    const StNumberCase aCase[] = {
        {"1,234.56", 4, S, 0, 1234},
        {"-.5", 4, S, 0, 0},
        {"12a3", 4, S, 0, 123},
        {"   ", 4, S, 0, UNCHANGED},
        {"5-", 4, S, 2, UNCHANGED},
        {"1 2", 4, S, 2, UNCHANGED},
        {"1.2.3", 4, S, 2, UNCHANGED},
        {"+-1", 4, S, 2, UNCHANGED},
        {"  -42  ", 4, S, 0, -42},
        {"-7.9", 4, S, 0, -7},
        {"+5", 1, S, 0, 5},
        {"70000", 2, S, 0, 4464},
        {"-1", 1, U, 0, -1},
        {"255", 1, U, 0, -1},
        {"4294967295", 4, U, 0, -1},
        {"1.23456", 8, S, 0, 12345},
        {"-.5", 8, S, 0, -5000},
        {"-0", 8, S, 0, 0},
        {"922337203685477.5807", 8, S, 0, INT64_MAX},
        {"-922337203685477.5807", 8, S, 0, -INT64_MAX},
        {"922337203685477.5808", 8, S, 2, UNCHANGED},
        {"99999999999999999999", 8, S, 2, UNCHANGED},
        {"1", 8, U, 0, UNCHANGED},
        {"1", 3, S, 0, UNCHANGED},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(testing::Message() << "[" << c.pszItem << "] size " << c.lSize);
        const LONG lLen = static_cast<LONG>(std::strlen(c.pszItem));
        Reader r({Col("n", lLen, 0, c.lSize, c.lType)}, std::string(c.pszItem) + "\n",
                 TA::DELIM_FIXED);
        r.Put<std::int64_t>(0, UNCHANGED);
        EXPECT_EQ(r.Read(), c.lResult);
        std::int64_t llStored = 0;
        switch (c.lSize) {
        case 1:
            llStored = r.Get<std::int8_t>(0);
            break;
        case 2:
            llStored = r.Get<std::int16_t>(0);
            break;
        case 4:
            llStored = r.Get<std::int32_t>(0);
            break;
        default:
            llStored = r.Get<std::int64_t>(0);
            break;
        }
        EXPECT_EQ(llStored, c.llStored);
    }
}

TEST(Reader, CommentsSkippedOrReported) {
    const std::string strIn = ";one\n;two\nA\n;three\nB\n";
    Reader skip(1, strIn);
    skip.Acc().SetCommentMark(";");
    EXPECT_EQ(skip.Read(), 0);
    EXPECT_EQ(skip.Items(), (V{"A"}));
    EXPECT_EQ(skip.Acc().GetPhysicalLineNo(), 3);
    EXPECT_EQ(skip.Acc().GetLogicalLineNo(), 1);
    EXPECT_EQ(skip.Read(), 0);
    EXPECT_EQ(skip.Items(), (V{"B"}));
    EXPECT_EQ(skip.Acc().GetPhysicalLineNo(), 5);
    EXPECT_EQ(skip.Acc().GetLogicalLineNo(), 2);
    EXPECT_EQ(skip.Read(), 1);

    Reader report(1, strIn);
    report.Acc().SetCommentMark(";");
    report.Acc().SetCommentSkip(FALSE);
    const std::vector<long> aResult = {3, 3, 0, 3, 0, 1};
    const std::vector<long> aLogical = {0, 0, 1, 1, 2, 2};
    for (std::size_t i = 0; i < aResult.size(); ++i) {
        EXPECT_EQ(report.Read(), aResult[i]) << i;
        EXPECT_EQ(report.Acc().GetLogicalLineNo(), aLogical[i]) << i;
    }
    EXPECT_EQ(report.Acc().GetPhysicalLineNo(), 5);
    EXPECT_EQ(report.Items(), (V{"B"}));

    // A comment line while reporting leaves the row alone.
    Reader first(1, ";x\n");
    first.Acc().SetCommentMark(";");
    first.Acc().SetCommentSkip(FALSE);
    EXPECT_EQ(first.Read(), 3);
    EXPECT_EQ(first.Items(), (V{"################"}));
}

TEST(Reader, CountersAndLastLine) {
    Reader plain(1, ";a\nb\nc\n");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(plain.Read(), 0);
    }
    EXPECT_EQ(plain.Acc().GetPhysicalLineNo(), 3);
    EXPECT_EQ(plain.Acc().GetLogicalLineNo(), 3);
    char szLine[TA::LINE_SIZE];
    std::memset(szLine, 'x', sizeof szLine);
    plain.Acc().GetReadLine(szLine);
    EXPECT_STREQ(szLine, "c");
    EXPECT_EQ(std::string(szLine, sizeof szLine), "c" + std::string(TA::LINE_SIZE - 1, '\0'));

    // An empty mark makes every line a comment: skipping reads to the end.
    Reader all(1, "a\nb\n");
    all.Acc().SetCommentMark("");
    EXPECT_EQ(all.Read(), 1);
    EXPECT_EQ(all.Acc().GetPhysicalLineNo(), 2);
    EXPECT_EQ(all.Acc().GetLogicalLineNo(), 0);
}

TEST(Reader, EndOfFile) {
    Reader r(1, "A\nB");
    EXPECT_EQ(r.Read(), 0);
    EXPECT_EQ(r.Read(), 1); // the last line has no LF
    EXPECT_EQ(r.Read(), 1);
    EXPECT_EQ(r.Items(), (V{"A"}));
    Reader empty(1, "");
    EXPECT_EQ(empty.Read(), 1);
    EXPECT_EQ(empty.Acc().GetPhysicalLineNo(), 0);
}

TEST(Reader, OrderSelectsTheColumnsOfTheLine) {
    Reader r(3, "x,y\n");
    StTAORDER aOrder[] = {{2}, {0}};
    r.Acc().SetOrder(aOrder, 2);
    r.Acc().SetSelectFlag(FALSE);
    EXPECT_EQ(r.Read(), 0);
    EXPECT_EQ(r.Items(), (V{"y", "################", "x"}));
}

} // namespace
