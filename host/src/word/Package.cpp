// Reading and writing zip packages with libzip; writes are deterministic
// (given order, fixed timestamps) and go through a temporary file.
#include "Package.h"

#include <zip.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace hxword {
namespace {

constexpr zip_uint64_t kMaxPackageBytes = 256u << 20;

struct ArchiveCloser {
    void operator()(zip_t* za) const { zip_discard(za); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

std::string zipMessage(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

bool readEntry(zip_t* za, zip_uint64_t index, zip_uint64_t& total, Package& package,
               std::string* error) {
    zip_stat_t st;
    if (zip_stat_index(za, index, 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
        return *error = "damaged zip directory", false;
    std::string name = st.name;
    if (!name.empty() && name.back() == '/')
        return true;
    total += st.size;
    if (total > kMaxPackageBytes)
        return *error = "package too large", false;
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(za, index, 0));
    if (!file)
        return *error = name + ": " + zip_strerror(za), false;
    std::string bytes(st.size, '\0');
    zip_int64_t got = st.size ? zip_fread(file.get(), &bytes[0], st.size) : 0;
    if (got < 0 || zip_uint64_t(got) != st.size)
        return *error = name + ": truncated or damaged", false;
    package.parts.emplace_back(std::move(name), std::move(bytes));
    return true;
}

} // namespace

std::string* Package::find(const std::string& name) {
    for (auto& part : parts)
        if (part.first == name)
            return &part.second;
    return nullptr;
}

void Package::put(const std::string& name, std::string bytes) {
    if (std::string* old = find(name))
        *old = std::move(bytes);
    else
        parts.emplace_back(name, std::move(bytes));
}

bool readPackage(const std::string& path, Package& package, std::string* error, bool* missing) {
    *missing = false;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        *missing = true;
        return *error = "no such file", false;
    }
    int code = 0;
    Archive za(zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!za)
        return *error = "not a zip package: " + zipMessage(code), false;
    zip_int64_t count = zip_get_num_entries(za.get(), 0);
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i)
        if (!readEntry(za.get(), zip_uint64_t(i), total, package, error))
            return false;
    return true;
}

} // namespace hxword

namespace hxhost {
namespace {

// 1980-01-01 00:00 local time: the earliest zip timestamp, the same bytes
// in every time zone.
time_t packageTime() {
    std::tm tm{};
    tm.tm_year = 80;
    tm.tm_mday = 1;
    tm.tm_isdst = 0;
    return std::mktime(&tm);
}

bool addParts(zip_t* za, const std::vector<PackagePart>& parts, std::string* error) {
    const time_t when = packageTime();
    for (const auto& part : parts) {
        zip_source_t* src = zip_source_buffer(za, part.second.data(), part.second.size(), 0);
        zip_int64_t index = src ? zip_file_add(za, part.first.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (src)
                zip_source_free(src);
            return *error = part.first + ": " + zip_strerror(za), false;
        }
        zip_file_set_mtime(za, zip_uint64_t(index), when, 0);
        zip_set_file_compression(za, zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
    }
    return true;
}

} // namespace

bool writeWordPackage(const std::string& path, const std::vector<PackagePart>& parts,
                      std::string* error) {
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    int code = 0;
    zip_t* za = zip_open(temp.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!za)
        return *error = "cannot write " + temp + ": " + hxword::zipMessage(code), false;
    if (!addParts(za, parts, error)) {
        zip_discard(za);
        return false;
    }
    if (zip_close(za) != 0) {
        *error = "cannot write " + path + ": " + zip_strerror(za);
        zip_discard(za);
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return *error = "cannot write " + path, false;
    }
    return true;
}

} // namespace hxhost
