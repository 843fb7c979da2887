// _wtoi: white space, signs, trailing text and saturation at the int range.
#include "HostTest.h"

#include <climits>

#include "tchar.h"

namespace {

struct ParseCase {
    const wchar_t* text;
    int expected;
};

class WideNumberParseTest : public HostTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(WideNumberParseTest, ParsesLeadingInteger) {
    EXPECT_EQ(_wtoi(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WideNumberParseTest,
    ::testing::Values(ParseCase{nullptr, 0}, ParseCase{L"", 0}, ParseCase{L"a", 0},
                      ParseCase{L"42", 42}, ParseCase{L"  \t-17x", -17}, ParseCase{L"+8", 8},
                      ParseCase{L"- 3", 0}, ParseCase{L"007", 7}, ParseCase{L"2147483647", INT_MAX},
                      ParseCase{L"2147483648", INT_MAX}, ParseCase{L"-2147483648", INT_MIN},
                      ParseCase{L"-99999999999999999999", INT_MIN}));

} // namespace
