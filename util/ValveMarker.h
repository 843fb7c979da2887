// Module-internal: the valve size marker, a zero-length line with the
// valve's length and height as xdata texts under "VLength" and "VHeight".
#pragma once

#include "HxWtHost.h"

// The first line of record (open for read; erased entities skipped, entities
// that do not open passed over) whose start equals its end and equals at,
// within AcGeContext::gTol; the null id when there is none. Every entity is
// closed again.
AcDbObjectId FindValveMarker(const AcDbBlockTableRecord* record, const AcGePoint3d& at);

// length and height from the marker's texts (_wtof; a missing entry is 0).
void ReadValveMarker(AcDbObjectId marker, double& length, double& height);

// Writes both values as "%g" texts on the marker, registering the
// applications in db (null: the working database).
void WriteValveMarker(AcDbObjectId marker, double length, double height, AcDbDatabase* db);
