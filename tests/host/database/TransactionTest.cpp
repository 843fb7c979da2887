// Transactions: objects held until the end, got once, and refusals.
#include "DrawingFixture.h"

using hxhost::Resource;

namespace {

class TransactionTest : public DrawingTest {
protected:
    AcTransactionManager* tm() const {
        return acDocManagerPtr()->curDocument()->transactionManager();
    }
};

TEST_F(TransactionTest, EndClosesWhatWasGot) {
    const AcDbObjectId a = addLine();
    const AcDbObjectId b = addLine();
    EXPECT_EQ(tm(), db()->transactionManager());
    hxhost::failNext(hxhost::kFaultTransaction);
    EXPECT_EQ(tm()->startTransaction(), nullptr);
    EXPECT_EQ(tm()->topTransaction(), nullptr);
    EXPECT_EQ(hxhost::outstanding(Resource::Transaction), 0);
    AcTransaction* tr = tm()->startTransaction();
    ASSERT_NE(tr, nullptr);
    EXPECT_EQ(tm()->topTransaction(), tr);
    EXPECT_EQ(hxhost::outstanding(Resource::Transaction), 1);
    AcDbObject* objA = nullptr;
    AcDbObject* objB = nullptr;
    ASSERT_EQ(tm()->getObject(objA, a, AcDb::kForWrite), Acad::eOk);
    ASSERT_EQ(tr->getObject(objB, b, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(objA->isTransactionResident());
    EXPECT_EQ(AcDbEntity::cast(objA)->highlight(), Acad::eOk); // outlives the transaction
    EXPECT_EQ(objA->close(), Acad::eOk);                       // held: stays open
    EXPECT_EQ(hxhost::openMode(a), AcDb::kForWrite);
    EXPECT_EQ(tr->numOpenedObjects(), 2);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(hxhost::openMode(a), AcDb::kNotOpen);
    EXPECT_EQ(hxhost::openMode(b), AcDb::kNotOpen);
    EXPECT_TRUE(hxhost::isHighlighted(a));
    EXPECT_EQ(tm()->numActiveTransactions(), 0);
    EXPECT_EQ(tm()->endTransaction(), Acad::eNoActiveTransactions);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eNoActiveTransactions);
}

TEST_F(TransactionTest, AnObjectIsGotOnceAndAbortClosesIt) {
    const AcDbObjectId id = addLine();
    tm()->startTransaction();
    AcDbObject* first = nullptr;
    AcDbObject* again = nullptr;
    ASSERT_EQ(tm()->getObject(first, id, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(tm()->getObject(again, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(again, first); // the same object, upgraded
    EXPECT_EQ(hxhost::openCount(id), 1);
    EXPECT_EQ(hxhost::openMode(id), AcDb::kForWrite);
    tm()->abortTransaction();
    EXPECT_EQ(hxhost::openMode(id), AcDb::kNotOpen);
}

TEST_F(TransactionTest, RefusalsFollowTheOpenRules) {
    const AcDbObjectId erased = addLine();
    eraseObject(erased);
    const AcDbObjectId busy = addLine();
    const AcDbObjectId locked = hxhost::addLayer(L"Locked");
    auto* onLocked = new AcDbLine;
    onLocked->setLayer(locked);
    const AcDbObjectId lockedLine = hxhost::addToModelSpace(onLocked);
    hxhost::addLayer(L"Locked", true);

    AcDbObject* reader = nullptr;
    acdbOpenObject(reader, busy, AcDb::kForRead);
    AcDbObject* obj = nullptr;
    EXPECT_EQ(tm()->getObject(obj, busy, AcDb::kForRead), Acad::eNoActiveTransactions);
    AcTransaction* outer = tm()->startTransaction();
    struct Case {
        const char* what;
        AcDbObjectId id;
        AcDb::OpenMode mode;
        bool fault;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {
        {"null id", AcDbObjectId(), AcDb::kForRead, false, Acad::eNullObjectId},
        {"erased", erased, AcDb::kForRead, false, Acad::eWasErased},
        {"open for read elsewhere", busy, AcDb::kForWrite, false, Acad::eWasOpenForRead},
        {"locked layer", lockedLine, AcDb::kForWrite, false, Acad::eOnLockedLayer},
        {"refused", busy, AcDb::kForRead, true, Acad::eWasOpenForWrite}};
    for (const Case& c : cases) {
        if (c.fault)
            hxhost::failNext(hxhost::kFaultOpen);
        EXPECT_EQ(tm()->getObject(obj, c.id, c.mode), c.expected) << c.what;
        EXPECT_EQ(obj, nullptr) << c.what;
    }
    EXPECT_EQ(outer->numOpenedObjects(), 0);
    // Held for read by the transaction and by another reader: no upgrade.
    ASSERT_EQ(tm()->getObject(obj, busy, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(tm()->getObject(obj, busy, AcDb::kForWrite), Acad::eHadMultipleReaders);
    tm()->endTransaction();
    reader->close();
    EXPECT_EQ(tm()->getObject(obj, erased, AcDb::kForRead), Acad::eNoActiveTransactions);
}

} // namespace
