// The column order kept in the company data, through the stand-in's settings store.
#include "services/SaveTextIO.h"
#include "tests/services/AccTestSupport.h"
#include "tests/textio/TextTestDrive.h"
#include "textio/textaccessor.h"

#include <array>
#include <sstream>

using gk_textio_test::Col;

namespace {

using TA = ClTextAccessor;

unsigned char* DataID(const char* psz) {
    return reinterpret_cast<unsigned char*>(const_cast<char*>(psz));
}

// Three text columns a, b, c under a table name of the test's choice.
class OrderStore : public AccSysTest {
protected:
    struct StRow {
        char sz[3][2] = {{'a'}, {'b'}, {'c'}};
    };
    static constexpr StTAFORMAT G_ABC[] = {
        {"a", 1, 0, 0, 2, TA::ITEM_TEXT, 0},
        {"b", 1, 0, 2, 2, TA::ITEM_TEXT, 0},
        {"c", 1, 0, 4, 2, TA::ITEM_TEXT, 0},
    };

    void SetUp() override {
        AccSysTest::SetUp();
        Link(ClFixtureDb());
    }
    // The accessor's line with the order in force.
    static std::string Line(TA& acc) {
        std::stringstream out;
        acc.Attach(&out);
        acc.SetMode(TA::DELIM_COMMA, TA::QUOTE_NONE);
        acc.SetSelectFlag(FALSE);
        acc.Write();
        return out.str();
    }
    static std::array<StTAORDER, 100> Filled(LONG lValue) {
        std::array<StTAORDER, 100> order;
        order.fill({lValue});
        return order;
    }

    StRow m_row;
};

TEST_F(OrderStore, SavedOrderLoadsForTheSameDataAndTable) {
    TA saver("G_SSC", G_ABC, 3, &m_row);
    StTAORDER aSaved[] = {{2}, {0}, {1}};
    saver.SetOrder(aSaved, 3);
    ASSERT_EQ(saver.SaveOrder(DataID(FIXTURE_DATAID)), 0);

    TA loader("G_SSC", G_ABC, 3, &m_row);
    auto order = Filled(9);
    loader.SetOrder(order.data(), 0);
    ASSERT_EQ(loader.LoadOrder(DataID(FIXTURE_DATAID)), 0);
    EXPECT_EQ(loader.GetOrderCount(), 3);
    EXPECT_EQ(order[0].lItemNo, 2);
    EXPECT_EQ(order[1].lItemNo, 0);
    EXPECT_EQ(order[2].lItemNo, 1);
    EXPECT_EQ(order[3].lItemNo, 9);
    EXPECT_EQ(Line(loader), "c,a,b\r\n");

    // Another table or another company data has no order stored.
    TA other("G_HEAD", G_ABC, 3, &m_row);
    other.SetOrder(order.data(), 0);
    EXPECT_EQ(other.LoadOrder(DataID(FIXTURE_DATAID)), -1);
    EXPECT_EQ(loader.LoadOrder(DataID("0002")), -1);
}

TEST_F(OrderStore, FailedLoadLeavesTheOrderUnchanged) {
    TA acc("G_INFO", G_ABC, 3, &m_row);
    auto order = Filled(1);
    acc.SetOrder(order.data(), 2);
    EXPECT_EQ(acc.LoadOrder(DataID(FIXTURE_DATAID)), -1);
    EXPECT_EQ(acc.GetOrder(), order.data());
    EXPECT_EQ(acc.GetOrderCount(), 2);
    EXPECT_EQ(order[0].lItemNo, 1);
    EXPECT_EQ(Line(acc), "b,b\r\n");
}

TEST_F(OrderStore, EmptyOrderBringsBackAllColumns) {
    TA acc("G_SSC", G_ABC, 3, &m_row);
    StTAORDER aFirst[] = {{1}};
    acc.SetOrder(aFirst, 1);
    ASSERT_EQ(acc.SaveOrder(DataID(FIXTURE_DATAID)), 0);
    acc.SetOrder(nullptr, 0);
    ASSERT_EQ(acc.SaveOrder(DataID(FIXTURE_DATAID)), 0);
    auto order = Filled(2);
    acc.SetOrder(order.data(), 3);
    EXPECT_EQ(Line(acc), "c,c,c\r\n");
    ASSERT_EQ(acc.LoadOrder(DataID(FIXTURE_DATAID)), 0);
    EXPECT_EQ(acc.GetOrderCount(), 0);
    EXPECT_EQ(Line(acc), "a,b,c\r\n");
}

// What the record cannot hold unchanged is refused, and the stored order stays.
TEST_F(OrderStore, OrdersTheRecordCannotHoldAreRefused) {
    TA acc("G_SSC", G_ABC, 3, &m_row);
    StTAORDER aGood[] = {{1}, {2}};
    acc.SetOrder(aGood, 2);
    ASSERT_EQ(acc.SaveOrder(DataID(FIXTURE_DATAID)), 0);
    for (LONG lBad : {128, -1, 300}) {
        StTAORDER aBad[] = {{0}, {lBad}};
        acc.SetOrder(aBad, 2);
        EXPECT_EQ(acc.SaveOrder(DataID(FIXTURE_DATAID)), -1) << lBad;
    }
    auto big = Filled(0);
    std::array<StTAORDER, 101> tooMany{};
    acc.SetOrder(tooMany.data(), 101);
    EXPECT_EQ(acc.SaveOrder(DataID(FIXTURE_DATAID)), -1);
    acc.SetOrder(big.data(), 0);
    ASSERT_EQ(acc.LoadOrder(DataID(FIXTURE_DATAID)), 0);
    EXPECT_EQ(acc.GetOrderCount(), 2);
    EXPECT_EQ(big[0].lItemNo, 1);
    EXPECT_EQ(big[1].lItemNo, 2);

    // A stored order needs an array to load into.
    acc.SetOrder(nullptr, 0);
    EXPECT_EQ(acc.LoadOrder(DataID(FIXTURE_DATAID)), -1);
    EXPECT_EQ(acc.GetOrderCount(), 0);

    // A name longer than the record's key is never cut to another table's name.
    TA longName("G_SSC_LONG", G_ABC, 3, &m_row);
    longName.SetOrder(aGood, 2);
    EXPECT_EQ(longName.SaveOrder(DataID(FIXTURE_DATAID)), -1);
    EXPECT_EQ(longName.LoadOrder(DataID(FIXTURE_DATAID)), -1);
}

TEST_F(OrderStore, NoConnectionNoOrder) {
    ClAccConnect::Inst()->Terminate();
    TA acc("G_SSC", G_ABC, 3, &m_row);
    StTAORDER aOrder[] = {{1}};
    acc.SetOrder(aOrder, 1);
    EXPECT_EQ(acc.SaveOrder(DataID(FIXTURE_DATAID)), -1);
    EXPECT_EQ(acc.LoadOrder(DataID(FIXTURE_DATAID)), -1);
    EXPECT_EQ(acc.GetOrderCount(), 1);
}

} // namespace
