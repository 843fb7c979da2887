// Block reference names and block definitions by name.
#include "UtilDrawingTest.h"

namespace {

class BlockReferenceTest : public UtilDrawingTest {
protected:
    void SetUp() override {
        m_block = addBlock(L"\u9600\u95E8Valve");
        m_ref = hxhost::addToModelSpace(new AcDbBlockReference(AcGePoint3d(1, 1, 0), m_block));
    }
    // Adds an empty block definition of that name.
    static AcDbObjectId addBlock(const wchar_t* name) {
        AcDbBlockTable* table = nullptr;
        AcDbObjectId id;
        EXPECT_EQ(db()->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* record = new AcDbBlockTableRecord;
        EXPECT_EQ(record->setName(name), Acad::eOk);
        EXPECT_EQ(table->add(id, record), Acad::eOk);
        record->close();
        table->close();
        return id;
    }
    AcDbObjectId m_block;
    AcDbObjectId m_ref;
};

TEST_F(BlockReferenceTest, NamesTheBlockAReferenceShows) {
    EXPECT_EQ(HxWtGetBlockReferenceName(m_ref), L"\u9600\u95E8Valve");
    const AcDbObjectId line = addLine();
    const AcDbObjectId erasedBlock = addBlock(L"Gone");
    const AcDbObjectId refToGone =
        hxhost::addToModelSpace(new AcDbBlockReference(AcGePoint3d(), erasedBlock));
    eraseObject(erasedBlock);
    const struct {
        const char* name;
        AcDbObjectId id;
    } empties[] = {
        {"a line", line},
        {"a null id", AcDbObjectId()},
        {"the block itself", m_block},
        {"a reference to an erased block", refToGone},
        {"a reference to no block", hxhost::addToModelSpace(new AcDbBlockReference())},
    };
    for (const auto& c : empties)
        EXPECT_EQ(HxWtGetBlockReferenceName(c.id), L"") << c.name;
}

TEST_F(BlockReferenceTest, FindsBlockDefinitionsByName) {
    AcDbObjectId modelSpace;
    {
        AcDbBlockTable* table = nullptr;
        ASSERT_EQ(db()->getBlockTable(table), Acad::eOk);
        table->getIdAt(L"*Model_Space", modelSpace);
        table->close();
    }
    const AcDbObjectId sentinel = addLine();
    const struct {
        const wchar_t* name;
        int found;
        AcDbObjectId expected;
    } cases[] = {
        {L"*Model_Space", 1, modelSpace},
        {L"\u9600\u95E8valve", 1, m_block}, // names compare without ASCII case
        {L"NoSuchBlock", 0, sentinel},
        {L"", 0, sentinel},
    };
    for (const auto& c : cases) {
        AcDbObjectId id = sentinel;
        EXPECT_EQ(HxWtGetBlockReferenceId(c.name, id), c.found) << c.name;
        EXPECT_EQ(id, c.expected) << c.name;
    }
}

TEST_F(BlockReferenceTest, FailsWhenTheTableOrRecordDoesNotOpen) {
    AcDbObjectId id;
    hxhost::failNext(hxhost::kFaultSymbolTable);
    EXPECT_EQ(HxWtGetBlockReferenceId(L"*Model_Space", id), 0);
    hxhost::failNext(hxhost::kFaultOpen); // the record
    EXPECT_EQ(HxWtGetBlockReferenceId(L"*Model_Space", id), 0);
    EXPECT_TRUE(id.isNull());
    hxhost::failNext(hxhost::kFaultOpen, 1, 1); // the block behind the reference
    EXPECT_EQ(HxWtGetBlockReferenceName(m_ref), L"");
}

} // namespace
