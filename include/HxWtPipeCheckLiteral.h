// INTERNAL, for the differential tests and the benchmark only; not part of the
// module's interface and not included by HxWtUtility.h.
//
// The pairwise sweep of CheckPipe as written first: for every pipe i, every
// later pipe j is reopened and tested, whatever the distance. Same signature
// and results as CheckPipe; quadratic in the number of pipes.
#pragma once

#include "HxWtHost.h"

#include "HxDbObjectIdList.h"

HXWTUTILITY_API void HxWtInternalCheckPipeLiteral(int checkMode, HxDbObjectIdList& pipes,
                                                  HxDbObjectIdList& overlapped,
                                                  HxDbObjectIdList& zeroLength);
