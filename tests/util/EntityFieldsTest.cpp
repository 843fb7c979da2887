// Named fields of the product's entities: by id and on an open entity, the
// presence test, and ids that do not open as product entities.
#include "UtilDrawingTest.h"

#include "HxWtDbObject.h"

namespace {

class EntityFieldsTest : public UtilDrawingTest {
protected:
    void SetUp() override {
        m_well = hxhost::addToModelSpace(new HxDbWtWell(AcGePoint3d(1, 2, 0)));
        m_line = addLine();
    }
    AcDbObjectId m_well;
    AcDbObjectId m_line;
};

TEST_F(EntityFieldsTest, WritesReadsAndTellsWhetherAFieldHasText) {
    ASSERT_EQ(HxWtSetEntityFields(m_well, L"Full", L"\u6C34\u5382"), 1);
    ASSERT_EQ(HxWtSetEntityFields(m_well, L"Blank", L""), 1);
    CString value;
    EXPECT_EQ(HxWtGetEntityFields(m_well, L"Full", value), 1);
    EXPECT_EQ(value, L"\u6C34\u5382");
    // An absent field leaves the value as it was.
    EXPECT_EQ(HxWtGetEntityFields(m_well, L"Missing", value), 1);
    EXPECT_EQ(value, L"\u6C34\u5382");
    const struct {
        AcDbObjectId id;
        const wchar_t* name;
        int has;
    } cases[] = {
        {m_well, L"Full", 1}, {m_well, L"Blank", 0},        {m_well, L"Never", 0},
        {m_line, L"Full", 0}, {AcDbObjectId(), L"Full", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HxWtEntityIsHaveFields(c.id, c.name), c.has) << c.name;
}

TEST_F(EntityFieldsTest, RefusesIdsThatDoNotOpenAsProductEntitiesForWrite) {
    ASSERT_EQ(HxWtSetEntityFields(m_well, L"Name", L"W1"), 1);
    AcDbObjectId erasedWell = hxhost::addToModelSpace(new HxDbWtWell(AcGePoint3d(9, 9, 0)));
    eraseObject(erasedWell);
    HxDbEntity* reader = nullptr;
    ASSERT_EQ(acdbOpenObject(reader, m_well, AcDb::kForRead), Acad::eOk);
    const struct {
        const char* name;
        AcDbObjectId id;
    } cases[] = {
        {"a line", m_line},
        {"an erased well", erasedWell},
        {"a null id", AcDbObjectId()},
        {"a well open for read elsewhere", m_well}, // the getter opens for write too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CString value = L"as it was";
        EXPECT_EQ(HxWtGetEntityFields(c.id, L"Name", value), 0);
        EXPECT_EQ(value, L"as it was");
        EXPECT_EQ(HxWtSetEntityFields(c.id, L"Name", L"changed"), 0);
    }
    reader->close();
    CString value;
    HxWtGetEntityFields(m_well, L"Name", value);
    EXPECT_EQ(value, L"W1");
}

TEST_F(EntityFieldsTest, ObjectFormsWorkOnTheCallersEntity) {
    HxDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, m_well, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(HxWtSetEntityFields(entity, L"Index", L"7"), 1);
    CString value;
    EXPECT_EQ(HxWtGetEntityFields(entity, L"Index", value), 1);
    EXPECT_EQ(HxWtEntityIsHaveFields(entity, L"Index"), 1);
    EXPECT_EQ(HxWtEntityIsHaveFields(entity, L"Never"), 0);
    EXPECT_EQ(hxhost::openMode(m_well), AcDb::kForWrite);
    entity->close();
    EXPECT_EQ(value, L"7");
    EXPECT_EQ(HxWtEntityIsHaveFields(m_well, L"Index"), 1);
}

} // namespace
