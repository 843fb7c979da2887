// RevisionCache: keeps one index built over a drawing and builds it again only
// when the drawing changed in a way the index sees. Internal to the stand-in
// modules.
#pragma once

#include "dbmain.h"
#include "hxhost/Drawing.h"

#include <memory>

namespace hxpeers {

// The Index of the drawing last asked about. current(db, build) answers the
// index built at an earlier call for the same drawing when the host's
// revision of it has not moved since, or when
// Index::keepsChangesSince(db, revision) finds every object changed since
// indexing as it did; else build(db, spare) makes a new one. The index being
// replaced is handed to build as spare storage (else null) when nobody else
// holds it any more, so that the two are not alive together and the new one
// fills memory already in use.
template <class Index> class RevisionCache {
public:
    template <class Build> std::shared_ptr<const Index> current(AcDbDatabase* db, Build build) {
        const unsigned long long revision = hxhost::databaseRevision(db);
        if (m_index && m_db == db && m_revision != revision &&
            m_index->keepsChangesSince(db, m_revision))
            m_revision = revision;
        if (m_index && m_db == db && m_revision == revision)
            return m_index;
        if (!m_spare && m_index.use_count() == 1)
            m_spare = std::move(m_index);
        m_index.reset();
        m_index = build(db, m_spare.get());
        m_spare.reset();
        m_db = db;
        m_revision = revision;
        return m_index;
    }

    // The index kept for db when nobody else holds it, dropped from the cache
    // and kept only as spare storage for the next build; else null.
    Index* takeSpare(const AcDbDatabase* db) {
        if (m_db != db || m_index.use_count() != 1)
            return nullptr;
        m_spare = std::move(m_index);
        return m_spare.get();
    }

private:
    const AcDbDatabase* m_db = nullptr;
    unsigned long long m_revision = 0;
    std::shared_ptr<Index> m_index;
    std::shared_ptr<Index> m_spare;
};

// The Index (constructible from an AcDbDatabase* and a spare Index*) of db
// as it stands now, through one RevisionCache per Index type.
template <class Index> std::shared_ptr<const Index> currentIndex(AcDbDatabase* db) {
    static RevisionCache<Index> s_cache;
    return s_cache.current(db, [](AcDbDatabase* target, Index* spare) {
        return std::make_shared<Index>(target, spare);
    });
}

} // namespace hxpeers
