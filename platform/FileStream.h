// A bidirectional file stream with the classic iostream open modes, on Windows paths.
#pragma once

#include <bitset>
#include <cstddef>
#include <istream>
#include <streambuf>

// The file buffer: text mode (the default) turns CR LF into LF on reading and LF into
// CR LF on writing, as the Windows runtime does; binary mode passes bytes unchanged.
class ClFileBuf : public std::streambuf {
public:
    ClFileBuf();
    ~ClFileBuf() override;
    ClFileBuf(const ClFileBuf&) = delete;
    ClFileBuf& operator=(const ClFileBuf&) = delete;

    // nMode: ClFileStream::_OpenMode bits. Null when the file does not open.
    ClFileBuf* Open(const char* szWinPath, int nMode);
    ClFileBuf* Close(); // null when not open or when flushing or closing failed
    bool IsOpen() const { return m_iFd >= 0; }
    // Pending output goes out in the old mode first.
    void SetBinary(bool bBinary);

protected:
    int_type overflow(int_type c) override;
    int_type underflow() override; // a read error throws, which the stream turns into badbit
    int sync() override;

private:
    static constexpr int BUF_SIZE = 4096;

    bool _FlushOut();
    bool _WriteAll(const char* p, std::size_t n);
    bool _DropInput();
    std::size_t _Fill(char* p, std::size_t nRoom);
    void _Reset();

    int m_iFd = -1;
    int m_nMode = 0;
    bool m_bBinary = false;
    bool m_bWriteError = false; // sticks until the file is closed
    bool m_bPendingCR = false;  // a CR ended the last read; the next byte decides
    char m_acIn[BUF_SIZE];
    char m_acOut[BUF_SIZE];
    std::bitset<BUF_SIZE> m_bsCrLf; // input positions whose LF stood for CR LF
};

class ClFileStream : public std::iostream {
public:
    enum _OpenMode {
        OM_IN = 0x01,
        OM_OUT = 0x02,
        OM_APP = 0x04,
        OM_TRUNC = 0x08,
        OM_NOCREATE = 0x20,  // fail when the file is missing
        OM_NOREPLACE = 0x40, // fail when the file exists
        OM_BINARY = 0x80,
    };

    ClFileStream();
    // Sets failbit when the file does not open.
    void Open(const char* szWinPath, int nMode);
    // Clears the state when the file closed cleanly; sets failbit when it was not open or
    // when a write, the flush or the close failed.
    void Close();
    bool IsOpen() const { return m_buf.IsOpen(); }
    ClFileBuf* rdbuf() { return &m_buf; }

private:
    ClFileBuf m_buf;
};
