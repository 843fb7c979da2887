// Fixture of the drawing-data utility tests: a fresh current drawing (the test
// main resets drawings after every test), lines to hang data on, and direct
// views of an object's xdata that bypass the functions under test.
#pragma once

#include "HostTest.h"

#include <string>

#include "HxWtUtility.h"
#include "hxhost/Drawing.h"

class UtilDrawingTest : public HostTest {
protected:
    static AcDbDatabase* db() { return acdbHostApplicationServices()->workingDatabase(); }

    static AcDbObjectId addLine(AcGePoint3d from = {0, 0, 0}, AcGePoint3d to = {1, 0, 0}) {
        return hxhost::addToModelSpace(new AcDbLine(from, to));
    }

    static bool isRegistered(const wchar_t* app) {
        resbuf* found = acdbTblSearch(L"APPID", app, 0);
        acutRelRb(found);
        return found != nullptr;
    }

    static void eraseObject(AcDbObjectId id) {
        AcDbObject* obj = nullptr;
        ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForWrite), Acad::eOk);
        EXPECT_EQ(obj->erase(), Acad::eOk);
        obj->close();
    }

    // Opens id for write, hands it the chain (released here), closes it.
    static Acad::ErrorStatus storeChain(AcDbObjectId id, resbuf* chain) {
        AcDbObject* obj = nullptr;
        Acad::ErrorStatus es = acdbOpenObject(obj, id, AcDb::kForWrite);
        if (es == Acad::eOk) {
            es = obj->setXData(chain);
            obj->close();
        }
        acutRelRb(chain);
        return es;
    }

    // The xdata of app (null: all) as "code:text" items, 1004 chunks as
    // "1004/length", joined by spaces; empty when there is none.
    static std::wstring dumpXdata(AcDbObjectId id, const wchar_t* app = nullptr) {
        AcDbObject* obj = nullptr;
        if (acdbOpenObject(obj, id, AcDb::kForRead) != Acad::eOk)
            return L"<not open>";
        resbuf* chain = obj->xData(app);
        obj->close();
        std::wstring text;
        for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
            text += text.empty() ? L"" : L" ";
            text += std::to_wstring(rb->restype);
            if (rb->restype == 1004)
                text += L"/" + std::to_wstring(rb->resval.rbinary.clen);
            else if (acdbGroupCodeToType(rb->restype) == AcDb::kDwgText ||
                     acdbGroupCodeToType(rb->restype) == AcDb::kDwgHandle)
                text += std::wstring(L":") + rb->resval.rstring;
        }
        acutRelRb(chain);
        return text;
    }
};
