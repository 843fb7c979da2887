// Documents: the current document and working database, locks, and the
// stand-in's drawing control.
#include "DrawingFixture.h"

using hxhost::Resource;

namespace {

class DocumentTest : public DrawingTest {};

TEST_F(DocumentTest, ResetLeavesOneFreshCurrentDrawing) {
    AcApDocManager* manager = acDocManagerPtr();
    hxhost::newDrawing();
    addLine();
    hxhost::resetDrawings();
    EXPECT_EQ(manager->documentCount(), 1);
    AcApDocument* doc = manager->curDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_STREQ(doc->fileName(), L"Drawing1.dwg");
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), doc->database());
    // The default drawing: three tables, two blocks, one layer, one application.
    EXPECT_EQ(hxhost::objectCount(), 7);
    EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked);
}

TEST_F(DocumentTest, NewAndClosedDrawingsMoveTheCurrentOne) {
    AcApDocManager* manager = acDocManagerPtr();
    AcApDocument* first = manager->curDocument();
    AcApDocument* second = hxhost::newDrawing();
    EXPECT_EQ(manager->curDocument(), second);
    EXPECT_STREQ(second->fileName(), L"Drawing2.dwg");
    EXPECT_NE(second->database(), first->database());
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), second->database());
    EXPECT_EQ(hxhost::closeDrawing(first), Acad::eOk);
    EXPECT_EQ(manager->curDocument(), second);
    EXPECT_EQ(hxhost::closeDrawing(first), Acad::eNoDocument);
    EXPECT_EQ(hxhost::closeDrawing(second), Acad::eOk);
    EXPECT_EQ(manager->curDocument(), nullptr);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), nullptr);
}

TEST_F(DocumentTest, LocksNestAndAreCounted) {
    AcApDocManager* manager = acDocManagerPtr();
    AcApDocument* doc = manager->curDocument();
    ASSERT_EQ(manager->lockDocument(doc), Acad::eOk);
    ASSERT_EQ(manager->lockDocument(doc, AcAp::kRead, nullptr, nullptr, false), Acad::eOk);
    EXPECT_EQ(hxhost::outstanding(Resource::DocumentLock), 2);
    EXPECT_EQ(manager->unlockDocument(doc), Acad::eOk);
    EXPECT_EQ(doc->lockMode(), AcAp::kWrite); // the outer lock again
    EXPECT_EQ(manager->unlockDocument(doc), Acad::eOk);
    EXPECT_EQ(manager->unlockDocument(doc), Acad::eLockViolation);
    EXPECT_EQ(hxhost::outstanding(Resource::DocumentLock), 0);
}

TEST_F(DocumentTest, RefusedLocksChangeNothing) {
    AcApDocManager* manager = acDocManagerPtr();
    AcApDocument* doc = manager->curDocument();
    struct Case {
        const char* what;
        AcApDocument* doc;
        AcAp::DocLockMode mode;
        bool fault;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {{"null document", nullptr, AcAp::kWrite, false, Acad::eNoDocument},
                          {"no mode", doc, AcAp::kNone, false, Acad::eInvalidInput},
                          {"not-locked mode", doc, AcAp::kNotLocked, false, Acad::eInvalidInput},
                          {"refused", doc, AcAp::kWrite, true, Acad::eLockViolation}};
    for (const Case& c : cases) {
        if (c.fault)
            hxhost::failNext(hxhost::kFaultLock);
        EXPECT_EQ(manager->lockDocument(c.doc, c.mode), c.expected) << c.what;
        EXPECT_EQ(doc->lockMode(), AcAp::kNotLocked) << c.what;
        EXPECT_EQ(hxhost::outstanding(Resource::DocumentLock), 0) << c.what;
    }
    EXPECT_EQ(manager->unlockDocument(nullptr), Acad::eNoDocument);
}

TEST_F(DocumentTest, ClosingADrawingDropsItsLocksAndTransactions) {
    AcApDocument* doc = hxhost::newDrawing();
    acDocManagerPtr()->lockDocument(doc);
    doc->transactionManager()->startTransaction();
    AcDbObject* obj = nullptr;
    doc->transactionManager()->getObject(obj, doc->database()->clayer(), AcDb::kForRead);
    EXPECT_EQ(hxhost::outstanding(Resource::OpenObject), 1);
    hxhost::closeDrawing(doc);
    EXPECT_EQ(hxhost::describeOutstanding(), "");
}

} // namespace
