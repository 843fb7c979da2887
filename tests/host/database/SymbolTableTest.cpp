// Symbol tables: the default drawing's records, lookup by name, adding and
// renaming records, iteration, and the table-open fault.
#include "DrawingFixture.h"

#include <string>
#include <vector>

using hxhost::Resource;

namespace {

class SymbolTableTest : public DrawingTest {
protected:
    // Names of a table's records in iteration order.
    template <class Table> std::vector<std::wstring> names() {
        Table* table = nullptr;
        std::vector<std::wstring> out;
        if (db()->getSymbolTable(table, AcDb::kForRead) != Acad::eOk)
            return out;
        AcDbSymbolTableIterator* it = nullptr;
        table->newIterator(it);
        for (; !it->done(); it->step()) {
            AcDbSymbolTableRecord* rec = nullptr;
            if (it->getRecord(rec, AcDb::kForRead) != Acad::eOk)
                continue;
            const ACHAR* name = nullptr;
            rec->getName(name);
            out.push_back(name);
            rec->close();
        }
        delete it;
        table->close();
        return out;
    }
};

using Names = std::vector<std::wstring>;

TEST_F(SymbolTableTest, DefaultDrawingRecords) {
    EXPECT_EQ(names<AcDbBlockTable>(), (Names{L"*Model_Space", L"*Paper_Space"}));
    EXPECT_EQ(names<AcDbLayerTable>(), (Names{L"0"}));
    EXPECT_EQ(names<AcDbRegAppTable>(), (Names{L"ACAD"}));
    EXPECT_EQ(db()->clayer(), recordId<AcDbLayerTable>(L"0"));

    AcDbDatabase bare(false);
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(bare.getBlockTable(table), Acad::eOk);
    EXPECT_FALSE(table->has(ACDB_MODEL_SPACE));
    table->close();
    EXPECT_TRUE(bare.clayer().isNull());
}

TEST_F(SymbolTableTest, LookupIgnoresAsciiCase) {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db()->getBlockTable(table), Acad::eOk);
    const struct {
        const ACHAR* name;
        bool found;
    } cases[] = {
        {L"*MODEL_SPACE", true}, {L"*model_space", true}, {L"*Model_Spac", false}, {L"", false}};
    for (const auto& c : cases) {
        AcDbObjectId id;
        EXPECT_EQ(table->getIdAt(c.name, id) == Acad::eOk, c.found);
        EXPECT_EQ(table->has(c.name), c.found);
        EXPECT_EQ(id.isNull(), !c.found); // untouched when not found
    }
    AcDbObjectId id;
    EXPECT_EQ(table->getIdAt(nullptr, id), Acad::eInvalidInput);
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(table->getAt(L"nothing", space, AcDb::kForRead), Acad::eKeyNotFound);
    EXPECT_EQ(space, nullptr);
    ASSERT_EQ(table->getAt(L"*paper_space", space, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(space->ownerId(), table->objectId());
    space->close();
    table->close();
    EXPECT_FALSE(table->has(L"*Model_Space")); // closed: answers nothing
    EXPECT_EQ(table->getIdAt(L"*Model_Space", id), Acad::eNotOpenForRead);
}

TEST_F(SymbolTableTest, AddingRecords) {
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(db()->getLayerTable(table, AcDb::kForRead), Acad::eOk);
    auto* rec = new AcDbLayerTableRecord;
    rec->setName(L"Water");
    EXPECT_EQ(table->add(rec), Acad::eNotOpenForWrite);
    ASSERT_EQ(table->upgradeOpen(), Acad::eOk);

    AcDbObjectId id;
    ASSERT_EQ(table->add(id, rec), Acad::eOk);
    EXPECT_EQ(hxhost::openMode(id), AcDb::kForWrite); // left open for the caller
    EXPECT_EQ(rec->ownerId(), table->objectId());
    auto* unnamed = new AcDbLayerTableRecord;
    auto* duplicate = new AcDbLayerTableRecord;
    duplicate->setName(L"WATER");
    const int before = hxhost::objectCount();
    EXPECT_EQ(table->add(nullptr), Acad::eNullObjectPointer);
    EXPECT_EQ(table->add(rec), Acad::eAlreadyInDb);
    EXPECT_EQ(table->add(unnamed), Acad::eInvalidSymbolTableName);
    EXPECT_EQ(table->add(duplicate), Acad::eDuplicateRecordName);
    EXPECT_EQ(hxhost::objectCount(), before);
    rec->close();
    delete unnamed;
    delete duplicate;

    table->close();
    EXPECT_EQ(names<AcDbLayerTable>(), (Names{L"0", L"Water"}));
}

TEST_F(SymbolTableTest, RenamingRecords) {
    const AcDbObjectId water = hxhost::addLayer(L"Water");
    hxhost::addLayer(L"Gas");
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, water, AcDb::kForWrite), Acad::eOk);
    auto* rec = AcDbLayerTableRecord::cast(obj);
    const struct {
        const ACHAR* name;
        Acad::ErrorStatus expected;
    } cases[] = {{nullptr, Acad::eInvalidSymbolTableName},
                 {L"a<b", Acad::eInvalidSymbolTableName},
                 {L"gas", Acad::eDuplicateRecordName},
                 {L"WATER", Acad::eOk},
                 {L"给水", Acad::eOk}};
    for (const auto& c : cases)
        EXPECT_EQ(rec->setName(c.name), c.expected);
    rec->close();
    EXPECT_EQ(recordId<AcDbLayerTable>(L"给水"), water);
}

TEST_F(SymbolTableTest, ErasedRecordsAreFoundOnlyWhenAsked) {
    const AcDbObjectId old = hxhost::addLayer(L"Old");
    eraseObject(old);
    EXPECT_TRUE(recordId<AcDbLayerTable>(L"Old").isNull());
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(db()->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
    EXPECT_FALSE(table->has(L"Old"));
    AcDbObjectId id;
    EXPECT_EQ(table->getIdAt(L"Old", id, true), Acad::eOk);
    EXPECT_EQ(id, old);
    AcDbLayerTableRecord* rec = nullptr;
    EXPECT_EQ(table->getAt(L"Old", rec, AcDb::kForRead), Acad::eKeyNotFound);
    ASSERT_EQ(table->getAt(L"Old", rec, AcDb::kForRead, true), Acad::eOk);
    EXPECT_TRUE(rec->isErased());
    rec->close();
    // The erased name may be taken again.
    auto* again = new AcDbLayerTableRecord;
    again->setName(L"old");
    ASSERT_EQ(table->add(id, again), Acad::eOk);
    again->close();
    table->close();
    EXPECT_EQ(names<AcDbLayerTable>(), (Names{L"0", L"old"}));
}

TEST_F(SymbolTableTest, IteratorGivesNothingWhenDoneAndNeedsAnOpenTable) {
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(db()->getLayerTable(table), Acad::eOk);
    AcDbSymbolTableIterator* it = nullptr;
    ASSERT_EQ(table->newIterator(it), Acad::eOk);
    while (!it->done())
        it->step();
    AcDbObjectId id;
    EXPECT_EQ(it->getRecordId(id), Acad::eInvalidInput);
    AcDbSymbolTableRecord* rec = nullptr;
    EXPECT_EQ(it->getRecord(rec, AcDb::kForRead), Acad::eInvalidInput);
    it->start();
    it->getRecordId(id);
    EXPECT_EQ(id, db()->clayer());
    delete it;
    table->close();
    EXPECT_EQ(table->newIterator(it), Acad::eNotOpenForRead);
    EXPECT_EQ(it, nullptr);
}

TEST_F(SymbolTableTest, TableOpenFault) {
    hxhost::failNext(hxhost::kFaultSymbolTable);
    AcDbRegAppTable* table = reinterpret_cast<AcDbRegAppTable*>(0x1);
    EXPECT_EQ(db()->getRegAppTable(table), Acad::eWasOpenForWrite);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(hxhost::outstanding(Resource::OpenObject), 0);
    // The table-open fault does not count against acdbOpenObject's, nor the
    // reverse.
    hxhost::failNext(hxhost::kFaultOpen);
    ASSERT_EQ(db()->getRegAppTable(table), Acad::eOk);
    AcDbRegAppTableRecord* acad = nullptr;
    EXPECT_EQ(table->getAt(L"ACAD", acad, AcDb::kForRead), Acad::eWasOpenForWrite);
    ASSERT_EQ(table->getAt(L"ACAD", acad, AcDb::kForRead), Acad::eOk);
    acad->close();
    table->close();
}

} // namespace
