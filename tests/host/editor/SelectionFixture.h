// Fixture of the selection tests: a fresh drawing, lines to select, and a
// helper that runs acedSSGet and returns the members (freeing the set).
#pragma once

#include "DrawingFixture.h"

#include "acedads.h"
#include "acutads.h"
#include "hxhost/Editor.h"
#include "hxhost/Session.h"

#include <array>

#include <vector>

class SelectionTest : public DrawingTest {
protected:
    struct Result {
        int rc = RTERROR;
        std::vector<AcDbObjectId> ids;
    };

    // Runs acedSSGet; on RTNORM lists the members and frees the set.
    static Result select(const ACHAR* mode, const void* pt1 = nullptr, const void* pt2 = nullptr,
                         const resbuf* filter = nullptr) {
        Result r;
        ads_name ss = {0, 0};
        r.rc = acedSSGet(mode, pt1, pt2, filter, ss);
        if (r.rc != RTNORM)
            return r;
        Adesk::Int32 n = 0;
        acedSSLength(ss, &n);
        for (Adesk::Int32 i = 0; i < n; ++i) {
            ads_name ent;
            AcDbObjectId id;
            acedSSName(ss, i, ent);
            acdbGetObjectId(id, ent);
            r.ids.push_back(id);
        }
        acedSSFree(ss);
        return r;
    }

    // Lines a (0,0)-(1,1), b (5,5)-(6,6), c (0,0)-(10,0) crossing both boxes.
    void drawThree() {
        a = addLine({0, 0, 0}, {1, 1, 0});
        b = addLine({5, 5, 0}, {6, 6, 0});
        c = addLine({0, 0, 0}, {10, 0, 0});
    }

    // Tags an entity with xdata of app (registered first).
    static void tag(AcDbObjectId id, const ACHAR* app) {
        acdbRegApp(app);
        resbuf* xd = acutBuildList(1001, app, 1000, L"x", 0);
        AcDbObject* obj = nullptr;
        ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(obj->setXData(xd), Acad::eOk);
        obj->close();
        acutRelRb(xd);
    }

    AcDbObjectId a, b, c;
};
