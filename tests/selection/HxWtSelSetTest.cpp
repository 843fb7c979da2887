// HxWtSelSet: mode strings of every operation, the option flags, statuses,
// ownership of the held set and the conversions into ids.
#include "SelSetFixture.h"

#include "hxhost/Session.h"

#include <functional>

namespace {

using Status = HxWtSelSet::SelSetStatus;

resbuf* noop(const wchar_t*) {
    return nullptr;
}

std::vector<AcDbObjectId> idsOf(HxWtSelSet& set) {
    AcDbObjectIdArray arr;
    set.asArray(arr);
    return std::vector<AcDbObjectId>(&arr[0], &arr[0] + arr.length());
}

} // namespace

TEST_F(SelSetTest, EveryOperationGivesItsModeString) {
    AcGePoint3dArray square;
    for (auto [x, y] : {std::pair{-1.0, -1.0}, {2.0, -1.0}, {2.0, 2.0}, {-1.0, 2.0}})
        square.append(AcGePoint3d(x, y, 0));
    const AcGePoint3d lo(-1, -1, 0), hi(2, 2, 0);
    struct Row {
        const wchar_t* mode;
        std::function<Status(HxWtSelSet&)> run;
    };
    hxhost::setImpliedSelection({b});
    const Row rows[] = {
        {L"_X", [](HxWtSelSet& s) { return s.filterOnlySelect(); }},
        {L"_A", [](HxWtSelSet& s) { return s.allSelect(); }},
        {L"_W", [&](HxWtSelSet& s) { return s.windowSelect(lo, hi); }},
        {L"_C", [&](HxWtSelSet& s) { return s.crossingSelect(lo, hi); }},
        {L"_B", [&](HxWtSelSet& s) { return s.boxSelect(lo, hi); }},
        {L"_WP", [&](HxWtSelSet& s) { return s.windowPolygonSelect(square); }},
        {L"_CP", [&](HxWtSelSet& s) { return s.crossingPolygonSelect(square); }},
        {L"_F", [&](HxWtSelSet& s) { return s.fenceSelect(square); }},
        {L"_L", [](HxWtSelSet& s) { return s.lastSelect(); }},
        {L"_P", [](HxWtSelSet& s) { return s.previousSelect(); }},
        {L"_I", [](HxWtSelSet& s) { return s.impliedSelect(); }},
        {L"", [](HxWtSelSet& s) { return s.pointSelect(AcGePoint3d(5.5, 5.5, 0)); }},
        {L"", [](HxWtSelSet& s) { return s.userSelect(); }}, // no input: nothing picked
    };
    HxWtSelSet set;
    for (const Row& row : rows) {
        const Status expected =
            &row == std::end(rows) - 1 ? HxWtSelSet::kNone : HxWtSelSet::kSelected;
        EXPECT_EQ(row.run(set), expected) << row.mode;
        EXPECT_EQ(set.lastStatus(), expected);
        EXPECT_EQ(lastMode(), row.mode);
        EXPECT_EQ(hxhost::heldSelectionSets(), 1) << row.mode; // the old set was freed
    }
}

TEST_F(SelSetTest, OptionsBuildTheModeStringInOrder) {
    struct Row {
        std::function<void(HxWtSelSet&)> set;
        bool prompts;
        const wchar_t* mode;
    };
    const Row rows[] = {
        {[](HxWtSelSet& s) { s.setAllowSingleOnly(true, true); }, true, L"+L+.:S:$"},
        {[](HxWtSelSet& s) { s.setAllowSingleOnly(true, false); }, false, L"+.:S"},
        {[](HxWtSelSet& s) { s.setAllowSingleOnly(true, true); }, false, L"+L+.:S"},
        {[](HxWtSelSet& s) { s.setAllowSingleOnly(false, true); }, false, L""},
        {[](HxWtSelSet& s) { s.setAllowDuplicates(true); }, false, L":D"},
        {[](HxWtSelSet& s) { s.setAllAtPickBox(true); }, false, L":E"},
        {[](HxWtSelSet& s) { s.setFilterLockedLayers(true); }, false, L":L"},
        {[](HxWtSelSet& s) { s.setRejectNonCurrentSpace(true); }, false, L":C"},
        {[](HxWtSelSet& s) { s.setRejectPaperSpaceViewport(true); }, false, L":P"},
        {[](HxWtSelSet& s) { s.setKeywordCallback(L"A B", noop); }, false, L":K"},
        {[](HxWtSelSet& s) { s.setOtherCallback(noop); }, true, L":$:?"},
        {[](HxWtSelSet& s) {
             s.setAllowSingleOnly(true, true), s.setAllowDuplicates(true), s.setAllAtPickBox(true);
             s.setFilterLockedLayers(true), s.setRejectNonCurrentSpace(true);
             s.setRejectPaperSpaceViewport(true), s.setKeywordCallback(L"A", noop);
             s.setOtherCallback(noop);
         },
         true, L"+L+.:S:$:D:E:L:C:P:K:?"},
    };
    for (const Row& row : rows) {
        HxWtSelSet set;
        row.set(set);
        hxhost::queueEscape();
        if (row.prompts)
            set.userSelect(L"a", L"r");
        else
            set.userSelect();
        EXPECT_EQ(lastMode(), row.mode);
    }
}

TEST_F(SelSetTest, DefaultPromptsAndKeywordsReachTheHost) {
    HxWtSelSet set;
    set.setKeywordCallback(L"Add Remove", noop);
    hxhost::queueEscape();
    set.userSelect(nullptr, L"", nullptr);
    const auto req = hxhost::selectionRequests().back();
    EXPECT_EQ(req.addPrompt, L"\n选择实体: ");
    EXPECT_EQ(req.removePrompt, L"\n删除实体: ");
    EXPECT_EQ(req.keywords, L"Add Remove");
    HxSSCallback cb = nullptr;
    acedSSGetKwordCallbackPtr(&cb);
    EXPECT_EQ(cb, &noop);
    hxhost::queuePick(a);
    set.userSelect(L"pick: ", L"drop: ");
    EXPECT_EQ(hxhost::selectionRequests().back().addPrompt, L"pick: ");
    EXPECT_EQ(hxhost::commandLine(), L"\n选择实体: pick: ");
}

TEST_F(SelSetTest, EscapeLeavesNoSetAndErrorLeavesAnEmptyOne) {
    HxWtSelSet set;
    ASSERT_EQ(set.filterOnlySelect(), HxWtSelSet::kSelected);
    hxhost::queueEscape();
    EXPECT_EQ(set.userSelect(), HxWtSelSet::kCanceled);
    EXPECT_EQ(set.length(), 0);
    ads_name held;
    set.asAdsName(held);
    EXPECT_TRUE(ads_name_nil(held));
    EXPECT_EQ(hxhost::heldSelectionSets(), 0);

    hxhost::queuePickAt({70, 70, 0});
    EXPECT_EQ(set.userSelect(), HxWtSelSet::kNone);
    EXPECT_EQ(set.length(), 0);
    set.add(a);
    EXPECT_EQ(set.length(), 1);
    EXPECT_TRUE(set.member(a));
    set.remove(a);
    EXPECT_FALSE(set.member(a));
}

TEST_F(SelSetTest, RejectAndRefusedEmptySet) {
    HxWtSelSet set;
    resbuf* odd = acutBuildList(10, std::array<double, 3>{0, 0, 0}.data(), 0);
    EXPECT_EQ(set.filterOnlySelect(odd), HxWtSelSet::kRejected);
    acutRelRb(odd);
    hxhost::failNext("acedSSAdd");
    EXPECT_EQ(set.createEmptySet(), HxWtSelSet::kCanceled);
    hxhost::failNext("acedSSGet");
    hxhost::failNext("acedSSAdd");
    EXPECT_EQ(set.filterOnlySelect(), HxWtSelSet::kNone);
    EXPECT_EQ(set.length(), 0);
    set.add(a); // no set held: nothing happens
    EXPECT_FALSE(set.member(a));
    EXPECT_EQ(set.createEmptySet(), HxWtSelSet::kSelected);
    EXPECT_FALSE(set.member(AcDbObjectId()));
}

TEST_F(SelSetTest, PolygonWithoutPointsOrWhenABufferFails) {
    HxWtSelSet set;
    AcGePoint3dArray none;
    EXPECT_EQ(set.windowPolygonSelect(none), HxWtSelSet::kCanceled);
    EXPECT_EQ(set.fenceSelect(none), HxWtSelSet::kCanceled);
    EXPECT_EQ(requests(), 0);
    AcGePoint3dArray three;
    three.append(AcGePoint3d(0, 0, 0));
    three.append(AcGePoint3d(9, 0, 0));
    three.append(AcGePoint3d(9, 9, 0));
    hxhost::failNext(hxhost::kFaultAlloc, 1, 2);
    EXPECT_EQ(set.crossingPolygonSelect(three), HxWtSelSet::kCanceled);
    EXPECT_EQ(requests(), 0);
    EXPECT_EQ(set.fenceSelect(three), HxWtSelSet::kSelected);
    EXPECT_EQ(idsOf(set), (std::vector<AcDbObjectId>{a, c}));
}

TEST_F(SelSetTest, ConversionsAppendAndSkip) {
    HxWtSelSet set;
    AcDbObjectId first;
    set.asEnt(first);
    EXPECT_TRUE(first.isNull()); // no set: left alone
    ASSERT_EQ(set.filterOnlySelect(), HxWtSelSet::kSelected);
    HxDbObjectIdList list;
    list.Append(c);
    set.asList(list);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(*list.PosAt(0), c);
    EXPECT_EQ(*list.PosAt(1), a);
    EXPECT_EQ(*list.PosAt(3), c);
    set.asEnt(first);
    EXPECT_EQ(first, a);
    AcDbObjectId id;
    int marker = -1;
    EXPECT_TRUE(set.subEntMarkerAt(1, id, marker));
    EXPECT_EQ(id, b);
    EXPECT_EQ(marker, 0);
    EXPECT_FALSE(set.subEntMarkerAt(3, id, marker));
    ads_name name;
    set.asAdsName(name);
    Adesk::Int32 n = 0;
    EXPECT_EQ(acedSSLength(name, &n), RTNORM);
    EXPECT_EQ(n, 3);
}

TEST_F(SelSetTest, SecondPromptedSelectionReplacesTheFirst) {
    HxWtSelSet set;
    hxhost::queuePick(a);
    hxhost::queueEnter();
    ASSERT_EQ(set.userSelect(L"1", L"2"), HxWtSelSet::kSelected);
    hxhost::queuePick(b);
    hxhost::queueEnter();
    ASSERT_EQ(set.userSelect(L"1", L"2"), HxWtSelSet::kSelected);
    EXPECT_EQ(hxhost::heldSelectionSets(), 1);
    EXPECT_EQ(idsOf(set), (std::vector<AcDbObjectId>{b}));
}
