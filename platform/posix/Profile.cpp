#include "platform/Profile.h"

#include "platform/CodePage.h"
#include "platform/DriveMap.h"
#include "platform/posix/WinPath.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

using namespace gkposix;

namespace {

// A name without a full path lies in the Windows folder, as Windows looks for it there.
std::string _ProfilePath(const char* szFile) {
    const std::string_view file = szFile;
    const bool bFull = (file.size() >= 3 && file[1] == ':' && IsSep(file[2])) ||
                       (file.size() >= 2 && IsSep(file[0]) && IsSep(file[1]));
    if (bFull)
        return std::string(file);
    return ClDriveMap::Inst().WindowsFolder() + "\\" + std::string(file);
}

bool _ReadFile(const char* szFile, std::string& strText) {
    std::string strHost;
    if (!ClDriveMap::Inst().ToHost(_ProfilePath(szFile).c_str(), strHost))
        return false;
    std::ifstream in(strHost, std::ios::binary);
    if (!in)
        return false;
    std::stringstream ss;
    ss << in.rdbuf();
    strText = ss.str();
    return true;
}

// "[name]" with the bracket found as a character, not as a trail byte 0x5D.
std::optional<std::string_view> _SectionName(std::string_view line) {
    if (line.empty() || line[0] != '[')
        return std::nullopt;
    for (std::size_t i = 1; i < line.size(); i += Cp932PairLen(line, i))
        if (line[i] == ']' && Cp932PairLen(line, i) == 1)
            return TrimBlanks(line.substr(1, i - 1));
    return std::nullopt;
}

// One pair of enclosing quotes, double or single, is discarded.
std::string_view _Unquote(std::string_view value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

std::optional<std::string> _Find(std::string_view text, std::string_view section,
                                 std::string_view key) {
    bool bInSection = false;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        line = TrimBlanks(line);
        if (const auto name = _SectionName(line)) {
            bInSection = EqualNoCase(*name, section);
            continue;
        }
        if (!bInSection || line.empty() || line[0] == ';')
            continue;
        // A line without '=' names no value; the default serves for it.
        const auto eq = line.find('=');
        if (eq != std::string_view::npos && EqualNoCase(TrimBlanks(line.substr(0, eq)), key))
            return std::string(_Unquote(TrimBlanks(line.substr(eq + 1))));
    }
    return std::nullopt;
}

} // namespace

DWORD GetPrivateProfileString(const char* szSection, const char* szKey, const char* szDefault,
                              char* szResult, DWORD nSize, const char* szFile) {
    if (!szResult || nSize == 0)
        return 0;
    std::string strText;
    std::optional<std::string> value;
    if (szSection && szKey && szFile && _ReadFile(szFile, strText))
        value = _Find(strText, szSection, szKey);
    if (!value) {
        // Windows drops trailing blanks of the default.
        const std::string_view def = szDefault ? szDefault : "";
        value = std::string(def.substr(0, def.find_last_not_of(' ') + 1));
    }
    const std::size_t cb = std::min<std::size_t>(value->size(), nSize - 1);
    std::memcpy(szResult, value->data(), cb);
    szResult[cb] = '\0';
    return static_cast<DWORD>(cb);
}
