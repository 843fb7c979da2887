// Walks over the entities of a drawing's model space, for the stand-in
// modules' drawing queries. Internal to the stand-in modules.
#pragma once

#include "dbmain.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace hxpeers {

// The number of entities in db's model space, none opened (0 when db is null
// or its model space does not open).
std::size_t countModelSpaceEntities(AcDbDatabase* db);

// Calls visit(entity, position) for every entity of db's model space that
// opens for read with class filter cls (null: any entity), in drawing order;
// position counts every entity of the model space, opened or not. Each entity
// is closed after its visit. Entities that do not open (erased, open for
// write elsewhere, of another class) are passed over. False when db is null
// or its model space does not open. The walk lists the ids first, in
// `scratch` when given (room a caller keeps from one walk to the next).
bool forEachModelSpaceEntity(AcDbDatabase* db, const AcRxClass* cls,
                             const std::function<void(const AcDbEntity&, int)>& visit,
                             std::vector<AcDbObjectId>* scratch = nullptr);

// Whether an index built over db's model space when db stood at revision
// `since` still holds for db as it stands: calls keeps(object, inModelSpace)
// for every object changed since, open for read (erased ones too), with
// inModelSpace telling whether it is an entity owned by the model space
// (erased or not); true when every call does. False, nothing asked, when the
// host no longer knows the changes; false when a changed object does not open
// or is a block table record (what a block holds, or its order, may have
// moved).
bool changesKeep(AcDbDatabase* db, unsigned long long since,
                 const std::function<bool(const AcDbObject&, bool)>& keeps);

} // namespace hxpeers
