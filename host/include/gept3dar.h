// AcGePoint3dArray: a growable array of points (see AcArray.h).
#pragma once

#include "AcArray.h"
#include "gepnt3d.h"

typedef AcArray<AcGePoint3d> AcGePoint3dArray;
