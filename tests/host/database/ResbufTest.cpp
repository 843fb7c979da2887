// Result-buffer chains and host strings: building, value kinds, release, the
// ledger and the allocation fault.
#include "ChainText.h"
#include "HostTest.h"

#include <cstring>
#include <cwchar>
#include <vector>

using hxhost::Resource;

namespace {

class ResbufTest : public HostTest {};

TEST_F(ResbufTest, GroupCodeKinds) {
    struct Case {
        int kind;
        std::vector<int> codes;
    };
    const Case cases[] = {{AcDb::kDwgText, {0, 8, 1000, 1001, RTSTR, RTDXF0}},
                          {AcDb::kDwgHandle, {5, 1005}},
                          {AcDb::kDwg3Real, {10, 1010, RT3DPOINT}},
                          {AcDb::kDwgReal, {40, 1040, RTREAL}},
                          {AcDb::kDwgInt8, {290}},
                          {AcDb::kDwgInt16, {62, 1070, RTSHORT}},
                          {AcDb::kDwgInt32, {90, 1071, RTLONG}},
                          {AcDb::kDwgInt64, {160, RTINT64}},
                          {AcDb::kDwgBChunk, {310, 1004}},
                          {AcDb::kDwgSoftPointerId, {-1, 330, RTENAME}},
                          {AcDb::kDwgNull, {-3, RTLB}},
                          {AcDb::kDwgNotRecognized, {80, 1072, 5099}}};
    for (const Case& c : cases) {
        for (int code : c.codes)
            EXPECT_EQ(acdbGroupCodeToType(code), c.kind) << "code " << code;
    }
}

TEST_F(ResbufTest, BuildListTakesEachValueKind) {
    resbuf* rb = acutNewRb(RTSTR); // zeroed and counted
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(chainText(rb), L"5005:(null)");
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 1);
    EXPECT_EQ(acutRelRb(rb), RTNORM);
    EXPECT_EQ(acutRelRb(nullptr), RTNORM);

    const ads_point pt = {1, 2, 3};
    ads_name name = {42, 7};
    char bytes[] = {'a', 0, 'b'};
    const ads_binary chunk = {3, bytes};
    resbuf* list =
        acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, pt, 40, 2.5, 62, 3, 90, 70000, 160,
                      Adesk::Int64(1) << 40, -1, name, 1004, &chunk, 1005, L"1F", RTLB, RTLE, 0);
    // RTDXF0 stands for group 0.
    EXPECT_EQ(chainText(list), L"0:LINE 8:0 10:1,2,3 40:2.5 62:3 90:70000 160:1099511627776 -1: "
                               L"1004:#3 1005:1F 5016: 5017:");
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 12);
    const resbuf* item = list;
    for (int i = 0; i < 7; ++i)
        item = item->rbnext;
    EXPECT_TRUE(ads_name_equal(item->resval.rlname, name));
    EXPECT_NE(item->rbnext->resval.rbinary.buf, bytes); // copied
    EXPECT_EQ(std::memcmp(item->rbnext->resval.rbinary.buf, bytes, 3), 0);
    acutRelRb(list);
}

TEST_F(ResbufTest, BuildListRefusesBadItemsAndLeavesNothing) {
    const ads_point pt = {0, 0, 0};
    const ACHAR* const noText = nullptr;
    const ads_real* const noPoint = nullptr;
    const ads_binary* const noChunk = nullptr;
    EXPECT_EQ(acutBuildList(RTSTR, L"a", 80, 1, 0), nullptr); // unknown code
    EXPECT_EQ(acutBuildList(RTSTR, L"a", 1000, noText, 0), nullptr);
    EXPECT_EQ(acutBuildList(RTSTR, L"a", 10, noPoint, 0), nullptr);
    EXPECT_EQ(acutBuildList(10, pt, 1004, noChunk, 0), nullptr);
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 0);
}

TEST_F(ResbufTest, ReleaseFreesOwnedStringsAndChunks) {
    // Strings and chunks put in by callers with malloc are the chain's to free
    // (the sanitizer build reports a leak or a bad free otherwise).
    resbuf* head = acutNewRb(1001);
    head->resval.rstring = static_cast<ACHAR*>(std::malloc(4 * sizeof(ACHAR)));
    std::wcscpy(head->resval.rstring, L"APP");
    head->rbnext = acutNewRb(1004);
    head->rbnext->resval.rbinary.buf = static_cast<char*>(std::malloc(5));
    head->rbnext->resval.rbinary.clen = 5;
    head->rbnext->rbnext = acutNewRb(1040); // a real: nothing to free
    EXPECT_EQ(acutRelRb(head), RTNORM);
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 0);
}

TEST_F(ResbufTest, HostStringsAreCountedUntilDeleted) {
    ACHAR* copy = nullptr;
    ASSERT_EQ(acutNewString(L"管道", copy), RTNORM);
    EXPECT_EQ(hxhost::outstanding(Resource::String), 1);
    EXPECT_EQ(acutDelString(copy), RTNORM);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(acutDelString(copy), RTNORM); // null accepted
}

TEST_F(ResbufTest, AllocationFaultFailsEachAllocator) {
    hxhost::failNext(hxhost::kFaultAlloc, 3);
    EXPECT_EQ(acutNewRb(RTSHORT), nullptr);
    EXPECT_EQ(acutBuildList(RTSHORT, 1, 0), nullptr);
    ACHAR* out = nullptr;
    EXPECT_EQ(acutNewString(L"x", out), RTERROR);
    EXPECT_EQ(out, nullptr);
    // The plan is used up: the next allocation succeeds.
    resbuf* rb = acutBuildList(RTSHORT, 1, RTSHORT, 2, 0);
    EXPECT_EQ(chainText(rb), L"5003:1 5003:2");
    acutRelRb(rb);
}

} // namespace
