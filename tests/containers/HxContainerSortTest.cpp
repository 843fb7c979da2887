// Stability of the three sort algorithms, the exact comparisons each makes,
// and agreement with std::stable_sort on random data.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxDList.h"
#include "HxDynArray.h"
#include "HxList.h"

#include <algorithm>
#include <random>
#include <string>
#include <type_traits>

namespace {

// A number with a tag that tells equal numbers apart ("1a", "1b").
struct Tagged {
    int number = 0;
    char tag = ' ';
    bool operator==(const Tagged& o) const { return number == o.number && tag == o.tag; }
};
std::string Name(const Tagged& t) {
    return std::to_string(t.number) + t.tag;
}
void PrintTo(const Tagged& t, std::ostream* os) {
    *os << Name(t);
}

std::vector<std::string> g_calls;
int ByNumber(const Tagged* a, const Tagged* b) {
    g_calls.push_back(Name(*a) + ">" + Name(*b));
    return a->number - b->number;
}

// The comparisons each algorithm makes on 3, 1a, 2, 1b.
template <class Seq> std::vector<std::string> ExpectedCalls() {
    if (std::is_base_of_v<HxDList<Tagged>, Seq>) // backwards
        return {"3 >1a", "3 >2 ", "1a>2 ", "3 >1b", "2 >1b", "1a>1b"};
    if (std::is_base_of_v<HxList<Tagged>, Seq>) // from the front
        return {"3 >1a", "1a>2 ", "3 >2 ", "1a>1b", "2 >1b"};
    return {"3 >1a", "3 >2 ", "3 >1b", "1a>2 ", "1a>1b", "2 >1b"}; // every pair
}

template <class Seq> class SortTest : public HostTest {};
using SortKinds =
    ::testing::Types<HxList<Tagged>, HxDList<Tagged>, HxXList3<Tagged>, HxDynArray<Tagged>>;
TYPED_TEST_SUITE(SortTest, SortKinds);

TYPED_TEST(SortTest, EqualElementsKeepTheirOrder) {
    TypeParam seq;
    for (Tagged t : std::vector<Tagged>{{3}, {1, 'a'}, {2}, {1, 'b'}})
        seq.Append(t);
    g_calls.clear();
    seq.Sort(&ByNumber);
    const std::vector<Tagged> sorted = {{1, 'a'}, {1, 'b'}, {2}, {3}};
    EXPECT_EQ(Elements(seq), sorted);
    EXPECT_EQ(ElementsBackwards(seq), sorted);
    EXPECT_EQ(g_calls, ExpectedCalls<TypeParam>());
    EXPECT_EQ(seq.CurrentIndex(), -1);
}

TYPED_TEST(SortTest, AgreesWithStableSortOnRandomData) {
    std::mt19937 rng(7);
    for (int size : {0, 1, 2, 5, 40, 101}) {
        std::vector<Tagged> values(size);
        TypeParam seq;
        for (Tagged& v : values) {
            v = {static_cast<int>(rng() % 10), static_cast<char>('a' + rng() % 26)};
            seq.Append(v);
        }
        seq.Sort(&ByNumber);
        std::stable_sort(values.begin(), values.end(),
                         [](const Tagged& a, const Tagged& b) { return a.number < b.number; });
        EXPECT_EQ(Elements(seq), values) << size;
        EXPECT_EQ(ElementsBackwards(seq), values) << size;
        seq.Sort(nullptr);
        EXPECT_EQ(Elements(seq), values) << size;
    }
}

} // namespace
