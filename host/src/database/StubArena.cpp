// The stub arenas and the registry of their live chunks.
#include "database/StubArena.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

namespace hxhost {
namespace {

struct ChunkOwner {
    const AcDbStub* chunk = nullptr; // the chunk's first stub; null in a free slot
    const StubArena* arena = nullptr;
    std::size_t first = 0; // index of the chunk's first stub in its arena
    // Every stub of the chunk is made: true for all but an arena's newest
    // chunk, so most checks need not read the arena's size.
    bool full = false;
};

// The live chunks: the list they are kept in and a hash table over it (open
// addressing, at most a quarter full) rebuilt whenever a chunk comes or goes,
// which is once per kChunk stubs.
class ChunkRegistry {
public:
    const ChunkOwner* find(const AcDbStub* chunk) const {
        for (std::size_t at = home(chunk);; at = (at + 1) & m_mask) {
            const ChunkOwner& slot = m_table[at];
            if (slot.chunk == chunk)
                return &slot;
            if (slot.chunk == nullptr)
                return nullptr;
        }
    }

    // A new chunk of an arena: the arena's earlier chunks are full.
    void add(const ChunkOwner& owner) {
        for (ChunkOwner& c : m_live)
            c.full = c.full || c.arena == owner.arena;
        m_live.push_back(owner);
        rebuild();
    }

    // The arena's stubs are about to be destroyed, newest first: its size
    // decides again for every chunk.
    void unfill(const StubArena* arena) {
        for (ChunkOwner& c : m_live)
            c.full = c.full && c.arena != arena;
        rebuild();
    }

    void removeArena(const StubArena* arena) {
        m_live.erase(std::remove_if(m_live.begin(), m_live.end(),
                                    [&](const ChunkOwner& c) { return c.arena == arena; }),
                     m_live.end());
        rebuild();
    }

private:
    std::size_t home(const AcDbStub* chunk) const {
        const std::uint64_t key = reinterpret_cast<std::uintptr_t>(chunk) / StubArena::kChunkAlign;
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 40) & m_mask;
    }

    void rebuild() {
        std::size_t size = 16;
        while (size < 4 * m_live.size())
            size *= 2;
        m_table.assign(size, ChunkOwner());
        m_mask = size - 1;
        for (const ChunkOwner& owner : m_live) {
            std::size_t at = home(owner.chunk);
            while (m_table[at].chunk != nullptr)
                at = (at + 1) & m_mask;
            m_table[at] = owner;
        }
    }

    std::vector<ChunkOwner> m_live;
    std::vector<ChunkOwner> m_table = std::vector<ChunkOwner>(16);
    std::size_t m_mask = 15;
};

ChunkRegistry& registry() {
    static auto* s_registry = new ChunkRegistry;
    return *s_registry;
}

} // namespace

StubArena::~StubArena() {
    if (!m_chunks.empty())
        registry().unfill(this);
    while (m_size > 0) {
        --m_size;
        at(m_size).~AcDbStub();
    }
    if (!m_chunks.empty())
        registry().removeArena(this);
    for (AcDbStub* chunk : m_chunks)
        ::operator delete(chunk, std::align_val_t(kChunkAlign));
}

AcDbStub* StubArena::make() {
    if (m_size == m_chunks.size() * kChunk) {
        auto* chunk = static_cast<AcDbStub*>(
            ::operator new(kChunk * sizeof(AcDbStub), std::align_val_t(kChunkAlign), std::nothrow));
        if (chunk == nullptr)
            return nullptr;
        m_chunks.push_back(chunk);
        registry().add(ChunkOwner{chunk, this, m_size});
    }
    AcDbStub* slot = &at(m_size);
    ++m_size;
    return new (slot) AcDbStub();
}

bool StubArena::isLive(const AcDbStub* stub) {
    const auto address = reinterpret_cast<std::uintptr_t>(stub);
    const std::uintptr_t offset = address % kChunkAlign;
    if (address < kChunkAlign || offset % sizeof(AcDbStub) != 0 ||
        offset / sizeof(AcDbStub) >= kChunk)
        return false; // null, or not where a stub can start
    const ChunkOwner* owner = registry().find(reinterpret_cast<const AcDbStub*>(address - offset));
    if (owner == nullptr)
        return false;
    return owner->full || owner->first + offset / sizeof(AcDbStub) < owner->arena->size();
}

} // namespace hxhost
