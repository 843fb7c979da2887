// The product's entities in the stand-in database: class identity, write
// rules of the setters, plan extents, stored values and fields.
#include "HostTest.h"
#include "HxWtDbObject.h"
#include "NetworkBuilder.h"
#include "db.h"

namespace {

class Entities : public HostTest {
protected:
    NetworkBuilder net;
};

TEST_F(Entities, ClassesAreKnownByNameBeforeAnyEntityExists) {
    const struct {
        const ACHAR* name;
        AcRxClass* (*desc)();
    } classes[] = {{L"HxDbEntity", &HxDbEntity::desc},
                   {L"HxDbPipeEntity", &HxDbPipeEntity::desc},
                   {L"HxDbWtPipe", &HxDbWtPipe::desc},
                   {L"HxDbWtWell", &HxDbWtWell::desc},
                   {L"HxDbWtPool", &HxDbWtPool::desc},
                   {L"HxDbWtEquipment", &HxDbWtEquipment::desc},
                   {L"HxDbSymbElevation", &HxDbSymbElevation::desc}};
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

// Each setter, run on an entity open for read, must refuse; open for write it
// succeeds.
TEST_F(Entities, SettersRefusedWhileOpenForRead) {
    const AcDbObjectId pipe = net.pipe(0, 0, 1, 0), well = net.well(0, 0), pool = net.pool(0, 0),
                       box = net.equipment(0, 0, 1, 1);
    using E = HxDbEntity;
    const struct {
        const char* name;
        AcDbObjectId id;
        Acad::ErrorStatus (*set)(E*);
    } cases[] = {
        {"pipe flag", pipe,
         [](E* e) { return HxDbWtPipe::cast(e)->SetPipeFlag(HxDbWtPipe::kEquipLinkPipe); }},
        {"pipe points", pipe,
         [](E* e) { return HxDbWtPipe::cast(e)->SetPoints(AcGePoint3d(), AcGePoint3d()); }},
        {"pipe diameter", pipe, [](E* e) { return HxDbWtPipe::cast(e)->SetDiameter(1.0); }},
        {"pipe material", pipe, [](E* e) { return HxDbWtPipe::cast(e)->SetMaterial(L"steel"); }},
        {"well location", well,
         [](E* e) { return HxDbWtWell::cast(e)->SetWellLocation(AcGePoint3d(1, 2, 3)); }},
        {"well diameter", well, [](E* e) { return HxDbWtWell::cast(e)->SetWellDiameter(2.0); }},
        {"pool size", pool, [](E* e) { return HxDbWtPool::cast(e)->SetPoolSize(1, 1, 1); }},
        {"equipment box", box,
         [](E* e) { return HxDbWtEquipment::cast(e)->SetBox(AcGePoint3d(), AcGePoint3d()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (AcDb::OpenMode mode : {AcDb::kForRead, AcDb::kForWrite}) {
            HxDbEntity* ent = nullptr;
            ASSERT_EQ(acdbOpenObject(ent, c.id, mode), Acad::eOk);
            EXPECT_EQ(c.set(ent), mode == AcDb::kForRead ? Acad::eNotOpenForWrite : Acad::eOk);
            ent->close();
        }
    }
}

TEST_F(Entities, PipeLengthsInSpaceAndPlan) {
    HxDbWtPipe pipe(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 12));
    EXPECT_DOUBLE_EQ(pipe.GetPipeLength(), 13.0);
    EXPECT_DOUBLE_EQ(pipe.GetPipeLength2d(), 5.0);
}

TEST_F(Entities, PlanExtentsFollowTheShapes) {
    const struct {
        const char* name;
        AcDbObjectId id;
        AcGePoint3d min, max;
    } cases[] = {
        {"pipe", net.pipe(AcGePoint3d(5, 1, 2), AcGePoint3d(1, 4, 0)), {1, 1, 0}, {5, 4, 2}},
        {"well", net.well(10, 10, 3, 2.0), {9, 9, 3}, {11, 11, 3}},
        {"pool", net.pool(0, 0, 8, 4), {-4, -2, 0}, {4, 2, 0}},
        {"equipment corners swapped", net.equipment(3, 0, 1, 2), {1, 0, 0}, {3, 2, 0}},
        {"elevation symbol",
         hxhost::addToModelSpace(new HxDbSymbElevation(AcGePoint3d(7, 8, 9), L"12.5")),
         {7, 8, 9},
         {7, 8, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HxDbEntity* ent = nullptr;
        ASSERT_EQ(acdbOpenObject(ent, c.id, AcDb::kForRead), Acad::eOk);
        AcDbExtents box;
        EXPECT_EQ(ent->getGeomExtents(box), Acad::eOk);
        ent->close();
        EXPECT_EQ(box.minPoint(), c.min);
        EXPECT_EQ(box.maxPoint(), c.max);
    }
}

TEST_F(Entities, NegativeSizesRefusedAndNullTextsEmpty) {
    HxDbWtWell well;
    EXPECT_EQ(well.SetWellDiameter(-1.0), Acad::eInvalidInput);
    HxDbWtPool pool;
    EXPECT_EQ(pool.SetPoolSize(1.0, -1.0, 1.0), Acad::eInvalidInput);
    EXPECT_EQ(pool.GetPoolWidth(), 0.0);
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
