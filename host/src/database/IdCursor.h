// IdCursor: the walk of a symbol-table or block iterator over a snapshot of
// ids, forward or backward, optionally passing over erased ones.
#pragma once

#include "dbidar.h"

namespace hxhost {

class IdCursor {
public:
    IdCursor(const AcDbObjectIdArray& ids, bool atBeginning, bool skipDeleted) : m_ids(ids) {
        start(atBeginning, skipDeleted);
    }

    void start(bool atBeginning, bool skipDeleted) {
        m_pos = atBeginning ? 0 : m_ids.length() - 1;
        settle(atBeginning, skipDeleted);
    }
    bool done() const { return m_pos < 0 || m_pos >= m_ids.length(); }
    void step(bool forward, bool skipDeleted) {
        if (done())
            return;
        m_pos += forward ? 1 : -1;
        settle(forward, skipDeleted);
    }
    // The id under the cursor; null once done.
    AcDbObjectId current() const { return done() ? AcDbObjectId() : m_ids[m_pos]; }

private:
    // Moves on past erased ids when asked to.
    void settle(bool forward, bool skipDeleted) {
        while (skipDeleted && !done() && m_ids[m_pos].isErased())
            m_pos += forward ? 1 : -1;
    }

    AcDbObjectIdArray m_ids;
    int m_pos = 0;
};

} // namespace hxhost
