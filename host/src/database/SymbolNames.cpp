// Symbol names: case-blind comparison, well-formedness, lookup by name.
#include "database/SymbolNames.h"

#include "database/DbAccess.h"

#include <cwchar>

namespace hxhost {
namespace {

ACHAR fold(ACHAR c) {
    return c >= L'a' && c <= L'z' ? static_cast<ACHAR>(c - L'a' + L'A') : c;
}

const AcDbSymbolTableRecord* recordOf(AcDbObjectId id) {
    return AcDbSymbolTableRecord::cast(DbAccess::objectOf(id));
}

} // namespace

bool sameName(const ACHAR* a, const ACHAR* b) {
    if (a == nullptr || b == nullptr)
        return a == b;
    for (; *a != 0 && *b != 0; ++a, ++b) {
        if (fold(*a) != fold(*b))
            return false;
    }
    return *a == *b;
}

bool isValidSymbolName(const ACHAR* name) {
    if (name == nullptr)
        return false;
    const std::size_t length = std::wcslen(name);
    if (length == 0 || length > 255)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (name[i] == L'*' && i == 0)
            continue;
        if (std::wcschr(L"<>/\\\":;?*|,=`", name[i]) != nullptr)
            return false;
    }
    return true;
}

AcDbObjectId findRecord(const AcDbSymbolTable& table, const ACHAR* name, bool includeErased) {
    if (name == nullptr)
        return AcDbObjectId::kNull;
    AcDbObjectId erased;
    for (const AcDbObjectId& id : DbAccess::records(table)) {
        const AcDbSymbolTableRecord* rec = recordOf(id);
        if (rec == nullptr || !sameName(DbAccess::name(*rec).c_str(), name))
            continue;
        if (!id.isErased())
            return id;
        erased = id;
    }
    return includeErased ? erased : AcDbObjectId::kNull;
}

} // namespace hxhost
