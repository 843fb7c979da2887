// The database and its blocks: appending entities, walking a block, entity
// properties, extents, highlighting and the revision count. copyFrom and
// isEqualTo across classes are pinned through tests/peers.
#include "DrawingFixture.h"

#include "acutads.h"

#include <vector>

using hxhost::Resource;

namespace {

class DatabaseTest : public DrawingTest {
protected:
    // The model space open for write (the caller closes it).
    AcDbBlockTableRecord* openModelSpace(AcDb::OpenMode mode = AcDb::kForWrite) {
        AcDbBlockTable* table = nullptr;
        AcDbBlockTableRecord* space = nullptr;
        if (db()->getBlockTable(table) == Acad::eOk) {
            table->getAt(ACDB_MODEL_SPACE, space, mode);
            table->close();
        }
        return space;
    }

    // Ids met by a block iterator over the model space.
    std::vector<AcDbObjectId> walk(bool skipDeleted) {
        AcDbBlockTableRecord* space = openModelSpace(AcDb::kForRead);
        AcDbBlockTableRecordIterator* it = nullptr;
        space->newIterator(it, true, skipDeleted);
        std::vector<AcDbObjectId> ids;
        for (; !it->done(); it->step(true, skipDeleted)) {
            AcDbObjectId id;
            it->getEntityId(id);
            ids.push_back(id);
        }
        delete it;
        space->close();
        return ids;
    }
};

TEST_F(DatabaseTest, AppendedEntitiesAreOpenForWriteAndOwned) {
    AcDbBlockTableRecord* space = openModelSpace();
    ASSERT_NE(space, nullptr);
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0));
    AcDbObjectId id;
    ASSERT_EQ(space->appendAcDbEntity(id, line), Acad::eOk);
    EXPECT_EQ(line->objectId(), id);
    EXPECT_EQ(line->blockId(), space->objectId());
    EXPECT_EQ(line->layerId(), db()->clayer()); // took the current layer
    EXPECT_TRUE(line->isNewObject());
    EXPECT_EQ(hxhost::openMode(id), AcDb::kForWrite);
    EXPECT_EQ(hxhost::outstanding(Resource::OpenObject), 2);
    line->close();
    EXPECT_FALSE(line->isNewObject());

    auto* other = new AcDbLine;
    EXPECT_EQ(space->appendAcDbEntity(nullptr), Acad::eNullEntityPointer);
    EXPECT_EQ(space->appendAcDbEntity(line), Acad::eAlreadyInDb);
    space->downgradeOpen();
    EXPECT_EQ(space->appendAcDbEntity(other), Acad::eNotOpenForWrite);
    space->close();
    EXPECT_TRUE(other->objectId().isNull());
    delete other;
    EXPECT_EQ(walk(true), std::vector<AcDbObjectId>{id});
}

TEST_F(DatabaseTest, BlockIteratorKeepsAppendOrder) {
    const AcDbObjectId a = addLine();
    const AcDbObjectId b = addLine();
    const AcDbObjectId c = addLine();
    eraseObject(b);
    EXPECT_EQ(walk(true), (std::vector<AcDbObjectId>{a, c}));
    EXPECT_EQ(walk(false), (std::vector<AcDbObjectId>{a, b, c}));

    AcDbBlockTableRecord* space = openModelSpace(AcDb::kForRead);
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(it->getEntity(ent, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(ent->objectId(), a);
    ent->close();
    hxhost::failNext(hxhost::kFaultOpen);
    EXPECT_EQ(it->getEntity(ent, AcDb::kForRead), Acad::eWasOpenForWrite);
    while (!it->done())
        it->step();
    EXPECT_EQ(it->getEntity(ent, AcDb::kForRead), Acad::eInvalidInput);
    delete it;
    space->close();
    EXPECT_EQ(space->newIterator(it), Acad::eNotOpenForRead);
}

TEST_F(DatabaseTest, EntityPropertiesNeedWriteAndCheckTheirValues) {
    const AcDbObjectId gas = hxhost::addLayer(L"Gas");
    const AcDbObjectId id = addLine();
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
    const AcDbLine source(AcGePoint3d(1, 1, 1), AcGePoint3d(2, 2, 2));
    EXPECT_EQ(line->setLayer(L"Gas"), Acad::eNotOpenForWrite);
    EXPECT_EQ(line->copyFrom(&source), Acad::eNotOpenForWrite);
    EXPECT_EQ(line->startPoint(), AcGePoint3d(0, 0, 0));
    line->upgradeOpen();
    EXPECT_EQ(line->setLayer(L"Nowhere"), Acad::eKeyNotFound);
    EXPECT_EQ(line->setLayer(id), Acad::eInvalidInput); // not a layer
    EXPECT_EQ(line->setColorIndex(258), Acad::eInvalidInput);
    EXPECT_EQ(line->copyFrom(nullptr), Acad::eNullObjectPointer);
    EXPECT_EQ(line->colorIndex(), 256);
    EXPECT_EQ(line->layerId(), db()->clayer());
    EXPECT_EQ(line->setLayer(L"GAS"), Acad::eOk);
    EXPECT_EQ(line->layerId(), gas);
    ACHAR* name = line->layer();
    EXPECT_STREQ(name, L"Gas");
    acutDelString(name);
    line->close();
}

TEST_F(DatabaseTest, ExtentsAndExplode) {
    AcDbLine line(AcGePoint3d(5, -1, 2), AcGePoint3d(1, 4, 0));
    AcDbExtents ext;
    ASSERT_EQ(line.getGeomExtents(ext), Acad::eOk);
    EXPECT_EQ(ext.minPoint(), AcGePoint3d(1, -1, 0));
    EXPECT_EQ(ext.maxPoint(), AcGePoint3d(5, 4, 2));
    AcDbExtents box;
    box.addExt(AcDbExtents()); // an empty box adds nothing
    EXPECT_TRUE(box.isEmpty());
    EXPECT_EQ(box.set(AcGePoint3d(1, 1, 1), AcGePoint3d(0, 2, 2)), Acad::eInvalidExtents);
    AcDbVoidPtrArray pieces;
    EXPECT_EQ(line.explode(pieces), Acad::eNotApplicable);
    EXPECT_TRUE(pieces.isEmpty());
}

// Highlighting through a transaction, and undoing it, is pinned through
// tests/graph; here the flag outlives a plain open and needs the object open.
TEST_F(DatabaseTest, HighlightOutlivesTheOpen) {
    const AcDbObjectId id = addLine();
    AcDbEntity* ent = nullptr;
    acdbOpenObject(ent, id, AcDb::kForRead);
    EXPECT_EQ(ent->highlight(), Acad::eOk);
    ent->close();
    EXPECT_TRUE(hxhost::isHighlighted(id));
    EXPECT_EQ(ent->unhighlight(), Acad::eNotOpenForRead); // closed: refused
    EXPECT_TRUE(hxhost::isHighlighted(id));
}

} // namespace

TEST_F(DatabaseTest, RevisionGrowsOnAddAndOnWriteCloseOnly) {
    using hxhost::databaseRevision;
    const unsigned long long start = databaseRevision();
    const AcDbObjectId id = addLine();
    const unsigned long long added = databaseRevision();
    EXPECT_GT(added, start);
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
    line->close();
    EXPECT_EQ(databaseRevision(), added) << "a read does not change the drawing";
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
    ASSERT_EQ(line->upgradeOpen(), Acad::eOk);
    ASSERT_EQ(line->downgradeOpen(), Acad::eOk);
    const unsigned long long downgraded = databaseRevision();
    EXPECT_GT(downgraded, added);
    line->close();
    EXPECT_EQ(databaseRevision(), downgraded);
    ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForWrite), Acad::eOk);
    line->close();
    EXPECT_GT(databaseRevision(), downgraded);
}

// The change log lists what was added or written, oldest first, and answers
// "unknown" once it no longer reaches back to the revision asked about.
TEST_F(DatabaseTest, ChangesSinceListsChangesUntilTheLogIsOutgrown) {
    using hxhost::changesSince;
    using hxhost::databaseRevision;
    const unsigned long long start = databaseRevision();
    const AcDbObjectId first = addLine();
    const AcDbObjectId second = addLine();
    const unsigned long long added = databaseRevision();
    AcDbLine* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, first, AcDb::kForWrite), Acad::eOk);
    line->close();
    std::vector<AcDbObjectId> changed;
    ASSERT_TRUE(changesSince(nullptr, added, changed));
    EXPECT_EQ(changed, std::vector<AcDbObjectId>({first}));
    changed.clear();
    ASSERT_TRUE(changesSince(nullptr, databaseRevision(), changed));
    EXPECT_TRUE(changed.empty()) << "nothing changed since now";
    ASSERT_TRUE(changesSince(nullptr, start, changed));
    ASSERT_GE(changed.size(), 3u); // the model space is written on each add
    EXPECT_EQ(changed.back(), first);
    EXPECT_FALSE(changesSince(nullptr, databaseRevision() + 1, changed)) << "a later revision";
    for (int i = 0; i < 40000; ++i) {
        ASSERT_EQ(acdbOpenObject(line, second, AcDb::kForWrite), Acad::eOk);
        line->close();
    }
    EXPECT_FALSE(changesSince(nullptr, added, changed)) << "the log no longer reaches back";
}
