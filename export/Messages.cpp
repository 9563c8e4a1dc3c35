#include "export/Messages.h"

#include <cstdio>

namespace {

// Output cut at a byte limit, always NUL-terminated.
class ClMessageText {
public:
    ClMessageText(char* pszOut, std::size_t cbOut) : m_psz(pszOut), m_cbRoom(cbOut - 1) {
        m_psz[0] = '\0';
    }
    void Put(std::string_view sv) {
        for (char c : sv)
            Put(c);
    }
    void Put(char c) {
        if (m_lLen < m_cbRoom) {
            m_psz[m_lLen++] = c;
            m_psz[m_lLen] = '\0';
        }
    }
    std::size_t Length() const { return m_lLen; }

private:
    char* m_psz;
    std::size_t m_cbRoom;
    std::size_t m_lLen = 0;
};

struct StSPEC {
    bool bZero = false;
    int nWidth = 0;
    int nPrecision = -1;
    char cConv = 0;
};

// Parses the conversion after '%'; returns the position after it.
const char* ParseSpec(const char* p, StSPEC& spec) {
    if (*p == '0') {
        spec.bZero = true;
        ++p;
    }
    for (; *p >= '0' && *p <= '9'; ++p)
        spec.nWidth = spec.nWidth * 10 + (*p - '0');
    if (*p == '.') {
        spec.nPrecision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p)
            spec.nPrecision = spec.nPrecision * 10 + (*p - '0');
    }
    spec.cConv = *p;
    return *p ? p + 1 : p;
}

void PutArg(ClMessageText& out, const StSPEC& spec, const StMSGARG& arg) {
    char szNum[320]; // room for any double in "%.2f"
    std::string_view sv;
    if (spec.cConv == 's' && arg.eKind == StMSGARG::ARG_TEXT) {
        sv = arg.svText;
    } else if (spec.cConv == 'd' && arg.eKind == StMSGARG::ARG_LONG) {
        std::snprintf(szNum, sizeof szNum, "%ld", arg.lValue);
        sv = szNum;
    } else if (spec.cConv == 'f' && arg.eKind == StMSGARG::ARG_REAL) {
        std::snprintf(szNum, sizeof szNum, "%.*f", spec.nPrecision < 0 ? 6 : spec.nPrecision,
                      arg.dValue);
        sv = szNum;
    }
    for (std::size_t n = sv.size(); n < static_cast<std::size_t>(spec.nWidth); ++n)
        out.Put(spec.bZero ? '0' : ' ');
    out.Put(sv);
}

} // namespace

std::size_t ComposeMessage(const char* szFormat, std::initializer_list<StMSGARG> args, char* pszOut,
                           std::size_t cbOut) {
    ClMessageText out(pszOut, cbOut);
    const StMSGARG* pArg = args.begin();
    for (const char* p = szFormat; *p;) {
        if (*p != '%') {
            out.Put(*p++);
            continue;
        }
        StSPEC spec;
        p = ParseSpec(p + 1, spec);
        if (spec.cConv == '%') {
            out.Put('%');
        } else if (pArg != args.end()) {
            PutArg(out, spec, *pArg++);
        }
    }
    return out.Length();
}
