// Ending the tool's process without freeing what the OS takes back anyway.
#include "ProcessEnd.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace hxwt {

namespace {

std::vector<std::shared_ptr<void>>& kept() {
    static std::vector<std::shared_ptr<void>> objects;
    return objects;
}

} // namespace

namespace detail {
void keepAnything(std::shared_ptr<void> object) {
    kept().push_back(std::move(object));
}
} // namespace detail

void endProcess(int code) {
    std::fflush(nullptr);
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HXWT_ORDINARY_EXIT 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(HXWT_ORDINARY_EXIT)
    std::exit(code);
#else
    std::quick_exit(code);
#endif
}

} // namespace hxwt
