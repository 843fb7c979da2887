// The graph's id filter: members always answer "maybe"; ids close together
// give an exact answer for aligned ids, spread ids a hashed one.
#include "HostTest.h"

#include "../../graph/IdFilter.h"

#include <cstdint>
#include <vector>

namespace {

AcDbObjectId At(std::uintptr_t address) {
    return AcDbObjectId(reinterpret_cast<AcDbStub*>(address));
}

HxWtIdFilter Of(const std::vector<AcDbObjectId>& ids) {
    HxWtIdFilter filter;
    filter.Build(ids.size(), [&](auto visit) {
        for (AcDbObjectId id : ids)
            visit(id);
    });
    return filter;
}

class IdFilterTest : public HostTest {};

TEST_F(IdFilterTest, MembersAlwaysMayBeHeld) {
    const std::uintptr_t base = 0x7f0000100000;
    const struct {
        const char* layout;
        std::uintptr_t stride; // between members
        int count;
    } cases[] = {
        {"close, 40-byte stubs", 40, 1000}, // ranged, unit 8
        {"close, odd addresses", 3, 500},   // ranged, unit 1
        {"one member", 8, 1},               // ranged, span of one unit
        {"spread far apart", 1 << 20, 300}, // hashed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        std::vector<AcDbObjectId> ids;
        for (int k = 0; k < c.count; ++k)
            ids.push_back(At(base + c.stride * static_cast<std::uintptr_t>(k)));
        HxWtIdFilter filter = Of(ids);
        for (AcDbObjectId id : ids)
            ASSERT_TRUE(filter.MayHold(id));
    }
}

TEST_F(IdFilterTest, CloseIdsAnswerExactlyForAlignedIds) {
    const std::uintptr_t base = 0x7f0000100000;
    std::vector<AcDbObjectId> ids;
    for (int k = 0; k < 100; k += 2) // every other 40-byte stub
        ids.push_back(At(base + 40 * static_cast<std::uintptr_t>(k)));
    HxWtIdFilter filter = Of(ids);
    for (int k = -3; k < 103; k += 2) // the stubs between, and past both ends
        EXPECT_FALSE(filter.MayHold(At(base + 40 * static_cast<std::intptr_t>(k)))) << k;
    EXPECT_FALSE(filter.MayHold(AcDbObjectId()));
    EXPECT_FALSE(Of({}).MayHold(At(base)));
    HxWtIdFilter cleared = Of(ids);
    cleared.Clear();
    EXPECT_FALSE(cleared.MayHold(ids[0]));
}

} // namespace
