// HxWtPointElevUtility: the ground level at any plan point of the open
// drawing, from elevation samples: annotations tagged with xdata of the
// application "HxSZ_BGWZ" whose text is a number.
//
// The object owns one array of samples (x, y: the annotation's plan
// position; z: the number of its text), filled when it is constructed and
// again on ReLoadElevation only; between those it answers from its own copy.
// Copies are independent snapshots. A query is one pass over the samples
// (O(n)) plus constant work on three of them; HxWtPointElevIndex answers the
// same queries faster on large sample sets.
#pragma once

#include "HxWtHost.h"

class AcDbPolyline;

class HXWTUTILITY_API HxWtPointElevUtility {
public:
    // An empty array (grow length 8), then LoadElevation.
    HxWtPointElevUtility();
    // Copies the grow length and every sample.
    HxWtPointElevUtility(const HxWtPointElevUtility& other);
    // Takes over the storage; other is left empty, without storage, grow
    // length 8.
    HxWtPointElevUtility(HxWtPointElevUtility&& other);
    // Self-assignment does nothing; otherwise the samples are copied and the
    // own grow length stays.
    HxWtPointElevUtility& operator=(const HxWtPointElevUtility& other);
    // Self-assignment does nothing; otherwise frees the own storage and takes
    // over other's, which is left as after the move constructor.
    HxWtPointElevUtility& operator=(HxWtPointElevUtility&& other);
    ~HxWtPointElevUtility();

    // Empties the array (keeping its storage) and collects the samples of the
    // drawing as it now stands.
    void ReLoadElevation();
    // 1 with the level at pt's plan position in elevation; 0 (elevation 0.0)
    // when there are no samples. pt's z is not used.
    int GetPointElevation(const AcGePoint3d& pt, double& elevation);

private:
    friend class HxWtPointElevIndex;
    // Tests load samples without a drawing through this class of theirs.
    friend class HxWtPointElevUtilityTestAccess;

    // Appends every sample of the current drawing (the array is not emptied).
    void LoadElevation();
    // 1 when the host's decimal distance parser accepts the text, else 0.
    int IsNumber(const wchar_t* text);
    // The level at pt on the line through two samples.
    double Compute2PointElev(AcGePoint3d first, AcGePoint3d second, AcGePoint3d pt);
    // The three nearest distinct samples, nearest first (slots preset to the
    // origin by the caller stay there when there are fewer).
    void Find3Point(AcGePoint3d pt, AcGePoint3d& p1, AcGePoint3d& p2, AcGePoint3d& p3);
    // The level at pt from three samples, p1 the nearest.
    double GetPlaneZ(AcGePoint3d p1, AcGePoint3d p2, AcGePoint3d p3, AcGePoint3d pt);
    // 1 when pt lies strictly inside the closed outline, else 0.
    int PointInPolyline(AcGePoint3d pt, AcDbPolyline* polyline);
    // The foot of the perpendicular from pt onto the line a-b, flattened.
    void PerPoint(AcGePoint3d a, AcGePoint3d b, AcGePoint3d pt, AcGePoint3d& foot);

    AcArray<AcGePoint3d> m_samples;
};
