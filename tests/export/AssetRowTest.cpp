// Data rows of ordinary assets: the G_INFO layout, a whole row written out, and the
// column rules by method kind, entered depreciation, limit, disposal, amount, quantity,
// code, name and memo, each compared as whole rows and whole error logs.
#include "export/AssetRow.h"
#include "export/ExportFileSet.h"
#include "tests/export/ConversionFixture.h"
#include "tests/export/FileSetFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace gk_conv;

namespace {

std::string Commas(int n) {
    return std::string(n, ',');
}

// The numeric columns print 0, 0.00 or 0.000 from a zero row; text columns are empty.
TEST(AssetRowLayout, ZeroRowWritesEveryColumnByItsType) {
    const int aInt[] = {6,  7,  8,  12,  15,  18,  28,  33,  39,  54,  60, 68,
                        71, 75, 78, 111, 112, 113, 118, 132, 136, 144, 148};
    const int aCy2[] = {13, 69, 70, 83, 84, 86, 87, 89, 90};
    const int aCy3[] = {19, 127, 138};
    Fields fields;
    for (int n : aInt)
        fields[n] = "0";
    for (int n : aCy2)
        fields[n] = "0.00";
    for (int n : aCy3)
        fields[n] = "0.000";

    gk_test::FreshFolder("layout");
    ClInfoAccessor acc;
    ClTextFile file;
    ASSERT_EQ(file.Open("C:\\layout\\row.txt", ClTextFile::TF_WRITE | ClTextFile::TF_TRUNCATE), 0);
    file.Attach(&acc);
    acc.SetMode(ClTextAccessor::DELIM_COMMA, ClTextAccessor::QUOTE_NONE);
    std::memset(&acc.m_stRow, 0, sizeof acc.m_stRow);
    EXPECT_EQ(acc.Write(), 0);
    file.Close();
    EXPECT_EQ(gk_test::ReadBytes(gk_test::DriveC() / "layout" / "row.txt"), Line(fields));
    EXPECT_EQ(sizeof(StASSETROW), 1364u);
}

// A straight-line asset with the usual values, written out in full by hand.
TEST(AssetRowOrdinary, TypicalAssetGivesTheWholeRow) {
    StASSET a = Ordinary("A00123");
    StKOTEISHISANINFO& m = a.master;
    m.lTypeCode = 1;
    SetText(m.szAssetName, "事務所建物");
    SetText(m.szQuantity, "1棟");
    SetText(m.szMemo, "本社");
    m.sMethodKind = 6;
    m.sUsefulLife = 38;
    m.lDeprRate = 27;
    m.lAcqDate = 20150401;
    m.lRuleDate = 20150401;
    m.cyAcqCost = Units(50000000);
    m.cyOpeningBook = Units(40000000);
    m.cyDeprBase = Units(50000000);
    m.cyAccumDepr = Units(11350000);
    m.cyClosingBook = Units(38650000);
    m.cySga = Units(1350000);
    m.sBusinessRatio = 10000;
    m.sSgaPercent = 100;
    a.year.cyCalcDepr = Units(1350000);
    std::memset(a.month.abData, 0xAB, sizeof a.month.abData); // never read
    std::memset(&a.item, 0xFF, sizeof a.item);                // not a sub-item

    ClConversion conv;
    conv.Write(a);
    const std::string strExpected =
        "A00123,,01,,定額法,,,,,事務所建物,,,20150401,1.00,棟,38,,,,0.027,,," // 0-21
        "50000000," +
        Commas(18) + "40000000," // 22-41
        + Commas(8) + "50000000,*,1350000," + Commas(15) +
        "100," // 42-68
        "100.00,100.00," +
        Commas(9) +
        "38650000,,11350000,100.00,100.00,1350000,0.00,100.00,"
        ",,,,申告なし,"             // 69-92
        + Commas(56) + "本社,\r\n"; // 93-150
    const std::vector<std::string> rows = conv.Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], strExpected);
    EXPECT_EQ(conv.Log(), "");
}

// An asset with a value in every source field the conversion reads.
StASSET RichAsset(std::int16_t sMethod) {
    StASSET a = Ordinary("R00001");
    StKOTEISHISANINFO& m = a.master;
    m.lTypeCode = 3;
    SetText(m.szAssetName, "機械");
    SetText(m.szQuantity, "2台");
    SetText(m.szCapex, "x");
    m.sMethodKind = sMethod;
    m.sUsefulLife = 10;
    m.lDeprRate = 200;
    m.lResidualRate = 10;
    m.bLimitKind = 0;
    m.cyLimit = Units(95);
    m.lAcqDate = 20100401;
    m.lRuleDate = 20100401;
    m.cyAcqCost = Units(1000);
    m.cyCompression = Units(100);
    m.cyOpeningBook = Units(800);
    m.cyResidual = Units(50);
    m.cyDeprBase = Units(900);
    m.cyRevisedCost = Units(300);
    m.cyAccumDepr = Units(330);
    m.cyClosingBook = Units(630);
    m.cySga = Units(100);
    m.cyMfgCost = Units(70);
    m.sBusinessRatio = 8050;
    m.sSgaPercent = 60;
    m.bMonthsEntered = 1;
    m.sPeriodNum = 5;
    m.sPeriodDen = 12;
    a.year.cyCalcDepr = Units(120);
    a.year.cySpecialDepr = Units(30);
    a.year.cyIncreasedDepr = Units(20);
    return a;
}

// RichAsset with a method kind that no rule names.
const Fields RICH_OTHER = {
    {0, "R00001"},  {2, "03"},     {5, "台帳＋申告書"},  {9, "機械"},    {12, "20100401"},
    {13, "2.00"},   {14, "台"},    {15, "10"},           {19, "0.200"},  {22, "1000"},
    {24, "100"},    {28, "10"},    {30, "50"},           {33, "95"},     {38, "*"},
    {39, "5"},      {41, "800"},   {50, "900"},          {51, "*"},      {52, "120"},
    {55, "*"},      {56, "20"},    {57, "特別"},         {61, "*"},      {62, "30"},
    {63, "償却"},   {68, "100"},   {69, "80.50"},        {70, "100.00"}, {80, "630"},
    {82, "330"},    {83, "60.00"}, {84, "100.00"},       {85, "100"},    {86, "40.00"},
    {87, "100.00"}, {88, "70"},    {92, "機械及び装置"},
};

TEST(AssetRowMethod, EveryMethodKindFillsItsColumns) {
    struct {
        std::int16_t sMethod;
        Fields changes;
    } const aCases[] = {
        {0, {}},
        {1, {{4, "旧定率法"}, {65, "*"}, {66, "170"}}},
        {2, {{4, "旧定額法"}, {65, "*"}, {66, "170"}}},
        {3, {{4, "均等法"}, {19, ""}, {21, "120"}}},
        {5, {{4, "定率法"}, {28, ""}, {30, ""}, {33, ""}, {46, "*"}, {47, "300"}}},
        {6, {{4, "定額法"}, {28, ""}, {30, ""}, {33, ""}}},
        {7,
         {{4, "少額資産"},
          {5, ""},
          {19, ""},
          {24, ""},
          {28, ""},
          {30, ""},
          {33, ""},
          {41, ""},
          {50, ""},
          {51, ""},
          {52, ""},
          {68, ""},
          {82, ""}}},
        {8,
         {{4, "定率法"},
          {28, ""},
          {30, ""},
          {33, ""},
          {46, "*"},
          {47, "300"},
          {65, "*"},
          {66, "170"}}},
        {9, {}},
    };
    ClConversion conv;
    for (const auto& c : aCases)
        conv.Write(RichAsset(c.sMethod));
    const std::vector<std::string> rows = conv.Rows();
    ASSERT_EQ(rows.size(), std::size(aCases));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], Line(With(RICH_OTHER, aCases[i].changes)))
            << "method " << aCases[i].sMethod;
    // The same code nine times: every row after the first is reported.
    std::string strLog;
    for (std::size_t i = 1; i < rows.size(); ++i)
        strLog +=
            LogLine("\n＜ERROR＞\n資産コード｢R00001｣は、他の資産コードと重複してしまいます。");
    EXPECT_EQ(conv.Log(), strLog);
}

TEST(AssetRowMethod, TypeCodeElevenIsNonDepreciableWhateverTheMethod) {
    ClConversion conv;
    for (std::int16_t sMethod : {1, 6}) {
        StASSET a = Ordinary(sMethod == 1 ? "000001" : "000002");
        a.master.lTypeCode = 11;
        a.master.sMethodKind = sMethod;
        conv.Write(a);
    }
    const std::vector<std::string> rows = conv.Rows();
    ASSERT_EQ(rows.size(), 2u);
    // Acquired at 0: the old kind 1 is not entered, the new kind 6 is.
    EXPECT_EQ(rows[0], Line(With(OrdinaryFields("000001"),
                                 {{2, "11"}, {4, "非償却資産"}, {92, "申告なし"}})));
    EXPECT_EQ(rows[1],
              Line(With(OrdinaryFields("000002"),
                        {{2, "11"}, {4, "非償却資産"}, {92, "申告なし"}, {65, "*"}, {66, "0"}})));
}

// Columns 20, 65 and 66 around the dates that change the rules.
TEST(AssetRowEntered, MarkAndSumFollowTheMethodAndTheDates) {
    struct {
        std::int16_t sMethod;
        LONG lAcqDate, lRuleDate;
        long long llOverride;
        bool bEntered;
        const char* szTransition;
    } const aCases[] = {
        {6, 20070331, 0, 0, true, ""},
        {6, 20070401, 0, 0, false, ""},
        {1, 20070401, 0, 0, true, ""},
        {1, 20070331, 0, 0, false, ""},
        {2, 20070401, 0, 0, true, ""},
        {2, 20070331, 0, 0, false, ""},
        {5, 20070401, 20130331, 0, false, "250%定率法"},
        {5, 20070401, 20130401, 0, true, ""},
        {5, 20070331, 20130331, 0, true, "250%定率法"},
        {5, 20070401, 20120401, 0, false, "250%定率法"},
        {5, 20070401, 20120331, 0, false, ""},
        {8, 20070401, 20130331, 0, true, ""},
        {8, 20070401, 20130401, 0, false, ""},
        {8, 20070331, 20130401, 0, true, ""},
        {8, 20070401, 20120401, 0, true, ""},
        {3, 20070331, 20130401, 0, false, ""},
        {3, 20200101, 0, 1, true, ""},
        {0, 20200101, 0, -5, true, ""},
        {7, 20070331, 0, 1, false, ""},
        {7, 20070401, 20130401, 0, false, ""},
    };
    const char* const aszMethod[] = {"",       "旧定率法", "旧定額法", "均等法", "",
                                     "定率法", "定額法",   "少額資産", "定率法"};
    ClConversion conv;
    std::vector<std::string> expected;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.sMethodKind = c.sMethod;
        a.master.lAcqDate = c.lAcqDate;
        a.master.lRuleDate = c.lRuleDate;
        a.year.cyCalcDepr = Cy(12345678); // 1234.5678
        a.year.cySpecialDepr = Cy(5000);  // 0.5
        a.year.cyDeprOverride = Cy(c.llOverride);
        conv.Write(a);

        Fields f = With(OrdinaryFields(NumberedCode(nCode)), {{4, aszMethod[c.sMethod]},
                                                              {12, std::to_string(c.lAcqDate)},
                                                              {20, c.szTransition},
                                                              {51, "*"},
                                                              {52, "1234"},
                                                              {57, "特別"},
                                                              {61, "*"},
                                                              {62, "0"},
                                                              {63, "償却"}});
        if (c.sMethod == 3)
            f[21] = "0";
        if (c.sMethod == 5 || c.sMethod == 8)
            f[46] = "*";
        if (c.sMethod == 7)
            f = With(f, {{51, ""}, {52, ""}, {68, ""}});
        if (c.bEntered)
            f = With(f, {{65, "*"}, {66, "1235"}});
        expected.push_back(Line(f));
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), "");
}

// Columns 33 to 35 for the two limit kinds and asset type code 10.
TEST(AssetRowLimit, RateOrAmountAndTypeCodeTen) {
    struct {
        LONG lTypeCode;
        std::int16_t sMethod;
        BYTE bLimitKind;
        long long llLimit, llResidual;
        Fields changes;
    } const aCases[] = {
        {1, 1, 0, 950000, 0, {{33, "95"}}},
        {1, 1, 0, 959999, 0, {{33, "95"}}},
        {1, 1, 0, -50000, 0, {{33, "-5"}}},
        {1, 1, 0, 5000, 0, {{33, "0"}}},
        {1, 1, 1, 10000000000, 0, {{34, "*"}, {35, "1000000"}}},
        {1, 1, 0, 0, 0, {}},
        {1, 1, 1, 0, 0, {}},
        {1, 1, 2, 50000, 0, {}},
        {10, 1, 0, 950000, 0, {{2, "10"}, {33, "95"}, {34, "*"}}},
        {10, 1, 1, 5000000, 700000, {{2, "10"}, {34, "*"}, {35, "70"}, {30, "70"}}},
        {10, 6, 1, 5000000, 700000, {{2, "10"}, {4, "定額法"}}},
        {10, 5, 0, 950000, 0, {{2, "10"}, {4, "定率法"}, {46, "*"}}},
        {1, 7, 1, 5000000, 0, {{4, "少額資産"}, {68, ""}}},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.lTypeCode = c.lTypeCode;
        a.master.sMethodKind = c.sMethod;
        a.master.bLimitKind = c.bLimitKind;
        a.master.cyLimit = Cy(c.llLimit);
        a.master.cyResidual = Cy(c.llResidual);
        a.master.lAcqDate = 20070331; // keeps the old kinds from the entered mark
        conv.Write(a);
        Fields f = With(OrdinaryFields(NumberedCode(nCode)), {{2, c.lTypeCode == 1 ? "01" : "10"},
                                                              {4, "旧定率法"},
                                                              {12, "20070331"},
                                                              {92, "申告なし"}});
        if (c.sMethod == 6 || c.sMethod == 5) // new kinds before 20070401: entered
            f = With(f, {{65, "*"}, {66, "0"}});
        expected.push_back(Line(With(f, c.changes)));
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), "");
}

// A whole part of a limit rate beyond 32 bits is reported, not wrapped into the column.
TEST(AssetRowLimit, RateBeyondTheIntegerFieldIsReported) {
    ClConversion conv;
    StASSET a = Ordinary("000001");
    a.master.cyLimit = Units(3000000000);
    conv.Write(a);
    EXPECT_EQ(conv.Rows(), std::vector<std::string>{Line(OrdinaryFields("000001"))});
    EXPECT_EQ(conv.Log(),
              LogLine("\n＜ERROR＞\n金額｢3000000000｣は、連携可能最大桁数をオーバーしています。"));
}

TEST(AssetRowMonths, MonthsAreTwelveOverTheDenominatorTimesTheNumerator) {
    struct {
        BYTE bEntered;
        std::int16_t sNum, sDen;
        Fields changes;
    } const aCases[] = {
        {1, 5, 12, {{38, "*"}, {39, "5"}}},
        {1, 5, 5, {{38, "*"}, {39, "10"}}},
        {1, 3, -1, {{38, "*"}, {39, "-36"}}},
        {1, 5, 0, {{38, "*"}}},    // no division by zero: the months stay empty
        {1, 3000, 1, {{38, "*"}}}, // 36000 does not fit the 16-bit field
        {1, 2730, 1, {{38, "*"}, {39, "32760"}}},
        {0, 5, 12, {}},
        {2, 5, 12, {}},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.bMonthsEntered = c.bEntered;
        a.master.sPeriodNum = c.sNum;
        a.master.sPeriodDen = c.sDen;
        conv.Write(a);
        expected.push_back(Line(With(OrdinaryFields(NumberedCode(nCode)), c.changes)));
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), "");
}

TEST(AssetRowDisposal, SaleAndRetirementWithAndWithoutSmallAmountMethod) {
    struct {
        std::int16_t sDisposal, sMethod;
        Fields changes;
    } const aCases[] = {
        {4,
         1,
         {{71, "20240930"}, {72, "除却日まで償却"}, {73, "売却"}, {74, "500"}, {115, "売却"}}},
        {4, 7, {{71, "20240930"}, {115, "売却"}, {68, ""}}},
        {5, 1, {{71, "20240930"}, {72, "除却日まで償却"}, {73, "除却"}}},
        {5, 7, {{71, "20240930"}, {68, ""}}},
        {3, 1, {}},
        {0, 1, {}},
    };
    const char* const aszMethod[] = {"", "旧定率法", "", "", "", "", "", "少額資産"};
    ClConversion conv;
    std::vector<std::string> expected;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.sDisposalKind = c.sDisposal;
        a.master.sMethodKind = c.sMethod;
        a.master.lDisposalDate = 20240930;
        a.master.cyDisposalPrice = Units(500);
        a.master.lAcqDate = 20070331;
        conv.Write(a);
        const Fields base = With(OrdinaryFields(NumberedCode(nCode)),
                                 {{4, aszMethod[c.sMethod]}, {12, "20070331"}});
        expected.push_back(Line(With(base, c.changes)));
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), "");
}

TEST(AssetRowRatios, AllocationNumeratorsFromTheMaster) {
    struct {
        std::int16_t sBusiness, sSga;
        Fields changes;
    } const aCases[] = {
        {0, 0, {}},
        {10000, 60, {{69, "100.00"}, {83, "60.00"}, {86, "40.00"}}},
        {8050, 100, {{69, "80.50"}, {83, "100.00"}, {86, "0.00"}}},
        {-32768, 150, {{69, "-327.68"}, {83, "150.00"}, {86, "-50.00"}}},
        {1, -20, {{69, "0.01"}, {83, "-20.00"}, {86, "120.00"}}},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.sBusinessRatio = c.sBusiness;
        a.master.sSgaPercent = c.sSga;
        conv.Write(a);
        expected.push_back(Line(With(OrdinaryFields(NumberedCode(nCode)), c.changes)));
    }
    EXPECT_EQ(conv.Rows(), expected);
}

TEST(AssetRowAmounts, DigitLimitsAndTheAsterisks) {
    constexpr long long I64_MIN = std::numeric_limits<long long>::min();
    struct {
        long long llRaw;
        const char* szColumn;
        const char* szLogged; // null: no message
    } const aCases[] = {
        {12345670000, "1234567", nullptr},
        {999999999990000, "99999999999", nullptr},
        {999999999990001, "************", "99999999999"},
        {1000000000000000, "************", "100000000000"},
        {-99999999990000, "-9999999999", nullptr},
        {-99999999990001, "************", "-9999999999"},
        {-100000000000000, "************", "-10000000000"},
        {5000, "0", nullptr},
        {-5000, "0", nullptr},
        {0, "", nullptr},
        {I64_MIN, "************", "-922337203685477"},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.cyAcqCost = Cy(c.llRaw);
        conv.Write(a);
        expected.push_back(Line(With(OrdinaryFields(NumberedCode(nCode)), {{22, c.szColumn}})));
        if (c.szLogged)
            strLog += LogLine(std::string("\n＜ERROR＞\n金額｢") + c.szLogged +
                              "｣は、連携可能最大桁数をオーバーしています。");
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

// Every amount column runs its own check, in column order.
TEST(AssetRowAmounts, EachOverflowingColumnIsReportedInColumnOrder) {
    const tagCY cyBig = Units(200000000000);
    StASSET a = Ordinary("000001");
    StKOTEISHISANINFO& m = a.master;
    m.sMethodKind = 5;
    m.lAcqDate = 20000101; // entered
    m.sDisposalKind = 4;
    m.lTypeCode = 10;
    // The fields are packed: set one by one, never through pointers or references.
    m.cyAcqCost = cyBig;
    m.cyCompression = cyBig;
    m.cyOpeningBook = cyBig;
    m.cyRevisedCost = cyBig;
    m.cyDeprBase = cyBig;
    m.cyDisposalPrice = cyBig;
    m.cyClosingBook = cyBig;
    m.cyAccumDepr = cyBig;
    m.cySga = cyBig;
    m.cyMfgCost = cyBig;
    m.cyResidual = cyBig;
    ClConversion conv;
    conv.Write(a);
    const std::string A = "************";
    Fields f = With(OrdinaryFields("000001"), {{2, "10"},
                                               {4, "定率法"},
                                               {12, "20000101"},
                                               {22, A},
                                               {24, A},
                                               {41, A},
                                               {46, "*"},
                                               {47, A},
                                               {50, A},
                                               {65, "*"},
                                               {66, "0"},
                                               {71, "0"},
                                               {72, "除却日まで償却"},
                                               {73, "売却"},
                                               {74, A},
                                               {80, A},
                                               {82, A},
                                               {85, A},
                                               {88, A},
                                               {92, "申告なし"},
                                               {115, "売却"}});
    EXPECT_EQ(conv.Rows(), std::vector<std::string>{Line(f)});
    std::string strLog;
    for (int i = 0; i < 10; ++i) // 22 24 41 47 50 74 80 82 85 88; 30 and 35 stay empty
        strLog +=
            LogLine("\n＜ERROR＞\n金額｢200000000000｣は、連携可能最大桁数をオーバーしています。");
    EXPECT_EQ(conv.Log(), strLog);
}

// Column 66 keeps eleven characters: longer sums, and sums beyond the fixed-point range,
// are reported with their integer part and shown as eleven asterisks.
TEST(AssetRowAmounts, PeriodDepreciationSumAndItsLimits) {
    constexpr long long I64_MAX = std::numeric_limits<long long>::max();
    const std::string A12 = "************";
    const std::string A11 = "***********";
    const Fields SPECIAL = {{57, "特別"}, {61, "*"}, {63, "償却"}};
    struct {
        long long llCalc, llSpecial, llIncreased;
        Fields changes;
        std::vector<const char*> logged;
    } const aCases[] = {
        {12345678, 5000, 0, With(SPECIAL, {{51, "*"}, {52, "1234"}, {62, "0"}, {66, "1235"}}), {}},
        {0, 0, 0, {{66, "0"}}, {}},
        {-12345678, 0, 0, {{51, "*"}, {52, "-1234"}, {66, "-1234"}}, {}},
        {999999999990000,
         9999,
         0,
         With(SPECIAL, {{51, "*"}, {52, "99999999999"}, {62, "0"}, {66, "99999999999"}}),
         {}},
        {999999999990000,
         10000,
         0,
         With(SPECIAL, {{51, "*"}, {52, "99999999999"}, {62, "1"}, {66, A11}}),
         {"100000000000"}},
        {-99999999990000,
         -9999,
         0,
         With(SPECIAL, {{51, "*"}, {52, "-9999999999"}, {62, "0"}, {66, "-9999999999"}}),
         {}},
        {-99999999990000,
         -10000,
         0,
         With(SPECIAL, {{51, "*"}, {52, "-9999999999"}, {62, "-1"}, {66, A11}}),
         {"-10000000000"}},
        {I64_MAX,
         I64_MAX,
         1,
         With(SPECIAL, {{51, "*"}, {52, A12}, {55, "*"}, {56, "0"}, {62, A12}, {66, A11}}),
         {"922337203685477", "922337203685477", "1844674407370955"}},
    };
    ClConversion conv;
    std::vector<std::string> expected;
    std::string strLog;
    int nCode = 0;
    for (const auto& c : aCases) {
        StASSET a = Ordinary(std::to_string(++nCode));
        a.master.sMethodKind = 1;
        a.master.lAcqDate = 20070401; // entered
        a.year.cyCalcDepr = Cy(c.llCalc);
        a.year.cySpecialDepr = Cy(c.llSpecial);
        a.year.cyIncreasedDepr = Cy(c.llIncreased);
        conv.Write(a);
        const Fields base = {{4, "旧定率法"}, {12, "20070401"}, {65, "*"}};
        expected.push_back(Line(With(OrdinaryFields(NumberedCode(nCode)), With(base, c.changes))));
        for (const char* sz : c.logged)
            strLog += LogLine(std::string("\n＜ERROR＞\n金額｢") + sz +
                              "｣は、連携可能最大桁数をオーバーしています。");
    }
    EXPECT_EQ(conv.Rows(), expected);
    EXPECT_EQ(conv.Log(), strLog);
}

} // namespace
