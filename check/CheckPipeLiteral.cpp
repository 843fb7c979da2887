// The pairwise sweep of CheckPipe as first written, kept for the differential
// tests and the benchmark: every pair is tested and pipe j is reopened for
// every pipe i. CheckPipe gives the same lists faster.
#include "HxWtPipeCheckLiteral.h"

#include "HxAecGeometry.h"
#include "HxWtDbObject.h"
#include "PipeOverlap.h"

using HxWtPipeCheckDetail::Overlap;
using HxWtPipeCheckDetail::OverlapOf;

namespace {

HxDbWtPipe* OpenPipe(AcDbObjectId id) {
    HxDbWtPipe* pipe = nullptr;
    if (acdbOpenObject(pipe, id, AcDb::kForRead, false) != Acad::eOk)
        return nullptr;
    return pipe;
}

// What the inner loop decided for pipe i.
enum class InnerResult { kKept, kRemoved };

// The inner loop of pipe i over the positions behind it.
template <class Segment>
InnerResult SweepBehind(int checkMode, int i, AcDbObjectId idI, const HxGePoint& startI,
                        const HxGePoint& endI, HxDbObjectIdList& pipes,
                        HxDbObjectIdList& overlapped, HxDbObjectIdList& zeroLength) {
    const Segment segI(startI, endI);
    int j = i + 1;
    while (j < pipes.Count()) {
        const AcDbObjectId idJ = *pipes.PosAt(j);
        HxDbWtPipe* pipeJ = idJ == idI ? nullptr : OpenPipe(idJ);
        if (pipeJ == nullptr) {
            ++j;
            continue;
        }
        const HxGePoint startJ = pipeJ->GetStartPoint();
        const HxGePoint endJ = pipeJ->GetEndPoint();
        if (checkMode == 0 && startJ.Equal3d(endJ)) {
            zeroLength.Append(idJ);
            pipes.RemoveAt(j);
            pipeJ->close();
            continue;
        }
        const Overlap overlap = OverlapOf(segI, startI, endI, startJ, endJ);
        if (overlap == Overlap::kJOnI) {
            overlapped.Append(idJ);
            pipes.RemoveAt(j);
            pipeJ->close();
            continue;
        }
        if (overlap == Overlap::kIOnJ) {
            overlapped.Append(idI);
            pipes.RemoveAt(i);
            pipeJ->close();
            return InnerResult::kRemoved;
        }
        pipeJ->close();
        ++j;
    }
    return InnerResult::kKept;
}

} // namespace

void HxWtInternalCheckPipeLiteral(int checkMode, HxDbObjectIdList& pipes,
                                  HxDbObjectIdList& overlapped, HxDbObjectIdList& zeroLength) {
    int i = 0;
    while (i < pipes.Count()) {
        const AcDbObjectId idI = *pipes.PosAt(i);
        HxDbWtPipe* pipeI = OpenPipe(idI);
        if (pipeI == nullptr) {
            ++i;
            continue;
        }
        const HxGePoint startI = pipeI->GetStartPoint();
        const HxGePoint endI = pipeI->GetEndPoint();
        if (checkMode == 0 && startI.Equal3d(endI)) {
            zeroLength.Append(idI);
            pipes.RemoveAt(i);
            pipeI->close();
            continue;
        }
        const InnerResult result = checkMode == 0
                                       ? SweepBehind<HxGeLineSeg3d>(checkMode, i, idI, startI, endI,
                                                                    pipes, overlapped, zeroLength)
                                       : SweepBehind<HxGeLineSeg2d>(checkMode, i, idI, startI, endI,
                                                                    pipes, overlapped, zeroLength);
        pipeI->close();
        if (result == InnerResult::kKept)
            ++i;
    }
}
