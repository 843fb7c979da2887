// Object identifiers and handles of the drawing database.
//
// AcDbObjectId names one object of one database through that database's stub,
// which lives as long as the database does: an id stays valid (and comparable)
// after its object is erased. Ids order by the stub's address, as the host's do.
// AcDbHandle is the 64-bit persistent name of an object, written as hex text.
#pragma once

#include "adesk.h"
#include "acadstrc.h"
#include <cstddef>
#include <functional>

class AcDbStub;
class AcRxClass;
class AcDbDatabase;


class AcDbHandle {
public:
    AcDbHandle() = default;
    AcDbHandle(Adesk::UInt64 value) : m_value(value) {}
    // Parses hex text (at most 16 digits); anything else gives the null handle.
    explicit AcDbHandle(const ACHAR* hexText);
    explicit AcDbHandle(const char* hexText);

    bool isNull() const { return m_value == 0; }
    void setNull() { m_value = 0; }
    Adesk::UInt64 value() const { return m_value; }
    // Writes the handle as upper-case hex without leading zeros ("0" when null).
    // The buffer holds at least 17 characters.
    void getIntoAsciiBuffer(ACHAR* buffer) const;
    void getIntoAsciiBuffer(ACHAR* buffer, size_t length) const;
    AcDbHandle& operator++() {
        ++m_value;
        return *this;
    }
    bool operator==(const AcDbHandle& o) const { return m_value == o.m_value; }
    bool operator!=(const AcDbHandle& o) const { return m_value != o.m_value; }
    bool operator<(const AcDbHandle& o) const { return m_value < o.m_value; }

private:
    Adesk::UInt64 m_value = 0;
};

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(AcDbStub* stub) : m_stub(stub) {}

    static const AcDbObjectId kNull;

    bool isNull() const { return m_stub == nullptr; }
    void setNull() { m_stub = nullptr; }
    // True when the id names an object of a live database.
    bool isValid() const;
    // True when the object was erased (false for the null id).
    bool isErased() const;
    AcDbDatabase* database() const;
    // The class of the object the id names, without opening it (null for the
    // null id or an id of no live database).
    AcRxClass* objectClass() const;
    AcDbHandle handle() const;
    Adesk::IntDbId asOldId() const { return static_cast<Adesk::IntDbId>(reinterpret_cast<std::uintptr_t>(m_stub)); }
    AcDbStub* stub() const { return m_stub; }

    bool operator==(const AcDbObjectId& o) const { return m_stub == o.m_stub; }
    bool operator!=(const AcDbObjectId& o) const { return m_stub != o.m_stub; }
    bool operator<(const AcDbObjectId& o) const { return key() < o.key(); }
    bool operator>(const AcDbObjectId& o) const { return key() > o.key(); }
    bool operator<=(const AcDbObjectId& o) const { return key() <= o.key(); }
    bool operator>=(const AcDbObjectId& o) const { return key() >= o.key(); }
    bool operator!() const { return isNull(); }

private:
    std::uintptr_t key() const { return reinterpret_cast<std::uintptr_t>(m_stub); }
    AcDbStub* m_stub = nullptr;
};

namespace std {
template <> struct hash<AcDbObjectId> {
    size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<const void*>()(id.stub());
    }
};
} // namespace std
