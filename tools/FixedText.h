// Numbers as the tool prints them in tables and JSON: at most a given number
// of decimals, trailing zeros dropped ("12.5", "300", "-0.25"), negative zero
// as "0". Written straight into a caller's buffer, so that printing a large
// network costs no allocation per number.
#pragma once

#include <cstddef>
#include <string>

namespace hxwt {

// Room writeFixed needs for any double (the widest is -1.8e308 with its
// decimals).
constexpr size_t kFixedTextSize = 400;

// Writes value with at most `decimals` (1 or more) decimals into buf, which
// holds kFixedTextSize chars; returns the length (no terminating NUL). The
// digits are those printf's "%.*f" gives; infinities and NaN print as it
// prints them.
size_t writeFixed(double value, int decimals, char* buf);

// The same text as a string.
std::string formatFixed(double value, int decimals);

} // namespace hxwt
