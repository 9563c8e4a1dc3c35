#include "platform/ui/tui/TuiTerminal.h"

#include "platform/CodePage.h"
#include "platform/ui/HostWindow.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <langinfo.h>
#include <termios.h>
#include <unistd.h>

// Functions rather than macros: curses' macros would take over names such as erase.
#define NCURSES_NOMACROS
#define NCURSES_WIDECHAR 1
#include <ncursesw/curses.h>

namespace {

SCREEN* g_pScreen = nullptr;
std::FILE* g_pTty = nullptr; // the terminal when standard output is redirected
bool g_bActive = false;
bool g_bGone = false; // the terminal hung up: nothing more can be read

constexpr wchar_t WCH_REPLACEMENT = 0xFFFD;

bool _IsUtf8Locale() {
    const char* szCodeset = nl_langinfo(CODESET);
    return szCodeset &&
           (std::strcmp(szCodeset, "UTF-8") == 0 || std::strcmp(szCodeset, "utf8") == 0);
}

// Only the character classes change: numbers and messages keep the program's locale.
bool _UseUtf8Locale() {
    if (std::setlocale(LC_CTYPE, "") && _IsUtf8Locale())
        return true;
    return std::setlocale(LC_CTYPE, "C.UTF-8") && _IsUtf8Locale();
}

void _Start() {
    std::FILE* pOut = stdout;
    std::FILE* pIn = stdin;
    if (!isatty(STDOUT_FILENO) && (g_pTty = std::fopen("/dev/tty", "r+")))
        pOut = pIn = g_pTty;
    g_pScreen = newterm(nullptr, pOut, pIn);
    if (!g_pScreen)
        return;
    set_escdelay(60);
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    meta(stdscr, TRUE);
    def_prog_mode(); // Enter comes back to these modes
}

UINT _FunctionKeyMods(int nF, int& nBase) {
    // xterm's convention, which terminfo follows: F13-F24 are Shift+F1-F12, then Ctrl,
    // Ctrl+Shift, Alt and Alt+Shift in blocks of twelve.
    static constexpr UINT G_BLOCK_MODS[] = {
        0,
        ClDialogWindow::KEY_SHIFT,
        ClDialogWindow::KEY_CTRL,
        ClDialogWindow::KEY_CTRL | ClDialogWindow::KEY_SHIFT,
        ClDialogWindow::KEY_ALT,
        ClDialogWindow::KEY_ALT | ClDialogWindow::KEY_SHIFT,
    };
    const int nBlock = (nF - 1) / 12;
    nBase = (nF - 1) % 12 + 1;
    return G_BLOCK_MODS[nBlock];
}

StTUIKEY _Special(int nCode) {
    StTUIKEY key;
    key.eKind = StTUIKEY::KIND_SPECIAL;
    key.nCode = nCode;
    return key;
}

StTUIKEY _Dialog(UINT nVirtKey, UINT fMods) {
    StTUIKEY key;
    key.eKind = StTUIKEY::KIND_SPECIAL;
    key.nVirtKey = nVirtKey;
    key.fMods = fMods;
    return key;
}

StTUIKEY _FromCode(int nCode) {
    struct StMAP {
        int nCurses;
        int nSpecial;
    };
    static constexpr StMAP G_MAP[] = {
        {KEY_LEFT, ClTuiTerminal::SPECIAL_LEFT},
        {KEY_RIGHT, ClTuiTerminal::SPECIAL_RIGHT},
        {KEY_UP, ClTuiTerminal::SPECIAL_UP},
        {KEY_DOWN, ClTuiTerminal::SPECIAL_DOWN},
        {KEY_HOME, ClTuiTerminal::SPECIAL_HOME},
        {KEY_END, ClTuiTerminal::SPECIAL_END},
        {KEY_PPAGE, ClTuiTerminal::SPECIAL_PAGEUP},
        {KEY_NPAGE, ClTuiTerminal::SPECIAL_PAGEDOWN},
        {KEY_BACKSPACE, ClTuiTerminal::SPECIAL_BACKSPACE},
        {KEY_DC, ClTuiTerminal::SPECIAL_DELETE},
        {KEY_RESIZE, ClTuiTerminal::SPECIAL_RESIZE},
        {KEY_SLEFT, ClTuiTerminal::SPECIAL_SHIFT_LEFT},
        {KEY_SRIGHT, ClTuiTerminal::SPECIAL_SHIFT_RIGHT},
        {KEY_SHOME, ClTuiTerminal::SPECIAL_SHIFT_HOME},
        {KEY_SEND, ClTuiTerminal::SPECIAL_SHIFT_END},
    };
    if (nCode == KEY_BTAB)
        return _Dialog(VK_TAB, ClDialogWindow::KEY_SHIFT);
    if (nCode == KEY_ENTER)
        return _Dialog(VK_RETURN, 0);
    if (nCode >= KEY_F(1) && nCode <= KEY_F(72)) {
        int nBase = 0;
        const UINT fMods = _FunctionKeyMods(nCode - KEY_F0, nBase);
        return _Dialog(VK_F1 + static_cast<UINT>(nBase - 1), fMods);
    }
    for (const StMAP& rMap : G_MAP)
        if (rMap.nCurses == nCode)
            return _Special(rMap.nSpecial);
    return StTUIKEY();
}

bool _IsLetterOrDigit(wint_t wch) {
    return (wch >= 'a' && wch <= 'z') || (wch >= 'A' && wch <= 'Z') || (wch >= '0' && wch <= '9');
}

// Esc followed at once by a character is that character with Alt.
StTUIKEY _AfterEscape() {
    nodelay(stdscr, TRUE);
    wint_t wch = 0;
    const int nGot = get_wch(&wch);
    nodelay(stdscr, FALSE);
    if (nGot == OK && _IsLetterOrDigit(wch))
        return _Dialog(static_cast<UINT>(wch >= 'a' && wch <= 'z' ? wch - 'a' + 'A' : wch),
                       ClDialogWindow::KEY_ALT);
    if (nGot != ERR)
        unget_wch(static_cast<wchar_t>(wch));
    return _Dialog(VK_ESCAPE, 0);
}

StTUIKEY _FromChar(wint_t wch) {
    switch (wch) {
    case 0x1B:
        return _AfterEscape();
    case '\t':
        return _Dialog(VK_TAB, 0);
    case '\r':
    case '\n':
        return _Dialog(VK_RETURN, 0);
    case 0x7F:
    case 0x08:
        return _Special(ClTuiTerminal::SPECIAL_BACKSPACE);
    default:
        break;
    }
    StTUIKEY key;
    if (wch >= 0x20) {
        key.eKind = StTUIKEY::KIND_CHAR;
        key.wch = static_cast<wchar_t>(wch);
    }
    return key;
}

int _CursesAttr(int fAttr) {
    int nAttr = A_NORMAL;
    if (fAttr & ClTuiTerminal::ATTR_REVERSE)
        nAttr |= A_REVERSE;
    if (fAttr & ClTuiTerminal::ATTR_UNDERLINE)
        nAttr |= A_UNDERLINE;
    if (fAttr & ClTuiTerminal::ATTR_BOLD)
        nAttr |= A_BOLD;
    return nAttr;
}

} // namespace

BOOL ClTuiTerminal::Check(std::string& strError) {
    if (!_UseUtf8Locale()) {
        strError = "the terminal user interface needs a UTF-8 locale";
        return FALSE;
    }
    if (!isatty(STDIN_FILENO)) {
        strError = "the terminal user interface needs a terminal on standard input";
        return FALSE;
    }
    const char* szTerm = std::getenv("TERM");
    if (!szTerm || !*szTerm || std::strcmp(szTerm, "dumb") == 0) {
        strError = "the terminal user interface needs TERM to name a full-screen terminal";
        return FALSE;
    }
    return TRUE;
}

void ClTuiTerminal::Enter() {
    if (!g_pScreen)
        _Start();
    if (!g_pScreen || g_bActive)
        return;
    g_bActive = true;
    reset_prog_mode();
    clearok(curscr, TRUE);
}

void ClTuiTerminal::Leave() {
    if (!g_pScreen || !g_bActive)
        return;
    g_bActive = false;
    def_prog_mode();
    endwin();
}

void ClTuiTerminal::Stop() {
    if (!g_pScreen)
        return;
    if (g_bActive)
        endwin();
    g_bActive = false;
    delscreen(g_pScreen);
    g_pScreen = nullptr;
    if (g_pTty)
        std::fclose(g_pTty);
    g_pTty = nullptr;
}

void ClTuiTerminal::FlushInput() {
    tcflush(g_pTty ? fileno(g_pTty) : STDIN_FILENO, TCIFLUSH);
}

int ClTuiTerminal::Rows() {
    return g_pScreen ? LINES : 0;
}

int ClTuiTerminal::Cols() {
    return g_pScreen ? COLS : 0;
}

StTUIKEY ClTuiTerminal::ReadKey() {
    if (!g_pScreen)
        return StTUIKEY();
    Update();
    wint_t wch = 0;
    errno = 0;
    switch (get_wch(&wch)) {
    case OK:
        return _FromChar(wch);
    case KEY_CODE_YES:
        return _FromCode(static_cast<int>(wch));
    default:
        g_bGone = errno != EINTR;
        return StTUIKEY();
    }
}

bool ClTuiTerminal::Gone() {
    return g_bGone;
}

void ClTuiTerminal::Beep() {
    if (g_pScreen)
        beep();
}

void ClTuiTerminal::Clear() {
    if (g_pScreen)
        erase();
}

int ClTuiTerminal::Put(int nRow, int nCol, std::wstring_view text, int nCells, int fAttr) {
    if (!g_pScreen || nRow < 0 || nRow >= LINES)
        return 0;
    attrset(_CursesAttr(fAttr));
    int nDone = 0;
    for (const wchar_t wch : text) {
        const int nWidth = TuiCells(wch);
        if (nDone + nWidth > nCells || nCol + nDone + nWidth > COLS)
            break;
        // A control character would reach the terminal as a control: it shows as U+FFFD.
        const wchar_t wchShown = wcwidth(wch) < 0 ? WCH_REPLACEMENT : wch;
        if (nCol + nDone >= 0)
            mvaddnwstr(nRow, nCol + nDone, &wchShown, 1);
        nDone += nWidth;
    }
    attrset(A_NORMAL);
    return nDone;
}

void ClTuiTerminal::Fill(int nRow, int nCol, int nCells, int fAttr) {
    Put(nRow, nCol, std::wstring(static_cast<std::size_t>(nCells > 0 ? nCells : 0), L' '), nCells,
        fAttr);
}

void ClTuiTerminal::HLine(int nRow, int nCol, int nCells) {
    if (g_pScreen && nCells > 0)
        mvhline_set(nRow, nCol, WACS_HLINE, nCells);
}

void ClTuiTerminal::Frame(int nRow, int nCol, int nRows, int nCols, std::wstring_view caption,
                          bool bFill) {
    if (!g_pScreen || nRows < 2 || nCols < 2)
        return;
    for (int r = nRow; bFill && r < nRow + nRows; ++r)
        Fill(r, nCol, nCols);
    mvadd_wch(nRow, nCol, WACS_ULCORNER);
    mvadd_wch(nRow, nCol + nCols - 1, WACS_URCORNER);
    mvadd_wch(nRow + nRows - 1, nCol, WACS_LLCORNER);
    mvadd_wch(nRow + nRows - 1, nCol + nCols - 1, WACS_LRCORNER);
    HLine(nRow, nCol + 1, nCols - 2);
    HLine(nRow + nRows - 1, nCol + 1, nCols - 2);
    mvvline_set(nRow + 1, nCol, WACS_VLINE, nRows - 2);
    mvvline_set(nRow + 1, nCol + nCols - 1, WACS_VLINE, nRows - 2);
    if (!caption.empty()) {
        const std::wstring strCaption = L" " + std::wstring(caption) + L" ";
        Put(nRow, nCol + 2, strCaption, nCols - 4, ATTR_BOLD);
    }
}

void ClTuiTerminal::ShowCursor(int nRow, int nCol) {
    if (!g_pScreen)
        return;
    if (nRow < 0) {
        curs_set(0);
        return;
    }
    curs_set(1);
    move(nRow, nCol);
}

void ClTuiTerminal::Update() {
    if (g_pScreen)
        refresh();
}

// ---------------------------------------------------------------------------------------

std::wstring TuiWide(std::string_view utf8) {
    std::wstring strOut;
    std::mbstate_t state{};
    for (std::size_t i = 0; i < utf8.size();) {
        wchar_t wch = 0;
        const std::size_t n = std::mbrtowc(&wch, utf8.data() + i, utf8.size() - i, &state);
        if (n == 0 || n > utf8.size() - i) { // a NUL, a bad or a cut sequence
            state = std::mbstate_t{};
            strOut += WCH_REPLACEMENT;
            ++i;
            continue;
        }
        strOut += wch;
        i += n;
    }
    return strOut;
}

std::wstring TuiWideFromCp932(std::string_view cp932) {
    return TuiWide(Cp932ToUtf8Shown(cp932));
}

BOOL TuiCp932FromWide(std::wstring_view text, std::string& cp932) {
    std::string strUtf8;
    std::mbstate_t state{};
    char sz[MB_LEN_MAX];
    for (const wchar_t wch : text) {
        const std::size_t n = std::wcrtomb(sz, wch, &state);
        if (n == static_cast<std::size_t>(-1))
            return FALSE;
        strUtf8.append(sz, n);
    }
    return Utf8ToCp932(strUtf8, cp932);
}

int TuiCells(wchar_t wch) {
    const int n = wcwidth(wch);
    return n < 0 ? 1 : n; // what cannot be shown takes the cell of its U+FFFD
}

int TuiCells(std::wstring_view text) {
    int nCells = 0;
    for (const wchar_t wch : text)
        nCells += TuiCells(wch);
    return nCells;
}

std::wstring TuiLabel(std::wstring_view text, int& nAccel) {
    std::wstring strOut;
    nAccel = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != L'&' && nAccel < 0)
                nAccel = static_cast<int>(strOut.size());
        }
        strOut += text[i];
    }
    return strOut;
}

std::vector<std::wstring> TuiWrap(std::wstring_view text, int nCells) {
    std::vector<std::wstring> vecLines(1);
    int nLine = 0;
    for (const wchar_t wch : text) {
        if (wch == L'\n') {
            vecLines.emplace_back();
            nLine = 0;
            continue;
        }
        const int nWidth = TuiCells(wch);
        if (nLine > 0 && nLine + nWidth > nCells) {
            vecLines.emplace_back();
            nLine = 0;
        }
        vecLines.back() += wch;
        nLine += nWidth;
    }
    return vecLines;
}
