// HxWtPointElevUtility: the object's life (construction, copy, move, reload)
// and the query that dispatches on the number of samples.
#include "HxWtPointElevUtility.h"
#include "NearestSlots.h"

namespace {

constexpr int kGrowLength = 8;

} // namespace

HxWtPointElevUtility::HxWtPointElevUtility() : m_samples(0, kGrowLength) {
    LoadElevation();
}

HxWtPointElevUtility::HxWtPointElevUtility(const HxWtPointElevUtility& other)
    : m_samples(other.m_samples) {}

HxWtPointElevUtility::HxWtPointElevUtility(HxWtPointElevUtility&& other)
    : m_samples(std::move(other.m_samples)) {
    other.m_samples.setPhysicalLength(0);
    other.m_samples.setGrowLength(kGrowLength);
}

HxWtPointElevUtility& HxWtPointElevUtility::operator=(const HxWtPointElevUtility& other) {
    if (this == &other)
        return *this;
    m_samples.setLogicalLength(other.m_samples.length());
    for (int i = 0; i < other.m_samples.length(); ++i)
        m_samples[i] = other.m_samples[i];
    return *this;
}

HxWtPointElevUtility& HxWtPointElevUtility::operator=(HxWtPointElevUtility&& other) {
    if (this == &other)
        return *this;
    m_samples = std::move(other.m_samples);
    other.m_samples.setPhysicalLength(0);
    other.m_samples.setGrowLength(kGrowLength);
    return *this;
}

HxWtPointElevUtility::~HxWtPointElevUtility() = default;

void HxWtPointElevUtility::ReLoadElevation() {
    m_samples.setLogicalLength(0);
    LoadElevation();
}

int HxWtPointElevUtility::GetPointElevation(const AcGePoint3d& pt, double& elevation) {
    elevation = 0.0;
    const int n = m_samples.length();
    if (n == 0)
        return 0;
    if (n == 1) {
        elevation = m_samples[0].z;
        return 1;
    }
    if (n == 2) {
        elevation = Compute2PointElev(m_samples[0], m_samples[1], pt);
        return 1;
    }
    AcGePoint3d p1(0, 0, 0), p2(0, 0, 0), p3(0, 0, 0);
    Find3Point(pt, p1, p2, p3);
    elevation = GetPlaneZ(p1, p2, p3, pt);
    return 1;
}

void HxWtPointElevUtility::Find3Point(AcGePoint3d pt, AcGePoint3d& p1, AcGePoint3d& p2,
                                      AcGePoint3d& p3) {
    hxwt::elevation::NearestSlots slots;
    slots.p[0] = p1;
    slots.p[1] = p2;
    slots.p[2] = p3;
    const AcGePoint3d q(pt.x, pt.y, 0.0);
    for (int i = 0; i < m_samples.length(); ++i)
        slots.offer(m_samples[i], q);
    p1 = slots.p[0];
    p2 = slots.p[1];
    p3 = slots.p[2];
}
