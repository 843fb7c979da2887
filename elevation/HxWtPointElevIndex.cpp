// HxWtPointElevIndex: the utility's queries with Find3Point answered through
// a k-d tree, with the slots filled exactly as the one-pass scan fills them.
//
// Why a few samples suffice. The scan offers every sample in array order.
// Until the slots are full it takes (almost) every sample; that prefix is
// replayed as it is. Afterwards a sample changes the slots only when it is
// nearer than the third slot, and whether it is taken depends only on nearer
// samples and on the held samples within 0.0001 of it. So take the j nearest
// samples where a gap wider than 0.0002 (twice the repeat distance, for
// rounding) separates the j-th distance from the
// (j+1)-th: nothing beyond the gap can be a repeat of anything inside it, and
// replaying the prefix and then the samples inside the gap in array order
// makes every decision about them that the full scan makes. When the slots
// then hold only samples inside the gap, the full scan ends with the same
// slots; otherwise the search widens, and in the end falls back to the scan.
#include "HxWtPointElevIndex.h"
#include "NearestSlots.h"
#include "SampleIndex.h"

#include <algorithm>
#include <vector>

using hxwt::elevation::kSameSample;
using hxwt::elevation::NearestSlots;
using hxwt::elevation::SampleIndex;

namespace {

// Most queries find the gap within the first few; the search widens fourfold.
constexpr int kFirstNeighbours = 3;

} // namespace

struct HxWtPointElevIndex::Impl {
    explicit Impl(const HxWtPointElevUtility& source)
        : utility(source), samples(utility.m_samples.length() > 0 ? &utility.m_samples[0] : nullptr,
                                   utility.m_samples.length() > 0
                                       ? &utility.m_samples[0] + utility.m_samples.length()
                                       : nullptr),
          index(samples) {}

    // The scan's slots: the prefix replayed, then the near samples.
    NearestSlots nearest(const AcGePoint3d& pt) const {
        NearestSlots slots; // presets: the origin, as the utility's caller sets them
        const AcGePoint3d q(pt.x, pt.y, 0.0);
        const int n = static_cast<int>(samples.size());
        int filled = 0;
        for (; filled < n && !slots.full(); ++filled)
            slots.offer(samples[filled], q);
        if (!slots.full())
            return slots;
        for (int k = kFirstNeighbours; k < n; k *= 4) {
            NearestSlots trial = slots;
            if (replayNear(trial, q, k, filled))
                return trial;
        }
        for (int i = filled; i < n; ++i)
            slots.offer(samples[i], q);
        return slots;
    }

    // Replays the samples after `filled` that lie inside the first gap among
    // the k + 1 nearest; false when no gap is found or the slots end up
    // holding a sample outside it.
    bool replayNear(NearestSlots& slots, const AcGePoint3d& q, int k, int filled) const {
        index.nearest(q, k + 1, near);
        size_t inside = 0;
        for (size_t j = 3; j < near.size(); ++j) {
            if (near[j].d - near[j - 1].d > 2 * kSameSample) { // margin for rounding
                inside = j;
                break;
            }
        }
        if (inside == 0)
            return false;
        order.clear();
        for (size_t j = 0; j < inside; ++j) {
            if (near[j].index >= filled)
                order.push_back(near[j].index);
        }
        std::sort(order.begin(), order.end());
        for (int i : order)
            slots.offer(samples[i], q);
        return slots.d[2] <= near[inside - 1].d;
    }

    HxWtPointElevUtility utility; // the snapshot, for the geometry of a query
    std::vector<AcGePoint3d> samples;
    SampleIndex index;
    // Scratch of replayNear, kept between queries to spare allocations.
    mutable std::vector<SampleIndex::Near> near;
    mutable std::vector<int> order;
};

HxWtPointElevIndex::HxWtPointElevIndex(const HxWtPointElevUtility& utility)
    : m_impl(std::make_unique<Impl>(utility)) {}

HxWtPointElevIndex::~HxWtPointElevIndex() = default;

int HxWtPointElevIndex::SampleCount() const {
    return static_cast<int>(m_impl->samples.size());
}

bool HxWtPointElevIndex::GetSample(int i, AcGePoint3d& sample) const {
    if (i < 0 || i >= SampleCount())
        return false;
    sample = m_impl->samples[static_cast<size_t>(i)];
    return true;
}

int HxWtPointElevIndex::GetPointElevation(const AcGePoint3d& pt, double& elevation) {
    if (m_impl->samples.size() < 3)
        return m_impl->utility.GetPointElevation(pt, elevation);
    const NearestSlots slots = m_impl->nearest(pt);
    elevation = m_impl->utility.GetPlaneZ(slots.p[0], slots.p[1], slots.p[2], pt);
    return 1;
}
