// Refusing outputs that are inputs, writing through temporary files, and
// checking standard output.
#include "OutputGuard.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace hxwt {
namespace {

namespace fs = std::filesystem;

std::vector<std::string>& inputs() {
    static std::vector<std::string> list;
    return list;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ec;
    const fs::path ca = fs::weakly_canonical(a, ec);
    if (ec)
        return a == b;
    const fs::path cb = fs::weakly_canonical(b, ec);
    return ec ? a == b : ca == cb;
}

std::string systemError(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

} // namespace

void noteInput(const std::string& path) {
    if (!path.empty())
        inputs().push_back(path);
}

std::string outputRefusal(const std::string& path) {
    for (const std::string& input : inputs()) {
        if (sameFile(path, input))
            return path + " is the input " + input + " (the same file): not written over";
    }
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return path + " is a directory: name a file to write";
    return {};
}

OutputFile::OutputFile(std::string path) : m_path(std::move(path)) {
    std::error_code ec;
    const fs::file_status status = fs::status(m_path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
        // A device or a pipe (/dev/stdout, /dev/null): written in place,
        // never renamed over or removed.
        m_direct = true;
        m_temp = m_path;
        return;
    }
    // A symbolic link (/dev/stdout sent to a file) is followed: the file it
    // names is replaced and the link stays, so the temporary goes beside it.
    m_target = m_path;
    if (fs::is_symlink(fs::symlink_status(m_path, ec))) {
        const fs::path resolved = fs::canonical(m_path, ec);
        if (!ec)
            m_target = resolved.string();
    }
    const fs::path target(m_target);
    m_temp = (target.parent_path() /
              ("." + target.filename().string() + ".hxwt-" + std::to_string(::getpid()) + ".tmp"))
                 .string();
}

OutputFile::~OutputFile() {
    if (!m_committed && !m_direct)
        std::remove(m_temp.c_str());
}

bool OutputFile::write(const std::string& text, std::string* error) {
    FILE* file = std::fopen(m_temp.c_str(), "wb");
    if (file == nullptr) {
        *error = systemError(m_path);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && (m_direct || ::fsync(fileno(file)) == 0);
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    errno = written ? errno : writeErrno;
    *error = systemError(m_path);
    return false;
}

bool OutputFile::commit(std::string* error) {
    const std::string refusal = outputRefusal(m_path);
    if (!refusal.empty()) {
        *error = refusal;
        return false;
    }
    if (m_direct)
        return true;
    if (std::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        *error = systemError(m_path);
        return false;
    }
    m_committed = true;
    return true;
}

bool writeOutputFile(const std::string& path, const std::string& text, std::string* error) {
    OutputFile file(path);
    return file.write(text, error) && file.commit(error);
}

bool writeOutputWith(const std::string& path, const FileWriter& writer, std::string* error) {
    *error = outputRefusal(path);
    if (!error->empty())
        return false;
    OutputFile out(path);
    if (!out.direct())
        return writer(out.tempPath(), error) && out.commit(error);
    const fs::path staging =
        fs::temp_directory_path() /
        ("hxwt-staging-" + std::to_string(::getpid()) + "-" + fs::path(path).filename().string());
    std::string text;
    const bool staged = writer(staging.string(), error);
    if (staged) {
        std::ifstream in(staging, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::error_code ec;
    fs::remove(staging, ec);
    return staged && out.write(text, error) && out.commit(error);
}

bool finishStandardOutput(std::string* error) {
    errno = 0;
    std::cout.flush();
    const bool streamOk = static_cast<bool>(std::cout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && streamOk)
        return true;
    *error =
        std::string("standard output: ") + (errno != 0 ? std::strerror(errno) : "a write failed");
    return false;
}

} // namespace hxwt
