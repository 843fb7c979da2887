// Peers-internal: the shape of the entities' property setters. A setter
// refuses when its entity is not open for write (eNotOpenForWrite, as
// CheckWrite answers) and otherwise assigns the value and answers eOk.
#pragma once

#include "acadstrc.h"
#include "dbmain.h"

#include <utility>

namespace hxpeers::detail {

// Assigns value to member of obj when obj is open for write.
template <class Member, class Value>
Acad::ErrorStatus setWhenWritable(const AcDbObject& obj, Member& member, Value&& value) {
    if (!obj.isWriteEnabled())
        return Acad::eNotOpenForWrite;
    member = std::forward<Value>(value);
    return Acad::eOk;
}

} // namespace hxpeers::detail
