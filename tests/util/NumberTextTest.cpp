// Number text: "%d", fixed decimals and the "%g" form; positive integer text.
#include "HostTest.h"

#include "HxWtNumUtil.h"

namespace {

class NumberTextTest : public HostTest {};

TEST_F(NumberTextTest, FormatsIntegers) {
    const struct {
        long n;
        const wchar_t* text;
    } cases[] = {{0, L"0"}, {-42, L"-42"}, {2147483647L, L"2147483647"}};
    for (const auto& c : cases)
        EXPECT_STREQ(HxWtNum2Str(c.n).GetString(), c.text) << c.n;
}

TEST_F(NumberTextTest, FormatsDecimalsAndShortestForm) {
    const struct {
        double value;
        int digits;
        const wchar_t* text;
    } cases[] = {
        {3.14159, 2, L"3.14"},
        {2.5, 0, L"2"}, // the formatter rounds half to even
        {3.5, 0, L"4"},
        {-0.005, 1, L"-0.0"},
        {1.0, 3, L"1.000"},
        {0.1, -1, L"0.1"},
        {1234567.0, -1, L"1.23457e+06"},
        {100000.0, -1, L"100000"},
        {0.0001, -1, L"0.0001"},
        {0.00001, -1, L"1e-05"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(HxWtNum2Str(c.value, c.digits).GetString(), c.text)
            << c.value << " with " << c.digits;
}

TEST_F(NumberTextTest, RecognisesPositiveIntegerText) {
    const struct {
        const wchar_t* text;
        bool positive;
    } cases[] = {
        {L"1", true},    {L"42", true},   {L"9876543210123", true}, {L"", false},
        {L"0", false},   {L"007", false}, {L"-5", false},           {L"+5", false},
        {L"1.0", false}, {L"12a", false}, {L" 1", false},           {L"\uFF11", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPositiveIntNumber(c.text), c.positive) << c.text;
}

} // namespace
