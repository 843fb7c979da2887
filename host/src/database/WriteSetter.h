// Host-internal: the shape every property setter of a database object shares.
// A setter refuses when its object is not open for write (eNotOpenForWrite,
// checked first), refuses a value it does not accept (eInvalidInput), and
// otherwise assigns the value and answers eOk. Nothing changes on a refusal.
#pragma once

#include "acadstrc.h"
#include "dbmain.h"

#include <utility>

namespace hxhost::detail {

// Assigns value to member of obj when obj is open for write and valid holds.
template <class Member, class Value>
Acad::ErrorStatus setWhenWritable(const AcDbObject& obj, Member& member, Value&& value,
                                  bool valid = true) {
    if (!obj.isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!valid)
        return Acad::eInvalidInput;
    member = std::forward<Value>(value);
    return Acad::eOk;
}

} // namespace hxhost::detail
