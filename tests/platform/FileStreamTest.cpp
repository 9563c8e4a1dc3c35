// The file stream: open modes on Windows paths, text-mode line ends, and failures that
// callers must be able to see.
#include "platform/FileStream.h"
#include "tests/platform/PlatformTestDrive.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;
using namespace gk_platform_test;

namespace {

using FS = ClFileStream;

class FileStream : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = FreshDir("fs");
        UseMap("[drives]\nT = fixed " + m_dir.string() + "\nD = fixed /dev\n");
    }
    void Put(const char* szName, const std::string& strBytes) {
        std::ofstream(m_dir / szName, std::ios::binary) << strBytes;
    }
    std::string Get(const char* szName) {
        std::ifstream in(m_dir / szName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string ReadAll(FS& s) {
        return std::string(std::istreambuf_iterator<char>(s), std::istreambuf_iterator<char>());
    }

    fs::path m_dir;
};

TEST_F(FileStream, TextModeReadingTurnsCrLfIntoLf) {
    const struct {
        std::string strFile;
        std::string strRead;
    } aCase[] = {
        {"a\r\nb\rc\r\n\r\r\nend\r", "a\nb\rc\n\r\nend\r"},
        {"\r\n\r\n", "\n\n"},
        {"\r", "\r"},
        {"", ""},
        // a CR LF split by the buffer's end, and a lone CR there
        {std::string(4095, 'x') + "\r\ny", std::string(4095, 'x') + "\ny"},
        {std::string(4095, 'x') + "\rz", std::string(4095, 'x') + "\rz"},
        {std::string(4095, 'x') + "\r", std::string(4095, 'x') + "\r"},
        {std::string(4094, 'x') + "\r\r\n", std::string(4094, 'x') + "\r\n"},
    };
    for (const auto& c : aCase) {
        Put("text.txt", c.strFile);
        FS s;
        s.Open("T:\\text.txt", FS::OM_IN);
        ASSERT_FALSE(s.fail());
        EXPECT_EQ(ReadAll(s), c.strRead) << c.strFile.size();
        FS b;
        b.Open("T:\\text.txt", FS::OM_IN | FS::OM_BINARY);
        EXPECT_EQ(ReadAll(b), c.strFile);
    }
}

TEST_F(FileStream, TextModeWritingSendsLfAsCrLfAndBinaryPassesBytes) {
    FS s;
    s.Open("T:\\out.txt", FS::OM_OUT);
    s << "a\nb\r\n";
    s.rdbuf()->SetBinary(true); // pending text goes out in text mode first
    s << "c\n";
    s.rdbuf()->SetBinary(false);
    s << "d\n";
    s.Close();
    EXPECT_FALSE(s.fail());
    EXPECT_EQ(Get("out.txt"), "a\r\nb\r\r\nc\nd\r\n");
}

TEST_F(FileStream, OpenModes) {
    const int IN = FS::OM_IN, OUT = FS::OM_OUT, APP = FS::OM_APP, TRUNC = FS::OM_TRUNC,
              NOCREATE = FS::OM_NOCREATE, NOREPLACE = FS::OM_NOREPLACE, BIN = FS::OM_BINARY;
    const struct {
        int nMode;
        bool bExists;
        bool bOpens;
        const char* pszAfter; // after writing "new", binary; null: no file
    } aCase[] = {
        {IN, true, true, "old"},
        {IN, false, false, nullptr},
        {IN | NOCREATE, false, false, nullptr},
        {IN | NOREPLACE, true, false, "old"},
        {OUT | BIN, true, true, "new"},
        {OUT | BIN, false, true, "new"},
        {OUT | APP | BIN, true, true, "oldnew"},
        {OUT | APP | BIN, false, true, "new"},
        {OUT | APP | TRUNC | BIN, true, true, "new"},
        {OUT | NOREPLACE | BIN, true, false, "old"},
        {OUT | NOREPLACE | BIN, false, true, "new"},
        {OUT | NOCREATE | BIN, false, false, nullptr},
        {OUT | NOCREATE | BIN, true, true, "new"},
        {IN | OUT | BIN, true, true, "new"},
        {IN | OUT | BIN, false, false, nullptr},
        {IN | OUT | TRUNC | BIN, false, true, "new"},
        {IN | TRUNC, true, false, "old"},
        {NOCREATE | NOREPLACE | OUT, true, false, "old"},
        {0, true, false, "old"},
    };
    for (const auto& c : aCase) {
        SCOPED_TRACE(testing::Message()
                     << "mode 0x" << std::hex << c.nMode << " exists " << c.bExists);
        fs::remove(m_dir / "m.txt");
        if (c.bExists) {
            Put("m.txt", "old");
        }
        FS s;
        s.Open("T:\\m.txt", c.nMode);
        EXPECT_EQ(!s.fail(), c.bOpens);
        EXPECT_EQ(s.IsOpen(), c.bOpens);
        if (c.bOpens && (c.nMode & OUT)) {
            s << "new";
            s.Close();
            EXPECT_FALSE(s.fail());
        }
        EXPECT_EQ(fs::exists(m_dir / "m.txt"), c.pszAfter != nullptr);
        if (c.pszAfter) {
            EXPECT_EQ(Get("m.txt"), c.pszAfter);
        }
    }
}

TEST_F(FileStream, PathsThatDoNotOpen) {
    for (const char* szPath : {"Q:\\x.txt", "T:\\", "T:\\missing\\x.txt", ""}) {
        FS s;
        s.Open(szPath, FS::OM_OUT);
        EXPECT_TRUE(s.fail()) << szPath;
        EXPECT_FALSE(s.IsOpen());
    }
    FS s;
    s.Open(nullptr, FS::OM_OUT);
    EXPECT_TRUE(s.fail());
    s.Close(); // not open
    EXPECT_TRUE(s.fail());
}

TEST_F(FileStream, SecondOpenFailsAndKeepsTheFirstFile) {
    FS s;
    s.Open("T:\\first.txt", FS::OM_OUT | FS::OM_BINARY);
    EXPECT_EQ(s.rdbuf()->Open("T:\\second.txt", FS::OM_OUT), nullptr);
    s << "1";
    s.Close();
    EXPECT_FALSE(s.fail());
    EXPECT_EQ(Get("first.txt"), "1");
    EXPECT_FALSE(fs::exists(m_dir / "second.txt"));
}

// D:\full is /dev/full: every write fails with "no space".
TEST_F(FileStream, WriteFailureSetsBadbitAndFailsTheClose) {
    FS s;
    s.Open("D:\\full", FS::OM_OUT);
    ASSERT_FALSE(s.fail());
    s << "buffered";
    EXPECT_FALSE(s.fail());
    s.flush();
    EXPECT_TRUE(s.bad());
    s.Close();
    EXPECT_TRUE(s.fail());

    // Without an explicit flush: a full buffer fails the write, the close fails too.
    s.Open("D:\\full", FS::OM_OUT | FS::OM_BINARY);
    ASSERT_TRUE(s.good());
    s << std::string(10000, 'x');
    EXPECT_TRUE(s.bad());
    s.clear();
    s << "more";
    s.Close();
    EXPECT_TRUE(s.fail());

    // The close alone reports the lost bytes.
    s.Open("D:\\full", FS::OM_OUT);
    s << "x";
    s.Close();
    EXPECT_TRUE(s.fail());

    s.Open("T:\\fine.txt", FS::OM_OUT);
    EXPECT_TRUE(s.good());
    s << "ok\n";
    s.Close();
    EXPECT_TRUE(s.good());
    EXPECT_EQ(Get("fine.txt"), "ok\r\n");
}

TEST_F(FileStream, WrongDirectionFails) {
    Put("r.txt", "abc");
    FS in;
    in.Open("T:\\r.txt", FS::OM_IN);
    in << "x";
    EXPECT_TRUE(in.bad());
    in.Close();
    EXPECT_EQ(Get("r.txt"), "abc");

    FS out;
    out.Open("T:\\w.txt", FS::OM_OUT);
    EXPECT_EQ(out.get(), std::char_traits<char>::eof());
    EXPECT_TRUE(out.fail());
}

// Writing after reading goes on at the first byte not yet read, CR LF counted as two.
TEST_F(FileStream, WritingAfterReadingContinuesAtTheReadPosition) {
    Put("rw.txt", "ab\r\ncd\r\nef\r\n");
    FS s;
    s.Open("T:\\rw.txt", FS::OM_IN | FS::OM_OUT);
    std::string strLine;
    std::getline(s, strLine);
    EXPECT_EQ(strLine, "ab");
    s << "X";
    std::getline(s, strLine);
    EXPECT_EQ(strLine, "d");
    s.Close();
    EXPECT_FALSE(s.fail());
    EXPECT_EQ(Get("rw.txt"), "ab\r\nXd\r\nef\r\n");
}

} // namespace
