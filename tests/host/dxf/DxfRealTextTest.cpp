// Reals in written files: each is the shortest of printf's %.15g, %.16g and
// %.17g that reads back to the value (with ".0" added to a whole number), for
// plain, random, boundary and subnormal values alike.
#include "dxf/DxfDrawing.h"

#include "dbents.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <vector>

namespace {

// The text reals are written as, made the slow way.
std::string printfReal(double value) {
    char buf[64];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    std::string text(buf);
    if (text.find_first_of(".eEn") == std::string::npos)
        text += ".0";
    return text;
}

std::vector<double> samples() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  10.0,
                                  0.35,
                                  3.25,
                                  -12.5,
                                  0.1 + 0.2,
                                  1.0 / 3,
                                  1e-4,
                                  1e-5,
                                  9.99e-5,
                                  1.5e-4,
                                  1e14,
                                  1e15,
                                  1e16,
                                  123456789012345.0,
                                  1234567890123456.0,
                                  999999999999999.9,
                                  99999999999999.99,
                                  DBL_MAX,
                                  DBL_MIN,
                                  -DBL_MIN,
                                  5e-324,
                                  1e-310,
                                  2.5e-308,
                                  1e100,
                                  -1e-100,
                                  100000.0,
                                  0.001,
                                  4.94065645841247e-320,
                                  99999999999.9999,
                                  1e11 - 0.5,
                                  0.0001,
                                  0.00015,
                                  -0.05};
    std::mt19937_64 random(14);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bits = random();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
        values.push_back(static_cast<double>(static_cast<std::int64_t>(bits % 2000000) - 1000000) /
                         std::pow(10.0, static_cast<double>(bits % 7)));
        const double sign = bits % 3 != 0 ? 1.0 : -1.0;
        values.push_back(sign * static_cast<double>(bits % 1000000000000000ULL) /
                         std::pow(10.0, static_cast<double>(1 + bits % 4)));
        values.push_back(
            std::ldexp(static_cast<double>(bits >> 11), static_cast<int>(bits % 200) - 150));
    }
    return values;
}

class DxfRealText : public DxfTest {};

TEST_F(DxfRealText, RealsAreWrittenAsTheShortestPrintfFormThatReadsBack) {
    const std::vector<double> values = samples();
    for (double x : values)
        hxhost::addToModelSpace(new AcDbCircle({x, 0, 0}, AcGeVector3d::kZAxis, 1));
    const std::string path = tempFile("reals.dxf");
    ASSERT_EQ(db()->saveAs(wide(path).c_str(), false), Acad::eOk);
    std::istringstream file(slurp(path));
    std::vector<std::string> written;
    for (std::string line; std::getline(file, line);) {
        if (line != "AcDbCircle")
            continue;
        std::string code, value;
        std::getline(file, code);
        std::getline(file, value);
        written.push_back(value);
    }
    ASSERT_EQ(written.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(written[i], printfReal(values[i])) << i;
}

} // namespace
