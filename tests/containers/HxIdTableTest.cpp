// HxIdTable: values by id across growth, overwriting, the null id and clearing.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxIdTable.h"

namespace {

class HxIdTableTest : public HostTest {};

TEST_F(HxIdTableTest, KeepsEveryValueAcrossGrowth) {
    HxIdTable table;
    EXPECT_EQ(table.Get(IdOf(1)), -1); // empty table
    const int n = 5000;                // many doublings, with colliding homes
    for (int k = 1; k <= n; ++k)
        table.Set(IdOf(k), k * 3);
    for (int k = 1; k <= n; ++k)
        ASSERT_EQ(table.Get(IdOf(k)), k * 3) << k;
    EXPECT_EQ(table.Get(IdOf(n + 1)), -1);
}

TEST_F(HxIdTableTest, OverwritesRetiresAndClears) {
    HxIdTable table;
    table.Reserve(4);
    table.Set(IdOf(7), 1);
    table.Set(IdOf(7), 2); // a second Set replaces the value
    EXPECT_EQ(table.Get(IdOf(7)), 2);
    table.Set(IdOf(7), -1); // retired: reads as none
    EXPECT_EQ(table.Get(IdOf(7)), -1);
    table.Set(AcDbObjectId(), 9); // the null id is a key like any other
    EXPECT_EQ(table.Get(AcDbObjectId()), 9);
    table.Set(IdOf(8), 0);
    table.Clear();
    EXPECT_EQ(table.Get(IdOf(8)), -1);
    EXPECT_EQ(table.Get(AcDbObjectId()), -1);
    table.Set(IdOf(8), 5); // usable again after Clear
    EXPECT_EQ(table.Get(IdOf(8)), 5);
}

} // namespace

// SetIfNone sets only keys that read as none: new, retired or the null id.
TEST_F(HxIdTableTest, SetIfNoneKeepsAValueThatIsThere) {
    HxIdTable table;
    struct Case {
        AcDbObjectId id;
        int before; // -2: never set
        bool set;
        int after;
    };
    const Case cases[] = {
        {IdOf(1), -2, true, 4},        {IdOf(2), 3, false, 3},        {IdOf(3), -1, true, 4},
        {AcDbObjectId(), -2, true, 4}, {AcDbObjectId(), 0, false, 0},
    };
    for (const Case& c : cases) {
        table.Clear();
        if (c.before != -2)
            table.Set(c.id, c.before);
        EXPECT_EQ(table.SetIfNone(c.id, 4), c.set) << c.before;
        EXPECT_EQ(table.Get(c.id), c.after) << c.before;
    }
    for (int k = 1; k <= 3000; ++k) // across growth, each key once
        ASSERT_TRUE(table.SetIfNone(IdOf(k + 10), k));
    for (int k = 1; k <= 3000; ++k)
        ASSERT_FALSE(table.SetIfNone(IdOf(k + 10), 0)) << k;
    EXPECT_EQ(table.Get(IdOf(3010)), 3000);
}
