// The script backend's transcript: JSON Lines of flat objects, read back for comparison.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// One event: every member as text (strings decoded to UTF-8, numbers and true/false as
// written).
using StEVENT = std::map<std::string, std::string>;

// Parses JSON Lines; a line that is not a flat object becomes {"unparsed": line}.
std::vector<StEVENT> ParseTranscript(std::string_view text);

// The events as one JSON line each, members sorted by name: what tests compare and print.
std::string FormatEvents(const std::vector<StEVENT>& vEvents);

// UTF-8 text from a u8 literal, for expectations written in the transcript's own encoding.
inline std::string U8(std::u8string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}
