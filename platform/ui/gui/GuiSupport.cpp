#include "platform/ui/gui/GuiSupport.h"

#include "platform/CodePage.h"
#include "platform/ui/HostWindow.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fontconfig/fontconfig.h>
#include <fstream>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/init.h>
#include <wx/window.h>

namespace {

// The Japanese faces of Windows and the installed fonts that stand in for them, in order
// of preference. A face that is really installed still comes first; when none of them
// is there, the pattern asks for Japanese, so that fontconfig picks any Japanese font.
struct StFONTALIAS {
    const char8_t* szFace;
    const char8_t* szFirst;
    const char8_t* szSecond;
};
constexpr StFONTALIAS G_FONT_ALIASES[] = {
    {u8"ＭＳ Ｐゴシック", u8"IPAPGothic", u8"IPAGothic"},
    {u8"ＭＳ ゴシック", u8"IPAGothic", u8"IPAPGothic"},
    {u8"MS UI Gothic", u8"IPAPGothic", u8"IPAGothic"},
    {u8"ＭＳ Ｐ明朝", u8"IPAPMincho", u8"IPAMincho"},
    {u8"ＭＳ 明朝", u8"IPAMincho", u8"IPAPMincho"},
};

std::string _Str(const char8_t* sz) {
    return reinterpret_cast<const char*>(sz);
}

std::string _XmlEscaped(const std::string& str) {
    std::string strOut;
    for (const char c : str) {
        if (c == '&')
            strOut += "&amp;";
        else if (c == '<')
            strOut += "&lt;";
        else if (c == '>')
            strOut += "&gt;";
        else
            strOut += c;
    }
    return strOut;
}

std::string _FontsConf(const std::string& strSystem) {
    std::string str = "<?xml version=\"1.0\"?>\n"
                      "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                      "<!-- Written by the program at every start. -->\n"
                      "<fontconfig>\n"
                      "  <include ignore_missing=\"yes\">" +
                      _XmlEscaped(strSystem) + "</include>\n";
    for (const StFONTALIAS& rAlias : G_FONT_ALIASES)
        str += "  <match target=\"pattern\">\n"
               "    <test name=\"family\"><string>" +
               _Str(rAlias.szFace) +
               "</string></test>\n"
               "    <edit name=\"family\" mode=\"append\" binding=\"same\"><string>" +
               _Str(rAlias.szFirst) + "</string><string>" + _Str(rAlias.szSecond) +
               "</string></edit>\n"
               "    <edit name=\"lang\" mode=\"assign\" binding=\"same\"><string>ja</string>"
               "</edit>\n"
               "  </match>\n";
    return str + "</fontconfig>\n";
}

std::filesystem::path _FontsConfPath() {
    const char* szConfig = std::getenv("XDG_CONFIG_HOME");
    const char* szHome = std::getenv("HOME");
    std::filesystem::path dir;
    if (szConfig && *szConfig == '/')
        dir = szConfig;
    else if (szHome && *szHome == '/')
        dir = std::filesystem::path(szHome) / ".config";
    else
        dir = std::filesystem::temp_directory_path() / ("gklink-" + std::to_string(getuid()));
    return dir / "gklink" / "fonts.conf";
}

// The configuration fontconfig would load without us: FONTCONFIG_FILE, else its default.
std::string _SystemFontsConf() {
    FcChar8* pName = FcConfigFilename(nullptr);
    std::string str = pName ? reinterpret_cast<const char*>(pName) : "/etc/fonts/fonts.conf";
    FcStrFree(pName);
    return str;
}

// Replaces the file whole, so that a program starting meanwhile never reads half of it.
BOOL _WriteWhole(const std::filesystem::path& path, const std::string& strText) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    const std::filesystem::path tmp = path.string() + "." + std::to_string(getpid());
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!(out << strText) || !out.flush())
            return FALSE;
    }
    std::filesystem::rename(tmp, path, ec);
    if (ec)
        std::filesystem::remove(tmp, ec);
    return !ec;
}

int _MulDiv(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>((p >= 0 ? p + c / 2 : p - c / 2) / c);
}

} // namespace

BOOL ClGuiSession::PrepareFonts(std::string& strFile) {
    const std::filesystem::path path = _FontsConfPath();
    strFile = path.string();
    const char* szCurrent = std::getenv("FONTCONFIG_FILE");
    if (szCurrent && strFile == szCurrent)
        return TRUE; // a program of ours started this one: the file is in place
    if (!_WriteWhole(path, _FontsConf(_SystemFontsConf())))
        return FALSE;
    setenv("FONTCONFIG_FILE", strFile.c_str(), 1);
    FcFini(); // forget a configuration loaded before the variable was set
    return TRUE;
}

std::string ClGuiSession::ResolvedFamily(const wxString& strFace) {
    FcPattern* pPattern = FcPatternCreate();
    FcPatternAddString(pPattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(strFace.utf8_str().data()));
    FcConfigSubstitute(nullptr, pPattern, FcMatchPattern);
    FcDefaultSubstitute(pPattern);
    FcResult eResult = FcResultNoMatch;
    FcPattern* pMatch = FcFontMatch(nullptr, pPattern, &eResult);
    std::string strFamily;
    FcChar8* pFamily = nullptr;
    if (pMatch && FcPatternGetString(pMatch, FC_FAMILY, 0, &pFamily) == FcResultMatch)
        strFamily = reinterpret_cast<const char*>(pFamily);
    if (pMatch)
        FcPatternDestroy(pMatch);
    FcPatternDestroy(pPattern);
    return strFamily;
}

BOOL ClGuiSession::Start() {
    std::string strFile;
    PrepareFonts(strFile); // without the aliases the toolkit's own fallback still shows text
    // Without a session bus the toolkit's settings (the file dialog's) cannot be stored,
    // and every attempt says so on standard error: they stay in memory instead.
    const char* szBus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!szBus || !*szBus)
        setenv("GSETTINGS_BACKEND", "memory", 0);
    wxApp::SetInstance(new wxApp);
    static int s_argc = 1;
    static char s_szName[] = "gklink";
    static char* s_argv[] = {s_szName, nullptr};
    // The toolkit sets the locale from the environment; the program's own formatting
    // stays in the locale it had.
    const std::string strLocale = std::setlocale(LC_ALL, nullptr);
    const bool bStarted = wxEntryStart(s_argc, s_argv); // on failure it has cleaned up
    std::setlocale(LC_ALL, strLocale.c_str());
    if (!bStarted)
        return FALSE;
    wxTheApp->SetExitOnFrameDelete(false);
    return wxTheApp->CallOnInit();
}

void ClGuiSession::Stop() {
    wxEntryCleanup();
}

wxString WxFromCp932(std::string_view cp932) {
    return wxString::FromUTF8(Cp932ToUtf8Shown(cp932));
}

BOOL Cp932FromWx(const wxString& str, std::string& cp932) {
    const wxScopedCharBuffer utf8 = str.utf8_str();
    return Utf8ToCp932(std::string_view(utf8.data(), utf8.length()), cp932);
}

wxFont DialogFont(const char* szFaceCp932, int nPoints) {
    return wxFont(wxFontInfo(nPoints).FaceName(WxFromCp932(szFaceCp932 ? szFaceCp932 : "")));
}

// The average width is Windows' own measure: the extent of the 52 Latin letters, halved
// twice with rounding; the height is the font's ascent plus descent.
ClDialogUnits::ClDialogUnits(wxWindow& rWnd, const wxFont& font) {
    wxClientDC dc(&rWnd);
    dc.SetFont(font);
    wxCoord cx = 0, cy = 0;
    dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &cx, &cy);
    m_nBaseX = (cx / 26 + 1) / 2;
    m_nBaseY = dc.GetFontMetrics().height;
}

wxPoint ClDialogUnits::Point(int x, int y) const {
    return wxPoint(_MulDiv(x, m_nBaseX, 4), _MulDiv(y, m_nBaseY, 8));
}

wxSize ClDialogUnits::Size(int cx, int cy) const {
    return wxSize(_MulDiv(cx, m_nBaseX, 4), _MulDiv(cy, m_nBaseY, 8));
}
