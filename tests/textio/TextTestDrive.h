// Test ground of the text record engine: a T: drive on a fresh host folder, D: on the host's
// /dev (D:\full fails every write), byte-exact file access, and column descriptors.
#pragma once

#include "textio/textaccessor.h"

#include <filesystem>
#include <string>

namespace gk_textio_test {

// The host folder of T:\. The first call writes the drive map and points GKLINK_DRIVES
// at it; a global test environment makes that call before the first test.
const std::filesystem::path& DriveT();
// T:\<name> as a Windows path, and its host file, removed when it exists.
std::string FreshFile(const char* szName);
std::string ReadBytes(const char* szName);
void WriteBytes(const char* szName, const std::string& strBytes);
bool Exists(const char* szName);

StTAFORMAT Col(const char* szName, LONG lLen, LONG lOfs, LONG lSize, LONG lType, LONG lDecimal = 0,
               LONG lRequired = 0);

} // namespace gk_textio_test
