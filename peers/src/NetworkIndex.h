// NetworkIndex: the network entities of one drawing's model space, read once
// and hashed by plan position, answering "what is connected to this entity"
// in constant time per connection. Internal to the stand-in modules.
//
// Built in one pass over the model space (every product entity opened for
// read once, then closed; nothing stays open). When the drawing is the
// working one, the pass also gathers every entity's extents for the extents
// index. Pipe ends and well/pool locations go into a spatial hash of cells 64
// tolerances wide, so a point lookup nearly always probes one cell (at most
// four); equipment boxes go into a coarser grid whose cells are as large as
// the largest box. Every entity's connections are worked out once, while the
// index is built, and kept in compressed rows, so a query copies a row.
// Cost: O(n log n) time and O(n + c) memory for n model-space entities and c
// connections; no all-pairs comparison. The index is a snapshot: later
// changes to the drawing are not seen; current() keeps it over changes that
// leave every network entity where and what it was (a flag written, say).
#pragma once

#include "CellTable.h"
#include "HxIdTable.h"
#include "NetEntity.h"
#include "NetTopology.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace hxpeers {

class NetworkIndex {
public:
    // Reads db's model space (nothing when db is null or it does not open).
    // The storage of `spare` (may be null), an index nobody reads any more,
    // is taken over and spare left empty.
    explicit NetworkIndex(AcDbDatabase* db, NetworkIndex* spare = nullptr);

    // The index of db as it stands now: the one built at the last call when
    // the host's revision of the drawing has not moved since, else a new one.
    static std::shared_ptr<const NetworkIndex> current(AcDbDatabase* db);
    // True when db, indexed at revision `since`, has changed since only in
    // what the index does not hold: every object changed since describes as
    // the index holds it (same class, kind and points), or takes no part in
    // it (not a network entity of the model space) now as then.
    bool keepsChangesSince(AcDbDatabase* db, unsigned long long since) const;

    int size() const { return static_cast<int>(m_ents.size()); }
    // The entity at a position (0 <= pos < size()), positions in drawing order.
    const NetEntity& at(int pos) const { return m_ents[static_cast<size_t>(pos)]; }
    // The position of id, or -1 when it is not a product entity of the model
    // space.
    int find(const AcDbObjectId& id) const;

    // The positions connected to the entity at pos, in record order: for a
    // pipe what meets its start, then what meets its end (each end in drawing
    // order, every position once); for a well, pool or equipment the pipes
    // with an end on it, in drawing order. Entities of kind Other have none.
    void connections(int pos, std::vector<int>& out) const;
    // The same positions in place: [first(pos), last(pos)).
    const int* first(int pos) const { return m_links.to.data() + m_links.start[size_t(pos)]; }
    const int* last(int pos) const { return m_links.to.data() + m_links.start[size_t(pos) + 1]; }
    // Hints that connections(pos) is about to be asked: starts loading its
    // row into the cache. Changes nothing.
    void prefetch(int pos) const;

private:
    void reuseStorage(NetworkIndex& spare);
    void buildPositions();
    // Whether obj, changed, still indexes as it did.
    bool keeps(const AcDbObject& obj, bool inModelSpace) const;
    // Equipment position -> the pipes with an end in its box, ascending.
    using BoxPipes = std::unordered_map<int, std::vector<int>>;
    // Fills the cell tables and works out every entity's connections.
    void buildHashes();
    BoxPipes pipesInBoxes() const;
    void buildLinks(const BoxPipes& boxPipes);
    // How many entries the entity puts into the point cell table.
    static int pointEntries(const NetEntity& e);
    // The connections of the entity at pos, from the cell tables; `entry`
    // is the number of its first entry in the point table.
    void probe(int pos, std::size_t entry, const BoxPipes& boxPipes, std::vector<int>& out) const;
    // Appends the positions meeting a pipe end at p (the point table's
    // entry `entry`), the pipe `self` excluded, ascending and each once.
    void atPipeEnd(const AcGePoint3d& p, int self, std::size_t entry, std::vector<int>& out) const;
    // Positions of pipes with an end on the well or pool at pos (the point
    // table's entry `entry`), ascending.
    void pipesAtPoint(int pos, std::size_t entry, std::vector<int>& out) const;

    std::vector<NetEntity> m_ents;
    HxIdTable m_position;
    CellTable m_points;
    CellTable m_boxes;
    NetLinks m_links;                 // by position
    std::vector<AcDbObjectId> m_walk; // room for the model-space walk's ids
};

} // namespace hxpeers
