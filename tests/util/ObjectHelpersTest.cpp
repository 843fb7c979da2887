// Erasing by id and filtering id lists by class.
#include "UtilDrawingTest.h"

#include "HxWtDbObject.h"

namespace {

class ObjectHelpersTest : public UtilDrawingTest {};

TEST_F(ObjectHelpersTest, ErasesWhatOpensForWrite) {
    const AcDbObjectId line = addLine();
    EXPECT_EQ(HxWtEraseObject(line), 1);
    EXPECT_TRUE(line.isErased());
    EXPECT_EQ(HxWtEraseObject(line), 0); // already erased
    EXPECT_EQ(HxWtEraseObject(AcDbObjectId()), 0);

    const AcDbObjectId held = addLine();
    AcDbObject* reader = nullptr;
    ASSERT_EQ(acdbOpenObject(reader, held, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(HxWtEraseObject(held), 0);
    reader->close();
    EXPECT_FALSE(held.isErased());
}

TEST_F(ObjectHelpersTest, FiltersByClassAndKeepsWhatDoesNotOpen) {
    const AcDbObjectId pipe = hxhost::addToModelSpace(new HxDbWtPipe({0, 0, 0}, {1, 0, 0}));
    const AcDbObjectId well = hxhost::addToModelSpace(new HxDbWtWell({0, 0, 0}));
    const AcDbObjectId erasedPipe = hxhost::addToModelSpace(new HxDbWtPipe({2, 0, 0}, {3, 0, 0}));
    const AcDbObjectId line = addLine();
    eraseObject(erasedPipe);
    const struct {
        const char* name;
        const AcRxClass* cls;
        std::vector<AcDbObjectId> kept;
    } cases[] = {
        {"pipes", HxDbWtPipe::desc(), {pipe, erasedPipe, pipe}},
        {"product entities (a base class)", HxDbEntity::desc(), {pipe, well, erasedPipe, pipe}},
        {"any entity", AcDbEntity::desc(), {pipe, well, erasedPipe, line, pipe}},
        {"wells", HxDbWtWell::desc(), {well, erasedPipe}},
        {"no class", nullptr, {erasedPipe}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HxList<AcDbObjectId> ids;
        for (AcDbObjectId id : {pipe, well, erasedPipe, line, pipe})
            ids.Append(id);
        EntityListFilter(ids, c.cls);
        std::vector<AcDbObjectId> kept;
        for (ids.First(); !ids.IsEnd(); ids.Next())
            kept.push_back(ids.Current());
        EXPECT_EQ(kept, c.kept);
    }
}

} // namespace
