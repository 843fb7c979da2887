// StubArena: the stubs of one database, in one block of address room reserved
// up front, so that stubs never move and their address order is their creation
// order (ids of a database order by creation, as the host's do).
//
// Cost: the block reserves kCapacity stubs of address room per database; the
// memory is touched only as stubs are made. When the room is used up, make()
// fails and the database refuses further objects.
//
// A process-wide registry of live arenas lets ids be checked without touching
// freed memory: isLive() tells whether a pointer is a made stub of a live
// arena.
#pragma once

#include "DbStub.h"

#include <cstddef>

namespace hxhost {

class StubArena {
public:
    static constexpr std::size_t kCapacity = std::size_t(1) << 19;

    StubArena();
    // Destroys every stub (and so every object), newest first.
    ~StubArena();
    StubArena(const StubArena&) = delete;
    StubArena& operator=(const StubArena&) = delete;

    // A new stub after every earlier one; null when the room is used up.
    AcDbStub* make();
    std::size_t size() const { return m_size; }
    AcDbStub& at(std::size_t i) const { return m_stubs[i]; }

    // True when stub is a made stub of a live arena.
    static bool isLive(const AcDbStub* stub);

private:
    AcDbStub* m_stubs = nullptr;
    std::size_t m_size = 0;
};

} // namespace hxhost
