// Result-buffer chains and host strings: building, value kinds, release, the
// ledger and the allocation fault.
#include "HostTest.h"

#include "acdb.h"
#include "acutads.h"

#include <cstring>
#include <cwchar>

using hxhost::Resource;

namespace {

class ResbufTest : public HostTest {};

int chainLength(const resbuf* rb) {
    int n = 0;
    for (; rb != nullptr; rb = rb->rbnext)
        ++n;
    return n;
}

TEST_F(ResbufTest, GroupCodeKinds) {
    struct Case {
        int code;
        int kind;
    };
    const Case cases[] = {
        {-1, AcDb::kDwgSoftPointerId},
        {-3, AcDb::kDwgNull},
        {-4, AcDb::kDwgText},
        {0, AcDb::kDwgText},
        {5, AcDb::kDwgHandle},
        {8, AcDb::kDwgText},
        {10, AcDb::kDwg3Real},
        {38, AcDb::kDwgReal},
        {40, AcDb::kDwgReal},
        {62, AcDb::kDwgInt16},
        {90, AcDb::kDwgInt32},
        {105, AcDb::kDwgHandle},
        {160, AcDb::kDwgInt64},
        {290, AcDb::kDwgInt8},
        {310, AcDb::kDwgBChunk},
        {330, AcDb::kDwgSoftPointerId},
        {340, AcDb::kDwgHardPointerId},
        {350, AcDb::kDwgSoftOwnershipId},
        {360, AcDb::kDwgHardOwnershipId},
        {999, AcDb::kDwgText},
        {1000, AcDb::kDwgText},
        {1001, AcDb::kDwgText},
        {1002, AcDb::kDwgText},
        {1004, AcDb::kDwgBChunk},
        {1005, AcDb::kDwgHandle},
        {1010, AcDb::kDwg3Real},
        {1040, AcDb::kDwgReal},
        {1070, AcDb::kDwgInt16},
        {1071, AcDb::kDwgInt32},
        {RTSTR, AcDb::kDwgText},
        {RTREAL, AcDb::kDwgReal},
        {RTANG, AcDb::kDwgReal},
        {RTPOINT, AcDb::kDwg3Real},
        {RT3DPOINT, AcDb::kDwg3Real},
        {RTSHORT, AcDb::kDwgInt16},
        {RTLONG, AcDb::kDwgInt32},
        {RTINT64, AcDb::kDwgInt64},
        {RTENAME, AcDb::kDwgSoftPointerId},
        {RTPICKS, AcDb::kDwgSoftPointerId},
        {RTLB, AcDb::kDwgNull},
        {RTNIL, AcDb::kDwgNull},
        {RTDXF0, AcDb::kDwgText},
        {80, AcDb::kDwgNotRecognized},
        {1072, AcDb::kDwgNotRecognized},
        {-6, AcDb::kDwgNotRecognized},
        {5099, AcDb::kDwgNotRecognized},
    };
    for (const Case& c : cases)
        EXPECT_EQ(acdbGroupCodeToType(c.code), c.kind) << "code " << c.code;
}

TEST_F(ResbufTest, NewBufferIsZeroedAndCounted) {
    resbuf* rb = acutNewRb(RTSTR);
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, RTSTR);
    EXPECT_EQ(rb->rbnext, nullptr);
    EXPECT_EQ(rb->resval.rstring, nullptr);
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 1);
    EXPECT_EQ(acutRelRb(rb), RTNORM);
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 0);
    EXPECT_EQ(acutRelRb(nullptr), RTNORM);
}

TEST_F(ResbufTest, BuildListTakesEachValueKind) {
    const ads_point pt = {1, 2, 3};
    ads_name name = {42, 7};
    char bytes[] = {'a', 0, 'b'};
    const ads_binary chunk = {3, bytes};
    resbuf* list =
        acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, pt, 40, 2.5, 62, 3, 90, 70000, 160,
                      Adesk::Int64(1) << 40, -1, name, 1004, &chunk, 1005, L"1F", RTLB, RTLE, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(chainLength(list), 12);
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 12);
    const resbuf* rb = list;
    EXPECT_EQ(rb->restype, 0); // RTDXF0 stands for group 0
    EXPECT_STREQ(rb->resval.rstring, L"LINE");
    rb = rb->rbnext->rbnext;
    EXPECT_EQ(rb->restype, 10);
    EXPECT_EQ(rb->resval.rpoint[2], 3.0);
    rb = rb->rbnext;
    EXPECT_EQ(rb->resval.rreal, 2.5);
    rb = rb->rbnext;
    EXPECT_EQ(rb->resval.rint, 3);
    rb = rb->rbnext;
    EXPECT_EQ(rb->resval.rlong, 70000);
    rb = rb->rbnext;
    EXPECT_EQ(rb->resval.mnInt64, Adesk::Int64(1) << 40);
    rb = rb->rbnext;
    EXPECT_TRUE(ads_name_equal(rb->resval.rlname, name));
    rb = rb->rbnext;
    ASSERT_EQ(rb->resval.rbinary.clen, 3);
    EXPECT_NE(rb->resval.rbinary.buf, bytes); // copied
    EXPECT_EQ(std::memcmp(rb->resval.rbinary.buf, bytes, 3), 0);
    rb = rb->rbnext;
    EXPECT_STREQ(rb->resval.rstring, L"1F");
    EXPECT_EQ(rb->rbnext->restype, RTLB);
    acutRelRb(list);
}

TEST_F(ResbufTest, BuildListRefusesBadItemsAndLeavesNothing) {
    const ads_point pt = {0, 0, 0};
    struct Case {
        const char* what;
        resbuf* (*build)(const ads_point&);
    };
    const Case cases[] = {
        {"unknown code", [](const ads_point&) { return acutBuildList(RTSTR, L"a", 80, 1, 0); }},
        {"null string",
         [](const ads_point&) {
             return acutBuildList(RTSTR, L"a", 1000, static_cast<const ACHAR*>(nullptr), 0);
         }},
        {"null point",
         [](const ads_point&) {
             return acutBuildList(RTSTR, L"a", 10, static_cast<const ads_real*>(nullptr), 0);
         }},
        {"null chunk",
         [](const ads_point& p) {
             return acutBuildList(10, p, 1004, static_cast<const ads_binary*>(nullptr), 0);
         }},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.build(pt), nullptr) << c.what;
        EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 0) << c.what;
    }
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
    EXPECT_STREQ(copy, L"管道");
    EXPECT_EQ(hxhost::outstanding(Resource::String), 1);
    EXPECT_EQ(acutDelString(copy), RTNORM);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(hxhost::outstanding(Resource::String), 0);
    EXPECT_EQ(acutDelString(copy), RTNORM); // null accepted

    ACHAR* untouched = copy;
    EXPECT_EQ(acutNewString(nullptr, untouched), RTERROR);
    EXPECT_EQ(untouched, nullptr);
}

TEST_F(ResbufTest, AllocationFaultFailsEachAllocator) {
    hxhost::failNext(hxhost::kFaultAlloc, 3);
    EXPECT_EQ(acutNewRb(RTSHORT), nullptr);
    EXPECT_EQ(acutBuildList(RTSHORT, 1, 0), nullptr);
    ACHAR* out = nullptr;
    EXPECT_EQ(acutNewString(L"x", out), RTERROR);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(hxhost::outstanding(Resource::Resbuf), 0);
    EXPECT_EQ(hxhost::outstanding(Resource::String), 0);
    // The plan is used up: the next allocation succeeds.
    resbuf* rb = acutBuildList(RTSHORT, 1, RTSHORT, 2, 0);
    EXPECT_EQ(chainLength(rb), 2);
    acutRelRb(rb);
}

} // namespace
