// The fixed-point decimal: exact conversion from and to tagCY, sums with their limit,
// the rounded quotient, and floating values in ten-thousandths.
#include "export/Decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t I64_MIN = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t I64_MAX = std::numeric_limits<std::int64_t>::max();

ClDecimal Dec(std::int64_t llRaw) {
    return ClDecimal::FromCY(tagCY{llRaw});
}

TEST(DecimalConversion, FromCYSplitsSignIntegerAndFractionAndToCYRestoresIt) {
    struct {
        std::int64_t llRaw;
        short nSign;
        std::int64_t llInt;
        std::uint32_t ulFrac;
    } const aCases[] = {
        {0, 1, 0, 0},   {123456000, 1, 12345, 6000},         {-5000, -1, 0, 5000},
        {-1, -1, 0, 1}, {I64_MAX, 1, 922337203685477, 5807}, {I64_MIN, -1, 922337203685477, 5808},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.llRaw);
        const ClDecimal d = Dec(c.llRaw);
        EXPECT_EQ(d.GetSign(), c.nSign);
        EXPECT_EQ(d.GetInt(), c.llInt);
        EXPECT_EQ(d.GetFrac(), c.ulFrac);
        EXPECT_EQ(d.ToCY().int64, c.llRaw);
    }
}

TEST(DecimalAdd, SumsAreExactUpToTenToTheFourteenUnits) {
    ClDecimal dSum;
    ASSERT_TRUE(ClDecimal::Add(Dec(12345678), Dec(5000), dSum)); // 1234.5678 + 0.5
    EXPECT_EQ(dSum.ToCY().int64, 12350678);
    ASSERT_TRUE(ClDecimal::Add(Dec(-5000), Dec(5000), dSum));
    EXPECT_EQ(dSum.GetSign(), 1); // zero is positive
    EXPECT_EQ(dSum.ToCY().int64, 0);
    ASSERT_TRUE(ClDecimal::Add(Dec(999999999999999999), Dec(0), dSum));
    EXPECT_EQ(dSum.ToCY().int64, 999999999999999999);
    ASSERT_TRUE(ClDecimal::Add(Dec(-999999999999999999), Dec(0), dSum));
}

TEST(DecimalAdd, SumsOfTenToTheFourteenUnitsOrMoreAreRefused) {
    const std::int64_t aPairs[][2] = {
        {999999999999999999, 1}, {-999999999999999999, -1},
        {I64_MAX, I64_MAX}, // beyond 64 bits
        {I64_MIN, I64_MIN},      {I64_MAX, 0},
    };
    for (const auto& p : aPairs) {
        SCOPED_TRACE(p[0]);
        ClDecimal dSum = Dec(77);
        EXPECT_FALSE(ClDecimal::Add(Dec(p[0]), Dec(p[1]), dSum));
        EXPECT_EQ(dSum.ToCY().int64, 77); // left as it was
    }
}

TEST(DecimalDivide, QuotientIsRoundedHalfUpAtTheFifthDecimal) {
    struct {
        std::int64_t llA, llB, llQuot;
    } const aCases[] = {
        {80500000, 1000000, 805000},     // 8050 / 100 = 80.50
        {100000000, 1000000, 1000000},   // 10000 / 100 = 100
        {0, 1000000, 0},                 // 0 / 100
        {10000, 30000, 3333},            // 1 / 3
        {20000, 30000, 6667},            // 2 / 3
        {-10000, 30000, -3333},          // signs multiply
        {-10000, -30000, 3333},          //
        {99999999, 100000000, 10000},    // 0.99999999 carries into the integer part
        {-327680000, 1000000, -3276800}, // -32768 / 100
        {5, 1000000, 0},                 // 0.0005 / 100 rounds to 0
        {-5, 1000000, 0},                // and is positive zero
        {50, 1000000, 1},                // 0.005 / 100 = 0.00005 rounds up
        {I64_MAX, I64_MAX, 10000},       // remainders too large to shift in 64 bits
        {I64_MAX - 1, I64_MAX, 10000},
        {I64_MAX / 2, I64_MAX, 5000},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(std::to_string(c.llA) + " / " + std::to_string(c.llB));
        ClDecimal dQuot;
        ASSERT_TRUE(ClDecimal::Divide(Dec(c.llA), Dec(c.llB), dQuot));
        EXPECT_EQ(dQuot.ToCY().int64, c.llQuot);
        if (c.llQuot == 0) {
            EXPECT_EQ(dQuot.GetSign(), 1);
        }
    }
}

TEST(DecimalDivide, ZeroDivisorAndQuotientsBeyondTheRangeAreRefused) {
    ClDecimal dQuot = Dec(77);
    EXPECT_FALSE(ClDecimal::Divide(Dec(10000), Dec(0), dQuot));
    EXPECT_FALSE(ClDecimal::Divide(Dec(0), Dec(0), dQuot));
    EXPECT_FALSE(ClDecimal::Divide(Dec(I64_MAX), Dec(1), dQuot)); // 9.2e18 units
    EXPECT_EQ(dQuot.ToCY().int64, 77);
}

TEST(DecimalFromDouble, ValuesInTenThousandthsRoundedAtTheFifthDecimal) {
    struct {
        double x;
        std::int64_t llRaw;
    } const aCases[] = {
        {0.0, 0},         {1.005, 10050}, // 1.00499999... in binary
        {2.345, 23450},   {1.23456, 12346},         {-1.23456, -12346},
        {0.99999, 10000}, // the fraction rounds to a whole unit
        {-0.00001, 0},    {1234567.0, 12345670000}, {99999999999999.0, 999999999999990000},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.x);
        ClDecimal d;
        ASSERT_TRUE(ClDecimal::FromDouble(c.x, d));
        EXPECT_EQ(d.ToCY().int64, c.llRaw);
        if (c.llRaw == 0) {
            EXPECT_EQ(d.GetSign(), 1);
        }
    }
}

TEST(DecimalFromDouble, MagnitudesOfTenToTheFourteenAndNonNumbersAreRefused) {
    const double aValues[] = {1e14,
                              -1e14,
                              1e300,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::nan("")};
    for (double x : aValues) {
        SCOPED_TRACE(x);
        ClDecimal d = Dec(77);
        EXPECT_FALSE(ClDecimal::FromDouble(x, d));
        EXPECT_EQ(d.ToCY().int64, 77);
    }
}

// Rates reach the decimal as thousandths times 0.001 in single precision, sub-item
// quantities as hundredths times 0.01: both must come out exact.
TEST(DecimalFromDouble, RatesAndSubItemQuantitiesComeOutExact) {
    for (std::int32_t lRate = 0; lRate <= 200000; ++lRate) {
        ClDecimal d;
        ASSERT_TRUE(ClDecimal::FromDouble(static_cast<float>(lRate) * 0.001f, d));
        ASSERT_EQ(d.ToCY().int64, lRate * 10LL) << lRate;
    }
    for (std::int64_t lQty = -1000000; lQty <= 100000000; lQty += 997) {
        ClDecimal d;
        ASSERT_TRUE(ClDecimal::FromDouble(lQty * 0.01, d));
        ASSERT_EQ(d.ToCY().int64, lQty * 100) << lQty;
    }
}

} // namespace
