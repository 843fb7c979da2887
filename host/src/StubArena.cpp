// The stub arenas and the registry of live ones.
#include "StubArena.h"

#include <functional>
#include <map>
#include <new>

namespace hxhost {
namespace {

// Live arenas by the address of their first stub.
std::map<const AcDbStub*, const StubArena*, std::less<>>& registry() {
    static auto* s_registry = new std::map<const AcDbStub*, const StubArena*, std::less<>>;
    return *s_registry;
}

} // namespace

StubArena::StubArena()
    : m_stubs(static_cast<AcDbStub*>(::operator new(kCapacity * sizeof(AcDbStub)))) {
    registry()[m_stubs] = this;
}

StubArena::~StubArena() {
    registry().erase(m_stubs);
    while (m_size > 0)
        m_stubs[--m_size].~AcDbStub();
    ::operator delete(m_stubs);
}

AcDbStub* StubArena::make() {
    if (m_size == kCapacity)
        return nullptr;
    return new (&m_stubs[m_size++]) AcDbStub();
}

bool StubArena::isLive(const AcDbStub* stub) {
    if (stub == nullptr)
        return false;
    auto& arenas = registry();
    auto it = arenas.upper_bound(stub);
    if (it == arenas.begin())
        return false;
    --it;
    const StubArena& arena = *it->second;
    const auto offset =
        reinterpret_cast<std::uintptr_t>(stub) - reinterpret_cast<std::uintptr_t>(arena.m_stubs);
    return offset % sizeof(AcDbStub) == 0 && offset / sizeof(AcDbStub) < arena.m_size;
}

} // namespace hxhost
