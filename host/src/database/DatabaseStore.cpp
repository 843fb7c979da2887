// The database's object store: adoption of objects, the handle index, teardown.
#include "database/DatabaseStore.h"

#include "database/DbAccess.h"

#include <algorithm>

namespace hxhost {

DatabaseStore::DatabaseStore(AcDbDatabase* db)
    : transactions(std::make_unique<AcTransactionManager>()), m_db(db) {}

DatabaseStore::~DatabaseStore() {
    transactions.reset();
    for (std::size_t i = m_stubs.size(); i > 0; --i)
        DbAccess::destroyResident(m_stubs.at(i - 1));
}

std::uint64_t DatabaseStore::nextRevision() {
    static std::uint64_t s_last = 0;
    return ++s_last;
}

AcDbStub* DatabaseStore::adopt(AcDbObject* obj) {
    AcDbStub* stub = m_stubs.make();
    if (stub == nullptr)
        return nullptr;
    stub->database = m_db;
    stub->handle = seed;
    ++seed;
    stub->object.reset(obj);
    stub->cls = obj != nullptr ? obj->isA() : nullptr;
    m_byHandle[stub->handle.value()] = stub;
    noteChange(stub);
    return stub;
}

AcDbStub* DatabaseStore::adoptAt(AcDbObject* obj, const AcDbHandle& handle) {
    if (handle.isNull())
        return nullptr;
    // One lookup both tests the handle and claims its slot.
    const auto [slot, fresh] = m_byHandle.try_emplace(handle.value(), nullptr);
    if (!fresh)
        return nullptr;
    AcDbStub* stub = m_stubs.make();
    if (stub == nullptr) {
        m_byHandle.erase(slot);
        return nullptr;
    }
    stub->database = m_db;
    stub->handle = handle;
    stub->object.reset(obj);
    stub->cls = obj != nullptr ? obj->isA() : nullptr;
    slot->second = stub;
    if (!(handle < seed))
        seed = AcDbHandle(handle.value() + 1);
    noteChange(stub);
    return stub;
}

bool DatabaseStore::rehandle(AcDbStub* stub, const AcDbHandle& handle) {
    const AcDbStub* holder = find(handle);
    if (stub == nullptr || handle.isNull() || (holder != nullptr && holder != stub))
        return false;
    m_byHandle.erase(stub->handle.value());
    stub->handle = handle;
    m_byHandle[handle.value()] = stub;
    if (!(handle < seed))
        seed = AcDbHandle(handle.value() + 1);
    return true;
}

void DatabaseStore::rebind(AcDbDatabase* db) {
    m_db = db;
    for (std::size_t i = 0; i < m_stubs.size(); ++i)
        m_stubs.at(i).database = db;
    forgetChanges();
}

void DatabaseStore::noteChange(AcDbStub* stub) {
    revision = nextRevision();
    if (m_changes.size() >= 2 * kLogKeep) {
        const auto dropped = m_changes.end() - static_cast<std::ptrdiff_t>(kLogKeep);
        m_logBase = (dropped - 1)->revision;
        m_changes.erase(m_changes.begin(), dropped);
    }
    m_changes.push_back(Change{revision, stub});
}

void DatabaseStore::forgetChanges() {
    revision = nextRevision();
    m_changes.clear();
    m_logBase = revision;
}

bool DatabaseStore::changesSince(std::uint64_t since, std::vector<AcDbObjectId>& out) const {
    if (since < m_logBase || since > revision)
        return false;
    const auto after =
        std::upper_bound(m_changes.begin(), m_changes.end(), since,
                         [](std::uint64_t r, const Change& change) { return r < change.revision; });
    for (auto it = after; it != m_changes.end(); ++it)
        out.push_back(AcDbObjectId(it->stub));
    return true;
}

AcDbStub* DatabaseStore::find(const AcDbHandle& handle) const {
    auto it = m_byHandle.find(handle.value());
    return it == m_byHandle.end() ? nullptr : it->second;
}

void DatabaseStore::reserve(std::size_t objects) {
    m_byHandle.reserve(m_byHandle.size() + objects);
}

std::size_t DatabaseStore::objectCount(bool includeErased) const {
    std::size_t n = 0;
    for (std::size_t i = 0; i < m_stubs.size(); ++i) {
        if (includeErased || !m_stubs.at(i).erased)
            ++n;
    }
    return n;
}

} // namespace hxhost

namespace hxhost {

bool DatabaseStore::anyOpen() const {
    for (std::size_t i = 0; i < m_stubs.size(); ++i) {
        const AcDbObject* obj = m_stubs.at(i).object.get();
        if (obj != nullptr && (DbAccess::writer(*obj) || DbAccess::readers(*obj) > 0))
            return true;
    }
    return false;
}

} // namespace hxhost
