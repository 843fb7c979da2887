// HxWtUserSingleSelect: retries after a missed pick, ends on anything else.
#include "SelSetFixture.h"

#include "hxhost/Session.h"

TEST_F(SelSetTest, SingleSelectRetriesMissesOnly) {
    struct Row {
        void (*script)(AcDbObjectId);
        int rc;
        bool picked;
    };
    const Row rows[] = {
        {[](AcDbObjectId x) { hxhost::queuePick(x); }, RTNORM, true},
        {[](AcDbObjectId x) {
             hxhost::queuePickAt({90, 90, 0}), hxhost::queuePickAt({91, 91, 0}),
                 hxhost::queuePick(x);
         },
         RTNORM, true},
        {[](AcDbObjectId) { hxhost::queueEscape(); }, RTCAN, false},
        {[](AcDbObjectId x) { hxhost::queueEnter(), hxhost::queuePick(x); }, RTCAN, false},
        {[](AcDbObjectId) { hxhost::queueText(L"Undo"); }, RTKWORD, false},
        {[](AcDbObjectId) {}, RTCAN, false},
    };
    for (const Row& row : rows) {
        row.script(b);
        HxAdsRBList filter;
        HxGePoint pt;
        AcDbObjectId id;
        EXPECT_EQ(HxWtUserSingleSelect(L"Undo Exit", L"\npick: ", filter, pt, id), row.rc);
        EXPECT_EQ(id, row.picked ? b : AcDbObjectId());
        if (row.picked) {
            EXPECT_DOUBLE_EQ(pt.x, 5.5);
        }
        while (hxhost::pendingInput() > 0)
            HxWtUserSingleSelect(L"", L"", filter, pt, id);
    }
}

TEST_F(SelSetTest, SingleSelectPromptIsTheSecondTextAndFilterRetries) {
    hxhost::addLayer(L"PIPE");
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, c, AcDb::kForWrite), Acad::eOk);
    ent->setLayer(L"PIPE");
    ent->close();
    HxAdsRBList filter;
    filter.Add(8, L"PIPE");
    hxhost::queuePick(a); // not on PIPE: as a miss
    hxhost::queuePick(c);
    HxGePoint pt;
    AcDbObjectId id;
    EXPECT_EQ(HxWtUserSingleSelect(L"Undo", L"\n选择管道: ", filter, pt, id), RTNORM);
    EXPECT_EQ(id, c);
    EXPECT_EQ(hxhost::commandLine(), L"\n选择管道: \n选择管道: ");
}
