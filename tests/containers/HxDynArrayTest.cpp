// The array's cursor, its growth and size rules, and copies.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxDynArray.h"

#include <string>

namespace {

using Ints = std::vector<int>;
using A = HxDynArray<int>;

class HxDynArrayTest : public HostTest {};

TEST_F(HxDynArrayTest, CursorAndSizeAfterEachStep) {
    struct Step {
        const char* what;
        void (*op)(A&);
        int index, capacity;
        Ints contents;
    };
    const Step steps[] = {
        {"First on empty", [](A& a) { a.First(); }, 0, 0, {}},
        {"first block: 1 + 100", [](A& a) { a.Append(5); }, 0, 101, {5}},
        {"Extend within capacity", [](A& a) { a.Extend(3), a[2] = 7; }, 0, 101, {5, 0, 7}},
        {"Extend below count shrinks", [](A& a) { a.Extend(1); }, 0, 101, {5}},
        {"regrown slots are zero", [](A& a) { a.Extend(3); }, 0, 101, {5, 0, 0}},
        {"InsertAt", [](A& a) { a.InsertAt(1, 9); }, 1, 101, {5, 9, 0, 0}},
        {"RemoveCurrent", [](A& a) { a.RemoveCurrent(); }, 0, 101, {5, 0, 0}},
        {"RemoveAt 0", [](A& a) { a.RemoveAt(0); }, -1, 101, {0, 0}},
        {"AddHead", [](A& a) { a.AddHead(4); }, 0, 101, {4, 0, 0}},
        {"Move", [](A& a) { a.Move(0, 3); }, 2, 101, {0, 0, 4}},
        {"past the end", [](A& a) { a.Next(), a.RemoveCurrent(), a.Reverse(); }, 3, 101, {0, 0, 4}},
        {"SetSize keeps a prefix", [](A& a) { a.SetSize(2, true); }, 3, 2, {0, 0}},
        {"SetSize at capacity", [](A& a) { a.SetSize(2, true), a.GoTo(1); }, 1, 2, {0, 0}},
        {"growing past capacity: 3 + 100", [](A& a) { a.InsertBefore(8); }, 1, 103, {0, 8, 0}},
        {"SetSize without keep", [](A& a) { a.SetSize(4, false); }, 1, 4, {0, 0, 0, 0}},
        {"RemoveAll keeps the block", [](A& a) { a.RemoveAll(); }, -1, 4, {}},
        {"SetSize negative", [](A& a) { a.SetSize(-4, true); }, -1, 0, {}},
    };
    A a;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.op(a);
        EXPECT_EQ(a.CurrentIndex(), step.index);
        EXPECT_EQ(a.Capacity(), step.capacity);
        EXPECT_EQ(Elements(a), step.contents);
        EXPECT_EQ(ElementsBackwards(a), step.contents);
    }
}

TEST_F(HxDynArrayTest, CopiesAreIndependentAndGrowByTen) {
    HxDynArray<std::string> a;
    a.Append("x"), a.Append("y");
    HxDynArray<std::string> copy(a);
    copy.Append("z");
    EXPECT_EQ(copy.Capacity(), 13);
    a[0] = "changed";
    EXPECT_EQ(Elements(copy), (std::vector<std::string>{"x", "y", "z"}));
    HxDynArray<std::string> moved(std::move(copy));
    EXPECT_EQ(copy.Count() + moved.Count(), 3);
    a.SetSize(2, true);
    a.InsertAt(0, a[1]); // the value lives in the block that is replaced
    EXPECT_EQ(Elements(a), (std::vector<std::string>{"y", "changed", "y"}));
}

} // namespace
