// Fixture of the pipe check tests: pipes in the current drawing (the test main
// resets drawings after every test) and conversions between id lists and
// vectors.
#pragma once

#include "HostTest.h"

#include <vector>

#include "HxWtDbObject.h"
#include "HxWtUtility.h"
#include "hxhost/Drawing.h"

class PipeDrawingTest : public HostTest {
protected:
    static AcDbObjectId addPipe(AcGePoint3d start, AcGePoint3d end) {
        return hxhost::addToModelSpace(new HxDbWtPipe(start, end));
    }
    static AcDbObjectId addLine() {
        return hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    }
    static void erase(AcDbObjectId id) {
        AcDbObject* obj = nullptr;
        ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(obj->erase(), Acad::eOk);
        obj->close();
    }
    static void fill(HxDbObjectIdList& list, const std::vector<AcDbObjectId>& ids) {
        list.RemoveAll();
        for (AcDbObjectId id : ids)
            list.Append(id);
    }
    static std::vector<AcDbObjectId> items(HxDbObjectIdList& list) {
        std::vector<AcDbObjectId> ids;
        for (list.First(); !list.IsEnd(); list.Next())
            ids.push_back(list.Current());
        return ids;
    }
};
