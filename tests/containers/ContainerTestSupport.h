// Helpers of the container tests: a sequence read through its position
// handles (which never move the cursor) and made-up object ids.
#pragma once

#include "HxDynArrayBase.h"
#include "HxXList.h"
#include "dbid.h"

#include <cstdint>
#include <vector>

template <class T> std::vector<T> Elements(HxDynArrayBase<T>& seq) {
    std::vector<T> out;
    for (T* pos = seq.FirstPos(); pos; pos = seq.NextPos(pos))
        out.push_back(*pos);
    return out;
}

template <class T> std::vector<T> ElementsBackwards(HxDynArrayBase<T>& seq) {
    std::vector<T> out;
    for (T* pos = seq.LastPos(); pos; pos = seq.PrevPos(pos))
        out.insert(out.begin(), *pos);
    return out;
}

// Ids compare by stub address only; these stubs are never dereferenced.
inline AcDbObjectId IdOf(int k) {
    return AcDbObjectId(reinterpret_cast<AcDbStub*>(static_cast<std::uintptr_t>(k) * 16));
}

template <class T> struct HxXList3 : HxXList<T> {
    HxXList3() : HxXList<T>(3) {}
};
