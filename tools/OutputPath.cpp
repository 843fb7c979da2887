// Output files of the network commands.
#include "OutputPath.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace hxwt {

bool isSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    const auto left = std::filesystem::weakly_canonical(a, ec);
    if (ec)
        return a == b;
    const auto right = std::filesystem::weakly_canonical(b, ec);
    return ec ? a == b : left == right;
}

bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error) {
    const std::string temp = path + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            *error = path + ": cannot be written (" + std::strerror(errno) + ")";
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        *error = path + ": cannot be replaced (" + std::strerror(errno) + ")";
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace hxwt
