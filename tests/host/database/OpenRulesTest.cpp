// Open rules of database-resident objects: many readers or one writer,
// erased objects, class filters, upgrade and downgrade, locked layers, faults,
// closing, and the smart object pointer as the graph code uses it.
#include "DrawingFixture.h"

#include "dbobjptr.h"

using hxhost::Resource;

namespace {

class OpenRulesTest : public DrawingTest {};

const char* modeName(AcDb::OpenMode m) {
    return m == AcDb::kForRead ? "read" : "write";
}

TEST_F(OpenRulesTest, SecondOpenAgainstFirst) {
    struct Case {
        AcDb::OpenMode first;
        AcDb::OpenMode second;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {{AcDb::kForRead, AcDb::kForRead, Acad::eOk},
                          {AcDb::kForRead, AcDb::kForWrite, Acad::eWasOpenForRead},
                          {AcDb::kForWrite, AcDb::kForRead, Acad::eWasOpenForWrite},
                          {AcDb::kForWrite, AcDb::kForWrite, Acad::eWasOpenForWrite}};
    const AcDbObjectId id = addLine();
    for (const Case& c : cases) {
        AcDbLine* first = nullptr;
        ASSERT_EQ(acdbOpenObject(first, id, c.first), Acad::eOk);
        AcDbLine* second = reinterpret_cast<AcDbLine*>(0x1);
        EXPECT_EQ(acdbOpenObject(second, id, c.second), c.expected)
            << modeName(c.first) << " then " << modeName(c.second);
        EXPECT_EQ(hxhost::openMode(id), c.first); // a refused open changes nothing
        if (c.expected == Acad::eOk) {
            EXPECT_EQ(second, first);
            EXPECT_EQ(hxhost::outstanding(Resource::OpenObject), 2); // readers are counted
            second->close();
            EXPECT_EQ(hxhost::openMode(id), AcDb::kForRead);
        } else {
            EXPECT_EQ(second, nullptr);
            EXPECT_EQ(hxhost::openCount(id), 1);
        }
        EXPECT_EQ(first->close(), Acad::eOk);
        EXPECT_EQ(first->close(), Acad::eNotOpenForRead); // one close too many changes nothing
        EXPECT_EQ(hxhost::openMode(id), AcDb::kNotOpen);
    }
}

TEST_F(OpenRulesTest, RefusedOpensOfBadIds) {
    const AcDbObjectId line = addLine();
    const AcDbObjectId erased = addLine();
    eraseObject(erased);
    AcDbObjectId dead;
    {
        AcDbDatabase side;
        dead = side.blockTableId();
    }
    // Pointers that are no made stub: inside one, near zero, and a local
    // variable.
    char* newest = reinterpret_cast<char*>(erased.stub());
    int local = 0;
    auto bogus = [](void* p) { return AcDbObjectId(static_cast<AcDbStub*>(p)); };
    struct Case {
        const char* what;
        AcDbObjectId id;
        AcDb::OpenMode mode;
        Acad::ErrorStatus expected;
    };
    const Case cases[] = {{"null id", AcDbObjectId(), AcDb::kForRead, Acad::eNullObjectId},
                          {"id of a deleted database", dead, AcDb::kForRead, Acad::eInvalidInput},
                          {"inside a stub", bogus(newest + 8), AcDb::kForRead, Acad::eInvalidInput},
                          {"near zero", bogus(reinterpret_cast<void*>(std::uintptr_t(64))),
                           AcDb::kForRead, Acad::eInvalidInput},
                          {"a local variable", bogus(&local), AcDb::kForRead, Acad::eInvalidInput},
                          {"erased", erased, AcDb::kForRead, Acad::eWasErased},
                          {"not-open mode", line, AcDb::kNotOpen, Acad::eInvalidOpenState}};
    for (const Case& c : cases) {
        AcDbObject* obj = nullptr;
        EXPECT_EQ(acdbOpenObject(obj, c.id, c.mode), c.expected) << c.what;
        EXPECT_EQ(obj, nullptr) << c.what;
    }
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, erased, AcDb::kForRead, true), Acad::eOk);
    EXPECT_TRUE(obj->isErased());
    obj->close();
}

TEST_F(OpenRulesTest, ClassFilterAcceptsSubclassesOnly) {
    const AcDbObjectId line = addLine();
    const AcDbObjectId layer = db()->clayer();
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenObject(ent, line, AcDb::kForRead), Acad::eOk); // subclass of the filter
    ent->close();
    AcDbBlockReference* ref = nullptr;
    EXPECT_EQ(acdbOpenObject(ref, line, AcDb::kForRead), Acad::eNotThatKindOfClass);
    EXPECT_EQ(ref, nullptr);
    EXPECT_EQ(acdbOpenObject(ent, layer, AcDb::kForRead), Acad::eNotThatKindOfClass);
    EXPECT_EQ(acdbOpenAcDbEntity(ent, layer, AcDb::kForRead), Acad::eNotAnEntity);
    EXPECT_EQ(acdbOpenAcDbEntity(ent, line, AcDb::kForWrite), Acad::eOk);
    ent->close();
}

TEST_F(OpenRulesTest, UpgradeAndDowngrade) {
    const AcDbObjectId id = addLine();
    AcDbObject* a = nullptr;
    AcDbObject* b = nullptr;
    acdbOpenObject(a, id, AcDb::kForRead);
    acdbOpenObject(b, id, AcDb::kForRead);
    EXPECT_EQ(a->upgradeOpen(), Acad::eHadMultipleReaders);
    b->close();
    EXPECT_EQ(a->upgradeOpen(), Acad::eOk);
    EXPECT_TRUE(a->isWriteEnabled());
    EXPECT_EQ(a->upgradeOpen(), Acad::eWasOpenForWrite);
    EXPECT_EQ(hxhost::outstanding(Resource::OpenObject), 1);
    EXPECT_EQ(a->downgradeOpen(), Acad::eOk);
    EXPECT_EQ(hxhost::openMode(id), AcDb::kForRead);
    EXPECT_EQ(a->downgradeOpen(), Acad::eNotOpenForWrite);
    a->close();
    EXPECT_EQ(a->upgradeOpen(), Acad::eNotOpenForRead);
    EXPECT_EQ(hxhost::openMode(id), AcDb::kNotOpen);
}

TEST_F(OpenRulesTest, LockedLayerRefusesWritesToItsEntities) {
    const AcDbObjectId locked = hxhost::addLayer(L"Pipes", true);
    AcDbLine* line = new AcDbLine;
    ASSERT_EQ(line->setLayer(L"pipes"), Acad::eOk); // names compare without case
    const AcDbObjectId id = hxhost::addToModelSpace(line);
    ASSERT_FALSE(id.isNull());
    EXPECT_EQ(line->layerId(), locked);

    AcDbEntity* ent = nullptr;
    EXPECT_EQ(acdbOpenObject(ent, id, AcDb::kForWrite), Acad::eOnLockedLayer);
    EXPECT_EQ(ent, nullptr);
    ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ent->upgradeOpen(), Acad::eOnLockedLayer);
    EXPECT_EQ(hxhost::openMode(id), AcDb::kForRead);
    ent->close();

    hxhost::addLayer(L"Pipes", false);
    ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForWrite), Acad::eOk);
    ent->close();
}

TEST_F(OpenRulesTest, FaultsRefuseOpenAndUpgrade) {
    const AcDbObjectId id = addLine();
    hxhost::failNext(hxhost::kFaultOpen);
    AcDbObject* obj = nullptr;
    EXPECT_EQ(acdbOpenObject(obj, id, AcDb::kForRead), Acad::eWasOpenForWrite);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(hxhost::openMode(id), AcDb::kNotOpen);
    ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForRead), Acad::eOk);
    hxhost::failNext(hxhost::kFaultUpgrade);
    EXPECT_EQ(obj->upgradeOpen(), Acad::eOnLockedLayer);
    EXPECT_FALSE(obj->isWriteEnabled());
    EXPECT_EQ(obj->upgradeOpen(), Acad::eOk);
    obj->close();
}

TEST_F(OpenRulesTest, NewObjectsAreTheirMakersUntilAdded) {
    AcDbLine* line = new AcDbLine;
    EXPECT_TRUE(line->isWriteEnabled());
    EXPECT_TRUE(line->isNewObject());
    EXPECT_TRUE(line->objectId().isNull());
    EXPECT_EQ(line->close(), Acad::eNotInDatabase);
    EXPECT_EQ(line->erase(), Acad::eNotInDatabase);
    delete line;
}

TEST_F(OpenRulesTest, EraseNeedsWriteAndKeepsTheId) {
    const AcDbObjectId id = addLine();
    AcDbObject* obj = nullptr;
    acdbOpenObject(obj, id, AcDb::kForRead);
    EXPECT_EQ(obj->erase(), Acad::eNotOpenForWrite);
    EXPECT_FALSE(id.isErased());
    obj->close();
    acdbOpenObject(obj, id, AcDb::kForWrite);
    EXPECT_EQ(obj->erase(), Acad::eOk);
    EXPECT_EQ(obj->erase(), Acad::eWasErased);
    obj->close();
    EXPECT_TRUE(id.isErased());
    EXPECT_TRUE(id.isValid());
}

#ifndef NDEBUG
TEST_F(OpenRulesTest, DeletingAResidentObjectIsCaught) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const AcDbObjectId id = addLine();
    EXPECT_DEATH(
        {
            AcDbObject* obj = nullptr;
            acdbOpenObject(obj, id, AcDb::kForRead);
            delete obj;
        },
        "deleted by its database only");
}
#endif

TEST_F(OpenRulesTest, SmartPointerClosesAtTheEndOfItsScope) {
    const AcDbObjectId id = addLine();
    {
        AcDbObjectPointer<AcDbLine> line(id, AcDb::kForWrite);
        ASSERT_EQ(line.openStatus(), Acad::eOk);
        line->setEndPoint(AcGePoint3d(5, 0, 0));
    }
    EXPECT_EQ(hxhost::openMode(id), AcDb::kNotOpen);
    AcDbObjectPointer<AcDbBlockReference> ref(id, AcDb::kForRead);
    EXPECT_EQ(ref.openStatus(), Acad::eNotThatKindOfClass);
    EXPECT_EQ(ref.object(), nullptr);
    EXPECT_EQ(ref.close(), Acad::eNullObjectPointer);
    AcDbObjectPointer<AcDbLine> reopen(id, AcDb::kForRead);
    EXPECT_EQ(reopen->endPoint(), AcGePoint3d(5, 0, 0));
}

} // namespace
