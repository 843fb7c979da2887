// HxWtPointElevIndex against the utility's one-pass scan: identical answers
// on random sample sets full of repeats, equal distances and origin samples.
#include "ElevFixture.h"

#include <random>

namespace {

// Samples on a coarse integer grid so that equal distances are common, with
// repeats (exact and within the same-sample tolerance) and origin samples.
std::vector<AcGePoint3d> randomSamples(std::mt19937& rng, int n, double step) {
    std::uniform_int_distribution<int> coord(-6, 6), level(0, 4), kind(0, 9);
    std::vector<AcGePoint3d> out;
    while (static_cast<int>(out.size()) < n) {
        const int k = kind(rng);
        if (k == 0) {
            out.emplace_back(0, 0, 0);
        } else if (k == 1 && !out.empty()) {
            out.push_back(out[rng() % out.size()]);
        } else if (k == 2 && !out.empty()) {
            AcGePoint3d p = out[rng() % out.size()];
            p.z += 0.00005;
            out.push_back(p);
        } else {
            out.emplace_back(coord(rng) * step, coord(rng) * step, level(rng) * step);
        }
    }
    return out;
}

} // namespace

TEST_F(ElevTest, IndexAnswersExactlyAsTheScan) {
    std::mt19937 rng(20261205);
    std::uniform_int_distribution<int> size(0, 60);
    std::uniform_real_distribution<double> query(-8, 8);
    int compared = 0;
    for (int set = 0; set < 300; ++set) {
        // Every third set packs its samples within repeat distance of each
        // other, so that chains of near repeats cross any gap search.
        const double step = set % 3 == 2 ? 0.00007 : 1.0;
        HxWtPointElevUtility literal = withSamples(randomSamples(rng, size(rng), step));
        HxWtPointElevIndex fast(literal);
        for (int q = 0; q < 40; ++q) {
            // Half the queries on the grid (ties), half anywhere.
            const AcGePoint3d pt =
                q % 2 == 0 ? AcGePoint3d(std::round(query(rng)), std::round(query(rng)), 0)
                           : AcGePoint3d(query(rng), query(rng), query(rng));
            double a = -1, b = -2;
            const int ra = literal.GetPointElevation(pt, a);
            const int rb = fast.GetPointElevation(pt, b);
            ASSERT_EQ(ra, rb);
            ASSERT_EQ(a, b) << "set " << set << " at " << pt.x << "," << pt.y;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 300 * 40);
}

TEST_F(ElevTest, IndexOnLargeSetsAndAfterTheSourceReloads) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> c(0, 1000);
    std::vector<AcGePoint3d> pts;
    for (int i = 0; i < 20000; ++i)
        pts.emplace_back(std::floor(c(rng)), std::floor(c(rng)), std::floor(c(rng) / 10));
    HxWtPointElevUtility literal = withSamples(pts);
    HxWtPointElevIndex fast(literal);
    EXPECT_EQ(fast.SampleCount(), 20000);
    for (int q = 0; q < 200; ++q) {
        const AcGePoint3d pt(c(rng), c(rng), 0);
        double a = 0, b = 0;
        literal.GetPointElevation(pt, a);
        fast.GetPointElevation(pt, b);
        ASSERT_EQ(a, b);
    }
    literal.ReLoadElevation(); // the empty drawing: the index keeps its snapshot
    double e = 0;
    EXPECT_EQ(fast.GetPointElevation(AcGePoint3d(1, 1, 0), e), 1);
}

// Far from the origin the index keeps its boxes in floats rounded outward:
// survey coordinates, whose fractions no float holds, and coordinates beyond
// the float range still give the scan's answers.
TEST_F(ElevTest, IndexAnswersAsTheScanFarFromTheOrigin) {
    for (double base : {3.5e6 + 0.123, -4.1e7 - 0.77, 1e39, -3e300}) {
        std::mt19937 rng(static_cast<unsigned>(base > 0 ? 11 : 12));
        const double spread = std::max(200.0, std::fabs(base) * 1e-12);
        std::uniform_real_distribution<double> c(-spread, spread);
        std::vector<AcGePoint3d> pts;
        for (int i = 0; i < 3000; ++i)
            pts.emplace_back(base + c(rng), base + c(rng), i % 7);
        HxWtPointElevUtility literal = withSamples(pts);
        HxWtPointElevIndex fast(literal);
        for (int q = 0; q < 100; ++q) {
            const AcGePoint3d pt(base + c(rng), base + c(rng), 0);
            double a = 0, b = 0;
            literal.GetPointElevation(pt, a);
            fast.GetPointElevation(pt, b);
            ASSERT_EQ(a, b) << base << " query " << q;
        }
    }
}
