#include "export/Decimal.h"

#include <cmath>

namespace {

std::uint64_t Magnitude(std::int64_t v) {
    // Through unsigned arithmetic, so that the most negative value has one too.
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

constexpr std::uint64_t SCALE = ClDecimal::SCALE;
constexpr std::uint64_t LIMIT = ClDecimal::LIMIT_UNITS * ClDecimal::SCALE;

} // namespace

ClDecimal ClDecimal::_FromMagnitude(bool bNegative, std::uint64_t ullMagnitude) {
    ClDecimal d;
    d.m_nSign = (bNegative && ullMagnitude != 0) ? -1 : 1;
    d.m_llInt = static_cast<std::int64_t>(ullMagnitude / SCALE);
    d.m_ulFrac = static_cast<std::uint32_t>(ullMagnitude % SCALE);
    return d;
}

ClDecimal ClDecimal::FromCY(tagCY cy) {
    return _FromMagnitude(cy.int64 < 0, Magnitude(cy.int64));
}

tagCY ClDecimal::ToCY() const {
    const std::uint64_t ullMagnitude = static_cast<std::uint64_t>(m_llInt) * SCALE + m_ulFrac;
    // Modular conversion: exact for every value FromCY can give, the most negative included.
    return tagCY{static_cast<std::int64_t>(m_nSign < 0 ? 0 - ullMagnitude : ullMagnitude)};
}

BOOL ClDecimal::Add(const ClDecimal& a, const ClDecimal& b, ClDecimal& dSum) {
    std::int64_t llSum = 0;
    if (__builtin_add_overflow(a.ToCY().int64, b.ToCY().int64, &llSum) || Magnitude(llSum) >= LIMIT)
        return FALSE;
    dSum = FromCY(tagCY{llSum});
    return TRUE;
}

BOOL ClDecimal::Divide(const ClDecimal& a, const ClDecimal& b, ClDecimal& dQuot) {
    const std::uint64_t A = Magnitude(a.ToCY().int64);
    const std::uint64_t B = Magnitude(b.ToCY().int64);
    if (B == 0)
        return FALSE;
    std::uint64_t q = A / B;
    // The remainder stays below B; ten times it may not fit 64 bits.
    unsigned __int128 r = A % B;
    std::uint64_t t = 0;
    for (int i = 0; i < 5; ++i) { // five decimals by long division
        r *= 10;
        t = t * 10 + static_cast<std::uint64_t>(r / B);
        r %= B;
    }
    std::uint64_t frac = (t + 5) / 10;
    if (frac == SCALE) {
        ++q;
        frac = 0;
    }
    if (q >= static_cast<std::uint64_t>(LIMIT_UNITS))
        return FALSE;
    dQuot = _FromMagnitude((a.m_nSign < 0) != (b.m_nSign < 0), q * SCALE + frac);
    return TRUE;
}

BOOL ClDecimal::FromDouble(double x, ClDecimal& dValue) {
    const double dMagnitude = std::fabs(x);
    if (!(dMagnitude < static_cast<double>(LIMIT_UNITS)))
        return FALSE;
    const double dInt = std::trunc(dMagnitude);
    const auto f = static_cast<std::uint64_t>((dMagnitude - dInt) * 100000);
    const std::uint64_t frac = (f + 5) / 10; // 10000 simply adds one unit
    dValue = _FromMagnitude(x < 0, static_cast<std::uint64_t>(dInt) * SCALE + frac);
    return TRUE;
}
