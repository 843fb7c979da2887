// CheckPipe: the pairwise overlap sweep over a list of pipes, pruned to the
// pairs whose widened boxes meet.
//
// Why the pruning gives the sweep's lists exactly: a pair whose boxes, widened
// by the hit tolerance, do not meet can hit in neither direction, so the sweep
// would only have reopened and closed pipe j. Zero-length pipes (space mode)
// never take part in a hit test and leave the sweep in list order (each is
// met, as pipe i or pipe j, before any later one), so they are set apart
// first. What remains is the sweep itself over the candidate pairs, in list
// order, with the same removals, the same skip of a repeated id and the same
// early end of pipe i's pass when it lies on pipe j.
#include "HxWtPipeCheck.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "HxAecGeometry.h"
#include "HxWtDbObject.h"
#include "PipeBoxGrid.h"
#include "PipeOverlap.h"

using HxWtPipeCheckDetail::Overlap;
using HxWtPipeCheckDetail::OverlapOf;
using HxWtPipeCheckDetail::PipeBox;
using HxWtPipeCheckDetail::PipeBoxGrid;

namespace {

// One entry of the list as read once at the start.
struct PipeEntry {
    AcDbObjectId id;
    HxGePoint start;
    HxGePoint end;
    bool isPipe = false;  // opened as a pipe
    bool zero = false;    // space mode: start and end coincide
    bool removed = false; // moved to overlapped
};

// Reads every entry of the list, opening each pipe once for read.
std::vector<PipeEntry> ReadEntries(int checkMode, HxDbObjectIdList& pipes) {
    std::vector<PipeEntry> entries;
    entries.reserve(pipes.Count());
    for (pipes.First(); !pipes.IsEnd(); pipes.Next()) {
        PipeEntry entry;
        entry.id = pipes.Current();
        HxDbWtPipe* pipe = nullptr;
        if (acdbOpenObject(pipe, entry.id, AcDb::kForRead, false) == Acad::eOk) {
            entry.isPipe = true;
            entry.start = pipe->GetStartPoint();
            entry.end = pipe->GetEndPoint();
            entry.zero = checkMode == 0 && entry.start.Equal3d(entry.end);
            pipe->close();
        }
        entries.push_back(entry);
    }
    return entries;
}

bool TakesPart(const PipeEntry& entry) {
    return entry.isPipe && !entry.zero;
}

// The pipe's box widened so that any point that hits its segment lies inside;
// in plan mode z spans everything.
PipeBox WidenedBox(const PipeEntry& entry, bool plan) {
    const double a[3] = {entry.start.x, entry.start.y, entry.start.z};
    const double b[3] = {entry.end.x, entry.end.y, entry.end.z};
    double scale = 1.0;
    for (int axis = 0; axis < 3; ++axis)
        scale = std::max({scale, std::fabs(a[axis]), std::fabs(b[axis])});
    // The hit tolerance, and room for rounding in the hit test itself.
    const double pad = 2.0 * HxGeTolerance() + 1e-9 * scale;
    PipeBox box;
    for (int axis = 0; axis < 3; ++axis) {
        box.min[axis] = std::min(a[axis], b[axis]) - pad;
        box.max[axis] = std::max(a[axis], b[axis]) + pad;
    }
    if (plan) {
        box.min[2] = -HUGE_VAL;
        box.max[2] = HUGE_VAL;
    }
    return box;
}

// Pipe i's pass over its candidates in list order; appends what moves.
template <class Segment>
void SweepCandidates(std::vector<PipeEntry>& entries, int i, const std::vector<int>& candidates,
                     HxDbObjectIdList& overlapped) {
    PipeEntry& pipeI = entries[i];
    const Segment segI(pipeI.start, pipeI.end);
    for (int j : candidates) {
        PipeEntry& pipeJ = entries[j];
        if (pipeJ.removed || pipeJ.id == pipeI.id)
            continue;
        const Overlap overlap = OverlapOf(segI, pipeI.start, pipeI.end, pipeJ.start, pipeJ.end);
        if (overlap == Overlap::kJOnI) {
            pipeJ.removed = true;
            overlapped.Append(pipeJ.id);
            continue;
        }
        if (overlap == Overlap::kIOnJ) {
            pipeI.removed = true;
            overlapped.Append(pipeI.id);
            return;
        }
    }
}

template <class Segment>
void Sweep(std::vector<PipeEntry>& entries, bool plan, HxDbObjectIdList& overlapped) {
    std::vector<PipeBox> boxes(entries.size());
    std::vector<bool> included(entries.size());
    for (size_t k = 0; k < entries.size(); ++k) {
        included[k] = TakesPart(entries[k]);
        if (included[k])
            boxes[k] = WidenedBox(entries[k], plan);
    }
    PipeBoxGrid grid(boxes, included);
    std::vector<int> candidates;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (!included[i] || entries[i].removed)
            continue;
        grid.Candidates(i, candidates);
        SweepCandidates<Segment>(entries, i, candidates, overlapped);
    }
}

} // namespace

void CheckPipe(int checkMode, HxDbObjectIdList& pipes, HxDbObjectIdList& overlapped,
               HxDbObjectIdList& zeroLength) {
    if (pipes.Count() == 0)
        return;
    std::vector<PipeEntry> entries = ReadEntries(checkMode, pipes);
    for (const PipeEntry& entry : entries) {
        if (entry.zero)
            zeroLength.Append(entry.id);
    }
    if (checkMode == 0)
        Sweep<HxGeLineSeg3d>(entries, false, overlapped);
    else
        Sweep<HxGeLineSeg2d>(entries, true, overlapped);
    pipes.RemoveAll();
    for (const PipeEntry& entry : entries) {
        if (!entry.zero && !entry.removed)
            pipes.Append(entry.id);
    }
}
