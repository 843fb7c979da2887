// HxWtUtility: the exported interface of the module, one include for all of
// it. Each family of exported classes and functions has its own header; this
// one includes them all, with what they need of the host and the container
// templates.
#pragma once

#include "HxWtHost.h"

#include "HxDynArrayBase.h"
#include "HxDynArray.h"
#include "HxList.h"
#include "HxDList.h"
#include "HxXList.h"
#include "HxPDList.h"
#include "HxPXList.h"
#include "HxListQuene.h"
#include "HxBFindTree.h"
#include "HxDbObjectIdList.h"
#include "HxDbWtPipeGraph.h"
#include "HxWtNumUtil.h"
#include "HxWtDialogUtil.h"
#include "HxWtXdata.h"
#include "HxWtPartLib.h"
#include "HxWtEntityUtil.h"
#include "HxWtPipeCheck.h"
#include "HxWtSelSet.h"
#include "HxWtPointElevUtility.h"
#include "HxWtPointElevIndex.h"
#include "HxWtWordApplication.h"
