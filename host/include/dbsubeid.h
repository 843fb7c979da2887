// Sub-entity addressing: AcDbSubentId (a sub-entity's kind and index) and
// AcDbFullSubentPath (the path of object ids down to an entity plus the
// sub-entity). The stand-in host draws no sub-entities, so a path is only
// carried, never resolved. kNullSubent is the empty path: the whole entity.
#pragma once

#include "acdb.h"
#include "dbidar.h"

namespace AcDb {
enum SubentType { kNullSubentType = 0, kFaceSubentType, kEdgeSubentType, kVertexSubentType };
} // namespace AcDb

class AcDbSubentId {
public:
    AcDbSubentId() = default;
    AcDbSubentId(AcDb::SubentType type, Adesk::IntPtr index) : m_type(type), m_index(index) {}
    AcDb::SubentType type() const { return m_type; }
    Adesk::IntPtr index() const { return m_index; }
    bool operator==(const AcDbSubentId& o) const {
        return m_type == o.m_type && m_index == o.m_index;
    }
    bool operator!=(const AcDbSubentId& o) const { return !(*this == o); }

private:
    AcDb::SubentType m_type = AcDb::kNullSubentType;
    Adesk::IntPtr m_index = 0;
};

class AcDbFullSubentPath {
public:
    AcDbFullSubentPath() = default;
    AcDbFullSubentPath(const AcDbObjectIdArray& ids, AcDbSubentId subent)
        : m_ids(ids), m_subent(subent) {}

    const AcDbObjectIdArray& objectIds() const { return m_ids; }
    AcDbObjectIdArray& objectIds() { return m_ids; }
    const AcDbSubentId& subentId() const { return m_subent; }
    // True for the empty path (no ids, null sub-entity).
    bool isNull() const { return m_ids.isEmpty() && m_subent == AcDbSubentId(); }
    bool operator==(const AcDbFullSubentPath& o) const {
        return m_ids == o.m_ids && m_subent == o.m_subent;
    }
    bool operator!=(const AcDbFullSubentPath& o) const { return !(*this == o); }

private:
    AcDbObjectIdArray m_ids;
    AcDbSubentId m_subent;
};

// The empty path, the default of highlight/unhighlight.
extern HX_DB_API const AcDbFullSubentPath kNullSubent;
