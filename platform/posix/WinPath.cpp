#include "platform/posix/WinPath.h"

#include "platform/CodePage.h"

#include <climits>
#include <cstring>
#include <unistd.h>

namespace gkposix {

std::vector<std::string> SplitSeps(std::string_view s) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Cp932PairLen(s, i);
        if (n == 1 && IsSep(s[i])) {
            parts.emplace_back(s.substr(begin, i - begin));
            begin = i + 1;
        }
        i += n;
    }
    parts.emplace_back(s.substr(begin));
    return parts;
}

std::string_view TrimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

namespace {
char _FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t n = Cp932PairLen(a, i);
        if (n == 2) {
            if (a.substr(i, 2) != b.substr(i, 2))
                return false;
        } else if (_FoldAscii(a[i]) != _FoldAscii(b[i])) {
            return false;
        }
        i += n;
    }
    return true;
}

bool HasBadNameChar(std::string_view sName) {
    for (std::size_t i = 0; i < sName.size();) {
        const std::size_t n = Cp932PairLen(sName, i);
        const auto c = static_cast<unsigned char>(sName[i]);
        if (n == 1 && (c < 0x20 || std::strchr("<>:\"|?*", c) != nullptr))
            return true;
        i += n;
    }
    return false;
}

std::string SelfExe() {
    char acBuf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", acBuf, sizeof acBuf);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof acBuf)
        return {};
    return std::string(acBuf, static_cast<std::size_t>(n));
}

} // namespace gkposix
