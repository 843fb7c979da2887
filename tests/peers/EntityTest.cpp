// The product's entities in the stand-in database: class identity, write
// rules of the setters, plan extents, stored values and fields.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"
#include "db.h"

#include <functional>

namespace {

class Entities : public HostTest {
protected:
    NetworkBuilder net;
};

TEST_F(Entities, ClassesAreKnownByNameBeforeAnyEntityExists) {
    const struct {
        const ACHAR* name;
        AcRxClass* (*desc)();
    } classes[] = {
        {L"HxDbEntity", &HxDbEntity::desc},
        {L"HxDbPipeEntity", &HxDbPipeEntity::desc},
        {L"HxDbWtPipe", &HxDbWtPipe::desc},
        {L"HxDbWtWell", &HxDbWtWell::desc},
        {L"HxDbWtPool", &HxDbWtPool::desc},
        {L"HxDbWtEquipment", &HxDbWtEquipment::desc},
        {L"HxDbSymbElevation", &HxDbSymbElevation::desc},
    };
    for (const auto& c : classes) {
        EXPECT_EQ(AcRxClass::find(c.name), c.desc()) << c.name;
        EXPECT_TRUE(c.desc()->isDerivedFrom(HxDbEntity::desc())) << c.name;
    }
    EXPECT_TRUE(HxDbWtPipe::desc()->isDerivedFrom(HxDbPipeEntity::desc()));
    AcRxObject* made = AcRxClass::find(L"HXDBWTPIPE")->create();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->isA(), HxDbWtPipe::desc());
    delete made;
}

// Each setter, run on an entity open for read, must refuse and change nothing.
struct SetterCase {
    const char* name;
    std::function<AcDbObjectId(NetworkBuilder&)> make;
    std::function<Acad::ErrorStatus(HxDbEntity*)> set;
};

TEST_F(Entities, SettersRefusedWhileOpenForRead) {
    const AcGePoint3d p(1, 2, 3);
    const SetterCase cases[] = {
        {"pipe flag", [](NetworkBuilder& b) { return b.pipe(0, 0, 1, 0); },
         [](HxDbEntity* e) {
             return HxDbWtPipe::cast(e)->SetPipeFlag(HxDbWtPipe::kEquipLinkPipe);
         }},
        {"pipe points", [](NetworkBuilder& b) { return b.pipe(0, 0, 1, 0); },
         [&](HxDbEntity* e) { return HxDbWtPipe::cast(e)->SetPoints(p, p); }},
        {"pipe diameter", [](NetworkBuilder& b) { return b.pipe(0, 0, 1, 0); },
         [](HxDbEntity* e) { return HxDbWtPipe::cast(e)->SetDiameter(1.0); }},
        {"pipe material", [](NetworkBuilder& b) { return b.pipe(0, 0, 1, 0); },
         [](HxDbEntity* e) { return HxDbWtPipe::cast(e)->SetMaterial(L"steel"); }},
        {"well location", [](NetworkBuilder& b) { return b.well(0, 0); },
         [&](HxDbEntity* e) { return HxDbWtWell::cast(e)->SetWellLocation(p); }},
        {"well diameter", [](NetworkBuilder& b) { return b.well(0, 0); },
         [](HxDbEntity* e) { return HxDbWtWell::cast(e)->SetWellDiameter(2.0); }},
        {"pool size", [](NetworkBuilder& b) { return b.pool(0, 0); },
         [](HxDbEntity* e) { return HxDbWtPool::cast(e)->SetPoolSize(1, 1, 1); }},
        {"equipment box", [](NetworkBuilder& b) { return b.equipment(0, 0, 1, 1); },
         [&](HxDbEntity* e) { return HxDbWtEquipment::cast(e)->SetBox(p, p); }},
    };
    for (const SetterCase& c : cases) {
        const AcDbObjectId id = c.make(net);
        HxDbEntity* ent = nullptr;
        ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForRead), Acad::eOk) << c.name;
        EXPECT_EQ(c.set(ent), Acad::eNotOpenForWrite) << c.name;
        ent->close();
        ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForWrite), Acad::eOk) << c.name;
        EXPECT_EQ(c.set(ent), Acad::eOk) << c.name;
        ent->close();
    }
}

TEST_F(Entities, PipeFlagPersistsAcrossOpens) {
    const AcDbObjectId id = net.pipe(0, 0, 5, 0);
    HxDbWtPipe* pipe = nullptr;
    ASSERT_EQ(acdbOpenObject(pipe, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(pipe->GetPipeFlag(), HxDbWtPipe::kNetworkPipe);
    EXPECT_EQ(pipe->SetPipeFlag(HxDbWtPipe::kEquipLinkPipe), Acad::eOk);
    pipe->close();
    ASSERT_EQ(acdbOpenObject(pipe, id, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(pipe->GetPipeFlag(), HxDbWtPipe::kEquipLinkPipe);
    pipe->close();
}

TEST_F(Entities, PipeLengthsInSpaceAndPlan) {
    HxDbWtPipe pipe(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 12));
    EXPECT_DOUBLE_EQ(pipe.GetPipeLength(), 13.0);
    EXPECT_DOUBLE_EQ(pipe.GetPipeLength2d(), 5.0);
}

struct ExtentsCase {
    const char* name;
    std::function<HxDbEntity*()> make;
    AcGePoint3d min, max;
};

TEST_F(Entities, PlanExtentsFollowTheShapes) {
    const ExtentsCase cases[] = {
        {"pipe",
         [] { return new HxDbWtPipe(AcGePoint3d(5, 1, 2), AcGePoint3d(1, 4, 0)); },
         {1, 1, 0},
         {5, 4, 2}},
        {"well",
         [] {
             auto* w = new HxDbWtWell(AcGePoint3d(10, 10, 3));
             w->SetWellDiameter(2.0);
             return w;
         },
         {9, 9, 3},
         {11, 11, 3}},
        {"pool",
         [] {
             auto* p = new HxDbWtPool(AcGePoint3d(0, 0, 0));
             p->SetPoolSize(8, 4, 2);
             return p;
         },
         {-4, -2, 0},
         {4, 2, 0}},
        {"equipment corners swapped",
         [] { return new HxDbWtEquipment(AcGePoint3d(3, 0, 0), AcGePoint3d(1, 2, 0)); },
         {1, 0, 0},
         {3, 2, 0}},
        {"elevation symbol",
         [] { return new HxDbSymbElevation(AcGePoint3d(7, 8, 9), L"12.5"); },
         {7, 8, 9},
         {7, 8, 9}},
    };
    for (const ExtentsCase& c : cases) {
        HxDbEntity* ent = c.make();
        AcDbExtents box;
        EXPECT_EQ(ent->getGeomExtents(box), Acad::eOk) << c.name;
        EXPECT_EQ(box.minPoint(), c.min) << c.name;
        EXPECT_EQ(box.maxPoint(), c.max) << c.name;
        delete ent;
    }
}

TEST_F(Entities, NegativeSizesRefused) {
    HxDbWtWell well;
    EXPECT_EQ(well.SetWellDiameter(-1.0), Acad::eInvalidInput);
    HxDbWtPool pool;
    EXPECT_EQ(pool.SetPoolSize(1.0, -1.0, 1.0), Acad::eInvalidInput);
    EXPECT_EQ(pool.GetPoolWidth(), 0.0);
}

TEST_F(Entities, NullTextsBecomeEmpty) {
    HxDbWtPipe pipe;
    EXPECT_EQ(pipe.SetMaterial(nullptr), Acad::eOk);
    EXPECT_STREQ(pipe.GetMaterial(), L"");
    HxDbSymbElevation symbol(AcGePoint3d(), nullptr);
    EXPECT_STREQ(symbol.GetElevationText(), L"");
}

TEST_F(Entities, FieldsSetReadAndRemove) {
    HxDbWtWell well;
    HxDbFieldGroup& fields = well.Fields();
    EXPECT_FALSE(fields.SetField(nullptr, L"x"));
    EXPECT_FALSE(fields.SetField(L"", L"x"));
    EXPECT_TRUE(fields.SetField(L"name", L"W1"));
    CString value;
    EXPECT_TRUE(fields.GetField(L"name", value));
    EXPECT_STREQ(value.GetString(), L"W1");
    EXPECT_TRUE(fields.SetField(L"name", L""));
    CString none;
    EXPECT_FALSE(fields.GetField(L"name", none));
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(fields.Count(), 0);
}

TEST_F(Entities, CopyFromMakesEqualEntities) {
    HxDbWtPipe a(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    a.SetHeights(2.0, 1.5);
    a.SetMaterial(L"PVC");
    a.SetPipeFlag(static_cast<HxDbWtPipe::PipeFlag>(7));
    a.Fields().SetField(L"tag", L"A");
    HxDbWtPipe b;
    EXPECT_FALSE(b.isEqualTo(&a));
    EXPECT_EQ(b.copyFrom(&a), Acad::eOk);
    EXPECT_TRUE(b.isEqualTo(&a));
    EXPECT_EQ(b.GetPipeFlag(), 7);
    HxDbWtWell w;
    EXPECT_EQ(w.copyFrom(&a), Acad::eNotThatKindOfClass);
}

} // namespace
