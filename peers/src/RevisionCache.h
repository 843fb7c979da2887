// RevisionCache: keeps one index built over a drawing and builds it again only
// when the drawing changed in a way the index sees. Internal to the stand-in
// modules.
#pragma once

#include "dbmain.h"
#include "hxhost/Drawing.h"

#include <memory>

namespace hxpeers {

// The Index (constructible from an AcDbDatabase* and a spare Index*) of db
// as it stands now: the one built at an earlier call for the same drawing
// when the host's revision of it has not moved since, or when
// Index::keepsChangesSince(db, revision) finds every object changed since
// indexing as it did; else a new one. One cache per Index type, holding the
// drawing last asked about. The index being replaced is handed to the new one
// as spare storage when nobody else holds it any more, so that the two are
// not alive together and the new one fills memory already in use.
template <class Index> std::shared_ptr<const Index> currentIndex(AcDbDatabase* db) {
    struct Cache {
        const AcDbDatabase* db = nullptr;
        unsigned long long revision = 0;
        std::shared_ptr<Index> index;
    };
    static Cache s_cache;
    const unsigned long long revision = hxhost::databaseRevision(db);
    if (s_cache.index && s_cache.db == db && s_cache.revision != revision &&
        s_cache.index->keepsChangesSince(db, s_cache.revision))
        s_cache.revision = revision;
    if (!s_cache.index || s_cache.db != db || s_cache.revision != revision) {
        std::shared_ptr<Index> old = std::move(s_cache.index);
        s_cache.index = std::make_shared<Index>(db, old.use_count() == 1 ? old.get() : nullptr);
        s_cache.db = db;
        s_cache.revision = revision;
    }
    return s_cache.index;
}

} // namespace hxpeers
