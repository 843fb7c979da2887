// The base platform's drawing queries: entities hit by their plan extents,
// release of exploded pieces, and the drawing's unit.
#include "HostTest.h"
#include "HxList.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"
#include "dbents.h"

#include <vector>

namespace {

class PlatformQuery : public HostTest {
protected:
    // The hits appended to a list that already holds a null id.
    std::vector<AcDbObjectId> hitsAt(double x, double y, AcDbObjectId skip = AcDbObjectId()) {
        HxList<AcDbObjectId> hits;
        hits.Append(AcDbObjectId());
        const int added = HxReactors::HitEntByExtent2d(HxGePoint(x, y, 100.0), skip, hits);
        EXPECT_EQ(added + 1, hits.Count());
        std::vector<AcDbObjectId> ids;
        for (hits.GoTo(1); !hits.IsEnd(); hits.Next())
            ids.push_back(hits.Current());
        return ids;
    }
    NetworkBuilder net;
};

TEST_F(PlatformQuery, HitsEveryEntityWhoseExtentsHoldThePoint) {
    const AcDbObjectId box = net.equipment(0, 0, 10, 10);
    const AcDbObjectId well = net.well(5, 5, 0, 2.0);
    const AcDbObjectId line =
        hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 5, 0), AcGePoint3d(10, 5, 0)));
    net.pool(50, 50);
    using Ids = std::vector<AcDbObjectId>;
    EXPECT_EQ(hitsAt(5, 5), (Ids{box, well, line}));
    EXPECT_EQ(hitsAt(5.9, 5.9), (Ids{box, well})); // in the well's box, off the line
    EXPECT_EQ(hitsAt(10, 10), Ids{box});           // on the box's corner
    EXPECT_TRUE(hitsAt(10.1, 10).empty());
    EXPECT_EQ(hitsAt(5, 5, well), (Ids{box, line}));
}

// A graph's walk of the drawing gathers the extents for the next hit test;
// they serve it only while the drawing stands as it was walked.
TEST_F(PlatformQuery, HitsAfterAGraphFollowTheDrawing) {
    const AcDbObjectId pipe = net.pipe(0, 5, 10, 5);
    const AcDbObjectId box = net.equipment(10, 0, 20, 10);
    const AcDbObjectId line =
        hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 10, 0)));
    const AcDbObjectId gone = net.well(0, 5);
    using Ids = std::vector<AcDbObjectId>;
    HxDbPipeGraph first;
    ASSERT_TRUE(first.CreateRelateGraph(pipe));
    EXPECT_EQ(hitsAt(0, 5), (Ids{pipe, line, gone}));
    EXPECT_EQ(hitsAt(10, 5), (Ids{pipe, box}));
    AcDbObject* obj = nullptr;
    ASSERT_EQ(acdbOpenObject(obj, gone, AcDb::kForWrite), Acad::eOk);
    obj->erase();
    obj->close();
    HxDbPipeGraph second;
    ASSERT_TRUE(second.CreateRelateGraph(pipe));
    EXPECT_EQ(hitsAt(0, 5), (Ids{pipe, line}));
    // Changed between the graph and the hit test: the drawing is walked again.
    const AcDbObjectId added =
        hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 5, 0), AcGePoint3d(5, 5, 0)));
    HxDbPipeGraph third;
    ASSERT_TRUE(third.CreateRelateGraph(pipe));
    const AcDbObjectId late =
        hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 4, 0), AcGePoint3d(0, 6, 0)));
    EXPECT_EQ(hitsAt(0, 5), (Ids{pipe, line, added, late}));
}

TEST_F(PlatformQuery, ReleaseEntSetDeletesAndEmpties) {
    AcDbVoidPtrArray pieces;
    pieces.append(new AcDbLine(AcGePoint3d(), AcGePoint3d(1, 0, 0)));
    pieces.append(nullptr);
    pieces.append(new HxDbWtWell(AcGePoint3d()));
    ReleaseEntSet(pieces);
    EXPECT_EQ(pieces.length(), 0);
    ReleaseEntSet(pieces);
}

TEST_F(PlatformQuery, DrawUnitKeptPerDrawing) {
    AcDbDatabase side;
    EXPECT_EQ(HxDbGetDrawUnit(nullptr), 0);
    EXPECT_EQ(HxDbGetDrawUnit(&side), 0);
    HxDbSetDrawUnit(&side, 1);
    EXPECT_EQ(HxDbGetDrawUnit(&side), 1);
    EXPECT_EQ(side.insunits(), AcDb::kUnitsMeters);
    EXPECT_EQ(HxDbGetDrawUnit(nullptr), 0);
    HxDbSetDrawUnit(nullptr, 7);
    EXPECT_EQ(HxDbGetDrawUnit(nullptr), 1);
    HxDbSetDrawUnit(&side, 0);
    EXPECT_EQ(side.insunits(), AcDb::kUnitsMillimeters);
    side.setInsunits(AcDb::kUnitsCentimeters);
    EXPECT_EQ(HxDbGetDrawUnit(&side), 0);
}

} // namespace
