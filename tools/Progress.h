// Progress: a one-line report of long work on standard error, shown only when
// standard error is a terminal (nothing at all reaches a file or a pipe).
// The line is redrawn at most a few times a second and cleared when the
// Progress is destroyed, so results printed afterwards stay clean.
#pragma once

#include <chrono>
#include <string>

namespace hxwt {

class Progress {
public:
    // what: the work ("reading g.dxf"); total: the count of steps, 0 when
    // unknown (the line then says only what is being done).
    explicit Progress(std::string what, long total = 0);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Reports that done of total steps are finished.
    void update(long done);

    // True when standard error is a terminal.
    static bool shown();

private:
    void draw(const std::string& text);

    std::string m_what;
    long m_total;
    bool m_shown;
    std::chrono::steady_clock::time_point m_last;
};

} // namespace hxwt
