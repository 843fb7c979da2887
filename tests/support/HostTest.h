// Test fixture that checks the stand-in host is left clean: no object open,
// no result buffer, host string, selection set, document lock or transaction
// left behind by the test.
#pragma once

#include <gtest/gtest.h>

#include "hxhost/HostControl.h"

class HostTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(hxhost::describeOutstanding(), "") << "the test left the host unclean";
    }
};
