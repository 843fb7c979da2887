// StepClock: the wall-clock and CPU seconds of one step of a job, for the
// --timings lines. CPU time counts the whole process, so that on a busy
// machine it says what the step cost apart from waiting for a core.
#pragma once

#include <chrono>
#include <ctime>

namespace hxwt {

struct StepTime {
    double wall = 0.0; // seconds
    double cpu = 0.0;  // seconds of the process's CPU time
};

class StepClock {
public:
    StepClock() : m_wall(std::chrono::steady_clock::now()), m_cpu(std::clock()) {}

    // The time since construction.
    StepTime elapsed() const {
        StepTime t;
        t.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count();
        t.cpu = static_cast<double>(std::clock() - m_cpu) / CLOCKS_PER_SEC;
        return t;
    }

private:
    std::chrono::steady_clock::time_point m_wall;
    std::clock_t m_cpu;
};

} // namespace hxwt
