// Handles: hex text both ways, the seed, lookup of ids by handle, and what
// ids report after erasure and after their database is gone.
#include "DrawingFixture.h"

#include <cwchar>

namespace {

class HandleTest : public DrawingTest {};

TEST_F(HandleTest, HexTextBothWays) {
    struct Case {
        const ACHAR* text;
        Adesk::UInt64 value;
        const ACHAR* written;
    };
    const Case cases[] = {{L"1f", 0x1F, L"1F"},
                          {L"000A", 0xA, L"A"},
                          {L"", 0, L"0"},
                          {L"12G", 0, L"0"},
                          {L"FFFFFFFFFFFFFFFF", 0xFFFFFFFFFFFFFFFFull, L"FFFFFFFFFFFFFFFF"},
                          {L"10000000000000000", 0, L"0"}}; // 17 digits
    for (const Case& c : cases) {
        const AcDbHandle h(c.text);
        EXPECT_EQ(h.value(), c.value) << c.text;
        ACHAR buffer[17];
        h.getIntoAsciiBuffer(buffer);
        EXPECT_STREQ(buffer, c.written);
    }
    EXPECT_TRUE(AcDbHandle(static_cast<const ACHAR*>(nullptr)).isNull());
    ACHAR small[3] = L"xx";
    AcDbHandle(0x123).getIntoAsciiBuffer(small, 3);
    EXPECT_STREQ(small, L""); // does not fit: nothing written
}

TEST_F(HandleTest, EveryAddedObjectTakesTheNextHandle) {
    const AcDbHandle seed = db()->handseed();
    const AcDbObjectId a = addLine();
    const AcDbObjectId b = addLine();
    EXPECT_EQ(a.handle(), seed);
    EXPECT_EQ(b.handle().value(), seed.value() + 1);
    EXPECT_EQ(db()->handseed().value(), seed.value() + 2);
    EXPECT_LT(a, b);
}

TEST_F(HandleTest, IdsByHandle) {
    const AcDbObjectId line = addLine();
    eraseObject(line);
    AcDbObjectId id;
    EXPECT_EQ(db()->getAcDbObjectId(id, false, line.handle()), Acad::eOk);
    EXPECT_EQ(id, line); // erased objects keep their handles
    AcDbObjectId untouched = db()->clayer();
    EXPECT_EQ(db()->getAcDbObjectId(untouched, true, AcDbHandle(0xFFFFFF)), Acad::eUnknownHandle);
    EXPECT_EQ(untouched, db()->clayer());
    EXPECT_EQ(db()->getAcDbObjectId(untouched, false, AcDbHandle()), Acad::eNullHandle);
    // Asking to create an id for an unknown handle makes none.
    const int before = hxhost::objectCount();
    db()->getAcDbObjectId(untouched, true, AcDbHandle(0xFFFFFF));
    EXPECT_EQ(hxhost::objectCount(), before);

    // Ids of a deleted database are invalid and answer nothing.
    auto* side = new AcDbDatabase;
    const AcDbObjectId table = side->blockTableId();
    EXPECT_TRUE(table.isValid() && table.database() == side);
    delete side;
    EXPECT_FALSE(table.isValid());
    EXPECT_EQ(table.database(), nullptr);
    EXPECT_TRUE(table.handle().isNull());
    EXPECT_FALSE(table.isErased());
    EXPECT_FALSE(AcDbObjectId::kNull.isValid());
}

} // namespace
