// The shape every property setter of a database object shares, in the host's
// entities and in the sibling modules' entities alike. Stand-in only: module
// code never includes this header.
#pragma once

#include "acadstrc.h"
#include "dbmain.h"

#include <utility>

namespace hxhost {

// Assigns value to member when obj is open for write and valid holds: refuses
// with eNotOpenForWrite when obj is not open for write (checked first), with
// eInvalidInput when valid is false, and otherwise assigns and answers eOk.
// Nothing changes on a refusal. A setter of several members passes them and
// their values as tuples of references (std::tie), assigned together.
template <class Member, class Value>
Acad::ErrorStatus setWhenWritable(const AcDbObject& obj, Member&& member, Value&& value,
                                  bool valid = true) {
    if (!obj.isWriteEnabled())
        return Acad::eNotOpenForWrite;
    if (!valid)
        return Acad::eInvalidInput;
    member = std::forward<Value>(value);
    return Acad::eOk;
}

} // namespace hxhost
