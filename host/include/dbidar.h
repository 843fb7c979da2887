// AcDbObjectIdArray: a growable array of object ids (see AcArray.h).
#pragma once

#include "AcArray.h"
#include "dbid.h"

typedef AcArray<AcDbObjectId> AcDbObjectIdArray;
