// What a pipe's ends meet (HxDbPipeEntity::GetConnectEnt): the rules, their
// tolerance boundaries, the order of the result and the class filter.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"

#include <vector>

namespace {

const double kTol = HxGeTolerance();

class PipeConnect : public HostTest {
protected:
    // What GetConnectEnt of the pipe gives with the class filter.
    std::vector<AcDbObjectId> connected(AcDbObjectId pipeId, const AcRxClass* cls = nullptr) {
        HxDbObjectIdList out;
        HxDbPipeEntity* pipe = nullptr;
        EXPECT_EQ(acdbOpenObject(pipe, pipeId, AcDb::kForRead), Acad::eOk);
        if (pipe == nullptr)
            return {};
        pipe->GetConnectEnt(out, cls);
        pipe->close();
        std::vector<AcDbObjectId> ids;
        for (out.First(); !out.IsEnd(); out.Next())
            ids.push_back(out.Current());
        return ids;
    }

    NetworkBuilder net;
};

struct MeetCase {
    const char* name;
    double offset; // plan offset of the other entity from the pipe's end
    bool meets;
};

const MeetCase kBoundary[] = {
    {"exact", 0.0, true},
    {"half the tolerance", 0.5 * kTol, true},
    {"at the tolerance", kTol, true},
    {"twice the tolerance", 2 * kTol, false},
    {"far", 1.0, false},
};

TEST_F(PipeConnect, PipeEndsMeetWithinTolerance) {
    for (const MeetCase& c : kBoundary) {
        // The ends meet at the origin, where offsets are exact.
        const AcDbObjectId a = net.pipe(-10, 0, 0, 0);
        const AcDbObjectId b = net.pipe(c.offset, 0, 10, 0);
        EXPECT_EQ(connected(a).size(), c.meets ? 1u : 0u) << c.name;
        EXPECT_EQ(connected(b).size(), c.meets ? 1u : 0u) << c.name << " (other side)";
        hxhost::resetDrawings();
    }
}

TEST_F(PipeConnect, WellMeetsInPlanWhateverItsHeight) {
    for (const MeetCase& c : kBoundary) {
        const AcDbObjectId pipe = net.pipe(-10, 0, 0, 0);
        const AcDbObjectId well = net.well(0, c.offset, -3.5);
        const std::vector<AcDbObjectId> expected =
            c.meets ? std::vector<AcDbObjectId>{well} : std::vector<AcDbObjectId>{};
        EXPECT_EQ(connected(pipe), expected) << c.name;
        hxhost::resetDrawings();
    }
}

TEST_F(PipeConnect, WellMeetsOnlyAtItsLocationNotItsCircle) {
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    net.well(10.4, 0, 0, 2.0); // the circle holds the end, the location does not
    EXPECT_TRUE(connected(pipe).empty());
}

TEST_F(PipeConnect, EquipmentMeetsWhenItsBoxHoldsTheEnd) {
    for (const MeetCase& c : kBoundary) {
        const AcDbObjectId pipe = net.pipe(-10, 0, 0, 0);
        // The box's left edge lies `offset` beyond the pipe's end.
        net.equipment(c.offset, -1, 2, 1);
        EXPECT_EQ(connected(pipe).size(), c.meets ? 1u : 0u) << c.name;
        hxhost::resetDrawings();
    }
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    const AcDbObjectId inside = net.equipment(8, -1, 12, 1);
    EXPECT_EQ(connected(pipe), std::vector<AcDbObjectId>{inside});
}

TEST_F(PipeConnect, StartThenEndEachInDrawingOrder) {
    const AcDbObjectId atEnd1 = net.well(10, 0);
    const AcDbObjectId pipe = net.pipe(0, 0, 10, 0);
    const AcDbObjectId atStart1 = net.pipe(0, 0, 0, 5);
    const AcDbObjectId atEnd2 = net.pipe(10, 0, 10, 5);
    const AcDbObjectId atStart2 = net.well(0, 0);
    const AcDbObjectId atEnd3 = net.pipe(20, 0, 10, 0);
    net.pipe(3, 3, 4, 4); // meets nothing
    const std::vector<AcDbObjectId> expected{atStart1, atStart2, atEnd1, atEnd2, atEnd3};
    EXPECT_EQ(connected(pipe), expected);
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
        std::vector<AcDbObjectId> expected;
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

TEST_F(PipeConnect, EntityAtBothEndsListedOnce) {
    const AcDbObjectId pipe = net.pipe(0, 0, 2, 0);
    const AcDbObjectId box = net.equipment(-1, -1, 3, 1);
    EXPECT_EQ(connected(pipe), std::vector<AcDbObjectId>{box});
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
}

TEST_F(PipeConnect, PipeOutsideADatabaseMeetsNothing) {
    net.well(0, 0);
    HxDbWtPipe loose(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    HxDbObjectIdList out;
    loose.GetConnectEnt(out, nullptr);
    EXPECT_EQ(out.Count(), 0);
}

} // namespace
