// Host-internal: the selection sets the editor holds, by name. A set lists its
// members (entity id, how it was selected, the pick point) in selection
// order. The registry owns the sets; each one is counted in the ledger from
// its making until it is freed.
#pragma once

#include "adsdef.h"
#include "dbid.h"
#include "gepnt3d.h"

#include <vector>

namespace hxhost::detail {

// Selection methods as acedSSNameX reports them.
enum SelectionMethod : short {
    kByProgram = 0,
    kByPick = 1,
    kByWindow = 2,
    kByCrossing = 3,
    kByFence = 4
};

struct SelectedEntity {
    AcDbObjectId id;
    short method = kByProgram;
    AcGePoint3d pick;
};

using SelectionList = std::vector<SelectedEntity>;

constexpr int kMaxSelectionSets = 128;

// Makes a set of the members and names it in out; false (out untouched) when
// the editor holds kMaxSelectionSets sets already.
bool makeSelectionSet(SelectionList members, ads_name out);
// The set of a name, or null.
SelectionList* findSelectionSet(const ads_name ss);
// Frees a set; false when the name holds none.
bool freeSelectionSet(const ads_name ss);
int selectionSetCount();
// Frees every set (editor reset).
void freeAllSelectionSets();

// The previous selection ("_P"): the members of the last set acedSSGet made.
void setPreviousSelection(const SelectionList& members);
const SelectionList& previousSelection();

} // namespace hxhost::detail
