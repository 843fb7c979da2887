// Progress lines on a terminal's standard error.
#include "Progress.h"

#include <unistd.h>

#include <cstdio>

namespace hxwt {

bool Progress::shown() {
    return ::isatty(STDERR_FILENO) == 1;
}

Progress::Progress(std::string what, long total)
    : m_what(std::move(what)), m_total(total), m_shown(shown()),
      m_last(std::chrono::steady_clock::now()) {
    draw("hxwt: " + m_what + " ...");
}

Progress::~Progress() {
    if (m_shown)
        std::fputs("\r\033[K", stderr);
}

void Progress::update(long done) {
    if (!m_shown)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_last < std::chrono::milliseconds(200) && done < m_total)
        return;
    m_last = now;
    const long percent = m_total > 0 ? done * 100 / m_total : 0;
    draw("hxwt: " + m_what + " " + std::to_string(done) + "/" + std::to_string(m_total) + " (" +
         std::to_string(percent) + "%)");
}

void Progress::draw(const std::string& text) {
    if (!m_shown)
        return;
    std::fputs(("\r\033[K" + text).c_str(), stderr);
    std::fflush(stderr);
}

} // namespace hxwt
