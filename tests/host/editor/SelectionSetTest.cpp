// The selection-set functions: making, editing, reading and freeing sets.
// Membership as the product's set class uses it is pinned through
// tests/selection.
#include "ChainText.h"
#include "editor/SelectionFixture.h"

TEST_F(SelectionTest, AddDeleteMemberAndLength) {
    drawThree();
    ads_name ea, eb, ss;
    acdbGetAdsName(ea, a);
    acdbGetAdsName(eb, b);
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::SelectionSet), 1);
    Adesk::Int32 n = -1;
    EXPECT_TRUE(acedSSLength(ss, &n) == RTNORM && n == 0);
    EXPECT_EQ(acedSSAdd(ea, ss, ss), RTNORM);
    EXPECT_EQ(acedSSAdd(ea, ss, ss), RTNORM); // kept once
    EXPECT_EQ(acedSSAdd(eb, ss, ss), RTNORM);
    EXPECT_TRUE(acedSSLength(ss, &n) == RTNORM && n == 2);
    EXPECT_EQ(acedSSDel(eb, ss), RTNORM);
    EXPECT_EQ(acedSSDel(eb, ss), RTERROR);
    ads_name out;
    EXPECT_EQ(acedSSName(ss, 0, out), RTNORM);
    EXPECT_TRUE(ads_name_equal(out, ea));
    EXPECT_EQ(acedSSName(ss, 1, out), RTERROR);
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    EXPECT_EQ(acedSSFree(ss), RTERROR);
    EXPECT_EQ(acedSSLength(ss, &n), RTERROR);
}

TEST_F(SelectionTest, AddRefusesNamesOfNoLiveEntity) {
    drawThree();
    ads_name ea, ss, bogus = {12345, 0};
    acdbGetAdsName(ea, a);
    EXPECT_EQ(acedSSAdd(bogus, nullptr, ss), RTERROR);
    eraseObject(a);
    EXPECT_EQ(acedSSAdd(ea, nullptr, ss), RTERROR);
    ads_name eb;
    acdbGetAdsName(eb, b);
    ASSERT_EQ(acedSSAdd(eb, nullptr, ss), RTNORM);
    Adesk::Int32 n = 0;
    acedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    ads_name notASet = {99999, 0x5353};
    EXPECT_EQ(acedSSAdd(eb, notASet, ss), RTERROR);
    acedSSFree(ss);
}

TEST_F(SelectionTest, NameXDescribesHowEachMemberWasSelected) {
    drawThree();
    hxhost::queuePick(b);
    ads_name ss;
    ASSERT_EQ(acedSSGet(L":S", nullptr, nullptr, nullptr, ss), RTNORM);
    resbuf* rb = nullptr;
    ASSERT_EQ(acedSSNameX(&rb, ss, 0), RTNORM);
    // Picked (1), the entity, marker 0, then the pick point.
    EXPECT_EQ(chainText(rb), L"5016: 5003:1 5006: 5003:0 5016: 5003:0 5009:5.5,5.5,0 5017: 5017:");
    AcDbObjectId id;
    acdbGetObjectId(id, rb->rbnext->rbnext->resval.rlname);
    EXPECT_EQ(id, b);
    acutRelRb(rb);
    EXPECT_EQ(acedSSNameX(&rb, ss, 1), RTERROR);
    EXPECT_EQ(rb, nullptr);
    hxhost::failNext(hxhost::kFaultAlloc, 1, 3);
    EXPECT_EQ(acedSSNameX(&rb, ss, 0), RTERROR);
    EXPECT_EQ(rb, nullptr);
    acedSSFree(ss);
}

TEST_F(SelectionTest, ResetEditorFreesHeldSets) {
    ads_name ss;
    acedSSAdd(nullptr, nullptr, ss);
    EXPECT_EQ(hxhost::heldSelectionSets(), 1);
    hxhost::resetEditor();
    EXPECT_EQ(hxhost::heldSelectionSets(), 0);
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::SelectionSet), 0);
}
