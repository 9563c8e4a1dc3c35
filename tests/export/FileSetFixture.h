// Shared ground of the export tests: a C: drive on a fresh host folder, byte-exact file
// reading, and export contexts.
#pragma once

#include "services/DataMgr.h"

#include <filesystem>
#include <string>

namespace gk_test {

// The host folder that C:\ maps onto. The first call writes the drive map and points
// GKLINK_DRIVES at it; call it before anything uses the drive map.
const std::filesystem::path& DriveC();
// An empty host folder for C:\<szName> (an earlier one is removed with its content).
std::filesystem::path FreshFolder(const char* szName);
// The whole file; empty when it does not exist.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& strBytes);

// An export context with a company name, a period and a corporate kind.
StDATAINFO MakeInfo(const char* szCompany, LONG lStart, LONG lEnd, BYTE bCorpKind);

} // namespace gk_test
