// Index labels: the next label of a sequence and the order of two labels.
#include "HostTest.h"

#include "HxWtNumUtil.h"

namespace {

class IndexTextTest : public HostTest {};

TEST_F(IndexTextTest, IncreasesTheFinalIndex) {
    const struct {
        const wchar_t* label;
        const wchar_t* next;
    } cases[] = {{L"J1", L"J2"},
                 {L"J9", L"J10"},
                 {L"J09", L"J10"},
                 {L"W-7", L"W-8"},
                 {L"12", L"13"},
                 {L"a", L"b"},
                 {L"Pz", L"Pa"},
                 {L"PZ", L"PA"},
                 {L"K", L"L"},
                 {L"P-", L"P-1"},
                 {L"", L""},
                 {L"J000", L"J1"},
                 {L"7z", L"7a"},
                 {L"J\u4E00", L"J\u4E001"},
                 {L"999999999", L"1000000000"}};
    for (const auto& c : cases)
        EXPECT_STREQ(HxWtIncreaseIndex(c.label).GetString(), c.next) << c.label;
}

TEST_F(IndexTextTest, ComparesIndexKeysOnly) {
    const struct {
        const wchar_t* first;
        const wchar_t* second;
        bool bigger;
    } cases[] = {
        {L"J10", L"J2", true}, {L"J2", L"J10", false}, {L"A5", L"B3", true},
        {L"Pb", L"Pa", true},  {L"Pa", L"PB", true},   {L"J7", L"J07", false},
        {L"J5", L"Pa", false}, {L"Pa", L"J5", true},   {L"", L"", false},
        {L"J1", L"", true},    {L"", L"J1", false},    {L"Pa", L"J10", false},
        {L"J10", L"Pa", true}, {L"J-", L"J0", false},  {L"J1", L"J-", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HxWtIsFirstIndexStrBigger(c.first, c.second), c.bigger)
            << c.first << L" vs " << c.second;
}

} // namespace
