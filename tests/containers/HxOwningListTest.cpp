// The owning lists delete each pointee exactly once when its element goes,
// and never when elements only move (Move, the sorts, TakeTail).
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxPDList.h"
#include "HxPXList.h"

namespace {

struct Counted {
    static int alive;
    explicit Counted(int v) : value(v) { ++alive; }
    ~Counted() { --alive; }
    int value;
};
int Counted::alive = 0;

int Descending(Counted* a, Counted* b) {
    return b->value - a->value;
}

template <class List> class OwningListTest : public HostTest {
protected:
    static void Fill(List& list, int n) {
        for (int i = 0; i < n; ++i)
            list.Append(new Counted(i));
    }
    static std::vector<int> Values(List& list) {
        std::vector<int> out;
        for (Counted* p : Elements(list))
            out.push_back(p ? p->value : -1);
        return out;
    }
    void TearDown() override {
        EXPECT_EQ(Counted::alive, 0) << "pointees leaked or deleted twice";
        Counted::alive = 0;
        HostTest::TearDown();
    }
};
using OwningKinds = ::testing::Types<HxPDList<Counted>, HxPXList<Counted>>;
TYPED_TEST_SUITE(OwningListTest, OwningKinds);

TYPED_TEST(OwningListTest, RemovingDeletesAndMovingDoesNot) {
    using L = TypeParam;
    const struct {
        const char* what;
        void (*op)(L&);
        std::vector<int> values;
    } steps[] = {
        {"RemoveCurrent", [](L& l) { l.GoTo(2), l.RemoveCurrent(); }, {0, 1, 3, 4, 5, 6, 7}},
        {"RemoveAt", [](L& l) { l.RemoveAt(0); }, {1, 3, 4, 5, 6, 7}},
        {"RemoveLast", [](L& l) { l.RemoveLast(); }, {1, 3, 4, 5, 6}},
        {"Move", [](L& l) { l.Move(0, 5), l.Move(3, 0); }, {6, 3, 4, 5, 1}},
        {"SortByValue", [](L& l) { l.SortByValue(&Descending); }, {6, 5, 4, 3, 1}},
        {"Reverse and Rotate", [](L& l) { l.Reverse(), l.Rotate(0, 2); }, {5, 6, 1, 3, 4}},
        {"null element", [](L& l) { l.Extend(6), l.RemoveLast(); }, {5, 6, 1, 3, 4}},
        {"SetSize shrinks", [](L& l) { l.SetSize(3, true); }, {5, 6, 1}},
        {"CutAfter", [](L& l) { l.CutAfter(0); }, {5}},
        {"RemoveAll", [](L& l) { l.RemoveAll(); }, {}},
        // The emptied list takes elements again; the destructor deletes them.
        {"Append after RemoveAll", [](L& l) { l.Append(new Counted(9)); }, {9}},
    };
    L list;
    this->Fill(list, 8);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.op(list);
        EXPECT_EQ(this->Values(list), step.values);
        EXPECT_EQ(Counted::alive, static_cast<int>(step.values.size()));
    }
}

TYPED_TEST(OwningListTest, TakeTailCopyAndMoveHandPointeesOver) {
    TypeParam a, b;
    this->Fill(a, 5);
    this->Fill(b, 2);
    EXPECT_EQ(b.TakeTail(a, 3), 4);
    EXPECT_EQ(this->Values(a), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(this->Values(b), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(Counted::alive, 7);
    a = b; // deletes what `a` owned; both now point at b's objects
    EXPECT_EQ(Counted::alive, 4);
    for (a.First(); !a.IsEnd(); a.Next()) // the deep copy an owner of a copy makes
        a.SetCurrent(new Counted(a.Current()->value + 10));
    TypeParam moved(std::move(a));
    EXPECT_EQ(a.Count(), 0);
    b = std::move(moved);
    EXPECT_EQ(this->Values(b), (std::vector<int>{10, 11, 13, 14}));
    EXPECT_EQ(Counted::alive, 4);
}

} // namespace
