// Output helpers of the part-library subcommands.
#include "PartToolText.h"

#include <cstdlib>
#include <filesystem>

#include "hxhost/HostPath.h"

namespace hxwt {

std::string localPath(const std::string& hostPath) {
    return hxhost::hostPath(hostPath);
}

bool pathExists(const std::string& localPath) {
    std::error_code ec;
    return std::filesystem::exists(localPath, ec);
}

void useMainDirectory(const std::string& dir) {
    if (dir.empty())
        return;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(dir, ec);
    ::setenv("HXWT_MAIN_DIR", ec ? dir.c_str() : absolute.c_str(), 1);
}

} // namespace hxwt
