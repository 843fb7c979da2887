// HxWtPointElevIndex: HxWtPointElevUtility's queries, made cheap on large
// sample sets. It takes a snapshot of a utility's samples and builds a
// spatial index over them once; every answer is the utility's own (the same
// three samples in the same slots, ties by array order, the same duplicate
// and origin rules), only found without scanning every sample.
//
// Cost: building is O(n log n) time and O(n) memory. A query replays the
// samples in array order until three distinct ones are held (normally the
// first three), then the few nearest ones from the index: about O(log n).
// Sets whose nearest samples are packed closer than 0.0002 apart (so no
// separating gap is found among them) widen the search and at worst fall
// back to the utility's O(n) scan.
#pragma once

#include "HxWtPointElevUtility.h"

#include <memory>

class HXWTUTILITY_API HxWtPointElevIndex {
public:
    // Snapshots the samples of utility (later reloads of it are not seen).
    explicit HxWtPointElevIndex(const HxWtPointElevUtility& utility);
    ~HxWtPointElevIndex();
    HxWtPointElevIndex(const HxWtPointElevIndex&) = delete;
    HxWtPointElevIndex& operator=(const HxWtPointElevIndex&) = delete;

    // As HxWtPointElevUtility::GetPointElevation.
    int GetPointElevation(const AcGePoint3d& pt, double& elevation);
    int SampleCount() const;
    // Sample i of the snapshot, in the utility's order; false (sample left
    // alone) for an index out of range.
    bool GetSample(int i, AcGePoint3d& sample) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
