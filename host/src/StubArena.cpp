// The stub arenas and the registry of their live chunks.
#include "StubArena.h"

#include <functional>
#include <map>
#include <new>

namespace hxhost {
namespace {

struct ChunkOwner {
    const StubArena* arena;
    std::size_t first; // index of the chunk's first stub in its arena
};

// Live chunks by the address of their first stub.
std::map<const AcDbStub*, ChunkOwner, std::less<>>& registry() {
    static auto* s_registry = new std::map<const AcDbStub*, ChunkOwner, std::less<>>;
    return *s_registry;
}

} // namespace

StubArena::~StubArena() {
    while (m_size > 0) {
        --m_size;
        at(m_size).~AcDbStub();
    }
    for (AcDbStub* chunk : m_chunks) {
        registry().erase(chunk);
        ::operator delete(chunk);
    }
}

AcDbStub* StubArena::make() {
    if (m_size == m_chunks.size() * kChunk) {
        auto* chunk =
            static_cast<AcDbStub*>(::operator new(kChunk * sizeof(AcDbStub), std::nothrow));
        if (chunk == nullptr)
            return nullptr;
        m_chunks.push_back(chunk);
        registry()[chunk] = ChunkOwner{this, m_size};
    }
    AcDbStub* slot = &at(m_size);
    ++m_size;
    return new (slot) AcDbStub();
}

bool StubArena::isLive(const AcDbStub* stub) {
    if (stub == nullptr)
        return false;
    auto& chunks = registry();
    auto it = chunks.upper_bound(stub);
    if (it == chunks.begin())
        return false;
    --it;
    const auto offset =
        reinterpret_cast<std::uintptr_t>(stub) - reinterpret_cast<std::uintptr_t>(it->first);
    if (offset % sizeof(AcDbStub) != 0 || offset / sizeof(AcDbStub) >= kChunk)
        return false;
    return it->second.first + offset / sizeof(AcDbStub) < it->second.arena->size();
}

} // namespace hxhost
