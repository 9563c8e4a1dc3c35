// Ground of the conversion tests: a file set writing to C:\conv\, the records of one asset
// filled in memory, and expected data rows built from the fields that are not empty.
#pragma once

#include "export/ExportFileSet.h"
#include "services/RuleGenkashokyaku.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gk_conv {

// The records of one asset or sub-item, zero-filled as the driver hands them over.
struct StASSET {
    StKOTEISHISANINFO master{};
    StKOTEINENINFO year{};
    StKOTEITSUKIINFO month{};
    StIKKATSUINFO item{};
};

// Fills a text field; a text as long as the field leaves it without a terminator.
template <std::size_t N>
void SetText(char (&acField)[N], std::string_view sv) {
    std::memset(acField, 0, N);
    std::memcpy(acField, sv.data(), sv.size() < N ? sv.size() : N);
}

inline tagCY Cy(long long llRaw) {
    return tagCY{llRaw};
}
inline tagCY Units(long long llUnits) {
    return tagCY{llUnits * 10000};
}

// An ordinary asset with the code, everything else zero.
StASSET Ordinary(std::string_view svCode);
// A sub-item of the bulk asset with the code, numbered as the driver numbers it.
StASSET Item(std::string_view svCode, int nNo);

// One export's asset data file and error log, written through WriteAssetRow.
class ClConversion {
public:
    ClConversion();
    void Write(const StASSET& asset);
    // Closes both files; the data rows (each with its CR LF) and the whole error log.
    std::vector<std::string> Rows();
    std::string Log();

private:
    void _Close();

    std::unique_ptr<ClExportFileSet> m_pSet;
    bool m_bClosed = false;
};

// Fields by column number; the columns not given are empty.
using Fields = std::map<int, std::string>;
// A data row: the 151 fields joined by commas, then CR LF.
std::string Line(const Fields& fields);
// The fields of an ordinary asset with the given six-character code whose other values
// are all zero: numeric columns that always print, and the ratio denominators.
Fields OrdinaryFields(const std::string& strCode);
// The code of a table's nth asset: n written as six digits.
std::string NumberedCode(int n);
// Likewise for a sub-item with the eight-character code.
Fields ItemFields(const std::string& strCode);
// The fields with some replaced or added (an empty text removes the field).
Fields With(Fields fields, const Fields& changes);

// Catalogue messages as the error log holds them: the text and CR LF.
std::string LogLine(std::string_view svMessage);

} // namespace gk_conv
