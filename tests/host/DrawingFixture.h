// Fixture of the drawing-database tests: a fresh current drawing (the test
// main resets drawings after every test) and shorthands for making entities.
#pragma once

#include "HostTest.h"

#include "acdocman.h"
#include "dbapserv.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "dbtrans.h"
#include "hxhost/Drawing.h"

class DrawingTest : public HostTest {
protected:
    AcDbDatabase* db() const { return acdbHostApplicationServices()->workingDatabase(); }

    // A closed line in model space of the working database.
    static AcDbObjectId addLine(AcGePoint3d from = {0, 0, 0}, AcGePoint3d to = {1, 0, 0}) {
        return hxhost::addToModelSpace(new AcDbLine(from, to));
    }

    // The id of a record of the working database's table, or null.
    template <class Table> AcDbObjectId recordId(const ACHAR* name) {
        Table* table = nullptr;
        AcDbObjectId id;
        if (db()->getSymbolTable(table, AcDb::kForRead) == Acad::eOk) {
            table->getIdAt(name, id);
            table->close();
        }
        return id;
    }

    // Erases the object of id (opened for write and closed).
    static void eraseObject(AcDbObjectId id) {
        AcDbObject* obj = nullptr;
        ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForWrite), Acad::eOk);
        ASSERT_EQ(obj->erase(), Acad::eOk);
        obj->close();
    }
};
