// HxWtListStamp: which list a cache over a list was taken from and at which
// revision, so that the cache can tell exactly whether the list changed since
// (every change made through a list's operations raises its revision).
// Module-internal. Holds an address only; it never reads the list it names
// except when given it.
#pragma once

class HxWtListStamp {
public:
    // Stamps list as it is now.
    template <class List> void Take(const List& list) {
        m_list = &list;
        m_revision = list.Revision();
    }
    // True when list is the list stamped, unchanged since.
    template <class List> bool Matches(const List& list) const {
        return &list == m_list && list.Revision() == m_revision;
    }
    // True when list is the list stamped and exactly one change was made to
    // it since.
    template <class List> bool OneChangeSince(const List& list) const {
        return &list == m_list && list.Revision() == m_revision + 1;
    }
    // Names no list.
    void Clear() { *this = HxWtListStamp(); }

private:
    const void* m_list = nullptr;
    unsigned long long m_revision = 0;
};
