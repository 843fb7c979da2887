// Host-internal: running one selection: the candidates, the filter and the
// rules of the mode's options, and how members join the result.
#pragma once

#include "editor/SelectionFilter.h"
#include "editor/SelectionMode.h"
#include "editor/SelectionSets.h"

#include <vector>

namespace hxhost::detail {

class SelectionRun {
public:
    SelectionRun(const SelectionMode& mode, const SelectionFilter& filter);

    // Candidates that pass the filter and the option rules, in drawing order.
    const std::vector<Candidate>& candidates() const { return m_candidates; }
    // Adds a member (once, unless duplicates are allowed).
    void add(const Candidate& c, short method, const AcGePoint3d& pick = AcGePoint3d());
    // Adds an entity named by a program (callbacks): only when it passes.
    void addById(AcDbObjectId id);
    // Whether an id is an admitted candidate.
    const Candidate* find(AcDbObjectId id) const;
    // What a click at pt hits: the last drawn candidate whose box holds it,
    // or all of them with ":E"; empty for a miss.
    std::vector<const Candidate*> hitsAt(const AcGePoint3d& pt) const;

    const SelectionMode& mode() const { return m_mode; }
    SelectionList& members() { return m_members; }

private:
    bool admitted(const Candidate& c) const;

    SelectionMode m_mode;
    const SelectionFilter& m_filter;
    std::vector<Candidate> m_candidates;
    SelectionList m_members;
};

// Interactive selection from the scripted editor (or at the point pt1).
// RTNORM / RTERROR (nothing chosen) / RTCAN (Escape or a callback's RTCAN).
int runInteractive(SelectionRun& run, const void* pt1, const void* pt2);

} // namespace hxhost::detail
