// CheckPipe against the literal sweep on random layouts: pipes on a coarse
// grid (so that duplicates, pipes lying on longer ones, touching and crossing
// pipes are common), zero-length and vertical pipes, points nudged within and
// beyond the tolerance, repeated ids, lines, erased pipes and null ids, far
// from the origin too, in both modes. The three lists must agree element for
// element.
#include "PipeDrawingTest.h"

#include <algorithm>
#include <random>

#include "HxWtPipeCheckLiteral.h"

namespace {

class CheckPipeDifferentialTest : public PipeDrawingTest,
                                  public ::testing::WithParamInterface<int> {
protected:
    // Draws the random layout of a seed and returns its id list, shuffled:
    // 20 to 199 pipes at integer positions 0 .. 3 to 8, the grid at the
    // origin, at -250.5 or far out at 1e6.
    std::vector<AcDbObjectId> drawLayout(int seed) {
        const int pipes = 20 + (seed * 37) % 180;
        const double origin = seed % 3 == 0 ? 1.0e6 : (seed % 3 == 1 ? 0.0 : -250.5);
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> coord(0, 3 + seed % 6);
        std::uniform_int_distribution<int> percent(0, 99);
        const double nudges[] = {0.0, 4e-7, -4e-7, 3e-6};
        std::uniform_int_distribution<int> nudge(0, 3);
        auto point = [&](int x, int y) {
            const double z = percent(rng) < 10 ? 2.0 : 0.0;
            const double dx = percent(rng) < 15 ? nudges[nudge(rng)] : 0.0;
            return AcGePoint3d(origin + x + dx, origin + y, z);
        };
        std::vector<AcDbObjectId> ids;
        for (int k = 0; k < pipes; ++k) {
            const int x = coord(rng), y = coord(rng);
            // Axis-parallel or diagonal pipes, so that pieces lie on each other.
            const int dir = percent(rng) % 4;
            const int length = percent(rng) < 10 ? 0 : 1 + percent(rng) % 4;
            const int ex = x + (dir == 1 ? 0 : length), ey = y + (dir == 0 ? 0 : length);
            const AcDbObjectId id = addPipe(
                point(x, y), dir == 3 && length > 0 ? point(x - length, ey) : point(ex, ey));
            ids.push_back(id);
            const int extra = percent(rng);
            if (extra < 8)
                ids.push_back(id); // listed twice
            else if (extra < 11)
                ids.push_back(addLine());
            else if (extra < 13)
                ids.push_back(AcDbObjectId());
            else if (extra < 16) {
                const AcDbObjectId gone = addPipe(point(x, y), point(ex, ey));
                erase(gone);
                ids.push_back(gone);
            }
        }
        std::shuffle(ids.begin(), ids.end(), rng);
        return ids;
    }
};

TEST_P(CheckPipeDifferentialTest, AgreesWithTheLiteralSweep) {
    const std::vector<AcDbObjectId> ids = drawLayout(GetParam());
    const AcDbObjectId marker = addLine();
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        HxDbObjectIdList fastPipes, fastOver, fastZero, slowPipes, slowOver, slowZero;
        fill(fastPipes, ids);
        fill(slowPipes, ids);
        fill(fastOver, {marker});
        fill(slowOver, {marker});
        CheckPipe(mode, fastPipes, fastOver, fastZero);
        HxWtInternalCheckPipeLiteral(mode, slowPipes, slowOver, slowZero);
        EXPECT_EQ(items(fastPipes), items(slowPipes));
        EXPECT_EQ(items(fastOver), items(slowOver));
        EXPECT_EQ(items(fastZero), items(slowZero));
        // The layouts must exercise the rules, not pass vacuously.
        EXPECT_GT(slowOver.Count(), 1);
        if (mode == 0) {
            EXPECT_GT(slowZero.Count(), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Random, CheckPipeDifferentialTest, ::testing::Range(1, 25));

} // namespace
