// acedSSGet's non-interactive modes: what each selects, in drawing order. The
// acedSSGet and acedSSAdd faults are pinned through tests/selection.
#include "editor/SelectionFixture.h"

namespace {

using Ids = std::vector<AcDbObjectId>;

resbuf* points(std::initializer_list<std::pair<double, double>> pts) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (auto [x, y] : pts) {
        *tail = acutNewRb(RT3DPOINT);
        (*tail)->resval.rpoint[X] = x;
        (*tail)->resval.rpoint[Y] = y;
        tail = &(*tail)->rbnext;
    }
    return head;
}

} // namespace

TEST_F(SelectionTest, FilterOnlyAndAllListTheDrawingInOrderWithoutErased) {
    EXPECT_EQ(select(L"_X").rc, RTERROR); // an empty drawing
    drawThree();
    for (const ACHAR* mode : {L"_X", L"X", L"_A", L"a"})
        EXPECT_EQ(select(mode).ids, (Ids{a, b, c})) << mode;
    eraseObject(b);
    EXPECT_EQ(select(L"_X").ids, (Ids{a, c}));
}

TEST_F(SelectionTest, WindowCrossingAndBoxByCorners) {
    drawThree();
    const ads_point lo = {-1, -1, 0}, hi = {2, 2, 0};
    struct Row {
        const ACHAR* mode;
        const ads_real* p1;
        const ads_real* p2;
        Ids expected;
    };
    const Row rows[] = {{L"_W", lo, hi, {a}},    {L"_W", hi, lo, {a}}, {L"_C", lo, hi, {a, c}},
                        {L"_C", hi, lo, {a, c}}, {L"_B", lo, hi, {a}}, {L"_B", hi, lo, {a, c}}};
    for (const Row& row : rows) {
        Result r = select(row.mode, row.p1, row.p2);
        EXPECT_EQ(r.ids, row.expected) << row.mode;
    }
    EXPECT_EQ(select(L"_W", lo, nullptr).rc, RTREJ);
}

TEST_F(SelectionTest, PolygonsAndFence) {
    drawThree();
    resbuf* square = points({{-1, -1}, {2, -1}, {2, 2}, {-1, 2}});
    resbuf* fence = points({{5.5, 7}, {5.5, -1}});
    resbuf* fenceMiss = points({{20, 20}, {30, 30}});
    EXPECT_EQ(select(L"_WP", square).ids, (Ids{a}));
    EXPECT_EQ(select(L"_CP", square).ids, (Ids{a, c}));
    EXPECT_EQ(select(L"_F", fence).ids, (Ids{b, c}));
    EXPECT_EQ(select(L"_F", fenceMiss).rc, RTERROR);
    EXPECT_EQ(select(L"_WP", nullptr).rc, RTREJ);
    acutRelRb(square);
    acutRelRb(fence);
    acutRelRb(fenceMiss);
}

TEST_F(SelectionTest, LastPreviousAndImplied) {
    drawThree();
    EXPECT_EQ(select(L"_L").ids, (Ids{c}));
    const ads_point lo = {-1, -1, 0}, hi = {2, 2, 0};
    select(L"_W", lo, hi);
    EXPECT_EQ(select(L"_P").ids, (Ids{a}));
    EXPECT_EQ(select(L"_I").rc, RTERROR);
    hxhost::setImpliedSelection({c, b});
    EXPECT_EQ(select(L"_I").ids, (Ids{c, b}));
}

TEST_F(SelectionTest, UnknownModesAreRejectedAndLogged) {
    for (const ACHAR* mode : {L"_Q", L":Z", L"+Q", L"WW", L":"}) {
        EXPECT_EQ(select(mode).rc, RTREJ) << mode;
        EXPECT_EQ(hxhost::lastSelectionMode(), mode);
    }
}
