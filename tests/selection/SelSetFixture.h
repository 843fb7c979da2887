// Fixture of the selection wrapper tests: a fresh drawing with three lines
// and shorthands for the scripted editor's record.
#pragma once

#include "HostTest.h"

#include "HxWtUtility.h"
#include "hxhost/Drawing.h"
#include "hxhost/Editor.h"

#include <string>

class SelSetTest : public HostTest {
protected:
    void SetUp() override {
        a = hxhost::addToModelSpace(new AcDbLine({0, 0, 0}, {1, 1, 0}));
        b = hxhost::addToModelSpace(new AcDbLine({5, 5, 0}, {6, 6, 0}));
        c = hxhost::addToModelSpace(new AcDbLine({0, 0, 0}, {10, 0, 0}));
    }

    static std::wstring lastMode() { return hxhost::lastSelectionMode(); }
    static int requests() { return static_cast<int>(hxhost::selectionRequests().size()); }

    AcDbObjectId a, b, c;
};
