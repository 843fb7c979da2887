// acdbTblSearch and acdbRegApp on the working database.
#include "DrawingFixture.h"

#include "acedads.h"
#include "acutads.h"

namespace {

class TableSearchTest : public DrawingTest {};

TEST_F(TableSearchTest, FoundRecordsAreDescribed) {
    const AcDbObjectId pipes = hxhost::addLayer(L"Pipes", true);
    resbuf* rb = acdbTblSearch(L"layer", L"PIPES", 1); // names compare without case
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, -1);
    AcDbObjectId id;
    EXPECT_EQ(acdbGetObjectId(id, rb->resval.rlname), Acad::eOk);
    EXPECT_EQ(id, pipes);
    EXPECT_STREQ(rb->rbnext->resval.rstring, L"LAYER");
    EXPECT_STREQ(rb->rbnext->rbnext->resval.rstring, L"Pipes");
    EXPECT_EQ(rb->rbnext->rbnext->rbnext->restype, 70);
    EXPECT_EQ(rb->rbnext->rbnext->rbnext->resval.rint, 4); // locked
    acutRelRb(rb);
}

TEST_F(TableSearchTest, MissesGiveNullAndBadNamesAreRefused) {
    const AcDbObjectId gone = hxhost::addLayer(L"Gone");
    eraseObject(gone);
    EXPECT_EQ(acdbTblSearch(L"LAYER", L"Gone", 0), nullptr);
    EXPECT_EQ(acdbTblSearch(L"STYLE", L"Standard", 0), nullptr);
    EXPECT_EQ(acdbTblSearch(L"LAYER", nullptr, 0), nullptr);
    ads_name name = {5, 5};
    EXPECT_EQ(acdbGetAdsName(name, AcDbObjectId()), Acad::eNullObjectId);
    EXPECT_EQ(name[0], 5);
    const ads_name bogus = {12345, 0};
    AcDbObjectId id = db()->clayer();
    EXPECT_EQ(acdbGetObjectId(id, bogus), Acad::eInvalidAdsName);
    EXPECT_EQ(id, db()->clayer());
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_EQ(acdbTblSearch(L"LAYER", L"0", 0), nullptr);
}

TEST_F(TableSearchTest, RegAppAddsOnceAndHonoursRefusals) {
    EXPECT_EQ(acdbRegApp(L"HxSZ_BGWZ"), RTNORM);
    EXPECT_EQ(acdbRegApp(L"hxsz_bgwz"), RTERROR); // already registered
    EXPECT_FALSE(recordId<AcDbRegAppTable>(L"HxSZ_BGWZ").isNull());
    const int before = hxhost::objectCount();
    const ACHAR* refused[] = {nullptr, L"*Star"};
    for (const ACHAR* name : refused)
        EXPECT_EQ(acdbRegApp(name), RTERROR);
    hxhost::failNext(hxhost::kFaultRegApp);
    EXPECT_EQ(acdbRegApp(L"VLength"), RTERROR);
    hxhost::failNext(hxhost::kFaultSymbolTable);
    EXPECT_EQ(acdbRegApp(L"VLength"), RTERROR);
    // An open reader of the table keeps it from opening for write.
    AcDbRegAppTable* table = nullptr;
    db()->getRegAppTable(table);
    EXPECT_EQ(acdbRegApp(L"VLength"), RTERROR);
    table->close();
    EXPECT_EQ(hxhost::objectCount(), before);
    EXPECT_EQ(acdbRegApp(L"VLength"), RTNORM);
}

} // namespace
