// Cursor and contents of every list kind after each step of one script that
// runs through the edge cases of positioning, insertion, removal and moves.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxDList.h"
#include "HxList.h"

#include <functional>

namespace {

using Ints = std::vector<int>;
using L = HxDynArrayBase<int>;
using Op = std::function<int(L&)>;

template <class... A, class... V> Op Do(void (L::*f)(A...), V... v) {
    return [=](L& l) { return (l.*f)(v...), 0; };
}

struct Step {
    const char* what;
    Op op;
    int index; // cursor index afterwards
    Ints contents;
    int result = 0; // what the operation returns (0 for void)
};

const std::vector<Step> kScript = {
    {"First on empty", Do(&L::First), -1, {}},
    {"Next on empty", Do(&L::Next), -1, {}},
    {"At(5) on empty", [](L& l) { return l.At(5); }, 5, {0, 0, 0, 0, 0, 0}},
    {"SetSize 0", Do(&L::SetSize, 0, false), -1, {}},
    {"Append", [](L& l) { return l.Append(1); }, 0, {1}, 0},
    {"Append", [](L& l) { return l.Append(2), l.Append(3); }, 2, {1, 2, 3}, 2},
    {"AddHead", Do(&L::AddHead, 0), 0, {0, 1, 2, 3}},
    {"InsertAt end", Do(&L::InsertAt, 4, 4), 4, {0, 1, 2, 3, 4}},
    {"InsertAt 2", Do(&L::InsertAt, 2, 9), 2, {0, 1, 9, 2, 3, 4}},
    {"RemoveCurrent", Do(&L::RemoveCurrent), 1, {0, 1, 2, 3, 4}},
    {"Next", Do(&L::Next), 2, {0, 1, 2, 3, 4}},
    {"InsertBefore", Do(&L::InsertBefore, 7), 2, {0, 1, 7, 2, 3, 4}},
    {"InsertAfter", Do(&L::InsertAfter, 8), 3, {0, 1, 7, 8, 2, 3, 4}},
    {"RemoveAt 0", Do(&L::RemoveAt, 0), -1, {1, 7, 8, 2, 3, 4}},
    {"Move(2, 2) changes nothing", [](L& l) { return l.Move(2, 2); }, -1, {1, 7, 8, 2, 3, 4}},
    {"Move(2, 3) changes nothing", [](L& l) { return l.Move(2, 3); }, -1, {1, 7, 8, 2, 3, 4}},
    {"Move out of range", [](L& l) { return l.Move(5, 7); }, -1, {1, 7, 8, 2, 3, 4}},
    {"Move(3, 0)", [](L& l) { return l.Move(3, 0); }, 0, {2, 1, 7, 8, 3, 4}, 1},
    {"Move(0, count)", [](L& l) { return l.Move(0, 6); }, 5, {1, 7, 8, 3, 4, 2}, 1},
    {"Rotate(4, 1)", Do(&L::Rotate, 4, 1), 0, {3, 4, 2, 1, 7, 8}},
    {"Last", Do(&L::Last), 5, {3, 4, 2, 1, 7, 8}},
    {"Next past the end", Do(&L::Next), -1, {3, 4, 2, 1, 7, 8}},
    {"Next from the sentinel", Do(&L::Next), 0, {3, 4, 2, 1, 7, 8}},
    {"Prev from the first", Do(&L::Prev), -1, {3, 4, 2, 1, 7, 8}},
    {"Prev from the sentinel", Do(&L::Prev), 5, {3, 4, 2, 1, 7, 8}},
    {"Prev", Do(&L::Prev), 4, {3, 4, 2, 1, 7, 8}},
    {"GoTo out of range", Do(&L::GoTo, 6), -1, {3, 4, 2, 1, 7, 8}},
    {"PosAt out of range", [](L& l) { return l.PosAt(6) == nullptr; }, -1, {3, 4, 2, 1, 7, 8}, 1},
    {"InsertBefore the sentinel", Do(&L::InsertBefore, 5), 6, {3, 4, 2, 1, 7, 8, 5}},
    {"GoTo the sentinel", Do(&L::GoTo, -1), -1, {3, 4, 2, 1, 7, 8, 5}},
    {"InsertAfter the sentinel", Do(&L::InsertAfter, 6), 0, {6, 3, 4, 2, 1, 7, 8, 5}},
    {"RemoveCurrent", Do(&L::RemoveCurrent), -1, {3, 4, 2, 1, 7, 8, 5}},
    {"RemoveCurrent on the sentinel", Do(&L::RemoveCurrent), -1, {3, 4, 2, 1, 7, 8, 5}},
    {"GoTo", Do(&L::GoTo, 2), 2, {3, 4, 2, 1, 7, 8, 5}},
    {"Reverse keeps the element", Do(&L::Reverse), 4, {5, 8, 7, 1, 2, 4, 3}},
    {"CutAfter", Do(&L::CutAfter, 2), 2, {5, 8, 7}},
    {"CutAfter past the end", Do(&L::CutAfter, 3), 2, {5, 8, 7}},
    {"RemoveLast", Do(&L::RemoveLast), 1, {5, 8}},
    {"Extend keeps the cursor", Do(&L::Extend, 4), 1, {5, 8, 0, 0}},
    {"SetSize shrinks", Do(&L::SetSize, 1, true), 0, {5}},
    {"SetCurrent", Do(&L::SetCurrent, 6), 0, {6}},
    {"RemoveAll", Do(&L::RemoveAll), -1, {}},
    {"Append after RemoveAll", [](L& l) { return l.Append(4); }, 0, {4}},
    {"CutAfter -1 empties", Do(&L::CutAfter, -1), -1, {}},
    {"Rotate empty", Do(&L::Rotate, 1, 0), -1, {}},
};

template <class List> class ListCursorTest : public HostTest {};
using ListKinds = ::testing::Types<HxList<int>, HxDList<int>, HxXList<int>, HxXList3<int>>;
TYPED_TEST_SUITE(ListCursorTest, ListKinds);

TYPED_TEST(ListCursorTest, ScriptLeavesCursorAndContentsAsListed) {
    TypeParam list;
    for (const Step& step : kScript) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(step.op(list), step.result);
        EXPECT_EQ(list.CurrentIndex(), step.index);
        EXPECT_EQ(list.IsEnd(), step.index < 0);
        EXPECT_EQ(list.IsEnd() ? -1 : list.Current(),
                  step.index < 0 ? -1 : step.contents[step.index]);
        EXPECT_EQ(Elements(list), step.contents);
        EXPECT_EQ(ElementsBackwards(list), step.contents);
    }
    EXPECT_EQ(list.FirstPos(), nullptr);
}

} // namespace
