//===- HxDbObjectIdList.h - The product's list of object ids ----*- C++ -*-===//
//
// HxDbObjectIdList is an HxDList<AcDbObjectId> that adds nothing: the type in
// which ids cross the product's interfaces. It owns its nodes only; ids name
// database objects that it neither opens nor keeps alive. New elements from
// Extend or At are null ids. Costs are those of HxDList.
//
//===----------------------------------------------------------------------===//
#pragma once

#include "dbid.h"

#include "HxDList.h"

class HxDbObjectIdList : public HxDList<AcDbObjectId> {};
