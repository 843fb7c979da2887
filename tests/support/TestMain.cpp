// Test main: runs every test and, after each, checks that the host was left
// clean (whatever fixture the test used), then resets the host so that one
// test's leftovers cannot spoil the next.
#include <gtest/gtest.h>

#include "hxhost/HostControl.h"
#include "hxhost/Drawing.h"
#include "hxhost/Session.h"

namespace {

class CleanHostListener : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo& info) override {
        std::string left = hxhost::describeOutstanding();
        if (!left.empty()) {
            ++m_unclean;
            std::fprintf(stderr, "[  UNCLEAN ] %s.%s left:\n%s", info.test_suite_name(),
                         info.name(), left.c_str());
        }
        hxhost::clearFaults();
        hxhost::resetEditor();
        hxhost::resetDrawings();
        hxhost::resetLedger();
    }
    int unclean() const { return m_unclean; }

private:
    int m_unclean = 0;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    auto* listener = new CleanHostListener;
    ::testing::UnitTest::GetInstance()->listeners().Append(listener);
    int rc = RUN_ALL_TESTS();
    if (rc == 0 && listener->unclean() > 0)
        rc = 1;
    return rc;
}
