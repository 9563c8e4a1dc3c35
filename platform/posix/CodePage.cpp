#include "platform/CodePage.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion descriptor per direction, opened on first use and kept: opening one
// per call would dominate the cost of converting many short texts.
class ClConverter {
public:
    ClConverter(const char* szTo, const char* szFrom) : m_cd(iconv_open(szTo, szFrom)) {}
    ~ClConverter() {
        if (m_cd != _Invalid())
            iconv_close(m_cd);
    }
    ClConverter(const ClConverter&) = delete;
    ClConverter& operator=(const ClConverter&) = delete;

    BOOL Convert(std::string_view in, std::string& out) {
        out.clear();
        if (m_cd == _Invalid())
            return FALSE;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string strOut(in.size() * 2 + 8, '\0');
        char* pIn = const_cast<char*>(in.data());
        std::size_t cbIn = in.size();
        std::size_t cbDone = 0;
        while (cbIn > 0) {
            char* pOut = strOut.data() + cbDone;
            std::size_t cbOut = strOut.size() - cbDone;
            const std::size_t r = iconv(m_cd, &pIn, &cbIn, &pOut, &cbOut);
            cbDone = strOut.size() - cbOut;
            if (r != static_cast<std::size_t>(-1))
                continue;
            if (errno != E2BIG)
                return FALSE; // EILSEQ or a cut character (EINVAL): never guessed
            strOut.resize(strOut.size() * 2);
        }
        // A stateful encoding could still owe a shift sequence; neither side has one,
        // but flushing keeps the descriptor clean for the next text.
        char* pOut = strOut.data() + cbDone;
        std::size_t cbOut = strOut.size() - cbDone;
        if (iconv(m_cd, nullptr, nullptr, &pOut, &cbOut) == static_cast<std::size_t>(-1))
            return FALSE;
        strOut.resize(strOut.size() - cbOut);
        out = std::move(strOut);
        return TRUE;
    }

private:
    static iconv_t _Invalid() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t m_cd;
};

} // namespace

BOOL _ismbblead(unsigned int c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

BOOL _ismbbtrail(unsigned int c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

std::size_t Cp932CharLen(std::string_view s, std::size_t i) {
    return (i + 1 < s.size() && _ismbblead(static_cast<unsigned char>(s[i]))) ? 2 : 1;
}

std::size_t Cp932PairLen(std::string_view s, std::size_t i) {
    return (Cp932CharLen(s, i) == 2 && _ismbbtrail(static_cast<unsigned char>(s[i + 1]))) ? 2 : 1;
}

BOOL Cp932ToUtf8(std::string_view cp932, std::string& utf8) {
    static ClConverter s_conv("UTF-8", "CP932");
    return s_conv.Convert(cp932, utf8);
}

BOOL Utf8ToCp932(std::string_view utf8, std::string& cp932) {
    static ClConverter s_conv("CP932", "UTF-8");
    return s_conv.Convert(utf8, cp932);
}
