// Filter lists of acedSSGet and the wildcard rules they use.
#include "editor/SelectionFixture.h"

namespace {

using Ids = std::vector<AcDbObjectId>;

} // namespace

TEST_F(SelectionTest, FiltersByTypeLayerSpaceColourAndXData) {
    drawThree();
    hxhost::addLayer(L"PIPE");
    AcDbObjectId ref = hxhost::addToModelSpace(new AcDbBlockReference({3, 3, 0}, AcDbObjectId()));
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenAcDbEntity(ent, b, AcDb::kForWrite), Acad::eOk);
    ent->setLayer(L"PIPE");
    ent->setColorIndex(1);
    ent->close();
    tag(c, L"HxSZ_BGWZ");
    struct Row {
        resbuf* filter;
        Ids expected;
    };
    Row rows[] = {{acutBuildList(RTDXF0, L"LINE", 0), {a, b, c}},
                  {acutBuildList(RTDXF0, L"insert", 0), {ref}},
                  {acutBuildList(RTDXF0, L"L*,INS*", 0), {a, b, c, ref}},
                  {acutBuildList(RTDXF0, L"~LINE", 0), {ref}},
                  {acutBuildList(8, L"P?PE", 0), {b}},
                  {acutBuildList(8, L"0", RTDXF0, L"LINE", 0), {a, c}},
                  {acutBuildList(62, 1, 0), {b}},
                  {acutBuildList(1001, L"hxsz_bgwz", 0), {c}},
                  {acutBuildList(1001, L"HxSZ_*", RTDXF0, L"INSERT", 0), {}}};
    for (Row& row : rows) {
        Result r = select(L"_X", nullptr, nullptr, row.filter);
        EXPECT_EQ(r.ids, row.expected);
        EXPECT_EQ(r.rc, row.expected.empty() ? RTERROR : RTNORM);
        acutRelRb(row.filter);
    }
    resbuf* unknown = acutBuildList(10, std::array<double, 3>{0, 0, 0}.data(), 0);
    EXPECT_EQ(select(L"_X", nullptr, nullptr, unknown).rc, RTREJ); // no filter code
    acutRelRb(unknown);
}
