// The ledger and the fault plans of the stand-in host.
#include "HostTest.h"

using namespace hxhost;

TEST(HostControl, LedgerReportsWhatIsOutstanding) {
    acquired(Resource::OpenObject, 2);
    acquired(Resource::Transaction);
    EXPECT_EQ(describeOutstanding(), "2 open objects\n1 transactions not ended\n");
    released(Resource::OpenObject, 2);
    released(Resource::Transaction);
    EXPECT_EQ(describeOutstanding(), "");
}

TEST(HostControl, FaultPlanSkipsThenFailsThenStops) {
    failNext("op", 2, 1);
    EXPECT_FALSE(shouldFail("op"));
    EXPECT_TRUE(shouldFail("op"));
    EXPECT_EQ(pendingFaults("op"), 1);
    EXPECT_TRUE(shouldFail("op"));
    EXPECT_FALSE(shouldFail("op"));
    EXPECT_FALSE(shouldFail("other"));
}

TEST(HostControl, AnyPlanCountsEveryOperationAndRecordsWhatFailed) {
    failNext(kFaultAny, 1, 2);
    EXPECT_FALSE(shouldFail("a"));
    EXPECT_FALSE(shouldFail("b"));
    EXPECT_TRUE(shouldFail("c"));
    EXPECT_FALSE(shouldFail("a"));
    EXPECT_EQ(failableCalls(), 4);
    EXPECT_EQ(failedOperations(), std::vector<std::string>{"c"});
    clearFaults();
    EXPECT_EQ(failableCalls(), 0);
    EXPECT_TRUE(failedOperations().empty());
}
