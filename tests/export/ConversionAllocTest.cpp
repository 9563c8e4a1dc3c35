// The conversion allocates nothing per row beyond the registration of a new code: the
// global allocation functions of this test binary count what a row costs.
#include "tests/export/ConversionFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_lAllocations{0};
}

// The address sanitizer brings allocation functions of its own; the count is taken in the
// ordinary build only.
#ifndef __SANITIZE_ADDRESS__
[[gnu::noinline]] void* operator new(std::size_t cb) {
    ++g_lAllocations;
    if (void* p = std::malloc(cb ? cb : 1))
        return p;
    throw std::bad_alloc();
}
// Kept out of line: inlined into a caller, GCC would pair the free with the library's
// operator new and reject the build.
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#endif

using namespace gk_conv;

namespace {

// An asset that runs through every column rule and raises messages on the way.
StASSET Busy(const char* szCode) {
    StASSET a = Ordinary(szCode);
    StKOTEISHISANINFO& m = a.master;
    SetText(m.szAssetName, std::string(40, 'n'));
    SetText(m.szQuantity, "1,234個");
    SetText(m.szMemo, std::string(50, 'm'));
    m.sMethodKind = 8;
    m.lTypeCode = 123;
    m.lDeprRate = 167;
    m.cyAcqCost = Units(200000000000);
    m.bMonthsEntered = 1;
    m.sPeriodDen = 12;
    m.sPeriodNum = 3;
    m.sDisposalKind = 4;
    a.year.cyCalcDepr = Units(5);
    return a;
}

TEST(ConversionAlloc, RowsOfKnownCodesAllocateNothing) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "allocations are counted in the build without sanitizers";
#endif
    ClConversion conv;
    const StASSET busy = Busy("ABC1234");
    StASSET item = Item("ABC1234", 1);
    SetText(item.item.szItemName, std::string(40, 'i'));
    item.item.lItemQuantity = 100000000;
    conv.Write(busy); // registers BC1234
    conv.Write(item); // result 2: reported, not registered
    conv.Write(Ordinary("AB-123"));

    const long lBefore = g_lAllocations;
    for (int i = 0; i < 50; ++i) {
        conv.Write(busy);
        conv.Write(item);
        conv.Write(Ordinary("AB-123"));
        conv.Write(Item("ZZ", 100));
    }
    EXPECT_EQ(g_lAllocations - lBefore, 0);

    // A new code costs its copy and the entries of the list and of the index.
    const long lNew = g_lAllocations;
    for (int i = 0; i < 100; ++i)
        conv.Write(Ordinary(std::to_string(100000 + i)));
    EXPECT_LE(g_lAllocations - lNew, 100 * 3 + 10);  // rehashing now and then
    EXPECT_EQ(conv.Rows().size(), 3u + 150u + 100u); // the hundredth sub-items have none
}

} // namespace
