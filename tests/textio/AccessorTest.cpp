// Settings of the text accessor: mode, masks, column selection and order, rotation.
#include "services/MsgMgr.h"
#include "tests/textio/TextTestDrive.h"
#include "textio/textaccessor.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <sstream>
#include <vector>

using gk_textio_test::Col;

namespace {

using TA = ClTextAccessor;

// Five one-letter text columns a..e.
struct StFive {
    char sz[5][2];
};

const char* const G_NAMES[] = {"a", "b", "c", "d", "e"};

std::array<StTAFORMAT, 5> FiveTable() {
    std::array<StTAFORMAT, 5> table;
    for (LONG i = 0; i < 5; ++i) {
        table[i] = Col(G_NAMES[i], 1, i * 2, 2, TA::ITEM_TEXT);
    }
    return table;
}

class FiveColumns : public ::testing::Test {
protected:
    FiveColumns() {
        for (int i = 0; i < 5; ++i) {
            std::strcpy(m_row.sz[i], G_NAMES[i]);
        }
        m_acc.Attach(&m_out);
        m_acc.SetMode(TA::DELIM_COMMA, TA::QUOTE_NONE);
    }
    std::string Line() {
        m_out.str("");
        EXPECT_EQ(m_acc.Write(), 0);
        return m_out.str();
    }
    std::vector<std::string> Names() {
        std::vector<std::string> v;
        for (long i = 0; i < m_acc.GetFormatCount(); ++i) {
            v.emplace_back(m_acc.GetFormat()[i].szName);
        }
        return v;
    }

    // The table is complete before the accessor copies it.
    const std::array<StTAFORMAT, 5> m_aTable = FiveTable();
    StFive m_row{};
    std::stringstream m_out;
    TA m_acc{"FIVE", m_aTable.data(), 5, &m_row};
};

using V = std::vector<std::string>;

TEST_F(FiveColumns, NewAccessorWritesAllColumnsFixedUnquotedUnmasked) {
    TA acc("FIVE", m_aTable.data(), 5, &m_row);
    std::stringstream out;
    acc.Attach(&out);
    EXPECT_EQ(acc.Write(), 0);
    EXPECT_EQ(out.str(), "abcde\r\n");
    for (long i = 0; i < 5; ++i) {
        EXPECT_EQ(acc.GetMask(i), 0);
    }
    EXPECT_EQ(acc.GetOrder(), nullptr);
    EXPECT_EQ(acc.GetOrderCount(), 0);
    EXPECT_EQ(acc.GetPhysicalLineNo(), 0);
    EXPECT_EQ(acc.GetLogicalLineNo(), 0);
}

TEST_F(FiveColumns, QuotedFixedModeIsRefusedAndKeepsTheSettings) {
    ClMsgMgr::Inst()->SetLastError(0, nullptr, 0);
    EXPECT_EQ(m_acc.SetMode(TA::DELIM_FIXED, TA::QUOTE_DOUBLE), -1003);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorCode(), -1003);
    EXPECT_STREQ(ClMsgMgr::Inst()->GetLastErrorSource(), "textaccessor");
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorLine(), 111);
    EXPECT_EQ(Line(), "a,b,c,d,e\r\n");

    EXPECT_EQ(m_acc.SetMode(TA::DELIM_COMMA, TA::QUOTE_DOUBLE), 0);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorCode(), 0);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorSource(), nullptr);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorLine(), 0);
    EXPECT_EQ(Line(), "\"a\",\"b\",\"c\",\"d\",\"e\"\r\n");

    ClMsgMgr::Inst()->SetLastError(-1000, "TextFile", 88);
    EXPECT_EQ(m_acc.Attach(&m_out), 0);
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorSource(), nullptr);
}

TEST_F(FiveColumns, MasksKeepTheirLowByteAndRefuseColumnsOutOfRange) {
    EXPECT_EQ(m_acc.SetMask(-1, 1), -1);
    EXPECT_EQ(m_acc.SetMask(5, 1), -1);
    EXPECT_EQ(m_acc.GetMask(-1), -1);
    EXPECT_EQ(m_acc.GetMask(5), -1);
    EXPECT_EQ(m_acc.SetMask(0, 258), 0);
    EXPECT_EQ(m_acc.GetMask(0), 2);
    EXPECT_EQ(m_acc.SetMask(4, -1), 0);
    EXPECT_EQ(m_acc.GetMask(4), 255);
    // 2 leaves a blank, any other nonzero value leaves nothing.
    EXPECT_EQ(Line(), " ,b,c,d,\r\n");
}

TEST_F(FiveColumns, OrderTakesEffectOnlyWithTheSelectFlagOff) {
    StTAORDER aOrder[] = {{4}, {0}, {2}};
    EXPECT_EQ(m_acc.SetOrder(aOrder, 3), 0);
    EXPECT_EQ(m_acc.GetOrder(), aOrder);
    EXPECT_EQ(m_acc.GetOrderCount(), 3);
    EXPECT_EQ(Line(), "a,b,c,d,e\r\n");
    m_acc.SetSelectFlag(FALSE);
    EXPECT_EQ(Line(), "e,a,c\r\n");
    m_acc.SetMask(0, 2);
    EXPECT_EQ(Line(), "e, ,c\r\n");
    m_acc.SetOrder(aOrder, 0);
    EXPECT_EQ(Line(), " ,b,c,d,e\r\n");
    m_acc.SetMask(0, 0);
    EXPECT_EQ(Line(), "a,b,c,d,e\r\n");
}

// An order entry naming no column of the table stays an empty item instead of reaching
// outside the table.
TEST_F(FiveColumns, OrderEntryOutsideTheTableIsAnEmptyItem) {
    StTAORDER aOrder[] = {{1}, {5}, {-1}, {3}};
    m_acc.SetOrder(aOrder, 4);
    m_acc.SetSelectFlag(FALSE);
    EXPECT_EQ(Line(), "b,,,d\r\n");
}

TEST_F(FiveColumns, RotationMovesTheBlockAsARing) {
    struct {
        long lStart, lDest, lLen, lResult;
        V names;
    } const aCase[] = {
        {0, 2, 5, 0, {"d", "e", "a", "b", "c"}},  {1, 3, 3, 0, {"a", "c", "d", "b", "e"}},
        {2, 2, 2, 0, {"a", "b", "c", "d", "e"}},  {0, 4, 5, 0, {"b", "c", "d", "e", "a"}},
        {4, 4, 1, 1, {"a", "b", "c", "d", "e"}},  {0, 5, 5, 1, {"a", "b", "c", "d", "e"}},
        {-1, 0, 2, 1, {"a", "b", "c", "d", "e"}}, {1, 0, 2, 1, {"a", "b", "c", "d", "e"}},
        {2, 2, 4, 1, {"a", "b", "c", "d", "e"}},  {1, 1, 0, 1, {"a", "b", "c", "d", "e"}},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(testing::Message() << c.lStart << "," << c.lDest << "," << c.lLen);
        m_acc.ResetRotate();
        EXPECT_EQ(m_acc.RotateFormat(c.lStart, c.lDest, c.lLen), c.lResult);
        EXPECT_EQ(Names(), c.names);
    }
    m_acc.ResetRotate();
    m_acc.RotateFormat(0, 2, 5);
    EXPECT_EQ(Line(), "d,e,a,b,c\r\n");
    m_acc.ResetRotate();
    EXPECT_EQ(Names(), (V{"a", "b", "c", "d", "e"}));
}

TEST_F(FiveColumns, WidthChangedInTheWorkingTableLastsUntilReset) {
    std::strcpy(m_row.sz[1], "x");
    m_acc.SetMode(TA::DELIM_FIXED, TA::QUOTE_NONE);
    m_acc.GetFormat()[1].lLen = 3;
    EXPECT_EQ(Line(), "ax  cde\r\n");
    m_acc.ResetRotate();
    EXPECT_EQ(Line(), "axcde\r\n");
    EXPECT_EQ(m_aTable[1].lLen, 1);
}

// The mask array holds 200 columns; a wider table's later columns are never masked.
TEST(AccessorLimits, ColumnsBeyondTheMaskArrayCannotBeMasked) {
    std::vector<StTAFORMAT> table(210, Col("n", 1, 0, 1, TA::ITEM_TEXT));
    char cRow = 0;
    TA acc("WIDE", table.data(), 210, &cRow);
    EXPECT_EQ(acc.SetMask(199, 1), 0);
    EXPECT_EQ(acc.SetMask(200, 1), -1);
    EXPECT_EQ(acc.GetMask(205), 0);
    EXPECT_EQ(acc.GetMask(210), -1);
}

} // namespace
