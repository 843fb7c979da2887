// Collecting samples from the drawing: every annotation kind, the tag, the
// number test, reloads, copies and moves.
#include "ElevFixture.h"

TEST_F(ElevTest, EveryAnnotationKindInDrawingOrder) {
    addText(1, 2, L"12.35");
    addText(3, 3, L"");         // empty: no sample
    addText(4, 4, L"abc");      // not a number
    addText(5, 5, L"7", false); // not tagged
    addMText(6, 6, L"8.5");     // one line
    addMText(7, 7, L"1\\P2");   // two lines: none
    addBlock(8, 8, {L"9.25"});
    addBlock(9, 9, {L"1", L"2"}); // two attributes: none
    addBlock(10, 10, {});         // no attribute: none
    addTagged(new HxDbSymbElevation(AcGePoint3d(11, 11, 3), L"-2.5"));
    addTagged(new HxDbSymbElevation(AcGePoint3d(12, 12, 3), L"m"));
    addTagged(new HxDbSymbElevation(AcGePoint3d(13, 13, 3), L"6"), false); // not tagged
    addText(1, 2, L"12.35"); // a second annotation at the same place
    addTagged(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    HxWtPointElevUtility u;
    EXPECT_TRUE(samePoints(samplesOf(u), {AcGePoint3d(1, 2, 12.35), AcGePoint3d(6, 6, 8.5),
                                          AcGePoint3d(8, 8, 9.25), AcGePoint3d(11, 11, -2.5),
                                          AcGePoint3d(1, 2, 12.35)}));
    EXPECT_EQ(Access::samples(u).growLength(), 8);
}

TEST_F(ElevTest, NumberTestIsTheDecimalDistanceParser) {
    HxWtPointElevUtility u = withSamples({});
    const struct {
        const wchar_t* text;
        int expected;
    } rows[] = {{L"12.35", 1}, {L" -3 ", 1}, {L"1e2", 1}, {L"", 0},
                {L"abc", 0},   {L"1,5", 0},  {nullptr, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(Access::isNumber(u, row.text), row.expected);
}

TEST_F(ElevTest, ReloadSeesEditsAndNeverDuplicates) {
    AcDbObjectId first = addText(0, 0, L"1");
    addText(5, 0, L"2");
    HxWtPointElevUtility u;
    ASSERT_EQ(Access::samples(u).length(), 2);
    addText(0, 5, L"3");
    EXPECT_EQ(Access::samples(u).length(), 2); // a snapshot until reloaded
    u.ReLoadElevation();
    EXPECT_EQ(Access::samples(u).length(), 3);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, first, AcDb::kForWrite), Acad::eOk);
    obj->erase();
    obj->close();
    u.ReLoadElevation();
    EXPECT_TRUE(samePoints(samplesOf(u), {AcGePoint3d(5, 0, 2), AcGePoint3d(0, 5, 3)}));
}

TEST_F(ElevTest, CopiesAreSnapshotsAndMovesLeaveTheSourceEmpty) {
    addText(0, 0, L"1");
    addText(5, 0, L"2");
    auto source = std::make_unique<HxWtPointElevUtility>();
    Access::samples(*source).setGrowLength(20);
    HxWtPointElevUtility copy(*source);
    EXPECT_EQ(Access::samples(copy).growLength(), 20);
    HxWtPointElevUtility assigned = withSamples({AcGePoint3d(9, 9, 9)});
    assigned = *source;
    EXPECT_EQ(Access::samples(assigned).growLength(), 8); // its own stays
    assigned = assigned;
    addText(0, 5, L"3");
    source->ReLoadElevation();
    EXPECT_EQ(Access::samples(copy).length(), 2);
    source.reset();
    EXPECT_EQ(Access::samples(assigned).length(), 2);

    HxWtPointElevUtility moved(std::move(copy));
    EXPECT_EQ(Access::samples(moved).length(), 2);
    EXPECT_EQ(Access::samples(moved).growLength(), 20);
    EXPECT_EQ(Access::samples(copy).length(), 0);
    EXPECT_EQ(Access::samples(copy).physicalLength(), 0);
    EXPECT_EQ(Access::samples(copy).growLength(), 8);
    HxWtPointElevUtility target = withSamples({AcGePoint3d(1, 1, 1)});
    target = std::move(moved);
    EXPECT_EQ(Access::samples(target).length(), 2);
    EXPECT_EQ(Access::samples(moved).physicalLength(), 0);
    EXPECT_EQ(Access::samples(moved).growLength(), 8);
    target = std::move(target);
    EXPECT_EQ(Access::samples(target).length(), 2);
    double e = 0;
    EXPECT_EQ(moved.GetPointElevation(AcGePoint3d(0, 0, 0), e), 0);
}
