// Host paths on this platform: separators turned, components matched without
// regard to case where the path does not exist as written.
#include "hxhost/HostPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace hxhost {
namespace {

bool exists(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldAscii(x) == foldAscii(y);
           });
}

// The entry of folder whose name equals name apart from case; empty if none.
std::string findNoCase(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return {};
    std::vector<std::string> matches;
    while (const dirent* entry = ::readdir(dir)) {
        if (sameNoCase(entry->d_name, name))
            matches.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    if (matches.empty())
        return {};
    return *std::min_element(matches.begin(), matches.end());
}

std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= path.size()) {
        const auto slash = path.find('/', start);
        const auto end = slash == std::string::npos ? path.size() : slash;
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string resolveNoCase(const std::string& path) {
    const std::vector<std::string> parts = components(path);
    std::string out;
    bool matching = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        const std::string folder = out;
        if (i > 0)
            out += '/';
        if (!matching || part.empty() || part == "." || part == ".." || exists(out + part)) {
            out += part;
            continue;
        }
        const std::string found = findNoCase(folder.empty() && i > 0 ? "/" : folder, part);
        matching = !found.empty();
        out += matching ? found : part;
    }
    return out;
}

} // namespace

std::string utf8FromWide(const wchar_t* text) {
    std::string out;
    for (const wchar_t* p = text; p != nullptr && *p != 0; ++p) {
        const auto c = static_cast<unsigned long>(*p);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string hostPath(const std::string& utf8Path) {
    std::string path = utf8Path;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || exists(path))
        return path;
    return resolveNoCase(path);
}

std::string hostPath(const wchar_t* path) {
    return path == nullptr ? std::string() : hostPath(utf8FromWide(path));
}

} // namespace hxhost
