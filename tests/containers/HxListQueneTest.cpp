// The list queue: first in, first out; the size limit; empty answers.
#include "ContainerTestSupport.h"
#include "HostTest.h"
#include "HxListQuene.h"

namespace {

class HxListQueneTest : public HostTest {};

TEST_F(HxListQueneTest, ElementsLeaveInTheOrderTheyCame) {
    HxListQuene<AcDbObjectId> queue;
    AcDbObjectId out = IdOf(99);
    EXPECT_EQ(queue.Pop(out) + queue.Front(out) + queue.Back(out), 0);
    EXPECT_EQ(out, IdOf(99)); // left unchanged
    for (int i = 1; i <= 300; ++i)
        EXPECT_EQ(queue.Push(IdOf(i)), 1); // limit -1: never full
    EXPECT_TRUE(queue.Back(out) && out == IdOf(300) && queue.Front(out) && out == IdOf(1));
    for (int i = 1; i <= 301; ++i) {
        ASSERT_EQ(queue.Pop(out), 1);
        EXPECT_EQ(out, IdOf(i));
        if (i == 150)
            queue.Push(IdOf(301));
    }
    EXPECT_EQ(queue.Count(), 0);
}

TEST_F(HxListQueneTest, LimitRefusesWithoutChange) {
    for (int limit : {0, 2, -1}) {
        HxListQuene<int> queue(limit);
        const int accepted = queue.Push(1) + queue.Push(2) + queue.Push(3);
        EXPECT_EQ(accepted, limit < 0 ? 3 : limit);
        EXPECT_EQ(queue.Count(), accepted);
        queue.Clear();
        EXPECT_EQ(queue.Push(1), limit == 0 ? 0 : 1) << limit;
    }
    HxListQuene<int> grown;
    grown.At(2) = 5; // At grows the queue like the list's At
    EXPECT_EQ(grown.Count(), 3);
}

} // namespace
