// The gateway's out-of-line parts: finding objects by id, making objects
// resident, deleting them with their database.
#include "database/DbAccess.h"

#include "database/StubArena.h"
#include "hxhost/HostControl.h"

#include <cassert>

namespace hxhost {

AcDbObject* DbAccess::objectOf(AcDbObjectId id) {
    if (!StubArena::isLive(id.stub()))
        return nullptr;
    return id.stub()->object.get();
}

Acad::ErrorStatus DbAccess::makeResident(AcDbDatabase& db, AcDbObject& obj, AcDbObjectId owner,
                                         AcDbObjectId* id) {
    AcDbStub* stub = store(db).adopt(&obj);
    if (stub == nullptr)
        return Acad::eOutOfMemory;
    obj.m_stub = stub;
    obj.m_ownerId = owner;
    setOpen(obj, 0, true);
    acquired(Resource::OpenObject);
    if (id != nullptr)
        *id = AcDbObjectId(stub);
    return Acad::eOk;
}

AcDbObjectId DbAccess::adoptClosed(AcDbDatabase& db, AcDbObject* obj, AcDbObjectId owner) {
    AcDbStub* stub = store(db).adopt(obj);
    assert(stub != nullptr && "a new database has room for its own objects");
    obj->m_stub = stub;
    obj->m_ownerId = owner;
    obj->m_newObject = false;
    return AcDbObjectId(stub);
}

void DbAccess::destroyResident(AcDbStub& stub) {
    if (stub.object == nullptr)
        return;
    stub.object->m_stub = nullptr;
    stub.object.reset();
}

AcDbObjectId DbAccess::adoptAt(AcDbDatabase& db, AcDbObject* obj, AcDbObjectId owner,
                               const AcDbHandle& handle) {
    AcDbStub* stub = store(db).adoptAt(obj, handle);
    if (stub == nullptr)
        return AcDbObjectId();
    obj->m_stub = stub;
    obj->m_ownerId = owner;
    obj->m_newObject = false;
    return AcDbObjectId(stub);
}

void DbAccess::swapContents(AcDbDatabase& a, AcDbDatabase& b) {
    std::swap(a.m_store, b.m_store);
    std::swap(a.m_store->transactions, b.m_store->transactions);
    a.m_store->rebind(&a);
    b.m_store->rebind(&b);
}

XDataStore& DbAccess::xdata(AcDbObject& obj) {
    if (obj.m_xdata == nullptr)
        obj.m_xdata = std::make_unique<XDataStore>();
    return *obj.m_xdata;
}

} // namespace hxhost
