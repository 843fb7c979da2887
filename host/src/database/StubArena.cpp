// The stub arenas and the registry of their live chunks.
#include "database/StubArena.h"

#include <algorithm>
#include <new>
#include <vector>

namespace hxhost {
namespace {

struct ChunkOwner {
    const AcDbStub* chunk; // the chunk's first stub
    const StubArena* arena;
    std::size_t first; // index of the chunk's first stub in its arena
};

// Live chunks, ascending by address: a short array that a lookup searches
// without leaving a few cache lines.
std::vector<ChunkOwner>& registry() {
    static auto* s_registry = new std::vector<ChunkOwner>;
    return *s_registry;
}

std::vector<ChunkOwner>::iterator firstAbove(const AcDbStub* stub) {
    auto& chunks = registry();
    return std::upper_bound(chunks.begin(), chunks.end(), stub,
                            [](const AcDbStub* p, const ChunkOwner& c) { return p < c.chunk; });
}

} // namespace

StubArena::~StubArena() {
    while (m_size > 0) {
        --m_size;
        at(m_size).~AcDbStub();
    }
    for (AcDbStub* chunk : m_chunks) {
        auto it = firstAbove(chunk);
        if (it != registry().begin() && (--it)->chunk == chunk)
            registry().erase(it);
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
        registry().insert(firstAbove(chunk), ChunkOwner{chunk, this, m_size});
    }
    AcDbStub* slot = &at(m_size);
    ++m_size;
    return new (slot) AcDbStub();
}

bool StubArena::isLive(const AcDbStub* stub) {
    if (stub == nullptr)
        return false;
    auto it = firstAbove(stub);
    if (it == registry().begin())
        return false;
    --it;
    const auto offset =
        reinterpret_cast<std::uintptr_t>(stub) - reinterpret_cast<std::uintptr_t>(it->chunk);
    if (offset % sizeof(AcDbStub) != 0 || offset / sizeof(AcDbStub) >= kChunk)
        return false;
    return it->first + offset / sizeof(AcDbStub) < it->arena->size();
}

} // namespace hxhost
