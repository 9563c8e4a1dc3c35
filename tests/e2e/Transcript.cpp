#include "tests/e2e/Transcript.h"

#include <cstdint>
#include <optional>

namespace {

class ClJsonLine {
public:
    explicit ClJsonLine(std::string_view text) : m_text(text) {}

    std::optional<StEVENT> Object() {
        StEVENT event;
        if (!_Eat('{'))
            return std::nullopt;
        if (_Eat('}'))
            return _AtEnd() ? std::optional(event) : std::nullopt;
        do {
            auto key = _String();
            if (!key || !_Eat(':'))
                return std::nullopt;
            auto value = _Value();
            if (!value)
                return std::nullopt;
            event[*key] = *value;
        } while (_Eat(','));
        if (!_Eat('}') || !_AtEnd())
            return std::nullopt;
        return event;
    }

private:
    void _Blanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }
    bool _Eat(char c) {
        _Blanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    bool _AtEnd() {
        _Blanks();
        return m_pos == m_text.size();
    }

    std::optional<std::string> _Value() {
        _Blanks();
        if (m_pos < m_text.size() && m_text[m_pos] == '"')
            return _String();
        std::size_t start = m_pos;
        while (m_pos < m_text.size() &&
               std::string_view(",} \t").find(m_text[m_pos]) == std::string_view::npos)
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        return std::string(m_text.substr(start, m_pos - start));
    }

    std::optional<std::string> _String() {
        if (!_Eat('"'))
            return std::nullopt;
        std::string out;
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos++];
            if (c == '"')
                return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size())
                return std::nullopt;
            char esc = m_text[m_pos++];
            switch (esc) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u':
                if (!_Unicode(out))
                    return std::nullopt;
                break;
            default:
                out += esc;
            }
        }
        return std::nullopt;
    }

    std::optional<std::uint32_t> _Hex4() {
        if (m_pos + 4 > m_text.size())
            return std::nullopt;
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            char c = m_text[m_pos++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return std::nullopt;
        }
        return v;
    }

    bool _Unicode(std::string& out) {
        auto cp = _Hex4();
        if (!cp)
            return false;
        std::uint32_t v = *cp;
        if (v >= 0xD800 && v < 0xDC00 && m_text.substr(m_pos, 2) == "\\u") {
            m_pos += 2;
            auto low = _Hex4();
            if (!low)
                return false;
            v = 0x10000 + ((v - 0xD800) << 10) + (*low - 0xDC00);
        }
        auto put = [&](std::uint32_t b) { out += static_cast<char>(b); };
        if (v < 0x80) {
            put(v);
        } else if (v < 0x800) {
            put(0xC0 | (v >> 6));
            put(0x80 | (v & 0x3F));
        } else if (v < 0x10000) {
            put(0xE0 | (v >> 12));
            put(0x80 | ((v >> 6) & 0x3F));
            put(0x80 | (v & 0x3F));
        } else {
            put(0xF0 | (v >> 18));
            put(0x80 | ((v >> 12) & 0x3F));
            put(0x80 | ((v >> 6) & 0x3F));
            put(0x80 | (v & 0x3F));
        }
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string _Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + '"';
}

} // namespace

std::vector<StEVENT> ParseTranscript(std::string_view text) {
    std::vector<StEVENT> vEvents;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty())
            continue;
        auto event = ClJsonLine(line).Object();
        vEvents.push_back(event ? *event : StEVENT{{"unparsed", std::string(line)}});
    }
    return vEvents;
}

std::string FormatEvents(const std::vector<StEVENT>& vEvents) {
    std::string out;
    for (const StEVENT& event : vEvents) {
        std::string line;
        for (const auto& [key, value] : event)
            line += (line.empty() ? "{" : ",") + _Quoted(key) + ":" + _Quoted(value);
        out += (line.empty() ? "{" : line) + "}\n";
    }
    return out;
}
