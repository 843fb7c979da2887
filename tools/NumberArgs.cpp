// Strict parsing of command-line numbers and their round-trip text.
#include "NumberArgs.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace hxwt {

bool parseNumber(const std::string& text, double& value) {
    static const std::regex decimal(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    if (!std::regex_match(text, decimal))
        return false;
    errno = 0;
    const double v = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(v) || (errno == ERANGE && v != 0.0))
        return false;
    value = v;
    return true;
}

bool parseNumbers(const std::string& text, size_t count, std::vector<double>& values,
                  std::string* error) {
    std::vector<double> parsed;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        double v = 0.0;
        if (!parseNumber(item, v)) {
            *error = "'" + item + "' is not a finite decimal number";
            return false;
        }
        parsed.push_back(v);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parsed.size() != count) {
        *error =
            std::to_string(count) + " numbers wanted, " + std::to_string(parsed.size()) + " given";
        return false;
    }
    values = parsed;
    return true;
}

bool parseOptionNumber(const std::string& name, const std::string& text, double& value,
                       std::string* error) {
    if (text.empty() || parseNumber(text, value))
        return true;
    *error = name + " wants a finite decimal number, not '" + text + "'";
    return false;
}

bool parsePoint(const std::string& text, double& x, double& y, std::string* error) {
    std::vector<double> xy;
    if (!parseNumbers(text, 2, xy, error))
        return false;
    x = xy[0];
    y = xy[1];
    return true;
}

std::string roundTrip(double value) {
    if (value == 0.0)
        return "0";
    char buf[40];
    int precision = 1;
    for (; precision < 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    // Whole digits print in full ("50", not "5e+01") up to the digits a
    // double holds; beyond them the exponent form is the honest one.
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    if (exponent >= precision && exponent < 17)
        precision = exponent + 1;
    std::snprintf(buf, sizeof buf, "%.*g", precision, value);
    return buf;
}

} // namespace hxwt
