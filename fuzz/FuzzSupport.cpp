// Scratch files, byte-to-text conversion and the clean-host check of the fuzz
// harnesses.
#include "FuzzSupport.h"

#include "hxhost/HostControl.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace hxfuzz {

namespace {

// The scratch files of this process, removed when it exits: a harness run
// (or a test's replay of the corpus) leaves nothing behind in /tmp. A crash
// leaves them, next to the input libFuzzer keeps.
std::vector<std::string>& scratchFiles() {
    static std::vector<std::string> files;
    return files;
}

void removeScratchFiles() {
    for (const std::string& path : scratchFiles())
        std::remove(path.c_str());
}

} // namespace

std::string scratchPath(const char* name) {
    const std::string path = "/tmp/hxwt-fuzz-" + std::to_string(::getpid()) + "-" + name;
    std::vector<std::string>& files = scratchFiles();
    if (std::find(files.begin(), files.end(), path) != files.end())
        return path;
    if (files.empty())
        std::atexit(removeScratchFiles);
    files.push_back(path);
    return path;
}

std::wstring writeScratch(const char* name, const uint8_t* data, size_t size) {
    const std::string path = scratchPath(name);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size)
        std::abort();
    std::fclose(out);
    return std::wstring(path.begin(), path.end());
}

std::wstring wideFromBytes(const uint8_t* data, size_t size) {
    std::wstring text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80 || i + 1 == size) {
            text += static_cast<wchar_t>(data[i]);
            continue;
        }
        const unsigned code = (static_cast<unsigned>(data[i]) << 8) | data[i + 1];
        text += static_cast<wchar_t>(code);
        ++i;
    }
    return text;
}

void requireCleanHost(const char* harness) {
    const std::string left = hxhost::describeOutstanding();
    if (left.empty())
        return;
    std::fprintf(stderr, "%s: the host was left unclean:\n%s", harness, left.c_str());
    std::abort();
}

} // namespace hxfuzz
