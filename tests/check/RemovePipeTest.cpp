// RemovePipe: only the pipes that open for write are erased; the list stays.
#include "PipeDrawingTest.h"

namespace {

class RemovePipeTest : public PipeDrawingTest {};

TEST_F(RemovePipeTest, ErasesOnlyPipesThatOpenForWrite) {
    const AcDbObjectId a = addPipe({0, 0, 0}, {1, 0, 0});
    const AcDbObjectId b = addPipe({0, 1, 0}, {1, 1, 0});
    const AcDbObjectId held = addPipe({0, 2, 0}, {1, 2, 0});
    const AcDbObjectId gone = addPipe({0, 3, 0}, {1, 3, 0});
    const AcDbObjectId line = addLine();
    erase(gone);
    AcDbObject* reader = nullptr;
    ASSERT_EQ(acdbOpenObject(reader, held, AcDb::kForRead), Acad::eOk);

    const std::vector<AcDbObjectId> ids = {a, line, gone, AcDbObjectId(), held, b, a};
    HxDbObjectIdList pipes;
    fill(pipes, ids);
    RemovePipe(pipes);
    reader->close();

    EXPECT_EQ(items(pipes), ids);
    const struct {
        const char* name;
        AcDbObjectId id;
        bool erased;
    } cases[] = {
        {"pipe", a, true},     {"second pipe", b, true},      {"line", line, false},
        {"held", held, false}, {"erased before", gone, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.id.isErased(), c.erased) << c.name;
}

TEST_F(RemovePipeTest, SkipsPipesThatTheHostRefuses) {
    const AcDbObjectId a = addPipe({0, 0, 0}, {1, 0, 0});
    const AcDbObjectId b = addPipe({0, 1, 0}, {1, 1, 0});
    HxDbObjectIdList pipes;
    fill(pipes, {a, b});
    hxhost::failNext(hxhost::kFaultOpen);
    RemovePipe(pipes);
    EXPECT_FALSE(a.isErased());
    EXPECT_TRUE(b.isErased());
}

} // namespace
