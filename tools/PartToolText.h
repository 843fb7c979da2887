// Output helpers of hxwt lib and hxwt valve: the paths of
// answers as this system sees them, and the installation directory option.
#pragma once

#include <string>

namespace hxwt {

// The platform path of a host path (UTF-8 both) and whether it exists.
std::string localPath(const std::string& hostPath);
bool pathExists(const std::string& localPath);

// Sets the installation directory the base platform reports (HXWT_MAIN_DIR)
// to dir made absolute; nothing when dir is empty.
void useMainDirectory(const std::string& dir);

} // namespace hxwt
