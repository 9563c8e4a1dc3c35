// The script backend: the user's input comes from a script file, one line at a time,
// and every visible event goes to a transcript as one JSON object per line. A line that
// is not what the program waits for, or a missing one, ends the process with status 3.
#include "platform/CodePage.h"
#include "platform/ui/UiBackend.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

namespace {

// Named texts of the dialog event: caption, then these controls of a resource.
struct StNAMEDTEXT {
    UINT nTemplate;
    const char* szName;
    int nId;
};
constexpr StNAMEDTEXT G_DIALOG_TEXTS[] = {
    {130, "office", 1002},
    {130, "period", 1003},
    {130, "path", 1007},
};

struct StKEYNAME {
    const char* szName;
    UINT nVirtKey;
};
constexpr StKEYNAME G_KEYS[] = {{"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"Tab", VK_TAB}};
constexpr StKEYNAME G_MODIFIERS[] = {{"Shift", ClDialogWindow::KEY_SHIFT},
                                     {"Ctrl", ClDialogWindow::KEY_CTRL},
                                     {"Alt", ClDialogWindow::KEY_ALT}};

bool _SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// One transcript line; string values are UTF-8.
class ClJsonLine {
public:
    explicit ClJsonLine(const char* szEvent) { Text("event", szEvent); }
    ClJsonLine& Text(const char* szKey, std::string_view utf8) {
        _Key(szKey);
        m_str += '"';
        for (const char c : utf8)
            _Char(c);
        m_str += '"';
        return *this;
    }
    ClJsonLine& Program(const char* szKey, std::string_view cp932) {
        return Text(szKey, Cp932ToUtf8Shown(cp932));
    }
    ClJsonLine& Number(const char* szKey, long lValue) {
        _Key(szKey);
        m_str += std::to_string(lValue);
        return *this;
    }
    ClJsonLine& Literal(const char* szKey, const char* szLiteral) {
        _Key(szKey);
        m_str += szLiteral;
        return *this;
    }
    std::string Done() const { return m_str + "}\n"; }

private:
    void _Key(const char* szKey) {
        m_str += m_str.empty() ? "{\"" : ",\"";
        m_str += szKey;
        m_str += "\":";
    }
    void _Char(char c) {
        switch (c) {
        case '"':
            m_str += "\\\"";
            break;
        case '\\':
            m_str += "\\\\";
            break;
        case '\n':
            m_str += "\\n";
            break;
        case '\r':
            m_str += "\\r";
            break;
        case '\t':
            m_str += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char sz[8];
                std::snprintf(sz, sizeof sz, "\\u%04x", static_cast<unsigned>(c));
                m_str += sz;
            } else {
                m_str += c;
            }
        }
    }

    std::string m_str;
};

struct StLINE {
    int nLine;
    std::string strText; // the whole line
    std::string strVerb;
    std::string strRest; // UTF-8, verbatim after the one blank
};

std::string _StyleText(UINT uType) {
    struct StFLAG {
        UINT uMask, uValue;
        const char* szName;
    };
    static constexpr StFLAG G_FLAGS[] = {
        {0x0F, MB_YESNO, "MB_YESNO"},
        {0xF0, 0x10, "MB_ICONSTOP"},
        {0xF0, MB_ICONQUESTION, "MB_ICONQUESTION"},
        {0xF0, MB_ICONEXCLAMATION, "MB_ICONEXCLAMATION"},
        {0xF0, MB_ICONINFORMATION, "MB_ICONINFORMATION"},
    };
    std::string str;
    for (const StFLAG& rFlag : G_FLAGS)
        if ((uType & rFlag.uMask) == rFlag.uValue)
            str += (str.empty() ? "" : "|") + std::string(rFlag.szName);
    return str.empty() ? "MB_OK" : str;
}

BOOL _ParseId(const std::string& str, int& nId) {
    if (str.empty() || str.size() > 9)
        return FALSE;
    nId = 0;
    for (const char c : str) {
        if (c < '0' || c > '9')
            return FALSE;
        nId = nId * 10 + (c - '0');
    }
    return TRUE;
}

// "[Shift+][Ctrl+][Alt+]KEY" with KEY Enter, Esc, Tab, F1..F24 or a letter.
BOOL _ParseKey(std::string_view text, UINT& nVirtKey, UINT& fMods) {
    fMods = 0;
    for (std::size_t nPlus; (nPlus = text.find('+')) != std::string_view::npos;) {
        const std::string_view mod = text.substr(0, nPlus);
        UINT fMod = 0;
        for (const StKEYNAME& rMod : G_MODIFIERS)
            if (_SameNoCase(mod, rMod.szName))
                fMod = rMod.nVirtKey;
        if (!fMod)
            return FALSE;
        fMods |= fMod;
        text.remove_prefix(nPlus + 1);
    }
    for (const StKEYNAME& rKey : G_KEYS)
        if (_SameNoCase(text, rKey.szName)) {
            nVirtKey = rKey.nVirtKey;
            return TRUE;
        }
    if (text.size() == 1 &&
        ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'))) {
        nVirtKey = static_cast<UINT>(text[0] & ~0x20);
        return TRUE;
    }
    int nF = 0;
    if (text.size() >= 2 && (text[0] == 'F' || text[0] == 'f') &&
        _ParseId(std::string(text.substr(1)), nF) && nF >= 1 && nF <= 24 && text[1] != '0') {
        nVirtKey = VK_F1 + static_cast<UINT>(nF - 1);
        return TRUE;
    }
    return FALSE;
}

class ClScriptBackend : public ClUiBackend {
public:
    ClScriptBackend(std::vector<StLINE> vecLines, std::FILE* pTranscript)
        : m_vecLines(std::move(vecLines)), m_pOut(pTranscript) {}
    ~ClScriptBackend() override {
        if (m_pOut != stderr)
            std::fclose(m_pOut);
    }

    void RunDialog(ClDialogWindow& rWnd) override {
        _WriteDialog(rWnd);
        m_pShown = &rWnd;
        while (!rWnd.IsEnded()) {
            const StLINE& rLine = _Next("the dialog waits for input");
            std::string strWhy;
            if (!_DialogLine(rWnd, rLine, strWhy))
                _Fail(rLine, strWhy);
        }
    }

    void DialogEnded(ClDialogWindow& rWnd) override {
        if (m_pShown == &rWnd)
            m_pShown = nullptr;
        _Write(ClJsonLine("end").Number("result", rWnd.GetResult()));
    }

    void FocusChanged(ClDialogWindow& rWnd, ClHostWindow* pOld) override {
        (void)pOld;
        if (m_pShown == &rWnd && rWnd.GetFocus())
            _Write(ClJsonLine("focus").Number("id", rWnd.GetFocus()->GetId()));
    }

    int Show(HWND hOwner, const char* szText, const char* szCaption, UINT uType) override {
        int nAnswer = IDOK;
        if ((uType & 0x0F) == MB_YESNO) {
            const StLINE& rLine = _Next("a Yes/No message box waits for its answer");
            if (rLine.strVerb == "answer" && rLine.strRest == "yes")
                nAnswer = IDYES;
            else if (rLine.strVerb == "answer" && rLine.strRest == "no")
                nAnswer = IDNO;
            else
                _Fail(rLine, "a Yes/No message box waits for \"answer yes\" or \"answer no\": " +
                                 Cp932ToUtf8Shown(szText ? szText : ""));
        }
        static const char* const G_ANSWERS[] = {"", "ok", "", "", "", "", "yes", "no"};
        _Write(ClJsonLine("msgbox")
                   .Text("owner", hOwner ? "dialog" : "none")
                   .Program("caption", szCaption ? szCaption : "")
                   .Text("style", _StyleText(uType))
                   .Program("text", szText ? szText : "")
                   .Text("answer", G_ANSWERS[nAnswer]));
        return nAnswer;
    }

    BOOL SaveAs(const StOPENFILENAME& rOfn, std::string& strPath) override {
        const StLINE& rLine = _Next("the save-as dialog waits for its answer");
        BOOL bSaved = FALSE;
        if (rLine.strVerb == "save") {
            if (!Utf8ToCp932(rLine.strRest, strPath))
                _Fail(rLine, "the path does not convert to code page 932");
            bSaved = TRUE;
        } else if (!(rLine.strVerb == "cancel" && rLine.strRest.empty())) {
            _Fail(rLine, "the save-as dialog waits for \"save PATH\" or \"cancel\"");
        }
        char szFlags[16];
        std::snprintf(szFlags, sizeof szFlags, "0x%X", static_cast<unsigned>(rOfn.dwFlags));
        ClJsonLine line("filedialog");
        line.Program("title", rOfn.szTitle ? rOfn.szTitle : "")
            .Program("dir", rOfn.szInitialDir ? rOfn.szInitialDir : "")
            .Program("name", rOfn.szFile ? rOfn.szFile : "")
            .Program("filter", rOfn.szFilter ? rOfn.szFilter : "")
            .Program("defext", rOfn.szDefExt ? rOfn.szDefExt : "")
            .Text("flags", szFlags);
        if (bSaved)
            line.Program("answer", strPath);
        else
            line.Literal("answer", "null");
        _Write(line);
        return bSaved;
    }

    void ProcessStarted(const char* szCmdLine, const char* szCurDir, BOOL bStarted) override {
        _Write(ClJsonLine("exec")
                   .Program("cmdline", szCmdLine)
                   .Program("dir", szCurDir)
                   .Literal("started", bStarted ? "true" : "false"));
    }

private:
    void _Write(const ClJsonLine& rLine) {
        const std::string str = rLine.Done();
        std::fwrite(str.data(), 1, str.size(), m_pOut);
        std::fflush(m_pOut);
    }

    [[noreturn]] void _Fail(const std::string& strText) {
        _Write(ClJsonLine("error").Text("text", strText));
        std::fflush(nullptr);
        std::_Exit(3);
    }
    [[noreturn]] void _Fail(const StLINE& rLine, const std::string& strWhy) {
        _Fail("line " + std::to_string(rLine.nLine) + " \"" + rLine.strText + "\": " + strWhy);
    }

    const StLINE& _Next(const char* szWaiting) {
        if (m_nNext >= m_vecLines.size())
            _Fail(std::string("the script has no line left, but ") + szWaiting);
        return m_vecLines[m_nNext++];
    }

    void _WriteDialog(ClDialogWindow& rWnd) {
        ClJsonLine line("dialog");
        line.Program("caption", rWnd.GetText());
        for (const StNAMEDTEXT& rText : G_DIALOG_TEXTS)
            if (rText.nTemplate == rWnd.GetTemplate().nId)
                if (const ClHostWindow* pCtl = rWnd.FindControl(rText.nId))
                    line.Program(rText.szName, pCtl->GetText());
        if (rWnd.GetFocus())
            line.Number("focus", rWnd.GetFocus()->GetId());
        else
            line.Literal("focus", "null");
        _Write(line);
    }

    BOOL _DialogLine(ClDialogWindow& rWnd, const StLINE& rLine, std::string& strWhy) {
        int nId = 0;
        if (rLine.strVerb == "type") {
            std::string strText;
            if (!Utf8ToCp932(rLine.strRest, strText)) {
                strWhy = "the text does not convert to code page 932";
                return FALSE;
            }
            strWhy = "the path edit is disabled";
            for (int i = 0; i < rWnd.GetControlCount(); ++i)
                if (rWnd.GetControl(i).IsKind(StDLGITEM::KIND_EDIT))
                    return rWnd.TypeText(rWnd.GetControl(i).GetId(), strText);
            strWhy = "the dialog has no edit";
            return FALSE;
        }
        if (rLine.strVerb == "focus") {
            strWhy = "no control with this id can take the focus";
            return _ParseId(rLine.strRest, nId) && rWnd.UserFocus(nId);
        }
        if (rLine.strVerb == "click") {
            strWhy = "no enabled button has this id";
            return _ParseId(rLine.strRest, nId) && rWnd.Click(nId);
        }
        if (rLine.strVerb == "key") {
            UINT nVirtKey = 0, fMods = 0;
            strWhy = "not a key: [Shift+][Ctrl+][Alt+] and Enter, Esc, Tab, F1..F24 or a letter";
            if (!_ParseKey(rLine.strRest, nVirtKey, fMods))
                return FALSE;
            rWnd.KeyDown(nVirtKey, fMods);
            return TRUE;
        }
        if (rLine.strVerb == "close" && rLine.strRest.empty()) {
            rWnd.Close();
            return TRUE;
        }
        strWhy = "the dialog waits for type, focus, key, click or close";
        return FALSE;
    }

    std::vector<StLINE> m_vecLines;
    std::size_t m_nNext = 0;
    std::FILE* m_pOut;
    ClDialogWindow* m_pShown = nullptr; // the dialog whose dialog event is written
};

BOOL _ReadScript(const std::string& strPath, std::vector<StLINE>& vecLines, std::string& strError) {
    std::ifstream in(strPath, std::ios::binary);
    if (!in) {
        strError = "the UI script " + strPath + " cannot be read";
        return FALSE;
    }
    std::string str;
    for (int nLine = 1; std::getline(in, str); ++nLine) {
        if (!str.empty() && str.back() == '\r')
            str.pop_back();
        if (str.empty() || str[0] == '#')
            continue;
        const std::size_t nBlank = str.find(' ');
        vecLines.push_back({nLine, str, str.substr(0, nBlank),
                            nBlank == std::string::npos ? "" : str.substr(nBlank + 1)});
    }
    return TRUE;
}

} // namespace

std::unique_ptr<ClUiBackend> CreateScriptBackend(const std::string& strArg, std::string& strError) {
    std::vector<StLINE> vecLines;
    if (!_ReadScript(strArg, vecLines, strError))
        return nullptr;
    std::FILE* pOut = stderr;
    const char* szTranscript = std::getenv("GKLINK_TRANSCRIPT");
    if (szTranscript && *szTranscript && !(pOut = std::fopen(szTranscript, "w"))) {
        strError = std::string("the UI transcript ") + szTranscript + " cannot be written";
        return nullptr;
    }
    return std::make_unique<ClScriptBackend>(std::move(vecLines), pOut);
}
