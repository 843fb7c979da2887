// Fixture of the elevation tests: loading samples without a drawing (through
// the utility's test access), and making tagged annotations in a drawing.
#pragma once

#include "HostTest.h"

#include "HxAecDbObject.h"
#include "HxWtUtility.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "hxhost/Drawing.h"

#include <algorithm>
#include <vector>

// The utility's test access: its samples, and its private steps.
class HxWtPointElevUtilityTestAccess {
public:
    static AcArray<AcGePoint3d>& samples(HxWtPointElevUtility& u) { return u.m_samples; }
    static void find3(HxWtPointElevUtility& u, const AcGePoint3d& pt, AcGePoint3d& p1,
                      AcGePoint3d& p2, AcGePoint3d& p3) {
        u.Find3Point(pt, p1, p2, p3);
    }
    static int isNumber(HxWtPointElevUtility& u, const wchar_t* text) { return u.IsNumber(text); }
};

class ElevTest : public HostTest {
protected:
    using Access = HxWtPointElevUtilityTestAccess;

    // A utility (built on the empty current drawing) holding these samples.
    static HxWtPointElevUtility withSamples(const std::vector<AcGePoint3d>& pts) {
        HxWtPointElevUtility u;
        for (const AcGePoint3d& p : pts)
            Access::samples(u).append(p);
        return u;
    }

    static double level(HxWtPointElevUtility& u, double x, double y, double z = 0.0) {
        double e = -1.0;
        EXPECT_EQ(u.GetPointElevation(AcGePoint3d(x, y, z), e), 1);
        return e;
    }

    // Tags the entity with xdata of the elevation application and adds it
    // to model space.
    static AcDbObjectId addTagged(AcDbEntity* ent, bool tagged = true) {
        if (tagged) {
            acdbRegApp(L"HxSZ_BGWZ");
            resbuf* xd = acutBuildList(1001, L"HxSZ_BGWZ", 1000, L"1", 0);
            ent->setXData(xd);
            acutRelRb(xd);
        }
        return hxhost::addToModelSpace(ent);
    }

    static AcDbObjectId addText(double x, double y, const wchar_t* text, bool tagged = true) {
        return addTagged(new AcDbText(AcGePoint3d(x, y, 7.0), text), tagged);
    }

    static AcDbObjectId addMText(double x, double y, const wchar_t* contents) {
        auto* m = new AcDbMText;
        m->setLocation(AcGePoint3d(x, y, 0));
        m->setContents(contents);
        return addTagged(m);
    }

    // A block reference with one attribute per text.
    static AcDbObjectId addBlock(double x, double y, std::vector<const wchar_t*> texts) {
        AcDbObjectId id = addTagged(new AcDbBlockReference(AcGePoint3d(x, y, 0), AcDbObjectId()));
        AcDbBlockReference* ref = nullptr;
        EXPECT_EQ(acdbOpenObject(ref, id, AcDb::kForWrite), Acad::eOk);
        for (const wchar_t* t : texts) {
            auto* att = new AcDbAttribute(AcGePoint3d(x + 1, y + 1, 0), t, L"ELEV");
            ref->appendAttribute(att);
            att->close();
        }
        ref->close();
        return id;
    }

    // Exact equality of two point lists.
    static bool samePoints(const std::vector<AcGePoint3d>& a, const std::vector<AcGePoint3d>& b) {
        const auto same = [](const AcGePoint3d& p, const AcGePoint3d& q) {
            return p.x == q.x && p.y == q.y && p.z == q.z;
        };
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), same);
    }

    static std::vector<AcGePoint3d> samplesOf(HxWtPointElevUtility& u) {
        std::vector<AcGePoint3d> out;
        for (int i = 0; i < Access::samples(u).length(); ++i)
            out.push_back(Access::samples(u)[i]);
        return out;
    }
};
