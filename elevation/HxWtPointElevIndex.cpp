// HxWtPointElevIndex: the utility's queries with Find3Point answered through
// a k-d tree. The slots are filled exactly as the one-pass scan fills them:
// samples are offered in array order; once three are held, a sample can only
// change the slots when it lies nearer than the third one, so only those are
// fetched from the index, still in array order.
#include "HxWtPointElevIndex.h"
#include "NearestSlots.h"
#include "SampleIndex.h"

#include <vector>

using hxwt::elevation::NearestSlots;
using hxwt::elevation::SampleIndex;

struct HxWtPointElevIndex::Impl {
    explicit Impl(const HxWtPointElevUtility& source)
        : utility(source), samples(utility.m_samples.length() > 0 ? &utility.m_samples[0] : nullptr,
                                   utility.m_samples.length() > 0
                                       ? &utility.m_samples[0] + utility.m_samples.length()
                                       : nullptr),
          index(samples) {}

    NearestSlots nearest(const AcGePoint3d& pt) const {
        NearestSlots slots; // presets: the origin, as the utility's caller sets them
        const AcGePoint3d q(pt.x, pt.y, 0.0);
        const int n = static_cast<int>(samples.size());
        int i = 0;
        for (; i < n && !slots.full(); ++i)
            slots.offer(samples[i], q);
        for (int next = i - 1; slots.full();) {
            next = index.nextWithin(q, slots.d[2], next);
            if (next < 0)
                break;
            slots.offer(samples[next], q);
        }
        return slots;
    }

    HxWtPointElevUtility utility; // the snapshot, for the geometry of a query
    std::vector<AcGePoint3d> samples;
    SampleIndex index;
};

HxWtPointElevIndex::HxWtPointElevIndex(const HxWtPointElevUtility& utility)
    : m_impl(std::make_unique<Impl>(utility)) {}

HxWtPointElevIndex::~HxWtPointElevIndex() = default;

int HxWtPointElevIndex::SampleCount() const {
    return static_cast<int>(m_impl->samples.size());
}

int HxWtPointElevIndex::GetPointElevation(const AcGePoint3d& pt, double& elevation) {
    if (m_impl->samples.size() < 3)
        return m_impl->utility.GetPointElevation(pt, elevation);
    const NearestSlots slots = m_impl->nearest(pt);
    elevation = m_impl->utility.GetPlaneZ(slots.p[0], slots.p[1], slots.p[2], pt);
    return 1;
}
