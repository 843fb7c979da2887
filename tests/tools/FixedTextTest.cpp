// Numbers of the tables and JSON in process: the text is printf's "%.*f"
// with trailing zeros dropped, on ties, huge and tiny values and random bits,
// and BufferedOut hands everything to its stream in order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "BufferedOut.h"
#include "FixedText.h"

namespace hxwt {
namespace {

// What the tool printed before, through printf.
std::string printfFixed(double value, int decimals) {
    char buf[kFixedTextSize];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string text(buf);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

TEST(FixedText, Cases) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {12.5, 3, "12.5"},
        {300, 3, "300"},
        {-0.25, 3, "-0.25"},
        {-0.0, 3, "0"},
        {-0.0001, 3, "0"},
        {0.0625, 3, "0.062"},
        {0.1875, 3, "0.188"},
        {0.00005, 4, "0.0001"},
        {1e21, 3, "1000000000000000000000"},
        {inf, 3, "inf"},
        {-inf, 4, "-inf"},
        {2.5e-324, 4, "0"},
        {-1234.56789, 4, "-1234.5679"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value;
}

TEST(FixedText, AsPrintfOnTiesAndRandomBits) {
    std::mt19937_64 rng(14);
    for (int decimals : {3, 4}) {
        for (long k = -20000; k <= 20000; ++k) {
            for (double v : {k / 1024.0, k / 16.0, k * 0.0005, k * 0.00005})
                ASSERT_EQ(formatFixed(v, decimals), printfFixed(v, decimals)) << v;
        }
        for (int i = 0; i < 200000; ++i) {
            const uint64_t bits = rng();
            double v = 0;
            std::memcpy(&v, &bits, sizeof v);
            if (std::isnan(v))
                continue;
            ASSERT_EQ(formatFixed(v, decimals), printfFixed(v, decimals)) << v;
        }
    }
}

TEST(BufferedOut, KeepsOrderAcrossChunks) {
    std::ostringstream stream, expected;
    {
        BufferedOut out(stream);
        for (int i = 0; i < 50000; ++i) {
            out << "n" << i << ' ' << static_cast<size_t>(i) * 3 << ", ";
            out.fixed(i / 8.0, 3) << '\n';
            expected << "n" << i << ' ' << i * 3 << ", " << printfFixed(i / 8.0, 3) << '\n';
        }
        out << -9223372036854775807LL;
        expected << -9223372036854775807LL;
    }
    EXPECT_EQ(stream.str(), expected.str());
}

} // namespace
} // namespace hxwt
