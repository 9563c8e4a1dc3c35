// Fixed-point decimal with four decimals for the conversion's exact sums and ratios.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

// Every value a ClDecimal holds also fits a tagCY: the operations that could leave that
// range (a sum or quotient of 10^14 units or more, a floating value that large) refuse
// with FALSE instead.
class ClDecimal {
public:
    static constexpr std::int64_t SCALE = 10000;
    static constexpr std::int64_t LIMIT_UNITS = 100000000000000; // 10^14 units

    ClDecimal() = default;
    ClDecimal(const ClDecimal&) = default;
    ClDecimal& operator=(const ClDecimal&) = default;
    virtual ~ClDecimal() = default;

    static ClDecimal FromCY(tagCY cy);
    tagCY ToCY() const;
    // The exact sum; FALSE (and dSum unchanged) when it reaches 10^14 units in magnitude.
    static BOOL Add(const ClDecimal& a, const ClDecimal& b, ClDecimal& dSum);
    // a / b rounded half up at the fifth decimal; FALSE for a zero divisor or a quotient
    // of 10^14 units or more.
    static BOOL Divide(const ClDecimal& a, const ClDecimal& b, ClDecimal& dQuot);
    // x in ten-thousandths, rounded half up at the fifth decimal; FALSE for a magnitude of
    // 10^14 or more and for values that are not numbers.
    static BOOL FromDouble(double x, ClDecimal& dValue);

    short GetSign() const { return m_nSign; }
    std::int64_t GetInt() const { return m_llInt; }
    std::uint32_t GetFrac() const { return m_ulFrac; }

private:
    // Sign and magnitude in ten-thousandths; zero always gets the sign +1.
    static ClDecimal _FromMagnitude(bool bNegative, std::uint64_t ullMagnitude);

    std::int16_t m_nSign = 1;
    std::int64_t m_llInt = 0;   // integer part, never negative
    std::uint32_t m_ulFrac = 0; // the four decimals, 0 to 9999
};
