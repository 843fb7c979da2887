// Pipe check and removal of HxWtUtility: sorting a list of pipe ids into
// passing, overlapping (lying wholly on another pipe of the list) and
// zero-length pipes, and erasing pipes. Neither function prints or reports
// an error: ids that do not open as pipes (other entities, erased or null ids)
// are passed over.
#pragma once

#include "HxWtHost.h"

#include "HxDbObjectIdList.h"

// Sorts `pipes`. checkMode 0 compares in space and moves pipes whose start and
// end coincide to zeroLength; any other value compares plan projections and
// has no zero-length test. A pipe lying wholly on another one moves to
// overlapped; of two pipes covering the same segment the later one in the
// list moves. `pipes` keeps the rest in their order (ids that do not open
// included); overlapped and zeroLength are appended to, not cleared. An empty
// list returns at once.
//
// Cost: every pipe is read once; a pair of pipes is compared only when their
// boxes, widened by the geometry tolerance, meet (found through a plan grid),
// so typical layouts cost about linear time rather than the quadratic sweep.
// The lists come out element for element as the quadratic sweep gives them.
HXWTUTILITY_API void CheckPipe(int checkMode, HxDbObjectIdList& pipes, HxDbObjectIdList& overlapped,
                               HxDbObjectIdList& zeroLength);

// Erases every pipe of the list that opens for write; other ids are skipped
// silently. The list's content is left unchanged.
HXWTUTILITY_API void RemovePipe(HxDbObjectIdList& pipes);
