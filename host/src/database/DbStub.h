// AcDbStub: the database's record of one resident object. Ids point at stubs,
// so a stub lives as long as its database (in the database's StubArena),
// also after its object was erased. The stub owns the object.
#pragma once

#include "dbid.h"
#include "dbmain.h"

#include <memory>

class AcDbStub {
public:
    AcDbDatabase* database = nullptr;
    AcDbHandle handle;
    std::unique_ptr<AcDbObject> object;
    AcRxClass* cls = nullptr; // the object's class, kept here so ids answer it without a visit
    bool erased = false;
};
