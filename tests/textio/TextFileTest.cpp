// The text file: its open modes on existing and missing files, its error records, and
// accessors writing to and reading from it.
#include "textio/TextFile.h"
#include "services/MsgMgr.h"
#include "tests/textio/TextTestDrive.h"
#include "textio/textaccessor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace gk_textio_test;

namespace {

using TA = ClTextAccessor;
using TF = ClTextFile;

void ExpectRecord(long lCode, const char* pszSource, long lLine) {
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorCode(), lCode);
    if (pszSource) {
        EXPECT_STREQ(ClMsgMgr::Inst()->GetLastErrorSource(), pszSource);
    } else {
        EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorSource(), nullptr);
    }
    EXPECT_EQ(ClMsgMgr::Inst()->GetLastErrorLine(), lLine);
}

// One text column, comma mode: the accessor the tests write and read lines with.
struct StLine {
    char szText[64];
};
const StTAFORMAT G_LINE[] = {Col("text", 63, 0, 64, TA::ITEM_TEXT)};

class LineAccessor : public TA {
public:
    LineAccessor() : TA("LINE", G_LINE, 1, &m_row) { SetMode(DELIM_COMMA, QUOTE_NONE); }
    long Put(const char* psz) {
        std::strcpy(m_row.szText, psz);
        return Write();
    }
    StLine m_row{};
};

TEST(TextFile, OpenModesOnExistingAndMissingFiles) {
    const TF::TFOpenMode R = TF::TF_READ, W = TF::TF_WRITE, A = TF::TF_APPEND, T = TF::TF_TRUNCATE;
    const struct {
        TF::TFOpenMode eMode;
        bool bExists;
        long lResult;
        const char* pszAfter; // null: the file does not exist afterwards
    } aCase[] = {
        {R, true, 0, "old\r\n"},
        {R, false, -1000, nullptr},
        {W, true, -1000, "old\r\n"},
        {W, false, 0, "new\r\n"},
        {W | A, true, 0, "old\r\nnew\r\n"},
        {W | A, false, 0, "new\r\n"},
        {W | T, true, 0, "new\r\n"},
        {W | T, false, 0, "new\r\n"},
        {W | A | T, true, 0, "new\r\n"},
        {W | A | T, false, 0, "new\r\n"},
        {R | W, true, -1000, "old\r\n"},
        {R | W | T, true, 0, "new\r\n"},
        {R | T, true, 0, "old\r\n"},
        {R | A, false, -1000, nullptr},
        {A | T, false, -1000, nullptr},
        {static_cast<TF::TFOpenMode>(0), true, -1000, "old\r\n"},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(testing::Message() << "mode " << c.eMode << " exists " << c.bExists);
        const std::string strPath = FreshFile("mode.txt");
        if (c.bExists) {
            WriteBytes("mode.txt", "old\r\n");
        }
        ClMsgMgr::Inst()->SetLastError(5, "x", 5);
        {
            TF file;
            ASSERT_EQ(file.Open(strPath.c_str(), c.eMode), c.lResult);
            ExpectRecord(c.lResult, c.lResult ? "TextFile" : nullptr, c.lResult ? 88 : 0);
            LineAccessor acc;
            file.Attach(&acc);
            acc.Put("new");
            EXPECT_EQ(file.Close(), 0);
        }
        EXPECT_EQ(Exists("mode.txt"), c.pszAfter != nullptr);
        if (c.pszAfter) {
            EXPECT_EQ(ReadBytes("mode.txt"), c.pszAfter);
        }
    }
}

TEST(TextFile, UnmappedOrUnconvertiblePathDoesNotOpen) {
    TF file;
    EXPECT_EQ(file.Open("Q:\\nowhere.txt", TF::TF_WRITE | TF::TF_TRUNCATE), -1000);
    EXPECT_EQ(file.Open(nullptr, TF::TF_WRITE | TF::TF_TRUNCATE), -1000);
    EXPECT_EQ(file.Open("T:\\", TF::TF_READ), -1000); // a folder
}

TEST(TextFile, CloseWhenNotOpenSucceeds) {
    TF file;
    ClMsgMgr::Inst()->SetLastError(-1000, "TextFile", 88);
    EXPECT_EQ(file.Close(), 0);
    ExpectRecord(0, nullptr, 0);
    ASSERT_EQ(file.Open(FreshFile("close.txt").c_str(), TF::TF_WRITE), 0);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(file.Close(), 0);
    ExpectRecord(0, nullptr, 0);
}

// A second Open fails without disturbing the file that is open.
TEST(TextFile, OpenOnAnOpenFileKeepsIt) {
    TF file;
    LineAccessor acc;
    ASSERT_EQ(file.Open(FreshFile("twice.txt").c_str(), TF::TF_WRITE), 0);
    file.Attach(&acc);
    EXPECT_EQ(file.Open(FreshFile("other.txt").c_str(), TF::TF_WRITE), -1000);
    EXPECT_EQ(acc.Put("still"), 0);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes("twice.txt"), "still\r\n");
    EXPECT_FALSE(Exists("other.txt"));
}

TEST(TextFile, AttachRefusesANullAccessorAndKeepsTheEarlierOne) {
    TF first;
    TF second;
    LineAccessor acc;
    ASSERT_EQ(first.Open(FreshFile("attach.txt").c_str(), TF::TF_WRITE), 0);
    EXPECT_EQ(first.Attach(&acc), 0);
    ExpectRecord(0, nullptr, 0);
    EXPECT_EQ(second.Attach(nullptr), -1003);
    ExpectRecord(-1003, "TextFile", 129);
    acc.Put("one");
    EXPECT_EQ(first.Close(), 0);
    EXPECT_EQ(ReadBytes("attach.txt"), "one\r\n");
}

TEST(TextFile, TwoAccessorsWriteOneFileInTurn) {
    struct StNumber {
        LONG lValue;
    } number{};
    const StTAFORMAT aNumber[] = {Col("n", 4, 0, 4, TA::ITEM_SIGNED), Col("m", 4, 0, 4, 7)};
    TA numbers("NUM", aNumber, 2, &number);
    numbers.SetMode(TA::DELIM_TAB, TA::QUOTE_NONE);
    LineAccessor texts;
    TF file;
    ASSERT_EQ(file.Open(FreshFile("turns.txt").c_str(), TF::TF_WRITE | TF::TF_TRUNCATE), 0);
    file.Attach(&texts);
    file.Attach(&numbers);
    texts.Put("a");
    number.lValue = -3;
    numbers.Write();
    texts.CommentWrite("# note");
    numbers.ItemNameWrite();
    texts.Put("b");
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes("turns.txt"), "a\r\n-3\t\r\n# note\r\nn\tm\r\nb\r\n");
}

// The writer's CR LF come back as LF in text mode; a lone CR stays part of the line.
TEST(TextFile, WrittenLinesReadBackWithoutCr) {
    {
        TF file;
        LineAccessor acc;
        ASSERT_EQ(file.Open(FreshFile("back.txt").c_str(), TF::TF_WRITE), 0);
        file.Attach(&acc);
        acc.Put("first");
        acc.Put("cr\rinside");
        acc.Put("");
        acc.Put("last");
    } // the destructor closes the file
    EXPECT_EQ(ReadBytes("back.txt"), "first\r\ncr\rinside\r\n\r\nlast\r\n");
    TF file;
    LineAccessor acc;
    ASSERT_EQ(file.Open("T:\\back.txt", TF::TF_READ), 0);
    file.Attach(&acc);
    for (const char* pszLine : {"first", "cr\rinside", "", "last"}) {
        ASSERT_EQ(acc.Read(), 0);
        EXPECT_STREQ(acc.m_row.szText, pszLine);
        char szLine[TA::LINE_SIZE];
        acc.GetReadLine(szLine);
        EXPECT_STREQ(szLine, pszLine);
    }
    EXPECT_EQ(acc.Read(), 1);
    EXPECT_EQ(acc.GetPhysicalLineNo(), 4);
    EXPECT_EQ(file.Close(), 0); // reaching the end is no failure
}

// D:\full is the host's /dev/full: every write fails. The failure shows at the latest at
// Close, so that a caller never takes an unwritten file for a written one.
TEST(TextFile, WriteFailureIsReportedAtTheLatestByClose) {
    TF file;
    LineAccessor acc;
    ASSERT_EQ(file.Open("D:\\full", TF::TF_WRITE | TF::TF_TRUNCATE), 0);
    file.Attach(&acc);
    EXPECT_EQ(acc.Put("buffered"), 0);
    EXPECT_EQ(file.Close(), -1000);
    ExpectRecord(-1000, "TextFile", 112);

    ASSERT_EQ(file.Open("D:\\full", TF::TF_WRITE | TF::TF_TRUNCATE), 0);
    long lResult = 0;
    for (int i = 0; i < 200 && lResult == 0; ++i) {
        lResult = acc.Put("0123456789012345678901234567890123456789012345678901234567890");
    }
    EXPECT_EQ(lResult, -1);
    EXPECT_EQ(file.Close(), -1000);
    // A fresh open starts clean.
    ASSERT_EQ(file.Open(FreshFile("after.txt").c_str(), TF::TF_WRITE), 0);
    EXPECT_EQ(acc.Put("ok"), 0);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadBytes("after.txt"), "ok\r\n");
}

TEST(TextFile, ReadingAWriteOnlyFileDeliversNothing) {
    TF file;
    LineAccessor acc;
    ASSERT_EQ(file.Open(FreshFile("wo.txt").c_str(), TF::TF_WRITE), 0);
    file.Attach(&acc);
    EXPECT_EQ(acc.Read(), 1);
    EXPECT_EQ(file.Close(), 0);
}

} // namespace
