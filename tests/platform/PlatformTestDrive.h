// Test ground of the platform layer: a fresh host folder per test process and a drive
// map over it that becomes the process's map.
#pragma once

#include <filesystem>
#include <string>

namespace gk_platform_test {

// The host folder of this test process, removed when the process ends.
const std::filesystem::path& Base();
// A fresh empty host folder Base()/name.
std::filesystem::path FreshDir(const std::string& strName);
// Writes the map text and makes it the process's map (GKLINK_DRIVES points at it, so
// that a first ClDriveMap::Inst() loads it too). Fails the test when it does not load.
void UseMap(const std::string& strText);
// Whether this process may write a file that has no write permission (root may).
bool IgnoresPermissions();

} // namespace gk_platform_test
