#include "platform/FileStream.h"

#include "platform/DriveMap.h"

#include <cerrno>
#include <fcntl.h>
#include <ios>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The open(2) flags of a stream open mode; -1 for a combination the library refuses.
int HostFlags(int nMode) {
    const bool bIn = nMode & ClFileStream::OM_IN;
    const bool bOut = nMode & ClFileStream::OM_OUT;
    const bool bApp = nMode & ClFileStream::OM_APP;
    const bool bTrunc = nMode & ClFileStream::OM_TRUNC;
    if ((!bIn && !bOut) || (bTrunc && !bOut)) {
        return -1;
    }
    int nFlags = O_RDONLY;
    if (bOut) {
        nFlags = bIn ? O_RDWR : O_WRONLY;
        if (bApp) {
            nFlags |= O_APPEND;
        }
        // Output alone empties the file unless it appends; in|out keeps it.
        if (bTrunc || (!bIn && !bApp)) {
            nFlags |= O_TRUNC;
        }
        // in|out alone updates an existing file only.
        if (!bIn || bApp || bTrunc) {
            nFlags |= O_CREAT;
        }
    }
    if (nMode & ClFileStream::OM_NOCREATE) {
        nFlags &= ~O_CREAT;
    }
    if (nMode & ClFileStream::OM_NOREPLACE) {
        if (!(nFlags & O_CREAT)) {
            return -1; // must exist and must not exist
        }
        nFlags |= O_EXCL;
    }
    return nFlags | O_CLOEXEC;
}

} // namespace

ClFileBuf::ClFileBuf() = default;

ClFileBuf::~ClFileBuf() {
    Close();
}

ClFileBuf* ClFileBuf::Open(const char* szWinPath, int nMode) {
    std::string strHost;
    const int nFlags = HostFlags(nMode);
    if (IsOpen() || !szWinPath || nFlags < 0 || !ClDriveMap::Inst().ToHost(szWinPath, strHost)) {
        return nullptr;
    }
    const int iFd = ::open(strHost.c_str(), nFlags, 0666);
    if (iFd < 0) {
        return nullptr;
    }
    struct stat st {};
    if (::fstat(iFd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(iFd);
        return nullptr;
    }
    _Reset();
    m_iFd = iFd;
    m_nMode = nMode;
    m_bBinary = nMode & ClFileStream::OM_BINARY;
    return this;
}

ClFileBuf* ClFileBuf::Close() {
    if (!IsOpen()) {
        return nullptr;
    }
    bool bOk = _FlushOut();
    if (::close(m_iFd) != 0) {
        bOk = false;
    }
    m_iFd = -1;
    _Reset();
    return bOk ? this : nullptr;
}

void ClFileBuf::_Reset() {
    m_nMode = 0;
    m_bBinary = false;
    m_bWriteError = false;
    m_bPendingCR = false;
    setg(nullptr, nullptr, nullptr);
    setp(nullptr, nullptr);
}

void ClFileBuf::SetBinary(bool bBinary) {
    if (bBinary != m_bBinary) {
        _FlushOut();
        m_bBinary = bBinary;
    }
}

bool ClFileBuf::_WriteAll(const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t nDone = ::write(m_iFd, p, n);
        if (nDone < 0 && errno == EINTR) {
            continue;
        }
        if (nDone <= 0) {
            return false;
        }
        p += nDone;
        n -= static_cast<std::size_t>(nDone);
    }
    return true;
}

// Writes the put area; text mode sends every LF as CR LF. A failure drops the bytes and
// makes every later write, flush and close fail.
bool ClFileBuf::_FlushOut() {
    const std::size_t n = pbase() ? static_cast<std::size_t>(pptr() - pbase()) : 0;
    if (n == 0 || m_bWriteError) {
        if (pbase()) {
            setp(m_acOut, m_acOut + BUF_SIZE);
        }
        return !m_bWriteError;
    }
    bool bOk = true;
    if (m_bBinary) {
        bOk = _WriteAll(pbase(), n);
    } else {
        char acText[2 * BUF_SIZE];
        std::size_t nText = 0;
        for (const char* p = pbase(); p < pptr(); ++p) {
            if (*p == '\n') {
                acText[nText++] = '\r';
            }
            acText[nText++] = *p;
        }
        bOk = _WriteAll(acText, nText);
    }
    setp(m_acOut, m_acOut + BUF_SIZE);
    m_bWriteError = !bOk;
    return bOk;
}

// Before writing after reading: puts the file position back to the first byte not yet
// delivered, counting the CR of every CR LF that became an LF.
bool ClFileBuf::_DropInput() {
    off_t nRaw = m_bPendingCR ? 1 : 0;
    if (eback()) {
        for (const char* p = gptr(); p < egptr(); ++p) {
            nRaw += m_bsCrLf[static_cast<std::size_t>(p - eback())] ? 2 : 1;
        }
    }
    setg(nullptr, nullptr, nullptr);
    m_bPendingCR = false;
    return nRaw == 0 || ::lseek(m_iFd, -nRaw, SEEK_CUR) >= 0;
}

ClFileBuf::int_type ClFileBuf::overflow(int_type c) {
    if (!IsOpen() || !(m_nMode & ClFileStream::OM_OUT) || m_bWriteError) {
        return traits_type::eof();
    }
    if (!pbase()) {
        if (!_DropInput()) {
            m_bWriteError = true;
            return traits_type::eof();
        }
        setp(m_acOut, m_acOut + BUF_SIZE);
    }
    if (pptr() == epptr() && !_FlushOut()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int ClFileBuf::sync() {
    return _FlushOut() ? 0 : -1;
}

std::size_t ClFileBuf::_Fill(char* p, std::size_t nRoom) {
    for (;;) {
        const ssize_t nRead = ::read(m_iFd, p, nRoom);
        if (nRead >= 0) {
            return static_cast<std::size_t>(nRead);
        }
        if (errno != EINTR) {
            throw std::ios_base::failure("file read error");
        }
    }
}

// Text mode turns CR LF into LF; a CR at the end of a read waits for the next byte.
ClFileBuf::int_type ClFileBuf::underflow() {
    if (!IsOpen() || !(m_nMode & ClFileStream::OM_IN)) {
        return traits_type::eof();
    }
    if (pbase()) {
        if (!_FlushOut()) {
            return traits_type::eof();
        }
        setp(nullptr, nullptr);
    }
    std::size_t nOut = 0;
    while (nOut == 0) {
        const std::size_t nHeld = m_bPendingCR ? 1 : 0;
        if (nHeld) {
            m_acIn[0] = '\r';
        }
        const std::size_t nRead = _Fill(m_acIn + nHeld, BUF_SIZE - nHeld);
        const std::size_t nRaw = nHeld + nRead;
        m_bPendingCR = false;
        m_bsCrLf.reset();
        if (nRead == 0 || m_bBinary) {
            nOut = nRaw;
            if (nRaw == 0) {
                setg(nullptr, nullptr, nullptr);
                return traits_type::eof();
            }
            break;
        }
        for (std::size_t i = 0; i < nRaw; ++i) {
            if (m_acIn[i] == '\r' && i + 1 == nRaw) {
                m_bPendingCR = true;
            } else if (m_acIn[i] == '\r' && m_acIn[i + 1] == '\n') {
                m_bsCrLf.set(nOut);
                m_acIn[nOut++] = '\n';
                ++i;
            } else {
                m_acIn[nOut++] = m_acIn[i];
            }
        }
    }
    setg(m_acIn, m_acIn, m_acIn + nOut);
    return traits_type::to_int_type(m_acIn[0]);
}

ClFileStream::ClFileStream() : std::iostream(nullptr) {
    init(&m_buf);
}

void ClFileStream::Open(const char* szWinPath, int nMode) {
    if (m_buf.Open(szWinPath, nMode)) {
        clear();
    } else {
        setstate(std::ios_base::failbit);
    }
}

// A clean close clears the state, as the classic library did: a file read to its end
// closes without failure. A write that failed earlier fails the close.
void ClFileStream::Close() {
    clear(m_buf.Close() ? std::ios_base::goodbit : std::ios_base::failbit);
}
