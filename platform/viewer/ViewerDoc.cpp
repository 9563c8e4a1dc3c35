#include "platform/viewer/ViewerDoc.h"

#include "platform/CodePage.h"
#include "platform/DriveMap.h"
#include "platform/ui/HostWindow.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::string _Message(const std::string& strPath, const char* szCp932) {
    return strPath + Cp932ToUtf8Shown(szCp932);
}

// CR LF and a lone CR end lines as LF. Neither byte can be the trail byte of a Shift_JIS
// character, so the bytes are split before they are decoded.
std::string _UnixLines(const std::string& strBytes) {
    std::string strOut;
    strOut.reserve(strBytes.size());
    for (std::size_t i = 0; i < strBytes.size(); ++i) {
        if (strBytes[i] != '\r')
            strOut += strBytes[i];
        else if (i + 1 >= strBytes.size() || strBytes[i + 1] != '\n')
            strOut += '\n';
    }
    return strOut;
}

} // namespace

BOOL LoadViewDoc(const ClDriveMap& rMap, const std::string& strWinPath, StVIEWDOC& rDoc,
                 std::string& strError) {
    const std::size_t nSlash = strWinPath.find_last_of("\\/:");
    rDoc.strName = nSlash == std::string::npos ? strWinPath : strWinPath.substr(nSlash + 1);
    rDoc.strText.clear();
    std::string strCp932, strHost;
    std::error_code ec;
    if (strWinPath.empty() || !Utf8ToCp932(strWinPath, strCp932) ||
        !rMap.ToHost(strCp932.c_str(), strHost) || !std::filesystem::exists(strHost, ec)) {
        strError = _Message(strWinPath, "\nファイルが見つかりません。");
        return FALSE;
    }
    std::ifstream in(strHost, std::ios::binary);
    if (!std::filesystem::is_regular_file(strHost, ec) || !in) {
        strError = _Message(strWinPath, "\nファイルを開けません。");
        return FALSE;
    }
    // A NUL would end the text in the window: it shows as U+FFFD like other bad bytes.
    const std::string strBytes{std::istreambuf_iterator<char>(in), {}};
    for (const char c : Cp932ToUtf8Shown(_UnixLines(strBytes)))
        rDoc.strText += c ? std::string(1, c) : std::string("\xEF\xBF\xBD");
    return TRUE;
}
