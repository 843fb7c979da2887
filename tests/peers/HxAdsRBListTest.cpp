// HxAdsRBList: items become filter buffers of their group code's kind.
#include "HostTest.h"

#include "HxAecPlatform.h"
#include "acutads.h"

#include <string>

class HxAdsRBListTest : public HostTest {};

TEST_F(HxAdsRBListTest, BuildsTypedItemsInOrderAndCopies) {
    HxAdsRBList list;
    EXPECT_EQ(list.BuildFilter(), nullptr);
    list.Add(0, L"LINE");
    list.Add(62, L"3");
    list.Add(40, L"2.5");
    list.Add(8, nullptr);
    HxAdsRBList copy(list);
    list.Add(1001, L"APP");
    EXPECT_EQ(copy.Count(), 4);
    resbuf* rb = copy.BuildFilter();
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, 0);
    EXPECT_EQ(std::wstring(rb->resval.rstring), L"LINE");
    EXPECT_EQ(rb->rbnext->resval.rint, 3);
    EXPECT_DOUBLE_EQ(rb->rbnext->rbnext->resval.rreal, 2.5);
    EXPECT_EQ(std::wstring(rb->rbnext->rbnext->rbnext->resval.rstring), L"");
    EXPECT_EQ(rb->rbnext->rbnext->rbnext->rbnext, nullptr);
    acutRelRb(rb);
    copy = list;
    EXPECT_EQ(copy.Count(), 5);
}

TEST_F(HxAdsRBListTest, AllocationFailureGivesNullAndLeavesNothing) {
    HxAdsRBList list;
    list.Add(0, L"LINE");
    list.Add(8, L"0");
    hxhost::failNext(hxhost::kFaultAlloc, 1, 1);
    EXPECT_EQ(list.BuildFilter(), nullptr);
    list.Add(10, L"0,0");
    EXPECT_EQ(list.BuildFilter(), nullptr); // a point is no filter text
}
