// The id -> first position index of the graph's lookups (see the header).
#include "graph/HxWtPipeGraphLookup.h"

#include "HxDbWtPipeGraphVerify.h"

template <class T>
int HxWtIdPositionIndex<T>::Find(HxPDList<T>& list, AcDbObjectId id, T** found, bool literal,
                                 int hint) {
    if (literal)
        return Scan(list, id, found);
    if (Stale(list))
        Rebuild(list);
    if (HintHolds(id, hint, found))
        return hint;
    FillFilter();
    if (!m_filter.MayHold(id)) {
        *found = nullptr;
        return -1;
    }
    int index = m_mapped < m_slots.size() && m_scanned < 2 * m_slots.size()
                    ? ScanMirror(id, found)
                    : (FillMap(), Lookup(id, found));
    if (index < 0 || (*found != nullptr && (*found)->*m_key == id))
        return index;
    // An element changed its id after it was indexed: index afresh.
    Rebuild(list);
    FillMap();
    return Lookup(id, found);
}

template <class T> void HxWtIdPositionIndex<T>::Refresh(HxPDList<T>& list) {
    if (Stale(list))
        Rebuild(list);
}

template <class T> void HxWtIdPositionIndex<T>::Appended(HxPDList<T>& list, bool distinct) {
    if (!m_stamp.OneChangeSince(list) ||
        static_cast<std::size_t>(list.Count()) != m_slots.size() + 1)
        return;
    T** last = list.LastPos();
    T** before = list.PrevPos(last);
    if (before != (m_slots.empty() ? nullptr : m_slots.back().pos))
        return; // one insertion, but not at the end
    Mirror(last);
    m_vouched = m_vouched && distinct;
    m_stamp.Take(list);
}

template <class T> void HxWtIdPositionIndex<T>::Clear() {
    m_slots.clear();
    m_mapped = 0;
    m_filtered = 0;
    m_scanned = 0;
    m_vouched = true;
    m_twice = false;
    m_first.Clear();
    m_filter.Clear();
    m_stamp.Clear();
}

template <class T>
int HxWtIdPositionIndex<T>::Scan(HxPDList<T>& list, AcDbObjectId id, T** found) const {
    int index = 0;
    for (T** pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos), ++index) {
        if (*pos != nullptr && (*pos)->*m_key == id) {
            *found = *pos;
            return index;
        }
    }
    *found = nullptr;
    return -1;
}

template <class T> bool HxWtIdPositionIndex<T>::Stale(HxPDList<T>& list) const {
    return !m_stamp.Matches(list);
}

// Mirrors the list as it is; its ids are vouched for only when it is empty.
template <class T> void HxWtIdPositionIndex<T>::Rebuild(HxPDList<T>& list) {
    Clear();
    m_slots.reserve(static_cast<std::size_t>(list.Count()));
    for (T** pos = list.FirstPos(); pos != nullptr; pos = list.NextPos(pos))
        Mirror(pos);
    m_vouched = m_slots.empty();
    m_stamp.Take(list);
}

template <class T> void HxWtIdPositionIndex<T>::Mirror(T** pos) {
    if (*pos == nullptr)
        m_slots.push_back({pos, AcDbObjectId(), false});
    else
        m_slots.push_back({pos, (*pos)->*m_key, true});
}

// Makes the filter of the present mirrored elements afresh when the mirror
// has grown since it was made.
template <class T> void HxWtIdPositionIndex<T>::FillFilter() {
    if (m_filtered == m_slots.size())
        return;
    m_filter.Build(m_slots.size(), [&](auto visit) {
        for (const Slot& slot : m_slots) {
            if (slot.present)
                visit(slot.id);
        }
    });
    m_filtered = m_slots.size();
}

// Maps the mirrored elements not yet mapped, keeping each id's first position.
template <class T> void HxWtIdPositionIndex<T>::FillMap() {
    if (m_mapped == m_slots.size())
        return;
    m_first.Reserve(m_slots.size());
    for (; m_mapped < m_slots.size(); ++m_mapped) {
        const Slot& slot = m_slots[m_mapped];
        if (slot.present && !m_first.SetIfNone(slot.id, static_cast<int>(m_mapped)))
            m_twice = true;
    }
}

// The first mirrored element with id, found by reading the mirror from the
// front: what the map would answer.
template <class T> int HxWtIdPositionIndex<T>::ScanMirror(AcDbObjectId id, T** found) {
    for (std::size_t at = 0; at < m_slots.size(); ++at) {
        const Slot& slot = m_slots[at];
        if (slot.present && slot.id == id) {
            m_scanned += at + 1;
            *found = *slot.pos;
            return static_cast<int>(at);
        }
    }
    m_scanned += m_slots.size();
    *found = nullptr;
    return -1;
}

// True when position hint answers a lookup of id exactly as the map would:
// the mirrored ids are known distinct, the element at hint was mirrored with
// id and still carries it. *found receives the element then.
template <class T>
bool HxWtIdPositionIndex<T>::HintHolds(AcDbObjectId id, int hint, T** found) const {
    if (hint < 0 || static_cast<std::size_t>(hint) >= m_slots.size() || id.isNull())
        return false;
    const bool distinct = m_vouched || (m_mapped == m_slots.size() && !m_twice);
    if (!distinct)
        return false;
    const Slot& slot = m_slots[static_cast<std::size_t>(hint)];
    if (!slot.present || slot.id != id)
        return false;
    T* element = *slot.pos;
    if (element == nullptr || element->*m_key != id)
        return false;
    *found = element;
    return true;
}

template <class T> int HxWtIdPositionIndex<T>::Lookup(AcDbObjectId id, T** found) const {
    const int index = m_first.Get(id);
    *found = index < 0 ? nullptr : *m_slots[static_cast<std::size_t>(index)].pos;
    return index;
}

template class HxWtIdPositionIndex<HxDbWtPipeNode>;
template class HxWtIdPositionIndex<HxDbWtPipeEdge>;

void HxWtSetPipeGraphLiteralLookup(HxDbWtPipeGraph& graph, bool literal) {
    HxWtPipeGraphLookup::Of(graph).literal = literal;
}

bool HxWtIsPipeGraphLiteralLookup(const HxDbWtPipeGraph& graph) {
    return HxWtPipeGraphLookup::Of(graph).literal;
}
