// One selection run: admission rules and membership.
#include "editor/SelectionRun.h"
#include "database/DbAccess.h"
#include "dbsymtb.h"

#include <algorithm>

namespace hxhost::detail {
namespace {

bool onLockedLayer(const AcDbEntity& ent) {
    const auto* layer = AcDbLayerTableRecord::cast(DbAccess::objectOf(ent.layerId()));
    return layer != nullptr && layer->isLocked();
}

} // namespace

SelectionRun::SelectionRun(const SelectionMode& mode, const SelectionFilter& filter)
    : m_mode(mode), m_filter(filter) {
    for (const Candidate& c : drawingEntities(selectionDatabase())) {
        if (admitted(c))
            m_candidates.push_back(c);
    }
}

bool SelectionRun::admitted(const Candidate& c) const {
    if (m_mode.rejectLocked && onLockedLayer(*c.entity))
        return false;
    // The stand-in's current space is model space.
    if (m_mode.currentSpace && c.paperSpace)
        return false;
    return m_filter.matches(c);
}

void SelectionRun::add(const Candidate& c, short method, const AcGePoint3d& pick) {
    const bool known = std::any_of(m_members.begin(), m_members.end(),
                                   [&](const SelectedEntity& e) { return e.id == c.id; });
    if (known && !m_mode.duplicates)
        return;
    m_members.push_back({c.id, method, pick});
}

void SelectionRun::addById(AcDbObjectId id) {
    if (const Candidate* c = find(id))
        add(*c, kByProgram);
}

const Candidate* SelectionRun::find(AcDbObjectId id) const {
    auto it = std::find_if(m_candidates.begin(), m_candidates.end(),
                           [&](const Candidate& c) { return c.id == id; });
    return it == m_candidates.end() ? nullptr : &*it;
}

std::vector<const Candidate*> SelectionRun::hitsAt(const AcGePoint3d& pt) const {
    std::vector<const Candidate*> hits;
    for (const Candidate& c : m_candidates) {
        if (c.hasBox && c.box.holds({pt.x, pt.y}))
            hits.push_back(&c);
    }
    if (!m_mode.everything && hits.size() > 1)
        hits.erase(hits.begin(), hits.end() - 1);
    return hits;
}

} // namespace hxhost::detail
