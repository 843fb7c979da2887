// What a pipe's ends meet (HxDbPipeEntity::GetConnectEnt): the rules, their
// tolerance boundaries, the order of the result and the class filter.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

const double kTol = HxGeTolerance();
using Ids = std::vector<AcDbObjectId>;

class PipeConnect : public HostTest {
protected:
    // What GetConnectEnt of the pipe gives with the class filter.
    Ids connected(AcDbObjectId pipeId, const AcRxClass* cls = nullptr) {
        HxDbObjectIdList out;
        HxDbPipeEntity* pipe = nullptr;
        EXPECT_EQ(acdbOpenObject(pipe, pipeId, AcDb::kForRead), Acad::eOk);
        if (pipe == nullptr)
            return {};
        pipe->GetConnectEnt(out, cls);
        pipe->close();
        Ids ids;
        for (out.First(); !out.IsEnd(); out.Next())
            ids.push_back(out.Current());
        return ids;
    }

    NetworkBuilder net;
};

// A pipe ends at the origin; the other entity lies `offset` away in plan: a
// pipe's start, a well's location (at another height) or a box's left edge.
TEST_F(PipeConnect, EndsMeetWithinTheTolerance) {
    const struct {
        const char* name;
        double offset;
        bool meets;
    } cases[] = {{"exact", 0.0, true},
                 {"half the tolerance", 0.5 * kTol, true},
                 {"at the tolerance", kTol, true},
                 {"twice the tolerance", 2 * kTol, false},
                 {"far", 1.0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AcDbObjectId pipe = net.pipe(-10, 0, 0, 0);
        const AcDbObjectId other[] = {net.pipe(c.offset, 0, 10, 0), net.well(0, c.offset, -3.5),
                                      net.equipment(c.offset, -1, 2, 1)};
        const Ids expected = c.meets ? Ids(std::begin(other), std::end(other)) : Ids{};
        EXPECT_EQ(connected(pipe), expected);
        const Ids back = connected(other[0]);
        EXPECT_EQ(std::count(back.begin(), back.end(), pipe), c.meets ? 1 : 0) << "other pipe";
        hxhost::resetDrawings();
    }
}

TEST_F(PipeConnect, WellMeetsAtItsLocationAndABoxAnywhereInside) {
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    net.well(10.4, 0, 0, 2.0); // the circle holds the end, the location does not
    EXPECT_TRUE(connected(pipe).empty());
    const AcDbObjectId inside = net.equipment(8, -1, 12, 1);
    EXPECT_EQ(connected(pipe), Ids{inside});
    // An entity at both ends is listed once.
    const AcDbObjectId shortPipe = net.pipe(-3, 5, -1, 5);
    const AcDbObjectId box = net.equipment(-4, 4, 0, 6);
    EXPECT_EQ(connected(shortPipe), Ids{box});
}

TEST_F(PipeConnect, StartThenEndEachInDrawingOrder) {
    const AcDbObjectId atEnd1 = net.well(10, 0);
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    const AcDbObjectId atStart1 = net.pipe(0, 0, 0, 5);
    const AcDbObjectId atEnd2 = net.pipe(10, 0, 10, 5);
    const AcDbObjectId atStart2 = net.well(0, 0);
    const AcDbObjectId atEnd3 = net.pipe(20, 0, 10, 0);
    net.pipe(3, 3, 4, 4); // meets nothing
    EXPECT_EQ(connected(pipe), (Ids{atStart1, atStart2, atEnd1, atEnd2, atEnd3}));
}

TEST_F(PipeConnect, ClassFilterAcceptsDerivedClasses) {
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    const AcDbObjectId w1 = net.well(0, 0);
    const AcDbObjectId p2 = net.pipe(10, 0, 20, 0);
    const AcDbObjectId w2 = net.well(10, 0);
    const AcDbObjectId box = net.equipment(9, -1, 11, 1);
    const struct {
        const char* name;
        const AcRxClass* cls;
        Ids expected;
    } cases[] = {
        {"wells", HxDbWtWell::desc(), {w1, w2}},
        {"pipes by the generic class", HxDbPipeEntity::desc(), {p2}},
        {"pipes by the exact class", HxDbWtPipe::desc(), {p2}},
        {"equipment", HxDbWtEquipment::desc(), {box}},
        {"pools", HxDbWtPool::desc(), {}},
        {"every product entity", HxDbEntity::desc(), {w1, p2, w2, box}},
        {"no filter", nullptr, {w1, p2, w2, box}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(connected(pipe, c.cls), c.expected) << c.name;
}

TEST_F(PipeConnect, ErasedEntitiesAndOtherDrawingsAreIgnored) {
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    const AcDbObjectId gone = net.well(10, 0);
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, gone, AcDb::kForWrite), Acad::eOk);
    obj->erase();
    obj->close();
    AcDbDatabase side;
    NetworkBuilder(&side).well(0, 0);
    EXPECT_TRUE(connected(pipe).empty());
    // A pipe outside any database meets nothing.
    HxDbWtPipe loose(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    HxDbObjectIdList out;
    loose.GetConnectEnt(out, nullptr);
    EXPECT_EQ(out.Count(), 0);
}

} // namespace
