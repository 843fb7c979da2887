// The entities' property setters: refused while open for read, values out of
// range refused at their boundary, and the old value kept on every refusal.
#include "DrawingFixture.h"

#include "dbmtext.h"
#include "dbpl.h"

namespace {

using SetterRulesTest = DrawingTest;

// One numeric property: how to make its entity, set and read the value, the
// last value the setter takes and the first one past it that it refuses.
struct Rule {
    const char* name;
    AcDbEntity* (*make)();
    Acad::ErrorStatus (*set)(AcDbEntity*, double);
    double (*get)(const AcDbEntity*);
    double accepted;
    double refused;
};

AcDbEntity* circle() {
    return new AcDbCircle(AcGePoint3d(), AcGeVector3d(0, 0, 1), 5.0);
}

AcDbEntity* mtext() {
    auto* text = new AcDbMText;
    text->setTextHeight(3.0);
    text->setWidth(4.0);
    text->setAttachment(AcDbMText::kMiddleCenter);
    return text;
}

const Rule kRules[] = {
    {"circle radius", circle,
     [](AcDbEntity* e, double v) { return AcDbCircle::cast(e)->setRadius(v); },
     [](const AcDbEntity* e) { return AcDbCircle::cast(e)->radius(); }, 1e-9, 0.0},
    {"mtext height", mtext,
     [](AcDbEntity* e, double v) { return AcDbMText::cast(e)->setTextHeight(v); },
     [](const AcDbEntity* e) { return AcDbMText::cast(e)->textHeight(); }, 1e-9, 0.0},
    {"mtext width", mtext, [](AcDbEntity* e, double v) { return AcDbMText::cast(e)->setWidth(v); },
     [](const AcDbEntity* e) { return AcDbMText::cast(e)->width(); }, 0.0, -1e-9},
    {"mtext attachment", mtext,
     [](AcDbEntity* e, double v) {
         return AcDbMText::cast(e)->setAttachment(static_cast<AcDbMText::AttachmentPoint>(v));
     },
     [](const AcDbEntity* e) { return double(AcDbMText::cast(e)->attachment()); }, 9, 10},
    {"polyline width", [] { return static_cast<AcDbEntity*>(new AcDbPolyline); },
     [](AcDbEntity* e, double v) { return AcDbPolyline::cast(e)->setConstantWidth(v); },
     [](const AcDbEntity* e) { return AcDbPolyline::cast(e)->constantWidth(); }, 0.0, -1e-9},
    {"colour index", [] { return static_cast<AcDbEntity*>(new AcDbLine); },
     [](AcDbEntity* e, double v) { return e->setColorIndex(static_cast<Adesk::UInt16>(v)); },
     [](const AcDbEntity* e) { return double(e->colorIndex()); }, 257, 258},
};

TEST_F(SetterRulesTest, WriteCheckedFirstThenTheValue) {
    for (const Rule& rule : kRules) {
        SCOPED_TRACE(rule.name);
        const AcDbObjectId id = hxhost::addToModelSpace(rule.make());
        AcDbEntity* ent = nullptr;
        ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForRead), Acad::eOk);
        const double before = rule.get(ent);
        EXPECT_EQ(rule.set(ent, rule.refused), Acad::eNotOpenForWrite);
        EXPECT_EQ(rule.set(ent, rule.accepted), Acad::eNotOpenForWrite);
        EXPECT_EQ(rule.get(ent), before);
        ASSERT_EQ(ent->upgradeOpen(), Acad::eOk);
        EXPECT_EQ(rule.set(ent, rule.refused), Acad::eInvalidInput);
        EXPECT_EQ(rule.get(ent), before);
        EXPECT_EQ(rule.set(ent, rule.accepted), Acad::eOk);
        EXPECT_EQ(rule.get(ent), rule.accepted);
        ent->close();
    }
}

} // namespace
