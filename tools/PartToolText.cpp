// Output helpers of the part-library subcommands.
#include "PartToolText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "hxhost/HostPath.h"

namespace hxwt {

std::string jsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

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
