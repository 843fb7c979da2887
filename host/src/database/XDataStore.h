// XDataStore: an object's extended data, application by application, in the
// order the applications were first given. Owned by its object (copied with
// copyFrom); result-buffer chains are built from it on request and are the
// caller's.
//
// Size, as counted against the 16383-byte limit: every item 2 bytes for its
// code plus its value: a text 1 byte per character plus 1, a handle 8, a
// binary chunk 1 plus its length, a real 8, a point 24, a 16-bit integer 2, a
// 32-bit integer 4.
#pragma once

#include "adsdef.h"
#include "acadstrc.h"

#include <cstddef>
#include <string>
#include <vector>

namespace hxhost {

struct XDataItem {
    short code = 0;
    std::wstring text;       // texts and handles
    std::vector<char> bytes; // binary chunks
    double values[3] = {};   // reals (values[0]) and points
    Adesk::Int32 integer = 0;

    bool operator==(const XDataItem& o) const;
};

struct XDataApp {
    std::wstring name;
    std::vector<XDataItem> items; // without the leading 1001 item

    bool operator==(const XDataApp& o) const { return name == o.name && items == o.items; }
};

class XDataStore {
public:
    static constexpr std::size_t kMaxBytes = 16383;

    // Splits a chain into its applications (items after each 1001 item).
    // eInvalidResBuf when the chain is not led by 1001, holds a code that is
    // not xdata, or a value that is unusable (null text, chunk over 127 bytes).
    static Acad::ErrorStatus parse(const resbuf* chain, std::vector<XDataApp>& apps);
    // One item of a chain after its 1001 item, as parse reads it; false when
    // parse would refuse it. item's room is reused.
    static bool readChainItem(const resbuf* rb, XDataItem& item);
    // True when readChainItem would take rb (nothing copied).
    static bool isChainItem(const resbuf* rb);

    // Replaces each given application's items; an application without items
    // is removed. Applications match without regard to ASCII case.
    void apply(const std::vector<XDataApp>& changes);
    std::size_t byteSize() const;
    // A new chain (counted result buffers) of one application (null app: all),
    // each led by its 1001 item; null when there is nothing to give.
    resbuf* chain(const ACHAR* app) const;
    // The chain that a store holding only app gives: null when app has no
    // items (or memory runs out).
    static resbuf* chainOf(const XDataApp& app);
    // A new buffer (counted) holding item as chains give it; null when memory
    // runs out.
    static resbuf* itemRb(const XDataItem& item);
    // Writes item's value into rb, a buffer of item's code whose value owns
    // nothing; false when memory runs out.
    static bool fillRb(const XDataItem& item, resbuf* rb);
    bool operator==(const XDataStore& o) const { return m_apps == o.m_apps; }
    const std::vector<XDataApp>& apps() const { return m_apps; }

private:
    std::vector<XDataApp> m_apps;
};

} // namespace hxhost
