// StubArena: the stubs of one database, made in chunks that never move, so a
// stub (and the id that names it) stays at one address for the database's
// life. Within a chunk, address order is creation order.
//
// Cost: one chunk of kChunk stubs (about a MiB) is allocated when the previous one
// is full; there is no limit on the number of objects.
//
// A process-wide registry of live chunks lets ids be checked without touching
// freed memory: isLive() tells whether a pointer is a made stub of a live
// arena. Chunks start on kChunkAlign boundaries, so a pointer names its
// chunk by masking, and the registry finds the chunk in a small hash table:
// the check costs a few instructions and one or two cache lines whatever the
// number of chunks.
#pragma once

#include "database/DbStub.h"

#include <cstddef>
#include <vector>

namespace hxhost {

class StubArena {
public:
    static constexpr std::size_t kChunk = std::size_t(1) << 15;
    static constexpr std::size_t kChunkAlign = std::size_t(1) << 21;
    static_assert(kChunk * sizeof(AcDbStub) <= kChunkAlign, "a chunk fits its alignment");

    StubArena() = default;
    // Destroys every stub (and so every object), newest first.
    ~StubArena();
    StubArena(const StubArena&) = delete;
    StubArena& operator=(const StubArena&) = delete;

    // A new stub; null only when memory runs out.
    AcDbStub* make();
    std::size_t size() const { return m_size; }
    AcDbStub& at(std::size_t i) const { return m_chunks[i / kChunk][i % kChunk]; }

    // True when stub is a made stub of a live arena.
    static bool isLive(const AcDbStub* stub);

private:
    std::vector<AcDbStub*> m_chunks;
    std::size_t m_size = 0;
};

} // namespace hxhost
